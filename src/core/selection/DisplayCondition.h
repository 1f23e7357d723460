// Thresholds that decide which judged motors the candidate list shows after a run.
#pragma once

#include <string>

namespace kinemo {

class TCatalogQuery;
class TMotor;

struct TDisplayCondition {
    double MaxTorque = 0;        // against MotorMaxTorquePercent
    double EffectiveTorque = 0;  // against MotorEffectiveTorquePercent
    double MaxFrequency = 0;     // against MotorMaxSpeedMax
    double RunningTorque = 0;    // against MotorRunningTorqueMaxPercent
    double Inertia = 0;          // against MotorInertiaRatio
    bool All = false;

    // True with All; otherwise unless a value is strictly above its threshold (a value
    // that does not compare passes).
    bool Passes(const TMotor& motor) const;
    static TDisplayCondition MakeAll();
    // The preset of a level ("60", "80", "100", "Custom") from the catalog texts
    // "MaxTorque(60)" and so on; a text that is not a number reads as 0.
    static TDisplayCondition LoadPreset(TCatalogQuery& query, const std::string& level);
};

}  // namespace kinemo
