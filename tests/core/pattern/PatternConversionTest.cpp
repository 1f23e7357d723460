// Conversion between the input types: a speed pattern exported as moves, a position pattern
// exported as speed intervals, the shape checks, and the round trips the screen relies on.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternSpeedGridData.h"
#include "pattern/ConvertGridDataError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kinemo::test {
namespace {

using Speed = TInputPatternSpeedGridData;
using Position = TInputPatternPositionGridData;

class PatternConversionTest : public ::testing::Test {
protected:
    PatternConversionTest() {
        speed.SetCarry(CarryOutput{.V = 6});
        position.SetCarry(CarryOutput{.V = 6});
    }
    std::vector<TSpeedGridPath> Moves() { return std::get<std::vector<TSpeedGridPath>>(speed.ExportPaths()); }
    std::vector<TPositionGridPath> Intervals() {
        return std::get<std::vector<TPositionGridPath>>(position.ExportPaths());
    }
    std::string ExportError(const TInputPatternGridData& d) {
        try {
            d.ExportPaths();
        } catch (const EConvertGridDataError& e) {
            return e.what();
        }
        return "";
    }
    void ExpectSameRows(const TInputPatternGridData& a, const TInputPatternGridData& b, int rows,
                        std::initializer_list<int> columns) {
        for (int r = 1; r <= rows + 1; ++r)
            for (int c : columns)
                EXPECT_NEAR(a.Cell(r, c).Value(), b.Cell(r, c).Value(), kPatternTolerance) << "row " << r << " col " << c;
    }

    PatternFixture fx;
    TInputPatternSpeedGridData speed{fx.services, kStraightSpeedPattern};
    TInputPatternPositionGridData position{fx.services, kStraightPositionPattern};
};

TEST_F(PatternConversionTest, ARiseRunAndFallIsOneMove) {
    EnterSpeedRows(speed, {{0.2, 100}, {0.6, 100}, {0.3, 0}});
    const auto moves = Moves();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_NEAR(moves[0].Time, 1.1, kPatternTolerance);
    EXPECT_NEAR(moves[0].AccelerationTime, 0.2, kPatternTolerance);
    EXPECT_NEAR(moves[0].DecelerationTime, 0.3, kPatternTolerance);
    EXPECT_NEAR(moves[0].Position, 10 + 60 + 15, kPatternTolerance);
}

// Required check: 0 -> v -> v -> 0 to position and back gives the same intervals and speeds.
TEST_F(PatternConversionTest, SpeedToPositionAndBackKeepsIntervalsAndSpeeds) {
    EnterSpeedRows(speed, {{0.2, 100}, {0.6, 100}, {0.3, 0}});
    position.ImportPaths(speed.ExportPaths());
    EXPECT_NEAR(position.Cell(1, Position::kSpeed).Value(), 100, kPatternTolerance);
    EXPECT_TRUE(position.Cell(1, Position::kAcceleratedVelocity).Entered);
    TInputPatternSpeedGridData back(fx.services, kStraightSpeedPattern);
    back.SetCarry(CarryOutput{.V = 6});
    back.ImportPaths(position.ExportPaths());
    ExpectSameRows(speed, back, 3,
                   {Speed::kElapsedTime, Speed::kTimeInterval, Speed::kFrequency, Speed::kSpeed, Speed::kPosition,
                    Speed::kAcceleration});
}

// Required check: moves both ways with dwells, to speed and back, unchanged. The leading
// dwell is kept too (a rest before the first move is part of the cycle time).
TEST_F(PatternConversionTest, PositionToSpeedAndBackKeepsMovesBothWaysAndDwells) {
    EnterPositionRows(position, {{0.4, 0, 0, 0},
                                 {1, 80, 0.2, 0.2},
                                 {0.5, 80, 0, 0},
                                 {1.2, -40, 0.3, 0.4},
                                 {0.7, -40, 0, 0},
                                 {0.8, 0, 0.4, 0.4},
                                 {0.3, 0, 0, 0}});
    speed.ImportPaths(position.ExportPaths());
    TInputPatternPositionGridData back(fx.services, kStraightPositionPattern);
    back.SetCarry(CarryOutput{.V = 6});
    back.ImportPaths(speed.ExportPaths());
    ExpectSameRows(position, back, 7,
                   {Position::kElapsedTime, Position::kTimeInterval, Position::kFrequency, Position::kSpeed,
                    Position::kPosition, Position::kAccelerationTime, Position::kDecelerationTime,
                    Position::kAcceleratedVelocity});
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(back.Row(r).Suspended, position.Row(r).Suspended) << r;
}

TEST_F(PatternConversionTest, OneMoveBecomesRiseRunAndFall) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}});
    const auto intervals = Intervals();
    ASSERT_EQ(intervals.size(), 3u);
    const TPositionGridPath expected[] = {{0.2, 100}, {0.6, 100}, {0.2, 0}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(intervals[i].Time, expected[i].Time, kPatternTolerance);
        EXPECT_NEAR(intervals[i].Speed, expected[i].Speed, kPatternTolerance);
    }
    speed.ImportPaths(intervals);
    EXPECT_NEAR(speed.Cell(3, Speed::kSpeed).Value(), 0, kPatternTolerance);
    EXPECT_NEAR(speed.Cell(3, Speed::kPosition).Value(), 80, kPatternTolerance);
    EXPECT_NEAR(speed.Cell(3, Speed::kElapsedTime).Value(), 1, kPatternTolerance);
}

