// The main window over a fixture catalog: tab captions and widths, sub-page change rules,
// commit and release, command visibility, help, debug commands, price checks, captions
// and the close question paths.
#include "UiTestSupport.h"

#include <QDir>

#include "base/AtomicFile.h"
#include "shell/FormDebug.h"
#include "shell/PageControl.h"
#include "session/SizingSession.h"
#include "torque/Motor.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace kinemo;
using uitest::TMainFixture;

namespace {

class TScriptedPage : public IMotorSelectPage {
public:
    TScriptedPage(std::string name, QStringList& log) : name_(std::move(name)), log_(log) {}
    bool canLeave = true, leftOk = true, active = false;
    bool CanLeavePage() override {
        log_ << QString::fromStdString(name_ + " can leave");
        return canLeave;
    }
    bool OnPageLeft() override {
        log_ << QString::fromStdString(name_ + " left");
        return leftOk;
    }
    void OnPageEntered(bool committed) override { log_ << QString::fromStdString(name_ + (committed ? " shown" : " entered")); }
    void SetPageActive(bool a) override { active = a; }

private:
    std::string name_;
    QStringList& log_;
};

const char* kSameLanguage = "[Software\\Kinemo\\CadLink]\nLanguage=en\n";

QString TabText(TPageControl* pc, int i) { return pc->tabText(i); }

}  // namespace

class FormMainTest : public QObject {
    Q_OBJECT
private slots:
    void windowHasItsSizeCaptionAndNames() {
        TMainFixture f;
        QCOMPARE(f.Form().size(), QSize(907, 738));
        QCOMPARE(f.Form().minimumSize(), QSize(907, 738));
        QCOMPARE(f.Form().windowTitle(), "Kinemo " + QString::fromStdString(f.Run().ApplicationVersionText) +
                                             " [catalog 2.5.0.1]");
        for (const char* name : {"PageControlMenu", "PageControlMotorSelect", "TabSheetChoiceFactor",
                                 "TabSheetInputPattern", "TabSheetChoiceMotor", "TabSheetMotorSelect",
                                 "TabSheetChoiceOption", "TabSheetVantor", "LabelMotorCommitState",
                                 "BtnMenuFileCreate", "BtnMenuFileOpen", "BtnMenuFileSave"})
            QVERIFY2(f.Form().findChild<QWidget*>(name), name);
        QVERIFY(f.Run().StartupDone);
    }

    void tabCaptionsArePaddedToTheWidestCaption() {
        TMainFixture f;
        TPageControl* sub = f.Form().PageControlMotorSelect();
        QCOMPARE(TabText(sub, 0), QString("Elements       "));  // "Motor selection" is 15 wide
        QCOMPARE(TabText(sub, 2), QString("Motor          "));
        QCOMPARE(TabText(f.Form().PageControlMenu(), 0), QString("Motor selection"));
        TMainFixture ja({.JapaneseTabs = true});
        QCOMPARE(TabText(ja.Form().PageControlMotorSelect(), 0), QString("要素選択    "));  // 8 + 4 = 12 columns
    }

    void topTabsAreHalfOrAThirdOfTheWidth() {
        TMainFixture withoutCad;
        QVERIFY(!withoutCad.Form().PageControlMenu()->isTabVisible(2));
        QCOMPARE(withoutCad.Form().PageControlMenu()->Tabs()->FixedTabWidth(), (907 - 4) / 2);
        QCOMPARE(withoutCad.Form().PageControlMenu()->Tabs()->tabRect(0).width(), (907 - 4) / 2);
        TMainFixture withCad({}, kSameLanguage);
        QVERIFY(withCad.Form().PageControlMenu()->isTabVisible(2));
        QCOMPARE(withCad.Form().PageControlMenu()->Tabs()->FixedTabWidth(), (907 - 4) / 3);
        QVERIFY(withCad.dialogs.messages.empty());
    }

