// One sizing job: the machine, the drive pattern, the motor search and candidate list, the
// judgement, the committed motor, the modified flag and the project file. It is the only
// owner of these and of everything they calculate with that changes (its catalog
// connection, element chain, trace and result caches): the main window drives it, the
// command line and the tests run it directly, and sessions of one context may judge in
// several threads at once.
#pragma once

#include "machine/ChoiceFactorModel.h"
#include "pattern/InputPatternModel.h"
#include "selection/CandidateListModel.h"
#include "selection/MotorChoiceModel.h"
#include "selection/MotorDetailModel.h"
#include "base/NameValueList.h"
#include "machine/MachineServices.h"
#include "pattern/PatternServices.h"
#include "session/CommitState.h"
#include "session/ProjectDocument.h"
#include "torque/CalcDischarge.h"
#include "torque/PatternTorqueSource.h"
#include "torque/TorqueValue.h"
#include "options/OptionDetailModel.h"
#include "options/OptionSeriesModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TCalcCarryValue;
class TCatalog;
class TCatalogQuery;
class TDesignVariants;
class TDrivePatternFormulas;
class TKinemoContext;
class TSigmoidalCurves;
struct TCalculationCaches;

class TSizingSession : private IProjectLoadHost {
public:
    // Builds every page model on the context's shared catalog data, with a catalog
    // connection, element chain, trace and result caches of the session's own.
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
    // The option page: the series screen and the detail screen, which prices the committed
    // motor while one is committed, else the motor the series screen chose.
    TOptionSeriesModel& OptionSeries() { return *optionSeries_; }
    TOptionDetailModel& OptionDetail() { return *optionDetail_; }
    // The price of the option set chosen on the option page for motor (the page's total
    // without the motors and amplifiers); -1 when the page prices another motor or none.
    long long OptionSetPrice(const TMotor& motor) const;
    // Called after every change of either option screen (the window refreshes them).
    std::function<void()> OnOptionsChanged;
    // The named variants of the machine and pattern; the pages show the current one.
    TDesignVariants& Variants() { return *variants_; }
    TKinemoContext& Context() { return context_; }
    // The session's own: a query on its own catalog connection, the element chain and its
    // calculation trace, the element services pointing at both, the result caches, the
    // drive pattern's formula store and the S-curve choice.
    TCatalogQuery& Query() { return *query_; }
    TCalcCarryValue& Chain() { return *chain_; }
    const TCalcCarryValue& Chain() const { return *chain_; }
    TCalcTrace& Trace() { return *trace_; }
    TMachineServices& MachineServices() { return services_; }
    TCalculationCaches& Caches() { return *caches_; }
    TDrivePatternFormulas& DrivePatternFormulas() { return *patternFormulas_; }
    TSigmoidalCurves& SigmoidalCurves() { return *curves_; }
    const TSigmoidalCurves& SigmoidalCurves() const { return *curves_; }
    // The pattern services of the session: the context's units and texts, the session's
    // query, formula store, chain and S-curves.
    TPatternServices PatternServices();
    const TNameValueList& ResultLabels() const { return labels_; }
    const TCalcDischargeFormula& JudgementFormulas() const { return judgementFormulas_; }
    const TTorqueValueFormula& TorqueFormulas() const { return torqueFormulas_; }

    // Leaving the element page: the pattern learns the axis kind and the machine's speed
    // coefficient.
    void MachineChanged();
    // What a calculation must not run with: the elements the last project load left out
    // (the catalog lacks them or the docking rule refuses them) and every input value
    // outside its physical range, as one message; empty when the machine is sound.
    std::string MachineProblemText() const;
    // Raises TKinemoError with MachineProblemText when it is not empty.
    void CheckMachine() const;
    // The first rule the drive pattern shown breaks (a row without time, a move without its
    // ramps, ...), naming the row; empty when the pattern can be judged.
    std::string PatternProblemText() const;

    // Entering the motor page and before any judgement: the machine checked
    // (CheckMachine), carry outputs, recalculation, the pattern shown validated and the
    // judgement pointed at it; verdicts dropped when an input of the judgement changed since
    // they were made.
    void PrepareJudgement();

    // Unsaved changes: set by real edits of the pages and by commitment, cleared by loading
    // and saving.
    bool Modified() const { return modified_; }
    // An edit that changes the project but no input of the judgement (a memo, a level, the
    // position range, a commitment, a detail screen's motor): the verdicts stay.
    void MarkModified();
    // An edit of an input of the judgement (machine, pattern, input supply, search): the
    // verdicts are dropped at the next preparation.
    void MarkInputsChanged();
    void ClearModified() { SetModified(false); }
    // Called whenever Modified changes (the window's caption marks unsaved changes).
    std::function<void()> OnModifiedChanged;

    // The motor page's edits. A new search condition or input supply changes the
    // judgement's inputs; a level, the custom condition and the position range change only
    // what is shown (the position range: the stopping accuracy), so verdicts stay.
    void SelectFunction(int index);
    void SelectSeries(int index);
    void SelectSearchEntry(int item, int entry);
    void SetInputSupply(const std::string& text);
    void SetPositionRange(const std::string& text);
    // A level button other than Custom.
    void SetLevel(TAdjudicationLevel level);
    // The display condition dialog closed: its condition becomes the custom and active one.
    void SetCustomLevel(const TDisplayCondition& condition);

    // What the motor detail window (and a comparison) shows besides the motor: the
    // position range, gear type and shaft chosen in the search, the motor's stopping
    // accuracy, the axis kind and the S-curve.
    TMotorDetailInput DetailInput(const TMotor* motor) const;

