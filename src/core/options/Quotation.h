// The quotation of the option detail page as the print dialog and its preview handle it:
// paging (22 option rows a page), the texts of every item of a page, the page moves, the
// paper code and the CSV written through the catalog's templates.
#pragma once

#include "base/NameValueList.h"
#include "options/OptionDetailModel.h"

#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TQuotation {
public:
    static constexpr int kRowsPerPage = 22;

    // Reads the texts of the print dialog and the preview.
    TQuotation(TCatalogQuery& query, TQuotationData data);

    const TNameValueList& DialogTexts() const { return dialogTexts_; }
    const TNameValueList& PageTexts() const { return pageTexts_; }
    const TQuotationData& Data() const { return data_; }
    // "CurrentDate" of the header: the date and time written with "FormatDateTime".
    void SetCurrentDate(int year, int month, int day, int hour, int minute, int second);

    // Paper choices of the dialog; choice 0 is A4 (code 9), 1 Letter (code 1), any other
    // keeps the last code.
    std::vector<std::string> PaperChoices() const;
    void ChoosePaper(int choice);
    int PaperChoice() const { return paperChoice_; }
    int PaperCode() const { return paperCode_; }

    // Paging: 1 page up to 22 parts, else the parts / 22 rounded up.
    int PageCount() const;
    int CurrentPage() const { return current_; }  // 0-based
    bool CanFirst() const { return current_ > 0; }
    bool CanPrior() const { return current_ > 0; }
    bool CanNext() const { return current_ + 1 < PageCount(); }
    bool CanLast() const { return current_ + 1 < PageCount(); }
    void First() { current_ = 0; }
    void Prior();
    void Next();
    void Last() { current_ = PageCount() - 1; }
    void SetCurrentPage(int page);
    // "n / p": the current page and the page count.
    std::string PageLabel() const;

    // The page texts are clipped for layout (a cell a few hundred characters, the comment a
    // few thousand; see LayoutText.h); the CSV keeps the full texts.
    // The item texts of the top and bottom blocks (LRItem...), with title the title edit's text.
    TNameValueList TopItems(const std::string& title) const;
    TNameValueList BottomItems() const;
    // The parts of a page (at most 22).
    std::vector<TNameValueList> PageParts(int page) const;

    // The CSV lines: the head, one body line per part, the foot; "InputTitle" is the title.
    std::vector<std::string> CsvLines(const std::string& title) const;
    // Writes them (CR LF, atomic); raises naming the path when the file cannot be written.
    void SaveCsv(const std::string& path, const std::string& title) const;

private:
    TNameValueList dialogTexts_, pageTexts_;
    TQuotationData data_;
    int paperChoice_ = 0;
    int paperCode_ = 9;
    int current_ = 0;
};

}  // namespace kinemo
