// The grid rules without a widget: editable cells, committing typed texts, Entered flags,
// row-header selection, external-force marks with the row commands, units, the Grid
// element and the text dump.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternGridModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "pattern/InputPatternSpeedGridData.h"
#include "base/ErrorMessage.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace kinemo::test {
namespace {

using Grid = TInputPatternGridModel;
using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;
using Button = TInputPatternGridModel::TMouseButton;

class PatternGridModelTest : public ::testing::Test {
protected:
    PatternGridModelTest() {
        speed.Data().SetCarry(CarryOutput{.V = 6});
        position.Data().SetCarry(CarryOutput{.V = 6});
        speed.OnModified = [this] { ++modified; };
        position.OnModified = [this] { ++modified; };
    }
    // Grid row of data row r; grid column of data column c.
    static int GridRow(int r) { return r + 2; }
    static int GridColumn(int c) { return c + 1; }
    void Commit(Grid& g, int r, int c, const std::string& text) { g.CommitText(GridRow(r), GridColumn(c), text); }
    std::string CommitError(Grid& g, int r, int c, const std::string& text) {
        try {
            Commit(g, r, c, text);
        } catch (const TKinemoError& e) {
            return e.what();
        }
        return "";
    }
    void EnterSpeeds(std::initializer_list<double> speeds) {
        int r = 1;
        for (double s : speeds) {
            Commit(speed, r, Data::kTimeInterval, "1");
            Commit(speed, r++, Data::kSpeed, FloatToText(s));
        }
    }
    void UseMarks() { speed.ExternalForce().SetColumns({&push, &pull}); }

