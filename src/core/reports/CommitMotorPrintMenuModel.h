// The print menu of a judged motor without its window: the five report data sets built
// when it opens, the page chosen for preview and CSV, the pages to print, the paper,
// the header and comment of the summary, and the CSV export through the catalog
// templates.
#pragma once

#include "base/NameValueList.h"
#include "reports/CSVTemplate.h"
#include "reports/PrintData.h"
#include "reports/ReportPages.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TInputPatternGridModel;
class TMomentaryDischargeList;
class TMotor;
struct TReportEnvironment;

// What the menu is opened with besides the motor.
struct TPrintMenuInput {
    const TInputPatternGridModel* Pattern = nullptr;  // the grid shown on the pattern page
    const TMomentaryDischargeList* Discharge = nullptr;  // the motor's regeneration table
    std::string PositionRange;
    double StoppingAccuracy = 0;
    int PatternInputType = 0;  // the pattern page's input-type index: 0 speed, else position
    std::string CurrentDate;   // "CurrentDate": now, written with the menu's "FormatDateTime"
};

// Paper codes of the printer's device settings.
constexpr int kPaperLetter = 1;
constexpr int kPaperA4 = 9;

// Writes the date with the catalog's date format: yyyy, yy, mm, m, dd, d, hh, h, nn, n,
// ss, s; text in double quotes is copied; other characters stay.
std::string FormatDateTimeText(const std::string& format, int year, int month, int day, int hour, int minute,
                               int second);

class TCommitMotorPrintMenuModel {
public:
    // Reads the menu's texts and builds the five data sets (each with its footer added to
    // its header). Raises "NotInputDrivePattern" when the pattern has no interval and
    // "ReportMotorNotJudged" for a motor without a judgement.
    TCommitMotorPrintMenuModel(TReportEnvironment& env, const TMotor& motor, const TPrintMenuInput& input);
    ~TCommitMotorPrintMenuModel();

    // "form_commit_motor_print_menu" texts by control.
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    const TNameValueList& Texts() const { return texts_; }

    // The data set a page lays out: texts from the catalog and the project clipped for the
    // page (see LayoutText.h). The CSV is written from the data set with the full texts.
    const TPrintData& Data(TReportPage page) const;
    // The drive pattern page's layout: the position form unless the input type is speed.
    bool PositionPatternForm() const { return positionForm_; }

    // The radio page (preview and CSV) and the check boxes (print, in menu order).
    TReportPage SelectedPage() const { return selected_; }
    void SelectPage(TReportPage page) { selected_ = page; }
    bool PrintChecked(TReportPage page) const;
    void SetPrintChecked(TReportPage page, bool checked);
    std::vector<TReportPage> PagesToPrint() const;

    // Printers: without one, printing is off (PDF and CSV still work).
    void SetPrintersAvailable(bool available) { printers_ = available; }
    bool PrintEnabled() const { return printers_; }

    // The paper list: the second entry is letter, every other one A4.
    const std::vector<std::string>& PaperSizeItems() const { return paperItems_; }
    int PaperSizeIndex() const { return paperIndex_; }
    void SetPaperSizeIndex(int index);
    int PaperCode() const { return paperIndex_ == 1 ? kPaperLetter : kPaperA4; }

    // The summary's header line and comment (kept by the main window between menus).
    std::string HeaderText, CommentText;
    // Puts the header and comment (lines joined by CR LF) into the summary data as
    // "PrintHeader" and "PrintComment"; before every preview, print, PDF and CSV.
    void ApplyHeaderAndComment();

    // The CSV lines of a page through its catalog template (header part, one body line
    // per row, footer part). Raises when the template names a key the page cannot hold.
    std::vector<std::string> CsvLines(TReportPage page) const;
    // Writes them to path through a temporary file; nothing is written on an error.
    void SaveCsv(TReportPage page, const std::string& path) const;

private:
    TCSVTemplate BuildCsv(TReportPage page) const;

    TReportEnvironment& env_;
    TNameValueList texts_;
    std::array<std::unique_ptr<TPrintData>, 5> data_;    // full texts, for the CSV
    std::array<std::unique_ptr<TPrintData>, 5> layout_;  // clipped copies, for the pages
    std::array<bool, 5> checked_{true, true, true, true, true};
    TReportPage selected_ = TReportPage::Summary;
    bool positionForm_ = false;
    bool printers_ = true;
    std::vector<std::string> paperItems_;
    int paperIndex_ = 0;
};

}  // namespace kinemo
