// Prices as the user reads them: the catalog's money symbol and the whole amount with
// thousands separators ("#,###"); zero gives an empty text.
#pragma once

#include <string>

namespace kinemo {

class TCatalogQuery;

std::string AmountText(const std::string& moneySymbol, long long value);
// The cfg_name of the s_config row "money_symbol"; empty when the catalog has none.
std::string ReadMoneySymbol(TCatalogQuery& query);

}  // namespace kinemo
