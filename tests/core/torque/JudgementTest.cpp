// Torque intervals, torque-list figures, motor records and the judgement with its
// regeneration table, run with the sample catalog's formulas on the fixture chain.
#include "core/machine/MachineFixture.h"

#include "formula/FormulaError.h"
#include "base/Catalog.h"
#include "torque/CalcDischarge.h"
#include "torque/Motor.h"
#include "torque/TorqueList.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

constexpr double kTol = 1e-9;
constexpr double kRadPerRpm = 2 * 3.14159265358979 / 60;

// The sample catalog's formula texts, so these tests also pin their physics.
struct SampleFormulas {
    SampleFormulas() {
        TCatalog catalog(kinemo::test::SampleCatalogPath());
        TCatalogQuery q(catalog);
        torque = TTorqueValueFormula::Load(q);
        judgement = TCalcDischargeFormula(q);
    }
    TTorqueValueFormula torque;
    TCalcDischargeFormula judgement;
};

const SampleFormulas& Formulas() {
    static SampleFormulas f;
    return f;
}

// Intervals given directly: (pre-frequency, frequency, time) with the chain's carry.
class FixedSource : public ITorqueSource {
public:
    FixedSource(const TTorqueEnvironment& env, TCalcCarryValue& chain) : env_(env), chain_(chain) {}
    std::vector<std::array<double, 3>> intervals;
    std::vector<std::unique_ptr<TTorqueValue>> BuildTorqueValues(const TMotor& motor, double rotorInertia) override {
        const CarryOutput carry = chain_.CalcChainForMotor(false, false, motor.GearData());
        std::vector<std::unique_ptr<TTorqueValue>> out;
        for (const auto& [pre, f, t] : intervals)
            out.push_back(std::make_unique<TTorqueValue>(env_, carry, f, pre, t, rotorInertia));
        return out;
    }

private:
    const TTorqueValueFormula* formulas_ = nullptr;
    TTorqueEnvironment env_;
    TCalcCarryValue& chain_;
};

TMotor SmallMotor() {
    TMotor m;
    m.msv_model_all = "TEST-400";
    m.MotorRotorInertia = 0.3e-4;
    m.MotorRatedTorque = 1.27;
    m.MotorMaxTorque = 3.8;
    m.MotorRatedSpeed = 3000;
    m.MotorMaxSpeed = 5000;
    m.MotorWarningInertia = 20;
    m.MotorWarningTorqueDefMax = 3.8 * 0.8;
    m.MotorWarningTorqueHighMax = 3.8 * 0.7;
    m.MotorWarningTorqueDefEffective = 1.27 * 0.8;
    m.MotorRunningTorque = 1.27 * 0.8;
    m.MotorEpigeneTorque = 1.27 * 0.8;
    m.MotorPhaseResistance = 1.5;
    m.MotorRatedCurrent = 2.6;
    m.MotorTripSupply = 400;
    m.MotorCapacitor = 300;
    m.MotorAllowableDischarge = 10;
    m.MotorWarningAllowableDischarge = 8;
    m.MotorMomentaryDischarge = 1000;
    m.MotorWarningMomentaryDischarge = 800;
    m.MotorExternalResistor = 2000;
    m.MotorExternalResistorCapacity = 60;
    m.msgr_value = 1;
    return m;
}

struct Judge {
    explicit Judge(MachineFixture& fx)
        : env{&Formulas().torque, fx.constants.get(), "1"},
          source(env, *fx.chain),
          discharge(Formulas().judgement, Formulas().torque, *fx.constants, *fx.chain, fx.trace) {
        discharge.SetTorqueSource(&source);
    }
    TTorqueEnvironment env;
    FixedSource source;
    TCalcDischarge discharge;
};

// The fixture chain: a 0.5 kg·m² hub behind a 1:2 gear: JL = 0.5/4 + 0.001 at the motor.
void BuildChain(MachineFixture& fx) {
    fx.Add(20);
    fx.Add(21);
}

}  // namespace

