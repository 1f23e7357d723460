// Motor-shaft load panel.
#include "machine/PanelCarryOutput.h"

#include "machine/CarryOutputItemModel.h"
#include "machine/CarryOutputModel.h"
#include "units/Measure.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace kinemo {

namespace {

// The unit cell's list of units.
class TUnitDelegate : public QStyledItemDelegate {
public:
    TUnitDelegate(TCarryOutputModel& carry, QObject* parent) : QStyledItemDelegate(parent), carry_(&carry) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* combo = new QComboBox(parent);
        combo->setObjectName("ComboBoxCarryUnit");
        for (TMeasure* u : carry_->Units(index.row())) combo->addItem(QString::fromStdString(u->Symbol()));
        connect(combo, &QComboBox::activated, this, [this, combo] {
            emit const_cast<TUnitDelegate*>(this)->commitData(combo);
        });
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* combo = static_cast<QComboBox*>(editor);
        combo->setCurrentIndex(combo->findText(index.data().toString()));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
    }

private:
    TCarryOutputModel* carry_;
};

}  // namespace

TPanelCarryOutput::TPanelCarryOutput(TCarryOutputModel& carry, QWidget* parent)
    : QWidget(parent), carry_(&carry), items_(new TCarryOutputItemModel(carry, this)) {
    setObjectName("PanelCarryOutput");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    caption_ = new QLabel(QString::fromStdString(carry.Caption()), this);
    caption_->setObjectName("LabelCarryOutput");
    caption_->setWordWrap(true);
    layout->addWidget(caption_);
    grid_ = new QTableView(this);
    grid_->setObjectName("GridCarryOutput");
    grid_->setModel(items_);
    grid_->setItemDelegateForColumn(2, new TUnitDelegate(carry, grid_));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // The quantity takes what the value and unit leave.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setWordWrap(false);
    layout->addWidget(grid_, 1);
    error_ = new QLabel(this);
    error_->setObjectName("LabelCarryOutputError");
    error_->setWordWrap(true);
    error_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QPalette red = error_->palette();
    red.setColor(QPalette::WindowText, QColor(0xB0, 0, 0));
    error_->setPalette(red);
    error_->hide();
    layout->addWidget(error_, 1);
}

void TPanelCarryOutput::Refresh() {
    carry_->Refresh();
    items_->Reload();
    // No stale figure: a chain that cannot be calculated shows why instead.
    grid_->setVisible(!carry_->Failed());
    error_->setVisible(carry_->Failed());
    error_->setText(QString::fromStdString(carry_->ErrorText()));
}

void TPanelCarryOutput::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    grid_->setColumnWidth(1, w * 20 / 100);
    grid_->setColumnWidth(2, w * 34 / 100);
}

}  // namespace kinemo
