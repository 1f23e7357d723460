// The pattern data of the four kinds: units, edits and their cascades, recalculation,
// validation, chart points and the rows of the project file.
#include "core/pattern/PatternFixture.h"
#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternSpeedGridData.h"

#include "base/ErrorMessage.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace kinemo::test {
namespace {

using Speed = TInputPatternSpeedGridData;
using Position = TInputPatternPositionGridData;

class PatternDataTest : public ::testing::Test {
protected:
    PatternDataTest() {
        speed.SetCarry(CarryOutput{.V = 6});
        position.SetCarry(CarryOutput{.V = 6});
    }
    double Base(const TInputPatternGridData& d, int row, int column) { return d.Cell(row, column).Value(); }
    std::string ErrorKeyOf(const TInputPatternGridData& d) {
        try {
            d.Validate();
        } catch (const TErrorMessageException& e) {
            return e.Key();
        }
        return "";
    }

    PatternFixture fx;
    TInputPatternSpeedGridData speed{fx.services, kStraightSpeedPattern};
    TInputPatternPositionGridData position{fx.services, kStraightPositionPattern};
};

TEST_F(PatternDataTest, ColumnsTakeTheCatalogBaseUnitsAndShowTheClassDefaults) {
    ASSERT_EQ(speed.ColumnCount(), 6);
    ASSERT_EQ(position.ColumnCount(), 8);
    EXPECT_EQ(speed.BaseUnit(Speed::kAcceleration).Code(), 801);
    EXPECT_EQ(speed.DisplayUnit(Speed::kAcceleration).Code(), 802);
    EXPECT_EQ(position.BaseUnit(Position::kDecelerationTime).Code(), 301);
    TInputPatternSpeedGridData rolling(fx.services, kRollingSpeedPattern);
    EXPECT_EQ(rolling.BaseUnit(Speed::kPosition).Code(), 601);
    EXPECT_EQ(rolling.Axis(), TPatternAxis::Rolling);
    EXPECT_EQ(rolling.InputType(), TPatternInput::Speed);
}

TEST_F(PatternDataTest, AChosenDisplayUnitKeepsBaseValuesAndResetForgetsIt) {
    EnterSpeedRows(speed, {{1.5, 100}});
    speed.SetColumnUnit(Speed::kElapsedTime, fx.Unit(302));
    EXPECT_TRUE(speed.UnitChanged(Speed::kElapsedTime));
    EXPECT_FALSE(speed.UnitChanged(Speed::kTimeInterval));
    EXPECT_NEAR(speed.Cell(1, Speed::kElapsedTime).DisplayValue(), 1500, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 1, Speed::kElapsedTime), 1.5, kPatternTolerance);
    // An edit in the new unit is converted back to the base unit.
    speed.SetCellValue(1, Speed::kElapsedTime, 2000);
    EXPECT_NEAR(Base(speed, 1, Speed::kTimeInterval), 2, kPatternTolerance);
    speed.Reset();
    EXPECT_FALSE(speed.UnitChanged(Speed::kElapsedTime));
    EXPECT_EQ(speed.DisplayUnit(Speed::kElapsedTime).Code(), 301);
    EXPECT_EQ(Base(speed, 1, Speed::kTimeInterval), 0);
}

TEST_F(PatternDataTest, AUnitOfAnotherQuantityIsRefused) {
    EXPECT_THROW(speed.SetColumnUnit(Speed::kElapsedTime, fx.Unit(101)), std::invalid_argument);
}

TEST_F(PatternDataTest, SpeedEditsGiveMotorSpeedPositionAndAcceleration) {
    EnterSpeedRows(speed, {{1, 100}, {1, 100}, {0.5, 0}});
    EXPECT_NEAR(Base(speed, 1, Speed::kFrequency), 600, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 1, Speed::kPosition), 50, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 2, Speed::kPosition), 150, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 3, Speed::kPosition), 175, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 3, Speed::kAcceleration), -200, kPatternTolerance);
    // Shown in m/s², kept in mm/s².
    EXPECT_NEAR(speed.Cell(3, Speed::kAcceleration).DisplayValue(), -0.2, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 3, Speed::kElapsedTime), 2.5, kPatternTolerance);
}

TEST_F(PatternDataTest, MotorSpeedEditGivesLoadSpeedAndNegativeSpeedsMoveBack) {
    EnterSpeedRows(speed, {{1, 0}});
    speed.SetCellValue(1, Speed::kFrequency, -300);
    EXPECT_NEAR(Base(speed, 1, Speed::kSpeed), -50, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 1, Speed::kPosition), -25, kPatternTolerance);
}

