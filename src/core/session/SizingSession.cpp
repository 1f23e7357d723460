// A sizing job's page models and their wiring.
#include "session/SizingSession.h"

#include "session/CalculationCaches.h"

#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "base/KinemoError.h"
#include "base/UserDialogs.h"
#include "pattern/DrivePatternFormulas.h"
#include "pattern/PatternServices.h"
#include "pattern/SigmoidalCurves.h"
#include "formula/ProgramCache.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "formula/FormulaError.h"
#include "base/TextFormat.h"
#include "base/KinemoError.h"
#include "session/KinemoContext.h"
#include "torque/MotorReferenceQuery.h"
#include "torque/UserMotorSheet.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"
#include "base/NumberText.h"
#include "session/DesignVariants.h"
#include "base/FileLimits.h"

#include <algorithm>
#include <vector>

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

TSizingSession::TSizingSession(TKinemoContext& ctx)
    : context_(ctx),
      catalog_(std::make_unique<TCatalog>(ctx.Catalog().Path())),
      query_(std::make_unique<TCatalogQuery>(*catalog_)),
      trace_(std::make_unique<TCalcTrace>()),
      services_(ctx.Machine()),
      caches_(std::make_unique<TCalculationCaches>()),
      document_(ctx, query_.get()) {
    TCatalogQuery& q = *query_;
    // The elements of this session's chain read through its own query and trace into its
    // own trace; the element catalog, units, texts and parsed programs stay shared.
    services_.Query = query_.get();
    services_.Trace = trace_.get();
    chain_ = std::make_unique<TCalcCarryValue>(*trace_, &ctx.Programs(), &caches_->Chains);
    patternFormulas_ = std::make_unique<TDrivePatternFormulas>(q, &ctx.Programs());
    curves_ = std::make_unique<TSigmoidalCurves>(ctx.SigmoidalCurves());
    torqueFormulas_ = TTorqueValueFormula::Load(q);
    judgementFormulas_ = TCalcDischargeFormula(q);
    labels_ = LoadMotorResultLabels(q);
    machine_ = std::make_unique<TChoiceFactorModel>(services_, *chain_, ctx.ErrorMessages(), ctx.Dialogs(),
                                                    ctx.Run().MaxFactorCount);
    machineSection_ = std::make_unique<MachineSection>(*this);
    pattern_ = std::make_unique<TInputPatternModel>(PatternServices());
    TCalculationCaches& caches = *caches_;
    torqueSource_ = std::make_unique<TPatternTorqueSource>(*chain_, torqueFormulas_, ctx.Constants(),
                                                           ctx.ErrorMessages(), &ctx.Programs(), &caches.Intervals);
    torqueSource_->ModulusText = [this] {
        const TSigmoidalCurve* curve = curves_->Selected();
        return curve ? curve->Modulus : std::string("1");
    };
    discharge_ = std::make_unique<TCalcDischarge>(judgementFormulas_, torqueFormulas_, ctx.Constants(), *chain_,
                                                  *trace_, &ctx.Programs(), &caches.Figures, &caches.Judgements);
    discharge_->SetTorqueSource(torqueSource_.get());
    search_ = std::make_unique<TMotorChoiceModel>(q, *chain_, judgementFormulas_, ctx.ValueFormat(),
                                                  ctx.BusyCursor());
    candidates_ = std::make_unique<TCandidateListModel>(*search_, *discharge_, ctx.ErrorMessages(), ctx.Dialogs(),
                                                        ctx.ValueFormat(), labels_);
    search_->OnCandidates = [this](std::vector<std::unique_ptr<TMotor>> list) {
        candidates_->SetCandidates(std::move(list));
    };
    search_->OnInputSupplyChanged = [this] { candidates_->MarkAllUnjudged(); };
    candidates_->PrepareSavedJudgement = [this] { return PrepareLoadedJudgement(); };
    machine_->OnBrakePreset = [this](int code) { search_->SetBrakeWanted(code); };
    machine_->OnModified = [this] { MarkInputsChanged(); };
    pattern_->OnModified = [this] { MarkInputsChanged(); };
    optionSeries_ = std::make_unique<TOptionSeriesModel>(q, ctx.Dialogs(), ctx.ErrorMessages(), ctx.BusyCursor());
    optionDetail_ = std::make_unique<TOptionDetailModel>(q, ctx.Dialogs(), ctx.BusyCursor());
    document_.RegisterSection(TProjectSection::FrameChoiceFactor, machineSection_.get());
    document_.RegisterSection(TProjectSection::FrameInputPattern, pattern_.get());
    document_.RegisterSection(TProjectSection::FrameChoiceMotor, candidates_.get());
    document_.RegisterSection(TProjectSection::FrameOptionSelect, optionSeries_.get());
    document_.RegisterSection(TProjectSection::FrameSelectOptionDetail, optionDetail_.get());
    variants_ = std::make_unique<TDesignVariants>(*this, q);
    document_.RegisterExtension("Variants", variants_.get());
}

