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

const std::array<TSearchItemDescriptor, kOptionSearchItemCount> kOptionSearchItems = {{
    {"Output", "LabelOutput", "ComboBoxOutput", " mso_name, mso_n_output ", " mso_cd, mso_name ",
     " INNER JOIN m_search_output AS mso ON msv.msv_mso_cd = mso.mso_cd ", " msv_mso_cd = ", "",
     " GROUP BY mso_cd, mso_name, mso_orderby ORDER BY mso_orderby "},
    kSearchItems[siPhase],
    kSearchItems[siSupply],
    {"Brake", "LabelBrake", "ComboBoxBrake", " msb_name, msb_n_brake ", " msb_cd, msb_name ",
     kSearchItems[siBrake].Join, kSearchItems[siBrake].FirstCondition, "",
     " GROUP BY msb_cd, msb_name, msb_orderby ORDER BY msb_orderby "},
    kSearchItems[siEncoder],
    {"Gear", "LabelGear", "ComboBoxGear", " msmg_name ", " msmg_cd, msmg_name ", kSearchItems[siGear].Join,
     kSearchItems[siGear].FirstCondition, kSearchItems[siGear].SecondCondition,
     " GROUP BY msmg_cd, msmg_name, msmg_orderby ORDER BY msmg_orderby "},
    kSearchItems[siOilSeal],
    kSearchItems[siMotorShaft],
    {"GearType", "LabelGearType", "ComboBoxGearType", kSearchItems[siGearType].ShownColumns,
     kSearchItems[siGearType].ListColumns, " INNER JOIN m_search_gear_type AS msgt ON mxc.mxc_msgt_cd = msgt.msgt_cd ",
     kSearchItems[siGearType].FirstCondition, "", kSearchItems[siGearType].Grouping},
    kSearchItems[siGearRate],
    kSearchItems[siGearShaft],
}};

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string sql;
    for (size_t k = 0; k < lines.size(); ++k) sql += (k ? "\n" : "") + lines[k];
    return sql;
}

const char* const kOutputExclusion =
    " AND msv_mso_cd NOT IN (SELECT txon_mso_cd FROM t_ext_output_not AS teon WHERE mxc.mxc_cd = teon.txon_mxc_cd) ";

}  // namespace

std::string DirectInputErrorKey(int result) {
    static const char* const keys[] = {"ErrorMotorNumber", "ErrorAmpNumber",       "ErrorAssortmentMotorAndAmp",
                                       "ErrorAmp200",      "ErrorAmp100",          "ErrorAmpThree200Only",
                                       "ErrorAmpOne200Only"};
    return result >= 0 && result <= 6 ? keys[result] : std::string();
}

int TOptionSearchItem::CurrentCode() const {
    return Chosen() ? std::atoi(Codes[static_cast<size_t>(Selected)].c_str()) : 0;
}

int TOptionSearchItem::IndexOfCode(int code) const {
    for (size_t i = 0; i < Codes.size(); ++i)
        if (std::atoi(Codes[i].c_str()) == code) return static_cast<int>(i);
    return -1;
}

TOptionSeriesModel::TOptionSeriesModel(TCatalogQuery& query, IUserDialogs& dialogs, const TErrorMessage& errors,
                                       IBusyCursor* busy)
    : query_(query), dialogs_(dialogs), errors_(errors), busy_(busy) {}

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
    LoadFunctions();
    if (!functions_.empty()) SelectFunction(0);
}

std::vector<TMotorFunction> TOptionSeriesModel::ReadFunctions(const std::string& sql) {
    std::vector<TMotorFunction> list;
    query_.Close();
    query_.SetSQL(sql);
    query_.Open();
    for (; !query_.Eof(); query_.Next())
        list.push_back({static_cast<int>(query_.AsInteger("mmf_cd")), query_.AsString("mmf_name"),
                        query_.AsString("mmf_feature"), query_.AsString("mmf_value"), {}});
    query_.Close();
    for (TMotorFunction& f : list) {
        query_.SetSQL("SELECT * FROM t_motor_series WHERE tms_mmf_cd=:MOTOR_FUNCTION_ID ORDER BY tms_orderby");
        query_.SetParam("MOTOR_FUNCTION_ID", f.Code);
        query_.Open();
        for (; !query_.Eof(); query_.Next())
            f.Series.push_back({static_cast<int>(query_.AsInteger("tms_cd")), query_.AsString("tms_name"),
                                query_.AsString("tms_feature"), query_.AsString("tms_image"),
                                query_.AsString("tms_option_image")});
        query_.Close();
    }
    return list;
}

