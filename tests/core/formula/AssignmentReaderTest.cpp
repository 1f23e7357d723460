// The quick reader of constant-assignment texts against the general parser: on every text
// of the table, running what each builds leaves the same variables (values, subtypes, order
// of first assignment) and raises the same errors on the same lines; and the quick reader
// takes exactly the texts it should, leaving anything else to the general parser.
#include "formula/AssignmentReader.h"
#include "formula/FormulaError.h"
#include "formula/Parser.h"
#include "formula/Runtime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace kinemo;

using TParse = std::function<std::shared_ptr<const TProgram>(const std::string&)>;

std::string Describe(const Variant& v) {
    char buf[64];
    switch (v.GetType()) {
        case Variant::Type::Integer:
        case Variant::Type::Long:
            std::snprintf(buf, sizeof buf, "%d:%d", v.VarType(), v.IntValue());
            return buf;
        case Variant::Type::Double:
            std::snprintf(buf, sizeof buf, "%d:%a", v.VarType(), v.DoubleValue());  // exact bits, -0 too
            return buf;
        case Variant::Type::Array: {
            const TArrayData& d = v.ArrayValue();
            std::string s = "array(";
            for (int32_t u : d.upper) s += std::to_string(u) + ",";
            s += d.fixed ? "fixed)[" : ")[";
            for (const Variant& item : d.items) s += Describe(item) + " ";
            return s + "]";
        }
        default: return std::to_string(v.VarType()) + ":" + v.ToText();
    }
}

// Runs the texts one after another in one runtime; describes what is left, or the first error.
std::string Outcome(const std::vector<std::string>& texts, const TParse& parse) {
    TRuntime rt;
    std::string out;
    try {
        for (const std::string& text : texts) rt.Run(parse(text));
    } catch (const TFormulaError& e) {
        out = "error " + std::to_string(e.Number()) + " line " + std::to_string(e.Line()) + " [" + e.LineText() +
              "] " + e.Message() + "\n";
    }
    for (const TGlobalEntry* e : rt.AssignedInOrder())
        out += std::string(e->shown) + "=" + Describe(e->var.value) + "\n";
    return out;
}

struct TCase {
    std::vector<std::string> texts;
    bool quickForLast;  // whether the quick reader takes the last text
};

