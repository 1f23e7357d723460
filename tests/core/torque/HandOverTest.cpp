// The judgement hands its values to the formulas by setting them in the engine; the log
// keeps the text. Both ways must give each formula exactly the same variables.
#include "formula/FormulaEngine.h"
#include "support/ExampleSession.h"
#include "torque/HandOverValues.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/PhysicalConstant.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace kinemo;

namespace {

// Name, subtype and the exact bits of every assigned variable.
std::string AssignedDump(const TFormulaEngine& engine) {
    std::string s;
    for (const auto& [name, value] : engine.AssignedVariables()) {
        s += name + ":" + std::to_string(static_cast<int>(value.GetType())) + ":";
        if (value.GetType() == Variant::Type::Double) {
            const double d = value.ToDouble();
            uint64_t bits = 0;
            std::memcpy(&bits, &d, sizeof bits);
            s += std::to_string(bits);
        } else {
            s += value.ToText();
        }
        s += "\n";
    }
    return s;
}

std::string ByText(const THandOverValues& v) {
    TFormulaEngine engine;
    engine.ExecuteStatement(v.Text());
    return AssignedDump(engine);
}

std::string Direct(const THandOverValues& v) {
    TFormulaEngine engine;
    v.ApplyTo(engine);
    return AssignedDump(engine);
}

TEST(HandOver, EveryCatalogMotorGetsTheSameVariablesAsFromTheText) {
    test::ExampleSession example("02_ball_screw_through_gear.kjb");
    TCalcDischarge& discharge = example.session->Discharge();
    const std::vector<std::unique_ptr<TMotor>> motors = LoadEveryCatalogMotor(example.ctx->Query());
    ASSERT_GT(motors.size(), 300u);
    for (const auto& m : motors) {
        const std::unique_ptr<TTorqueList> torques = discharge.BuildMotorTorques(*m);
        THandOverValues values = discharge.BuildHandOver(*m, *torques);
        values.Script(example.ctx->Constants().ConstantsText());
        values.Number("WorkingVoltage", m->MotorRatedSupply);
        const std::string expected = ByText(values);
        ASSERT_NE(expected.find("MotorRatedTorque"), std::string::npos);
        EXPECT_EQ(Direct(values), expected) << m->msv_model_all;
        for (int i = 0; i < torques->Count(); ++i)
            EXPECT_EQ(Direct(torques->Value(i).RegenerationValues()), ByText(torques->Value(i).RegenerationValues()));
    }
}

// Numbers whose text is no literal, and literals of every subtype.
TEST(HandOver, OddNumbersRunAsTheirText) {
    THandOverValues v;
    v.Comment("'odd ones");
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 0.0, -0.0, 5, -5, 32768, -32768,
                             40000, 3e9, -2.5e-300, 1e21, 0.1};
    int n = 0;
    for (double d : values) v.Number("X" + std::to_string(n++), d);
    EXPECT_EQ(Direct(v), ByText(v));
}

}  // namespace
