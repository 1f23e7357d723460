// The motor choice page over the sample catalog and example 02: narrowing the search,
// judging all candidates at a level (the same motors as the command line), the level
// buttons, the custom condition dialog, the detail window, commitment and its project file.
#include "UiTestSupport.h"

#include "session/SizingSession.h"
#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "pattern/NumberGrid.h"
#include "selection/FormDisplayCondition.h"
#include "selection/FormMotorDetail.h"
#include "selection/FrameChoiceMotor.h"
#include "selection/MotorGrid.h"
#include "shell/PageControl.h"
#include "torque/Motor.h"
#include "torque/UserMotorSheet.h"
#include "units/ValueFormat.h"
#include "support/UserMotorSheets.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QXYSeries>
#include <QPushButton>
#include <QTableView>

#include <sqlite3.h>

using namespace kinemo;

namespace {

const std::string kExample02 = std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb";

// The page on its own over a session with a project loaded; dialogs are scripted.
struct TPage {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TSizingSession> session;
    std::unique_ptr<TFrameChoiceMotor> frame;
    std::function<int(QDialog&)> onDialog;
    std::vector<std::string> debugTexts;

    explicit TPage(const std::string& project = kExample02, const std::string& catalog = test::SampleCatalogPath()) {
        context = std::make_unique<TKinemoContext>(catalog,
                                                   TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        context->SetProgramFolder(std::string(KINEMO_BIN_DIR) + "/");  // pictures beside the sample catalog
        context->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*context);
        session->Initialize();
        if (!project.empty()) session->LoadProject(project);
        TFrameChoiceMotorHost host;
        host.ExecDialog = [this](QDialog& d) { return onDialog ? onDialog(d) : int(QDialog::Rejected); };
        host.DebugText = [this](const std::string& text) { debugTexts.push_back(text); };
        frame = std::make_unique<TFrameChoiceMotor>(*context, *session, host);
        frame->resize(900, 600);
        frame->FirstIdle();
    }
    TMotorGrid& Grid() { return *frame->Grid(); }
    int Rows() { return Grid().model()->rowCount(); }
    QString Cell(int row, int column) { return Grid().model()->index(row, column).data().toString(); }
    int RowOf(const QString& model) {
        for (int r = 0; r < Rows(); ++r)
            if (Cell(r, 0) == model) return r;
        return -1;
    }
    template <class T>
    T* Find(const char* name) { return frame->findChild<T*>(name); }
    QAbstractButton* Level(const char* name) { return Find<QAbstractButton>(name); }
};

// The command line's rows of a sizing run as comma-separated cell texts.
QStringList CliRows(const QString& level) {
    QProcess p;
    p.start(QString(KINEMO_BIN_DIR) + "/kinemo-cli",
            {"size", QString::fromStdString(kExample02), "--level", level, "--format", "csv"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {"kinemo-cli failed: " + p.readAllStandardError()};
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    lines.removeFirst();  // header
    for (QString& line : lines) line = line.trimmed();
    return lines;
}

QStringList GridRows(TPage& page) {
    QStringList rows;
    for (int r = 0; r < page.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < kCandidateColumns; ++c) cells << page.Cell(r, c);
        rows << cells.join(',');
    }
    return rows;
}

}  // namespace

class FrameChoiceMotorTest : public QObject {
    Q_OBJECT
private slots:
    // The main window opens example 02 from its command line, shows its candidates on
    // the motor page, commits from the detail window (the window's commit label and the
    // page's lock) and releases from the page.
    void inTheMainWindow() {
        QTemporaryDir dir;
        test::TRecordingDialogs dialogs;
        test::TScriptedFileDialogs files;
        TKinemoContext context(test::SampleCatalogPath(), TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices services;
        services.FileDialogs = &files;
        services.Arguments = {kExample02};
        TFormMain form(context, std::move(services));
        auto* frame = form.TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        form.show();
        form.PageControlMotorSelect()->setCurrentIndex(2);
        QApplication::processEvents();
        TSizingSession& session = form.Model().Session();
        QCOMPARE(frame->Grid()->model()->rowCount(), int(session.Candidates().DisplayList().size()));
        QVERIFY(frame->Grid()->model()->rowCount() >= 2);
        QCOMPARE(frame->findChild<QLineEdit*>("EditInputSupply")->text(),
                 QString::fromStdString(session.Search().InputSupplyText()));
        frame->SetDialogRunner([](QDialog& d) {
            if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) detail->BtnCommit()->click();
            return d.result();
        });
        frame->OpenMotorDetail(1);
        QVERIFY(form.Model().Commit().Committed());
        QVERIFY(session.CommittedMotor() && session.CommittedMotor()->Judged);  // the judged copy
        QVERIFY(form.findChild<QLabel*>("LabelMotorCommitState")->isVisible());
        QCOMPARE(session.Candidates().LockedRow(), 1);
        frame->findChild<QPushButton*>("ButtonMotorCommit")->click();
        QVERIFY(!form.Model().Commit().Committed());
        QVERIFY(!form.findChild<QLabel*>("LabelMotorCommitState")->isVisible());
        QVERIFY(frame->findChild<QPushButton*>("BtnAdjudication")->isEnabled());
        QVERIFY2(dialogs.messages.empty(), dialogs.messages.empty() ? "" : dialogs.messages[0].text.c_str());
    }