const TCase kCases[] = {
    // Literals typed as the lexer types them.
    {{"a=1\r\nb=40000\r\nc=1.5\r\nd=-0.00012\r\ne=1E-5\r\nf=3.5E20\r\ng=123"}, true},
    {{"X = -0\r\nY=-32768\r\nZ=-32769\r\nW=2147483648\r\nV=-2147483648\r\nU=99999999999999999999"}, true},
    {{"a=32767\r\nb=32768\r\nc=-32767\r\nd=2147483647\r\ne=-2147483647\r\nf=0.0\r\ng=-0.0"}, true},
    {{"a=1.\r\nb=1.E2\r\nc=1e+3\r\nd=007\r\ne=1.7976931348623157E308\r\nf=4.9E-324"}, true},
    {{"a=1E400"}, false},
    {{"x=1\r\na=-1E400"}, false},
    {{"a=1E-400"}, false},
    // Layout: blanks, comments, every kind of line end, empty lines.
    {{"'comment\r\n\r\n  A = 1 ' trailing\r\n\tB\t=\t- 2\r\n"}, true},
    {{"a=1\rb=2\nc=3\r\n\r\rd=4"}, true},
    {{"'定格回転数(msv_s_ratedspeed)\r\nMotorRatedSpeed=3000\r\n'伝達効率\r\nMotorGearEta=0.9"}, true},
    {{""}, true},
    {{"' only a comment"}, true},
    // Names are case-insensitive; the first spelling is the one shown.
    {{"Speed=1\r\nSPEED=2\r\nspeed=3"}, true},
    {{"b=1\r\na=2", "c=3\r\nB=4\r\nDim d(1)\r\nd(0)=1"}, true},
    // Arrays.
    {{"Dim T(2)\r\nT(0)=4\r\nT(2) = -1.5\r\nt(1) = 40000"}, true},
    {{"Dim T(2)\r\nT(1)=4\r\nT(3)=1"}, true},
    {{"x=1\r\nx(1)=2"}, true},
    {{"a(1)=2"}, true},
    {{"Dim M(2)", "M=5\r\nM(1)=2"}, true},
    {{"Dim T(2)\r\nDim T(3)"}, false},
    {{"Dim Q(2, 2)", "Q(1)=1"}, true},
    {{"Dim Q(2, 2)\r\nQ(1, 1)=1"}, false},
    {{"dim x(2)\r\nDIM y\r\ny=3\r\nx(0)=1"}, true},
    {{"Dim a()"}, false},
    {{"Dim b(-1)"}, false},
    {{"Dim b(1.5)"}, false},
    {{"Dim b(999999999)"}, true},
    {{"Dim b(9999999999)"}, false},
    {{"Dim a(3)\r\na(99999999999)=1"}, false},
    {{"Dim E(2)", "E(2)=1\r\nE(1)=0\r\nE(2)=3"}, true},
    // Names the language keeps for itself.
    {{"Sin=1"}, false},
    {{"a=1\r\nRnd=2"}, false},
    {{"vbCr=1"}, false},
    {{"Err=1"}, false},
    {{"Empty=1"}, false},
    {{"True=1"}, false},
    {{"Dim=1"}, false},
    {{"Rem=1\r\na=2"}, false},
    {{"Dim Sin(2)"}, false},
    {{"Abs(1)=2"}, false},
    {{"Function F()\r\nF=1\r\nEnd Function", "F=2"}, true},
    {{"Sub S()\r\nEnd Sub", "a=1\r\nS(1)=2"}, true},
    // Option Explicit belongs to its own text.
    {{"Option Explicit\r\nDim a\r\na=1"}, false},
    {{"Option Explicit\r\na=1"}, false},
    {{"Option Explicit\r\nDim x", "x=1\r\ny=2"}, true},
    {{"a=1\r\nOption Explicit"}, false},
    // Constants.
    {{"Const K=1", "K=2"}, true},
    {{"Const K=1\r\nConst K=2"}, false},
    {{"a=1\r\nConst K=1\r\nK=2"}, false},
    {{"Const K=1", "a=1\r\nDim K"}, true},
    // Anything else goes to the general parser, errors included.
    {{"a=1\r\nb="}, false},
    {{"a=1 b=2"}, false},
    {{"a=1:b=2"}, false},
    {{"a=+1"}, false},
    {{"a=--1"}, false},
    {{"a=.5"}, false},
    {{"a=5x"}, false},
    {{"a=1e"}, false},
    {{"a=1.5.3"}, false},
    {{"a=&H10"}, false},
    {{"a=1 _\r\n+ 2"}, false},
    {{"a=b"}, false},
    {{"a=\"1\""}, false},
    {{"[my name]=1"}, false},
    {{"a.b=1"}, false},
    {{"a=1\r\nb=2\r\nIf a Then c=3"}, false},
    {{"a=1\r\n\fb=2"}, false},
    {{"_a=1"}, false},
    {{"a=1\r\nb(1=2"}, false},
    {{"a=1\r\nb(1)) = 2"}, false},
};

TEST(AssignmentReader, BuildsWhatTheGeneralParserBuilds) {
    const TParse general = [](const std::string& t) { return ParseProgramGeneral(t); };
    const TParse usual = [](const std::string& t) { return ParseProgram(t); };
    for (const TCase& c : kCases) {
        std::string shown;
        for (const std::string& t : c.texts) shown += "<" + t + "> ";
        SCOPED_TRACE(shown);
        std::shared_ptr<const TProgram> quick;
        EXPECT_EQ(ParseAssignmentsOnly(c.texts.back(), quick), c.quickForLast);
        EXPECT_EQ(quick != nullptr, c.quickForLast);
        EXPECT_EQ(Outcome(c.texts, usual), Outcome(c.texts, general));
    }
}

TEST(AssignmentReader, OutcomesAreWhatTheLanguageSays) {
    const TParse usual = [](const std::string& t) { return ParseProgram(t); };
    EXPECT_EQ(Outcome({"a=1\r\nb=40000\r\nc=1.5\r\nd=-0"}, usual), "a=2:1\nb=3:40000\nc=5:0x1.8p+0\nd=2:0\n");
    EXPECT_EQ(Outcome({"x=1\r\nDim T(1)\r\nT(2)=1"}, usual),
              "error 9 line 3 [T(2)=1] Subscript out of range\nx=2:1\n");
    EXPECT_EQ(Outcome({"Const K=1", "a=2\r\nK=2"}, usual).substr(0, 21), "error 501 line 2 [K=2");
    const std::string sin = Outcome({"a=1\r\nSin=1"}, usual);
    EXPECT_EQ(sin.substr(0, 28), "error 501 line 2 [Sin=1] Ill") << sin;
}

TEST(AssignmentReader, AFailingTextRunsNothing) {
    // An error the lexer finds (here an overflowing literal) stops the text before it runs.
    const TParse usual = [](const std::string& t) { return ParseProgram(t); };
    const std::string out = Outcome({"a=1\r\nb=2\r\nc=1E400"}, usual);
    EXPECT_EQ(out.find("a="), std::string::npos) << out;
    EXPECT_EQ(out.substr(0, 17), "error 6 line 3 [c") << out;
}

}  // namespace
