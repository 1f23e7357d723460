// The main window's committed-motor state and the motors shown on the option and CAD
// pages: what commit, release and the two detail commands change, and what the screens
// show as a result.
#pragma once

#include "torque/MotorReference.h"

#include <optional>

namespace kinemo {

class TCommitState {
public:
    bool Committed() const { return committed_.has_value(); }
    const std::optional<TMotorReference>& CommittedMotor() const { return committed_; }
    const std::optional<TMotorReference>& OptionMotor() const { return option_; }
    const std::optional<TMotorReference>& CadMotor() const { return cad_; }

    // Fixes the option and CAD detail screens on the motor, with no way back to their
    // selection screens, and makes the first page read-only.
    void CommitMotor(const TMotorReference& motor);
    // Undoes CommitMotor: the option page returns to its series screen, the CAD page to
    // its selection screen (its detail screen keeps the last CAD motor).
    void ReleaseCommit();
    // The option series screen chose a motor: its detail screen shows it.
    void ShowOptionDetail(const TMotorReference& motor);
    // The CAD selection screen chose a motor: its detail screen shows it.
    void ShowCadDetail(const TMotorReference& motor);
    // The detail screens' return buttons.
    void ReturnFromOptionDetail();
    void ReturnFromCadDetail();

    bool CommitLabelVisible() const { return Committed(); }
    bool FirstPageEditable() const { return !Committed(); }
    bool OptionDetailShown() const { return optionDetailShown_; }
    bool OptionReturnEnabled() const { return !Committed(); }
    bool CadDetailShown() const { return cadDetailShown_; }
    bool CadReturnEnabled() const { return !Committed(); }
    // The motor each detail screen shows (none when it has none).
    std::optional<TMotorReference> OptionDetailMotor() const;
    std::optional<TMotorReference> CadDetailMotor() const;

private:
    std::optional<TMotorReference> committed_, option_, cad_;
    bool optionDetailShown_ = false;
    bool cadDetailShown_ = false;
};

}  // namespace kinemo