    PatternFixture fx;
    Grid speed{fx.services, TPatternAxis::Straight, TPatternInput::Speed};
    Grid position{fx.services, TPatternAxis::Straight, TPatternInput::Position};
    TExternalForceColData push;
    TExternalForceColData pull;
    int modified = 0;
};

TEST_F(PatternGridModelTest, OnlyEnteredColumnsOfIntervalRowsTakeEdits) {
    EXPECT_EQ(speed.DataColumnCount(), 6);
    EXPECT_EQ(position.ColumnCount(), 9);
    EXPECT_FALSE(speed.CanEdit(Grid::kOriginRow, 1));
    EXPECT_FALSE(speed.CanEdit(Grid::kUnitRow, 1));
    for (int c = 1; c <= 4; ++c) EXPECT_TRUE(speed.CanEdit(Grid::kFirstIntervalRow, c)) << c;
    EXPECT_FALSE(speed.CanEdit(Grid::kFirstIntervalRow, 5));  // position is computed
    EXPECT_FALSE(speed.CanEdit(Grid::kFirstIntervalRow, 6));
    EXPECT_TRUE(speed.CanEdit(101, 2));
    EXPECT_FALSE(speed.CanEdit(102, 2));
    EXPECT_FALSE(position.CanEdit(Grid::kFirstIntervalRow, 4));  // speed is computed
    EXPECT_TRUE(position.CanEdit(Grid::kFirstIntervalRow, 5));
}

// Edge case: on a dwell row the ramp-time cells cannot be edited.
TEST_F(PatternGridModelTest, RampTimesOfADwellCannotBeEdited) {
    Commit(position, 1, Data::kTimeInterval, "1");
    EXPECT_FALSE(position.CanEdit(GridRow(1), 6));  // still at position 0: a dwell
    Commit(position, 1, Data::kPosition, "80");
    EXPECT_TRUE(position.CanEdit(GridRow(1), 6));
    EXPECT_TRUE(position.CanEdit(GridRow(1), 7));
    EXPECT_FALSE(position.CommitText(Grid::kOriginRow, 2, "1"));
}

TEST_F(PatternGridModelTest, ACommitAppliesTheNumberAndMarksTheCellsItProduced) {
    Commit(speed, 1, Data::kTimeInterval, " 12.5");
    EXPECT_DOUBLE_EQ(speed.Data().Cell(1, Data::kTimeInterval).Value(), 12.5);
    EXPECT_TRUE(speed.Data().Cell(1, Data::kElapsedTime).Entered);
    EXPECT_TRUE(speed.Data().Cell(1, Data::kPosition).Entered);
    EXPECT_FALSE(speed.Data().Cell(1, Data::kSpeed).Entered);  // no speed given yet
    Commit(speed, 1, Data::kFrequency, "-600");                 // reverse motion is allowed
    EXPECT_TRUE(speed.Data().Cell(1, Data::kSpeed).Entered);
    EXPECT_NEAR(speed.Data().Cell(1, Data::kSpeed).Value(), -100, kPatternTolerance);
    EXPECT_EQ(modified, 2);

    Commit(position, 1, Data::kTimeInterval, "1");
    Commit(position, 1, Data::kPosition, "80");
    EXPECT_TRUE(position.Data().Cell(1, Data::kPosition).Entered);
    EXPECT_FALSE(position.Data().Cell(1, Position::kAccelerationTime).Entered);
    EXPECT_TRUE(position.Data().Cell(1, Position::kAcceleratedVelocity).Entered);
}

TEST_F(PatternGridModelTest, UnreadableAndNegativeTimesAreRefusedWithTheText) {
    struct Case {
        Grid* grid;
        int column;
        const char* text;
        bool refused;
    } cases[] = {
        {&speed, Data::kTimeInterval, "abc", true}, {&speed, Data::kTimeInterval, "-1", true},
        {&speed, Data::kElapsedTime, "-1", true},   {&speed, Data::kSpeed, "-5", false},
        {&speed, Data::kSpeed, "", true},           {&position, Data::kTimeInterval, "", false},
        {&position, Data::kPosition, "-20", false}, {&position, Data::kTimeInterval, "1e", true},
    };
    for (const Case& c : cases) {
        const std::string error = CommitError(*c.grid, 1, c.column, c.text);
        EXPECT_EQ(error, c.refused ? std::string("bad number ") + c.text : "") << c.text;
    }
    position.Click(5, 5);
    CommitError(position, 3, Position::kDecelerationTime, "-1");  // a dwell: not editable
    EXPECT_EQ(position.CurrentRow(), 5);
    CommitError(position, 2, Data::kTimeInterval, "-1");
    EXPECT_EQ(position.CurrentRow(), GridRow(2));
    EXPECT_EQ(position.CurrentColumn(), GridColumn(Data::kTimeInterval));
}

// Finite entries whose results overflow (a distance of speed times time beyond the largest
// double) are refused, and the rows are as before the edit.
TEST_F(PatternGridModelTest, EntriesThatOverflowAreRefusedAndUndone) {
    Commit(speed, 1, Data::kTimeInterval, "1e300");
    const std::vector<TRowData> before = speed.Data().RowsSnapshot();
    EXPECT_NE(CommitError(speed, 1, Data::kSpeed, "1e300"), "");
    for (int r = 0; r < speed.Data().RowCount(); ++r)
        for (int c = 0; c < speed.Data().ColumnCount(); ++c)
            EXPECT_EQ(speed.Data().Cell(r, c).Value(), before[static_cast<size_t>(r)].Cell(c).Value());
    EXPECT_TRUE(speed.Data().AllFinite());
    EXPECT_EQ(CommitError(speed, 1, Data::kSpeed, "100"), "");
    EXPECT_TRUE(speed.Data().AllFinite());
}

TEST_F(PatternGridModelTest, RampTimesLongerThanTheIntervalRestoreThePreviousValue) {
    Commit(position, 1, Data::kTimeInterval, "1");
    Commit(position, 1, Data::kPosition, "80");
    Commit(position, 1, Position::kAccelerationTime, "0.6");
    Commit(position, 1, Position::kDecelerationTime, "0.2");
    EXPECT_EQ(CommitError(position, 1, Position::kDecelerationTime, "0.6"), "no room");
    EXPECT_DOUBLE_EQ(position.Data().Cell(1, Position::kDecelerationTime).Value(), 0.2);
    EXPECT_NEAR(position.Data().Cell(1, Data::kSpeed).Value(), 80 / 0.6, kPatternTolerance);
    EXPECT_EQ(CommitError(position, 1, Data::kTimeInterval, "0.5"), "no room");
    EXPECT_DOUBLE_EQ(position.Data().Cell(1, Data::kTimeInterval).Value(), 1);
    // Ramps that fill the interval exactly are accepted although 0.1 + 0.2 > 0.3 in binary.
    Commit(position, 1, Position::kAccelerationTime, "0.1");
    Commit(position, 1, Data::kTimeInterval, "0.3");
    EXPECT_EQ(CommitError(position, 1, Position::kDecelerationTime, "0.2"), "");
    EXPECT_DOUBLE_EQ(position.Data().Cell(1, Position::kDecelerationTime).Value(), 0.2);
}

TEST_F(PatternGridModelTest, TheKeyFilterTakesNumberKeysUpToTwelveCharacters) {
    EXPECT_TRUE(Grid::AcceptsKey("12", false, '5'));
    EXPECT_TRUE(Grid::AcceptsKey("", false, '-'));
    EXPECT_FALSE(Grid::AcceptsKey("12", false, 'e'));
    EXPECT_TRUE(Grid::AcceptsKey("123456789012", false, '\b'));
    EXPECT_FALSE(Grid::AcceptsKey("123456789012", false, '3'));  // a thirteenth digit
    EXPECT_TRUE(Grid::AcceptsKey("123456789012", true, '3'));
}

TEST_F(PatternGridModelTest, CellsShowZeroOnlyOnceEntered) {
    EXPECT_EQ(speed.CellText(Grid::kTitleRow, 2), "Interval");
    EXPECT_EQ(speed.CellText(Grid::kUnitRow, 6), "m/s2");
    EXPECT_EQ(speed.CellText(Grid::kOriginRow, 0), "1");
    EXPECT_EQ(speed.CellText(Grid::kOriginRow, 3), "0.0000");
    EXPECT_EQ(speed.CellText(GridRow(1), 0), "2");
    EXPECT_EQ(speed.CellText(GridRow(1), 4), "");
    EnterSpeeds({0});
    EXPECT_EQ(speed.CellText(GridRow(1), 4), "0.0000");
    EXPECT_EQ(speed.CellText(GridRow(1), 2), "1.0000");
}

TEST_F(PatternGridModelTest, RowHeadersSelectARangeOfIntervals) {
    EXPECT_FALSE(speed.HeaderMouseDown(5, Button::Left));
    speed.HeaderMouseMove(7);
    speed.MouseUp();
    speed.HeaderMouseMove(9);  // no drag any more
    EXPECT_EQ(speed.SelectedRange().Min, 2);
    EXPECT_EQ(speed.SelectedRange().Max, 4);
    EXPECT_EQ(speed.CurrentRow(), 5);
    // The right button keeps a selection that holds the row and opens the menu.
    EXPECT_TRUE(speed.HeaderMouseDown(6, Button::Right));
    EXPECT_EQ(speed.SelectedRows().size(), 3u);
    EXPECT_TRUE(speed.HeaderMouseDown(20, Button::Right));
    EXPECT_EQ(speed.SelectedRows().size(), 1u);
    // Edge case: the origin row has no menu.
    EXPECT_FALSE(speed.HeaderMouseDown(Grid::kOriginRow, Button::Right));
    speed.KeyPressed();
    EXPECT_FALSE(speed.SelectedRange().Valid());
}

TEST_F(PatternGridModelTest, ASelectionReachingTheOriginChangesNothing) {
    EnterSpeeds({100, 0});
    speed.HeaderMouseDown(Grid::kOriginRow, Button::Left);
    speed.HeaderMouseMove(4);
    EXPECT_FALSE(speed.SelectedRange().Valid());
    EXPECT_FALSE(speed.CopySelectedRows());
    EXPECT_FALSE(speed.CutSelectedRows());
    EXPECT_FALSE(speed.DeleteSelectedRows());
    EXPECT_FALSE(speed.InsertRows());
    EXPECT_FALSE(speed.HasCopiedRows());
    EXPECT_EQ(speed.Data().Cell(1, Data::kSpeed).Value(), 100);
}

TEST_F(PatternGridModelTest, CheckBoxesToggleMarksOfIntervalRowsOnly) {
    UseMarks();
    EXPECT_EQ(speed.ColumnCount(), 9);
    speed.CellMouseDown(GridRow(3), 8);
    EXPECT_TRUE(pull.Mark(2));
    EXPECT_TRUE(speed.Marked(GridRow(3), 8));
    EXPECT_EQ(modified, 1);
    speed.CellMouseDown(Grid::kOriginRow, 8);
    speed.CellMouseDown(GridRow(3), 8);
    EXPECT_FALSE(pull.Mark(2));
    EXPECT_EQ(modified, 2);
    EXPECT_FALSE(speed.CanEdit(GridRow(3), 8));
}

// Required check: two cut rows pasted elsewhere take their external-force marks along.
TEST_F(PatternGridModelTest, CutAndPasteOfTwoRowsKeepsTheirMarks) {
    UseMarks();
    EnterSpeeds({10, 20, 30, 40, 50, 60});
    push.SetMark(1, true);  // interval 2 (speed 20)
    pull.SetMark(2, true);  // interval 3 (speed 30)
    pull.SetMark(4, true);  // interval 5 (speed 50)
    speed.HeaderMouseDown(GridRow(2), Button::Left);
    speed.HeaderMouseMove(GridRow(3));
    ASSERT_TRUE(speed.CutSelectedRows());
    EXPECT_EQ(speed.Data().Cell(2, Data::kSpeed).Value(), 40);
    EXPECT_TRUE(pull.Mark(2));  // interval 5 moved up to 3
    speed.Click(GridRow(4), 1);
    ASSERT_TRUE(speed.PasteRows());
    const double speeds[] = {10, 40, 50, 20, 30, 60};
    const bool pushMarks[] = {false, false, false, true, false, false};
    const bool pullMarks[] = {false, false, true, false, true, false};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(speed.Data().Cell(r, Data::kSpeed).Value(), speeds[r - 1]) << r;
        EXPECT_EQ(push.Mark(r - 1), pushMarks[r - 1]) << r;
        EXPECT_EQ(pull.Mark(r - 1), pullMarks[r - 1]) << r;
    }
}

