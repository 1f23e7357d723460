// Amount texts.
#include "base/AmountText.h"

#include "base/Catalog.h"

namespace kinemo {

std::string AmountText(const std::string& moneySymbol, long long value) {
    if (value == 0) return "";
    // The magnitude as unsigned: the most negative value has no positive counterpart.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const std::string digits = std::to_string(magnitude);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return moneySymbol + (value < 0 ? "-" : "") + grouped;
}

std::string ReadMoneySymbol(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("SELECT cfg_value,cfg_name FROM s_config WHERE cfg_class=:CONTROL");
    query.SetParam("CONTROL", "money_symbol");
    query.Open();
    std::string symbol = query.Eof() ? std::string() : query.AsString(1);
    query.Close();
    return symbol;
}

}  // namespace kinemo