TEST_F(PatternConversionTest, ShapesThatAreNotTrapezoidalMovesAreRefused) {
    struct Case {
        const char* name;
        std::vector<SpeedRow> rows;
        const char* error;
    } cases[] = {
        {"two slopes up", {{0.2, 100}, {0.2, 150}, {0.2, 0}}, "Not Trapezoid."},
        {"equal slopes merge", {{0.2, 100}, {0.2, 200}, {0.4, 0}}, ""},
        {"ends moving", {{0.2, 100}, {0.6, 100}}, "Last Interval is not 0 Angel or 0 Speed."},
        {"rest only", {{0.5, 0}}, ""},
        {"slows in two slopes", {{0.2, 100}, {0.2, 50}, {0.4, 0}}, "Not Trapezoid."},
        {"one slope down in two rows", {{0.2, 100}, {0.2, 50}, {0.2, 0}}, ""},
    };
    for (const Case& c : cases) {
        speed.Reset();
        EnterSpeedRows(speed, c.rows);
        EXPECT_EQ(ExportError(speed), c.error) << c.name;
    }
}

TEST_F(PatternConversionTest, AReversalIsSplitWhereTheSpeedCrossesZero) {
    EnterSpeedRows(speed, {{0.5, 100}, {1, -100}, {0.5, 0}});
    const auto moves = Moves();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_NEAR(moves[0].Time, 1, kPatternTolerance);
    EXPECT_NEAR(moves[0].DecelerationTime, 0.5, kPatternTolerance);
    EXPECT_NEAR(moves[0].Position, 50, kPatternTolerance);
    EXPECT_NEAR(moves[1].AccelerationTime, 0.5, kPatternTolerance);
    EXPECT_NEAR(moves[1].Position, 0, kPatternTolerance);
}

TEST_F(PatternConversionTest, APositionPatternThatFailsValidationIsNotExported) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}});
    position.SetCellValue(1, Position::kDecelerationTime, 0);
    EXPECT_EQ(ExportError(position), "row 2: " + fx.errors->GetText("NotInputDeceleration"));
}

TEST_F(PatternConversionTest, MoreIntervalsThanRowsAreReportedAndTheTargetKept) {
    std::vector<PositionRow> rows;
    for (int i = 0; i < 34; ++i) rows.push_back({1, i % 2 ? 0.0 : 80.0, 0.2, 0.2});
    EnterPositionRows(position, rows);
    EnterSpeedRows(speed, {{1, 5}});
    try {
        speed.ImportPaths(position.ExportPaths());  // 34 moves of three speed intervals
        FAIL() << "intervals beyond 99 were dropped";
    } catch (const EConvertGridDataError& e) {
        EXPECT_EQ(std::string(e.what()), fx.errors->GetText("PatternTooManyIntervals"));
    }
    EXPECT_EQ(speed.Cell(1, Speed::kSpeed).Value(), 5);
}

TEST_F(PatternConversionTest, RotaryPatternsConvertTheSameWay) {
    TInputPatternSpeedGridData rs(fx.services, kRollingSpeedPattern);
    TInputPatternPositionGridData rp(fx.services, kRollingPositionPattern);
    rs.SetCarry(CarryOutput{.V = 1.0 / 6});
    rp.SetCarry(CarryOutput{.V = 1.0 / 6});
    EnterSpeedRows(rs, {{0.25, 360}, {0.5, 360}, {0.25, 0}});
    rp.ImportPaths(rs.ExportPaths());
    EXPECT_NEAR(rp.Cell(1, Position::kPosition).Value(), 270, kPatternTolerance);
    EXPECT_NEAR(rp.Cell(1, Position::kFrequency).Value(), 60, kPatternTolerance);
    EXPECT_NEAR(rp.Cell(1, Position::kAcceleratedVelocity).Value(), 1440, kPatternTolerance);
}

// Before the machine is known V is 0 and every motor speed 0: a reversal is still split by
// the load speeds, never into times that are not numbers.
TEST_F(PatternConversionTest, AReversalWithoutSpeedCoefficientGivesFiniteTimes) {
    speed.SetCarry(CarryOutput{});
    EnterSpeedRows(speed, {{0.5, 100}, {1, -300}, {0.5, 0}});
    for (const TSpeedGridPath& path : Moves()) {
        EXPECT_TRUE(std::isfinite(path.Time));
        EXPECT_TRUE(std::isfinite(path.Position));
    }
}

TEST_F(PatternConversionTest, AnEmptyPatternConvertsToAnEmptyOne) {
    EnterPositionRows(position, {{1, 80, 0.2, 0.2}});
    position.ImportPaths(speed.ExportPaths());
    EXPECT_EQ(position.Cell(1, Position::kTimeInterval).Value(), 0);
    EXPECT_FALSE(position.Row(1).HasData());
}

}  // namespace
}  // namespace kinemo::test
