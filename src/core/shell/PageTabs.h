// The main window's page tabs: catalog captions padded to one display width, the width of
// the top-level tabs with and without the CAD page, and where a tab's caption is drawn.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;

// The six tab sheets in the order of their caption keys "1" to "6".
enum class TTabSheet { ChoiceFactor, InputPattern, ChoiceMotor, MotorSelect, ChoiceOption, Vantor };
constexpr int kTabSheetCount = 6;

class TPageTabCaptions {
public:
    TPageTabCaptions() = default;
    // Rows of s_message class "1" as (msg_cd, msg_value) in msg_cd order; a later row
    // with the same code replaces an earlier one.
    explicit TPageTabCaptions(const std::vector<std::pair<long long, std::string>>& rows);
    // "select msg_cd, msg_value from s_message where msg_class="1" order by msg_cd".
    static TPageTabCaptions Read(TCatalogQuery& query);

    // The text of key "1" … "6", padded with blanks to Width() display columns.
    const std::string& Caption(TTabSheet sheet) const { return captions_[static_cast<size_t>(sheet)]; }
    // Display width of the longest text of the class (wide characters count 2).
    int Width() const { return width_; }

private:
    std::array<std::string, kTabSheetCount> captions_;
    int width_ = 0;
};

// Width of each tab of the top page control: a third of the client width less 4 with the
// CAD page, else a half; never negative.
int MenuTabWidth(int clientWidth, bool vantorAvailable);

struct TTabRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Where a tab's caption goes: the active tab's rectangle loses 2 pixels at the top, the
// others 4; the text's top-left corner centres it in what remains, which is also the clip.
struct TTabTextPlace {
    int X = 0, Y = 0;
    TTabRect Clip;
};
TTabTextPlace PlaceTabText(const TTabRect& tab, bool active, int textWidth, int textHeight);

// The caption as drawn: the padding blanks trimmed.
std::string TabDrawnText(const std::string& caption);

}  // namespace kinemo
