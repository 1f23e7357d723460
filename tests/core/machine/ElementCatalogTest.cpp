// Element catalog and element calculation: docking, item lists, carry passing, the
// motor element, calculated items.
#include "core/machine/MachineFixture.h"

#include "base/KinemoError.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

TBlock* BlockOf(MachineFixture& fx, int id) {
    for (auto& b : fx.blocks->Blocks())
        if (b->ID == id) return b.get();
    return nullptr;
}

}  // namespace

TEST(ElementCatalog, DockingCodesMatterOnlyAsZeroOrNot) {
    MachineFixture fx;
    TBlock* motor = fx.model->Motor().Block;
    EXPECT_TRUE(TBlockManager::CanAttach(motor, BlockOf(fx, 1)));
    EXPECT_FALSE(TBlockManager::CanAttach(motor, BlockOf(fx, 4)));  // docking in 5 after the motor
    EXPECT_TRUE(TBlockManager::CanAttach(BlockOf(fx, 2), BlockOf(fx, 4)));  // linear out, linear in
    EXPECT_TRUE(TBlockManager::CanAttach(BlockOf(fx, 5), BlockOf(fx, 6)));  // 3 and 7: both non-zero
    EXPECT_FALSE(TBlockManager::CanAttach(BlockOf(fx, 1), motor));  // nothing goes before the motor
    EXPECT_FALSE(TBlockManager::CanAttach(nullptr, BlockOf(fx, 1)));
}

TEST(ElementCatalog, BlocksListTheirElementsAndSkipUnknownTypes) {
    MachineFixture fx;
    auto& linear = BlockOf(fx, 3)->Factors();
    ASSERT_EQ(linear.size(), 3u);  // Table, Pusher, Broken; "Odd" (type 2) is not listed
    EXPECT_EQ(linear[0]->Name, "Table");
    EXPECT_TRUE(linear[0]->AcceptsExternalForce);
    EXPECT_TRUE(fx.Catalog(21).Behavior);
    EXPECT_EQ(fx.blocks->FindFactorByName("Odd"), nullptr);
    EXPECT_EQ(fx.blocks->FindFactorByName("table"), nullptr);  // names are case-sensitive
    // Pictures: paths under the program folder; a missing file leaves the picture null.
    TFactor& gear = fx.Catalog(20);
    EXPECT_EQ(gear.ImagePath, fx.dir.Path() + "/gear.png");
    EXPECT_NE(gear.Image, nullptr);
    EXPECT_EQ(fx.Catalog(30).Image, nullptr);
}

TEST(ElementCatalog, ItemsComeInTheirFixedOrder) {
    MachineFixture fx;
    TFactor& table = fx.Catalog(40);
    ASSERT_EQ(table.GetInputItemCount(), 6);
    EXPECT_EQ(table.GetInputItem(0)->ID, 400);
    EXPECT_EQ(table.GetInputItem(1)->ID, 402);
    EXPECT_EQ(table.GetInputItem(2)->Kind(), TInputKind::ExternalForce);
    EXPECT_EQ(table.GetInputItem(2)->Name, "External force");
    EXPECT_EQ(table.GetInputItem(3)->Kind(), TInputKind::Memo);
    // The calculated item with an empty formula between two valid ones is skipped.
    EXPECT_EQ(table.GetInputItem(4)->Name, "Twice the mass");
    EXPECT_EQ(table.GetInputItem(5)->Name, "Mass text check");
    EXPECT_EQ(fx.Catalog(20).GetInputItemCount(), 2);  // ratio + memo, no external force item
}

TEST(ElementCalculation, CarryValuesPassFromElementToElement) {
    MachineFixture fx;
    fx.Add(30);  // screw after the motor
    fx.Add(40);  // table after the screw
    CarryOutput out = fx.chain->CalcChain(false, false);
    const double lead = 0.01, mass = 5, k = lead / (2 * 3.14159265358979);
    EXPECT_NEAR(out.JL, mass * k * k, 1e-15);
    EXPECT_NEAR(out.TF, mass * k, 1e-12);      // the table's "friction" is M newtons
    EXPECT_NEAR(out.TU, 2 * mass * k, 1e-12);
    EXPECT_NEAR(out.V, 0.06 / lead, 1e-9);
    EXPECT_EQ(fx.chain->IsRolling(), 0);
    // The trace shows every element with its headings.
    const auto& lines = fx.trace.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "要素名=Table"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "M = 5kg(Mass)"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "受け渡し出力"), lines.end());
}

