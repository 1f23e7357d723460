// Motor judgement and regeneration.
#include "torque/CalcDischarge.h"

#include "formula/FormulaEngine.h"
#include "machine/CalcCarryValue.h"
#include "machine/MachineServices.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/MemoKey.h"
#include "base/TextFormat.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

#include <algorithm>

namespace kinemo {

// ---- formulas ----

const std::vector<const char*>& TCalcDischargeFormula::Keys() {
    static const std::vector<const char*> keys = {
        "MotorMaxSpeedMax", "MotorRunningTorqueMaxPercent", "MotorEpigeneTorqueMaxPercent", "MotorInertiaRatio",
        "MotorMaxTorquePercent", "MotorNecessityMaxTorque", "MaxTorqueAdjudication", "MotorEffectiveTorque",
        "MotorEffectiveTorquePercent", "EffectiveTorque", "MaxSpeed", "RunningTorque", "EpigeneTorque", "Inertia",
        "Er", "Ec", "Em", "Pn", "AllowableDischargeAdjudication", "WarningMomentaryDischargeAdjudication",
        "MotorAdjudication", "RegenerationResistanceLoadRate", "StraightStoppingAccuracy",
        "RollingStoppingAccuracy"};
    return keys;
}

TCalcDischargeFormula::TCalcDischargeFormula(TCatalogQuery& query) {
    for (const char* key : Keys()) texts_.emplace_back(key, ReadDrivePatternText(query, key));
}

const std::string& TCalcDischargeFormula::Get(const std::string& key) const {
    static const std::string empty;
    for (const auto& [k, text] : texts_)
        if (k == key) return text;
    return empty;
}

void TCalcDischargeFormula::Set(const std::string& key, std::string text) {
    for (auto& [k, t] : texts_)
        if (k == key) {
            t = std::move(text);
            return;
        }
    texts_.emplace_back(key, std::move(text));
}

void TCalcDischargeFormula::AppendKey(std::string& key) const {
    for (const auto& [k, text] : texts_) {
        AppendKeyText(key, k);
        AppendKeyText(key, text);
    }
}

// ---- momentary table ----

std::string TMomentaryDischargeList::ScriptText() const {
    const std::string n = std::to_string(rows_.size());
    std::vector<std::string> lines = {"Count=" + n};
    for (const char* a : {"Er", "Ec", "Em", "t", "E", "P", "Ct", "Pm"}) lines.push_back("Dim " + std::string(a) + "(" + n + ")");
    for (size_t k = 1; k <= rows_.size(); ++k) {
        const TMomentaryDischarge& r = rows_[k - 1];
        const std::string i = std::to_string(k);
        lines.push_back("Er(" + i + ")=" + r.Er);
        lines.push_back("Ec(" + i + ")=" + r.Ec);
        lines.push_back("Em(" + i + ")=" + r.Em);
        lines.push_back("t(" + i + ")=" + r.t);
    }
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i) s += (i ? "\r\n" : "") + lines[i];
    return s;
}

std::vector<std::string> TMomentaryDischargeList::FormatRows() const {
    std::vector<std::string> out;
    for (size_t k = 0; k < rows_.size(); ++k) {
        const TMomentaryDischarge& r = rows_[k];
        out.push_back(FormatText("%3d %12.11s %12.11s %12.11s %12.11s %12.11s %12.11s %2s %12.11s",
                                 {static_cast<long long>(k), r.Er, r.Ec, r.Em, r.E, r.t, r.P, r.Behavior, r.Pm}));
    }
    return out;
}

// ---- judgement ----

TCalcDischarge::TCalcDischarge(const TCalcDischargeFormula& formulas, const TTorqueValueFormula& torqueFormulas,
                               const TPhysicalConstant& constants, TCalcCarryValue& chain, TCalcTrace& trace)
    : formulas_(formulas), torqueFormulas_(torqueFormulas), constants_(constants), chain_(chain), trace_(trace) {}

std::unique_ptr<TTorqueList> TCalcDischarge::BuildMotorTorques(const TMotor& motor) const {
    auto list = std::make_unique<TTorqueList>();
    if (!source_) return list;
    for (auto& v : source_->BuildTorqueValues(motor, motor.MotorRotorInertia)) list->Add(std::move(v));
    if (list->Count() == 0) return list;
    std::string key;
    list->AppendCalculationKey(torqueFormulas_, key);
    for (auto& [k, figures] : listMemo_)
        if (k == key) {
            list->CopyFiguresFrom(*figures);
            return list;
        }
    list->Calculate(torqueFormulas_);
    auto figures = std::make_unique<TTorqueList>();
    figures->CopyFiguresFrom(*list);
    if (listMemo_.size() >= kMemoSize) listMemo_.pop_back();
    listMemo_.insert(listMemo_.begin(), {std::move(key), std::move(figures)});
    return list;
}

