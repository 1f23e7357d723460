// The CAD selection page's widgets.
#include "cad/FrameSelectVantor.h"
#include "common/QtText.h"

#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "selection/MotorBrowsePanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

namespace {

template <class T>
T* Named(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

}  // namespace

TFrameSelectVantor::TFrameSelectVantor(TKinemoContext& context, THost host, QWidget* parent)
    : QWidget(parent),
      context_(context),
      host_(std::move(host)),
      model_(context.Query(), &context.Dialogs(), context.BusyCursor()) {
    setObjectName("FrameSelectVantor");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);
    QLabel* title = Named<QLabel>(this, "LabelTitle");
    title->setWordWrap(true);
    outer->addWidget(title);

    panel_ = new TMotorBrowsePanel(context.ProgramFolder(), this);
    QWidget* items = panel_->findChild<QWidget*>("GroupBoxSearchItem");
    buttonSearchItem_ = Named<QPushButton>(items, "ButtonSearchItem");
    buttonDirectInput_ = Named<QPushButton>(items, "ButtonDirectInput");
    auto* clear = Named<QPushButton>(items, "ButtonClear");
    panel_->ButtonRow()->addWidget(buttonSearchItem_);
    panel_->ButtonRow()->addWidget(buttonDirectInput_);
    panel_->ButtonRow()->addWidget(clear);
    outer->addWidget(panel_);

    resultGroup_ = Named<QGroupBox>(this, "GroupBoxSearchResult");
    auto* result = new QGridLayout(resultGroup_);
    motorNumber_ = Named<QLineEdit>(resultGroup_, "StaticTextMotorNumber");
    motorNumber_->setReadOnly(true);
    labelNothingFound_ = Named<QLabel>(resultGroup_, "LabelNothingFound");
    result->addWidget(Named<QLabel>(resultGroup_, "LabelChoiceModel"), 0, 0);
    result->addWidget(motorNumber_, 0, 1);
    result->addWidget(labelNothingFound_, 1, 1);
    result->setColumnStretch(2, 1);
    outer->addWidget(resultGroup_);

    directGroup_ = new QWidget(this);
    auto* direct = new QGridLayout(directGroup_);
    direct->setContentsMargins(0, 0, 0, 0);
    editInputMotor_ = Named<QLineEdit>(directGroup_, "EditInputMotor");
    buttonDICheck_ = Named<QPushButton>(directGroup_, "ButtonDICheck");
    labelFound_ = Named<QLabel>(directGroup_, "LabelFound");
    direct->addWidget(Named<QLabel>(directGroup_, "LabelInputMotor"), 0, 0);
    direct->addWidget(editInputMotor_, 0, 1);
    direct->addWidget(buttonDICheck_, 0, 2);
    direct->addWidget(labelFound_, 1, 1, 1, 2);
    direct->setColumnStretch(1, 1);
    outer->addWidget(directGroup_);

    auto* bottom = new QHBoxLayout;
    buttonSelectOption_ = Named<QPushButton>(this, "ButtonSelectOption");
    bottom->addStretch(1);
    bottom->addWidget(buttonSelectOption_);
    outer->addLayout(bottom);
    outer->addStretch(1);

    ApplyTexts();
    connect(panel_, &TMotorBrowsePanel::FunctionChosen, this, [this](int i) {
        Guarded([&] { model_.SelectFunction(i); })();
        Refresh();
    });
    connect(panel_, &TMotorBrowsePanel::SeriesChosen, this, [this](int i) {
        Guarded([&] { model_.SelectSeries(i); })();
        Refresh();
    });
    connect(panel_, &TMotorBrowsePanel::EntryChosen, this, [this](int item, int entry) {
        Guarded([&] { model_.SelectEntry(item, entry); })();
        Refresh();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        Guarded([&] { model_.Clear(); })();
        Refresh();
    });
    connect(buttonSearchItem_, &QPushButton::clicked, this, [this] {
        model_.SetDirectInput(false);
        Refresh();
    });
    connect(buttonDirectInput_, &QPushButton::clicked, this, [this] {
        model_.SetDirectInput(true);
        Refresh();
        editInputMotor_->setFocus();
    });
    connect(buttonDICheck_, &QPushButton::clicked, this, [this] { CheckDirectInput(); });
    connect(editInputMotor_, &QLineEdit::returnPressed, this, [this] { CheckDirectInput(); });
    connect(buttonSelectOption_, &QPushButton::clicked, this, [this] {
        if (auto m = model_.Chosen(); m && host_.Select) host_.Select(*m);
    });
    Refresh();
}

void TFrameSelectVantor::ApplyTexts() {
    for (QLabel* l : findChildren<QLabel*>()) {
        const std::string name = l->objectName().toStdString();
        if (name != "LabelFound" && name != "LabelFeature" && name != "ImageSeries") l->setText(Qs(model_.Text(name)));
    }
    for (QPushButton* b : findChildren<QPushButton*>()) b->setText(Qs(model_.Text(b->objectName().toStdString())));
    for (QGroupBox* g : findChildren<QGroupBox*>()) g->setTitle(Qs(model_.Text(g->objectName().toStdString())));
}

int TFrameSelectVantor::CheckDirectInput() {
    const int code = model_.CheckDirectInput(editInputMotor_->text().toStdString());
    editInputMotor_->setText(Qs(model_.DirectModel()));
    if (code == 8) context_.Dialogs().ShowMessageDialog(model_.Text("MissingMotorNumber"), TMsgDlgType::Warning, mbOK);
    else if (host_.ShowCheckResult) host_.ShowCheckResult(code);
    Refresh();
    return code;
}

void TFrameSelectVantor::Refresh() {
    const bool direct = model_.DirectInput();
    panel_->Show(model_.Browser(), !direct);
    resultGroup_->setVisible(!direct);
    directGroup_->setVisible(direct);
    buttonSearchItem_->setEnabled(direct);
    buttonDirectInput_->setEnabled(!direct);
    const auto found = model_.Found();
    motorNumber_->setText(found ? Qs(found->Model) : QString());
    labelNothingFound_->setVisible(!found);
    const auto chosen = model_.Chosen();
    labelFound_->setText(direct && chosen ? Qs(FormatText(model_.Text("LabelFound"), {chosen->Model})) : QString());
    buttonSelectOption_->setEnabled(chosen.has_value());
}

}  // namespace kinemo
