// Number text: the float-to-text rule of formulas and project files, reading numbers from texts, Round12.
#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace kinemo {

namespace {

// Splits |value| into its significant digits (trailing zeros dropped) and the decimal
// exponent of the first digit (value = 0.d1d2... x 10^(exp10+1)). mantissa holds at least
// 18 characters; returns how many digits it got.
size_t SignificantDigits(double value, int digits, char* mantissa, int& exp10) {
    // to_chars rounds exactly like printf's "%.*e" and is many times faster; every number
    // handed to a formula passes through here. The shortest text that reads back as the
    // value is tried first: when it has no more digits than asked for, it is also the
    // nearest text of that many digits (a double's error is far below half a digit of
    // the fifteenth place), so it is the answer.
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    {
        const char* e = std::find(buf, result.ptr, 'e');
        const int shortest = static_cast<int>(e - buf) - (e - buf > 1 ? 1 : 0);
        if (shortest > digits)
            result = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, digits - 1);
    }
    const char* e = std::find(buf, result.ptr, 'e');
    size_t n = 0;
    for (const char* p = buf; p != e; ++p)
        if (*p != '.') mantissa[n++] = *p;
    exp10 = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), result.ptr, exp10);
    while (n > 1 && mantissa[n - 1] == '0') --n;
    return n;
}

}  // namespace

std::string FloatToText(double value, int significantDigits) {
    if (value == 0 || std::isnan(value) || std::isinf(value)) {
        if (std::isnan(value)) return "NaN";
        if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
        return "0";
    }
    significantDigits = std::clamp(significantDigits, 1, 17);
    // Built in place: hand-over texts format hundreds of numbers per motor.
    char digits[32];
    int exp10 = 0;
    const size_t count = SignificantDigits(value, significantDigits, digits, exp10);
    const int E = exp10 + 1;
    char out[64];
    char* o = out;
    if (value < 0) *o++ = '-';
    if (E >= -3 && E <= 15) {
        if (E <= 0) {
            *o++ = '0';
            *o++ = '.';
            o = std::fill_n(o, -E, '0');
            o = std::copy_n(digits, count, o);
        } else {
            const size_t whole = static_cast<size_t>(E);
            const size_t intDigits = std::min(count, whole);
            o = std::copy_n(digits, intDigits, o);
            o = std::fill_n(o, whole - intDigits, '0');
            if (count > whole) {
                *o++ = '.';
                o = std::copy_n(digits + whole, count - whole, o);
            }
        }
    } else {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = '.';
            o = std::copy_n(digits + 1, count - 1, o);
        }
        *o++ = 'E';
        if (exp10 < 0) *o++ = '-';
        o = std::to_chars(o, out + sizeof out, std::abs(exp10)).ptr;
    }
    return std::string(out, o);
}

std::string FloatToText(double value) { return FloatToText(value, 15); }

namespace {

// "d.ddd" with `digits` significant digits, "E", the exponent: the float-to-text rule's
// scientific form, for values whose fixed form is too wide.
std::string ScientificText(double value, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", digits - 1, value);
    std::string s(buf);
    const size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    const int exponent = std::atoi(s.c_str() + e + 1);
    return mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::string FitNumberText(const std::string& text, size_t width) {
    double value = 0;
    if (text.size() <= width || !TryTextToFloat(text, value)) return text;
    const size_t point = text.find('.');
    if (text.find_first_of("eE") == std::string::npos && point != std::string::npos && point + 1 < width)
        return text.substr(0, width);
    for (int digits = 15; digits >= 1; --digits) {
        std::string s = FloatToText(value, digits);
        if (s.size() <= width) return s;
    }
    for (int digits = 15; digits >= 1; --digits) {
        std::string s = ScientificText(value, digits);
        if (s.size() <= width) return s;
    }
    return text;
}

namespace {

// The decimal exponent of the first significant digit of a checked plain number text, for
// telling an underflow from an overflow.
long long LeadingExponent(const std::string& t, size_t mantissaEnd, long long exponent) {
    long long position = 0;  // digits before the point, leading zeros not counted
    bool significant = false, point = false;
    long long zerosAfterPoint = 0;
    for (size_t i = 0; i < mantissaEnd; ++i) {
        const char c = t[i];
        if (c == '.') {
            point = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            if (c != '0') significant = true;
            if (!point && significant) ++position;
            if (point && !significant && position == 0) ++zerosAfterPoint;
            if (significant && point) break;
        }
    }
    return (position > 0 ? position - 1 : -(zerosAfterPoint + 1)) + exponent;
}

}  // namespace

bool TryTextToFloat(const std::string& text, double& value) {
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos) return false;
    std::string t = text.substr(b, e - b + 1);
    // Only plain decimal numbers: hex, "inf" and "nan" are no numbers to a user.
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    const size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool negative = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t expDigits = 0;
        for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i, ++expDigits)
            exponent = std::min(exponent * 10 + (t[i] - '0'), 1000000000LL);
        if (expDigits == 0) return false;
        if (negative) exponent = -exponent;
    }
    if (i != t.size()) return false;
    // from_chars reads "." whatever the C locale says: the desktop runs under the user's
    // locale, where strtod would stop at the point of "12.5" in a comma locale.
    const char* first = t.c_str() + (t[0] == '+' ? 1 : 0);
    double x = 0;
    const auto [end, ec] = std::from_chars(first, t.c_str() + t.size(), x);
    if (ec == std::errc::result_out_of_range) {
        if (LeadingExponent(t, mantissaEnd, exponent) >= 0) return false;  // beyond the largest double
        x = t[0] == '-' ? -0.0 : 0.0;                                     // below the smallest: 0, as strtod
    } else if (ec != std::errc() || end != t.c_str() + t.size()) {
        return false;
    }
    value = x;
    return std::isfinite(value);
}

bool TryTypedTextToFloat(const std::string& text, char decimalMark, double& value) {
    if (decimalMark != ',' || text.find('.') != std::string::npos) return TryTextToFloat(text, value);
    const size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) return TryTextToFloat(text, value);
    std::string t = text;
    t[comma] = '.';
    return TryTextToFloat(t, value);
}

bool TruncateToInteger(double x, long long& value) {
    // 2^63 is exact as a double; the range is [-2^63, 2^63).
    constexpr double kLimit = 9223372036854775808.0;
    if (!(x >= -kLimit && x < kLimit)) return false;  // NaN fails both
    value = static_cast<long long>(x);
    return true;
}

bool TruncateToInteger(double x, int& value) {
    if (!(x > static_cast<double>(std::numeric_limits<int>::min()) - 1.0 &&
          x < static_cast<double>(std::numeric_limits<int>::max()) + 1.0))
        return false;
    value = static_cast<int>(x);
    return true;
}

double Round12(double x) {
    const double scale = static_cast<double>(std::pow(10.0L, -12.0L));
    const double q = x / scale;
    if (!(std::fabs(q) < 9.2233720368547758e18)) return x;  // would overflow int64
    const long long n = std::llrint(q);  // default rounding mode: ties to even
    return static_cast<double>(n) * scale;
}

}  // namespace kinemo
