// Custom display condition dialog.
#include "selection/FormDisplayCondition.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"
#include "base/UserDialogs.h"
#include "pattern/InputPatternGridModel.h"
#include "pattern/NumberGrid.h"
#include "selection/DisplayConditionForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

TDisplayConditionGridModel::TDisplayConditionGridModel(TDisplayConditionForm& form, IUserDialogs& dialogs,
                                                       QObject* parent)
    : QAbstractTableModel(parent), form_(form), dialogs_(dialogs) {}

int TDisplayConditionGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TDisplayConditionForm::kThresholds;
}

int TDisplayConditionGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TDisplayConditionGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return Qs(index.column() == 0 ? form_.RowLabel(index.row()) : form_.ValueText(index.row()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                       : (Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::BackgroundRole && index.column() == 0) return QPalette().color(QPalette::Button);
    return {};
}

bool TDisplayConditionGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    // The editor's text on each change (kEditTextRole) counts only when editing ends.
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole) return false;
    try {
        form_.SetValueText(index.row(), value.toString().toStdString());
    } catch (const std::exception& e) {
        ++refusals_;
        dialogs_.ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
        emit dataChanged(index, index);  // the kept value is shown again
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TDisplayConditionGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return index.column() == 1 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled;
}

QVariant TDisplayConditionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Qs(section == 0 ? form_.Corner() : form_.ValueHeader());
}

TFormDisplayCondition::TFormDisplayCondition(TDisplayConditionForm& form, IUserDialogs& dialogs,
                                             const std::string& fontName, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      form_(form) {
    setObjectName("FormDisplayCondition");
    setWindowTitle(Qs(form.Title()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    grid_ = new TNumberGrid(&TInputPatternGridModel::AcceptsKey, TDisplayConditionGridModel::kEditTextRole, this);
    grid_->setObjectName("GridDisplayCondition");
    model_ = new TDisplayConditionGridModel(form, dialogs, grid_);
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->horizontalHeader()->setFixedHeight(24);
    // The English labels are longer than the value column needs.
    grid_->setColumnWidth(0, 196);
    grid_->setColumnWidth(1, 120);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFixedSize(320, 153);
    layout->addWidget(grid_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(Qs(form.OkText()), this);
    ok->setObjectName("BtnOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormDisplayCondition::BtnOkClick);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    ApplyInterfaceFont(this, fontName);
    setFixedSize(sizeHint());
}

void TFormDisplayCondition::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
    grid_->setCurrentIndex(grid_->model()->index(0, 1));
    grid_->setFocus();
}

void TFormDisplayCondition::BtnOkClick() {
    // Moving off the cell commits a value still being typed.
    const QModelIndex at = grid_->currentIndex();
    const int refusals = model_->Refusals();
    grid_->setCurrentIndex({});
    if (model_->Refusals() != refusals) {
        grid_->setCurrentIndex(at);
        grid_->setFocus();
        return;
    }
    form_.Accept();
    accept();
}

}  // namespace kinemo
