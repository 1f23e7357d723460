// How the six report layouts divide their data into pages: entries per page, page count,
// which entries and bands each page shows, the page indicator and the page commands; and
// which lines the element and motor bands of the block report show.
#pragma once

#include "base/NameValueList.h"

#include <array>
#include <string>
#include <vector>

namespace kinemo {

enum class TReportForm { Summary, DrivePatternStraight, DrivePatternRolling, BlockPattern, Discharge, Torque };

// The message class of the layout's texts ("form_printer_*").
std::string ReportFormClass(TReportForm form);

struct TReportPageContent {
    int FirstEntry = 0;       // index of the first table entry (row or element) shown
    int EntryCount = 0;       // entries shown on the page
    bool SummaryBand = false;  // the summary's first page: motor, judgement, advice
    bool BottomBand = false;   // the band of the last page (motor carry values, figures)
    bool Charts = false;       // the drive pattern's charts (every page)
};

class TReportPaging {
public:
    TReportPaging(TReportForm form, int entryCount);

    // Table entries per page: 6 elements (summary, pages 2 on), 50 pattern rows,
    // 2 elements (block), 70 regeneration rows, 59 torque rows.
    static int EntriesPerPage(TReportForm form);

    int PageCount() const { return pages_; }
    TReportPageContent Page(int index) const;

    // The preview's page turning.
    int Current() const { return current_; }
    void First() { current_ = 0; }
    void Last() { current_ = pages_ - 1; }
    void Next() { if (CanNext()) ++current_; }
    void Prior() { if (CanPrior()) --current_; }
    bool CanPrior() const { return current_ > 0; }
    bool CanNext() const { return current_ < pages_ - 1; }
    // The page count, " / ", the current page number (as the report windows show it).
    std::string Indicator() const;

private:
    TReportForm form_;
    int entries_;
    int pages_;
    int current_ = 0;
};

// The carry keys of an element card: those with a value, in report order, at most twelve.
std::vector<std::string> BlockCarryKeys(const TNameValueList& record);

// One line of the motor band: its key and the values of the four external-force cases in
// the order off/off, on/off, off/on, on/on.
struct TMotorBandLine {
    std::string Key;
    std::array<std::string, 4> Values;
};
// The gear lines of a geared motor, then the five carry values; lines without a first
// value are dropped; at most fourteen.
std::vector<TMotorBandLine> MotorBandLines(const TNameValueList& motorRecord);

// The input item pairs (name, value) of an element record, at most thirteen; an item
// without a name gives an empty line.
std::vector<std::pair<std::string, std::string>> ElementItems(const TNameValueList& record);

// The owner shown for an element: its owner's name, else its own.
std::string ElementOwner(const TNameValueList& record);

}  // namespace kinemo
