// The chain: editing limits and messages, external-force variants per interval, the
// input check, and the machine's project-file section.
#include "core/machine/MachineFixture.h"

#include "machine/UserFactorFile.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

void SetChoice(MachineFixture& fx, TFactor& f, int choice) { fx.model->SetExternalForceChoice(f, choice); }

}  // namespace

TEST(ChainEditing, TheChainLimitDoesNotCountTheMotor) {
    MachineFixture fx(3);
    fx.Add(20);
    fx.Add(20);
    fx.Add(20);
    try {
        fx.model->AddFactor(fx.Catalog(20));
        FAIL();
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "NotInsertFactor");
    }
    EXPECT_EQ(fx.chain->Count(), 4);
}

TEST(ChainEditing, AnElementThatDoesNotDockIsRefusedWithAMessage) {
    MachineFixture fx;
    EXPECT_FALSE(fx.model->AddFactor(fx.Catalog(40)));  // linear input right after the motor
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].text, "Cannot attach");
    EXPECT_EQ(fx.chain->Count(), 1);
}

TEST(ChainEditing, AtMostFiveElementsAcceptAnExternalForce) {
    MachineFixture fx;
    fx.Add(30);
    for (int i = 0; i < 5; ++i) fx.Add(40);
    EXPECT_FALSE(fx.model->AddFactor(fx.Catalog(41)));
    EXPECT_EQ(fx.dialogs.messages.back().text, "Too many external force elements");
    EXPECT_EQ(fx.chain->CountAcceptingExternalForce(), 5);
}

TEST(ChainEditing, RemovingAMiddleElementNeedsFittingNeighbours) {
    MachineFixture fx;
    fx.Add(20);  // rotary
    fx.Add(30);  // converter
    fx.Add(40);  // linear
    EXPECT_EQ(fx.model->RemoveCheck(2), 2);  // gear -> table would not dock
    try {
        fx.model->RemoveFactorAt(2);
        FAIL();
    } catch (const TErrorMessageException& e) {
        EXPECT_EQ(std::string(e.what()), "Neighbours do not fit");
    }
    EXPECT_EQ(fx.model->RemoveCheck(3), 0);  // the last is always removable
    EXPECT_EQ(fx.model->RemoveCheck(0), 1);  // the motor never
    EXPECT_EQ(fx.model->RemoveCheck(1), 0);  // motor -> converter docks
    EXPECT_NE(fx.model->RemoveFactorAt(3), nullptr);
    EXPECT_EQ(fx.chain->Count(), 3);
}

TEST(ChainEditing, BrakePresetFollowsTheFirstAndLastBrakedElement) {
    MachineFixture fx;
    std::vector<int> presets;
    fx.model->OnBrakePreset = [&](int v) { presets.push_back(v); };
    fx.Add(21);
    fx.Add(21);
    fx.model->RemoveFactor(2);
    fx.model->RemoveFactor(1);
    EXPECT_EQ(presets, (std::vector<int>{1, 2}));
}

TEST(ChainEditing, CopyPasteAndMovesObeyDocking) {
    MachineFixture fx;
    fx.Add(20);
    fx.Add(30);
    fx.model->SetCurrentColumn(1);
    fx.model->Copy();
    fx.model->SetCurrentColumn(2);  // after the converter comes a linear interface
    EXPECT_FALSE(fx.model->CanPaste());
    fx.model->SetCurrentColumn(1);
    EXPECT_TRUE(fx.model->CanPaste());
    fx.model->Paste();
    EXPECT_EQ(fx.chain->Count(), 4);
    EXPECT_FALSE(fx.model->CanMove(3, 2));  // onto the column just before itself
    EXPECT_TRUE(fx.model->CanMove(1, 2));
}

TEST(ChainInputs, CheckNamesTheFirstIncompleteElement) {
    MachineFixture fx;
    fx.Add(30);
    TFactor& table = fx.Add(40);
    EXPECT_TRUE(fx.model->CheckInputs());
    table.FindInputItemByID(400)->SetValue(0);  // required mass
    EXPECT_FALSE(fx.model->CheckInputs());
    EXPECT_EQ(fx.dialogs.messages.back().text, "Enter the values of Table");
    table.FindInputItemByID(402)->SetValue(0);  // optional: fine
    table.FindInputItemByID(400)->SetValue(1);
    EXPECT_TRUE(fx.model->CheckInputs());
}