// Edge case: rows 4 and 5 follow a new interval on row 3, row 6 (no interval) does not.
TEST_F(PatternDataTest, ATimeIntervalEditMovesTheFollowingEndTimesUpToTheFirstEmptyRow) {
    EnterSpeedRows(speed, {{1, 100}, {1, 100}, {1, 0}, {1, 0}, {1, 0}});
    speed.SetCellValue(6, Speed::kSpeed, 40);  // a speed without an interval
    speed.SetCellValue(3, Speed::kTimeInterval, 2);
    const double ends[] = {1, 2, 4, 5, 6};
    for (int r = 1; r <= 5; ++r) EXPECT_NEAR(Base(speed, r, Speed::kElapsedTime), ends[r - 1], kPatternTolerance) << r;
    EXPECT_EQ(Base(speed, 6, Speed::kElapsedTime), 0);
    EXPECT_NEAR(Base(speed, 5, Speed::kPosition), 250, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 3, Speed::kAcceleration), -50, kPatternTolerance);
}

TEST_F(PatternDataTest, AnEndTimeBeforeThePreviousOneLeavesNoInterval) {
    EnterSpeedRows(speed, {{1, 100}, {1, 100}});
    speed.SetCellValue(2, Speed::kElapsedTime, 0.5);
    EXPECT_EQ(Base(speed, 2, Speed::kTimeInterval), 0);
    speed.SetCellValue(2, Speed::kElapsedTime, 3);
    EXPECT_NEAR(Base(speed, 2, Speed::kTimeInterval), 2, kPatternTolerance);
}

TEST_F(PatternDataTest, ComputedColumnsAndTheOriginRowTakeNoEdits) {
    EXPECT_FALSE(speed.SetCellValue(1, Speed::kPosition, 5));
    EXPECT_FALSE(speed.SetCellValue(0, Speed::kTimeInterval, 5));
    EXPECT_FALSE(position.SetCellValue(1, Position::kSpeed, 5));
    EXPECT_FALSE(position.SetCellValue(100, Position::kPosition, 5));
    EXPECT_EQ(Base(speed, 0, Speed::kTimeInterval), 0);
}

TEST_F(PatternDataTest, RecalculationFollowsANewSpeedCoefficientKeepingLoadSpeeds) {
    EnterSpeedRows(speed, {{1, 100}, {1, 0}});
    speed.SetCarry(CarryOutput{.V = 12});
    speed.RecalculateAll();
    EXPECT_NEAR(Base(speed, 1, Speed::kFrequency), 1200, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 1, Speed::kSpeed), 100, kPatternTolerance);
    EXPECT_NEAR(Base(speed, 2, Speed::kPosition), 100, kPatternTolerance);
}

TEST_F(PatternDataTest, AMoveRunsAtTheSpeedOfItsTrapezoidAndADwellRests) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {0.5, 80, 0, 0}, {1, -20, 0.25, 0.25}});
    // 80 mm in 1 s with 0.2 s ramps: v = 80 / (1 - 0.2) = 100 mm/s.
    EXPECT_NEAR(Base(position, 1, Position::kSpeed), 100, kPatternTolerance);
    EXPECT_NEAR(Base(position, 1, Position::kFrequency), 600, kPatternTolerance);
    EXPECT_NEAR(Base(position, 1, Position::kAcceleratedVelocity), 500, kPatternTolerance);
    EXPECT_FALSE(position.Row(1).Suspended);
    EXPECT_TRUE(position.Row(2).Suspended);
    EXPECT_EQ(Base(position, 2, Position::kSpeed), 0);
    EXPECT_NEAR(Base(position, 3, Position::kSpeed), -100 / 0.75, kPatternTolerance);
    EXPECT_NEAR(Base(position, 3, Position::kElapsedTime), 2.5, kPatternTolerance);
}

TEST_F(PatternDataTest, ANewPositionMakesTheNextRowFollowAndADwellDropsItsRampTimes) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {1, 160, 0.2, 0.2}});
    position.SetCellValue(1, Position::kPosition, 160);
    EXPECT_TRUE(position.Row(2).Suspended);
    EXPECT_EQ(Base(position, 2, Position::kAccelerationTime), 0);
    EXPECT_EQ(Base(position, 2, Position::kSpeed), 0);
    EXPECT_NEAR(Base(position, 1, Position::kSpeed), 200, kPatternTolerance);
}

