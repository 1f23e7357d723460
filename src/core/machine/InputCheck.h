// The one place where the physical ranges of element input values and the chain's own
// results are enforced: the refusal of a typed value, the list of out-of-range values of
// a loaded machine or user element, and the check of every element's carry values.
//
// Who calls what:
//   typing (property grids)        CheckTyped(item, displayValue) before the value is set
//   leaving the element page       TChoiceFactorModel::CheckInputs (uses Violations)
//   opening a project              TSizingSession lists Violations(chain) with ListText
//   reading a user element file    UserFactorText(element)
//   every chain calculation        TCalcCarryValue::CalcChain runs CheckChain before and
//                                  CheckCarryOut after each element
// Ranges come from the catalog (TInputRange); a catalog without them limits nothing but
// non-finite values. Texts are "error" keys of s_message; without an error table (a bare
// test catalog) the texts are empty but every check still refuses.
#pragma once

#include "base/ErrorMessage.h"

#include <string>
#include <vector>

namespace kinemo {

class TCalcCarryValue;
class TFactor;
class TInputData;

// One numeric item outside its range: the element at chain position Position (1 = the
// first element after the motor) and its item.
struct TInputViolation {
    int Position = 0;
    const TFactor* Element = nullptr;
    const TInputData* Item = nullptr;
};

class TInputCheck {
public:
    // errors may be null.
    explicit TInputCheck(const TErrorMessage* errors);

    // The item's range in its display unit, e.g. "0 < value ≤ 100000 kg" ("InputRange",
    // "InputRangeMin", "InputRangeMax" with the comparisons "RangeLess",
    // "RangeLessOrEqual", "RangeGreater", "RangeGreaterOrEqual"); empty for an unlimited item.
    std::string RangeText(const TInputData& item) const;
    // "InputOutOfRange": item name, the refused value and unit, the range.
    std::string RefusalText(const TInputData& item, double displayValue) const;
    // Raises TKinemoError with RefusalText when the typed value (display unit) is outside
    // the item's range or not finite; the item is not changed.
    void CheckTyped(const TInputData& item, double displayValue) const;

    // Numeric items outside their range, of one element and of every element after the
    // motor (the motor element's items come from the catalog motor, not from the user).
    static std::vector<const TInputData*> Violations(TFactor& element);
    static std::vector<TInputViolation> Violations(const TCalcCarryValue& chain);
    // "InputOutOfRangeList" followed by one line per violation ("InputOutOfRangeElement"
    // and "InputOutOfRangeItem").
    std::string ListText(const std::vector<TInputViolation>& violations) const;
    // "UserFactorOutOfRange" with one line per item; empty when every value is in range.
    std::string UserFactorText(TFactor& element) const;
    // Raises TKinemoError with ListText when any element after the motor holds a value
    // outside its range.
    void CheckChain(const TCalcCarryValue& chain) const;

    // The carry values element f (chain position) has just published: load inertia finite
    // and not negative, speed coefficient finite and above 0, efficiency 0 … 1 (0: not
    // given), the other values finite. A value the element did not publish is not checked.
    // Raises TKinemoError ("ChainResultInvalid") naming the element.
    void CheckCarryOut(const TFactor& f, int position) const;

private:
    std::string Text(const std::string& key, const FormatArgs& args) const;
    std::string ItemLine(const TInputData& item) const;

    TErrorMessage empty_;
    const TErrorMessage* errors_;
};

}  // namespace kinemo
