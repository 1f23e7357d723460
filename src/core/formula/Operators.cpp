// VBScript's arithmetic, logical and comparison operators with its subtype rules.
#include "formula/Operators.h"

#include "formula/FormulaError.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

namespace kinemo {

namespace {

using T = Variant::Type;

// Numeric ranks in promotion order.
enum ERank : uint8_t { kByte, kInt, kLong, kSingle, kDouble };

struct TNum {
    ERank rank;
    double d;   // every value, also the integer ones
};

// The numeric reading of an operand: Empty and Boolean count as Integer, text as Double.
TNum ToNum(const Variant& v) {
    switch (v.GetType()) {
        case T::Empty: return {kInt, 0};
        case T::Boolean: return {kInt, v.BoolValue() ? -1.0 : 0.0};
        case T::Byte: return {kByte, static_cast<double>(v.IntValue())};
        case T::Integer: return {kInt, static_cast<double>(v.IntValue())};
        case T::Long: return {kLong, static_cast<double>(v.IntValue())};
        case T::Single: return {kSingle, v.SingleValue()};
        case T::Double: return {kDouble, v.DoubleValue()};
        case T::String: return {kDouble, v.ToDouble()};
        case T::Null: VbFail(EVbError::kInvalidUseOfNull);
        default: VbFail(EVbError::kTypeMismatch);
    }
}

// An integer result in the narrowest subtype at or above rank that holds it.
Variant FitInteger(double r, ERank rank) {
    if (rank == kByte && r >= 0 && r <= 255) return Variant::Byte(static_cast<uint8_t>(r));
    if (rank <= kInt && r >= INT16_MIN && r <= INT16_MAX) return Variant::Integer(static_cast<int16_t>(r));
    if (rank <= kLong && r >= INT32_MIN && r <= INT32_MAX) return Variant::Long(static_cast<int32_t>(r));
    return Variant::Double(r);
}

Variant FitFloat(double r, ERank rank, double x, double y) {
    if (!std::isfinite(r) && std::isfinite(x) && std::isfinite(y)) VbFail(EVbError::kOverflow);
    if (rank == kSingle && std::fabs(r) <= FLT_MAX) return Variant::Single(static_cast<float>(r));
    return Variant::Double(r);
}

ERank ResultRank(ERank a, ERank b) {
    // Single with Long needs Double to keep the Long's digits.
    if ((a == kSingle && b == kLong) || (a == kLong && b == kSingle)) return kDouble;
    return a > b ? a : b;
}

enum class EArith { kAdd, kSub, kMul };

Variant Arith(EArith op, const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    const TNum x = ToNum(a), y = ToNum(b);
    const ERank rank = ResultRank(x.rank, y.rank);
    double r = 0;
    switch (op) {
        case EArith::kAdd: r = x.d + y.d; break;
        case EArith::kSub: r = x.d - y.d; break;
        case EArith::kMul: r = x.d * y.d; break;
    }
    if (rank <= kLong) return FitInteger(r, rank);
    return FitFloat(r, rank, x.d, y.d);
}

// Operands of \, Mod and the bitwise operators: rounded to a Long, ranked for the result.
struct TIntOperand {
    int64_t v;
    ERank rank;
};

TIntOperand ToIntOperand(const Variant& v) {
    switch (v.GetType()) {
        case T::Empty: return {0, kInt};
        case T::Boolean: return {v.BoolValue() ? -1 : 0, kInt};
        case T::Byte: return {v.IntValue(), kByte};
        case T::Integer: return {v.IntValue(), kInt};
        case T::Long: return {v.IntValue(), kLong};
        default: return {v.ToLong(), kLong};
    }
}

Variant FitBitwise(int64_t r, ERank rank) {
    if (rank == kByte) return Variant::Byte(static_cast<uint8_t>(r));
    if (rank == kInt) return Variant::Integer(static_cast<int16_t>(r));
    return Variant::Long(static_cast<int32_t>(r));
}

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsNumeric(const Variant& v) { return v.IsNumber() || v.GetType() == T::Boolean; }

int CompareNumbers(double x, double y) { return x < y ? -1 : (x > y ? 1 : 0); }

// The order of two non-Null values under VBScript's rules.
int Order(const Variant& a, const Variant& b, bool aLit, bool bLit) {
    if (a.IsArray() || b.IsArray() || a.GetType() == T::Nothing || b.GetType() == T::Nothing)
        VbFail(EVbError::kTypeMismatch);
    const bool aStr = a.IsString(), bStr = b.IsString();
    if (aStr && bStr) return CompareText(a.StringValue(), b.StringValue());
    if (a.IsEmpty() && bStr) return CompareText({}, b.StringValue());
    if (aStr && b.IsEmpty()) return CompareText(a.StringValue(), {});
    if (!aStr && !bStr) {
        double x = 0, y = 0;
        a.TryNumber(x);
        b.TryNumber(y);
        return CompareNumbers(x, y);
    }
    // A number against a text.
    const Variant& num = aStr ? b : a;
    const Variant& str = aStr ? a : b;
    const bool numLit = aStr ? bLit : aLit;
    const bool strLit = aStr ? aLit : bLit;
    int c;
    if (numLit && IsNumeric(num)) {
        double x = 0;
        num.TryNumber(x);
        c = CompareNumbers(x, str.ToDouble());
    } else if (strLit) {
        c = CompareText(num.ToText(), str.StringValue());
    } else {
        c = -1;  // a number sorts before any text
    }
    return aStr ? -c : c;
}

}  // namespace

Variant VbAdd(const Variant& a, const Variant& b) {
    if (a.GetType() == T::Double && b.GetType() == T::Double) {
        const double r = a.DoubleValue() + b.DoubleValue();
        if (!std::isfinite(r)) return FitFloat(r, kDouble, a.DoubleValue(), b.DoubleValue());
        return Variant::Double(r);
    }
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    if (a.IsString() && b.IsString()) return VbConcat(a, b);
    // One Empty operand gives the other unchanged; two give Integer 0.
    if (a.IsEmpty() && !b.IsEmpty()) return b;
    if (b.IsEmpty() && !a.IsEmpty()) return a;
    return Arith(EArith::kAdd, a, b);
}

Variant VbSub(const Variant& a, const Variant& b) {
    if (a.GetType() == T::Double && b.GetType() == T::Double) {
        const double r = a.DoubleValue() - b.DoubleValue();
        if (!std::isfinite(r)) return FitFloat(r, kDouble, a.DoubleValue(), b.DoubleValue());
        return Variant::Double(r);
    }
    return Arith(EArith::kSub, a, b);
}

Variant VbMul(const Variant& a, const Variant& b) {
    if (a.GetType() == T::Double && b.GetType() == T::Double) {
        const double r = a.DoubleValue() * b.DoubleValue();
        if (!std::isfinite(r)) return FitFloat(r, kDouble, a.DoubleValue(), b.DoubleValue());
        return Variant::Double(r);
    }
    return Arith(EArith::kMul, a, b);
}

Variant VbDiv(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    const double x = ToNum(a).d, y = ToNum(b).d;
    if (y == 0) VbFail(x == 0 || std::isnan(x) ? EVbError::kOverflow : EVbError::kDivisionByZero);
    return FitFloat(x / y, kDouble, x, y);
}

Variant VbIntDiv(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    const TIntOperand x = ToIntOperand(a), y = ToIntOperand(b);
    if (y.v == 0) VbFail(EVbError::kDivisionByZero);
    const int64_t r = x.v / y.v;
    const ERank rank = x.rank > y.rank ? x.rank : y.rank;
    if (r > INT32_MAX) VbFail(EVbError::kOverflow);
    return FitInteger(static_cast<double>(r), rank);
}

Variant VbMod(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    const TIntOperand x = ToIntOperand(a), y = ToIntOperand(b);
    if (y.v == 0) VbFail(EVbError::kDivisionByZero);
    const ERank rank = x.rank > y.rank ? x.rank : y.rank;
    return FitInteger(static_cast<double>(x.v % y.v), rank);
}

Variant VbPow(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    const double x = ToNum(a).d, y = ToNum(b).d;
    if (x < 0 && y != std::floor(y)) VbFail(EVbError::kInvalidCall);
    if (x == 0 && y < 0) VbFail(EVbError::kDivisionByZero);
    if (y == 2) return FitFloat(x * x, kDouble, x, y);  // the common square, exact either way
    return FitFloat(std::pow(x, y), kDouble, x, y);
}

Variant VbConcat(const Variant& a, const Variant& b) {
    if (a.IsNull() && b.IsNull()) return Variant::Null();
    if (a.IsString() && b.IsString()) {
        std::string s;
        s.reserve(a.StringValue().size() + b.StringValue().size());
        s.append(a.StringValue()).append(b.StringValue());
        return Variant::String(s);
    }
    std::string s = a.IsNull() ? std::string() : a.ToText();
    s += b.IsNull() ? std::string() : b.ToText();
    return Variant::String(s);
}

Variant VbNeg(const Variant& a) {
    switch (a.GetType()) {
        case T::Null: return Variant::Null();
        case T::Empty: return Variant::Integer(0);
        case T::Boolean: return Variant::Integer(a.BoolValue() ? 1 : 0);
        case T::Byte:
        case T::Integer: return FitInteger(-static_cast<double>(a.IntValue()), kInt);
        case T::Long: return FitInteger(-static_cast<double>(a.IntValue()), kLong);
        case T::Single: return Variant::Single(-a.SingleValue());
        case T::Double: return Variant::Double(-a.DoubleValue());
        case T::String: return Variant::Double(-a.ToDouble());
        default: VbFail(EVbError::kTypeMismatch);
    }
}

Variant VbNot(const Variant& a) {
    switch (a.GetType()) {
        case T::Null: return Variant::Null();
        case T::Boolean: return Variant::Boolean(!a.BoolValue());
        default: {
            const TIntOperand x = ToIntOperand(a);
            return FitBitwise(~x.v, x.rank);
        }
    }
}

Variant VbLogic(EBinOp op, const Variant& a, const Variant& b) {
    const bool an = a.IsNull(), bn = b.IsNull();
    if (an || bn) {
        if (an && bn) return Variant::Null();
        const Variant& other = an ? b : a;
        const bool otherTrue = other.GetType() == T::Boolean ? other.BoolValue() : ToIntOperand(other).v == -1;
        const bool otherFalse = other.GetType() == T::Boolean ? !other.BoolValue() : ToIntOperand(other).v == 0;
        switch (op) {
            case EBinOp::kAnd: return otherFalse ? other : Variant::Null();
            case EBinOp::kOr: return otherTrue ? other : Variant::Null();
            case EBinOp::kImp:
                // Null Imp x is x when x is True; x Imp Null is True when x is False.
                if (an) return otherTrue ? other : Variant::Null();
                if (otherFalse) return a.GetType() == T::Boolean ? Variant::Boolean(true) : FitBitwise(-1, ToIntOperand(a).rank);
                return Variant::Null();
            default: return Variant::Null();
        }
    }
    if (a.GetType() == T::Boolean && b.GetType() == T::Boolean) {
        const bool x = a.BoolValue(), y = b.BoolValue();
        switch (op) {
            case EBinOp::kAnd: return Variant::Boolean(x && y);
            case EBinOp::kOr: return Variant::Boolean(x || y);
            case EBinOp::kXor: return Variant::Boolean(x != y);
            case EBinOp::kEqv: return Variant::Boolean(x == y);
            default: return Variant::Boolean(!x || y);
        }
    }
    const TIntOperand x = ToIntOperand(a), y = ToIntOperand(b);
    const ERank rank = x.rank > y.rank ? x.rank : y.rank;
    int64_t r;
    switch (op) {
        case EBinOp::kAnd: r = x.v & y.v; break;
        case EBinOp::kOr: r = x.v | y.v; break;
        case EBinOp::kXor: r = x.v ^ y.v; break;
        case EBinOp::kEqv: r = ~(x.v ^ y.v); break;
        default: r = ~x.v | y.v; break;
    }
    return FitBitwise(r, rank);
}

Variant VbBinary(EBinOp op, const Variant& a, const Variant& b) {
    switch (op) {
        case EBinOp::kAdd: return VbAdd(a, b);
        case EBinOp::kSub: return VbSub(a, b);
        case EBinOp::kMul: return VbMul(a, b);
        case EBinOp::kDiv: return VbDiv(a, b);
        case EBinOp::kIntDiv: return VbIntDiv(a, b);
        case EBinOp::kMod: return VbMod(a, b);
        case EBinOp::kPow: return VbPow(a, b);
        case EBinOp::kConcat: return VbConcat(a, b);
        default: return VbLogic(op, a, b);
    }
}

Variant VbCompare(ECmpOp op, const Variant& a, const Variant& b, bool aLiteral, bool bLiteral) {
    if (op == ECmpOp::kIs) {
        if (a.GetType() != T::Nothing || b.GetType() != T::Nothing) VbFail(EVbError::kObjectRequired);
        return Variant::Boolean(true);
    }
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    int c;
    if (a.GetType() == T::Double && b.GetType() == T::Double) c = CompareNumbers(a.DoubleValue(), b.DoubleValue());
    else c = Order(a, b, aLiteral, bLiteral);
    switch (op) {
        case ECmpOp::kEq: return Variant::Boolean(c == 0);
        case ECmpOp::kNe: return Variant::Boolean(c != 0);
        case ECmpOp::kLt: return Variant::Boolean(c < 0);
        case ECmpOp::kGt: return Variant::Boolean(c > 0);
        case ECmpOp::kLe: return Variant::Boolean(c <= 0);
        default: return Variant::Boolean(c >= 0);
    }
}

bool VbTruth(const Variant& v) {
    switch (v.GetType()) {
        case T::Boolean: return v.BoolValue();
        case T::Null:
        case T::Empty: return false;
        default: return v.ToBool();
    }
}

}  // namespace kinemo
