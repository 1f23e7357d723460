// The motor record's field table and copies: a misspelt column would leave a limit at 0
// without a word, and a copy must carry every part of the record.
#include "base/Catalog.h"
#include "support/ExampleSession.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <set>

using namespace kinemo;

namespace {

// The four columns every motor query renames from its joins.
const std::set<std::string> kAliases = {"msv_model_all", "msv_amplifier1", "msv_motor_price", "msv_amp_price"};

TEST(MotorFields, EveryColumnIsOneTheCatalogHas) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery q(catalog);
    q.SetSQL("select p.name from sqlite_master m, pragma_table_info(m.name) p where m.type = 'table'");
    q.Open();
    std::set<std::string> columns;
    for (; !q.Eof(); q.Next()) columns.insert(q.AsString(0));
    q.Close();
    ASSERT_GT(columns.size(), 50u);
    std::set<std::string> symbols;
    for (const TMotorField& f : MotorFields()) {
        for (const char* c : {f.Column, f.Factor})
            if (c) {
                EXPECT_TRUE(columns.count(c) || kAliases.count(c)) << c;
            }
        if (f.Symbol) {
            EXPECT_TRUE(symbols.insert(f.Symbol).second) << "handed over twice: " << f.Symbol;
            EXPECT_TRUE(std::holds_alternative<double TMotor::*>(f.Member)) << f.Symbol;
            EXPECT_EQ(std::string(f.Label).rfind("'", 0), 0u) << f.Symbol;  // a comment line
        }
    }
    EXPECT_EQ(symbols.size(), 30u);
}

// A committed motor is a copy of a judged one: every part must come along.
TEST(MotorRecord, ACopyOfAJudgedMotorCarriesEveryPart) {
    test::ExampleSession example("02_ball_screw_through_gear.kjb");
    std::vector<std::unique_ptr<TMotor>> motors = LoadEveryCatalogMotor(example.ctx->Query());
    ASSERT_FALSE(motors.empty());
    TMotor& judged = *motors[motors.size() / 2];
    auto torques = example.session->Discharge().BuildMotorTorques(judged);
    example.session->Discharge().JudgeMotor(judged, *torques, judged.MotorRatedSupply);
    ASSERT_TRUE(judged.Judged);

    TMotor copy(judged);
    for (const TMotorField& f : MotorFields())
        std::visit([&](auto member) { EXPECT_EQ(copy.*member, judged.*member) << (f.Column ? f.Column : f.Symbol); },
                   f.Member);
    EXPECT_EQ(copy.GetDebugText(), judged.GetDebugText());
    EXPECT_EQ(copy.JudgementLog, judged.JudgementLog);
    EXPECT_EQ(copy.ResultCode, judged.ResultCode);
    EXPECT_EQ(copy.JL, judged.JL);
    ASSERT_NE(copy.Torques, nullptr);
    EXPECT_EQ(copy.Torques->Count(), torques->Count());
    EXPECT_EQ(copy.Torques->EffectiveTorque, torques->EffectiveTorque);

    // A torque list copies whole.
    const TTorqueList whole(*torques);
    EXPECT_EQ(whole.Text(), torques->Text());
    EXPECT_EQ(whole.MotorRunningTorqueMax, torques->MotorRunningTorqueMax);
    EXPECT_EQ(whole.MotorEpigeneTorqueMax, torques->MotorEpigeneTorqueMax);
}

}  // namespace