TEST_F(PatternGridModelTest, TheDumpIsAFixedWidthTableOfAllRows) {
    UseMarks();
    EnterSpeeds({100});
    push.SetMark(0, true);
    const std::string dump = speed.TextDump();
    const std::string heading =
        "No Time        Interval    Motor       Speed       Position    Acceleration Push Pull force\r\n";
    const std::string origin = " 0      0.0000      0.0000      0.0000      0.0000      0.0000      0.0000\r\n";
    const std::string first =
        " 1      1.0000      1.0000    600.0000    100.0000     50.0000      0.1000 \u25CB              \r\n";
    EXPECT_EQ(dump.substr(0, heading.size() + origin.size() + first.size()), heading + origin + first);
    EXPECT_EQ(dump.substr(dump.size() - 4), "\r\n\r\n");
    size_t lines = 0;
    for (size_t i = dump.find("\r\n"); i != std::string::npos; i = dump.find("\r\n", i + 2)) ++lines;
    EXPECT_EQ(lines, 1u + 1u + 99u + 1u);
}

TEST_F(PatternGridModelTest, ColumnsShareTheWidthAndTheLastTakesTheRest) {
    EXPECT_EQ(Grid::FitColumnWidths(720, 7), (std::vector<int>{20, 116, 116, 116, 116, 116, 113}));
    EXPECT_EQ(Grid::FitColumnWidths(100, 1), (std::vector<int>{20}));
}

