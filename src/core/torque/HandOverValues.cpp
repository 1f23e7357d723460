// Hand-over values as text and as engine variables.
#include "torque/HandOverValues.h"

#include "base/NumberText.h"
#include "formula/FormulaEngine.h"
#include "formula/NumberLiteral.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>

namespace kinemo {

const THandOverNumber& HandOverNumber(double value) {
    struct TEntry {
        uint64_t bits = 0;
        bool used = false;
        THandOverNumber number;
    };
    constexpr size_t kBits = 11;  // 2,048 numbers
    thread_local std::unique_ptr<std::array<TEntry, size_t{1} << kBits>> memo;
    if (!memo) memo = std::make_unique<std::array<TEntry, size_t{1} << kBits>>();
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    TEntry& e = (*memo)[static_cast<size_t>((bits * 0x9E3779B97F4A7C15ull) >> (64 - kBits))];
    if (e.used && e.bits == bits) return e.number;
    const std::string text = FloatToText(value);
    THandOverNumber& n = e.number;
    n.Size = static_cast<uint8_t>(std::min(text.size(), sizeof n.Text));
    std::copy_n(text.data(), n.Size, n.Text);
    n.Value = Variant();
    n.Literal = NumberLiteralValue(text, n.Value);
    // A text that does not fit is never remembered (no number's text is that long).
    e.used = n.Size == text.size();
    e.bits = bits;
    return n;
}

void THandOverValues::Line(std::string_view line) {
    if (!keepText_) return;
    if (!text_.empty()) text_ += "\r\n";
    text_ += line;
}

void THandOverValues::Comment(std::string_view line) { Line(line); }

void THandOverValues::Number(std::string_view name, double value) {
    const THandOverNumber& number = HandOverNumber(value);
    if (keepText_) {
        if (!text_.empty()) text_ += "\r\n";
        text_ += name;
        text_ += '=';
        text_ += number.View();
    }
    TStep step;
    if (number.Literal) {
        step.name = std::string(name);
        step.value = number.Value;
    } else {
        // "NaN" and "INF" are no literals: the line then runs as the script it is.
        step.script = std::string(name) + "=" + std::string(number.View());
    }
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
