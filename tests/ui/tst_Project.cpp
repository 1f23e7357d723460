// The project commands through the main window and real files: New, Open, Save and Save As
// round trips, the reopened open dialog, unreadable files, the hourglass restored on
// errors, and the system save dialog's settings.
#include "UiTestSupport.h"

#include "base/AtomicFile.h"
#include "session/ProjectDocument.h"
#include "common/QtFileDialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QTimer>

#include <filesystem>

using namespace kinemo;
using uitest::TMainFixture;

namespace {

// A screen section that keeps one text, to see what the commands write and read.
class TTextSection : public IProjectSectionHandler {
public:
    std::string text;
    int loads = 0;
    void SaveSection(pugi::xml_node s) override { s.text().set(text.c_str()); }
    void LoadSection(pugi::xml_node s) override {
        text = s.text().as_string();
        ++loads;
    }
};

}  // namespace

class ProjectTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsNewOpenRoundTrip() {
        TMainFixture f;
        TTextSection pattern;
        f.Form().Model().Document().RegisterSection(TProjectSection::FrameInputPattern, &pattern);
        pattern.text = "trapezoid 0.2 s";
        f.Form().CommitMotor({6001, 601});
        f.files.saveNames = {f.File("press")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        QVERIFY(FileExists(f.File("press.kjb")));
        QVERIFY(f.Form().windowTitle().endsWith("press.kjb"));

        f.Action("ActionMenuFileCreate")->trigger();
        QCOMPARE(pattern.text, std::string());  // New resets every section
        QVERIFY(!f.Form().Model().Commit().Committed());
        QCOMPARE(f.Run().CurrentFileName, std::string());

        f.files.openNames = {f.File("press.kjb")};
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(pattern.text, std::string("trapezoid 0.2 s"));
        QCOMPARE(f.Form().Model().Commit().CommittedMotor(), (TMotorReference{6001, 601}));
        QCOMPARE(f.Run().CurrentFileName, f.File("press.kjb"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(f.dialogs.messages.empty());
        QVERIFY(f.errors.texts.isEmpty());
    }

    // The desktop program must write back exactly what it read: no section lost, nothing
    // rewritten, and opening an example is no change that asks to be saved.
    void everyExampleOpensAndSavesToTheSameBytes() {
        TMainFixture f({.MdbVersion = "1.0.0.0"});  // the sample catalog's, which wrote the examples
        int count = 0;
        for (const auto& e : std::filesystem::directory_iterator(std::string(KINEMO_SOURCE_DIR) + "/examples")) {
            if (e.path().extension() != ".kjb") continue;
            ++count;
            f.files.openNames = {e.path().string()};
            f.Action("ActionMenuFileOpen")->trigger();
            QVERIFY2(f.Run().CurrentFileName == e.path().string(), f.Messages().c_str());
            QVERIFY(!f.Form().Model().Modified());
            f.files.saveNames = {f.File("copy.kjb")};
            f.Action("ActionMenuFileSaveAs")->trigger();
            QVERIFY2(ReadWholeFile(f.File("copy.kjb")) == ReadWholeFile(e.path().string()),
                     e.path().filename().c_str());
        }
        QVERIFY(count >= 7);
        QVERIFY2(f.dialogs.messages.empty(), f.Messages().c_str());
    }

    void saveWritesTheOpenFileAndTwiceGivesTheSameBytes() {
        TMainFixture f;
        f.files.saveNames = {f.File("a.kjb")};
        f.Action("ActionMenuFileSave")->trigger();  // no file yet: Save As
        const std::string first = ReadWholeFile(f.File("a.kjb"));
        f.Action("ActionMenuFileSave")->trigger();
        QCOMPARE(f.files.saveRequests.size(), size_t(1));
        QCOMPARE(ReadWholeFile(f.File("a.kjb")), first);
        QVERIFY(f.Form().isEnabled());
    }

    void theToolButtonsRunTheFileCommands() {
        TMainFixture f;
        f.files.openNames = {std::nullopt};
        QTest::mouseClick(f.Form().findChild<QWidget*>("BtnMenuFileOpen"), Qt::LeftButton);
        QCOMPARE(f.files.openRequests.size(), size_t(1));
        QCOMPARE(f.files.openRequests[0].Filter, std::string("Project (*.kjb)|*.kjb|All files|*.*"));
        // Projects start in the user's folder (no documents folder set up here), never the program's.
        QCOMPARE(f.files.openRequests[0].InitialFolder, qEnvironmentVariable("HOME").toStdString() + "/");
    }

    void openAsksAgainForAMissingName() {
        TMainFixture f;
        f.files.saveNames = {f.File("real.kjb")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        f.Action("ActionMenuFileCreate")->trigger();
        f.files.openNames = {f.File("typo.kjb"), f.File("real")};  // the second without extension
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(f.files.openRequests.size(), size_t(2));
        QVERIFY2(f.Messages().empty(), f.Messages().c_str());
        QCOMPARE(f.Run().CurrentFileName, f.File("real.kjb"));
    }

    void anUnreadableFileWarnsAndKeepsTheOpenProject() {
        TMainFixture f;
        f.files.saveNames = {f.File("good.kjb")};
        f.Form().CommitMotor({1001, 101});
        f.Action("ActionMenuFileSaveAs")->trigger();
        const std::string saved = ReadWholeFile(f.File("good.kjb"));
        test::WriteFile(f.File("bad.kjb"), "<KINEMO><FrameChoiceFactor></KINEMO>");
        f.files.openNames = {f.File("bad.kjb")};
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(f.Run().CurrentFileName, f.File("good.kjb"));
        QCOMPARE(f.dialogs.messages.size(), size_t(1));
        QCOMPARE(f.dialogs.messages[0].type, TMsgDlgType::Warning);
        QVERIFY(f.dialogs.messages[0].text.find("bad.kjb") != std::string::npos);
        QVERIFY(f.Form().windowTitle().endsWith("good.kjb"));
        QVERIFY(f.Form().Model().Commit().Committed());
        QVERIFY(!QApplication::overrideCursor());
        f.Action("ActionMenuFileSave")->trigger();
        QCOMPARE(ReadWholeFile(f.File("good.kjb")), saved);  // what was open is what is saved
    }

    void aFailedSaveIsReportedWithCursorAndWindowRestored() {
        TMainFixture f;
        f.files.saveNames = {f.File("a.kjb")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        std::filesystem::remove(f.File("a.kjb"));
        std::filesystem::create_directory(f.File("a.kjb"));  // every write now fails
        f.Action("ActionMenuFileSave")->trigger();
        QCOMPARE(f.errors.texts.size(), 1);
        QVERIFY(f.errors.texts[0].contains("a.kjb"));
        QVERIFY(f.errors.texts[0].endsWith('.'));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(f.Form().isEnabled());
        QCOMPARE(f.Run().CurrentFileName, f.File("a.kjb"));
    }

    void aRefusedVersionKeepsTheOpenFile() {
        TMainFixture f;
        f.files.saveNames = {f.File("mine.kjb")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        test::WriteFile(f.File("old.kjb"), "<KINEMO ApplicationVersion=\"0.1.0.0\" MDBVersion=\"2.5.0.1\"/>");
        f.files.openNames = {f.File("old.kjb")};
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(f.Messages(), std::string("Project of another major version."));
        QCOMPARE(f.Run().CurrentFileName, f.File("mine.kjb"));
    }

    void systemSaveDialogAsksBeforeOverwritingAndStartsInTheFolder() {
        TQtFileDialogs files;
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(!d->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(d->defaultSuffix(), QString("kjb"));
            QCOMPARE(d->nameFilters(), (QStringList{"Kinemo project (*.kjb)", "All files (*.*)"}));
            QCOMPARE(d->directory().absolutePath(), QDir::tempPath());
            checked = true;
            d->reject();
        });
        const auto name = files.SaveFileName({"Kinemo project (*.kjb)|*.kjb|All files (*.*)|*.*", ".kjb",
                                              QDir::tempPath().toStdString()});
        QVERIFY(checked);
        QVERIFY(!name.has_value());
    }

    void filtersInTheToolkitsForm() {
        QCOMPARE(QtFilter("Config File|*.kjb|All File|*.*"), QString("Config File (*.kjb);;All File (*.*)"));
        QCOMPARE(QtFilter("Pictures|*.jpg;*.jpeg"), QString("Pictures (*.jpg *.jpeg)"));
    }
};

KINEMO_UI_TEST_MAIN(ProjectTest)
#include "tst_Project.moc"
