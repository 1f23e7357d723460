// User element editor window.
#include "machine/FormUserFactor.h"

#include "common/InterfaceFont.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/FileDialogs.h"
#include "base/UserDialogs.h"
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/MachineServices.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyGridModel.h"
#include "machine/QtPictureLoader.h"
#include "machine/UserFactorModel.h"
#include "units/ValueFormat.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

namespace {

constexpr const char* kImageNames[] = {"DefaultImage", "SelectImage", "DragImage"};
// Catalog elements are listed on silver, user elements on the window colour.
const QColor kCatalogElement(0xC0, 0xC0, 0xC0);

QLabel* Panel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumHeight(22);
    return l;
}

}  // namespace

TFormUserFactor::TFormUserFactor(TUserFactorModel& model, TPropertyGridModel& grid, IUserDialogs& dialogs,
                                 IFileDialogs& files, IBusyCursor* busy, const std::string& fontName, QWidget* parent)
    : QDialog(parent), model_(model), gridModel_(grid), files_(files), busy_(busy) {
    setObjectName("FormUserFactor");
    grid_ = new TPopertyGrid(grid, dialogs, this);
    grid_->setObjectName("InputDataGird");
    Build();
    ApplyTexts();
    ApplyInterfaceFont(this, fontName);
    const auto blocks = model_.Blocks();
    for (TBlock* b : blocks) comboBoxMenuBlock_->addItem(QString::fromStdString(b->Name));
    connect(comboBoxMenuBlock_, &QComboBox::activated, this, [this](int i) { ComboBoxMenuBlockChange(i); });
    if (!blocks.empty()) {
        comboBoxMenuBlock_->setCurrentIndex(model_.BlockIndex() < 0 ? 0 : model_.BlockIndex());
        ComboBoxMenuBlockChange(comboBoxMenuBlock_->currentIndex());
    }
}

TFormUserFactor::~TFormUserFactor() { gridModel_.SetElement(nullptr); }

