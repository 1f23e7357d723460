// The engine's contract with its callers: hand-over statements, Eval conversions, isolation
// between engines, the parse cache, and the step budget.
#include "formula/FormulaEngine.h"
#include "formula/ProgramCache.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kinemo::FloatToText;
using kinemo::TFormulaEngine;
using kinemo::TFormulaError;
using kinemo::TProgramCache;
using kinemo::Variant;

constexpr double kTolerance = 1e-12;

TEST(FormulaEngine, NeverAssignedNamesReadAsEmptyZeroOrEmptyText) {
    TFormulaEngine engine;
    engine.ExecuteStatement("a = 1");
    EXPECT_TRUE(engine.Eval("missing").IsEmpty());
    EXPECT_EQ(engine.EvalDouble("missing"), 0.0);
    EXPECT_EQ(engine.EvalInteger("missing"), 0);
    EXPECT_EQ(engine.EvalText("missing"), "");
}

TEST(FormulaEngine, EvalConvertsAsTheCallerAsks) {
    TFormulaEngine engine;
    engine.ExecuteStatement("d = 2.5: i = 3.5: s = \"1.25\": b = True: t = \"abc\": x = 1 / 3");
    EXPECT_EQ(engine.EvalInteger("d"), 2);  // half to even, as VBScript converts
    EXPECT_EQ(engine.EvalInteger("i"), 4);
    EXPECT_NEAR(engine.EvalDouble("s"), 1.25, kTolerance);
    EXPECT_EQ(engine.EvalDouble("b"), -1.0);
    EXPECT_EQ(engine.EvalText("b"), "True");
    EXPECT_EQ(engine.EvalText("x"), "0.333333333333333");
    EXPECT_EQ(engine.EvalText("d"), "2.5");
    EXPECT_THROW(engine.EvalDouble("t"), TFormulaError);
    EXPECT_EQ(engine.Eval("D").GetType(), Variant::Type::Double);  // names are case-insensitive
}

TEST(FormulaEngine, EvalTakesExpressionsToo) {
    TFormulaEngine engine;
    engine.ExecuteStatement("Dim T(2)\nT(1) = 4\nFunction Sq(v)\nSq = v * v\nEnd Function");
    EXPECT_NEAR(engine.EvalDouble("T(1) * 2 + 1"), 9, kTolerance);
    EXPECT_NEAR(engine.EvalDouble("Sq(T(1))"), 16, kTolerance);
    EXPECT_EQ(engine.EvalText("vbTab"), "\t");
    EXPECT_THROW(engine.Eval("T(1) +"), TFormulaError);
    engine.ExecuteStatement("r = Rnd");
    EXPECT_EQ(engine.Eval("Rnd").GetType(), Variant::Type::Single);  // still the function
}

// The callers' protocol: one statement per call with numbers by the float-to-text rule,
// an array declaration with element assignments, constants, then the formula in one call.
TEST(FormulaEngine, HandOverOneStatementPerCallThenTheFormula) {
    TFormulaEngine engine;
    engine.ExecuteStatement("g=9.80665");
    engine.ExecuteStatement("Mass = " + FloatToText(12.75));
    engine.ExecuteStatement("Dim Torque(2)");
    const double torque[] = {1.5, -0.25, 1e-5};
    for (int i = 0; i < 3; ++i)
        engine.ExecuteStatement("Torque(" + std::to_string(i) + ") = " + FloatToText(torque[i]));
    engine.ExecuteStatement("Force = Mass * g\r\nPeak = Torque(0)\r\nFor i = 1 To 2\r\n"
                            "  If Abs(Torque(i)) > Abs(Peak) Then Peak = Torque(i)\r\nNext");
    EXPECT_NEAR(engine.EvalDouble("Force"), 12.75 * 9.80665, kTolerance);
    EXPECT_NEAR(engine.EvalDouble("Peak"), 1.5, kTolerance);
    EXPECT_NEAR(engine.EvalDouble("Torque(2)"), 1e-5, kTolerance);
}

TEST(FormulaEngine, ProceduresOfOneCallServeLaterCalls) {
    TFormulaEngine engine;
    engine.ExecuteStatement("Function Twice(v)\n  Twice = v * 2\nEnd Function");
    engine.ExecuteStatement("x = Twice(21)");
    EXPECT_EQ(engine.EvalInteger("x"), 42);
}

TEST(FormulaEngine, LineSeparatorsAreCrLfLfCrAndColon) {
    TFormulaEngine engine;
    engine.ExecuteStatement("a = 1\r\nb = 2\rc = 3\nd = 4: e = 5");
    EXPECT_EQ(engine.EvalInteger("a") + engine.EvalInteger("b") + engine.EvalInteger("c") +
                  engine.EvalInteger("d") + engine.EvalInteger("e"),
              15);
    try {
        engine.ExecuteStatement("a = 1\r\nb = 2\rc = 3\ny = 1 / 0");
        FAIL();
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Line(), 4);
    }
}

