// Quotation print dialog.
#include "options/FormPrinterSelectOption.h"
#include "common/QtText.h"

#include "common/BusyCursor.h"
#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "base/FileDialogs.h"
#include "base/UserDialogs.h"
#include "options/FormPrinterOption.h"
#include "options/OptionDetailModel.h"
#include "options/QuotationDocument.h"
#include "reports/ReportOutput.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace kinemo {

namespace {

}  // namespace

TFormPrinterSelectOption::TFormPrinterSelectOption(TKinemoContext& context, TOptionDetailModel& detail,
                                                   IFileDialogs& files, QWidget* parent)
    : QDialog(parent), context_(context), detail_(detail), files_(files),
      quotation_(context.Query(), detail.PrintData()) {
    setObjectName("FormPrinterSelectOption");
    const QDateTime now = QDateTime::currentDateTime();
    quotation_.SetCurrentDate(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                              now.time().minute(), now.time().second());
    const TNameValueList& t = quotation_.DialogTexts();
    setWindowTitle(Qs(t.Value("WindowCaption")));
    auto* grid = new QGridLayout(this);
    auto label = [&](const char* name, int row) {
        auto* l = new QLabel(Qs(t.Value(name)), this);
        l->setObjectName(name);
        grid->addWidget(l, row, 0);
    };
    label("LabelSelectPrinter", 0);
    printers_ = new QComboBox(this);
    printers_->setObjectName("ComboBoxSelectPrinter");
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers_->addItems(names);
    printers_->setCurrentText(QPrinterInfo::defaultPrinterName());
    grid->addWidget(printers_, 0, 1);
    label("LabelInputTitle", 1);
    title_ = new QLineEdit(Qs(detail_.PrintTitle), this);
    title_->setObjectName("EditInputTitle");
    title_->setMinimumWidth(320);
    grid->addWidget(title_, 1, 1);
    label("LabelSelectPaperSize", 2);
    paper_ = new QComboBox(this);
    paper_->setObjectName("ComboBoxSelectPaperSize");
    for (const std::string& p : quotation_.PaperChoices()) paper_->addItem(Qs(p));
    const int saved = context_.Run().Settings.PaperSize;
    paper_->setCurrentIndex(saved >= 0 && saved < paper_->count() ? saved : 0);
    quotation_.ChoosePaper(paper_->currentIndex());
    grid->addWidget(paper_, 2, 1);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name) {
        auto* b = new QPushButton(Qs(t.Value(name)), this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* csv = button("ButtonSaveCsv");
    QPushButton* pdf = button("ButtonSavePdf");
    QPushButton* preview = button("ButtonStartPreview");
    print_ = button("ButtonStartPrint");
    QPushButton* back = button("ButtonReturn");
    grid->addLayout(buttons, 3, 0, 1, 2);
    // Without printers only print is impossible: preview, PDF and CSV need none.
    const bool havePrinters = !names.isEmpty();
    printers_->setEnabled(havePrinters);
    print_->setEnabled(havePrinters);
    if (!havePrinters) print_->setToolTip(Qs(t.Value("NoPrinter")));
    connect(paper_, &QComboBox::currentIndexChanged, this, [this](int i) { quotation_.ChoosePaper(i); });
    connect(csv, &QPushButton::clicked, this, Guarded([this] { SaveCsv(); }));
    connect(pdf, &QPushButton::clicked, this, Guarded([this] { SavePdf(); }));
    connect(preview, &QPushButton::clicked, this, Guarded([this] { StartPreview(); }));
    connect(print_, &QPushButton::clicked, this, Guarded([this] { StartPrint(); }));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    ApplyInterfaceFont(this, context_.Run().FontName);
}

std::string TFormPrinterSelectOption::Title() const { return title_->text().toStdString(); }

void TFormPrinterSelectOption::StartPreview() {
    std::function<void()> print;
    if (print_->isEnabled()) print = [this] { StartPrint(); };
    TFormPrinterOption preview(quotation_, Title(), print, this);
    ApplyInterfaceFont(&preview, context_.Run().FontName);
    if (ExecDialog) ExecDialog(preview);
    else preview.exec();
}

void TFormPrinterSelectOption::StartPrint() {
    if (!print_->isEnabled()) return;
    TBusyScope busy(context_.BusyCursor());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printers_->currentText());
    PrintReports(printer, {QuotationDocument(quotation_, Title())}, quotation_.PaperCode());
}

bool TFormPrinterSelectOption::SaveCsv() {
    const TNameValueList& t = quotation_.DialogTexts();
    std::optional<std::string> path = files_.SaveFileName(
        {t.Value("SaveDialogCsv.Filter"), t.Value("SaveDialogCsv.DefaultExt"), t.Value("SaveDialogCsv.InitialDir")});
    if (!path) return false;
    quotation_.SaveCsv(WithDefaultExtension(*path, t.Value("SaveDialogCsv.DefaultExt")), Title());
    context_.Dialogs().ShowMessageDialog(t.Value("CsvOutMessage"), TMsgDlgType::Information, mbOK);
    return true;
}

bool TFormPrinterSelectOption::SavePdf() {
    const TNameValueList& t = quotation_.DialogTexts();
    std::optional<std::string> path = files_.SaveFileName({t.Value("SaveDialogPdf.Filter"), t.Value("SaveDialogPdf.DefaultExt"),
                                                           t.Value("SaveDialogCsv.InitialDir")});
    if (!path) return false;
    const std::string file = WithDefaultExtension(*path, t.Value("SaveDialogPdf.DefaultExt"));
    WriteReportPdf(Qs(file), {QuotationDocument(quotation_, Title())}, quotation_.PaperCode(), Qs(Title()));
    context_.Dialogs().ShowMessageDialog(t.Value("PdfOutMessage"), TMsgDlgType::Information, mbOK);
    return true;
}

void TFormPrinterSelectOption::done(int result) {
    // The title and the paper size go back to the page and the settings.
    detail_.PrintTitle = Title();
    context_.Run().Settings.PaperSize = paper_->currentIndex();
    QDialog::done(result);
}

}  // namespace kinemo
