// Row operations of the pattern data: copy, cut, delete, insert and paste, with the
// recomputation each implies and the refusal to push intervals out of the table.
#include "core/pattern/PatternFixture.h"
#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternSpeedGridData.h"

#include "base/ErrorMessage.h"

#include <gtest/gtest.h>

namespace kinemo::test {
namespace {

using Speed = TInputPatternSpeedGridData;
using Position = TInputPatternPositionGridData;

class PatternRowsTest : public ::testing::Test {
protected:
    PatternRowsTest() {
        speed.SetCarry(CarryOutput{.V = 6});
        position.SetCarry(CarryOutput{.V = 6});
        // Speeds 10, 20, 30, 40, 50 over intervals of 1 s: easy to trace after a move.
        EnterSpeedRows(speed, {{1, 10}, {1, 20}, {1, 30}, {1, 40}, {1, 50}});
    }
    double SpeedAt(int row) { return speed.Cell(row, Speed::kSpeed).Value(); }
    double EndAt(const TInputPatternGridData& d, int row) { return d.Cell(row, Speed::kElapsedTime).Value(); }

    PatternFixture fx;
    TInputPatternSpeedGridData speed{fx.services, kStraightSpeedPattern};
    TInputPatternPositionGridData position{fx.services, kStraightPositionPattern};
};

TEST_F(PatternRowsTest, DeletingClosesTheGapAndRecomputesFromTheRowBefore) {
    EXPECT_TRUE(speed.DeleteRows({1, 2}));  // data rows 2 and 3
    EXPECT_EQ(SpeedAt(2), 40);
    EXPECT_EQ(SpeedAt(3), 50);
    EXPECT_EQ(SpeedAt(4), 0);
    EXPECT_FALSE(speed.Cell(4, Speed::kSpeed).Entered);
    EXPECT_NEAR(EndAt(speed, 3), 3, kPatternTolerance);
    // Position of row 2 now integrates 10 -> 40 mm/s over 1 s from row 1's 5 mm.
    EXPECT_NEAR(speed.Cell(2, Speed::kPosition).Value(), 30, kPatternTolerance);
    EXPECT_NEAR(speed.Cell(2, Speed::kAcceleration).Value(), 30, kPatternTolerance);
}

TEST_F(PatternRowsTest, InsertingShiftsRowsDownAndLeavesTheirEndTimes) {
    EXPECT_TRUE(speed.InsertRows({1, 1}));
    EXPECT_EQ(SpeedAt(2), 0);
    EXPECT_EQ(speed.Cell(2, Speed::kTimeInterval).Value(), 0);
    EXPECT_EQ(SpeedAt(3), 20);
    EXPECT_NEAR(EndAt(speed, 3), 2, kPatternTolerance);
    EXPECT_NEAR(EndAt(speed, 6), 5, kPatternTolerance);
}

// Edge case: two rows pasted at row 5 push rows 5 on down by two.
TEST_F(PatternRowsTest, PastingInsertsTheCopiesAndRecomputesFromThem) {
    EXPECT_FALSE(speed.HasCopiedRows());
    speed.PasteRows(2);  // nothing copied: nothing happens
    EXPECT_EQ(SpeedAt(2), 20);
    speed.Cell(2, Speed::kSpeed).Entered = true;  // the grid sets the flags; the copy keeps them
    ASSERT_TRUE(speed.CopyRows({0, 1}));
    ASSERT_TRUE(speed.HasCopiedRows());
    speed.PasteRows(5);
    const double speeds[] = {10, 20, 30, 40, 10, 20, 50};
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(SpeedAt(r), speeds[r - 1]) << r;
    EXPECT_NEAR(EndAt(speed, 7), 7, kPatternTolerance);
    EXPECT_TRUE(speed.Cell(6, Speed::kSpeed).Entered);
    EXPECT_FALSE(speed.Cell(5, Speed::kSpeed).Entered);
}

TEST_F(PatternRowsTest, CuttingKeepsTheRowsForPasting) {
    speed.CutRows({0, 0});
    EXPECT_EQ(SpeedAt(1), 20);
    speed.PasteRows(5);
    EXPECT_EQ(SpeedAt(5), 10);
    EXPECT_EQ(SpeedAt(4), 50);
}

// Edge case: a selection reaching the origin row gives no range; nothing may change.
TEST_F(PatternRowsTest, AnInvalidRangeChangesNothing) {
    for (const TIntervalRange& range : {TIntervalRange{}, TIntervalRange{2, 1}, TIntervalRange{-1, 2},
                                        TIntervalRange{90, 99}}) {
        EXPECT_FALSE(speed.CopyRows(range));
        EXPECT_FALSE(speed.DeleteRows(range));
        EXPECT_FALSE(speed.InsertRows(range));
        speed.CutRows(range);
    }
    EXPECT_FALSE(speed.HasCopiedRows());
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(SpeedAt(r), 10 * r);
}

TEST_F(PatternRowsTest, IntervalsAreNotPushedOutOfTheTable) {
    speed.SetCellValue(99, Speed::kTimeInterval, 1);
    try {
        speed.InsertRows({0, 0});
        FAIL() << "interval 99 was pushed out";
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "PatternRowsFull");
    }
    EXPECT_EQ(SpeedAt(1), 10);
    speed.SetCellValue(99, Speed::kTimeInterval, 0);
    speed.Cell(99, Speed::kTimeInterval).Entered = false;
    EXPECT_TRUE(speed.InsertRows({0, 0}));
    EXPECT_FALSE(speed.Row(100).HasData());

    ASSERT_TRUE(speed.CopyRows({0, 2}));
    EXPECT_THROW(speed.PasteRows(98), TErrorMessageException);  // three rows from row 98 do not fit
}

TEST_F(PatternRowsTest, APositionGapIsClosedWithTheNewPreviousPosition) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {1, 160, 0.2, 0.2}, {1, 80, 0.2, 0.2}});
    position.CutRows({1, 1});
    // Row 2 (was row 3) moves from 80 to 80 now: a dwell without ramp times.
    EXPECT_TRUE(position.Row(2).Suspended);
    EXPECT_EQ(position.Cell(2, Position::kAccelerationTime).Value(), 0);
    EXPECT_EQ(position.Cell(2, Position::kSpeed).Value(), 0);
    EXPECT_NEAR(EndAt(position, 2), 2, kPatternTolerance);
}

TEST_F(PatternRowsTest, DeletingInAPositionPatternAlsoRecomputesTheRowAfterTheGap) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {1, 80, 0, 0}, {1, 0, 0.2, 0.2}});
    position.DeleteRows({0, 0});
    // Row 1 (was the dwell at 80) is now a move from 0 to 80: it must be editable as one.
    EXPECT_FALSE(position.Row(1).Suspended);
    EXPECT_FALSE(position.Row(2).Suspended);
    EXPECT_NEAR(position.Cell(2, Position::kSpeed).Value(), -100, kPatternTolerance);
}

TEST_F(PatternRowsTest, PastedPositionRowsKeepTheirMovesAndDwells) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}, {0.5, 80, 0, 0}, {1, 0, 0.2, 0.2}});
    ASSERT_TRUE(position.CopyRows({0, 2}));
    position.PasteRows(4);
    const bool dwell[] = {false, true, false, false, true, false};
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(position.Row(r).Suspended, dwell[r - 1]) << r;
    EXPECT_NEAR(position.Cell(4, Position::kSpeed).Value(), 100, kPatternTolerance);
    EXPECT_NEAR(EndAt(position, 6), 5, kPatternTolerance);
}

}  // namespace
}  // namespace kinemo::test