TEST(TorqueValue, IntervalFormulaGivesAccelerationFrictionAndDirection) {
    MachineFixture fx;
    TTorqueEnvironment env{&Formulas().torque, fx.constants.get(), "1.5"};
    CarryOutput c;
    c.JL = 0.001;
    c.TF = 0.1;
    c.TU = 0.3;
    c.TH = 0.05;
    c.TD = 0.035;
    c.V = 60;
    TTorqueValue up(env, c, 3000, 0, 0.1, 0.0001);
    const double alpha = 3000 * kRadPerRpm / 0.1;
    EXPECT_NEAR(up.AdjustableSpeedTorque, 0.0011 * alpha, kTol);
    EXPECT_EQ(up.Stop, 1);
    EXPECT_NEAR(up.StartingTorque, 0.3, kTol);  // from standstill the breakaway torque counts
    EXPECT_NEAR(up.IntervalTorque, 0.0011 * alpha + 0.3 + 0.05, kTol);
    EXPECT_NEAR(up.IntervalTorqueS, 0.0011 * alpha * 1.5 + 0.3 + 0.05, kTol);
    EXPECT_NEAR(up.Speed, 50, kTol);  // 3000 r/min / 60 per mm/s
    TTorqueValue down(env, c, 0, -3000, 0.1, 0.0001);
    EXPECT_EQ(down.Stop, -1);
    // friction helps braking; the load drives the motor, so its weight arrives as TD
    EXPECT_NEAR(down.IntervalTorque, 0.0011 * alpha - 0.1 + 0.035, kTol);
    TTorqueValue rest(env, c, 0, 0, 1, 0.0001);
    EXPECT_EQ(rest.Stop, 0);
    EXPECT_NEAR(rest.IntervalTorque, 0.05, kTol);  // holding only
    EXPECT_EQ(up.IntervalText(), "Frequency=3000\r\nPreFrequency=0\r\nIntervalTorque=" +
                                     FloatToText(up.IntervalTorque) + "\r\nIntervalTorqueS=" +
                                     FloatToText(up.IntervalTorqueS) + "\r\nTimeInterval=0.1\r\n");
}

// The fixed-direction share of an interval: TH (lifting figure) while the motor drives it or
// holds it, TD (what the load delivers) while it drives the motor; with shares of mixed signs
// along the chain the one that asks more of the motor along the motion.
TEST(TorqueValue, FixedDirectionShareFollowsThePowerFlow) {
    MachineFixture fx;
    TTorqueEnvironment env{&Formulas().torque, fx.constants.get(), "1"};
    struct Case {
        const char* what;
        double TH, TD, pre, f, share;
    };
    const Case cases[] = {
        {"lifting, start", 0.05, 0.035, 0, 3000, 0.05},
        {"lifting, constant speed", 0.05, 0.035, 3000, 3000, 0.05},
        {"lifting, braking to a stop", 0.05, 0.035, 3000, 0, 0.05},
        {"lowering, start", 0.05, 0.035, 0, -3000, 0.035},
        {"lowering, constant speed", 0.05, 0.035, -3000, -3000, 0.035},
        {"lowering, braking to a stop", 0.05, 0.035, -3000, 0, 0.035},
        {"holding", 0.05, 0.035, 0, 0, 0.05},
        {"force pushing forward, moving forward", -0.05, -0.035, 3000, 3000, -0.035},
        {"force pushing forward, moving back", -0.05, -0.035, -3000, -3000, -0.05},
        {"force pushing forward, standstill", -0.05, -0.035, 0, 0, -0.05},
        {"mixed signs, forward", 0.05, -0.01, 3000, 3000, 0.05},
        {"mixed signs, back", 0.05, -0.01, -3000, -3000, -0.01},
        {"no fixed force", 0, 0, -3000, -3000, 0},
    };
    for (const Case& k : cases) {
        CarryOutput c;
        c.JL = 0.001;
        c.TF = 0.1;
        c.TU = 0.1;
        c.TH = k.TH;
        c.TD = k.TD;
        c.V = 60;
        TTorqueValue v(env, c, k.f, k.pre, 0.1, 0.0001);
        EXPECT_NEAR(v.EpigeneConservation, k.share, kTol) << k.what;
        const double resist = 0.1 * v.Stop;
        EXPECT_NEAR(v.IntervalTorque, v.AdjustableSpeedTorque + resist + k.share, kTol) << k.what;
    }
}

