// The run-wide objects machine elements work with, borrowed from the run context.
#pragma once

#include "machine/TraceLines.h"

#include <functional>
#include <string>
#include <vector>

namespace kinemo {

class TBlockManager;
class TCatalogQuery;
class TErrorMessage;
class TFactorImage;
class TMeasureManager;
class TPhysicalConstant;
class TProgramCache;
struct TInputDataTexts;

// The calculation trace: the lines element calculations, chain cases and judgements
// append; shown in the debug window.
class TCalcTrace : public TTraceLines {
public:
    std::string Text() const;
};

struct TMachineServices {
    TCatalogQuery* Query = nullptr;              // the shared catalog query
    const TMeasureManager* Measures = nullptr;
    const TInputDataTexts* Texts = nullptr;      // "input_data"
    const TPhysicalConstant* Constants = nullptr;
    TCalcTrace* Trace = nullptr;
    TFactorImage* Images = nullptr;
    TBlockManager* Blocks = nullptr;
    TProgramCache* Programs = nullptr;           // parsed formula texts of the run; null parses every time
    const TErrorMessage* Errors = nullptr;       // "error" texts of refused values; null: empty texts
    std::string ProgramFolder;                   // with a trailing "/"
    // Version check of a user element file (application and catalog version texts of
    // the file, the element name for the message); unset accepts every file.
    std::function<bool(const std::string&, const std::string&, const std::string&)> CheckUserFactorVersion;
    // Tells the user of a user element file read with values outside their range (the
    // message lists them); unset says nothing. The element is kept for correction.
    std::function<void(const std::string&)> ReportUserFactorRange;
};

}  // namespace kinemo
