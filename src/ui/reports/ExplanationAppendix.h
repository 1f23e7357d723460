// The report appendix that explains the judgement's figures of one motor: per figure the
// catalog formula, the values it used with units and origins, the drive pattern intervals
// and the result, read from the judgement's own hand-over text and torque list.
#pragma once

#include "reports/ReportDocument.h"

namespace kinemo {

class TKinemoContext;
class TMotor;
class TSizingSession;

// The figures the appendix explains, in the detail window's order.
const std::vector<std::string>& AppendixFigures();

// titleOf: the document whose title block the appendix repeats (its pages are replaced).
TReportDocument ExplanationAppendix(TKinemoContext& context, const TSizingSession& session, const TMotor& motor,
                                    const TReportDocument& titleOf);

}  // namespace kinemo
