// The main window's model over a fixture catalog: start-up steps, CAD and version
// messages, commands, commit wiring, price checks, the project commands through real
// files and the close path.
#include "base/ApplicationVersion.h"
#include "base/AtomicFile.h"
#include "base/ConfigFile.h"
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "shell/MainWindowModel.h"
#include "base/Registry.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ShellCatalog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <cstdio>
#include <sys/stat.h>

using namespace kinemo;
using kinemo::test::TRecordingDialogs;

namespace {

class TRecordingView : public IMainWindowView {
public:
    int changes = 0, firstPages = 0;
    std::vector<bool> enabled;
    void MainWindowChanged() override { ++changes; }
    void ShowFirstPages() override { ++firstPages; }
    void SetWindowEnabled(bool e) override { enabled.push_back(e); }
    void FinishEdits() override {
        ++finishedEdits;
        if (onFinishEdits) onFinishEdits();
    }
    std::function<void()> onFinishEdits;  // what an editor still open hands over
    void CaptionChanged() override { ++captionChanges; }
    int finishedEdits = 0, captionChanges = 0;
};

class TCountingCursor : public IBusyCursor {
public:
    int depth = 0, begun = 0;
    void Begin() override { ++depth, ++begun; }
    void End() override { --depth; }
};

class MainWindowModel : public ::testing::Test {
protected:
    void Start(const test::TShellCatalogOptions& options = {}) {
        model.reset();  // it works on the context it was built on
        test::MakeShellCatalog(dir.File("Kinemo.db"), options);
        // The user's documents folder is named in user-dirs.dirs and not there yet.
        std::filesystem::create_directories(dir.File("cfg"));
        std::filesystem::create_directories(dir.File("home"));
        test::WriteFile(dir.File("cfg/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
        context = std::make_unique<TKinemoContext>(dir.File("Kinemo.db"),
                                                   TSpecialFolder(dir.File("cfg"), "", dir.File("home")), dialogs);
        context->SetBusyCursor(&cursor);
        model = std::make_unique<TMainWindowModel>(*context, files, view);
        model->BeginStartup();
        model->ReadSettings();
        model->LoadDialogTexts();
        accepted = model->ReadCatalogSettings();
        model->CheckCadLink(TRegistry({dir.File("registry.ini")}));
        model->LoadTexts();
        model->LoadCatalogTables();
        model->LoadErrorTableAndTabs();
        model->FinishStartup();
        model->ShowVantorLanguageMismatch();
    }
    std::string Messages() const {
        std::string out;
        for (const auto& m : dialogs.messages) out += m.text + "|";
        return out;
    }

    test::TempDir dir;
    TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    TRecordingView view;
    TCountingCursor cursor;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TMainWindowModel> model;
    bool accepted = false;
};

}  // namespace

TEST_F(MainWindowModel, StartsWithDefaultsCaptionAndTabsFromTheCatalog) {
    Start();
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(model->TerminateRequested());
    EXPECT_TRUE(context->Run().StartupDone);
    // Projects go to the documents folder, made on first use; never the program folder.
    EXPECT_EQ(context->Run().Settings.SaveFileFolder, dir.File("home/Documents/"));
    EXPECT_TRUE(DirectoryExists(dir.File("home/Documents")));
    EXPECT_EQ(context->Run().Settings.UserFactorFileFolder, context->Folders().UserFactorFolder());
    EXPECT_EQ(model->Caption(), "Kinemo " + context->Run().ApplicationVersionText + " [catalog 2.5.0.1]");
    EXPECT_EQ(model->TabCaptions().Caption(TTabSheet::ChoiceMotor), "Motor          ");
    EXPECT_EQ(model->DialogTexts().Caption(TMsgDlgType::Confirmation, "Kinemo"), "Confirm");
    EXPECT_FALSE(model->Cad().Available);
    EXPECT_TRUE(dialogs.messages.empty()) << Messages();  // no CAD program installed: no message
}

TEST_F(MainWindowModel, ARefusedCatalogAsksToEndTheRunButStartUpGoesOn) {
    Start({.TrueVersion = "0.1.0.0"});
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(model->TerminateRequested());
    EXPECT_EQ(Messages(), "Catalog for another major version.|");
    EXPECT_TRUE(context->Run().StartupDone);
}

TEST_F(MainWindowModel, TheReleaseQuestionDecidesBothWays) {
    const std::string app = ApplicationVersionText();
    const std::string release = app.substr(0, app.find('.', app.find('.') + 1)) + ".42.0";
    dialogs.answers = {mrYes};
    Start({.TrueVersion = release});
    EXPECT_FALSE(model->TerminateRequested());
    EXPECT_EQ(Messages(), "Catalog for another release. Continue?|");
    dialogs.messages.clear();
    dialogs.answers = {mrNo};
    Start({.TrueVersion = release});
    EXPECT_TRUE(model->TerminateRequested());
}

TEST_F(MainWindowModel, CadPageAndLanguageMismatchMessage) {
    test::WriteFile(dir.File("registry.ini"), "[Software\\Kinemo\\CadLink]\nLanguage=ja\n");
    Start();
    EXPECT_FALSE(context->Run().VantorAvailable);
    EXPECT_EQ(Messages(), "The CAD program speaks another language.|");
    EXPECT_EQ(dialogs.messages[0].buttons, unsigned(mbOK));
    dialogs.messages.clear();
    test::WriteFile(dir.File("registry.ini"), "[Software\\Kinemo\\CadLink]\nLanguage=en\n");
    Start();
    EXPECT_TRUE(context->Run().VantorAvailable);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowModel, CommandsFollowDebugModeAndTheCommittedMotor) {
    Start({.DebugMode = 1, .UserDefineFactor = 0});
    EXPECT_TRUE(model->CommandVisible("ActionMenuOptionCarryValue"));
    EXPECT_FALSE(model->CommandVisible("ActionMenuOptionDefineUserFactor"));
    EXPECT_FALSE(model->CommandEnabled("ActionMenuOptionCommitMotorValue"));
    EXPECT_FALSE(model->CheckCommittedMotorForDebug());
    EXPECT_EQ(Messages(), "Missing Commit Motor|");
    EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Custom);
    model->CommitMotor({1001, 102});
    EXPECT_TRUE(model->CommandEnabled("ActionMenuOptionCommitMotorValue"));
    EXPECT_TRUE(model->CheckCommittedMotorForDebug());
    model->ReleaseCommit();
    EXPECT_FALSE(model->CommandEnabled("ActionMenuOptionCommitMotorValue"));
    EXPECT_GE(view.changes, 2);
}

TEST_F(MainWindowModel, HelpTargetsComeFromTheSymbols) {
    Start();
    EXPECT_EQ(model->HelpTarget("ActionMenuHelpHelp").Target, "https://example.org/kinemo/help");
    EXPECT_EQ(model->HelpTarget("ActionMenuHelpCatalog").Target, dir.Path() + "/doc/catalog.pdf");
    EXPECT_EQ(model->HelpTarget("ActionMenuFileOpen").Target, "");
}

TEST_F(MainWindowModel, PriceCheckCodesShowTheirErrorTexts) {
    Start();
    for (int code : {-1, 0, 3, 6, 7}) model->ShowPriceCheckResult(code);
    EXPECT_EQ(Messages(), "Choose a motor|Amplifier needs 200 V|Single-phase 200 V only|");
    EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Error);
}

