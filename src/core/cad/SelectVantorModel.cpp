// Rules of the CAD selection page.
#include "cad/SelectVantorModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"

#include <cctype>

namespace kinemo {

namespace {

TCadMotor MotorOfRow(const TCatalogQuery& q) {
    TCadMotor m;
    m.Model = q.AsString("msv_model_all");
    m.MmpCd = static_cast<int>(q.AsInteger("mmp_cd"));
    m.Geared = q.AsInteger("msv_msmg_cd") == 1;
    m.Reference = {q.AsInteger("msv_cd"), q.AsInteger("mxc_cd")};
    return m;
}

}  // namespace

TSelectVantorModel::TSelectVantorModel(TCatalogQuery& query) : query_(query) {
    texts_ = ReadMessageClass(query, "frame_select_vantor");
    query.Close();
    query.SetSQL("SELECT * FROM m_motor_function WHERE mmf_hide = 0 ORDER BY mmf_order");
    query.Open();
    for (; !query.Eof(); query.Next())
        functions_.push_back({static_cast<int>(query.AsInteger("mmf_cd")), query.AsString("mmf_name")});
    query.Close();
    SelectFunction(0);
}

void TSelectVantorModel::SelectFunction(int index) {
    series_.clear();
    function_ = index >= 0 && index < static_cast<int>(functions_.size()) ? index : -1;
    if (function_ >= 0) {
        query_.Close();
        query_.SetSQL("SELECT * FROM t_motor_series WHERE tms_mmf_cd=:MOTOR_FUNCTION_ID ORDER BY tms_orderby");
        query_.SetParam("MOTOR_FUNCTION_ID", static_cast<long long>(functions_[function_].Code));
        query_.Open();
        for (; !query_.Eof(); query_.Next())
            series_.push_back({static_cast<int>(query_.AsInteger("tms_cd")), query_.AsString("tms_name")});
        query_.Close();
    }
    SelectSeries(0);
}

void TSelectVantorModel::SelectSeries(int index) {
    models_.clear();
    seriesIndex_ = index >= 0 && index < static_cast<int>(series_.size()) ? index : -1;
    if (seriesIndex_ >= 0) {
        // One entry per model name: the drawing does not depend on the amplifier or phase.
        query_.Close();
        query_.SetSQL(std::vector<std::string>{
            // The other columns come from the row with the smallest mmp_cd.
            "SELECT mmp_model AS msv_model_all, MIN(mmp_cd) AS mmp_cd, msv_msmg_cd, msv_cd, mmp_mxc_cd AS mxc_cd ",
            " FROM m_motor_price AS mmp INNER JOIN t_motor_value AS msv ON msv.msv_cd = mmp.mmp_msv_cd ",
            " WHERE msv.msv_tms_cd = :SERIES GROUP BY mmp_model, msv_msmg_cd ORDER BY mmp_model"});
        query_.SetParam("SERIES", static_cast<long long>(series_[seriesIndex_].Code));
        query_.Open();
        for (; !query_.Eof(); query_.Next()) models_.push_back(MotorOfRow(query_));
        query_.Close();
    }
    SelectModel(0);
}

void TSelectVantorModel::SelectModel(int index) {
    modelIndex_ = index >= 0 && index < static_cast<int>(models_.size()) ? index : -1;
}

void TSelectVantorModel::SetDirectInput(bool on) { directInput_ = on; }

int TSelectVantorModel::CheckDirectInput(const std::string& typed) {
    directModel_ = NormalizeModel(typed);
    directRecord_.reset();
    if (directModel_.empty()) return 8;
    query_.Close();
    query_.SetSQL(std::vector<std::string>{
        "SELECT ", " mmf_value, tms_name, msv.*, mxc_cd, ",
        " map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ",
        " mmp_model AS msv_model_all, map_model AS msv_amplifier1, mmp_cd, map_cd ",
        " FROM (((((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ",
        " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd) ",
        " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd)) ",
        " WHERE mmf_hide = 0 AND mmp_model = :MOTORMODEL "});
    query_.SetParam("MOTORMODEL", directModel_);
    query_.Open();
    if (!query_.Eof()) directRecord_ = MotorOfRow(query_);
    query_.Close();
    return directRecord_ ? 7 : 0;
}

std::optional<TCadMotor> TSelectVantorModel::Chosen() const {
    if (directInput_) return directRecord_;
    if (modelIndex_ < 0) return std::nullopt;
    return models_[modelIndex_];
}

}  // namespace kinemo
