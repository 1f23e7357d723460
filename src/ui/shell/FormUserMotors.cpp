// User motor dialog.
#include "shell/FormUserMotors.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kinemo {

QVariant TUserMotorItemModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Qs(model_.CellText(index.row(), index.column()));
}

QVariant TUserMotorItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return Qs(model_.Heading(section));
}

TFormUserMotors::TFormUserMotors(TUserMotorListModel& model, const std::string& fontName, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("FormUserMotors");
    setWindowTitle(Qs(model.Text("DialogCaption")));
    setModal(true);
    items_ = new TUserMotorItemModel(model, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("GridUserMotors");
    grid_->setModel(items_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    auto* messagesLabel = new QLabel(Qs(model.Text("MessagesCaption")), this);
    messagesLabel->setObjectName("LabelMessages");
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName("MemoMessages");
    messages_->setReadOnly(true);
    messages_->setMaximumHeight(110);
    auto* add = new QPushButton(Qs(model.Text("ButtonAdd")), this);
    add->setObjectName("ButtonAdd");
    remove_ = new QPushButton(Qs(model.Text("ButtonRemove")), this);
    remove_->setObjectName("ButtonRemove");
    auto* close = new QPushButton(Qs(model.Text("ButtonClose")), this);
    close->setObjectName("ButtonClose");
    close->setDefault(true);
    connect(add, &QPushButton::clicked, this, &TFormUserMotors::Add);
    connect(remove_, &QPushButton::clicked, this, &TFormUserMotors::RemoveSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { remove_->setEnabled(grid_->selectionModel()->hasSelection()); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(messagesLabel);
    layout->addWidget(messages_);
    layout->addLayout(buttons);
    resize(860, 420);
    ApplyInterfaceFont(this, fontName);
    Refresh();
}

void TFormUserMotors::Add() {
    model_.AddFromFile();
    Refresh();
}

void TFormUserMotors::RemoveSelected() {
    const QModelIndexList rows = grid_->selectionModel()->selectedRows();
    if (!rows.isEmpty()) model_.Remove(rows.first().row());
    Refresh();
}

void TFormUserMotors::Refresh() {
    items_->Reset();
    grid_->resizeColumnsToContents();
    QStringList lines;
    for (const std::string& m : model_.Messages()) lines << Qs(m);
    messages_->setPlainText(lines.join("\n"));
    remove_->setEnabled(grid_->selectionModel()->hasSelection());
}

}  // namespace kinemo