TEST_F(MainWindowModel, SaveAsOpenRoundTripKeepsMotorsAndReportTexts) {
    Start();
    model->CommitMotor({6001, 601});  // a geared motor: its ratio must come back too
    model->SetPrintTexts("Line 4", "first\r\nsecond");
    files.saveNames = {dir.File("job")};  // typed without an extension
    EXPECT_TRUE(model->Projects().SaveAs());
    EXPECT_EQ(context->Run().CurrentFileName, dir.File("job.kjb"));
    EXPECT_EQ(files.saveRequests[0].InitialFolder, dir.File("home/Documents/"));
    EXPECT_EQ(files.saveRequests[0].Filter, "Project (*.kjb)|*.kjb|All files|*.*");
    // The project heads the recent projects; the folder chosen for projects stays.
    EXPECT_EQ(context->Run().Settings.SaveFileFolder, dir.File("home/Documents/"));
    EXPECT_EQ(context->Run().Settings.RecentProjects.Files().front(), dir.File("job.kjb"));
    EXPECT_NE(model->Caption().find("- job.kjb"), std::string::npos);

    model->Projects().New();
    EXPECT_EQ(context->Run().CurrentFileName, "");
    EXPECT_FALSE(model->Commit().Committed());
    EXPECT_EQ(model->PrintHeaderText(), "");

    files.openNames = {dir.File("missing.kjb"), dir.File("job.kjb")};
    model->Projects().Open();
    EXPECT_EQ(files.openRequests.size(), 2u);  // the missing name showed the dialog again
    EXPECT_EQ(context->Run().CurrentFileName, dir.File("job.kjb"));
    EXPECT_EQ(model->Commit().CommittedMotor(), (TMotorReference{6001, 601}));
    ASSERT_NE(model->Session().CommittedMotor(), nullptr);
    EXPECT_EQ(model->Session().CommittedMotor()->msv_model_all, "HNP0052BBP05K");
    EXPECT_GT(model->Session().CommittedMotor()->msgr_value, 1.0);
    EXPECT_EQ(model->PrintCommentText(), "first\r\nsecond");
    EXPECT_EQ(cursor.depth, 0);
    EXPECT_GE(cursor.begun, 3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowModel, SaveWithoutAFileAsksForOneAndWithAFileWritesIt) {
    Start();
    files.saveNames = {std::nullopt};
    model->Projects().Save();  // cancelled Save As
    EXPECT_EQ(context->Run().CurrentFileName, "");
    EXPECT_EQ(files.saveRequests.size(), 1u);
    files.saveNames = {dir.File("a.kjb")};
    model->Projects().Save();
    ASSERT_TRUE(FileExists(dir.File("a.kjb")));
    model->SetPrintTexts("changed", "");
    model->Projects().Save();
    EXPECT_EQ(files.saveRequests.size(), 2u);
    EXPECT_NE(ReadWholeFile(dir.File("a.kjb")).find("changed"), std::string::npos);
    EXPECT_EQ(view.enabled, (std::vector<bool>{false, true}));  // disabled while writing
}

TEST_F(MainWindowModel, ASaveFailureReachesTheCallerWithCursorAndWindowRestored) {
    Start();
    files.saveNames = {dir.File("a.kjb")};
    model->Projects().SaveAs();
    // A folder in the file's place makes every write fail, also for root.
    ASSERT_EQ(std::remove(dir.File("a.kjb").c_str()), 0);
    ASSERT_EQ(::mkdir(dir.File("a.kjb").c_str(), 0755), 0);
    EXPECT_THROW(model->Projects().Save(), TKinemoError);
    EXPECT_EQ(cursor.depth, 0);
    EXPECT_EQ(view.enabled.back(), true);
    // Save As reports the same failure as a warning and keeps the file name.
    files.saveNames = {dir.File("a.kjb")};
    EXPECT_FALSE(model->Projects().SaveAs());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Warning);
    EXPECT_EQ(dialogs.messages[0].text, "The file \"" + dir.File("a.kjb") +
                                          "\" could not be written (Is a directory). The previous file is unchanged.");
    EXPECT_EQ(context->Run().CurrentFileName, dir.File("a.kjb"));
    EXPECT_EQ(cursor.depth, 0);
}

