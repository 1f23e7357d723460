// The project commands New, Open, Save and Save As, and the project named on the command
// line: which dialogs they show, what they do to the open file name, and how they fail.
#pragma once

#include "base/FileDialogs.h"
#include "app/ProjectDocument.h"

#include <string>
#include <vector>

namespace kinemo {

class TKinemoContext;
class TNameValueList;

// The main window's part in the project commands.
class IProjectCommandHost : public IProjectLoadHost {
public:
    // The motor references and report texts to write.
    virtual TProjectHeader CurrentHeader() const = 0;
    // The report texts of a loaded or new project.
    virtual void SetReportTexts(const std::string& header, const std::string& comment) = 0;
    // The open file may have changed: caption, element screen layout.
    virtual void ProjectFileChanged() = 0;
    // Save keeps the window disabled while it writes.
    virtual void SetWindowEnabled(bool enabled) = 0;
};

class TProjectCommands {
public:
    TProjectCommands(TKinemoContext& context, TProjectDocument& document, IFileDialogs& files,
                     IProjectCommandHost& host);

    // Filters and default extensions from s_message class "main_window"; without texts the
    // built-in "Config File|*.kjb|All File|*.*" and ".kjb" apply.
    void SetTexts(const TNameValueList& mainWindowTexts);

    // An empty project, without asking to save the current one.
    void New();
    // The open dialog, again for a name that does not exist; errors are warnings and
    // leave no file open.
    void Open();
    // Save As without a file name; otherwise writes it (errors reach the caller).
    void Save();
    // True when the project was written.
    bool SaveAs();
    // The first argument, when it names an existing file, is opened like Open.
    void OpenCommandLine(const std::vector<std::string>& arguments);

private:
    TFileDialogRequest OpenRequest() const;
    TFileDialogRequest SaveRequest() const;
    void LoadFile(const std::string& path);

    TKinemoContext* context_;
    TProjectDocument* document_;
    IFileDialogs* files_;
    IProjectCommandHost* host_;
    std::string openFilter_, saveFilter_, openExt_, saveExt_;
};

}  // namespace kinemo
