// One block's element list on the element page: pictures in one column; a double click
// adds the element to the chain, dragging it out starts a drag with its drag picture, and
// a chain element dropped here is taken out of the chain.
#pragma once

#include <QTableView>

namespace kinemo {

class TBlock;
class TBlockItemModel;
class TFactor;

class TBlockGrid : public QTableView {
    Q_OBJECT
public:
    TBlockGrid(TBlock& block, int blockIndex, QWidget* parent = nullptr);

    TBlockItemModel& Items() const { return *items_; }
    int BlockIndex() const { return blockIndex_; }
    // The element of the selected row (none beyond the last).
    TFactor* SelectedFactor() const;
    void SelectRow(int row);
    // Re-reads the block's elements (after the user element editor).
    void RefreshBlock();
    // Read-only: no adding, dragging or removing.
    void SetEditable(bool editable);

signals:
    void AddRequested();
    // A chain element was dropped on the list.
    void RemoveRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void StartDrag(int row);
    void ApplyPictureSize();

    TBlockItemModel* items_;
    int blockIndex_;
    bool editable_ = true;
    bool armed_ = false;
    QRect dragRect_;
    int pressedRow_ = -1;
};

}  // namespace kinemo