namespace {

void Line(std::string& s, const std::string& text) {
    if (!s.empty()) s += "\r\n";
    s += text;
}

void Value(std::string& s, const char* name, double v) { Line(s, std::string(name) + "=" + FloatToText(v)); }

void Commented(std::string& s, const char* comment, const char* name, double v) {
    Line(s, comment);
    Value(s, name, v);
}

}  // namespace

std::string TCalcDischarge::BuildHandOverText(TMotor& motor, const TTorqueList& t) const {
    trace_.Add("=======================");
    trace_.Add("判定式に渡す受け渡し出力(区間外力なし)(外力=××)");
    trace_.Add("モータ=" + motor.msv_model_all);
    const TMotorGearData gear = motor.GearData();
    const CarryOutput c = chain_.CalcChainForMotor(false, false, gear);
    motor.JL = c.JL;
    const TMotor& m = motor;
    std::string s;
    Line(s, "'==受け渡し出力");
    Value(s, "JL", c.JL);
    Value(s, "TF", c.TF);
    Value(s, "TU", c.TU);
    Value(s, "TH", c.TH);
    Value(s, "V", c.V);
    Line(s, "'==モータ情報");
    Commented(s, "'ロータイナーシャ(msv_s_rotorinertia)", "MotorRotorInertia", m.MotorRotorInertia);
    Commented(s, "'イナーシャ警告(msv_m_warninginertia)", "MotorWarningInertia", m.MotorWarningInertia);
    Commented(s, "'最大トルク(msv_s_maxtorque)", "MotorMaxTorque", m.MotorMaxTorque);
    Commented(s, "'定格トルク(msv_s_ratedtorque)", "MotorRatedTorque", m.MotorRatedTorque);
    Commented(s, "'最高回転数(msv_s_maxspeed)", "MotorMaxSpeed", m.MotorMaxSpeed);
    Commented(s, "'トリップ電圧(msv_m_tripsupply)", "MotorTripSupply", m.MotorTripSupply);
    Commented(s, "'定格電圧(mss_n_supply)", "MotorRatedSupply", m.MotorRatedSupply);
    Commented(s, "'コンデンサ容量(msv_m_capacitor)", "MotorCapacitor", m.MotorCapacitor);
    Commented(s, "'相抵抗(msv_s_phaseresistance)", "MotorPhaseResistance", m.MotorPhaseResistance);
    Commented(s, "'定格電流(msv_s_ratedcurrent)", "MotorRatedCurrent", m.MotorRatedCurrent);
    Commented(s, "'許容回生(msv_m_allowabledischarge)", "MotorAllowableDischarge", m.MotorAllowableDischarge);
    Commented(s, "'瞬時回生電力(msv_m_momentarydischarge)", "MotorMomentaryDischarge", m.MotorMomentaryDischarge);
    Commented(s, "'警告許容回生(msv_m_allowabledischarge * msv_m_warningallowabledischarge)",
              "MotorWarningAllowableDischarge", m.MotorWarningAllowableDischarge);
    Commented(s, "'警告瞬時回生電力(msv_m_momentarydischarge * msv_m_warningmomentarydischarge)",
              "MotorWarningMomentaryDischarge", m.MotorWarningMomentaryDischarge);
    Commented(s, "'警告トルク(デフォルト)最大トルク(msv_s_maxtorque * msv_m_warningtorquedef)",
              "MotorWarningTorqueDefMax", m.MotorWarningTorqueDefMax);
    Commented(s, "'警告トルク(高速)最大トルク(msv_s_maxtorque * msv_m_warningtorquehigh)",
              "MotorWarningTorqueHighMax", m.MotorWarningTorqueHighMax);
    Commented(s, "'警告トルク(低速)最大トルク(msv_s_maxtorque * msv_m_warningtorquelow)",
              "MotorWarningTorqueLowMax", m.MotorWarningTorqueLowMax);
    Commented(s, "'警告トルク(デフォルト)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
              "MotorWarningTorqueDefEffective", m.MotorWarningTorqueDefEffective);
    Commented(s, "'警告トルク(高速)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
              "MotorWarningTorqueHighEffective", m.MotorWarningTorqueHighEffective);
    Commented(s, "'警告トルク(低速)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
              "MotorWarningTorqueLowEffective", m.MotorWarningTorqueLowEffective);
    Commented(s, "'定格回転数(msv_s_ratedspeed)", "MotorRatedSpeed", m.MotorRatedSpeed);
    Commented(s, "'入力軸イナーシャ(msv_gearinertia)", "MotorGearInertia", m.MotorGearInertia);
    Commented(s, "'入力軸摩擦トルク(msv_geartorque)", "MotorGearTorque", m.MotorGearTorque);
    Commented(s, "'伝達効率(msv_m_geareta)", "MotorGearEta", m.MotorGearEta);
    Commented(s, "'最大回生電力(msv_m_externalresistor)", "MotorExternalResistor", m.MotorExternalResistor);
    Commented(s, "'回生抵抗消費電力(msv_m_externalresistorcapacity)", "MotorExternalResistorCapacity",
              m.MotorExternalResistorCapacity);
    Commented(s, "'警告走行トルク", "MotorRunningTorque", m.MotorRunningTorque);
    Commented(s, "'走行トルク", "MotorRunningTorqueMax", m.MotorRunningTorqueMax);
    Commented(s, "'警告保持トルク", "MotorEpigeneTorque", m.MotorEpigeneTorque);
    Commented(s, "'保持トルク", "MotorEpigeneTorqueMax", m.MotorEpigeneTorqueMax);
    Line(s, "'==区間トルク情報");
    Commented(s, "'必要最大トルク", "TorqueNecessityMaxTorque", t.NecessityMaxTorque);
    Commented(s, "'必要最大トルク", "TorqueNecessityMaxTorqueS", t.NecessityMaxTorqueS);
    Commented(s, "'合計時間", "TorqueTotalTime", t.TotalTime);
    Commented(s, "'実効トルク", "TorqueEffectiveTorque", t.EffectiveTorque);
    Commented(s, "'最大速度", "TorqueMaxSpeed", t.MaxSpeed);
    Commented(s, "'最大回転数", "TorqueMaxFrequency", t.MaxFrequency);
    Commented(s, "'最大走行トルク", "TorqueMaxRunning", t.MotorRunningTorqueMax);
    Commented(s, "'最大保持トルク", "TorqueMaxEpigene", t.MotorEpigeneTorqueMax);
    return s;
}

