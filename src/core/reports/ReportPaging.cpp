// Paging of the report layouts and the lines of the block report's bands.
#include "reports/ReportPaging.h"

#include <algorithm>

namespace kinemo {

std::string ReportFormClass(TReportForm form) {
    switch (form) {
    case TReportForm::Summary: return "form_printer_summury";
    case TReportForm::DrivePatternStraight:
    case TReportForm::DrivePatternRolling: return "form_printer_drive_pattern";
    case TReportForm::BlockPattern: return "form_printer_block_pattern";
    case TReportForm::Discharge: return "form_printer_discharge";
    case TReportForm::Torque: return "form_printer_torque";
    }
    return "";
}

int TReportPaging::EntriesPerPage(TReportForm form) {
    switch (form) {
    case TReportForm::Summary: return 6;
    case TReportForm::DrivePatternStraight:
    case TReportForm::DrivePatternRolling: return 50;
    case TReportForm::BlockPattern: return 2;
    case TReportForm::Discharge: return 70;
    case TReportForm::Torque: return 59;
    }
    return 1;
}

TReportPaging::TReportPaging(TReportForm form, int entryCount) : form_(form), entries_(std::max(0, entryCount)) {
    const int k = EntriesPerPage(form);
    const int tablePages = (entries_ + k - 1) / k;
    pages_ = form == TReportForm::Summary ? 1 + tablePages : std::max(1, tablePages);
}

TReportPageContent TReportPaging::Page(int index) const {
    TReportPageContent c;
    const int k = EntriesPerPage(form_);
    const int tableIndex = form_ == TReportForm::Summary ? index - 1 : index;
    c.SummaryBand = form_ == TReportForm::Summary && index == 0;
    if (tableIndex >= 0) {
        c.FirstEntry = tableIndex * k;
        c.EntryCount = std::clamp(entries_ - c.FirstEntry, 0, k);
    }
    const bool last = index == pages_ - 1;
    c.BottomBand = last && (form_ == TReportForm::BlockPattern || form_ == TReportForm::Discharge ||
                            form_ == TReportForm::Torque);
    c.Charts = form_ == TReportForm::DrivePatternStraight || form_ == TReportForm::DrivePatternRolling;
    return c;
}

std::string TReportPaging::Indicator() const { return std::to_string(pages_) + " / " + std::to_string(current_ + 1); }

std::vector<std::string> BlockCarryKeys(const TNameValueList& record) {
    std::vector<std::string> keys;
    for (const char* k : {"WAout", "WJout", "Uout", "Hout", "Fout", "Vout", "JLout", "TFout", "TUout", "THout", "Aout", "Bout"})
        if (!record.Value(k).empty() && keys.size() < 12) keys.push_back(k);
    return keys;
}

std::vector<TMotorBandLine> MotorBandLines(const TNameValueList& motor) {
    std::vector<TMotorBandLine> lines;
    if (motor.Value("GearMotor") == "1")
        for (const char* k : {"ReducingRatio", "GearInertia", "GearTorque", "GearEta", "BacklashValue"}) {
            const std::string v = motor.Value(k);
            lines.push_back({k, {v, v, v, v}});
        }
    for (const char* k : {"JLout", "TFout", "TUout", "THout", "Bout"}) {
        const std::string key = std::string("_") + k;
        lines.push_back({k, {motor.Value("FF" + key), motor.Value("TF" + key), motor.Value("FT" + key), motor.Value("TT" + key)}});
    }
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const TMotorBandLine& l) { return l.Values[0].empty(); }),
                lines.end());
    if (lines.size() > 14) lines.resize(14);
    return lines;
}

std::vector<std::pair<std::string, std::string>> ElementItems(const TNameValueList& record) {
    std::vector<std::pair<std::string, std::string>> items;
    for (int i = 0; i < 13; ++i) {
        const std::string name = record.Value("ItemName" + std::to_string(i));
        const bool more = [&] {
            for (int j = i; j < 13; ++j)
                if (!record.Value("ItemName" + std::to_string(j)).empty()) return true;
            return false;
        }();
        if (!more) break;
        items.emplace_back(name, name.empty() ? std::string() : record.Value("ItemValue" + std::to_string(i)));
    }
    return items;
}

std::string ElementOwner(const TNameValueList& record) {
    const std::string owner = record.Value("OwnerFactorName");
    return owner.empty() ? record.Value("FactorName") : owner;
}

}  // namespace kinemo
