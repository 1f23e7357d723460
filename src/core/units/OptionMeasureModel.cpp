// Unit options dialog rules.
#include "units/OptionMeasureModel.h"

#include "base/CatalogText.h"
#include "base/ConfigFile.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <charconv>

namespace kinemo {

namespace {

int IndexOf(const std::vector<int>& codes, int code) {
    for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == code) return static_cast<int>(i);
    return codes.empty() ? -1 : 0;
}

}  // namespace

int PrecisionFromText(const std::string& text) {
    const size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return -1;
    const size_t e = text.find_last_not_of(" \t");
    const char* first = text.data() + b + (text[b] == '+' ? 1 : 0);
    const char* last = text.data() + e + 1;
    int v = 0;
    auto [p, ec] = std::from_chars(first, last, v);
    return ec == std::errc() && p == last ? v : -1;
}

TOptionMeasureModel::TOptionMeasureModel(const TMeasureManager& measures, const TValueFormat& valueFormat,
                                         TNameValueList texts)
    : valueFormat_(&valueFormat), texts_(std::move(texts)), precisionText_(std::to_string(valueFormat.Precision())) {
    for (int i = 0; i < measures.ClassCount(); ++i) {
        const TMeasureClass& cls = *measures.ClassAt(i);
        TRow row;
        row.ClassCode = cls.Code();
        row.Name = cls.Name();
        for (const TMeasure* m : cls.Measures()) {
            row.Codes.push_back(m->Code());
            row.Symbols.push_back(m->Symbol());
        }
        row.CatalogDefault = IndexOf(row.Codes, cls.CatalogDefaultCode());
        row.Selected = IndexOf(row.Codes, cls.UserDefaultCode());
        rows_.push_back(std::move(row));
    }
}

TNameValueList TOptionMeasureModel::ReadTexts(TCatalogQuery& query) {
    return ReadMessageClass(query, "form_option_measure");
}

void TOptionMeasureModel::Select(size_t row, int index) {
    TRow& r = rows_.at(row);
    if (index >= 0 && index < static_cast<int>(r.Codes.size())) r.Selected = index;
}

void TOptionMeasureModel::SetDefaults() {
    precisionText_ = std::to_string(TValueFormat::kDefaultPrecision);
    for (auto& r : rows_) r.Selected = r.CatalogDefault;
}

TOptionMeasureModel::TSaveResult TOptionMeasureModel::Save(const std::string& settingsPath,
                                                           IUserDialogs& dialogs) const {
    const int precision = PrecisionFromText(precisionText_);
    if (precision < kMinPrecision || precision > kMaxPrecision) {
        dialogs.ShowMessageDialog(FormatText(Text("OutOfRangeError"), {std::to_string(kMinPrecision),
                                                                       std::to_string(kMaxPrecision)}),
                                  TMsgDlgType::Warning, mbOK);
        return TSaveResult::Stay;
    }
    valueFormat_->SetPrecision(precision);
    TConfigFile settings(settingsPath);
    for (const auto& r : rows_)
        if (r.Selected >= 0) TMeasureManager::WriteUserDefault(settings, r.ClassCode, r.Codes[static_cast<size_t>(r.Selected)]);
    settings.UpdateFile();
    const int answer = dialogs.ShowMessageDialog(Text("SaveMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel);
    return answer == mrYes ? TSaveResult::SavedRestart : TSaveResult::Saved;
}

}  // namespace kinemo