    // The user's motors appear as a function and series of their own after the catalog's;
    // choosing it lists them in the grid with the catalog's marker, judged like the others.
    void userMotorsListedAsTheirOwnSeries() {
        TPage page;
        test::StoreUserMotor(*page.context, "KRS0402ANS0", "MY-400");
        page.session->Search().ReloadFunctions();
        page.frame->Refresh();
        auto* functions = page.Find<QListWidget>("ListBoxMotorFunction");
        const int user = functions->count() - 1;
        QVERIFY(user >= 1);
        const TUserMotorTexts texts = TUserMotorTexts::Load(page.context->Query(), page.context->ErrorMessages());
        QCOMPARE(functions->item(user)->text(), QString::fromStdString(texts.Label("FunctionName")));
        page.frame->ChooseFunction(user);
        auto* series = page.Find<QListWidget>("ListBoxMotorSeries");
        QCOMPARE(series->count(), 1);
        QCOMPARE(series->item(0)->text(), QString::fromStdString(texts.Label("SeriesName")));
        QCOMPARE(page.Rows(), 1);
        QCOMPARE(page.Cell(0, 0), QString::fromStdString("MY-400 " + texts.Label("Marker")));
        page.Level("BtnAdjudicationAll")->click();
        QVERIFY(page.frame->JudgeAllCandidates());
        QVERIFY(page.session->Candidates().DisplayList().size() == 1);
        QVERIFY(page.session->Candidates().DisplayList()[0]->Judged);
        QVERIFY(!page.Cell(0, 4).isEmpty());  // the inertia verdict
        QVERIFY2(page.dialogs.messages.empty(), page.dialogs.messages.empty() ? "" : page.dialogs.messages[0].text.c_str());
    }

    void searchNarrowedByTwoItems() {
        TPage page;
        const int all = page.Rows();
        QVERIFY(all > 2);
        const QStringList before = GridRows(page);
        QCOMPARE(page.Find<QLabel>("LabelMotorCount")->text(), QString::number(all));
        QComboBox* brake = page.frame->SearchCombo(siBrake);
        QComboBox* encoder = page.frame->SearchCombo(siEncoder);
        QVERIFY(brake->count() == 2 && encoder->count() >= 2);
        const QString withBrake = brake->itemText(brake->currentIndex() == 0 ? 1 : 0);
        brake->setCurrentIndex(brake->findText(withBrake));
        QVERIFY(page.Rows() > 0);
        QVERIFY(GridRows(page) != before);
        for (const auto* m : page.session->Candidates().DisplayList())
            QCOMPARE(QString::fromStdString(m->msb_name), withBrake);
        const QString otherEncoder = encoder->itemText(encoder->currentIndex() == 0 ? 1 : 0);
        encoder->setCurrentIndex(encoder->findText(otherEncoder));
        QVERIFY(page.Rows() > 0);
        for (const auto* m : page.session->Candidates().DisplayList()) {
            QCOMPARE(QString::fromStdString(m->msb_name), withBrake);
            QCOMPARE(QString::fromStdString(m->mse_name), otherEncoder);
        }
        QCOMPARE(page.Find<QLabel>("LabelMotorCount")->text(), QString::number(page.Rows()));
        QCOMPARE(page.Grid().model()->headerData(3, Qt::Horizontal).toString().count('\n'), 1);
    }

