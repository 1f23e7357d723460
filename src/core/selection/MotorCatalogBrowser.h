// Browsing the motor catalog without a sizing job: a function, one of its series and eleven
// search items narrow the catalog to the motor and amplifier records that match; shared by
// the option series page and the CAD selection page.
#pragma once

#include "selection/MotorChoiceModel.h"
#include "selection/SearchItems.h"
#include "torque/Motor.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IBusyCursor;
class TCatalogQuery;

constexpr int kBrowseItemCount = 11;
// The search items in their order; index 5 (Gear) plays the gear role of the motor search.
extern const std::array<TSearchItemDescriptor, kBrowseItemCount> kBrowseItems;
enum TBrowseItemIndex { biOutput, biPhase, biSupply, biBrake, biEncoder, biGear, biOilSeal, biMotorShaft, biGearType,
                        biGearRate, biGearShaft };

// One search item: its entries, the code the user wants and the codes of the other items
// its list must match (0: no restriction).
struct TBrowseItem {
    std::vector<std::string> Codes, Entries;
    int Selected = -1, WantedCode = -1;
    std::array<int, kBrowseItemCount> Restrictions{};
    bool Chosen() const { return Selected >= 0 && Selected < static_cast<int>(Entries.size()); }
    int CurrentCode() const;
    int IndexOfCode(int code) const;
};

class TMotorCatalogBrowser {
public:
    explicit TMotorCatalogBrowser(TCatalogQuery& query, IBusyCursor* busy = nullptr);
    ~TMotorCatalogBrowser();

    // Every visible function with its series; none is current.
    void LoadFunctions();
    // The functions (with their series) of a function query.
    std::vector<TMotorFunction> ReadFunctions(const std::string& sql);
    // Replaces the function list (a project naming a hidden function); none is current.
    void SetFunctions(std::vector<TMotorFunction> functions);

    const std::vector<TMotorFunction>& Functions() const { return functions_; }
    int CurrentFunction() const { return currentFunction_; }
    int CurrentSeriesIndex() const { return currentSeries_; }
    int CurrentSeriesCode() const { return currentSeriesCode_; }
    const TMotorSeries* CurrentSeries() const;
    // A function change selects its first series; a series change resets the restrictions,
    // refills the items and searches (nothing happens when the series stays the same).
    void SelectFunction(int index);
    void SelectSeries(int index);
    // Makes a function and series current and refills the items, without a search (loading).
    void SetCurrent(int function, int series);

    const TBrowseItem& Item(int i) const { return items_.at(static_cast<size_t>(i)); }
    TBrowseItem& MutableItem(int i) { return items_.at(static_cast<size_t>(i)); }
    // The user chose an entry: the item's code becomes the wanted one, every list is refilled
    // under the new restrictions and the search runs.
    void SelectEntry(int item, int entry);
    std::string ListQuery(int item) const;
    void RefillSearchItems();
    std::string SearchQuery() const;
    // The records of the current choices (not while loading); the first is selected.
    void Search();
    void ResetRestrictions();

    const std::vector<std::unique_ptr<TMotor>>& Records() const { return records_; }
    const TMotor* SelectedRecord() const;
    int SelectedIndex() const { return selected_; }
    void Select(int index);

    // Every item, the results and the lists emptied; the function list loaded again on request.
    void Reset(bool loadFunctions);
    void SetLoading(bool loading) { loading_ = loading; }
    bool Loading() const { return loading_; }

private:
    void SeriesChanged();
    void SearchItemChanged(int i);

    TCatalogQuery& query_;
    IBusyCursor* busy_;
    std::vector<TMotorFunction> functions_;
    int currentFunction_ = -1, currentSeries_ = -1, currentSeriesCode_ = 0;
    std::array<TBrowseItem, kBrowseItemCount> items_;
    std::vector<std::unique_ptr<TMotor>> records_;
    int selected_ = -1;
    bool loading_ = false;
};

}  // namespace kinemo
