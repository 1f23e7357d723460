// The option detail page: one motor priced as a quotation with its amplifier and the options
// the catalog offers for it, the choices that change which options are offered, the alert
// line, the grand total, the comment, the quotation data and the page's project section.
#pragma once

#include "base/NameValueList.h"
#include "base/ProjectSection.h"
#include "options/OptionRow.h"
#include "torque/Motor.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IBusyCursor;
class IUserDialogs;
class TCatalogQuery;
struct TOptionKindTables;

// What the quotation prints: the header list and one list per ordered option row.
struct TQuotationData {
    TNameValueList Header;
    std::vector<TNameValueList> Parts;
    // The amounts of Header and of each part again as plain numbers (the lists above hold
    // them as amount texts with the money symbol), for the CSV; none while prices are hidden.
    TNameValueList HeaderNumbers;
    std::vector<TNameValueList> PartNumbers;  // parallel to Parts
    std::string MoneySymbol;
};

class TOptionDetailModel : public IProjectSectionHandler {
public:
    static constexpr int kCommentMaxLines = 5;
    static constexpr int kCommentMaxChars = 408;

    TOptionDetailModel(TCatalogQuery& query, IUserDialogs& dialogs, IBusyCursor* busy = nullptr);
    ~TOptionDetailModel() override;

    // Texts and settings (price visibility, largest quantity, money symbol).
    void Initialize();
    const TNameValueList& Texts() const { return texts_; }
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    bool PriceVisible() const { return priceVisible_; }
    int MaxQuantity() const { return maxQuantity_; }
    const std::string& MoneySymbol() const { return moneySymbol_; }
    std::string Amount(long long amount) const;

    // The motor shown (a copy), or none: resets the page and fills it for the motor.
    void ShowMotorOptions(const TMotor* motor);
    const TMotor* Motor() const { return motor_.get(); }
    // The Clear button: asks the clear question; Yes resets to the catalog presets.
    bool Clear();

    // Motor and amplifier quantities (index = quantity).
    int MotorQty() const { return motorQty_; }
    int AmpQty() const { return ampQty_; }
    // Refused (with the catalog's message, nothing changed) outside 0 .. MaxQuantity.
    bool SetMotorQty(int quantity);
    bool SetAmpQty(int quantity);
    long long MotorPrice() const { return motor_ ? motor_->msv_motor_price : 0; }
    long long AmpPrice() const { return motor_ ? motor_->msv_amp_price : 0; }
    long long GrandTotal() const { return grandTotal_; }
    // The total recomputed from every price and quantity: equals GrandTotal at all times.
    long long SumOfSubTotals() const;

    // Choice lists; choosing runs that list's change handling.
    const TChoiceListState& List(TChoiceList list) const { return lists_[static_cast<size_t>(list)]; }
    void SelectChoice(TChoiceList list, int index);

    // Option groups; a user's quantity change (refused outside the list or on a disabled row).
    const std::vector<TOptionRow>& Group(TOptionGroup group) const { return groups_[static_cast<size_t>(group)]; }
    bool SetRowQuantity(TOptionGroup group, int row, int quantity);

    // The battery case switch.
    const TBatteryFolderRecord& BatteryFolder() const { return battery_; }
    void SetBatteryFolderChecked(bool checked);
    const TBackUpGroupBoxValue& BackUp() const { return backUp_; }

    // The alert line.
    const std::string& AlertText() const { return alertText_; }
    const std::string& AlertColor() const { return alertColor_; }
    const std::string& AlertSource() const { return alertSource_; }

    // The comment: refused (the catalog's message, nothing changed) beyond 5 lines or 408
    // characters.
    const std::string& Comment() const { return comment_; }
    bool SetComment(const std::string& text);
    std::string PrintTitle;

    // The connection picture of the motor (relative to the program folder); empty without.
    std::string ConnectionPicture() const { return motor_ ? motor_->moc_value : std::string(); }

    // What the quotation prints.
    TQuotationData PrintData() const;

    // Project section "FrameSelectOptionDetail".
    void SaveSection(pugi::xml_node section) override;
    void LoadSection(pugi::xml_node section) override;

    // Called after every change the page shows.
    std::function<void()> OnChanged;

private:
    void Reset();
    void Fill();
    void ClearGroup(TOptionGroup group);
    void LoadChoiceList(TChoiceList list, const std::vector<std::string>& sql, int lengthChoice = 0);
    // Rows of the query prepared (SQL and parameters set); targets get the "target" column.
    std::vector<TOptionRow> ReadRows(std::vector<std::string>* targets = nullptr);
    void AppendRow(TOptionGroup group, TOptionRow row);
    void ReplaceFirstRow(TOptionGroup group, TOptionRow row);
    void ApplyQuantity(TOptionGroup group, int row, int quantity);
    void RebuildKind(TOptionGroup group, const TOptionKindTables& kind, int choice);
    void RebuildCable();
    void ChoiceChanged(TChoiceList list);
    void CableConectorChanged();
    void CableLengthChanged();
    void InterfaceRule();
    void BatteryFolderStep();
    void ReplacementStep();
    void ApplyBatteryFolder();
    void AlertCheck(TChoiceList list);
    void ShowAlert(const std::string& source, const std::string& text, const std::string& color);
    void Changed();
    void SetMessageRefusal(const std::string& key);

    TCatalogQuery& query_;
    IUserDialogs& dialogs_;
    IBusyCursor* busy_;
    TNameValueList texts_;
    bool priceVisible_ = true;
    int maxQuantity_ = 3;
    std::string moneySymbol_;
    std::unique_ptr<TMotor> motor_;
    int motorQty_ = 1, ampQty_ = 1;
    long long grandTotal_ = 0;
    std::array<TChoiceListState, kChoiceListCount> lists_;
    std::array<std::vector<TOptionRow>, kOptionGroupCount> groups_;
    TBatteryFolderRecord battery_;
    // Which first rows are replacements now (the battery case switch, the cable choice).
    bool batterySwitched_ = false, cableSwitched_ = false, interfaceReplaced_ = false, powerReplaced_ = false;
    TBackUpGroupBoxValue backUp_;
    std::string alertText_, alertColor_, alertSource_;
    std::string comment_;
    bool filling_ = false;
    int quietDepth_ = 0;
};

}  // namespace kinemo
