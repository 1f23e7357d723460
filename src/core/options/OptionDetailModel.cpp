// Option detail page: filling for a motor, choices, rows, replacement rows and the total.
#include "options/OptionDetailModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/UserDialogs.h"
#include "base/AmountText.h"
#include "options/OptionQueries.h"

#include <algorithm>

namespace kinemo {

namespace {

constexpr int kTerminalBlockCableChoice = 16;  // the cable set that wires I/O through the terminal block
const std::string kCableTarget = "PanelCable_GBox_0";
const std::string kBatteryTarget = "PanelBattery_GBox_0";
const std::string kInterfaceTarget = "PanelInterface_GBox_0";
const std::string kPowerBoxTarget = "PanelPowerBox_GBox_0";
const std::string kSwitchSource = "CheckBoxBatteryFolder";

const TOptionKindTables& KindOf(TChoiceList list) {
    switch (list) {
        case TChoiceList::Manual: return kManualKind;
        case TChoiceList::Software: return kSoftwareKind;
        case TChoiceList::RS232C: return kRS232CKind;
        case TChoiceList::RS485: return kRS485Kind;
        default: return kInterfaceKind;
    }
}

TOptionGroup GroupOf(TChoiceList list) {
    switch (list) {
        case TChoiceList::Manual: return TOptionGroup::Manual;
        case TChoiceList::Software: return TOptionGroup::Software;
        case TChoiceList::RS232C: return TOptionGroup::RS232C;
        case TChoiceList::RS485: return TOptionGroup::RS485;
        default: return TOptionGroup::Interface;
    }
}

}  // namespace

TOptionDetailModel::TOptionDetailModel(TCatalogQuery& query, IUserDialogs& dialogs, IBusyCursor* busy)
    : query_(query), dialogs_(dialogs), busy_(busy) {}

TOptionDetailModel::~TOptionDetailModel() = default;

void TOptionDetailModel::Initialize() {
    texts_ = ReadMessageClass(query_, "frame_select_option_detail", true);
    priceVisible_ = ReadConfigInteger(query_, "price_visible") == 1;
    maxQuantity_ = static_cast<int>(ReadConfigInteger(query_, "option_select_combobox_max"));
    if (maxQuantity_ < 1) maxQuantity_ = 1;
    moneySymbol_ = ReadConfigText(query_, "money_symbol");
}

std::string TOptionDetailModel::Amount(long long amount) const { return AmountText(moneySymbol_, amount); }

void TOptionDetailModel::Changed() {
    if (OnChanged) OnChanged();
}

void TOptionDetailModel::SetMessageRefusal(const std::string& key) {
    dialogs_.ShowMessageDialog(Text(key), TMsgDlgType::Warning, mbOK);
}

void TOptionDetailModel::ShowMotorOptions(const TMotor* motor) {
    if (motor) {
        auto copy = std::make_unique<TMotor>();
        copy->Assign(*motor);
        motor_ = std::move(copy);
    } else {
        motor_.reset();
    }
    Reset();
    Changed();
}

bool TOptionDetailModel::Clear() {
    if (dialogs_.ShowMessageDialog(Text("ClearMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel) != mrYes)
        return false;
    Reset();
    Changed();
    return true;
}

void TOptionDetailModel::Reset() {
    TBusyScope busy(busy_);
    for (TChoiceListState& list : lists_) list = TChoiceListState{};
    for (int g = 0; g < kOptionGroupCount; ++g) ClearGroup(static_cast<TOptionGroup>(g));
    battery_ = TBatteryFolderRecord{};
    batterySwitched_ = cableSwitched_ = interfaceReplaced_ = powerReplaced_ = false;
    alertSource_.clear();
    alertText_.clear();
    alertColor_.clear();
    backUp_ = TBackUpGroupBoxValue{};
    motorQty_ = ampQty_ = 1;
    grandTotal_ = 0;
    if (motor_) Fill();
}

void TOptionDetailModel::Fill() {
    filling_ = true;
    grandTotal_ = MotorPrice() * motorQty_ + AmpPrice() * ampQty_;
    LoadChoiceList(TChoiceList::CableConector, ChoiceListSql("t_option_cable_cross", "tocc"));
    AlertCheck(TChoiceList::CableConector);
    LoadChoiceList(TChoiceList::CableLength, CableLengthSql(), List(TChoiceList::CableConector).CurrentCode());
    BatteryFolderStep();
    for (TChoiceList list : {TChoiceList::Interface, TChoiceList::Manual, TChoiceList::Software, TChoiceList::RS232C,
                             TChoiceList::RS485}) {
        LoadChoiceList(list, ChoiceListSql(KindOf(list).Select, KindOf(list).SelectAlias));
        AlertCheck(list);
    }
    RebuildKind(TOptionGroup::Battery, kBatteryKind, 0);
    RebuildKind(TOptionGroup::PowerBox, kPowerKind, 0);
    RebuildKind(TOptionGroup::Etc, kEtcKind, 0);
    for (TChoiceList list : {TChoiceList::Interface, TChoiceList::Manual, TChoiceList::Software, TChoiceList::RS232C,
                             TChoiceList::RS485, TChoiceList::CableLength, TChoiceList::CableConector})
        ChoiceChanged(list);
    filling_ = false;
}

void TOptionDetailModel::LoadChoiceList(TChoiceList list, const std::vector<std::string>& sql, int cableChoice) {
    TChoiceListState& state = lists_[static_cast<size_t>(list)];
    state = TChoiceListState{};
    query_.Close();
    query_.SetSQL(sql);
    query_.SetParam("ID", static_cast<long long>(motor_->msv_cd));
    if (list == TChoiceList::CableLength) query_.SetParam("TOCCID", cableChoice);
    query_.Open();
    for (; !query_.Eof(); query_.Next())
        state.Entries.push_back({static_cast<int>(query_.AsInteger("cd")), query_.AsString("name"),
                                 query_.AsString("alert"), query_.AsString("alert_color")});
    query_.Close();
    state.Selected = state.Entries.empty() ? -1 : 0;
}

std::vector<TOptionRow> TOptionDetailModel::ReadRows(std::vector<std::string>* targets) {
    std::vector<TOptionRow> rows;
    query_.Open();
    const bool hasTarget = query_.HasField("target");
    for (; !query_.Eof(); query_.Next()) {
        TOptionRow row;
        row.Code = query_.AsString("cd");
        row.Title = query_.AsString("title");
        row.PartsName = query_.AsString("name");
        row.Price = query_.AsInteger("price");
        row.PrintMessage = query_.AsString("print_message");
        row.Preset = static_cast<int>(query_.AsInteger("default_check"));
        row.Enabled = query_.AsInteger("disable") != 1;
        rows.push_back(row);
        if (targets) targets->push_back(hasTarget ? query_.AsString("target") : std::string());
    }
    query_.Close();
    return rows;
}

void TOptionDetailModel::AppendRow(TOptionGroup group, TOptionRow row) {
    auto& rows = groups_[static_cast<size_t>(group)];
    row.Name = std::string(OptionGroupPanel(group)) + "_GBox_" + std::to_string(rows.size());
    row.Quantity = row.Preset >= 0 && row.Preset <= maxQuantity_ ? row.Preset : 0;
    row.Touched = false;
    grandTotal_ += row.SubTotal();
    rows.push_back(std::move(row));
}

void TOptionDetailModel::ReplaceFirstRow(TOptionGroup group, TOptionRow row) {
    auto& rows = groups_[static_cast<size_t>(group)];
    if (rows.empty()) return;
    ApplyQuantity(group, 0, 0);
    row.Name = std::string(OptionGroupPanel(group)) + "_GBox_0";
    row.Quantity = row.Preset >= 0 && row.Preset <= maxQuantity_ ? row.Preset : 0;
    row.Touched = false;
    grandTotal_ += row.SubTotal();
    rows[0] = std::move(row);
}

void TOptionDetailModel::ApplyQuantity(TOptionGroup group, int row, int quantity) {
    TOptionRow& r = groups_[static_cast<size_t>(group)][static_cast<size_t>(row)];
    grandTotal_ += r.Price * (quantity - r.Quantity);
    r.Quantity = quantity;
}

void TOptionDetailModel::ClearGroup(TOptionGroup group) {
    auto& rows = groups_[static_cast<size_t>(group)];
    for (size_t i = 0; i < rows.size(); ++i) ApplyQuantity(group, static_cast<int>(i), 0);
    rows.clear();
}

long long TOptionDetailModel::SumOfSubTotals() const {
    long long sum = MotorPrice() * motorQty_ + AmpPrice() * ampQty_;
    for (const auto& rows : groups_)
        for (const TOptionRow& r : rows) sum += r.SubTotal();
    return sum;
}

bool TOptionDetailModel::SetMotorQty(int quantity) {
    if (!motor_ || quantity < 0 || quantity > maxQuantity_) {
        SetMessageRefusal("QuantityNotWhole");
        return false;
    }
    grandTotal_ += MotorPrice() * (quantity - motorQty_);
    motorQty_ = quantity;
    Changed();
    return true;
}

bool TOptionDetailModel::SetAmpQty(int quantity) {
    if (!motor_ || quantity < 0 || quantity > maxQuantity_) {
        SetMessageRefusal("QuantityNotWhole");
        return false;
    }
    grandTotal_ += AmpPrice() * (quantity - ampQty_);
    ampQty_ = quantity;
    Changed();
    return true;
}

bool TOptionDetailModel::SetRowQuantity(TOptionGroup group, int row, int quantity) {
    auto& rows = groups_[static_cast<size_t>(group)];
    if (row < 0 || row >= static_cast<int>(rows.size()) || !rows[static_cast<size_t>(row)].Enabled) return false;
    if (quantity < 0 || quantity > maxQuantity_) {
        SetMessageRefusal("QuantityNotWhole");
        return false;
    }
    ApplyQuantity(group, row, quantity);
    rows[static_cast<size_t>(row)].Touched = true;
    Changed();
    return true;
}

void TOptionDetailModel::SelectChoice(TChoiceList list, int index) {
    TChoiceListState& state = lists_[static_cast<size_t>(list)];
    if (index < 0 || index >= static_cast<int>(state.Entries.size())) return;
    state.Selected = index;
    ChoiceChanged(list);
    Changed();
}

void TOptionDetailModel::RebuildKind(TOptionGroup group, const TOptionKindTables& kind, int choice) {
    ClearGroup(group);
    query_.Close();
    query_.SetSQL(KindSql(kind, choice != 0));
    query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
    if (choice != 0) query_.SetParam("TOSMID", choice);
    for (TOptionRow& row : ReadRows()) AppendRow(group, std::move(row));
}

void TOptionDetailModel::ChoiceChanged(TChoiceList list) {
    if (!motor_) return;
    TBusyScope busy(busy_);
    switch (list) {
        case TChoiceList::CableConector: CableConectorChanged(); return;
        case TChoiceList::CableLength: CableLengthChanged(); return;
        case TChoiceList::Interface:
            backUp_.Interface = 0;
            backUp_.OuttabInterface = -1;
            interfaceReplaced_ = false;
            RebuildKind(TOptionGroup::Interface, kInterfaceKind, List(list).CurrentCode());
            AlertCheck(list);
            // The cable choice still decides about the terminal block row and row 0.
            InterfaceRule();
            ReplacementStep();
            return;
        default:
            RebuildKind(GroupOf(list), KindOf(list), List(list).CurrentCode());
            AlertCheck(list);
            return;
    }
}

void TOptionDetailModel::RebuildCable() {
    ClearGroup(TOptionGroup::Cable);
    cableSwitched_ = false;
    query_.Close();
    query_.SetSQL(CableSql());
    query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
    query_.SetParam("MOCLCD", List(TChoiceList::CableLength).CurrentCode());
    query_.SetParam("TOCCID", List(TChoiceList::CableConector).CurrentCode());
    for (TOptionRow& row : ReadRows()) AppendRow(TOptionGroup::Cable, std::move(row));
}

void TOptionDetailModel::CableLengthChanged() {
    RebuildCable();
    BatteryFolderStep();
    ReplacementStep();
    ApplyBatteryFolder();
}

void TOptionDetailModel::CableConectorChanged() {
    const int previous = List(TChoiceList::CableLength).Selected;
    ClearGroup(TOptionGroup::Cable);
    LoadChoiceList(TChoiceList::CableLength, CableLengthSql(), List(TChoiceList::CableConector).CurrentCode());
    TChoiceListState& lengths = lists_[static_cast<size_t>(TChoiceList::CableLength)];
    if (previous >= 0 && previous < static_cast<int>(lengths.Entries.size())) lengths.Selected = previous;
    RebuildCable();
    AlertCheck(TChoiceList::CableConector);
    InterfaceRule();
    BatteryFolderStep();
    ReplacementStep();
    ApplyBatteryFolder();
}

void TOptionDetailModel::InterfaceRule() {
    auto& rows = groups_[static_cast<size_t>(TOptionGroup::Interface)];
    if (rows.size() < 2) return;
    TOptionRow& second = rows[1];
    if (List(TChoiceList::CableConector).CurrentCode() == kTerminalBlockCableChoice) {
        if (second.Enabled) return;
        second.Enabled = true;
        // A quantity the user (or the project) gave the row comes back; a row nobody has
        // ordered yet starts with its catalog preset, like every other row.
        const int quantity = second.Touched ? backUp_.Interface : second.Preset;
        ApplyQuantity(TOptionGroup::Interface, 1, std::min(std::max(quantity, 0), maxQuantity_));
        return;
    }
    // Remember the user's quantity only from an enabled row: a second switch away must not
    // overwrite it with the 0 of the disabled row.
    if (second.Enabled) backUp_.Interface = second.Quantity;
    ApplyQuantity(TOptionGroup::Interface, 1, 0);
    second.Enabled = false;
}

void TOptionDetailModel::BatteryFolderStep() {
    const bool wasChecked = battery_.Checked;
    battery_ = TBatteryFolderRecord{};
    battery_.Checked = wasChecked;
    query_.Close();
    query_.SetSQL(BatteryFolderSql());
    query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
    query_.SetParam("MOCLID", List(TChoiceList::CableLength).CurrentCode());
    query_.SetParam("TOCCID", List(TChoiceList::CableConector).CurrentCode());
    query_.Open();
    if (query_.Eof()) {
        battery_.Enabled = false;  // this cable row has no battery case to switch
    } else {
        battery_.Code = static_cast<int>(query_.AsInteger("cd"));
        battery_.Caption = query_.AsString("name");
        battery_.Alert = query_.AsString("alert");
        battery_.AlertColor = query_.AsString("alert_color");
        if (!wasChecked) battery_.Checked = query_.AsInteger("default_check") == 1;
        battery_.Enabled = query_.AsInteger("disable") != 1;
    }
    query_.Close();
    if (battery_.Checked && battery_.Enabled && !battery_.Alert.empty())
        ShowAlert(kSwitchSource, battery_.Alert, battery_.AlertColor);
}

void TOptionDetailModel::ReplacementStep() {
    std::vector<std::string> targets;
    query_.Close();
    query_.SetSQL(OuttabSql());
    query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
    query_.SetParam("MOCLID", List(TChoiceList::CableLength).CurrentCode());
    query_.SetParam("TOCCID", List(TChoiceList::CableConector).CurrentCode());
    std::vector<TOptionRow> rows = ReadRows(&targets);

    auto swap = [&](TOptionGroup group, const std::string& target, bool& replaced, int& remembered,
                    const TOptionKindTables& kind, int choice) {
        auto& current = groups_[static_cast<size_t>(group)];
        if (current.empty()) return;
        const TOptionRow* incoming = nullptr;
        for (size_t i = 0; i < rows.size(); ++i)
            if (targets[i] == target) incoming = &rows[i];
        TOptionRow next;
        if (incoming) {
            if (replaced && current[0].Code == incoming->Code) return;
            next = *incoming;
        } else {
            if (!replaced) return;
            // The cable no longer replaces the row: the catalog's own first row comes back.
            query_.Close();
            query_.SetSQL(KindSql(kind, choice != 0));
            query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
            if (choice != 0) query_.SetParam("TOSMID", choice);
            std::vector<TOptionRow> own = ReadRows();
            if (own.empty()) return;
            next = own[0];
        }
        const bool oldEnabled = current[0].Enabled;
        const int oldQuantity = current[0].Quantity;
        ReplaceFirstRow(group, next);
        if (remembered >= 0 && remembered <= maxQuantity_ && (filling_ || current[0].Enabled))
            ApplyQuantity(group, 0, remembered);
        if (oldEnabled) remembered = oldQuantity;
        replaced = incoming != nullptr;
    };
    swap(TOptionGroup::Interface, kInterfaceTarget, interfaceReplaced_, backUp_.OuttabInterface, kInterfaceKind,
         List(TChoiceList::Interface).CurrentCode());
    swap(TOptionGroup::PowerBox, kPowerBoxTarget, powerReplaced_, backUp_.OuttabPowerBox, kPowerKind, 0);
}

void TOptionDetailModel::ApplyBatteryFolder() {
    const bool on = battery_.Checked && battery_.Enabled && battery_.Code != 0;
    auto& batteries = groups_[static_cast<size_t>(TOptionGroup::Battery)];
    if (on) {
        std::vector<std::string> targets;
        query_.Close();
        query_.SetSQL(ExchangeSql());
        query_.SetParam("ID", battery_.Code);
        std::vector<TOptionRow> rows = ReadRows(&targets);
        for (size_t i = 0; i < rows.size(); ++i) {
            if (targets[i] == kCableTarget && !cableSwitched_ && !Group(TOptionGroup::Cable).empty()) {
                ReplaceFirstRow(TOptionGroup::Cable, rows[i]);
                cableSwitched_ = true;
            } else if (targets[i] == kBatteryTarget && !batterySwitched_ && !batteries.empty()) {
                backUp_.BatteryEnable = batteries[0].Quantity;
                ReplaceFirstRow(TOptionGroup::Battery, rows[i]);
                if (backUp_.BatteryDisable >= 0 && backUp_.BatteryDisable <= maxQuantity_ && batteries[0].Enabled)
                    ApplyQuantity(TOptionGroup::Battery, 0, backUp_.BatteryDisable);
                batterySwitched_ = true;
            }
        }
        return;
    }
    if (cableSwitched_) {
        query_.Close();
        query_.SetSQL(CableSql());
        query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
        query_.SetParam("MOCLCD", List(TChoiceList::CableLength).CurrentCode());
        query_.SetParam("TOCCID", List(TChoiceList::CableConector).CurrentCode());
        std::vector<TOptionRow> rows = ReadRows();
        if (!rows.empty()) ReplaceFirstRow(TOptionGroup::Cable, rows[0]);
        cableSwitched_ = false;
    }
    if (batterySwitched_ && !batteries.empty()) {
        backUp_.BatteryDisable = batteries[0].Quantity;
        query_.Close();
        query_.SetSQL(KindSql(kBatteryKind, false));
        query_.SetParam("MOTORID", static_cast<long long>(motor_->msv_cd));
        std::vector<TOptionRow> rows = ReadRows();
        if (!rows.empty()) {
            ReplaceFirstRow(TOptionGroup::Battery, rows[0]);
            if (backUp_.BatteryEnable >= 0 && backUp_.BatteryEnable <= maxQuantity_ && batteries[0].Enabled)
                ApplyQuantity(TOptionGroup::Battery, 0, backUp_.BatteryEnable);
        }
        batterySwitched_ = false;
    }
}

void TOptionDetailModel::SetBatteryFolderChecked(bool checked) {
    if (!motor_ || !battery_.Enabled || battery_.Checked == checked) return;
    TBusyScope busy(busy_);
    battery_.Checked = checked;
    ApplyBatteryFolder();
    if (checked && !battery_.Alert.empty()) ShowAlert(kSwitchSource, battery_.Alert, battery_.AlertColor);
    Changed();
}

void TOptionDetailModel::AlertCheck(TChoiceList list) {
    const std::string source = std::string("ComboBox") + ChoiceListKey(list);
    query_.Close();
    query_.SetSQL(AlertSql());
    query_.SetParam("ID", List(list).CurrentCode());
    query_.Open();
    std::string alert, color;
    if (!query_.Eof()) {
        alert = query_.AsString("alert");
        color = query_.AsString("alert_color");
    }
    query_.Close();
    if (alertSource_ == source || (alertSource_.empty() && !alert.empty())) ShowAlert(source, alert, color);
}

void TOptionDetailModel::ShowAlert(const std::string& source, const std::string& text, const std::string& color) {
    alertSource_ = source;
    alertText_ = text;
    alertColor_ = color;
}

bool TOptionDetailModel::SetComment(const std::string& text) {
    int lines = 1, chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') continue;  // CR LF is one line break
        if (c == '\n') ++lines;
        if ((c & 0xC0) != 0x80) ++chars;  // count characters, not UTF-8 bytes
    }
    if (lines > kCommentMaxLines || chars > kCommentMaxChars) {
        SetMessageRefusal("CommentTooLong");
        return false;
    }
    comment_ = text;
    Changed();
    return true;
}

}  // namespace kinemo
