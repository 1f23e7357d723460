// The drive pattern screen offscreen over a session on the sample catalog: typing a row,
// conversion between the input types and its refusal, row commands from the row menu,
// spreadsheet paste, the chart after an edit, and the read-only screen of a committed motor.
#include "UiTestSupport.h"

#include "shell/PageControl.h"
#include "session/SizingSession.h"
#include "pattern/ChartSpeed.h"
#include "pattern/FrameInputPattern.h"
#include "pattern/InputPatternGrid.h"
#include "pattern/InputPatternModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "pattern/SigmoidalCurves.h"
#include "torque/MotorReferenceQuery.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QValueAxis>

using namespace kinemo;

namespace {

using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;
constexpr double kTolerance = 1e-6;

// A session on the sample catalog, optionally with an example loaded, and the screen.
struct TPatternScreen {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    uitest::TErrorReports errors;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TSizingSession> session;
    std::unique_ptr<TFrameInputPattern> frame;

    explicit TPatternScreen(const std::string& example = "") {
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(),
                                                   TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        context->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*context);
        session->Initialize();
        if (!example.empty())
            session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example);
        frame = std::make_unique<TFrameInputPattern>(*context, *session);
        frame->resize(900, 620);
        frame->show();
        frame->Page().OnPageEntered(false);
        QApplication::processEvents();
    }
    TInputPatternModel& Model() { return session->Pattern(); }
    TInputPatternGrid& Grid() { return *frame->CurrentGrid(); }
    TInputPatternGridData& Rows() { return Model().CurrentGrid().Data(); }
    // The view's cell of a data row and data column.
    QModelIndex Cell(int row, int column) { return Grid().Items()->IndexOf(row + 2, column + 1); }
    void Type(int row, int column, const QString& text) {
        Grid().setFocus();
        Grid().setCurrentIndex(Cell(row, column));
        // The first key opens the editor, the others go to it.
        for (const QChar c : text) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Grid().viewport();
            QTest::keyClick(target, c.toLatin1());
        }
        QApplication::processEvents();
    }
    void Enter() {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Grid();
        QTest::keyClick(target, Qt::Key_Return);
        QApplication::processEvents();
    }
    void ChooseInput(int index) {
        emit frame->ComboBoxPattern()->activated(index);
        QApplication::processEvents();
    }
    // Presses a row header (data row) with a button.
    void PressHeader(int row, Qt::MouseButton button) {
        QHeaderView* header = Grid().RowHeader();
        const int section = row + 1;
        const QPoint at(header->width() / 2, header->sectionViewportPosition(section) + header->sectionSize(section) / 2);
        QTest::mousePress(header->viewport(), button, {}, at);
        QTest::mouseRelease(header->viewport(), button, {}, at);
        QApplication::processEvents();
    }
    void ScrollToTop() { Grid().scrollToTop(); }
    int Intervals() {
        int n = 0;
        while (n < Data::kLastInterval && Rows().Cell(n + 1, Data::kTimeInterval).Value() > 0) ++n;
        return n;
    }
};

}  // namespace

