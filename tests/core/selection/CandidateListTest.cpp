// The candidate list: judging one and all, levels taking effect at the next run, cell
// texts, the committed lock and the project section written and read back.
#include "core/machine/MachineFixture.h"
#include "core/selection/SearchFixture.h"

#include "selection/CandidateListModel.h"
#include "base/Catalog.h"
#include "torque/CalcDischarge.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace kinemo;

namespace {

// Every motor gets the same simple pattern: 0 -> 3000 -> 0 r/min, then a dwell.
class PatternSource : public ITorqueSource {
public:
    PatternSource(const TTorqueEnvironment& env, TCalcCarryValue& chain) : env_(env), chain_(chain) {}
    bool empty = false;
    std::vector<std::unique_ptr<TTorqueValue>> BuildTorqueValues(const TMotor& motor, double j) override {
        std::vector<std::unique_ptr<TTorqueValue>> out;
        if (empty) return out;
        const CarryOutput c = chain_.CalcChainForMotor(false, false, motor.GearData());
        out.push_back(std::make_unique<TTorqueValue>(env_, c, 3000, 0, 0.1, j));
        out.push_back(std::make_unique<TTorqueValue>(env_, c, 0, 3000, 0.1, j));
        out.push_back(std::make_unique<TTorqueValue>(env_, c, 0, 0, 0.8, j));
        return out;
    }

private:
    TTorqueEnvironment env_;
    TCalcCarryValue& chain_;
};

struct Fixture {
    Fixture() {
        test::MakeCatalog(dir.File("m.db"), test::SearchCatalogSql() + R"(
            INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
              (1, 'frame_choice_motor', 'MotorGrid[0]', 'Model', 'name'),
              (2, 'frame_choice_motor', 'MotorGridWidth[0]', '120', '2'),
              (3, 'frame_choice_motor', 'MotorGridWidth[1]', '80', '1'),
              (4, 'frame_choice_motor', 'RegenerationResistanceLoadRate', 'not needed', NULL),
              (5, 'frame_choice_motor', 'MaxTorque(60)', '60', NULL),
              (6, 'frame_choice_motor', 'EffectiveTorque(60)', '60', NULL),
              (7, 'frame_choice_motor', 'MaxFrequency(60)', '5000', NULL),
              (8, 'frame_choice_motor', 'RunningTorque(60)', '60', NULL),
              (9, 'frame_choice_motor', 'Inertia(60)', '30', NULL),
              (10, 'frame_choice_motor', 'MaxTorque(Custom)', '90', NULL),
              (11, 'error', 'NotInputVoltate', 'Enter the supply voltage', NULL),
              (12, 'error', 'NotInputDrivePattern', 'Enter a drive pattern', NULL);)");
        TCatalog sample(test::SampleCatalogPath());
        TCatalogQuery sq(sample);
        torqueFormulas = TTorqueValueFormula::Load(sq);
        formulas = TCalcDischargeFormula(sq);
        catalog = std::make_unique<TCatalog>(dir.File("m.db"));
        query = std::make_unique<TCatalogQuery>(*catalog);
        errors = std::make_unique<TErrorMessage>(*query);
        labels.SetValue("0", "OK");
        labels.SetValue("1", "Warning");
        labels.SetValue("2", "NG");
        labels.SetValue("4", "No regeneration");
        env = {&torqueFormulas, machine.constants.get(), "1"};
        source = std::make_unique<PatternSource>(env, *machine.chain);
        discharge = std::make_unique<TCalcDischarge>(formulas, torqueFormulas, *machine.constants, *machine.chain,
                                                     machine.trace);
        discharge->SetTorqueSource(source.get());
        search = std::make_unique<TMotorChoiceModel>(*query, *machine.chain, formulas, format);
        list = std::make_unique<TCandidateListModel>(*search, *discharge, *errors, machine.dialogs, format, labels);
        search->OnCandidates = [this](std::vector<std::unique_ptr<TMotor>> l) { list->SetCandidates(std::move(l)); };
        list->LoadTexts(*query);
        search->Initialize();
        search->EndSetup();
        machine.Add(21);  // a 0.5 kg·m² hub: every small motor fails the inertia ratio
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (const TMotor* m : list->DisplayList()) out.push_back(m->msv_model_all);
        return out;
    }

