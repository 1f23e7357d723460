// The VBScript lexer: comments, line continuation, literals, keywords.
#include "formula/Lexer.h"

#include "formula/FormulaError.h"
#include "formula/NumberLiteral.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace kinemo {

namespace {

struct TKeyword {
    std::string_view name;
    EKw kw;
};

// Sorted for binary search.
constexpr TKeyword kKeywords[] = {
    {"and", EKw::kAnd}, {"byref", EKw::kByRef}, {"byval", EKw::kByVal}, {"call", EKw::kCall},
    {"case", EKw::kCase}, {"class", EKw::kClass}, {"const", EKw::kConst}, {"dim", EKw::kDim},
    {"do", EKw::kDo}, {"each", EKw::kEach}, {"else", EKw::kElse}, {"elseif", EKw::kElseIf},
    {"empty", EKw::kEmpty}, {"end", EKw::kEnd}, {"eqv", EKw::kEqv}, {"erase", EKw::kErase},
    {"exit", EKw::kExit}, {"false", EKw::kFalse}, {"for", EKw::kFor}, {"function", EKw::kFunction},
    {"if", EKw::kIf}, {"imp", EKw::kImp}, {"in", EKw::kIn}, {"is", EKw::kIs}, {"let", EKw::kLet},
    {"loop", EKw::kLoop}, {"mod", EKw::kMod}, {"next", EKw::kNext}, {"not", EKw::kNot},
    {"nothing", EKw::kNothing}, {"null", EKw::kNull}, {"on", EKw::kOn}, {"option", EKw::kOption},
    {"or", EKw::kOr}, {"private", EKw::kPrivate}, {"property", EKw::kProperty},
    {"public", EKw::kPublic}, {"redim", EKw::kReDim}, {"rem", EKw::kRem}, {"select", EKw::kSelect},
    {"set", EKw::kSet}, {"sub", EKw::kSub}, {"then", EKw::kThen}, {"to", EKw::kTo},
    {"true", EKw::kTrue}, {"until", EKw::kUntil}, {"wend", EKw::kWend}, {"while", EKw::kWhile},
    {"with", EKw::kWith}, {"xor", EKw::kXor},
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

class TLexer {
public:
    explicit TLexer(std::string_view text) : t_(text) {}

    std::vector<TToken> Run() {
        std::vector<TToken> out;
        out.reserve(t_.size() / 3 + 4);
        while (p_ < t_.size()) {
            const char c = t_[p_];
            if (c == ' ' || c == '\t' || c == '\f' || c == '\v') { ++p_; continue; }
            if (c == '\r' || c == '\n') { NewLine(out); continue; }
            if (c == '\'') { SkipComment(); continue; }
            if (c == '_' && ContinuationAhead()) continue;
            TToken tok;
            tok.line = line_;
            const size_t start = p_;
            if (IsLetter(c)) {
                LexName(tok);
                if (tok.keyword == EKw::kRem) { SkipComment(); continue; }
            } else if (c == '[') {
                LexBracketName(tok);
            } else if (IsDigit(c) || (c == '.' && p_ + 1 < t_.size() && IsDigit(t_[p_ + 1]))) {
                LexNumber(tok);
            } else if (c == '&' && p_ + 1 < t_.size() && (t_[p_ + 1] == 'h' || t_[p_ + 1] == 'H' ||
                                                         t_[p_ + 1] == 'o' || t_[p_ + 1] == 'O' ||
                                                         IsDigit(t_[p_ + 1]))) {
                LexRadix(tok);
            } else if (c == '"') {
                LexString(tok);
            } else {
                LexOperator(tok);
            }
            tok.text = t_.substr(start, p_ - start);
            out.push_back(std::move(tok));
        }
        // The text's end belongs to its last line that has tokens: errors there show that line.
        TToken end;
        end.kind = ETok::kNewLine;
        end.line = out.empty() ? 1 : out.back().line;
        out.push_back(end);
        end.kind = ETok::kEnd;
        out.push_back(end);
        return out;
    }

private:
    void NewLine(std::vector<TToken>& out) {
        if (t_[p_] == '\r' && p_ + 1 < t_.size() && t_[p_ + 1] == '\n') ++p_;
        ++p_;
        TToken tok;
        tok.kind = ETok::kNewLine;
        tok.line = line_;
        out.push_back(tok);
        ++line_;
    }

    void SkipComment() {
        while (p_ < t_.size() && t_[p_] != '\r' && t_[p_] != '\n') ++p_;
    }

    // "_" followed by blanks and a line end joins the next line to this one.
    bool ContinuationAhead() {
        size_t q = p_ + 1;
        while (q < t_.size() && (t_[q] == ' ' || t_[q] == '\t')) ++q;
        if (q < t_.size() && t_[q] != '\r' && t_[q] != '\n') return false;
        if (q < t_.size() && t_[q] == '\r' && q + 1 < t_.size() && t_[q + 1] == '\n') ++q;
        p_ = q < t_.size() ? q + 1 : q;
        ++line_;
        return true;
    }

    void LexName(TToken& tok) {
        const size_t start = p_;
        while (p_ < t_.size() && IsNameChar(t_[p_])) ++p_;
        tok.kind = ETok::kName;
        tok.keyword = FindKeyword(t_.substr(start, p_ - start));
    }

    void LexBracketName(TToken& tok) {
        size_t close = t_.find(']', p_);
        size_t eol = t_.find_first_of("\r\n", p_);
        if (close == std::string_view::npos || close > eol) Fail(EVbError::kExpectedIdentifier, "");
        p_ = close + 1;
        tok.kind = ETok::kName;
    }

    void LexNumber(TToken& tok) {
        const size_t start = p_;
        const bool isFloat = ScanNumberLiteral(t_, p_);
        if (p_ < t_.size() && (IsLetter(t_[p_]) || t_[p_] == '_')) Fail(EVbError::kExpectedEndOfStatement, "");
        tok.kind = ETok::kNumber;
        const char* b = t_.data() + start;
        const char* e = t_.data() + p_;
        if (!isFloat) {
            int64_t n = 0;
            auto r = std::from_chars(b, e, n);
            if (r.ec == std::errc() && r.ptr == e) {
                tok.value = Variant::FromInt64(n);
                return;
            }
        }
        double d = 0;
        if (!DecimalValue(b, e, d)) Fail(EVbError::kOverflow, "");
        tok.value = Variant::Double(d);
    }

    // &Hxxxx and &Oxxx (and &nnn, octal): 16-bit values are Integer, up to 32 bits Long;
    // a trailing '&' asks for Long.
    void LexRadix(TToken& tok) {
        ++p_;
        int base = 8;
        if (t_[p_] == 'h' || t_[p_] == 'H') base = 16, ++p_;
        else if (t_[p_] == 'o' || t_[p_] == 'O') ++p_;
        const size_t start = p_;
        while (p_ < t_.size() && (base == 16 ? std::isxdigit(static_cast<unsigned char>(t_[p_])) != 0
                                             : (t_[p_] >= '0' && t_[p_] <= '7')))
            ++p_;
        uint64_t v = 0;
        if (p_ == start || p_ - start > 11) Fail(EVbError::kSyntax, "");
        std::from_chars(t_.data() + start, t_.data() + p_, v, base);
        if (v > 0xFFFFFFFFull) Fail(EVbError::kOverflow, "");
        bool asLong = p_ < t_.size() && t_[p_] == '&';
        if (asLong) ++p_;
        tok.kind = ETok::kNumber;
        if (!asLong && v <= 0xFFFF) tok.value = Variant::Integer(static_cast<int16_t>(v));
        else if (asLong && v <= 0x7FFFFFFF) tok.value = Variant::Long(static_cast<int32_t>(v));
        else tok.value = Variant::Long(static_cast<int32_t>(static_cast<uint32_t>(v)));
    }

    void LexString(TToken& tok) {
        ++p_;
        std::string s;
        for (;;) {
            if (p_ >= t_.size() || t_[p_] == '\r' || t_[p_] == '\n') Fail(EVbError::kUnterminatedString, "");
            if (t_[p_] == '"') {
                if (p_ + 1 < t_.size() && t_[p_ + 1] == '"') {
                    s.push_back('"');
                    p_ += 2;
                    continue;
                }
                ++p_;
                break;
            }
            s.push_back(t_[p_++]);
        }
        tok.kind = ETok::kString;
        tok.value = Variant::String(s);
    }

    void LexOperator(TToken& tok) {
        const char c = t_[p_++];
        const char n = p_ < t_.size() ? t_[p_] : '\0';
        switch (c) {
            case '(': tok.kind = ETok::kLParen; return;
            case ')': tok.kind = ETok::kRParen; return;
            case ',': tok.kind = ETok::kComma; return;
            case '.': tok.kind = ETok::kDot; return;
            case ':': tok.kind = ETok::kColon; return;
            case '+': tok.kind = ETok::kPlus; return;
            case '-': tok.kind = ETok::kMinus; return;
            case '*': tok.kind = ETok::kStar; return;
            case '/': tok.kind = ETok::kSlash; return;
            case '\\': tok.kind = ETok::kBackslash; return;
            case '^': tok.kind = ETok::kCaret; return;
            case '&': tok.kind = ETok::kAmp; return;
            case '=': tok.kind = ETok::kEq; return;
            case '<':
                if (n == '>') { ++p_; tok.kind = ETok::kNe; return; }
                if (n == '=') { ++p_; tok.kind = ETok::kLe; return; }
                tok.kind = ETok::kLt;
                return;
            case '>':
                if (n == '=') { ++p_; tok.kind = ETok::kGe; return; }
                tok.kind = ETok::kGt;
                return;
            default: break;
        }
        --p_;
        Fail(EVbError::kInvalidCharacter, "");
    }

    [[noreturn]] void Fail(EVbError code, std::string detail) {
        const size_t at = std::min(p_, t_.size());
        size_t b = at, e = at;
        while (b > 0 && t_[b - 1] != '\n' && t_[b - 1] != '\r') --b;
        while (e < t_.size() && t_[e] != '\n' && t_[e] != '\r') ++e;
        throw TFormulaError(code, std::move(detail), line_, std::string(t_.substr(b, e - b)));
    }

    std::string_view t_;
    size_t p_ = 0;
    int line_ = 1;
};

}  // namespace

EKw FindKeyword(std::string_view word) {
    if (word.size() < 2 || word.size() > 8) return EKw::kNone;
    char buf[8];
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        buf[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    std::string_view lower(buf, word.size());
    size_t lo = 0, hi = std::size(kKeywords);
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        int c = kKeywords[mid].name.compare(lower);
        if (c == 0) return kKeywords[mid].kw;
        if (c < 0) lo = mid + 1;
        else hi = mid;
    }
    return EKw::kNone;
}

std::vector<TToken> Lex(std::string_view text) { return TLexer(text).Run(); }

void LowerName(std::string_view name, std::string& out) {
    if (!name.empty() && name.front() == '[') name = name.substr(1, name.size() - 2);
    out.resize(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        out[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
}

bool ScanNumberLiteral(std::string_view t, size_t& p) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    bool isFloat = false;
    while (p < t.size() && digit(t[p])) ++p;
    if (p < t.size() && t[p] == '.') {
        isFloat = true;
        ++p;
        while (p < t.size() && digit(t[p])) ++p;
    }
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        size_t q = p + 1;
        if (q < t.size() && (t[q] == '+' || t[q] == '-')) ++q;
        if (q < t.size() && digit(t[q])) {
            isFloat = true;
            p = q;
            while (p < t.size() && digit(t[p])) ++p;
        }
    }
    return isFloat;
}

}  // namespace kinemo