TEST(ExternalForce, MarksChooseTheVariantPerInterval) {
    MachineFixture fx;
    fx.Add(30);
    TFactor& table = fx.Add(40);
    SetChoice(fx, table, 1);
    TExternalForceGridData grid(0);
    fx.chain->EnrolExternalForceGrid(&grid);
    ASSERT_EQ(grid.ColumnCount(), 1);
    for (int k = 3; k <= 5; ++k) grid.Column(0)->SetMark(k, true);
    fx.chain->SetTableColumns(grid.Columns());
    TCarryTable table101;
    fx.chain->CalcCarryTable(nullptr, table101);
    const double withForce = fx.chain->CalcChain(true, false).TF;
    const double without = fx.chain->CalcChain(false, false).TF;
    EXPECT_GT(withForce, 0);
    EXPECT_EQ(without, 0);  // the table is skipped entirely when its switch is off
    for (int t = 0; t <= 100; ++t) EXPECT_EQ(table101[t].TF, t >= 3 && t <= 5 ? withForce : without) << t;
}

TEST(ExternalForce, SecondElementsMarksTakeCaseZeroOne) {
    MachineFixture fx;
    fx.Add(30);
    TFactor& near = fx.Add(41);  // pusher: adds Fp to H
    TFactor& far = fx.Add(40);   // table: adds M to F
    SetChoice(fx, near, 1);
    SetChoice(fx, far, 1);
    TExternalForceGridData grid(1);
    fx.chain->EnrolExternalForceGrid(&grid);
    ASSERT_EQ(grid.ColumnCount(), 2);
    grid.Column(1)->SetMark(7, true);
    fx.chain->SetTableColumns(grid.Columns());
    TCarryTable t;
    fx.chain->CalcCarryTable(nullptr, t);
    EXPECT_GT(t[7].TF, 0);   // far element on
    EXPECT_EQ(t[7].TH, 0);   // near element off
    EXPECT_EQ(t[6].TF, 0);
    // A third marked-intervals choice is refused and stays on the whole pattern.
    fx.model->SetCurrentColumn(3);
    TFactor& third = fx.Add(40);
    EXPECT_FALSE(fx.model->SetExternalForceChoice(third, 1));
    EXPECT_EQ(third.ExternalForceItem()->Choice, 0);
    EXPECT_EQ(fx.dialogs.messages.back().text, "Only two");
    // Removing an external-force element leaves the grid only the other's column.
    fx.model->RemoveFactor(fx.chain->IndexOf(&far));
    EXPECT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(grid.Column(0), near.GetExternalForceColumn(1));
    fx.chain->WithdrawExternalForceGrid(&grid);
}

TEST(ExternalForce, MarksMoveWithTheirRows) {
    TExternalForceColData col;
    col.SetMark(4, true);
    col.SetMark(5, true);
    col.CopyRows(4, 5);
    col.DeleteRows(4, 5);
    EXPECT_FALSE(col.Mark(4));
    col.PasteRows(1);
    EXPECT_TRUE(col.Mark(1));
    EXPECT_TRUE(col.Mark(2));
    EXPECT_FALSE(col.Mark(3));
    col.InsertRows(0, 0);
    EXPECT_FALSE(col.Mark(1));
    EXPECT_TRUE(col.Mark(2));
    EXPECT_TRUE(col.Mark(3));
    pugi::xml_document doc;
    pugi::xml_node parent = doc.append_child("ExternalForce");
    col.SaveToXML(parent);
    int rows = 0;
    for (pugi::xml_node r : parent.child("ExternalForceCol").children()) {
        EXPECT_EQ(std::string(r.attribute("Row").value()), std::to_string(rows));
        ++rows;
    }
    EXPECT_EQ(rows, 100);
    TExternalForceColData back;
    back.LoadFromXML(parent.child("ExternalForceCol"));
    for (int k = 0; k < 100; ++k) EXPECT_EQ(back.Mark(k), col.Mark(k)) << k;
}

