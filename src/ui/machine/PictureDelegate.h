// Draws a picture cell of the block lists and the chain: the cell's picture at its
// top-left corner on white, or on the highlight colour for a highlighted row.
#pragma once

#include <QStyledItemDelegate>

namespace kinemo {

class TPictureDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // highlightRole: the data role telling that a cell is highlighted (0: never).
    explicit TPictureDelegate(int highlightRole, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), highlightRole_(highlightRole) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int kHighlightRole = Qt::UserRole + 1;

private:
    int highlightRole_;
};

}  // namespace kinemo
