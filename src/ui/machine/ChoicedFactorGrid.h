// The chain on the element page as a row of pictures from the motor on: selecting shows
// an element's inputs, elements are dragged in from the block lists, moved within the
// chain or dragged out, and the pop-up menu cuts, copies, pastes and deletes. Every rule
// is the chain model's; the grid forwards the user's actions to it.
#pragma once

#include <QTableView>

#include <functional>

class QAction;
class QMenu;

namespace kinemo {

class IBusyCursor;
class TBlockManager;
class TChainItemModel;
class TChoiceFactorModel;
class TFactor;
class TNameValueList;

class TChoicedFactorGrid : public QTableView {
    Q_OBJECT
public:
    TChoicedFactorGrid(TChoiceFactorModel& machine, TBlockManager& blocks, IBusyCursor* busy, QWidget* parent = nullptr);

    TChainItemModel& Items() const { return *items_; }
    TChoiceFactorModel& Machine() const { return *machine_; }
    // The chain changed outside the grid (load, new project): columns follow.
    void Reload();
    void SelectColumn(int column);
    int DragSourceColumn() const;
    // Set while a chain element is being dragged (−1 when none).
    void SetDragSourceColumn(int column);
    void SetEditable(bool editable);
    void ApplyTexts(const TNameValueList& texts);

    // The pop-up menu with its items enabled for column (which becomes the current one).
    QMenu* PopupMenu() const { return popup_; }
    QAction* PopupAction(const char* name) const;
    void PreparePopup(int column);

    // The element a drop at point would insert or move, and whether it is accepted; the
    // column under the point becomes the current one.
    bool AcceptsDrop(const QMimeData* mime, const QPoint& point);
    // The element of a block row (for a drop from a block list).
    TFactor* BlockElement(int block, int row) const;

signals:
    // The current column changed (the property grid shows its element).
    void SelectionChanged();
    // Elements were added, removed or moved.
    void ChainChanged();
    // An element of a block list was dropped (block index, row).
    void BlockElementDropped(int block, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int ColumnAt(const QPoint& point) const;
    void StartDrag(int column);
    void BuildPopup();
    void PopupCommand(const char* name);
    void ApplyPictureSize();

    TChoiceFactorModel* machine_;
    TBlockManager* blocks_;
    IBusyCursor* busy_;
    TChainItemModel* items_;
    QMenu* popup_ = nullptr;
    bool editable_ = true;
    bool armed_ = false;
    QPoint pressPoint_;
    int pressedColumn_ = -1;
};

}  // namespace kinemo
