// The catalog queries of the option detail page, exactly as the catalog's conventions give
// them (the blanks inside the lines matter: the lines are joined as they are).
#pragma once

#include <string>
#include <vector>

namespace kinemo {

// Kind tables: select table, its alias, value table, its alias.
struct TOptionKindTables {
    const char* Select;
    const char* SelectAlias;
    const char* Value;
    const char* ValueAlias;
};
extern const TOptionKindTables kInterfaceKind, kManualKind, kSoftwareKind, kRS232CKind, kRS485Kind, kBatteryKind,
    kPowerKind, kEtcKind;

// Entries of a choice list for motor :ID (cd, name, alert, alert_color).
std::vector<std::string> ChoiceListSql(const std::string& table, const std::string& alias);
// Cable lengths of motor :ID and cable choice :TOCCID.
std::vector<std::string> CableLengthSql();
// Option rows of a kind for motor :MOTORID, filtered by :TOSMID when withChoice.
std::vector<std::string> KindSql(const TOptionKindTables& kind, bool withChoice);
// Cable rows of motor :MOTORID, length :MOCLCD, choice :TOCCID.
std::vector<std::string> CableSql();
// The battery case switch of :MOTORID / :MOCLID / :TOCCID.
std::vector<std::string> BatteryFolderSql();
// Rows replacing interface and power box rows for :MOTORID / :MOCLID / :TOCCID.
std::vector<std::string> OuttabSql();
// Rows replacing cable and battery rows while switch :ID is on.
std::vector<std::string> ExchangeSql();
// One choice with its alert (:ID).
std::vector<std::string> AlertSql();

}  // namespace kinemo
