// The pattern page model: which grid is shown, conversion on an input-type change and the
// question when it fails, the S-curve choice and modulus, the chart, row commands and the
// "FrameInputPattern" section.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "base/ErrorMessage.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace kinemo::test {
namespace {

using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;
using Button = TInputPatternGridModel::TMouseButton;

class InputPatternModelTest : public ::testing::Test {
protected:
    InputPatternModelTest() {
        for (auto axis : {TPatternAxis::Straight, TPatternAxis::Rolling})
            for (auto input : {TPatternInput::Speed, TPatternInput::Position})
                page->Grid(axis, input).Data().SetCarry(CarryOutput{.V = 6});
        page->OnModified = [this] { ++modified; };
    }
    TInputPatternGridModel& Current() { return page->CurrentGrid(); }
    void Commit(int row, int column, double value) { Current().CommitText(row + 2, column + 1, FloatToText(value)); }
    void EnterSpeeds(std::initializer_list<std::pair<double, double>> rows) {
        int r = 1;
        for (const auto& [interval, speed] : rows) {
            Commit(r, Data::kTimeInterval, interval);
            Commit(r++, Data::kSpeed, speed);
        }
    }
    void EnterMove(int row, double interval, double position, double ramp) {
        Commit(row, Data::kTimeInterval, interval);
        Commit(row, Data::kPosition, position);
        if (ramp > 0) {
            Commit(row, Position::kAccelerationTime, ramp);
            Commit(row, Position::kDecelerationTime, ramp);
        }
    }
    double Value(TPatternAxis axis, TPatternInput input, int row, int column) {
        return page->Grid(axis, input).Data().Cell(row, column).Value();
    }

    PatternFixture fx;
    std::unique_ptr<TInputPatternModel> page = std::make_unique<TInputPatternModel>(fx.services);
    int modified = 0;
};

TEST_F(InputPatternModelTest, StartsOnTheRotarySpeedPatternWithTheFirstSCurve) {
    EXPECT_EQ(page->AxisKind(), 1);
    EXPECT_EQ(page->InputType(), 0);
    EXPECT_EQ(Current().Axis(), TPatternAxis::Rolling);
    EXPECT_EQ(page->SigmoidalCurveIndex(), 0);
    EXPECT_FALSE(page->ModulusEnabled());
    EXPECT_EQ(page->ModulusText(), "1.0000");
    EXPECT_EQ(page->InputTypeItems(), (std::vector<std::string>{"Speed", "Position"}));
    EXPECT_EQ(page->Text("Title"), "Pattern");
    EXPECT_EQ(page->PatternText().substr(0, 22), "-- Pattern(Speed) --\r\n");
}

TEST_F(InputPatternModelTest, ChangingTheInputTypeConvertsThePatternShown) {
    page->SetAxisKind(0);
    EnterSpeeds({{0.2, 100}, {0.6, 100}, {0.2, 0}});
    ASSERT_TRUE(page->SetInputType(1));
    EXPECT_TRUE(fx.dialogs.messages.empty());
    EXPECT_EQ(page->PreviousInputType(), 1);
    EXPECT_EQ(Current().InputType(), TPatternInput::Position);
    EXPECT_NEAR(Value(TPatternAxis::Straight, TPatternInput::Position, 1, Data::kPosition), 80, kPatternTolerance);
    EXPECT_EQ(page->PatternText().substr(0, 25), "-- Pattern(Position) --\r\n");
    // The axis change only shows the other grid: nothing is converted.
    page->SetAxisKind(1);
    EXPECT_EQ(Value(TPatternAxis::Rolling, TPatternInput::Position, 1, Data::kTimeInterval), 0);
}

// Edge case: a speed pattern that is not trapezoidal, No keeps the speed grid.
TEST_F(InputPatternModelTest, AFailedConversionAsksAndNoStaysOnTheSpeedPattern) {
    EnterSpeeds({{0.2, 100}, {0.2, 150}, {0.2, 0}});
    fx.dialogs.answers = {mrNo};
    EXPECT_FALSE(page->SetInputType(1));
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].text, "switch without converting?");
    EXPECT_EQ(fx.dialogs.messages[0].buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(page->LastConversionError(), "Not Trapezoid.");
    EXPECT_EQ(page->InputType(), 0);
    EXPECT_EQ(Current().InputType(), TPatternInput::Speed);
    fx.dialogs.answers = {mrCancel};
    EXPECT_FALSE(page->SetInputType(1));
    EXPECT_EQ(page->InputType(), 0);
}

