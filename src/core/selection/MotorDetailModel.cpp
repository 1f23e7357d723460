// Motor detail window rules.
#include "selection/MotorDetailModel.h"

#include "base/Catalog.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "pattern/SigmoidalCurves.h"
#include "torque/Motor.h"
#include "torque/TorqueList.h"
#include "units/ValueFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kinemo {

namespace {

std::string Key(const char* name, int a) { return std::string(name) + "[" + std::to_string(a) + "]"; }
std::string Key(const char* name, int a, int b) {
    return std::string(name) + "[" + std::to_string(a) + "," + std::to_string(b) + "]";
}
std::string OrDash(const std::string& s) { return s.empty() ? std::string("-") : s; }

}  // namespace

void TDetailGrid::Resize(int columns, int rows) {
    Columns = columns;
    Rows = rows;
    Cells.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(columns)));
    Verdicts.assign(static_cast<size_t>(rows), std::vector<TVerdict>(static_cast<size_t>(columns), TVerdict::None));
    Widths.assign(static_cast<size_t>(columns), 64);
}

TMotorDetailModel::TMotorDetailModel(const TValueFormat& format, const TNameValueList& resultLabels)
    : format_(format), labels_(resultLabels) {}

void TMotorDetailModel::LoadTexts(TCatalogQuery& query) {
    texts_.Clear();
    query.Close();
    query.SetSQL("select msg_value,msg_control from s_message where msg_class=:CLASS order by msg_cd");
    query.SetParam("CLASS", "form_motor_detail");
    query.Open();
    for (; !query.Eof(); query.Next()) texts_.SetValue(query.AsString(1), query.AsString(0));
    query.Close();
}

int TMotorDetailModel::Width(const std::string& key) const {
    const std::string text = texts_.Value(key);
    int w = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), w);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty() ? w : 64;
}

std::string TMotorDetailModel::Number(double value) const {
    const std::string shown = format_.Display(value);
    if (value == 0 || !std::isfinite(value)) return shown;
    // Fewer than two significant digits shown (inertias in kg·m² are around 1E-5): the
    // value keeps three.
    if (std::fabs(value) >= std::pow(10.0, 1 - format_.Precision())) return shown;
    return FloatToText(value, 3);
}

void TMotorDetailModel::Fill(const TMotor& motor, const TMotorDetailInput& input) {
    FillBase(motor, input);
    FillCalc(motor);
    FillOpt(motor, input);
    sigmoidalLine_.clear();
    if (input.Curve) {
        double modulus = 0;
        TryTextToFloat(input.Curve->Modulus, modulus);
        sigmoidalLine_ = FormatText("%s %s %s %s", {Text("LabelSigmoidalCurve"), input.Curve->MotorCaption,
                                                    Text("LabelSigmoidalCurveValue"), format_.Display(modulus)});
    }
}

void TMotorDetailModel::FillBase(const TMotor& m, const TMotorDetailInput& input) {
    base_ = {};
    base_.Resize(2, 14);
    base_.FixedRows = base_.FixedColumns = 1;
    base_.RowHeight = 24;
    for (int r = 1; r <= 13; ++r) base_.Cell(0, r) = Text(Key("GridMotorBase", 0, r));
    base_.Cell(1, 0) = Text(Key("GridMotorBase", 1, 0));
    for (int c = 0; c < 2; ++c) base_.Widths[static_cast<size_t>(c)] = Width(Key("GridMotorBaseColWidth", c));
    const std::string values[] = {m.msv_model_all, m.msv_amplifier1, m.mso_name,      m.msp_name,
                                  m.mss_name,      m.mse_name,       m.msb_name,      m.msmg_name,
                                  OrDash(m.msgr_name), m.msv_backlash, OrDash(m.msos_name), input.Shaft,
                                  OrDash(input.GearType)};
    for (int r = 1; r <= 13; ++r) base_.Cell(1, r) = values[r - 1];
}

void TMotorDetailModel::FillCalc(const TMotor& m) {
    calc_ = {};
    calc_.Resize(10, 8);
    calc_.FixedRows = calc_.FixedColumns = 1;
    calc_.RowHeight = 21;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 10; ++c) calc_.Cell(c, r) += Text(Key("GridMotorCalc", c, r));
    for (int c = 0; c < 10; ++c) calc_.Widths[static_cast<size_t>(c)] = Width(Key("GridMotorCalcColWidth", c));
    auto column = [&](int c, std::initializer_list<double> values) {
        int r = 1;
        for (double v : values) calc_.Cell(c, r++) = Number(v);
    };
    column(1, {m.MotorRotorInertia, m.MotorRatedSpeed, m.MotorRatedTorque, m.MotorRatedTorque, m.MotorMaxTorque,
               m.MotorRatedTorque, m.MotorAllowableDischarge});
    column(3, {m.MotorWarningInertia, m.MotorRatedSpeed, m.msv_m_warningtorquedef * 100,
               m.msv_m_warningtorquelow * 100, m.msv_m_warningtorquehigh * 100, m.msv_m_warningtorquelow * 100,
               m.msv_m_warningallowabledischarge * 100});
    column(5, {m.JL, m.MotorMaxSpeedMax, m.MotorEffectiveTorque, m.MotorRunningTorqueMax, m.MotorNecessityMaxTorque,
               m.MotorEpigeneTorqueMax, m.maxP});
    column(7, {m.MotorInertiaRatio, 0, m.MotorEffectiveTorquePercent, m.MotorRunningTorqueMaxPercent,
               m.MotorMaxTorquePercent, m.MotorEpigeneTorqueMaxPercent});
    // A motor without a rated speed has no speed ratio: the caption stays.
    calc_.Cell(7, 2) = m.MotorRatedSpeed != 0 ? Number(m.MotorMaxSpeedMax / m.MotorRatedSpeed * 100)
                                              : Text(Key("GridMotorCalc", 7, 2));
    double rate = 0;
    if (m.RegenerationResistanceLoadRate != "-" && TryTextToFloat(m.RegenerationResistanceLoadRate, rate))
        calc_.Cell(7, 7) = Number(rate);
    const int codes[] = {m.InertiaCode, m.MaxSpeedCode, m.EffectiveTorqueCode, m.RunningTorqueCode, m.MaxTorqueAdjudicationCode,
                         m.EpigeneTorqueCode};
    for (int r = 1; r <= 6; ++r) {
        calc_.Cell(9, r) = m.GetResultLabel(labels_, codes[r - 1]);
        calc_.Verdicts[static_cast<size_t>(r)][9] = VerdictOf(codes[r - 1], m.Judged);
    }
}

