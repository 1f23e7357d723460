// The values a judgement hands to every catalog formula: the text its log shows, and the
// same values set straight into a formula engine, so no text is parsed per motor.
#pragma once

#include "formula/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

class TFormulaEngine;

// A number as a hand-over line writes it: its text by the float-to-text rule and what a
// formula reading "name=" and that text gets (not a literal for "NaN" and "INF", which run
// as script).
struct THandOverNumber {
    Variant Value;
    bool Literal = false;
    uint8_t Size = 0;
    char Text[39] = {};
    std::string_view View() const { return {Text, Size}; }
};

// The number's hand-over form. A judgement hands over the same few hundred numbers again and
// again (times, speeds, carry values of every interval): recent ones are remembered per
// thread, so each is formatted and read back once.
const THandOverNumber& HandOverNumber(double value);

class THandOverValues {
public:
    // Text(): the lines are kept as text too; without it only the values are (for values no
    // log shows).
    explicit THandOverValues(bool keepText = true) : keepText_(keepText) {}

    // A comment line of the text; the engine sees nothing of it.
    void Comment(std::string_view line);
    // "name=" and the number by the float-to-text rule. The engine gets exactly what that
    // line would give it: the number read back from its text, with a literal's subtype.
    void Number(std::string_view name, double value);
    // Script lines, run as text (the physical constants: the same text every motor).
    void Script(std::string_view text);

    // The lines joined by CR LF, as the log shows them and as a formula could run them;
    // empty when the text is not kept.
    const std::string& Text() const { return text_; }
    // Room for n values and scripts without moving them.
    void Reserve(size_t n) { steps_.reserve(n); }
    // Sets every value in engine in the order of the lines: the effect of running Text().
    void ApplyTo(TFormulaEngine& engine) const;

private:
    void Line(std::string_view line);

    struct TStep {
        std::string name;    // empty: script is run instead
        Variant value;
        std::string script;
    };
    bool keepText_ = true;
    std::string text_;
    std::vector<TStep> steps_;
};

}  // namespace kinemo
