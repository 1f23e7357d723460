// Motor catalog browsing: functions, series, search items and the search.
#include "selection/MotorCatalogBrowser.h"

#include "base/Catalog.h"
#include "base/UserDialogs.h"

#include <cstdlib>

namespace kinemo {

const std::array<TSearchItemDescriptor, kBrowseItemCount> kBrowseItems = {{
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

int TBrowseItem::CurrentCode() const {
    return Chosen() ? std::atoi(Codes[static_cast<size_t>(Selected)].c_str()) : 0;
}

int TBrowseItem::IndexOfCode(int code) const {
    for (size_t i = 0; i < Codes.size(); ++i)
        if (std::atoi(Codes[i].c_str()) == code) return static_cast<int>(i);
    return -1;
}

TMotorCatalogBrowser::TMotorCatalogBrowser(TCatalogQuery& query, IBusyCursor* busy) : query_(query), busy_(busy) {}

TMotorCatalogBrowser::~TMotorCatalogBrowser() = default;

std::vector<TMotorFunction> TMotorCatalogBrowser::ReadFunctions(const std::string& sql) {
    return ReadMotorFunctions(query_, sql);
}

void TMotorCatalogBrowser::LoadFunctions() {
    SetFunctions(ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_hide = 0 ORDER BY mmf_order"));
}

void TMotorCatalogBrowser::SetFunctions(std::vector<TMotorFunction> functions) {
    functions_ = std::move(functions);
    currentFunction_ = currentSeries_ = -1;
}

const TMotorSeries* TMotorCatalogBrowser::CurrentSeries() const {
    if (currentFunction_ < 0 || currentSeries_ < 0) return nullptr;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    return currentSeries_ < static_cast<int>(series.size()) ? &series[static_cast<size_t>(currentSeries_)] : nullptr;
}

void TMotorCatalogBrowser::SelectFunction(int index) {
    if (index < 0 || index >= static_cast<int>(functions_.size())) return;
    currentFunction_ = index;
    currentSeries_ = -1;
    if (!functions_[static_cast<size_t>(index)].Series.empty()) SelectSeries(0);
}

void TMotorCatalogBrowser::SelectSeries(int index) {
    if (currentFunction_ < 0) return;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    if (index < 0 || index >= static_cast<int>(series.size())) return;
    currentSeries_ = index;
    if (series[static_cast<size_t>(index)].Code == currentSeriesCode_) return;
    ResetRestrictions();
    currentSeriesCode_ = series[static_cast<size_t>(index)].Code;
    SeriesChanged();
}

void TMotorCatalogBrowser::SetCurrent(int function, int series) {
    if (function < 0 || function >= static_cast<int>(functions_.size())) return;
    const auto& list = functions_[static_cast<size_t>(function)].Series;
    if (series < 0 || series >= static_cast<int>(list.size())) return;
    currentFunction_ = function;
    currentSeries_ = series;
    currentSeriesCode_ = list[static_cast<size_t>(series)].Code;
    RefillSearchItems();
}

void TMotorCatalogBrowser::SeriesChanged() {
    TBusyScope busy(busy_);
    RefillSearchItems();
    Search();
}

void TMotorCatalogBrowser::ResetRestrictions() {
    for (TBrowseItem& item : items_) item.Restrictions.fill(0);
}

std::string TMotorCatalogBrowser::ListQuery(int i) const {
    const TSearchItemDescriptor& d = kBrowseItems[static_cast<size_t>(i)];
    const TBrowseItem& item = items_[static_cast<size_t>(i)];
    std::vector<std::string> lines = {
        std::string("SELECT ") + d.ListColumns,
        "FROM (((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ", std::string(d.Join) + ") ",
        "WHERE tms_cd = " + std::to_string(currentSeriesCode_) + " "};
    for (int j = 0; j < kBrowseItemCount; ++j) {
        const int r = item.Restrictions[static_cast<size_t>(j)];
        if (j == i || r == 0) continue;
        const TSearchItemDescriptor& other = kBrowseItems[static_cast<size_t>(j)];
        lines.push_back(std::string(" AND ") + other.FirstCondition + std::to_string(r) + " ");
        if (*other.SecondCondition) lines.push_back(std::string(" AND ") + other.SecondCondition + std::to_string(r) + " ");
    }
    lines.push_back(kOutputExclusion);
    lines.push_back(d.Grouping);
    return JoinLines(lines);
}

void TMotorCatalogBrowser::RefillSearchItems() {
    for (int i = 0; i < kBrowseItemCount; ++i) {
        TBrowseItem& item = items_[static_cast<size_t>(i)];
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
        for (int j = 0; j < kBrowseItemCount; ++j)
            if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.CurrentCode();
    }
}

void TMotorCatalogBrowser::SelectEntry(int i, int entry) {
    TBrowseItem& item = items_.at(static_cast<size_t>(i));
    if (entry < 0 || entry >= static_cast<int>(item.Entries.size())) return;
    item.Selected = entry;
    SearchItemChanged(i);
}

void TMotorCatalogBrowser::SearchItemChanged(int i) {
    TBrowseItem& item = items_.at(static_cast<size_t>(i));
    if (!item.Chosen() || item.CurrentCode() == item.WantedCode) return;
    item.WantedCode = item.CurrentCode();
    ResetRestrictions();
    for (int j = 0; j < kBrowseItemCount; ++j)
        if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.WantedCode;
    const int gearCode = items_[biGear].CurrentCode();
    for (int j = 0; j < kBrowseItemCount; ++j)
        if (j != biGear) items_[static_cast<size_t>(j)].Restrictions[biGear] = gearCode;
    items_[biGear].Restrictions.fill(0);
    TBusyScope busy(busy_);
    RefillSearchItems();
    Search();
}

std::string TMotorCatalogBrowser::SearchQuery() const {
    std::vector<int> chosen;
    for (int i = 0; i < kBrowseItemCount; ++i)
        if (items_[static_cast<size_t>(i)].Chosen()) chosen.push_back(i);
    std::string select = "SELECT ";
    for (int i : chosen) select += std::string(kBrowseItems[static_cast<size_t>(i)].ShownColumns) + " , ";
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
        lines.push_back(kBrowseItems[static_cast<size_t>(i)].Join);
        lines.push_back(" ) ");
    }
    std::string where = " WHERE tms.tms_cd = " + std::to_string(currentSeriesCode_);
    for (int i : chosen) {
        const TSearchItemDescriptor& d = kBrowseItems[static_cast<size_t>(i)];
        const std::string code = std::to_string(items_[static_cast<size_t>(i)].CurrentCode());
        where += std::string(" AND ") + d.FirstCondition + " " + code;
        if (*d.SecondCondition) where += std::string(" AND ") + d.SecondCondition + " " + code;
    }
    lines.push_back(where);
    lines.push_back(" ORDER BY msv_mso_cd, msv_cd, mxc_cd ");
    return JoinLines(lines);
}

void TMotorCatalogBrowser::Search() {
    if (loading_ || currentSeriesCode_ == 0) return;
    records_.clear();
    selected_ = -1;
    if (!items_[biOutput].Chosen()) return;  // the output item supplies the output join
    query_.Close();
    query_.SetSQL(SearchQuery());
    query_.Open();
    records_ = LoadMotorList(query_);
    selected_ = records_.empty() ? -1 : 0;
}

const TMotor* TMotorCatalogBrowser::SelectedRecord() const {
    return selected_ >= 0 && selected_ < static_cast<int>(records_.size()) ? records_[static_cast<size_t>(selected_)].get()
                                                                          : nullptr;
}

void TMotorCatalogBrowser::Select(int index) {
    if (index >= 0 && index < static_cast<int>(records_.size())) selected_ = index;
}

void TMotorCatalogBrowser::Reset(bool loadFunctions) {
    for (TBrowseItem& item : items_) item = TBrowseItem{};
    records_.clear();
    selected_ = -1;
    functions_.clear();
    currentFunction_ = currentSeries_ = -1;
    currentSeriesCode_ = 0;
    if (loadFunctions) LoadFunctions();
}

}  // namespace kinemo
