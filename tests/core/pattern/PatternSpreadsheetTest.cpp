// Pattern rows exchanged with a spreadsheet as tab-separated text: copying selected rows,
// pasting a block through the commit rules, and refused pastes that change nothing.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternGridModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "base/ErrorMessage.h"

#include <gtest/gtest.h>

namespace kinemo::test {
namespace {

using Grid = TInputPatternGridModel;
using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;
using Button = TInputPatternGridModel::TMouseButton;

class PatternSpreadsheetTest : public ::testing::Test {
protected:
    PatternSpreadsheetTest() {
        speed.Data().SetCarry(CarryOutput{.V = 6});
        position.Data().SetCarry(CarryOutput{.V = 6});
        speed.OnModified = [this] { ++modified; };
        speed.OnDataChanged = [this] { ++redrawn; };
    }
    static int GridRow(int r) { return r + 2; }
    void SelectRows(Grid& g, int first, int last) {
        g.HeaderMouseDown(GridRow(first), Button::Left);
        g.HeaderMouseMove(GridRow(last));
        g.MouseUp();
    }
    std::string PasteError(Grid& g, const std::string& text) {
        try {
            g.PasteText(text);
        } catch (const TKinemoError& e) {
            return e.what();
        }
        return "";
    }
    // Every cell's base value and Entered flag, to see that nothing changed.
    static std::vector<std::pair<double, bool>> Cells(const Grid& g) {
        std::vector<std::pair<double, bool>> cells;
        for (int r = 0; r <= Data::kLastInterval; ++r)
            for (int c = 0; c < g.DataColumnCount(); ++c)
                cells.emplace_back(g.Data().Cell(r, c).Value(), g.Data().Cell(r, c).Entered);
        return cells;
    }

    PatternFixture fx;
    Grid speed{fx.services, TPatternAxis::Straight, TPatternInput::Speed};
    Grid position{fx.services, TPatternAxis::Straight, TPatternInput::Position};
    int modified = 0;
    int redrawn = 0;
};

TEST_F(PatternSpreadsheetTest, ABlockOfSpeedRowsIsCommittedCellByCellFromTheSelectedRow) {
    SelectRows(speed, 1, 1);
    // Elapsed time, interval, motor speed, speed: the interval wins over a stale elapsed
    // time, the speed over the motor speed; computed columns and blank cells are skipped.
    ASSERT_TRUE(speed.PasteText("9\t0.5\t\t100\t777\t888\r\n\t0.5\t\t100\n\t0.5\t0\t\n"));
    const double elapsed[] = {0.5, 1.0, 1.5};
    const double speeds[] = {100, 100, 0};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_NEAR(speed.Data().Cell(r, Data::kElapsedTime).Value(), elapsed[r - 1], kPatternTolerance) << r;
        EXPECT_NEAR(speed.Data().Cell(r, Data::kSpeed).Value(), speeds[r - 1], kPatternTolerance) << r;
        EXPECT_NEAR(speed.Data().Cell(r, Data::kFrequency).Value(), 6 * speeds[r - 1], kPatternTolerance) << r;
        EXPECT_TRUE(speed.Data().Cell(r, Data::kPosition).Entered) << r;
    }
    EXPECT_NEAR(speed.Data().Cell(3, Data::kPosition).Value(), 0.5 * 100 / 2 + 0.5 * 100 + 0.5 * 100 / 2,
                kPatternTolerance);
    EXPECT_EQ(modified, 1);  // one notification for the block
    EXPECT_EQ(redrawn, 1);
}

TEST_F(PatternSpreadsheetTest, CopiedRowsPasteBackToTheSameText) {
    speed.Click(GridRow(1), 2);
    ASSERT_TRUE(speed.PasteText("0.25\n0.5\n0.25"));  // intervals only, from the interval column
    speed.Click(GridRow(1), 4);
    ASSERT_TRUE(speed.PasteText("200\n200\n0\n"));
    SelectRows(speed, 1, 3);
    const std::string text = speed.SelectedRowsText();
    // Acceleration shown in m/s².
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "0.2500\t0.2500\t1200.0000\t200.0000\t25.0000\t0.8000");
    Grid other{fx.services, TPatternAxis::Straight, TPatternInput::Speed};
    other.Data().SetCarry(CarryOutput{.V = 6});
    SelectRows(other, 5, 5);
    ASSERT_TRUE(other.PasteText(text));
    SelectRows(other, 5, 7);
    // Rows 1 to 4 are empty, so even the elapsed times come out the same.
    EXPECT_EQ(other.SelectedRowsText(), text);
    SelectRows(other, 1, 1);
    EXPECT_EQ(other.SelectedRowsText(), "\t\t\t\t\t\r\n");  // an empty row copies as empty cells
    other.ClearSelection();
    EXPECT_EQ(other.SelectedRowsText(), "");
}

