// The option page in the main window: the series screen hands its motor to the detail
// screen, row lists and choices reprice at once, a refused comment comes back, the committed
// example's total equals what kinemo-cli quote prints, and the print dialog writes CSV and PDF.
#include "UiTestSupport.h"

#include "shell/FormMain.h"
#include "session/KinemoContext.h"
#include "shell/PageControl.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "options/FormPrinterOption.h"
#include "options/FormPrinterSelectOption.h"
#include "options/FrameSelectOptionDetail.h"
#include "options/FrameSelectOptionSeries.h"
#include "options/Quotation.h"
#include "options/QuotationDocument.h"
#include "base/AmountText.h"
#include "support/ScriptedFileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QLabel>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kinemo;

namespace {

const std::string kExample10 = std::string(KINEMO_SOURCE_DIR) + "/examples/18_feeder_committed_with_options.kjb";

struct TMain {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;
    TMain() {
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(),
                                                   TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices s;
        s.FileDialogs = &files;
        form = std::make_unique<TFormMain>(*context, std::move(s));
        form->PageControlMenu()->setCurrentIndex(1);
        form->show();
    }
    TSizingSession& Session() { return form->Model().Session(); }
    template <class T>
    T* Child(const char* name) {
        // Within the option page: the CAD page has controls of the same names.
        T* w = form->TabSheet(TTabSheet::ChoiceOption)->findChild<T*>(name);
        if (!w) qFatal("no child %s", name);
        return w;
    }
    QString Total() { return Child<QLineEdit>("PanelAllPrice")->text(); }
};

}  // namespace

class OptionPagesTest : public QObject {
    Q_OBJECT
private slots:
    void seriesScreenHandsItsMotorToTheDetailScreen() {
        TMain m;
        auto* series = m.form->findChild<TFrameSelectOptionSeries*>();
        auto* detail = m.form->findChild<TFrameSelectOptionDetail*>();
        QVERIFY(series->isVisible());
        QVERIFY(!detail->isVisible());
        const QString model = m.Child<QLineEdit>("StaticTextMotorNumber")->text();
        m.Child<QPushButton>("ButtonSelectOption")->click();
        QVERIFY(detail->isVisible());
        QVERIFY(!series->isVisible());
        QCOMPARE(m.Child<QLineEdit>("PanelMotorNumber")->text(), model);
        QVERIFY(m.Child<QPushButton>("ButtonReturn")->isEnabled());
        m.Child<QPushButton>("ButtonReturn")->click();
        QVERIFY(series->isVisible());
        // A committed motor: only the detail screen, without its way back.
        m.form->CommitMotor(TMotorReference{1034, 105});
        QVERIFY(detail->isVisible());
        QVERIFY(!series->isVisible());
        QVERIFY(!m.Child<QPushButton>("ButtonReturn")->isEnabled());
        QCOMPARE(m.Child<QLineEdit>("PanelMotorNumber")->text(), QString("KRS0402BNS0"));
        m.form->ReleaseCommit();
        QVERIFY(series->isVisible());
    }

    void listsAndChoicesRepriceAtOnce() {
        TMain m;
        m.form->CommitMotor(TMotorReference{1034, 105});
        TOptionDetailModel& d = m.Session().OptionDetail();
        auto* detail = m.form->findChild<TFrameSelectOptionDetail*>();
        QGroupBox* battery = detail->RowBox(TOptionGroup::Battery, 0);
        QVERIFY(battery);
        auto* qty = battery->findChild<QComboBox*>(battery->objectName() + "_ComboBoxPriceNumber");
        const long long before = d.GrandTotal();
        qty->setCurrentIndex(3);
        QCOMPARE(d.GrandTotal(), before + 2 * d.Group(TOptionGroup::Battery)[0].Price);
        QCOMPARE(m.Total().toStdString(), AmountText(d.MoneySymbol(), d.GrandTotal()));
        // The terminal block cable set makes the interface page's second row orderable.
        auto* cables = m.Child<QComboBox>("ComboBoxCableConector");
        QVERIFY(!detail->RowBox(TOptionGroup::Interface, 1)->isEnabled());
        cables->setCurrentIndex(cables->findText("Standard cables with I/O terminal block"));
        QVERIFY(detail->RowBox(TOptionGroup::Interface, 1)->isEnabled());
        // The battery case switch replaces the encoder cable row on the page.
        m.Child<QCheckBox>("CheckBoxBatteryFolder")->setChecked(true);
        QVERIFY(detail->RowBox(TOptionGroup::Cable, 0)
                    ->findChild<QLineEdit*>("PanelCable_GBox_0_PanelPriceName")
                    ->text()
                    .startsWith("KC-EAC-"));
        QCOMPARE(d.GrandTotal(), d.SumOfSubTotals());
    }

