// The design variants window: the variants of the machine with the load at the motor
// shaft, the torque needs and the smallest passing motor of each (the rules are
// TDesignVariants'), and the commands to add, rename, remove and show a variant.
#pragma once

#include "session/DesignVariants.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>

class QTableView;

namespace kinemo {

class IProjectLoadHost;
class TKinemoContext;
class TSizingSession;

class TVariantTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TVariantTableModel(TKinemoContext& context, TDesignVariants& variants, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The figures of the last evaluation (by variant name; a variant added since shows none).
    void SetFigures(std::vector<TVariantFigures> figures);
    void Reset();

private:
    const TVariantFigures* FiguresOf(const std::string& name) const;
    TKinemoContext& context_;
    TDesignVariants& variants_;
    std::vector<TVariantFigures> figures_;
    std::string moneySymbol_;
};

class TFormDesignVariants : public QDialog {
    Q_OBJECT
public:
    TFormDesignVariants(TKinemoContext& context, TSizingSession& session, IProjectLoadHost* window,
                        QWidget* owner = nullptr);

    QTableView* Grid() const { return grid_; }
    TVariantTableModel& Model() const { return *model_; }
    // The commands; a name comes from AskName (a text input by default). Errors show the
    // catalog's message and change nothing.
    void AddVariant();
    void RenameVariant();
    void RemoveVariant();
    void ShowVariant();
    void Evaluate();
    std::function<std::optional<std::string>(const std::string& initial)> AskName;

private:
    int SelectedRow() const;
    template <typename F> void Guarded(F action);

    TKinemoContext& context_;
    TSizingSession& session_;
    IProjectLoadHost* window_;
    TVariantTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
};

}  // namespace kinemo
