// Number literals and their subtypes.
#include "formula/NumberLiteral.h"

#include "formula/Lexer.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kinemo {

namespace {

// Powers of ten a double holds exactly.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The exact case (Clinger): a significand below 2^53 and a power of ten a double holds are
// both exact, so one IEEE multiplication or division rounds the decimal value correctly.
// Hand-over numbers (15 significant digits at most) nearly all take it; false otherwise.
bool ExactDecimal(const char* p, const char* last, double& out) {
    uint64_t w = 0;
    int digits = 0, exp10 = 0;
    auto take = [&](char c) {
        if (w == 0 && c == '0') return true;  // leading zeros are not significant
        if (++digits > 19) return false;
        w = w * 10 + static_cast<uint64_t>(c - '0');
        return true;
    };
    for (; p < last && *p >= '0' && *p <= '9'; ++p)
        if (!take(*p)) return false;
    if (p < last && *p == '.')
        for (++p; p < last && *p >= '0' && *p <= '9'; ++p) {
            if (!take(*p)) return false;
            --exp10;
        }
    if (p < last && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p < last && *p == '-';
        if (p < last && (*p == '-' || *p == '+')) ++p;
        int e = 0;
        for (; p < last && *p >= '0' && *p <= '9'; ++p) {
            if (e > 10000) return false;
            e = e * 10 + (*p - '0');
        }
        exp10 += negative ? -e : e;
    }
    if (p != last) return false;
    if (w == 0) {
        out = 0.0;
        return true;
    }
    if (w > (uint64_t{1} << 53) || exp10 < -22 || exp10 > 22) return false;
    const double x = static_cast<double>(w);
    out = exp10 >= 0 ? x * kExactPow10[exp10] : x / kExactPow10[-exp10];
    return true;
}

}  // namespace

bool DecimalValue(const char* first, const char* last, double& out) {
    if (ExactDecimal(first, last, out)) return true;
    double d = 0;
    const auto r = std::from_chars(first, last, d);
    if (r.ec != std::errc() || !std::isfinite(d)) return false;
    out = d;
    return true;
}

bool ReadNumberLiteral(std::string_view t, size_t& p, Variant& out) {
    if (p >= t.size() || t[p] < '0' || t[p] > '9') return false;
    const size_t b = p;
    const bool isFloat = ScanNumberLiteral(t, p);
    const char* first = t.data() + b;
    const char* last = t.data() + p;
    if (!isFloat) {
        int64_t n = 0;
        const auto r = std::from_chars(first, last, n);
        if (r.ec == std::errc() && r.ptr == last) {
            out = Variant::FromInt64(n);
            return true;
        }
    }
    double d = 0;
    if (!DecimalValue(first, last, d)) return false;  // the lexer's Overflow
    out = Variant::Double(d);
    return true;
}

Variant NegateLiteral(const Variant& v) {
    switch (v.GetType()) {
        case Variant::Type::Integer: return Variant::FromInt64(-static_cast<int64_t>(v.IntValue()));
        case Variant::Type::Long:
            return v.IntValue() == 32768 ? Variant::Integer(-32768) : Variant::FromInt64(-static_cast<int64_t>(v.IntValue()));
        default: return Variant::Double(-v.ToDouble());
    }
}

bool NumberLiteralValue(std::string_view text, Variant& out) {
    size_t p = !text.empty() && text[0] == '-' ? 1 : 0;
    const bool negative = p == 1;
    if (!ReadNumberLiteral(text, p, out) || p != text.size()) return false;
    if (negative) out = NegateLiteral(out);
    return true;
}

}  // namespace kinemo