TEST_F(PatternDataTest, PositionRecalculationUsesTheNewSpeedCoefficient) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}});
    position.SetCarry(CarryOutput{.V = 3});
    position.RecalculateAll();
    EXPECT_NEAR(Base(position, 1, Position::kFrequency), 300, kPatternTolerance);
}

TEST_F(PatternDataTest, ValidationNamesTheFirstBrokenRule) {
    EXPECT_EQ(ErrorKeyOf(position), "");
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {0.5, 80, 0, 0}});
    EXPECT_EQ(ErrorKeyOf(position), "");
    // The grid refuses ramp times on a dwell; set directly they fail the check.
    position.SetCellValue(2, Position::kAccelerationTime, 0.1);
    EXPECT_EQ(ErrorKeyOf(position), "IllegalUnderSuspension");
    position.SetCellValue(2, Position::kAccelerationTime, 0);
    position.SetCellValue(1, Position::kDecelerationTime, 0.9);
    EXPECT_EQ(ErrorKeyOf(position), "IllegalTimeInterval");
    position.SetCellValue(1, Position::kDecelerationTime, 0.2);
    position.SetCellValue(1, Position::kAccelerationTime, 0);
    EXPECT_EQ(ErrorKeyOf(position), "NotInputAcceleration");
    position.SetCellValue(1, Position::kAccelerationTime, 0.2);
    position.SetCellValue(1, Position::kDecelerationTime, 0);
    EXPECT_EQ(ErrorKeyOf(position), "NotInputDeceleration");
    position.SetCellValue(1, Position::kDecelerationTime, -0.1);
    EXPECT_EQ(ErrorKeyOf(position), "InputMinusNumber");
}

TEST_F(PatternDataTest, RampTimesFillingTheIntervalPassAfterRounding) {
    EnterPositionRows(position, {{0.3, 10, 0.1, 0.2}});
    EXPECT_GT(0.1 + 0.2, 0.3);  // the sum the check must not trip over
    EXPECT_EQ(ErrorKeyOf(position), "");
}

TEST_F(PatternDataTest, NegativeTimesFailEveryKind) {
    speed.SetCellValue(1, Speed::kTimeInterval, -1);
    EXPECT_EQ(ErrorKeyOf(speed), "InputMinusNumber");
}

TEST_F(PatternDataTest, SpeedChartRunsThroughTheIntervalEndsInDisplayUnits) {
    TChartPointList points;
    speed.GetChartPoints(points);
    ASSERT_EQ(points.size(), 1u);  // edge case: no interval on row 1 gives the start point only
    EnterSpeedRows(speed, {{1, 100}, {2, 100}, {1, 0}});
    speed.SetColumnUnit(Speed::kElapsedTime, fx.Unit(302));
    speed.GetChartPoints(points);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_NEAR(points[2].X, 3000, kPatternTolerance);
    EXPECT_NEAR(points[2].Y, 100, kPatternTolerance);
    EXPECT_NEAR(points[3].Y, 0, kPatternTolerance);
}

TEST_F(PatternDataTest, PositionChartDrawsEachTrapezoidAndEachDwell) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {0.5, 80, 0, 0}, {1, 0, 0.5, 0.5}});
    position.SetColumnUnit(Position::kElapsedTime, fx.Unit(302));
    TChartPointList points;
    position.GetChartPoints(points);
    const TChartPoint expected[] = {{0, 0},      {200, 100}, {800, 100}, {1000, 0}, {1000, 0},
                                    {1500, 0},   {1500, 0},  {2000, -160}, {2500, 0}};
    ASSERT_EQ(points.size(), std::size(expected));
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].X, expected[i].X, kPatternTolerance) << i;
        EXPECT_NEAR(points[i].Y, expected[i].Y, kPatternTolerance) << i;
    }
}

TEST_F(PatternDataTest, TheFormulaStoreRunsEachKeyInAFreshEngineAndReloadsFromScratch) {
    const TDrivePatternFormulas& formulas = *fx.formulas;
    EXPECT_EQ(formulas.Run("SetTimeInterval", {{"TimeInterval", 0.25}, {"BeforeTime", 1e-20}}, {"ElapsedTime"})[0], 0.25);
    // Nothing survives from one run to the next.
    EXPECT_EQ(formulas.Run("SetSpeed", {{"Speed", 2}}, {"Frequency", "BeforeTime"}), (std::vector<double>{0, 0}));
    fx.formulas->SetText("SetSpeed", "Frequency = 7");
    fx.formulas->Load(*fx.query);
    EXPECT_EQ(formulas.Text("SetSpeed"), "Frequency = Speed * V");
    EXPECT_EQ(formulas.Text("TorqueValueFormula"), "");  // not one of the twelve keys
}

