// The unit options dialog's rules: one row per unit class with its chosen unit, the
// display precision, the defaults button, and saving with its range check and the
// restart question.
#pragma once

#include "base/NameValueList.h"

#include <string>
#include <vector>

namespace kinemo {

class IUserDialogs;
class TCatalogQuery;
class TMeasureManager;
class TValueFormat;

class TOptionMeasureModel {
public:
    static constexpr int kMinPrecision = 0;
    static constexpr int kMaxPrecision = 12;

    struct TRow {
        int ClassCode = 0;
        std::string Name;
        std::vector<int> Codes;  // the class's units in muv_cd order
        std::vector<std::string> Symbols;
        int CatalogDefault = 0;  // index into Codes
        int Selected = -1;       // index into Codes; -1 for a class without units
    };

    enum class TSaveResult {
        Stay,           // the precision was refused; nothing saved, the dialog stays open
        Saved,          // saved; the dialog closes
        SavedRestart,   // saved and the user asked to restart now
    };

    // Rows start at each class's user default (the first unit when it is not one of the
    // class's units); the precision box at the running precision.
    TOptionMeasureModel(const TMeasureManager& measures, const TValueFormat& valueFormat, TNameValueList texts);
    // s_message class "form_option_measure".
    static TNameValueList ReadTexts(TCatalogQuery& query);

    std::string Text(const std::string& key) const { return texts_.Value(key); }
    const std::vector<TRow>& Rows() const { return rows_; }
    void Select(size_t row, int index);
    const std::string& PrecisionText() const { return precisionText_; }
    void SetPrecisionText(const std::string& text) { precisionText_ = text; }

    // Precision 4 and every class's catalog default; nothing is saved.
    void SetDefaults();
    // A precision outside 0..12 (unreadable text counts as -1) shows "OutOfRangeError" and
    // saves nothing. Otherwise the precision and each row's unit go to the settings file,
    // and "SaveMessage" asks whether to restart (Yes/No/Cancel; only Yes restarts).
    TSaveResult Save(const std::string& settingsPath, IUserDialogs& dialogs) const;

private:
    const TValueFormat* valueFormat_;
    TNameValueList texts_;
    std::vector<TRow> rows_;
    std::string precisionText_;
};

// Reads an integer the way the precision box is read; -1 for anything else.
int PrecisionFromText(const std::string& text);

}  // namespace kinemo
