// The builders of the five report data sets: summary, drive pattern, element chain
// (block report), interval torques and regeneration table. Each returns a new data set
// the caller owns; every value is already a display text.
#pragma once

#include "reports/PrintData.h"

#include <memory>
#include <string>

namespace kinemo {

class TInputPatternGridModel;
class TMomentaryDischargeList;
class TMotor;
struct TReportEnvironment;

// The message classes of the five data sets (texts and CSV templates).
extern const char* const kSummaryDataClass;       // "form_print_summary"
extern const char* const kDrivePatternDataClass;  // "form_print_drivepattern"
extern const char* const kBlockDataClass;         // "form_print_block"
extern const char* const kTorqueDataClass;        // "form_print_torque"
extern const char* const kDischargeDataClass;     // "form_print_discharge"

// Motor data, the judgement table with units and verdicts, the resistor advice, the
// stopping accuracy line, the versions and one record per chain element.
std::unique_ptr<TPrintData> BuildSummaryData(TReportEnvironment& env, const TMotor& motor,
                                             const std::string& positionRange, double stoppingAccuracy);
// Column titles and units of the grid shown, the origin and every interval up to the
// first whose elapsed time shows as zero, with the external-force marks.
std::unique_ptr<TPrintData> BuildDrivePatternData(TReportEnvironment& env, const TInputPatternGridModel& grid);
// One record per chain element; the footer is the motor element's record on motor (the
// external-force cases recalculate the chain).
std::unique_ptr<TPrintData> BuildBlockData(TReportEnvironment& env, const TMotor& motor);
// The motor's interval torques and its torque figures.
std::unique_ptr<TPrintData> BuildTorqueData(TReportEnvironment& env, const TMotor& motor);
// The regeneration table of the motor (the table its judgement left) and its figures.
std::unique_ptr<TPrintData> BuildDischargeData(TReportEnvironment& env, const TMotor& motor,
                                               const TMomentaryDischargeList& table);

}  // namespace kinemo
