// Motor judgement and regeneration.
#include "torque/CalcDischarge.h"

#include "torque/HandOverValues.h"

#include "formula/FormulaEngine.h"
#include "formula/NumberLiteral.h"
#include "machine/CalcCarryValue.h"
#include "machine/MachineServices.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

#include <algorithm>
#include <atomic>

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

uint64_t TCalcDischargeFormula::NextRevision() {
    static std::atomic<uint64_t> next{0};
    return ++next;
}

TCalcDischargeFormula::TCalcDischargeFormula(TCatalogQuery& query) {
    for (const char* key : Keys()) texts_.emplace_back(key, ReadDrivePatternText(query, key));
}

const std::string& TCalcDischargeFormula::Get(std::string_view key) const {
    static const std::string empty;
    for (const auto& [k, text] : texts_)
        if (k == key) return text;
    return empty;
}

void TCalcDischargeFormula::Set(const std::string& key, std::string text) {
    for (auto& [k, t] : texts_)
        if (k == key) {
            t = std::move(text);
            revision_ = NextRevision();
            return;
        }
    texts_.emplace_back(key, std::move(text));
    revision_ = NextRevision();
}

// ---- judgement ----

TCalcDischarge::TCalcDischarge(const TCalcDischargeFormula& formulas, const TTorqueValueFormula& torqueFormulas,
                               const TPhysicalConstant& constants, TCalcCarryValue& chain, TCalcTrace& trace,
                               TProgramCache* programs, TTorqueFigureResults* figures, TJudgementResults* judgements)
    : formulas_(formulas),
      torqueFormulas_(torqueFormulas),
      constants_(constants),
      chain_(chain),
      trace_(trace),
      programs_(programs),
      figures_(figures),
      judgements_(judgements) {}

TCalcDischarge::~TCalcDischarge() = default;

std::unique_ptr<TTorqueList> TCalcDischarge::BuildMotorTorques(const TMotor& motor) const {
    auto list = std::make_unique<TTorqueList>();
    if (!source_) return list;
    for (auto& v : source_->BuildTorqueValues(motor, motor.MotorRotorInertia)) list->Add(std::move(v));
    // The carry table just made holds the chain the hand-over needs: it need not run again.
    if (const std::optional<TChainAtRest>& rest = chain_.AtRest(); rest && rest->Run == chain_.Runs())
        list->ChainAtRest = *rest;
    if (list->Count() == 0) return list;
    if (!figures_) {
        list->Calculate(torqueFormulas_, programs_);
        return list;
    }
    TTorqueListInput input = list->CalculationInput(torqueFormulas_);
    if (const TTorqueList* hit = figures_->Find(input)) {
        list->CopyFiguresFrom(*hit);
        return list;
    }
    list->Calculate(torqueFormulas_, programs_);
    TTorqueList figures;  // the figures only: the values are the input
    figures.CopyFiguresFrom(*list);
    figures_->Remember(std::move(input), std::move(figures));
    return list;
}

namespace {

bool SameGear(const TMotorGearData& a, const TMotorGearData& b) {
    auto same = [](double x, double y) { return TExactDouble{x} == TExactDouble{y}; };
    return same(a.GearInertia, b.GearInertia) && same(a.GearTorque, b.GearTorque) &&
           same(a.RatioValue, b.RatioValue) && a.MotorGearCode == b.MotorGearCode &&
           same(a.GearEfficiency, b.GearEfficiency) && same(a.Backlash, b.Backlash);
}

void Commented(THandOverValues& s, const char* comment, const char* name, double v) {
    s.Comment(comment);
    s.Number(name, v);
}

}  // namespace

std::string TCalcDischarge::BuildHandOverText(TMotor& motor, const TTorqueList& torques) const {
    return BuildHandOver(motor, torques).Text();
}