    test::TempDir dir;
    test::MachineFixture machine;
    TTorqueValueFormula torqueFormulas;
    TCalcDischargeFormula formulas;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    std::unique_ptr<TErrorMessage> errors;
    TNameValueList labels;
    TValueFormat format{2};
    TTorqueEnvironment env;
    std::unique_ptr<PatternSource> source;
    std::unique_ptr<TCalcDischarge> discharge;
    std::unique_ptr<TMotorChoiceModel> search;
    std::unique_ptr<TCandidateListModel> list;
};

class CountingProgress : public IProgress {
public:
    std::vector<int> positions;
    void Progress(int position, int, const std::string&) override { positions.push_back(position); }
};

}  // namespace

TEST(CandidateList, LevelsTakeEffectAtTheNextJudgementRun) {
    Fixture f;
    f.search->SelectEntry(siSupply, f.search->Item(siSupply).IndexOfCode(2));
    f.search->SelectEntry(siPhase, f.search->Item(siPhase).IndexOfCode(2));
    f.search->SelectEntry(siBrake, f.search->Item(siBrake).IndexOfCode(2));
    const size_t all = f.list->FullList().size();
    ASSERT_GE(all, 2u);
    CountingProgress progress;
    ASSERT_TRUE(f.list->JudgeAllCandidates(&progress));
    EXPECT_EQ(f.list->DisplayList().size(), all);  // level All keeps everything
    EXPECT_EQ(progress.positions.back(), static_cast<int>(all));
    f.list->SetLevel(TAdjudicationLevel::L60);
    EXPECT_EQ(f.list->DisplayList().size(), all);  // not re-filtered yet
    ASSERT_TRUE(f.list->JudgeAllCandidates(nullptr));
    EXPECT_TRUE(f.list->DisplayList().empty());  // inertia ratio in the thousands
    EXPECT_EQ(f.list->FullList().size(), all);
}

TEST(CandidateList, CellTextsFollowTheJudgement) {
    Fixture f;
    ASSERT_FALSE(f.list->DisplayList().empty());
    TMotor& m = *f.list->DisplayList()[0];
    EXPECT_EQ(f.list->CellText(0, 0), m.msv_model_all);
    EXPECT_EQ(f.list->CellText(0, 3), "");  // not judged yet
    EXPECT_EQ(f.list->CellText(0, 4), "");
    ASSERT_TRUE(f.list->JudgeOneMotor(m));
    EXPECT_EQ(f.list->CellText(0, 3), f.format.Display(m.MotorInertiaRatio));
    EXPECT_EQ(f.list->CellText(0, 4), "NG");
    m.RegenerationResistanceLoadRate = "-";
    EXPECT_EQ(f.list->CellText(0, 13), "not needed");
    m.RegenerationResistanceLoadRate = "12.5";
    EXPECT_EQ(f.list->CellText(0, 13), "12.50");
    EXPECT_EQ(f.list->Column(0).Header, "Model");
    EXPECT_EQ(f.list->Column(0).SubHeader, "name");
    const auto widths = f.list->ColumnWidths(120 + 80 + 13 * 100 + 15 + 30, 1);
    EXPECT_EQ(widths[0], 140);  // 30 spare pixels shared 2:1
    EXPECT_EQ(widths[1], 90);
    EXPECT_EQ(widths[2], 100);
}

