// The CAD selection page's widgets.
#include "cad/FrameSelectVantor.h"

#include "app/KinemoContext.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kinemo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFrameSelectVantor::TFrameSelectVantor(TKinemoContext& context, THost host, QWidget* parent)
    : QWidget(parent), context_(context), host_(std::move(host)), model_(context.Query()) {
    setObjectName("FrameSelectVantor");
    auto label = [this](const char* name, QWidget* parent) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        labels_.push_back(l);
        return l;
    };
    auto button = [](const char* name, QWidget* parent) {
        auto* b = new QPushButton(parent);
        b->setObjectName(name);
        return b;
    };
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);
    QLabel* title = label("LabelTitle", this);
    title->setWordWrap(true);
    outer->addWidget(title);
    auto* modes = new QHBoxLayout;
    buttonSearchItem_ = button("ButtonSearchItem", this);
    buttonDirectInput_ = button("ButtonDirectInput", this);
    modes->addWidget(buttonSearchItem_);
    modes->addWidget(buttonDirectInput_);
    modes->addStretch(1);
    outer->addLayout(modes);

    listGroup_ = new QWidget(this);
    auto* grid = new QGridLayout(listGroup_);
    grid->setContentsMargins(0, 0, 0, 0);
    comboFunction_ = new QComboBox(listGroup_);
    comboFunction_->setObjectName("ComboBoxFunction");
    comboSeries_ = new QComboBox(listGroup_);
    comboSeries_->setObjectName("ComboBoxSeries");
    listModels_ = new QListWidget(listGroup_);
    listModels_->setObjectName("ListBoxModel");
    grid->addWidget(label("LabelChoiceFunction", listGroup_), 0, 0);
    grid->addWidget(comboFunction_, 0, 1);
    grid->addWidget(label("LabelChoiceSeries", listGroup_), 1, 0);
    grid->addWidget(comboSeries_, 1, 1);
    grid->addWidget(label("LabelChoiceModel", listGroup_), 2, 0, Qt::AlignTop);
    grid->addWidget(listModels_, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    outer->addWidget(listGroup_, 1);

    directGroup_ = new QWidget(this);
    auto* direct = new QGridLayout(directGroup_);
    direct->setContentsMargins(0, 0, 0, 0);
    editInputMotor_ = new QLineEdit(directGroup_);
    editInputMotor_->setObjectName("EditInputMotor");
    buttonDICheck_ = button("ButtonDICheck", directGroup_);
    labelFound_ = new QLabel(directGroup_);
    labelFound_->setObjectName("LabelFound");
    direct->addWidget(label("LabelInputMotor", directGroup_), 0, 0);
    direct->addWidget(editInputMotor_, 0, 1);
    direct->addWidget(buttonDICheck_, 0, 2);
    direct->addWidget(labelFound_, 1, 1, 1, 2);
    direct->setColumnStretch(1, 1);
    direct->setRowStretch(2, 1);
    outer->addWidget(directGroup_, 1);

    auto* bottom = new QHBoxLayout;
    buttonSelectOption_ = button("ButtonSelectOption", this);
    bottom->addStretch(1);
    bottom->addWidget(buttonSelectOption_);
    outer->addLayout(bottom);

    ApplyTexts();
    FillLists();
    connect(buttonSearchItem_, &QPushButton::clicked, this, [this] {
        model_.SetDirectInput(false);
        Refresh();
    });
    connect(buttonDirectInput_, &QPushButton::clicked, this, [this] {
        model_.SetDirectInput(true);
        Refresh();
        editInputMotor_->setFocus();
    });
    connect(comboFunction_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.SelectFunction(i);
        FillLists();
    });
    connect(comboSeries_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.SelectSeries(i);
        FillLists();
    });
    connect(listModels_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.SelectModel(row);
        Refresh();
    });
    connect(buttonDICheck_, &QPushButton::clicked, this, [this] { CheckDirectInput(); });
    connect(editInputMotor_, &QLineEdit::returnPressed, this, [this] { CheckDirectInput(); });
    connect(buttonSelectOption_, &QPushButton::clicked, this, [this] {
        if (auto m = model_.Chosen(); m && host_.Select) host_.Select(*m);
    });
    Refresh();
}

void TFrameSelectVantor::ApplyTexts() {
    for (QLabel* l : labels_) l->setText(Q(model_.Text(l->objectName().toStdString())));
    for (QPushButton* b : findChildren<QPushButton*>()) b->setText(Q(model_.Text(b->objectName().toStdString())));
}

void TFrameSelectVantor::FillLists() {
    const QSignalBlocker b1(comboFunction_), b2(comboSeries_), b3(listModels_);
    comboFunction_->clear();
    for (const auto& f : model_.Functions()) comboFunction_->addItem(Q(f.Name));
    comboFunction_->setCurrentIndex(model_.Function());
    comboSeries_->clear();
    for (const auto& s : model_.Series()) comboSeries_->addItem(Q(s.Name));
    comboSeries_->setCurrentIndex(model_.SeriesIndex());
    listModels_->clear();
    for (const auto& m : model_.Models()) listModels_->addItem(Q(m.Model));
    listModels_->setCurrentRow(model_.ModelIndex());
    Refresh();
}

int TFrameSelectVantor::CheckDirectInput() {
    const int code = model_.CheckDirectInput(editInputMotor_->text().toStdString());
    editInputMotor_->setText(Q(model_.DirectModel()));
    if (code == 8) context_.Dialogs().ShowMessageDialog(model_.Text("MissingMotorNumber"), TMsgDlgType::Warning, mbOK);
    else if (host_.ShowCheckResult) host_.ShowCheckResult(code);
    Refresh();
    return code;
}

void TFrameSelectVantor::Refresh() {
    const bool direct = model_.DirectInput();
    listGroup_->setVisible(!direct);
    directGroup_->setVisible(direct);
    buttonSearchItem_->setEnabled(direct);
    buttonDirectInput_->setEnabled(!direct);
    const auto chosen = model_.Chosen();
    labelFound_->setText(direct && chosen ? Q(FormatText(model_.Text("LabelFound"), {chosen->Model})) : QString());
    buttonSelectOption_->setEnabled(chosen.has_value());
}

}  // namespace kinemo
