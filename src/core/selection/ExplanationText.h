// The words of a figure explanation: captions and units of the judgement's names from the
// catalog, and the explanation as lines for the popup, the report appendix and the CLI.
#pragma once

#include "base/NameValueList.h"
#include "torque/FigureExplanation.h"

#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TExplanationText {
public:
    // "figure_explanation" texts; a caption's unit is its row's msg_symbol.
    void LoadTexts(TCatalogQuery& query);
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    std::string Caption(const std::string& name) const { return texts_.Value("Caption." + name); }
    std::string Unit(const std::string& name) const { return units_.Value(name); }
    // "Caption [unit]" (no brackets without a unit; the name when there is no caption).
    std::string Title(const std::string& name) const;
    // Where a value came from, in words.
    std::string Source(const TExplainedInput& input) const;

    // The explanation as lines: the figure, the formula, the values with units and
    // origins, the intervals as a table, the result, then each detail indented.
    std::vector<std::string> Lines(const TFigureExplanation& e) const;
    std::string Joined(const TFigureExplanation& e) const;

private:
    void Append(const TFigureExplanation& e, const std::string& indent, std::vector<std::string>& out) const;
    std::string WithUnit(const std::string& value, const std::string& name) const;

    TNameValueList texts_;
    TNameValueList units_;
};

}  // namespace kinemo
