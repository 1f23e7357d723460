// Option series page.
#include "options/FrameSelectOptionSeries.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "selection/MotorBrowsePanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinemo {

namespace {

template <class T>
T* Named(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* e = Named<QLineEdit>(parent, name);
    e->setReadOnly(true);
    return e;
}

struct TRefreshing {
    bool& flag;
    bool old;
    explicit TRefreshing(bool& f) : flag(f), old(f) { flag = true; }
    ~TRefreshing() { flag = old; }
};

void Fill(QComboBox* combo, const QStringList& items, int selected) {
    QStringList now;
    for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
    if (now != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(selected);
}

}  // namespace

TFrameSelectOptionSeries::TFrameSelectOptionSeries(TKinemoContext& context, TSizingSession& session, QWidget* parent)
    : QWidget(parent), context_(context), session_(session) {
    setObjectName("FrameSelectOptionSeries");
    BuildWidgets();
    ApplyTexts();
    ApplyInterfaceFont(this, context_.Run().FontName);
    Refresh();
}

void TFrameSelectOptionSeries::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(BuildSearch());
    groupResult_ = BuildResult();
    groupDirect_ = BuildDirectInput();
    layout->addWidget(groupResult_);
    layout->addWidget(groupDirect_);
    layout->addStretch();
}

QWidget* TFrameSelectOptionSeries::BuildSearch() {
    panel_ = new TMotorBrowsePanel(context_.ProgramFolder(), this);
    connect(panel_, &TMotorBrowsePanel::FunctionChosen, this, [this](int i) { Guarded([&] { ChooseFunction(i); })(); });
    connect(panel_, &TMotorBrowsePanel::SeriesChosen, this, [this](int i) { Guarded([&] { ChooseSeries(i); })(); });
    connect(panel_, &TMotorBrowsePanel::EntryChosen, this,
            [this](int item, int entry) { Guarded([&] { ChooseSearchEntry(item, entry); })(); });
    QWidget* box = panel_->findChild<QWidget*>("GroupBoxSearchItem");
    buttonDirect_ = Named<QPushButton>(box, "ButtonDirectInput");
    buttonSearch_ = Named<QPushButton>(box, "ButtonSearchItem");
    auto* clear = Named<QPushButton>(box, "ButtonClear");
    panel_->ButtonRow()->addWidget(buttonSearch_);
    panel_->ButtonRow()->addWidget(buttonDirect_);
    panel_->ButtonRow()->addWidget(clear);
    connect(buttonDirect_, &QPushButton::clicked, this, Guarded([this] {
                session_.OptionSeries().SetDirectInputMode(true);
                editMotor_->setFocus();
            }));
    connect(buttonSearch_, &QPushButton::clicked, this,
            Guarded([this] { session_.OptionSeries().SetDirectInputMode(false); }));
    connect(clear, &QPushButton::clicked, this, Guarded([this] { session_.OptionSeries().Clear(); }));
    return panel_;
}

QGroupBox* TFrameSelectOptionSeries::BuildResult() {
    auto* box = Named<QGroupBox>(this, "GroupBoxSearchResult");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Named<QLabel>(box, "LabelMotorNumber"), 0, 0);
    motorNumber_ = Field(box, "StaticTextMotorNumber");
    grid->addWidget(motorNumber_, 0, 1);
    grid->addWidget(Named<QLabel>(box, "LabelMotorPrice"), 0, 2);
    motorPrice_ = Field(box, "StaticTextMotorPrice");
    motorPrice_->setAlignment(Qt::AlignRight);
    grid->addWidget(motorPrice_, 0, 3);
    grid->addWidget(Named<QLabel>(box, "LabelAmpNumber"), 1, 0);
    comboAmp_ = Named<QComboBox>(box, "ComboBoxAmpNumber");
    grid->addWidget(comboAmp_, 1, 1);
    grid->addWidget(Named<QLabel>(box, "LabelAmpPrice"), 1, 2);
    ampPrice_ = Field(box, "StaticTextAmpPrice");
    ampPrice_->setAlignment(Qt::AlignRight);
    grid->addWidget(ampPrice_, 1, 3);
    grid->addWidget(Named<QLabel>(box, "LabelAmpFeature"), 2, 0);
    ampFeature_ = Field(box, "StaticTextAmpFeature");
    grid->addWidget(ampFeature_, 2, 1, 1, 3);
    ampAlert_ = Named<QLabel>(box, "LabelAmpAlert");
    QPalette red = ampAlert_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ampAlert_->setPalette(red);
    grid->addWidget(ampAlert_, 3, 0, 1, 3);
    buttonSelect_ = Named<QPushButton>(box, "ButtonSelectOption");
    grid->addWidget(buttonSelect_, 3, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    connect(comboAmp_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!refreshing_) Guarded([&] { session_.OptionSeries().SelectAmp(i); })();
    });
    connect(buttonSelect_, &QPushButton::clicked, this, Guarded([this] { SelectOption(); }));
    return box;
}

