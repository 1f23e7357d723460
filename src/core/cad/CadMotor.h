// The motor a drawing is made of, and how the CAD page finds it from a motor reference.
#pragma once

#include "torque/MotorReference.h"

#include <optional>
#include <string>

namespace kinemo {

class TCatalogQuery;

struct TCadMotor {
    std::string Model;    // msv_model_all (mmp_model)
    int MmpCd = 0;        // the motor price row: motor + extension code
    bool Geared = false;  // msv_msmg_cd = 1: built-in gear head
    TMotorReference Reference;  // msv_cd and mxc_cd, as the project file names the motor
};

// The motor price row of a motor and extension code; none when the catalog lacks it.
std::optional<TCadMotor> CadMotorOf(TCatalogQuery& query, const TMotorReference& motor);

}  // namespace kinemo
