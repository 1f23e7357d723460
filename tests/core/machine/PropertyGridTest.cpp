// The property grid's rules: cell texts, what may be edited, and what an edit changes.
#include "core/machine/MachineFixture.h"

#include "machine/PropertyGridModel.h"
#include "units/Material.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

struct Grid {
    explicit Grid(MachineFixture& fx, bool user = false)
        : materials(*fx.query), format(4), model(materials, *fx.measures, format, user) {}
    TMaterialManager materials;
    TValueFormat format;
    TPropertyGridModel model;
};

}  // namespace

TEST(PropertyGrid, RowsShowNameValuesUnitsAndCalculatedItems) {
    MachineFixture fx;
    Grid g(fx);
    fx.Add(30);
    TFactor& table = fx.Add(40);
    g.model.SetElement(&table);
    EXPECT_EQ(g.model.RowCount(), 8);  // 6 items + heading + name
    EXPECT_EQ(g.model.CellText(1, 1), "Table");
    EXPECT_EQ(g.model.CellText(2, 0), "Mass");
    EXPECT_EQ(g.model.CellText(2, 1), "5");
    EXPECT_EQ(g.model.CellText(2, 2), "kg");
    EXPECT_EQ(g.model.CellText(3, 1), "1.5");  // 1500 mm shown in m
    EXPECT_EQ(g.model.CellText(4, 1), "Whole pattern");
    EXPECT_EQ(g.model.CellText(6, 1), "10.0000");  // calculated: twice the mass
    EXPECT_TRUE(g.model.IsCalcRow(6));
    EXPECT_EQ(g.model.EditKind(2, 1), TPropertyEdit::InPlace);
    EXPECT_EQ(g.model.EditKind(2, 2), TPropertyEdit::UnitCombo);
    EXPECT_EQ(g.model.EditKind(4, 1), TPropertyEdit::ChoiceCombo);
    EXPECT_EQ(g.model.EditKind(5, 1), TPropertyEdit::InPlace);  // memo
    EXPECT_EQ(g.model.EditKind(6, 1), TPropertyEdit::None);
    EXPECT_EQ(g.model.EditKind(1, 1), TPropertyEdit::None);
}

TEST(PropertyGrid, TypedValuesCommitOnceAndRecomputeCalculatedItems) {
    MachineFixture fx;
    Grid g(fx);
    int modified = 0, projectChanged = 0;
    g.model.OnModified = [&] { ++modified; };
    g.model.OnProjectChanged = [&] { ++projectChanged; };
    fx.Add(30);
    TFactor& table = fx.Add(40);
    g.model.SetElement(&table);
    g.model.CommitText(2, "12.5");
    EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), 12.5);
    EXPECT_EQ(g.model.CellText(6, 1), "25.0000");
    EXPECT_EQ(modified, 1);
    // Not a number: refused, the value stays (the catalog's error texts are at hand).
    EXPECT_THROW(g.model.CommitText(2, "abc"), TKinemoError);
    EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), 12.5);
    g.model.CommitText(5, "note");
    EXPECT_EQ(g.model.CellText(5, 1), "note");
    EXPECT_EQ(modified, 1);  // a memo is no change to the machine
    EXPECT_EQ(projectChanged, 1);  // but one to the project, which must ask before closing
    g.model.CommitText(5, "note");
    EXPECT_EQ(projectChanged, 1);
}

TEST(PropertyGrid, MaterialValuesAreConvertedIntoTheShownUnit) {
    MachineFixture fx;
    Grid g(fx);
    fx.Add(30);
    TFactor& pusher = fx.Add(41);
    g.model.SetElement(&pusher);
    const int densityRow = 3;
    ASSERT_EQ(g.model.CellText(densityRow, 0), "Density");
    EXPECT_EQ(g.model.EditKind(densityRow, 1), TPropertyEdit::MaterialCombo);
    g.model.ChooseUnit(densityRow, fx.measures->FindMeasure(402));
    std::vector<TMaterial> list = g.model.Materials(densityRow);
    ASSERT_EQ(list.size(), 2u);
    g.model.ChooseMaterial(densityRow, list[1]);  // aluminium, 2700 kg/m3
    EXPECT_EQ(g.model.CellText(densityRow, 1), "2.7");
    EXPECT_DOUBLE_EQ(pusher.FindInputItemByID(403)->GetValue(), 2700);
    EXPECT_TRUE(pusher.FindInputItemByID(403)->UnitChanged);
}