TEST_F(InputPatternModelTest, YesSwitchesAndTheTargetKeepsItsOwnPatternEvenIfImportFailedHalfway) {
    page->SetAxisKind(0);
    ASSERT_TRUE(page->SetInputType(1));
    EnterMove(1, 1, 40, 0.25);
    ASSERT_TRUE(page->SetInputType(0));
    EnterSpeeds({{0.2, 100}, {0.6, 100}, {0.2, 0}});
    fx.formulas->SetText("StraightUpdateSpeed", "Speed = 1 / 0");  // the import now fails
    fx.dialogs.answers = {mrYes};
    EXPECT_TRUE(page->SetInputType(1));
    EXPECT_EQ(page->InputType(), 1);
    EXPECT_FALSE(page->LastConversionError().empty());
    EXPECT_EQ(Value(TPatternAxis::Straight, TPatternInput::Position, 1, Data::kPosition), 40);
    EXPECT_NEAR(Value(TPatternAxis::Straight, TPatternInput::Position, 1, Data::kSpeed), 40 / 0.75, kPatternTolerance);
}

TEST_F(InputPatternModelTest, TheSpeedAxisFollowsTheCurveAndTheBandTheClickedInterval) {
    EXPECT_EQ(page->Chart().AxisMinimum(), -1);
    EXPECT_EQ(page->Chart().AxisMaximum(), 1);
    EnterSpeeds({{1, 2000}, {2, 2000}, {1.5, 0}});
    EXPECT_EQ(page->Chart().AxisMinimum(), 0);
    EXPECT_NEAR(page->Chart().AxisMaximum(), 2200, kPatternTolerance);
    EXPECT_EQ(page->Chart().BottomAxisTitle(), "Time[s]");
    EXPECT_EQ(page->Chart().LeftAxisTitle(), "Angular[deg/s]");
    EXPECT_EQ(page->Chart().ChartPoints().size(), 4u);
    Current().Click(TInputPatternGridModel::kFirstIntervalRow + 2, 1);  // the third interval
    ASSERT_EQ(page->Chart().Band().size(), 2u);
    EXPECT_NEAR(page->Chart().Band()[0].X, 3, kPatternTolerance);
    EXPECT_NEAR(page->Chart().Band()[1].X, 4.5, kPatternTolerance);
    EXPECT_NEAR(page->Chart().Band()[1].Y, 2200, kPatternTolerance);
    page->ChooseUnit(Data::kElapsedTime, fx.Unit(302));
    EXPECT_TRUE(page->Chart().Band().empty());
    EXPECT_EQ(page->Chart().BottomAxisTitle(), "Time[ms]");
    EXPECT_EQ(page->Chart().TimeDisplayUnit()->Code(), 302);
    EXPECT_NEAR(page->Chart().ChartPoints()[1].X, 1000, kPatternTolerance);
}

