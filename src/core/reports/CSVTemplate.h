// CSV output through catalog templates: placeholders written "{[%]" key "[%]}" are
// replaced by the values of a name=value list.
//
// Use (reports, quotation, comparison):
//   TCSVTemplate csv;
//   csv.Add(tmpl.Head, data.HeaderPairs);                    // one line per call
//   for (auto& row : data.RowRecords) csv.Add(tmpl.Body, *row);
//   csv.Add(tmpl.Foot, data.FooterPairs);
//   csv.SaveToFile(path);                                    // CR LF lines, atomic write
// Before writing, CheckTemplateKeys(template parts, known key patterns) rejects a template
// that names a key the data set can never hold (a typing error in the catalog would
// otherwise give silently empty columns) or that leaves a placeholder open.
#pragma once

#include "base/NameValueList.h"

#include <string>
#include <vector>

namespace kinemo {

class TErrorMessage;

// The template with every placeholder replaced by the list's value of its key (nothing for
// a missing key). A "{[%]" without its closing "[%]}" drops the rest of the template.
std::string FillTemplate(const std::string& tmpl, const TNameValueList& list);

// FillTemplate for a CSV line: each value written as the place the template gives it
// needs by RFC 4180. In a field the template quotes, its quotes are doubled; a placeholder
// that is a whole unquoted field becomes CsvField(value); beside other text in an unquoted
// field, what would end the field becomes a space. A value starting a field that a
// spreadsheet would run as a formula is written after a single quote. Values that need
// none of this are written as FillTemplate writes them.
std::string FillCsvTemplate(const std::string& tmpl, const TNameValueList& list);

// The keys of the template's placeholders in order; unterminated is set when a "{[%]" has
// no closing "[%]}".
std::vector<std::string> TemplateKeys(const std::string& tmpl, bool* unterminated = nullptr);

// A known key: an exact name, or a name ending in "#" that stands for the name followed
// by a decimal number ("ItemName#" accepts "ItemName0", "ItemName12").
bool KeyMatches(const std::string& key, const std::vector<std::string>& patterns);

// Raises TFormatErrorMessageException "CsvTemplateUnknownKey" (template name, the unknown
// keys; an empty key shown as "{[%][%]}") when a part names a key outside patterns, and
// "CsvTemplateUnterminated" when a placeholder is left open.
void CheckTemplateKeys(const std::vector<std::string>& parts, const std::vector<std::string>& patterns,
                       const std::string& templateName, const TErrorMessage& errors);

class TCSVTemplate {
public:
    // Appends FillCsvTemplate(tmpl, list) as one entry (a template part may hold several lines).
    void Add(const std::string& tmpl, const TNameValueList& list);
    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line followed by CR LF.
    std::string Text() const;
    // Writes Text() through a temporary file and a rename; raises TKinemoError naming the
    // path when it cannot be written (the previous file stays as it was).
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace kinemo
