// The values a judgement hands to every catalog formula: the text its log shows, and the
// same values set straight into a formula engine, so no text is parsed per motor.
#pragma once

#include "formula/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

class TFormulaEngine;

class THandOverValues {
public:
    // A comment line of the text; the engine sees nothing of it.
    void Comment(std::string_view line);
    // "name=" and the number by the float-to-text rule. The engine gets exactly what that
    // line would give it: the number read back from its text, with a literal's subtype.
    void Number(std::string_view name, double value);
    // Script lines, run as text (the physical constants: the same text every motor).
    void Script(std::string_view text);

    // The lines joined by CR LF, as the log shows them and as a formula could run them.
    const std::string& Text() const { return text_; }
    // Sets every value in engine in the order of the lines: the effect of running Text().
    void ApplyTo(TFormulaEngine& engine) const;

private:
    void Line(std::string_view line);

    struct TStep {
        std::string name;    // empty: script is run instead
        Variant value;
        std::string script;
    };
    std::string text_;
    std::vector<TStep> steps_;
};

}  // namespace kinemo
