// The print menu window.
#include "reports/FormCommitMotorPrintMenu.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"
#include "session/KinemoContext.h"
#include "common/QtFileDialogs.h"
#include "session/SizingSession.h"
#include "base/FileDialogs.h"
#include "base/UserDialogs.h"
#include "reports/ReportOutput.h"
#include "reports/ReportSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinemo {

namespace {

// Control names of the pages, in menu order.
const std::map<TReportPage, std::pair<const char*, const char*>> kPageControls = {
    {TReportPage::Summary, {"RadioButtonSummury", "CheckBoxSummury"}},
    {TReportPage::DrivePattern, {"RadioButtonDrivePattern", "CheckBoxDrivePattern"}},
    {TReportPage::Block, {"RadioButtonBlockPattern", "CheckBoxBlockPattern"}},
    {TReportPage::Torque, {"RadioButtonTorque", "CheckBoxTorque"}},
    {TReportPage::Discharge, {"RadioButtonDischarge", "CheckBoxDischarge"}}};

}  // namespace

TFormCommitMotorPrintMenu::TFormCommitMotorPrintMenu(TKinemoContext& context, TSizingSession& session,
                                                     TCommitMotorPrintMenuModel& menu, const TMotor& motor,
                                                     IFileDialogs* fileDialogs, QWidget* parent)
    : QDialog(parent), context_(context), menu_(menu), fileDialogs_(fileDialogs) {
    if (!fileDialogs_) {
        ownDialogs_ = std::make_unique<TQtFileDialogs>(this);
        fileDialogs_ = ownDialogs_.get();
    }
    const QString project = QFileInfo(Qs(context.Run().CurrentFileName)).fileName();
    reports_ = std::make_unique<TReportSet>(context, session, menu, motor, project);
    menu_.SetPrintersAvailable(!QPrinterInfo::availablePrinters().isEmpty());
    setObjectName("FormCommitMotorPrintMenu");
    setWindowTitle(Qs(menu_.Text("WindowCaption")));
    BuildControls();
    setMinimumWidth(520);
    ApplyInterfaceFont(this, context.Run().FontName);
}

TFormCommitMotorPrintMenu::~TFormCommitMotorPrintMenu() = default;

void TFormCommitMotorPrintMenu::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto label = [this](const char* name, QWidget* parent) {
        auto* l = new QLabel(Qs(menu_.Text(name)), parent);
        l->setObjectName(name);
        return l;
    };
    auto* pages = new QGroupBox(Qs(menu_.Text("GroupBoxPages")), this);
    pages->setObjectName("GroupBoxPages");
    auto* grid = new QGridLayout(pages);
    grid->addWidget(label("LabelPreviewColumn", pages), 0, 0);
    grid->addWidget(label("LabelPrintColumn", pages), 0, 1, Qt::AlignHCenter);
    int row = 1;
    for (TReportPage page : AllReportPages()) {
        const auto& [radioName, checkName] = kPageControls.at(page);
        auto* radio = new QRadioButton(Qs(menu_.Text(radioName)), pages);
        radio->setObjectName(radioName);
        radio->setChecked(page == menu_.SelectedPage());
        connect(radio, &QRadioButton::toggled, this, [this, page](bool on) {
            if (on) menu_.SelectPage(page);
        });
        auto* check = new QCheckBox(Qs(menu_.Text(checkName)), pages);
        check->setObjectName(checkName);
        check->setChecked(menu_.PrintChecked(page));
        connect(check, &QCheckBox::toggled, this, [this, page](bool on) { menu_.SetPrintChecked(page, on); });
        grid->addWidget(radio, row, 0);
        grid->addWidget(check, row++, 1, Qt::AlignHCenter);
        radios_[page] = radio;
        checks_[page] = check;
    }
    layout->addWidget(pages);

    auto* texts = new QGridLayout;
    texts->addWidget(label("LabelHeader", this), 0, 0);
    editHeader_ = new QLineEdit(Qs(menu_.HeaderText), this);
    editHeader_->setObjectName("EditHeader");
    texts->addWidget(editHeader_, 0, 1);
    texts->addWidget(label("LabelComment", this), 1, 0, Qt::AlignTop);
    memoComment_ = new QPlainTextEdit(Qs(menu_.CommentText), this);
    memoComment_->setObjectName("MemoComment");
    memoComment_->setFixedHeight(72);
    texts->addWidget(memoComment_, 1, 1);
    texts->addWidget(label("LabelSelectPrinter", this), 2, 0);
    comboPrinter_ = new QComboBox(this);
    comboPrinter_->setObjectName("ComboBoxSelectPrinter");
    const QString current = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        comboPrinter_->addItem(info.printerName());
        if (info.printerName() == current) comboPrinter_->setCurrentIndex(comboPrinter_->count() - 1);
    }
    texts->addWidget(comboPrinter_, 2, 1);
    texts->addWidget(label("LabelSelectPaperSize", this), 3, 0);
    comboPaper_ = new QComboBox(this);
    comboPaper_->setObjectName("ComboBoxSelectPaperSize");
    for (const std::string& item : menu_.PaperSizeItems()) comboPaper_->addItem(Qs(item));
    comboPaper_->setCurrentIndex(menu_.PaperSizeIndex());
    connect(comboPaper_, &QComboBox::currentIndexChanged, this, [this](int i) { menu_.SetPaperSizeIndex(i); });
    texts->addWidget(comboPaper_, 3, 1);
    layout->addLayout(texts);
    if (!menu_.PrintEnabled()) {
        auto* none = label("LabelNoPrinter", this);
        none->setWordWrap(true);
        layout->addWidget(none);
    }

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, void (TFormCommitMotorPrintMenu::*action)()) {
        auto* b = new QPushButton(Qs(menu_.Text(name)), this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        buttons->addWidget(b);
        return b;
    };
    button("ButtonStartPreview", &TFormCommitMotorPrintMenu::ButtonStartPreviewClick);
    buttonPrint_ = button("ButtonStartPrint", &TFormCommitMotorPrintMenu::ButtonStartPrintClick);
    button("ButtonSavePdf", &TFormCommitMotorPrintMenu::ButtonSavePdfClick);
    button("ButtonSaveCsv", &TFormCommitMotorPrintMenu::ButtonSaveCsvClick);
    buttons->addStretch();
    auto* close = new QPushButton(Qs(menu_.Text("ButtonReturn")), this);
    close->setObjectName("ButtonReturn");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // Without a printer only printing is off; preview, PDF and CSV still work.
    comboPrinter_->setEnabled(menu_.PrintEnabled());
    buttonPrint_->setEnabled(menu_.PrintEnabled());
    for (auto& [page, check] : checks_) check->setEnabled(true);
}

