// The program's start-up as a whole: the sample catalog, refused catalog versions that end
// the run, the release question both ways, a missing catalog or splash picture, the CAD
// language message and a project named on the command line.
#include "UiTestSupport.h"

#include "shell/CatalogChoice.h"

#include "base/ApplicationVersion.h"
#include "base/AtomicFile.h"
#include "shell/PageControl.h"
#include "session/KinemoContext.h"
#include "shell/ProgramEntry.h"
#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/UserFactorFile.h"
#include "cad/FrameVantor.h"
#include "cad/VantorPage.h"
#include "base/SpecialFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>
#include <sys/stat.h>

using namespace kinemo;

namespace {

// Runs the program; a started main window is closed again at once (answering No to the
// save question). A run that hangs fails instead of blocking the suite.
struct TRun {
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    uitest::TErrorReports errors;
    bool started = false;
    std::string caption;
    std::string currentFile;
    bool cadTabVisible = false;
    int exitCode = -1;
    std::function<void(TFormMain&)> whileOpen;  // runs in the started window before it closes

    void Go(const std::string& folder, std::vector<std::string> args = {},
            std::optional<TRegistry> registry = TRegistry()) {
        TProgramOptions o;
        o.ProgramFolder = folder;
        o.Arguments = std::move(args);
        o.Dialogs = &dialogs;
        o.FileDialogs = &files;
        o.Registry = std::move(registry);
        o.Restart = [](const std::vector<std::string>&) { QFAIL("no restart expected"); };
        o.Started = [this](TFormMain& form) {
            started = true;
            caption = form.windowTitle().toStdString();
            currentFile = form.Model().Context().Run().CurrentFileName;
            cadTabVisible = form.PageControlMenu()->isTabVisible(2);
            if (whileOpen) whileOpen(form);
            dialogs.answers.push_back(mrNo);
            form.close();
        };
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
        watchdog.start(15000);
        exitCode = RunProgram(std::move(o));
    }
};

std::string OtherVersion(int level) {
    std::string v = ApplicationVersionText();  // "a.b.c.d"
    std::vector<std::string> parts;
    size_t pos = 0;
    for (size_t dot; (dot = v.find('.', pos)) != std::string::npos; pos = dot + 1) parts.push_back(v.substr(pos, dot - pos));
    parts.push_back(v.substr(pos));
    parts[static_cast<size_t>(level - 1)] += "9";
    return parts[0] + "." + parts[1] + "." + parts[2] + "." + parts[3];
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void sampleCatalogStartsAndCloses() {
        TRun run;
        run.Go(KINEMO_BIN_DIR);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.started);
        QVERIFY2(run.errors.texts.isEmpty(), qPrintable(run.errors.texts.join("; ")));
        QVERIFY(run.caption.find(ApplicationVersionText()) != std::string::npos);
        // No message at all: an untouched project closes without the save question.
        QCOMPARE(run.dialogs.messages.size(), size_t(0));
        // The close wrote the settings file.
        QVERIFY(FileExists(TSpecialFolder().SettingsFile()));
    }

    // The language stored in the settings file, and --catalog, choose the catalog.
    void japaneseCatalogByLanguageAndByCommandLine() {
        const std::string settings = TSpecialFolder().SettingsFile();
        const std::string japanese = std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db";
        WriteCatalogLanguage(settings, "ja");
        TRun stored;
        stored.Go(KINEMO_BIN_DIR);
        WriteCatalogLanguage(settings, "en");
        QCOMPARE(stored.exitCode, 0);
        QVERIFY2(stored.caption.find("カタログ") != std::string::npos, stored.caption.c_str());

        TRun named;
        named.Go(KINEMO_BIN_DIR, {"--catalog", japanese});
        QCOMPARE(named.exitCode, 0);
        QVERIFY2(named.caption.find("カタログ") != std::string::npos, named.caption.c_str());
        QVERIFY(named.currentFile.empty());  // --catalog and its path are no project file

        TRun english;
        english.Go(KINEMO_BIN_DIR);
        QVERIFY2(english.caption.find("catalog") != std::string::npos, english.caption.c_str());

        TRun bad;
        bad.Go(KINEMO_BIN_DIR, {"--catalog"});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(!bad.started);
        QCOMPARE(bad.errors.texts.size(), qsizetype(1));
    }

