// Catalog text and setting readers.
#include "base/CatalogText.h"

#include "base/Catalog.h"

namespace kinemo {

namespace {

std::string FirstText(TCatalogQuery& q) {
    q.Open();
    std::string out = q.Eof() ? std::string() : q.AsString(0);
    q.Close();
    return out;
}

}  // namespace

TNameValueList ReadMessageClass(TCatalogQuery& query, const std::string& cls, bool orderByCode) {
    query.Close();
    query.SetSQL(std::string("select msg_control, msg_value from s_message where msg_class=:CLASS") +
                 (orderByCode ? " order by msg_cd" : ""));
    query.SetParam("CLASS", cls);
    query.Open();
    TNameValueList list;
    for (; !query.Eof(); query.Next()) list.SetValue(query.AsString(0), query.AsString(1));
    query.Close();
    return list;
}

std::string ReadMessageText(TCatalogQuery& query, const std::string& cls, const std::string& control) {
    query.Close();
    query.SetSQL("select msg_value from s_message where msg_class=:CLASS and msg_control=:CONTROL");
    query.SetParam("CLASS", cls);
    query.SetParam("CONTROL", control);
    return FirstText(query);
}

std::vector<std::string> ReadMessageItems(TCatalogQuery& query, const std::string& cls, const std::string& control) {
    query.Close();
    query.SetSQL("select msg_value from s_message where msg_class=:CLASS and msg_control=:CONTROL order by msg_cd");
    query.SetParam("CLASS", cls);
    query.SetParam("CONTROL", control);
    query.Open();
    std::vector<std::string> out;
    for (; !query.Eof(); query.Next()) out.push_back(query.AsString(0));
    query.Close();
    return out;
}

std::pair<std::string, std::string> ReadMessageWithSymbol(TCatalogQuery& query, const std::string& cls,
                                                          const std::string& control) {
    query.Close();
    query.SetSQL("select msg_value, msg_symbol from s_message where msg_class=:CLASS and msg_control=:CONTROL");
    query.SetParam("CLASS", cls);
    query.SetParam("CONTROL", control);
    query.Open();
    std::pair<std::string, std::string> out;
    if (!query.Eof()) out = {query.AsString(0), query.AsString(1)};
    query.Close();
    return out;
}

long long ReadConfigInteger(TCatalogQuery& query, const std::string& key) {
    query.Close();
    query.SetSQL("SELECT cfg_value FROM s_config WHERE cfg_class = :CONTROL");
    query.SetParam("CONTROL", key);
    query.Open();
    long long v = query.Eof() ? 0 : query.AsInteger(0);
    query.Close();
    return v;
}

std::string ReadConfigText(TCatalogQuery& query, const std::string& key) {
    query.Close();
    query.SetSQL("SELECT cfg_name FROM s_config WHERE cfg_class = :CONTROL");
    query.SetParam("CONTROL", key);
    return FirstText(query);
}

std::string ReadDrivePatternText(TCatalogQuery& query, const std::string& key) {
    query.Close();
    query.SetSQL("select mdp_value from m_drive_pattern where mdp_class=:CLASS");
    query.SetParam("CLASS", key);
    return FirstText(query);
}

std::string ReadMdbVersionText(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("select mdv_value from m_db_version where mdv_cd=1");
    return FirstText(query);
}

}  // namespace kinemo
