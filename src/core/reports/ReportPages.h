// The five reports by name, with the message class of their data and CSV template and the
// keys their data sets can hold (to check a catalog template against).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

enum class TReportPage { Summary, DrivePattern, Block, Torque, Discharge };

// In the print menu's order.
const std::vector<TReportPage>& AllReportPages();
// "summary", "pattern", "elements", "torque", "regeneration".
std::string ReportPageName(TReportPage page);
std::optional<TReportPage> ReportPageByName(const std::string& name);
// The message class of the page's data set and CSV template ("form_print_*").
std::string ReportDataClass(TReportPage page);
// Every key the page's data set can hold after its footer was added to its header; a name
// ending in "#" stands for the name followed by a number.
const std::vector<std::string>& ReportKeyPatterns(TReportPage page);

}  // namespace kinemo