TEST_F(PatternSpreadsheetTest, RefusedPastesLeaveThePatternAsItWas) {
    SelectRows(speed, 1, 1);
    ASSERT_TRUE(speed.PasteText("\t1\t\t50\n\t1\t\t0\n"));
    const auto before = Cells(speed);
    const int modifiedBefore = modified;
    struct Case {
        int firstRow;  // data row the paste starts at
        std::string text;
        std::string error;
    } cases[] = {
        {1, "\t1\t\t80\n\t1\t\tfast\n", "bad number fast"},  // letters in the second line
        {1, "\t-1\n", "bad number -1"},                     // a negative time
        {2, "\t1\t\t10\t\t\t9\n", "paste too large"},       // wider than the data columns
        {98, "\t1\n\t1\n\t1\n", "paste too large"},         // past interval 99
    };
    for (const Case& c : cases) {
        SelectRows(speed, c.firstRow, c.firstRow);
        EXPECT_EQ(PasteError(speed, c.text), c.error) << c.text;
        EXPECT_EQ(Cells(speed), before) << c.text;
    }
    EXPECT_EQ(modified, modifiedBefore);
    // The refused cell is current, as after a refused typed value.
    SelectRows(speed, 1, 1);
    PasteError(speed, "\t1\n\tx\n");
    EXPECT_EQ(speed.CurrentRow(), GridRow(2));
    EXPECT_EQ(speed.CurrentColumn(), 2);
    // Nothing to paste, or a start on the origin row.
    EXPECT_FALSE(speed.PasteText(""));
    speed.Click(Grid::kOriginRow, 2);
    speed.ClearSelection();
    EXPECT_FALSE(speed.PasteText("1"));
    EXPECT_EQ(Cells(speed), before);
}

TEST_F(PatternSpreadsheetTest, PositionRowsTakeTheirRampsFromTheBlock) {
    // A row with long ramps takes a shorter interval from the block: the block's ramps
    // replace the old ones, so the interval is not refused.
    EnterPositionRows(position.Data(), {{2, 100, 0.8, 0.8}});
    SelectRows(position, 1, 1);
    ASSERT_TRUE(position.PasteText("\t1\t\t\t100\t0.2\t0.2\n\t0.5\t\t\t100\t\t\n"));
    EXPECT_DOUBLE_EQ(position.Data().Cell(1, Data::kTimeInterval).Value(), 1);
    EXPECT_DOUBLE_EQ(position.Data().Cell(1, Position::kAccelerationTime).Value(), 0.2);
    EXPECT_NEAR(position.Data().Cell(1, Data::kSpeed).Value(), 100 / 0.8, kPatternTolerance);
    EXPECT_TRUE(position.Data().Row(2).Suspended);  // a dwell: no ramps
    // Ramps that do not fit refuse the block with the catalog's message.
    const auto before = Cells(position);
    SelectRows(position, 3, 3);
    EXPECT_EQ(PasteError(position, "\t0.3\t\t\t0\t0.2\t0.2\n"), "no room");
    EXPECT_EQ(Cells(position), before);
}

}  // namespace
}  // namespace kinemo::test
