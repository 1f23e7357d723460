// Display conditions.
#include "selection/DisplayCondition.h"

#include "base/CatalogText.h"
#include "torque/Motor.h"
#include "units/ValueFormat.h"

namespace kinemo {

bool TDisplayCondition::Passes(const TMotor& m) const {
    if (All) return true;
    const std::pair<double, double> checks[] = {{m.MotorEffectiveTorquePercent, EffectiveTorque},
                                                {m.MotorRunningTorqueMaxPercent, RunningTorque},
                                                {m.MotorMaxTorquePercent, MaxTorque},
                                                {m.MotorMaxSpeedMax, MaxFrequency},
                                                {m.MotorInertiaRatio, Inertia}};
    for (const auto& [value, threshold] : checks)
        if (value > threshold) return false;  // NaN compares false and passes
    return true;
}

TDisplayCondition TDisplayCondition::MakeAll() {
    TDisplayCondition c;
    c.All = true;
    return c;
}

TDisplayCondition TDisplayCondition::LoadPreset(TCatalogQuery& query, const std::string& level) {
    TNameValueList texts = ReadMessageClass(query, "frame_choice_motor");
    auto read = [&](const char* name) {
        double v = 0;
        return TryTextToFloat(texts.Value(std::string(name) + "(" + level + ")"), v) ? v : 0.0;
    };
    TDisplayCondition c;
    c.MaxTorque = read("MaxTorque");
    c.EffectiveTorque = read("EffectiveTorque");
    c.MaxFrequency = read("MaxFrequency");
    c.RunningTorque = read("RunningTorque");
    c.Inertia = read("Inertia");
    return c;
}

}  // namespace kinemo
