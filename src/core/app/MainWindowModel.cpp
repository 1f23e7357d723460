// The main window's model.
#include "app/MainWindowModel.h"

#include "app/ApplicationTitle.h"
#include "base/CatalogText.h"
#include "app/CloseRule.h"
#include "base/ErrorMessage.h"
#include "app/KinemoContext.h"
#include "app/MainCommands.h"
#include "base/Registry.h"
#include "base/UserDialogs.h"
#include "base/UserSettings.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"

namespace kinemo {

namespace {

// The price checks' result codes 0 to 6, in order.
constexpr const char* kPriceCheckErrors[] = {"ErrorMotorNumber", "ErrorAmpNumber", "ErrorAssortmentMotorAndAmp",
                                             "ErrorAmp200",      "ErrorAmp100",    "ErrorAmpThree200Only",
                                             "ErrorAmpOne200Only"};

}  // namespace

TMainWindowModel::TMainWindowModel(TKinemoContext& context, IFileDialogs& files, IMainWindowView& view)
    : context_(&context), view_(&view), document_(context), projects_(context, document_, files, *this) {}

void TMainWindowModel::BeginStartup() {
    TRunValues& run = context_->Run();
    run.StartupDone = false;
    run.CurrentFileName.clear();
    run.RestartRequested = false;
    commit_ = TCommitState();
}

void TMainWindowModel::ReadSettings() {
    context_->Run().Settings = TUserSettings::Read(context_->Folders(), context_->ProgramFolder());
}

bool TMainWindowModel::ReadCatalogSettings() {
    terminate_ = !context_->ReadCatalogConfig();
    return !terminate_;
}

void TMainWindowModel::CheckCadLink(const TRegistry& registry) {
    const TRunValues& run = context_->Run();
    cad_ = CheckCadAvailability(registry, run.VantorRegistryPath, run.VantorLanguage);
    context_->Run().VantorAvailable = cad_.Available;
}

void TMainWindowModel::LoadDialogTexts() {
    // Read ahead of the version check, whose message would otherwise show buttons
    // without texts.
    dialogTexts_ = TMessageDialogText::Read(context_->Query());
}

void TMainWindowModel::LoadTexts() {
    TCatalogQuery& q = context_->Query();
    texts_ = ReadMessageClass(q, "main_window");
    TRunValues& run = context_->Run();
    run.MdbVersionText = ReadMdbVersionText(q);
    captions_ = TWindowCaptions(texts_.Value("BaseCaptionFormat"), texts_.Value("FileCaptionFormat"),
                                kApplicationTitle, run.ApplicationVersionText, run.MdbVersionText);
    projects_.SetTexts(texts_);
}

void TMainWindowModel::LoadCatalogTables() {
    // The tables held for the run that exist so far, in the order of start-up; each later
    // loader joins here. The element catalog comes first, with the user's own elements.
    context_->ReloadUserFactors();
    context_->Constants();
    context_->Measures();
    context_->Materials();
}

void TMainWindowModel::LoadErrorTableAndTabs() {
    context_->ErrorMessages();
    tabs_ = TPageTabCaptions::Read(context_->Query());
}

void TMainWindowModel::FinishStartup() { context_->Run().StartupDone = true; }

void TMainWindowModel::ShowVantorLanguageMismatch() {
    if (!cad_.LanguageMismatch()) return;
    const std::string text = ReadMessageText(context_->Query(), "main_window", "vantor_language_mismatch");
    context_->Dialogs().ShowMessageDialog(text, TMsgDlgType::Confirmation, mbOK);
}

void TMainWindowModel::OpenCommandLineProject(const std::vector<std::string>& arguments) {
    projects_.OpenCommandLine(arguments);
}

std::string TMainWindowModel::Caption() const { return captions_.Caption(context_->Run().CurrentFileName); }

bool TMainWindowModel::CommandVisible(const std::string& name) const {
    const TMainCommand* c = FindMainCommand(name);
    return c && kinemo::CommandVisible(*c, context_->Run());
}

bool TMainWindowModel::CommandEnabled(const std::string& name) const {
    const TMainCommand* c = FindMainCommand(name);
    return c && kinemo::CommandEnabled(*c, commit_.Committed());
}

THelpTarget TMainWindowModel::HelpTarget(const std::string& command) const {
    if (!IsHelpCommand(command)) return {};
    const auto [caption, symbol] = ReadMessageWithSymbol(context_->Query(), "main_window", command);
    return ResolveHelpTarget(symbol, context_->ProgramFolder());
}

bool TMainWindowModel::CheckCommittedMotorForDebug() {
    if (commit_.Committed()) return true;
    context_->Dialogs().ShowMessageDialog("Missing Commit Motor", TMsgDlgType::Custom, mbOK);
    return false;
}

void TMainWindowModel::CommitMotor(const TMotorReference& motor) {
    commit_.CommitMotor(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ReleaseCommit() {
    commit_.ReleaseCommit();
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowOptionDetail(const TMotorReference& motor) {
    commit_.ShowOptionDetail(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowCadDetail(const TMotorReference& motor) {
    commit_.ShowCadDetail(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ReturnFromOptionDetail() {
    commit_.ReturnFromOptionDetail();
    view_->MainWindowChanged();
}

void TMainWindowModel::ReturnFromCadDetail() {
    commit_.ReturnFromCadDetail();
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowPriceCheckResult(int code) {
    if (code < 0 || code >= static_cast<int>(std::size(kPriceCheckErrors))) return;
    context_->Dialogs().ShowMessageDialog(context_->ErrorMessages().GetText(kPriceCheckErrors[code]),
                                          TMsgDlgType::Error, mbOK);
}

void TMainWindowModel::ResetPages() {
    view_->ShowFirstPages();
    navigator_.ShownWithoutRules(0);
}

void TMainWindowModel::ApplyFolders(const TUserSettings& settings) {
    // The project dialogs read the folder each time they open, so they start there now;
    // the settings file is written at the next close.
    context_->Run().Settings = settings;
    context_->ReloadUserFactors();
    ResetPages();
}

void TMainWindowModel::SetPrintTexts(const std::string& header, const std::string& comment) {
    printHeader_ = header;
    printComment_ = comment;
}

bool TMainWindowModel::CloseRequest() {
    return ConfirmClose([this] { context_->Run().Settings.Write(context_->Folders()); },
                        texts_.Value("FormCloseFileSave"), context_->Dialogs(), [this] { return projects_.SaveAs(); });
}

void TMainWindowModel::RequestRestart() { context_->Run().RestartRequested = true; }

bool TMainWindowModel::RestartRequested() const { return context_->Run().RestartRequested; }

void TMainWindowModel::BeginProjectLoad() {
    ResetPages();
    commit_.ReleaseCommit();
}

void TMainWindowModel::RestoreMotors(const std::optional<TMotorReference>& commit,
                                     const std::optional<TMotorReference>& option,
                                     const std::optional<TMotorReference>& cad) {
    if (commit) {
        commit_.CommitMotor(*commit);
        return;
    }
    if (option) commit_.ShowOptionDetail(*option);
    if (cad) commit_.ShowCadDetail(*cad);
}

void TMainWindowModel::EndProjectLoad() {
    modified_ = false;
    view_->MainWindowChanged();
}

TProjectHeader TMainWindowModel::CurrentHeader() const {
    return {commit_.CommittedMotor(), commit_.OptionMotor(), commit_.CadMotor(), printHeader_, printComment_};
}

void TMainWindowModel::SetReportTexts(const std::string& header, const std::string& comment) {
    SetPrintTexts(header, comment);
}

void TMainWindowModel::ProjectFileChanged() { view_->MainWindowChanged(); }

void TMainWindowModel::SetWindowEnabled(bool enabled) { view_->SetWindowEnabled(enabled); }

}  // namespace kinemo
