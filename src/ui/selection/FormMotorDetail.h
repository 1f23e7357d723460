// The motor detail window: catalog data, judgement figures with their verdicts, the
// regeneration resistor advice and stopping accuracy in three grids; the speed chart, the
// interval torque chart and the torque-speed envelope; commit, print and close.
#pragma once

#include "selection/MotorDetailModel.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>

class QChartView;
class QLabel;
class QPushButton;
class QTableView;

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TMotor;
class TSizingSession;

// One detail grid shown as a table; fixed cells in the button colour.
class TDetailGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDetailGridModel(const TDetailGrid& grid, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const TDetailGrid& grid_;
};

class TFormMotorDetail : public QDialog {
    Q_OBJECT
public:
    TFormMotorDetail(TKinemoContext& context, TSizingSession& session, const TMotor& motor,
                     const TMotorDetailInput& input, QWidget* owner);

    const TMotorDetailModel& Model() const { return model_; }
    QTableView* GridMotorBase() const { return gridBase_; }
    QTableView* GridMotorCalc() const { return gridCalc_; }
    QTableView* GridMotorOpt() const { return gridOpt_; }
    QChartView* ChartSpeed() const { return chartSpeed_; }
    QChartView* ChartTorque() const { return chartTorque_; }
    QChartView* ChartEnvelope() const { return chartEnvelope_; }
    QPushButton* BtnCommit() const { return btnCommit_; }

    // How the figure of a calculation grid cell was reached, in a popup run by ExecDialog;
    // false for a cell without a judgement figure.
    bool ExplainCell(int column, int row);

    // Commits the motor; an error shows its message and keeps the window open.
    std::function<void(const TMotor&)> OnCommit;
    void BtnCommitClick();
    // Opens the print menu for the motor with the main window's header, comment and
    // paper, and keeps what the user changed there.
    void BtnPrintClick();
    QPushButton* BtnPrint() const { return btnPrint_; }
    // Where the print menu's file names come from (null: the system's dialogs) and how it
    // runs (null: modal).
    IFileDialogs* FileDialogs = nullptr;
    std::function<int(QDialog&)> ExecDialog;

private:
    QTableView* MakeGrid(const TDetailGrid& grid, const char* name);
    void BuildCharts();
    void DrawSpeedChart();
    void DrawTorqueChart();
    void DrawEnvelopeChart();

    TKinemoContext& context_;
    TSizingSession& session_;
    const TMotor& motor_;
    TMotorDetailModel model_;
    QTableView* gridBase_ = nullptr;
    QTableView* gridCalc_ = nullptr;
    QTableView* gridOpt_ = nullptr;
    QChartView* chartSpeed_ = nullptr;
    QChartView* chartTorque_ = nullptr;
    QChartView* chartEnvelope_ = nullptr;
    QPushButton* btnCommit_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
};

}  // namespace kinemo
