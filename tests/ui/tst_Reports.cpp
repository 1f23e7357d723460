// The report PDF of example 02 as `kinemo --report` writes it without a display: its page
// count, the judgement figures as text equal to those of `kinemo-cli judge`, Japanese text
// that can be searched, letter paper; the print menu's controls, PDF and CSV buttons; and
// the first page of every report as a picture for review.
#include "UiTestSupport.h"

#include "session/ReportJob.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/NumberText.h"
#include "reports/FormCommitMotorPrintMenu.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPaging.h"
#include "support/ScriptedFileDialogs.h"
#include "torque/Motor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace kinemo;

namespace {

const QString kExample = QString(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb";
const char* const kMotor = "KRS0402ANS0";
constexpr double kShownDigit = 1.01e-4;  // one step of the last digit at precision 4

struct TRun {
    int exitCode = -1;
    QString out, err;
};

// A program of the build with the per-user folders in home and no display at all.
TRun Run(const QString& program, const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    env.insert("XDG_CONFIG_HOME", home);
    env.insert("HOME", home);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

std::tm ReportTime() {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 10, t.tm_hour = 12;
    return t;
}

QString Bin(const char* name) { return QString(KINEMO_BIN_DIR) + "/" + name; }

// A figure of the judgement's debug text ("name=value").
double JudgeValue(const QString& judge, const QString& name) {
    const QRegularExpression re("^" + QRegularExpression::escape(name) + "\\s*=\\s*(\\S+)\\s*$",
                                QRegularExpression::MultilineOption);
    const auto m = re.match(judge);
    return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
}

// The numbers written in the text line that starts with label (first cell after it).
bool TextShows(const QString& text, const QString& label, double expected) {
    for (const QString& line : text.split('\n')) {
        if (!line.trimmed().startsWith(label)) continue;
        const QRegularExpression number("-?\\d+\\.\\d+");
        auto it = number.globalMatch(line.mid(line.indexOf(label) + label.size()));
        while (it.hasNext())
            if (std::fabs(it.next().captured(0).toDouble() - expected) <= kShownDigit) return true;
    }
    return false;
}

}  // namespace

class ReportsTest : public QObject {
    Q_OBJECT
private slots:
    void pdfOfExample02WithoutDisplay() {
        QTemporaryDir home;
        const QString pdf = home.filePath("02.pdf");
        const TRun report = Run(Bin("kinemo"), {"--report", kExample, "--motor", kMotor, "--pdf", pdf, "--comment",
                                                "回生テスト: 実効トルク"}, home.path());
        QCOMPARE(report.exitCode, 0);
        QVERIFY(QFile::exists(pdf));

        // The page count the layouts make from the data sets of the same job.
        test::TRecordingDialogs dialogs;
        TKinemoContext ctx(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home.filePath("cfg").toStdString()),
                           dialogs);
        QVERIFY(ctx.ReadCatalogConfig());
        TSizingSession session(ctx);
        session.Initialize();
        QVERIFY(session.LoadProject(kExample.toStdString()) == TProjectDocument::TLoadResult::Accepted);
        TReportJob job(ctx, session);
        QVERIFY(job.OpenModel(kMotor, ReportTime()));
        const auto rows = [&](TReportPage p) { return job.Menu().Data(p).RowCount(); };
        const int pages = TReportPaging(TReportForm::Summary, rows(TReportPage::Summary)).PageCount() +
                          TReportPaging(TReportForm::DrivePatternStraight, rows(TReportPage::DrivePattern)).PageCount() +
                          TReportPaging(TReportForm::BlockPattern, rows(TReportPage::Block)).PageCount() +
                          TReportPaging(TReportForm::Torque, rows(TReportPage::Torque)).PageCount() +
                          TReportPaging(TReportForm::Discharge, rows(TReportPage::Discharge)).PageCount();
        const TRun info = Run("pdfinfo", {pdf}, home.path());
        QVERIFY2(info.out.contains(QRegularExpression("Pages:\\s+" + QString::number(pages) + "\\n")), qPrintable(info.out));
        QVERIFY(info.out.contains("(A4)"));

        const TRun judge = Run(Bin("kinemo-cli"), {"judge", kExample, "--motor", kMotor}, home.path());
        QCOMPARE(judge.exitCode, 0);
        const TRun text = Run("pdftotext", {"-layout", pdf, "-"}, home.path());
        QCOMPARE(text.exitCode, 0);
        struct Figure { const char* label; const char* judgeName; };
        for (const Figure& f : {Figure{"Effective torque", "実効トルク絶対値"}, Figure{"Peak torque", "必要最大トルク"},
                                Figure{"Load inertia", "イナーシャ比"}}) {
            const double expected = JudgeValue(judge.out, f.judgeName);
            QVERIFY2(!std::isnan(expected), f.judgeName);
            QVERIFY2(TextShows(text.out, f.label, expected), qPrintable(QString("%1 %2").arg(f.label).arg(expected)));
        }
        QVERIFY2(text.out.contains("実効トルク"), "the Japanese comment is not searchable text");
        const TRun fonts = Run("pdffonts", {pdf}, home.path());
        QVERIFY2(fonts.out.contains(QRegularExpression("NotoSansCJK\\S*\\s+CID TrueType\\s+Identity-H\\s+yes")),
                 qPrintable(fonts.out));
    }

    void letterPaperAndPagesChosen() {
        QTemporaryDir home;
        const QString pdf = home.filePath("torque.pdf");
        QCOMPARE(Run(Bin("kinemo"), {"--report", kExample, "--motor", kMotor, "--pages", "torque,regeneration", "--paper",
                                     "letter", "--pdf", pdf}, home.path()).exitCode, 0);
        const TRun info = Run("pdfinfo", {pdf}, home.path());
        QVERIFY2(info.out.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info.out));
        QVERIFY2(info.out.contains("612 x 792"), qPrintable(info.out));
    }