TPatternServices TSizingSession::PatternServices() {
    TPatternServices s;
    s.Query = query_.get();
    s.Measures = &context_.Measures();
    s.Errors = &context_.ErrorMessages();
    s.Formulas = patternFormulas_.get();
    s.Format = &context_.ValueFormat();
    s.Chain = chain_.get();
    s.Dialogs = &context_.Dialogs();
    s.Busy = context_.BusyCursor();
    s.Curves = curves_.get();
    return s;
}

TSizingSession::~TSizingSession() {
    for (int i = 0; i < kProjectSectionCount; ++i) document_.RegisterSection(static_cast<TProjectSection>(i), nullptr);
    document_.RegisterExtension("Variants", nullptr);
}

void TSizingSession::MarkModified() {
    // Loading a project replays edits into the pages; they are not the user's.
    if (loading_) return;
    SetModified(true);
}

void TSizingSession::MarkInputsChanged() {
    if (loading_) return;
    SetModified(true);
    judgementStale_ = true;
}

void TSizingSession::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    if (OnModifiedChanged) OnModifiedChanged();
}

void TSizingSession::SelectFunction(int index) {
    search_->SelectFunction(index);
    MarkInputsChanged();
}

void TSizingSession::SelectSeries(int index) {
    search_->SelectSeries(index);
    MarkInputsChanged();
}

void TSizingSession::SelectSearchEntry(int item, int entry) {
    search_->SelectEntry(item, entry);
    MarkInputsChanged();
}

void TSizingSession::SetInputSupply(const std::string& text) {
    search_->SetInputSupplyText(text);  // drops the verdicts at once
    MarkInputsChanged();
}

void TSizingSession::SetPositionRange(const std::string& text) {
    search_->SetPositionRangeText(text);
    MarkModified();
}

void TSizingSession::SetLevel(TAdjudicationLevel level) {
    candidates_->SetLevel(level);
    MarkModified();
}

void TSizingSession::SetCustomLevel(const TDisplayCondition& condition) {
    candidates_->SetCustomCondition(condition);
    candidates_->SetLevel(TAdjudicationLevel::Custom);
    MarkModified();
}

void TSizingSession::Initialize() {
    candidates_->LoadTexts(*query_);
    const TUserMotorTexts texts = TUserMotorTexts::Load(*query_, context_.ErrorMessages());
    search_->SetUserMotors({texts.Label("FunctionName"), texts.Label("SeriesName"), [this] { return LoadUserMotors(); }});
    search_->Initialize();
    search_->EndSetup();
    MachineChanged();
    PointJudgementAtPattern();
    optionSeries_->Initialize();
    optionDetail_->Initialize();
    optionSeries_->OnChanged = [this] { OptionsChanged(); };
    optionDetail_->OnChanged = [this] { OptionsChanged(); };
}