class FrameInputPatternTest : public QObject {
    Q_OBJECT
private slots:
    // In the main window: leaving the page validates, entering recomputes.
    void theMainWindowKeepsAnInvalidPatternOnItsPage() {
        QTemporaryDir dir;
        test::TRecordingDialogs dialogs;
        test::TScriptedFileDialogs files;
        TKinemoContext context(test::SampleCatalogPath(), TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices services;
        services.FileDialogs = &files;
        TFormMain form(context, std::move(services));
        form.show();
        TSizingSession& session = form.Model().Session();
        session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb");
        auto* frame = form.findChild<TFrameInputPattern*>("FrameInputPattern");
        QVERIFY(frame);
        QCOMPARE(frame->parentWidget(), form.TabSheet(TTabSheet::InputPattern));
        QTabBar* tabs = form.PageControlMotorSelect()->Tabs();
        uitest::ClickTab(tabs, 1);
        QCOMPARE(form.PageControlMotorSelect()->currentIndex(), 1);
        QVERIFY(session.Pattern().PageActive);
        QCOMPARE(frame->CurrentGrid()->objectName(), QString("InputPatternStraightPositionGrid"));
        const size_t shown = dialogs.messages.size();
        // A dwell given a ramp time: the validation keeps the user on the page.
        session.Pattern().CurrentGrid().Data().SetCellValue(3, Position::kAccelerationTime, 0.1);
        uitest::ClickTab(tabs, 0);
        QApplication::processEvents();
        QCOMPARE(dialogs.messages.size(), shown + 1);
        QCOMPARE(dialogs.messages.back().type, TMsgDlgType::Warning);
        QCOMPARE(form.PageControlMotorSelect()->currentIndex(), 1);
        session.Pattern().CurrentGrid().Data().SetCellValue(3, Position::kAccelerationTime, 0);
        uitest::ClickTab(tabs, 0);
        QCOMPARE(form.PageControlMotorSelect()->currentIndex(), 0);
        QVERIFY(!session.Pattern().PageActive);
        QCOMPARE(dialogs.messages.size(), shown + 1);
    }

    void typingASpeedRowComputesTheRowAndRedrawsTheChart() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        s.Model().ClearData();
        s.ChooseInput(0);
        QCOMPARE(s.Model().InputType(), 0);
        QCOMPARE(s.frame->CurrentGrid()->objectName(), QString("InputPatternStraightSpeedGrid"));
        const double v = s.Rows().Carry().V;
        QVERIFY(v > 0);
        // Letters are dropped by the editor; Enter commits and moves down.
        s.Type(1, Data::kTimeInterval, "0x.5");
        s.Enter();
        QVERIFY(s.errors.texts.isEmpty());
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), 0.5);
        QCOMPARE(s.Grid().currentIndex(), s.Cell(2, Data::kTimeInterval));
        s.Type(1, Data::kSpeed, "200");
        s.Enter();
        QCOMPARE(s.Rows().Cell(1, Data::kSpeed).Value(), 200.0);
        QVERIFY(std::abs(s.Rows().Cell(1, Data::kFrequency).Value() - 200 * v) < kTolerance);
        QVERIFY(std::abs(s.Rows().Cell(1, Data::kPosition).Value() - 50) < kTolerance);  // 0.5 s from 0 to 200 mm/s
        QCOMPARE(s.Grid().model()->data(s.Cell(1, Data::kPosition)).toString(), QString("50.0000"));
        // The chart was redrawn after the commit: the origin and one interval, 1.1 × 200.
        TChartSpeed* chart = s.frame->ChartSpeed();
        QCOMPARE(chart->Curve()->count(), 2);
        QCOMPARE(chart->Curve()->at(1), QPointF(0.5, 200));
        QVERIFY(std::abs(chart->SpeedAxis()->max() - 220) < kTolerance);
        QCOMPARE(chart->SpeedAxis()->min(), 0.0);
        QVERIFY(chart->TimeAxis()->max() >= 0.5);
        // A negative time is refused with the catalog's message, the row as it was.
        s.Type(1, Data::kTimeInterval, "-1");
        s.Enter();
        QCOMPARE(s.errors.texts.size(), 1);
        QVERIFY(s.errors.texts[0].contains("-1"));
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), 0.5);
        QCOMPARE(s.Grid().currentIndex(), s.Cell(1, Data::kTimeInterval));
        QCOMPARE(chart->Curve()->count(), 2);
    }

    void theEditorTakesTwelveCharactersAndCommitsOnce() {
        TPatternScreen s;
        s.ChooseInput(0);
        int changed = 0;
        TInputPatternGridModel& rules = s.Model().CurrentGrid();
        rules.OnDataChanged = [&, previous = rules.OnDataChanged] {
            previous();
            ++changed;
        };
        s.Type(1, Data::kTimeInterval, "1234567890123");
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("123456789012"));
        QCOMPARE(editor->alignment() & Qt::AlignRight, Qt::AlignRight);
        QCOMPARE(changed, 0);  // each keystroke only changes the text shown
        s.Enter();
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), 123456789012.0);
        QCOMPARE(changed, 1);
        // Right leaves the editor to the neighbouring cell.
        s.Type(2, Data::kTimeInterval, "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QApplication::processEvents();
        QCOMPARE(s.Rows().Cell(2, Data::kTimeInterval).Value(), 1.0);
        QCOMPARE(s.Grid().currentIndex(), s.Cell(2, Data::kFrequency));
    }

    void conversionSpeedToPositionAndBack() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        QCOMPARE(s.Model().InputType(), 1);
        const int moves = s.Intervals();
        QCOMPARE(moves, 5);
        std::vector<double> positions;
        for (int r = 1; r <= moves; ++r) positions.push_back(s.Rows().Cell(r, Data::kPosition).Value());
        s.ChooseInput(0);
        QCOMPARE(s.Model().InputType(), 0);
        QCOMPARE(s.frame->ComboBoxPattern()->currentIndex(), 0);
        QVERIFY(s.dialogs.messages.empty());
        QVERIFY(s.Intervals() > moves);  // ramps and constant phases become intervals
        QCOMPARE(s.frame->ChartSpeed()->Curve()->count(), s.Intervals() + 1);
        s.ChooseInput(1);
        QCOMPARE(s.Intervals(), moves);
        for (int r = 1; r <= moves; ++r)
            QVERIFY2(std::abs(s.Rows().Cell(r, Data::kPosition).Value() - positions[size_t(r - 1)]) < kTolerance,
                     qPrintable(QString::number(r)));
        QVERIFY(s.dialogs.messages.empty());
    }

    void aRefusedConversionAsksAndKeepsTheTarget() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        const double target = s.Rows().Cell(1, Data::kPosition).Value();
        s.ChooseInput(0);
        s.Model().ClearData();
        // A speed pattern that ends moving cannot become moves.
        s.Type(1, Data::kTimeInterval, "1");
        s.Enter();
        s.Type(1, Data::kSpeed, "100");
        s.Enter();
        s.dialogs.answers = {mrNo};
        s.ChooseInput(1);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages[0].type, TMsgDlgType::Confirmation);
        QCOMPARE(s.dialogs.messages[0].buttons, unsigned(mbYes | mbNo | mbCancel));
        QCOMPARE(s.Model().InputType(), 0);
        QCOMPARE(s.frame->ComboBoxPattern()->currentIndex(), 0);
        QCOMPARE(s.frame->CurrentGrid()->objectName(), QString("InputPatternStraightSpeedGrid"));
        // Yes switches without converting: the position grid keeps its own (cleared) rows.
        s.dialogs.answers = {mrYes};
        s.ChooseInput(1);
        QCOMPARE(s.Model().InputType(), 1);
        QCOMPARE(s.frame->ComboBoxPattern()->currentIndex(), 1);
        QCOMPARE(s.Rows().Cell(1, Data::kPosition).Value(), 0.0);
        QVERIFY(target != 0);
    }

    void rowCommandsFromTheMenuWorkOnTheSelection() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        const double third = s.Rows().Cell(3, Data::kTimeInterval).Value();
        const double fifth = s.Rows().Cell(5, Data::kTimeInterval).Value();
        // The origin row has no menu.
        s.PressHeader(0, Qt::RightButton);
        QVERIFY(!s.frame->PopupMenuGrid()->isVisible());
        // Rows 1 and 2 by a drag, then the menu on the selection.
        QHeaderView* header = s.Grid().RowHeader();
        auto centre = [&](int row) {
            return QPoint(header->width() / 2, header->sectionViewportPosition(row + 1) + header->sectionSize(row + 1) / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centre(1));
        QMouseEvent move(QEvent::MouseMove, centre(2), header->viewport()->mapToGlobal(centre(2)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &move);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centre(2));
        QCOMPARE(s.Model().CurrentGrid().SelectedRange().Min, 0);
        QCOMPARE(s.Model().CurrentGrid().SelectedRange().Max, 1);
        s.PressHeader(2, Qt::RightButton);
        QVERIFY(s.frame->PopupMenuGrid()->isVisible());
        QVERIFY(!s.frame->Action("ActionGridPasteRow")->isEnabled());  // nothing copied yet
        s.frame->PopupMenuGrid()->hide();
        s.frame->Action("ActionGridDeleteRow")->trigger();
        QCOMPARE(s.Intervals(), 3);
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), third);
        QCOMPARE(s.Rows().Cell(3, Data::kTimeInterval).Value(), fifth);
        QCOMPARE(s.frame->ChartSpeed()->Curve()->count(), int(s.Model().Chart().ChartPoints().size()));
        // Copy, then paste at row 1: the menu offers Paste now.
        s.PressHeader(3, Qt::LeftButton);
        s.frame->Action("ActionGridCopyRow")->trigger();
        QVERIFY(QApplication::clipboard()->text().startsWith(s.Grid().model()->data(s.Cell(3, 0)).toString()));
        s.PressHeader(1, Qt::RightButton);
        QVERIFY(s.frame->Action("ActionGridPasteRow")->isEnabled());
        s.frame->PopupMenuGrid()->hide();
        s.frame->Action("ActionGridPasteRow")->trigger();
        QCOMPARE(s.Intervals(), 4);
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), fifth);
        QVERIFY(s.errors.texts.isEmpty());
    }

    void spreadsheetPasteAndARefusedPaste() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        s.ChooseInput(0);
        s.Model().ClearData();
        s.PressHeader(1, Qt::LeftButton);
        QApplication::clipboard()->setText("\t0.2\t\t100\n\t0.6\t\t100\n\t0.2\t\t0\n");
        QTest::keyClick(&s.Grid(), Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        QVERIFY(s.errors.texts.isEmpty());
        QCOMPARE(s.Intervals(), 3);
        QVERIFY(std::abs(s.Rows().Cell(3, Data::kElapsedTime).Value() - 1.0) < kTolerance);
        QCOMPARE(s.frame->ChartSpeed()->Curve()->count(), 4);
        // Copying the rows gives the same block of cells back.
        s.PressHeader(1, Qt::LeftButton);
        QHeaderView* header = s.Grid().RowHeader();
        const int y3 = header->sectionViewportPosition(4) + 2;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {},
                          QPoint(4, header->sectionViewportPosition(2) + 2));
        QMouseEvent move(QEvent::MouseMove, QPoint(4, y3), header->viewport()->mapToGlobal(QPoint(4, y3)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &move);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(4, y3));
        QTest::keyClick(&s.Grid(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1].split('\t').size(), 6);
        QCOMPARE(lines[1].split('\t')[3], QString("100.0000"));
        // A bad cell refuses the whole block with the catalog's message.
        s.PressHeader(2, Qt::LeftButton);
        QApplication::clipboard()->setText("\t1\t\t50\n\t1\t\tfast\n");
        QTest::keyClick(&s.Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.errors.texts.size(), 1);
        QVERIFY(s.errors.texts[0].contains("fast"));
        QCOMPARE(s.Rows().Cell(2, Data::kTimeInterval).Value(), 0.6);
        // A block longer than the grid.
        s.PressHeader(98, Qt::LeftButton);
        QApplication::clipboard()->setText("\t1\n\t1\n\t1\n");
        QTest::keyClick(&s.Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.errors.texts.size(), 2);
        QCOMPARE(s.Intervals(), 3);
        QCOMPARE(s.Rows().Cell(98, Data::kTimeInterval).Value(), 0.0);
    }

    void aFullPatternRefusesInsertedRows() {
        TPatternScreen s;
        s.ChooseInput(0);
        QString block;
        for (int r = 1; r <= 99; ++r) block += "\t0.1\n";
        s.PressHeader(1, Qt::LeftButton);
        QApplication::clipboard()->setText(block);
        QTest::keyClick(&s.Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.Intervals(), 99);
        QVERIFY(s.errors.texts.isEmpty());
        s.PressHeader(5, Qt::LeftButton);
        s.frame->Action("ActionGridInsertRow")->trigger();
        QCOMPARE(s.errors.texts.size(), 1);  // "PatternRowsFull"
        QCOMPARE(s.Intervals(), 99);
        QVERIFY(s.Grid().isEnabled());  // the grid is enabled again after the refusal
        QVERIFY(std::abs(s.Rows().Cell(99, Data::kElapsedTime).Value() - 9.9) < kTolerance);
    }

    void externalForceCheckBoxesToggleByClick() {
        TPatternScreen s;
        s.ChooseInput(0);
        TExternalForceColData push;
        s.Model().CurrentGrid().ExternalForce().SetColumns({&push});
        s.frame->Refresh();
        const int column = s.Model().CurrentGrid().DataColumnCount() + 1;
        QCOMPARE(s.Grid().model()->columnCount(), column);
        const QModelIndex cell = s.Grid().Items()->IndexOf(4, column);  // interval index 1
        QCOMPARE(s.Grid().model()->data(cell, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(s.Grid().model()->data(s.Grid().Items()->IndexOf(2, column), Qt::CheckStateRole), QVariant());
        QTest::mouseClick(s.Grid().viewport(), Qt::LeftButton, {}, s.Grid().visualRect(cell).center());
        QVERIFY(push.Mark(1));
        QCOMPARE(s.Grid().model()->data(cell, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(s.session->Modified());
        s.Model().CurrentGrid().ExternalForce().SetColumns({});
    }

    void theSCurveChoiceFillsOrOpensTheModulus() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        QComboBox* curves = s.frame->ComboBoxSigmoidalCurve();
        QLineEdit* modulus = s.frame->EditModulus();
        QCOMPARE(curves->count(), 4);
        QCOMPARE(s.frame->ChartSpeed()->Curve()->pen().color(), QColor(Qt::red));
        struct Case {
            int entry;
            bool editable;
            QString shown;  // the modulus box of an entry that is not editable
            QColor curve;
        } cases[] = {
            {1, false, "1.5708", Qt::blue},
            {0, false, "1.0000", Qt::red},
            {3, true, "", Qt::blue},
        };
        for (const Case& c : cases) {
            emit curves->activated(c.entry);
            QApplication::processEvents();
            QCOMPARE(modulus->isEnabled(), c.editable);
            if (!c.editable) QCOMPARE(modulus->text(), c.shown);
            QCOMPARE(s.frame->ChartSpeed()->Curve()->pen().color(), c.curve);
        }
        // The editable entry takes the typed modulus; at most five characters.
        modulus->clear();
        modulus->setFocus();
        QTest::keyClicks(modulus, "2.25000");
        QCOMPARE(modulus->text(), QString("2.250"));
        QCOMPARE(s.session->Pattern().ModulusText(), std::string("2.250"));
        QCOMPARE(s.session->SigmoidalCurves().Selected()->Modulus, std::string("2.25"));
        // Leaving the page with a modulus that is no number keeps the user on it.
        modulus->clear();
        QTest::keyClicks(modulus, "-");
        QVERIFY(!s.frame->Page().OnPageLeft());
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
    }

    void unitsAreChosenOnTheUnitRow() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        const QModelIndex unit = s.Grid().Items()->IndexOf(1, Data::kElapsedTime + 1);
        QCOMPARE(s.Grid().model()->data(unit).toString(), QString("s"));
        s.Grid().setCurrentIndex(unit);
        s.Grid().setFocus();
        QTest::keyClick(&s.Grid(), Qt::Key_Return);
        QComboBox* chooser = s.frame->UnitChooser();
        QVERIFY(chooser->isVisible());
        const int ms = chooser->findText("ms");
        QVERIFY(ms >= 0);
        emit chooser->activated(ms);
        QApplication::processEvents();
        QVERIFY(!chooser->isVisible());
        QCOMPARE(s.Grid().model()->data(unit).toString(), QString("ms"));
        QCOMPARE(s.Grid().model()->data(s.Cell(1, Data::kElapsedTime)).toString(), QString("800.0000"));
        QVERIFY(s.frame->ChartSpeed()->TimeAxis()->titleText().contains("[ms]"));
        QVERIFY(s.frame->ChartSpeed()->TimeAxis()->max() >= 5100);
    }

    void readOnlyWhileAMotorIsCommitted() {
        TPatternScreen s("02_ball_screw_through_gear.kjb");
        std::unique_ptr<TMotor> motor = LoadMotorByReference(s.context->Query(), 1001, 101);
        QVERIFY(motor);
        const double before = s.Rows().Cell(2, Data::kTimeInterval).Value();
        s.Type(2, Data::kTimeInterval, "7");  // an editor still open when the motor is committed
        s.session->CommitMotor(*motor);
        QApplication::processEvents();
        QCOMPARE(s.Rows().Cell(2, Data::kTimeInterval).Value(), before);
        QApplication::processEvents();
        QVERIFY(!s.frame->ComboBoxPattern()->isEnabled());
        QVERIFY(!s.frame->ComboBoxSigmoidalCurve()->isEnabled());
        QVERIFY(!s.frame->EditModulus()->isEnabled());
        QVERIFY(!s.frame->BtnAllClear()->isEnabled());
        QVERIFY(!(s.Grid().model()->flags(s.Cell(1, Data::kTimeInterval)) & Qt::ItemIsEditable));
        const double interval = s.Rows().Cell(1, Data::kTimeInterval).Value();
        s.Type(1, Data::kTimeInterval, "9");
        s.Enter();
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), interval);
        s.PressHeader(1, Qt::RightButton);
        QVERIFY(!s.frame->PopupMenuGrid()->isVisible());
        QApplication::clipboard()->setText("\t1\n");
        QTest::keyClick(&s.Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.Rows().Cell(1, Data::kTimeInterval).Value(), interval);
        // Leaving and entering neither validates nor recomputes (the navigator does not ask).
        s.session->ReleaseCommit();
        QApplication::processEvents();
        QVERIFY(s.frame->ComboBoxPattern()->isEnabled());
        QVERIFY(s.Grid().model()->flags(s.Cell(1, Data::kTimeInterval)) & Qt::ItemIsEditable);
    }
};

KINEMO_UI_TEST_MAIN(FrameInputPatternTest)
#include "tst_FrameInputPattern.moc"