TEST(ChainSection, SaveAndLoadRestoreTheChainWithValuesAndMarks) {
    MachineFixture fx;
    fx.Add(20).FindInputItemByID(200)->SetValue(3);
    fx.Add(30);
    TFactor& table = fx.Add(40);
    SetChoice(fx, table, 1);
    table.GetExternalForceColumn(1)->SetMark(9, true);
    pugi::xml_document doc;
    pugi::xml_node section = doc.append_child("FrameChoiceFactor");
    fx.model->SaveToXML(section);
    const CarryOutput before = fx.chain->CalcChain(true, false);

    MachineFixture other;
    other.model->LoadFromXML(section);
    ASSERT_EQ(other.chain->Count(), 4);
    EXPECT_DOUBLE_EQ(other.chain->GetFactor(1)->FindInputItemByID(200)->GetValue(), 3);
    EXPECT_TRUE(other.chain->GetFactor(3)->HasExternalForce());
    EXPECT_TRUE(other.chain->GetFactor(3)->GetExternalForceColumn(1)->Mark(9));
    EXPECT_DOUBLE_EQ(other.chain->CalcChain(true, false).JL, before.JL);
    EXPECT_EQ(other.model->CurrentColumn(), 0);
}

TEST(ChainSection, BadSectionsGiveClearErrors) {
    MachineFixture fx;
    pugi::xml_document doc;
    pugi::xml_node section = doc.append_child("FrameChoiceFactor");
    pugi::xml_node f = section.append_child("Factor");
    f.append_child("FactorID").text().set("20");
    EXPECT_THROW(
        {
            try {
                fx.model->LoadFromXML(section);
            } catch (const TKinemoError& e) {
                EXPECT_STREQ(e.what(), "Illegal Format");
                throw;
            }
        },
        TKinemoError);
}