TEST(FormulaEngine, NothingSurvivesIntoANewEngine) {
    const std::string text = "Dim A(1)\nA(0) = 7\nn = n + 1\nFunction F()\nF = 1\nEnd Function";
    {
        TFormulaEngine engine;
        engine.ExecuteStatement(text);
        engine.ExecuteStatement("n = n + 1");
        EXPECT_EQ(engine.EvalInteger("n"), 2);
    }
    TFormulaEngine fresh;
    EXPECT_TRUE(fresh.Eval("n").IsEmpty());
    EXPECT_TRUE(fresh.Eval("A").IsEmpty());
    EXPECT_THROW(fresh.ExecuteStatement("x = F()"), TFormulaError);
    fresh.ExecuteStatement(text);  // the same text again, now from the cache
    EXPECT_EQ(fresh.EvalInteger("n"), 1);
}

// A cached program must behave exactly as a freshly parsed one, errors included.
TEST(FormulaEngine, TheParseCacheIsInvisible) {
    const std::string text = "s = 0\nFor i = 1 To 4\n  s = s + i\nNext\nq = 10 / s\nr = q / (s - 10)";
    TProgramCache programs;
    for (int run = 0; run < 3; ++run) {
        TFormulaEngine engine(&programs);
        try {
            engine.ExecuteStatement(text);
            FAIL();
        } catch (const TFormulaError& e) {
            EXPECT_EQ(e.Line(), 6);
            EXPECT_EQ(e.Description(), "Division by zero");
        }
        EXPECT_EQ(engine.EvalInteger("s"), 10);
        EXPECT_NEAR(engine.EvalDouble("q"), 1.0, kTolerance);
    }
    EXPECT_GE(programs.Stats().hits, 2u);
    for (int run = 0; run < 2; ++run) {
        TFormulaEngine engine(&programs);
        EXPECT_THROW(engine.ExecuteStatement("If x Then\ny = 1"), TFormulaError);  // parse errors repeat too
    }
}

// The cache finds a text again by its address first: a text rewritten in place at the same
// address, of the same length or another, must never run the program of what it held before.
TEST(FormulaEngine, TheParseCacheNeverMistakesATextRewrittenInPlace) {
    TProgramCache programs(4);
    std::string text = "x = 1";
    text.reserve(64);
    const char* const address = text.data();
    const struct {
        const char* text;
        int x;
    } cases[] = {{"x = 1", 1}, {"x = 2", 2}, {"x = 1", 1}, {"x = 12", 12}, {"x = 3 + 4", 7}, {"x = 2", 2}};
    for (const auto& c : cases) {
        text = c.text;
        ASSERT_EQ(text.data(), address);
        TFormulaEngine engine(&programs);
        engine.ExecuteStatement(text);
        EXPECT_EQ(engine.EvalInteger("x"), c.x) << c.text;
    }
    // More texts than the cache holds: evicted programs are parsed again, never served stale.
    for (int round = 0; round < 3; ++round)
        for (int n = 0; n < 10; ++n) {
            text = "x = " + std::to_string(n);
            TFormulaEngine engine(&programs);
            engine.ExecuteStatement(text);
            EXPECT_EQ(engine.EvalInteger("x"), n);
        }
    EXPECT_LE(programs.Stats().size, 4u);
}

TEST(FormulaEngine, AssignedVariablesComeInFirstAssignmentOrder) {
    TFormulaEngine engine;
    engine.ExecuteStatement("Dim Unused, Later(1)\nZeta = 1\nAlpha = 2\nLater(0) = 3\nZETA = 4");
    const auto vars = engine.AssignedVariables();
    ASSERT_EQ(vars.size(), 3u);
    EXPECT_EQ(vars[0].first, "Zeta");
    EXPECT_EQ(vars[0].second.IntValue(), 4);
    EXPECT_EQ(vars[1].first, "Alpha");
    EXPECT_EQ(vars[2].first, "Later");
    EXPECT_TRUE(vars[2].second.IsArray());
}

TEST(FormulaEngine, StepBudgetEndsARunawayLoopAndCannotBeTrapped) {
    TFormulaEngine engine;
    engine.SetStepBudget(100000);
    try {
        engine.ExecuteStatement("On Error Resume Next\nDo\n  x = x + 1\nLoop");
        FAIL();
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Code(), kinemo::EVbError::kStepLimit);
        EXPECT_EQ(std::string(e.what()), "line 2: Step limit exceeded; more than 100000 steps (an endless loop?): Do");
        EXPECT_GE(e.Line(), 2);
    }
    EXPECT_GT(engine.EvalInteger("x"), 1000);
}

