// The CAD tab in the main window: the selection page without a commit, the export page
// for a chosen or committed motor (return button only without a commit), and an export
// through kinemo-cad that writes the drawing.
#include "UiTestSupport.h"

#include "shell/FormMain.h"
#include "session/KinemoContext.h"
#include "shell/PageControl.h"
#include "base/AtomicFile.h"
#include "cad/FrameSelectVantor.h"
#include "cad/FrameVantor.h"
#include "cad/VantorPage.h"
#include "support/UserMotorSheets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kinemo;

namespace {

// The main window over the sample catalog with kinemo-cad registered.
struct TCadMain {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;

    TCadMain() {
        const std::string registry = dir.filePath("registry.ini").toStdString();
        test::WriteFile(registry, std::string("[Software\\Kinemo\\CadLink]\nLanguage=en\n[App Paths\\Zerith.EXE]\n@=") +
                                      KINEMO_BIN_DIR + "/kinemo-cad\n");
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(),
                                                   TSpecialFolder(dir.filePath("cfg").toStdString(),
                                                                  dir.filePath("tmp").toStdString()),
                                                   dialogs);
        QDir().mkpath(dir.filePath("tmp"));
        TFormMainServices s;
        s.FileDialogs = &files;
        s.Registry = TRegistry({registry});
        form = std::make_unique<TFormMain>(*context, std::move(s));
    }
    TVantorPage* Page() const { return form->findChild<TVantorPage*>("VantorPage"); }
};

}  // namespace

class FrameVantorTest : public QObject {
    Q_OBJECT
private slots:
    void pageStatesFollowTheCommit() {
        TCadMain m;
        TVantorPage* page = m.Page();
        QVERIFY(page);
        QVERIFY(!page->Selection()->isHidden());
        QVERIFY(page->Export()->isHidden());

        // A motor chosen on the selection page: the export page with its return button.
        auto* select = page->Selection()->findChild<QPushButton*>("ButtonSelectOption");
        QVERIFY(select->isEnabled());
        select->click();
        QVERIFY(page->Selection()->isHidden());
        QVERIFY(!page->Export()->isHidden());
        auto* ret = page->Export()->findChild<QPushButton*>("ButtonReturn");
        QVERIFY(ret->isEnabled());
        QCOMPARE(page->Export()->findChild<QLineEdit*>("EditMotorNumber")->text().toStdString(),
                 page->Selection()->Model().Found()->Model);
        ret->click();
        QVERIFY(!page->Selection()->isHidden());

        // A commit fixes the export page on the committed motor, without a way back.
        m.form->CommitMotor(TMotorReference{1001, 101});
        QVERIFY(page->Selection()->isHidden());
        QCOMPARE(page->Export()->findChild<QLineEdit*>("EditMotorNumber")->text(), QString("KRS0101ABS0"));
        QVERIFY(!ret->isEnabled());
        QVERIFY(page->Export()->findChild<QPushButton*>("BtnExecute")->isEnabled());
        m.form->ReleaseCommit();
        QVERIFY(!page->Selection()->isHidden());
    }

    // The selection page searches as the option series page does: the search items narrow
    // the series to the motor shown, and Clear starts over.
    void theSearchItemsChooseTheMotor() {
        TCadMain m;
        TFrameSelectVantor* select = m.Page()->Selection();
        QVERIFY(!select->findChild<QWidget*>("ListBoxModel"));
        auto* function = select->findChild<QComboBox*>("ComboBoxMotorFunction");
        auto* series = select->findChild<QComboBox*>("ComboBoxMotorSeries");
        auto* output = select->findChild<QComboBox*>("ComboBoxOutput");
        auto* found = select->findChild<QLineEdit*>("StaticTextMotorNumber");
        QVERIFY(function && series && output && found);
        QCOMPARE(function->count(), 3);
        QVERIFY(output->count() > 1);
        QVERIFY(!found->text().isEmpty());
        const QString first = found->text();
        output->setCurrentIndex(output->count() - 1);
        QVERIFY(found->text() != first);
        QCOMPARE(select->Model().Item(biOutput).Selected, output->count() - 1);
        // The motor shown is the one handed over.
        select->findChild<QPushButton*>("ButtonSelectOption")->click();
        QCOMPARE(m.Page()->Export()->findChild<QLineEdit*>("EditMotorNumber")->text(), found->text());
        m.Page()->Export()->findChild<QPushButton*>("ButtonReturn")->click();
        m.dialogs.answers = {mrYes};
        select->findChild<QPushButton*>("ButtonClear")->click();
        QCOMPARE(output->currentIndex(), 0);
        QCOMPARE(found->text(), first);
        QCOMPARE(m.dialogs.messages.back().text, select->Model().Text("ClearMessage"));
    }

