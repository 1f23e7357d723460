// The comparison as a report document: the title block, the overlaid torque-speed chart
// and the comparison's rows on as many pages as they need, for print, preview and PDF.
#pragma once

#include "reports/ReportDocument.h"

#include <string>

namespace kinemo {

class TKinemoContext;
class TMotorComparison;

// header: the job title the main window keeps for reports; project: the project's name.
TReportDocument ComparisonReport(TKinemoContext& context, const TMotorComparison& comparison,
                                 const std::string& header, const std::string& project);

}  // namespace kinemo