class PatternRowsFileTest : public PatternDataTest {
protected:
    pugi::xml_node Grid() { return doc.append_child("Grid"); }
    pugi::xml_document doc;
};

TEST_F(PatternRowsFileTest, RowsWriteBaseValuesAndReadBackWithFlagsButNoRecalculation) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {0.5, 80, 0, 0}, {1, 0, 0.5, 0.5}});
    position.SetColumnUnit(Position::kElapsedTime, fx.Unit(302));
    pugi::xml_node grid = Grid();
    position.SaveRows(grid);
    ASSERT_EQ(std::distance(grid.children("Row").begin(), grid.children("Row").end()), 99);
    EXPECT_STREQ(grid.child("Row").child("Value").text().get(), "1");  // base unit, not ms
    EXPECT_STREQ(grid.last_child().first_child().text().get(), "0");

    TInputPatternPositionGridData loaded(fx.services, kStraightPositionPattern);
    loaded.LoadRows(grid);
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 8; ++c) EXPECT_EQ(Base(loaded, r, c), Base(position, r, c)) << r << "," << c;
    EXPECT_TRUE(loaded.Cell(3, Position::kSpeed).Entered);
    EXPECT_FALSE(loaded.Cell(4, Position::kSpeed).Entered);
    EXPECT_FALSE(loaded.Row(1).Suspended);
    EXPECT_TRUE(loaded.Row(2).Suspended);
    EXPECT_FALSE(loaded.Row(3).Suspended);
    // Values are taken as stored: a different speed coefficient shows only after recalculation.
    EXPECT_NEAR(Base(loaded, 1, Position::kFrequency), 600, kPatternTolerance);
}

// A stored time that is finite in seconds but not in the unit shown (ms) never reaches the
// formulas; texts that are no finite number ("inf", "1e999") are refused as before.
TEST_F(PatternRowsFileTest, ValuesThatAreNotFiniteInTheShownUnitAreRefused) {
    position.SetColumnUnit(Position::kElapsedTime, fx.Unit(302));
    for (const char* text : {"1e306", "inf", "nan", "1e999"}) {
        pugi::xml_node grid = Grid();
        grid.append_child("Row").append_child("Value").text().set(text);
        EXPECT_THROW(position.LoadRows(grid), TKinemoError) << text;
    }
    pugi::xml_node grid = Grid();
    grid.append_child("Row").append_child("Value").text().set("1e300");
    EXPECT_NO_THROW(position.LoadRows(grid));
    EXPECT_TRUE(position.AllFinite());
}

TEST_F(PatternRowsFileTest, ExtraValuesAreIgnoredAndOtherChildrenAreIllegal) {
    pugi::xml_node grid = Grid();
    pugi::xml_node row = grid.append_child("Row");
    for (const char* text : {"1", "1", "600", "100", "50", "100", "7"}) row.append_child("Value").text().set(text);
    speed.LoadRows(grid);
    EXPECT_NEAR(Base(speed, 1, Speed::kAcceleration), 100, kPatternTolerance);
    row.append_child("Note").text().set("x");
    try {
        speed.LoadRows(grid);
        FAIL() << "a Note inside a Row was read";
    } catch (const TKinemoError& e) {
        EXPECT_STREQ(e.what(), "Illegal Format");
    }
}

TEST_F(PatternRowsFileTest, UnreadableNumbersAndMoreThan99RowsAreReported) {
    pugi::xml_node grid = Grid();
    grid.append_child("Row").append_child("Value").text().set("1,5");
    EXPECT_THROW(speed.LoadRows(grid), TKinemoError);

    pugi::xml_node full = Grid();
    for (int i = 0; i < 100; ++i) full.append_child("Row").append_child("Value").text().set("1");
    try {
        speed.LoadRows(full);
        FAIL() << "a 100th row was dropped silently";
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "PatternTooManyRows");
    }
    EXPECT_EQ(Base(speed, 1, Speed::kElapsedTime), 0);  // nothing was loaded
}

}  // namespace
}  // namespace kinemo::test
