// VBScript's operators on Variants: subtype promotion, Null propagation and comparison rules.
#pragma once

#include "formula/Ast.h"
#include "formula/Variant.h"

#include <cmath>
#include <cstdint>

namespace kinemo {

Variant VbAdd(const Variant& a, const Variant& b);
Variant VbSub(const Variant& a, const Variant& b);
Variant VbMul(const Variant& a, const Variant& b);
Variant VbDiv(const Variant& a, const Variant& b);
Variant VbIntDiv(const Variant& a, const Variant& b);
Variant VbMod(const Variant& a, const Variant& b);
Variant VbPow(const Variant& a, const Variant& b);
Variant VbConcat(const Variant& a, const Variant& b);
Variant VbNeg(const Variant& a);
Variant VbNot(const Variant& a);
// And, Or, Xor, Eqv, Imp: logical on Booleans, bitwise on numbers.
Variant VbLogic(EBinOp op, const Variant& a, const Variant& b);
Variant VbBinary(EBinOp op, const Variant& a, const Variant& b);

// a op b as Boolean, or Null. A literal operand keeps its subtype: 5 = "5" compares as
// numbers when 5 is written in the text, while two variables holding 5 and "5" differ.
Variant VbCompare(ECmpOp op, const Variant& a, const Variant& b, bool aLiteral = false, bool bLiteral = false);

// The truth of a condition: Null and Empty are False; text must read as a number or Boolean.
bool VbTruth(const Variant& v);

// ----- the common cases inline, for the evaluator -----
// Each gives exactly what the general operator gives, or false when the operands are not
// the plain case it knows (the caller then calls the general operator).

namespace fastop {

inline bool IsIntOrLong(Variant::Type t) { return t == Variant::Type::Integer || t == Variant::Type::Long; }
inline bool IsArithmetic(Variant::Type t) { return IsIntOrLong(t) || t == Variant::Type::Double; }
inline double AsDouble(const Variant& v) {
    return v.GetType() == Variant::Type::Double ? v.DoubleValue() : static_cast<double>(v.IntValue());
}

// An integer result of Integer and Long operands, in the narrowest subtype at or above
// theirs; false when it needs a Double (the general rule then rounds as it does).
inline bool FitInt(int64_t r, bool bothInteger, Variant& out) {
    if (bothInteger && r >= INT16_MIN && r <= INT16_MAX) {
        out = Variant::Integer(static_cast<int16_t>(r));
        return true;
    }
    if (r >= INT32_MIN && r <= INT32_MAX) {
        out = Variant::Long(static_cast<int32_t>(r));
        return true;
    }
    return false;
}

// +, -, *, /, ^ on Integer, Long and Double operands.
inline bool Arith(EBinOp op, const Variant& a, const Variant& b, Variant& out) {
    const Variant::Type ta = a.GetType(), tb = b.GetType();
    if (IsIntOrLong(ta) && IsIntOrLong(tb) && (op == EBinOp::kAdd || op == EBinOp::kSub || op == EBinOp::kMul)) {
        const int64_t x = a.IntValue(), y = b.IntValue();
        const int64_t r = op == EBinOp::kAdd ? x + y : (op == EBinOp::kSub ? x - y : x * y);
        return FitInt(r, ta == Variant::Type::Integer && tb == Variant::Type::Integer, out);
    }
    if (!IsArithmetic(ta) || !IsArithmetic(tb)) return false;
    const double x = AsDouble(a), y = AsDouble(b);
    double r;
    switch (op) {
        case EBinOp::kAdd:
            if (ta != Variant::Type::Double && tb != Variant::Type::Double) return false;
            r = x + y;
            break;
        case EBinOp::kSub:
            if (ta != Variant::Type::Double && tb != Variant::Type::Double) return false;
            r = x - y;
            break;
        case EBinOp::kMul:
            if (ta != Variant::Type::Double && tb != Variant::Type::Double) return false;
            r = x * y;
            break;
        case EBinOp::kDiv:
            if (y == 0) return false;
            r = x / y;
            break;
        case EBinOp::kPow:
            if (y != 2) return false;  // the square; other powers take the general rule
            r = x * x;
            break;
        default: return false;
    }
    if (!std::isfinite(r)) return false;
    out = Variant::Double(r);
    return true;
}

// Comparison of two numbers (Byte to Double): their values decide.
inline bool Compare(ECmpOp op, const Variant& a, const Variant& b, Variant& out) {
    if (op == ECmpOp::kIs || !a.IsNumber() || !b.IsNumber()) return false;
    double x, y;
    a.TryNumber(x);
    b.TryNumber(y);
    const int c = x < y ? -1 : (x > y ? 1 : 0);  // NaN orders as equal, as the general rule has it
    bool r;
    switch (op) {
        case ECmpOp::kEq: r = c == 0; break;
        case ECmpOp::kNe: r = c != 0; break;
        case ECmpOp::kLt: r = c < 0; break;
        case ECmpOp::kGt: r = c > 0; break;
        case ECmpOp::kLe: r = c <= 0; break;
        default: r = c >= 0; break;
    }
    out = Variant::Boolean(r);
    return true;
}

}  // namespace fastop

}  // namespace kinemo
