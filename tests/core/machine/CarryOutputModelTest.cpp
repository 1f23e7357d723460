// The motor-shaft load as the element page shows it: the chain's outputs converted into
// the user's units, a chosen unit showing the same quantity, the reason in place of the
// figures when the chain cannot be calculated, and the calculation trace left alone.
#include "core/machine/MachineFixture.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "machine/CarryOutputModel.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kinemo;

namespace {

constexpr double kRelTol = 1e-12;

void ExpectNear(double a, double b) { EXPECT_NEAR(a, b, kRelTol * std::max(1.0, std::fabs(b))); }

struct Example {
    Example() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
        EXPECT_EQ(session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"),
                  TProjectDocument::TLoadResult::Accepted);
        carry = std::make_unique<TCarryOutputModel>(session->Chain(), session->Query(), ctx->Measures(), ctx->ValueFormat(),
                                                    ctx->ErrorMessages());
    }
    TMeasure* Unit(int row, const std::string& symbol) {
        for (TMeasure* u : carry->Units(row))
            if (u->Symbol() == symbol) return u;
        return nullptr;
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
    std::unique_ptr<TCarryOutputModel> carry;
};

}  // namespace

TEST(CarryOutputModel, ShowsTheChainOutputsInTheUsersUnits) {
    Example e;
    e.carry->Refresh();
    ASSERT_FALSE(e.carry->Failed()) << e.carry->ErrorText();
    const CarryOutput direct = e.session->Chain().CalcChain(false, false);
    const struct {
        int row;
        double formulaValue;
        const char* unit;
        double perFormulaUnit;  // display units per formula unit
    } rows[] = {
        {TCarryOutputModel::RowJL, direct.JL, "kg·cm²", 1e4}, {TCarryOutputModel::RowTF, direct.TF, "N·m", 1},
        {TCarryOutputModel::RowTU, direct.TU, "N·m", 1},      {TCarryOutputModel::RowTH, direct.TH, "N·m", 1},
        {TCarryOutputModel::RowV, direct.V, "r/min/(mm/s)", 1},           {TCarryOutputModel::RowB, direct.B, "mm", 1},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(e.carry->UnitText(r.row), r.unit) << r.row;
        ExpectNear(e.carry->DisplayValue(r.row), r.formulaValue * r.perFormulaUnit);
        EXPECT_FALSE(e.carry->ValueText(r.row).empty());
        EXPECT_FALSE(e.carry->Name(r.row).empty());
    }
    EXPECT_GT(direct.JL, 0);
    EXPECT_EQ(e.carry->ValueText(TCarryOutputModel::RowJL), e.ctx->ValueFormat().Display(direct.JL * 1e4));
}

TEST(CarryOutputModel, AChosenUnitShowsTheSameQuantity) {
    Example e;
    e.carry->Refresh();
    const double kgcm2 = e.carry->DisplayValue(TCarryOutputModel::RowJL);
    const struct {
        const char* unit;
        double perKgCm2;
    } units[] = {{"kg·m²", 1e-4}, {"g·cm²", 1e3}, {"kg·cm²", 1}};
    for (const auto& u : units) {
        TMeasure* unit = e.Unit(TCarryOutputModel::RowJL, u.unit);
        ASSERT_NE(unit, nullptr) << u.unit;
        e.carry->ChooseUnit(TCarryOutputModel::RowJL, unit);
        EXPECT_EQ(e.carry->UnitText(TCarryOutputModel::RowJL), u.unit);
        EXPECT_NEAR(e.carry->DisplayValue(TCarryOutputModel::RowJL), kgcm2 * u.perKgCm2, 1e-9 * kgcm2 * u.perKgCm2);
    }
    // A unit of another quantity is not taken.
    e.carry->ChooseUnit(TCarryOutputModel::RowJL, e.Unit(TCarryOutputModel::RowTF, "kgf·cm"));
    EXPECT_EQ(e.carry->UnitText(TCarryOutputModel::RowJL), "kg·cm²");
    EXPECT_TRUE(e.carry->Units(TCarryOutputModel::RowV).empty());
    // A tiny inertia in a large unit does not read as zero.
    e.carry->ChooseUnit(TCarryOutputModel::RowJL, e.Unit(TCarryOutputModel::RowJL, "kg·m²"));
    EXPECT_NE(e.carry->ValueText(TCarryOutputModel::RowJL), e.ctx->ValueFormat().Display(0));
}

