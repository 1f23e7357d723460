// The candidate grid: a table model over the candidate list (fifteen columns, two header
// lines, verdict colours, the locked row of a committed motor) and its view, whose model
// cells are push buttons that open the motor detail window.
#pragma once

#include "selection/Verdict.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include <vector>

namespace kinemo {

class TCandidateListModel;

// Background colours a user reads at a glance.
QColor VerdictColour(TVerdict verdict);

class TMotorGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TMotorGridModel(TCandidateListModel& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A new display list (row count changes).
    void Reset();
    // The same rows with new texts (a judgement, the committed motor).
    void Repaint();
    TCandidateListModel& List() { return list_; }

private:
    TCandidateListModel& list_;
};

class TMotorGrid : public QTableView {
    Q_OBJECT
public:
    explicit TMotorGrid(TCandidateListModel& list, QWidget* parent = nullptr);

    TMotorGridModel& GridModel() { return *model_; }
    // The display list changed: rows, the first data row's column 1 selected without
    // judging, widths shared out.
    void SetDisplayList();
    // The rows marked for a comparison (Ctrl-click or Shift-click), in row order.
    std::vector<int> MarkedRows() const;
    // The committed motor's row selected and locked, or none.
    void ApplyLock();
    void ApplyColumnWidths();
    // Presses the model button of a row as a click would.
    void ClickModelButton(int row);

signals:
    // A data row became current: by the user (judge it when not judged) or by the program.
    void RowSelected(int row, bool byUser);
    void OpenDetail(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void SelectQuietly(int row, int column);

    TMotorGridModel* model_;
    bool quiet_ = false;
    int pressedRow_ = -1;
};

}  // namespace kinemo
