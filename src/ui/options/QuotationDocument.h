// The quotation as a report document of the layout engine: per page the motor and
// amplifier block, a grid of up to 22 option rows and the total with the comment.
#pragma once

#include "reports/ReportDocument.h"

#include <string>

namespace kinemo {

class TQuotation;

TReportDocument QuotationDocument(const TQuotation& quotation, const std::string& title);

}  // namespace kinemo