    void judgeAllAtLevel100AsTheCommandLine() {
        TPage page;
        page.Level("BtnAdjudication100")->click();
        QVERIFY(page.frame->JudgeAllCandidates());
        const QStringList cli = CliRows("100");
        QVERIFY2(!cli.isEmpty() && !cli.first().startsWith("kinemo-cli"), qPrintable(cli.join('\n')));
        QCOMPARE(GridRows(page), cli);
        QCOMPARE(page.Find<QLabel>("LabelMotorCount")->text(),
                 QString::number(page.session->Candidates().FullList().size()));
        // A passing verdict is coloured as passing.
        const QVariant colour = page.Grid().model()->index(0, 14).data(Qt::BackgroundRole);
        QCOMPARE(colour.value<QColor>(), VerdictColour(TVerdict::Pass));
    }

    void levelButtonsTakeEffectAtTheNextRun() {
        TPage page;
        page.Level("BtnAdjudicationAll")->click();
        QVERIFY(page.frame->JudgeAllCandidates());
        const int all = page.Rows();
        QCOMPARE(all, int(page.session->Candidates().FullList().size()));
        // The smallest motor fails its torque checks and shows it in the failing colour.
        QCOMPARE(page.Grid().model()->index(0, 8).data(Qt::BackgroundRole).value<QColor>(),
                 VerdictColour(TVerdict::Fail));
        QVERIFY(!page.Grid().model()->index(0, 7).data(Qt::BackgroundRole).isValid());
        page.Level("BtnAdjudication60")->click();
        QCOMPARE(page.Rows(), all);
        QVERIFY(page.frame->JudgeAllCandidates());
        const int at60 = page.Rows();
        QVERIFY(at60 < all);
        page.Level("BtnAdjudication100")->click();
        QCOMPARE(page.Rows(), at60);
        QVERIFY(page.frame->JudgeAllCandidates());
        QVERIFY(page.Rows() >= at60);
        QCOMPARE(GridRows(page), CliRows("100"));
    }

    void customDialogSetsTheCondition() {
        TPage page;
        bool shown = false;
        page.onDialog = [&](QDialog& d) {
            auto* dialog = qobject_cast<TFormDisplayCondition*>(&d);
            if (!dialog) return int(QDialog::Rejected);
            shown = true;
            QAbstractItemModel* grid = dialog->Grid()->model();
            if (grid->rowCount() != 5 || grid->index(0, 1).data().toString() != "90") return int(QDialog::Rejected);
            grid->setData(grid->index(1, 1), "75", Qt::EditRole);  // effective torque
            // Not a number: refused with the catalog's text, the limit kept (it used to read 0).
            const QString inertia = grid->index(4, 1).data().toString();
            grid->setData(grid->index(4, 1), "x", Qt::EditRole);
            if (page.dialogs.messages.size() != 1 || grid->index(4, 1).data().toString() != inertia)
                return int(QDialog::Rejected);
            // The number editor of the pattern grids: letters never arrive, and a comma is
            // refused where the user's decimal mark is the point (C locale here).
            TNumberGrid* numbers = dialog->Grid();
            numbers->setCurrentIndex(grid->index(3, 1));
            numbers->edit(grid->index(3, 1));
            auto* editor = numbers->findChild<TNumberInplaceEdit*>();
            if (!editor) return int(QDialog::Rejected);
            editor->clear();
            QTest::keyClicks(editor, "7a,5");
            if (editor->text() != "7,5") return int(QDialog::Rejected);
            QTest::keyClick(editor, Qt::Key_Return);
            if (page.dialogs.messages.size() != 2 || grid->index(3, 1).data().toString() == "7,5")
                return int(QDialog::Rejected);
            grid->setData(grid->index(4, 1), "0", Qt::EditRole);
            dialog->findChild<QPushButton*>("BtnOk")->click();
            return dialog->result();
        };
        page.dialogs.messages.clear();
        page.Level("BtnAdjudicationCustom")->click();
        QVERIFY(shown);
        QCOMPARE(page.dialogs.messages.size(), size_t(2));
        QCOMPARE(page.dialogs.messages[0].text, std::string("\"x\" is not a number. Enter each limit as a number, with "
                                                            "\".\" as the decimal mark; the limit was not changed."));
        const TDisplayCondition& c = page.session->Candidates().CustomCondition();
        QCOMPARE(c.EffectiveTorque, 75.0);
        QCOMPARE(c.Inertia, 0.0);
        QCOMPARE(c.MaxTorque, 90.0);
        QVERIFY(page.session->Candidates().Level() == TAdjudicationLevel::Custom);
        QCOMPARE(page.session->Candidates().ActiveCondition().EffectiveTorque, 75.0);
        QVERIFY(page.frame->JudgeAllCandidates());
        QCOMPARE(page.Rows(), 0);  // every motor has a positive inertia ratio
    }

