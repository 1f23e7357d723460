// Option detail page: its project section and the data the quotation prints.
#include "options/OptionDetailModel.h"

#include "base/KinemoError.h"

#include <charconv>
#include <tuple>

namespace kinemo {

namespace {

// The length comes before its cable choice: the choice keeps the length's index.
constexpr TChoiceList kSavedListOrder[] = {TChoiceList::CableLength, TChoiceList::CableConector, TChoiceList::Interface,
                                           TChoiceList::Manual,      TChoiceList::Software,      TChoiceList::RS232C,
                                           TChoiceList::RS485};

// A decimal integer as the project file holds it; anything else is a conversion error.
int ReadInt(pugi::xml_node node) {
    const std::string text = node.text().as_string();
    const size_t b = text.find_first_not_of(" \t\r\n");
    const size_t e = text.find_last_not_of(" \t\r\n");
    const std::string t = b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
    int v = 0;
    const char* first = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    auto [p, ec] = std::from_chars(first, t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size())
        throw TKinemoError("'" + text + "' is not a valid integer value");
    return v;
}

int ReadIntAttribute(pugi::xml_attribute a) {
    pugi::xml_document doc;
    doc.append_child("v").text().set(a.as_string());
    return ReadInt(doc.child("v"));
}

void Put(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

}  // namespace

void TOptionDetailModel::SaveSection(pugi::xml_node section) {
    if (!motor_) return;
    Put(section, "MotorQty", std::to_string(motorQty_));
    Put(section, "AmpQty", std::to_string(ampQty_));
    Put(section, "Comment", comment_);
    Put(section, "PrintTitle", PrintTitle);
    if (battery_.Enabled) {
        Put(section, "BatteryFolder", battery_.Checked ? "1" : "0");
        pugi::xml_node backUp = section.append_child("BackUpQty");
        const std::pair<const char*, int> values[] = {{"BatteryEnable", backUp_.BatteryEnable},
                                                      {"BatteryDisable", backUp_.BatteryDisable},
                                                      {"Interface", backUp_.Interface},
                                                      {"OuttabInterface", backUp_.OuttabInterface},
                                                      {"OuttabPowerBox", backUp_.OuttabPowerBox}};
        for (const auto& [name, value] : values)
            if (value >= 0) Put(backUp, name, std::to_string(value));
    }
    pugi::xml_node combo = section.append_child("ComboBox");
    for (TChoiceList list : kSavedListOrder) Put(combo, ChoiceListKey(list), std::to_string(List(list).CurrentCode()));
    pugi::xml_node groups = section.append_child("GroupBox");
    for (int g = 0; g < kOptionGroupCount; ++g) {
        pugi::xml_node group = groups.append_child(OptionGroupKey(static_cast<TOptionGroup>(g)));
        for (const TOptionRow& row : groups_[static_cast<size_t>(g)]) {
            if (!row.Touched) continue;
            pugi::xml_node parts = group.append_child("Parts");
            parts.append_attribute("id").set_value(row.Code.c_str());
            parts.text().set(std::to_string(row.Quantity).c_str());
        }
    }
}

void TOptionDetailModel::LoadSection(pugi::xml_node section) {
    comment_.clear();
    PrintTitle.clear();
    Reset();
    if (!motor_ || !section) {
        Changed();
        return;
    }
    if (pugi::xml_node combo = section.child("ComboBox")) {
        for (TChoiceList list : kSavedListOrder) {
            pugi::xml_node child = combo.child(ChoiceListKey(list));
            if (!child) continue;
            const int code = ReadInt(child);
            if (code <= 0) continue;
            const auto& entries = lists_[static_cast<size_t>(list)].Entries;
            for (size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].Code != code) continue;
                lists_[static_cast<size_t>(list)].Selected = static_cast<int>(i);
                ChoiceChanged(list);
                break;
            }
        }
    }
    if (battery_.Enabled) {
        if (pugi::xml_node folder = section.child("BatteryFolder")) {
            const bool checked = ReadInt(folder) == 1;
            if (checked != battery_.Checked) {
                battery_.Checked = checked;
                ApplyBatteryFolder();
                if (checked && !battery_.Alert.empty()) ShowAlert("CheckBoxBatteryFolder", battery_.Alert, battery_.AlertColor);
            }
            if (pugi::xml_node backUp = section.child("BackUpQty")) {
                const std::pair<const char*, int*> values[] = {{"BatteryEnable", &backUp_.BatteryEnable},
                                                               {"BatteryDisable", &backUp_.BatteryDisable},
                                                               {"Interface", &backUp_.Interface},
                                                               {"OuttabInterface", &backUp_.OuttabInterface},
                                                               {"OuttabPowerBox", &backUp_.OuttabPowerBox}};
                for (const auto& [name, value] : values) {
                    *value = name == std::string("Interface") ? 0 : -1;
                    if (pugi::xml_node n = backUp.child(name)) *value = ReadInt(n);
                }
            }
        }
    }
    if (pugi::xml_node groups = section.child("GroupBox")) {
        for (int g = 0; g < kOptionGroupCount; ++g) {
            pugi::xml_node group = groups.child(OptionGroupKey(static_cast<TOptionGroup>(g)));
            for (pugi::xml_node parts : group.children("Parts")) {
                const int id = ReadIntAttribute(parts.attribute("id"));
                const int quantity = ReadInt(parts);
                if (id <= 0) continue;
                auto& rows = groups_[static_cast<size_t>(g)];
                for (size_t r = 0; r < rows.size(); ++r) {
                    if (rows[r].Code != std::to_string(id)) continue;
                    if (quantity >= 0 && quantity <= maxQuantity_ && rows[r].Enabled)
                        ApplyQuantity(static_cast<TOptionGroup>(g), static_cast<int>(r), quantity);
                    // Written again on the next save, also when the quantity equals the preset; a
                    // row that is not orderable now keeps the user's remembered quantity.
                    if (quantity >= 0 && quantity <= maxQuantity_) rows[r].Touched = true;
                    break;
                }
            }
        }
    }
    for (const auto& [name, member, price] :
         {std::tuple{"MotorQty", &motorQty_, MotorPrice()}, std::tuple{"AmpQty", &ampQty_, AmpPrice()}}) {
        pugi::xml_node n = section.child(name);
        if (!n) continue;
        const int q = ReadInt(n);
        if (q < 0 || q > maxQuantity_) continue;
        grandTotal_ += price * (q - *member);
        *member = q;
    }
    comment_ = section.child("Comment").text().as_string();
    PrintTitle = section.child("PrintTitle").text().as_string();
    Changed();
}

