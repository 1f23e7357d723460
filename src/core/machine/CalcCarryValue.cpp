// Chain calculation.
#include "machine/CalcCarryValue.h"

#include "formula/FormulaEngine.h"
#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "machine/MachineServices.h"
#include "base/Catalog.h"
#include "base/KinemoError.h"
#include "base/NameValueList.h"
#include "base/ScopedRestore.h"
#include "base/TextFormat.h"
#include "units/ValueFormat.h"

#include <algorithm>

namespace kinemo {

CarryOutput ReadCarryOutput(const TNameValueList& carry) {
    auto read = [&](const char* name) {
        double v = 0;
        return TryTextToFloat(carry.Value(name), v) ? v : 0.0;
    };
    CarryOutput o;
    o.JL = read("JLout");
    o.TF = read("TFout");
    o.TU = read("TUout");
    o.TH = read("THout");
    o.V = read("Vout");
    o.A = read("Aout");
    o.B = read("Bout");
    double td = 0;
    o.TD = TryTextToFloat(carry.Value("TDout"), td) ? td : o.TH;
    return o;
}

int TCalcCarryValue::IndexOf(const TFactor* f) const {
    auto it = std::find(factors_.begin(), factors_.end(), f);
    return it == factors_.end() ? -1 : static_cast<int>(it - factors_.begin());
}

void TCalcCarryValue::SetFactors(std::vector<TFactor*> list) {
    factors_ = std::move(list);
    atRest_.reset();
}

void TCalcCarryValue::Append(TFactor* f) {
    atRest_.reset();
    factors_.push_back(f);
    RebuildExternalForceColumns();
}

void TCalcCarryValue::Insert(int i, TFactor* f) {
    atRest_.reset();
    i = std::clamp(i, 0, Count());
    factors_.insert(factors_.begin() + i, f);
    RebuildExternalForceColumns();
}

TFactor* TCalcCarryValue::RemoveAt(int i) {
    atRest_.reset();
    TFactor* f = factors_.at(static_cast<size_t>(i));
    factors_.erase(factors_.begin() + i);
    RebuildExternalForceColumns();
    return f;
}

bool TCalcCarryValue::Remove(TFactor* f) {
    const int i = IndexOf(f);
    if (i <= 0) return false;
    RemoveAt(i);
    return true;
}

int TCalcCarryValue::CountAcceptingExternalForce() const {
    int n = 0;
    for (int i = 1; i < Count(); ++i)
        if (factors_[static_cast<size_t>(i)]->AcceptsExternalForce) ++n;
    return n;
}

int TCalcCarryValue::CountBehavior() const {
    return static_cast<int>(std::count_if(factors_.begin(), factors_.end(), [](TFactor* f) { return f->Behavior; }));
}

std::vector<TFactor*> TCalcCarryValue::GetExternalForceFactors() const {
    std::vector<TFactor*> out;
    for (int i = 1; i < Count(); ++i)
        if (factors_[static_cast<size_t>(i)]->HasExternalForce()) out.push_back(factors_[static_cast<size_t>(i)]);
    return out;
}

TMotorFactor* TCalcCarryValue::MotorFactor() const {
    return factors_.empty() ? nullptr : dynamic_cast<TMotorFactor*>(factors_[0]);
}

void TCalcCarryValue::EnrolExternalForceGrid(TExternalForceGridData* grid) {
    if (std::find(grids_.begin(), grids_.end(), grid) != grids_.end()) return;
    grids_.push_back(grid);
    std::vector<TExternalForceColData*> columns;
    for (TFactor* f : GetExternalForceFactors()) columns.push_back(f->GetExternalForceColumn(grid->ColumnIndex()));
    grid->SetColumns(std::move(columns));
}

void TCalcCarryValue::WithdrawExternalForceGrid(TExternalForceGridData* grid) {
    grids_.erase(std::remove(grids_.begin(), grids_.end(), grid), grids_.end());
}

void TCalcCarryValue::RebuildExternalForceColumns() {
    std::vector<TExternalForceColData*> lists[2];
    for (TFactor* f : GetExternalForceFactors())
        for (int c = 0; c < 2; ++c) lists[c].push_back(f->GetExternalForceColumn(c));
    for (TExternalForceGridData* g : grids_) g->SetColumns(lists[g->ColumnIndex() == 0 ? 0 : 1]);
}

CarryOutput TCalcCarryValue::CalcChain(bool ext0, bool ext1) {
    std::vector<TFactor*> external = GetExternalForceFactors();
    std::vector<TFactor*> run;  // from the far end towards the motor
    int k = static_cast<int>(external.size()) - 1;
    for (int i = Count() - 1; i >= 0; --i) {
        TFactor* f = factors_[static_cast<size_t>(i)];
        if (i > 0 && std::find(external.begin(), external.end(), f) != external.end()) {
            // A third or later external-force element acts like a switch that is off.
            const bool on = k == 0 ? ext0 : k == 1 ? ext1 : false;
            --k;
            if (!on) continue;
        }
        run.push_back(f);
    }

    // No calculation runs on a value outside its physical range (a negative mass must
    // never turn into a passing motor); the carry values each element publishes are
    // checked as well, so an impossible result names the element that produced it.
    const TInputCheck check(factors_.empty() ? nullptr : factors_.front()->Services().Errors);
    check.CheckChain(*this);

    // A run whose inputs were seen lately takes the earlier outputs and trace lines. The key
    // is filled in place: its texts keep their room from run to run.
    ++runs_;
    atRest_.reset();
    TChainInput& input = key_;
    bool keyed = results_ != nullptr;
    input.Factors.resize(keyed ? run.size() : 0);
    for (size_t i = 0; keyed && i < run.size(); ++i) keyed = run[i]->CalculationInput(input.Factors[i]);
    lastKeyed_ = false;
    TCalcTrace* trace = run.empty() ? nullptr : run.front()->CalculationTrace();
    if (keyed)
        if (const TChainResult* hit = results_->Find(input)) {
            for (size_t i = 0; i < run.size(); ++i) run[i]->CarryOut = hit->CarryOuts[i];
            if (trace) trace->Add(hit->Trace);
            lastOutput_ = hit->Output;
            lastKeyed_ = true;
            return lastOutput_;
        }

    const size_t firstLine = trace ? trace->Size() : 0;
    TNameValueList carry = InitialCarryList();
    for (TFactor* f : run) {
        f->Calculate(carry);
        check.CheckCarryOut(*f, IndexOf(f));
        carry = f->CarryOut;
    }
    lastOutput_ = ReadCarryOutput(carry);
    if (keyed) {
        TChainResult result;
        result.Output = lastOutput_;
        for (TFactor* f : run) result.CarryOuts.push_back(f->CarryOut);
        if (trace) result.Trace = trace->Block(firstLine);
        results_->Remember(input, std::move(result));
        lastKeyed_ = true;
    }
    return lastOutput_;
}

CarryOutput TCalcCarryValue::CalcChainForMotor(bool ext0, bool ext1, const TMotorGearData& motor) {
    TMotorFactor* m = MotorFactor();
    if (!m) throw TKinemoError("The element chain has no motor element.");
    const double ratio = m->GetReductionRatio();
    m->ApplyMotor(motor);
    const TRestoreOnExit reset([&] {
        m->ResetMotorInputs();
        m->SetReductionRatio(ratio);
    });
    return CalcChain(ext0, ext1);
}

void TCalcCarryValue::CalcCarryTable(const TMotorGearData* motor, TCarryTable& table) {
    trace_->Clear();
    atRest_.reset();
    static const char* kHeadings[2][2] = {{"受け渡し出力(外力=××)", "受け渡し出力(外力=×○)"},
                                          {"受け渡し出力(外力=○×)", "受け渡し出力(外力=○○)"}};
    CarryOutput cases[2][2];
    // Switches of external-force elements the chain does not have change nothing: such a
    // case is the same calculation again, so its result and trace lines are copied.
    const int switches = std::min(CountExternalForceFactors(), 2);
    std::pair<size_t, size_t> traced[2][2];
    uint64_t lastRun = 0;
    bool restKeyed = false;
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            trace_->Add("=======================");
            trace_->Add(kHeadings[a][b]);
            const int ea = switches >= 1 ? a : 0, eb = switches >= 2 ? b : 0;
            if (ea != a || eb != b) {
                cases[a][b] = cases[ea][eb];
                const auto [first, last] = traced[ea][eb];
                trace_->Repeat(first, last);
                continue;
            }
            const size_t first = trace_->Size();
            cases[a][b] = motor ? CalcChainForMotor(a == 1, b == 1, *motor) : CalcChain(a == 1, b == 1);
            traced[a][b] = {first, trace_->Size()};
            lastRun = runs_;
            if (a == 0 && b == 0) restKeyed = lastKeyed_;
        }
    lastOutput_ = cases[1][1];
    for (int t = 0; t <= 100; ++t) {
        int s[2] = {0, 0};
        for (size_t c = 0; c < tableColumns_.size() && c < 2; ++c) s[c] = tableColumns_[c]->Mark(t) ? 1 : 0;
        table[static_cast<size_t>(t)] = cases[s[0]][s[1]];
    }
    // Without switches the case at rest was the only one run: the elements still hold it. A
    // run that draws random numbers, or one no result store saw, is never taken again.
    if (motor && switches == 0 && restKeyed)
        atRest_ = TChainAtRest{*motor, cases[0][0], trace_->Part(traced[0][0].first, traced[0][0].second), lastRun};
}

