// The load at the motor shaft beside the property grid: the chain's carry outputs in the
// chosen display units, recalculated after every committed edit; when the chain cannot
// be calculated, the reason stands in place of the figures.
#pragma once

#include <QWidget>

class QLabel;
class QTableView;

namespace kinemo {

class TCarryOutputItemModel;
class TCarryOutputModel;

class TPanelCarryOutput : public QWidget {
    Q_OBJECT
public:
    TPanelCarryOutput(TCarryOutputModel& carry, QWidget* parent = nullptr);

    // Runs the chain again and shows the result.
    void Refresh();
    TCarryOutputItemModel& Items() const { return *items_; }
    QTableView* Grid() const { return grid_; }
    QLabel* ErrorLabel() const { return error_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TCarryOutputModel* carry_;
    TCarryOutputItemModel* items_;
    QLabel* caption_;
    QTableView* grid_;
    QLabel* error_;
};

}  // namespace kinemo
