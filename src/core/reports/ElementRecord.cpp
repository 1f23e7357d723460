// Element records of the summary and block reports.
#include "reports/ElementRecord.h"

#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputData.h"
#include "reports/PrintData.h"
#include "reports/ReportEnvironment.h"
#include "torque/Motor.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <cmath>

namespace kinemo {

std::string FormatCarryValue(const std::string& value, const std::string& symbol, const TCarryValueUnit& units,
                             const TMeasureManager& measures, const TValueFormat& format) {
    if (value.empty()) return "";
    double x = 0;
    if (!TryTextToFloat(value, x)) return value;
    const TMeasure* unit = units.GetUnit(symbol);
    if (!unit || !unit->MeasureClass()) return format.Display(x);
    const TMeasure* shown = measures.DefaultMeasure(*unit->MeasureClass());
    if (!shown) return format.Display(x);
    return format.Display(measures.Convert(unit->Code(), shown->Code(), x)) + shown->Symbol();
}

namespace {

std::string UnitSymbol(const TMeasure* unit) { return unit ? unit->Symbol() : std::string(); }

void WriteInputItems(TFactor& element, TNameValueList& record, const TValueFormat& format) {
    int k = 0;
    for (const auto& item : element.InputItems()) {
        const std::string n = std::to_string(k++);
        record.SetValue("ItemName" + n, item->Name);
        std::string value;
        switch (item->Kind()) {
        case TInputKind::Numeric: {
            const auto& d = static_cast<const TInputData&>(*item);
            value = d.Symbol + "=" + format.Display(d.Value) + UnitSymbol(d.DisplayUnit);
            break;
        }
        case TInputKind::ExternalForce: {
            const auto& d = static_cast<const TExternalForceInputData&>(*item);
            if (d.Choice >= 0 && d.Choice < static_cast<int>(d.Choices.size()))
                value = d.Choices[static_cast<size_t>(d.Choice)];
            break;
        }
        case TInputKind::Memo: value = static_cast<const TMemoInputData&>(*item).Text; break;
        case TInputKind::Calc: {
            const auto& d = static_cast<const TCalcInputData&>(*item);
            value = format.Display(d.DisplayValue) + UnitSymbol(d.DisplayUnit);
            break;
        }
        }
        record.SetValue("ItemValue" + n, value);
    }
}

// The gear head's data and the carry values at the motor shaft per external-force case.
void WriteMotorKeys(const TMotor& motor, TNameValueList& record, TReportEnvironment& env,
                    const TCarryValueUnit& units) {
    auto carry = [&](double v, const char* symbol) {
        return FormatCarryValue(FloatToText(v), symbol, units, env.Measures, env.Format);
    };
    record.SetValue("GearMotor", std::to_string(motor.msv_msmg_cd));
    if (motor.msv_msmg_cd == 1) {
        record.SetValue("ReducingRatio", motor.msgr_name);
        record.SetValue("GearInertia", carry(motor.MotorGearInertia, "Jg"));
        record.SetValue("GearTorque", carry(motor.MotorGearTorque, "Tg"));
        record.SetValue("GearEta", env.Format.Display(motor.MotorGearEta));
        record.SetValue("BacklashValue", carry(motor.msv_s_backlash / 60, "B"));
    }
    const int forces = env.Chain.CountExternalForceFactors();
    std::vector<std::string> cases{"FF"};
    if (forces == 1) cases = {"FF", "TF"};
    if (forces >= 2) cases = {"FF", "FT", "TF", "TT"};
    const TMotorGearData gear = motor.GearData();
    for (const std::string& c : cases) {
        const CarryOutput out = env.Chain.CalcChainForMotor(c[0] == 'T', c[1] == 'T', gear);
        record.SetValue(c + "_JLout", carry(out.JL, "JLout"));
        record.SetValue(c + "_TFout", carry(out.TF, "TFout"));
        record.SetValue(c + "_TUout", carry(out.TU, "TUout"));
        record.SetValue(c + "_THout", carry(out.TH, "THout"));
        record.SetValue(c + "_Bout", carry(out.B, "Bout"));
    }
}

}  // namespace

void BuildElementRecord(TFactor& element, TNameValueList& record, const TMotor* motor, TReportEnvironment& env) {
    const TCarryValueUnit units(env.Query, env.Measures);
    for (size_t i = 0; i < element.CarryOut.Count(); ++i)
        record.SetValue(element.CarryOut.Name(i), element.CarryOut.ValueAt(i));
    for (const char* key : {"Uout", "WJout", "WAout", "Hout", "Fout", "JLout", "TFout", "TUout", "THout", "Aout", "Bout"})
        record.SetValue(key, FormatCarryValue(element.CarryOut.Value(key), key, units, env.Measures, env.Format));
    double v = 0;
    if (!TryTextToFloat(element.CarryOut.Value("Vout"), v))
        throw TFormatErrorMessageException(env.Errors, "ReportElementNotCalculated", {element.Name});
    record.SetValue("Vout", env.Format.Display(v));
    record.SetValue("ImageFile", element.ImagePath);
    record.SetValue("FactorName", element.Name);
    if (element.Block) record.SetValue("BlockName", element.Block->Name);
    if (element.IsUserFactor()) {
        const auto& user = static_cast<const TUserFactor&>(element);
        if (user.Owner) record.SetValue("OwnerFactorName", user.Owner->Name);
    }
    if (element.GetCalcID() == TMotorFactor::kMotorCalcID && motor) WriteMotorKeys(*motor, record, env, units);
    WriteInputItems(element, record, env.Format);
}

void BuildElementRows(TPrintData& data, TReportEnvironment& env) {
    for (int i = env.Chain.Count() - 1; i >= 1; --i) BuildElementRecord(*env.Chain.GetFactor(i), data.AddRow(), nullptr, env);
}

}  // namespace kinemo
