// Picture cell drawing.
#include "machine/PictureDelegate.h"

#include <QPainter>
#include <QPixmap>

namespace kinemo {

void TPictureDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool highlighted = highlightRole_ != 0 && index.data(highlightRole_).toBool();
    painter->fillRect(option.rect, highlighted ? option.palette.highlight() : QBrush(Qt::white));
    const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!pixmap.isNull()) painter->drawPixmap(option.rect.topLeft(), pixmap);
}

QSize TPictureDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
    return pixmap.isNull() ? QSize(96, 64) : pixmap.size();
}

}  // namespace kinemo
