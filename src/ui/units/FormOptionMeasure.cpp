// Unit options dialog.
#include "units/FormOptionMeasure.h"

#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "units/FrameOptionMeasure.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kinemo {

namespace {

constexpr int kRowLeft = 8;
constexpr int kFirstRowTop = 48;
constexpr int kRowGap = 8;

QPushButton* Button(const TOptionMeasureModel& m, const char* key, QWidget* parent) {
    auto* b = new QPushButton(QString::fromStdString(m.Text(key)), parent);
    b->setObjectName(key);
    return b;
}

}  // namespace

TFormOptionMeasure::TFormOptionMeasure(TOptionMeasureModel& model, IUserDialogs& dialogs, std::string settingsPath,
                                       const std::string& fontName, QWidget* parent)
    : QDialog(parent), model_(&model), dialogs_(&dialogs), settingsPath_(std::move(settingsPath)),
      scroll_(new QScrollArea(this)) {
    setObjectName("FormOptionMeasure");
    setWindowTitle(QString::fromStdString(model.Text("FormTitle")));
    setModal(true);
    setFixedSize(400, 440);
    scroll_->setObjectName("ScrollBoxMeasure");
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    BuildRows(content);
    scroll_->setWidget(content);
    scroll_->viewport()->installEventFilter(this);

    auto* defaults = Button(model, "DefaultButton", this);
    auto* save = Button(model, "SaveButton", this);
    auto* cancel = Button(model, "CancelButton", this);
    connect(defaults, &QPushButton::clicked, this, Guarded([this] { DefaultButtonClick(); }));
    connect(save, &QPushButton::clicked, this, Guarded([this] { SaveButtonClick(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_);
    layout->addLayout(buttons);
    ApplyInterfaceFont(this, fontName);
}

void TFormOptionMeasure::BuildRows(QWidget* content) {
    auto* label = new QLabel(QString::fromStdString(model_->Text("LabelPrec")), content);
    label->setObjectName("LabelPrec");
    label->setGeometry(kRowLeft, 12, 170, 24);
    editPrec_ = new QLineEdit(QString::fromStdString(model_->PrecisionText()), content);
    editPrec_->setObjectName("EditPrec");
    editPrec_->setGeometry(kRowLeft + 176, 12, 60, 24);
    int top = kFirstRowTop;
    const auto& rows = model_->Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* row = new TFrameOptionMeasure(rows[i].Name, rows[i].Symbols, rows[i].Selected, content);
        row->setObjectName(QString("FrameOptionMeasure%1").arg(i));
        row->move(kRowLeft, top);
        top += row->height() + kRowGap;
        // The wheel scrolls the list; it never changes a unit by accident.
        row->ComboBoxValue()->installEventFilter(this);
        connect(row->ComboBoxValue(), &QComboBox::currentIndexChanged, this,
                [this, i](int index) { model_->Select(i, index); });
        rows_.push_back(row);
    }
    content->setFixedSize(kRowLeft + 330 + 8, top);
}

void TFormOptionMeasure::ShowModel() {
    editPrec_->setText(QString::fromStdString(model_->PrecisionText()));
    for (size_t i = 0; i < rows_.size(); ++i) rows_[i]->Select(model_->Rows()[i].Selected);
}

void TFormOptionMeasure::DefaultButtonClick() {
    model_->SetDefaults();
    ShowModel();
}

void TFormOptionMeasure::SaveButtonClick() {
    model_->SetPrecisionText(editPrec_->text().toStdString());
    switch (model_->Save(settingsPath_, *dialogs_)) {
    case TOptionMeasureModel::TSaveResult::Stay: return;
    case TOptionMeasureModel::TSaveResult::SavedRestart: restart_ = true; break;
    case TOptionMeasureModel::TSaveResult::Saved: break;
    }
    accept();
}

void TFormOptionMeasure::ScrollBy(int angleDelta) {
    wheelRemainder_ += angleDelta;
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    QScrollBar* bar = scroll_->verticalScrollBar();
    bar->setValue(bar->value() - steps * kWheelStep);
}

bool TFormOptionMeasure::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        ScrollBy(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormOptionMeasure::wheelEvent(QWheelEvent* event) { ScrollBy(event->angleDelta().y()); }

}  // namespace kinemo
