// A motor as the project file names it: its catalog motor code (msv_cd) and extension
// code (mxc_cd), or the model name of one of the user's own motors.
#pragma once

#include <string>

namespace kinemo {

struct TMotorReference {
    // The codes a user-defined motor is written with: below every catalog code, so that a
    // reader that does not know user motors sees no catalog motor.
    static constexpr long long kUserCode = -1;

    long long MsvID = 0;
    long long MxcID = 0;
    std::string UserModel;  // empty: a catalog motor

    bool IsUser() const { return !UserModel.empty(); }
    static TMotorReference User(const std::string& model) { return {kUserCode, kUserCode, model}; }
    friend bool operator==(const TMotorReference&, const TMotorReference&) = default;
};

}  // namespace kinemo
