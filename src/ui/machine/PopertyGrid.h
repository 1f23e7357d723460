// The property grid: name, value and unit of every input item of one element (on the
// element page, and in the user element editor without the name row). Calculated items
// are grey and read-only. A click or Enter/F2 opens the cell's editor; Enter moves on.
#pragma once

#include <QTableView>

namespace kinemo {

class IUserDialogs;
class TFactor;
class TPropertyDelegate;
class TPropertyGridModel;
class TPropertyItemModel;

class TPopertyGrid : public QTableView {
    Q_OBJECT
public:
    TPopertyGrid(TPropertyGridModel& grid, IUserDialogs& dialogs, QWidget* parent = nullptr);

    TPropertyGridModel& Grid() const;
    TPropertyItemModel& Items() const { return *items_; }
    TPropertyDelegate& Delegate() const { return *delegate_; }
    void SetHeadings(const std::vector<std::string>& headings);
    // Shows element (none: an empty grid), after finishing any edit under way.
    void ShowElement(TFactor* element);
    // Commits an open editor and closes it.
    void FinishEditing();
    void SetEditable(bool editable);
    // The values changed outside the grid.
    void Repaint();
    // Opens the editor of a cell (view row, column), as a click does.
    bool EditCell(int row, int column);

signals:
    void ValueCommitted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void ApplyColumnWidths();
    void MoveOn();

    TPropertyItemModel* items_;
    TPropertyDelegate* delegate_;
};

}  // namespace kinemo
