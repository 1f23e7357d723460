// What a drive pattern must be before it is judged, and how typed numbers reach it: a comma
// is read as the decimal mark or refused, never dropped; a blank position is a dwell; every
// row up to the last one entered needs time; a move without its ramps is refused and shown
// as what it is.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternGridModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "base/ErrorMessage.h"
#include "base/NumberText.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace kinemo::test {
namespace {

using Grid = TInputPatternGridModel;
using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;

class PatternCheckTest : public ::testing::Test {
protected:
    PatternCheckTest() {
        speed.Data().SetCarry(CarryOutput{.V = 6});
        position.Data().SetCarry(CarryOutput{.V = 6});
    }
    static int GridRow(int r) { return r + 2; }
    static int GridColumn(int c) { return c + 1; }
    std::string CommitError(Grid& g, int r, int c, const std::string& text) {
        try {
            g.CommitText(GridRow(r), GridColumn(c), text);
        } catch (const TKinemoError& e) {
            return e.what();
        }
        return "";
    }
    // The message Validate raises; empty when the pattern passes.
    static std::string Refusal(const Grid& g) {
        try {
            g.Data().Validate();
        } catch (const TKinemoError& e) {
            return e.what();
        }
        return "";
    }
    void Move(int r, const char* interval, const char* to, const char* ramp) {
        EXPECT_EQ(CommitError(position, r, Data::kTimeInterval, interval), "");
        EXPECT_EQ(CommitError(position, r, Data::kPosition, to), "");
        EXPECT_EQ(CommitError(position, r, Position::kAccelerationTime, ramp), "");
        EXPECT_EQ(CommitError(position, r, Position::kDecelerationTime, ramp), "");
    }

    PatternFixture fx;
    Grid speed{fx.services, TPatternAxis::Straight, TPatternInput::Speed};
    Grid position{fx.services, TPatternAxis::Straight, TPatternInput::Position};
};

TEST(TypedNumberText, ACommaIsTheDecimalMarkOnlyWhereTheUserWritesItSo) {
    struct Case {
        const char* text;
        char mark;
        bool read;
        double value;
    } cases[] = {
        {"12.5", '.', true, 12.5},   {"12,5", '.', false, 0},   {"1,250", '.', false, 0},
        {"12,5", ',', true, 12.5},   {"12.5", ',', true, 12.5}, {" -0,25 ", ',', true, -0.25},
        {"1,234.5", ',', false, 0},  {"1.234,5", ',', false, 0}, {"1,234,5", ',', false, 0},
        {"1,234.5", '.', false, 0},  {",", ',', false, 0},      {"1,5e3", ',', true, 1500},
    };
    for (const Case& c : cases) {
        double v = -1;
        EXPECT_EQ(TryTypedTextToFloat(c.text, c.mark, v), c.read) << c.text << " with " << c.mark;
        if (c.read) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    // Files are read with "." whatever the user's mark.
    double v = 0;
    EXPECT_FALSE(TryTextToFloat("12,5", v));
}

// Typing "12,5" used to lose the comma in the key filter and commit 125.
TEST_F(PatternCheckTest, ACommaTypedIntoACellIsReadAsTheDecimalMarkOrRefused) {
    EXPECT_TRUE(Grid::AcceptsKey("12", false, ','));
    EXPECT_EQ(CommitError(speed, 1, Data::kTimeInterval, "1"), "");
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "12,5"), "bad number 12,5");
    EXPECT_EQ(speed.Data().Cell(1, Data::kSpeed).Value(), 0);
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "1,250"), "bad number 1,250");  // no thousands separator
    fx.format.SetDecimalMark(',');
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "12,5"), "");
    EXPECT_NEAR(speed.Data().Cell(1, Data::kSpeed).Value(), 12.5, kPatternTolerance);
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "1.234,5"), "bad number 1.234,5");
    EXPECT_NEAR(speed.Data().Cell(1, Data::kSpeed).Value(), 12.5, kPatternTolerance);
    // Pasted cells follow the same rule.
    speed.Click(GridRow(2), GridColumn(Data::kTimeInterval));
    EXPECT_TRUE(speed.PasteText("0,5\t\t30,5"));
    EXPECT_NEAR(speed.Data().Cell(2, Data::kTimeInterval).Value(), 0.5, kPatternTolerance);
    EXPECT_NEAR(speed.Data().Cell(2, Data::kSpeed).Value(), 30.5, kPatternTolerance);
}

