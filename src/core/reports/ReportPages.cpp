// Names, classes and possible keys of the five reports.
#include "reports/ReportPages.h"

#include "base/NameValueList.h"
#include "reports/ReportBuilders.h"

namespace kinemo {

namespace {

void AddElementKeys(std::vector<std::string>& keys) {
    for (const char* k : {"WAout", "WJout", "Uout", "Hout", "Fout", "Vout", "JLout", "TFout", "TUout", "THout", "Aout",
                          "Bout", "TDout", "JFout", "ImageFile", "FactorName", "BlockName", "OwnerFactorName",
                          "ItemName#", "ItemValue#"})
        keys.push_back(k);
}

std::vector<std::string> SummaryKeys() {
    std::vector<std::string> keys{"MotorNumber", "AmpNumber", "Output", "PowerSource", "ElectricPressure", "Encoder",
                                  "Brake", "Gear", "ModeratingRatio", "BackLash", "AdjudicationResult",
                                  "ExternalResistor", "AllowableDischargeMax", "PureExternalResistor",
                                  "StoppingAccuracy", "ApplicationVersion", "DatabaseVersion", "CurrentDate",
                                  "PrintHeader", "PrintComment"};
    for (const char* p : {"RotorInertia", "Frequency", "EffectiveTorque", "RunningTorque", "MaxTorque", "EpigeneTorque",
                          "AllowableDischarge"})
        for (const char* s : {"Rated", "Criterion", "Result", "Percent", "RatedMeasure", "CriterionMeasure",
                              "ResultMeasure", "PercentMeasure", "Adjudication"})
            keys.push_back(std::string(p) + s);
    AddElementKeys(keys);
    return keys;
}

std::vector<std::string> BlockKeys() {
    std::vector<std::string> keys{"Title", "GearMotor", "ReducingRatio", "GearInertia", "GearTorque", "GearEta",
                                  "BacklashValue"};
    for (const char* c : {"FF", "FT", "TF", "TT"})
        for (const char* k : {"_JLout", "_TFout", "_TUout", "_THout", "_Bout"}) keys.push_back(std::string(c) + k);
    AddElementKeys(keys);
    return keys;
}

}  // namespace

const std::vector<TReportPage>& AllReportPages() {
    static const std::vector<TReportPage> pages{TReportPage::Summary, TReportPage::DrivePattern, TReportPage::Block,
                                                TReportPage::Torque, TReportPage::Discharge};
    return pages;
}

std::string ReportPageName(TReportPage page) {
    switch (page) {
    case TReportPage::Summary: return "summary";
    case TReportPage::DrivePattern: return "pattern";
    case TReportPage::Block: return "elements";
    case TReportPage::Torque: return "torque";
    case TReportPage::Discharge: return "regeneration";
    }
    return "";
}

std::optional<TReportPage> ReportPageByName(const std::string& name) {
    for (TReportPage p : AllReportPages())
        if (SameText(ReportPageName(p), name)) return p;
    return std::nullopt;
}

std::string ReportDataClass(TReportPage page) {
    switch (page) {
    case TReportPage::Summary: return kSummaryDataClass;
    case TReportPage::DrivePattern: return kDrivePatternDataClass;
    case TReportPage::Block: return kBlockDataClass;
    case TReportPage::Torque: return kTorqueDataClass;
    case TReportPage::Discharge: return kDischargeDataClass;
    }
    return "";
}

const std::vector<std::string>& ReportKeyPatterns(TReportPage page) {
    static const std::vector<std::string> summary = SummaryKeys();
    static const std::vector<std::string> pattern{"Title", "Header#", "HeaderMeasure#", "ValueNo", "Value#",
                                                  "CheckValue#"};
    static const std::vector<std::string> block = BlockKeys();
    static const std::vector<std::string> torque{
        "Time", "TimeMeasure", "PreFrequency", "PreFrequencyMeasure", "Frequency", "FrequencyMeasure", "Speed",
        "SpeedMeasure", "Behavior", "BehaviorMeasure", "FrictionTorque", "FrictionTorqueMeasure",
        "AdjustableSpeedTorque", "AdjustableSpeedTorqueMeasure", "StartingTorque", "StartingTorqueMeasure",
        "EpigeneConservation", "EpigeneConservationMeasure", "IntervalTorque", "IntervalTorqueMeasure", "Row",
        "EffectiveTorque", "EffectiveTorqueLoadFactor", "MotorRunningTorqueMax", "MotorRunningTorqueMaxLoadFactor",
        "NecessityMaxTorque", "NecessityMaxTorqueLoadFactor"};
    static const std::vector<std::string> discharge{
        "No", "ErCaption", "ErSymbol", "EcCaption", "EcSymbol", "EmCaption", "EmSymbol", "Ecaption", "Esymbol",
        "Tcaption", "Tsymbol", "PnCaption", "PnSymbol", "PmCaption", "PmSymbol", "Behavior", "Er", "Ec", "Em", "E",
        "T", "Pn", "Pm", "P", "maxP", "DischargeLoadFactor"};
    switch (page) {
    case TReportPage::Summary: return summary;
    case TReportPage::DrivePattern: return pattern;
    case TReportPage::Block: return block;
    case TReportPage::Torque: return torque;
    case TReportPage::Discharge: return discharge;
    }
    return summary;
}

}  // namespace kinemo
