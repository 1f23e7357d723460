// One torque interval of a motor: the catalog's interval formula run on the interval's
// speeds, time, carry values and the motor's rotor inertia.
#pragma once

#include "machine/CalcCarryValue.h"

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TPhysicalConstant;

// The catalog's torque formula texts, read once per run.
struct TTorqueValueFormula {
    std::vector<std::string> IntervalLines;  // "TorqueValueFormula", split into lines
    std::string EffectiveTorque;             // "EffectiveTorqueFormula"
    std::string NecessityMaxTorque;          // "NecessityMaxTorque"
    std::string RunningTorqueMax;            // "MotorRunningTorqueMax"
    std::string EpigeneTorqueMax;            // "MotorEpigeneTorqueMax"
    std::string IntervalText;                // IntervalLines joined, for one execution

    static TTorqueValueFormula Load(class TCatalogQuery& query);
};

// What an interval formula run needs besides the interval itself.
struct TTorqueEnvironment {
    const TTorqueValueFormula* Formulas = nullptr;
    const TPhysicalConstant* Constants = nullptr;
    std::string ModulusText = "1";  // the selected S-curve's modulus as stored
};

class TTorqueValue {
public:
    // Runs the interval formula.
    TTorqueValue(const TTorqueEnvironment& env, const CarryOutput& carry, double frequency, double preFrequency,
                 double timeInterval, double rotorInertia);
    TTorqueValue(const TTorqueValue& other) = default;

    // "Frequency=", "PreFrequency=", "IntervalTorque=", "IntervalTorqueS=", "TimeInterval="
    // lines, each ending with CR LF: the regeneration formulas' view of the interval.
    std::string IntervalText() const;

    double TimeInterval = 0;
    double Frequency = 0;
    double PreFrequency = 0;
    double Speed = 0;
    double V = 0;
    int Stop = 0;
    double FrictionTorque = 0;
    double AdjustableSpeedTorque = 0;
    double StartingTorque = 0;
    double IntervalTorque = 0;
    double IntervalTorqueS = 0;
    double EpigeneConservation = 0;
    double RotorInertia = 0;
    CarryOutput Carry;
};

}  // namespace kinemo
