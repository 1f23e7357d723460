// Candidate grid.
#include "selection/MotorGrid.h"
#include "common/QtText.h"

#include <algorithm>

#include "selection/CandidateListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace kinemo {

namespace {

bool IsLabelColumn(int c) { return c == 4 || c == 6 || c == 8 || c == 10 || c == 12 || c == 14; }
bool IsNumberColumn(int c) { return c == 3 || c == 5 || c == 7 || c == 9 || c == 11 || c == 13; }

// Column 0 is drawn as a raised button with the model name; pressed, sunken.
class TModelButtonDelegate : public QStyledItemDelegate {
public:
    explicit TModelButtonDelegate(TMotorGrid* grid, const int* pressedRow)
        : QStyledItemDelegate(grid), grid_(grid), pressedRow_(pressedRow) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.column() != 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = index.data().toString();
        button.state = QStyle::State_Enabled | (*pressedRow_ == index.row() ? QStyle::State_Sunken : QStyle::State_Raised);
        button.fontMetrics = option.fontMetrics;
        grid_->style()->drawControl(QStyle::CE_PushButton, &button, painter, grid_);
    }

private:
    TMotorGrid* grid_;
    const int* pressedRow_;
};

}  // namespace

QColor VerdictColour(TVerdict verdict) {
    switch (verdict) {
    case TVerdict::Pass: return QColor(0xc6, 0xef, 0xce);
    case TVerdict::Warning: return QColor(0xff, 0xe6, 0x99);
    case TVerdict::Fail: return QColor(0xf8, 0xb4, 0xb4);
    case TVerdict::None: break;
    }
    return {};
}

TMotorGridModel::TMotorGridModel(TCandidateListModel& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

int TMotorGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.DisplayList().size());
}

int TMotorGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCandidateColumns; }

QVariant TMotorGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int r = index.row(), c = index.column();
    const bool locked = r == list_.LockedRow();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return Qs(list_.CellText(r, c));
    case Qt::TextAlignmentRole: {
        const std::string text = list_.CellText(r, c);
        // A load rate of "-" shows its label, centred like the other labels.
        const bool number = IsNumberColumn(c) && !(c == 13 && !text.empty() && !std::isdigit(static_cast<unsigned char>(text[0])));
        if (number) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (IsLabelColumn(c) || c == 13 || c == 0) return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole: {
        if (locked) return QApplication::palette().color(QPalette::Highlight);
        const QColor colour = VerdictColour(list_.CellVerdict(r, c));
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::ForegroundRole:
        if (locked) return QApplication::palette().color(QPalette::HighlightedText);
        return {};
    default: return {};
    }
}

QVariant TMotorGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kCandidateColumns) return {};
    if (role == Qt::DisplayRole) {
        const TGridColumnText& col = list_.Column(section);
        return Qs(col.Header) + "\n" + Qs(col.SubHeader);
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void TMotorGridModel::Reset() {
    beginResetModel();
    endResetModel();
}

void TMotorGridModel::Repaint() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kCandidateColumns - 1));
}

TMotorGrid::TMotorGrid(TCandidateListModel& list, QWidget* parent) : QTableView(parent) {
    setObjectName("MotorGrid");
    model_ = new TMotorGridModel(list, this);
    setModel(model_);
    setItemDelegate(new TModelButtonDelegate(this, &pressedRow_));
    // Ctrl-click marks further rows for a comparison.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    // Fifteen columns share the page's width: one point smaller than the page.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() - 1);
    setFont(small);
    horizontalHeader()->setFont(small);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TMotorGrid::CurrentChanged);
}

void TMotorGrid::SelectQuietly(int row, int column) {
    quiet_ = true;
    setCurrentIndex(model_->index(row, column));
    quiet_ = false;
}

std::vector<int> TMotorGrid::MarkedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedIndexes()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TMotorGrid::SetDisplayList() {
    model_->Reset();
    if (model_->rowCount() > 0) {
        SelectQuietly(0, 1);
        emit RowSelected(0, false);
    }
    ApplyLock();
    ApplyColumnWidths();
}

void TMotorGrid::ApplyLock() {
    const int locked = model_->List().LockedRow();
    if (locked >= 0) SelectQuietly(locked, 1);
    model_->Repaint();
}

void TMotorGrid::ApplyColumnWidths() {
    const auto widths = model_->List().ColumnWidths(viewport()->width(), 1);
    for (int c = 0; c < kCandidateColumns; ++c) setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

void TMotorGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
}

void TMotorGrid::CurrentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (quiet_ || !current.isValid()) return;
    const int locked = model_->List().LockedRow();
    if (locked >= 0 && current.row() != locked) {
        // Another row may not be chosen while a motor is committed.
        SelectQuietly(previous.isValid() ? previous.row() : locked, 1);
        return;
    }
    if (current.column() >= 1) emit RowSelected(current.row(), true);
}

void TMotorGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int locked = model_->List().LockedRow();
    if (index.isValid() && index.column() == 0 && (locked < 0 || locked == index.row())) {
        pressedRow_ = index.row();
        viewport()->update();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TMotorGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedRow_ < 0) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    const int row = pressedRow_;
    pressedRow_ = -1;
    viewport()->update();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == 0 && index.row() == row) ClickModelButton(row);
}

void TMotorGrid::ClickModelButton(int row) {
    const int locked = model_->List().LockedRow();
    if (row < 0 || row >= model_->rowCount() || (locked >= 0 && locked != row)) return;
    SelectQuietly(row, 1);
    emit RowSelected(row, false);
    emit OpenDetail(row);
}

}  // namespace kinemo