TEST(FormulaEngine, DefaultBudgetAllowsTenMillionSteps) {
    TFormulaEngine engine;
    engine.SetTimeLimit(std::chrono::milliseconds(0));  // steps only: a sanitizer build is slower than the clock allows
    engine.ExecuteStatement("For i = 1 To 4000000\n  s = s + 1\nNext");  // ~10 million steps
    EXPECT_EQ(engine.EvalInteger("s"), 4000000);
}

// Growing texts and huge arrays are paid for in steps before they are built.
TEST(FormulaEngine, MemoryHungryFormulasAreStopped) {
    TFormulaEngine engine;
    EXPECT_THROW(engine.ExecuteStatement("s = \"x\"\nDo\n  s = s & s\nLoop"), TFormulaError);
    EXPECT_THROW(engine.ExecuteStatement("t = Space(2000000000)"), TFormulaError);
    EXPECT_THROW(engine.ExecuteStatement("ReDim a(100000, 100000)"), TFormulaError);
    EXPECT_THROW(engine.ExecuteStatement("Dim b(2147483647)"), TFormulaError);
    EXPECT_THROW(engine.ExecuteStatement("u = Replace(Space(5000000), \" \", \"0123456789abcdef\")"), TFormulaError);
    // Large but honest text work stays within the budget.
    engine.ExecuteStatement("w = Replace(Space(100000), \" \", \"ab\")\nj = Join(Split(w, \"b\"), \"c\")");
    EXPECT_EQ(engine.EvalInteger("Len(j)"), 200000);
}

}  // namespace

namespace {

// Name, type and bits of every assigned variable, for comparing two engines exactly.
std::string AssignedDump(const TFormulaEngine& engine) {
    std::string s;
    for (const auto& [name, value] : engine.AssignedVariables())
        s += name + ":" + std::to_string(static_cast<int>(value.GetType())) + ":" + value.ToText() + "\n";
    return s;
}

}  // namespace

// A host setting variables directly must leave the engine as the assignment texts would.
TEST(FormulaEngine, SetVariableActsAsAScriptLevelAssignment) {
    TFormulaEngine byText;
    byText.ExecuteStatement("Zeta = 1.25\nAlpha = \"x y\"\nzeta = 3");
    TFormulaEngine direct;
    direct.SetNumber("Zeta", 1.25);
    direct.SetText("Alpha", "x y");
    direct.SetVariable("zeta", Variant::Integer(3));
    EXPECT_EQ(AssignedDump(direct), AssignedDump(byText));
    // Later texts see the values as their own.
    direct.ExecuteStatement("Option Explicit\nDim r\nr = Zeta * 2 & Alpha");  // host-set names count as declared
    EXPECT_EQ(direct.EvalText("r"), "6x y");
    direct.ExecuteStatement("c = Zeta");
    TFormulaEngine copy;
    ASSERT_TRUE(copy.CopyStateFrom(direct));
    EXPECT_EQ(AssignedDump(copy), AssignedDump(direct));
}

TEST(FormulaEngine, SetVariableRefusesWhatAnAssignmentRefuses) {
    TFormulaEngine engine;
    engine.ExecuteStatement("Const K = 1\nFunction F()\nF = 2\nEnd Function");
    for (const char* name : {"K", "F", "Rnd", "vbTab", "Err", "Dim", "a b", "", "1x"})
        EXPECT_THROW(engine.SetNumber(name, 1), TFormulaError) << name;
    EXPECT_EQ(engine.EvalInteger("K"), 1);
}

// Decided from the parsed program: comments, strings and longer names do not count.
TEST(FormulaEngine, ProgramsKnowWhetherTheyDrawRandomNumbers) {
    struct Case {
        const char* text;
        bool random;
    } cases[] = {
        {"x = Rnd", true},
        {"x = RND(1) * 2", true},
        {"Randomize", true},
        {"Call Randomize(3)", true},
        {"Function F()\nF = Rnd()\nEnd Function", true},
        {"x = 1 ' Rnd", false},
        {"s = \"rnd\"", false},
        {"x = Round(2.5)", false},
        {"rnd_value = 2\nx = rnd_value", false},
        {"x = 1\ny = 2", false},  // the quick assignment reader
    };
    TProgramCache programs;
    for (const Case& c : cases)
        EXPECT_EQ(programs.Get(c.text, TProgramCache::EKind::kStatements)->callsRandom, c.random) << c.text;
}
