// Finding the CAD page's motor in the catalog.
#include "cad/CadMotor.h"

#include "base/Catalog.h"

namespace kinemo {

std::optional<TCadMotor> CadMotorOf(TCatalogQuery& query, const TMotorReference& motor) {
    query.Close();
    query.SetSQL(std::vector<std::string>{
        "SELECT mmp_cd, mmp_model, msv_msmg_cd FROM m_motor_price AS mmp ",
        " INNER JOIN t_motor_value AS msv ON msv.msv_cd = mmp.mmp_msv_cd ",
        " WHERE mmp_msv_cd = :MSV AND mmp_mxc_cd = :MXC"});
    query.SetParam("MSV", motor.MsvID);
    query.SetParam("MXC", motor.MxcID);
    query.Open();
    std::optional<TCadMotor> out;
    if (!query.Eof())
        out = TCadMotor{query.AsString("mmp_model"), static_cast<int>(query.AsInteger("mmp_cd")),
                        query.AsInteger("msv_msmg_cd") == 1, motor};
    query.Close();
    return out;
}

}  // namespace kinemo