int TCalcCarryValue::IsRolling() const {
    if (Count() <= 1) return 1;
    const TBlock* block = factors_.back()->Block;
    return block ? block->DockingOutZero : 0;
}

void TCalcCarryValue::SetReductionRatio(double x) {
    atRest_.reset();
    if (TMotorFactor* m = MotorFactor()) m->SetReductionRatio(x);
}

void TCalcCarryValue::SetGeared(bool geared) {
    atRest_.reset();
    if (TMotorFactor* m = MotorFactor()) m->Geared = geared;
}

double TCalcCarryValue::CalcStoppingAccuracy(int resolution, const CarryOutput& carry, double range,
                                             const std::string& straightFormula,
                                             const std::string& rollingFormula) const {
    TFormulaEngine engine(programs_);
    engine.ExecuteStatement(FormatText("V = %g", {carry.V}));
    engine.ExecuteStatement(FormatText("B = %g", {carry.B}));
    engine.ExecuteStatement(FormatText("P = %g", {range}));
    engine.ExecuteStatement(FormatText("Resolution = %d", {static_cast<long long>(resolution)}));
    const bool straight = IsRolling() == 0;
    return RunNamedFormula(DrivePatternKey(straight ? "StraightStoppingAccuracy" : "RollingStoppingAccuracy"), [&] {
        engine.ExecuteStatement(straight ? straightFormula : rollingFormula);
        return engine.Eval("Ps").ToDouble();
    });
}

std::string TCalcCarryValue::GetStoppingAccuracyFormat(TCatalogQuery& query) const {
    query.Close();
    query.SetSQL("select msg_value from s_message where msg_class=:CLASS and msg_control=:CONTROL order by msg_cd");
    query.SetParam("CLASS", "form_motor_detail");
    query.SetParam("CONTROL", IsRolling() == 0 ? "StraightStoppingAccuracyFormat" : "RollingStoppingAccuracyFormat");
    query.Open();
    std::string text = query.Eof() ? std::string() : query.AsString(0);
    query.Close();
    return text;
}

}  // namespace kinemo