TEST_F(PatternGridModelTest, TheGridElementKeepsChosenUnitsOnly) {
    EnterSpeeds({100, 0});
    speed.ChooseUnit(Data::kSpeed, fx.Unit(402));
    EXPECT_EQ(speed.UnitChoices(Data::kSpeed).size(), 2u);
    pugi::xml_document doc;
    pugi::xml_node grid = doc.append_child("Grid");
    speed.SaveGrid(grid);
    EXPECT_STREQ(grid.child("PatternBehavior").text().get(), "Straight");
    EXPECT_STREQ(grid.child("InputType").text().get(), "Speed");
    pugi::xml_node unit = grid.child("MeasureList").child("Value");
    EXPECT_STREQ(unit.attribute("Col").value(), "3");
    EXPECT_STREQ(unit.text().get(), "402");
    EXPECT_FALSE(unit.next_sibling());
    // Units naming another quantity, no unit or no column are skipped.
    pugi::xml_node list = grid.child("MeasureList");
    for (const auto& [col, code] : {std::pair{"0", "101"}, {"1", "x"}, {"9", "302"}, {"0", "302"}}) {
        pugi::xml_node v = list.append_child("Value");
        v.append_attribute("Col").set_value(col);
        v.text().set(code);
    }
    Grid loaded(fx.services, TPatternAxis::Straight, TPatternInput::Speed);
    loaded.LoadGrid(grid);
    EXPECT_EQ(loaded.Data().DisplayUnit(Data::kSpeed).Code(), 402);
    EXPECT_EQ(loaded.Data().DisplayUnit(Data::kElapsedTime).Code(), 302);
    EXPECT_EQ(loaded.Data().DisplayUnit(Data::kTimeInterval).Code(), 301);
    EXPECT_NEAR(loaded.Data().Cell(1, Data::kSpeed).DisplayValue(), 0.1, kPatternTolerance);
}

}  // namespace
}  // namespace kinemo::test
