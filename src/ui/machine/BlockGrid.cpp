// Block element list.
#include "machine/BlockGrid.h"

#include "machine/Block.h"
#include "machine/BlockItemModel.h"
#include "machine/ElementMime.h"
#include "machine/Factor.h"
#include "machine/PictureDelegate.h"
#include "machine/QtPictureLoader.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace kinemo {

TBlockGrid::TBlockGrid(TBlock& block, int blockIndex, QWidget* parent)
    : QTableView(parent), items_(new TBlockItemModel(block, this)), blockIndex_(blockIndex) {
    setObjectName("BlockGrid");
    setModel(items_);
    setItemDelegate(new TPictureDelegate(TPictureDelegate::kHighlightRole, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragEnabled(false);  // drags start by hand, as the list arms them
    ApplyPictureSize();
}

void TBlockGrid::ApplyPictureSize() {
    // Rows and the column take the size of the first element's picture.
    QSize size(96, 64);
    if (TFactor* first = items_->FactorAt(0)) {
        const QPixmap p = FactorPixmap(first->GetImage());
        if (!p.isNull()) size = p.size();
    }
    verticalHeader()->setDefaultSectionSize(size.height());
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(size.width());
    setColumnWidth(0, size.width());
    setMinimumWidth(size.width() + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

TFactor* TBlockGrid::SelectedFactor() const { return items_->FactorAt(items_->SelectedRow()); }

void TBlockGrid::SelectRow(int row) {
    items_->SetSelectedRow(row);
    if (row >= 0 && row < items_->rowCount()) scrollTo(items_->index(row, 0));
}

void TBlockGrid::RefreshBlock() {
    items_->Reload();
    ApplyPictureSize();
    if (items_->SelectedRow() >= items_->rowCount()) items_->SetSelectedRow(0);
}

void TBlockGrid::SetEditable(bool editable) {
    editable_ = editable;
    armed_ = false;
}

void TBlockGrid::mousePressEvent(QMouseEvent* event) {
    armed_ = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) items_->SetSelectedRow(index.row());
    if (event->button() == Qt::LeftButton && editable_ && index.isValid()) {
        const int d = QApplication::startDragDistance();
        dragRect_ = QRect(event->position().toPoint() - QPoint(d, d), QSize(2 * d + 1, 2 * d + 1));
        pressedRow_ = index.row();
        armed_ = true;
    }
    QTableView::mousePressEvent(event);
}

void TBlockGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    armed_ = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && editable_ && index.isValid()) {
        items_->SetSelectedRow(index.row());
        emit AddRequested();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void TBlockGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (armed_ && !dragRect_.contains(p) && indexAt(p).isValid()) {
        armed_ = false;
        StartDrag(pressedRow_);
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void TBlockGrid::mouseReleaseEvent(QMouseEvent* event) {
    armed_ = false;
    QTableView::mouseReleaseEvent(event);
}

void TBlockGrid::StartDrag(int row) {
    TFactor* f = items_->FactorAt(row);
    if (!f) return;
    TElementDrag d{TElementDrag::FromBlock, blockIndex_, row};
    auto* drag = new QDrag(this);
    drag->setMimeData(d.ToMime().release());
    const QPixmap picture = FactorPixmap(f->DragImage ? f->DragImage : f->GetImage());
    if (!picture.isNull()) {
        drag->setPixmap(picture);
        drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    }
    drag->exec(Qt::CopyAction);
}

void TBlockGrid::dragEnterEvent(QDragEnterEvent* event) {
    // Only a chain element may come back here (to be taken out of the chain).
    if (editable_ && TElementDrag::FromMime(event->mimeData()).Source == TElementDrag::FromChain) event->acceptProposedAction();
    else event->ignore();
}

void TBlockGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (editable_ && TElementDrag::FromMime(event->mimeData()).Source == TElementDrag::FromChain) event->acceptProposedAction();
    else event->ignore();
}

void TBlockGrid::dropEvent(QDropEvent* event) {
    if (!editable_ || TElementDrag::FromMime(event->mimeData()).Source != TElementDrag::FromChain) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit RemoveRequested();
}

}  // namespace kinemo