    void badSupplyVoltageStopsTheRun() {
        TPage page;
        page.Level("BtnAdjudicationAll")->click();
        const QStringList before = GridRows(page);
        page.Find<QLineEdit>("EditInputSupply")->setText("abc");
        page.frame->SetInputSupply("abc");
        page.dialogs.messages.clear();
        QVERIFY(!page.frame->JudgeAllCandidates());
        QCOMPARE(page.dialogs.messages.size(), size_t(1));  // once, not once per motor
        QCOMPARE(page.dialogs.messages[0].text, page.context->ErrorMessages().GetText("NotInputVoltate"));
        QCOMPARE(GridRows(page), before);
        QVERIFY(page.frame->isEnabled());
    }

    // Choosing a row judges its motor once and hands its debug text on; the program's own
    // selection (a new list) judges nothing.
    void selectingARowJudgesIt() {
        TPage page;
        QVERIFY(page.Rows() >= 2);
        QVERIFY(page.debugTexts.empty());
        QVERIFY(page.Cell(1, 7).isEmpty());
        page.Grid().setCurrentIndex(page.Grid().model()->index(1, 3));
        const TMotor& m = *page.session->Candidates().DisplayList()[1];
        QVERIFY(m.Judged);
        QVERIFY(!page.Cell(1, 7).isEmpty());
        QCOMPARE(page.debugTexts.size(), size_t(1));
        QCOMPARE(page.debugTexts[0], m.GetDebugText());
        page.Grid().setCurrentIndex(page.Grid().model()->index(1, 5));
        QCOMPARE(page.debugTexts.size(), size_t(1));  // already judged
        QVERIFY(!page.session->Candidates().DisplayList()[0]->Judged);
    }

    void positionRangeLettersEmptyTheStoppingAccuracy() {
        TPage page;
        auto* accuracy = page.Find<QLineEdit>("TextStoppingAccuracy");
        const QString shown = accuracy->text();
        QVERIFY(!shown.isEmpty());
        page.frame->SetPositionRange("abc");
        QVERIFY(accuracy->text().isEmpty());
        page.frame->SetPositionRange("2000000");
        double previous = 0, now = 0;
        QVERIFY(TryTextToFloat(shown.toStdString(), previous) && TryTextToFloat(accuracy->text().toStdString(), now));
        QVERIFY(now > previous);  // a wider in-position window, a coarser stop
        QCOMPARE(page.Find<QLineEdit>("EditPositionRange")->maxLength(), 9);
    }