    void subPageChangesFollowTheScreensRules() {
        TMainFixture f;
        QStringList log;
        TScriptedPage elements("elements", log), pattern("pattern", log), motor("motor", log);
        f.Form().SetMotorSelectPage(0, &elements);
        f.Form().SetMotorSelectPage(1, &pattern);
        f.Form().SetMotorSelectPage(2, &motor);
        f.Form().show();
        TPageControl* sub = f.Form().PageControlMotorSelect();
        elements.canLeave = false;
        uitest::ClickTab(sub->Tabs(), 1);
        QCOMPARE(sub->currentIndex(), 0);  // refused before the change
        elements.canLeave = true;
        uitest::ClickTab(sub->Tabs(), 1);
        QCOMPARE(sub->currentIndex(), 1);
        QVERIFY(pattern.active);
        pattern.leftOk = false;  // an invalid pattern sends the user back
        uitest::ClickTab(sub->Tabs(), 0);
        QCOMPARE(sub->currentIndex(), 1);
        QCOMPARE(log, (QStringList{"elements can leave", "elements can leave", "elements left", "pattern entered",
                                   "pattern can leave", "pattern left"}));
    }

    void aCommittedMotorSkipsChecksAndRecomputation() {
        TMainFixture f;
        QStringList log;
        TScriptedPage elements("elements", log), pattern("pattern", log);
        pattern.leftOk = false;
        f.Form().SetMotorSelectPage(0, &elements);
        f.Form().SetMotorSelectPage(1, &pattern);
        f.Form().show();
        f.Form().CommitMotor({1001, 101});
        uitest::ClickTab(f.Form().PageControlMotorSelect()->Tabs(), 1);
        uitest::ClickTab(f.Form().PageControlMotorSelect()->Tabs(), 0);
        QCOMPARE(f.Form().PageControlMotorSelect()->currentIndex(), 0);
        QCOMPARE(log, (QStringList{"elements can leave", "pattern shown", "pattern can leave", "elements shown"}));
    }

    void commitAndReleaseSwitchLabelAndCommand() {
        TMainFixture f({.DebugMode = 1});
        auto* label = f.Form().findChild<QLabel*>("LabelMotorCommitState");
        QAction* commitValue = f.Action("ActionMenuOptionCommitMotorValue");
        QCOMPARE(label->text(), QString("Motor committed"));
        QVERIFY(label->isHidden());
        QVERIFY(!commitValue->isEnabled());
        f.Form().CommitMotor({6001, 601});
        QVERIFY(!label->isHidden());
        QVERIFY(label->font().bold());
        QVERIFY(commitValue->isEnabled());
        QVERIFY(!f.Form().Model().Commit().FirstPageEditable());
        f.Form().ReleaseCommit();
        QVERIFY(label->isHidden());
        QVERIFY(!commitValue->isEnabled());
        QVERIFY(!QApplication::overrideCursor());  // the hourglass of the release is gone
    }