    // A committed user-defined motor has no part data: the export page names it and says
    // that no drawing data exists, and nothing can be run.
    void aCommittedUserMotorSaysThatNoDrawingDataExists() {
        TCadMain m;
        test::StoreUserMotor(*m.context, "KRS0402ANS0", "MY-400");
        m.form->CommitMotor(TMotorReference::User("MY-400"));
        TFrameVantor* page = m.Page()->Export();
        QVERIFY(!page->isHidden());
        QCOMPARE(page->findChild<QLineEdit*>("EditMotorNumber")->text(), QString("MY-400"));
        auto* notice = page->findChild<QLabel*>("LabelNoDrawingData");
        QVERIFY(notice && !notice->isHidden());
        QVERIFY(notice->text().contains("MY-400"));
        QCOMPARE(notice->text().toStdString(), page->Model().NoDrawingNotice());
        QVERIFY(!page->findChild<QPushButton*>("BtnExecute")->isEnabled());
        m.form->ReleaseCommit();
        m.form->CommitMotor(TMotorReference{1001, 101});
        QVERIFY(notice->isHidden());
        QCOMPARE(page->findChild<QLineEdit*>("EditMotorNumber")->text(), QString("KRS0101ABS0"));
    }

    void directInputFindsTheTypedModel() {
        TCadMain m;
        TFrameSelectVantor* select = m.Page()->Selection();
        select->findChild<QPushButton*>("ButtonDirectInput")->click();
        select->findChild<QLineEdit*>("EditInputMotor")->setText("hnp-0052 bnp05k");
        QCOMPARE(select->CheckDirectInput(), 7);
        QCOMPARE(select->findChild<QLineEdit*>("EditInputMotor")->text(), QString("HNP0052BNP05K"));
        select->findChild<QPushButton*>("ButtonSelectOption")->click();
        QCOMPARE(m.Page()->Export()->findChild<QLineEdit*>("EditMotorNumber")->text(), QString("HNP0052BNP05K"));
    }

    void fileTypesFollowTheImageType() {
        TCadMain m;
        TFrameVantor* page = m.Page()->Export();
        auto* image = page->findChild<QComboBox*>("ComboBoxImageType");
        auto* file = page->findChild<QComboBox*>("ComboBoxFileType");
        QCOMPARE(image->count(), 4);
        QVERIFY(file->itemText(0).contains("*.stl"));
        image->setCurrentIndex(2);
        QVERIFY(file->itemText(0).contains("*.dxf"));
        QCOMPARE(page->Model().ImageType(), 2);
        // A typed name keeps following the drawing type.
        auto* name = page->findChild<QLineEdit*>("EditFileName");
        image->setCurrentIndex(0);
        name->clear();
        QTest::keyClicks(name, "motor3d.stl");
        image->setCurrentIndex(1);
        QCOMPARE(name->text(), QString("motor3d.dxf"));
    }

    void exportWritesTheDrawingThroughKinemoCad() {
        TCadMain m;
        m.form->CommitMotor(TMotorReference{1001, 101});
        TFrameVantor* page = m.Page()->Export();
        page->findChild<QComboBox*>("ComboBoxImageType")->setCurrentIndex(1);
        const QString target = m.dir.filePath("front");
        page->findChild<QLineEdit*>("EditFileName")->setText(target);
        const TCadExportResult r = page->Execute();
        QCOMPARE(static_cast<int>(r.Outcome), static_cast<int>(TCadExportOutcome::Done));
        QCOMPARE(QString::fromStdString(r.Target), target + ".dxf");
        QVERIFY(ReadWholeFile(r.Target).rfind("0\nSECTION\n", 0) == 0);
        QVERIFY(QDir(m.dir.filePath("tmp")).isEmpty());  // the hand-over file went with the run
        QCOMPARE(m.dialogs.messages.back().type, TMsgDlgType::Information);
        QVERIFY(page->findChild<QPushButton*>("BtnExecute")->isEnabled());

        // An empty name is refused before anything runs.
        page->findChild<QLineEdit*>("EditFileName")->setText("");
        QCOMPARE(page->Execute().MessageKey, std::string("FMissingFileName"));
    }
};

QTEST_MAIN(FrameVantorTest)
#include "tst_FrameVantor.moc"