    void detailWindowShowsTheJudgedFigures() {
        TPage page;
        const int row = page.RowOf("KRS0402ANS0");
        QVERIFY(row >= 0);
        QPointer<TFormMotorDetail> seen;
        QString effective, ratio, base, verdict;
        int torquePoints = 0, envelopeSeries = 0;
        bool commitEnabled = false, printEnabled = false;
        page.onDialog = [&](QDialog& d) {
            seen = qobject_cast<TFormMotorDetail*>(&d);
            if (!seen) return 0;
            effective = seen->GridMotorCalc()->model()->index(3, 5).data().toString();
            ratio = seen->GridMotorCalc()->model()->index(1, 7).data().toString();
            verdict = seen->GridMotorCalc()->model()->index(3, 9).data().toString();
            base = seen->GridMotorBase()->model()->index(1, 1).data().toString();
            const auto series = seen->ChartTorque()->chart()->series();
            for (auto* s : series) torquePoints = std::max(torquePoints, int(static_cast<QXYSeries*>(s)->count()));
            envelopeSeries = int(seen->ChartEnvelope()->chart()->series().size());
            commitEnabled = seen->BtnCommit()->isEnabled();
            printEnabled = seen->findChild<QPushButton*>("BtnPrint")->isEnabled();
            return 0;
        };
        page.frame->OpenMotorDetail(row);
        QVERIFY(seen.isNull());  // destroyed after closing
        const TMotor& m = *page.session->Candidates().DisplayList()[size_t(row)];
        QVERIFY(m.Judged);
        const TValueFormat& f = page.context->ValueFormat();
        QCOMPARE(effective, QString::fromStdString(f.Display(m.MotorEffectiveTorque)));
        QCOMPARE(ratio, QString::fromStdString(f.Display(m.MotorInertiaRatio)));
        QCOMPARE(verdict, QString::fromStdString(m.GetResultLabel(page.session->ResultLabels(), m.EffectiveTorqueCode)));
        QCOMPARE(base, QString("KRS0402ANS0"));
        QCOMPARE(torquePoints, 1 + 2 * m.Torques->Count());
        QCOMPARE(envelopeSeries, 4);  // peak zone, continuous zone, intervals, effective point
        QVERIFY(commitEnabled);
        QVERIFY(printEnabled);  // the print menu of the reports
    }