QGroupBox* TFrameSelectOptionSeries::BuildDirectInput() {
    auto* box = Named<QGroupBox>(this, "GroupBoxDirectInput");
    auto* grid = new QGridLayout(box);
    auto* radio = Named<QGroupBox>(box, "RadioGroupAmp");
    auto* radioRow = new QHBoxLayout(radio);
    for (int i = 0; i < 3; ++i) {
        radios_[static_cast<size_t>(i)] = Named<QRadioButton>(radio, QString("RadioGroupAmp%1").arg(i + 1));
        radioRow->addWidget(radios_[static_cast<size_t>(i)]);
        connect(radios_[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !refreshing_) Guarded([&] { session_.OptionSeries().SetAmpChoice(i); })();
        });
    }
    grid->addWidget(radio, 0, 0, 1, 4);
    grid->addWidget(Named<QLabel>(box, "LabelDIMotor"), 1, 0);
    editMotor_ = Named<QLineEdit>(box, "EditDIMotor");
    grid->addWidget(editMotor_, 1, 1);
    grid->addWidget(Named<QLabel>(box, "LabelDIAmp"), 1, 2);
    editAmp_ = Named<QLineEdit>(box, "EditDIAmp");
    grid->addWidget(editAmp_, 1, 3);
    auto* price = Named<QPushButton>(box, "ButtonDISelectPrice");
    grid->addWidget(price, 2, 3);
    grid->addWidget(Named<QLabel>(box, "LabelDIMotorPrice"), 3, 0);
    diMotorPrice_ = Field(box, "StaticTextDIMotorPrice");
    grid->addWidget(diMotorPrice_, 3, 1);
    grid->addWidget(Named<QLabel>(box, "LabelDIAmpPrice"), 3, 2);
    diAmpPrice_ = Field(box, "StaticTextDIAmpPrice");
    grid->addWidget(diAmpPrice_, 3, 3);
    grid->addWidget(Named<QLabel>(box, "LabelDIAmpFeature"), 4, 0);
    diAmpFeature_ = Field(box, "StaticTextDIAmpFeature");
    grid->addWidget(diAmpFeature_, 4, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    auto* clear = Named<QPushButton>(box, "ButtonDIClear");
    buttonDISelect_ = Named<QPushButton>(box, "ButtonDISelectOption");
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(buttonDISelect_);
    grid->addLayout(buttons, 5, 0, 1, 4);
    auto typed = [this] {
        if (refreshing_) return;
        session_.OptionSeries().InputMotor = editMotor_->text().toStdString();
        session_.OptionSeries().InputAmp = editAmp_->text().toStdString();
    };
    connect(editMotor_, &QLineEdit::textEdited, this, typed);
    connect(editAmp_, &QLineEdit::textEdited, this, typed);
    connect(price, &QPushButton::clicked, this, Guarded([this] { session_.OptionSeries().DirectInputSelectPrice(); }));
    connect(clear, &QPushButton::clicked, this, Guarded([this] {
                if (session_.OptionSeries().ClearDirectInput()) editMotor_->setFocus();
            }));
    connect(buttonDISelect_, &QPushButton::clicked, this, Guarded([this] { SelectOption(); }));
    return box;
}

