// Every failure a catalog author can meet says, in VBScript's words, what went wrong and on which line.
#include "formula/FormulaEngine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kinemo::TFormulaEngine;
using kinemo::TFormulaError;

struct TErrorCase {
    const char* name;
    const char* text;
    int line;
    const char* message;  // TFormulaError::Message(), in full
};

void PrintTo(const TErrorCase& c, std::ostream* os) { *os << c.name; }

class FormulaError : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(FormulaError, NamesTheFaultAndItsLine) {
    const TErrorCase& c = GetParam();
    TFormulaEngine engine;
    try {
        engine.ExecuteStatement(c.text);
        FAIL() << "no error raised";
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Line(), c.line) << e.what();
        EXPECT_EQ(e.Message(), c.message);
        // The readable form carries the place and the failing line's own text.
        EXPECT_EQ(std::string(e.what()), "line " + std::to_string(c.line) + ": " + c.message + ": " + e.LineText());
        EXPECT_FALSE(e.LineText().empty());
    }
}

const TErrorCase kSyntaxErrors[] = {
    {"MissingEndIf", "x = 1\nIf x Then\n  y = 2\n", 3, "Expected 'End'; 'End If' expected (to close 'If' at line 2)"},
    {"MissingNext", "For i = 1 To 3\n  x = i\n", 2, "Expected 'Next'; 'Next' expected (to close 'For' at line 1)"},
    {"MissingLoop", "Do While x < 3\n  x = x + 1\n", 2, "Expected 'Loop'; 'Loop' expected (to close 'Do' at line 1)"},
    {"MissingWend", "While x < 3\n  x = x + 1\n", 2, "Expected 'Wend'; 'Wend' expected (to close 'While' at line 1)"},
    {"MissingEndSelect", "Select Case x\n  Case 1: y = 1\n", 2, "Expected 'End'; 'End Select' expected (to close 'Select' at line 1)"},
    {"MissingEndFunction", "Function F()\n  F = 1\n", 2, "Expected 'End'; 'End Function' expected (to close 'Function' at line 1)"},
    {"WrongBlockEnd", "If x Then\n  y = 1\nNext\n", 3, "Expected 'End'; 'End If' expected (to close 'If' at line 1)"},
    {"MissingThen", "If x y = 1 End If", 1, "Expected 'Then'; near 'y'"},
    {"StrayNext", "x = 1\nNext", 2, "Unexpected 'Next'; near 'Next'"},
    {"LoopWithoutDo", "Loop", 1, "'loop' without 'do'; near 'Loop'"},
    {"UnterminatedString", "x = 1\ns = \"abc", 2, "Unterminated string constant"},
    {"InvalidCharacter", "x = 1 $ 2", 1, "Invalid character"},
    {"ExitOutsideLoop", "x = 1\nExit For", 2, "Invalid 'exit' statement"},
    {"MissingExpression", "x = ", 1, "Expected expression"},
    {"TwoExpressions", "x = 1 2", 1, "Expected end of statement; near '2'"},
    {"DimBoundNotConstant", "n = 3\nDim a(n)", 2, "Expected integer constant; near 'n'"},
    {"DimTwice", "Dim a\nDim a", 2, "Name redefined"},
    {"ParenthesesInSubCall", "Sub S(a, b)\nEnd Sub\nS(1, 2)", 3, "Cannot use parentheses when calling a Sub"},
    {"AssignToBuiltin", "x = 1\nLen = 3", 2, "Illegal assignment: 'Len'"},
    {"ConstNeedsLiteral", "Const K = 2 * x", 1, "Expected literal constant; near '*'"},
    {"LateOptionExplicit", "x = 1\nOption Explicit", 2, "Must be first statement on the line; 'Option Explicit' must come first"},
    {"ClassNotSupported", "Class C\nEnd Class", 1, "Syntax error; 'Class' is not supported in formulas"},
    {"OnErrorGoToLabel", "On Error GoTo Handler", 1, "Syntax error; only 'On Error Resume Next' and 'On Error GoTo 0' are supported"},
};
INSTANTIATE_TEST_SUITE_P(Syntax, FormulaError, ::testing::ValuesIn(kSyntaxErrors),
                         [](const auto& info) { return std::string(info.param.name); });