THandOverValues TCalcDischarge::BuildHandOver(TMotor& motor, const TTorqueList& t) const {
    trace_.Add("=======================");
    trace_.Add("判定式に渡す受け渡し出力(区間外力なし)(外力=××)");
    trace_.Add("モータ=" + motor.msv_model_all);
    const TMotorGearData gear = motor.GearData();
    CarryOutput c;
    // The case at rest of this list's carry table is this very run when it was made for the
    // same gear and the elements still hold it (no chain ran since).
    if (const std::optional<TChainAtRest>& rest = t.ChainAtRest;
        rest && rest->Run == chain_.Runs() && SameGear(rest->Gear, gear)) {
        trace_.Append(rest->Trace);
        c = rest->Output;
    } else {
        c = chain_.CalcChainForMotor(false, false, gear);
    }
    motor.JL = c.JL;
    const TMotor& m = motor;
    THandOverValues s;
    s.Reserve(64);
    s.Comment("'==受け渡し出力");
    s.Number("JL", c.JL);
    s.Number("TF", c.TF);
    s.Number("TU", c.TU);
    s.Number("TH", c.TH);
    s.Number("V", c.V);
    s.Comment("'==モータ情報");
    for (const TMotorField& f : MotorFields())
        if (f.Symbol) Commented(s, f.Label, f.Symbol, m.*std::get<double TMotor::*>(f.Member));
    s.Comment("'==区間トルク情報");
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

// One judgement's formulas, each as if in its own fresh engine that was handed the values
// first. The values are set once; every formula then starts from a rewind to them.
class TFormulaRuns {
public:
    TFormulaRuns(TFormulaEngine& engine, const THandOverValues& handOver) : engine_(engine), handOver_(handOver) {
        engine_.Clear();
        handOver_.ApplyTo(engine_);
        engine_.Mark();
    }
    // The engine as the hand-over left it, with formula run on it.
    TFormulaEngine& Run(const std::string& formula) {
        Start();
        engine_.ExecuteStatement(formula);
        return engine_;
    }
    // The engine as the hand-over left it.
    TFormulaEngine& Start() {
        // A hand-over that defines procedures cannot be rewound: it is then set again.
        if (!engine_.Rewind()) {
            engine_.Clear();
            handOver_.ApplyTo(engine_);
        }
        return engine_;
    }
    // The hand-over was extended by more: every formula after this starts from all of it.
    void Extend(const THandOverValues& more) {
        if (engine_.Rewind()) {
            more.ApplyTo(engine_);
            engine_.Mark();
        }
    }

private:
    TFormulaEngine& engine_;
    const THandOverValues& handOver_;
};

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

// A remembered judgement's verdicts in motor. The load inertia stays the motor's own (the
// hand-over text shows it rounded); the hand-over log and the Judged flag are set after.
void TakeVerdicts(const TMotorVerdicts& from, TMotor& motor) {
    const double jl = motor.JL;
    TTraceLines handOverLog = std::move(motor.HandOverLog);
    static_cast<TMotorVerdicts&>(motor) = from;
    motor.JL = jl;
    motor.HandOverLog = std::move(handOverLog);
}

// The verdicts of a judgement to remember, without the chain's log.
TMotorVerdicts VerdictsOf(TMotor& motor) {
    TTraceLines handOverLog = std::move(motor.HandOverLog);
    TMotorVerdicts verdicts = motor;
    motor.HandOverLog = std::move(handOverLog);
    return verdicts;
}

}  // namespace

void TCalcDischarge::JudgeMotor(TMotor& motor, const TTorqueList& torques, double workingVoltage) {
    table_ = std::make_shared<TMomentaryDischargeList>();
    motor.JudgementLog.clear();
    motor.Judged = false;
    THandOverValues handOver = BuildHandOver(motor, torques);
    handOver.Script(constants_.ConstantsText());
    handOver.Number("WorkingVoltage", workingVoltage);

    // Every formula sees only the hand-over text, the intervals and its own text: a motor
    // sold under several extension codes repeats the same judgement.
    TJudgementInput input;
    const TJudgementOutcome* hit = nullptr;
    if (judgements_) {
        input.HandOver = handOver.Text();
        input.Intervals.reserve(static_cast<size_t>(torques.Count()));
        for (int i = 0; i < torques.Count(); ++i) {
            const TTorqueValue& v = torques.Value(i);
            input.Intervals.push_back({{{{v.Frequency}, {v.PreFrequency}, {v.IntervalTorque}, {v.IntervalTorqueS},
                                         {v.TimeInterval}}},
                                       v.Stop});
        }
        input.Formulas = formulas_.Revision();
        hit = judgements_->Find(input);
    }
    if (hit) {
        TakeVerdicts(hit->Verdicts, motor);
        table_ = std::make_shared<TMomentaryDischargeList>(*hit->Table);
    } else {
        RunJudgementFormulas(motor, torques, handOver);
        if (judgements_) judgements_->Remember(std::move(input), TJudgementOutcome{VerdictsOf(motor), table_});
    }
    motor.Judged = true;
    motor.HandOverLog = trace_;
    motor.SetTorqueList(&torques);
}

