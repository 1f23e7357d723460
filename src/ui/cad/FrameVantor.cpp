// The CAD export page's widgets.
#include "cad/FrameVantor.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "base/FileDialogs.h"
#include "base/Registry.h"

#include <QComboBox>
#include <QFormLayout>
#include <cstdlib>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kinemo {

namespace {

}  // namespace

TFrameVantor::TFrameVantor(TKinemoContext& context, const TRegistry& registry, IFileDialogs& files, QWidget* parent)
    : QWidget(parent), context_(context), registry_(registry), files_(files), model_(context.Query()) {
    setObjectName("FrameVantor");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);

    auto label = [this](const char* name, QWidget* parent) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        labels_.push_back(l);
        return l;
    };
    auto* motorBox = new QGroupBox(this);
    motorBox->setObjectName("GroupBoxMotor");
    auto* motorGrid = new QGridLayout(motorBox);
    editMotorNumber_ = new QLineEdit(motorBox);
    editMotorNumber_->setObjectName("EditMotorNumber");
    editMotorNumber_->setEnabled(false);
    editMotorNumber_->setMinimumWidth(220);
    motorGrid->addWidget(label("LabelMotorNumber", motorBox), 0, 0);
    motorGrid->addWidget(editMotorNumber_, 0, 1);
    labelNoDrawing_ = new QLabel(motorBox);
    labelNoDrawing_->setObjectName("LabelNoDrawingData");
    labelNoDrawing_->setWordWrap(true);
    motorGrid->addWidget(labelNoDrawing_, 1, 0, 1, 3);
    motorGrid->setColumnStretch(2, 1);
    outer->addWidget(motorBox);

    auto* outlineBox = new QGroupBox(this);
    outlineBox->setObjectName("GroupBoxOutline");
    outline_ = new QFormLayout(outlineBox);
    outlineBox->setVisible(false);
    outer->addWidget(outlineBox);

    auto* drawingBox = new QGroupBox(this);
    drawingBox->setObjectName("GroupBoxDrawing");
    auto* grid = new QGridLayout(drawingBox);
    comboBoxImageType_ = new QComboBox(drawingBox);
    comboBoxImageType_->setObjectName("ComboBoxImageType");
    comboBoxFileType_ = new QComboBox(drawingBox);
    comboBoxFileType_->setObjectName("ComboBoxFileType");
    editFileName_ = new QLineEdit(drawingBox);
    editFileName_->setObjectName("EditFileName");
    btnSelectDir_ = new QPushButton(drawingBox);
    btnSelectDir_->setObjectName("BtnSelectDir");
    grid->addWidget(label("LabelImageType", drawingBox), 0, 0);
    grid->addWidget(comboBoxImageType_, 0, 1);
    grid->addWidget(label("LabelFileType", drawingBox), 1, 0);
    grid->addWidget(comboBoxFileType_, 1, 1);
    grid->addWidget(label("LabelFileName", drawingBox), 2, 0);
    grid->addWidget(editFileName_, 2, 1, 1, 2);
    grid->addWidget(btnSelectDir_, 2, 3);
    grid->setColumnStretch(2, 1);
    QLabel* hint = label("LabelHint", drawingBox);
    hint->setWordWrap(true);
    grid->addWidget(hint, 3, 0, 1, 4);
    outer->addWidget(drawingBox);

    auto* buttons = new QHBoxLayout;
    btnExecute_ = new QPushButton(this);
    btnExecute_->setObjectName("BtnExecute");
    btnExecute_->setDefault(true);
    buttonReturn_ = new QPushButton(this);
    buttonReturn_->setObjectName("ButtonReturn");
    buttons->addWidget(btnExecute_);
    buttons->addStretch(1);
    buttons->addWidget(buttonReturn_);
    outer->addLayout(buttons);
    outer->addStretch(1);

    ApplyTexts();
    connect(comboBoxImageType_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.SetImageType(i);
        Refresh();
    });
    connect(comboBoxFileType_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.SetFileType(i); });
    connect(editFileName_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetFileName(t.toStdString()); });
    connect(btnSelectDir_, &QPushButton::clicked, this, [this] { SelectFile(); });
    connect(btnExecute_, &QPushButton::clicked, this, [this] { Execute(); });
    connect(buttonReturn_, &QPushButton::clicked, this, [this] {
        if (onReturn_) onReturn_();
    });
    Refresh();
}

void TFrameVantor::ApplyTexts() {
    for (QLabel* l : labels_) l->setText(Qs(model_.Text(l->objectName().toStdString())));
    for (QGroupBox* g : findChildren<QGroupBox*>()) g->setTitle(Qs(model_.Text(g->objectName().toStdString())));
    for (QPushButton* b : {btnSelectDir_, btnExecute_, buttonReturn_}) b->setText(Qs(model_.Text(b->objectName().toStdString())));
    const QSignalBlocker block(comboBoxImageType_);
    comboBoxImageType_->clear();
    for (const auto& item : model_.ImageTypeItems()) comboBoxImageType_->addItem(Qs(item));
}

void TFrameVantor::Refresh() {
    editMotorNumber_->setText(Qs(model_.MotorNumber()));
    labelNoDrawing_->setText(Qs(model_.NoDrawingNotice()));
    labelNoDrawing_->setVisible(!model_.NoDrawingNotice().empty());
    {
        const QSignalBlocker block(comboBoxImageType_);
        comboBoxImageType_->setCurrentIndex(model_.ImageType());
    }
    {
        const QSignalBlocker block(comboBoxFileType_);
        comboBoxFileType_->clear();
        for (const auto& t : model_.FileTypeItems()) comboBoxFileType_->addItem(Qs(t));
        comboBoxFileType_->setCurrentIndex(model_.FileType());
    }
    if (editFileName_->text().toStdString() != model_.FileName()) editFileName_->setText(Qs(model_.FileName()));
    while (outline_->rowCount() > 0) outline_->removeRow(0);
    for (const auto& [label, text] : model_.OutlineData()) {
        auto* value = new QLabel(Qs(text));
        value->setObjectName("LabelOutlineValue");
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        outline_->addRow(Qs(label), value);
    }
    outline_->parentWidget()->setVisible(!model_.OutlineData().empty());
    btnExecute_->setEnabled(model_.CanExecute());
    buttonReturn_->setEnabled(model_.ReturnEnabled());
}

void TFrameVantor::SelectFile() {
    TFileDialogRequest request;
    request.Filter = model_.SaveDialogFilter();
    request.InitialFolder = context_.Run().Settings.SaveFileFolder;
    if (auto name = files_.SaveFileName(request)) {
        model_.SetFileName(*name);
        Refresh();
    }
}

TCadExportResult TFrameVantor::Execute() {
    model_.SetFileName(editFileName_->text().toStdString());
    TCadLinkServices services;
    services.Registry = &registry_;
    services.ProgramFolder = context_.InstallFolder();
    services.HandOverFolder = context_.Run().TempFolder;
    services.TimeLimitMs = timeLimitMs_;
    services.Dialogs = &context_.Dialogs();
    services.Busy = context_.BusyCursor();
    services.Wait = context_.Progress();
    btnExecute_->setEnabled(false);
    const std::string base = context_.Run().Settings.SaveFileFolder;
    const char* home = std::getenv("HOME");
    const TCadExportResult r = model_.Execute(services, !base.empty() ? base : home ? std::string(home) : std::string("/"));
    Refresh();
    return r;
}

}  // namespace kinemo
