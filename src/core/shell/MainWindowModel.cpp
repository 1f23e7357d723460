// The main window's model.
#include "shell/MainWindowModel.h"

#include "shell/ApplicationTitle.h"
#include "base/CatalogText.h"
#include "shell/CloseRule.h"
#include "base/AtomicFile.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "session/KinemoContext.h"
#include "shell/MainCommands.h"
#include "shell/RecoveryCopy.h"
#include "base/Registry.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "base/UserSettings.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"

#include <unistd.h>

namespace kinemo {

namespace {

// The price checks' result codes 0 to 6, in order.
constexpr const char* kPriceCheckErrors[] = {"ErrorMotorNumber", "ErrorAmpNumber", "ErrorAssortmentMotorAndAmp",
                                             "ErrorAmp200",      "ErrorAmp100",    "ErrorAmpThree200Only",
                                             "ErrorAmpOne200Only"};

// "&Help" as a message shows it: "Help" ("&&" keeps one "&").
std::string StripMnemonic(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        else if (text[i] == '&') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

TMainWindowModel::TMainWindowModel(TKinemoContext& context, IFileDialogs& files, IMainWindowView& view)
    : context_(&context), files_(&files), view_(&view) {}

TMainWindowModel::~TMainWindowModel() = default;

void TMainWindowModel::BeginStartup() {
    TRunValues& run = context_->Run();
    run.StartupDone = false;
    run.CurrentFileName.clear();
    run.RestartRequested = false;
}

TSizingSession& TMainWindowModel::Session() {
    if (!session_) throw TKinemoError("The sizing session is used before the catalog tables are loaded.");
    return *session_;
}

TProjectCommands& TMainWindowModel::Projects() {
    Session();
    return *projects_;
}

const TCommitState& TMainWindowModel::Commit() const {
    static const TCommitState kNone;  // before the session exists nothing is committed
    return session_ ? session_->Commit() : kNone;
}

void TMainWindowModel::ReadSettings() {
    context_->Run().Settings = TUserSettings::Read(context_->Folders());
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
    // The desktop's own commands and notes (About, recent projects, help messages) join
    // the main window's texts; the main window's class wins a name both have.
    const TNameValueList desktop = ReadMessageClass(q, "desktop");
    for (size_t i = 0; i < desktop.Count(); ++i)
        if (!texts_.Contains(desktop.Name(i))) texts_.Add(desktop.Line(i));
    TRunValues& run = context_->Run();
    run.MdbVersionText = ReadMdbVersionText(q);
    captions_ = TWindowCaptions(texts_.Value("BaseCaptionFormat"), texts_.Value("FileCaptionFormat"),
                                kApplicationTitle, run.ApplicationVersionText, run.MdbVersionText);
    captions_.SetModifiedFormat(texts_.Value("ModifiedCaptionFormat"));
    if (projects_) projects_->SetTexts(texts_);
}

void TMainWindowModel::LoadCatalogTables() {
    // The tables held for the run that exist so far, in the order of start-up; each later
    // loader joins here. The element catalog comes first, with the user's own elements.
    context_->ReloadUserFactors();
    // Files skipped on the way (elements or motors from others, a bad setting) are named
    // once, together; the start goes on without them.
    const std::vector<std::string> skipped = context_->FileProblems();
    if (!skipped.empty()) {
        std::string text;
        for (const std::string& line : skipped) text += (text.empty() ? "" : "\n") + line;
        context_->Dialogs().ShowMessageDialog(text, TMsgDlgType::Warning, mbOK);
    }
    context_->Constants();
    context_->Measures();
    context_->Materials();
    session_ = std::make_unique<TSizingSession>(*context_);
    session_->OnModifiedChanged = [this] { view_->CaptionChanged(); };
    try {
        recovery_ = std::make_unique<TRecoveryCopy>(context_->Folders().StateFolder(), static_cast<int>(::getpid()));
    } catch (const std::exception&) {
        // No state folder to be had: the run goes on without recovery copies.
    }
    IProjectCommandHost& host = *this;
    projects_ = std::make_unique<TProjectCommands>(*context_, *session_, *files_, host);
    projects_->SetTexts(texts_);
}

void TMainWindowModel::LoadErrorTableAndTabs() {
    context_->ErrorMessages();
    tabs_ = TPageTabCaptions::Read(context_->Query());
}

void TMainWindowModel::FinishStartup() {
    // The motor page's first search: the project the command line names is read over it.
    Session().Initialize();
    context_->Run().StartupDone = true;
}

void TMainWindowModel::ShowVantorLanguageMismatch() {
    if (!cad_.LanguageMismatch()) return;
    const std::string text = ReadMessageText(context_->Query(), "main_window", "vantor_language_mismatch");
    context_->Dialogs().ShowMessageDialog(text, TMsgDlgType::Confirmation, mbOK);
}

void TMainWindowModel::OpenCommandLineProject(const std::vector<std::string>& arguments) {
    Projects().OpenCommandLine(arguments);
}

std::string TMainWindowModel::Caption() const {
    return captions_.Caption(context_->Run().CurrentFileName, Modified());
}

bool TMainWindowModel::CommandVisible(const std::string& name) const {
    const TMainCommand* c = FindMainCommand(name);
    return c && kinemo::CommandVisible(*c, context_->Run());
}

bool TMainWindowModel::CommandEnabled(const std::string& name) const {
    const TMainCommand* c = FindMainCommand(name);
    return c && kinemo::CommandEnabled(*c, Commit().Committed());
}

THelpTarget TMainWindowModel::HelpTarget(const std::string& command) const {
    if (!IsHelpCommand(command)) return {};
    const auto [caption, symbol] = ReadMessageWithSymbol(context_->Query(), "main_window", command);
    return ResolveHelpTarget(symbol, context_->ProgramFolder());
}

void TMainWindowModel::OpenHelp(const std::string& command, const std::function<bool(const THelpTarget&)>& open) {
    const THelpTarget target = HelpTarget(command);
    if (target.Target.empty()) {
        // Without a target the command's own caption says which help is missing.
        ShowHelpMessage("HelpTargetMissing", StripMnemonic(texts_.Value(command)));
        return;
    }
    if (!HelpTargetAvailable(target)) return;
    if (!open(target)) ShowHelpMessage("HelpTargetNotOpened", target.Target);
}

void TMainWindowModel::ShowHelpMessage(const std::string& key, const std::string& named) const {
    const std::string format = Text(key);
    context_->Dialogs().ShowMessageDialog(format.empty() ? named : FormatText(format, {named}), TMsgDlgType::Warning,
                                          mbOK);
}

bool TMainWindowModel::HelpTargetAvailable(const THelpTarget& target) const {
    if (target.Target.empty()) return false;
    if (target.IsWebAddress || FileExists(target.Target)) return true;
    ShowHelpMessage("HelpTargetMissing", target.Target);
    return false;
}

bool TMainWindowModel::CheckCommittedMotorForDebug() {
    if (Commit().Committed()) return true;
    context_->Dialogs().ShowMessageDialog("Missing Commit Motor", TMsgDlgType::Custom, mbOK);
    return false;
}

void TMainWindowModel::CommitMotor(const TMotorReference& motor) {
    Session().CommitMotor(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::CommitMotor(const TMotor& motor) {
    Session().CommitMotor(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ReleaseCommit() {
    Session().ReleaseCommit();
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowOptionDetail(const TMotorReference& motor) {
    Session().ShowOptionDetail(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowCadDetail(const TMotorReference& motor) {
    Session().ShowCadDetail(motor);
    view_->MainWindowChanged();
}

void TMainWindowModel::ReturnFromOptionDetail() {
    Session().ReturnFromOptionDetail();
    view_->MainWindowChanged();
}

void TMainWindowModel::ReturnFromCadDetail() {
    Session().ReturnFromCadDetail();
    view_->MainWindowChanged();
}

void TMainWindowModel::ShowPriceCheckResult(int code) {
    if (code < 0 || code >= static_cast<int>(std::size(kPriceCheckErrors))) return;
    context_->Dialogs().ShowMessageDialog(context_->ErrorMessages().GetText(kPriceCheckErrors[code]),
                                          TMsgDlgType::Error, mbOK);
}

void TMainWindowModel::UserMotorsClosed(bool changed) {
    if (!changed) return;
    Session().Search().ReloadFunctions();
    ResetPages();
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
    TSizingSession& s = Session();
    if (s.PrintHeaderText == header && s.PrintCommentText == comment) return;
    s.PrintHeaderText = header;
    s.PrintCommentText = comment;
    s.MarkModified();
}

bool TMainWindowModel::CloseRequest() {
    if (session_) FinishEdits();
    const std::string question = Modified() ? texts_.Value("FormCloseFileSave") : std::string();
    auto writeSettings = [this] {
        try {
            context_->Run().Settings.Write(context_->Folders());
        } catch (const TFileWriteError& e) {
            throw TKinemoError(FileWriteErrorText(e, context_->ErrorMessages()));
        }
    };
    const bool mayClose =
        ConfirmClose(writeSettings, question, context_->Dialogs(), [this] { return Projects().Save(); });
    if (mayClose && recovery_) recovery_->Remove();
    return mayClose;
}

void TMainWindowModel::KeepRecoveryCopy(std::time_t now) {
    if (!recovery_ || !session_) return;
    try {
        recovery_->Keep(Modified(), [this] { return session_->ProjectText(); }, context_->Run().CurrentFileName, now);
    } catch (const std::exception&) {
        // A full disk or a lost state folder: the next call tries again; the project itself
        // is untouched and the user's work goes on.
    }
}

bool TMainWindowModel::OfferRecovery() {
    if (!recovery_ || !session_) return false;
    const std::optional<TRecoverable> left = recovery_->FindLeftBehind();
    if (!left) return false;
    const std::string& file = left->ProjectFile;
    const size_t slash = file.rfind('/');
    const std::string name = file.empty() ? ReadMessageText(context_->Query(), "recovery", "Untitled")
                                          : file.substr(slash == std::string::npos ? 0 : slash + 1);
    std::tm local{};
    localtime_r(&left->Time, &local);
    char when[40];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    const std::string format = ReadMessageText(context_->Query(), "recovery", "RestoreQuestion");
    const std::string question = format.empty() ? name + " " + when : FormatText(format, {name, std::string(when)});
    if (context_->Dialogs().ShowMessageDialog(question, TMsgDlgType::Confirmation, mbYes | mbNo) != mrYes) {
        TRecoveryCopy::Discard(*left);
        return false;
    }
    try {
        const std::string text = ReadWholeFile(left->CopyFile);
        if (session_->LoadProjectText(text, &LoadHost(), left->CopyFile) != TProjectDocument::TLoadResult::Accepted)
            return false;
    } catch (const std::exception& e) {
        // The copy stays for another try; the project opened so far is as it was.
        context_->Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
        return false;
    }
    context_->Run().CurrentFileName = file;
    MarkModified();
    TRecoveryCopy::Discard(*left);
    KeepRecoveryCopy(std::time(nullptr));  // the restored work is this run's copy from now on
    ProjectFileChanged();
    return true;
}

void TMainWindowModel::RequestRestart() { context_->Run().RestartRequested = true; }

bool TMainWindowModel::RestartRequested() const { return context_->Run().RestartRequested; }

std::vector<std::string> TMainWindowModel::RestartArguments() const {
    const std::string& file = context_->Run().CurrentFileName;
    if (file.empty()) return {};
    return {file};
}

void TMainWindowModel::BeginProjectLoad() { ResetPages(); }

// The session has restored the motors itself; the window shows them at the end.
void TMainWindowModel::RestoreMotors(const std::optional<TMotorReference>&, const std::optional<TMotorReference>&,
                                     const std::optional<TMotorReference>&) {}

void TMainWindowModel::EndProjectLoad() { view_->MainWindowChanged(); }

void TMainWindowModel::ProjectFileChanged() { view_->MainWindowChanged(); }

void TMainWindowModel::SetWindowEnabled(bool enabled) { view_->SetWindowEnabled(enabled); }

void TMainWindowModel::FinishEdits() { view_->FinishEdits(); }

}  // namespace kinemo
