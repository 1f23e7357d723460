// Quotation preview.
#include "options/FormPrinterOption.h"
#include "common/QtText.h"

#include "common/KinemoApplication.h"
#include "options/Quotation.h"
#include "options/QuotationDocument.h"
#include "reports/ReportPainter.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kinemo {

namespace {

// One report page: 794 x 1123 pixels (A4 at 96 dpi), 816 x 1056 for Letter.
QSize PageSize(int paperCode) { return paperCode == 1 ? QSize(816, 1056) : QSize(794, 1123); }

}  // namespace

TFormPrinterOption::TFormPrinterOption(TQuotation& quotation, std::string title, std::function<void()> print,
                                       QWidget* parent)
    : QDialog(parent), quotation_(quotation), title_(std::move(title)), print_(std::move(print)) {
    setObjectName("FormPrinterOption");
    const TNameValueList& t = quotation_.PageTexts();
    setWindowTitle(Qs(t.Value("WindowCaption")));
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(Qs(t.Value("MenuGroupFile")));
    QAction* printAction = file->addAction(Qs(t.Value("MenuFilePrint")));
    QAction* exit = file->addAction(Qs(t.Value("MenuFileExit")));
    QMenu* move = menus->addMenu(Qs(t.Value("MenuGroupMove")));
    QAction* mFirst = move->addAction(Qs(t.Value("MenuMoveFirst")));
    QAction* mNext = move->addAction(Qs(t.Value("MenuMoveNext")));
    QAction* mPrior = move->addAction(Qs(t.Value("MenuMovePrior")));
    QAction* mLast = move->addAction(Qs(t.Value("MenuMoveLast")));
    layout->setMenuBar(menus);
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name) {
        auto* b = new QPushButton(Qs(t.Value(name)), this);
        b->setObjectName(name);
        bar->addWidget(b);
        return b;
    };
    first_ = button("ButtonFirst");
    prior_ = button("ButtonPrior");
    page_ = new QLabel(this);
    page_->setObjectName("LabelPage");
    page_->setMinimumWidth(60);
    page_->setAlignment(Qt::AlignCenter);
    bar->addWidget(page_);
    next_ = button("ButtonNext");
    last_ = button("ButtonLast");
    bar->addStretch();
    QPushButton* printButton = button("ButtonPrint");
    QPushButton* close = button("ButtonClose");
    layout->addLayout(bar);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("ScrollBoxPreview");
    image_ = new QLabel(scroll_);
    image_->setObjectName("ImagePreview");
    scroll_->setWidget(image_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->verticalScrollBar()->setSingleStep(43);  // three lines a wheel step: about 128 pixels
    layout->addWidget(scroll_, 1);
    resize(860, 900);
    printButton->setEnabled(static_cast<bool>(print_));
    printAction->setEnabled(static_cast<bool>(print_));
    auto doPrint = Guarded([this] {
        if (print_) print_();
    });
    connect(printButton, &QPushButton::clicked, this, doPrint);
    connect(printAction, &QAction::triggered, this, doPrint);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    connect(first_, &QPushButton::clicked, this, [this] { First(); });
    connect(mFirst, &QAction::triggered, this, [this] { First(); });
    connect(prior_, &QPushButton::clicked, this, [this] { Prior(); });
    connect(mPrior, &QAction::triggered, this, [this] { Prior(); });
    connect(next_, &QPushButton::clicked, this, [this] { Next(); });
    connect(mNext, &QAction::triggered, this, [this] { Next(); });
    connect(last_, &QPushButton::clicked, this, [this] { Last(); });
    connect(mLast, &QAction::triggered, this, [this] { Last(); });
    Redraw();
}

QImage TFormPrinterOption::PageImage() const {
    const QSize size = PageSize(quotation_.PaperCode());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    TReportPainter(painter, QRectF(QPointF(0, 0), QSizeF(size)), 96).DrawPage(QuotationDocument(quotation_, title_),
                                                                              quotation_.CurrentPage());
    return image;
}

void TFormPrinterOption::Redraw() {
    image_->setPixmap(QPixmap::fromImage(PageImage()));
    image_->resize(image_->pixmap().size());
    page_->setText(Qs(quotation_.PageLabel()));
    first_->setEnabled(quotation_.CanFirst());
    prior_->setEnabled(quotation_.CanPrior());
    next_->setEnabled(quotation_.CanNext());
    last_->setEnabled(quotation_.CanLast());
}

void TFormPrinterOption::Move(void (TQuotation::*move)()) {
    (quotation_.*move)();
    Redraw();
}

void TFormPrinterOption::First() { Move(&TQuotation::First); }
void TFormPrinterOption::Prior() { Move(&TQuotation::Prior); }
void TFormPrinterOption::Next() { Move(&TQuotation::Next); }
void TFormPrinterOption::Last() { Move(&TQuotation::Last); }

}  // namespace kinemo
