// One orderable option row of the option detail page, its group and the choice list entries.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

// An option row: a catalog part with its preset and current quantity.
struct TOptionRow {
    std::string Name;          // group panel + "_GBox_" + index, the replacement targets' names
    std::string Code;          // movm_cd as text
    std::string Title, PartsName, PrintMessage;
    long long Price = 0;
    int Preset = 0;            // default_check: the quantity the row starts with
    bool Enabled = true;       // disable = 1 fixes the quantity
    int Quantity = 0;          // the quantity list's index, which is the quantity
    bool Touched = false;      // changed through its list by the user (or a project)
    long long SubTotal() const { return Price * Quantity; }
};

// The nine option groups in the order of the quotation.
enum class TOptionGroup { Cable, Interface, Battery, Manual, Software, PowerBox, RS232C, RS485, Etc };
constexpr int kOptionGroupCount = 9;
// "Cable" ... "Etc": the project file's element names.
const char* OptionGroupKey(TOptionGroup group);
// "PanelCable" ... "PanelEtc": the panels the rows are named after.
const char* OptionGroupPanel(TOptionGroup group);

// The seven choice lists.
enum class TChoiceList { CableConector, CableLength, Interface, Manual, Software, RS232C, RS485 };
constexpr int kChoiceListCount = 7;
// "CableConector" ...: the project file's element names; the drop-downs are "ComboBox" + key.
const char* ChoiceListKey(TChoiceList list);

// An entry of a choice list (TOptionSelectValue).
struct TOptionSelectValue {
    int Code = 0;
    std::string Name, Alert, AlertColor;
};

struct TChoiceListState {
    std::vector<TOptionSelectValue> Entries;
    int Selected = -1;
    const TOptionSelectValue* Current() const {
        return Selected >= 0 && Selected < static_cast<int>(Entries.size()) ? &Entries[static_cast<size_t>(Selected)]
                                                                             : nullptr;
    }
    int CurrentCode() const { return Current() ? Current()->Code : 0; }
    std::string CurrentName() const { return Current() ? Current()->Name : std::string(); }
};

// The battery case switch of the chosen cable row.
struct TBatteryFolderRecord {
    int Code = 0;  // tocxs_cd; 0 when the cable row has none
    std::string Caption, Alert, AlertColor;
    bool Checked = false;
    bool Enabled = true;
};

// Quantities remembered while rows are replaced; -1 = none.
struct TBackUpGroupBoxValue {
    int BatteryEnable = -1, BatteryDisable = -1, Interface = 0, OuttabInterface = -1, OuttabPowerBox = -1;
};

}  // namespace kinemo
