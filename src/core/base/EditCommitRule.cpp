// The commit rule of grid cell editors.
#include "base/EditCommitRule.h"

namespace kinemo {

const std::string& TEditCommitRule::Sentinel() {
    static const std::string sentinel = std::string("d0308|ybh<_lfds$t083q()") + '\x01' + '\x05';
    return sentinel;
}

bool TEditCommitRule::Offer(const std::string& text) {
    if (text != pending_) {
        pending_ = text;
        return false;
    }
    pending_ = Sentinel();
    return true;
}

}  // namespace kinemo
