// The selection page of the CAD tab (no motor committed): the motor search of the option
// series page (function, series, search items, Clear) without prices and amplifier choices,
// and the direct input of a motor model; the motor found goes to the export page.
#pragma once

#include "base/ModelName.h"
#include "base/NameValueList.h"
#include "cad/Vantor.h"
#include "selection/MotorCatalogBrowser.h"

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class IBusyCursor;
class IUserDialogs;
class TCatalogQuery;

class TSelectVantorModel {
public:
    // Reads the texts (s_message "frame_select_vantor") and the function list, selects the
    // first function (its first series is searched). dialogs asks the Clear question.
    TSelectVantorModel(TCatalogQuery& query, IUserDialogs* dialogs = nullptr, IBusyCursor* busy = nullptr);

    const TNameValueList& Texts() const { return texts_; }
    std::string Text(const std::string& key) const { return texts_.Value(key); }

    // The motor search.
    const TMotorCatalogBrowser& Browser() const { return browser_; }
    const std::vector<TMotorFunction>& Functions() const { return browser_.Functions(); }
    int Function() const { return browser_.CurrentFunction(); }
    int SeriesIndex() const { return browser_.CurrentSeriesIndex(); }
    void SelectFunction(int index) { browser_.SelectFunction(index); }
    void SelectSeries(int index) { browser_.SelectSeries(index); }
    const TBrowseItem& Item(int i) const { return browser_.Item(i); }
    void SelectEntry(int item, int entry);
    // The motor of the current choices (the drawing does not depend on the amplifier); none
    // when nothing matches.
    std::optional<TCadMotor> Found() const;
    // ButtonClear: asks first ("ClearMessage"); on Yes the items are reset, the function list
    // is loaded again and its first function chosen. True when cleared.
    bool Clear();

    // Direct input mode: the typed model decides, not the lists.
    bool DirectInput() const { return directInput_; }
    void SetDirectInput(bool on);
    const std::string& DirectModel() const { return directModel_; }
    // Normalizes the typed model and looks it up: 7 found, 0 not found ("ErrorMotorNumber"),
    // 8 empty (its text is "MissingMotorNumber" of the page).
    int CheckDirectInput(const std::string& typed);

    // The record the select button hands to the export page; none when nothing is chosen.
    std::optional<TCadMotor> Chosen() const;

private:
    TCatalogQuery& query_;
    IUserDialogs* dialogs_;
    TNameValueList texts_;
    TMotorCatalogBrowser browser_;
    bool directInput_ = false;
    std::string directModel_;
    std::optional<TCadMotor> directRecord_;
};

}  // namespace kinemo
