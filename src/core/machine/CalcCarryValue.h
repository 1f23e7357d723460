// The element chain from the motor outwards, and what the whole machine looks like
// from the motor shaft: load inertia, friction, starting and holding torque, speed
// coefficient — in up to four external-force variants, per drive-pattern interval.
#pragma once

#include "base/NameValueList.h"
#include "base/RecentResults.h"
#include "machine/Factor.h"
#include "machine/TraceLines.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TExternalForceColData;
class TExternalForceGridData;
class TFactor;
class TProgramCache;
class TMotorFactor;
class TCalcTrace;
struct TMotorGearData;

// The chain's result at the motor shaft (formula units of the catalog).
struct CarryOutput {
    double JL = 0;  // load inertia
    double TF = 0;  // friction torque
    double TU = 0;  // starting torque
    double TH = 0;  // holding torque at standstill
    double V = 0;   // speed coefficient: motor speed per load speed
    double A = 0;
    double B = 0;   // used by the stopping accuracy
    double TD = 0;  // TH as it arrives when the load drives the motor (lowering, overhauling)
};

// Reads the fields from a final carry list (0 for a missing or non-numeric value; TD is TH
// when the catalog's formulas hand over no "TDout", which keeps their lifting figure).
CarryOutput ReadCarryOutput(const TNameValueList& carry);

using TCarryTable = std::array<CarryOutput, 101>;

// What a chain run reads: every element that runs, from the far end towards the motor.
struct TChainInput {
    std::vector<TFactorInput> Factors;
    bool operator==(const TChainInput&) const = default;
    // Of the item values and the texts' lengths: enough to tell runs apart quickly.
    uint64_t Hash() const {
        uint64_t h = Factors.size();
        for (const TFactorInput& f : Factors) {
            h = MixHash(h, f.Formula.size() ^ (f.Name.size() << 32));
            for (const TFactorInput::TItem& item : f.Items) h = MixHash(h, std::bit_cast<uint64_t>(item.Value.value));
        }
        return h;
    }
};

// What a chain run gives: the output at the motor shaft, each element's carry (in the
// order the elements ran) and the trace lines it wrote.
struct TChainResult {
    CarryOutput Output;
    std::vector<TNameValueList> CarryOuts;
    TTraceBlock Trace;
};

// The case of a carry table with no external force switched on, for the motor it was made
// for: what the chain on that motor with both switches off gives, and its trace lines.
struct TChainAtRest {
    TMotorGearData Gear;
    CarryOutput Output;
    TTraceLines Trace;
    uint64_t Run = 0;  // the number of the chain run that left the elements in this case
};

// Motors sold with several extension codes repeat a chain run, and so do motors of one gear:
// room for every gear of a catalog's usual size.
using TChainResults = TRecentResults<TChainInput, TChainResult, 128>;

class TCalcCarryValue {
public:
    // programs and results belong to the run (either may be null: parse every text,
    // remember no result).
    explicit TCalcCarryValue(TCalcTrace& trace, TProgramCache* programs = nullptr, TChainResults* results = nullptr)
        : trace_(&trace), programs_(programs), results_(results) {}

    // Chain editing. The chain borrows its elements; the chain's owner frees them.
    int Count() const { return static_cast<int>(factors_.size()); }
    TFactor* GetFactor(int i) const { return factors_.at(static_cast<size_t>(i)); }
    int IndexOf(const TFactor* f) const;
    const std::vector<TFactor*>& Factors() const { return factors_; }
    void SetFactors(std::vector<TFactor*> list);
    void Append(TFactor* f);
    void Insert(int i, TFactor* f);
    TFactor* RemoveAt(int i);
    bool Remove(TFactor* f);
    int CountAcceptingExternalForce() const;
    int CountBehavior() const;
    std::vector<TFactor*> GetExternalForceFactors() const;
    int CountExternalForceFactors() const { return static_cast<int>(GetExternalForceFactors().size()); }
    TMotorFactor* MotorFactor() const;

    // External-force grids of the drive patterns (borrowed).
    void EnrolExternalForceGrid(TExternalForceGridData* grid);
    void WithdrawExternalForceGrid(TExternalForceGridData* grid);
    void RebuildExternalForceColumns();
    void SetTableColumns(const std::vector<TExternalForceColData*>& columns) { tableColumns_ = columns; }

    // The chain with the external forces switched as given.
    CarryOutput CalcChain(bool ext0, bool ext1);
    // The chain on a motor with its own gear data; the motor inputs are restored
    // afterwards, also when the calculation fails.
    CarryOutput CalcChainForMotor(bool ext0, bool ext1, const TMotorGearData& motor);
    // One record per mark index (interval row t + 1); motor may be null.
    void CalcCarryTable(const TMotorGearData* motor, TCarryTable& table);
    // The case with both switches off of the last carry table made for a motor, when that
    // case was the last the elements were calculated in (a chain without switches computes
    // no other); empty otherwise.
    const std::optional<TChainAtRest>& AtRest() const { return atRest_; }
    // The number of chain runs so far: the elements hold the carry of the last one.
    uint64_t Runs() const { return runs_; }
    // 1: the chain ends in a rotary load ("Rolling"), 0: a linear one ("Straight").
    int IsRolling() const;

    void SetReductionRatio(double x);
    void SetGeared(bool geared);

    // Positioning error from encoder resolution, chain and positioning range, by the
    // catalog's stopping-accuracy formula (a formula store: name -> text).
    double CalcStoppingAccuracy(int resolution, const CarryOutput& carry, double range,
                                const std::string& straightFormula, const std::string& rollingFormula) const;
    std::string GetStoppingAccuracyFormat(TCatalogQuery& query) const;

    const CarryOutput& LastOutput() const { return lastOutput_; }
    TCalcTrace& Trace() const { return *trace_; }

private:
    TCalcTrace* trace_;
    std::vector<TFactor*> factors_;
    std::vector<TExternalForceGridData*> grids_;
    std::vector<TExternalForceColData*> tableColumns_;
    CarryOutput lastOutput_;
    TProgramCache* programs_;
    TChainResults* results_;
    TChainInput key_;  // the inputs of the current run, filled in place run after run
    std::optional<TChainAtRest> atRest_;
    uint64_t runs_ = 0;
    bool lastKeyed_ = false;  // the last run's result was found again or remembered
};

}  // namespace kinemo