    // The appendix explains the figures with the values the judgement used.
    void explanationAppendix() {
        QTemporaryDir home;
        const QString pdf = home.filePath("explained.pdf");
        QCOMPARE(Run(Bin("kinemo"), {"--report", kExample, "--motor", kMotor, "--pages", "explanations", "--pdf", pdf},
                     home.path()).exitCode, 0);
        const TRun text = Run("pdftotext", {"-layout", pdf, "-"}, home.path());
        QCOMPARE(text.exitCode, 0);
        const TRun judge = Run(Bin("kinemo-cli"), {"judge", kExample, "--motor", kMotor}, home.path());
        const double percent = JudgeValue(judge.out, "実効トルク%値");
        QVERIFY(!std::isnan(percent));
        const QRegularExpression result("Result: MotorEffectiveTorquePercent = (\\S+) %");
        const auto m = result.match(text.out);
        QVERIFY2(m.hasMatch(), qPrintable(text.out.left(2000)));
        QCOMPARE(m.captured(1).toDouble(), percent);
        for (const char* figure : {"MotorInertiaRatio", "MotorMaxSpeedMax", "MotorRunningTorqueMaxPercent",
                                   "MotorMaxTorquePercent", "MotorEpigeneTorqueMaxPercent", "msv_s_ratedtorque",
                                   "EffectiveTorqueFormula"})
            QVERIFY2(text.out.contains(figure), figure);
    }

    void badInputEndsWithAMessageAndNoFile() {
        QTemporaryDir home;
        const QString empty = home.filePath("empty.kjb");
        QCOMPARE(Run(Bin("kinemo-cli"), {"new-project", empty}, home.path()).exitCode, 0);
        struct Case { const char* what; QStringList args; int exitCode; };
        const QString out = home.filePath("out.pdf");
        const Case cases[] = {
            {"no drive pattern", {"--report", empty, "--motor", kMotor, "--pdf", out}, 1},
            {"unknown motor", {"--report", kExample, "--motor", "NO-SUCH", "--pdf", out}, 1},
            {"unknown page", {"--report", kExample, "--motor", kMotor, "--pages", "summary,charts", "--pdf", out}, 1},
            {"missing project", {"--report", home.filePath("none.kjb"), "--motor", kMotor, "--pdf", out}, 1},
            {"unwritable path", {"--report", kExample, "--motor", kMotor, "--pdf", home.filePath("no/dir/x.pdf")}, 1},
            {"no --motor", {"--report", kExample, "--pdf", out}, 2}};
        for (const Case& c : cases) {
            const TRun r = Run(Bin("kinemo"), c.args, home.path());
            QVERIFY2(r.exitCode == c.exitCode, c.what);
            QVERIFY2(r.err.contains("kinemo: "), c.what);
            QVERIFY2(!QFile::exists(out) && !QFile::exists(home.filePath("no/dir/x.pdf")), c.what);
        }
        // A failed write keeps the file that was there.
        WriteFileAtomically(out.toStdString(), "previous");
        QCOMPARE(Run(Bin("kinemo"), {"--report", kExample, "--motor", "NO-SUCH", "--pdf", out}, home.path()).exitCode, 1);
        QCOMPARE(QString::fromStdString(ReadWholeFile(out.toStdString())), QString("previous"));
    }