void TFormCommitMotorPrintMenu::TakeInputs() {
    menu_.HeaderText = editHeader_->text().toStdString();
    menu_.CommentText = memoComment_->toPlainText().toStdString();
}

QPrinter* TFormCommitMotorPrintMenu::ChosenPrinter() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (menu_.PrintEnabled() && comboPrinter_->currentIndex() >= 0) printer_->setPrinterName(comboPrinter_->currentText());
    return printer_.get();
}

template <class F>
void TFormCommitMotorPrintMenu::Guarded(F action) {
    try {
        action();
    } catch (const std::exception& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
    }
}

void TFormCommitMotorPrintMenu::ButtonStartPreviewClick() {
    Guarded([&] {
        TakeInputs();
        const std::vector<TReportDocument> docs{reports_->Document(menu_.SelectedPage())};
        QPrinter* printer = menu_.PrintEnabled() ? ChosenPrinter() : nullptr;
        QPrinter pdfOnly(QPrinter::HighResolution);
        if (!printer) {
            pdfOnly.setOutputFormat(QPrinter::PdfFormat);
            printer = &pdfOnly;
        }
        printer->setPageSize(ReportPaper(menu_.PaperCode()));
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPrintPreviewDialog preview(printer, this);
        preview.setObjectName("ReportPreview");
        preview.setWindowTitle(Qs(menu_.Text("WindowCaption")));
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
            QPainter painter;
            if (painter.begin(p)) DrawReports(painter, *p, docs);
        });
        if (ExecDialog) ExecDialog(preview);
        else preview.exec();
    });
}

void TFormCommitMotorPrintMenu::ButtonStartPrintClick() {
    if (!menu_.PrintEnabled()) return;
    Guarded([&] {
        TakeInputs();
        PrintReports(*ChosenPrinter(), reports_->Documents(menu_.PagesToPrint()), menu_.PaperCode());
    });
}

void TFormCommitMotorPrintMenu::ButtonSavePdfClick() {
    Guarded([&] {
        TakeInputs();
        TFileDialogRequest request{menu_.Text("SaveDialogPdf.Filter"), menu_.Text("SaveDialogPdf.DefaultExt"),
                                   context_.Run().Settings.SaveFileFolder};
        const std::optional<std::string> path = fileDialogs_->SaveFileName(request);
        if (!path) return;
        const std::vector<TReportPage> pages = menu_.PagesToPrint();
        if (pages.empty()) return;
        WriteReportPdf(Qs(*path), reports_->Documents(pages), menu_.PaperCode(), windowTitle());
        context_.Dialogs().ShowMessageDialog(menu_.Text("PdfOutMessage"), TMsgDlgType::Information, mbOK);
    });
}

void TFormCommitMotorPrintMenu::ButtonSaveCsvClick() {
    Guarded([&] {
        TakeInputs();
        menu_.ApplyHeaderAndComment();
        TFileDialogRequest request{menu_.Text("SaveDialogCsv.Filter"), menu_.Text("SaveDialogCsv.DefaultExt"),
                                   menu_.Text("SaveDialogCsv.InitialDir")};
        const std::optional<std::string> path = fileDialogs_->SaveFileName(request);
        if (!path) return;
        menu_.SaveCsv(menu_.SelectedPage(), *path);
        context_.Dialogs().ShowMessageDialog(menu_.Text("CsvOutMessage"), TMsgDlgType::Information, mbOK);
    });
}

}  // namespace kinemo
