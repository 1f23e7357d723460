// The sample catalog's element library against hand calculations: the example projects of
// examples/ (figures and formulas in examples/README.md) loaded and computed by the chain,
// plus the library-wide promises every element keeps.
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/Factor.h"
#include "machine/InputData.h"
#include "machine/MachineServices.h"
#include "session/KinemoContext.h"
#include "support/LooseChain.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace kinemo;
using kinemo::test::TempDir;
using kinemo::test::TRecordingDialogs;

namespace {

// The hand calculations are given to 7 significant digits; the chain must agree within 0.5 %.
constexpr double kRelTol = 0.005;

::testing::AssertionResult Near(const char* what, double actual, double expected) {
    const double tol = kRelTol * std::abs(expected) + 1e-12;
    if (std::abs(actual - expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << " = " << actual << ", hand calculation " << expected;
}

class SampleMachine {
public:
    SampleMachine()
        : ctx(std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs)) {
        if (!ctx->ReadCatalogConfig()) throw std::runtime_error("sample catalog refused");
        ctx->ReloadUserFactors();
        loose = std::make_unique<test::LooseChain>(*ctx);
        model = std::make_unique<TChoiceFactorModel>(loose->services, loose->chain, ctx->ErrorMessages(), dialogs,
                                                     ctx->Run().MaxFactorCount);
    }

    void LoadExample(const std::string& file) {
        const std::string path = std::string(KINEMO_SOURCE_DIR) + "/examples/" + file;
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_file(path.c_str())) << path;
        model->LoadFromXML(doc.child("KINEMO").child("FrameChoiceFactor"));
    }

    TCalcCarryValue& Chain() { return loose->chain; }
    TBlockManager& Blocks() { return *ctx->Machine().Blocks; }

    TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<test::LooseChain> loose;
    std::unique_ptr<TChoiceFactorModel> model;
};

struct ExampleCase {
    const char* file;
    int elements;  // after the motor
    double JL, TF, TU, TH, TD, V, A, B;
    int rolling;
};

void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file; }

class Examples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(Examples, ChainAgreesWithTheHandCalculation) {
    const ExampleCase& c = GetParam();
    SampleMachine m;
    m.LoadExample(c.file);
    ASSERT_EQ(m.Chain().Count(), c.elements + 1);
    const CarryOutput out = m.Chain().CalcChain(false, false);
    EXPECT_TRUE(Near("JL", out.JL, c.JL));
    EXPECT_TRUE(Near("TF", out.TF, c.TF));
    EXPECT_TRUE(Near("TU", out.TU, c.TU));
    EXPECT_TRUE(Near("TH", out.TH, c.TH));
    EXPECT_TRUE(Near("TD", out.TD, c.TD));
    EXPECT_TRUE(Near("V", out.V, c.V));
    EXPECT_TRUE(Near("A", out.A, c.A));
    EXPECT_TRUE(Near("B", out.B, c.B));
    EXPECT_EQ(m.Chain().IsRolling(), c.rolling);
}

