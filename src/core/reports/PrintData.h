// The data set of one report (header pairs, row records, footer pairs, every value a
// display text) and the three parts of a report's CSV template, with its catalog loader.
#pragma once

#include "base/NameValueList.h"

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TPrintData {
public:
    TNameValueList HeaderPairs;
    std::vector<std::unique_ptr<TNameValueList>> RowRecords;
    TNameValueList FooterPairs;

    // Appends a new, empty row record and returns it (the data set owns it).
    TNameValueList& AddRow();
    int RowCount() const { return static_cast<int>(RowRecords.size()); }
    const TNameValueList& Row(int i) const { return *RowRecords.at(static_cast<size_t>(i)); }
    // Adds every footer pair to the header pairs (a footer value replaces a header value
    // of the same name), as the pages and the CSV header part read them.
    void AppendFooterToHeader();
};

// The head part is filled once from the header pairs, the body once per row record, the
// foot once from the footer pairs.
struct TTemplate {
    std::string Head, Body, Foot;
};

// "CsvTemplateHead", "CsvTemplateBody" and "CsvTemplateFoot" of the message class (a later
// row replaces an earlier one; other controls are ignored).
TTemplate LoadCsvTemplate(TCatalogQuery& query, const std::string& messageClass);

}  // namespace kinemo
