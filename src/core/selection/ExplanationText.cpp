// Explanation lines from the catalog's captions and units.
#include "selection/ExplanationText.h"

#include "base/Catalog.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"

#include <algorithm>

namespace kinemo {

void TExplanationText::LoadTexts(TCatalogQuery& query) {
    texts_.Clear();
    units_.Clear();
    query.Close();
    query.SetSQL("select msg_value,msg_control,msg_symbol from s_message where msg_class=:CLASS order by msg_cd");
    query.SetParam("CLASS", "figure_explanation");
    query.Open();
    for (; !query.Eof(); query.Next()) {
        const std::string control = query.AsString(1);
        texts_.SetValue(control, query.AsString(0));
        if (control.rfind("Caption.", 0) == 0) units_.SetValue(control.substr(8), query.AsString(2));
    }
    query.Close();
}

std::string TExplanationText::Title(const std::string& name) const {
    const std::string caption = Caption(name);
    const std::string unit = Unit(name);
    std::string title = caption.empty() ? name : caption;
    if (!unit.empty()) title += " [" + unit + "]";
    return title;
}

std::string TExplanationText::WithUnit(const std::string& value, const std::string& name) const {
    const std::string unit = Unit(name);
    return unit.empty() ? value : value + " " + unit;
}

std::string TExplanationText::Source(const TExplainedInput& input) const {
    switch (input.Source) {
    case TFigureSource::Carry: return Text("Source.Carry");
    case TFigureSource::MotorCatalog: return FormatText(Text("Source.MotorCatalog"), {input.Origin});
    case TFigureSource::TorqueFigure: return Text("Source.TorqueFigure");
    case TFigureSource::Constant: return Text("Source.Constant");
    case TFigureSource::Voltage: return Text("Source.Voltage");
    default: return Text("Source.Unknown");
    }
}

void TExplanationText::Append(const TFigureExplanation& e, const std::string& indent,
                              std::vector<std::string>& out) const {
    const std::string more = indent + "    ";
    if (!e.Formula.empty()) {
        out.push_back(indent + FormatText(Text("HeadingFormula"), {e.FormulaKey}));
        size_t start = 0;
        while (start <= e.Formula.size()) {
            size_t end = e.Formula.find('\n', start);
            if (end == std::string::npos) end = e.Formula.size();
            std::string line = e.Formula.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out.push_back(more + line);
            start = end + 1;
        }
    } else {
        out.push_back(indent + Text("HeadingRule"));
        const std::string rule = Text("Rule." + e.Figure);
        out.push_back(more + (rule.empty() ? Text("Rule.Taken") : rule));
    }
    if (!e.Inputs.empty()) {
        out.push_back(indent + Text("HeadingValues"));
        for (const TExplainedInput& in : e.Inputs) {
            const std::string caption = Caption(in.Name);
            out.push_back(more + in.Name + " = " + WithUnit(in.ValueText.empty() ? "-" : in.ValueText, in.Name) +
                          "  (" + (caption.empty() ? std::string() : caption + "; ") + Source(in) + ")");
        }
    }
    if (!e.Arrays.empty()) {
        out.push_back(indent + Text("HeadingIntervals"));
        std::vector<std::vector<std::string>> table;
        std::vector<std::string> header{Text("ColumnInterval")};
        for (const TExplainedArray& a : e.Arrays)
            header.push_back(a.Name + (Unit(a.Name).empty() ? "" : " [" + Unit(a.Name) + "]"));
        table.push_back(header);
        const size_t rows = e.Arrays.front().Values.size();
        for (size_t r = 0; r < rows; ++r) {
            std::vector<std::string> row{std::to_string(r + 1)};
            for (const TExplainedArray& a : e.Arrays) row.push_back(r < a.Values.size() ? FloatToText(a.Values[r]) : "");
            table.push_back(row);
        }
        std::vector<int> widths(header.size(), 0);
        for (const auto& row : table)
            for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        for (const auto& row : table) {
            std::string line = more;
            for (size_t c = 0; c < row.size(); ++c) line += (c ? "  " : "") + PadToWidth(row[c], widths[c], c > 0);
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out.push_back(line);
        }
    }
    std::string result = FloatToText(e.Result);
    if (e.IsCode) {
        const std::string word = Text("Code." + result);
        if (!word.empty()) result += " (" + word + ")";
    } else {
        result = WithUnit(result, e.Figure);
    }
    out.push_back(indent + FormatText(Text("HeadingResult"), {e.Figure, result}));
    for (const TFigureExplanation& d : e.Details) {
        out.push_back("");
        out.push_back(indent + FormatText(Text("HeadingDetail"), {d.Figure}));
        Append(d, more, out);
    }
}

std::vector<std::string> TExplanationText::Lines(const TFigureExplanation& e) const {
    std::vector<std::string> out{Title(e.Figure) + " (" + e.Figure + ")"};
    Append(e, "", out);
    return out;
}

std::string TExplanationText::Joined(const TFigureExplanation& e) const {
    std::string text;
    for (const std::string& line : Lines(e)) text += line + "\n";
    return text;
}

}  // namespace kinemo
