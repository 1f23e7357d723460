// Motor lookup by reference.
#include "torque/MotorReferenceQuery.h"

#include "base/Catalog.h"
#include "torque/Motor.h"

namespace kinemo {

namespace {

std::vector<std::string> MotorQueryLines(const std::string& where) {
    return {
        "SELECT ",
        " tms.*, msv.*, mmf.*, mxc.*, moc.*, mso.*, msp.*, mss.*, mse.*, msb.*, msmg.*, ",
        " map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ",
        " mmp.mmp_model AS msv_model_all, map.map_model AS msv_amplifier1, mmp_cd, map_cd ",
        " FROM (((((((((((( ",
        " t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ",
        " INNER JOIN m_option_connect_image AS moc ON moc.moc_cd = msv.msv_moc_cd) ",
        " INNER JOIN m_search_output AS mso ON msv.msv_mso_cd = mso.mso_cd) ",
        " INNER JOIN m_search_phase AS msp ON msv.msv_msp_cd = msp.msp_cd) ",
        " INNER JOIN m_search_supply AS mss ON msv.msv_mss_cd = mss.mss_cd) ",
        " INNER JOIN m_search_encoder AS mse ON msv.msv_mse_cd = mse.mse_cd) ",
        " INNER JOIN m_search_brake AS msb ON (msv.msv_msb_cd = msb.msb_cd) AND (mxc.mxc_msb_cd = msb.msb_cd)) ",
        " INNER JOIN m_search_motor_gear AS msmg ON (msv.msv_msmg_cd = msmg.msmg_cd) AND (mxc.mxc_msmg_cd = "
        "msmg.msmg_cd)) ",
        " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd) ",
        " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd)) ",
        where};
}

std::unique_ptr<TMotor> FirstWithGearRatio(TCatalogQuery& query) {
    query.Open();
    std::vector<std::unique_ptr<TMotor>> list = LoadMotorList(query);
    if (list.empty()) return nullptr;
    std::unique_ptr<TMotor> motor = std::move(list.front());
    const int msvCd = motor->msv_cd;
    // The query above joins no gear ratio, which would leave a geared motor at ratio 1:
    // every later calculation with the restored motor would be wrong, and its reports would
    // name no ratio. Read both separately.
    query.SetSQL(std::vector<std::string>{
        "SELECT msgr_value, msgr_name FROM t_motor_value INNER JOIN m_search_gear_rate ON t_motor_value.msv_msgr_cd = "
        "m_search_gear_rate.msgr_cd",
        "WHERE msv_cd = :MSVCD"});
    query.SetParam("MSVCD", msvCd);
    query.Open();
    if (!query.Eof() && !query.IsNull(0)) motor->msgr_value = query.AsFloat(0);
    if (!query.Eof() && !query.IsNull(1)) motor->msgr_name = query.AsString(1);
    query.Close();
    return motor;
}

}  // namespace

std::unique_ptr<TMotor> LoadMotorByReference(TCatalogQuery& query, int msvCd, int mxcCd) {
    if (msvCd < 0 || mxcCd < 0) return nullptr;
    query.Close();
    query.SetSQL(MotorQueryLines(" WHERE msv_cd = :MSVCD AND mxc_cd = :MXCCD "));
    query.SetParam("MSVCD", msvCd);
    query.SetParam("MXCCD", mxcCd);
    return FirstWithGearRatio(query);
}

std::unique_ptr<TMotor> LoadMotorByModel(TCatalogQuery& query, const std::string& model) {
    query.Close();
    query.SetSQL(MotorQueryLines(" WHERE mmp.mmp_model = :MODEL ORDER BY msv_cd, mxc_cd "));
    query.SetParam("MODEL", model);
    return FirstWithGearRatio(query);
}

std::vector<std::unique_ptr<TMotor>> LoadEveryCatalogMotor(TCatalogQuery& query) {
    query.SetSQL("SELECT tms.*, msv.*, mss.mss_n_supply, mmp.mmp_model AS msv_model_all, mxc_cd, msgr_value "
                 "FROM t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd "
                 "INNER JOIN m_motor_price AS mmp ON mmp.mmp_msv_cd = msv.msv_cd "
                 "INNER JOIN m_ext_code AS mxc ON mxc.mxc_cd = mmp.mmp_mxc_cd "
                 "INNER JOIN m_search_supply AS mss ON mss.mss_cd = msv.msv_mss_cd "
                 "LEFT JOIN m_search_gear_rate AS msgr ON msgr.msgr_cd = msv.msv_msgr_cd "
                 "ORDER BY msv.msv_cd, mxc_cd");
    query.Open();
    return LoadMotorList(query);
}

}  // namespace kinemo
