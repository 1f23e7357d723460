// Ctrl+Tab and Ctrl+Shift+Tab: the pages of the main window in work order (the three
// sizing sub-pages, options, then CAD data when it is available), round the end.
#pragma once

namespace kinemo {

struct TPagePosition {
    int Menu = 0;  // index in the top page control
    int Sub = 0;   // index in the sizing page's sub-pages (used when Menu is 0)
    bool operator==(const TPagePosition&) const = default;
};

// The page step pages after current (negative: before), wrapping round.
TPagePosition CyclePage(const TPagePosition& current, int step, bool vantorAvailable);

}  // namespace kinemo
