// The lexer: turns a formula text into VBScript tokens (names, keywords, literals, operators, line ends).
#pragma once

#include "formula/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

enum class ETok : uint8_t {
    kEnd,          // end of text
    kNewLine,      // line end
    kColon,        // ':' (ends a statement, not the line)
    kName,         // identifier or keyword (see TToken::keyword)
    kNumber,       // numeric literal (TToken::value)
    kString,       // string literal (TToken::value)
    kLParen, kRParen, kComma, kDot,
    kPlus, kMinus, kStar, kSlash, kBackslash, kCaret, kAmp,
    kEq, kNe, kLt, kGt, kLe, kGe,
};

// Reserved words; a kName token that is not one has kNone.
enum class EKw : uint8_t {
    kNone, kAnd, kByRef, kByVal, kCall, kCase, kClass, kConst, kDim, kDo, kEach, kElse, kElseIf,
    kEmpty, kEnd, kEqv, kErase, kExit, kFalse, kFor, kFunction, kIf, kImp, kIn, kIs, kLet,
    kLoop, kMod, kNext, kNot, kNothing, kNull, kOn, kOption, kOr, kPrivate, kProperty, kPublic,
    kReDim, kRem, kSelect, kSet, kSub, kThen, kTo, kTrue, kUntil, kWend, kWhile, kWith, kXor,
};

struct TToken {
    ETok kind = ETok::kEnd;
    EKw keyword = EKw::kNone;
    int line = 1;
    std::string_view text;     // the token as written
    Variant value;             // literals
};

// Lexes the whole text; raises TFormulaError (located) for an unterminated string or a
// character outside the language.
std::vector<TToken> Lex(std::string_view text);

// The reserved word a name is (any case), or kNone.
EKw FindKeyword(std::string_view word);

// Moves p over the digits, fraction and exponent of a number literal starting at p; true
// when it has a fraction or an exponent (a Double), false for an integer literal.
bool ScanNumberLiteral(std::string_view text, size_t& p);

// Lower-cases an ASCII name into out (names are case-insensitive).
void LowerName(std::string_view name, std::string& out);

// LowerName's result for a lookup, on the stack for names of the usual lengths (a host
// reads and sets values by name many times per run; long names would allocate each time).
class TLoweredName {
public:
    explicit TLoweredName(std::string_view name) {
        if (!name.empty() && name.front() == '[') name = name.substr(1, name.size() - 2);
        if (name.size() > sizeof small_) {
            LowerName(name, large_);
            view_ = large_;
            return;
        }
        for (size_t i = 0; i < name.size(); ++i) {
            const char c = name[i];
            small_[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
        }
        view_ = std::string_view(small_, name.size());
    }
    TLoweredName(const TLoweredName&) = delete;
    TLoweredName& operator=(const TLoweredName&) = delete;
    std::string_view View() const { return view_; }

private:
    char small_[64];
    std::string large_;
    std::string_view view_;
};

}  // namespace kinemo