void TOptionSeriesModel::LoadFunctions() {
    functions_ = ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_hide = 0 ORDER BY mmf_order");
    currentFunction_ = currentSeries_ = -1;
}

const TMotorSeries* TOptionSeriesModel::CurrentSeries() const {
    if (currentFunction_ < 0 || currentSeries_ < 0) return nullptr;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    return currentSeries_ < static_cast<int>(series.size()) ? &series[static_cast<size_t>(currentSeries_)] : nullptr;
}

void TOptionSeriesModel::SelectFunction(int index) {
    if (index < 0 || index >= static_cast<int>(functions_.size())) return;
    currentFunction_ = index;
    currentSeries_ = -1;
    if (!functions_[static_cast<size_t>(index)].Series.empty()) SelectSeries(0);
    Changed();
}

void TOptionSeriesModel::SelectSeries(int index) {
    if (currentFunction_ < 0) return;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    if (index < 0 || index >= static_cast<int>(series.size())) return;
    currentSeries_ = index;
    if (series[static_cast<size_t>(index)].Code == currentSeriesCode_) return;
    ResetRestrictions();
    currentSeriesCode_ = series[static_cast<size_t>(index)].Code;
    SeriesChanged();
    Changed();
}

void TOptionSeriesModel::SeriesChanged() {
    TBusyScope busy(busy_);
    RefillSearchItems();
    Search();
}

void TOptionSeriesModel::ResetRestrictions() {
    for (TOptionSearchItem& item : items_) item.Restrictions.fill(0);
}

std::string TOptionSeriesModel::ListQuery(int i) const {
    const TSearchItemDescriptor& d = kOptionSearchItems[static_cast<size_t>(i)];
    const TOptionSearchItem& item = items_[static_cast<size_t>(i)];
    std::vector<std::string> lines = {
        std::string("SELECT ") + d.ListColumns,
        "FROM (((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ", std::string(d.Join) + ") ",
        "WHERE tms_cd = " + std::to_string(currentSeriesCode_) + " "};
    for (int j = 0; j < kOptionSearchItemCount; ++j) {
        const int r = item.Restrictions[static_cast<size_t>(j)];
        if (j == i || r == 0) continue;
        const TSearchItemDescriptor& other = kOptionSearchItems[static_cast<size_t>(j)];
        lines.push_back(std::string(" AND ") + other.FirstCondition + std::to_string(r) + " ");
        if (*other.SecondCondition) lines.push_back(std::string(" AND ") + other.SecondCondition + std::to_string(r) + " ");
    }
    lines.push_back(kOutputExclusion);
    lines.push_back(d.Grouping);
    return JoinLines(lines);
}

void TOptionSeriesModel::RefillSearchItems() {
    for (int i = 0; i < kOptionSearchItemCount; ++i) {
        TOptionSearchItem& item = items_[static_cast<size_t>(i)];
        item.Codes.clear();
        item.Entries.clear();
        item.Selected = -1;
        query_.Close();
        query_.SetSQL(ListQuery(i));
        query_.Open();
        for (; !query_.Eof(); query_.Next()) {
            item.Codes.push_back(query_.AsString(0));
            item.Entries.push_back(query_.AsString(1));
            if (std::atoi(item.Codes.back().c_str()) == item.WantedCode)
                item.Selected = static_cast<int>(item.Codes.size()) - 1;
        }
        query_.Close();
        if (item.Entries.empty()) continue;
        if (item.Selected < 0) item.Selected = 0;
        for (int j = 0; j < kOptionSearchItemCount; ++j)
            if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.CurrentCode();
    }
}

void TOptionSeriesModel::SelectEntry(int i, int entry) {
    TOptionSearchItem& item = items_.at(static_cast<size_t>(i));
    if (entry < 0 || entry >= static_cast<int>(item.Entries.size())) return;
    item.Selected = entry;
    SearchItemChanged(i);
    Changed();
}