// Figures from examples/README.md (SI: kg·m², N·m; V in r/min per mm/s or deg/s; B in mm or deg).
INSTANTIATE_TEST_SUITE_P(
    SampleLibrary, Examples,
    ::testing::Values(
        ExampleCase{"01_ball_screw_horizontal.kjb", 3, 2.126360e-4, 0.1041639, 0.1041639, 0, 0, 6, 0.9, 0, 0},
        ExampleCase{"02_ball_screw_through_gear.kjb", 5, 6.399528e-4, 0.9235324, 1.106079, 0, 0, 6, 0.855,
                    0.005555556, 0},
        ExampleCase{"03_ball_screw_vertical.kjb", 3, 1.052538e-4, 0.02652582, 0.02652582, 0.4335491, 0.3511748, 6,
                    0.9, 0, 0},
        ExampleCase{"04_belt_axis_through_reducer.kjb", 3, 1.828591e-4, 0.04759489, 0.04759489, 0, 0, 2.5, 0.855,
                    0.05, 0},
        ExampleCase{"05_rotary_disc_through_reducer.kjb", 3, 2.129476e-3, 0.08888889, 0.08888889, 0, 0, 1.666667,
                    0.9, 0.05, 1},
        ExampleCase{"06_swing_arm_vertical.kjb", 2, 2.845469e-4, 0.005882353, 0.005882353, 0.2682407, 0.1938039,
                    3.333333, 0.85, 0, 1},
        ExampleCase{"07_vertical_belt_counterweight.kjb", 4, 2.498023e-4, 0.03458181, 0.03458181, 0.2034791,
                    0.1335026, 3.409091, 0.81, 0, 0},
        ExampleCase{"08_vertical_screw_through_reducer.kjb", 4, 3.345658e-4, 0.04963897, 0.04963897, 1.460376,
                    1.067571, 4.5, 0.855, 0, 0},
        ExampleCase{"09_screw_with_assisting_force.kjb", 4, 1.385746e-4, 0.1224195, 0.1224195, -0.4420971,
                    -0.3580986, 6, 0.9, 0, 0},
        ExampleCase{"10_gear_pair_belt_axis.kjb", 3, 1.762909e-3, 0.01334238, 0.01334238, 0, 0, 1.591549, 0.882, 0,
                    0},
        // A self-locking worm: the load cannot drive the motor, TD is the push to lower it.
        ExampleCase{"11_worm_gear_rope_hoist.kjb", 2, 6.315984e-4, 0, 0, 5.058694, -0.4374582, 3.580986, 0.4161471,
                    0, 0},
        ExampleCase{"12_chain_drive_chain_conveyor.kjb", 3, 0.02010133, 0.4839848, 0.4839848, 0, 0, 0.5249344,
                    0.9215, 0, 0},
        ExampleCase{"13_lead_screw_vertical.kjb", 2, 2.696161e-5, 0, 0, 0.4125554, -0.02619337, 15, 0.4539832, 0, 0},
        ExampleCase{"14_hollow_ball_screw.kjb", 2, 1.646914e-3, 0.03468393, 0.03468393, 0, 0, 3, 0.9, 0, 0},
        ExampleCase{"15_index_table_through_reducer.kjb", 3, 0.02277663, 0.1111111, 0.1111111, 0, 0, 1.666667, 0.9,
                    0, 1},
        ExampleCase{"16_spindle_cutting.kjb", 3, 4.45784e-3, 6.566198, 6.566198, 0, 0, 0.1666667, 1, 0, 1},
        ExampleCase{"17_toothed_belt_conveyor.kjb", 3, 5.826194e-4, 0.3699619, 0.3699619, 0, 0, 1.875, 0.81, 0,
                    0}));

// Example 01 on a geared motor: the motor element reflects the machine through the gear head
// (ratio 5, efficiency 0.85, 0.3 kg·cm², 0.05 N·m running torque, 6 arc-min backlash).
TEST(SampleLibraryMotor, GearHeadReflectsTheMachine) {
    SampleMachine m;
    m.LoadExample("01_ball_screw_horizontal.kjb");
    TMotorGearData gear;
    gear.GearInertia = 3e-5;
    gear.GearTorque = 0.05;
    gear.RatioValue = 5;
    gear.MotorGearCode = 1;
    gear.GearEfficiency = 0.85;
    gear.Backlash = 6;
    const CarryOutput out = m.Chain().CalcChainForMotor(false, false, gear);
    EXPECT_TRUE(Near("JL", out.JL, 2.126360e-4 / 25 + 3e-5));
    EXPECT_TRUE(Near("TF", out.TF, 0.1041639 / (5 * 0.85) + 0.05));
    EXPECT_TRUE(Near("TU", out.TU, 0.1041639 / (5 * 0.85) + 0.05));
    EXPECT_EQ(out.TH, 0);
    EXPECT_TRUE(Near("V", out.V, 30));
    EXPECT_TRUE(Near("A", out.A, 0.9 * 0.85));
    // 0.1 deg of the screw shaft with a 10 mm lead: 10 mm * 0.1 / 360.
    EXPECT_TRUE(Near("B", out.B, 10 * 0.1 / 360));
}

