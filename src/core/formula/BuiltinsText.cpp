// The text, array and number-formatting built-in functions. Positions and lengths count
// characters (UTF-8 code points), not bytes.
#include "formula/Builtins.h"
#include "formula/FormulaError.h"
#include "formula/Runtime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace kinemo {

namespace {

using T = Variant::Type;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (char c : s) n += !IsContinuation(c);
    return n;
}

// Byte offset of the character at index chars (or the end).
size_t ByteOffset(std::string_view s, size_t chars) {
    size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && IsContinuation(s[i])) ++i;
        --chars;
    }
    return i;
}

std::string_view SubChars(std::string_view s, size_t start, size_t count) {
    const size_t b = ByteOffset(s, start);
    const size_t e = b + ByteOffset(s.substr(b), count);
    return s.substr(b, e - b);
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return r;
}

std::string Upper(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return r;
}

int32_t NonNegative(const Variant& v) {
    const int32_t n = v.ToLong();
    if (n < 0) VbFail(EVbError::kInvalidCall);
    return n;
}

bool TextCompare(const TBuiltinArgs& a, size_t index) { return a.Has(index) && a[index].ToLong() == 1; }

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

uint32_t FirstCodePoint(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80 || s.size() < 2) return b0;
    if ((b0 & 0xE0) == 0xC0) return ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(s[1]) & 0x3Fu);
    if ((b0 & 0xF0) == 0xE0 && s.size() >= 3)
        return ((b0 & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[1]) & 0x3Fu) << 6) |
               (static_cast<unsigned char>(s[2]) & 0x3Fu);
    return b0;
}

// ----- text -----

Variant Len(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    if (a[0].IsString()) return Variant::Long(static_cast<int32_t>(CharCount(a[0].StringValue())));
    return Variant::Long(static_cast<int32_t>(CharCount(a[0].ToText())));
}

Variant Left(const TBuiltinArgs& a) {
    const int32_t n = NonNegative(a[1]);
    if (a[0].IsNull()) return Variant::Null();
    const std::string s = a[0].ToText();
    return Variant::String(SubChars(s, 0, static_cast<size_t>(n)));
}

Variant Right(const TBuiltinArgs& a) {
    const int32_t n = NonNegative(a[1]);
    if (a[0].IsNull()) return Variant::Null();
    const std::string s = a[0].ToText();
    const size_t count = CharCount(s);
    const size_t take = std::min<size_t>(count, static_cast<size_t>(n));
    return Variant::String(SubChars(s, count - take, take));
}

Variant Mid(const TBuiltinArgs& a) {
    const int32_t start = a[1].ToLong();
    if (start < 1) VbFail(EVbError::kInvalidCall);
    const int32_t len = a.Has(2) ? NonNegative(a[2]) : INT32_MAX;
    if (a[0].IsNull()) return Variant::Null();
    const std::string s = a[0].ToText();
    return Variant::String(SubChars(s, static_cast<size_t>(start - 1), static_cast<size_t>(len)));
}

// Character position (1-based) of needle in hay from character start, 0 if absent.
size_t FindChars(std::string hay, std::string needle, size_t startChar, bool text) {
    if (text) {
        hay = Lower(hay);
        needle = Lower(needle);
    }
    const size_t from = ByteOffset(hay, startChar - 1);
    if (from >= hay.size() && !needle.empty()) return 0;
    const size_t at = hay.find(needle, from);
    if (at == std::string::npos) return 0;
    return CharCount(std::string_view(hay).substr(0, at)) + 1;
}

Variant InStr(const TBuiltinArgs& a) {
    size_t i = 0;
    int32_t start = 1;
    if (a.size() >= 3) {
        if (a[0].IsNull()) VbFail(EVbError::kInvalidUseOfNull);
        start = a[0].ToLong();
        if (start < 1) VbFail(EVbError::kInvalidCall);
        i = 1;
    }
    const bool text = TextCompare(a, i + 2);
    if (a[i].IsNull() || a[i + 1].IsNull()) return Variant::Null();
    const std::string hay = a[i].ToText(), needle = a[i + 1].ToText();
    if (static_cast<size_t>(start) > CharCount(hay)) return Variant::Long(0);
    if (needle.empty()) return Variant::Long(start);
    return Variant::Long(static_cast<int32_t>(FindChars(hay, needle, static_cast<size_t>(start), text)));
}

