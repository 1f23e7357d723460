// Torque list figures and dump.
#include "torque/TorqueList.h"

#include "formula/FormulaEngine.h"
#include "formula/NumberLiteral.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "units/ValueFormat.h"

#include <cmath>

namespace kinemo {

TTorqueList::TTorqueList(const TTorqueList& other) { *this = other; }

TTorqueList& TTorqueList::operator=(const TTorqueList& other) {
    if (this == &other) return *this;
    values_.clear();
    for (const auto& v : other.values_) values_.push_back(std::make_unique<TTorqueValue>(*v));
    CopyFiguresFrom(other);
    return *this;
}

std::unique_ptr<TTorqueList> TTorqueList::Copy() const {
    // The motor's copy is what its debug text and reports print: it keeps the running and
    // holding maxima the judgement used, not zeros.
    return std::make_unique<TTorqueList>(*this);
}

std::vector<const TTorqueValue*> TTorqueList::Values() const {
    std::vector<const TTorqueValue*> out;
    for (const auto& v : values_) out.push_back(v.get());
    return out;
}

namespace {

void Line(std::string& s, const std::string& text) {
    s += text;
    s += "\r\n";
}

// "Name(i) = value": the "%s(%d) = %g" lines, built directly because a judgement writes
// hundreds of them.
void Element(std::string& s, const char* name, int i, double v, const char* equals = " = ") {
    s += name;
    s += '(';
    s += std::to_string(i);
    s += ')';
    s += equals;
    s += FloatToText(v);
    s += "\r\n";
}

}  // namespace

std::array<double, 15> TTorqueList::ArrayFields(const TTorqueValue& v) {
    return {v.Carry.JL, v.Carry.TF, v.Carry.TU, v.Carry.TH, v.Carry.V,
            v.TimeInterval, v.PreFrequency, v.Frequency, v.Speed, v.FrictionTorque,
            v.AdjustableSpeedTorque, v.StartingTorque, v.EpigeneConservation, v.IntervalTorque,
            v.IntervalTorqueS};
}

TTorqueListInput TTorqueList::CalculationInput(const TTorqueValueFormula& formulas) const {
    TTorqueListInput input{{formulas.NecessityMaxTorque, formulas.EffectiveTorque, formulas.RunningTorqueMax,
                            formulas.EpigeneTorqueMax},
                           {}};
    input.Rows.reserve(values_.size());
    for (const auto& v : values_) {
        const std::array<double, 15> fields = ArrayFields(*v);
        std::array<TExactDouble, 15>& row = input.Rows.emplace_back();
        for (size_t k = 0; k < fields.size(); ++k) row[k].value = fields[k];
    }
    return input;
}

void TTorqueList::CopyFiguresFrom(const TTorqueList& other) {
    NecessityMaxTorque = other.NecessityMaxTorque;
    NecessityMaxTorqueS = other.NecessityMaxTorqueS;
    TotalTime = other.TotalTime;
    EffectiveTorque = other.EffectiveTorque;
    MaxSpeed = other.MaxSpeed;
    MaxFrequency = other.MaxFrequency;
    MotorRunningTorqueMax = other.MotorRunningTorqueMax;
    MotorEpigeneTorqueMax = other.MotorEpigeneTorqueMax;
}

std::string TTorqueList::ArrayScript() const {
    static const char* kNames[] = {"JL", "TF", "TU", "TH", "V", "TimeInterval", "PreFrequency", "Frequency", "Speed",
                                   "FrictionTorque", "AdjustableSpeedTorque", "StartingTorque",
                                   "EpigeneConservation", "IntervalTorque", "IntervalTorqueS"};
    const long long n = Count();
    std::string s;
    for (const char* name : kNames) Line(s, FormatText("Dim %s(%d)", {std::string(name), n}));
    for (int i = 1; i <= n; ++i) {
        const std::array<double, 15> fields = ArrayFields(*values_[static_cast<size_t>(i - 1)]);
        for (size_t k = 0; k < 15; ++k) Element(s, kNames[k], i, fields[k]);
    }
    return s;
}

namespace {

// "Dim name(n)" for every name: the same text for every list of n intervals, parsed once.
void Declare(TFormulaEngine& engine, std::initializer_list<const char*> names, long long n) {
    std::string s;
    for (const char* name : names) Line(s, FormatText("Dim %s(%d)", {std::string(name), n}));
    engine.ExecuteStatement(s);
}

// What the line "name(i) = value" sets, set without the line (which runs only when the
// number's text is no literal).
void SetElement(TFormulaEngine& engine, const char* name, int i, double v) {
    if (const THandOverNumber& number = HandOverNumber(v); number.Literal) {
        engine.SetElement(name, i, number.Value);
    } else {
        std::string s;
        Element(s, name, i, v);
        engine.ExecuteStatement(s);
    }
}

}  // namespace

void TTorqueList::Calculate(const TTorqueValueFormula& formulas, TProgramCache* programs) {
    NecessityMaxTorque = TotalTime = EffectiveTorque = MaxSpeed = MaxFrequency = 0;
    const long long n = Count();
    // Each formula runs as in a fresh engine: one engine, cleared in between.
    TFormulaEngine engine(programs);
    Declare(engine, {"Torque", "TorqueS"}, n);
    for (int i = 1; i <= n; ++i) {
        SetElement(engine, "Torque", i, values_[i - 1]->IntervalTorque);
        SetElement(engine, "TorqueS", i, values_[i - 1]->IntervalTorqueS);
    }
    RunNamedFormula(DrivePatternKey("NecessityMaxTorque"), [&] {
        engine.ExecuteStatement(formulas.NecessityMaxTorque);
        NecessityMaxTorque = engine.EvalDouble("NecessityMaxTorque");
        NecessityMaxTorqueS = engine.EvalDouble("NecessityMaxTorqueS");
    });

    for (const auto& v : values_) TotalTime += v->TimeInterval;
    if (formulas.EffectiveTorque.empty()) throw TKinemoError("Not initialized TorqueList.");
    engine.Clear();
    Declare(engine, {"IntervalTorque", "IntervalTime"}, n);
    for (int i = 1; i <= n; ++i) {
        SetElement(engine, "IntervalTorque", i, values_[i - 1]->IntervalTorque);
        SetElement(engine, "IntervalTime", i, values_[i - 1]->TimeInterval);
    }
    RunNamedFormula(DrivePatternKey("EffectiveTorqueFormula"), [&] {
        engine.ExecuteStatement(formulas.EffectiveTorque);
        EffectiveTorque = engine.EvalDouble("EffectiveTorque");
    });

    // The running and holding maxima start from the same arrays of every field.
    engine.Clear();
    Declare(engine, {"JL", "TF", "TU", "TH", "V", "TimeInterval", "PreFrequency", "Frequency", "Speed",
                     "FrictionTorque", "AdjustableSpeedTorque", "StartingTorque", "EpigeneConservation",
                     "IntervalTorque", "IntervalTorqueS"},
            n);
    static const char* kNames[] = {"JL", "TF", "TU", "TH", "V", "TimeInterval", "PreFrequency", "Frequency", "Speed",
                                   "FrictionTorque", "AdjustableSpeedTorque", "StartingTorque",
                                   "EpigeneConservation", "IntervalTorque", "IntervalTorqueS"};
    for (int i = 1; i <= n; ++i) {
        const std::array<double, 15> fields = ArrayFields(*values_[static_cast<size_t>(i - 1)]);
        for (size_t k = 0; k < 15; ++k) SetElement(engine, kNames[k], i, fields[k]);
    }
    const bool marked = engine.Mark();
    RunNamedFormula(DrivePatternKey("MotorRunningTorqueMax"), [&] {
        engine.ExecuteStatement(formulas.RunningTorqueMax);
        MotorRunningTorqueMax = engine.EvalDouble("MotorRunningTorqueMax");
    });
    if (!marked || !engine.Rewind()) {
        engine.Clear();
        engine.ExecuteStatement(ArrayScript());
    }
    RunNamedFormula(DrivePatternKey("MotorEpigeneTorqueMax"), [&] {
        engine.ExecuteStatement(formulas.EpigeneTorqueMax);
        MotorEpigeneTorqueMax = engine.EvalDouble("MotorEpigeneTorqueMax");
    });
    for (const auto& v : values_) {
        // The largest magnitude: a pattern that moves only backwards has a top speed too.
        if (std::fabs(v->Speed) > MaxSpeed) MaxSpeed = std::fabs(v->Speed);
        if (std::fabs(v->Frequency) > MaxFrequency) MaxFrequency = std::fabs(v->Frequency);
    }
}

std::string TTorqueList::Text() const {
    std::string s;
    auto put = [&](const char* label, double v) { Line(s, label + FloatToText(v)); };
    for (size_t k = 0; k < values_.size(); ++k) {
        const TTorqueValue& v = *values_[k];
        Line(s, "");
        Line(s, "==区間(" + std::to_string(k) + ")");
        Line(s, "===受け渡し出力");
        put("イナーシャ=", v.Carry.JL);
        put("摩擦トルク=", v.Carry.TF);
        put("起動トルク=", v.Carry.TU);
        put("制止保持トルク=", v.Carry.TH);
        put("速度係数=", v.Carry.V);
        Line(s, "===区間トルク計算");
        put("時間間隔=", v.TimeInterval);
        put("前回の回転数=", v.PreFrequency);
        put("回転数=", v.Frequency);
        put("速度=", v.Speed);
        Line(s, "動作=" + std::to_string(v.Stop));
        put("摩擦=", v.FrictionTorque);
        put("加減速トルク=", v.AdjustableSpeedTorque);
        put("起動トルク=", v.StartingTorque);
        put("外力・保持=", v.EpigeneConservation);
        put("区間トルク=", v.IntervalTorque);
    }
    Line(s, "");
    Line(s, "==区間トルク計算結果");
    put("合計時間=", TotalTime);
    put("実効トルク=", EffectiveTorque);
    put("最大速度=", MaxSpeed);
    put("最大回転数=", MaxFrequency);
    put("必要最大トルク=", NecessityMaxTorque);
    put("最大走行トルク=", MotorRunningTorqueMax);
    return s;
}

}  // namespace kinemo
