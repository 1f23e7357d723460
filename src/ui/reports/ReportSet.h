// The report documents of one print menu: each report page's layout filled from the
// menu's data sets, with the title block, footer and the speed and torque charts of the
// motor drawn as vectors.
#pragma once

#include "reports/ReportDocuments.h"
#include "reports/ReportPages.h"

#include <vector>

namespace kinemo {

class TCommitMotorPrintMenuModel;
class TKinemoContext;
class TMotor;
class TSizingSession;

class TReportSet {
public:
    // projectName: shown in the title block (the file name of the project).
    TReportSet(TKinemoContext& context, TSizingSession& session, TCommitMotorPrintMenuModel& menu, const TMotor& motor,
               const QString& projectName);

    // The layout of a page (the drive pattern's speed or position layout by the menu).
    TReportForm Form(TReportPage page) const;
    // Takes the menu's header and comment as they are now.
    TReportDocument Document(TReportPage page);
    std::vector<TReportDocument> Documents(const std::vector<TReportPage>& pages);

private:
    TKinemoContext& context_;
    TCommitMotorPrintMenuModel& menu_;
    TReportCommon common_;
};

}  // namespace kinemo