// A machine the catalog cannot build opens with the elements that fit and a message
// naming each one left out; editing the chain afterwards ends the message.
TEST(ChainSection, ElementsThatDoNotFitAreLeftOutAndNamed) {
    struct Case {
        const char* name;
        std::vector<const char*> ids;   // in file order
        std::vector<int> kept;          // catalog IDs of the chain after the motor
        const char* problems;
    };
    const Case cases[] = {
        {"unknown element", {"20", "999", "21"}, {20, 21}, "Machine does not fit:\nelement 2 (ID 999) unknown"},
        // Linear table straight after the rotary motor shaft, then the screw: the screw
        // fits the motor and stays; the table is named with the element it cannot follow.
        {"docking rule", {"40", "30"}, {30}, "Machine does not fit:\nelement 1 Table cannot follow motor"},
        {"several", {"30", "20", "40", "abc"}, {30, 40},
         "Machine does not fit:\nelement 2 Gear cannot follow Screw\nelement 4 (ID abc) unknown"},
        {"all fit", {"20", "30", "40"}, {20, 30, 40}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MachineFixture fx;
        pugi::xml_document doc;
        pugi::xml_node section = doc.append_child("FrameChoiceFactor");
        for (const char* id : c.ids) {
            pugi::xml_node f = section.append_child("Factor");
            f.append_child("FactorID").text().set(id);
            f.append_child("InputData");
        }
        fx.model->LoadFromXML(section);
        std::vector<int> kept;
        for (int i = 1; i < fx.chain->Count(); ++i) kept.push_back(fx.chain->GetFactor(i)->ID);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(fx.model->LoadProblemText(), c.problems);
        if (fx.chain->Count() > 1) {
            fx.model->SetCurrentColumn(fx.chain->Count() - 1);
            fx.model->Delete();
            EXPECT_EQ(fx.model->LoadProblemText(), "");
        }
    }
}

// The chain's own results: an impossible load inertia, speed coefficient or efficiency
// stops the calculation with a message naming the element that produced it. The test
// catalog has no ranges, so the inputs reach the formulas.
TEST(ChainResults, ImpossibleCarryValuesNameTheElement) {
    struct Case {
        const char* name;
        int item;          // of the element below
        double value;      // formula unit
        const char* message;  // empty: the chain computes
    };
    const Case cases[] = {
        {"negative mass gives negative inertia at the screw", 400, -5, "element 1 Screw gives JLout = -1.26651479552922E-5"},
        {"negative lead gives a negative speed coefficient", 300, -0.01, "element 1 Screw gives Vout = -6"},
        {"sound values", 400, 5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MachineFixture fx;
        TFactor& screw = fx.Add(30);
        TFactor& table = fx.Add(40);
        TFactor& target = c.item == 300 ? screw : table;
        target.FindInputItemByID(c.item)->SetValue(c.value);
        if (*c.message == 0) {
            EXPECT_NO_THROW(fx.chain->CalcChain(false, false));
            continue;
        }
        try {
            fx.chain->CalcChain(false, false);
            ADD_FAILURE() << "no error";
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(ChainTrace, EveryCaseAppearsInTheTraceEvenWhenComputedOnce) {
    MachineFixture fx;
    fx.Add(30);
    fx.Add(40);
    TCarryTable table;
    fx.chain->CalcCarryTable(nullptr, table);
    const auto& lines = fx.trace.Lines();
    std::vector<size_t> headings;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "=======================") headings.push_back(i);
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(lines[headings[0] + 1], "受け渡し出力(外力=××)");
    EXPECT_EQ(lines[headings[3] + 1], "受け渡し出力(外力=○○)");
    const std::vector<std::string> first(lines.begin() + headings[0] + 2, lines.begin() + headings[1]);
    const std::vector<std::string> last(lines.begin() + headings[3] + 2, lines.end());
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, last);
}

TEST(ChainTrace, AnElementErrorNamesItsOwnLine) {
    MachineFixture fx;
    fx.Add(30);
    fx.Add(43);
    try {
        fx.chain->CalcChain(false, false);
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "line 1: Division by zero: WAout = 1 / 0");
    }
}

// A run on inputs seen lately takes its earlier results: outputs, every element's carry
// and the trace must be exactly those of a full run, and a changed input must not be
// answered from an earlier run.
TEST(ChainRepeat, RepeatedInputsGiveTheFullRunsResultsAndChangedInputsAreRecomputed) {
    MachineFixture fx;
    TFactor& screw = fx.Add(30);
    TFactor& table = fx.Add(40);
    auto carries = [&] { return std::vector<std::vector<std::string>>{screw.CarryOut.Lines(), table.CarryOut.Lines()}; };
    auto sameOutput = [](const CarryOutput& a, const CarryOutput& b) {
        return a.JL == b.JL && a.TF == b.TF && a.TU == b.TU && a.TH == b.TH && a.V == b.V && a.A == b.A && a.B == b.B;
    };

    fx.trace.Clear();
    const CarryOutput first = fx.chain->CalcChain(false, false);
    const std::vector<std::string> firstTrace = fx.trace.Lines();
    const auto firstCarries = carries();
    ASSERT_FALSE(firstTrace.empty());

    TInputData* mass = table.FindInputItemByID(400);
    const double m = mass->GetValue();
    mass->SetValue(m * 2);
    fx.trace.Clear();
    const CarryOutput heavier = fx.chain->CalcChain(false, false);
    EXPECT_GT(heavier.JL, first.JL);
    EXPECT_NE(fx.trace.Lines(), firstTrace);
    EXPECT_NE(carries(), firstCarries);

    mass->SetValue(m);
    fx.trace.Clear();
    const CarryOutput again = fx.chain->CalcChain(false, false);
    EXPECT_TRUE(sameOutput(again, first));
    EXPECT_TRUE(sameOutput(fx.chain->LastOutput(), first));
    EXPECT_EQ(fx.trace.Lines(), firstTrace);
    EXPECT_EQ(carries(), firstCarries);

    // Renaming an element changes only its trace lines, and they must follow.
    table.Name = "Renamed table";
    fx.trace.Clear();
    fx.chain->CalcChain(false, false);
    const auto& lines = fx.trace.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "要素名=Renamed table"), lines.end());
}

// The motor shaft's record: "TDout" when the formulas hand it over; a catalog that knows no
// such value keeps the lifting figure for every interval (TD = TH), never a missing share.
TEST(ChainOutput, LoweringShareFallsBackToTheHoldingTorque) {
    struct Case {
        const char* td;  // nullptr: not handed over
        double expected;
    };
    const Case cases[] = {{"0.25", 0.25}, {"-0.1", -0.1}, {"0", 0}, {nullptr, 0.4}, {"", 0.4}, {"x", 0.4}};
    for (const Case& c : cases) {
        TNameValueList carry;
        carry.SetValue("THout", "0.4");
        if (c.td) carry.SetValue("TDout", c.td);
        const CarryOutput out = ReadCarryOutput(carry);
        EXPECT_EQ(out.TH, 0.4);
        EXPECT_EQ(out.TD, c.expected) << (c.td ? c.td : "(none)");
    }
}