namespace {

// One formula in its own engine after the hand-over text. The hand-over text runs once
// per judgement in `base`; each formula's fresh engine starts as a copy of that state,
// which is exactly what running the text again would give.
class FormulaRun {
public:
    FormulaRun(const TFormulaEngine& base, const std::string& handOver, const std::string& formula) {
        if (!engine_.CopyStateFrom(base)) engine_.ExecuteStatement(handOver);
        engine_.ExecuteStatement(formula);
    }
    TFormulaEngine& Engine() { return engine_; }

private:
    TFormulaEngine engine_;
};

}  // namespace

namespace {

// A result of a numeric script type as a number; anything else counts as 0.
double NumericOrZero(const Variant& v) {
    switch (v.GetType()) {
    case Variant::Type::Integer:
    case Variant::Type::Long:
    case Variant::Type::Single:
    case Variant::Type::Double:
        return v.ToDouble();
    default:
        return 0;
    }
}

}  // namespace

namespace {

// The fields a judgement writes besides its logs of the chain and torques.
void CopyJudgementResults(const TMotor& from, TMotor& to) {
    to.JudgementLog = from.JudgementLog;
    to.MomentaryTableText = from.MomentaryTableText;
    to.MotorMaxSpeedMax = from.MotorMaxSpeedMax;
    to.MotorRunningTorqueMax = from.MotorRunningTorqueMax;
    to.MotorRunningTorqueMaxPercent = from.MotorRunningTorqueMaxPercent;
    to.MotorEpigeneTorqueMax = from.MotorEpigeneTorqueMax;
    to.MotorEpigeneTorqueMaxPercent = from.MotorEpigeneTorqueMaxPercent;
    to.MotorInertiaRatio = from.MotorInertiaRatio;
    to.MotorMaxTorquePercent = from.MotorMaxTorquePercent;
    to.MotorNecessityMaxTorque = from.MotorNecessityMaxTorque;
    to.MaxTorqueAdjudication = from.MaxTorqueAdjudication;
    to.MotorEffectiveTorque = from.MotorEffectiveTorque;
    to.MotorEffectiveTorquePercent = from.MotorEffectiveTorquePercent;
    to.EffectiveTorque = from.EffectiveTorque;
    to.MaxSpeed = from.MaxSpeed;
    to.RunningTorque = from.RunningTorque;
    to.EpigeneTorque = from.EpigeneTorque;
    to.Inertia = from.Inertia;
    to.maxP = from.maxP;
    to.maxPm = from.maxPm;
    to.AllowableDischargeAdjudication = from.AllowableDischargeAdjudication;
    to.WarningMomentaryDischargeAdjudication = from.WarningMomentaryDischargeAdjudication;
    to.Result = from.Result;
    to.RegenerationResistanceLoadRate = from.RegenerationResistanceLoadRate;
}

}  // namespace