    void commitAndRelease() {
        TPage page;
        const int row = page.RowOf("KRS0752ANS0");
        QVERIFY(row >= 1);
        page.onDialog = [](QDialog& d) {
            if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) detail->BtnCommit()->click();
            return d.result();
        };
        page.frame->OpenMotorDetail(row);
        QVERIFY(page.session->CommittedMotor());
        QCOMPARE(page.session->CommittedMotor()->msv_model_all, std::string("KRS0752ANS0"));
        QCOMPARE(page.session->Candidates().LockedRow(), row);
        QCOMPARE(page.Grid().currentIndex().row(), row);
        QCOMPARE(page.Grid().model()->index(row, 3).data(Qt::BackgroundRole).value<QColor>(),
                 QApplication::palette().color(QPalette::Highlight));
        QVERIFY(!page.session->Machine().Editable());
        QVERIFY(!page.session->Pattern().Editable());
        for (const char* name : {"ListBoxMotorFunction", "ListBoxMotorSeries", "EditInputSupply", "EditPositionRange",
                                 "BtnAdjudication", "BtnAdjudication100", "ComboBoxBrake"})
            QVERIFY2(!page.Find<QWidget>(name)->isEnabled(), name);
        QVERIFY(page.Find<QPushButton>("ButtonMotorCommit")->isEnabled());
        // Another row may not be chosen; the committed row's detail opens without commit.
        page.Grid().setCurrentIndex(page.Grid().model()->index(0, 2));
        QCOMPARE(page.Grid().currentIndex().row(), row);
        bool commitEnabled = true;
        int opened = 0;
        page.onDialog = [&](QDialog& d) {
            if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) {
                ++opened;
                commitEnabled = detail->BtnCommit()->isEnabled();
            }
            return 0;
        };
        page.Grid().ClickModelButton(0);
        QCOMPARE(opened, 0);
        page.Grid().ClickModelButton(row);
        QCOMPARE(opened, 1);
        QVERIFY(!commitEnabled);
        // Release.
        page.Find<QPushButton>("ButtonMotorCommit")->click();
        QVERIFY(!page.session->CommittedMotor());
        QCOMPARE(page.session->Candidates().LockedRow(), -1);
        QVERIFY(page.session->Machine().Editable());
        QVERIFY(page.Find<QWidget>("BtnAdjudication")->isEnabled());
        QVERIFY(!page.Find<QPushButton>("ButtonMotorCommit")->isEnabled());
    }

    // A judgement formula that fails on the third candidate: the run stops there with the
    // error, the page is usable again and the grid still shows the earlier list.
    void formulaErrorOnOneCandidate() {
        QTemporaryDir dir;
        const std::string catalog = dir.filePath("Kinemo.db").toStdString();
        QVERIFY(QFile::copy(QString::fromStdString(test::SampleCatalogPath()), QString::fromStdString(catalog)));
        QFile::setPermissions(QString::fromStdString(catalog), QFile::ReadOwner | QFile::WriteOwner);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(catalog.c_str(), &db), SQLITE_OK);
        const char* broken =
            "UPDATE m_drive_pattern SET mdp_value = 'If MotorRotorInertia > 0.00005 Then MotorInertiaRatio = 1 / 0 "
            "Else MotorInertiaRatio = JL / MotorRotorInertia' WHERE mdp_class = 'MotorInertiaRatio'";
        QCOMPARE(sqlite3_exec(db, broken, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        TPage page(kExample02, catalog);
        QVERIFY(page.Rows() >= 3);
        const QStringList before = GridRows(page);
        QString error;
        try {
            page.frame->JudgeAllCandidates();
        } catch (const std::exception& e) {
            error = e.what();
        }
        QVERIFY2(error.contains("Division by zero"), qPrintable(error));
        QCOMPARE(GridRows(page).size(), before.size());
        QVERIFY(page.frame->isEnabled());
        QVERIFY(page.session->Candidates().FullList()[0]->Judged);
        QVERIFY(!page.session->Candidates().FullList()[3]->Judged);
    }

    // The wait window is advanced once per judged motor; no step may take 100 ms.
    void progressAdvancesPerMotor() {
        TPage page;
        struct TTimed : IProgress {
            QElapsedTimer clock;
            qint64 last = 0, longest = 0;
            int calls = 0;
            void Progress(int, int, const std::string&) override {
                longest = std::max(longest, clock.elapsed() - last);
                last = clock.elapsed();
                ++calls;
            }
        } timed;
        timed.clock.start();
        QVERIFY(page.session->JudgeAll(TAdjudicationLevel::All, &timed));
        QCOMPARE(timed.calls, int(page.session->Candidates().FullList().size()));
        QVERIFY2(timed.longest < 100, qPrintable(QString::number(timed.longest)));
    }

    void committedProjectSavedAndReopened() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("committed.kjb").toStdString();
        {
            TPage page;
            const int row = page.RowOf("KRS0752ANS0");
            page.onDialog = [](QDialog& d) {
                if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) detail->BtnCommit()->click();
                return d.result();
            };
            page.frame->OpenMotorDetail(row);
            QVERIFY(page.session->CommittedMotor());
            page.session->SaveProject(path);
        }
        TPage reopened(path);
        QVERIFY(reopened.session->CommittedMotor());
        QCOMPARE(reopened.session->CommittedMotor()->msv_model_all, std::string("KRS0752ANS0"));
        const int locked = reopened.session->Candidates().LockedRow();
        QVERIFY(locked >= 0);
        QCOMPARE(reopened.Cell(locked, 0), QString("KRS0752ANS0"));
        QVERIFY(!reopened.Find<QWidget>("BtnAdjudication")->isEnabled());
        QVERIFY(reopened.Find<QPushButton>("ButtonMotorCommit")->isEnabled());
    }

    // In the main window a level button, the position range, a commitment and its release
    // are no input of the judgement: the detail window and the next visit of the page
    // keep every other candidate's verdicts. The caption marks the unsaved changes.
    void verdictsStayThroughEditsThatAreNoInput() {
        QTemporaryDir dir;
        test::TRecordingDialogs dialogs;
        test::TScriptedFileDialogs files;
        TKinemoContext context(test::SampleCatalogPath(), TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices services;
        services.FileDialogs = &files;
        services.Arguments = {kExample02};
        TFormMain form(context, std::move(services));
        auto* frame = form.TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        form.show();
        form.PageControlMotorSelect()->setCurrentIndex(2);
        QApplication::processEvents();
        TSizingSession& session = form.Model().Session();
        QVERIFY(!form.windowTitle().startsWith('*'));
        frame->findChild<QAbstractButton*>("BtnAdjudicationAll")->click();
        QVERIFY(frame->JudgeAllCandidates());
        auto judged = [&] {
            int n = 0;
            for (const auto& m : session.Candidates().FullList()) n += m->Judged ? 1 : 0;
            return n;
        };
        const int all = int(session.Candidates().FullList().size());
        QCOMPARE(judged(), all);
        frame->findChild<QAbstractButton*>("BtnAdjudication60")->click();
        auto* range = frame->findChild<QLineEdit*>("EditPositionRange");
        range->selectAll();
        QTest::keyClicks(range, "20");
        frame->SetDialogRunner([](QDialog& d) {
            if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) detail->BtnCommit()->click();
            return d.result();
        });
        frame->OpenMotorDetail(1);
        QVERIFY(session.CommittedMotor());
        QCOMPARE(judged(), all);
        frame->findChild<QPushButton*>("ButtonMotorCommit")->click();
        QVERIFY(!session.CommittedMotor());
        uitest::ClickTab(form.PageControlMotorSelect()->Tabs(), 0);
        uitest::ClickTab(form.PageControlMotorSelect()->Tabs(), 2);
        QCOMPARE(form.PageControlMotorSelect()->currentIndex(), 2);
        QCOMPARE(judged(), all);
        frame->SetDialogRunner([](QDialog&) { return 0; });
        frame->OpenMotorDetail(0);
        QCOMPARE(judged(), all);
        QVERIFY(form.Model().Modified());
        QVERIFY(form.windowTitle().startsWith('*'));
        QVERIFY2(dialogs.messages.empty(), dialogs.messages.empty() ? "" : dialogs.messages[0].text.c_str());
    }

    // A project saved with judged motors and a committed one opens, on the first open
    // after the start, with the same verdicts, the committed row highlighted and no message.
    void judgedProjectReopensWithItsVerdicts() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("judged.kjb").toStdString();
        QStringList judgedRows;
        {
            TPage page;
            page.Level("BtnAdjudication100")->click();
            QVERIFY(page.frame->JudgeAllCandidates());
            judgedRows = GridRows(page);
            QVERIFY(judgedRows.size() >= 2);
            page.onDialog = [](QDialog& d) {
                if (auto* detail = qobject_cast<TFormMotorDetail*>(&d)) detail->BtnCommit()->click();
                return d.result();
            };
            page.frame->OpenMotorDetail(1);
            QVERIFY(page.session->CommittedMotor());
            page.session->SaveProject(path);
        }
        test::TRecordingDialogs dialogs;
        test::TScriptedFileDialogs files;
        TKinemoContext context(test::SampleCatalogPath(), TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices services;
        services.FileDialogs = &files;
        services.Arguments = {path};
        TFormMain form(context, std::move(services));
        auto* frame = form.TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        form.show();
        form.PageControlMotorSelect()->setCurrentIndex(2);
        QApplication::processEvents();
        QVERIFY2(dialogs.messages.empty(), dialogs.messages.empty() ? "" : dialogs.messages[0].text.c_str());
        QAbstractItemModel* grid = frame->Grid()->model();
        QStringList shown;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < kCandidateColumns; ++c) cells << grid->index(r, c).data().toString();
            if (judgedRows.contains(cells.join(','))) shown << cells.join(',');
        }
        QCOMPARE(shown, judgedRows);
        const int locked = form.Model().Session().Candidates().LockedRow();
        QVERIFY(locked >= 0);
        QCOMPARE(grid->index(locked, 0).data().toString(), judgedRows[1].section(',', 0, 0));
        QCOMPARE(grid->index(locked, 8).data(Qt::BackgroundRole).value<QColor>(),
                 QApplication::palette().color(QPalette::Highlight));
        QVERIFY(!form.Model().Modified());
    }
};

KINEMO_UI_TEST_MAIN(FrameChoiceMotorTest)
#include "tst_FrameChoiceMotor.moc"
