// Option series page: search, direct input and results.
#include "options/OptionSeriesModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/UserDialogs.h"
#include "base/AmountText.h"

#include <cctype>
#include <cstdlib>

namespace kinemo {

std::string DirectInputErrorKey(int result) {
    static const char* const keys[] = {"ErrorMotorNumber", "ErrorAmpNumber",       "ErrorAssortmentMotorAndAmp",
                                       "ErrorAmp200",      "ErrorAmp100",          "ErrorAmpThree200Only",
                                       "ErrorAmpOne200Only"};
    return result >= 0 && result <= 6 ? keys[result] : std::string();
}

TOptionSeriesModel::TOptionSeriesModel(TCatalogQuery& query, IUserDialogs& dialogs, const TErrorMessage& errors,
                                       IBusyCursor* busy)
    : query_(query), dialogs_(dialogs), errors_(errors), browser_(query, busy) {}

TOptionSeriesModel::~TOptionSeriesModel() = default;

void TOptionSeriesModel::Changed() {
    if (OnChanged) OnChanged();
}

std::string TOptionSeriesModel::Amount(long long amount) const { return AmountText(moneySymbol_, amount); }

void TOptionSeriesModel::Initialize() {
    texts_ = ReadMessageClass(query_, "frame_select_option_series", true);
    moneySymbol_ = ReadConfigText(query_, "money_symbol");
    priceVisible_ = ReadConfigInteger(query_, "price_visible") == 1;
    ampChoices_ = {{Text("RadioGroupAmp[1]"), 1, 1, " msv_msp_cd = 1 AND msv_mss_cd = 1 "},
                   {Text("RadioGroupAmp[2]"), 1, 2, " msv_msp_cd = 1 AND msv_mss_cd = 2 "},
                   {Text("RadioGroupAmp[3]"), 2, 2, " msv_msp_cd = 2 AND msv_mss_cd = 2 "}};
    ampChoice_ = 0;
    browser_.LoadFunctions();
    if (!Functions().empty()) SelectFunction(0);
}

void TOptionSeriesModel::SelectFunction(int index) {
    if (index < 0 || index >= static_cast<int>(Functions().size())) return;
    browser_.SelectFunction(index);
    Changed();
}

void TOptionSeriesModel::SelectSeries(int index) {
    const int before = browser_.CurrentSeriesCode();
    browser_.SelectSeries(index);
    if (browser_.CurrentSeriesCode() != before) Changed();
}

void TOptionSeriesModel::SelectEntry(int i, int entry) {
    if (entry < 0 || entry >= static_cast<int>(Item(i).Entries.size())) return;
    browser_.SelectEntry(i, entry);
    Changed();
}

void TOptionSeriesModel::SelectAmp(int index) {
    if (index < 0 || index >= static_cast<int>(Records().size())) return;
    browser_.Select(index);
    Changed();
}

void TOptionSeriesModel::SetAmpChoice(int index) {
    if (index < 0 || index >= static_cast<int>(ampChoices_.size())) return;
    ampChoice_ = index;
    Changed();
}

void TOptionSeriesModel::ResetDirectInput() {
    diRecords_.clear();
    ampChoice_ = 0;
    InputMotor.clear();
    InputAmp.clear();
}

void TOptionSeriesModel::ResetAll(bool loadFunctions) {
    browser_.Reset(loadFunctions);
    directInput_ = false;
}

bool TOptionSeriesModel::Clear() {
    if (dialogs_.ShowMessageDialog(Text("ClearOptionMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel) != mrYes)
        return false;
    ResetAll(true);
    if (!Functions().empty()) SelectFunction(0);
    Changed();
    return true;
}

bool TOptionSeriesModel::ClearDirectInput() {
    if (dialogs_.ShowMessageDialog(Text("ClearOptionMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel) != mrYes)
        return false;
    ResetDirectInput();
    Changed();
    return true;
}

int TOptionSeriesModel::LookUpDirectInput() {
    diRecords_.clear();
    InputMotor = NormalizeModel(InputMotor);
    InputAmp = NormalizeModel(InputAmp);
    if (InputMotor.empty()) {
        dialogs_.ShowMessageDialog(Text("DIMissingMotor"), TMsgDlgType::Error, mbOK);
        return diMissingInput;
    }
    if (InputAmp.empty()) {
        dialogs_.ShowMessageDialog(Text("DIMissingAmp"), TMsgDlgType::Error, mbOK);
        return diMissingInput;
    }
    const TAmpSupplyChoice& choice = ampChoices_[static_cast<size_t>(ampChoice_)];
    query_.Close();
    query_.SetSQL(std::vector<std::string>{
        "SELECT ", " mmf_value, tms_name, msv.*, mxc_cd, moc_value, mso_name, ",
        " map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ",
        " msp_name, mss_name, mse_name, msb_value, msmg_value, ",
        " mmp_model AS msv_model_all, map_model AS msv_amplifier1, mmp_cd, map_cd ", " FROM ((((((((((((",
        " t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd)",
        " INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd)",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd)",
        " INNER JOIN m_option_connect_image AS moc ON moc.moc_cd = msv.msv_moc_cd)",
        " INNER JOIN m_search_output AS mso ON msv.msv_mso_cd = mso.mso_cd) ",
        " INNER JOIN m_search_phase AS msp ON msv.msv_msp_cd = msp.msp_cd) ",
        " INNER JOIN m_search_supply AS mss ON msv.msv_mss_cd = mss.mss_cd) ",
        " INNER JOIN m_search_encoder AS mse ON msv.msv_mse_cd = mse.mse_cd) ",
        " INNER JOIN m_search_brake AS msb ON (msv.msv_msb_cd = msb.msb_cd) AND (mxc.mxc_msb_cd = msb.msb_cd)) ",
        " INNER JOIN m_search_motor_gear AS msmg ON (msv.msv_msmg_cd = msmg.msmg_cd) AND (mxc.mxc_msmg_cd = "
        "msmg.msmg_cd)) ",
        " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd) ",
        " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd)) ",
        " WHERE mmf_hide = 0 AND ", choice.Condition + " AND ", " map_model = :AMPMODEL AND ",
        " mmp_model = :MOTORMODEL "});
    query_.SetParam("AMPMODEL", InputAmp);
    query_.SetParam("MOTORMODEL", InputMotor);
    query_.Open();
    diRecords_ = LoadMotorList(query_);
    if (!diRecords_.empty()) return diFound;
    return ClassifyDirectInputFailure();
}

int TOptionSeriesModel::ClassifyDirectInputFailure() {
    const std::vector<std::string> from = {
        " FROM (((((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd)",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd)",
        " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd) ",
        " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd)) ",
        " WHERE mmf_hide = 0 AND "};
    auto run = [&](const std::string& select, const std::string& condition, const std::string& tail) {
        std::vector<std::string> lines = {select};
        lines.insert(lines.end(), from.begin(), from.end());
        lines.push_back(condition);
        if (!tail.empty()) lines.push_back(tail);
        query_.Close();
        query_.SetSQL(lines);
        if (condition.find(":MOTORMODEL") != std::string::npos) query_.SetParam("MOTORMODEL", InputMotor);
        if (condition.find(":AMPMODEL") != std::string::npos) query_.SetParam("AMPMODEL", InputAmp);
        query_.Open();
    };
    run("SELECT mmp_cd ", " mmp_model = :MOTORMODEL ", "");
    const bool motorFound = !query_.Eof();
    query_.Close();
    if (!motorFound) return diMotorNumber;
    run("SELECT map_cd ", " map_model = :AMPMODEL ", "");
    const bool ampFound = !query_.Eof();
    query_.Close();
    if (!ampFound) return diAmpNumber;
    run("SELECT msv_msp_cd, msv_mss_cd ", " map_model = :AMPMODEL ",
        " GROUP BY msv_msp_cd, msv_mss_cd ORDER BY msv_msp_cd, msv_mss_cd");
    std::vector<std::pair<int, int>> combinations;
    for (; !query_.Eof(); query_.Next())
        combinations.emplace_back(static_cast<int>(query_.AsInteger(0)), static_cast<int>(query_.AsInteger(1)));
    query_.Close();
    const TAmpSupplyChoice& choice = ampChoices_[static_cast<size_t>(ampChoice_)];
    int result = diFound;
    if (!combinations.empty()) {
        const auto [phase, supply] = combinations.front();
        if (supply != choice.Supply) result = supply == 1 ? diAmp100 : diAmp200;
        else if (phase != choice.Phase) result = phase == 1 ? diAmpOne200Only : diAmpThree200Only;
    }
    if (result == diFound)
        for (size_t i = 1; i < combinations.size(); ++i)
            if (combinations[i].second != choice.Supply) result = combinations[i].second == 1 ? diAmp100 : diAmp200;
    return result == diFound ? diAssortment : result;
}

int TOptionSeriesModel::DirectInputSelectPrice() {
    const int result = LookUpDirectInput();
    const std::string key = DirectInputErrorKey(result);
    if (!key.empty()) dialogs_.ShowMessageDialog(errors_.GetText(key), TMsgDlgType::Error, mbOK);
    Changed();
    return result;
}

}  // namespace kinemo
