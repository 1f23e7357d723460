// The record that describes one chain element in the summary and block reports: its carry
// values in the user's units, its names, picture and input items, and for the motor element
// the gear data and the carry values at the motor shaft in every external-force case.
#pragma once

#include "base/NameValueList.h"

#include <string>

namespace kinemo {

class TCarryValueUnit;
class TFactor;
class TMotor;
class TPrintData;
class TValueFormat;
class TMeasureManager;
struct TReportEnvironment;

// Empty for an empty value text. Otherwise the number converted from the carry symbol's
// unit into the user's default unit of its class, formatted, followed by that unit's
// symbol; without a unit for the symbol, the number formatted alone.
std::string FormatCarryValue(const std::string& value, const std::string& symbol, const TCarryValueUnit& units,
                             const TMeasureManager& measures, const TValueFormat& format);

// Writes the element's record into record. motor is the motor of the report; it supplies
// the motor element's gear keys and the chain runs of its external-force cases (which
// recalculate the whole chain). Raises "ReportElementNotCalculated" for an element whose
// carry values hold no speed coefficient.
void BuildElementRecord(TFactor& element, TNameValueList& record, const TMotor* motor, TReportEnvironment& env);

// One record per chain element from the far end to the element next to the motor.
void BuildElementRows(TPrintData& data, TReportEnvironment& env);

}  // namespace kinemo
