// The option series page: a motor and amplifier for a quotation without a sizing job, found
// by function, series and eleven search items or typed as model names, and the page's
// project section.
#pragma once

#include "base/ModelName.h"
#include "base/NameValueList.h"
#include "base/ProjectSection.h"
#include "selection/MotorChoiceModel.h"
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
class TErrorMessage;

constexpr int kOptionSearchItemCount = 11;
// The search items in their order; index 5 (Gear) plays the gear role of the motor search.
extern const std::array<TSearchItemDescriptor, kOptionSearchItemCount> kOptionSearchItems;
enum TOptionSearchItemIndex { osiOutput, osiPhase, osiSupply, osiBrake, osiEncoder, osiGear, osiOilSeal,
                              osiMotorShaft, osiGearType, osiGearRate, osiGearShaft };

// One supply choice of the amplifier (RadioGroupAmp).
struct TAmpSupplyChoice {
    std::string Caption;
    int Phase = 0, Supply = 0;
    std::string Condition;
};

// Results of the direct input look-up.
enum TDirectInputResult { diMotorNumber = 0, diAmpNumber = 1, diAssortment = 2, diAmp200 = 3, diAmp100 = 4,
                          diAmpThree200Only = 5, diAmpOne200Only = 6, diFound = 7, diMissingInput = 8 };
// The error key of a result (empty for found and missing input).
std::string DirectInputErrorKey(int result);

struct TOptionSearchItem {
    std::vector<std::string> Codes, Entries;
    int Selected = -1, WantedCode = -1;
    std::array<int, kOptionSearchItemCount> Restrictions{};
    bool Chosen() const { return Selected >= 0 && Selected < static_cast<int>(Entries.size()); }
    int CurrentCode() const;
    int IndexOfCode(int code) const;
};

class TOptionSeriesModel : public IProjectSectionHandler {
public:
    TOptionSeriesModel(TCatalogQuery& query, IUserDialogs& dialogs, const TErrorMessage& errors,
                       IBusyCursor* busy = nullptr);
    ~TOptionSeriesModel() override;

    // Texts, settings, supply choices and the function list with its first function.
    void Initialize();
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    bool PriceVisible() const { return priceVisible_; }
    std::string Amount(long long amount) const;

    const std::vector<TMotorFunction>& Functions() const { return functions_; }
    int CurrentFunction() const { return currentFunction_; }
    int CurrentSeriesIndex() const { return currentSeries_; }
    const TMotorSeries* CurrentSeries() const;
    void SelectFunction(int index);
    void SelectSeries(int index);

    const TOptionSearchItem& Item(int i) const { return items_.at(static_cast<size_t>(i)); }
    void SelectEntry(int item, int entry);
    std::string ListQuery(int item) const;
    std::string SearchQuery() const;
    void Search();

    // Search results: the records found and the one shown (by the amplifier list).
    const std::vector<std::unique_ptr<TMotor>>& Records() const { return records_; }
    const TMotor* SelectedRecord() const;
    int SelectedIndex() const { return selected_; }
    void SelectAmp(int index);
    bool AmpAlertVisible() const { return records_.size() > 1; }

    // Direct input.
    bool DirectInputMode() const { return directInput_; }
    void SetDirectInputMode(bool on) { directInput_ = on; Changed(); }
    const std::vector<TAmpSupplyChoice>& AmpChoices() const { return ampChoices_; }
    int AmpChoice() const { return ampChoice_; }
    void SetAmpChoice(int index);
    std::string InputMotor, InputAmp;
    // Looks the typed models up (normalizing them) and returns the result code; the caller
    // shows its message (ShowDirectInputResult).
    int LookUpDirectInput();
    // ButtonDISelectPrice: look-up and its message.
    int DirectInputSelectPrice();
    const TMotor* DirectInputRecord() const { return diRecords_.empty() ? nullptr : diRecords_.front().get(); }
    bool DirectInputSelectEnabled() const { return DirectInputRecord() != nullptr; }

    // The record the select button hands to the option detail page.
    const TMotor* ChosenRecord() const { return directInput_ ? DirectInputRecord() : SelectedRecord(); }

    // The clear buttons ask first; true when cleared.
    bool Clear();
    bool ClearDirectInput();

    void SaveSection(pugi::xml_node section) override;
    void LoadSection(pugi::xml_node section) override;

    std::function<void()> OnChanged;

private:
    void LoadFunctions();
    std::vector<TMotorFunction> ReadFunctions(const std::string& sql);
    void SeriesChanged();
    void SearchItemChanged(int i);
    void RefillSearchItems();
    void ResetAll(bool loadFunctions);
    void ResetDirectInput();
    void ResetRestrictions();
    void Changed();
    int ClassifyDirectInputFailure();

    TCatalogQuery& query_;
    IUserDialogs& dialogs_;
    const TErrorMessage& errors_;
    IBusyCursor* busy_;
    TNameValueList texts_;
    bool priceVisible_ = true;
    std::string moneySymbol_;
    std::vector<TMotorFunction> functions_;
    int currentFunction_ = -1, currentSeries_ = -1, currentSeriesCode_ = 0;
    std::array<TOptionSearchItem, kOptionSearchItemCount> items_;
    std::vector<std::unique_ptr<TMotor>> records_, diRecords_;
    int selected_ = -1;
    std::vector<TAmpSupplyChoice> ampChoices_;
    int ampChoice_ = 0;
    bool directInput_ = false;
    bool loading_ = false;
};

}  // namespace kinemo