Variant InStrRev(const TBuiltinArgs& a) {
    if (a[0].IsNull() || a[1].IsNull()) return Variant::Null();
    std::string hay = a[0].ToText(), needle = a[1].ToText();
    const int32_t count = static_cast<int32_t>(CharCount(hay));
    int32_t start = a.Has(2) ? a[2].ToLong() : -1;
    if (start == 0 || start < -1) VbFail(EVbError::kInvalidCall);
    if (start == -1) start = count;
    if (TextCompare(a, 3)) {
        hay = Lower(hay);
        needle = Lower(needle);
    }
    if (start > count) return Variant::Long(0);
    if (needle.empty()) return Variant::Long(start);
    // Matches must end at or before character start.
    const std::string_view head = std::string_view(hay).substr(0, ByteOffset(hay, static_cast<size_t>(start)));
    const size_t at = head.rfind(needle);
    if (at == std::string::npos) return Variant::Long(0);
    return Variant::Long(static_cast<int32_t>(CharCount(head.substr(0, at)) + 1));
}

template <std::string (*F)(std::string_view)>
Variant CaseFn(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    return Variant::String(F(a[0].ToText()));
}

// VBScript trims spaces only, not tabs.
template <bool L, bool R>
Variant TrimFn(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    const std::string s = a[0].ToText();
    size_t b = 0, e = s.size();
    if (L)
        while (b < e && s[b] == ' ') ++b;
    if (R)
        while (e > b && s[e - 1] == ' ') --e;
    return Variant::String(std::string_view(s).substr(b, e - b));
}

Variant Replace(const TBuiltinArgs& a) {
    if (a[0].IsNull() || a[1].IsNull() || a[2].IsNull()) VbFail(EVbError::kInvalidUseOfNull);
    const std::string src = a[0].ToText(), find = a[1].ToText(), with = a[2].ToText();
    const int32_t start = a.Has(3) ? a[3].ToLong() : 1;
    const int32_t count = a.Has(4) ? a[4].ToLong() : -1;
    if (start < 1 || count < -1) VbFail(EVbError::kInvalidCall);
    const bool text = TextCompare(a, 5);
    // The result starts at character start, as VBScript's does.
    const std::string s(std::string_view(src).substr(ByteOffset(src, static_cast<size_t>(start - 1))));
    if (find.empty() || count == 0) return Variant::String(s);
    const std::string hay = text ? Lower(s) : s;
    const std::string needle = text ? Lower(find) : find;
    std::string out;
    size_t pos = 0;
    int32_t done = 0;
    for (;;) {
        const size_t at = (count == -1 || done < count) ? hay.find(needle, pos) : std::string::npos;
        if (at == std::string::npos) break;
        a.rt.ChargeBytes(at - pos + with.size());
        out.append(s, pos, at - pos).append(with);
        if (out.size() > TRuntime::kMaxValueBytes) VbFail(EVbError::kOutOfMemory);
        pos = at + needle.size();
        ++done;
    }
    out.append(s, pos, std::string::npos);
    return Variant::String(out);
}

Variant Space(const TBuiltinArgs& a) {
    const int32_t n = NonNegative(a[0]);
    a.rt.ChargeBytes(static_cast<size_t>(n));
    return Variant::String(std::string(static_cast<size_t>(n), ' '));
}

Variant StringFn(const TBuiltinArgs& a) {
    const int32_t n = NonNegative(a[0]);
    const Variant& c = a[1];
    if (c.IsNull()) return Variant::Null();
    std::string unit;
    if (c.IsString()) {
        std::string_view s = c.StringValue();
        if (s.empty()) VbFail(EVbError::kInvalidCall);
        unit = std::string(SubChars(s, 0, 1));
    } else {
        AppendUtf8(unit, static_cast<uint32_t>(((c.ToLong() % 256) + 256) % 256));
    }
    a.rt.ChargeBytes(static_cast<size_t>(n) * unit.size());
    std::string out;
    out.reserve(static_cast<size_t>(n) * unit.size());
    for (int32_t i = 0; i < n; ++i) out += unit;
    return Variant::String(out);
}

