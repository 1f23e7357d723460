// Momentary regeneration table: script, engine values and printed rows.
#include "torque/MomentaryDischarge.h"

#include "formula/FormulaEngine.h"
#include "formula/NumberLiteral.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"

namespace kinemo {

std::string TMomentaryDischargeList::ScriptText() const {
    const std::string n = std::to_string(rows_.size());
    std::vector<std::string> lines = {"Count=" + n};
    for (const char* a : {"Er", "Ec", "Em", "t", "E", "P", "Ct", "Pm"}) lines.push_back("Dim " + std::string(a) + "(" + n + ")");
    for (size_t k = 1; k <= rows_.size(); ++k) {
        const TMomentaryDischarge& r = rows_[k - 1];
        const std::string i = std::to_string(k);
        lines.push_back("Er(" + i + ")=" + r.Er);
        lines.push_back("Ec(" + i + ")=" + r.Ec);
        lines.push_back("Em(" + i + ")=" + r.Em);
        lines.push_back("t(" + i + ")=" + r.t);
    }
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i) s += (i ? "\r\n" : "") + lines[i];
    return s;
}

void TMomentaryDischargeList::ApplyTo(TFormulaEngine& engine) const {
    // The declarations are the same text for every table of this length: parsed once.
    const std::string n = std::to_string(rows_.size());
    std::string declarations = "Count=" + n;
    for (const char* a : {"Er", "Ec", "Em", "t", "E", "P", "Ct", "Pm"}) declarations += "\r\nDim " + std::string(a) + "(" + n + ")";
    engine.ExecuteStatement(declarations);
    for (size_t k = 1; k <= rows_.size(); ++k) {
        const TMomentaryDischarge& r = rows_[k - 1];
        for (auto [name, text] : {std::pair{"Er", &r.Er}, std::pair{"Ec", &r.Ec}, std::pair{"Em", &r.Em},
                                  std::pair{"t", &r.t}}) {
            Variant value;
            if (NumberLiteralValue(*text, value)) engine.SetElement(name, static_cast<int>(k), value);
            else engine.ExecuteStatement(std::string(name) + "(" + std::to_string(k) + ")=" + *text);
        }
    }
}

std::vector<std::string> TMomentaryDischargeList::FormatRows() const {
    // A column holds 11 characters: longer numbers lose digits, never their exponent.
    auto fit = [](const std::string& text) { return FitNumberText(text, 11); };
    std::vector<std::string> out;
    for (size_t k = 0; k < rows_.size(); ++k) {
        const TMomentaryDischarge& r = rows_[k];
        out.push_back(FormatText("%3d %12.11s %12.11s %12.11s %12.11s %12.11s %12.11s %2s %12.11s",
                                 {static_cast<long long>(k), fit(r.Er), fit(r.Ec), fit(r.Em), fit(r.E), fit(r.t),
                                  fit(r.P), r.Behavior, fit(r.Pm)}));
    }
    return out;
}

const std::vector<std::string>& TMomentaryTableText::Rows() const {
    if (!rows_)
        rows_ = std::make_shared<const std::vector<std::string>>(table_ ? table_->FormatRows()
                                                                        : std::vector<std::string>{});
    return *rows_;
}

}  // namespace kinemo