    // The first page of every report, for a look as a customer would take.
    void firstPagePictures() {
        QTemporaryDir home;
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        for (const char* page : {"summary", "pattern", "elements", "torque", "regeneration"}) {
            const QString pdf = home.filePath(QString(page) + ".pdf");
            QCOMPARE(Run(Bin("kinemo"), {"--report", kExample, "--motor", kMotor, "--pages", page, "--header",
                                         "Feed axis X", "--pdf", pdf}, home.path()).exitCode, 0);
            const QString png = QString(KINEMO_SCREENSHOT_DIR) + "/report_" + page;
            QCOMPARE(Run("pdftoppm", {"-r", "80", "-png", "-singlefile", "-f", "1", "-l", "1", pdf, png}, home.path()).exitCode, 0);
            const QImage image(png + ".png");
            QVERIFY(!image.isNull());
            QVERIFY(std::abs(image.width() - 661) <= 1);  // A4 width at 80 dots per inch
        }
    }

    void printMenuSavesPdfAndCsv() {
        QTemporaryDir home;
        test::TRecordingDialogs dialogs;
        TKinemoContext ctx(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home.filePath("cfg").toStdString()),
                           dialogs);
        QVERIFY(ctx.ReadCatalogConfig());
        TSizingSession session(ctx);
        session.Initialize();
        QVERIFY(session.LoadProject(kExample.toStdString()) == TProjectDocument::TLoadResult::Accepted);
        TReportJob job(ctx, session);
        QVERIFY(job.OpenModel(kMotor, ReportTime()));
        test::TScriptedFileDialogs files;
        TFormCommitMotorPrintMenu menu(ctx, session, job.Menu(), job.Motor(), &files);
        for (TReportPage p : AllReportPages()) {
            QVERIFY(menu.Radio(p) && menu.Check(p));
            QVERIFY(menu.Check(p)->isChecked());
        }
        QVERIFY(menu.Radio(TReportPage::Summary)->isChecked());
        QCOMPARE(menu.ComboBoxSelectPaperSize()->count(), 2);
        QCOMPARE(menu.ButtonStartPrint()->isEnabled(), job.Menu().PrintEnabled());

        // PDF of the checked pages on letter paper.
        menu.Check(TReportPage::Block)->setChecked(false);
        menu.ComboBoxSelectPaperSize()->setCurrentIndex(1);
        menu.EditHeader()->setText("Axis X");
        files.saveNames.push_back(home.filePath("menu.pdf").toStdString());
        menu.ButtonSavePdfClick();
        const TRun info = Run("pdfinfo", {home.filePath("menu.pdf")}, home.path());
        QVERIFY2(info.out.contains("612 x 792"), qPrintable(info.out));
        const int expected = ReportPageCountWithout(job, TReportPage::Block);
        QVERIFY2(info.out.contains(QRegularExpression("Pages:\\s+" + QString::number(expected) + "\\n")), qPrintable(info.out));

        // CSV of the radio page, with the title typed in the menu.
        menu.Radio(TReportPage::Torque)->setChecked(true);
        files.saveNames.push_back(home.filePath("torque.csv").toStdString());
        menu.ButtonSaveCsvClick();
        QVERIFY(ReadWholeFile(home.filePath("torque.csv").toStdString()).find("\"Interval torques\"") == 0);
        menu.Radio(TReportPage::Summary)->setChecked(true);
        files.saveNames.push_back(home.filePath("summary.csv").toStdString());
        menu.ButtonSaveCsvClick();
        QVERIFY(ReadWholeFile(home.filePath("summary.csv").toStdString()).find("\"Axis X\"") != std::string::npos);

