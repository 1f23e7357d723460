// The torque intervals of a motor on the drive pattern shown: the chain per interval
// with its external-force marks and the motor's gear, the motor speeds of the pattern's
// load motion through that chain, speed intervals split at zero speed, position moves
// split into their acceleration, constant and deceleration phases.
#pragma once

#include "torque/CalcDischarge.h"

#include <functional>

namespace kinemo {

class TCalcCarryValue;
class TErrorMessage;
class TExternalForceGridData;
class TInputPatternGridData;

class TPatternTorqueSource : public ITorqueSource {
public:
    // programs and results belong to the run (either may be null: parse every text,
    // remember no interval).
    TPatternTorqueSource(TCalcCarryValue& chain, const TTorqueValueFormula& formulas,
                         const TPhysicalConstant& constants, const TErrorMessage& errors,
                         TProgramCache* programs = nullptr, TIntervalResults* results = nullptr);

    // The pattern shown and its external-force marks (both borrowed; marks may be null).
    void SetPattern(const TInputPatternGridData* pattern, const TExternalForceGridData* marks);
    const TInputPatternGridData* Pattern() const { return pattern_; }
    // The selected S-curve's modulus text, asked at every build.
    std::function<std::string()> ModulusText;

    ~TPatternTorqueSource() override;

    std::vector<std::unique_ptr<TTorqueValue>> BuildTorqueValues(const TMotor& motor, double rotorInertia) override;

private:
    // One interval, remembered by its inputs when the run keeps interval results.
    std::unique_ptr<TTorqueValue> Make(const TTorqueEnvironment& env, const CarryOutput& carry, double frequency,
                                       double preFrequency, double timeInterval, double rotorInertia) const;
    void BuildSpeed(const TTorqueEnvironment& env, const TCarryTable& table, double j,
                    std::vector<std::unique_ptr<TTorqueValue>>& out) const;
    void BuildPosition(const TTorqueEnvironment& env, const TCarryTable& table, double j,
                       std::vector<std::unique_ptr<TTorqueValue>>& out) const;

    TCalcCarryValue& chain_;
    const TTorqueValueFormula& formulas_;
    const TPhysicalConstant& constants_;
    const TErrorMessage& errors_;
    const TInputPatternGridData* pattern_ = nullptr;
    const TExternalForceGridData* marks_ = nullptr;
    TProgramCache* programs_;
    TIntervalResults* results_;
    std::unique_ptr<TFormulaEngine> engine_;  // every interval's formula, cleared for each
};

}  // namespace kinemo
