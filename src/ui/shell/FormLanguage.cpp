// Language dialog.
#include "shell/FormLanguage.h"

#include "common/InterfaceFont.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kinemo {

TFormLanguage::TFormLanguage(const TLanguageModel& model, const std::string& fontName, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FormLanguage");
    setWindowTitle(QString::fromStdString(model.Text("FormCaption")));
    setModal(true);
    auto* label = new QLabel(QString::fromStdString(model.Text("LabelLanguage")), this);
    label->setObjectName("LabelLanguage");
    list_ = new QComboBox(this);
    list_->setObjectName("ComboBoxLanguage");
    for (size_t i = 0; i < model.Languages().size(); ++i)
        list_->addItem(QString::fromStdString(model.LanguageName(i)));
    list_->setCurrentIndex(static_cast<int>(model.CurrentIndex()));
    auto* ok = new QPushButton(QString::fromStdString(model.Text("ButtonOK")), this);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromStdString(model.Text("ButtonCancel")), this);
    cancel->setObjectName("ButtonCancel");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ApplyInterfaceFont(this, fontName);
}

size_t TFormLanguage::ChosenIndex() const { return static_cast<size_t>(std::max(0, list_->currentIndex())); }

}  // namespace kinemo