TEST(ElementCalculation, UnassignedOutputsAreDroppedAndBadCarryReadsAsZero) {
    MachineFixture fx;
    TFactor& part = fx.Catalog(50);  // assigns only Vout
    TNameValueList carry = InitialCarryList();
    carry.SetValue("JLout", "not a number");
    part.Calculate(carry);
    EXPECT_EQ(part.CarryOut.Count(), 1u);
    EXPECT_EQ(part.CarryOut.Value("Vout"), "1");
    EXPECT_FALSE(part.CarryOut.Contains("Uout"));
    const auto& lines = fx.trace.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "JLin=0"), lines.end());
}

TEST(ElementCalculation, AFailingFormulaRaisesTheEngineMessage) {
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

TEST(ElementCalculation, CalculatedItemsSeeTwoDecimalInputs) {
    MachineFixture fx;
    TFactor& table = fx.Catalog(40);
    static_cast<TInputData*>(table.GetInputItem(0))->SetValue(0.004);
    table.RecalcCalcItems();
    auto* twice = static_cast<TCalcInputData*>(table.GetInputItem(4));
    auto* text = static_cast<TCalcInputData*>(table.GetInputItem(5));
    EXPECT_EQ(twice->Value, 0.0);  // 0.004 is written as "0.00"
    EXPECT_DOUBLE_EQ(text->Value, 1500);  // in its formula unit, mm, whatever it shows in
}

TEST(MotorElement, UsesElementTenAndRestoresItsGearData) {
    MachineFixture fx;
    TMotorFactor& motor = fx.model->Motor();
    EXPECT_EQ(motor.ID, -1);
    EXPECT_EQ(motor.GetCalcID(), 10);
    EXPECT_EQ(motor.Name, "motor");
    EXPECT_NE(motor.GearedImage, nullptr);
    EXPECT_EQ(motor.GetImage(), motor.Image);
    motor.Geared = true;
    EXPECT_EQ(motor.GetImage(), motor.GearedImage);
    EXPECT_EQ(fx.chain->IsRolling(), 1);  // only the motor

    fx.Add(21);  // 0.5 kg·m² hub
    fx.chain->SetReductionRatio(3);
    TMotorGearData gear;
    gear.MotorGearCode = 1;
    gear.RatioValue = 10;
    gear.GearInertia = 0.01;
    gear.Backlash = 30;  // arc-minutes
    CarryOutput out = fx.chain->CalcChainForMotor(false, false, gear);
    EXPECT_NEAR(out.JL, 0.5 / 100 + 0.01, 1e-15);
    EXPECT_NEAR(out.B, 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(motor.GetReductionRatio(), 3);  // the value before, not the motor's
    EXPECT_EQ(motor.FindInputItemByID(1)->GetValue(), 0.0);

    gear.MotorGearCode = 0;  // not geared: ratio 1 whatever the gear-ratio value
    out = fx.chain->CalcChainForMotor(false, false, gear);
    EXPECT_NEAR(out.JL, 0.5 + 0.01, 1e-15);
}

TEST(MotorElement, GearDataIsRestoredAlsoWhenTheChainFails) {
    MachineFixture fx;
    fx.Add(30);
    fx.Add(43);  // division by zero
    fx.chain->SetReductionRatio(4);
    TMotorGearData gear;
    gear.MotorGearCode = 1;
    gear.RatioValue = 50;
    gear.GearEfficiency = 0.8;
    EXPECT_THROW(fx.chain->CalcChainForMotor(false, false, gear), TKinemoError);
    EXPECT_DOUBLE_EQ(fx.model->Motor().GetReductionRatio(), 4);
    EXPECT_DOUBLE_EQ(fx.model->Motor().FindInputItemByID(96)->GetValue(), 1.0);
}
