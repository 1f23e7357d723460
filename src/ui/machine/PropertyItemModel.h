// The property grid model over the core property-grid rules: the heading row becomes the
// header; the element's name row (element page only) and the item rows follow.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace kinemo {

class TPropertyGridModel;

class TPropertyItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TPropertyItemModel(TPropertyGridModel& grid, QObject* parent = nullptr);

    TPropertyGridModel& Grid() const { return *grid_; }
    // Core row of a view row (the core counts the heading row).
    static int CoreRow(int viewRow) { return viewRow + 1; }
    void SetHeadings(const QStringList& headings) { headings_ = headings; }
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }
    // The element or its values changed.
    void Reload();
    void ValuesChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grey of calculated rows.
    static constexpr unsigned kCalcRowColour = 0xA0A0A4;

private:
    TPropertyGridModel* grid_;
    QStringList headings_;
    bool editable_ = true;
};

}  // namespace kinemo
