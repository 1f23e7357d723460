// The selection page of the CAD tab (no motor committed): motor family, series and model
// lists, and the direct input of a motor model; the chosen record goes to the export page.
#pragma once

#include "base/ModelName.h"
#include "base/NameValueList.h"
#include "cad/Vantor.h"

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TSelectVantorModel {
public:
    struct TItem {
        int Code = 0;
        std::string Name;
    };

    // Reads the texts (s_message "frame_select_vantor") and the function list, selects the
    // first function.
    explicit TSelectVantorModel(TCatalogQuery& query);

    const TNameValueList& Texts() const { return texts_; }
    std::string Text(const std::string& key) const { return texts_.Value(key); }

    const std::vector<TItem>& Functions() const { return functions_; }
    int Function() const { return function_; }
    void SelectFunction(int index);  // loads its series, selects the first
    const std::vector<TItem>& Series() const { return series_; }
    int SeriesIndex() const { return seriesIndex_; }
    void SelectSeries(int index);  // loads its motor models, selects the first
    const std::vector<TCadMotor>& Models() const { return models_; }
    int ModelIndex() const { return modelIndex_; }
    void SelectModel(int index);

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
    TNameValueList texts_;
    std::vector<TItem> functions_, series_;
    std::vector<TCadMotor> models_;
    int function_ = -1, seriesIndex_ = -1, modelIndex_ = -1;
    bool directInput_ = false;
    std::string directModel_;
    std::optional<TCadMotor> directRecord_;
};

}  // namespace kinemo