TEST(SampleLibraryMotor, MotorAloneIsARotaryAxisInDegreesPerSecond) {
    SampleMachine m;
    const CarryOutput out = m.Chain().CalcChain(false, false);
    EXPECT_EQ(m.Chain().IsRolling(), 1);
    EXPECT_TRUE(Near("V", out.V, 1.0 / 6));  // 1 deg/s = 1/6 r/min
    EXPECT_EQ(out.JL, 0);
    EXPECT_EQ(out.A, 1);
}

// Example 02 with its cutting force in marked intervals only: the force (and only the force)
// disappears where it is switched off.
TEST(SampleLibraryExternalForce, CuttingForceActsOnlyWhereSwitchedOn) {
    SampleMachine m;
    m.LoadExample("02_ball_screw_through_gear.kjb");
    TFactor* force = m.Chain().GetFactor(5);
    ASSERT_TRUE(force->AcceptsExternalForce);
    ASSERT_TRUE(m.model->SetExternalForceChoice(*force, 1));
    const CarryOutput off = m.Chain().CalcChain(false, false);
    const double k = 0.02 / (2 * 3.14159265358979323846), g = 9.80665;
    EXPECT_TRUE(Near("TF off", off.TF, 0.1 * 200 * g * k / 0.9 / (2 * 0.95)));
    EXPECT_TRUE(Near("TU off", off.TU, 0.15 * 200 * g * k / 0.9 / (2 * 0.95)));
    EXPECT_TRUE(Near("JL off", off.JL, 6.399528e-4));
    const CarryOutput on = m.Chain().CalcChain(true, false);
    EXPECT_TRUE(Near("TF on", on.TF, 0.9235324));
    EXPECT_TRUE(Near("TU on", on.TU, 1.106079));
}

// The table's guide friction works on the whole normal force: the weight's share m·g·|cos a|
// (exactly nothing at 90 deg) plus a pressing force Fn; the fixed-direction force reaches the
// screw shaft divided by its efficiency as TH and multiplied by it as TD.
TEST(SampleLibraryLinearLoads, GuideFrictionOnTheNormalForceAndBothGravityFigures) {
    SampleMachine m;
    const double g = 9.80665, k = 0.01 / (2 * 3.14159265358979323846);
    struct Case {
        double a, Fn, F, H;
    };
    const Case cases[] = {
        {0, 0, 0.1 * 50 * g, 0},
        {0, 200, 0.1 * (50 * g + 200), 0},
        {90, 0, 0, 50 * g},
        {90, 200, 0.1 * 200, 50 * g},
        {30, 0, 0.1 * 50 * g * std::cos(3.14159265358979323846 / 6), 50 * g * 0.5},
        {0, -800, 0.1 * (800 - 50 * g), 0},  // lifted against the other face of the guide
    };
    for (const Case& c : cases) {
        std::unique_ptr<TFactor> screw = m.Blocks().FindFactorByID(301)->Clone();
        std::unique_ptr<TFactor> table = m.Blocks().FindFactorByID(401)->Clone();
        for (auto& item : table->InputItems()) {
            if (item->Kind() != TInputKind::Numeric) continue;
            auto& in = static_cast<TInputData&>(*item);
            if (in.ID == 40101) in.SetValue(50);
            if (in.ID == 40102) in.SetValue(0.1);
            if (in.ID == 40104) in.SetValue(c.a);
            if (in.ID == 40107) in.SetValue(c.Fn);
        }
        table->Calculate(InitialCarryList());
        EXPECT_TRUE(Near("F", std::stod(table->CarryOut.Value("Fout")), c.F)) << "a=" << c.a << " Fn=" << c.Fn;
        EXPECT_TRUE(Near("U", std::stod(table->CarryOut.Value("Uout")), c.F)) << "a=" << c.a << " Fn=" << c.Fn;
        EXPECT_TRUE(Near("H", std::stod(table->CarryOut.Value("Hout")), c.H)) << "a=" << c.a;
        if (c.a == 90 && c.Fn == 0) {
            EXPECT_EQ(std::stod(table->CarryOut.Value("Fout")), 0.0) << "exactly none at 90 deg";
        }
        table->RecalcCalcItems();
        std::vector<double> shown;
        for (auto& item : table->InputItems())
            if (item->Kind() == TInputKind::Calc) shown.push_back(static_cast<TCalcInputData&>(*item).Value);
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_TRUE(Near("normal force shown", shown[2], c.F / 0.1)) << "a=" << c.a << " Fn=" << c.Fn;
        if (c.a == 90 && c.Fn == 0) {
            EXPECT_EQ(shown[2], 0.0);
        }
        screw->Calculate(table->CarryOut);
        EXPECT_TRUE(Near("TH", std::stod(screw->CarryOut.Value("THout")), c.H * k / 0.9));
        EXPECT_TRUE(Near("TD", std::stod(screw->CarryOut.Value("TDout")), c.H * k * 0.9));
    }
}

