// The table report data sets: drive pattern rows, interval torques, regeneration table.
#include "reports/ReportBuilders.h"

#include "base/CatalogText.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "machine/ExternalForceState.h"
#include "pattern/InputPatternGridData.h"
#include "pattern/InputPatternGridModel.h"
#include "reports/ReportEnvironment.h"
#include "torque/CalcDischarge.h"
#include "torque/Motor.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

namespace kinemo {

namespace {

// The motion texts by stop code -1, 0, 1; empty for any other code.
std::string MotionText(const TNameValueList& texts, int code) {
    switch (code) {
    case -1: return texts.Value("ReverseRotation");
    case 0: return texts.Value("Stop");
    case 1: return texts.Value("NormalRotation");
    default: return "";
    }
}

void CopyTexts(const TNameValueList& texts, TNameValueList& header, std::initializer_list<const char*> controls) {
    for (const char* c : controls) header.SetValue(c, texts.Value(c));
}

}  // namespace

std::unique_ptr<TPrintData> BuildDrivePatternData(TReportEnvironment& env, const TInputPatternGridModel& grid) {
    auto data = std::make_unique<TPrintData>();
    const std::string useForce = ReadMessageText(env.Query, kDrivePatternDataClass, "UseExternalForce");
    const std::string noForce = ReadMessageText(env.Query, kDrivePatternDataClass, "NotUseExternalForce");
    TNameValueList& h = data->HeaderPairs;
    h.SetValue("Title", ReadMessageText(env.Query, "frame_input_pattern", "Title"));
    const auto& titles = grid.ColumnTitles();
    for (size_t i = 0; i < titles.size(); ++i) h.SetValue("Header" + std::to_string(i), titles[i]);
    const TInputPatternGridData& pattern = grid.Data();
    const int n = grid.DataColumnCount();
    for (int i = 0; i < n; ++i) h.SetValue("HeaderMeasure" + std::to_string(i), pattern.DisplayUnit(i).Symbol());

    TNameValueList& origin = data->AddRow();
    origin.SetValue("ValueNo", "1");
    for (int i = 0; i < n; ++i) {
        origin.SetValue("Value" + std::to_string(i), "0");
        origin.SetValue("CheckValue" + std::to_string(i), "0");
    }
    const TExternalForceGridData& marks = grid.ExternalForce();
    for (int r = 0; r <= 98; ++r) {
        TNameValueList record;
        record.SetValue("ValueNo", std::to_string(r + 2));
        for (int c = 0; c < n; ++c) {
            const std::string text = env.Format.Display(pattern.Cell(r + 1, c).DisplayValue());
            record.SetValue("Value" + std::to_string(c), text);
            record.SetValue("CheckValue" + std::to_string(c), text);
        }
        for (int i = 0; i < marks.ColumnCount(); ++i) {
            const bool on = marks.Column(i)->Mark(r);
            record.SetValue("Value" + std::to_string(n + i), on ? useForce : noForce);
            record.SetValue("CheckValue" + std::to_string(n + i), on ? "1" : "0");
        }
        double elapsed = 0;
        if (!TryTextToFloat(record.Value("CheckValue0"), elapsed) || elapsed == 0) break;
        *data->RowRecords.emplace_back(std::make_unique<TNameValueList>()) = std::move(record);
    }
    return data;
}

std::unique_ptr<TPrintData> BuildTorqueData(TReportEnvironment& env, const TMotor& motor) {
    auto data = std::make_unique<TPrintData>();
    const TNameValueList texts = ReadMessageClass(env.Query, kTorqueDataClass);
    CopyTexts(texts, data->HeaderPairs,
              {"Time", "TimeMeasure", "PreFrequency", "PreFrequencyMeasure", "Frequency", "FrequencyMeasure", "Speed",
               "SpeedMeasure", "Behavior", "BehaviorMeasure", "FrictionTorque", "FrictionTorqueMeasure",
               "AdjustableSpeedTorque", "AdjustableSpeedTorqueMeasure", "StartingTorque", "StartingTorqueMeasure",
               "EpigeneConservation", "EpigeneConservationMeasure", "IntervalTorque", "IntervalTorqueMeasure"});
    const TValueFormat& f = env.Format;
    if (motor.Torques) {
        const TTorqueList& list = *motor.Torques;
        for (int k = 0; k < list.Count(); ++k) {
            const TTorqueValue& v = list.Value(k);
            TNameValueList& row = data->AddRow();
            row.SetValue("Row", FormatText(texts.Value("Row"), {static_cast<long long>(k)}));
            row.SetValue("Time", f.Display(v.TimeInterval));
            row.SetValue("PreFrequency", f.Display(v.PreFrequency));
            row.SetValue("Frequency", f.Display(v.Frequency));
            row.SetValue("Speed", f.Display(v.Speed));
            row.SetValue("Behavior", MotionText(texts, v.Stop));
            row.SetValue("FrictionTorque", f.Display(v.FrictionTorque));
            row.SetValue("AdjustableSpeedTorque", f.Display(v.AdjustableSpeedTorque));
            row.SetValue("StartingTorque", f.Display(v.StartingTorque));
            row.SetValue("EpigeneConservation", f.Display(v.EpigeneConservation));
            row.SetValue("IntervalTorque", f.Display(v.IntervalTorque));
        }
        // The figures the judgement used (the peak with the S-curve), so that each stands
        // beside the percentage and verdict made from it, as on the summary page.
        data->FooterPairs.SetValue("EffectiveTorque", f.Display(motor.MotorEffectiveTorque));
        data->FooterPairs.SetValue("NecessityMaxTorque", f.Display(motor.MotorNecessityMaxTorque));
    }
    TNameValueList& foot = data->FooterPairs;
    foot.SetValue("EffectiveTorqueLoadFactor", f.Display(motor.MotorEffectiveTorquePercent));
    foot.SetValue("MotorRunningTorqueMax", f.Display(motor.MotorRunningTorqueMax));
    foot.SetValue("MotorRunningTorqueMaxLoadFactor", f.Display(motor.MotorRunningTorqueMaxPercent));
    foot.SetValue("NecessityMaxTorqueLoadFactor", f.Display(motor.MotorMaxTorquePercent));
    return data;
}

std::unique_ptr<TPrintData> BuildDischargeData(TReportEnvironment& env, const TMotor& motor,
                                               const TMomentaryDischargeList& table) {
    auto data = std::make_unique<TPrintData>();
    const TNameValueList texts = ReadMessageClass(env.Query, kDischargeDataClass);
    CopyTexts(texts, data->HeaderPairs,
              {"No", "ErCaption", "ErSymbol", "EcCaption", "EcSymbol", "EmCaption", "EmSymbol", "Ecaption", "Esymbol",
               "Tcaption", "Tsymbol", "PnCaption", "PnSymbol", "PmCaption", "PmSymbol", "Behavior"});
    const TValueFormat& f = env.Format;
    auto number = [&](const std::string& text) {
        double x = 0;
        return !text.empty() && TryTextToFloat(text, x) ? f.Display(x) : std::string();
    };
    for (int k = 0; k < table.Count(); ++k) {
        const TMomentaryDischarge& d = table.Row(k);
        TNameValueList& row = data->AddRow();
        row.SetValue("No", std::to_string(k));
        row.SetValue("Er", number(d.Er));
        row.SetValue("Ec", number(d.Ec));
        row.SetValue("Em", number(d.Em));
        row.SetValue("E", number(d.E));
        row.SetValue("T", number(d.t));
        row.SetValue("Pn", number(d.P));
        row.SetValue("Pm", number(d.Pm));
        double behavior = 0;
        if (TryTextToFloat(d.Behavior, behavior)) row.SetValue("Behavior", MotionText(texts, static_cast<int>(behavior)));
    }
    TNameValueList& foot = data->FooterPairs;
    foot.SetValue("P", f.Display(motor.maxP));
    foot.SetValue("maxP", f.Display(motor.maxPm));
    foot.SetValue("DischargeLoadFactor", motor.MotorAllowableDischarge == 0
                                             ? std::string("0")
                                             : f.Display(motor.maxP / motor.MotorAllowableDischarge * 100));
    return data;
}

}  // namespace kinemo
