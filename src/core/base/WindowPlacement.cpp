// The remembered window place and splitter sizes.
#include "base/WindowPlacement.h"

#include "base/ConfigFile.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace kinemo {

namespace {

long long Overlap(const TScreenRect& a, const TScreenRect& b) {
    const long long w = std::min(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const long long h = std::min(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

// One axis: the length fits the screen's span (but not below the minimum where the span
// allows it), the start keeps the window inside the span.
void FitAxis(int& start, int& length, int spanStart, int spanLength, int minimum) {
    length = std::clamp(length, std::min(minimum, spanLength), spanLength);
    start = std::clamp(start, spanStart, spanStart + spanLength - length);
}

}  // namespace

std::optional<std::vector<int>> ParseSplitterSizes(const std::string& text) {
    std::vector<int> sizes;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t comma = text.find(',', pos);
        const std::string part = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        int v = 0;
        auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (part.empty() || ec != std::errc() || p != part.data() + part.size() || v < 0 ||
            v > TWindowPlacement::kMaxCoordinate)
            return std::nullopt;
        sizes.push_back(v);
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return sizes;
}

TWindowPlacement TWindowPlacement::Read(const TConfigFile& ini) {
    TWindowPlacement p;
    const char* keys[] = {"Left", "Top", "Width", "Height"};
    int values[4] = {};
    bool complete = true;
    for (int i = 0; i < 4; ++i) {
        values[i] = ini.ReadInteger(kWindowSection, keys[i], INT_MIN);
        complete = complete && values[i] != INT_MIN;
    }
    // A settings file is text anyone may edit: a place no screen can have is left out,
    // before Right() and Bottom() add numbers that overflow.
    for (int i = 0; i < 4; ++i) complete = complete && values[i] >= -kMaxCoordinate && values[i] <= kMaxCoordinate;
    if (complete && values[2] > 0 && values[3] > 0) p.Normal = TScreenRect{values[0], values[1], values[2], values[3]};
    p.Maximized = ini.ReadInteger(kWindowSection, "Maximized", 0) != 0;
    for (const std::string& key : ini.Keys(kSplitterSection))
        if (auto sizes = ParseSplitterSizes(ini.ReadString(kSplitterSection, key, ""))) p.Splitters[key] = *sizes;
    return p;
}

void TWindowPlacement::Write(TConfigFile& ini) const {
    if (Normal) {
        ini.WriteInteger(kWindowSection, "Left", Normal->Left);
        ini.WriteInteger(kWindowSection, "Top", Normal->Top);
        ini.WriteInteger(kWindowSection, "Width", Normal->Width);
        ini.WriteInteger(kWindowSection, "Height", Normal->Height);
    }
    ini.WriteInteger(kWindowSection, "Maximized", Maximized ? 1 : 0);
    for (const auto& [name, sizes] : Splitters) {
        std::string text;
        for (int s : sizes) text += (text.empty() ? "" : ",") + std::to_string(s);
        ini.WriteString(kSplitterSection, name, text);
    }
}

TScreenRect PlaceWithinScreens(const TScreenRect& saved, const std::vector<TScreenRect>& screens, int minimumWidth,
                               int minimumHeight) {
    if (screens.empty()) return saved;
    const TScreenRect* best = &screens.front();
    long long most = 0;
    for (const TScreenRect& s : screens) {
        const long long o = Overlap(saved, s);
        if (o > most) most = o, best = &s;
    }
    TScreenRect r = saved;
    FitAxis(r.Left, r.Width, best->Left, best->Width, minimumWidth);
    FitAxis(r.Top, r.Height, best->Top, best->Height, minimumHeight);
    return r;
}

}  // namespace kinemo
