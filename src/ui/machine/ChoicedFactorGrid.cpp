// Chain grid.
#include "machine/ChoicedFactorGrid.h"

#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChainItemModel.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/ElementMime.h"
#include "machine/Factor.h"
#include "machine/PictureDelegate.h"
#include "machine/QtPictureLoader.h"
#include "base/NameValueList.h"
#include "base/UserDialogs.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

namespace kinemo {

namespace {
// Pixels the mouse must move before a chain element is dragged.
constexpr int kDragDistance = 5;
constexpr const char* kPopupItems[] = {"PopupMenuChoicedGridOnDelete", "PopupMenuChoicedGridOnCut",
                                       "PopupMenuChoicedGridOnCopy", "PopupMenuChoicedGridOnPaste"};
}  // namespace

TChoicedFactorGrid::TChoicedFactorGrid(TChoiceFactorModel& machine, TBlockManager& blocks, IBusyCursor* busy,
                                       QWidget* parent)
    : QTableView(parent), machine_(&machine), blocks_(&blocks), busy_(busy),
      items_(new TChainItemModel(machine, this)) {
    setObjectName("ChoicedFactorGrid");
    setModel(items_);
    setItemDelegate(new TPictureDelegate(0, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);  // the menu pops up by hand, after the checks
    BuildPopup();
    ApplyPictureSize();
}

void TChoicedFactorGrid::ApplyPictureSize() {
    // Columns are the motor picture's width + 1 wide, the row its height.
    QSize size(96, 64);
    const QPixmap p = FactorPixmap(machine_->Motor().GetImage());
    if (!p.isNull()) size = p.size();
    horizontalHeader()->setDefaultSectionSize(size.width() + 1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(size.height());
    setMinimumHeight(size.height() + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void TChoicedFactorGrid::BuildPopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenuChoicedGrid");
    for (const char* name : kPopupItems) {
        QAction* a = popup_->addAction(QString());
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, name] { PopupCommand(name); });
    }
}

void TChoicedFactorGrid::ApplyTexts(const TNameValueList& texts) {
    for (const char* name : kPopupItems) PopupAction(name)->setText(QString::fromStdString(texts.Value(name)));
}

QAction* TChoicedFactorGrid::PopupAction(const char* name) const { return popup_->findChild<QAction*>(name); }

void TChoicedFactorGrid::Reload() {
    items_->Reload();
    if (machine_->CurrentColumn() < items_->columnCount()) scrollTo(items_->index(0, machine_->CurrentColumn()));
}

void TChoicedFactorGrid::SelectColumn(int column) {
    machine_->SetCurrentColumn(column);
    items_->SelectionChanged();
    scrollTo(items_->index(0, machine_->CurrentColumn()));
    emit SelectionChanged();
}

int TChoicedFactorGrid::DragSourceColumn() const { return items_->DragSourceColumn(); }

void TChoicedFactorGrid::SetDragSourceColumn(int column) { items_->SetDragSourceColumn(column); }

void TChoicedFactorGrid::SetEditable(bool editable) {
    editable_ = editable;
    armed_ = false;
}

TFactor* TChoicedFactorGrid::BlockElement(int block, int row) const {
    auto& list = blocks_->Blocks();
    if (block < 0 || block >= static_cast<int>(list.size())) return nullptr;
    auto& factors = list[static_cast<size_t>(block)]->Factors();
    return row >= 0 && row < static_cast<int>(factors.size()) ? factors[static_cast<size_t>(row)].get() : nullptr;
}

int TChoicedFactorGrid::ColumnAt(const QPoint& point) const {
    const int column = columnAt(point.x());
    if (column >= 0) return column;
    // Beyond the last picture: after the last element.
    return point.x() >= 0 && items_->columnCount() > 0 ? items_->columnCount() - 1 : -1;
}

void TChoicedFactorGrid::PreparePopup(int column) {
    SelectColumn(column);
    const bool element = column > 0 && column < machine_->Chain().Count();
    PopupAction("PopupMenuChoicedGridOnDelete")->setEnabled(element && machine_->RemoveCheck(column) == 0);
    PopupAction("PopupMenuChoicedGridOnCut")->setEnabled(element && machine_->RemoveCheck(column) == 0);
    PopupAction("PopupMenuChoicedGridOnCopy")->setEnabled(element);
    PopupAction("PopupMenuChoicedGridOnPaste")->setEnabled(machine_->CanPaste());
}

void TChoicedFactorGrid::PopupCommand(const char* name) {
    const std::string command = name;
    if (command == "PopupMenuChoicedGridOnDelete") machine_->Delete();
    else if (command == "PopupMenuChoicedGridOnCut") machine_->Cut();
    else if (command == "PopupMenuChoicedGridOnCopy") machine_->Copy();
    else if (command == "PopupMenuChoicedGridOnPaste") machine_->Paste();
    if (command == "PopupMenuChoicedGridOnCopy") return;
    Reload();
    emit ChainChanged();
    emit SelectionChanged();
}

void TChoicedFactorGrid::mousePressEvent(QMouseEvent* event) {
    armed_ = false;
    const QPoint p = event->position().toPoint();
    const int column = columnAt(p.x());
    const bool valid = column >= 0 && rowAt(p.y()) == 0;
    if (event->button() == Qt::RightButton) {
        if (!valid || !editable_) return;
        PreparePopup(column);
        popup_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (valid) {
        if (editable_ && column > 0 && machine_->RemoveCheck(column) == 0) {
            armed_ = true;
            pressPoint_ = p;
            pressedColumn_ = column;
        }
        SelectColumn(column);
    }
}

void TChoicedFactorGrid::mouseMoveEvent(QMouseEvent* event) {
    if (armed_ && (event->position().toPoint() - pressPoint_).manhattanLength() >= kDragDistance) {
        armed_ = false;
        StartDrag(pressedColumn_);
    }
}

void TChoicedFactorGrid::mouseReleaseEvent(QMouseEvent*) { armed_ = false; }

void TChoicedFactorGrid::StartDrag(int column) {
    if (column <= 0 || column >= machine_->Chain().Count()) return;
    TFactor* f = machine_->Chain().GetFactor(column);
    SetDragSourceColumn(column);
    auto* drag = new QDrag(this);
    drag->setMimeData(TElementDrag{TElementDrag::FromChain, -1, column}.ToMime().release());
    const QPixmap picture = FactorPixmap(f->DragImage ? f->DragImage : f->GetImage());
    if (!picture.isNull()) {
        drag->setPixmap(picture);
        drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction);
    SetDragSourceColumn(-1);
}

bool TChoicedFactorGrid::AcceptsDrop(const QMimeData* mime, const QPoint& point) {
    if (!editable_) return false;
    const TElementDrag d = TElementDrag::FromMime(mime);
    const int column = ColumnAt(point);
    if (d.Source == TElementDrag::None || column < 0) return false;
    machine_->SetCurrentColumn(column);
    items_->SelectionChanged();
    if (d.Source == TElementDrag::FromBlock) {
        TFactor* element = BlockElement(d.BlockIndex, d.Index);
        return element && machine_->CanInsert(*element);
    }
    // Onto itself or the column just before it, the chain would stay as it is.
    if (column == d.Index || column == d.Index - 1) return false;
    return machine_->CanMove(d.Index, column);
}

void TChoicedFactorGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (editable_ && TElementDrag::FromMime(event->mimeData()).Source != TElementDrag::None) event->acceptProposedAction();
    else event->ignore();
}

void TChoicedFactorGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptsDrop(event->mimeData(), event->position().toPoint())) event->acceptProposedAction();
    else event->ignore();
}

void TChoicedFactorGrid::dragLeaveEvent(QDragLeaveEvent* event) {
    QTableView::dragLeaveEvent(event);
    items_->SelectionChanged();
}

void TChoicedFactorGrid::dropEvent(QDropEvent* event) {
    const TElementDrag d = TElementDrag::FromMime(event->mimeData());
    const QPoint point = event->position().toPoint();
    if (!AcceptsDrop(event->mimeData(), point)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    TBusyScope busy(busy_);
    setEnabled(false);
    struct TEnable {
        QWidget* w;
        ~TEnable() { w->setEnabled(true); }
    } enable{this};
    if (d.Source == TElementDrag::FromBlock) {
        emit BlockElementDropped(d.BlockIndex, d.Index);
        return;
    }
    machine_->Move(d.Index, ColumnAt(point));
    Reload();
    emit ChainChanged();
    emit SelectionChanged();
}

}  // namespace kinemo