void TOptionSeriesModel::SearchItemChanged(int i) {
    TOptionSearchItem& item = items_.at(static_cast<size_t>(i));
    if (!item.Chosen() || item.CurrentCode() == item.WantedCode) return;
    item.WantedCode = item.CurrentCode();
    ResetRestrictions();
    for (int j = 0; j < kOptionSearchItemCount; ++j)
        if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.WantedCode;
    const int gearCode = items_[osiGear].CurrentCode();
    for (int j = 0; j < kOptionSearchItemCount; ++j)
        if (j != osiGear) items_[static_cast<size_t>(j)].Restrictions[osiGear] = gearCode;
    items_[osiGear].Restrictions.fill(0);
    TBusyScope busy(busy_);
    RefillSearchItems();
    Search();
}

std::string TOptionSeriesModel::SearchQuery() const {
    std::vector<int> chosen;
    for (int i = 0; i < kOptionSearchItemCount; ++i)
        if (items_[static_cast<size_t>(i)].Chosen()) chosen.push_back(i);
    std::string select = "SELECT ";
    for (int i : chosen) select += std::string(kOptionSearchItems[static_cast<size_t>(i)].ShownColumns) + " , ";
    std::vector<std::string> lines = {select,
                                      " mmf_value, tms_name, msb_value, msmg_value, msv.*, mxc_cd, mso_name, mso_n_output, moc_value, ",
                                      " map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ",
                                      " mmp.mmp_model AS msv_model_all, map.map_model AS msv_amplifier1, mmp_cd, map_cd ",
                                      " FROM "};
    for (size_t k = 0; k < chosen.size(); ++k) lines.push_back(" ( ");
    for (int k = 0; k < 5; ++k) lines.push_back(" ( ");
    lines.push_back(" (t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ");
    for (const char* join :
         {" INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd ",
          " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd ",
          " INNER JOIN m_option_connect_image AS moc ON moc.moc_cd = msv.msv_moc_cd ",
          " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd ",
          " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd) "}) {
        lines.push_back(join);
        lines.push_back(" ) ");
    }
    for (int i : chosen) {
        lines.push_back(kOptionSearchItems[static_cast<size_t>(i)].Join);
        lines.push_back(" ) ");
    }
    std::string where = " WHERE tms.tms_cd = " + std::to_string(currentSeriesCode_);
    for (int i : chosen) {
        const TSearchItemDescriptor& d = kOptionSearchItems[static_cast<size_t>(i)];
        const std::string code = std::to_string(items_[static_cast<size_t>(i)].CurrentCode());
        where += std::string(" AND ") + d.FirstCondition + " " + code;
        if (*d.SecondCondition) where += std::string(" AND ") + d.SecondCondition + " " + code;
    }
    lines.push_back(where);
    lines.push_back(" ORDER BY msv_mso_cd, msv_cd, mxc_cd ");
    return JoinLines(lines);
}

void TOptionSeriesModel::Search() {
    if (loading_ || currentSeriesCode_ == 0) return;
    records_.clear();
    selected_ = -1;
    if (!items_[osiOutput].Chosen()) return;  // the output item supplies the output join
    query_.Close();
    query_.SetSQL(SearchQuery());
    query_.Open();
    records_ = LoadMotorList(query_);
    selected_ = records_.empty() ? -1 : 0;
}

const TMotor* TOptionSeriesModel::SelectedRecord() const {
    return selected_ >= 0 && selected_ < static_cast<int>(records_.size()) ? records_[static_cast<size_t>(selected_)].get()
                                                                          : nullptr;
}

void TOptionSeriesModel::SelectAmp(int index) {
    if (index < 0 || index >= static_cast<int>(records_.size())) return;
    selected_ = index;
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
    for (TOptionSearchItem& item : items_) item = TOptionSearchItem{};
    records_.clear();
    selected_ = -1;
    functions_.clear();
    currentFunction_ = currentSeries_ = -1;
    currentSeriesCode_ = 0;
    directInput_ = false;
    if (loadFunctions) LoadFunctions();
}

bool TOptionSeriesModel::Clear() {
    if (dialogs_.ShowMessageDialog(Text("ClearOptionMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel) != mrYes)
        return false;
    ResetAll(true);
    if (!functions_.empty()) SelectFunction(0);
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