void TCalcDischarge::JudgeMotor(TMotor& motor, const TTorqueList& torques, double workingVoltage) {
    table_.Clear();
    motor.JudgementLog.clear();
    motor.Judged = false;
    std::string handOver = BuildHandOverText(motor, torques);
    handOver += "\r\n" + constants_.ConstantsText();
    handOver += "\r\nWorkingVoltage=" + FloatToText(workingVoltage);

    // Every formula sees only the hand-over text, the intervals and its own text: a motor
    // sold under several extension codes repeats the same judgement.
    std::string key = handOver;
    for (int i = 0; i < torques.Count(); ++i) {
        key += '\0';
        key += torques.Value(i).IntervalText();
        key += std::to_string(torques.Value(i).Stop);
    }
    key += '\0';
    formulas_.AppendKey(key);
    auto hit = std::find_if(judgementMemo_.begin(), judgementMemo_.end(),
                            [&](const TJudgementMemo& m) { return m.key == key; });
    if (hit != judgementMemo_.end()) {
        CopyJudgementResults(hit->outcome, motor);
        table_ = hit->table;
        std::rotate(judgementMemo_.begin(), hit, hit + 1);
    } else {
        RunJudgementFormulas(motor, torques, handOver);
        TJudgementMemo memo{std::move(key), TMotor(), table_};
        CopyJudgementResults(motor, memo.outcome);
        if (judgementMemo_.size() >= kMemoSize) judgementMemo_.pop_back();
        judgementMemo_.insert(judgementMemo_.begin(), std::move(memo));
    }
    motor.Judged = true;
    motor.HandOverLog = trace_.Lines();
    motor.SetTorqueList(&torques);
}

