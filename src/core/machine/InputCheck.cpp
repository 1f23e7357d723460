// Range checks of element input values and of the chain's carry values.
#include "machine/InputCheck.h"

#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "units/Measure.h"

#include <cmath>

namespace kinemo {

namespace {

// A number as the user reads it; the non-finite ones spelled out.
std::string NumberText(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    return FloatToText(x);
}

std::string UnitSymbol(const TInputData& item) { return item.DisplayUnit ? item.DisplayUnit->Symbol() : ""; }

// A carry value text: true with the number when it is one; a text that reads as no plain
// number (an overflow written out) counts as not finite.
bool CarryNumber(const std::string& text, double& x) {
    if (TryTextToFloat(text, x)) return true;
    x = std::nan("");
    return false;
}

}  // namespace

TInputCheck::TInputCheck(const TErrorMessage* errors) : errors_(errors ? errors : &empty_) {}

std::string TInputCheck::Text(const std::string& key, const FormatArgs& args) const {
    const std::string format = errors_->GetText(key);
    return format.empty() ? std::string() : FormatText(format, args);
}

std::string TInputCheck::RangeText(const TInputData& item) const {
    const TInputRange& r = item.Range;
    // Limits are converted into the display unit; a unit with an offset or a negative
    // factor does not occur among the catalog's units, so the order stays.
    const std::string unit = UnitSymbol(item);
    const std::string lo = NumberText(item.ToDisplay(r.Min)), hi = NumberText(item.ToDisplay(r.Max));
    const std::string below = errors_->GetText(r.MinOpen ? "RangeLess" : "RangeLessOrEqual");
    const std::string above = errors_->GetText(r.MaxOpen ? "RangeLess" : "RangeLessOrEqual");
    if (r.HasMin && r.HasMax) return Text("InputRange", {lo, below, above, hi, unit});
    if (r.HasMin) return Text("InputRangeMin", {errors_->GetText(r.MinOpen ? "RangeGreater" : "RangeGreaterOrEqual"), lo, unit});
    if (r.HasMax) return Text("InputRangeMax", {above, hi, unit});
    return {};
}

std::string TInputCheck::RefusalText(const TInputData& item, double displayValue) const {
    return Text("InputOutOfRange", {item.Name, NumberText(displayValue), UnitSymbol(item), RangeText(item)});
}

void TInputCheck::CheckTyped(const TInputData& item, double displayValue) const {
    if (!std::isfinite(displayValue) || !item.Range.Contains(item.ToFormula(displayValue)))
        throw TKinemoError(RefusalText(item, displayValue));
}

std::vector<const TInputData*> TInputCheck::Violations(TFactor& element) {
    std::vector<const TInputData*> out;
    for (const auto& item : element.InputItems())
        if (item->Kind() == TInputKind::Numeric) {
            const auto* d = static_cast<const TInputData*>(item.get());
            if (!d->InRange()) out.push_back(d);
        }
    return out;
}

std::vector<TInputViolation> TInputCheck::Violations(const TCalcCarryValue& chain) {
    std::vector<TInputViolation> out;
    for (int i = 1; i < chain.Count(); ++i) {
        TFactor* f = chain.GetFactor(i);
        for (const TInputData* item : Violations(*f)) out.push_back({i, f, item});
    }
    return out;
}

std::string TInputCheck::ItemLine(const TInputData& item) const {
    return Text("InputOutOfRangeItem", {item.Name, NumberText(item.Value), UnitSymbol(item), RangeText(item)});
}

std::string TInputCheck::ListText(const std::vector<TInputViolation>& violations) const {
    std::string text = Text("InputOutOfRangeList", {});
    for (const TInputViolation& v : violations)
        text += "\n" + Text("InputOutOfRangeElement", {static_cast<long long>(v.Position), v.Element->Name}) +
                ItemLine(*v.Item);
    return text;
}

std::string TInputCheck::UserFactorText(TFactor& element) const {
    const std::vector<const TInputData*> items = Violations(element);
    if (items.empty()) return {};
    std::string text = Text("UserFactorOutOfRange", {element.Name});
    for (const TInputData* item : items) text += "\n" + ItemLine(*item);
    return text;
}

void TInputCheck::CheckChain(const TCalcCarryValue& chain) const {
    const std::vector<TInputViolation> violations = Violations(chain);
    if (!violations.empty()) throw TKinemoError(ListText(violations));
}

void TInputCheck::CheckCarryOut(const TFactor& f, int position) const {
    struct Rule {
        const char* name;
        double min;      // lowest allowed value
        bool minOpen;    // min itself excluded
        double max;
    };
    static constexpr double kHuge = HUGE_VAL;
    static constexpr Rule kRules[] = {
        {"JLout", 0, false, kHuge}, {"Vout", 0, true, kHuge},    {"Aout", 0, false, 1},
        {"TFout", -kHuge, false, kHuge}, {"TUout", -kHuge, false, kHuge}, {"THout", -kHuge, false, kHuge},
        {"Bout", -kHuge, false, kHuge},
    };
    for (const Rule& rule : kRules) {
        const std::string text = f.CarryOut.Value(rule.name);
        if (text.empty()) continue;
        double x = 0;
        const bool number = CarryNumber(text, x);
        const bool ok = number && std::isfinite(x) && (rule.minOpen ? x > rule.min : x >= rule.min) && x <= rule.max;
        if (!ok)
            throw TKinemoError(Text("ChainResultInvalid", {static_cast<long long>(position), f.Name,
                                                           std::string(rule.name), number ? NumberText(x) : text}));
    }
}

}  // namespace kinemo