TEST_F(MainWindowModel, AnUnreadableProjectWarnsAndKeepsTheOpenProject) {
    Start();
    model->CommitMotor({1001, 101});
    files.saveNames = {dir.File("good.kjb")};
    model->Projects().SaveAs();
    files.openNames = {dir.File("good.kjb")};
    model->Projects().Open();
    const std::string before = model->Session().ProjectText();
    model->SetPrintTexts("unsaved", "");
    for (const char* broken : {"<KINEMO><FrameChoiceFactor>", "<KINEMO><Commit><MsvID>x</MsvID></Commit></KINEMO>"}) {
        test::WriteFile(dir.File("broken.kjb"), broken);
        dialogs.messages.clear();
        dialogs.answers = {mrNo};  // do not save the changes first
        files.openNames = {dir.File("broken.kjb")};
        model->Projects().Open();
        EXPECT_EQ(context->Run().CurrentFileName, dir.File("good.kjb")) << broken;
        ASSERT_EQ(dialogs.messages.size(), 2u) << broken;
        EXPECT_EQ(dialogs.messages[1].type, TMsgDlgType::Warning);
        EXPECT_EQ(dialogs.messages[1].buttons, unsigned(mbOK));
        EXPECT_NE(model->Caption().find("- good.kjb"), std::string::npos);
        EXPECT_EQ(model->PrintHeaderText(), "unsaved");  // nothing of the open project was lost
        EXPECT_TRUE(model->Modified());
        EXPECT_TRUE(model->Commit().Committed());
        EXPECT_EQ(cursor.depth, 0);
    }
    model->SetPrintTexts("", "");
    EXPECT_EQ(model->Session().ProjectText(), before);
}

