// Checked judgement of one motor.
#include "torque/JudgeOneMotor.h"

#include "base/ErrorMessage.h"
#include "base/UserDialogs.h"
#include "torque/CalcDischarge.h"
#include "units/ValueFormat.h"

namespace kinemo {

bool JudgeOneMotor(TCalcDischarge& discharge, TMotor& motor, const std::string& voltageText,
                   const TErrorMessage& errors, IUserDialogs& dialogs) {
    double voltage = 0;
    if (!TryTextToFloat(voltageText, voltage)) {
        dialogs.ShowMessageDialog(errors.GetText("NotInputVoltate"), TMsgDlgType::Warning, mbOK);
        return false;
    }
    std::unique_ptr<TTorqueList> torques = discharge.BuildMotorTorques(motor);
    if (torques->Count() == 0) {
        dialogs.ShowMessageDialog(errors.GetText("NotInputDrivePattern"), TMsgDlgType::Warning, mbOK);
        return false;
    }
    discharge.JudgeMotor(motor, *torques, voltage);
    return true;
}

}  // namespace kinemo
