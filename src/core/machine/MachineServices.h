// The run-wide objects machine elements work with, borrowed from the run context.
#pragma once

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
class TCalcTrace {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Clear() { lines_.clear(); }
    // Drops the lines added after the first n (a calculation run only for display).
    void Truncate(size_t n) {
        if (n < lines_.size()) lines_.resize(n);
    }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const;

private:
    std::vector<std::string> lines_;
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
