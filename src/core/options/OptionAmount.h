// Amounts as the option pages and the quotation show them: the money symbol followed by the
// whole amount with thousands separators; zero shows nothing.
#pragma once

#include <string>

namespace kinemo {

// "#,###" with the symbol in front ("$12,345"); 0 gives an empty text; a negative amount
// keeps its sign after the symbol.
std::string AmountText(const std::string& moneySymbol, long long amount);

}  // namespace kinemo
