// The error every formula failure raises: VBScript's error number and description, and where it happened.
#pragma once

#include "base/KinemoError.h"

#include <string>
#include <string_view>

namespace kinemo {

// VBScript's own error numbers; the description of each is VBScript's text (FormulaError.cpp).
enum class EVbError : int {
    kNone = 0,
    kInvalidCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kArrayFixed = 10,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kOutOfStack = 28,
    kPermissionDenied = 70,
    kInvalidUseOfNull = 94,
    kObjectRequired = 424,
    kNoSuchMember = 438,
    kWrongArgCount = 450,
    kNotACollection = 451,
    kVariableUndefined = 500,
    kIllegalAssignment = 501,
    // Compile errors.
    kSyntax = 1002,
    kExpectedLParen = 1005,
    kExpectedRParen = 1006,
    kExpectedIdentifier = 1010,
    kExpectedEquals = 1011,
    kExpectedIf = 1012,
    kExpectedTo = 1013,
    kExpectedEnd = 1014,
    kExpectedFunction = 1015,
    kExpectedSub = 1016,
    kExpectedThen = 1017,
    kExpectedWend = 1018,
    kExpectedLoop = 1019,
    kExpectedNext = 1020,
    kExpectedCase = 1021,
    kExpectedSelect = 1022,
    kExpectedExpression = 1023,
    kExpectedStatement = 1024,
    kExpectedEndOfStatement = 1025,
    kExpectedIntegerConstant = 1026,
    kExpectedWhileUntil = 1027,
    kExpectedWhileUntilEnd = 1028,
    kInvalidCharacter = 1032,
    kUnterminatedString = 1033,
    kLoopWithoutDo = 1038,
    kInvalidExit = 1039,
    kInvalidForVariable = 1040,
    kNameRedefined = 1041,
    kMustBeFirstStatement = 1042,
    kParenthesesInSubCall = 1044,
    kExpectedLiteral = 1045,
    kExpectedIn = 1046,
    kUnexpectedNext = 1055,
    // Not VBScript's: the engine's own guard against runaway formulas; never trappable.
    kStepLimit = 30000,
    // Likewise: a run that took longer than its wall-clock limit.
    kTimeLimit = 30001,
};

// VBScript's description of an error number ("Division by zero").
const char* VbErrorDescription(EVbError code);

class TFormulaError : public TKinemoError {
public:
    // line 0 means "not located yet": the statement that was running adds its line.
    TFormulaError(EVbError code, std::string detail, int line = 0, std::string lineText = {});
    // An error raised by the script itself (Err.Raise) with its own description.
    TFormulaError(int number, std::string description, std::string detail);

    int Number() const { return number_; }
    EVbError Code() const { return static_cast<EVbError>(number_); }
    const std::string& Description() const { return description_; }
    // Extra words: the name involved ("'foo'") or what the parser expected.
    const std::string& Detail() const { return detail_; }
    int Line() const { return line_; }
    const std::string& LineText() const { return lineText_; }
    // The source an Err.Raise named (its second argument); empty otherwise.
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }
    // Description and detail, without the place: "Type mismatch: 'foo'".
    std::string Message() const;
    bool Located() const { return line_ > 0; }
    void Locate(int line, std::string lineText);
    // On Error Resume Next may swallow it (the step and time limits it may not).
    bool Trappable() const { return Code() != EVbError::kStepLimit && Code() != EVbError::kTimeLimit; }

    // The catalog key of the formula that was running ("m_drive_pattern MotorAdjudication"),
    // named by the caller that knows it; the innermost caller's name stays. The message
    // then reads as the catalog's "formula stopped" text with the key and the place.
    const std::string& FormulaKey() const { return formulaKey_; }
    void NameFormula(std::string key);
    // The catalog's text for a named formula ("%s" the key, "%s" the message); until a
    // catalog sets it the key and the message are joined by ": ".
    static void SetNamedFormulaFormat(std::string format);

private:
    void Rebuild();

    int number_;
    std::string description_;
    std::string detail_;
    int line_ = 0;
    std::string lineText_;
    std::string source_;
    std::string formulaKey_;
};

// The key function of a drive pattern or judgement formula: its row of m_drive_pattern.
inline auto DrivePatternKey(std::string_view name) {
    return [name] { return "m_drive_pattern \"" + std::string(name) + "\""; };
}

// Runs fn and returns what it returns. A run stopped by its step or time limit leaves with
// the formula's catalog key in its message; key() is called only then, so the callers'
// hot paths build no text.
template <typename KeyFn, typename Fn>
decltype(auto) RunNamedFormula(KeyFn&& key, Fn&& fn) {
    try {
        return fn();
    } catch (TFormulaError& e) {
        if (!e.Trappable()) e.NameFormula(key());
        throw;
    }
}

// Raises the runtime error code, with detail words when given.
[[noreturn]] void VbFail(EVbError code, std::string detail = {});
// Raises the runtime error code naming the identifier involved: "Type mismatch: 'foo'".
[[noreturn]] void VbFailName(EVbError code, std::string_view name);

}  // namespace kinemo
