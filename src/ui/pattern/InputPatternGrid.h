// One drive-pattern grid on the screen: the number grid over a TInputPatternGridModel with
// the row headers that select blocks of intervals, the row-command menu, the unit chooser
// on the unit row, the external-force check boxes and the spreadsheet keys. The four
// kinds below differ only in the pattern they show.
#pragma once

#include "pattern/InputPatternGridItemModel.h"
#include "pattern/NumberGrid.h"

class QComboBox;
class QMenu;

namespace kinemo {

class TInputPatternGridModel;
class TMeasure;

class TInputPatternGrid : public TNumberGrid {
    Q_OBJECT
public:
    TInputPatternGrid(TInputPatternGridModel& grid, QWidget* parent);

    TInputPatternGridModel& Grid() const { return items_->Grid(); }
    TInputPatternGridItemModel* Items() const { return items_; }

    // The unit chooser is the screen's, lent to the grid shown.
    void SetUnitChooser(QComboBox* chooser);
    // The row-command menu; null while the pattern is read-only.
    void SetRowMenu(QMenu* menu) { menu_ = menu; }
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }
    // Everything may have changed: repaint, column count and widths, the current cell.
    void Refresh();
    // FitColumns: the data and check-box columns share the width.
    void FitColumns();
    // Makes the grid model's current cell the view's.
    void ShowCurrentCell();
    // Opens the unit chooser over the unit cell of a data column (grid column).
    void OpenUnitChooser(int gridColumn);

    // The grid's row header (tests click it).
    QHeaderView* RowHeader() const;

signals:
    // Ctrl+C and Ctrl+V: copy the selected rows as text, paste text from the clipboard.
    void CopyRequested();
    void PasteRequested();
    // A display unit was chosen for a data column.
    void UnitChosen(int dataColumn, const TMeasure* unit);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void MoveAfterEdit(int key) override;

private:
    friend class TRowHeader;
    void HeaderPressed(int gridRow, Qt::MouseButton button, const QPoint& globalPos);
    void HeaderMoved(int gridRow);
    void HeaderReleased();
    void UnitActivated(int index);

    TInputPatternGridItemModel* items_;
    QComboBox* chooser_ = nullptr;
    QMenu* menu_ = nullptr;
    int chooserColumn_ = 0;
    bool editable_ = true;
    bool syncing_ = false;
};

}  // namespace kinemo
