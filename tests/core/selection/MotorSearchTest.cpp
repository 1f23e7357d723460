// The motor search: lists restricted by the other choices, the wanted code kept through
// fall-backs, the Gear item and gear ratio, the candidate query and its records.
#include "core/machine/MachineFixture.h"
#include "core/selection/SearchFixture.h"

#include "selection/MotorChoiceModel.h"
#include "torque/CalcDischarge.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

using namespace kinemo;

namespace {

struct Search {
    Search() {
        test::MakeCatalog(dir.File("m.db"), test::SearchCatalogSql());
        catalog = std::make_unique<TCatalog>(dir.File("m.db"));
        query = std::make_unique<TCatalogQuery>(*catalog);
        model = std::make_unique<TMotorChoiceModel>(*query, *machine.chain, formulas, format);
        model->OnCandidates = [this](std::vector<std::unique_ptr<TMotor>> list) { candidates = std::move(list); };
        model->Initialize();
        model->EndSetup();
    }
    std::vector<std::string> Entries(int item) const { return model->Item(item).Entries; }
    std::string Selected(int item) const {
        const TSearchItemState& s = model->Item(item);
        return s.Chosen() ? s.Entries[static_cast<size_t>(s.Selected)] : std::string();
    }
    void Choose(int item, const std::string& entry) {
        const auto& e = model->Item(item).Entries;
        auto it = std::find(e.begin(), e.end(), entry);
        std::string all;
        for (const auto& x : e) all += "[" + x + "]";
        ASSERT_NE(it, e.end()) << entry << " not in " << all << " of item " << item;
        model->SelectEntry(item, static_cast<int>(it - e.begin()));
    }
    std::vector<std::string> Models() const {
        std::vector<std::string> out;
        for (const auto& m : candidates) out.push_back(m->msv_model_all);
        return out;
    }

    test::TempDir dir;
    test::MachineFixture machine;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    TCalcDischargeFormula formulas;
    TValueFormat format{4};
    std::unique_ptr<TMotorChoiceModel> model;
    std::vector<std::unique_ptr<TMotor>> candidates;
};

}  // namespace

TEST(MotorSearch, FirstSeriesIsSearchedWithTheFirstEntries) {
    Search s;
    ASSERT_EQ(s.model->Functions().size(), 1u);  // the hidden function is not offered
    EXPECT_EQ(s.model->CurrentSeries()->Name, "Plain");
    EXPECT_EQ(s.Selected(siPhase), "Single-phase");
    // The gear-ratio item has no rows for plain motors: empty, disabled, not in the query.
    EXPECT_TRUE(s.Entries(siGearRate).empty());
    EXPECT_FALSE(s.model->Item(siGearRate).Enabled);
    EXPECT_EQ(s.model->CandidateQuery().find("msgr"), std::string::npos);
    EXPECT_FALSE(s.candidates.empty());
    EXPECT_EQ(s.model->InputSupplyText(), "100");  // the supply chosen first
    EXPECT_EQ(s.model->Resolution(), 1048576);
    EXPECT_EQ(s.model->PositionRangeText(), "10");
}

TEST(MotorSearch, ALaterChoiceRestrictsTheEarlierLists) {
    Search s;
    EXPECT_EQ(s.Entries(siPhase), (std::vector<std::string>{"Single-phase", "Three-phase"}));
    s.Choose(siSupply, "100 V");  // only a single-phase motor exists for 100 V
    EXPECT_EQ(s.Entries(siPhase), (std::vector<std::string>{"Single-phase"}));
    EXPECT_EQ(s.Models(), (std::vector<std::string>{"P400L-N"}));  // output 2 is not offered with code 13
}

TEST(MotorSearch, FallBackKeepsTheWantedCode) {
    Search s;
    s.model->SetBrakeWanted(1);  // a braked element entered the chain
    EXPECT_EQ(s.Selected(siBrake), "Without brake");  // no braked 100 V motor: first entry
    EXPECT_EQ(s.model->Item(siBrake).WantedCode, 1);
    s.Choose(siSupply, "200 V");
    EXPECT_EQ(s.Selected(siBrake), "Without brake");  // nor a single-phase one
    s.Choose(siPhase, "Three-phase");  // offered again: the wanted code is selected again
    EXPECT_EQ(s.Selected(siBrake), "With brake");
    EXPECT_EQ(s.Models(), (std::vector<std::string>{"P100-B"}));
    EXPECT_EQ(s.model->InputSupplyText(), "200");
}