TEST_F(InputPatternModelTest, FixedSCurvesShowTheirModulusAndTheEditableOneTakesTheBox) {
    page->SelectSigmoidalCurve(1);
    EXPECT_FALSE(page->ModulusEnabled());
    EXPECT_EQ(page->ModulusText(), "1.5708");
    EXPECT_TRUE(page->Chart().SigmoidalColour());
    page->SetModulusText("3");
    EXPECT_EQ(fx.curves->Item(1).Modulus, "1.570796326795");  // not editable
    page->SelectSigmoidalCurve(2);
    EXPECT_TRUE(page->ModulusEnabled());
    page->SetModulusText("2.25");
    EXPECT_EQ(fx.curves->Selected()->Modulus, "2.25");
    EXPECT_NO_THROW(page->CheckModulus());
    // A text that is no number is refused on leaving; the modulus is not silently 0 meanwhile.
    page->SetModulusText("x");
    EXPECT_EQ(fx.curves->Selected()->Modulus, "2.25");
    try {
        page->CheckModulus();
        FAIL() << "an unreadable modulus passed";
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "IllegalSigmoidalCurveModulus");
    }
    EXPECT_GT(modified, 0);
}

TEST_F(InputPatternModelTest, RowCommandsWorkOnTheGridShownAndPasteNeedsCopiedRows) {
    EnterSpeeds({{1, 10}, {1, 20}, {1, 0}});
    EXPECT_FALSE(page->CutRows());  // nothing selected
    EXPECT_FALSE(page->CanPaste());
    Current().HeaderMouseDown(TInputPatternGridModel::kFirstIntervalRow, Button::Left);
    EXPECT_TRUE(page->CopyRows());
    EXPECT_TRUE(page->CanPaste());
    Current().Click(TInputPatternGridModel::kFirstIntervalRow + 3, 1);
    const int before = modified;
    EXPECT_TRUE(page->PasteRows());
    EXPECT_GT(modified, before);
    EXPECT_EQ(Value(TPatternAxis::Rolling, TPatternInput::Speed, 4, Data::kSpeed), 10);
    EXPECT_EQ(page->Chart().ChartPoints().size(), 5u);
    page->ClearData();
    EXPECT_EQ(page->Chart().ChartPoints().size(), 1u);
    EXPECT_TRUE(page->CanPaste());  // the copy survives clearing
}

class InputPatternSectionTest : public InputPatternModelTest {
protected:
    pugi::xml_node Save() {
        pugi::xml_node section = doc.append_child("FrameInputPattern");
        page->SaveSection(section);
        return section;
    }
    pugi::xml_document doc;
};

TEST_F(InputPatternSectionTest, SavingWritesTheChoiceTheSCurveAndFourGridsInOrder) {
    ASSERT_TRUE(page->SetInputType(1));
    pugi::xml_node section = Save();
    EXPECT_STREQ(section.child("SelectedInputType").text().get(), "Position");
    EXPECT_STREQ(section.child("SigmoidalCurve").child("ID").text().get(), "1");
    EXPECT_STREQ(section.child("SigmoidalCurve").child("Value").text().get(), "1.0000");
    std::vector<std::string> kinds;
    for (pugi::xml_node grid : section.children("Grid")) {
        kinds.push_back(std::string(grid.child("PatternBehavior").text().get()) + grid.child("InputType").text().get());
        EXPECT_EQ(std::distance(grid.children("Row").begin(), grid.children("Row").end()), 99);
        EXPECT_FALSE(grid.child("MeasureList").first_child());
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"RollingPosition", "RollingSpeed", "StraightPosition", "StraightSpeed"}));
}

TEST_F(InputPatternSectionTest, LoadingRestoresPatternsUnitsInputTypeAndSCurve) {
    page->SetAxisKind(0);
    ASSERT_TRUE(page->SetInputType(1));
    EnterMove(1, 1, 40, 0.25);
    EnterMove(2, 0.5, 40, 0);
    page->ChooseUnit(Data::kPosition, fx.Unit(103));
    page->SelectSigmoidalCurve(2);
    page->SetModulusText("1.75");
    const pugi::xml_node section = Save();

    fx.curves->Select(0);
    TInputPatternModel other(fx.services);
    other.LoadSection(section);
    EXPECT_EQ(other.InputType(), 1);
    EXPECT_EQ(other.PreviousInputType(), 1);
    EXPECT_EQ(other.SigmoidalCurveIndex(), 2);
    EXPECT_EQ(other.ModulusText(), "1.75");
    const TInputPatternGridData& data = other.Grid(TPatternAxis::Straight, TPatternInput::Position).Data();
    EXPECT_EQ(data.Cell(1, Data::kPosition).Value(), 40);
    EXPECT_TRUE(data.Row(2).Suspended);
    EXPECT_EQ(data.DisplayUnit(Data::kPosition).Code(), 103);
    EXPECT_TRUE(data.UnitChanged(Data::kPosition));
}

