// One sizing job without a window: the machine, the drive pattern, the motor search and
// candidate list, the judgement, the committed motor and the project file, wired the
// way the main window wires its pages. The command line runs it directly; the desktop
// application shows its models.
#pragma once

#include "machine/ChoiceFactorModel.h"
#include "pattern/InputPatternModel.h"
#include "selection/CandidateListModel.h"
#include "selection/MotorChoiceModel.h"
#include "base/NameValueList.h"
#include "app/ProjectDocument.h"
#include "torque/CalcDischarge.h"
#include "torque/PatternTorqueSource.h"
#include "torque/TorqueValue.h"

#include <memory>
#include <string>

namespace kinemo {

class TKinemoContext;

class TSizingSession : private IProjectLoadHost {
public:
    // Builds every page model on the context (its chain, catalog and dialogs).
    explicit TSizingSession(TKinemoContext& context);
    ~TSizingSession() override;

    // Loads the catalog tables and runs the first search.
    void Initialize();

    TChoiceFactorModel& Machine() { return *machine_; }
    TInputPatternModel& Pattern() { return *pattern_; }
    TMotorChoiceModel& Search() { return *search_; }
    TCandidateListModel& Candidates() { return *candidates_; }
    TCalcDischarge& Discharge() { return *discharge_; }
    TProjectDocument& Document() { return document_; }
    const TNameValueList& ResultLabels() const { return labels_; }
    const TCalcDischargeFormula& JudgementFormulas() const { return judgementFormulas_; }

    // Leaving the element page: the pattern learns the axis kind and the machine's speed
    // coefficient.
    void MachineChanged();
    // What a calculation must not run with: the elements the last project load left out
    // (the catalog lacks them or the docking rule refuses them) and every input value
    // outside its physical range, as one message; empty when the machine is sound.
    std::string MachineProblemText() const;
    // Raises TKinemoError with MachineProblemText when it is not empty.
    void CheckMachine() const;

    // Entering the motor page and before any judgement: the machine checked
    // (CheckMachine), carry outputs, recalculation, the judgement pointed at the pattern
    // shown; stale judgements dropped after edits.
    void PrepareJudgement();
    bool Modified() const { return modified_; }
    void MarkModified() { modified_ = true; }

    // Judges every candidate with the level given and keeps those that pass.
    bool JudgeAll(TAdjudicationLevel level, IProgress* progress = nullptr);

    // The committed motor: the first page becomes read-only.
    const TMotor* CommittedMotor() const { return committed_.get(); }
    void CommitMotor(const TMotor& motor);
    void ReleaseCommit();

    // Project files. An accepted project whose machine has problems (MachineProblemText)
    // is opened with that message as a warning; the values stay for the user to correct.
    TProjectDocument::TLoadResult LoadProject(const std::string& path);
    TProjectDocument::TLoadResult LoadProjectText(const std::string& text);
    void SaveProject(const std::string& path) const;
    std::string ProjectText() const;
    void NewProject();

    TProjectHeader Header() const;
    std::string PrintHeaderText, PrintCommentText;

private:
    class MachineSection;
    void BeginProjectLoad() override;
    void RestoreMotors(const std::optional<TMotorReference>& commit, const std::optional<TMotorReference>& option,
                       const std::optional<TMotorReference>& cad) override;
    void EndProjectLoad() override;

    TKinemoContext& context_;
    TTorqueValueFormula torqueFormulas_;
    TCalcDischargeFormula judgementFormulas_;
    TNameValueList labels_;
    std::unique_ptr<TChoiceFactorModel> machine_;
    std::unique_ptr<MachineSection> machineSection_;
    std::unique_ptr<TInputPatternModel> pattern_;
    std::unique_ptr<TPatternTorqueSource> torqueSource_;
    std::unique_ptr<TCalcDischarge> discharge_;
    std::unique_ptr<TMotorChoiceModel> search_;
    std::unique_ptr<TCandidateListModel> candidates_;
    TProjectDocument document_;
    std::unique_ptr<TMotor> committed_;
    std::optional<TMotorReference> option_, cad_;
    bool modified_ = false;
};

}  // namespace kinemo
