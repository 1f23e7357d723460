// The numeric, conversion and type-inspection built-in functions.
#include "formula/Builtins.h"
#include "formula/FormulaError.h"
#include "formula/Runtime.h"

#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstring>
#include <string>

namespace kinemo {

namespace {

using T = Variant::Type;

// One-argument math functions: Null gives Null, anything else is read as a Double.
template <double (*F)(double)>
Variant Math(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    const double r = F(a[0].ToDouble());
    if (!std::isfinite(r)) VbFail(EVbError::kOverflow);
    return Variant::Double(r);
}

double Atn(double x) { return std::atan(x); }
double Cos(double x) { return std::cos(x); }
double Sin(double x) { return std::sin(x); }
double Tan(double x) { return std::tan(x); }
double Exp(double x) { return std::exp(x); }
double Log(double x) {
    if (!(x > 0)) VbFail(EVbError::kInvalidCall);
    return std::log(x);
}
double Sqr(double x) {
    if (x < 0) VbFail(EVbError::kInvalidCall);
    return std::sqrt(x);
}

Variant Abs(const TBuiltinArgs& a) {
    const Variant& v = a[0];
    switch (v.GetType()) {
        case T::Null: return Variant::Null();
        case T::Empty: return Variant::Integer(0);
        case T::Boolean: return Variant::Integer(v.BoolValue() ? 1 : 0);
        case T::Byte: return v;
        case T::Integer: return Variant::FromInt64(std::llabs(v.IntValue()));
        case T::Long: {
            const int64_t n = std::llabs(static_cast<int64_t>(v.IntValue()));
            return n > INT32_MAX ? Variant::Double(static_cast<double>(n)) : Variant::Long(static_cast<int32_t>(n));
        }
        case T::Single: return Variant::Single(std::fabs(v.SingleValue()));
        default: return Variant::Double(std::fabs(v.ToDouble()));
    }
}

// Int rounds down, Fix toward zero; both keep the subtype of a number.
template <bool Down>
Variant IntFix(const TBuiltinArgs& a) {
    const Variant& v = a[0];
    switch (v.GetType()) {
        case T::Null: return Variant::Null();
        case T::Empty: return Variant::Integer(0);
        case T::Boolean: return Variant::Integer(v.BoolValue() ? -1 : 0);
        case T::Byte:
        case T::Integer:
        case T::Long: return v;
        case T::Single: return Variant::Single(Down ? std::floor(v.SingleValue()) : std::trunc(v.SingleValue()));
        default: {
            const double d = v.ToDouble();
            return Variant::Double(Down ? std::floor(d) : std::trunc(d));
        }
    }
}

Variant Round(const TBuiltinArgs& a) {
    const Variant& v = a[0];
    if (v.IsNull()) return Variant::Null();
    int digits = 0;
    if (a.Has(1)) digits = a[1].ToLong();
    if (digits < 0) VbFail(EVbError::kInvalidCall);
    switch (v.GetType()) {
        case T::Byte:
        case T::Integer:
        case T::Long: return v;
        case T::Empty: return Variant::Integer(0);
        case T::Boolean: return Variant::Integer(v.BoolValue() ? -1 : 0);
        default: break;
    }
    const double x = v.ToDouble();
    double r = x;
    if (digits <= 15) {
        const double scale = std::pow(10.0, digits);
        const double scaled = x * scale;
        if (std::fabs(scaled) < 4503599627370496.0) r = RoundHalfEven(scaled) / scale;
    }
    if (v.GetType() == T::Single) return Variant::Single(static_cast<float>(r));
    return Variant::Double(r);
}

Variant Sgn(const TBuiltinArgs& a) {
    const double d = a[0].ToDouble();
    return Variant::Integer(d > 0 ? 1 : (d < 0 ? -1 : 0));
}

// VBScript's generator: x' = (x * 1140671485 + 12820163) mod 2^24, as a Single in [0, 1).
Variant Rnd(const TBuiltinArgs& a) {
    TRuntime& rt = a.rt;
    if (a.Has(0)) {
        const float n = static_cast<float>(a[0].ToDouble());
        if (n == 0) return Variant::Single(rt.rndLast);
        if (n < 0) {
            uint32_t bits;
            std::memcpy(&bits, &n, sizeof bits);
            rt.rndSeed = (bits + (bits >> 24)) & 0xFFFFFFu;
        }
    }
    rt.rndSeed = static_cast<uint32_t>((static_cast<uint64_t>(rt.rndSeed) * 1140671485u + 12820163u) & 0xFFFFFFu);
    rt.rndLast = static_cast<float>(rt.rndSeed) / 16777216.0f;
    return Variant::Single(rt.rndLast);
}

Variant Randomize(const TBuiltinArgs& a) {
    double seed;
    if (a.Has(0)) seed = a[0].ToDouble();
    else seed = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    uint64_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    const auto hi = static_cast<uint32_t>(bits >> 32);
    const uint32_t mixed = ((hi & 0xFFFFu) ^ (hi >> 16)) << 8;
    a.rt.rndSeed = (a.rt.rndSeed & 0xFF0000FFu) | (mixed & 0x00FFFF00u);
    return Variant();
}

// ----- conversions -----

Variant CBool(const TBuiltinArgs& a) { return Variant::Boolean(a[0].ToBool()); }

double RoundedInRange(const Variant& v, double lo, double hi) {
    const double r = RoundHalfEven(v.ToDouble());
    if (!(r >= lo && r <= hi)) VbFail(EVbError::kOverflow);
    return r;
}

Variant CByte(const TBuiltinArgs& a) { return Variant::Byte(static_cast<uint8_t>(RoundedInRange(a[0], 0, 255))); }
Variant CInt(const TBuiltinArgs& a) {
    return Variant::Integer(static_cast<int16_t>(RoundedInRange(a[0], -32768, 32767)));
}
Variant CLng(const TBuiltinArgs& a) { return Variant::Long(a[0].ToLong()); }
Variant CDbl(const TBuiltinArgs& a) { return Variant::Double(a[0].ToDouble()); }
Variant CSng(const TBuiltinArgs& a) {
    const double d = a[0].ToDouble();
    if (std::fabs(d) > FLT_MAX) VbFail(EVbError::kOverflow);
    return Variant::Single(static_cast<float>(d));
}
Variant CStr(const TBuiltinArgs& a) { return Variant::String(a[0].ToText()); }

// Hex and Oct show Integer-sized values in 16 bits, others in 32 (two's complement).
template <int Base>
Variant Radix(const TBuiltinArgs& a) {
    const Variant& v = a[0];
    if (v.IsNull()) return Variant::Null();
    const int32_t n = v.ToLong();
    const bool small = v.GetType() == T::Integer || v.GetType() == T::Byte || v.GetType() == T::Boolean || v.IsEmpty();
    uint32_t u = small ? static_cast<uint16_t>(n) : static_cast<uint32_t>(n);
    if (u == 0) return Variant::String("0");
    const char* digits = "0123456789ABCDEF";
    char buf[16];
    int i = 16;
    while (u) {
        buf[--i] = digits[u % Base];
        u /= Base;
    }
    return Variant::String(std::string_view(buf + i, static_cast<size_t>(16 - i)));
}

// ----- type inspection -----

Variant IsArray(const TBuiltinArgs& a) { return Variant::Boolean(a[0].IsArray()); }
Variant IsEmpty(const TBuiltinArgs& a) { return Variant::Boolean(a[0].IsEmpty()); }
Variant IsNull(const TBuiltinArgs& a) { return Variant::Boolean(a[0].IsNull()); }
Variant IsObject(const TBuiltinArgs& a) { return Variant::Boolean(a[0].GetType() == T::Nothing); }
Variant IsNumeric(const TBuiltinArgs& a) {
    const Variant& v = a[0];
    double d;
    if (v.TryNumber(d)) return Variant::Boolean(true);
    if (v.IsString()) return Variant::Boolean(ParseVbNumber(v.StringValue(), d));
    return Variant::Boolean(false);
}
Variant TypeName(const TBuiltinArgs& a) { return Variant::String(a[0].TypeName()); }
Variant VarType(const TBuiltinArgs& a) { return Variant::FromInt64(a[0].VarType()); }

}  // namespace

const TBuiltin kNumericBuiltins[] = {
    {"abs", 1, 1, Abs},
    {"atn", 1, 1, Math<Atn>},
    {"cbool", 1, 1, CBool},
    {"cbyte", 1, 1, CByte},
    {"cdbl", 1, 1, CDbl},
    {"cint", 1, 1, CInt},
    {"clng", 1, 1, CLng},
    {"cos", 1, 1, Math<Cos>},
    {"csng", 1, 1, CSng},
    {"cstr", 1, 1, CStr},
    {"exp", 1, 1, Math<Exp>},
    {"fix", 1, 1, IntFix<false>},
    {"hex", 1, 1, Radix<16>},
    {"int", 1, 1, IntFix<true>},
    {"isarray", 1, 1, IsArray},
    {"isempty", 1, 1, IsEmpty},
    {"isnull", 1, 1, IsNull},
    {"isnumeric", 1, 1, IsNumeric},
    {"isobject", 1, 1, IsObject},
    {"log", 1, 1, Math<Log>},
    {"oct", 1, 1, Radix<8>},
    {"randomize", 0, 1, Randomize},
    {"rnd", 0, 1, Rnd},
    {"round", 1, 2, Round},
    {"sgn", 1, 1, Sgn},
    {"sin", 1, 1, Math<Sin>},
    {"sqr", 1, 1, Math<Sqr>},
    {"tan", 1, 1, Math<Tan>},
    {"typename", 1, 1, TypeName},
    {"vartype", 1, 1, VarType},
};
const size_t kNumericBuiltinCount = std::size(kNumericBuiltins);

}  // namespace kinemo
