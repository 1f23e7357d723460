// A motor as the project file names it: its catalog motor code (msv_cd) and extension
// code (mxc_cd).
#pragma once

namespace kinemo {

struct TMotorReference {
    long long MsvID = 0;
    long long MxcID = 0;
    friend bool operator==(const TMotorReference&, const TMotorReference&) = default;
};

}  // namespace kinemo