Variant StrComp(const TBuiltinArgs& a) {
    if (a[0].IsNull() || a[1].IsNull()) return Variant::Null();
    std::string x = a[0].ToText(), y = a[1].ToText();
    if (TextCompare(a, 2)) {
        x = Lower(x);
        y = Lower(y);
    }
    const int c = x.compare(y);
    return Variant::Integer(static_cast<int16_t>(c < 0 ? -1 : (c > 0 ? 1 : 0)));
}

Variant StrReverse(const TBuiltinArgs& a) {
    if (a[0].IsNull()) VbFail(EVbError::kInvalidUseOfNull);
    const std::string s = a[0].ToText();
    std::string out;
    out.reserve(s.size());
    size_t e = s.size();
    while (e > 0) {
        size_t b = e - 1;
        while (b > 0 && IsContinuation(s[b])) --b;
        out.append(s, b, e - b);
        e = b;
    }
    return Variant::String(out);
}

Variant Asc(const TBuiltinArgs& a) {
    if (a[0].IsNull()) VbFail(EVbError::kInvalidUseOfNull);
    const std::string s = a[0].ToText();
    if (s.empty()) VbFail(EVbError::kInvalidCall);
    return Variant::FromInt64(FirstCodePoint(s));
}

template <int32_t Max>
Variant Chr(const TBuiltinArgs& a) {
    const int32_t n = a[0].ToLong();
    if (n < 0 || n > Max) VbFail(EVbError::kInvalidCall);
    std::string out;
    AppendUtf8(out, static_cast<uint32_t>(n));
    return Variant::String(out);
}

// ----- arrays -----

Variant ArrayFn(const TBuiltinArgs& a) {
    TArrayData d;
    d.upper.push_back(static_cast<int32_t>(a.size()) - 1);
    d.items.reserve(a.size());
    for (size_t i = 0; i < a.size(); ++i) d.items.push_back(a[i]);
    return Variant::Array(std::move(d));
}

template <bool Upper>
Variant Bound(const TBuiltinArgs& a) {
    if (!a[0].IsArray()) VbFail(EVbError::kTypeMismatch);
    const TArrayData& d = a[0].ArrayValue();
    const int32_t dim = a.Has(1) ? a[1].ToLong() : 1;
    if (dim < 1 || static_cast<size_t>(dim) > d.Dimensions()) VbFail(EVbError::kSubscriptOutOfRange);
    return Variant::Long(Upper ? d.upper[static_cast<size_t>(dim - 1)] : 0);
}

Variant Split(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    const std::string s = a[0].ToText();
    const std::string delim = a.Has(1) ? a[1].ToText() : " ";
    const int32_t limit = a.Has(2) ? a[2].ToLong() : -1;
    if (limit < -1) VbFail(EVbError::kInvalidCall);
    const bool text = TextCompare(a, 3);
    TArrayData d;
    if (!s.empty() && limit != 0) {
        const std::string hay = text ? Lower(s) : s;
        const std::string needle = text ? Lower(delim) : delim;
        size_t pos = 0;
        while (!needle.empty() && (limit == -1 || static_cast<int32_t>(d.items.size()) < limit - 1)) {
            const size_t at = hay.find(needle, pos);
            if (at == std::string::npos) break;
            a.rt.ChargeBytes(sizeof(Variant) + at - pos);
            d.items.push_back(Variant::String(std::string_view(s).substr(pos, at - pos)));
            pos = at + needle.size();
        }
        d.items.push_back(Variant::String(std::string_view(s).substr(pos)));
    }
    d.upper.push_back(static_cast<int32_t>(d.items.size()) - 1);
    return Variant::Array(std::move(d));
}