void TCalcDischarge::RunJudgementFormulas(TMotor& motor, const TTorqueList& torques, THandOverValues& handOver) {
    motor.JudgementLog.push_back(handOver.Text());
    if (!engine_) engine_ = std::make_unique<TFormulaEngine>(programs_);
    TFormulaRuns runs(*engine_, handOver);

    auto number = [&](const char* key, const char* label, double& field) {
        field = RunNamedFormula(DrivePatternKey(key), [&] { return runs.Run(formulas_.Get(key)).EvalDouble(key); });
        motor.JudgementLog.push_back(label + FloatToText(field));
    };
    auto code = [&](const char* key, const char* name, const char* label, int& field) {
        field = static_cast<int>(
            RunNamedFormula(DrivePatternKey(key), [&] { return runs.Run(formulas_.Get(key)).EvalInteger(name); }));
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
    code("MaxTorqueAdjudication", "MaxTorqueAdjudication", "必要最大トルク判定結果 = ", motor.MaxTorqueAdjudicationCode);
    number("MotorEffectiveTorque", "実効トルク絶対値=", motor.MotorEffectiveTorque);
    number("MotorEffectiveTorquePercent", "実効トルク%値=", motor.MotorEffectiveTorquePercent);
    code("EffectiveTorque", "EffectiveTorque", "実効トルク判定結果=", motor.EffectiveTorqueCode);
    code("MaxSpeed", "MaxSpeed", "最大回転数判定結果=", motor.MaxSpeedCode);
    code("RunningTorque", "RunningTorque", "走行トルク判定結果=", motor.RunningTorqueCode);
    code("EpigeneTorque", "EpigeneTorque", "保持トルク判定結果=", motor.EpigeneTorqueCode);
    code("Inertia", "Inertia", "イナーシャ判定結果=", motor.InertiaCode);

    Regenerate(motor, torques, handOver, runs);  // the values now end with maxP and maxPm

    code("AllowableDischargeAdjudication", "AllowableDischargeAdjudication", "許容回生判定結果=",
         motor.AllowableDischargeAdjudicationCode);
    code("WarningMomentaryDischargeAdjudication", "WarningMomentaryDischargeAdjudication", "瞬時回生電力判定結果=",
         motor.WarningMomentaryDischargeAdjudicationCode);
    code("MotorAdjudication", "Result", "回生判定結果=", motor.ResultCode);
    {
        motor.RegenerationResistanceLoadRate = RunNamedFormula(DrivePatternKey("RegenerationResistanceLoadRate"), [&] {
            return runs.Run(formulas_.Get("RegenerationResistanceLoadRate")).EvalText("RegenerationResistanceLoadRate");
        });
        motor.JudgementLog.push_back("回生抵抗負荷率=" + motor.RegenerationResistanceLoadRate);
    }
}

void TCalcDischarge::Regenerate(TMotor& motor, const TTorqueList& torques, THandOverValues& handOver,
                                TFormulaRuns& runs) {
    for (int i = 0; i < torques.Count(); ++i) {
        const TTorqueValue& v = torques.Value(i);
        THandOverValues interval = v.RegenerationValues(false);  // no log shows it
        TMomentaryDischarge row;
        row.No = std::to_string(i + 1);
        row.t = std::string(HandOverNumber(v.TimeInterval).View());
        row.Behavior = std::to_string(v.Stop);
        for (const auto& entry : {std::pair{"Er", &row.Er}, std::pair{"Ec", &row.Ec}, std::pair{"Em", &row.Em}}) {
            // Named, not bound: a lambda may capture a structured binding only from C++20 compilers on.
            const char* const key = entry.first;
            std::string* const field = entry.second;
            TFormulaEngine& engine = runs.Start();
            interval.ApplyTo(engine);
            const double value = RunNamedFormula(DrivePatternKey(key), [&] {
                engine.ExecuteStatement(formulas_.Get(key));
                return engine.EvalDouble(key);
            });
            *field = std::string(HandOverNumber(value).View());
            interval.Number(key, value);
        }
        table_->Add(std::move(row));
    }
    // The table formula starts afresh from the table alone.
    if (!tableEngine_) tableEngine_ = std::make_unique<TFormulaEngine>(programs_);
    TFormulaEngine& engine = *tableEngine_;
    engine.Clear();
    table_->ApplyTo(engine);
    RunNamedFormula(DrivePatternKey("Pn"), [&] {
        engine.ExecuteStatement(formulas_.Get("Pn"));
        for (int k = 1; k <= table_->Count(); ++k) {
            TMomentaryDischarge& row = table_->Row(k - 1);
            row.E = engine.EvalElement("E", k).ToText();
            row.P = engine.EvalElement("P", k).ToText();
            row.Ct = engine.EvalElement("Ct", k).ToText();
            row.Pm = engine.EvalElement("Pm", k).ToText();
        }
        motor.maxP = NumericOrZero(engine.Eval("maxP"));
        motor.maxPm = NumericOrZero(engine.Eval("maxPm"));
    });
    motor.MomentaryTableText = TMomentaryTableText(table_);  // formatted when printed
    THandOverValues more;
    for (THandOverValues* values : {&handOver, &more}) {
        values->Number("maxP", motor.maxP);
        values->Number("maxPm", motor.maxPm);
    }
    motor.JudgementLog.push_back("最大回生抵抗消費電力(maxP) = " + FloatToText(motor.maxP));
    motor.JudgementLog.push_back("最大瞬時回生電力(maxPm) = " + FloatToText(motor.maxPm));
    // Every later formula starts from the hand-over with maxP and maxPm at its end.
    runs.Extend(more);
}

}  // namespace kinemo