// A blank position used to be 0: a dwell at 80 mm became a move back to 0 at full speed.
TEST_F(PatternCheckTest, ABlankPositionIsADwellWhereTheRowBeforeEnds) {
    Move(1, "1", "80", "0.2");
    EXPECT_EQ(CommitError(position, 2, Data::kTimeInterval, "0.5"), "");
    EXPECT_EQ(CommitError(position, 2, Data::kPosition, " "), "");
    EXPECT_DOUBLE_EQ(position.Data().Cell(2, Data::kPosition).Value(), 80);
    EXPECT_TRUE(position.Data().Row(2).Suspended);
    EXPECT_EQ(position.Data().Cell(2, Data::kSpeed).Value(), 0);
    EXPECT_EQ(Refusal(position), "");
}

// 0.5 s then 0.3 s left an interval of 0 s whose 100 -> 0 mm/s step every motor passed.
TEST_F(PatternCheckTest, AnElapsedTimeGoingBackIsRefusedNamingTheRow) {
    EXPECT_EQ(CommitError(speed, 1, Data::kElapsedTime, "0.5"), "");
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "100"), "");
    EXPECT_EQ(Refusal(speed), "");
    EXPECT_EQ(CommitError(speed, 2, Data::kElapsedTime, "0.3"), "");
    EXPECT_EQ(CommitError(speed, 2, Data::kSpeed, "0"), "");
    EXPECT_EQ(speed.Data().Cell(2, Data::kTimeInterval).Value(), 0);
    EXPECT_EQ(Refusal(speed), "row 3: no time");  // the grid numbers data row 2 as 3
    // A speed typed with no time yet is a step in no time too.
    EXPECT_EQ(CommitError(speed, 2, Data::kElapsedTime, "1"), "");
    EXPECT_EQ(Refusal(speed), "");
    EXPECT_EQ(CommitError(speed, 3, Data::kSpeed, "50"), "");
    EXPECT_EQ(Refusal(speed), "row 4: no time");
    // The refusal carries the rule's key for the callers that tell rules apart.
    try {
        speed.Data().Validate();
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "PatternTimeNotIncreasing");
    }
}

TEST_F(PatternCheckTest, AMoveWithoutTimeAndARowLoadedWithoutTimeAreRefused) {
    Move(1, "1", "80", "0.2");
    EXPECT_EQ(CommitError(position, 2, Data::kPosition, "0"), "");  // back to 0 in no time
    EXPECT_EQ(Refusal(position), "row 3: no time");
    // A speed pattern going back in time, written to a file and read back: the rows keep
    // no Entered flags without an interval, their values tell.
    EXPECT_EQ(CommitError(speed, 1, Data::kElapsedTime, "0.5"), "");
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "100"), "");
    EXPECT_EQ(CommitError(speed, 2, Data::kElapsedTime, "0.3"), "");
    pugi::xml_document doc;
    pugi::xml_node element = doc.append_child("Grid");
    speed.Data().SaveRows(element);
    Grid loaded{fx.services, TPatternAxis::Straight, TPatternInput::Speed};
    loaded.LoadGrid(element);
    EXPECT_EQ(Refusal(loaded), "row 3: no time");
}

// The rows a deletion empties, and the rows after the pattern, are no rows without time.
TEST_F(PatternCheckTest, RowsAfterThePatternAndDeletedRowsPass) {
    EXPECT_EQ(Refusal(speed), "");
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(CommitError(speed, r, Data::kTimeInterval, "1"), "");
        EXPECT_EQ(CommitError(speed, r, Data::kSpeed, r == 3 ? "0" : "100"), "");
    }
    EXPECT_EQ(Refusal(speed), "");
    speed.HeaderMouseDown(GridRow(3), Grid::TMouseButton::Left);
    EXPECT_TRUE(speed.DeleteSelectedRows());
    EXPECT_EQ(Refusal(speed), "");
}

// A move without an acceleration time showed "Acceleration 0.0000", a figure of nothing.
TEST_F(PatternCheckTest, AMoveWithoutAnAccelerationTimeSaysSoAndIsRefused) {
    Move(1, "1", "80", "0.2");
    const int accelerationColumn = GridColumn(Position::kAcceleratedVelocity);
    EXPECT_EQ(position.CellText(GridRow(1), accelerationColumn), "0.5000");  // 500 mm/s² in m/s²
    EXPECT_EQ(CommitError(position, 1, Position::kAccelerationTime, "0"), "");
    EXPECT_EQ(position.CellText(GridRow(1), accelerationColumn), "no ramp");
    EXPECT_EQ(Refusal(position), "row 2: no acceleration");
    // A dwell has no acceleration either way and shows its zero.
    EXPECT_EQ(CommitError(position, 1, Position::kAccelerationTime, "0.2"), "");
    EXPECT_EQ(CommitError(position, 2, Data::kTimeInterval, "1"), "");
    EXPECT_EQ(CommitError(position, 2, Data::kPosition, "80"), "");
    EXPECT_EQ(position.CellText(GridRow(2), accelerationColumn), "0.0000");
    EXPECT_EQ(Refusal(position), "");
}

}  // namespace
}  // namespace kinemo::test