TEST(CarryOutputModel, AMissingRequiredValueOrAFailingFormulaShowsWhyAndNoFigure) {
    Example e;
    TCalcCarryValue& chain = e.session->Chain();
    e.carry->Refresh();
    TFactor* screw = chain.GetFactor(3);
    ASSERT_EQ(screw->ID, 301);
    const double lead = screw->FindInputItemByID(30101)->Value;
    screw->FindInputItemByID(30101)->Value = 0;
    e.carry->Refresh();
    EXPECT_TRUE(e.carry->Failed());
    EXPECT_EQ(e.carry->ErrorText(),
              "Enter every required value of the element \"" + screw->Name + "\" (required values must not be 0).");
    for (int r = 0; r < e.carry->RowCount(); ++r) EXPECT_EQ(e.carry->ValueText(r), "") << r;
    screw->FindInputItemByID(30101)->Value = lead;
    e.carry->Refresh();
    EXPECT_FALSE(e.carry->Failed());
    EXPECT_TRUE(e.dialogs.messages.empty());  // the panel tells in place, no dialog
}

TEST(CarryOutputModel, FormulaErrorsCarryTheCatalogTextAndTheTraceIsLeftAsItWas) {
    test::MachineFixture fx;
    fx.Add(30);
    fx.Add(43);  // its formula divides by zero
    TValueFormat format(4);
    TCarryOutputModel carry(*fx.chain, *fx.query, *fx.measures, format, *fx.errors);
    fx.trace.Add("earlier line");
    carry.Refresh();
    ASSERT_TRUE(carry.Failed());
    EXPECT_EQ(carry.ErrorText(), "Cannot calculate: line 1: Division by zero: WAout = 1 / 0");
    EXPECT_EQ(fx.trace.Lines(), std::vector<std::string>{"earlier line"});
}

TEST(CarryValueTrace, FourCasesUnderTheirHeadingsAndAnErrorStopsThem) {
    test::MachineFixture fx;
    fx.Add(30);
    fx.Add(40);
    TChoiceFactorModel::TCarryTrace trace = fx.model->CarryValueTrace();
    ASSERT_TRUE(trace.Ran);
    EXPECT_TRUE(trace.Error.empty());
    std::vector<std::string> headings;
    for (size_t i = 0; i + 1 < trace.Lines.size(); ++i)
        if (trace.Lines[i] == "=======================") headings.push_back(trace.Lines[i + 1]);
    EXPECT_EQ(headings, (std::vector<std::string>{"受け渡し 出力(外力=○○)", "受け渡し 出力(外力=○×)",
                                                  "受け渡し 出力(外力=×○)", "受け渡し 出力(外力=××)"}));
    EXPECT_TRUE(fx.trace.Lines().empty());

    fx.Add(43);
    trace = fx.model->CarryValueTrace();
    EXPECT_TRUE(trace.Ran);
    EXPECT_EQ(trace.Error, "line 1: Division by zero: WAout = 1 / 0");
    EXPECT_EQ(trace.Lines[1], "受け渡し 出力(外力=○○)");
    EXPECT_EQ(std::count(trace.Lines.begin(), trace.Lines.end(), "======================="), 1);

    // Missing inputs: the check tells the user, nothing is traced.
    fx.chain->GetFactor(2)->FindInputItemByID(400)->SetValue(0);
    trace = fx.model->CarryValueTrace();
    EXPECT_FALSE(trace.Ran);
    EXPECT_TRUE(trace.Lines.empty());
    EXPECT_EQ(fx.dialogs.messages.back().text, "Enter the values of Table");
}
