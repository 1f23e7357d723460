// Comparison of judged motors, built from the detail window's own grids.
#include "selection/MotorComparison.h"

#include "base/AmountText.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "torque/Motor.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kinemo {

namespace {

int Rank(TVerdict v) {
    switch (v) {
    case TVerdict::Pass: return 0;
    case TVerdict::Warning: return 1;
    case TVerdict::Fail: return 2;
    default: return 3;
    }
}

}  // namespace

TVerdict OverallVerdict(const TMotor& m) {
    if (!m.Judged) return TVerdict::None;
    TVerdict worst = TVerdict::Pass;
    for (int code : {m.InertiaCode, m.MaxSpeedCode, m.EffectiveTorqueCode, m.RunningTorqueCode, m.MaxTorqueAdjudicationCode,
                     m.EpigeneTorqueCode, m.ResultCode}) {
        const TVerdict v = VerdictOf(code, true);
        if (Rank(v) > Rank(worst) && v != TVerdict::None) worst = v;
    }
    return worst;
}

TMotorComparison::TMotorComparison(const TValueFormat& format, const TNameValueList& resultLabels)
    : format_(format), labels_(resultLabels) {}

void TMotorComparison::LoadTexts(TCatalogQuery& query) {
    texts_ = ReadMessageClass(query, "form_compare_motor", true);
    detailTexts_ = ReadMessageClass(query, "form_motor_detail", true);
    moneySymbol_ = ReadMoneySymbol(query);
}

long long TMotorComparison::Price(const TMotor& motor) {
    return static_cast<long long>(motor.msv_motor_price) + motor.msv_amp_price;
}

std::string TMotorComparison::Amount(long long value) const { return AmountText(moneySymbol_, value); }

void TMotorComparison::Fill(const std::vector<const TMotor*>& motors, const TMotorDetailInput& input,
                            const std::vector<long long>& optionTotals) {
    const int count = static_cast<int>(motors.size());
    if (count < kMinMotors || count > kMaxMotors) throw TKinemoError(Text("CountError"));
    std::set<std::string> models;
    for (const TMotor* m : motors) {
        if (!m || !m->Judged) throw TKinemoError(FormatText(Text("NotJudgedError"), {m ? m->msv_model_all : ""}));
        if (!models.insert(m->msv_model_all).second) throw TKinemoError(FormatText(Text("SameMotorError"), {m->msv_model_all}));
    }
    // Passing motors first, then the cheaper, then by name: the order a choice is made in.
    std::vector<size_t> order(motors.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const TMotor& x = *motors[a];
        const TMotor& y = *motors[b];
        const int rx = Rank(OverallVerdict(x)), ry = Rank(OverallVerdict(y));
        if (rx != ry) return rx < ry;
        if (Price(x) != Price(y)) return Price(x) < Price(y);
        return x.msv_model_all < y.msv_model_all;
    });
    std::vector<const TMotor*> sorted;
    std::vector<long long> totals;
    for (size_t i : order) {
        sorted.push_back(motors[i]);
        totals.push_back(i < optionTotals.size() ? optionTotals[i] : -1);
    }
    TMotorDetailModel prototype(format_, labels_);
    std::vector<TMotorDetailModel> details;
    for (const TMotor* m : sorted) {
        TMotorDetailModel detail = prototype;
        detail.SetTexts(detailTexts_);
        detail.Fill(*m, input);
        details.push_back(std::move(detail));
    }
    motors_ = std::move(sorted);
    rows_.clear();
    AddDetailRows(details);
    AddPriceRows(totals);
    for (TComparisonRow& row : rows_) MarkBest(row);
}

