// Commit, release and the option and CAD detail screens.
#include "session/CommitState.h"

namespace kinemo {

void TCommitState::CommitMotor(const TMotorReference& motor) {
    committed_ = motor;
    optionDetailShown_ = true;
    cadDetailShown_ = true;
}

void TCommitState::ReleaseCommit() {
    committed_.reset();
    optionDetailShown_ = false;
    cadDetailShown_ = false;
}

void TCommitState::ShowOptionDetail(const TMotorReference& motor) {
    option_ = motor;
    optionDetailShown_ = true;
}

void TCommitState::ShowCadDetail(const TMotorReference& motor) {
    cad_ = motor;
    cadDetailShown_ = true;
}

void TCommitState::ReturnFromOptionDetail() {
    if (!Committed()) optionDetailShown_ = false;
}

void TCommitState::ReturnFromCadDetail() {
    if (!Committed()) cadDetailShown_ = false;
}

std::optional<TMotorReference> TCommitState::OptionDetailMotor() const {
    if (Committed()) return committed_;
    // After a release the option detail screen has no motor until a series is chosen again.
    return optionDetailShown_ ? option_ : std::nullopt;
}

std::optional<TMotorReference> TCommitState::CadDetailMotor() const { return Committed() ? committed_ : cad_; }

}  // namespace kinemo
