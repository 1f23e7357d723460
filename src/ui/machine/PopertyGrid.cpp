// Property grid view.
#include "machine/PopertyGrid.h"

#include "machine/PropertyDelegate.h"
#include "machine/PropertyGridModel.h"
#include "machine/PropertyItemModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>

namespace kinemo {

TPopertyGrid::TPopertyGrid(TPropertyGridModel& grid, IUserDialogs& dialogs, QWidget* parent)
    : QTableView(parent), items_(new TPropertyItemModel(grid, this)), delegate_(new TPropertyDelegate(grid, dialogs, this)) {
    setObjectName("PopertyGrid");
    setModel(items_);
    setItemDelegate(delegate_);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(delegate_, &TPropertyDelegate::ValueCommitted, this, [this] {
        items_->ValuesChanged();
        emit ValueCommitted();
    });
    delegate_->OnEnter = [this] { MoveOn(); };
}

TPropertyGridModel& TPopertyGrid::Grid() const { return items_->Grid(); }

void TPopertyGrid::SetHeadings(const std::vector<std::string>& headings) {
    QStringList list;
    for (const std::string& h : headings) list << QString::fromStdString(h);
    items_->SetHeadings(list);
}

void TPopertyGrid::FinishEditing() {
    if (QWidget* editor = delegate_->ActiveEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TPopertyGrid::ShowElement(TFactor* element) {
    FinishEditing();
    Grid().SetElement(element);
    items_->Reload();
    ApplyColumnWidths();
}

void TPopertyGrid::SetEditable(bool editable) {
    FinishEditing();
    items_->SetEditable(editable);
    ApplyColumnWidths();
}

void TPopertyGrid::Repaint() { items_->ValuesChanged(); }

bool TPopertyGrid::EditCell(int row, int column) {
    const QModelIndex index = items_->index(row, column);
    if (!index.isValid()) return false;
    setCurrentIndex(index);
    return QTableView::edit(index, AllEditTriggers, nullptr);
}

void TPopertyGrid::ApplyColumnWidths() {
    // Name 40 %, value 30 %, the unit the rest.
    const int w = viewport()->width();
    const int c0 = static_cast<int>(std::lround(0.4 * w));
    const int c1 = static_cast<int>(std::lround(0.3 * w));
    setColumnWidth(0, c0);
    setColumnWidth(1, c1);
    setColumnWidth(2, std::max(w - c0 - c1 - 4, 0));
}

void TPopertyGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
}

void TPopertyGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && (items_->flags(index) & Qt::ItemIsEditable) &&
        state() != EditingState)
        QTableView::edit(index, AllEditTriggers, event);
}

void TPopertyGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex index = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && index.isValid() &&
        (items_->flags(index) & Qt::ItemIsEditable) && state() != EditingState) {
        QTableView::edit(index, EditKeyPressed, event);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TPopertyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A typed character opens only the in-place editor; the combos open with Enter, F2 or a click.
    if (trigger == AnyKeyPressed &&
        Grid().EditKind(TPropertyItemModel::CoreRow(index.row()), index.column()) != TPropertyEdit::InPlace)
        return false;
    return QTableView::edit(index, trigger, event);
}

void TPopertyGrid::MoveOn() {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return;
    const QModelIndex next = items_->index(index.row() + 1, index.column());
    if (next.isValid()) setCurrentIndex(next);
    setFocus();
}

}  // namespace kinemo
