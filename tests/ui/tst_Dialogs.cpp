// The folder dialog and the unit options dialog, opened from the main window's commands:
// texts, browsing, OK and Cancel, the precision range error, saving and the restart.
#include "UiTestSupport.h"

#include "base/ConfigFile.h"
#include "shell/FormChangeDirectory.h"
#include "shell/PageControl.h"
#include "common/FormWaitForProcess.h"
#include "units/FormOptionMeasure.h"
#include "session/SizingSession.h"
#include "selection/MotorChoiceModel.h"
#include "torque/UserMotorSheet.h"
#include "support/UserMotorSheets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QTableView>

using namespace kinemo;
using uitest::TMainFixture;

namespace {

template <class W>
W* Child(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
}

void Click(QDialog& d, const char* button) { QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton); }

// Checks inside a scripted dialog run in an inner lambda: a failed check returns from it,
// and the dialog's result still goes back to the main window.

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The wait window offers Cancel only to a run that asks whether to stop (a project
    // open), holds the rest of the program from input while it does, and ends both with
    // the run; the next run starts without the earlier press.
    void waitWindowOffersCancelToARunThatAsks() {
        QWidget owner;
        TFormWaitForProcess wait(&owner, "");
        wait.SetCancelText("Cancel");
        wait.Progress(1, 8, "");
        QVERIFY(wait.isVisible());
        QVERIFY(wait.CancelButton()->isHidden());
        QVERIFY(!wait.CancelRequested());
        QVERIFY(!wait.CancelButton()->isHidden());
        QCOMPARE(wait.windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(wait.CancelButton(), Qt::LeftButton);
        QVERIFY(wait.CancelRequested());
        wait.Progress(8, 8, "");
        QVERIFY(!wait.isVisible());
        QVERIFY(wait.CancelButton()->isHidden());
        QCOMPARE(wait.windowModality(), Qt::NonModal);
        wait.Progress(1, 8, "");
        QVERIFY(!wait.CancelRequested());
        wait.Progress(8, 8, "");
    }
    // The user motor dialog from the Options menu: the stored motor, an add refused with the
    // catalog's message naming the item, an add that lists the motor, a confirmed removal;
    // afterwards the motor page lists the user's series.
    void userMotorDialogAddsRefusesAndRemoves() {
        TMainFixture f;
        test::StoreUserMotor(*f.context, "KRS0402ANS0", "MY-400");
        const TUserMotorTexts texts = TUserMotorTexts::Load(f.context->Query(), f.context->ErrorMessages());
        TUserMotorSheet sheet = TUserMotorSheet::Read(f.context->Folders().UserMotorFolder() + "MY-400.kmt", texts);
        sheet.SetValue("Model", "MY-ADD");
        sheet.Write(f.File("add.kmt"));
        sheet.SetValue("RatedTorque", "-1");
        sheet.Write(f.File("bad.kmt"));
        f.files.openNames = {f.File("bad.kmt"), f.File("add.kmt")};
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                QCOMPARE(d.windowTitle(), QString::fromStdString(texts.Label("DialogCaption")));
                auto* grid = Child<QTableView>(d, "GridUserMotors");
                auto* memo = Child<QPlainTextEdit>(d, "MemoMessages");
                QCOMPARE(grid->model()->rowCount(), 1);
                QCOMPARE(grid->model()->index(0, 0).data().toString(), QString("MY-400"));
                Click(d, "ButtonAdd");
                QVERIFY(memo->toPlainText().contains(QString::fromStdString(texts.Label("RatedTorque"))));
                QCOMPARE(grid->model()->rowCount(), 1);
                Click(d, "ButtonAdd");
                QCOMPARE(grid->model()->rowCount(), 2);
                QVERIFY(memo->toPlainText().isEmpty());
                QVERIFY(!Child<QPushButton>(d, "ButtonRemove")->isEnabled());
                grid->selectRow(0);
                QVERIFY(Child<QPushButton>(d, "ButtonRemove")->isEnabled());
                Click(d, "ButtonRemove");  // the confirmation answers yes
                QCOMPARE(grid->model()->rowCount(), 1);
                QCOMPARE(grid->model()->index(0, 0).data().toString(), QString("MY-ADD"));
                Click(d, "ButtonClose");
            }();
            return d.result();
        };
        f.Action("ActionMenuOptionUserMotors")->trigger();
        QCOMPARE(f.files.openRequests.size(), size_t(2));
        const auto& functions = f.Form().Model().Session().Search().Functions();
        QVERIFY(!functions.empty());
        QCOMPARE(functions.back().Code, TMotorChoiceModel::kUserCode);
    }

    void folderDialogShowsCatalogTextsAndCurrentFolders() {
        TMainFixture f;
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                QCOMPARE(d.windowTitle(), QString("Folders"));
                QCOMPARE(Child<QLabel>(d, "LabelDirUserFactorFile")->text(), QString("User elements"));
                QCOMPARE(Child<QPushButton>(d, "ButtonOK")->text(), QString("OK"));
                QCOMPARE(Child<QLineEdit>(d, "EditDirSaveFile")->text(), qEnvironmentVariable("HOME") + "/");
                QCOMPARE(Child<QLineEdit>(d, "EditDirUserFactorImage")->text(),
                         QString::fromStdString(f.context->Folders().UserFactorFolder()));
            }();
            return int(QDialog::Rejected);
        };
        f.Action("ActionMenuChangeDirectory")->trigger();
    }

    void browsingFillsABoxAndOkAppliesTheFolders() {
        TMainFixture f;
        f.Form().show();
        f.Form().PageControlMenu()->setCurrentIndex(1);
        f.files.folders = {std::string("/data/jobs"), std::nullopt};
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                Click(d, "ButtonDirSaveFile");
                QCOMPARE(Child<QLineEdit>(d, "EditDirSaveFile")->text(), QString("/data/jobs/"));
                Click(d, "ButtonDirUserFactorFile");  // cancelled browsing keeps the box
                Child<QLineEdit>(d, "EditDirUserFactorImage")->setText("/data/pictures");
                Click(d, "ButtonOK");
            }();
            return d.result();
        };
        f.Action("ActionMenuChangeDirectory")->trigger();
        QCOMPARE(f.files.folderTitles, (std::vector<std::string>{"Choose a folder", "Choose a folder"}));
        QCOMPARE(f.Run().Settings.SaveFileFolder, std::string("/data/jobs/"));
        QCOMPARE(f.Run().Settings.UserFactorImageFolder, std::string("/data/pictures/"));
        QCOMPARE(f.Form().PageControlMenu()->currentIndex(), 0);  // back to the first page
        // The project dialogs start in the new folder.
        f.files.openNames = {std::nullopt};
        f.Action("ActionMenuFileOpen")->trigger();
        QCOMPARE(f.files.openRequests[0].InitialFolder, std::string("/data/jobs/"));
        // Nothing reached the settings file before the window closes.
        QVERIFY(!TConfigFile(f.context->Folders().SettingsFile()).HasKey("Dir", "SaveFile"));
    }

    void cancelledFolderDialogChangesNothing() {
        TMainFixture f;
        const TUserSettings before = f.Run().Settings;
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                Child<QLineEdit>(d, "EditDirSaveFile")->setText("/elsewhere");
                Click(d, "ButtonCancel");
            }();
            return d.result();
        };
        f.Action("ActionMenuChangeDirectory")->trigger();
        QCOMPARE(f.Run().Settings.SaveFileFolder, before.SaveFileFolder);
    }

    void unitDialogShowsOneRowPerClass() {
        TMainFixture f;
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                QCOMPARE(d.windowTitle(), QString("Units"));
                QCOMPARE(Child<QLineEdit>(d, "EditPrec")->text(), QString("4"));
                QCOMPARE(Child<QLabel>(d, "LabelPrec")->text(), QString("Decimals"));
                QWidget* first = Child<QWidget>(d, "FrameOptionMeasure0");
                QCOMPARE(first->pos(), QPoint(8, 48));
                QCOMPARE(Child<QWidget>(d, "FrameOptionMeasure1")->y(), 48 + first->height() + 8);
                QCOMPARE(first->findChild<QLabel*>("LabelName")->text(), QString("Length"));
                auto* combo = first->findChild<QComboBox*>("ComboBoxValue");
                QCOMPARE(combo->count(), 5);
                QCOMPARE(combo->currentText(), QString("mm"));  // the catalog default
                QVERIFY(d.findChild<QWidget*>("FrameOptionMeasure23"));  // every unit class of the catalog
                QVERIFY(!d.findChild<QWidget*>("FrameOptionMeasure24"));
            }();
            return int(QDialog::Rejected);
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
    }

    void precisionOutOfRangeKeepsTheDialogOpenAndSavesNothing() {
        TMainFixture f;
        bool stayed = false;
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                d.show();
                Child<QLineEdit>(d, "EditPrec")->setText("13");
                Click(d, "SaveButton");
                stayed = d.isVisible() && d.result() == 0;
                Click(d, "CancelButton");
            }();
            return d.result();
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
        QVERIFY(stayed);
        QCOMPARE(f.Messages(), std::string("Enter a number from 0 to 12."));
        QCOMPARE(f.dialogs.messages[0].type, TMsgDlgType::Warning);
        QVERIFY(!TConfigFile(f.context->Folders().SettingsFile()).HasKey("ValueFormat", "Prec"));
    }

    void savingWritesTheChoicesAndNoDoesNotRestart() {
        TMainFixture f;
        f.Form().show();
        f.dialogs.answers = {mrNo};
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                Child<QLineEdit>(d, "EditPrec")->setText("7");
                Child<QWidget>(d, "FrameOptionMeasure1")->findChild<QComboBox*>("ComboBoxValue")->setCurrentIndex(1);
                Click(d, "SaveButton");
            }();
            return d.result();
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
        TConfigFile ini(f.context->Folders().SettingsFile());
        QCOMPARE(ini.ReadInteger("ValueFormat", "Prec", -1), 7);
        QCOMPARE(ini.ReadInteger("USER_DEFAULT_MEASURE", "2", -1), 202);
        QCOMPARE(f.Messages(), std::string("Saved. Restart now?"));
        QVERIFY(f.Form().isVisible());
        QCOMPARE(f.restarts, 0);
    }

    void defaultsButtonRestoresCatalogDefaults() {
        TMainFixture f;
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                auto* combo = Child<QWidget>(d, "FrameOptionMeasure0")->findChild<QComboBox*>("ComboBoxValue");
                combo->setCurrentIndex(2);
                Child<QLineEdit>(d, "EditPrec")->setText("11");
                Click(d, "DefaultButton");
                QCOMPARE(combo->currentText(), QString("mm"));
                QCOMPARE(Child<QLineEdit>(d, "EditPrec")->text(), QString("4"));
            }();
            return int(QDialog::Rejected);
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
        QVERIFY(f.dialogs.messages.empty());
    }

    void yesRestartsAfterTheWindowCloses() {
        TMainFixture f;
        f.Form().show();
        f.dialogs.answers = {mrYes, mrNo};  // restart now; then do not save the project
        f.onDialog = [&](QDialog& d) -> int {
            [&] {
                Click(d, "SaveButton");
            }();
            return d.result();
        };
        f.Action("ActionMenuOptionMeasure")->trigger();
        QVERIFY(!f.Form().isVisible());
        QCOMPARE(f.restarts, 1);
        QVERIFY(f.Run().RestartRequested);
    }

    void wheelScrollsTheRowsAndNeverChangesAUnit() {
        // The sample catalog's unit classes make the list taller than the dialog.
        test::TRecordingDialogs dialogs;
        TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(QDir::tempPath().toStdString() + "/wheel"), dialogs);
        TOptionMeasureModel model(ctx.Measures(), ctx.ValueFormat(), TOptionMeasureModel::ReadTexts(ctx.Query()));
        TFormOptionMeasure d(model, dialogs, ctx.Folders().SettingsFile(), "", nullptr);
        d.show();
        QScrollBar* bar = d.ScrollBoxMeasure()->verticalScrollBar();
        QVERIFY2(bar->maximum() > 2 * TFormOptionMeasure::kWheelStep, "the sample has too few unit classes");
        auto* combo = d.findChild<QWidget*>("FrameOptionMeasure0")->findChild<QComboBox*>("ComboBoxValue");
        const int chosen = combo->currentIndex();
        QWheelEvent down(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &down);
        QCOMPARE(bar->value(), TFormOptionMeasure::kWheelStep);
        QCOMPARE(combo->currentIndex(), chosen);
    }
};

KINEMO_UI_TEST_MAIN(DialogsTest)
#include "tst_Dialogs.moc"