TEST(TorqueList, FiguresOverAWholeCycle) {
    MachineFixture fx;
    TTorqueEnvironment env{&Formulas().torque, fx.constants.get(), "1"};
    CarryOutput c;
    c.JL = 0.0002;
    c.TF = 0.1;
    c.TU = 0.1;
    c.TH = 0;
    c.V = 10;
    TTorqueList list;
    list.Add(std::make_unique<TTorqueValue>(env, c, 3000, 0, 0.1, 0.0001));
    list.Add(std::make_unique<TTorqueValue>(env, c, 3000, 3000, 0.3, 0.0001));
    list.Add(std::make_unique<TTorqueValue>(env, c, 0, 3000, 0.1, 0.0001));
    list.Add(std::make_unique<TTorqueValue>(env, c, 0, 0, 0.5, 0.0001));
    list.Calculate(Formulas().torque);
    const double ta = 0.0003 * 3000 * kRadPerRpm / 0.1;
    const double t1 = ta + 0.1, t2 = 0.1, t3 = -ta + 0.1;
    EXPECT_NEAR(list.NecessityMaxTorque, t1, kTol);
    EXPECT_NEAR(list.TotalTime, 1.0, kTol);
    EXPECT_NEAR(list.EffectiveTorque, std::sqrt((t1 * t1 * 0.1 + t2 * t2 * 0.3 + t3 * t3 * 0.1) / 1.0), 1e-9);
    EXPECT_NEAR(list.MotorRunningTorqueMax, 0.1, kTol);
    EXPECT_EQ(list.MotorEpigeneTorqueMax, 0.0);
    EXPECT_NEAR(list.MaxSpeed, 300, kTol);
    EXPECT_NEAR(list.MaxFrequency, 3000, kTol);
    std::unique_ptr<TTorqueList> copy = list.Copy();
    EXPECT_EQ(copy->Count(), 4);
    EXPECT_EQ(copy->MotorRunningTorqueMax, list.MotorRunningTorqueMax);  // a motor's copy prints what was used
    EXPECT_EQ(copy->MaxSpeed, list.MaxSpeed);
    EXPECT_EQ(copy->EffectiveTorque, list.EffectiveTorque);
    const std::string dump = list.Text();
    EXPECT_NE(dump.find("==区間(0)\r\n"), std::string::npos);
    EXPECT_NE(dump.find("==区間(3)\r\n"), std::string::npos);
    EXPECT_NE(dump.find("合計時間=1\r\n"), std::string::npos);
}

TEST(TorqueList, WithoutAnEffectiveTorqueFormulaItRefuses) {
    TTorqueValueFormula none;
    none.NecessityMaxTorque = "NecessityMaxTorque = 1";
    TTorqueList list;
    TTorqueEnvironment env{&none, nullptr, "1"};
    list.Add(std::make_unique<TTorqueValue>(env, CarryOutput{}, 0, 0, 1, 0));
    try {
        list.Calculate(none);
        FAIL();
    } catch (const TKinemoError& e) {
        EXPECT_STREQ(e.what(), "Not initialized TorqueList.");
    }
}

TEST(Judgement, HandOverTextLogsAndVerdictsOfAFittingMotor) {
    MachineFixture fx;
    BuildChain(fx);
    Judge j(fx);
    j.source.intervals = {{0, 1000, 0.2}, {1000, 1000, 0.5}, {1000, 0, 0.2}, {0, 0, 1.1}};
    TMotor motor = SmallMotor();
    std::unique_ptr<TTorqueList> torques = j.discharge.BuildMotorTorques(motor);
    ASSERT_EQ(torques->Count(), 4);
    j.discharge.JudgeMotor(motor, *torques, 200);
    EXPECT_TRUE(motor.Judged);
    const double jl = 0.5 / 4 + 0.001;
    EXPECT_NEAR(motor.JL, jl, kTol);
    EXPECT_NEAR(motor.MotorInertiaRatio, jl / 0.3e-4, 1e-6);
    EXPECT_EQ(motor.InertiaCode, 2);  // over 4000 against an allowed 20
    const double peak = (jl + 0.3e-4) * 1000 * kRadPerRpm / 0.2;
    EXPECT_NEAR(motor.MotorNecessityMaxTorque, peak, 1e-9);
    EXPECT_NEAR(motor.MotorMaxTorquePercent, peak / 3.8 * 100, 1e-6);
    EXPECT_EQ(motor.MaxTorqueAdjudicationCode, peak <= 3.8 * 0.8 ? 0 : peak <= 3.8 ? 1 : 2);
    EXPECT_EQ(motor.MaxSpeedCode, 0);
    // The log: hand-over text first, then one line per step with the exact labels.
    ASSERT_GE(motor.JudgementLog.size(), 22u);
    const std::string& handOver = motor.JudgementLog[0];
    EXPECT_EQ(handOver.rfind("'==受け渡し出力\r\nJL=", 0), 0u);
    EXPECT_NE(handOver.find("\r\n'==モータ情報\r\n'ロータイナーシャ(msv_s_rotorinertia)\r\nMotorRotorInertia=3E-5"),
              std::string::npos);
    EXPECT_NE(handOver.find("\r\nWorkingVoltage=200"), std::string::npos);
    EXPECT_EQ(motor.JudgementLog[1].rfind("回転数=1000", 0), 0u);
    EXPECT_EQ(motor.JudgementLog[9].rfind("必要最大トルク判定結果 = ", 0), 0u);
    EXPECT_EQ(motor.JudgementLog.back().rfind("回生抵抗負荷率=", 0), 0u);
    // The trace heading and the motor's chain lines reach the hand-over log.
    EXPECT_NE(std::find(motor.HandOverLog.begin(), motor.HandOverLog.end(), "モータ=TEST-400"),
              motor.HandOverLog.end());
    ASSERT_NE(motor.Torques, nullptr);
    EXPECT_EQ(motor.Torques->Count(), 4);
}

