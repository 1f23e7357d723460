// The element page inside the main window over the sample catalog: the sub-page rule
// that keeps the user on the page while an input is missing, the carry-value debug
// command, and the user element command refreshing the block lists.
#include "UiTestSupport.h"

#include "shell/FormDebug.h"
#include "shell/PageControl.h"
#include "session/SizingSession.h"
#include "shell/MainWindowModel.h"
#include "base/AtomicFile.h"
#include "machine/Block.h"
#include "machine/BlockGrid.h"
#include "machine/BlockItemModel.h"
#include "machine/ChainItemModel.h"
#include "machine/ChoicedFactorGrid.h"
#include "machine/CarryOutputItemModel.h"
#include "machine/CarryOutputModel.h"
#include "machine/PanelCarryOutput.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyGridModel.h"
#include "machine/CalcCarryValue.h"
#include "machine/ElementPage.h"
#include "machine/Factor.h"
#include "machine/FormUserFactor.h"
#include "machine/FrameChoiceFactor.h"
#include "machine/MachineServices.h"
#include "machine/PropertyDelegate.h"
#include "machine/PropertyItemModel.h"
#include "machine/UserFactorFile.h"
#include "base/UserSettings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <filesystem>

using namespace kinemo;
using namespace kinemo::uitest;

namespace {

struct TMainWithElements {
    explicit TMainWithElements(std::function<int(QDialog&)> exec = {}) {
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(), dialogs);
        TFormMainServices s;
        s.FileDialogs = &files;
        s.ExecDialog = std::move(exec);
        form = std::make_unique<TFormMain>(*context, std::move(s));
        frame = form->FrameChoiceFactor();
        files.openNames = {std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"};
        form->Action("ActionMenuFileOpen")->trigger();
        form->show();
        QApplication::processEvents();
    }
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    TErrorReports errors;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;
    TFrameChoiceFactor* frame = nullptr;
};

int RowOf(TPopertyGrid* grid, const std::function<bool(TCustomInputData&)>& wanted) {
    for (int r = 0; r < grid->Items().rowCount(); ++r) {
        TCustomInputData* item = grid->Grid().ItemAt(TPropertyItemModel::CoreRow(r));
        if (item && wanted(*item)) return r;
    }
    return -1;
}

}  // namespace

class ElementPageInMainTest : public QObject {
    Q_OBJECT
private slots:
    void theMainWindowShowsTheOpenedProjectOnTheElementPage() {
        TMainWithElements m;
        QVERIFY(m.frame);
        QVERIFY(m.frame->isVisible());
        QCOMPARE(m.form->Model().Session().Chain().Count(), 6);
        QCOMPARE(m.frame->ChoicedFactorGrid()->Items().columnCount(), 6);
        // The shaft load is the opened machine's, not the one before the file was read.
        TCarryOutputModel& carry = m.frame->CarryOutputPanel()->Items().Carry();
        QVERIFY(!carry.Failed());
        const CarryOutput now = m.form->Model().Session().Chain().CalcChain(false, false);
        QCOMPARE(carry.Output().JL, now.JL);
        QVERIFY(carry.Output().JL > 0);
        QVERIFY(m.errors.texts.isEmpty());
        QVERIFY(m.dialogs.messages.empty());
    }