TEST_F(MainWindowModel, ARefusedProjectVersionKeepsTheOpenFile) {
    Start();
    files.saveNames = {dir.File("mine.kjb")};
    model->Projects().SaveAs();
    test::WriteFile(dir.File("old.kjb"), "<KINEMO ApplicationVersion=\"0.9.0.0\" MDBVersion=\"2.5.0.1\"/>");
    model->CommitMotor({1001, 101});
    dialogs.answers = {mrNo};  // the save question: go on without saving
    files.openNames = {dir.File("old.kjb")};
    model->Projects().Open();
    EXPECT_EQ(context->Run().CurrentFileName, dir.File("mine.kjb"));
    EXPECT_EQ(Messages(), "Save the project?|Project of another major version.|");
    EXPECT_TRUE(model->Commit().Committed());  // the refused file changed nothing
    EXPECT_TRUE(model->Modified());
}

TEST_F(MainWindowModel, CommandLineProjectOpensOrWarnsOrIsIgnored) {
    Start();
    files.saveNames = {dir.File("cli.kjb")};
    model->Projects().SaveAs();
    model->Projects().New();
    model->OpenCommandLineProject({dir.File("nothing-here.kjb")});
    EXPECT_EQ(context->Run().CurrentFileName, "");
    EXPECT_TRUE(dialogs.messages.empty());
    model->OpenCommandLineProject({dir.File("cli.kjb"), "ignored"});
    EXPECT_EQ(context->Run().CurrentFileName, dir.File("cli.kjb"));
    test::WriteFile(dir.File("bad.kjb"), "garbage");
    model->OpenCommandLineProject({dir.File("bad.kjb")});
    EXPECT_EQ(context->Run().CurrentFileName, "");  // the command line starts from no file
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MainWindowModel, CloseWritesTheSettingsAndYesSavesAs) {
    Start();
    TUserSettings s = context->Run().Settings;
    s.SaveFileFolder = dir.File("elsewhere") + "/";
    model->ApplyFolders(s);
    EXPECT_EQ(view.firstPages, 1);
    EXPECT_TRUE(model->CloseRequest());  // nothing changed: nothing asked
    EXPECT_TRUE(dialogs.messages.empty());
    model->SetPrintTexts("a change", "");
    dialogs.answers = {mrCancel};
    EXPECT_FALSE(model->CloseRequest());
    // Cancelled, and still the folder reached the settings file.
    TConfigFile ini(context->Folders().SettingsFile());
    EXPECT_EQ(ini.ReadString("Dir", "SaveFile", ""), dir.File("elsewhere") + "/");
    dialogs.answers = {mrYes};
    files.saveNames = {dir.File("closing.kjb")};
    EXPECT_TRUE(model->CloseRequest());
    EXPECT_TRUE(FileExists(dir.File("closing.kjb")));
    EXPECT_EQ(files.saveRequests[0].InitialFolder, dir.File("elsewhere") + "/");
}

