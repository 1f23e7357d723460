// libFuzzer target: one of the catalog's judgement formulas replaced by arbitrary text (the
// first byte chooses which), then a motor judged on an example project with it. The
// judgement ends in a catalog error with a message or in a verdict, within the formula
// time limit of the catalog (lowered here so that a runaway formula ends well inside
// libFuzzer's timeout).
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "formula/FormulaEngine.h"
#include "selection/MotorComparison.h"
#include "torque/CalcDischarge.h"
#include "torque/JudgeOneMotor.h"
#include "torque/MotorReferenceQuery.h"
#include "torque/PatternTorqueSource.h"
#include "torque/TorqueValue.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

struct Job {
    Job() : context(fuzz::SampleCatalogPath(), TSpecialFolder(fuzz::ScratchFolder() + "/cfg"), dialogs) {
        if (!context.ReadCatalogConfig()) std::abort();
        session = std::make_unique<TSizingSession>(context);
        session->Initialize();
        if (session->LoadProject(KINEMO_FUZZ_PROJECT) != TProjectDocument::TLoadResult::Accepted) std::abort();
        session->PrepareJudgement();
        keys = {"TorqueValueFormula", "EffectiveTorqueFormula", "NecessityMaxTorque", "MotorRunningTorqueMax",
                "MotorEpigeneTorqueMax"};
        for (const char* key : TCalcDischargeFormula::Keys()) keys.emplace_back(key);
        // The catalog's setting, lowered: a run past it must end the judgement in time.
        TFormulaEngine::SetDefaultTimeLimit(std::chrono::milliseconds(100));
    }
    fuzz::TQuietDialogs dialogs;
    TKinemoContext context;
    std::unique_ptr<TSizingSession> session;
    std::vector<std::string> keys;
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void Replace(TTorqueValueFormula& torque, TCalcDischargeFormula& judgement, const std::string& key, std::string text) {
    if (key == "TorqueValueFormula") {
        torque.IntervalLines.clear();
        torque.IntervalText.clear();
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\n') continue;
            std::string line = text.substr(start, i - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            torque.IntervalText += line + "\r\n";
            torque.IntervalLines.push_back(std::move(line));
            start = i + 1;
        }
    } else if (key == "EffectiveTorqueFormula") {
        torque.EffectiveTorque = std::move(text);
    } else if (key == "NecessityMaxTorque") {
        torque.NecessityMaxTorque = std::move(text);
    } else if (key == "MotorRunningTorqueMax") {
        torque.RunningTorqueMax = std::move(text);
    } else if (key == "MotorEpigeneTorqueMax") {
        torque.EpigeneTorqueMax = std::move(text);
    } else {
        judgement.Set(key, std::move(text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;
    if (size == 0) return 0;
    const std::string& key = job->keys[data[0] % job->keys.size()];
    TTorqueValueFormula torque = job->session->TorqueFormulas();
    TCalcDischargeFormula judgement = job->session->JudgementFormulas();
    Replace(torque, judgement, key, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    TKinemoContext& ctx = job->context;
    TSizingSession& session = *job->session;
    TPatternTorqueSource source(session.Chain(), torque, ctx.Constants(), ctx.ErrorMessages());
    source.ModulusText = [] { return std::string("1"); };
    TInputPatternGridModel& grid = job->session->Pattern().CurrentGrid();
    source.SetPattern(&grid.Data(), &grid.ExternalForce());
    TCalcDischarge discharge(judgement, torque, ctx.Constants(), session.Chain(), session.Trace());
    discharge.SetTorqueSource(&source);
    std::unique_ptr<TMotor> motor = LoadMotorByModel(ctx.Query(), "KRS0402ANS0");
    if (!motor) Fail("The sample catalog lacks the motor", "KRS0402ANS0");
    try {
        if (!JudgeOneMotor(discharge, *motor, FloatToText(motor->MotorRatedSupply), ctx.ErrorMessages(), job->dialogs))
            Fail("The example's motor was not judged", key);
    } catch (const TKinemoError& e) {
        if (std::string(e.what()).empty()) Fail("A formula failed without a message", key);
        return 0;
    }
    if (!motor->Judged) Fail("A judgement without an error left the motor unjudged", key);
    OverallVerdict(*motor);
    return 0;
}
