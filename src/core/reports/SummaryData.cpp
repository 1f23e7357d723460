// The summary and block report data sets: motor, judgement table, advice, elements.
#include "reports/ReportBuilders.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "machine/CalcCarryValue.h"
#include "reports/ElementRecord.h"
#include "reports/ReportEnvironment.h"
#include "torque/Motor.h"
#include "units/ValueFormat.h"

#include <cmath>

namespace kinemo {

const char* const kSummaryDataClass = "form_print_summary";
const char* const kDrivePatternDataClass = "form_print_drivepattern";
const char* const kBlockDataClass = "form_print_block";
const char* const kTorqueDataClass = "form_print_torque";
const char* const kDischargeDataClass = "form_print_discharge";

namespace {

struct TJudgementRow {
    const char* Prefix;
    double Rated, Criterion, Result;
    std::string Percent;  // already a text ("0" or absent in the special cases)
    std::string Adjudication;
};

void WriteMotorData(const TMotor& m, TNameValueList& h) {
    h.SetValue("MotorNumber", m.msv_model_all);
    h.SetValue("AmpNumber", m.msv_amplifier1);
    h.SetValue("Output", m.mso_name);
    h.SetValue("PowerSource", m.msp_name);
    h.SetValue("ElectricPressure", m.mss_name);
    h.SetValue("Encoder", m.mse_name);
    h.SetValue("Brake", m.msb_name);
    h.SetValue("Gear", m.msmg_name);
    h.SetValue("ModeratingRatio", m.msgr_name.empty() ? std::string("-") : m.msgr_name);
    h.SetValue("BackLash", m.msv_backlash);
}

// The display format, except that a value too small to show two significant digits keeps
// three (rotor inertias in kg·m² are around 1E-5), as in the motor detail window.
std::string Number(const TValueFormat& f, double value) {
    if (value == 0 || !std::isfinite(value) || std::fabs(value) >= std::pow(10.0, 1 - f.Precision()))
        return f.Display(value);
    return FloatToText(value, 3);
}

void WriteJudgementTable(const TMotor& m, const TNameValueList& texts, TReportEnvironment& env, TNameValueList& h) {
    const TValueFormat& f = env.Format;
    auto label = [&](int code) { return m.GetResultLabel(env.ResultLabels, code); };
    double loadRate = 0;
    const std::string dischargePercent =
        m.RegenerationResistanceLoadRate != "-" && TryTextToFloat(m.RegenerationResistanceLoadRate, loadRate)
            ? f.Display(loadRate)
            : std::string();
    const TJudgementRow rows[] = {
        {"RotorInertia", m.MotorRotorInertia, m.MotorWarningInertia, m.JL, f.Display(m.MotorInertiaRatio), label(m.InertiaCode)},
        {"Frequency", m.MotorRatedSpeed, m.MotorRatedSpeed, m.MotorMaxSpeedMax,
         m.MotorRatedSpeed == 0 ? std::string("0") : f.Display(m.MotorMaxSpeedMax / m.MotorRatedSpeed * 100),
         label(m.MaxSpeedCode)},
        {"EffectiveTorque", m.MotorRatedTorque, m.msv_m_warningtorquedef * 100, m.MotorEffectiveTorque,
         f.Display(m.MotorEffectiveTorquePercent), label(m.EffectiveTorqueCode)},
        {"RunningTorque", m.MotorRatedTorque, m.msv_m_warningtorquelow * 100, m.MotorRunningTorqueMax,
         f.Display(m.MotorRunningTorqueMaxPercent), label(m.RunningTorqueCode)},
        {"MaxTorque", m.MotorMaxTorque, m.msv_m_warningtorquehigh * 100, m.MotorNecessityMaxTorque,
         f.Display(m.MotorMaxTorquePercent), label(m.MaxTorqueAdjudicationCode)},
        {"EpigeneTorque", m.MotorRatedTorque, m.msv_m_warningtorquelow * 100, m.MotorEpigeneTorqueMax,
         f.Display(m.MotorEpigeneTorqueMaxPercent), label(m.EpigeneTorqueCode)},
        {"AllowableDischarge", m.MotorAllowableDischarge, m.msv_m_warningallowabledischarge * 100, m.maxP,
         dischargePercent, texts.Value("GridMotorCalc[9,7]")},
    };
    int r = 1;
    for (const TJudgementRow& row : rows) {
        const std::string p = row.Prefix, n = std::to_string(r++);
        h.SetValue(p + "Rated", Number(f, row.Rated));
        h.SetValue(p + "Criterion", Number(f, row.Criterion));
        h.SetValue(p + "Result", Number(f, row.Result));
        h.SetValue(p + "Percent", row.Percent);
        h.SetValue(p + "RatedMeasure", texts.Value("GridMotorCalc[2," + n + "]"));
        h.SetValue(p + "CriterionMeasure", texts.Value("GridMotorCalc[4," + n + "]"));
        h.SetValue(p + "ResultMeasure", texts.Value("GridMotorCalc[6," + n + "]"));
        h.SetValue(p + "PercentMeasure", texts.Value("GridMotorCalc[8," + n + "]"));
        h.SetValue(p + "Adjudication", row.Adjudication);
    }
}

// The regeneration resistor advice as the detail window shows it (ties to even).
void WriteResistorAdvice(const TMotor& m, const TNameValueList& texts, TNameValueList& h) {
    auto nearest = [](double v) { return std::to_string(static_cast<long long>(std::nearbyint(v))); };
    switch (m.ResultCode) {
    case 4:
        for (const char* k : {"ExternalResistor", "AllowableDischargeMax", "PureExternalResistor"}) h.SetValue(k, "-");
        break;
    case 5:
        h.SetValue("ExternalResistor", nearest(m.MotorExternalResistor) + texts.Value("GridMotorOpt[2,0]"));
        h.SetValue("AllowableDischargeMax",
                   FloatToText(std::nearbyint(m.maxP * 3 / 10) * 10) + texts.Value("GridMotorOpt.Cells[3,0]"));
        h.SetValue("PureExternalResistor", texts.Value("GridMotorOpt[1,4](5)"));
        break;
    case 6:
        h.SetValue("ExternalResistor", nearest(m.MotorExternalResistor) + texts.Value("GridMotorOpt[2,0]"));
        h.SetValue("AllowableDischargeMax", nearest(m.MotorExternalResistorCapacity) + texts.Value("GridMotorOpt[3,0]"));
        h.SetValue("PureExternalResistor", m.msv_pureexternalresistor);
        break;
    default: break;  // 3 and any other code: no advice
    }
}

}  // namespace

std::unique_ptr<TPrintData> BuildSummaryData(TReportEnvironment& env, const TMotor& motor,
                                             const std::string& positionRange, double stoppingAccuracy) {
    auto data = std::make_unique<TPrintData>();
    const std::string dbVersion = ReadMdbVersionText(env.Query);
    const TNameValueList texts = ReadMessageClass(env.Query, "form_motor_detail", true);
    TNameValueList& h = data->HeaderPairs;
    WriteMotorData(motor, h);
    WriteJudgementTable(motor, texts, env, h);
    h.SetValue("AdjudicationResult", motor.GetResultLabel(env.ResultLabels, motor.ResultCode));
    WriteResistorAdvice(motor, texts, h);
    h.SetValue("StoppingAccuracy", FormatText(env.Chain.GetStoppingAccuracyFormat(env.Query),
                                              {env.Format.Display(stoppingAccuracy), positionRange}));
    h.SetValue("ApplicationVersion", env.ApplicationVersion);
    h.SetValue("DatabaseVersion", dbVersion);
    BuildElementRows(*data, env);
    return data;
}

std::unique_ptr<TPrintData> BuildBlockData(TReportEnvironment& env, const TMotor& motor) {
    auto data = std::make_unique<TPrintData>();
    data->HeaderPairs.SetValue("Title", ReadMessageText(env.Query, kBlockDataClass, "Title"));
    BuildElementRows(*data, env);
    TFactor* head = env.Chain.Count() > 0 ? env.Chain.GetFactor(0) : nullptr;
    if (head) BuildElementRecord(*head, data->FooterPairs, &motor, env);
    return data;
}

}  // namespace kinemo