TEST(Judgement, RegenerationFollowsTheEnergyBalance) {
    MachineFixture fx;
    BuildChain(fx);
    fx.chain->GetFactor(1)->FindInputItemByID(200)->SetValue(20);
    Judge j(fx);
    j.source.intervals = {{0, 2000, 0.5}, {2000, 0, 0.5}, {0, 0, 1.0}};
    TMotor motor = SmallMotor();
    std::unique_ptr<TTorqueList> torques = j.discharge.BuildMotorTorques(motor);
    j.discharge.JudgeMotor(motor, *torques, 200);
    const double jTotal = 0.5 / 400 + 0.001 + 0.3e-4;
    const double w = 2000 * kRadPerRpm;
    const double brake = jTotal * w / 0.5;                   // deceleration torque (no friction here)
    const double er = brake * (w / 2) * 0.5;                 // = ½ J ω²
    EXPECT_NEAR(er, 0.5 * jTotal * w * w, 1e-9);
    // Winding losses I²R with the current in proportion to torque, and the bus capacitor
    // charged from the rectified supply up to the trip voltage.
    const double ec = 3 * 1.5 * std::pow(2.6 * brake / 1.27, 2) * 0.5;
    const double em = 0.5 * 300e-6 * (400.0 * 400 - 2 * 200.0 * 200);
    ASSERT_LT(ec + em, er);
    const auto& table = j.discharge.MomentaryTable();
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Row(0).Er, "0");  // accelerating: no regeneration
    EXPECT_NEAR(std::stod(table.Row(1).Er), er, er * 1e-12);
    EXPECT_NEAR(std::stod(table.Row(1).Ec), ec, er * 1e-12);
    EXPECT_NEAR(std::stod(table.Row(1).Em), em, 1e-9);
    const double e = er - ec - em;
    EXPECT_NEAR(motor.maxP, e / 2.0, 1e-9);      // averaged over the 2 s cycle
    EXPECT_NEAR(motor.maxPm, (er - ec) / 0.5, 1e-9);
    EXPECT_EQ(table.Row(1).Behavior, "1");
    EXPECT_EQ(table.Row(1).No, "2");
    ASSERT_EQ(motor.MomentaryTableText.size(), 3u);
    EXPECT_EQ(motor.MomentaryTableText[0].substr(0, 4), "  0 ");
    EXPECT_EQ(motor.ResultCode, (er - ec) / 0.5 > 1000 ? 7 : e / 2.0 <= 10 ? 3 : e / 2.0 <= 60 ? 5 : 6);
    EXPECT_EQ(motor.AllowableDischargeAdjudicationCode, e / 2.0 <= 8 ? 0 : e / 2.0 <= 10 ? 1 : 2);
}

TEST(Judgement, ScriptTextAndRowFormatsOfTheMomentaryTable) {
    TMomentaryDischargeList list;
    for (int i = 0; i < 3; ++i) list.Add({std::to_string(i + 1), "1.23456789012345", "2", "3", "4", "0.5", "6", "7",
                                          i == 2 ? "-1" : "0", ""});
    const std::string script = list.ScriptText();
    EXPECT_EQ(script.rfind("Count=3\r\nDim Er(3)\r\nDim Ec(3)\r\nDim Em(3)\r\nDim t(3)\r\nDim E(3)\r\nDim P(3)\r\n"
                           "Dim Ct(3)\r\nDim Pm(3)\r\nEr(1)=1.23456789012345\r\nEc(1)=2",
                           0),
              0u);
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 8 + 12);
    const std::vector<std::string> rows = list.FormatRows();
    EXPECT_EQ(rows[0], "  0  1.234567890            2            3            4          0.5            6  0            7");
    EXPECT_EQ(rows[2].substr(rows[2].size() - 16, 3), " -1");
}

