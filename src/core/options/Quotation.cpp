// Quotation paging, items and CSV.
#include "options/Quotation.h"

#include "base/CatalogText.h"
#include "reports/CSVTemplate.h"
#include "reports/CommitMotorPrintMenuModel.h"
#include "reports/LayoutText.h"

namespace kinemo {

TQuotation::TQuotation(TCatalogQuery& query, TQuotationData data) : data_(std::move(data)) {
    dialogTexts_ = ReadMessageClass(query, "form_printer_select_option", true);
    pageTexts_ = ReadMessageClass(query, "form_printer_option", true);
}

void TQuotation::SetCurrentDate(int year, int month, int day, int hour, int minute, int second) {
    data_.Header.SetValue("CurrentDate", FormatDateTimeText(dialogTexts_.Value("FormatDateTime"), year, month, day, hour,
                                                            minute, second));
}

std::vector<std::string> TQuotation::PaperChoices() const {
    std::vector<std::string> items;
    const std::string text = dialogTexts_.Value("ComboBoxSelectPaperSize");
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t end = text.find('\n', start);
        std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!item.empty() && item.back() == '\r') item.pop_back();
        if (!item.empty()) items.push_back(item);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return items;
}

void TQuotation::ChoosePaper(int choice) {
    paperChoice_ = choice;
    if (choice == 0) paperCode_ = 9;
    else if (choice == 1) paperCode_ = 1;
}

int TQuotation::PageCount() const {
    const int n = static_cast<int>(data_.Parts.size());
    return n <= kRowsPerPage ? 1 : (n + kRowsPerPage - 1) / kRowsPerPage;
}

void TQuotation::Prior() {
    if (CanPrior()) --current_;
}

void TQuotation::Next() {
    if (CanNext()) ++current_;
}

void TQuotation::SetCurrentPage(int page) {
    if (page >= 0 && page < PageCount()) current_ = page;
}

std::string TQuotation::PageLabel() const {
    return std::to_string(current_ + 1) + " / " + std::to_string(PageCount());
}

TNameValueList TQuotation::TopItems(const std::string& title) const {
    const TNameValueList& h = data_.Header;
    TNameValueList items;
    auto put = [&items](const std::string& name, const std::string& value) {
        items.Add(name + "=" + ClipForLayout(value, kLayoutCellChars));
    };
    put("LRItemTitle", title);
    put("LRItemFormatDate", h.Value("CurrentDate"));
    put("LRVariableTextSeries", h.Value("PanelMotorSeries"));
    put("LRVariableTextType", h.Value("PanelMotorType"));
    put("LRItemMotorName", h.Value("PanelMotorNumber"));
    put("LRItemMotorQty", h.Value("ComboBoxMotorQty"));
    put("LRItemMotorPrice", h.Value("PanelMotorPrice"));
    put("LRItemMotorSubTotal", h.Value("PanelMotorSubTotal"));
    // Output, brake and gear head, each value after the page's caption for it: the bare
    // catalog values ("None None") say nothing on paper.
    put("LRItemMotorMessage", h.Value("LabelOutput") + ", " + pageTexts_.Value("LRLabelBrake") + " " +
                                  h.Value("LabelBrake") + ", " + pageTexts_.Value("LRLabelGear") + " " + h.Value("LabelGear"));
    put("LRItemAmpName", h.Value("PanelAmpNumber"));
    put("LRItemAmpQty", h.Value("ComboBoxAmpQty"));
    put("LRItemAmpPrice", h.Value("PanelAmpPrice"));
    put("LRItemAmpSubTotal", h.Value("PanelAmpSubTotal"));
    put("LRItemAmpMessage", h.Value("LabelPhase") + " " + h.Value("LabelSupply"));
    return items;
}

TNameValueList TQuotation::BottomItems() const {
    TNameValueList items;
    items.Add("LRItemTotalPrice=" + ClipForLayout(data_.Header.Value("PanelAllPrice"), kLayoutCellChars));
    // The comment's lines joined with CR LF.
    std::string comment;
    for (char c : data_.Header.Value("EditComment")) {
        if (c == '\r') continue;
        if (c == '\n') comment += "\r\n";
        else comment += c;
    }
    items.Add("LRVariableTextComment=" + ClipForLayout(comment, kLayoutMemoChars));
    return items;
}

std::vector<TNameValueList> TQuotation::PageParts(int page) const {
    std::vector<TNameValueList> parts;
    for (int r = 0; r < kRowsPerPage; ++r) {
        const size_t i = static_cast<size_t>(r + kRowsPerPage * page);
        if (i >= data_.Parts.size()) break;
        TNameValueList& part = parts.emplace_back();
        const TNameValueList& from = data_.Parts[i];
        for (size_t k = 0; k < from.Count(); ++k)
            part.Add(from.Name(k) + "=" + ClipForLayout(from.ValueAt(k), kLayoutCellChars));
    }
    return parts;
}

namespace {

// A copy of list with the values of numbers put over its own.
TNameValueList WithNumbers(const TNameValueList& list, const TNameValueList* numbers) {
    TNameValueList out = list;
    if (numbers)
        for (size_t i = 0; i < numbers->Count(); ++i) out.SetValue(numbers->Name(i), numbers->ValueAt(i));
    return out;
}

// A spreadsheet reads the CSV's amounts as numbers: they go in without the money symbol or
// thousands separators, and the symbol heads the columns ("Currency").
TCSVTemplate Csv(const TNameValueList& texts, const TQuotationData& data, const std::string& title) {
    TNameValueList header = WithNumbers(data.Header, &data.HeaderNumbers);
    header.SetValue("InputTitle", title);
    header.SetValue("Currency", data.MoneySymbol);
    TCSVTemplate csv;
    csv.Add(texts.Value("CsvTemplateHead"), header);
    for (size_t i = 0; i < data.Parts.size(); ++i)
        csv.Add(texts.Value("CsvTemplateBody"),
                WithNumbers(data.Parts[i], i < data.PartNumbers.size() ? &data.PartNumbers[i] : nullptr));
    csv.Add(texts.Value("CsvTemplateFoot"), header);
    return csv;
}

}  // namespace

std::vector<std::string> TQuotation::CsvLines(const std::string& title) const {
    return Csv(dialogTexts_, data_, title).Lines();
}

void TQuotation::SaveCsv(const std::string& path, const std::string& title) const {
    Csv(dialogTexts_, data_, title).SaveToFile(path);
}

}  // namespace kinemo