TEST(PropertyGrid, UserEditorKeepsDefaultsPlain) {
    MachineFixture fx;
    Grid g(fx, true);
    std::unique_ptr<TFactor> table = fx.Catalog(40).Clone();
    g.model.SetElement(table.get());
    EXPECT_EQ(g.model.RowCount(), 7);  // items + heading, no name row
    EXPECT_EQ(g.model.CellText(1, 0), "Mass");
    g.model.ChooseChoice(3, 1);
    EXPECT_EQ(table->ExternalForceItem()->Choice, 0);
    g.model.ChooseUnit(2, fx.measures->FindMeasure(102));
    EXPECT_FALSE(table->FindInputItemByID(402)->UnitChanged);
}

// The editor reports every change and once more at the end: only a repeated report
// commits, and after it nothing is remembered that a new entry could repeat.
TEST(PropertyGrid, OnlyARepeatedReportCommits) {
    MachineFixture fx;
    Grid g(fx);
    int modified = 0, projectChanged = 0;
    g.model.OnModified = [&] { ++modified; };
    g.model.OnProjectChanged = [&] { ++projectChanged; };
    fx.Add(30);
    TFactor& table = fx.Add(40);
    g.model.SetElement(&table);
    g.model.BeginEdit();
    const struct {
        const char* text;
        bool commits;
    } reports[] = {{"5", false}, {"1", false}, {"12", false}, {"12.5", false}, {"12.5", true}, {"12.5", false}};
    for (const auto& r : reports) EXPECT_EQ(g.model.ReportEditText(2, r.text), r.commits) << r.text;
    EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), 12.5);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(g.model.LastEditText(), "12.5");  // the last report started a new entry
    g.model.BeginEdit();
    EXPECT_EQ(g.model.LastEditText(), TPropertyGridModel::CommitSentinel());
    EXPECT_EQ(TPropertyGridModel::CommitSentinel().size(), 25u);
}

TEST(PropertyGrid, TextThatIsNoNumberIsRefusedOnceErrorTextsAreGiven) {
    MachineFixture fx;
    Grid g(fx);
    g.model.SetErrorMessages(fx.errors.get());
    fx.Add(30);
    TFactor& table = fx.Add(40);
    g.model.SetElement(&table);
    g.model.CommitText(2, "7");
    for (const char* bad : {"abc", "1-2", "..", "-"}) {
        try {
            g.model.CommitText(2, bad);
            ADD_FAILURE() << bad;
        } catch (const TFormatErrorMessageException& e) {
            EXPECT_EQ(e.Key(), "NotNumberInputItem");
            EXPECT_EQ(std::string(e.what()), "\"" + std::string(bad) + "\" is no number (Mass)");
        }
        EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), 7) << bad;
    }
    g.model.CommitText(2, "");  // an emptied cell is 0
    EXPECT_EQ(table.FindInputItemByID(400)->GetValue(), 0.0);
}

TEST(PropertyGrid, ComboKeyFilter) {
    const struct {
        char32_t key;
        size_t length;
        bool selection;
        bool accepted;
    } cases[] = {
        {U'7', 0, false, true},   {U'-', 3, false, true},  {U'.', 11, false, true}, {U'0', 12, false, false},
        {U'0', 12, true, true},   {U'a', 0, false, false}, {U'e', 2, false, false}, {U'\b', 2, false, false},
        {U'+', 0, false, false},  {U'９', 0, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PropertyComboKeyAccepted(c.key, c.length, c.selection), c.accepted)
            << static_cast<unsigned>(c.key) << " at " << c.length;
}

// A copied element keeps each chosen unit, so the copy saves and shows it too.
TEST(PropertyGrid, ACloneKeepsTheChosenUnits) {
    MachineFixture fx;
    Grid g(fx);
    fx.Add(30);
    TFactor& table = fx.Add(40);
    g.model.SetElement(&table);
    g.model.ChooseUnit(3, fx.measures->FindMeasure(102));
    std::unique_ptr<TFactor> copy = table.Clone();
    TInputData* length = copy->FindInputItemByID(402);
    EXPECT_EQ(length->DisplayUnit, fx.measures->FindMeasure(102));
    EXPECT_TRUE(length->UnitChanged);
    EXPECT_DOUBLE_EQ(length->GetValue(), table.FindInputItemByID(402)->GetValue());
}
