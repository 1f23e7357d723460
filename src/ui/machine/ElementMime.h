// What a dragged element carries: where it comes from (a block list row or a chain column).
#pragma once

#include <QMimeData>

#include <memory>

namespace kinemo {

struct TElementDrag {
    enum TSource { None, FromBlock, FromChain };
    TSource Source = None;
    int BlockIndex = -1;  // index in the element catalog's blocks
    int Index = -1;  // row in the block, or column in the chain

    static constexpr const char* kMimeType = "application/x-kinemo-element";
    std::unique_ptr<QMimeData> ToMime() const;
    static TElementDrag FromMime(const QMimeData* mime);
};

}  // namespace kinemo
