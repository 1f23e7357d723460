// The main window as a desktop application: the default project folder, recent projects
// across a restart of the window, the remembered place on two screens, the restart after a
// change of units reopening the project, help messages, the About box and the keyboard.
#include "UiTestSupport.h"

#include "shell/MainCommands.h"
#include "shell/PageControl.h"
#include "base/AtomicFile.h"
#include "base/ConfigFile.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>

#include <cstdio>
#include <filesystem>

using namespace kinemo;
using uitest::TMainFixture;

namespace {

std::string Home() { return qEnvironmentVariable("HOME").toStdString() + "/"; }

QAction* Recent(TMainFixture& f, int number) {
    return f.Form().findChild<QAction*>(QString("ActionMenuFileRecent%1").arg(number));
}

class TPage : public IMotorSelectPage {
public:
    bool canLeave = true;
    bool CanLeavePage() override { return canLeave; }
    bool OnPageLeft() override { return true; }
    void OnPageEntered(bool) override {}
    void SetPageActive(bool) override {}
};

// Two screens side by side: 1920 x 1080 and, to its right, 1280 x 1024.
void UseTwoScreens() {
    static QTemporaryDir dir;
    const QString config = dir.filePath("screens.json");
    test::WriteFile(config.toStdString(),
                    R"({"screens": [{"name": "left", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},)"
                    R"( {"name": "right", "x": 1920, "y": 0, "width": 1280, "height": 1024,)"
                    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void projectsGoToTheDocumentsFolderNeverTheProgramFolder() {
        TMainFixture f;
        QCOMPARE(f.Run().Settings.SaveFileFolder, Home());  // no user-dirs.dirs: the home folder
        test::WriteFile(f.File("cfg/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Engineering Docs\"\n");
        f.RestartWindow();
        const std::string documents = Home() + "Engineering Docs/";
        QCOMPARE(f.Run().Settings.SaveFileFolder, documents);
        QVERIFY(DirectoryExists(documents));  // made on first use
        f.Action("ActionMenuFileOpen")->trigger();
        f.Action("ActionMenuFileSaveAs")->trigger();
        QCOMPARE(f.files.openRequests.back().InitialFolder, documents);
        QCOMPARE(f.files.saveRequests.back().InitialFolder, documents);
    }

    void recentProjectsSurviveARestartOfTheWindow() {
        TMainFixture f;
        f.Form().show();
        QVERIFY(!Recent(f, 1));
        for (const char* name : {"first", "second"}) {
            f.files.saveNames = {f.File(name)};
            f.Action("ActionMenuFileSaveAs")->trigger();
        }
        f.dialogs.answers = {mrNo};
        f.RestartWindow();
        QVERIFY(Recent(f, 1) && Recent(f, 2) && !Recent(f, 3));
        QCOMPARE(Recent(f, 1)->toolTip().toStdString(), f.File("second.kjb"));
        QVERIFY(Recent(f, 1)->text().startsWith("&1"));
        QVERIFY(Recent(f, 1)->text().endsWith("second.kjb"));
        QCOMPARE(Recent(f, 2)->toolTip().toStdString(), f.File("first.kjb"));
        // They stand between Save As and Exit.
        const QList<QAction*> items = f.Form().findChild<QMenu*>("MenuFile")->actions();
        QVERIFY(items.indexOf(f.Action("ActionMenuFileSaveAs")) < items.indexOf(Recent(f, 1)));
        QVERIFY(items.indexOf(Recent(f, 2)) < items.indexOf(f.Action("ActionMenuFileExit")));
        // The dialogs keep starting in the folder chosen for projects.
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(f.files.openRequests.back().InitialFolder, f.Run().Settings.SaveFileFolder);
        QVERIFY(f.Run().Settings.SaveFileFolder != f.folder.Path());

        std::remove(f.File("first.kjb").c_str());
        Recent(f, 2)->trigger();
        QVERIFY2(f.Messages().find(f.File("first.kjb")) != std::string::npos, f.Messages().c_str());
        QVERIFY(!Recent(f, 2));
        QCOMPARE(f.Run().CurrentFileName, std::string());  // nothing opened
        TConfigFile ini(f.context->Folders().SettingsFile());
        QCOMPARE(ini.ReadString("RecentProjects", "File2", "?"), std::string());  // dropped on disk too

        Recent(f, 1)->trigger();
        QCOMPARE(f.Run().CurrentFileName, f.File("second.kjb"));
        QVERIFY(f.Form().windowTitle().contains("second.kjb"));
    }

    void aProjectOnTheCommandLineOpensAndIsRememberedByItsFullPath() {
        TMainFixture f;
        f.files.saveNames = {f.File("press")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        const QString before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(f.folder.Path()));
        f.RestartWindow({"press.kjb"});  // as a file manager or a shell in that folder passes it
        QDir::setCurrent(before);
        QCOMPARE(f.Run().CurrentFileName, f.File("press.kjb"));
        QCOMPARE(f.Run().Settings.RecentProjects.Files().front(), f.File("press.kjb"));
    }

    void theWindowPlaceAndSplittersComeBackWithinTheScreens() {
        TMainFixture f;
        auto* splitter = new QSplitter(f.Form().TabSheet(TTabSheet::ChoiceFactor));
        splitter->setObjectName("SplitterTest");
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        splitter->setGeometry(0, 0, 600, 300);
        f.Form().show();
        splitter->setSizes({150, 445});
        const QList<int> sizes = splitter->sizes();
        f.Form().setGeometry(2000, 60, 1100, 800);  // on the right screen
        f.RestartWindow();
        QCOMPARE(f.Form().geometry(), QRect(2000, 60, 1100, 800));
        auto* again = new QSplitter(f.Form().TabSheet(TTabSheet::ChoiceFactor));
        again->setObjectName("SplitterTest");
        again->addWidget(new QWidget);
        again->addWidget(new QWidget);
        again->setGeometry(0, 0, 600, 300);
        f.Form().show();
        QCOMPARE(again->sizes(), sizes);

        // The right screen is gone: the window comes back onto the one that is left.
        TConfigFile ini(f.context->Folders().SettingsFile());
        ini.WriteInteger("Window", "Left", 4000);
        ini.WriteInteger("Window", "Width", 2500);
        ini.UpdateFile();
        f.Form().hide();  // closing would write the place again
        f.RestartWindow();
        const QRect r = f.Form().geometry();
        bool inside = false;
        for (QScreen* s : QGuiApplication::screens()) inside = inside || s->availableGeometry().contains(r);
        QVERIFY2(inside, qPrintable(QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        QVERIFY(r.width() >= f.Form().minimumWidth());

        f.Form().show();
        f.Form().showMaximized();
        f.RestartWindow();
        QVERIFY(f.Form().windowState() & Qt::WindowMaximized);
    }

    void theRestartAfterAChangeOfUnitsReopensTheProject() {
        TMainFixture f;
        f.Form().show();
        f.files.saveNames = {f.File("job")};
        f.Action("ActionMenuFileSaveAs")->trigger();
        f.Form().MarkModified();
        // Restart now: yes; save the changed project first: yes, to its own file.
        f.dialogs.answers = {mrYes, mrYes};
        const size_t saveDialogs = f.files.saveRequests.size();
        f.onDialog = [](QDialog& d) {
            d.findChild<QPushButton*>("SaveButton")->click();
            return d.result();
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
        QCOMPARE(f.restarts, 1);
        QCOMPARE(f.files.saveRequests.size(), saveDialogs);
        QCOMPARE(f.restartArguments, std::vector<std::string>{f.File("job.kjb")});
        f.RestartWindow(f.restartArguments);
        QCOMPARE(f.Run().CurrentFileName, f.File("job.kjb"));

        // A project that was never saved has nothing to reopen.
        f.Action("ActionMenuFileCreate")->trigger();
        f.Form().show();
        f.dialogs.answers = {mrYes};
        f.Action("ActionMenuOptionMeasure")->trigger();
        QCOMPARE(f.restarts, 2);
        QVERIFY(f.restartArguments.empty());
    }

    void aMissingHelpTargetIsNamed() {
        TMainFixture f;
        f.Action("ActionMenuHelpCatalog")->trigger();  // doc\catalog.pdf is not installed
        QVERIFY(f.opened.empty());
        const std::string missing = f.Messages();
        QVERIFY2(missing.find(f.File("doc/catalog.pdf")) != std::string::npos, missing.c_str());
        f.openSucceeds = false;  // no browser
        f.Action("ActionMenuHelpHelp")->trigger();
        QCOMPARE(f.opened.size(), size_t(1));
        QVERIFY(f.dialogs.messages.size() == 2);
        QVERIFY(f.dialogs.messages[1].text.find("https://example.org/kinemo/help") != std::string::npos);
    }

    void theAboutBoxShowsVersionsCatalogAndToolkit() {
        TMainFixture f;
        QMap<QString, QString> shown;
        QString caption;
        f.onDialog = [&](QDialog& d) {
            caption = d.windowTitle();
            for (QLabel* l : d.findChildren<QLabel*>()) shown[l->objectName()] = l->text();
            return int(QDialog::Accepted);
        };
        f.Action("ActionMenuHelpAbout")->trigger();
        QCOMPARE(caption, QString("About Kinemo"));
        QCOMPARE(shown["ValueApplicationVersion"].toStdString(), f.Run().ApplicationVersionText);
        QCOMPARE(shown["ValueMdbVersion"], QString("2.5.0.1"));
        QCOMPARE(shown["ValueCatalogPath"].toStdString(), f.File("Kinemo.db"));
        QCOMPARE(shown["ValueQtVersion"], QString(qVersion()));
        QCOMPARE(shown["LabelMdbVersion"], QString("Catalog version:"));
    }

    void ctrlTabMovesBetweenThePagesByTheirRules() {
        TMainFixture f;
        TPage pages[3];
        for (int i = 0; i < 3; ++i) f.Form().SetMotorSelectPage(i, &pages[i]);
        f.Form().show();
        f.Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.Form()));
        TPageControl* top = f.Form().PageControlMenu();
        TPageControl* sub = f.Form().PageControlMotorSelect();
        auto where = [&] { return QPair<int, int>(top->currentIndex(), sub->currentIndex()); };
        QTest::keyClick(&f.Form(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(where(), qMakePair(0, 1));
        QTest::keyClick(&f.Form(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(&f.Form(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(where(), qMakePair(1, 2));  // the options page, no CAD page here
        QTest::keyClick(&f.Form(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(where(), qMakePair(0, 0));  // round to the elements
        QTest::keyClick(&f.Form(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(where(), qMakePair(1, 0));
        QTest::keyClick(&f.Form(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(where(), qMakePair(0, 2));  // back from the options to the motor page
        QTest::keyClick(&f.Form(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(&f.Form(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(where(), qMakePair(0, 0));
        pages[0].canLeave = false;  // an element without its inputs keeps the user there
        QTest::keyClick(&f.Form(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(where(), qMakePair(0, 0));
    }

    void everyMenuCommandHasItsShortcut() {
        TMainFixture f;
        for (const TMainCommand& c : MainCommands()) {
            QAction* a = f.Action(c.Name);
            QVERIFY2(a, c.Name);
            QVERIFY2(!a->shortcut().isEmpty(), c.Name);
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(c.Shortcut)));
        }
    }
};

int main(int argc, char** argv) {
    uitest::PrepareEnvironment();
    UseTwoScreens();
    TKinemoApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Desktop.moc"
