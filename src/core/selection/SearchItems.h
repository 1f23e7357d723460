// The ten search items of the motor search and their SQL fragments; the blanks inside
// the fragments matter because the queries are assembled from them.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kinemo {

struct TSearchItemDescriptor {
    const char* Key;             // also the element name in the project file
    const char* LabelControl;    // caption control
    const char* ComboControl;    // drop-down control
    const char* ShownColumns;    // added to the candidate query
    const char* ListColumns;     // code, name[, value] of the drop-down
    const char* Join;
    const char* FirstCondition;
    const char* SecondCondition; // only Gear; empty otherwise
    const char* Grouping;
};

constexpr int kSearchItemCount = 10;
extern const std::array<TSearchItemDescriptor, kSearchItemCount> kSearchItems;
enum TSearchItemIndex { siPhase, siSupply, siBrake, siEncoder, siGear, siOilSeal, siMotorShaft, siGearType, siGearRate,
                        siGearShaft };

// One search item's state: its entries, the code the user wants and the codes of other
// items its list must match.
struct TSearchItemState {
    std::vector<std::string> Codes;    // decimal texts, parallel to Entries
    std::vector<std::string> Entries;
    int Selected = -1;                 // index into Entries, -1 none
    int WantedCode = -1;               // -1 none
    std::array<int, kSearchItemCount> Restrictions{};  // 0 = no restriction
    bool Enabled = false;

    bool Chosen() const { return !Entries.empty() && Selected >= 0 && Selected < static_cast<int>(Entries.size()); }
    // The selected entry's code, 0 when none is chosen.
    int CurrentCode() const;
    int IndexOfCode(int code) const;
};

}  // namespace kinemo
