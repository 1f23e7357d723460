// The catalog browsing panel's widgets.
#include "selection/MotorBrowsePanel.h"
#include "common/QtText.h"

#include "selection/MotorCatalogBrowser.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace kinemo {

static_assert(kBrowseItemCount == 11, "one drop-down per search item");

namespace {

template <class T>
T* Named(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

// Fills a drop-down only when its entries changed, so that an open list is not rebuilt.
void Fill(QComboBox* combo, const QStringList& items, int selected) {
    QStringList now;
    for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
    if (now != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(selected);
}

struct TShowing {
    bool& flag;
    bool old;
    explicit TShowing(bool& f) : flag(f), old(f) { flag = true; }
    ~TShowing() { flag = old; }
};

}  // namespace

TMotorBrowsePanel::TMotorBrowsePanel(std::string programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(std::move(programFolder)) {
    setObjectName("MotorBrowsePanel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildSeries());
    layout->addWidget(BuildSearchItems(), 1);
}

QWidget* TMotorBrowsePanel::BuildSeries() {
    auto* box = Named<QGroupBox>(this, "GroupBoxMotorSeries");
    box->setFixedWidth(330);
    auto* grid = new QGridLayout(box);
    grid->addWidget(Named<QLabel>(box, "LabelMotorFunction"), 0, 0);
    comboFunction_ = Named<QComboBox>(box, "ComboBoxMotorFunction");
    grid->addWidget(comboFunction_, 0, 1);
    grid->addWidget(Named<QLabel>(box, "LabelMotorSeries"), 1, 0);
    comboSeries_ = Named<QComboBox>(box, "ComboBoxMotorSeries");
    grid->addWidget(comboSeries_, 1, 1);
    memoFunction_ = Named<QPlainTextEdit>(box, "MemoFunctionFeatue");
    memoFunction_->setReadOnly(true);
    memoFunction_->setFixedHeight(70);
    grid->addWidget(memoFunction_, 2, 0, 1, 2);
    image_ = Named<QLabel>(box, "ImageSeries");
    image_->setFixedSize(300, 110);
    image_->setAlignment(Qt::AlignCenter);
    grid->addWidget(image_, 3, 0, 1, 2);
    labelFeature_ = Named<QLabel>(box, "LabelFeature");
    labelFeature_->setWordWrap(true);
    labelFeature_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    labelFeature_->setMinimumHeight(90);
    grid->addWidget(labelFeature_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    connect(comboFunction_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!showing_) emit FunctionChosen(i);
    });
    connect(comboSeries_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!showing_) emit SeriesChosen(i);
    });
    return box;
}

QWidget* TMotorBrowsePanel::BuildSearchItems() {
    auto* box = Named<QGroupBox>(this, "GroupBoxSearchItem");
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < kBrowseItemCount; ++i) {
        const TSearchItemDescriptor& d = kBrowseItems[static_cast<size_t>(i)];
        const int row = i % 6, col = (i / 6) * 2;
        grid->addWidget(Named<QLabel>(box, d.LabelControl), row, col);
        QComboBox* combo = Named<QComboBox>(box, d.ComboControl);
        combo->setMinimumWidth(150);
        combos_[static_cast<size_t>(i)] = combo;
        grid->addWidget(combo, row, col + 1);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int entry) {
            if (!showing_) emit EntryChosen(i, entry);
        });
    }
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    grid->addLayout(buttons_, 6, 0, 1, 4);
    grid->setRowStretch(7, 1);
    return box;
}

void TMotorBrowsePanel::ApplyTexts(const std::function<std::string(const std::string&)>& text) {
    for (QLabel* label : findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        if (name != "LabelFeature" && name != "ImageSeries") label->setText(Qs(text(name)));
    }
    for (QGroupBox* group : findChildren<QGroupBox*>()) group->setTitle(Qs(text(group->objectName().toStdString())));
}

void TMotorBrowsePanel::Show(const TMotorCatalogBrowser& b, bool itemsEnabled) {
    TShowing guard(showing_);
    QStringList functions, series;
    for (const TMotorFunction& f : b.Functions()) functions << Qs(f.Name);
    Fill(comboFunction_, functions, b.CurrentFunction());
    if (b.CurrentFunction() >= 0) {
        const TMotorFunction& f = b.Functions()[static_cast<size_t>(b.CurrentFunction())];
        for (const TMotorSeries& s : f.Series) series << Qs(s.Name);
        if (memoFunction_->toPlainText() != Qs(f.Feature)) memoFunction_->setPlainText(Qs(f.Feature));
    } else {
        memoFunction_->clear();
    }
    Fill(comboSeries_, series, b.CurrentSeriesIndex());
    const TMotorSeries* s = b.CurrentSeries();
    labelFeature_->setText(s ? Qs(s->Feature) : QString());
    const QString picture = s ? Qs(programFolder_ + "/" + s->OptionImage) : QString();
    if (s && QFileInfo::exists(picture))
        image_->setPixmap(QPixmap(picture).scaled(image_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        image_->clear();
    for (int i = 0; i < kBrowseItemCount; ++i) {
        const TBrowseItem& item = b.Item(i);
        QStringList entries;
        for (const std::string& e : item.Entries) entries << Qs(e);
        QComboBox* combo = combos_[static_cast<size_t>(i)];
        Fill(combo, entries, item.Selected);
        combo->setEnabled(!entries.isEmpty() && itemsEnabled);
    }
}

}  // namespace kinemo
