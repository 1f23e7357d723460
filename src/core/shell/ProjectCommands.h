// The project commands New, Open, Save and Save As, and the project named on the command
// line: which dialogs they show, what they do to the open file name, and how they fail.
#pragma once

#include "base/FileDialogs.h"
#include "session/ProjectDocument.h"

#include <chrono>
#include <string>
#include <vector>

namespace kinemo {

// An open that takes longer than this shows its progress, with a way to stop it.
inline constexpr std::chrono::milliseconds kLoadProgressDelay{500};

class TKinemoContext;
class TNameValueList;
class TSizingSession;

// The main window's part in the project commands; its load steps run after the session's.
class IProjectCommandHost : public IProjectLoadHost {
public:
    // The open file may have changed: caption, element screen layout.
    virtual void ProjectFileChanged() = 0;
    // Save keeps the window disabled while it writes.
    virtual void SetWindowEnabled(bool enabled) = 0;
    // An edit still open in a screen (a cell being typed) is finished, so that what the
    // user sees is what is saved or asked about.
    virtual void FinishEdits() = 0;
};

class TProjectCommands {
public:
    TProjectCommands(TKinemoContext& context, TSizingSession& session, IFileDialogs& files,
                     IProjectCommandHost& host);

    // Filters, default extensions and the save question from s_message class
    // "main_window"; without texts the built-in "Config File|*.kjb|All File|*.*" and ".kjb"
    // apply, and unsaved changes are discarded without a question.
    void SetTexts(const TNameValueList& mainWindowTexts);

    // Unsaved changes (an edit still open counts): asks whether to save them first (Yes
    // saves, to the open file when there is one, No discards, Cancel keeps everything).
    // True when the caller may go on. Nothing is asked without changes.
    bool ConfirmDiscard();

    // An empty project, after the save question.
    void New();
    // The save question, then the open dialog, again for a name that does not exist. A file
    // that cannot be read is reported and the open project stays as it was.
    void Open();
    // Save As without a file name; otherwise writes it (errors reach the caller). Both
    // finish an open edit first. True when the project was written.
    bool Save();
    bool SaveAs();
    // The first argument, when it names an existing file, is opened like Open.
    void OpenCommandLine(const std::vector<std::string>& arguments);
    // An entry of the recent-projects list: a file that is gone leaves the list with a
    // note naming it; otherwise the save question, then the file opens like Open.
    void OpenRecent(const std::string& path);

private:
    TFileDialogRequest OpenRequest() const;
    TFileDialogRequest SaveRequest() const;
    void LoadFile(const std::string& path);
    // A project opened or saved heads the recent-projects list. The dialogs keep starting
    // in the folder the user chose for projects.
    void Remember(const std::string& path);

    TKinemoContext* context_;
    TSizingSession* session_;
    IFileDialogs* files_;
    IProjectCommandHost* host_;
    std::string openFilter_, saveFilter_, openExt_, saveExt_, saveQuestion_, recentMissing_;
};

}  // namespace kinemo
