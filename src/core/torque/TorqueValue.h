// One torque interval of a motor: the catalog's interval formula run on the interval's
// speeds, time, carry values and the motor's rotor inertia.
#pragma once

#include "base/RecentResults.h"
#include "machine/CalcCarryValue.h"
#include "torque/HandOverValues.h"

#include <array>

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TPhysicalConstant;
class TFormulaEngine;
class TProgramCache;

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
    TProgramCache* Programs = nullptr;  // the run's parsed formula texts; null parses every time
    TFormulaEngine* Engine = nullptr;   // one engine cleared for every interval; null: a fresh one each
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
    // The same five values, to set in a formula engine (with their text only when kept).
    THandOverValues RegenerationValues(bool keepText = true) const;

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

// What an interval formula run reads besides its environment: the carry values
// (JL TF TU TH V A B), frequency, previous frequency, time and rotor inertia.
struct TIntervalInput {
    std::array<TExactDouble, 12> Values;
    bool operator==(const TIntervalInput&) const = default;
    uint64_t Hash() const {
        uint64_t h = 0;
        for (const TExactDouble& v : Values) h = MixHash(h, std::bit_cast<uint64_t>(v.value));
        return h;
    }
};

// Interval results by their inputs. Twins of a motor (the same motor with another
// extension code) and repeated moves of a pattern run the interval formula on equal
// inputs; results of another environment (formula, constants, S-curve) are dropped.
class TIntervalResults {
public:
    std::unique_ptr<TTorqueValue> Make(const TTorqueEnvironment& env, const CarryOutput& carry, double frequency,
                                       double preFrequency, double timeInterval, double rotorInertia);

private:
    std::string formulaText_, constantsText_, modulusText_;  // what the results were made with
    TRecentResults<TIntervalInput, TTorqueValue, 4096> results_;
};

}  // namespace kinemo
