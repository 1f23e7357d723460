// A formula run is limited in time as well as in steps, and the steps charge what the work
// costs: errors swallowed by On Error Resume Next and text functions on long texts.
#include "formula/FormulaEngine.h"
#include "formula/FormulaError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace kinemo;
using namespace std::chrono_literals;

namespace {

EVbError CodeOf(TFormulaEngine& engine, const std::string& text) {
    try {
        engine.ExecuteStatement(text);
    } catch (const TFormulaError& e) {
        return e.Code();
    }
    return EVbError::kNone;
}

}  // namespace

// A loop of errors, each swallowed, is stopped by the clock even with a budget of steps too
// large to end it, and Resume Next cannot swallow the stop.
TEST(FormulaBudget, TimeLimitStopsARunThatSwallowsItsErrors) {
    TFormulaEngine engine;
    engine.SetStepBudget(int64_t{1} << 60);
    engine.SetTimeLimit(50ms);
    try {
        engine.ExecuteStatement("On Error Resume Next\nDo\n  x = 1 / 0\n  n = n + 1\nLoop");
        FAIL() << "the loop ended";
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Code(), EVbError::kTimeLimit);
        EXPECT_FALSE(e.Trappable());
        EXPECT_NE(std::string(e.what()).find("Time limit exceeded; more than 50 ms"), std::string::npos) << e.what();
    }
    EXPECT_GT(engine.EvalInteger("n"), 0);
    // The next run has its own time.
    engine.ExecuteStatement("y = 2");
    EXPECT_EQ(engine.EvalInteger("y"), 2);
}

TEST(FormulaBudget, TheDefaultLimitIsTwoSecondsAndNewEnginesTakeTheSetOne) {
    EXPECT_EQ(TFormulaEngine::DefaultTimeLimit(), 2000ms);
    TFormulaEngine::SetDefaultTimeLimit(30ms);
    TFormulaEngine engine;
    TFormulaEngine::SetDefaultTimeLimit(2000ms);
    engine.SetStepBudget(int64_t{1} << 60);
    EXPECT_EQ(CodeOf(engine, "Do\n  n = n + 1\nLoop"), EVbError::kTimeLimit);
}

// Swallowing an error costs far more than a statement: a loop that swallows thousands of
// them runs out of steps where the same loop without errors does not.
TEST(FormulaBudget, SwallowedErrorsAreChargedByTheirCost) {
    TFormulaEngine engine;
    engine.SetTimeLimit(0ms);
    engine.SetStepBudget(100000);
    EXPECT_EQ(CodeOf(engine, "For i = 1 To 5000\n  x = i\nNext"), EVbError::kNone);
    EXPECT_EQ(CodeOf(engine, "On Error Resume Next\nFor i = 1 To 5000\n  x = 1 / 0\nNext"), EVbError::kStepLimit);
}

// Reading a long text costs steps by its length: a thousand Len of a megabyte text is a
// gigabyte read, past the budget, while the same calls on a short text are not.
TEST(FormulaBudget, TextFunctionsAreChargedByTheLengthTheyRead) {
    TFormulaEngine engine;
    engine.SetTimeLimit(0ms);
    engine.SetStepBudget(10'000'000);
    EXPECT_EQ(CodeOf(engine, "s = Space(10)\nFor i = 1 To 1000\n  n = Len(s) + InStr(s, \"x\")\nNext"), EVbError::kNone);
    EXPECT_EQ(CodeOf(engine, "s = Space(1000000)\nFor i = 1 To 1000\n  n = Len(s)\nNext"), EVbError::kStepLimit);
    EXPECT_EQ(CodeOf(engine, "s = Space(1000000)\nFor i = 1 To 1000\n  t = UCase(s)\nNext"), EVbError::kStepLimit);
}
