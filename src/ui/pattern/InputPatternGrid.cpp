// The pattern grid widget: headers, selection, menu, unit chooser and keys.
#include "pattern/InputPatternGrid.h"

#include "common/KinemoApplication.h"
#include "pattern/InputPatternGridModel.h"
#include "units/Measure.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace kinemo {

using Grid = TInputPatternGridModel;

namespace {

constexpr int kTitleLines = 2;  // long column titles wrap once

}  // namespace

// The row headers: pressed while the row is selected; the mouse selects rows and opens
// the row menu.
class TRowHeader : public QHeaderView {
public:
    explicit TRowHeader(TInputPatternGrid* grid) : QHeaderView(Qt::Vertical, grid), grid_(grid) {
        setSectionsClickable(false);
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignCenter);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        const int section = logicalIndexAt(e->position().toPoint());
        if (section >= 0) grid_->HeaderPressed(section + 1, e->button(), e->globalPosition().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const int section = logicalIndexAt(e->position().toPoint());
        if (section >= 0) grid_->HeaderMoved(section + 1);
    }
    void mouseReleaseEvent(QMouseEvent*) override { grid_->HeaderReleased(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }

    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = section;
        option.text = model()->headerData(section, Qt::Vertical, Qt::DisplayRole).toString();
        option.textAlignment = Qt::AlignCenter;
        if (grid_->Grid().SelectedRows().count(section + 1)) option.state |= QStyle::State_Sunken | QStyle::State_On;
        painter->save();
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }

private:
    TInputPatternGrid* grid_;
};

TInputPatternGrid::TInputPatternGrid(TInputPatternGridModel& grid, QWidget* parent)
    : TNumberGrid(&TInputPatternGridModel::AcceptsKey, TInputPatternGridItemModel::kEditTextRole, parent),
      items_(new TInputPatternGridItemModel(grid, this)) {
    setVerticalHeader(new TRowHeader(this));
    setModel(items_);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(fontMetrics().lineSpacing() * kTitleLines + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(std::max(Grid::kFirstColumnWidth, fontMetrics().horizontalAdvance("100") + 10));
    connect(items_, &TInputPatternGridItemModel::Committed, this, [this] { viewport()->update(); });
    connect(this, &TNumberGrid::EditorOpened, items_, [this] { items_->BeginEdit(); });
}

QHeaderView* TInputPatternGrid::RowHeader() const { return verticalHeader(); }

void TInputPatternGrid::SetEditable(bool editable) {
    editable_ = editable;
    if (!editable) DiscardEdit();
    items_->SetEditable(editable);
}

void TInputPatternGrid::Refresh() {
    const int columns = items_->columnCount();
    items_->Refresh();
    if (items_->columnCount() != columns) FitColumns();
    ShowCurrentCell();
    verticalHeader()->viewport()->update();
    viewport()->update();
}

void TInputPatternGrid::FitColumns() {
    const int count = Grid().ColumnCount();
    const std::vector<int> widths = Grid::FitColumnWidths(viewport()->width() + Grid::kFirstColumnWidth, count);
    for (int c = 1; c < count; ++c) setColumnWidth(c - 1, widths[static_cast<size_t>(c)]);
}

void TInputPatternGrid::ShowCurrentCell() {
    const QModelIndex at = items_->IndexOf(Grid().CurrentRow(), Grid().CurrentColumn());
    if (!at.isValid() || at == currentIndex()) return;
    syncing_ = true;
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void TInputPatternGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    TNumberGrid::currentChanged(current, previous);
    if (syncing_ || !current.isValid()) return;
    Guarded([&] { Grid().Click(TInputPatternGridItemModel::GridRow(current), TInputPatternGridItemModel::GridColumn(current)); })();
}

void TInputPatternGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid()) {
        const int row = TInputPatternGridItemModel::GridRow(at);
        const int column = TInputPatternGridItemModel::GridColumn(at);
        if (editable_ || !Grid().IsExternalForceCell(row, column)) {
            Grid().CellMouseDown(row, column);
        } else {
            Grid().ClearSelection();
        }
        items_->Refresh();
        verticalHeader()->viewport()->update();
    }
    TNumberGrid::mousePressEvent(event);
}

void TInputPatternGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (editable_ && at.isValid() && TInputPatternGridItemModel::GridRow(at) == Grid::kUnitRow) {
        OpenUnitChooser(TInputPatternGridItemModel::GridColumn(at));
        return;
    }
    TNumberGrid::mouseDoubleClickEvent(event);
}

void TInputPatternGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit CopyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (editable_) emit PasteRequested();
        return;
    }
    // A typed character ends the row selection; Ctrl, Shift and the like alone do not.
    if (!event->text().isEmpty()) {
        Grid().KeyPressed();
        verticalHeader()->viewport()->update();
        items_->Refresh();
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QModelIndex at = currentIndex();
    if (enter && at.isValid() && state() != QAbstractItemView::EditingState) {
        if (TInputPatternGridItemModel::GridRow(at) == Grid::kUnitRow) {
            if (editable_) OpenUnitChooser(TInputPatternGridItemModel::GridColumn(at));
            return;
        }
        if (items_->flags(at) & Qt::ItemIsEditable) {
            edit(at);
            return;
        }
    }
    TNumberGrid::keyPressEvent(event);
}

void TInputPatternGrid::MoveAfterEdit(int key) {
    if (items_->LastCommitFailed()) {  // the refused cell stays current
        ShowCurrentCell();
        setFocus();
        return;
    }
    TNumberGrid::MoveAfterEdit(key);
}

void TInputPatternGrid::resizeEvent(QResizeEvent* event) {
    TNumberGrid::resizeEvent(event);
    FitColumns();
}

void TInputPatternGrid::focusInEvent(QFocusEvent* event) {
    TNumberGrid::focusInEvent(event);
    if (QInputMethod* im = QGuiApplication::inputMethod()) im->reset();
}

void TInputPatternGrid::HeaderPressed(int gridRow, Qt::MouseButton button, const QPoint& globalPos) {
    Grid::TMouseButton which = Grid::TMouseButton::Left;
    if (button == Qt::MiddleButton) which = Grid::TMouseButton::Middle;
    if (button == Qt::RightButton) which = Grid::TMouseButton::Right;
    bool openMenu = false;
    Guarded([&] { openMenu = Grid().HeaderMouseDown(gridRow, which); })();
    ShowCurrentCell();
    Guarded([&] { Grid().Click(Grid().CurrentRow(), Grid().CurrentColumn()); })();
    items_->Refresh();
    verticalHeader()->viewport()->update();
    setFocus();
    if (openMenu && menu_) menu_->popup(globalPos);
}

void TInputPatternGrid::HeaderMoved(int gridRow) {
    Grid().HeaderMouseMove(gridRow);
    items_->Refresh();
    verticalHeader()->viewport()->update();
}

void TInputPatternGrid::HeaderReleased() { Grid().MouseUp(); }

void TInputPatternGrid::SetUnitChooser(QComboBox* chooser) {
    if (chooser_) disconnect(chooser_, nullptr, this, nullptr);
    chooser_ = chooser;
    if (chooser_) connect(chooser_, &QComboBox::activated, this, &TInputPatternGrid::UnitActivated);
}

void TInputPatternGrid::OpenUnitChooser(int gridColumn) {
    if (!chooser_ || gridColumn < 1 || gridColumn > Grid().DataColumnCount()) return;
    chooserColumn_ = gridColumn;
    const int dataColumn = gridColumn - 1;
    const std::vector<const TMeasure*> units = Grid().UnitChoices(dataColumn);
    const TMeasure* shown = &Grid().Data().DisplayUnit(dataColumn);
    chooser_->blockSignals(true);
    chooser_->clear();
    for (const TMeasure* unit : units) {
        chooser_->addItem(QString::fromStdString(unit->Symbol()));
        if (unit == shown) chooser_->setCurrentIndex(chooser_->count() - 1);
    }
    chooser_->blockSignals(false);
    const QRect cell = visualRect(items_->IndexOf(Grid::kUnitRow, gridColumn));
    const QPoint topLeft = viewport()->mapTo(chooser_->parentWidget(), cell.topLeft() + QPoint(4, 4));
    chooser_->setGeometry(topLeft.x(), topLeft.y(), cell.width(), chooser_->sizeHint().height());
    chooser_->show();
    chooser_->raise();
    chooser_->setFocus();
}

void TInputPatternGrid::UnitActivated(int index) {
    const std::vector<const TMeasure*> units = Grid().UnitChoices(chooserColumn_ - 1);
    if (index < 0 || index >= static_cast<int>(units.size())) return;
    emit UnitChosen(chooserColumn_ - 1, units[static_cast<size_t>(index)]);
    chooser_->hide();
    setFocus();
}

}  // namespace kinemo
