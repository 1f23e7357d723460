// The motor detail window without its window: the three grids' cell texts and widths,
// the verdicts to colour, the regeneration resistor advice, the stopping-accuracy and
// S-curve lines, the interval torque chart and whether the motor may be committed.
#pragma once

#include "base/NameValueList.h"
#include "pattern/PatternRecords.h"
#include "selection/Verdict.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TMotor;
class TTorqueList;
class TValueFormat;
struct TSigmoidalCurve;

// One detail grid: cell texts by [row][column], fixed rows and columns, widths.
struct TDetailGrid {
    int Columns = 0, Rows = 0, FixedRows = 0, FixedColumns = 0, RowHeight = 24;
    std::vector<std::vector<std::string>> Cells;
    std::vector<int> Widths;
    std::vector<std::vector<TVerdict>> Verdicts;

    void Resize(int columns, int rows);
    const std::string& Cell(int column, int row) const { return Cells.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)); }
    std::string& Cell(int column, int row) { return Cells.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)); }
    TVerdict Verdict(int column, int row) const { return Verdicts.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)); }
};

// What the detail window is opened with besides the motor.
struct TMotorDetailInput {
    std::string PositionRange;   // as typed on the motor page
    std::string GearType;        // the gear type entry shown
    std::string Shaft;           // the motor shaft entry, else the gear shaft entry
    double StoppingAccuracy = 0;
    bool Rolling = false;        // chain kind: the stopping-accuracy unit
    const TSigmoidalCurve* Curve = nullptr;  // the S-curve chosen on the pattern page
};

class TMotorDetailModel {
public:
    TMotorDetailModel(const TValueFormat& format, const TNameValueList& resultLabels);

    // "form_motor_detail" texts by control (later rows win).
    void LoadTexts(TCatalogQuery& query);
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    // The same texts, read elsewhere (a comparison fills one model per motor).
    void SetTexts(const TNameValueList& texts) { texts_ = texts; }

    void Fill(const TMotor& motor, const TMotorDetailInput& input);
    const TDetailGrid& Base() const { return base_; }
    const TDetailGrid& Calc() const { return calc_; }
    const TDetailGrid& Opt() const { return opt_; }
    const std::string& SigmoidalLine() const { return sigmoidalLine_; }

    // The regeneration resistor cells (2,0), (3,0), (4,0) for a Result code.
    void ApplyResistorAdvice(const TMotor& motor);
    // DisplayFormat, except that a value too small to show two significant digits at the
    // precision is written with three.
    std::string Number(double value) const;

    // The interval steps from (0, 0), times in the display unit; the axis ±1.1 × the
    // largest torque magnitude (±1 when every torque is 0).
    static TChartPointList TorqueChartPoints(const TTorqueList& torques, const std::function<double(double)>& toDisplayTime);
    static std::pair<double, double> TorqueAxisRange(const TTorqueList& torques);

    // The judgement figure a cell of the calculation grid shows (for its explanation);
    // empty for captions, catalog values and the speed ratio the window computes itself.
    static std::string CalcFigureAt(int column, int row);

    // BtnCommit: no second commitment while another motor is committed.
    static bool CommitEnabled(bool anyMotorCommitted) { return !anyMotorCommitted; }

private:
    void FillBase(const TMotor& m, const TMotorDetailInput& input);
    void FillCalc(const TMotor& m);
    void FillOpt(const TMotor& m, const TMotorDetailInput& input);
    int Width(const std::string& key) const;

    const TValueFormat& format_;
    const TNameValueList& labels_;
    TNameValueList texts_;
    TDetailGrid base_, calc_, opt_;
    std::string sigmoidalLine_;
};

}  // namespace kinemo