    // Committing a motor makes the page read-only; releasing it makes it editable again.
    void theCommittedMotorMakesThePageReadOnly() {
        TMainWithElements m;
        m.form->CommitMotor({6001, 601});
        QVERIFY(m.form->Model().Commit().Committed());
        TBlockGrid* grid = m.frame->BlockGrid(0);
        const int before = m.form->Model().Session().Chain().Count();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                           grid->visualRect(grid->Items().index(0, 0)).center());
        QCOMPARE(m.form->Model().Session().Chain().Count(), before);
        m.frame->ChoicedFactorGrid()->SelectColumn(3);
        TPopertyGrid* property = m.frame->PropertyGrid();
        QVERIFY(property->Grid().Element() != nullptr);
        QVERIFY(!property->EditCell(1, 1));
        m.form->ReleaseCommit();
        QVERIFY(property->EditCell(1, 1));
        property->FinishEditing();
        m.frame->ChoicedFactorGrid()->SelectColumn(0);  // a coupling fits right after the motor
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                           grid->visualRect(grid->Items().index(0, 0)).center());
        QCOMPARE(m.form->Model().Session().Chain().Count(), before + 1);
    }

    void aMissingInputKeepsTheUserOnThePage() {
        TMainWithElements m;
        TPageControl* pages = m.form->PageControlMotorSelect();
        QCOMPARE(pages->currentIndex(), 0);
        TFactor* table = m.form->Model().Session().Chain().GetFactor(4);
        QCOMPARE(table->ID, 401);
        const double mass = table->FindInputItemByID(40101)->Value;
        table->FindInputItemByID(40101)->Value = 0;
        ClickTab(pages->Tabs(), 1);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(m.dialogs.messages.size(), size_t(1));
        QVERIFY(m.dialogs.messages[0].text.find(table->Name) != std::string::npos);
        table->FindInputItemByID(40101)->Value = mass;
        ClickTab(pages->Tabs(), 1);
        QCOMPARE(pages->currentIndex(), 1);
    }

    void theCarryValueCommandAppendsTheTraceToTheDebugWindow() {
        TMainWithElements m;
        TFormDebug debug(m.files, "");
        m.form->SetDebugWindow(&debug);
        m.form->Action("ActionMenuOptionCarryValue")->trigger();
        const std::string text = debug.Text();
        QVERIFY(text.find("受け渡し 出力(外力=○○)") != std::string::npos);
        QVERIFY(text.find("受け渡し 出力(外力=××)") != std::string::npos);
        QVERIFY(debug.isVisible());
    }

    // Saving a user element from the Options command puts it into its block's list.
    void theUserElementCommandRefreshesTheBlockLists() {
        std::string saved;
        TMainWithElements m([&saved](QDialog& dialog) {
            auto& form = static_cast<TFormUserFactor&>(dialog);
            form.EditFactorName()->setText("Coupling 28 mm");
            form.ButtonInsert()->click();
            saved = form.EditFactorName()->text().toStdString();
            return 1;
        });
        const std::string file = m.context->Run().Settings.UserFactorFileFolder + "Coupling 28 mm.kuf";
        std::filesystem::remove(file);
        m.context->ReloadUserFactors();
        m.frame->RefreshBlocks();
        const int before = m.frame->BlockGrid(0)->Items().rowCount();
        QAction* command = m.form->Action("ActionMenuOptionDefineUserFactor");
        QVERIFY(command && command->isVisible());
        command->trigger();
        QCOMPARE(saved, std::string("Coupling 28 mm"));
        QVERIFY(FileExists(file));
        QCOMPARE(m.frame->BlockGrid(0)->Items().rowCount(), before + 1);
        QCOMPARE(m.frame->BlockGrid(0)->Items().FactorAt(before)->Name, std::string("Coupling 28 mm"));
        QCOMPARE(m.form->PageControlMotorSelect()->currentIndex(), 0);
        std::filesystem::remove(file);
    }

    // A value still being typed is what Save As writes; a memo edit alone is a change the
    // close asks about, and Yes saves it to the project's own file. The caption marks
    // the unsaved change.
    void editsAreNeverLost() {
        TMainWithElements m;
        QTemporaryDir dir;
        const std::string path = dir.filePath("press.kjb").toStdString();
        int tableColumn = -1;
        for (int c = 0; c < m.form->Model().Session().Chain().Count(); ++c)
            if (m.form->Model().Session().Chain().GetFactor(c)->ID == 401) tableColumn = c;
        QVERIFY(tableColumn > 0);
        m.frame->ChoicedFactorGrid()->SelectColumn(tableColumn);
        TPopertyGrid* grid = m.frame->PropertyGrid();
        const int massRow = RowOf(grid, [](TCustomInputData& i) { return i.ID == 40101; });
        QVERIFY(grid->EditCell(massRow, 1));
        auto* edit = qobject_cast<QLineEdit*>(grid->Delegate().ActiveEditor());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, "12.5");  // no Enter: the cell is still being edited
        m.files.saveNames = {path};
        m.form->Action("ActionMenuFileSaveAs")->trigger();
        QCOMPARE(m.form->Model().Session().Chain().GetFactor(tableColumn)->FindInputItemByID(40101)->Value, 12.5);
        const std::string written = ReadWholeFile(path);
        const size_t at = written.find("InputDataID=\"40101\"");
        QVERIFY2(written.find("InputDataID=\"40101\">12.5<") != std::string::npos,
                 written.substr(at == std::string::npos ? 0 : at, 40).c_str());
        QVERIFY(!m.form->Model().Modified());
        QVERIFY(!m.form->windowTitle().startsWith('*'));

        const int memoRow = RowOf(grid, [](TCustomInputData& i) { return i.Kind() == TInputKind::Memo; });
        QVERIFY(memoRow > 0);
        QVERIFY(grid->EditCell(memoRow, 1));
        edit = qobject_cast<QLineEdit*>(grid->Delegate().ActiveEditor());
        QVERIFY(edit);
        QTest::keyClicks(edit, "left side");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(m.form->Model().Modified());
        QVERIFY(m.form->windowTitle().startsWith('*'));
        m.dialogs.messages.clear();
        m.dialogs.answers = {mrYes};
        QVERIFY(m.form->close());
        QCOMPARE(m.dialogs.messages.size(), size_t(1));  // the save question
        QCOMPARE(m.files.saveRequests.size(), size_t(1));  // no Save As for a project with a name
        QVERIFY(ReadWholeFile(path).find("left side") != std::string::npos);
    }

    // The folder dialog's OK shows the user elements of the folder chosen at once, and the
    // page starts over at the first block and its first row.
    void theFolderDialogShowsTheChosenFoldersElementsAtOnce() {
        TMainWithElements m;
        QTemporaryDir other;
        const std::string folder = other.path().toStdString() + "/";
        const TFactor& owner = *m.context->Blocks().Blocks()[0]->Factors()[0];
        WriteUserFactorFile(folder + "Mine.kuf", owner, owner.ID, {}, m.context->Run().ApplicationVersionText,
                            m.context->Run().MdbVersionText);
        const int before = m.frame->BlockGrid(0)->Items().rowCount();
        m.frame->PageControlBlock()->setCurrentIndex(2);
        m.frame->BlockGrid(0)->SelectRow(1);
        TUserSettings settings = m.context->Run().Settings;
        settings.UserFactorFileFolder = folder;
        m.form->Model().ApplyFolders(settings);
        QCOMPARE(m.frame->BlockGrid(0)->Items().rowCount(), before + 1);
        QCOMPARE(m.frame->BlockGrid(0)->Items().FactorAt(before)->Name, std::string("Mine"));
        QCOMPARE(m.frame->PageControlBlock()->currentIndex(), 0);
        QCOMPARE(m.frame->BlockGrid(0)->Items().SelectedRow(), 0);
    }
};

KINEMO_UI_TEST_MAIN(ElementPageInMainTest)
#include "tst_ElementPageInMain.moc"
