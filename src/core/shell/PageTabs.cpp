// Tab captions, widths and caption placement of the main window's page controls.
#include "shell/PageTabs.h"

#include "base/Catalog.h"
#include "base/TextFormat.h"

#include <algorithm>
#include <map>

namespace kinemo {

TPageTabCaptions::TPageTabCaptions(const std::vector<std::pair<long long, std::string>>& rows) {
    std::map<std::string, std::string> byKey;
    for (const auto& [code, text] : rows) {
        byKey[std::to_string(code)] = text;
        width_ = std::max(width_, DisplayWidth(text));
    }
    for (int i = 0; i < kTabSheetCount; ++i) {
        auto it = byKey.find(std::to_string(i + 1));
        captions_[static_cast<size_t>(i)] = PadToWidth(it == byKey.end() ? std::string() : it->second, width_);
    }
}

TPageTabCaptions TPageTabCaptions::Read(TCatalogQuery& query) {
    query.Close();
    query.SetSQL(std::vector<std::string>{"select msg_cd, msg_value from s_message",
                                          "where msg_class=\"1\" order by msg_cd"});
    query.Open();
    std::vector<std::pair<long long, std::string>> rows;
    for (; !query.Eof(); query.Next()) rows.emplace_back(query.AsInteger(0), query.AsString(1));
    query.Close();
    return TPageTabCaptions(rows);
}

int MenuTabWidth(int clientWidth, bool vantorAvailable) {
    const int room = clientWidth - 4;
    return room <= 0 ? 0 : room / (vantorAvailable ? 3 : 2);
}

TTabTextPlace PlaceTabText(const TTabRect& tab, bool active, int textWidth, int textHeight) {
    const int drop = active ? 2 : 4;
    TTabTextPlace p;
    p.Clip = {tab.Left, tab.Top + drop, tab.Width, std::max(0, tab.Height - drop)};
    p.X = tab.Left + (tab.Width - textWidth) / 2;
    p.Y = p.Clip.Top + (p.Clip.Height - textHeight) / 2;
    return p;
}

std::string TabDrawnText(const std::string& caption) {
    const size_t b = caption.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return caption.substr(b, caption.find_last_not_of(' ') - b + 1);
}

}  // namespace kinemo
