// Shared pieces of the UI tests: an isolated environment (offscreen, pinned locale, HOME
// and XDG folders in a temporary folder), recorded error reports, fixture catalogs and a
// main window built over them with scripted dialogs.
#pragma once

#include "shell/FormMain.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ShellCatalog.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo::uitest {

// Call before the application object exists.
void PrepareEnvironment();

// Error reports go to a list while the object lives.
class TErrorReports {
public:
    TErrorReports();
    ~TErrorReports();
    QStringList texts;
};

// Builds an SQLite catalog; raises on SQL errors.
void CreateCatalog(const std::string& path, const std::string& sql);

// A program folder with a fixture catalog (and the splash picture when asked).
class TProgramFolder {
public:
    explicit TProgramFolder(const test::TShellCatalogOptions& options = {}, bool withSplash = true);
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    std::string File(const std::string& name) const { return Path() + name; }

private:
    QTemporaryDir dir_;
};

// The main window over a fixture catalog with scripted message and file dialogs.
class TMainFixture {
public:
    explicit TMainFixture(const test::TShellCatalogOptions& options = {}, const std::string& registryText = "",
                          std::vector<std::string> arguments = {});
    ~TMainFixture();

    TFormMain& Form() { return *form; }
    TRunValues& Run() { return context->Run(); }
    std::string File(const std::string& name) const { return folder.File(name); }
    QAction* Action(const char* name) { return form->Action(name); }
    // The message texts shown so far, joined by "|".
    std::string Messages() const;
    // Closes the window (when shown) and builds a new one on the same context and settings
    // folder, as the next run of the program would.
    void RestartWindow(std::vector<std::string> arguments = {});

    TProgramFolder folder;
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    TErrorReports errors;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;
    std::vector<QUrl> opened;
    bool openSucceeds = true;  // what the desktop's handler answers
    int restarts = 0;
    std::vector<std::string> restartArguments;  // of the last restart
    // Scripts a modal dialog instead of running it; returns its result.
    std::function<int(QDialog&)> onDialog;

private:
    void BuildForm(std::vector<std::string> arguments);
};

// Clicks the tab of a page control.
void ClickTab(QTabBar* bar, int index);

}  // namespace kinemo::uitest

// A test executable's entry: the environment first, then the application and the tests.
#define KINEMO_UI_TEST_MAIN(TestClass)                        \
    int main(int argc, char** argv) {                         \
        kinemo::uitest::PrepareEnvironment();                 \
        kinemo::TKinemoApplication app(argc, argv);           \
        TestClass test;                                       \
        return QTest::qExec(&test, argc, argv);               \
    }