TEST_F(MainWindowModel, NewAsksBeforeDiscardingChangesAndCancelKeepsEverything) {
    Start();
    model->Projects().New();  // untouched: no question
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(model->Modified());
    model->SetPrintTexts("mine", "");
    EXPECT_TRUE(model->Modified());
    dialogs.answers = {mrCancel};
    model->Projects().New();
    EXPECT_EQ(Messages(), "Save the project?|");
    EXPECT_EQ(model->PrintHeaderText(), "mine");
    EXPECT_TRUE(model->Modified());
    dialogs.answers = {mrYes};  // Yes saves first, through Save As
    files.saveNames = {dir.File("kept.kjb")};
    model->Projects().New();
    EXPECT_NE(ReadWholeFile(dir.File("kept.kjb")).find("mine"), std::string::npos);
    EXPECT_EQ(model->PrintHeaderText(), "");
    EXPECT_FALSE(model->Modified());
    model->SetPrintTexts("again", "");
    dialogs.answers = {mrNo};
    model->Projects().New();
    EXPECT_EQ(model->PrintHeaderText(), "");
    EXPECT_FALSE(model->Modified());
}

TEST_F(MainWindowModel, YesToTheSaveQuestionSavesToTheOpenFile) {
    Start();
    files.saveNames = {dir.File("named.kjb")};
    ASSERT_TRUE(model->Projects().SaveAs());
    model->SetPrintTexts("before closing", "");
    dialogs.answers = {mrYes};
    EXPECT_TRUE(model->CloseRequest());
    EXPECT_EQ(files.saveRequests.size(), 1u);  // no Save As dialog for a project with a name
    EXPECT_NE(ReadWholeFile(dir.File("named.kjb")).find("before closing"), std::string::npos);
    EXPECT_FALSE(model->Modified());
    model->SetPrintTexts("before new", "");
    dialogs.answers = {mrYes};
    model->Projects().New();
    EXPECT_EQ(files.saveRequests.size(), 1u);
    EXPECT_NE(ReadWholeFile(dir.File("named.kjb")).find("before new"), std::string::npos);
}

TEST_F(MainWindowModel, AnEditStillOpenIsFinishedBeforeSavingOrAsking) {
    Start();
    view.onFinishEdits = [this] { model->SetPrintTexts("typed", ""); };
    files.saveNames = {dir.File("typed.kjb")};
    ASSERT_TRUE(model->Projects().Save());  // Save As: no file yet
    EXPECT_NE(ReadWholeFile(dir.File("typed.kjb")).find("typed"), std::string::npos);
    view.onFinishEdits = [this] { model->SetPrintTexts("typed again", ""); };
    ASSERT_TRUE(model->Projects().Save());
    EXPECT_NE(ReadWholeFile(dir.File("typed.kjb")).find("typed again"), std::string::npos);
    EXPECT_FALSE(model->Modified());
    // Closing with nothing saved yet but a value being typed: the question comes.
    view.onFinishEdits = [this] { model->SetPrintTexts("typed at the close", ""); };
    dialogs.answers = {mrCancel};
    EXPECT_FALSE(model->CloseRequest());
    EXPECT_EQ(Messages(), "Save the project?|");
    view.onFinishEdits = [this] { model->SetPrintTexts("typed before opening", ""); };
    dialogs.answers = {mrCancel};
    model->Projects().Open();
    EXPECT_EQ(Messages(), "Save the project?|Save the project?|");
    EXPECT_TRUE(files.openRequests.empty());
}

TEST_F(MainWindowModel, TheCaptionMarksUnsavedChanges) {
    Start();
    const std::string clean = model->Caption();
    ASSERT_NE(clean.front(), '*');
    const int before = view.captionChanges;
    model->SetPrintTexts("a change", "");
    EXPECT_EQ(model->Caption(), "*" + clean);
    EXPECT_GT(view.captionChanges, before);
    files.saveNames = {dir.File("marked.kjb")};
    ASSERT_TRUE(model->Projects().SaveAs());
    EXPECT_EQ(model->Caption().front(), 'K');
    EXPECT_NE(model->Caption().find("- marked.kjb"), std::string::npos);
    model->CommitMotor({1001, 101});
    EXPECT_EQ(model->Caption().front(), '*');
}
