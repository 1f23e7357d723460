// Where the main window was and how its splitters were divided, kept per user in the
// settings file, and the rule that brings a remembered place back onto the screens of
// this run.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TConfigFile;

struct TScreenRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TScreenRect&) const = default;
};

struct TWindowPlacement {
    static constexpr const char* kWindowSection = "Window";
    static constexpr const char* kSplitterSection = "Splitters";
    // No screen coordinate or size read from the file goes beyond this (far beyond any
    // desktop, far from the overflow of int).
    static constexpr int kMaxCoordinate = 1'000'000;

    std::optional<TScreenRect> Normal;  // the window's normal (not maximized) place
    bool Maximized = false;
    // Sizes of each named splitter's parts, in order.
    std::map<std::string, std::vector<int>> Splitters;

    // "Window": "Left", "Top", "Width", "Height", "Maximized"; "Splitters": one key per
    // splitter, its sizes joined by ",". Incomplete or unreadable entries are left out.
    static TWindowPlacement Read(const TConfigFile& ini);
    void Write(TConfigFile& ini) const;
};

// A remembered place brought onto the screens of this run (their available areas, the
// primary first): the screen it overlaps most (the primary when none), no larger than
// that screen but at least minimum where the screen allows it, and moved inside it.
TScreenRect PlaceWithinScreens(const TScreenRect& saved, const std::vector<TScreenRect>& screens,
                               int minimumWidth, int minimumHeight);

// "120,340" -> {120, 340}; none for anything but non-negative integers.
std::optional<std::vector<int>> ParseSplitterSizes(const std::string& text);

}  // namespace kinemo
