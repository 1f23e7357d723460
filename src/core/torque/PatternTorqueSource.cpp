// Torque intervals from the drive pattern.
#include "torque/PatternTorqueSource.h"

#include "formula/FormulaEngine.h"
#include "machine/CalcCarryValue.h"
#include "machine/ExternalForceState.h"
#include "pattern/InputPatternGridData.h"
#include "pattern/InputPatternPositionGridData.h"
#include "base/ErrorMessage.h"

#include "units/PhysicalConstant.h"

#include <cmath>

namespace kinemo {

TPatternTorqueSource::TPatternTorqueSource(TCalcCarryValue& chain, const TTorqueValueFormula& formulas,
                                           const TPhysicalConstant& constants, const TErrorMessage& errors,
                                           TProgramCache* programs, TIntervalResults* results)
    : chain_(chain), formulas_(formulas), constants_(constants), errors_(errors), programs_(programs), results_(results) {}

TPatternTorqueSource::~TPatternTorqueSource() = default;

void TPatternTorqueSource::SetPattern(const TInputPatternGridData* pattern, const TExternalForceGridData* marks) {
    pattern_ = pattern;
    marks_ = marks;
}

std::unique_ptr<TTorqueValue> TPatternTorqueSource::Make(const TTorqueEnvironment& env, const CarryOutput& carry,
                                                         double frequency, double preFrequency, double timeInterval,
                                                         double rotorInertia) const {
    if (results_) return results_->Make(env, carry, frequency, preFrequency, timeInterval, rotorInertia);
    return std::make_unique<TTorqueValue>(env, carry, frequency, preFrequency, timeInterval, rotorInertia);
}

std::vector<std::unique_ptr<TTorqueValue>> TPatternTorqueSource::BuildTorqueValues(const TMotor& motor,
                                                                                   double rotorInertia) {
    std::vector<std::unique_ptr<TTorqueValue>> out;
    if (!pattern_) return out;
    if (!engine_) engine_ = std::make_unique<TFormulaEngine>(programs_);
    TTorqueEnvironment env{&formulas_, &constants_, ModulusText ? ModulusText() : std::string("1"), programs_,
                           engine_.get()};
    chain_.SetTableColumns(marks_ ? marks_->Columns() : std::vector<TExternalForceColData*>{});
    // The motor speeds come from the load side of the pattern through this motor's own
    // speed coefficient: the pattern's motor-speed column belongs to whatever gear the
    // motor search names, which need not be the gear of the motor judged.
    TCarryTable table;
    const TMotorGearData gear = motor.GearData();
    chain_.CalcCarryTable(&gear, table);
    if (pattern_->InputType() == TPatternInput::Speed) BuildSpeed(env, table, rotorInertia, out);
    else BuildPosition(env, table, rotorInertia, out);
    return out;
}

void TPatternTorqueSource::BuildSpeed(const TTorqueEnvironment& env, const TCarryTable& table, double j,
                                      std::vector<std::unique_ptr<TTorqueValue>>& out) const {
    using P = TInputPatternGridData;
    double pf = 0;
    for (int r = 1; r < P::kStoredRowCount; ++r) {
        const double t = pattern_->Cell(r, P::kTimeInterval).Value();
        if (!(t > 0)) continue;
        const CarryOutput& carry = table[static_cast<size_t>(r - 1)];
        const double f = pattern_->FrequencyFor(r, carry.V);
        if (f * pf >= 0) {
            out.push_back(Make(env, carry, f, pf, t, j));
        } else {
            // The speed changes sign inside the interval: split it at zero speed.
            const double t0 = std::fabs(pf * (t / (f - pf)));
            out.push_back(Make(env, carry, 0, pf, t0, j));
            out.push_back(Make(env, carry, f, 0, t - t0, j));
        }
        pf = f;
    }
}

void TPatternTorqueSource::BuildPosition(const TTorqueEnvironment& env, const TCarryTable& table, double j,
                                         std::vector<std::unique_ptr<TTorqueValue>>& out) const {
    using P = TInputPatternPositionGridData;
    double previous = 0;
    for (int r = 1; r < P::kStoredRowCount; ++r) {
        const double T = pattern_->Cell(r, P::kTimeInterval).Value();
        const double a = pattern_->Cell(r, P::kAccelerationTime).Value();
        const double d = pattern_->Cell(r, P::kDecelerationTime).Value();
        const double p = pattern_->Cell(r, P::kPosition).Value();
        const bool move = p != previous;
        if (a < 0 || d < 0 || T < 0 || a + d > T || T <= 0 || (move && (a == 0 || d == 0))) continue;
        const CarryOutput& carry = table[static_cast<size_t>(r - 1)];
        const double f = pattern_->FrequencyFor(r, carry.V);
        if (!move) {
            if (a != 0 || d != 0) {
                out.clear();
                throw TErrorMessageException(errors_, "IllegalUnderSuspension");
            }
            out.push_back(Make(env, carry, f, f, T, j));
        } else {
            if (a > 0) out.push_back(Make(env, carry, f, 0, a, j));
            if (T - a - d > 0) out.push_back(Make(env, carry, f, f, T - a - d, j));
            if (d > 0) out.push_back(Make(env, carry, 0, f, d, j));
        }
        previous = p;
    }
}

}  // namespace kinemo