void TFormUserFactor::Build() {
    resize(820, 600);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* groupMenu = new QGroupBox(this);
    groupMenu->setObjectName("GroupBoxMenu");
    auto* menu = new QVBoxLayout(groupMenu);
    auto* labelBlock = new QLabel(groupMenu);
    labelBlock->setObjectName("LabelMenuBlock");
    menu->addWidget(labelBlock);
    comboBoxMenuBlock_ = new QComboBox(groupMenu);
    comboBoxMenuBlock_->setObjectName("ComboBoxMenuBlock");
    menu->addWidget(comboBoxMenuBlock_);
    listBoxMenuFactor_ = new QListWidget(groupMenu);
    listBoxMenuFactor_->setObjectName("ListBoxMenuFactor");
    menu->addWidget(listBoxMenuFactor_, 1);
    connect(listBoxMenuFactor_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListBoxMenuFactorClick(listBoxMenuFactor_->row(item)); });
    groupMenu->setFixedWidth(240);
    top->addWidget(groupMenu);

    groupBoxFactor_ = new QGroupBox(this);
    groupBoxFactor_->setObjectName("GroupBoxFactor");
    auto* factor = new QVBoxLayout(groupBoxFactor_);
    auto* form = new QFormLayout;
    auto label = [this](const char* name) {
        auto* l = new QLabel(groupBoxFactor_);
        l->setObjectName(name);
        return l;
    };
    panelOwner_ = Panel(groupBoxFactor_, "PanelOwner");
    form->addRow(label("LabelFactorOwner"), panelOwner_);
    panelBlock_ = Panel(groupBoxFactor_, "PanelBlock");
    form->addRow(label("LabelFactorBlock"), panelBlock_);
    editFactorName_ = new QLineEdit(groupBoxFactor_);
    editFactorName_->setObjectName("EditFactorName");
    form->addRow(label("LabelFactorName"), editFactorName_);
    for (int k = 0; k < 3; ++k) {
        auto* row = new QHBoxLayout;
        editImages_[k] = new QLineEdit(groupBoxFactor_);
        editImages_[k]->setObjectName(QString("Edit") + kImageNames[k]);
        buttonImages_[k] = new QPushButton(groupBoxFactor_);
        buttonImages_[k]->setObjectName(QString("Button") + kImageNames[k]);
        previews_[k] = new QLabel(groupBoxFactor_);
        previews_[k]->setObjectName(QString("Preview") + kImageNames[k]);
        previews_[k]->setFixedSize(48, 32);
        previews_[k]->setScaledContents(true);
        row->addWidget(editImages_[k], 1);
        row->addWidget(buttonImages_[k]);
        row->addWidget(previews_[k]);
        form->addRow(label((std::string("Label") + kImageNames[k]).c_str()), row);
        connect(buttonImages_[k], &QPushButton::clicked, this, [this, k] { ButtonImageClick(k); });
        connect(editImages_[k], &QLineEdit::textChanged, this, [this, k](const QString& path) {
            previews_[k]->setPixmap(QPixmap(path));
        });
    }
    factor->addLayout(form);
    auto* groupInput = new QGroupBox(groupBoxFactor_);
    groupInput->setObjectName("GroupBoxInputData");
    auto* panel = new QWidget(groupInput);
    panel->setObjectName("PanelInputData");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    grid_->setParent(panel);
    panelLayout->addWidget(grid_);
    auto* inputLayout = new QVBoxLayout(groupInput);
    inputLayout->addWidget(panel);
    factor->addWidget(groupInput, 1);
    top->addWidget(groupBoxFactor_, 1);
    layout->addLayout(top, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttonInsert_ = new QPushButton(this);
    buttonInsert_->setObjectName("ButtonInsert");
    buttonDelete_ = new QPushButton(this);
    buttonDelete_->setObjectName("ButtonDelete");
    buttonClose_ = new QPushButton(this);
    buttonClose_->setObjectName("ButtonClose");
    for (QPushButton* b : {buttonInsert_, buttonDelete_, buttonClose_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(buttonInsert_, &QPushButton::clicked, this, [this] { ButtonInsertClick(); });
    connect(buttonDelete_, &QPushButton::clicked, this, [this] { ButtonDeleteClick(); });
    connect(buttonClose_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormUserFactor::ApplyTexts() {
    // Every control takes the text named like it; a missing one leaves it empty.
    for (QLabel* l : findChildren<QLabel*>())
        if (!l->objectName().startsWith("Panel") && !l->objectName().startsWith("Preview"))
            l->setText(QString::fromStdString(model_.Text(l->objectName().toStdString())));
    for (QGroupBox* g : findChildren<QGroupBox*>()) g->setTitle(QString::fromStdString(model_.Text(g->objectName().toStdString())));
    for (QPushButton* b : findChildren<QPushButton*>()) b->setText(QString::fromStdString(model_.Text(b->objectName().toStdString())));
    setWindowTitle(QString::fromStdString(model_.Text("FormCaption")));
    grid_->SetHeadings(model_.Headings());
}

void TFormUserFactor::ComboBoxMenuBlockChange(int index) {
    model_.SelectBlock(index);
    FillFactorList();
    ShowEdited();
}

void TFormUserFactor::FillFactorList() {
    listBoxMenuFactor_->clear();
    for (TFactor* f : model_.Factors()) {
        auto* item = new QListWidgetItem(QString::fromStdString(f->Name), listBoxMenuFactor_);
        item->setBackground(f->IsUserFactor() ? palette().base() : QBrush(kCatalogElement));
        item->setForeground(f->IsUserFactor() ? palette().text() : palette().buttonText());
    }
    listBoxMenuFactor_->setCurrentRow(model_.FactorIndex());
}

void TFormUserFactor::ListBoxMenuFactorClick(int row) {
    TBusyScope busy(busy_);
    groupBoxFactor_->setEnabled(false);
    struct TEnable {
        QWidget* w;
        ~TEnable() { w->setEnabled(true); }
    } enable{groupBoxFactor_};
    model_.SelectFactor(row);
    listBoxMenuFactor_->setCurrentRow(row);
    ShowEdited();
}

void TFormUserFactor::ShowEdited() {
    panelOwner_->setText(QString::fromStdString(model_.OwnerName()));
    panelBlock_->setText(QString::fromStdString(model_.BlockName()));
    editFactorName_->setText(QString::fromStdString(model_.Name));
    for (int k = 0; k < 3; ++k) editImages_[k]->setText(QString::fromStdString(model_.Pictures[static_cast<size_t>(k)]));
    grid_->ShowElement(model_.Edited());
    buttonInsert_->setEnabled(model_.CanInsert());
    buttonDelete_->setEnabled(model_.CanDelete());
}

void TFormUserFactor::ButtonImageClick(int kind) {
    const QFileInfo current(editImages_[kind]->text());
    TFileDialogRequest request;
    request.Filter = model_.Text("OpenDialogImageFile.Filter");
    request.InitialFolder = current.absolutePath().toStdString();
    if (const auto chosen = files_.OpenFileName(request)) editImages_[kind]->setText(QString::fromStdString(*chosen));
}

void TFormUserFactor::TakeEdits() {
    grid_->FinishEditing();
    model_.Name = editFactorName_->text().toStdString();
    for (int k = 0; k < 3; ++k) model_.Pictures[static_cast<size_t>(k)] = editImages_[k]->text().toStdString();
}

void TFormUserFactor::FocusField(int field) {
    using F = TUserFactorModel::TField;
    switch (static_cast<F>(field)) {
    case F::Name: editFactorName_->setFocus(); break;
    case F::DefaultImage: editImages_[0]->setFocus(); break;
    case F::SelectImage: editImages_[1]->setFocus(); break;
    case F::DragImage: editImages_[2]->setFocus(); break;
    case F::None: break;
    }
}

void TFormUserFactor::ButtonInsertClick() {
    TakeEdits();
    TUserFactorModel::TField focus = TUserFactorModel::TField::None;
    bool saved = false;
    {
        TBusyScope busy(busy_);
        saved = model_.Insert(focus);
    }
    FocusField(static_cast<int>(focus));
    if (!saved) return;
    FillFactorList();
    grid_->ShowElement(model_.Edited());
    buttonDelete_->setEnabled(model_.CanDelete());
}

void TFormUserFactor::ButtonDeleteClick() {
    TakeEdits();
    TUserFactorModel::TField focus = TUserFactorModel::TField::None;
    const bool deleted = model_.Delete(focus);
    FocusField(static_cast<int>(focus));
    if (!deleted) return;
    FillFactorList();
    buttonDelete_->setEnabled(model_.CanDelete());
}

void RunUserFactorEditor(TKinemoContext& context, TSizingSession& session, IFileDialogs& files, QWidget* parent,
                         const std::function<int(QDialog&)>& exec) {
    TRunValues& run = context.Run();
    if (run.Settings.UserFactorFileFolder.empty()) context.ReloadUserFactors();  // reads the folders
    TUserFactorPlace place{run.Settings.UserFactorFileFolder, run.Settings.UserFactorImageFolder,
                           ReadMessageText(context.Query(), "main_window", "DirUserFactorExt"),
                           run.ApplicationVersionText, run.MdbVersionText};
    TUserFactorModel model(context.Machine(), context.Query(), context.Dialogs(), place,
                           [&context] { context.ReloadUserFactors(); });
    TPropertyGridModel grid(context.Materials(), context.Measures(), context.ValueFormat(), true);
    grid.SetErrorMessages(&context.ErrorMessages());
    {
        TFormUserFactor form(model, grid, context.Dialogs(), files, context.BusyCursor(), run.FontName, parent);
        if (exec) exec(form);
        else form.exec();
    }
    context.Blocks().RefreshUserFactorImages(session.Chain().Factors());
}

}  // namespace kinemo