        // A cancelled dialog writes nothing; an unwritable name shows a warning.
        const size_t shown = dialogs.messages.size();
        menu.ButtonSaveCsvClick();
        QCOMPARE(dialogs.messages.size(), shown);
        files.saveNames.push_back(home.filePath("no/dir/x.csv").toStdString());
        menu.ButtonSaveCsvClick();
        QCOMPARE(dialogs.messages.size(), shown + 1);
        QVERIFY(dialogs.messages.back().type == TMsgDlgType::Warning);

        // The preview draws the radio page through the same engine.
        int previewPages = 0;
        menu.ExecDialog = [&](QDialog& d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
            if (!preview) return 0;
            preview->resize(900, 760);
            preview->show();
            QApplication::processEvents();
            const QImage image = preview->grab().toImage();
            QDir().mkpath(KINEMO_SCREENSHOT_DIR);
            image.save(QString(KINEMO_SCREENSHOT_DIR) + "/report_preview.png");
            previewPages = 1;
            return 0;
        };
        menu.ButtonStartPreviewClick();
        QCOMPARE(previewPages, 1);
        menu.TakeInputs();
        QCOMPARE(QString::fromStdString(job.Menu().HeaderText), QString("Axis X"));
    }

    // The fullest pages of the table reports end above the page foot on both papers.
    void fullTablesFitOnA4AndLetter() {
        struct Case { const char* what; int rows; TReportBlock band; };
        TReportFields band{"Figures", {}, 1};
        for (int i = 0; i < 6; ++i) band.Items.push_back({"Figure", "1.0000 N·m"});
        const Case cases[] = {{"regeneration", 70, TReportFields{"", {{"P", "1 W"}, {"maxP", "2 W"}, {"Load", "3 %"}}, 1}},
                              {"torque", 59, band},
                              {"pattern", 50, TReportCharts{{TReportChart{}, TReportChart{}}, 58}}};
        for (int paper : {kPaperA4, kPaperLetter})
            for (const Case& c : cases) {
                TReportTable table;
                table.Caption = "Table";
                table.Fill = true;
                for (int i = 0; i < 9; ++i) table.Columns.push_back({"Column title of two lines", "N·m", 1});
                for (int r = 0; r < c.rows; ++r) table.Rows.push_back(QStringList(9, "-1234.5678"));
                TReportDocument doc;
                doc.Title = "Title";
                doc.TitleFields = {{"Job", "Axis"}, {"Date", "today"}};
                doc.Pages.push_back({{table, c.band}});
                const QSizeF mm = ReportPaper(paper).size(QPageSize::Millimeter);
                QImage image(QSize(int(mm.width() / 25.4 * 96), int(mm.height() / 25.4 * 96)), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                TReportPainter engine(painter, QRectF(QPointF(0, 0), image.size()), 96);
                engine.DrawPage(doc, 0);
                if (paper == kPaperA4 && c.rows == 70) {
                    QDir().mkpath(KINEMO_SCREENSHOT_DIR);
                    image.save(QString(KINEMO_SCREENSHOT_DIR) + "/report_full_table.png");
                }
                QVERIFY2(engine.ContentBottom() <= engine.FooterTop(),
                         qPrintable(QString("%1 on paper %2 ends at %3 mm").arg(c.what).arg(paper).arg(engine.ContentBottom())));
            }
    }

private:
    static int ReportPageCountWithout(TReportJob& job, TReportPage left) {
        const std::pair<TReportPage, TReportForm> forms[] = {
            {TReportPage::Summary, TReportForm::Summary}, {TReportPage::DrivePattern, TReportForm::DrivePatternStraight},
            {TReportPage::Block, TReportForm::BlockPattern}, {TReportPage::Torque, TReportForm::Torque},
            {TReportPage::Discharge, TReportForm::Discharge}};
        int n = 0;
        for (const auto& [page, form] : forms)
            if (page != left) n += TReportPaging(form, job.Menu().Data(page).RowCount()).PageCount();
        return n;
    }
};

KINEMO_UI_TEST_MAIN(ReportsTest)
#include "tst_Reports.moc"
