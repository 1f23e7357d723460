// The comparison window: two to four judged motors side by side (the rules are
// TMotorComparison's), their torque-speed envelopes overlaid with the operating points,
// explanations of the figures, and the comparison saved as CSV.
#pragma once

#include "selection/ExplanationText.h"
#include "selection/MotorComparison.h"
#include "reports/ReportDocument.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QChartView;
class QTableView;

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TSizingSession;

class TComparisonGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TComparisonGridModel(const TMotorComparison& comparison, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    static constexpr int kFixedColumns = 3;  // check, figure, unit

private:
    const TMotorComparison& comparison_;
};

class TFormCompareMotors : public QDialog {
    Q_OBJECT
public:
    // Raises TKinemoError (the catalog's message) when the motors cannot be compared.
    TFormCompareMotors(TKinemoContext& context, TSizingSession& session, const std::vector<const TMotor*>& motors,
                       IFileDialogs* files, QWidget* owner = nullptr);

    const TMotorComparison& Comparison() const { return comparison_; }
    QTableView* Grid() const { return grid_; }
    QChartView* Chart() const { return chart_; }
    // The explanation of a grid cell's figure for its motor, in a popup run by ExecDialog;
    // false for a cell without one.
    bool ExplainCell(int row, int column);
    // Asks for a file name and writes the comparison's CSV atomically.
    bool SaveCsv();
    // Asks for a file name and writes the comparison report as PDF (always offered, also
    // without a printer).
    bool SavePdf();
    // The print preview of the comparison report, printing from there.
    void Print();
    std::function<int(QDialog&)> ExecDialog;

private:
    void DrawChart();
    TReportDocument Report() const;
    std::optional<std::string> AskFile(const std::string& filterKey, const char* extension);

    TKinemoContext& context_;
    TSizingSession& session_;
    IFileDialogs* files_;
    TMotorComparison comparison_;
    TExplanationText words_;
    TComparisonGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QChartView* chart_ = nullptr;
};

}  // namespace kinemo
