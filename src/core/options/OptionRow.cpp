// Names of the option groups and choice lists.
#include "options/OptionRow.h"

namespace kinemo {

const char* OptionGroupKey(TOptionGroup group) {
    static const char* const keys[kOptionGroupCount] = {"Cable",    "Interface", "Battery", "Manual", "Software",
                                                         "PowerBox", "RS232C",    "RS485",   "Etc"};
    return keys[static_cast<int>(group)];
}

const char* OptionGroupPanel(TOptionGroup group) {
    static const char* const panels[kOptionGroupCount] = {"PanelCable",    "PanelInterface", "PanelBattery",
                                                          "PanelManual",   "PanelSoftware",  "PanelPowerBox",
                                                          "PanelRS232C",   "PanelRS485",     "PanelEtc"};
    return panels[static_cast<int>(group)];
}

const char* ChoiceListKey(TChoiceList list) {
    static const char* const keys[kChoiceListCount] = {"CableConector", "CableLength", "Interface", "Manual",
                                                       "Software",      "RS232C",      "RS485"};
    return keys[static_cast<int>(list)];
}

}  // namespace kinemo
