// Project commands.
#include "shell/ProjectCommands.h"

#include "base/AtomicFile.h"
#include "shell/CloseRule.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/DelayedProgress.h"
#include "base/NameValueList.h"
#include "base/ScopedRestore.h"
#include "base/SpecialFolder.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"

#include <exception>
#include <filesystem>

namespace kinemo {

namespace {

constexpr const char* kDefaultFilter = "Config File|*.kjb|All File|*.*";
constexpr const char* kDefaultExt = ".kjb";

std::string TextOr(const TNameValueList& texts, const char* key, const char* def) {
    std::string t = texts.Value(key);
    return t.empty() ? def : t;
}

// Keeps the main window disabled while a file is written, also when writing fails.
class TWindowDisabled {
public:
    explicit TWindowDisabled(IProjectCommandHost& host) : host_(host) { host_.SetWindowEnabled(false); }
    ~TWindowDisabled() { host_.SetWindowEnabled(true); }
    TWindowDisabled(const TWindowDisabled&) = delete;
    TWindowDisabled& operator=(const TWindowDisabled&) = delete;

private:
    IProjectCommandHost& host_;
};

}  // namespace

TProjectCommands::TProjectCommands(TKinemoContext& context, TSizingSession& session, IFileDialogs& files,
                                   IProjectCommandHost& host)
    : context_(&context),
      session_(&session),
      files_(&files),
      host_(&host),
      openFilter_(kDefaultFilter),
      saveFilter_(kDefaultFilter),
      openExt_(kDefaultExt),
      saveExt_(kDefaultExt) {}

void TProjectCommands::SetTexts(const TNameValueList& texts) {
    openFilter_ = TextOr(texts, "OpenDialogXml", kDefaultFilter);
    saveFilter_ = TextOr(texts, "SaveDialogXml", kDefaultFilter);
    openExt_ = TextOr(texts, "OpenDialogXml.DefaultExt", kDefaultExt);
    saveExt_ = TextOr(texts, "SaveDialogXml.DefaultExt", kDefaultExt);
    saveQuestion_ = texts.Value("FormCloseFileSave");
    recentMissing_ = texts.Value("RecentProjectMissing");
}

bool TProjectCommands::ConfirmDiscard() {
    host_->FinishEdits();
    if (!session_->Modified()) return true;
    return AskToSave(saveQuestion_, context_->Dialogs(), [this] { return Save(); });
}

TFileDialogRequest TProjectCommands::OpenRequest() const {
    return {openFilter_, openExt_, context_->Run().Settings.SaveFileFolder};
}

TFileDialogRequest TProjectCommands::SaveRequest() const {
    return {saveFilter_, saveExt_, context_->Run().Settings.SaveFileFolder};
}

void TProjectCommands::New() {
    if (!ConfirmDiscard()) return;
    {
        TBusyScope busy(context_->BusyCursor());
        session_->NewProject(host_);
        context_->Run().CurrentFileName.clear();
    }
    host_->ProjectFileChanged();
}

void TProjectCommands::Open() {
    if (!ConfirmDiscard()) return;
    std::optional<std::string> name;
    do {
        name = files_->OpenFileName(OpenRequest());
        if (!name) return;
        if (!FileExists(*name)) *name = WithDefaultExtension(*name, openExt_);
    } while (!FileExists(*name));
    LoadFile(*name);
}

void TProjectCommands::LoadFile(const std::string& path) {
    std::string error;
    bool failed = false;
    {
        TBusyScope busy(context_->BusyCursor());
        // A load that lasts shows its steps with a way to stop it; the session then puts the
        // previous project back, and the user, who asked for it, is not told more.
        TDelayedProgress progress(context_->Progress(), kLoadProgressDelay);
        TProjectDocument& document = session_->Document();
        document.SetProgress(&progress);
        const TRestoreOnExit finish([&] {
            document.SetProgress(nullptr);
            progress.Finish();
        });
        try {
            if (session_->LoadProject(path, host_) == TProjectDocument::TLoadResult::Accepted) {
                context_->Run().CurrentFileName = path;
                Remember(path);
            }
        } catch (const TProjectLoadCancelled&) {
        } catch (const std::exception& e) {
            failed = true;
            error = e.what();
        }
    }
    // The session has put the previous project back; its file name stays with it.
    if (failed) context_->Dialogs().ShowMessageDialog(error, TMsgDlgType::Warning, mbOK);
    host_->ProjectFileChanged();
}

bool TProjectCommands::Save() {
    const std::string path = context_->Run().CurrentFileName;
    if (path.empty()) return SaveAs();
    host_->FinishEdits();
    TBusyScope busy(context_->BusyCursor());
    {
        TWindowDisabled disabled(*host_);
        session_->SaveProject(path);
    }
    Remember(path);
    host_->ProjectFileChanged();
    return true;
}

bool TProjectCommands::SaveAs() {
    host_->FinishEdits();
    std::optional<std::string> name = files_->SaveFileName(SaveRequest());
    if (!name) return false;
    const std::string path = WithDefaultExtension(*name, saveExt_);
    std::string error;
    bool saved = false;
    {
        TBusyScope busy(context_->BusyCursor());
        try {
            session_->SaveProject(path);
            context_->Run().CurrentFileName = path;
            saved = true;
            Remember(path);
        } catch (const std::exception& e) {
            error = e.what();
        }
    }
    if (!saved) context_->Dialogs().ShowMessageDialog(error, TMsgDlgType::Warning, mbOK);
    host_->ProjectFileChanged();
    return saved;
}

void TProjectCommands::OpenCommandLine(const std::vector<std::string>& arguments) {
    // A first argument that names no file is ignored silently.
    if (arguments.empty() || !FileExists(arguments.front())) return;
    context_->Run().CurrentFileName.clear();
    // Absolute, so the recent list and a restart from another folder find it again.
    LoadFile(std::filesystem::absolute(arguments.front()).lexically_normal().string());
}

void TProjectCommands::OpenRecent(const std::string& path) {
    if (!FileExists(path)) {
        TUserSettings& settings = context_->Run().Settings;
        settings.RecentProjects.Remove(path);
        settings.WriteRecentProjects(context_->Folders());
        host_->ProjectFileChanged();
        const std::string note = recentMissing_.empty() ? path : FormatText(recentMissing_, {path});
        context_->Dialogs().ShowMessageDialog(note, TMsgDlgType::Information, mbOK);
        return;
    }
    if (!ConfirmDiscard()) return;
    LoadFile(path);
}

void TProjectCommands::Remember(const std::string& path) {
    const std::filesystem::path absolute = std::filesystem::absolute(path).lexically_normal();
    TUserSettings& settings = context_->Run().Settings;
    settings.RecentProjects.Add(absolute.string());
    try {
        settings.WriteRecentProjects(context_->Folders());
    } catch (const std::exception&) {
        // The list stays in memory; the close writes the settings again and reports a
        // settings folder that cannot be written.
    }
}

}  // namespace kinemo
