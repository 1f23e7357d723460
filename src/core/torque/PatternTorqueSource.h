// The torque intervals of a motor on the drive pattern shown: the chain per interval
// with its external-force marks and the motor's gear, the motor speeds of the pattern's
// load motion through that chain, speed intervals split at zero speed, position moves
// split into their acceleration, constant and deceleration phases.
#pragma once

#include "torque/CalcDischarge.h"

#include <array>
#include <functional>

namespace kinemo {

class TCalcCarryValue;
class TErrorMessage;
class TExternalForceGridData;
class TInputPatternGridData;

class TPatternTorqueSource : public ITorqueSource {
public:
    TPatternTorqueSource(TCalcCarryValue& chain, const TTorqueValueFormula& formulas,
                         const TPhysicalConstant& constants, const TErrorMessage& errors);

    // The pattern shown and its external-force marks (both borrowed; marks may be null).
    void SetPattern(const TInputPatternGridData* pattern, const TExternalForceGridData* marks);
    const TInputPatternGridData* Pattern() const { return pattern_; }
    // The selected S-curve's modulus text, asked at every build.
    std::function<std::string()> ModulusText;

    std::vector<std::unique_ptr<TTorqueValue>> BuildTorqueValues(const TMotor& motor, double rotorInertia) override;

private:
    // Interval results by their inputs. Twins of a motor (the same motor with another
    // extension code) and repeated moves of a pattern run the interval formula on equal
    // inputs; the formula texts are fixed between calls, so equal inputs give equal values.
    class TValueMemo {
    public:
        std::unique_ptr<TTorqueValue> Make(const TTorqueEnvironment& env, const CarryOutput& carry, double frequency,
                                           double preFrequency, double timeInterval, double rotorInertia);

    private:
        struct TEntry {
            std::array<double, 4> inputs;
            CarryOutput carry;
            std::unique_ptr<TTorqueValue> value;
        };
        static constexpr size_t kCapacity = 64;
        std::string formulaText_, constantsText_, modulusText_;  // what the entries were made with
        std::vector<TEntry> entries_;
        size_t next_ = 0;  // the entry a new result replaces once full
    };

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
    mutable TValueMemo memo_;
};

}  // namespace kinemo
