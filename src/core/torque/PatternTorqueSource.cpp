// Torque intervals from the drive pattern.
#include "torque/PatternTorqueSource.h"

#include "machine/CalcCarryValue.h"
#include "machine/ExternalForceState.h"
#include "pattern/InputPatternGridData.h"
#include "pattern/InputPatternPositionGridData.h"
#include "base/ErrorMessage.h"

#include "units/PhysicalConstant.h"

#include <cmath>
#include <cstring>
#include <type_traits>

namespace kinemo {

TPatternTorqueSource::TPatternTorqueSource(TCalcCarryValue& chain, const TTorqueValueFormula& formulas,
                                           const TPhysicalConstant& constants, const TErrorMessage& errors)
    : chain_(chain), formulas_(formulas), constants_(constants), errors_(errors) {}

void TPatternTorqueSource::SetPattern(const TInputPatternGridData* pattern, const TExternalForceGridData* marks) {
    pattern_ = pattern;
    marks_ = marks;
}

std::unique_ptr<TTorqueValue> TPatternTorqueSource::TValueMemo::Make(const TTorqueEnvironment& env,
                                                                     const CarryOutput& carry, double frequency,
                                                                     double preFrequency, double timeInterval,
                                                                     double rotorInertia) {
    static_assert(std::is_trivially_copyable_v<CarryOutput>);
    static const std::string kNone;
    const std::string& formula = env.Formulas ? env.Formulas->IntervalText : kNone;
    const std::string& constants = env.Constants ? env.Constants->ConstantsText() : kNone;
    if (formula != formulaText_ || constants != constantsText_ || env.ModulusText != modulusText_) {
        entries_.clear();
        next_ = 0;
        formulaText_ = formula;
        constantsText_ = constants;
        modulusText_ = env.ModulusText;
    }
    const std::array<double, 4> inputs{frequency, preFrequency, timeInterval, rotorInertia};
    for (const TEntry& e : entries_)
        if (std::memcmp(e.inputs.data(), inputs.data(), sizeof inputs) == 0 &&
            std::memcmp(&e.carry, &carry, sizeof carry) == 0)
            return std::make_unique<TTorqueValue>(*e.value);
    auto value = std::make_unique<TTorqueValue>(env, carry, frequency, preFrequency, timeInterval, rotorInertia);
    TEntry entry{inputs, carry, std::make_unique<TTorqueValue>(*value)};
    if (entries_.size() < kCapacity) {
        entries_.push_back(std::move(entry));
    } else {
        entries_[next_] = std::move(entry);
        next_ = (next_ + 1) % kCapacity;
    }
    return value;
}

std::vector<std::unique_ptr<TTorqueValue>> TPatternTorqueSource::BuildTorqueValues(const TMotor& motor,
                                                                                   double rotorInertia) {
    std::vector<std::unique_ptr<TTorqueValue>> out;
    if (!pattern_) return out;
    TTorqueEnvironment env{&formulas_, &constants_, ModulusText ? ModulusText() : std::string("1")};
    chain_.SetTableColumns(marks_ ? marks_->Columns() : std::vector<TExternalForceColData*>{});
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
        const double f = pattern_->Cell(r, P::kFrequency).Value();
        const CarryOutput& carry = table[static_cast<size_t>(r - 1)];
        if (f * pf >= 0) {
            out.push_back(memo_.Make(env, carry, f, pf, t, j));
        } else {
            // The speed changes sign inside the interval: split it at zero speed.
            const double t0 = std::fabs(pf * (t / (f - pf)));
            out.push_back(memo_.Make(env, carry, 0, pf, t0, j));
            out.push_back(memo_.Make(env, carry, f, 0, t - t0, j));
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
        const double f = pattern_->Cell(r, P::kFrequency).Value();
        const bool move = p != previous;
        if (a < 0 || d < 0 || T < 0 || a + d > T || T <= 0 || (move && (a == 0 || d == 0))) continue;
        const CarryOutput& carry = table[static_cast<size_t>(r - 1)];
        if (!move) {
            if (a != 0 || d != 0) {
                out.clear();
                throw TErrorMessageException(errors_, "IllegalUnderSuspension");
            }
            out.push_back(memo_.Make(env, carry, f, f, T, j));
        } else {
            if (a > 0) out.push_back(memo_.Make(env, carry, f, 0, a, j));
            if (T - a - d > 0) out.push_back(memo_.Make(env, carry, f, f, T - a - d, j));
            if (d > 0) out.push_back(memo_.Make(env, carry, 0, f, d, j));
        }
        previous = p;
    }
}

}  // namespace kinemo
