// The reports of one motor on the session's machine and pattern, as the print menu, the
// headless PDF run and kinemo-cli report make them: the motor judged, its stopping
// accuracy taken from the motor page, the five data sets built.
#pragma once

#include "reports/CommitMotorPrintMenuModel.h"
#include "reports/ReportEnvironment.h"

#include <ctime>
#include <memory>
#include <string>

namespace kinemo {

class TKinemoContext;
class TMotor;
class TSizingSession;

class TReportJob {
public:
    // The environment of the context's catalog, units, chain and labels.
    TReportJob(TKinemoContext& context, TSizingSession& session);
    ~TReportJob();

    // The motor as judged already (the detail window's): builds the menu model for it.
    void Open(const TMotor& judgedMotor, const std::tm& now);
    // The catalog motor of that model name judged on the session's pattern and opened.
    // Raises "ReportNoMotor" for an unknown model; false when the judgement's own checks
    // refused (voltage, empty pattern: the message has been shown through the dialogs).
    bool OpenModel(const std::string& model, const std::tm& now);

    TCommitMotorPrintMenuModel& Menu() { return *menu_; }
    const TMotor& Motor() const { return *motor_; }
    TReportEnvironment& Environment() { return env_; }

private:
    TKinemoContext& context_;
    TSizingSession& session_;
    TReportEnvironment env_;
    std::unique_ptr<TMotor> motor_;
    std::unique_ptr<TCommitMotorPrintMenuModel> menu_;
};

}  // namespace kinemo
