// Motor search.
#include "selection/MotorChoiceModel.h"

#include "machine/CalcCarryValue.h"
#include "base/Catalog.h"
#include "base/UserDialogs.h"
#include "torque/CalcDischarge.h"
#include "units/ValueFormat.h"

#include <cstdlib>

namespace kinemo {

namespace {

// The busy state around every refill and search, ended also when an error passes.
class BusyState {
public:
    BusyState(bool& flag, IBusyCursor* cursor) : flag_(flag), scope_(cursor) { flag_ = true; }
    ~BusyState() { flag_ = false; }

private:
    bool& flag_;
    TBusyScope scope_;
};

int ToInt(const std::string& s) { return std::atoi(s.c_str()); }

}  // namespace

TMotorChoiceModel::TMotorChoiceModel(TCatalogQuery& query, TCalcCarryValue& chain,
                                     const TCalcDischargeFormula& formulas, const TValueFormat& format,
                                     IBusyCursor* busy)
    : query_(query), chain_(chain), formulas_(formulas), format_(format), busyCursor_(busy) {}

std::vector<std::string> TMotorChoiceModel::LoadValueList(const char* column, const char* table, const char* code) {
    query_.Close();
    query_.SetSQL(std::string("SELECT ") + column + " FROM " + table + " ORDER BY " + code);
    query_.Open();
    std::vector<std::string> list{""};
    for (; !query_.Eof(); query_.Next()) list.push_back(query_.AsString(0));
    query_.Close();
    return list;
}

std::string TMotorChoiceModel::ValueAt(const std::vector<std::string>& list, int code) const {
    return code >= 0 && code < static_cast<int>(list.size()) ? list[static_cast<size_t>(code)] : std::string();
}

std::vector<TMotorFunction> ReadMotorFunctions(TCatalogQuery& query, const std::string& sql) {
    std::vector<TMotorFunction> list;
    query.Close();
    query.SetSQL(sql);
    query.Open();
    for (; !query.Eof(); query.Next())
        list.push_back({static_cast<int>(query.AsInteger("mmf_cd")), query.AsString("mmf_name"),
                        query.AsString("mmf_feature"), query.AsString("mmf_value"), {}});
    query.Close();
    for (TMotorFunction& f : list) {
        query.SetSQL("SELECT * FROM t_motor_series WHERE tms_mmf_cd=:MOTOR_FUNCTION_ID ORDER BY tms_orderby");
        query.SetParam("MOTOR_FUNCTION_ID", f.Code);
        query.Open();
        for (; !query.Eof(); query.Next())
            f.Series.push_back({static_cast<int>(query.AsInteger("tms_cd")), query.AsString("tms_name"),
                                query.AsString("tms_feature"), query.AsString("tms_image"),
                                query.AsString("tms_option_image")});
        query.Close();
    }
    return list;
}

std::vector<TMotorFunction> TMotorChoiceModel::ReadFunctions(const std::string& sql) {
    return ReadMotorFunctions(query_, sql);
}

void TMotorChoiceModel::LoadFunctions() {
    functions_ = ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_hide = 0 ORDER BY mmf_order");
    if (userMotors_.Load && !userMotors_.Load().empty()) {
        TMotorFunction user{kUserCode, userMotors_.FunctionName, {}, userMotors_.FunctionName, {}};
        user.Series.push_back({kUserCode, userMotors_.SeriesName, {}, {}, {}});
        functions_.push_back(std::move(user));
    }
}

void TMotorChoiceModel::ReloadFunctions() {
    const int function = currentFunction_ >= 0 ? functions_[static_cast<size_t>(currentFunction_)].Code : 0;
    const int series = currentSeriesCode_;
    LoadFunctions();
    for (size_t i = 0; i < functions_.size(); ++i) {
        if (functions_[i].Code != function) continue;
        currentFunction_ = static_cast<int>(i);
        if (series == kUserCode) {
            // The user's list itself changed: search it again.
            currentSeriesCode_ = 0;
            SelectSeriesByCode(series, true);
        }
        return;
    }
    // The function shown is gone (the last user motor was removed): back to the first.
    currentFunction_ = -1;
    currentSeriesCode_ = 0;
    if (!functions_.empty()) SelectFunction(0);
}

void TMotorChoiceModel::Initialize() {
    encoderRanges_ = LoadValueList("mse_range", "m_search_encoder", "mse_cd");
    supplyVoltages_ = LoadValueList("mss_n_supply", "m_search_supply", "mss_cd");
    encoderResolutions_ = LoadValueList("mse_m_res", "m_search_encoder", "mse_cd");
    gearRatios_ = LoadValueList("msgr_value", "m_search_gear_rate", "msgr_cd");
    positionRange_.clear();
    LoadFunctions();
    if (!functions_.empty()) SelectFunction(0);
    ApplyInputSupplyDefault();
    ApplyEncoderDefaults();
}

void TMotorChoiceModel::EndSetup() {
    settingUp_ = false;
    SearchMotors();
}

const TMotorSeries* TMotorChoiceModel::CurrentSeries() const {
    if (currentFunction_ < 0 || currentSeries_ < 0) return nullptr;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    return currentSeries_ < static_cast<int>(series.size()) ? &series[static_cast<size_t>(currentSeries_)] : nullptr;
}

void TMotorChoiceModel::SelectFunction(int index) {
    if (index < 0 || index >= static_cast<int>(functions_.size())) return;
    currentFunction_ = index;
    if (functions_[static_cast<size_t>(index)].Series.empty()) {
        currentSeries_ = -1;
        currentSeriesCode_ = 0;
        for (TSearchItemState& item : items_) item = TSearchItemState{};
        if (OnCandidates) OnCandidates({});
        return;
    }
    SelectSeries(0);
}

void TMotorChoiceModel::SelectSeries(int index) {
    if (currentFunction_ < 0) return;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    if (index < 0 || index >= static_cast<int>(series.size())) return;
    currentSeries_ = index;
    if (series[static_cast<size_t>(index)].Code == currentSeriesCode_) return;
    if (currentSeriesCode_ != 0) ResetRestrictions();
    currentSeriesCode_ = series[static_cast<size_t>(index)].Code;
    SeriesChanged();
}

void TMotorChoiceModel::SeriesChanged() {
    BusyState busy(busy_, busyCursor_);
    RefillSearchItems();
    if (OnCandidates) OnCandidates({});
    SearchMotors();
}

bool TMotorChoiceModel::SelectFunctionByCode(int code) {
    for (size_t i = 0; i < functions_.size(); ++i)
        if (functions_[i].Code == code) {
            SelectFunction(static_cast<int>(i));
            return true;
        }
    // A hidden function named by a project: the list becomes that function alone.
    std::vector<TMotorFunction> found = ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_cd = " + std::to_string(code));
    if (found.empty()) return false;
    functions_ = std::move(found);
    SelectFunction(0);
    return true;
}

bool TMotorChoiceModel::SelectSeriesByCode(int code, bool refill) {
    if (currentFunction_ < 0) return false;
    const auto& series = functions_[static_cast<size_t>(currentFunction_)].Series;
    for (size_t i = 0; i < series.size(); ++i) {
        if (series[i].Code != code) continue;
        if (refill) {
            SelectSeries(static_cast<int>(i));
        } else {
            currentSeries_ = static_cast<int>(i);
            currentSeriesCode_ = code;
        }
        return true;
    }
    return false;
}

void TMotorChoiceModel::ResetRestrictions() {
    for (TSearchItemState& item : items_) item.Restrictions.fill(0);
}

void TMotorChoiceModel::ForgetSelection() {
    ResetRestrictions();
    for (TSearchItemState& item : items_) item.WantedCode = -1;
    currentFunction_ = currentSeries_ = -1;
    currentSeriesCode_ = 0;
}

std::string TMotorChoiceModel::ListQuery(int i) const {
    const TSearchItemDescriptor& d = kSearchItems[static_cast<size_t>(i)];
    const TSearchItemState& item = items_[static_cast<size_t>(i)];
    std::vector<std::string> lines = {
        std::string("SELECT ") + d.ListColumns,
        "FROM (((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ", std::string(d.Join) + ") ",
        "WHERE tms_cd = " + std::to_string(currentSeriesCode_) + " "};
    for (int j = 0; j < kSearchItemCount; ++j) {
        const int r = item.Restrictions[static_cast<size_t>(j)];
        if (j == i || r == 0) continue;
        const TSearchItemDescriptor& other = kSearchItems[static_cast<size_t>(j)];
        lines.push_back(std::string(" AND ") + other.FirstCondition + std::to_string(r) + " ");
        if (*other.SecondCondition) lines.push_back(std::string(" AND ") + other.SecondCondition + std::to_string(r) + " ");
    }
    lines.push_back(d.Grouping);
    std::string sql;
    for (size_t k = 0; k < lines.size(); ++k) sql += (k ? "\n" : "") + lines[k];
    return sql;
}

void TMotorChoiceModel::RefillSearchItems() {
    for (int i = 0; i < kSearchItemCount; ++i) {
        TSearchItemState& item = items_[static_cast<size_t>(i)];
        item.Codes.clear();
        item.Entries.clear();
        item.Selected = -1;
        query_.Close();
        query_.SetSQL(ListQuery(i));
        query_.Open();
        for (; !query_.Eof(); query_.Next()) {
            item.Codes.push_back(query_.AsString(0));
            item.Entries.push_back(query_.AsString(1));
            if (ToInt(item.Codes.back()) == item.WantedCode) item.Selected = static_cast<int>(item.Codes.size()) - 1;
        }
        query_.Close();
        item.Enabled = !item.Entries.empty();
        if (!item.Enabled) continue;
        if (item.Selected < 0) item.Selected = 0;
        for (int j = 0; j < kSearchItemCount; ++j)
            if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.CurrentCode();
    }
    ApplyGearToChain();
    ApplyInputSupplyDefault();
}

void TMotorChoiceModel::ApplyGearToChain() {
    const TSearchItemState& gear = items_[siGear];
    if (gear.Chosen() && gear.CurrentCode() == 1) {
        chain_.SetGeared(true);
    } else {
        chain_.SetGeared(false);
        chain_.SetReductionRatio(1);
    }
    const TSearchItemState& rate = items_[siGearRate];
    if (rate.Chosen()) {
        double ratio = 0;
        if (TryTextToFloat(ValueAt(gearRatios_, rate.CurrentCode()), ratio)) chain_.SetReductionRatio(ratio);
    }
}

void TMotorChoiceModel::ApplyInputSupplyDefault() {
    const TSearchItemState& supply = items_[siSupply];
    if (!supply.Chosen()) return;
    const std::string value = ValueAt(supplyVoltages_, supply.CurrentCode());
    if (value.empty() || value == lastAppliedSupply_) return;
    lastAppliedSupply_ = value;
    SetInputSupplyText(value);
}

void TMotorChoiceModel::SetInputSupplyText(const std::string& text) {
    inputSupply_ = text;
    if (OnInputSupplyChanged) OnInputSupplyChanged();
}

void TMotorChoiceModel::ApplyEncoderDefaults() {
    const int code = items_[siEncoder].CurrentCode();
    resolution_ = ToInt(ValueAt(encoderResolutions_, code));
    const std::string range = ValueAt(encoderRanges_, code);
    if (!range.empty()) positionRange_ = range;
}

void TMotorChoiceModel::SelectEntry(int i, int entry) {
    TSearchItemState& item = items_.at(static_cast<size_t>(i));
    if (entry < 0 || entry >= static_cast<int>(item.Entries.size())) return;
    item.Selected = entry;
    if (i == siEncoder) ApplyEncoderDefaults();
    SearchItemChanged(i);
}

void TMotorChoiceModel::SearchItemChanged(int i) {
    TSearchItemState& item = items_.at(static_cast<size_t>(i));
    if (!item.Chosen() || item.CurrentCode() == item.WantedCode) return;
    item.WantedCode = item.CurrentCode();
    ResetRestrictions();
    for (int j = 0; j < kSearchItemCount; ++j)
        if (j != i) items_[static_cast<size_t>(j)].Restrictions[static_cast<size_t>(i)] = item.WantedCode;
    const int gearCode = items_[siGear].CurrentCode();
    for (int j = 0; j < kSearchItemCount; ++j)
        if (j != siGear) items_[static_cast<size_t>(j)].Restrictions[siGear] = gearCode;
    items_[siGear].Restrictions.fill(0);
    BusyState busy(busy_, busyCursor_);
    RefillSearchItems();
    SearchMotors();
}

void TMotorChoiceModel::SetBrakeWanted(int code) {
    TSearchItemState& brake = items_[siBrake];
    if (brake.WantedCode == code) return;
    brake.WantedCode = code;
    if (currentSeriesCode_ == 0) return;
    // As a series change: the lists start free, so the brake wanted is offered again.
    ResetRestrictions();
    SeriesChanged();
}

std::string TMotorChoiceModel::CandidateQuery() const {
    std::vector<int> chosen;
    for (int i = 0; i < kSearchItemCount; ++i)
        if (items_[static_cast<size_t>(i)].Chosen()) chosen.push_back(i);
    std::vector<std::string> lines;
    std::string select = "SELECT ";
    for (int i : chosen) select += std::string(kSearchItems[static_cast<size_t>(i)].ShownColumns) + " , ";
    lines.push_back(select);
    lines.push_back(" mmf_value, tms_name, msv.*, mxc_cd, moc_value, mso_name, mso_n_output, ");
    lines.push_back(" map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ");
    lines.push_back(" mmp.mmp_model AS msv_model_all, map.map_model AS msv_amplifier1, mmp_cd, map_cd ");
    lines.push_back(" FROM ");
    for (size_t k = 0; k < chosen.size(); ++k) lines.push_back(" ( ");
    for (int k = 0; k < 6; ++k) lines.push_back(" ( ");
    lines.push_back(" (t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ");
    for (const char* join :
         {" INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd ",
          " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd ",
          " INNER JOIN m_option_connect_image AS moc ON moc.moc_cd = msv.msv_moc_cd ",
          " INNER JOIN m_search_output AS mso ON msv.msv_mso_cd = mso.mso_cd ",
          " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd ",
          " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd) "}) {
        lines.push_back(join);
        lines.push_back(" ) ");
    }
    for (int i : chosen) {
        lines.push_back(kSearchItems[static_cast<size_t>(i)].Join);
        lines.push_back(" ) ");
    }
    std::string where = " WHERE tms.tms_cd = " + std::to_string(currentSeriesCode_) + " AND ";
    for (int i : chosen) {
        const TSearchItemDescriptor& d = kSearchItems[static_cast<size_t>(i)];
        const std::string code = std::to_string(items_[static_cast<size_t>(i)].CurrentCode());
        where += std::string(d.FirstCondition) + " " + code;
        if (*d.SecondCondition) where += std::string(" AND ") + d.SecondCondition + " " + code;
        where += " AND ";
    }
    lines.push_back(where);
    lines.push_back(" msv_mso_cd NOT IN (SELECT txon_mso_cd FROM t_ext_output_not AS teon WHERE mxc.mxc_cd = "
                    "teon.txon_mxc_cd) ORDER BY mso_cd, msv_cd, mxc_cd");
    std::string sql;
    for (size_t k = 0; k < lines.size(); ++k) sql += (k ? "\n" : "") + lines[k];
    return sql;
}

void TMotorChoiceModel::SearchMotors() {
    if (settingUp_ || loading_ || currentSeriesCode_ == 0) return;
    if (currentSeriesCode_ == kUserCode) {
        // The user's motors have no search items: every one of them is a candidate.
        std::vector<std::unique_ptr<TMotor>> list;
        if (userMotors_.Load) list = userMotors_.Load();
        if (OnCandidates) OnCandidates(std::move(list));
        return;
    }
    bool anyEntries = false;
    for (const TSearchItemState& item : items_) anyEntries = anyEntries || !item.Entries.empty();
    if (!anyEntries) return;
    query_.Close();
    query_.SetSQL(CandidateQuery());
    query_.Open();
    std::vector<std::unique_ptr<TMotor>> list = LoadMotorList(query_);
    if (OnCandidates) OnCandidates(std::move(list));
}

std::string TMotorChoiceModel::TextStoppingAccuracy(const TMotor* motor) const {
    if (!motor) return {};
    double range = 0;
    // Typed by the user: read with the user's decimal mark; a comma elsewhere is no number.
    if (!TryTypedTextToFloat(positionRange_, format_.DecimalMark(), range) || resolution_ == 0) return {};
    try {
        const CarryOutput carry = chain_.CalcChainForMotor(false, false, motor->GearData());
        const double ps = chain_.CalcStoppingAccuracy(resolution_, carry, range,
                                                      formulas_.Get("StraightStoppingAccuracy"),
                                                      formulas_.Get("RollingStoppingAccuracy"));
        return format_.Display(ps);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace kinemo