    void aCommentOverItsLimitIsRefused() {
        TMain m;
        m.form->CommitMotor(TMotorReference{1034, 105});
        auto* memo = m.Child<QPlainTextEdit>("MemoComment");
        memo->setPlainText("1\n2\n3\n4\n5");
        QCOMPARE(m.Session().OptionDetail().Comment(), std::string("1\n2\n3\n4\n5"));
        m.dialogs.messages.clear();
        memo->setPlainText("1\n2\n3\n4\n5\n6");
        QCOMPARE(memo->toPlainText(), QString("1\n2\n3\n4\n5"));
        QCOMPARE(m.dialogs.messages.size(), size_t(1));
        QCOMPARE(m.dialogs.messages[0].text, m.Session().OptionDetail().Text("CommentTooLong"));
    }

    // The same project through the command line and the screen gives the same total.
    void quoteCommandGivesTheScreensTotal() {
        TMain m;
        QVERIFY(m.Session().LoadProject(kExample10) == TProjectDocument::TLoadResult::Accepted);
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m.dir.filePath("cli"));
        cli.setProcessEnvironment(env);
        cli.start(QString(KINEMO_BIN_DIR) + "/kinemo-cli",
                  {"quote", QString::fromStdString(kExample10), "--format", "json", "--catalog",
                   QString::fromStdString(test::SampleCatalogPath())});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject quote = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        const long long total = quote.value("total").toInteger();
        QVERIFY(total > 0);
        QCOMPARE(m.Total().toStdString(), AmountText("$", total));
        QCOMPARE(m.Session().OptionDetail().GrandTotal(), total);
    }

    void printDialogWritesCsvAndPdfAndPagesThePreview() {
        TMain m;
        QVERIFY(m.Session().LoadProject(kExample10) == TProjectDocument::TLoadResult::Accepted);
        TFormPrinterSelectOption dialog(*m.context, m.Session().OptionDetail(), m.files, m.form.get());
        QCOMPARE(dialog.findChild<QLineEdit*>("EditInputTitle")->text(), QString("Feeder axes, ball screw through gear"));
        const std::string csv = m.dir.filePath("quote.csv").toStdString();
        const std::string pdf = m.dir.filePath("quote").toStdString();  // the default extension is added
        m.files.saveNames = {csv, pdf};
        QVERIFY(dialog.SaveCsv());
        const std::string text = ReadWholeFile(csv);
        QVERIFY(text.find("\"Feeder axes, ball screw through gear\"") != std::string::npos);
        QVERIFY(text.find("\"KBT-36\",2,") != std::string::npos);
        QVERIFY(dialog.SavePdf());
        QCOMPARE(ReadWholeFile(pdf + ".pdf").substr(0, 5), std::string("%PDF-"));
        QCOMPARE(m.dialogs.messages.back().text, dialog.Quotation().DialogTexts().Value("PdfOutMessage"));
        // A cancelled save writes nothing and says nothing.
        const size_t messages = m.dialogs.messages.size();
        QVERIFY(!dialog.SaveCsv());
        QCOMPARE(m.dialogs.messages.size(), messages);
        // The title goes back to the page when the dialog closes.
        dialog.findChild<QLineEdit*>("EditInputTitle")->setText("Axis 2");
        dialog.accept();
        QCOMPARE(m.Session().OptionDetail().PrintTitle, std::string("Axis 2"));
        // Preview moves: one page, so no move is possible.
        QString page;
        bool nextEnabled = true;
        dialog.ExecDialog = [&](QDialog& d) {
            page = d.findChild<QLabel*>("LabelPage")->text();
            nextEnabled = d.findChild<QPushButton*>("ButtonNext")->isEnabled();
            return 0;
        };
        dialog.StartPreview();
        QCOMPARE(page, QString("1 / 1"));
        QVERIFY(!nextEnabled);
    }

    // On the printed page every amount stands in its column: unit prices under the unit
    // price heading, subtotals and the grand total under the subtotal heading.
    void quotationPageKeepsAmountsInTheirColumns() {
        TMain m;
        QVERIFY(m.Session().LoadProject(kExample10) == TProjectDocument::TLoadResult::Accepted);
        const TQuotation quotation(m.context->Query(), m.Session().OptionDetail().PrintData());
        const TReportDocument doc = QuotationDocument(quotation, "Axis 1");
        QCOMPARE(doc.Pages.size(), qsizetype(1));
        const TNameValueList& t = quotation.PageTexts();
        const TReportTable* options = nullptr;
        for (const TReportBlock& block : doc.Pages[0].Blocks)
            if (const auto* table = std::get_if<TReportTable>(&block); table && table->Caption == QString::fromStdString(t.Value("LRLabelOptions")))
                options = table;
        QVERIFY(options);
        QCOMPARE(options->Columns[4].Title.toStdString(), t.Value("LRLabelSubTotal"));
        const QStringList& last = options->Rows.back();
        QCOMPARE(last[0].toStdString(), t.Value("LRLabelTotal"));
        QCOMPARE(last[4].toStdString(), AmountText("$", m.Session().OptionDetail().GrandTotal()));
        QVERIFY(last[3].isEmpty());
        QCOMPARE(options->Rows[0][3].toStdString(), AmountText("$", m.Session().OptionDetail().Group(TOptionGroup::Cable)[0].Price));
    }
};

QTEST_MAIN(OptionPagesTest)
#include "tst_OptionPages.moc"