void TSizingSession::OptionsChanged() {
    // A quotation edit changes the project, not the judgements.
    MarkModified();
    if (OnOptionsChanged) OnOptionsChanged();
}

void TSizingSession::RefreshOptionDetail() {
    if (committed_) {
        optionDetail_->ShowMotorOptions(committed_.get());
        return;
    }
    std::unique_ptr<TMotor> motor;
    if (std::optional<TMotorReference> ref = commit_.OptionDetailMotor())
        motor = ref->IsUser() ? LoadUserMotor(ref->UserModel)
                              : LoadMotorByReference(*query_, static_cast<int>(ref->MsvID),
                                                     static_cast<int>(ref->MxcID));
    optionDetail_->ShowMotorOptions(motor.get());
}

bool TSizingSession::ShowChosenOptionMotor() {
    const TMotor* chosen = optionSeries_->ChosenRecord();
    if (!chosen || committed_) return false;
    ShowOptionDetail(ReferenceOf(*chosen));
    return true;
}

void TSizingSession::MachineChanged() { pattern_->SetAxisKind(chain_->IsRolling()); }

std::string TSizingSession::MachineProblemText() const {
    std::string text = machine_->LoadProblemText();
    const std::vector<TInputViolation> violations = TInputCheck::Violations(*chain_);
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

std::string TSizingSession::PatternProblemText() const {
    try {
        pattern_->CurrentGrid().Data().Validate();
        pattern_->CheckModulus();
    } catch (const TKinemoError& e) {
        return e.what();
    }
    return {};
}

void TSizingSession::PrepareJudgement() {
    CheckMachine();
    try {
        pattern_->RefreshCarryOutputs();
    } catch (const TFormulaError& e) {
        // A formula failing on values inside their ranges (a ratio of 5e-324 divides by
        // zero) reads as the element page's load panel says it, not as the bare formula.
        const std::string text = context_.ErrorMessages().GetFormattedText("CarryOutputFailed", e.what());
        if (text.empty()) throw;
        throw TKinemoError(text);
    }
    if (!committed_) pattern_->RecalculateCurrentAxis();
    // A row without time or a move without its ramps would be passed over, not judged.
    pattern_->CurrentGrid().Data().Validate();
    pattern_->CheckModulus();
    PointJudgementAtPattern();
    if (judgementStale_) {
        candidates_->MarkAllUnjudged();
        judgementStale_ = false;
    }
}

void TSizingSession::PointJudgementAtPattern() {
    TInputPatternGridModel& grid = pattern_->CurrentGrid();
    torqueSource_->SetPattern(&grid.Data(), &grid.ExternalForce());
}

bool TSizingSession::PrepareLoadedJudgement() {
    PointJudgementAtPattern();
    if (!MachineProblemText().empty()) return false;
    try {
        pattern_->RefreshCarryOutputs();
        pattern_->RecalculateCurrentAxis();
    } catch (const std::exception&) {
        // The same failure is reported when the user judges; the load goes on without verdicts.
        return false;
    }
    return true;
}

long long TSizingSession::OptionSetPrice(const TMotor& motor) const {
    const TOptionDetailModel& page = *optionDetail_;
    const TMotor* priced = page.Motor();
    if (!priced || priced->msv_cd != motor.msv_cd || priced->mxc_cd != motor.mxc_cd) return -1;
    return page.GrandTotal() - page.MotorPrice() * page.MotorQty() - page.AmpPrice() * page.AmpQty();
}

TMotorDetailInput TSizingSession::DetailInput(const TMotor* motor) const {
    TMotorDetailInput input;
    const TMotorChoiceModel& search = *search_;
    auto entry = [&](int item) {
        const TSearchItemState& s = search.Item(item);
        return s.Chosen() ? s.Entries[static_cast<size_t>(s.Selected)] : std::string();
    };
    input.PositionRange = search.PositionRangeText();
    input.GearType = entry(siGearType);
    input.Shaft = entry(siMotorShaft).empty() ? entry(siGearShaft) : entry(siMotorShaft);
    double accuracy = 0;
    if (TryTextToFloat(search.TextStoppingAccuracy(motor), accuracy)) input.StoppingAccuracy = accuracy;
    input.Rolling = chain_->IsRolling();
    input.Curve = curves_->Selected();
    return input;
}

bool TSizingSession::JudgeAll(TAdjudicationLevel level, IProgress* progress) {
    PrepareJudgement();
    candidates_->SetLevel(level);
    return candidates_->JudgeAllCandidates(progress);
}

std::string TSizingSession::JudgeCommittedMotorAgain() {
    if (!committed_) return {};
    pattern_->RefreshCarryOutputs();
    pattern_->RecalculateCurrentAxis();
    PointJudgementAtPattern();
    double voltage = 0;
    if (!TryTextToFloat(search_->InputSupplyText(), voltage)) voltage = 0;
    const std::unique_ptr<TTorqueList> torques = discharge_->BuildMotorTorques(*committed_);
    if (torques->Count() > 0) discharge_->JudgeMotor(*committed_, *torques, voltage);
    return committed_->GetDebugText() + pattern_->PatternText();
}

void TSizingSession::CommitMotor(const TMotor& motor) {
    committed_ = std::make_unique<TMotor>();
    committed_->Assign(motor);
    commit_.CommitMotor(ReferenceOf(*committed_));
    candidates_->SetCommittedMotor(committed_.get());
    machine_->SetEditable(false);
    pattern_->SetEditable(false);
    RefreshOptionDetail();
    MarkModified();
}

void TSizingSession::CommitMotor(const TMotorReference& motor) {
    if (motor.IsUser()) {
        std::unique_ptr<TMotor> m = LoadUserMotor(motor.UserModel);
        if (!m) throw TKinemoError(UserMotorNotFoundText(motor.UserModel));
        CommitMotor(*m);
        return;
    }
    std::unique_ptr<TMotor> m = LoadMotorByReference(*query_, static_cast<int>(motor.MsvID),
                                                     static_cast<int>(motor.MxcID));
    if (!m)
        throw TKinemoError("The catalog has no motor " + std::to_string(motor.MsvID) + " with extension code " +
                           std::to_string(motor.MxcID) + ".");
    CommitMotor(*m);
}

void TSizingSession::ReleaseCommit() {
    const bool wasCommitted = committed_ != nullptr;
    candidates_->SetCommittedMotor(nullptr);
    committed_.reset();
    commit_.ReleaseCommit();
    machine_->SetEditable(true);
    pattern_->SetEditable(true);
    if (wasCommitted) RefreshOptionDetail();
    if (wasCommitted) MarkModified();
}

void TSizingSession::ShowOptionDetail(const TMotorReference& motor) {
    commit_.ShowOptionDetail(motor);
    RefreshOptionDetail();
    OptionsChanged();
}

void TSizingSession::ShowCadDetail(const TMotorReference& motor) {
    commit_.ShowCadDetail(motor);
    MarkModified();
}

TProjectHeader TSizingSession::Header() const {
    TProjectHeader h;
    if (committed_) {
        h.Commit = commit_.CommittedMotor();
    } else {
        h.Option = commit_.OptionMotor();
        h.Cad = commit_.CadMotor();
    }
    h.PrintHeader = PrintHeaderText;
    h.PrintComment = PrintCommentText;
    return h;
}

std::string TSizingSession::ProjectText() const { return document_.Build(Header()); }

void TSizingSession::SaveProject(const std::string& path) {
    WriteFileAtomically(path, document_.Build(Header()), context_.ErrorMessages());
    SetModified(false);
}

TProjectDocument::TLoadResult TSizingSession::LoadProject(const std::string& path, IProjectLoadHost* window) {
    std::string text;
    try {
        text = ReadLimitedFile(path, kMaxProjectFileBytes);
    } catch (const TFileTooLarge& e) {
        throw TKinemoError(FileTooLargeText(context_.ErrorMessages(), e));
    }
    return LoadProjectText(text, window, path);
}

TProjectDocument::TLoadResult TSizingSession::LoadProjectText(const std::string& text, IProjectLoadHost* window,
                                                             const std::string& source) {
    return LoadRestoring([&](TProjectHeader& header) { return document_.Load(text, *this, header, source); },
                         window);
}

TProjectDocument::TLoadResult TSizingSession::LoadProjectTree(const pugi::xml_document& doc,
                                                             IProjectLoadHost* window) {
    return LoadRestoring([&](TProjectHeader& header) { return document_.LoadTree(doc, *this, header); }, window);
}

TProjectDocument::TLoadResult TSizingSession::LoadRestoring(
    const std::function<TProjectDocument::TLoadResult(TProjectHeader&)>& load, IProjectLoadHost* window) {
    // What was open comes back when the new file cannot be read to the end or is refused.
    const std::string previous = ProjectText();
    const bool previousModified = modified_;
    auto restore = [&] {
        LoadParsed(previous, window, "Project file");
        SetModified(previousModified);
    };
    TProjectDocument::TLoadResult result;
    try {
        result = LoadWith(load, window);
    } catch (...) {
        restore();
        throw;
    }
    if (result == TProjectDocument::TLoadResult::Refused) {
        restore();
        return result;
    }
    std::string problems = MachineProblemText();
    const std::string pattern = PatternProblemText();
    if (!pattern.empty()) {
        if (!problems.empty()) problems += "\n\n";
        const std::string intro = context_.ErrorMessages().GetText("PatternNotJudgeable");
        problems += intro.empty() ? pattern : intro + "\n" + pattern;
    }
    if (!problems.empty()) context_.Dialogs().ShowMessageDialog(problems, TMsgDlgType::Warning, mbOK);
    return result;
}

TProjectDocument::TLoadResult TSizingSession::LoadParsed(const std::string& text, IProjectLoadHost* window,
                                                        const std::string& source) {
    return LoadWith([&](TProjectHeader& header) { return document_.Load(text, *this, header, source); }, window);
}

TProjectDocument::TLoadResult TSizingSession::LoadWith(
    const std::function<TProjectDocument::TLoadResult(TProjectHeader&)>& load, IProjectLoadHost* window) {
    TProjectHeader header;
    window_ = window;
    TProjectDocument::TLoadResult result;
    try {
        result = load(header);
    } catch (...) {
        window_ = nullptr;
        throw;
    }
    window_ = nullptr;
    if (result == TProjectDocument::TLoadResult::Accepted) {
        PrintHeaderText = header.PrintHeader;
        PrintCommentText = header.PrintComment;
    }
    return result;
}

void TSizingSession::NewProject(IProjectLoadHost* window) {
    LoadProjectText(TProjectDocument::EmptyDocumentText(), window);
    PrintHeaderText.clear();
    PrintCommentText.clear();
}

void TSizingSession::BeginProjectLoad() {
    loading_ = true;
    // The verdicts belong to the project that was open; the load brings its own.
    candidates_->MarkAllUnjudged();
    judgementStale_ = false;
    if (window_) window_->BeginProjectLoad();
    ReleaseCommit();
    commit_ = TCommitState();
    optionDetail_->ShowMotorOptions(nullptr);
    optionDetail_->LoadSection(pugi::xml_node());
    optionSeries_->LoadSection(pugi::xml_node());
}

TMotorReference TSizingSession::ReferenceOf(const TMotor& motor) {
    if (motor.msv_cd == TMotorReference::kUserCode) return TMotorReference::User(motor.msv_model_all);
    return TMotorReference{motor.msv_cd, motor.mxc_cd};
}

std::vector<std::unique_ptr<TMotor>> TSizingSession::LoadUserMotors() {
    const TUserMotorTexts texts = TUserMotorTexts::Load(*query_, context_.ErrorMessages());
    TUserMotorStore store(context_.Folders().UserMotorFolder(), texts);
    store.Reload();
    std::vector<std::unique_ptr<TMotor>> list;
    for (const TUserMotorSheet& sheet : store.Sheets()) list.push_back(sheet.ToMotor(texts));
    return list;
}

std::unique_ptr<TMotor> TSizingSession::LoadUserMotor(const std::string& model) {
    const TUserMotorTexts texts = TUserMotorTexts::Load(*query_, context_.ErrorMessages());
    TUserMotorStore store(context_.Folders().UserMotorFolder(), texts);
    store.Reload();
    const TUserMotorSheet* sheet = store.Find(model);
    return sheet ? sheet->ToMotor(texts) : nullptr;
}

std::string TSizingSession::UserMotorNotFoundText(const std::string& model) {
    return context_.ErrorMessages().GetFormattedText("UserMotorNotFound", model);
}

void TSizingSession::RestoreMotors(const std::optional<TMotorReference>& savedCommit,
                                   const std::optional<TMotorReference>& savedOption,
                                   const std::optional<TMotorReference>& savedCad) {
    // A user-defined motor deleted since the save is dropped with one message: the project
    // opens with no motor committed rather than with a motor the user no longer has. A
    // catalog motor that a newer catalog no longer has is dropped without a word.
    std::vector<std::string> missing;
    auto present = [&](const std::optional<TMotorReference>& ref) -> std::optional<TMotorReference> {
        if (!ref) return ref;
        if (!ref->IsUser())
            return LoadMotorByReference(*query_, static_cast<int>(ref->MsvID), static_cast<int>(ref->MxcID))
                       ? ref
                       : std::nullopt;
        if (LoadUserMotor(ref->UserModel)) return ref;
        if (std::find(missing.begin(), missing.end(), ref->UserModel) == missing.end())
            missing.push_back(ref->UserModel);
        return std::nullopt;
    };
    const std::optional<TMotorReference> commit = present(savedCommit);
    const std::optional<TMotorReference> option = present(savedOption);
    const std::optional<TMotorReference> cad = present(savedCad);
    for (const std::string& model : missing)
        context_.Dialogs().ShowMessageDialog(UserMotorNotFoundText(model), TMsgDlgType::Warning, mbOK);
    if (commit) {
        CommitMotor(*commit);
        // The later sections are read as by an editable page; the end makes them read-only.
        machine_->SetEditable(true);
        pattern_->SetEditable(true);
    } else {
        if (option) commit_.ShowOptionDetail(*option);
        if (cad) commit_.ShowCadDetail(*cad);
        RefreshOptionDetail();
    }
    if (window_) window_->RestoreMotors(commit, option, cad);
}

void TSizingSession::EndProjectLoad() {
    PointJudgementAtPattern();
    TCalcCarryValue& chain = *chain_;
    for (int i = chain.Count() - 1; i >= 1; --i) {
        TFactor* element = chain.GetFactor(i);
        try {
            element->RecalcCalcItems();
        } catch (const TKinemoError& e) {
            // A formula failing on the file's values (1e308 squared) would otherwise be shown
            // as the catalog formula alone, without the element it belongs to.
            const std::string format = context_.ErrorMessages().GetText("ProjectValuesNotCalculated");
            if (format.empty()) throw;
            throw TKinemoError(FormatText(format, {static_cast<long long>(i), element->Name, std::string(e.what())}));
        }
    }
    if (committed_) {
        machine_->SetEditable(false);
        pattern_->SetEditable(false);
    }
    loading_ = false;
    SetModified(false);
    if (window_) window_->EndProjectLoad();
}

}  // namespace kinemo
