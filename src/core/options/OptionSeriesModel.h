// The option series page: a motor and amplifier for a quotation without a sizing job, found
// by function, series and eleven search items or typed as model names, and the page's
// project section.
#pragma once

#include "base/ModelName.h"
#include "base/NameValueList.h"
#include "base/ProjectSection.h"
#include "selection/MotorCatalogBrowser.h"
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

    // Function, series and search items: the catalog browsing shared with the CAD page.
    const TMotorCatalogBrowser& Browser() const { return browser_; }
    const std::vector<TMotorFunction>& Functions() const { return browser_.Functions(); }
    int CurrentFunction() const { return browser_.CurrentFunction(); }
    int CurrentSeriesIndex() const { return browser_.CurrentSeriesIndex(); }
    const TMotorSeries* CurrentSeries() const { return browser_.CurrentSeries(); }
    void SelectFunction(int index);
    void SelectSeries(int index);

    const TBrowseItem& Item(int i) const { return browser_.Item(i); }
    void SelectEntry(int item, int entry);
    std::string ListQuery(int item) const { return browser_.ListQuery(item); }
    std::string SearchQuery() const { return browser_.SearchQuery(); }
    void Search() { browser_.Search(); }

    // Search results: the records found and the one shown (by the amplifier list).
    const std::vector<std::unique_ptr<TMotor>>& Records() const { return browser_.Records(); }
    const TMotor* SelectedRecord() const { return browser_.SelectedRecord(); }
    int SelectedIndex() const { return browser_.SelectedIndex(); }
    void SelectAmp(int index);
    bool AmpAlertVisible() const { return Records().size() > 1; }

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
    void ResetAll(bool loadFunctions);
    void ResetDirectInput();
    void Changed();
    int ClassifyDirectInputFailure();

    TCatalogQuery& query_;
    IUserDialogs& dialogs_;
    const TErrorMessage& errors_;
    TNameValueList texts_;
    bool priceVisible_ = true;
    std::string moneySymbol_;
    TMotorCatalogBrowser browser_;
    std::vector<std::unique_ptr<TMotor>> diRecords_;
    std::vector<TAmpSupplyChoice> ampChoices_;
    int ampChoice_ = 0;
    bool directInput_ = false;
};

}  // namespace kinemo