    // Judges every candidate with the level given and keeps those that pass.
    bool JudgeAll(TAdjudicationLevel level, IProgress* progress = nullptr);

    // The debug command on the committed motor: it is judged again with the carry outputs
    // and intervals recalculated and the typed input supply (0 when that is not a number;
    // an empty pattern leaves it as it was); returns its debug text and the pattern text.
    // Empty without a committed motor.
    std::string JudgeCommittedMotorAgain();

    // The committed motor, an owned copy: the first page becomes read-only, the option and
    // CAD pages show it.
    const TMotor* CommittedMotor() const { return committed_.get(); }
    void CommitMotor(const TMotor& motor);
    // Commits the catalog motor or user-defined motor the reference names; raises when
    // there is no such motor.
    void CommitMotor(const TMotorReference& motor);
    void ReleaseCommit();
    // Which motors the option and CAD pages show, and whether a motor is committed.
    const TCommitState& Commit() const { return commit_; }
    void ShowOptionDetail(const TMotorReference& motor);
    void ShowCadDetail(const TMotorReference& motor);
    void ReturnFromOptionDetail() { commit_.ReturnFromOptionDetail(); }
    // The series screen's select buttons: its chosen record goes to the detail screen;
    // false when it has none.
    bool ShowChosenOptionMotor();
    void ReturnFromCadDetail() { commit_.ReturnFromCadDetail(); }

    // Project files. An accepted project whose machine or drive pattern has problems
    // (MachineProblemText, PatternProblemText) is opened with that message as a warning;
    // the values stay for the user to correct, and nothing is judged until then.
    // A load that fails or is refused leaves the project as it was (the
    // error still reaches the caller). window, when given, takes part in loading after
    // the session (the main window resets and refreshes its pages).
    TProjectDocument::TLoadResult LoadProject(const std::string& path, IProjectLoadHost* window = nullptr);
    TProjectDocument::TLoadResult LoadProjectText(const std::string& text, IProjectLoadHost* window = nullptr,
                                                  const std::string& source = "Project file");
    // Writes every section, also those of pages without a screen (kept as loaded); a
    // successful save clears the modified flag.
    void SaveProject(const std::string& path);
    std::string ProjectText() const;
    // The project as the tree ProjectText writes (doc is replaced), and a load from such a
    // tree, as LoadProjectText loads its text: the same messages, the same restore.
    void ProjectTree(pugi::xml_document& doc) const { document_.BuildTree(Header(), doc); }
    TProjectDocument::TLoadResult LoadProjectTree(const pugi::xml_document& doc, IProjectLoadHost* window = nullptr);
    void NewProject(IProjectLoadHost* window = nullptr);

    TProjectHeader Header() const;
    std::string PrintHeaderText, PrintCommentText;

private:
    class MachineSection;
    void RefreshOptionDetail();
    void OptionsChanged();
    void SetModified(bool modified);
    // The judgement reads the intervals of the pattern shown.
    void PointJudgementAtPattern();
    // A project being loaded, before the motors it was saved with judged are judged again:
    // its carry outputs and intervals; false when its machine or pattern cannot be
    // calculated (those motors then stay unjudged, the user's judgement reports why).
    bool PrepareLoadedJudgement();
    TProjectDocument::TLoadResult LoadParsed(const std::string& text, IProjectLoadHost* window,
                                             const std::string& source);
    // A load by load (of a text or a tree) with the project restored when it fails or is
    // refused, and its problems shown when it is accepted.
    TProjectDocument::TLoadResult LoadRestoring(
        const std::function<TProjectDocument::TLoadResult(TProjectHeader&)>& load, IProjectLoadHost* window);
    TProjectDocument::TLoadResult LoadWith(const std::function<TProjectDocument::TLoadResult(TProjectHeader&)>& load,
                                           IProjectLoadHost* window);
    void BeginProjectLoad() override;
    void RestoreMotors(const std::optional<TMotorReference>& commit, const std::optional<TMotorReference>& option,
                       const std::optional<TMotorReference>& cad) override;
    void EndProjectLoad() override;
    // How the project file names motor: catalog codes, or a user motor's model.
    static TMotorReference ReferenceOf(const TMotor& motor);
    // The user's motor of model from the user motor folder; null when there is none.
    std::unique_ptr<TMotor> LoadUserMotor(const std::string& model);
    // Every valid motor of the user motor folder, in file name order.
    std::vector<std::unique_ptr<TMotor>> LoadUserMotors();
    std::string UserMotorNotFoundText(const std::string& model);

    TKinemoContext& context_;
    // Declared first: the page models below borrow them and are freed before them.
    std::unique_ptr<TCatalog> catalog_;
    std::unique_ptr<TCatalogQuery> query_;
    std::unique_ptr<TCalcTrace> trace_;
    TMachineServices services_;
    std::unique_ptr<TCalculationCaches> caches_;
    std::unique_ptr<TCalcCarryValue> chain_;
    std::unique_ptr<TDrivePatternFormulas> patternFormulas_;
    std::unique_ptr<TSigmoidalCurves> curves_;
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
    std::unique_ptr<TOptionSeriesModel> optionSeries_;
    std::unique_ptr<TOptionDetailModel> optionDetail_;
    std::unique_ptr<TDesignVariants> variants_;
    std::unique_ptr<TMotor> committed_;
    TCommitState commit_;
    IProjectLoadHost* window_ = nullptr;  // during a load only
    bool loading_ = false;
    bool modified_ = false;
    bool judgementStale_ = false;  // edits since the candidates were last judged
};

}  // namespace kinemo