    void refusedCatalogVersionsEndTheRun_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("message");
        QTest::newRow("major") << 1 << "Catalog for another major version.";
        QTest::newRow("minor") << 2 << "Catalog for another minor version.";
    }
    void refusedCatalogVersionsEndTheRun() {
        QFETCH(int, level);
        QFETCH(QString, message);
        uitest::TProgramFolder folder({.TrueVersion = OtherVersion(level)});
        TRun run;
        run.Go(folder.Path());
        QVERIFY(!run.started);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.dialogs.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(run.dialogs.messages[0].text), message);
        QCOMPARE(run.dialogs.messages[0].buttons, unsigned(mbOK));
    }

    void releaseQuestionDecides_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("starts");
        QTest::newRow("Yes continues") << int(mrYes) << true;
        QTest::newRow("No ends") << int(mrNo) << false;
    }
    void releaseQuestionDecides() {
        QFETCH(int, answer);
        QFETCH(bool, starts);
        uitest::TProgramFolder folder({.TrueVersion = OtherVersion(3)});
        TRun run;
        run.dialogs.answers = {answer};
        run.Go(folder.Path());
        QCOMPARE(run.started, starts);
        QCOMPARE(run.dialogs.messages[0].text, std::string("Catalog for another release. Continue?"));
        QCOMPARE(run.dialogs.messages[0].buttons, unsigned(mbYes | mbNo));
    }

    void aBuildOnlyDifferenceStartsSilently() {
        uitest::TProgramFolder folder({.TrueVersion = OtherVersion(4)});
        TRun run;
        run.Go(folder.Path());
        QVERIFY(run.started);
        QVERIFY(run.dialogs.messages.empty());
    }

    void withoutACatalogThereIsNoMainWindow() {
        QTemporaryDir empty;
        TRun run;
        run.Go(empty.path().toStdString());
        QVERIFY(!run.started);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors.texts.size(), 2);  // the splash picture, then the catalog
        QVERIFY(run.errors.texts[1].contains("Kinemo.db"));
    }

    void aMissingSplashPictureIsReportedAndStartUpGoesOn() {
        uitest::TProgramFolder folder({}, false);
        TRun run;
        run.Go(folder.Path());
        QVERIFY(run.started);
        QCOMPARE(run.errors.texts.size(), 1);
        QVERIFY(run.errors.texts[0].contains("splash.jpg"));
    }

    void aCadProgramOfAnotherLanguageHidesItsPageWithAMessage() {
        uitest::TProgramFolder folder;
        test::WriteFile(folder.File("registry.ini"), "[Software\\Kinemo\\CadLink]\nLanguage=de\n");
        TRun run;
        run.Go(folder.Path(), {}, TRegistry({folder.File("registry.ini")}));
        QVERIFY(run.started);
        QVERIFY(!run.cadTabVisible);
        QCOMPARE(run.dialogs.messages[0].text, std::string("The CAD program speaks another language."));
        TRun same;
        test::WriteFile(folder.File("registry.ini"), "[Software\\Kinemo\\CadLink]\nLanguage=en\n");
        same.Go(folder.Path(), {}, TRegistry({folder.File("registry.ini")}));
        QVERIFY(same.cadTabVisible);
        QVERIFY(same.dialogs.messages.empty());
    }

    // A catalog folder given by someone else brings pictures, a registry.ini and a program
    // of its own: the drawing is still made by the installed CAD data program.
    void aCatalogFolderNeverChoosesWhatRuns() {
        QTemporaryDir theirs;
        const std::string folder = theirs.path().toStdString();
        std::filesystem::copy_file(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", folder + "/Kinemo.db");
        std::filesystem::create_directory(folder + "/picture");
        test::WriteFile(folder + "/registry.ini", "[Software\\Kinemo\\CadLink]\nLanguage=en\n"
                                                  "[App Paths\\Zerith.EXE]\n@=kinemo-cad\n");
        const std::string marker = folder + "/their-program-ran";
        test::WriteFile(folder + "/kinemo-cad", "#!/bin/sh\necho ran > '" + marker + "'\ncp \"$1\" \"$2\"\n");
        ::chmod((folder + "/kinemo-cad").c_str(), 0755);

        TRun run;
        TCadExportResult result;
        run.whileOpen = [&](TFormMain& form) {
            form.CommitMotor(TMotorReference{1001, 101});
            TFrameVantor* page = form.findChild<TVantorPage*>("VantorPage")->Export();
            page->findChild<QComboBox*>("ComboBoxImageType")->setCurrentIndex(1);  // the front view, DXF
            page->findChild<QLineEdit*>("EditFileName")->setText(theirs.filePath("drawing"));
            result = page->Execute();
        };
        run.Go(KINEMO_BIN_DIR, {"--catalog", folder + "/Kinemo.db"}, std::nullopt);
        QVERIFY(run.started);
        QVERIFY(!FileExists(marker));
        QCOMPARE(static_cast<int>(result.Outcome), static_cast<int>(TCadExportOutcome::Done));
        QVERIFY(ReadWholeFile(result.Target).rfind("0\nSECTION\n", 0) == 0);  // a drawing of kinemo-cad
    }

    // A broken user element file and a bad settings value: named together, once, and the
    // program starts with everything else.
    void badUserFilesAreNamedOnceAndStartUpGoesOn() {
        const std::string folder = TSpecialFolder().UserFactorFolder();
        {
            // A colleague's element file of this program and catalog with a value that is no number.
            test::TRecordingDialogs quiet;
            TKinemoContext ctx(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(), quiet);
            QVERIFY(ctx.ReadCatalogConfig());
            WriteUserFactorFile(folder + "Broken.kuf", *ctx.Blocks().FindFactorByID(101)->Clone(), 101, {},
                                ctx.Run().ApplicationVersionText, ctx.Run().MdbVersionText);
            std::string text = ReadWholeFile(folder + "Broken.kuf");
            const size_t start = text.find('>', text.find("InputDataID=\"10101\"")) + 1;
            text.replace(start, text.find('<', start) - start, "abc");
            test::WriteFile(folder + "Broken.kuf", text);
        }
        test::WriteFile(folder + "kinemo.ini", "[Print]\nPaperSize=abc\n");
        TRun run;
        run.Go(KINEMO_BIN_DIR);
        std::filesystem::remove(folder + "Broken.kuf");
        std::filesystem::remove(folder + "kinemo.ini");
        QVERIFY(run.started);
        QCOMPARE(run.exitCode, 0);
        int warnings = 0;
        for (const auto& m : run.dialogs.messages) {
            if (m.text.find("Broken.kuf") == std::string::npos) continue;
            ++warnings;
            QCOMPARE(m.type, TMsgDlgType::Warning);
            QVERIFY2(m.text.find("PaperSize=abc") != std::string::npos, m.text.c_str());
        }
        QCOMPARE(warnings, 1);
    }

    void aProjectOnTheCommandLineIsOpened() {
        uitest::TProgramFolder folder;
        test::WriteFile(folder.File("job.kjb"), "<KINEMO><Commit><MsvID>1001</MsvID><MxcID>101</MxcID></Commit></KINEMO>");
        TRun run;
        run.Go(folder.Path(), {folder.File("job.kjb")});
        QCOMPARE(run.currentFile, folder.File("job.kjb"));
        QVERIFY(run.caption.find("job.kjb") != std::string::npos);
        TRun broken;
        test::WriteFile(folder.File("broken.kjb"), "<KINEMO>");
        broken.Go(folder.Path(), {folder.File("broken.kjb")});
        QVERIFY(broken.started);
        QCOMPARE(broken.currentFile, std::string());
        QCOMPARE(broken.dialogs.messages[0].type, TMsgDlgType::Warning);
    }
};

KINEMO_UI_TEST_MAIN(StartupTest)
#include "tst_Startup.moc"