void TCalcDischarge::RunJudgementFormulas(TMotor& motor, const TTorqueList& torques, std::string& handOver) {
    motor.JudgementLog.push_back(handOver);
    auto base = std::make_unique<TFormulaEngine>();
    base->ExecuteStatement(handOver);

    auto number = [&](const char* key, const char* label, double& field) {
        FormulaRun run(*base, handOver, formulas_.Get(key));
        field = run.Engine().EvalDouble(key);
        motor.JudgementLog.push_back(label + FloatToText(field));
    };
    auto code = [&](const char* key, const char* name, const char* label, int& field) {
        FormulaRun run(*base, handOver, formulas_.Get(key));
        field = static_cast<int>(run.Engine().EvalInteger(name));
        motor.JudgementLog.push_back(label + std::to_string(field));
    };
    number("MotorMaxSpeedMax", "回転数=", motor.MotorMaxSpeedMax);
    motor.MotorRunningTorqueMax = torques.MotorRunningTorqueMax;
    motor.JudgementLog.push_back("走行トルク=" + FloatToText(motor.MotorRunningTorqueMax));
    number("MotorRunningTorqueMaxPercent", "走行トルク%値=", motor.MotorRunningTorqueMaxPercent);
    motor.MotorEpigeneTorqueMax = torques.MotorEpigeneTorqueMax;
    motor.JudgementLog.push_back("保持トルク=" + FloatToText(motor.MotorEpigeneTorqueMax));
    number("MotorEpigeneTorqueMaxPercent", "保持トルク%値=", motor.MotorEpigeneTorqueMaxPercent);
    number("MotorInertiaRatio", "イナーシャ比=", motor.MotorInertiaRatio);
    number("MotorMaxTorquePercent", "最大トルク%値=", motor.MotorMaxTorquePercent);
    number("MotorNecessityMaxTorque", "必要最大トルク=", motor.MotorNecessityMaxTorque);
    code("MaxTorqueAdjudication", "MaxTorqueAdjudication", "必要最大トルク判定結果 = ", motor.MaxTorqueAdjudication);
    number("MotorEffectiveTorque", "実効トルク絶対値=", motor.MotorEffectiveTorque);
    number("MotorEffectiveTorquePercent", "実効トルク%値=", motor.MotorEffectiveTorquePercent);
    code("EffectiveTorque", "EffectiveTorque", "実効トルク判定結果=", motor.EffectiveTorque);
    code("MaxSpeed", "MaxSpeed", "最大回転数判定結果=", motor.MaxSpeed);
    code("RunningTorque", "RunningTorque", "走行トルク判定結果=", motor.RunningTorque);
    code("EpigeneTorque", "EpigeneTorque", "保持トルク判定結果=", motor.EpigeneTorque);
    code("Inertia", "Inertia", "イナーシャ判定結果=", motor.Inertia);

    Regenerate(motor, torques, handOver);
    base = std::make_unique<TFormulaEngine>();  // the text now ends with maxP and maxPm
    base->ExecuteStatement(handOver);

    code("AllowableDischargeAdjudication", "AllowableDischargeAdjudication", "許容回生判定結果=",
         motor.AllowableDischargeAdjudication);
    code("WarningMomentaryDischargeAdjudication", "WarningMomentaryDischargeAdjudication", "瞬時回生電力判定結果=",
         motor.WarningMomentaryDischargeAdjudication);
    code("MotorAdjudication", "Result", "回生判定結果=", motor.Result);
    {
        FormulaRun run(*base, handOver, formulas_.Get("RegenerationResistanceLoadRate"));
        motor.RegenerationResistanceLoadRate = run.Engine().EvalText("RegenerationResistanceLoadRate");
        motor.JudgementLog.push_back("回生抵抗負荷率=" + motor.RegenerationResistanceLoadRate);
    }
}

void TCalcDischarge::Regenerate(TMotor& motor, const TTorqueList& torques, std::string& handOver) {
    TFormulaEngine base;
    base.ExecuteStatement(handOver);
    for (int i = 0; i < torques.Count(); ++i) {
        const TTorqueValue& v = torques.Value(i);
        std::string interval = v.IntervalText();
        TMomentaryDischarge row;
        row.No = std::to_string(i + 1);
        row.t = FloatToText(v.TimeInterval);
        row.Behavior = std::to_string(v.Stop);
        for (auto [key, field] : {std::pair{"Er", &row.Er}, std::pair{"Ec", &row.Ec}, std::pair{"Em", &row.Em}}) {
            TFormulaEngine engine;
            if (!engine.CopyStateFrom(base)) engine.ExecuteStatement(handOver);
            engine.ExecuteStatement(interval);
            engine.ExecuteStatement(formulas_.Get(key));
            const double value = engine.EvalDouble(key);
            *field = FloatToText(value);
            interval += "\r\n" + std::string(key) + "=" + FloatToText(value);
        }
        table_.Add(std::move(row));
    }
    TFormulaEngine engine;
    engine.ExecuteStatement(table_.ScriptText());
    engine.ExecuteStatement(formulas_.Get("Pn"));
    for (int k = 1; k <= table_.Count(); ++k) {
        TMomentaryDischarge& row = table_.Row(k - 1);
        const std::string i = "(" + std::to_string(k) + ")";
        row.E = engine.EvalText("E" + i);
        row.P = engine.EvalText("P" + i);
        row.Ct = engine.EvalText("Ct" + i);
        row.Pm = engine.EvalText("Pm" + i);
    }
    motor.maxP = NumericOrZero(engine.Eval("maxP"));
    motor.maxPm = NumericOrZero(engine.Eval("maxPm"));
    motor.MomentaryTableText = table_.FormatRows();
    handOver += "\r\nmaxP=" + FloatToText(motor.maxP);
    motor.JudgementLog.push_back("最大回生抵抗消費電力(maxP) = " + FloatToText(motor.maxP));
    handOver += "\r\nmaxPm=" + FloatToText(motor.maxPm);
    motor.JudgementLog.push_back("最大瞬時回生電力(maxPm) = " + FloatToText(motor.maxPm));
}

}  // namespace kinemo