// A fixed S-curve's box shows the catalog's modulus whatever the file holds, so a saved
// project saves again to the same text.
TEST_F(InputPatternSectionTest, AFixedSCurveSavesItsModulusAgainAsItWasRead) {
    struct Case {
        int entry;
        const char* fileValue;
        const char* shown;
    } cases[] = {{0, "1.0000", "1.0000"}, {1, "1.5708", "1.5708"}, {1, "9", "1.5708"}, {2, "1.7500", "1.75"}};
    for (const Case& c : cases) {
        page->SelectSigmoidalCurve(c.entry);
        pugi::xml_node section = Save();
        section.child("SigmoidalCurve").child("Value").text().set(c.fileValue);
        page->SelectSigmoidalCurve(0);
        page->LoadSection(section);
        EXPECT_EQ(page->SigmoidalCurveIndex(), c.entry);
        EXPECT_EQ(page->ModulusText(), c.shown) << c.fileValue;
        doc.reset();
        EXPECT_STREQ(Save().child("SigmoidalCurve").child("Value").text().get(), c.shown) << c.fileValue;
        doc.reset();
    }
}

TEST_F(InputPatternSectionTest, AnUnknownSCurveKeepsTheFirstAndAnEmptySectionClearsEverything) {
    EnterSpeeds({{1, 10}, {1, 0}});
    page->SelectSigmoidalCurve(1);
    pugi::xml_node section = doc.append_child("FrameInputPattern");
    section.append_child("SigmoidalCurve").append_child("ID").text().set("77");
    page->LoadSection(section);
    EXPECT_EQ(page->SigmoidalCurveIndex(), 0);
    EXPECT_EQ(Value(TPatternAxis::Rolling, TPatternInput::Speed, 1, Data::kTimeInterval), 0);
    page->SelectSigmoidalCurve(1);
    page->LoadSection(doc.append_child("FrameInputPattern"));
    EXPECT_EQ(page->SigmoidalCurveIndex(), 0);
    EXPECT_EQ(page->InputType(), 0);
}

// A hand-edited file may name the input type after the grids: nothing is converted over them.
TEST_F(InputPatternSectionTest, AGridReadBeforeTheInputTypeIsNotOverwritten) {
    page->SetAxisKind(0);
    EnterSpeeds({{0.2, 100}, {0.6, 100}, {0.2, 0}});
    ASSERT_TRUE(page->SetInputType(1));
    Commit(1, Data::kPosition, 60);
    pugi::xml_node section = Save();
    section.append_move(section.child("SelectedInputType"));  // now after the grids
    TInputPatternModel other(fx.services);
    other.SetAxisKind(0);
    other.LoadSection(section);
    EXPECT_EQ(other.InputType(), 1);
    EXPECT_EQ(other.Grid(TPatternAxis::Straight, TPatternInput::Position).Data().Cell(1, Data::kPosition).Value(), 60);
}

TEST_F(InputPatternSectionTest, AMalformedRowFailsTheLoadAndLeavesTheChartWorking) {
    pugi::xml_node section = Save();
    section.child("Grid").child("Row").append_child("Junk");
    EXPECT_THROW(page->LoadSection(section), TKinemoError);
    EnterSpeeds({{1, 10}, {1, 0}});
    EXPECT_EQ(page->Chart().ChartPoints().size(), 3u);
}

}  // namespace
}  // namespace kinemo::test
