// Two to four judged motors side by side: one column per motor with every figure of the
// detail window, prices, the best value of each row marked, and the columns in the order
// a designer weighs them (passing first, then the cheaper).
#pragma once

#include "base/NameValueList.h"
#include "selection/MotorDetailModel.h"
#include "selection/Verdict.h"

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TMotor;
class TValueFormat;

// The worst verdict of a judged motor's checks (inertia, speed, the four torques and the
// regeneration): whether it can be chosen at all.
TVerdict OverallVerdict(const TMotor& motor);

// Which way a row's value is better; None: the row is information only.
enum class TBetter { None, Lower, Higher };

struct TComparisonRow {
    std::string Group;               // the detail window's row caption (e.g. "Effective torque")
    std::string Label;               // what the row shows (e.g. "Ratio")
    std::string Unit;
    std::vector<std::string> Cells;  // one per motor column
    std::vector<TVerdict> Verdicts;  // one per motor column
    std::vector<bool> Best;          // one per motor column
    TBetter Better = TBetter::None;
    std::string Figure;              // the judgement figure behind the row, when there is one
};

class TMotorComparison {
public:
    static constexpr int kMinMotors = 2, kMaxMotors = 4;

    TMotorComparison(const TValueFormat& format, const TNameValueList& resultLabels);
    // "form_compare_motor" texts (and the detail window's, whose figures it repeats).
    void LoadTexts(TCatalogQuery& query);
    std::string Text(const std::string& control) const { return texts_.Value(control); }

    // The motors must be judged, two to four, no model twice; raises TKinemoError with the
    // catalog's message otherwise and keeps the previous comparison. optionTotals, when
    // given, is the price of the chosen option set per motor (same order as motors; a
    // negative value: none chosen).
    void Fill(const std::vector<const TMotor*>& motors, const TMotorDetailInput& input,
              const std::vector<long long>& optionTotals = {});

    const std::vector<const TMotor*>& Motors() const { return motors_; }
    const std::vector<TComparisonRow>& Rows() const { return rows_; }
    // The sum of motor and amplifier price of a column's motor.
    static long long Price(const TMotor& motor);
    // "#,###" with the money symbol before it; empty for 0.
    std::string Amount(long long value) const;
    // The comparison as CSV (CR LF lines, fields quoted where needed): a header line with
    // the models, then one line per row; best values marked with "*".
    std::string CsvText() const;

private:
    void AddDetailRows(const std::vector<TMotorDetailModel>& details);
    void AddPriceRows(const std::vector<long long>& optionTotals);
    void MarkBest(TComparisonRow& row) const;

    const TValueFormat& format_;
    const TNameValueList& labels_;
    TNameValueList texts_;
    TNameValueList detailTexts_;
    std::string moneySymbol_;
    std::vector<const TMotor*> motors_;
    std::vector<TComparisonRow> rows_;
};

}  // namespace kinemo
