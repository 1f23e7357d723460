// Search item descriptors.
#include "selection/SearchItems.h"

#include <cstdlib>

namespace kinemo {

const std::array<TSearchItemDescriptor, kSearchItemCount> kSearchItems = {{
    {"Phase", "LabelPhase", "ComboBoxPhase", " msp_name ", " msp_cd, msp_name ",
     " INNER JOIN m_search_phase AS msp ON msv.msv_msp_cd = msp.msp_cd ", " msv_msp_cd = ", "",
     " GROUP BY msp_cd, msp_name, msp_orderby ORDER BY msp_orderby "},
    {"Supply", "LabelSupply", "ComboBoxSupply", " mss_name, mss_n_supply ", " mss_cd, mss_name ",
     " INNER JOIN m_search_supply AS mss ON msv.msv_mss_cd = mss.mss_cd ", " msv_mss_cd = ", "",
     " GROUP BY mss_cd, mss_name, mss_orderby ORDER BY mss_orderby "},
    {"Brake", "LabelBrake", "ComboBoxBrake", " msb_name, msb_n_brake, msb_value ", " msb_cd, msb_name, msb_value ",
     " INNER JOIN m_search_brake AS msb ON (msv.msv_msb_cd = msb.msb_cd) AND (mxc.mxc_msb_cd = msb.msb_cd) ",
     " msv_msb_cd = ", "", " GROUP BY msb_cd, msb_name, msb_value, msb_orderby ORDER BY msb_orderby "},
    {"Encoder", "LabelEncoder", "ComboBoxEncoder", " mse_name, mse_range, mse_m_res ", " mse_cd, mse_name ",
     " INNER JOIN m_search_encoder AS mse ON msv.msv_mse_cd = mse.mse_cd ", " msv_mse_cd = ", "",
     " GROUP BY mse_cd, mse_name, mse_orderby ORDER BY mse_orderby "},
    {"Gear", "LabelGear", "ComboBoxGear", " msmg_name, msmg_value ", " msmg_cd, msmg_name, msmg_value ",
     " INNER JOIN m_search_motor_gear AS msmg ON (msv.msv_msmg_cd = msmg.msmg_cd) AND (mxc.mxc_msmg_cd = "
     "msmg.msmg_cd) ",
     " msv_msmg_cd = ", " mxc_msmg_cd = ",
     " GROUP BY msmg_cd, msmg_name, msmg_value, msmg_orderby ORDER BY msmg_orderby "},
    {"OilSeal", "LabelOilSeal", "ComboBoxOilSeal", " msos_name ", " msos_cd, msos_name ",
     " INNER JOIN m_search_oil_seal AS msos ON mxc.mxc_msos_cd = msos.msos_cd ", " mxc_msos_cd = ", "",
     " GROUP BY msos_cd, msos_name, msos_orderby ORDER BY msos_orderby "},
    {"MotorShaft", "LabelMotorShaft", "ComboBoxMotorShaft", " msms_name ", " msms_cd, msms_name ",
     " INNER JOIN m_search_motor_shaft AS msms ON mxc.mxc_msms_cd = msms.msms_cd ", " mxc_msms_cd = ", "",
     " GROUP BY msms_cd, msms_name, msms_orderby ORDER BY msms_orderby "},
    {"GearType", "LabelGearType", "ComboBoxGearType", " msgt_name ", " msgt_cd, msgt_name ",
     " INNER JOIN m_search_gear_type AS msgt ON (msv.msv_msgt_cd = msgt.msgt_cd) AND (mxc.mxc_msgt_cd = "
     "msgt.msgt_cd) ",
     " mxc_msgt_cd = ", "", " GROUP BY msgt_cd, msgt_name, msgt_orderby ORDER BY msgt_orderby "},
    {"GearRate", "LabelGearRate", "ComboBoxGearRate", " msgr_name, msgr_value ", " msgr_cd, msgr_name ",
     " INNER JOIN m_search_gear_rate AS msgr ON (msv.msv_msgr_cd = msgr.msgr_cd) AND (mxc.mxc_msgr_cd = "
     "msgr.msgr_cd) ",
     " msv_msgr_cd = ", "", " GROUP BY msgr_cd, msgr_name, msgr_orderby ORDER BY msgr_orderby "},
    {"GearShaft", "LabelGearShaft", "ComboBoxGearShaft", " msgs_name ", " msgs_cd, msgs_name ",
     " INNER JOIN m_search_gear_shaft AS msgs ON mxc.mxc_msgs_cd = msgs.msgs_cd ", " mxc_msgs_cd = ", "",
     " GROUP BY msgs_cd, msgs_name, msgs_orderby ORDER BY msgs_orderby "},
}};

int TSearchItemState::CurrentCode() const {
    return Chosen() ? std::atoi(Codes[static_cast<size_t>(Selected)].c_str()) : 0;
}

int TSearchItemState::IndexOfCode(int code) const {
    const std::string text = std::to_string(code);
    for (size_t i = 0; i < Codes.size(); ++i)
        if (Codes[i] == text) return static_cast<int>(i);
    return -1;
}

}  // namespace kinemo