void TMotorComparison::AddDetailRows(const std::vector<TMotorDetailModel>& details) {
    const size_t n = details.size();
    auto row = [&](std::string group, std::string label, std::string unit, TBetter better, std::string figure,
                   auto cell) {
        TComparisonRow r;
        r.Group = std::move(group);
        r.Label = std::move(label);
        r.Unit = std::move(unit);
        r.Better = better;
        r.Figure = std::move(figure);
        r.Verdicts.assign(n, TVerdict::None);
        for (size_t i = 0; i < n; ++i) r.Cells.push_back(cell(details[i], r.Verdicts[i]));
        rows_.push_back(std::move(r));
    };
    // Catalog data: the base grid, model first.
    const TDetailGrid& base0 = details.front().Base();
    // The model is the column's heading.
    for (int r = 2; r < base0.Rows; ++r)
        row("", base0.Cell(0, r), "", TBetter::None, "", [&](const TMotorDetailModel& d, TVerdict&) { return d.Base().Cell(1, r); });
    // The calculation grid: motor value, warning limit, calculated value, ratio, verdict.
    const TDetailGrid& calc0 = details.front().Calc();
    for (int r = 1; r < calc0.Rows; ++r) {
        const std::string group = calc0.Cell(0, r);
        for (int c : {1, 3, 5, 7}) {
            // The ratio is what a choice weighs: the lower, the more margin. The regeneration
            // power found is weighed too; the motor's limits are information.
            const TBetter better = c == 7 || (c == 5 && r == 7) ? TBetter::Lower : TBetter::None;
            row(group, calc0.Cell(c, 0), calc0.Cell(c + 1, r), better, TMotorDetailModel::CalcFigureAt(c, r),
                [&](const TMotorDetailModel& d, TVerdict&) { return d.Calc().Cell(c, r); });
        }
        // The regeneration verdict is the advice's, below.
        if (r == 7) continue;
        row(group, calc0.Cell(9, 0), "", TBetter::Lower, TMotorDetailModel::CalcFigureAt(9, r),
            [&](const TMotorDetailModel& d, TVerdict& v) {
                v = d.Calc().Verdict(9, r);
                return d.Calc().Cell(9, r);
            });
    }
    // The regeneration advice and the stopping accuracy.
    const TDetailGrid& opt0 = details.front().Opt();
    row(opt0.Cell(0, 0), calc0.Cell(9, 0), "", TBetter::Lower, "", [&](const TMotorDetailModel& d, TVerdict& v) {
        v = d.Opt().Verdict(1, 0);
        return d.Opt().Cell(1, 0);
    });
    row(opt0.Cell(0, 0), Text("LabelResistor"), "", TBetter::None, "", [&](const TMotorDetailModel& d, TVerdict&) {
        std::string advice;
        for (int c = 2; c <= 4; ++c) {
            const std::string& part = d.Opt().Cell(c, 0);
            if (part.empty()) continue;
            if (!advice.empty()) advice += ' ';
            advice += part;
        }
        // No resistor: every part is a dash.
        return advice.find_first_not_of("- ") == std::string::npos && !advice.empty() ? std::string("-") : advice;
    });
    row("", opt0.Cell(0, 1), "", TBetter::None, "", [&](const TMotorDetailModel& d, TVerdict&) { return d.Opt().Cell(1, 1); });
}

void TMotorComparison::AddPriceRows(const std::vector<long long>& optionTotals) {
    const std::string group = Text("GroupPrice");
    auto row = [&](const std::string& label, TBetter better, auto value) {
        TComparisonRow r;
        r.Group = group;
        r.Label = label;
        r.Better = better;
        r.Verdicts.assign(motors_.size(), TVerdict::None);
        for (size_t i = 0; i < motors_.size(); ++i) r.Cells.push_back(Amount(value(i)));
        rows_.push_back(std::move(r));
    };
    row(Text("LabelMotorPrice"), TBetter::None, [&](size_t i) { return (long long)motors_[i]->msv_motor_price; });
    row(Text("LabelAmpPrice"), TBetter::None, [&](size_t i) { return (long long)motors_[i]->msv_amp_price; });
    row(Text("LabelTotalPrice"), TBetter::Lower, [&](size_t i) { return Price(*motors_[i]); });
    const bool anyOptions = std::any_of(optionTotals.begin(), optionTotals.end(), [](long long t) { return t >= 0; });
    if (!anyOptions) return;
    row(Text("LabelOptionPrice"), TBetter::None, [&](size_t i) { return std::max(0LL, optionTotals[i]); });
    row(Text("LabelGrandTotal"), TBetter::Lower,
        [&](size_t i) { return Price(*motors_[i]) + std::max(0LL, optionTotals[i]); });
}

void TMotorComparison::MarkBest(TComparisonRow& row) const {
    const size_t n = row.Cells.size();
    row.Best.assign(n, false);
    if (row.Better == TBetter::None) return;
    // Verdict rows weigh by verdict; the others by the number shown.
    std::vector<double> values(n, std::nan(""));
    for (size_t i = 0; i < n; ++i) {
        if (row.Verdicts[i] != TVerdict::None) {
            values[i] = Rank(row.Verdicts[i]);
            continue;
        }
        std::string text;
        for (char c : row.Cells[i])
            if (c != ',') text += c;
        if (!moneySymbol_.empty() && text.rfind(moneySymbol_, 0) == 0) text.erase(0, moneySymbol_.size());
        double v = 0;
        if (TryTextToFloat(text, v) && std::isfinite(v)) values[i] = v;
    }
    double best = std::nan("");
    for (double v : values) {
        if (std::isnan(v)) continue;
        if (std::isnan(best) || (row.Better == TBetter::Lower ? v < best : v > best)) best = v;
    }
    if (std::isnan(best)) return;
    // A row where every column is equal has no best.
    if (std::all_of(values.begin(), values.end(), [&](double v) { return v == best; })) return;
    for (size_t i = 0; i < n; ++i) row.Best[i] = values[i] == best;
}

std::string TMotorComparison::CsvText() const {
    std::string out = CsvField(Text("CsvGroup")) + "," + CsvField(Text("CsvLabel")) + "," + CsvField(Text("CsvUnit"));
    for (const TMotor* m : motors_) out += "," + CsvField(m->msv_model_all);
    out += "\r\n";
    for (const TComparisonRow& row : rows_) {
        out += CsvField(row.Group) + "," + CsvField(row.Label) + "," + CsvField(row.Unit);
        for (size_t i = 0; i < row.Cells.size(); ++i) out += "," + CsvField(row.Cells[i] + (row.Best[i] ? "*" : ""));
        out += "\r\n";
    }
    return out;
}

}  // namespace kinemo
