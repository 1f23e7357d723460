// VBScript's error descriptions and the readable message of a formula error.
#include "formula/FormulaError.h"

#include "base/TextFormat.h"

#include <memory>
#include <mutex>
#include <utility>

namespace kinemo {

const char* VbErrorDescription(EVbError code) {
    switch (code) {
        case EVbError::kNone: return "";
        case EVbError::kInvalidCall: return "Invalid procedure call or argument";
        case EVbError::kOverflow: return "Overflow";
        case EVbError::kOutOfMemory: return "Out of memory";
        case EVbError::kSubscriptOutOfRange: return "Subscript out of range";
        case EVbError::kArrayFixed: return "This array is fixed or temporarily locked";
        case EVbError::kDivisionByZero: return "Division by zero";
        case EVbError::kTypeMismatch: return "Type mismatch";
        case EVbError::kOutOfStack: return "Out of stack space";
        case EVbError::kPermissionDenied: return "Permission denied";
        case EVbError::kInvalidUseOfNull: return "Invalid use of Null";
        case EVbError::kObjectRequired: return "Object required";
        case EVbError::kNoSuchMember: return "Object doesn't support this property or method";
        case EVbError::kWrongArgCount: return "Wrong number of arguments or invalid property assignment";
        case EVbError::kNotACollection: return "Object not a collection";
        case EVbError::kVariableUndefined: return "Variable is undefined";
        case EVbError::kIllegalAssignment: return "Illegal assignment";
        case EVbError::kSyntax: return "Syntax error";
        case EVbError::kExpectedLParen: return "Expected '('";
        case EVbError::kExpectedRParen: return "Expected ')'";
        case EVbError::kExpectedIdentifier: return "Expected identifier";
        case EVbError::kExpectedEquals: return "Expected '='";
        case EVbError::kExpectedIf: return "Expected 'If'";
        case EVbError::kExpectedTo: return "Expected 'To'";
        case EVbError::kExpectedEnd: return "Expected 'End'";
        case EVbError::kExpectedFunction: return "Expected 'Function'";
        case EVbError::kExpectedSub: return "Expected 'Sub'";
        case EVbError::kExpectedThen: return "Expected 'Then'";
        case EVbError::kExpectedWend: return "Expected 'Wend'";
        case EVbError::kExpectedLoop: return "Expected 'Loop'";
        case EVbError::kExpectedNext: return "Expected 'Next'";
        case EVbError::kExpectedCase: return "Expected 'Case'";
        case EVbError::kExpectedSelect: return "Expected 'Select'";
        case EVbError::kExpectedExpression: return "Expected expression";
        case EVbError::kExpectedStatement: return "Expected statement";
        case EVbError::kExpectedEndOfStatement: return "Expected end of statement";
        case EVbError::kExpectedIntegerConstant: return "Expected integer constant";
        case EVbError::kExpectedWhileUntil: return "Expected 'While' or 'Until'";
        case EVbError::kExpectedWhileUntilEnd: return "Expected 'While', 'Until' or end of statement";
        case EVbError::kInvalidCharacter: return "Invalid character";
        case EVbError::kUnterminatedString: return "Unterminated string constant";
        case EVbError::kLoopWithoutDo: return "'loop' without 'do'";
        case EVbError::kInvalidExit: return "Invalid 'exit' statement";
        case EVbError::kInvalidForVariable: return "Invalid 'for' loop control variable";
        case EVbError::kNameRedefined: return "Name redefined";
        case EVbError::kMustBeFirstStatement: return "Must be first statement on the line";
        case EVbError::kParenthesesInSubCall: return "Cannot use parentheses when calling a Sub";
        case EVbError::kExpectedLiteral: return "Expected literal constant";
        case EVbError::kExpectedIn: return "Expected 'In'";
        case EVbError::kUnexpectedNext: return "Unexpected 'Next'";
        case EVbError::kStepLimit: return "Step limit exceeded";
        case EVbError::kTimeLimit: return "Time limit exceeded";
    }
    return "Unknown runtime error";
}

TFormulaError::TFormulaError(EVbError code, std::string detail, int line, std::string lineText)
    : TKinemoError(""),
      number_(static_cast<int>(code)),
      description_(VbErrorDescription(code)),
      detail_(std::move(detail)),
      line_(line),
      lineText_(std::move(lineText)) {
    Rebuild();
}

TFormulaError::TFormulaError(int number, std::string description, std::string detail)
    : TKinemoError(""), number_(number), description_(std::move(description)), detail_(std::move(detail)) {
    Rebuild();
}

std::string TFormulaError::Message() const {
    if (detail_.empty()) return description_;
    // A bare name follows VBScript's own form; longer notes follow a semicolon.
    const char* sep = detail_.front() == '\'' && detail_.find(' ') == std::string::npos ? ": " : "; ";
    return description_ + sep + detail_;
}

void TFormulaError::Locate(int line, std::string lineText) {
    line_ = line;
    lineText_ = std::move(lineText);
    Rebuild();
}

namespace {

// Read on the error path only, by any thread; set when a catalog is read.
std::mutex namedFormatLock;
std::string& NamedFormat() {
    static std::string format;
    return format;
}

}  // namespace

void TFormulaError::SetNamedFormulaFormat(std::string format) {
    const std::lock_guard<std::mutex> lock(namedFormatLock);
    NamedFormat() = std::move(format);
}

void TFormulaError::NameFormula(std::string key) {
    if (!formulaKey_.empty() || key.empty()) return;
    formulaKey_ = std::move(key);
    Rebuild();
}

void TFormulaError::Rebuild() {
    std::string text = Message();
    if (line_ > 0) text = "line " + std::to_string(line_) + ": " + text + ": " + lineText_;
    if (!formulaKey_.empty()) {
        std::string format;
        {
            const std::lock_guard<std::mutex> lock(namedFormatLock);
            format = NamedFormat();
        }
        text = format.empty() ? formulaKey_ + ": " + text : FormatText(format, {formulaKey_, text});
    }
    static_cast<std::runtime_error&>(*this) = std::runtime_error(text);
}

void VbFail(EVbError code, std::string detail) { throw TFormulaError(code, std::move(detail)); }

void VbFailName(EVbError code, std::string_view name) {
    throw TFormulaError(code, "'" + std::string(name) + "'");
}

}  // namespace kinemo
