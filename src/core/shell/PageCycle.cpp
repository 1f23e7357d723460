// Page cycling of the main window.
#include "shell/PageCycle.h"

namespace kinemo {

namespace {

constexpr int kSubPageCount = 3;

// Position in the flat work order: sub-pages 0 to 2, then the top pages after the first.
int Flat(const TPagePosition& p) { return p.Menu == 0 ? p.Sub : kSubPageCount + p.Menu - 1; }

TPagePosition FromFlat(int flat) {
    if (flat < kSubPageCount) return {0, flat};
    return {flat - kSubPageCount + 1, 0};
}

}  // namespace

TPagePosition CyclePage(const TPagePosition& current, int step, bool vantorAvailable) {
    const int count = kSubPageCount + (vantorAvailable ? 2 : 1);
    const int from = Flat(current) % count;
    const int to = ((from + step) % count + count) % count;
    TPagePosition next = FromFlat(to);
    // The sizing page remembers its sub-page when another top page is left for it.
    if (next.Menu != 0) next.Sub = current.Sub;
    return next;
}

}  // namespace kinemo