void TMotorDetailModel::FillOpt(const TMotor& m, const TMotorDetailInput& input) {
    opt_ = {};
    opt_.Resize(5, 2);
    opt_.FixedRows = 0;
    opt_.FixedColumns = 1;
    opt_.RowHeight = 24;
    for (int r = 0; r < 2; ++r) opt_.Cell(0, r) = Text(Key("GridMotorOpt", 0, r));
    for (int c = 1; c <= 4; ++c) opt_.Cell(c, 0) = Text(Key("GridMotorOpt", c, 0));
    for (int c = 0; c < 5; ++c) opt_.Widths[static_cast<size_t>(c)] = Width(Key("GridMotorOptColWidth", c));
    opt_.Cell(1, 0) = m.GetResultLabel(labels_, m.ResultCode);
    opt_.Verdicts[0][1] = VerdictOf(m.ResultCode, m.Judged);
    ApplyResistorAdvice(m);
    const std::string format = Text(input.Rolling ? "RollingStoppingAccuracyFormat" : "StraightStoppingAccuracyFormat");
    opt_.Cell(1, 1) = FormatText(format, {format_.Display(input.StoppingAccuracy), input.PositionRange});
}

void TMotorDetailModel::ApplyResistorAdvice(const TMotor& m) {
    std::string& resistor = opt_.Cell(2, 0);
    std::string& capacity = opt_.Cell(3, 0);
    std::string& unit = opt_.Cell(4, 0);
    // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
    auto nearest = [](double v) { return std::to_string(static_cast<long long>(std::nearbyint(v))); };
    switch (m.ResultCode) {
    case 3: resistor = capacity = unit = ""; break;
    case 4: resistor = capacity = unit = "-"; break;
    case 5:
        resistor = nearest(m.MotorExternalResistor) + resistor;
        capacity = FloatToText(std::nearbyint(m.maxP * 3 / 10) * 10) + capacity;
        unit = Text("GridMotorOpt[1,4](5)");
        break;
    case 6:
        resistor = nearest(m.MotorExternalResistor) + resistor;
        capacity = nearest(m.MotorExternalResistorCapacity) + capacity;
        unit = m.msv_pureexternalresistor;
        break;
    default: break;
    }
}

std::string TMotorDetailModel::CalcFigureAt(int column, int row) {
    // Rows: inertia, speed, effective, running, peak and holding torque (regeneration has
    // figures of its own table). Columns 5 calculated, 7 ratio, 9 verdict.
    static const char* const figures[6][3] = {
        {"", "MotorInertiaRatio", "Inertia"},
        {"MotorMaxSpeedMax", "", "MaxSpeed"},
        {"MotorEffectiveTorque", "MotorEffectiveTorquePercent", "EffectiveTorque"},
        {"MotorRunningTorqueMax", "MotorRunningTorqueMaxPercent", "RunningTorque"},
        {"MotorNecessityMaxTorque", "MotorMaxTorquePercent", "MaxTorqueAdjudication"},
        {"MotorEpigeneTorqueMax", "MotorEpigeneTorqueMaxPercent", "EpigeneTorque"}};
    if (row < 1 || row > 6) return "";
    const int index = column == 5 ? 0 : column == 7 ? 1 : column == 9 ? 2 : -1;
    return index < 0 ? std::string() : std::string(figures[row - 1][index]);
}

TChartPointList TMotorDetailModel::TorqueChartPoints(const TTorqueList& torques,
                                                     const std::function<double(double)>& toDisplayTime) {
    TChartPointList points{{0, 0}};
    double t = 0;
    for (int i = 0; i < torques.Count(); ++i) {
        const TTorqueValue& v = torques.Value(i);
        const double start = t;
        t += toDisplayTime ? toDisplayTime(v.TimeInterval) : v.TimeInterval;
        points.push_back({start, v.IntervalTorqueS});
        points.push_back({t, v.IntervalTorqueS});
    }
    return points;
}

std::pair<double, double> TMotorDetailModel::TorqueAxisRange(const TTorqueList& torques) {
    double largest = 0;
    for (int i = 0; i < torques.Count(); ++i) largest = std::max(largest, std::fabs(torques.Value(i).IntervalTorqueS));
    if (largest == 0) return {-1, 1};
    return {-1.1 * largest, 1.1 * largest};
}

}  // namespace kinemo