// A braked element entering or leaving the chain starts the lists over as a series
// change does: no earlier choice keeps narrowing them.
TEST(MotorSearch, ABrakeFromTheChainResetsTheRestrictionsAsASeriesChange) {
    Search s;
    s.Choose(siSupply, "100 V");
    ASSERT_EQ(s.Entries(siPhase), (std::vector<std::string>{"Single-phase"}));
    s.model->SetBrakeWanted(1);
    EXPECT_EQ(s.Entries(siPhase), (std::vector<std::string>{"Single-phase", "Three-phase"}));
    Search fresh;
    fresh.Choose(siSupply, "100 V");
    fresh.model->MutableItem(siBrake).WantedCode = 1;
    fresh.model->SelectSeries(1);
    fresh.model->SelectSeries(0);  // a series change with the same wanted codes
    for (int i = 0; i < kSearchItemCount; ++i) {
        EXPECT_EQ(s.Entries(i), fresh.Entries(i)) << i;
        EXPECT_EQ(s.Selected(i), fresh.Selected(i)) << i;
    }
    EXPECT_EQ(s.Models(), fresh.Models());
}

TEST(MotorSearch, TypedSupplySurvivesRefillsOfTheSameRatedVoltage) {
    Search s;
    s.Choose(siSupply, "200 V");
    s.model->SetInputSupplyText("230");
    s.Choose(siPhase, "Three-phase");
    EXPECT_EQ(s.model->InputSupplyText(), "230");
    s.Choose(siSupply, "200 V");
    EXPECT_EQ(s.model->InputSupplyText(), "230");
}

TEST(MotorSearch, GearItemSwitchesTheMotorElementAndTakesTheRatio) {
    Search s;
    s.model->SelectSeries(1);
    EXPECT_EQ(s.Selected(siGear), "Gear head");
    TMotorFactor& motor = s.machine.model->Motor();
    EXPECT_TRUE(motor.Geared);
    EXPECT_DOUBLE_EQ(motor.GetReductionRatio(), 5);
    s.Choose(siGearRate, "1/9");
    EXPECT_DOUBLE_EQ(motor.GetReductionRatio(), 9);
    EXPECT_EQ(s.Models(), (std::vector<std::string>{"G400-9"}));
    ASSERT_EQ(s.candidates.size(), 1u);
    const TMotor& m = *s.candidates[0];
    EXPECT_EQ(m.msgr_value, 9);
    EXPECT_EQ(m.msv_msmg_cd, 1);
    EXPECT_EQ(m.tms_name, "Geared");
    EXPECT_EQ(m.mmf_value, "General family");
    s.model->SelectSeries(0);
    EXPECT_FALSE(motor.Geared);
    EXPECT_DOUBLE_EQ(motor.GetReductionRatio(), 1);
}

TEST(MotorSearch, StoppingAccuracyFailsQuietly) {
    Search s;
    TCalcDischargeFormula f;
    f.Set("StraightStoppingAccuracy", "Ps = P * 60 / (V * Resolution) + B");
    f.Set("RollingStoppingAccuracy", "Ps = P * 60 / (V * Resolution) + B");
    TMotorChoiceModel m(*s.query, *s.machine.chain, f, s.format);
    m.Initialize();
    ASSERT_FALSE(s.candidates.empty());
    const TMotor* motor = s.candidates[0].get();
    // Motor only: V = 1, B = 0 -> 10 pulses of 2^20 per revolution, 60 units per revolution.
    EXPECT_EQ(m.TextStoppingAccuracy(motor), s.format.Display(10 * 60.0 / 1048576));
    m.SetPositionRangeText("abc");
    EXPECT_EQ(m.TextStoppingAccuracy(motor), "");
    EXPECT_EQ(m.TextStoppingAccuracy(nullptr), "");
    m.SetPositionRangeText("20");
    EXPECT_EQ(m.TextStoppingAccuracy(motor), s.format.Display(20 * 60.0 / 1048576));
    // A comma is the decimal mark only where the user writes it so; never a thousands mark.
    m.SetPositionRangeText("2,5");
    EXPECT_EQ(m.TextStoppingAccuracy(motor), "");
    s.format.SetDecimalMark(',');
    EXPECT_EQ(m.TextStoppingAccuracy(motor), s.format.Display(2.5 * 60.0 / 1048576));
}
