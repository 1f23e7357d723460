// Readers of the catalog's texts (s_message), settings (s_config) and version (m_db_version).
#pragma once

#include "base/NameValueList.h"

#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;

// "select msg_control, msg_value from s_message where msg_class=:CLASS [order by msg_cd]":
// msg_control -> msg_value, a later row replacing an earlier one.
TNameValueList ReadMessageClass(TCatalogQuery& query, const std::string& cls, bool orderByCode = false);
// One text; no row gives an empty text.
std::string ReadMessageText(TCatalogQuery& query, const std::string& cls, const std::string& control);
// The texts of one key in msg_cd order (the items of a choice box).
std::vector<std::string> ReadMessageItems(TCatalogQuery& query, const std::string& cls, const std::string& control);
// msg_value and msg_symbol of one key (first row; empty texts when none).
std::pair<std::string, std::string> ReadMessageWithSymbol(TCatalogQuery& query, const std::string& cls,
                                                          const std::string& control);

// s_config: a missing key reads as 0 or as the empty text.
long long ReadConfigInteger(TCatalogQuery& query, const std::string& key);
std::string ReadConfigText(TCatalogQuery& query, const std::string& key);

// A formula text of m_drive_pattern; empty when the catalog has no row for the key.
std::string ReadDrivePatternText(TCatalogQuery& query, const std::string& key);

// m_db_version row 1.
std::string ReadMdbVersionText(TCatalogQuery& query);

}  // namespace kinemo
