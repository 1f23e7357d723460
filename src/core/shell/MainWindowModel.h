// The main window's state and rules without a window: its start-up steps on the catalog,
// texts and captions, tab captions, commands, the committed motor, the sub-page rules,
// the project commands and the close rule. The Qt window shows this model and forwards
// the user's actions to it.
#pragma once

#include "shell/CadAvailability.h"
#include "session/CommitState.h"
#include "shell/HelpTarget.h"
#include "base/MessageDialogText.h"
#include "base/NameValueList.h"
#include "shell/PageTabs.h"
#include "shell/ProjectCommands.h"
#include "session/ProjectDocument.h"
#include "session/SizingSession.h"
#include "shell/SubPageNavigator.h"
#include "shell/WindowCaptions.h"

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TRecoveryCopy;
class TRegistry;
struct TUserSettings;

// What the model asks of the window that shows it.
class IMainWindowView {
public:
    virtual ~IMainWindowView() = default;
    // Caption, commit label, command states or the detail screens may have changed.
    virtual void MainWindowChanged() = 0;
    // Show the first page of both page controls without the page-change rules.
    virtual void ShowFirstPages() = 0;
    virtual void SetWindowEnabled(bool enabled) = 0;
    // An edit still open in a screen (a cell being typed) is finished: its value reaches
    // the model before the project is saved or the save question is asked.
    virtual void FinishEdits() = 0;
    // Only the caption changed (the mark of unsaved changes).
    virtual void CaptionChanged() = 0;
};

class TMainWindowModel : private IProjectCommandHost {
public:
    TMainWindowModel(TKinemoContext& context, IFileDialogs& files, IMainWindowView& view);
    ~TMainWindowModel() override;

    // Start-up steps that need no window, in the order the window runs them.
    void BeginStartup();                 // no file, no restart, no committed motor
    void ReadSettings();                 // folders and paper size of the settings file
    void LoadDialogTexts();              // "message_dialog", before the first message can appear
    bool ReadCatalogSettings();          // s_config and the version check; false: end the run
    void CheckCadLink(const TRegistry& registry);
    void LoadTexts();                    // "main_window", captions, project dialog texts
    void LoadCatalogTables();            // the catalog tables held for the run, then the sizing session
    void LoadErrorTableAndTabs();        // "error" and the tab captions of class "1"
    void FinishStartup();                // StartupDone
    void ShowVantorLanguageMismatch();   // once, when the CAD program speaks another language
    void OpenCommandLineProject(const std::vector<std::string>& arguments);

    TKinemoContext& Context() { return *context_; }
    bool TerminateRequested() const { return terminate_; }
    std::string Text(const std::string& key) const { return texts_.Value(key); }
    const TNameValueList& Texts() const { return texts_; }
    const TMessageDialogText& DialogTexts() const { return dialogTexts_; }
    const TPageTabCaptions& TabCaptions() const { return tabs_; }
    const TCadAvailability& Cad() const { return cad_; }
    std::string Caption() const;

    bool CommandVisible(const std::string& name) const;
    bool CommandEnabled(const std::string& name) const;
    // The target of a help command (msg_symbol of its key).
    THelpTarget HelpTarget(const std::string& command) const;
    // True when the target can be opened; a file that is not there ("HelpTargetMissing")
    // is reported to the user instead of failing silently.
    bool HelpTargetAvailable(const THelpTarget& target) const;
    // Runs a help command: open (the desktop's handler) gets the target unless it is a
    // file that does not exist; a missing file, a command without a target and a target
    // that open refuses each show a message naming the target.
    void OpenHelp(const std::string& command, const std::function<bool(const THelpTarget&)>& open);
    // A help message: the text of key with what it names, or the name alone without a text.
    void ShowHelpMessage(const std::string& key, const std::string& named) const;
    // The commit-value debug command needs a committed motor; without one the user is
    // told. It then runs the session's JudgeCommittedMotorAgain.
    bool CheckCommittedMotorForDebug();

    // The one sizing session behind the pages; it exists once the catalog tables are loaded.
    bool HasSession() const { return session_ != nullptr; }
    TSizingSession& Session();

    // Operations the screens call.
    const TCommitState& Commit() const;
    void CommitMotor(const TMotorReference& motor);
    // The detail window's commitment: a copy of the judged motor.
    void CommitMotor(const TMotor& motor);
    void ReleaseCommit();
    void ShowOptionDetail(const TMotorReference& motor);
    void ShowCadDetail(const TMotorReference& motor);
    void ReturnFromOptionDetail();
    void ReturnFromCadDetail();
    // A price check's code: 0 to 6 show their error text, any other code nothing.
    void ShowPriceCheckResult(int code);
    void MarkModified() { Session().MarkModified(); }
    bool Modified() const { return session_ && session_->Modified(); }
    void ClearModified() { Session().ClearModified(); }
    // The user motor dialog closed: when a motor was added or removed the motor page lists
    // the user's motors again and the pages start over from the first.
    void UserMotorsClosed(bool changed);
    void ResetPages();
    // The folder dialog's OK.
    void ApplyFolders(const TUserSettings& settings);
    const std::string& PrintHeaderText() { return Session().PrintHeaderText; }
    const std::string& PrintCommentText() { return Session().PrintCommentText; }
    void SetPrintTexts(const std::string& header, const std::string& comment);

    TSubPageNavigator& Navigator() { return navigator_; }
    TProjectDocument& Document() { return Session().Document(); }
    TProjectCommands& Projects();

    // Settings first, then the save question when the project has unsaved changes; true
    // when the window may close (the recovery copy is then removed).
    bool CloseRequest();

    // The recovery copy of a modified project, in the user's state folder: the window calls
    // this every two minutes and on each page change; an unmodified project keeps none.
    // A copy that cannot be written is left for the next call.
    void KeepRecoveryCopy(std::time_t now);
    // At start-up: a copy left by a run that ended without closing (a crash) is offered
    // with its project's name and time; Yes loads it as the modified project under its
    // file name, No discards it. True when a copy was restored.
    bool OfferRecovery();
    // The unit options asked for a restart: the window closes and the program starts again.
    void RequestRestart();
    bool RestartRequested() const;
    // The command line of the restarted program: the project open when the window closed
    // (after the save question), so the new run shows it again.
    std::vector<std::string> RestartArguments() const;

    // The window's part in a project load that does not come from a file command (a
    // design variant shown).
    IProjectLoadHost& LoadHost() { return *this; }

private:
    // IProjectCommandHost
    void BeginProjectLoad() override;
    void RestoreMotors(const std::optional<TMotorReference>& commit, const std::optional<TMotorReference>& option,
                       const std::optional<TMotorReference>& cad) override;
    void EndProjectLoad() override;
    void ProjectFileChanged() override;
    void SetWindowEnabled(bool enabled) override;
    void FinishEdits() override;

    TKinemoContext* context_;
    IFileDialogs* files_;
    IMainWindowView* view_;
    TNameValueList texts_;
    TMessageDialogText dialogTexts_;
    TWindowCaptions captions_;
    TPageTabCaptions tabs_;
    TCadAvailability cad_;
    TSubPageNavigator navigator_;
    std::unique_ptr<TSizingSession> session_;
    std::unique_ptr<TProjectCommands> projects_;
    std::unique_ptr<TRecoveryCopy> recovery_;
    bool terminate_ = false;
};

}  // namespace kinemo