TEST(CandidateList, FailuresStopTheRunWithTheirMessage) {
    Fixture f;
    f.search->SetInputSupplyText("two hundred");
    EXPECT_FALSE(f.list->JudgeAllCandidates(nullptr));
    ASSERT_EQ(f.machine.dialogs.messages.size(), 1u);  // shown once, not per motor
    EXPECT_EQ(f.machine.dialogs.messages[0].text, "Enter the supply voltage");
    f.search->SetInputSupplyText("200");
    f.source->empty = true;
    EXPECT_FALSE(f.list->JudgeOneMotor(*f.list->FullList()[0]));
    EXPECT_EQ(f.machine.dialogs.messages.back().text, "Enter a drive pattern");
    EXPECT_FALSE(f.list->FullList()[0]->Judged);
}

TEST(CandidateList, CommittedMotorRowIsLocked) {
    Fixture f;
    TMotor committed = *f.list->FullList().back();
    f.list->SetCommittedMotor(&committed);
    EXPECT_EQ(f.list->LockedRow(), static_cast<int>(f.list->DisplayList().size()) - 1);
    EXPECT_TRUE(f.search->Committed());
    f.list->SetCommittedMotor(nullptr);
    EXPECT_EQ(f.list->LockedRow(), -1);
}

TEST(CandidateList, SectionRoundTripRestoresSearchLevelAndJudgedMotors) {
    Fixture f;
    f.search->SelectEntry(siSupply, f.search->Item(siSupply).IndexOfCode(2));
    f.search->SetInputSupplyText("230");
    f.search->SetPositionRangeText("15");
    TDisplayCondition custom;
    custom.MaxTorque = 75;
    custom.Inertia = 12.5;
    f.list->SetCustomCondition(custom);
    f.list->SetLevel(TAdjudicationLevel::Custom);
    ASSERT_TRUE(f.list->JudgeOneMotor(*f.list->DisplayList()[0]));
    pugi::xml_document doc;
    pugi::xml_node section = doc.append_child("FrameChoiceMotor");
    f.list->SaveSection(section);
    EXPECT_STREQ(section.child("AdjudicationLevel").text().get(), "Custom");
    EXPECT_STREQ(section.child("SearchCondition").child("Supply").child("CurrentID").text().get(), "2");
    EXPECT_EQ(std::distance(section.child("AdjudicateMotor").children("Motor").begin(),
                            section.child("AdjudicateMotor").children("Motor").end()),
              1);

    Fixture g;
    g.list->LoadSection(section);
    EXPECT_EQ(g.search->InputSupplyText(), "230");
    EXPECT_EQ(g.search->PositionRangeText(), "15");
    EXPECT_EQ(g.list->Level(), TAdjudicationLevel::Custom);
    EXPECT_DOUBLE_EQ(g.list->ActiveCondition().Inertia, 12.5);
    EXPECT_EQ(g.search->Item(siSupply).CurrentCode(), 2);
    EXPECT_EQ(g.Shown(), f.Shown());
    ASSERT_FALSE(g.list->DisplayList().empty());
    EXPECT_TRUE(g.list->DisplayList()[0]->Judged);
    EXPECT_DOUBLE_EQ(g.list->DisplayList()[0]->MotorInertiaRatio, f.list->DisplayList()[0]->MotorInertiaRatio);

    section.child("InputSupply").text().set("2x0");
    Fixture h;
    EXPECT_THROW(h.list->LoadSection(section), TKinemoError);
}

TEST(DisplayCondition, ThresholdsPassEqualValuesAndAllPassesEverything) {
    TMotor m;
    m.MotorInertiaRatio = 5;
    TDisplayCondition c;
    c.MaxTorque = c.EffectiveTorque = c.RunningTorque = 100;
    c.MaxFrequency = 6000;
    c.Inertia = 5;
    EXPECT_TRUE(c.Passes(m));
    c.Inertia = 4.99;
    EXPECT_FALSE(c.Passes(m));
    EXPECT_TRUE(TDisplayCondition::MakeAll().Passes(m));
    m.MotorInertiaRatio = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(c.Passes(m));  // a value that does not compare passes
}
