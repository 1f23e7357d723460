// The judgement of one motor against the load: the hand-over text every catalog
// judgement formula receives, the sixteen judgement steps, and the regeneration
// calculation with its momentary table.
#pragma once

#include "torque/HandOverValues.h"
#include "torque/MomentaryDischarge.h"
#include "torque/Motor.h"
#include "torque/TorqueList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

class TCalcCarryValue;
class TCalcTrace;
class TCatalogQuery;
class TFormulaEngine;
class TFormulaRuns;
class TPhysicalConstant;
class TProgramCache;

// The 24 judgement formulas of the catalog, read once per run.
class TCalcDischargeFormula {
public:
    static const std::vector<const char*>& Keys();

    TCalcDischargeFormula() = default;
    explicit TCalcDischargeFormula(TCatalogQuery& query);
    // The text of a key; empty when the catalog has none.
    const std::string& Get(std::string_view key) const;
    void Set(const std::string& key, std::string text);
    // Every key and its text, in order.
    const std::vector<std::pair<std::string, std::string>>& Texts() const { return texts_; }
    // Equal for two sets of texts only when they are the same texts: each new set and each
    // change draws a number never drawn before (copies keep theirs).
    uint64_t Revision() const { return revision_; }

private:
    static uint64_t NextRevision();
    std::vector<std::pair<std::string, std::string>> texts_;
    uint64_t revision_ = NextRevision();
};

// Where the torque intervals of a motor come from: the drive pattern shown.
class ITorqueSource {
public:
    virtual ~ITorqueSource() = default;
    // The torque intervals of the pattern for motor (raises on an illegal dwell).
    virtual std::vector<std::unique_ptr<TTorqueValue>> BuildTorqueValues(const TMotor& motor,
                                                                         double rotorInertia) = 0;
};

// What the judgement formulas read: the extended hand-over text, each interval's
// regeneration view with its stop code, and the formula texts.
struct TJudgementInput {
    // An interval as the regeneration formulas see it: frequency, previous frequency,
    // interval torque, its stopping-side figure and time (their texts follow from the
    // numbers), and the stop code.
    struct TInterval {
        std::array<TExactDouble, 5> Values;
        int Stop = 0;
        bool operator==(const TInterval&) const = default;
    };
    std::string HandOver;
    std::vector<TInterval> Intervals;
    uint64_t Formulas = 0;  // the revision of the formula texts
    bool operator==(const TJudgementInput&) const = default;
    uint64_t Hash() const {
        uint64_t h = MixHash(std::hash<std::string>{}(HandOver), Formulas);
        for (const TInterval& i : Intervals) {
            for (const TExactDouble& v : i.Values) h = MixHash(h, std::bit_cast<uint64_t>(v.value));
            h = MixHash(h, static_cast<uint64_t>(i.Stop));
        }
        return h;
    }
};

// What they give: the motor's verdicts and the momentary table.
struct TJudgementOutcome {
    TMotorVerdicts Verdicts;
    std::shared_ptr<const TMomentaryDischargeList> Table;
};

// A motor sold under several extension codes repeats the same judgement, and a candidate
// list judged again (the level changed, nothing else) repeats all of them: room for every
// judgement of a catalog's usual size, a few megabytes at most.
using TJudgementResults = TRecentResults<TJudgementInput, TJudgementOutcome, 1024>;

class TCalcDischarge {
public:
    // programs, figures and judgements belong to the run (each may be null: parse every
    // text, remember no result).
    TCalcDischarge(const TCalcDischargeFormula& formulas, const TTorqueValueFormula& torqueFormulas,
                   const TPhysicalConstant& constants, TCalcCarryValue& chain, TCalcTrace& trace,
                   TProgramCache* programs = nullptr, TTorqueFigureResults* figures = nullptr,
                   TJudgementResults* judgements = nullptr);

    ~TCalcDischarge();

    void SetTorqueSource(ITorqueSource* source) { source_ = source; }
    ITorqueSource* TorqueSource() const { return source_; }

    // The motor's torque list on the current pattern; empty without a pattern.
    std::unique_ptr<TTorqueList> BuildMotorTorques(const TMotor& motor) const;
    // The chain on the motor, its load inertia stored in the motor, and the text of
    // carry values, motor data and torque figures every judgement formula starts from.
    std::string BuildHandOverText(TMotor& motor, const TTorqueList& torques) const;
    // The same as values to set in a formula engine, with the text for the log.
    THandOverValues BuildHandOver(TMotor& motor, const TTorqueList& torques) const;
    // Runs every judgement and regeneration formula and fills the motor's results.
    void JudgeMotor(TMotor& motor, const TTorqueList& torques, double workingVoltage);

    const TMomentaryDischargeList& MomentaryTable() const { return *table_; }

private:
    // The formula part of JudgeMotor: every result field and the regeneration table.
    void RunJudgementFormulas(TMotor& motor, const TTorqueList& torques, THandOverValues& handOver);
    void Regenerate(TMotor& motor, const TTorqueList& torques, THandOverValues& handOver, TFormulaRuns& runs);

    const TCalcDischargeFormula& formulas_;
    const TTorqueValueFormula& torqueFormulas_;
    const TPhysicalConstant& constants_;
    TCalcCarryValue& chain_;
    TCalcTrace& trace_;
    ITorqueSource* source_ = nullptr;
    // The last judgement's table; a judged motor shares it for its debug text.
    std::shared_ptr<TMomentaryDischargeList> table_ = std::make_shared<TMomentaryDischargeList>();

    TProgramCache* programs_;
    TTorqueFigureResults* figures_;
    TJudgementResults* judgements_;
    // One engine for every hand-over formula of every motor and one for the regeneration
    // table, each cleared before use: texts run again need no binding.
    std::unique_ptr<TFormulaEngine> engine_, tableEngine_;
};

}  // namespace kinemo
