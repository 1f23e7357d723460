// Option detail queries.
#include "options/OptionQueries.h"

namespace kinemo {

const TOptionKindTables kInterfaceKind{"t_option_interface_select", "tois", "m_option_interface_value", "moiv"};
const TOptionKindTables kManualKind{"t_option_manual_select", "toms", "m_option_manual_value", "momv"};
const TOptionKindTables kSoftwareKind{"t_option_software_select", "toss", "m_option_software_value", "mosv"};
const TOptionKindTables kRS232CKind{"t_option_rs232c_select", "to2s", "m_option_rs232c_value", "mo2v"};
const TOptionKindTables kRS485Kind{"t_option_rs485_select", "to4s", "m_option_rs485_value", "mo4v"};
const TOptionKindTables kBatteryKind{"t_option_battery_select", "tobs", "m_option_battery_value", "mobv"};
const TOptionKindTables kPowerKind{"t_option_power_select", "tops", "m_option_power_value", "mopv"};
const TOptionKindTables kEtcKind{"t_option_etc_select", "toes", "m_option_etc_value", "moev"};

std::vector<std::string> ChoiceListSql(const std::string& t, const std::string& a) {
    return {"SELECT tosm_cd AS cd, tosm_name AS name, ",
            " tosm_alert AS alert, tosm_alert_color AS alert_color ",
            " FROM t_motor_value AS msv INNER JOIN",
            " (" + t + " AS " + a + " INNER JOIN t_option_select_master AS tosm",
            " ON " + a + "." + a + "_tosm_cd = tosm.tosm_cd) ON msv.msv_cd = " + a + "." + a + "_msv_cd",
            " WHERE msv_cd=:ID GROUP BY tosm_cd, tosm_name, ",
            " tosm_alert, tosm_alert_color ORDER BY tosm_cd"};
}

std::vector<std::string> CableLengthSql() {
    return {"SELECT mocl_cd AS cd, mocl_name AS name, NULL AS alert, NULL AS alert_color ",
            " FROM t_motor_value AS msv INNER JOIN",
            "(t_option_cable_cross AS tocc INNER JOIN m_option_cable_length AS mocl",
            "ON tocc.tocc_mocl_cd = mocl.mocl_cd) ON msv.msv_cd = tocc.tocc_msv_cd",
            "WHERE msv_cd=:ID AND tocc_tosm_cd=:TOCCID",
            "GROUP BY mocl_cd, mocl_name ORDER BY mocl_cd"};
}

std::vector<std::string> KindSql(const TOptionKindTables& k, bool withChoice) {
    const std::string t = k.Select, s = k.SelectAlias, v = k.Value, p = k.ValueAlias;
    std::vector<std::string> lines = {
        "SELECT movm_cd AS cd, movm_title AS title, movm_name AS name, movm_price AS price, ",
        " movm_message AS print_message, ",
        p + "_default_check AS default_check, " + p + "_disable AS disable",
        " FROM",
        " ((t_motor_value AS msv INNER JOIN " + t + " AS " + s + " ON msv.msv_cd = " + s + "." + s + "_msv_cd) ",
        " INNER JOIN " + v + " AS " + p + " ON  " + s + "." + s + "_cd = " + p + "." + p + "_" + s + "_cd) ",
        " INNER JOIN m_option_value_master AS movm ON movm.movm_cd = " + p + "." + p + "_movm_cd ",
        " WHERE msv_cd=:MOTORID "};
    if (withChoice) lines.push_back("AND " + s + "_tosm_cd=:TOSMID");
    lines.push_back("ORDER BY " + p + "." + p + "_cd");
    return lines;
}

std::vector<std::string> CableSql() {
    return {"SELECT movm_cd AS cd, movm_title AS title, movm_name AS name, movm_price AS price, ",
            " movm_message AS print_message, ",
            " mocv_default_check AS default_check, mocv_disable AS disable",
            "FROM",
            "(((t_motor_value AS msv INNER JOIN t_option_cable_cross AS tocc ON msv.msv_cd = tocc.tocc_msv_cd)",
            "INNER JOIN m_option_cable_length AS mocl ON mocl.mocl_cd = tocc.tocc_mocl_cd)",
            "INNER JOIN m_option_cable_value AS mocv ON tocc.tocc_cd = mocv.mocv_tocc_cd)",
            "INNER JOIN m_option_value_master AS movm ON movm.movm_cd = mocv.mocv_movm_cd",
            "WHERE msv_cd=:MOTORID AND mocl_cd=:MOCLCD AND tocc_tosm_cd=:TOCCID ORDER BY mocv_cd"};
}

std::vector<std::string> BatteryFolderSql() {
    return {"SELECT tocxs_cd AS cd, tocxs_default_check AS default_check, tocxs_disable AS disable, ",
            " tosm_name AS name, tosm_alert AS alert, tosm_alert_color AS alert_color ",
            " FROM (t_option_cable_cross AS tocc INNER JOIN t_option_cable_exchange_select AS tocxs ON ",
            " tocc.tocc_cd = tocxs.tocxs_tocc_cd) INNER JOIN t_option_select_master AS tosm ON ",
            " tocxs.tocxs_tosm_cd = tosm.tosm_cd ",
            " WHERE tocc_msv_cd=:MOTORID AND tocc_mocl_cd=:MOCLID AND tocc_tosm_cd=:TOCCID "};
}

std::vector<std::string> OuttabSql() {
    return {"SELECT movm_cd AS cd, movm_title AS title, movm_name AS name, movm_price AS price, ",
            " movm_message AS print_message, ",
            " mocov_target_cd AS target, mocov_default_check AS default_check, mocov_disable AS disable ",
            " FROM (t_option_cable_cross AS tocc INNER JOIN m_option_cable_outtab_value AS mocov ON ",
            " tocc.tocc_cd = mocov.mocov_tocc_cd) INNER JOIN m_option_value_master AS movm ON ",
            " mocov.mocov_movm_cd = movm.movm_cd ",
            " WHERE tocc_msv_cd=:MOTORID AND tocc_mocl_cd=:MOCLID AND tocc_tosm_cd=:TOCCID "};
}

std::vector<std::string> ExchangeSql() {
    return {"SELECT movm_cd AS cd, movm_title AS title, movm_name AS name, movm_price AS price, ",
            " movm_message AS print_message, ",
            " mocxv_target_cd AS target, mocxv_default_check AS default_check, mocxv_disable AS disable ",
            " FROM m_option_cable_exchange_value AS mocxv INNER JOIN m_option_value_master AS movm ",
            " ON mocxv.mocxv_movm_cd = movm.movm_cd WHERE mocxv_toxs_cd=:ID"};
}

std::vector<std::string> AlertSql() {
    return {"SELECT tosm_cd AS cd, tosm_name AS name, tosm_alert AS alert, tosm_alert_color AS alert_color ",
            " FROM t_option_select_master WHERE tosm_cd=:ID"};
}

}  // namespace kinemo
