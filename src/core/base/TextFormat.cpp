// Format directives over std::string; see the header for the rules.
#include "base/TextFormat.h"

#include "base/KinemoError.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdio>

namespace kinemo {

namespace {

// Decodes one UTF-8 code point at text[i], advancing i; invalid bytes count as one.
char32_t NextCodePoint(const std::string& text, size_t& i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : extra == 1 ? (c & 0x1F) : c;
    ++i;
    for (; extra > 0 && i < text.size(); --extra, ++i) {
        const unsigned char cc = static_cast<unsigned char>(text[i]);
        if ((cc & 0xC0) != 0x80) break;
        cp = (cp << 6) | (cc & 0x3F);
    }
    return cp;
}

bool IsWide(char32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
           (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
           (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

// The leading part of text that fits in maxColumns display columns.
std::string TruncateToWidth(const std::string& text, int maxColumns) {
    int used = 0;
    size_t i = 0;
    while (i < text.size()) {
        size_t next = i;
        const int w = IsWide(NextCodePoint(text, next)) ? 2 : 1;
        if (used + w > maxColumns) break;
        used += w;
        i = next;
    }
    return text.substr(0, i);
}

class Formatter {
public:
    Formatter(const std::string& format, const FormatArgs& args) : fmt_(format), args_(args.items) {}

    std::string Run() {
        std::string out;
        size_t i = 0;
        while (i < fmt_.size()) {
            if (fmt_[i] != '%') {
                out.push_back(fmt_[i++]);
                continue;
            }
            ++i;
            if (i < fmt_.size() && fmt_[i] == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            out += Directive(i);
        }
        return out;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        throw TKinemoError("Format '" + fmt_ + "': " + why);
    }

    int Number(size_t& i) {
        int n = 0;
        while (i < fmt_.size() && std::isdigit(static_cast<unsigned char>(fmt_[i])))
            n = n * 10 + (fmt_[i++] - '0');
        return n;
    }

    const FormatArg& Next() {
        if (next_ >= args_.size()) Fail("too few arguments");
        return args_[next_++];
    }

    int IntArg() {
        const FormatArg& a = Next();
        if (auto p = std::get_if<long long>(&a)) return static_cast<int>(*p);
        Fail("'*' needs an integer argument");
    }

    std::string Directive(size_t& i) {
        // Optional "index:" selects the argument explicitly.
        size_t save = i;
        int idx = Number(i);
        if (i < fmt_.size() && fmt_[i] == ':' && i > save) {
            next_ = static_cast<size_t>(idx);
            ++i;
        } else {
            i = save;
        }
        bool left = false;
        if (i < fmt_.size() && fmt_[i] == '-') left = true, ++i;
        int width = -1;
        if (i < fmt_.size() && fmt_[i] == '*') {
            width = IntArg();
            ++i;
            if (width < 0) left = true, width = -width;
        } else if (i < fmt_.size() && std::isdigit(static_cast<unsigned char>(fmt_[i]))) {
            width = Number(i);
        }
        int prec = -1;
        if (i < fmt_.size() && fmt_[i] == '.') {
            ++i;
            if (i < fmt_.size() && fmt_[i] == '*') {
                prec = IntArg();
                ++i;
            } else {
                prec = Number(i);
            }
        }
        if (i >= fmt_.size()) Fail("unfinished directive");
        const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(fmt_[i++])));
        std::string body = Convert(type, prec);
        return PadToWidth(body, width, !left);
    }

    double FloatArg(char type) {
        const FormatArg& a = Next();
        if (auto p = std::get_if<double>(&a)) return *p;
        if (auto p = std::get_if<long long>(&a)) return static_cast<double>(*p);
        Fail(std::string("'%") + type + "' needs a number");
    }

    std::string Convert(char type, int prec) {
        char buf[512];
        switch (type) {
        case 'd': {
            const FormatArg& a = Next();
            auto p = std::get_if<long long>(&a);
            if (!p) Fail("'%d' needs an integer");
            std::string digits = std::to_string(*p < 0 ? -(unsigned long long)*p : (unsigned long long)*p);
            if (prec > 0 && static_cast<int>(digits.size()) < prec)
                digits.insert(0, static_cast<size_t>(prec) - digits.size(), '0');
            return (*p < 0 ? "-" : "") + digits;
        }
        case 'x': {
            const FormatArg& a = Next();
            auto p = std::get_if<long long>(&a);
            if (!p) Fail("'%x' needs an integer");
            std::snprintf(buf, sizeof buf, "%0*llX", prec > 0 ? prec : 1, *p);
            return buf;
        }
        case 's': {
            const FormatArg& a = Next();
            std::string s;
            if (auto p = std::get_if<std::string>(&a)) s = *p;
            else if (auto q = std::get_if<long long>(&a)) s = std::to_string(*q);
            else s = FloatToText(std::get<double>(a));
            return prec >= 0 ? TruncateToWidth(s, prec) : s;
        }
        case 'f':
        case 'n': {
            const double v = FloatArg(type);
            if (!std::isfinite(v)) return FloatToText(v);
            std::snprintf(buf, sizeof buf, "%.*f", prec >= 0 ? std::min(prec, 18) : 2, v);
            return buf;
        }
        case 'e': {
            const double v = FloatArg(type);
            std::snprintf(buf, sizeof buf, "%.*E", prec >= 0 ? std::max(prec - 1, 0) : 14, v);
            return buf;
        }
        case 'g': {
            const double v = FloatArg(type);
            return prec > 0 ? FloatToText(v, prec) : FloatToText(v);
        }
        default:
            Fail(std::string("unknown directive '%") + type + "'");
        }
    }

    const std::string& fmt_;
    const std::vector<FormatArg>& args_;
    size_t next_ = 0;
};

}  // namespace

std::string FormatText(const std::string& format, const FormatArgs& args) {
    return Formatter(format, args).Run();
}

int DisplayWidth(const std::string& text) {
    int w = 0;
    for (size_t i = 0; i < text.size();) w += IsWide(NextCodePoint(text, i)) ? 2 : 1;
    return w;
}

std::string PadToWidth(const std::string& text, int width, bool alignRight) {
    const int w = DisplayWidth(text);
    if (width <= w) return text;
    std::string pad(static_cast<size_t>(width - w), ' ');
    return alignRight ? pad + text : text + pad;
}

bool CsvFormulaLike(std::string_view text) {
    if (text.empty() || (text[0] != '=' && text[0] != '+' && text[0] != '-' && text[0] != '@')) return false;
    if (text.find_first_not_of('-') == std::string_view::npos) return false;  // a dash for "none"
    // A number as the reports write it: sign, digits with thousands commas, decimals,
    // exponent, percent.
    size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const auto digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    size_t digits = 0;
    while (digit(i) || (i < text.size() && text[i] == ',' && digits > 0 && digit(i + 1))) {
        if (text[i] != ',') ++digits;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digit(i)) ++i, ++digits;
    }
    if (digits == 0) return true;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (!digit(k)) return true;
        while (digit(k)) ++k;
        i = k;
    }
    if (i < text.size() && text[i] == '%') ++i;
    return i != text.size();
}

std::string CsvField(const std::string& text) {
    const bool formula = CsvFormulaLike(text);
    if (!formula && text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out;
    if (formula) out += kCsvTextMark;
    out += text;
    if (out.find_first_of(",\"\r\n") == std::string::npos) return out;
    std::string quoted = "\"";
    for (char c : out) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace kinemo
