// The six report layouts as report documents: which data key goes into which block of
// which page, with the catalog texts of each layout.
#pragma once

#include "reports/ReportDocument.h"
#include "reports/ReportPaging.h"

namespace kinemo {

class TCatalogQuery;
class TPrintData;

// What every report of one motor shares: the title block and the two charts.
struct TReportCommon {
    QString Header;    // the job title typed in the print menu
    QString Motor;     // model and amplifier
    QString Date;
    QString Project;   // the project file name
    QString Footer;    // versions
    TReportChart SpeedChart, TorqueChart;
};

// The document of a layout from its data set (header pairs holding the footer pairs too).
TReportDocument MakeReportDocument(TCatalogQuery& query, TReportForm form, const TPrintData& data,
                                   const TReportCommon& common);

}  // namespace kinemo