// The ball screw's calculated items in example 03 (inputs that survive two decimals).
TEST(SampleLibraryCalculatedItems, BallScrewShaftInertiaAndCriticalSpeed) {
    SampleMachine m;
    m.LoadExample("03_ball_screw_vertical.kjb");
    TFactor* screw = m.Chain().GetFactor(2);
    ASSERT_EQ(screw->ID, 301);
    screw->RecalcCalcItems();
    std::vector<double> values;
    for (auto& item : screw->InputItems())
        if (item->Kind() == TInputKind::Calc) values.push_back(static_cast<TCalcInputData&>(*item).Value);
    ASSERT_EQ(values.size(), 5u);
    EXPECT_TRUE(Near("shaft inertia", values[0], 2.272804e-5));  // pi*rho*d^4*l/32
    EXPECT_TRUE(Near("shaft mass", values[1], 0.7102513));
    EXPECT_EQ(values[2], 0);                                     // no preload
    // 0.8*60*1.875^2/(2*pi*0.45^2)*(0.016/4)*sqrt(206e9/7850), fixed-free
    EXPECT_TRUE(Near("critical speed", values[3], 2717.676));
    EXPECT_TRUE(Near("speed at critical", values[4], 2717.676 * 0.01 / 60));
}

// Every listed element runs as the farthest element with its default values, hands over
// all thirteen carry values and has its three pictures beside the program.
TEST(SampleLibraryCatalog, EveryElementHandsOverEveryCarryValueAndHasItsPictures) {
    SampleMachine m;
    const char* outs[] = {"WAout", "WJout", "Uout", "Hout", "Fout", "Vout", "JLout",
                          "TFout", "TUout", "THout", "Aout", "Bout", "TDout"};
    int elements = 0;
    for (auto& block : m.Blocks().Blocks()) {
        EXPECT_TRUE(std::filesystem::exists(std::string(KINEMO_BIN_DIR) + "/" + block->ImagePath)) << block->Name;
        for (auto& f : block->Factors()) {
            ++elements;
            std::unique_ptr<TFactor> e = f->Clone();
            EXPECT_TRUE(e->IsInputComplete()) << e->Name;
            e->Calculate(InitialCarryList());
            for (const char* name : outs) EXPECT_TRUE(e->CarryOut.Contains(name)) << e->Name << " " << name;
            const double a = std::stod(e->CarryOut.Value("Aout"));  // the element's own efficiency
            EXPECT_TRUE(a > 0 && a <= 1) << e->Name << " Aout=" << a;
            for (const std::string* path : {&e->ImagePath, &e->SelectedImagePath, &e->DragImagePath})
                EXPECT_TRUE(std::filesystem::exists(*path)) << e->Name << " " << *path;
        }
    }
    EXPECT_EQ(elements, 27);
}

// Calculated items run after every edit: they must not fail on defaults nor while the user
// has emptied every value (a failing item would stop the element's whole display).
TEST(SampleLibraryCatalog, CalculatedItemsRunOnDefaultsAndOnZeros) {
    SampleMachine m;
    for (auto& block : m.Blocks().Blocks())
        for (auto& f : block->Factors()) {
            std::unique_ptr<TFactor> e = f->Clone();
            EXPECT_NO_THROW(e->RecalcCalcItems()) << e->Name;
            for (auto& item : e->InputItems())
                if (item->Kind() == TInputKind::Numeric) static_cast<TInputData&>(*item).SetValue(0);
            EXPECT_NO_THROW(e->RecalcCalcItems()) << e->Name;
        }
}

}  // namespace