    void commandsHaveTextsShortcutsAndVisibilityRules() {
        TMainFixture plain({.DebugMode = 0, .UserDefineFactor = 0});
        for (const char* debug : {"ActionMenuOptionCarryValue", "ActionMenuOptionDrivePattern",
                                  "ActionMenuOptionCommitMotorValue", "ActionMenuOptionDefineUserFactor"})
            QVERIFY2(!plain.Action(debug)->isVisible(), debug);
        QCOMPARE(plain.Action("ActionMenuFileSave")->text(), QString("Save"));
        QCOMPARE(plain.Action("ActionMenuFileCreate")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(plain.Action("ActionMenuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(plain.Action("ActionMenuFileSave")->shortcut(), QKeySequence("Ctrl+S"));
        auto* create = plain.Form().findChild<QToolButton*>("BtnMenuFileCreate");
        QCOMPARE(create->toolTip(), QString("New project"));
        QCOMPARE(create->text(), QString());
        TMainFixture debug({.DebugMode = 1, .UserDefineFactor = 1});
        QVERIFY(debug.Action("ActionMenuOptionCarryValue")->isVisible());
        QVERIFY(debug.Action("ActionMenuOptionDefineUserFactor")->isVisible());
    }

    void helpCommandsOpenTheirTargets() {
        TMainFixture f;
        // A file target that is not installed: a message naming it, nothing opened.
        f.Action("ActionMenuHelpCatalog")->trigger();
        QVERIFY(f.opened.empty());
        QCOMPARE(f.dialogs.messages.size(), size_t(1));
        QVERIFY(f.dialogs.messages[0].text.find(f.File("doc/catalog.pdf")) != std::string::npos);
        QDir().mkpath(QString::fromStdString(f.File("doc")));
        test::WriteFile(f.File("doc/catalog.pdf"), "%PDF");
        f.Action("ActionMenuHelpHelp")->trigger();
        f.Action("ActionMenuHelpCatalog")->trigger();
        f.Action("ActionMenuHelpManual")->trigger();
        QCOMPARE(f.opened.size(), size_t(3));
        QCOMPARE(f.opened[0], QUrl("https://example.org/kinemo/help"));
        QCOMPARE(f.opened[1], QUrl::fromLocalFile(QString::fromStdString(f.File("doc/catalog.pdf"))));
        QCOMPARE(f.opened[2], QUrl("http://example.org/manual"));
        QCOMPARE(f.dialogs.messages.size(), size_t(1));
    }

    void debugCommandsWriteToTheDebugWindow() {
        TMainFixture f({.DebugMode = 1});
        TFormDebug debug(f.files, "");
        f.Form().SetDebugWindow(&debug);
        f.Form().SetDebugTextSource("ActionMenuOptionDrivePattern", [] { return std::string("row 1\r\nrow 2"); });
        f.Action("ActionMenuOptionDrivePattern")->trigger();
        QCOMPARE(debug.Text(), std::string("row 1\nrow 2"));
        QVERIFY(debug.isVisible());
        f.Form().CommitMotor({6001, 601});
        f.Form().ReleaseCommit();
        f.Action("ActionMenuOptionCommitMotorValue")->trigger();  // disabled: nothing
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(debug.Text(), std::string("row 1\nrow 2"));
        QCOMPARE(debug.windowTitle(), QString("Debug Window"));
        f.files.saveNames = {f.File("trace")};
        QTest::mouseClick(debug.findChild<QPushButton*>("ButtonSaveToFile"), Qt::LeftButton);
        QCOMPARE(ReadWholeFile(f.File("trace.txt")), std::string("row 1\nrow 2"));
        QCOMPARE(f.files.saveRequests[0].Filter, std::string("Text(*.txt)|*.txt|All(*.*)|*.*"));
        QTest::mouseClick(debug.findChild<QPushButton*>("ButtonClear"), Qt::LeftButton);
        QCOMPARE(debug.Text(), std::string());
    }

    // The committed-motor command judges the committed motor again with the project's
    // pattern and appends its debug text and the pattern text.
    void theCommittedMotorCommandJudgesItAgain() {
        TMainFixture f({.MdbVersion = "1.0.0.0", .DebugMode = 1});  // the catalog the examples were saved with
        TFormDebug debug(f.files, "");
        f.Form().SetDebugWindow(&debug);
        f.files.openNames = {std::string(KINEMO_SOURCE_DIR) + "/examples/18_feeder_committed_with_options.kjb"};
        f.Action("ActionMenuFileOpen")->trigger();
        const TMotor* committed = f.Form().Model().Session().CommittedMotor();
        QVERIFY(committed);
        QVERIFY(!committed->Judged);
        f.Action("ActionMenuOptionCommitMotorValue")->trigger();
        QVERIFY(committed->Judged);
        QVERIFY(!committed->JudgementLog.empty());
        const std::string text = debug.Text();
        QVERIFY(text.find(committed->JudgementLog.back()) != std::string::npos);
        QVERIFY(debug.isVisible());
        QVERIFY2(f.dialogs.messages.empty(), f.Messages().c_str());
    }

    void missingCommittedMotorIsSaid() {
        TMainFixture f({.DebugMode = 1});
        f.Action("ActionMenuOptionCommitMotorValue")->setEnabled(true);  // as a screen could
        f.Action("ActionMenuOptionCommitMotorValue")->trigger();
        QCOMPARE(f.Messages(), std::string("Missing Commit Motor"));
    }

    void priceChecksShowTheirErrors() {
        TMainFixture f;
        f.Form().ShowPriceCheckResult(2);
        f.Form().ShowPriceCheckResult(9);
        QCOMPARE(f.Messages(), std::string("Motor and amplifier do not match"));
        QCOMPARE(f.dialogs.messages[0].type, TMsgDlgType::Error);
    }

    void closeCancelKeepsTheWindowAndStillWritesSettings() {
        TMainFixture f;
        f.Form().show();
        f.Form().MarkModified();
        f.dialogs.answers = {mrCancel};
        QVERIFY(!f.Form().close());
        QVERIFY(f.Form().isVisible());
        QVERIFY(FileExists(f.context->Folders().SettingsFile()));
        QCOMPARE(f.Messages(), std::string("Save the project?"));
    }

    void theWindowGrowsAndItsPagesWithIt() {
        TMainFixture f;
        f.Form().show();
        QCOMPARE(f.Form().minimumSize(), QSize(907, 738));
        QCOMPARE(f.Form().size(), QSize(907, 738));
        QWidget* page = f.Form().TabSheet(TTabSheet::ChoiceFactor);
        QApplication::processEvents();
        const QSize before = page->size();
        f.Form().resize(1300, 1000);
        QApplication::processEvents();
        QCOMPARE(f.Form().size(), QSize(1300, 1000));
        QVERIFY(page->width() >= before.width() + 380);
        QVERIFY(page->height() >= before.height() + 250);
        f.Form().resize(600, 400);  // never below the design's size
        QApplication::processEvents();
        QCOMPARE(f.Form().size(), QSize(907, 738));
    }

    void closeUntouchedAsksNothing() {
        TMainFixture f;
        f.Form().show();
        QVERIFY(f.Form().close());
        QVERIFY(f.dialogs.messages.empty());
    }

    void closeNoClosesWithoutSaving() {
        TMainFixture f;
        f.Form().show();
        f.Form().MarkModified();
        f.dialogs.answers = {mrNo};
        QVERIFY(f.Form().close());
        QVERIFY(f.files.saveRequests.empty());
        QCOMPARE(f.restarts, 0);
    }

    void closeYesSavesAndClosesOnlyWhenSaved() {
        TMainFixture f;
        f.Form().show();
        f.Form().MarkModified();
        f.dialogs.answers = {mrYes};
        f.files.saveNames = {std::nullopt};
        QVERIFY(!f.Form().close());  // Save As cancelled
        f.dialogs.answers = {mrYes};
        f.files.saveNames = {f.File("closing.kjb")};
        QVERIFY(f.Form().close());
        QVERIFY(FileExists(f.File("closing.kjb")));
    }

    void noCloseQuestionClosesAtOnce() {
        TMainFixture f({.CloseQuestion = false});
        f.Form().show();
        QVERIFY(f.Form().close());
        QVERIFY(f.dialogs.messages.empty());
    }

    void firstIdleRunsOnce() {
        TMainFixture f;
        int runs = 0;
        bool noProject = false;
        f.Form().AddFirstIdleHandler([&](bool none) {
            ++runs;
            noProject = none;
        });
        QSignalSpy spy(&f.Form(), &TFormMain::FirstIdle);
        f.Form().show();
        QVERIFY(spy.wait(2000));
        f.Form().hide();
        f.Form().show();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
        QVERIFY(noProject);
    }

    void interfaceFontReachesEveryControl() {
        TMainFixture f({.FontName = "Noto Sans CJK JP"});
        for (const char* name : {"LabelMotorCommitState", "PageControlMotorSelect", "BtnMenuFileSave"})
            QCOMPARE(f.Form().findChild<QWidget*>(name)->font().families().value(0), QString("Noto Sans CJK JP"));
        QVERIFY(f.Form().findChild<QLabel*>("LabelMotorCommitState")->font().bold());
    }
};

KINEMO_UI_TEST_MAIN(FormMainTest)
#include "tst_FormMain.moc"
