// The print menu's rules and its CSV export.
#include "reports/CommitMotorPrintMenuModel.h"

#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "pattern/InputPatternGridModel.h"
#include "reports/CSVTemplate.h"
#include "reports/LayoutText.h"
#include "reports/ReportBuilders.h"
#include "reports/ReportEnvironment.h"
#include "torque/CalcDischarge.h"
#include "torque/Motor.h"

#include <cstdio>
#include <sstream>

namespace kinemo {

namespace {

size_t Index(TReportPage page) { return static_cast<size_t>(page); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Digits(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

}  // namespace

std::string FormatDateTimeText(const std::string& format, int year, int month, int day, int hour, int minute,
                               int second) {
    std::string out;
    for (size_t i = 0; i < format.size();) {
        auto starts = [&](const char* token) { return format.compare(i, std::string(token).size(), token) == 0; };
        auto take = [&](const char* token, const std::string& text) {
            if (!starts(token)) return false;
            out += text;
            i += std::string(token).size();
            return true;
        };
        if (format[i] == '"') {
            const size_t close = format.find('"', i + 1);
            const size_t end = close == std::string::npos ? format.size() : close;
            out += format.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (take("yyyy", Digits(year, 4)) || take("yy", Digits(year % 100, 2)) || take("mm", Digits(month, 2)) ||
            take("m", std::to_string(month)) || take("dd", Digits(day, 2)) || take("d", std::to_string(day)) ||
            take("hh", Digits(hour, 2)) || take("h", std::to_string(hour)) || take("nn", Digits(minute, 2)) ||
            take("n", std::to_string(minute)) || take("ss", Digits(second, 2)) || take("s", std::to_string(second)))
            continue;
        out += format[i++];
    }
    return out;
}

TCommitMotorPrintMenuModel::TCommitMotorPrintMenuModel(TReportEnvironment& env, const TMotor& motor,
                                                       const TPrintMenuInput& input)
    : env_(env) {
    if (!motor.Judged || !motor.Torques) throw TErrorMessageException(env.Errors, "ReportMotorNotJudged");
    if (!input.Pattern || motor.Torques->Count() == 0)
        throw TErrorMessageException(env.Errors, "NotInputDrivePattern");
    static const TMomentaryDischargeList kNoTable;
    data_[Index(TReportPage::Summary)] = BuildSummaryData(env, motor, input.PositionRange, input.StoppingAccuracy);
    data_[Index(TReportPage::DrivePattern)] = BuildDrivePatternData(env, *input.Pattern);
    data_[Index(TReportPage::Block)] = BuildBlockData(env, motor);
    data_[Index(TReportPage::Torque)] = BuildTorqueData(env, motor);
    data_[Index(TReportPage::Discharge)] =
        BuildDischargeData(env, motor, input.Discharge ? *input.Discharge : kNoTable);
    texts_ = ReadMessageClass(env.Query, "form_commit_motor_print_menu", true);
    data_[Index(TReportPage::Summary)]->HeaderPairs.SetValue("CurrentDate", input.CurrentDate);
    for (auto& d : data_) d->AppendFooterToHeader();
    for (size_t i = 0; i < data_.size(); ++i) layout_[i] = LayoutCopy(*data_[i]);
    paperItems_ = SplitLines(texts_.Value("ComboBoxSelectPaperSize"));
    positionForm_ = input.PatternInputType != 0;
}

TCommitMotorPrintMenuModel::~TCommitMotorPrintMenuModel() = default;

const TPrintData& TCommitMotorPrintMenuModel::Data(TReportPage page) const { return *layout_[Index(page)]; }

bool TCommitMotorPrintMenuModel::PrintChecked(TReportPage page) const { return checked_[Index(page)]; }

void TCommitMotorPrintMenuModel::SetPrintChecked(TReportPage page, bool checked) { checked_[Index(page)] = checked; }

std::vector<TReportPage> TCommitMotorPrintMenuModel::PagesToPrint() const {
    std::vector<TReportPage> pages;
    for (TReportPage p : AllReportPages())
        if (PrintChecked(p)) pages.push_back(p);
    return pages;
}

void TCommitMotorPrintMenuModel::SetPaperSizeIndex(int index) {
    paperIndex_ = index >= 0 && index < static_cast<int>(paperItems_.size()) ? index : 0;
}

void TCommitMotorPrintMenuModel::ApplyHeaderAndComment() {
    std::string comment;
    for (const std::string& line : SplitLines(CommentText)) comment += (comment.empty() ? "" : "\r\n") + line;
    TNameValueList& full = data_[Index(TReportPage::Summary)]->HeaderPairs;
    full.SetValue("PrintHeader", HeaderText);
    full.SetValue("PrintComment", comment);
    TNameValueList& shown = layout_[Index(TReportPage::Summary)]->HeaderPairs;
    shown.SetValue("PrintHeader", ClipForLayout(HeaderText, LayoutLimitOfKey("PrintHeader")));
    shown.SetValue("PrintComment", ClipForLayout(comment, LayoutLimitOfKey("PrintComment")));
}

TCSVTemplate TCommitMotorPrintMenuModel::BuildCsv(TReportPage page) const {
    const TTemplate t = LoadCsvTemplate(env_.Query, ReportDataClass(page));
    CheckTemplateKeys({t.Head, t.Body, t.Foot}, ReportKeyPatterns(page), ReportDataClass(page), env_.Errors);
    const TPrintData& d = *data_[Index(page)];
    TCSVTemplate csv;
    csv.Add(t.Head, d.HeaderPairs);
    for (const auto& row : d.RowRecords) csv.Add(t.Body, *row);
    if (!t.Foot.empty()) csv.Add(t.Foot, d.FooterPairs);  // a report without a foot part ends with its rows
    return csv;
}

std::vector<std::string> TCommitMotorPrintMenuModel::CsvLines(TReportPage page) const { return BuildCsv(page).Lines(); }

void TCommitMotorPrintMenuModel::SaveCsv(TReportPage page, const std::string& path) const {
    BuildCsv(page).SaveToFile(path);
}

}  // namespace kinemo
