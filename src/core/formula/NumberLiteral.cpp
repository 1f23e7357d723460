// Number literals and their subtypes.
#include "formula/NumberLiteral.h"

#include "formula/Lexer.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kinemo {

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
    const auto r = std::from_chars(first, last, d);
    if (r.ec != std::errc() || !std::isfinite(d)) return false;  // the lexer's Overflow
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
