// The run-wide objects every report builder reads: the shared catalog query, the number
// format, the units, the element chain, the error texts and the judgement labels.
#pragma once

#include <string>

namespace kinemo {

class TCalcCarryValue;
class TCatalogQuery;
class TErrorMessage;
class TMeasureManager;
class TNameValueList;
class TValueFormat;

struct TReportEnvironment {
    TCatalogQuery& Query;
    const TValueFormat& Format;
    const TMeasureManager& Measures;
    TCalcCarryValue& Chain;
    const TErrorMessage& Errors;
    const TNameValueList& ResultLabels;
    std::string ApplicationVersion;
};

}  // namespace kinemo
