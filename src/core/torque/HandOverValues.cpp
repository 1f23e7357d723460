// Hand-over values as text and as engine variables.
#include "torque/HandOverValues.h"

#include "base/NumberText.h"
#include "formula/FormulaEngine.h"
#include "formula/NumberLiteral.h"

namespace kinemo {

void THandOverValues::Line(std::string_view line) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += line;
}

void THandOverValues::Comment(std::string_view line) { Line(line); }

void THandOverValues::Number(std::string_view name, double value) {
    const std::string number = FloatToText(value);
    std::string line(name);
    line += '=';
    line += number;
    Line(line);
    TStep step;
    // "NaN" and "INF" are no literals: the line then runs as the script it is.
    if (NumberLiteralValue(number, step.value)) step.name = std::string(name);
    else step.script = std::move(line);
    steps_.push_back(std::move(step));
}

void THandOverValues::Script(std::string_view text) {
    Line(text);
    steps_.push_back(TStep{{}, {}, std::string(text)});
}

void THandOverValues::ApplyTo(TFormulaEngine& engine) const {
    for (const TStep& step : steps_) {
        if (!step.name.empty()) engine.SetVariable(step.name, step.value);
        else if (!step.script.empty()) engine.ExecuteStatement(step.script);
    }
}

}  // namespace kinemo