void TFrameSelectOptionSeries::ApplyTexts() {
    const TOptionSeriesModel& m = session_.OptionSeries();
    for (QWidget* w : findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (name != "LabelFeature" && name != "ImageSeries") label->setText(Qs(m.Text(name)));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(Qs(m.Text(name)));
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            group->setTitle(Qs(m.Text(name)));
        }
    }
    panel_->ApplyTexts([&m](const std::string& name) { return m.Text(name); });
    for (size_t i = 0; i < radios_.size() && i < m.AmpChoices().size(); ++i) radios_[i]->setText(Qs(m.AmpChoices()[i].Caption));
    // Prices are shown only when the catalog says so.
    for (const char* name : {"LabelMotorPrice", "StaticTextMotorPrice", "LabelAmpPrice", "StaticTextAmpPrice",
                             "LabelDIMotorPrice", "StaticTextDIMotorPrice", "LabelDIAmpPrice", "StaticTextDIAmpPrice"})
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(m.PriceVisible());
}

void TFrameSelectOptionSeries::Refresh() {
    TRefreshing guard(refreshing_);
    const TOptionSeriesModel& m = session_.OptionSeries();
    panel_->Show(m.Browser(), !m.DirectInputMode());
    const TMotor* shown = m.SelectedRecord();
    motorNumber_->setText(shown ? Qs(shown->msv_model_all) : QString());
    motorPrice_->setText(shown ? Qs(m.Amount(shown->msv_motor_price)) : QString());
    ampPrice_->setText(shown ? Qs(m.Amount(shown->msv_amp_price)) : QString());
    ampFeature_->setText(shown ? Qs(shown->msv_amplifier2.empty() ? shown->msv_amplifier : shown->msv_amplifier2) : QString());
    QStringList amps;
    for (const auto& r : m.Records()) amps << Qs(r->msv_amplifier1);
    Fill(comboAmp_, amps, m.SelectedIndex());
    ampAlert_->setVisible(m.AmpAlertVisible());
    buttonSelect_->setEnabled(shown != nullptr && !session_.CommittedMotor());
    groupResult_->setVisible(!m.DirectInputMode());
    groupDirect_->setVisible(m.DirectInputMode());
    buttonDirect_->setEnabled(!m.DirectInputMode());
    buttonSearch_->setEnabled(m.DirectInputMode());
    for (size_t i = 0; i < radios_.size(); ++i) radios_[i]->setChecked(static_cast<int>(i) == m.AmpChoice());
    if (editMotor_->text().toStdString() != m.InputMotor) editMotor_->setText(Qs(m.InputMotor));
    if (editAmp_->text().toStdString() != m.InputAmp) editAmp_->setText(Qs(m.InputAmp));
    const TMotor* di = m.DirectInputRecord();
    diMotorPrice_->setText(di ? Qs(m.Amount(di->msv_motor_price)) : QString());
    diAmpPrice_->setText(di ? Qs(m.Amount(di->msv_amp_price)) : QString());
    diAmpFeature_->setText(di ? Qs(di->msv_amplifier2.empty() ? di->msv_amplifier : di->msv_amplifier2) : QString());
    buttonDISelect_->setEnabled(m.DirectInputSelectEnabled() && !session_.CommittedMotor());
}

void TFrameSelectOptionSeries::ChooseFunction(int index) { session_.OptionSeries().SelectFunction(index); }
void TFrameSelectOptionSeries::ChooseSeries(int index) { session_.OptionSeries().SelectSeries(index); }
void TFrameSelectOptionSeries::ChooseSearchEntry(int item, int entry) { session_.OptionSeries().SelectEntry(item, entry); }

void TFrameSelectOptionSeries::SelectOption() {
    if (session_.ShowChosenOptionMotor()) emit OptionMotorChosen();
}

}  // namespace kinemo