TQuotationData TOptionDetailModel::PrintData() const {
    TQuotationData data;
    if (!motor_) return data;
    TNameValueList& h = data.Header;
    const TMotor& m = *motor_;
    // Raw lines keep keys whose value is empty (SetValue would drop them).
    auto put = [&h](const std::string& name, const std::string& value) { h.Add(name + "=" + value); };
    put("PanelMotorSeries", m.mmf_value);
    put("PanelMotorType", m.tms_name);
    put("PanelMotorNumber", m.msv_model_all);
    put("ComboBoxMotorQty", std::to_string(motorQty_));
    put("LabelOutput", m.mso_name);
    put("LabelPhase", m.msp_name);
    put("LabelSupply", m.mss_name);
    put("LabelEncoder", m.mse_name);
    put("LabelGear", m.msmg_value);
    put("LabelBrake", m.msb_value);
    put("PanelAmpNumber", m.msv_amplifier1);
    put("ComboBoxAmpQty", std::to_string(ampQty_));
    put("EditComment", comment_);
    data.MoneySymbol = moneySymbol_;
    if (priceVisible_) {
        const std::pair<const char*, long long> amounts[] = {{"PanelMotorPrice", MotorPrice()},
                                                             {"PanelMotorSubTotal", MotorPrice() * motorQty_},
                                                             {"PanelAmpPrice", AmpPrice()},
                                                             {"PanelAmpSubTotal", AmpPrice() * ampQty_},
                                                             {"PanelAllPrice", grandTotal_}};
        for (const auto& [name, amount] : amounts) {
            put(name, Amount(amount));
            data.HeaderNumbers.Add(std::string(name) + "=" + std::to_string(amount));
        }
    }
    put("ComboBoxCableLength", List(TChoiceList::CableLength).CurrentName());
    put("ComboBoxCableConector", List(TChoiceList::CableConector).CurrentName());
    put("CheckBoxBatteryFolderCaption", battery_.Caption);
    put("CheckBoxBatteryFolderChecked", battery_.Enabled && battery_.Checked ? "1" : "0");
    put("ComboBoxInterface", List(TChoiceList::Interface).CurrentName());
    put("ComboBoxManual", List(TChoiceList::Manual).CurrentName());
    put("ComboBoxSoftware", List(TChoiceList::Software).CurrentName());
    put("ComboBoxRS232C", List(TChoiceList::RS232C).CurrentName());
    put("ComboBoxRS485", List(TChoiceList::RS485).CurrentName());
    for (const auto& rows : groups_) {
        for (const TOptionRow& row : rows) {
            if (row.Quantity == 0) continue;
            TNameValueList part, numbers;
            part.Add("Title=" + row.Title);
            part.Add("PartsName=" + row.PartsName);
            part.Add("Qty=" + std::to_string(row.Quantity));
            part.Add("PrintMessage=" + row.PrintMessage);
            if (priceVisible_) {
                part.Add("Price=" + Amount(row.Price));
                part.Add("SubTotal=" + Amount(row.SubTotal()));
                numbers.Add("Price=" + std::to_string(row.Price));
                numbers.Add("SubTotal=" + std::to_string(row.SubTotal()));
            }
            data.Parts.push_back(std::move(part));
            data.PartNumbers.push_back(std::move(numbers));
        }
    }
    return data;
}

}  // namespace kinemo
