// The drive pattern page in the sub-page changes: leaving it validates the pattern shown
// and the modulus, entering it recomputes for the machine, a committed motor stops both.
#include "support/ExampleSession.h"

#include "shell/InputPatternPage.h"
#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "pattern/InputPatternPositionGridData.h"

#include <gtest/gtest.h>

namespace kinemo::test {
namespace {

using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;

TEST(InputPatternPageTest, LeavingTheChecksThePatternAndTheModulus) {
    ExampleSession ex("02_ball_screw_through_gear.kjb");
    TInputPatternModel& pattern = ex.session->Pattern();
    TInputPatternPage page(pattern, ex.dialogs, &ex.session->Chain());
    page.OnPageEntered(false);
    ASSERT_EQ(pattern.InputType(), 1);
    EXPECT_TRUE(page.OnPageLeft());
    EXPECT_TRUE(ex.dialogs.messages.empty());

    struct Case {
        const char* name;
        std::function<void()> spoil;
        std::function<void()> repair;
    } cases[] = {
        {"ramps of a dwell",
         [&] { pattern.CurrentGrid().Data().SetCellValue(3, Position::kAccelerationTime, 0.1); },
         [&] { pattern.CurrentGrid().Data().SetCellValue(3, Position::kAccelerationTime, 0); }},
        {"modulus", [&] {
             pattern.SelectSigmoidalCurve(1);
             pattern.SetModulusText("x");
         },
         [&] { pattern.SetModulusText("1.5"); }},
    };
    for (const Case& c : cases) {
        c.spoil();
        ex.dialogs.messages.clear();
        EXPECT_FALSE(page.OnPageLeft()) << c.name;
        ASSERT_EQ(ex.dialogs.messages.size(), 1u) << c.name;
        EXPECT_EQ(ex.dialogs.messages[0].type, TMsgDlgType::Warning) << c.name;
        EXPECT_FALSE(ex.dialogs.messages[0].text.empty()) << c.name;
        c.repair();
        EXPECT_TRUE(page.OnPageLeft()) << c.name;
    }
}

// A row whose elapsed time goes back used to be judged as an interval of 0 s, passed over:
// its step in no time was "OK" for every motor.
TEST(InputPatternPageTest, ARowWithoutTimeIsRefusedOnLeavingOnJudgingAndToldOnLoading) {
    ExampleSession ex("04_belt_axis_through_reducer.kjb");  // a speed pattern
    TInputPatternModel& pattern = ex.session->Pattern();
    TInputPatternGridModel& grid = pattern.CurrentGrid();
    int last = 0;
    while (grid.Data().Cell(last + 1, Data::kTimeInterval).Value() > 0) ++last;
    ASSERT_GT(last, 1);
    const double end = grid.Data().Cell(last, Data::kElapsedTime).DisplayValue();
    const double before = grid.Data().Cell(last - 1, Data::kElapsedTime).DisplayValue();
    // The last row's end time set before the row before's end: its interval becomes 0.
    grid.CommitText(last + 2, 1, FloatToText(before - (end - before) / 2));
    ASSERT_EQ(grid.Data().Cell(last, Data::kTimeInterval).Value(), 0);
    const std::string row = "row " + std::to_string(last + 1) + ": ";
    const std::string refusal = "Drive pattern, " + row + ex.ctx->ErrorMessages().GetText("PatternTimeNotIncreasing");

    TInputPatternPage page(pattern, ex.dialogs, &ex.session->Chain());
    ex.dialogs.messages.clear();
    EXPECT_FALSE(page.OnPageLeft());
    ASSERT_EQ(ex.dialogs.messages.size(), 1u);
    EXPECT_EQ(ex.dialogs.messages[0].text, refusal);
    try {
        ex.session->PrepareJudgement();
        ADD_FAILURE() << "judged";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), refusal);
    }
    EXPECT_EQ(ex.session->PatternProblemText(), refusal);

    // Saved and opened again: the project opens with the pattern as it is, and says why it
    // cannot be judged.
    const std::string text = ex.session->ProjectText();
    ex.dialogs.messages.clear();
    EXPECT_EQ(ex.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    ASSERT_EQ(ex.dialogs.messages.size(), 1u);
    EXPECT_EQ(ex.dialogs.messages[0].text,
              ex.ctx->ErrorMessages().GetText("PatternNotJudgeable") + "\n" + refusal);
    EXPECT_EQ(pattern.CurrentGrid().Data().Cell(last, Data::kTimeInterval).Value(), 0);
}

TEST(InputPatternPageTest, EnteringRecomputesOnlyWithoutACommittedMotor) {
    ExampleSession ex("02_ball_screw_through_gear.kjb");
    TInputPatternModel& pattern = ex.session->Pattern();
    TInputPatternPage page(pattern, ex.dialogs, &ex.session->Chain());
    int entered = 0;
    page.OnEntered = [&] { ++entered; };
    TInputPatternGridData& data = pattern.CurrentGrid().Data();
    const double motorSpeed = data.Cell(1, Data::kFrequency).Value();
    ASSERT_GT(motorSpeed, 0);
    // A stale motor speed is recomputed from the machine on entry ...
    data.Cell(1, Data::kFrequency).SetValue(1);
    page.OnPageEntered(false);
    EXPECT_NEAR(data.Cell(1, Data::kFrequency).Value(), motorSpeed, 1e-9);
    // ... but never while a motor is committed.
    data.Cell(1, Data::kFrequency).SetValue(1);
    page.OnPageEntered(true);
    EXPECT_EQ(data.Cell(1, Data::kFrequency).Value(), 1);
    EXPECT_EQ(entered, 2);
    page.SetPageActive(true);
    EXPECT_TRUE(pattern.PageActive);
}

}  // namespace
}  // namespace kinemo::test
