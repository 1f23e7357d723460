// How a screen or the command line judges one motor: the voltage text and the drive
// pattern are checked first, with the catalog's messages.
#pragma once

#include <string>

namespace kinemo {

class IUserDialogs;
class TCalcDischarge;
class TErrorMessage;
class TMotor;

// Reads the working voltage from text ("NotInputVoltate" when it is not a number),
// builds the motor's torque list ("NotInputDrivePattern" when it is empty) and judges
// the motor. False, with the message shown as a warning, when a check fails; formula
// errors propagate.
bool JudgeOneMotor(TCalcDischarge& discharge, TMotor& motor, const std::string& voltageText,
                   const TErrorMessage& errors, IUserDialogs& dialogs);

}  // namespace kinemo
