// Encoding of a dragged element.
#include "machine/ElementMime.h"

#include <QStringList>

namespace kinemo {

std::unique_ptr<QMimeData> TElementDrag::ToMime() const {
    auto mime = std::make_unique<QMimeData>();
    const QString text = QString("%1:%2:%3").arg(Source == FromBlock ? "block" : "chain").arg(BlockIndex).arg(Index);
    mime->setData(kMimeType, text.toUtf8());
    return mime;
}

TElementDrag TElementDrag::FromMime(const QMimeData* mime) {
    TElementDrag d;
    if (!mime || !mime->hasFormat(kMimeType)) return d;
    const QStringList parts = QString::fromUtf8(mime->data(kMimeType)).split(':');
    if (parts.size() != 3) return d;
    bool ok1 = false, ok2 = false;
    const int block = parts[1].toInt(&ok1), index = parts[2].toInt(&ok2);
    if (!ok1 || !ok2) return d;
    if (parts[0] == "block") d.Source = FromBlock;
    else if (parts[0] == "chain") d.Source = FromChain;
    d.BlockIndex = block;
    d.Index = index;
    return d;
}

}  // namespace kinemo