TEST(Judgement, AFailingFormulaLeavesTheMotorUnjudged) {
    MachineFixture fx;
    BuildChain(fx);
    TCalcDischargeFormula broken = Formulas().judgement;
    broken.Set("Inertia", "Inertia = 1 / 0");
    TTorqueEnvironment env{&Formulas().torque, fx.constants.get(), "1"};
    FixedSource source(env, *fx.chain);
    source.intervals = {{0, 1000, 0.2}, {1000, 0, 0.2}};
    TCalcDischarge d(broken, Formulas().torque, *fx.constants, *fx.chain, fx.trace);
    d.SetTorqueSource(&source);
    TMotor motor = SmallMotor();
    auto torques = d.BuildMotorTorques(motor);
    EXPECT_THROW(d.JudgeMotor(motor, *torques, 200), TFormulaError);
    EXPECT_FALSE(motor.Judged);
    EXPECT_NE(motor.MotorInertiaRatio, 0.0);  // results before the failure stay
    // A Pn that leaves maxP undefined or textual gives 0, not an error.
    broken.Set("Inertia", Formulas().judgement.Get("Inertia"));
    broken.Set("Pn", "maxP = \"many\"");
    TCalcDischarge d2(broken, Formulas().torque, *fx.constants, *fx.chain, fx.trace);
    d2.SetTorqueSource(&source);
    d2.JudgeMotor(motor, *torques, 200);
    EXPECT_EQ(motor.maxP, 0.0);
    EXPECT_EQ(motor.maxPm, 0.0);
    EXPECT_TRUE(motor.Judged);
}

TEST(MotorRecord, LabelsAssignAndDebugText) {
    TNameValueList labels;
    labels.SetValue("0", "OK");
    TMotor m;
    EXPECT_EQ(m.GetResultLabel(labels, m.InertiaCode), "");  // not judged: no label even for 0
    m.Judged = true;
    EXPECT_EQ(m.GetResultLabel(labels, 0), "OK");
    EXPECT_EQ(m.GetResultLabel(labels, 9), "");
    m.Torques = std::make_unique<TTorqueList>();
    TMotor other;
    other.msv_model_all = "X";
    m.Assign(other);  // a source without torques keeps the target's
    EXPECT_NE(m.Torques, nullptr);
    EXPECT_EQ(m.msv_model_all, "X");
    EXPECT_FALSE(m.Judged);
    const std::string text = m.GetDebugText();
    EXPECT_EQ(text.rfind("-- 選択要素の受け渡し出力 --\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n No        Er(J)        Ec(J)        Em(J)         E(J)         t(s)         P(W) 回生区間番号\r\n"),
              std::string::npos);
}

TEST(MotorRecord, LoadReadsOnlyTheColumnsAQueryHas) {
    kinemo::test::TempDir dir;
    kinemo::test::MakeCatalog(dir.File("m.db"), std::string(kinemo::test::kMinimalSchema) + R"(
        CREATE TABLE v (msv_cd INTEGER, msv_s_maxtorque REAL, msv_m_warningtorquedef REAL,
          msv_s_ratedtorque REAL, msv_m_warningtorquelow REAL, msgr_value REAL, mmp_model TEXT);
        INSERT INTO v VALUES (7, 3.0, 0.8, 1.0, 0.9, 5, 'A-100'), (8, 6.0, 0.5, 2.0, NULL, 9, 'B-200');)");
    TCatalog catalog(dir.File("m.db"));
    TCatalogQuery q(catalog);
    q.SetSQL("select msv_cd, msv_s_maxtorque, msv_m_warningtorquedef, msv_s_ratedtorque, mmp_model AS msv_model_all "
             "from v order by msv_cd");
    q.Open();
    auto list = LoadMotorList(q);
    EXPECT_FALSE(q.Active());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->msv_cd, 7);
    EXPECT_EQ(list[0]->msv_model_all, "A-100");
    EXPECT_DOUBLE_EQ(list[0]->MotorWarningTorqueDefMax, 2.4);
    EXPECT_EQ(list[0]->MotorWarningTorqueLowMax, 0.0);  // factor column absent
    EXPECT_EQ(list[0]->MotorWarningTorqueHighEffective, 0.0);
    EXPECT_EQ(list[0]->msgr_value, 1.0);  // no gear-ratio column: 1
    q.SetSQL("select msgr_value from v where msv_cd = 99");
    q.Open();
    EXPECT_TRUE(LoadMotorList(q).empty());
    EXPECT_FALSE(q.Active());
}
