// A sizing job's page models and their wiring.
#include "app/SizingSession.h"

#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "base/KinemoError.h"
#include "base/UserDialogs.h"
#include "pattern/PatternServices.h"
#include "pattern/SigmoidalCurves.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "app/KinemoContext.h"
#include "torque/MotorReferenceQuery.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

namespace kinemo {

// The element page's part of the project file.
class TSizingSession::MachineSection : public IProjectSectionHandler {
public:
    explicit MachineSection(TSizingSession& s) : s_(s) {}
    void SaveSection(pugi::xml_node section) override { s_.machine_->SaveToXML(section); }
    void LoadSection(pugi::xml_node section) override {
        s_.machine_->LoadFromXML(section);
        s_.MachineChanged();
    }

private:
    TSizingSession& s_;
};

TSizingSession::TSizingSession(TKinemoContext& ctx) : context_(ctx), document_(ctx) {
    TCatalogQuery& q = ctx.Query();
    torqueFormulas_ = TTorqueValueFormula::Load(q);
    judgementFormulas_ = TCalcDischargeFormula(q);
    labels_ = LoadMotorResultLabels(q);
    ctx.Machine();
    machine_ = std::make_unique<TChoiceFactorModel>(ctx.Machine(), ctx.Chain(), ctx.ErrorMessages(), ctx.Dialogs(),
                                                    ctx.Run().MaxFactorCount);
    machineSection_ = std::make_unique<MachineSection>(*this);
    pattern_ = std::make_unique<TInputPatternModel>(PatternServicesOf(ctx));
    torqueSource_ = std::make_unique<TPatternTorqueSource>(ctx.Chain(), torqueFormulas_, ctx.Constants(),
                                                           ctx.ErrorMessages());
    torqueSource_->ModulusText = [&ctx] {
        const TSigmoidalCurve* curve = ctx.SigmoidalCurves().Selected();
        return curve ? curve->Modulus : std::string("1");
    };
    discharge_ = std::make_unique<TCalcDischarge>(judgementFormulas_, torqueFormulas_, ctx.Constants(), ctx.Chain(),
                                                  ctx.Trace());
    discharge_->SetTorqueSource(torqueSource_.get());
    search_ = std::make_unique<TMotorChoiceModel>(q, ctx.Chain(), judgementFormulas_, ctx.ValueFormat(),
                                                  ctx.BusyCursor());
    candidates_ = std::make_unique<TCandidateListModel>(*search_, *discharge_, ctx.ErrorMessages(), ctx.Dialogs(),
                                                        ctx.ValueFormat(), labels_);
    search_->OnCandidates = [this](std::vector<std::unique_ptr<TMotor>> list) {
        candidates_->SetCandidates(std::move(list));
    };
    search_->OnInputSupplyChanged = [this] { candidates_->MarkAllUnjudged(); };
    machine_->OnBrakePreset = [this](int code) { search_->SetBrakeWanted(code); };
    machine_->OnModified = [this] { modified_ = true; };
    pattern_->OnModified = [this] { modified_ = true; };
    document_.RegisterSection(TProjectSection::FrameChoiceFactor, machineSection_.get());
    document_.RegisterSection(TProjectSection::FrameInputPattern, pattern_.get());
    document_.RegisterSection(TProjectSection::FrameChoiceMotor, candidates_.get());
}

TSizingSession::~TSizingSession() {
    for (TProjectSection s : {TProjectSection::FrameChoiceFactor, TProjectSection::FrameInputPattern,
                              TProjectSection::FrameChoiceMotor})
        document_.RegisterSection(s, nullptr);
}

void TSizingSession::Initialize() {
    candidates_->LoadTexts(context_.Query());
    search_->Initialize();
    search_->EndSetup();
    MachineChanged();
}

void TSizingSession::MachineChanged() { pattern_->SetAxisKind(context_.Chain().IsRolling()); }

std::string TSizingSession::MachineProblemText() const {
    std::string text = machine_->LoadProblemText();
    const std::vector<TInputViolation> violations = TInputCheck::Violations(context_.Chain());
    if (!violations.empty()) {
        if (!text.empty()) text += "\n\n";
        text += TInputCheck(&context_.ErrorMessages()).ListText(violations);
    }
    return text;
}

void TSizingSession::CheckMachine() const {
    const std::string text = MachineProblemText();
    if (!text.empty()) throw TKinemoError(text);
}

void TSizingSession::PrepareJudgement() {
    CheckMachine();
    pattern_->RefreshCarryOutputs();
    if (!committed_) pattern_->RecalculateCurrentAxis();
    TInputPatternGridModel& grid = pattern_->CurrentGrid();
    torqueSource_->SetPattern(&grid.Data(), &grid.ExternalForce());
    if (modified_) {
        candidates_->MarkAllUnjudged();
        modified_ = false;
    }
}

bool TSizingSession::JudgeAll(TAdjudicationLevel level, IProgress* progress) {
    PrepareJudgement();
    candidates_->SetLevel(level);
    return candidates_->JudgeAllCandidates(progress);
}

void TSizingSession::CommitMotor(const TMotor& motor) {
    committed_ = std::make_unique<TMotor>(motor);
    candidates_->SetCommittedMotor(committed_.get());
    machine_->SetEditable(false);
    pattern_->SetEditable(false);
}

void TSizingSession::ReleaseCommit() {
    candidates_->SetCommittedMotor(nullptr);
    committed_.reset();
    machine_->SetEditable(true);
    pattern_->SetEditable(true);
}

TProjectHeader TSizingSession::Header() const {
    TProjectHeader h;
    if (committed_) {
        h.Commit = TMotorReference{committed_->msv_cd, committed_->mxc_cd};
    } else {
        h.Option = option_;
        h.Cad = cad_;
    }
    h.PrintHeader = PrintHeaderText;
    h.PrintComment = PrintCommentText;
    return h;
}

std::string TSizingSession::ProjectText() const { return document_.Build(Header()); }

void TSizingSession::SaveProject(const std::string& path) const { document_.Save(path, Header()); }

TProjectDocument::TLoadResult TSizingSession::LoadProject(const std::string& path) {
    return LoadProjectText(ReadWholeFile(path));
}

TProjectDocument::TLoadResult TSizingSession::LoadProjectText(const std::string& text) {
    TProjectHeader header;
    const auto result = document_.Load(text, *this, header);
    if (result == TProjectDocument::TLoadResult::Accepted) {
        PrintHeaderText = header.PrintHeader;
        PrintCommentText = header.PrintComment;
        const std::string problems = MachineProblemText();
        if (!problems.empty()) context_.Dialogs().ShowMessageDialog(problems, TMsgDlgType::Warning, mbOK);
    }
    return result;
}

void TSizingSession::NewProject() {
    LoadProjectText(TProjectDocument::EmptyDocumentText());
    PrintHeaderText.clear();
    PrintCommentText.clear();
}

void TSizingSession::BeginProjectLoad() {
    ReleaseCommit();
    option_.reset();
    cad_.reset();
}

void TSizingSession::RestoreMotors(const std::optional<TMotorReference>& commit,
                                   const std::optional<TMotorReference>& option,
                                   const std::optional<TMotorReference>& cad) {
    if (commit) {
        if (std::unique_ptr<TMotor> m = LoadMotorByReference(context_.Query(), commit->MsvID, commit->MxcID)) {
            CommitMotor(*m);
            // The later sections are read as by an editable page; the end makes them read-only.
            machine_->SetEditable(true);
            pattern_->SetEditable(true);
        }
        return;
    }
    option_ = option;
    cad_ = cad;
}

void TSizingSession::EndProjectLoad() {
    modified_ = false;
    TCalcCarryValue& chain = context_.Chain();
    for (int i = chain.Count() - 1; i >= 1; --i) chain.GetFactor(i)->RecalcCalcItems();
    if (committed_) {
        machine_->SetEditable(false);
        pattern_->SetEditable(false);
    }
}

}  // namespace kinemo