Variant Join(const TBuiltinArgs& a) {
    if (!a[0].IsArray()) VbFail(EVbError::kTypeMismatch);
    const TArrayData& d = a[0].ArrayValue();
    if (d.Dimensions() != 1) VbFail(EVbError::kSubscriptOutOfRange);
    const std::string delim = a.Has(1) ? a[1].ToText() : " ";
    std::string out;
    for (size_t i = 0; i < d.items.size(); ++i) {
        const size_t before = out.size();
        if (i) out += delim;
        if (!d.items[i].IsNull()) out += d.items[i].ToText();
        a.rt.ChargeBytes(out.size() - before);
        if (out.size() > TRuntime::kMaxValueBytes) VbFail(EVbError::kOutOfMemory);
    }
    return Variant::String(out);
}

// ----- formatting -----

// Tristate arguments: -1 True, 0 False, -2 (or missing) the default.
bool Tristate(const TBuiltinArgs& a, size_t i, bool def) {
    if (!a.Has(i) || a[i].IsEmpty()) return def;
    const int32_t v = a[i].ToLong();
    return v == -2 ? def : v != 0;
}

// FormatNumber(value [, decimals [, leading digit [, parentheses [, grouping]]]]) with "." as
// decimal point and "," between thousands.
Variant FormatNumber(const TBuiltinArgs& a) {
    if (a[0].IsNull()) return Variant::Null();
    const double x = a[0].ToDouble();
    int32_t decimals = a.Has(1) && !a[1].IsEmpty() ? a[1].ToLong() : -1;
    if (decimals == -1) decimals = 2;
    if (decimals < 0 || decimals > 99) VbFail(EVbError::kInvalidCall);
    const bool leading = Tristate(a, 2, true), parens = Tristate(a, 3, false), group = Tristate(a, 4, true);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(decimals), std::fabs(x));
    std::string digits(buf);
    const size_t point = digits.find('.');
    std::string intPart = digits.substr(0, point);
    const std::string frac = point == std::string::npos ? "" : digits.substr(point);
    if (group) {
        std::string grouped;
        for (size_t i = 0; i < intPart.size(); ++i) {
            if (i > 0 && (intPart.size() - i) % 3 == 0) grouped.push_back(',');
            grouped.push_back(intPart[i]);
        }
        intPart = std::move(grouped);
    }
    if (!leading && intPart == "0" && !frac.empty()) intPart.clear();
    std::string out = intPart + frac;
    const bool negative = x < 0 && out.find_first_not_of("0.,") != std::string::npos;
    if (negative && parens) {
        out.insert(out.begin(), '(');
        out.push_back(')');
    } else if (negative) {
        out.insert(out.begin(), '-');
    }
    return Variant::String(out);
}

}  // namespace

const TBuiltin kTextBuiltins[] = {
    {"array", 0, 65535, ArrayFn},
    {"asc", 1, 1, Asc},
    {"ascw", 1, 1, Asc},
    {"chr", 1, 1, Chr<255>},
    {"chrw", 1, 1, Chr<65535>},
    {"formatnumber", 1, 5, FormatNumber},
    {"instr", 2, 4, InStr},
    {"instrrev", 2, 4, InStrRev},
    {"join", 1, 2, Join},
    {"lbound", 1, 2, Bound<false>},
    {"lcase", 1, 1, CaseFn<Lower>},
    {"left", 2, 2, Left},
    {"len", 1, 1, Len},
    {"ltrim", 1, 1, TrimFn<true, false>},
    {"mid", 2, 3, Mid},
    {"replace", 3, 6, Replace},
    {"right", 2, 2, Right},
    {"rtrim", 1, 1, TrimFn<false, true>},
    {"space", 1, 1, Space},
    {"split", 1, 4, Split},
    {"strcomp", 2, 3, StrComp},
    {"string", 2, 2, StringFn},
    {"strreverse", 1, 1, StrReverse},
    {"trim", 1, 1, TrimFn<true, true>},
    {"ubound", 1, 2, Bound<true>},
    {"ucase", 1, 1, CaseFn<Upper>},
};
const size_t kTextBuiltinCount = std::size(kTextBuiltins);

}  // namespace kinemo