const TErrorCase kRuntimeErrors[] = {
    {"DivisionByZero", "x = 1\ny = x / 0", 2, "Division by zero"},
    {"ZeroByZero", "y = 0 / 0", 1, "Overflow"},
    {"IntegerDivisionByZero", "y = 5 \\ 0", 1, "Division by zero"},
    {"ModByZero", "y = 5 Mod 0", 1, "Division by zero"},
    {"TextInArithmetic", "x = \"abc\" * 2", 1, "Type mismatch"},
    {"UndefinedFunction", "x = 1\ny = Foo(1)", 2, "Type mismatch: 'Foo'"},
    {"UndefinedSub", "DoIt 1, 2", 1, "Type mismatch: 'DoIt'"},
    {"IndexBeyondBound", "Dim a(2)\na(3) = 1", 2, "Subscript out of range"},
    {"NegativeIndex", "Dim a(2)\nx = a(-1)", 2, "Subscript out of range"},
    {"WrongDimensionCount", "Dim a(2)\nx = a(1, 1)", 2, "Subscript out of range"},
    {"IndexingANumber", "x = 5\ny = x(1)", 2, "Type mismatch: 'x'"},
    {"WrongArgumentCount", "Function F(a)\nEnd Function\nx = F(1, 2)", 3,
     "Wrong number of arguments or invalid property assignment: 'F'"},
    {"BuiltinArgumentCount", "x = Left(\"a\")", 1, "Wrong number of arguments or invalid property assignment: 'left'"},
    {"SqrOfNegative", "x = Sqr(-1)", 1, "Invalid procedure call or argument"},
    {"MidFromZero", "x = Mid(\"abc\", 0)", 1, "Invalid procedure call or argument"},
    {"IntegerOverflow", "x = CInt(40000)", 1, "Overflow"},
    {"DoubleOverflow", "x = 1E308 * 10", 1, "Overflow"},
    {"NullToText", "x = CStr(Null)", 1, "Invalid use of Null"},
    {"AssignToConst", "Const K = 1\nK = 2", 2, "Illegal assignment: 'K'"},
    {"ReDimFixedArray", "Dim a(2)\nReDim a(3)", 2, "This array is fixed or temporarily locked"},
    {"ReDimPreserveFirstDimension", "ReDim a(1, 1)\nReDim Preserve a(2, 1)", 2, "Subscript out of range"},
    {"SetNeedsObject", "Set x = 5", 1, "Object required"},
    {"ObjectCreationDenied", "x = CreateObject(\"Scripting.FileSystemObject\")", 1, "Permission denied; not available in formulas"},
    {"RaisedByScript", "x = 1\nErr.Raise 1000, \"catalog\", \"Custom failure\"", 2, "Custom failure"},
    {"ForEachOverNumber", "For Each v In 5\nNext", 1, "Object not a collection"},
    {"EndlessRecursion", "Function F(n)\n  F = F(n + 1)\nEnd Function\nx = F(1)", 2, "Out of stack space"},
    {"UndefinedWithOptionExplicit", "Option Explicit\nDim a\na = b", 3, "Variable is undefined: 'b'"},
    {"MemberOfNumber", "x = 5\ny = x.Value", 2, "Object required: 'value'"},
};
INSTANTIATE_TEST_SUITE_P(Runtime, FormulaError, ::testing::ValuesIn(kRuntimeErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormulaErrorText, ReadsAsLineDescriptionAndText) {
    TFormulaEngine engine;
    try {
        engine.ExecuteStatement("a = 1\r\nb = 2\r\nx = 1 / 0");
        FAIL();
    } catch (const TFormulaError& e) {
        EXPECT_STREQ(e.what(), "line 3: Division by zero: x = 1 / 0");
        EXPECT_EQ(e.Description(), "Division by zero");
        EXPECT_EQ(e.Number(), 11);
        EXPECT_EQ(e.LineText(), "x = 1 / 0");
    }
}

// Nesting beyond what any formula needs is refused before it can exhaust the stack.
TEST(FormulaErrorText, DeepNestingIsRefused) {
    TFormulaEngine engine;
    const std::string deep = "x = " + std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_THROW(engine.ExecuteStatement(deep), TFormulaError);
    std::string chain = "x = 1";
    for (int i = 0; i < 5000; ++i) chain += " + 1";
    EXPECT_THROW(engine.ExecuteStatement(chain), TFormulaError);
    std::string ifs;
    for (int i = 0; i < 500; ++i) ifs += "If 1 Then\n";
    EXPECT_THROW(engine.ExecuteStatement(ifs), TFormulaError);
}

TEST(FormulaErrorText, IsAKinemoError) {
    TFormulaEngine engine;
    EXPECT_THROW(engine.ExecuteStatement("x = 1 / 0"), kinemo::TKinemoError);
}

}  // namespace
