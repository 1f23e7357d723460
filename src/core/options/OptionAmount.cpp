// Amount texts.
#include "options/OptionAmount.h"

namespace kinemo {

std::string AmountText(const std::string& moneySymbol, long long amount) {
    if (amount == 0) return {};
    const bool negative = amount < 0;
    unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(amount) : static_cast<unsigned long long>(amount);
    std::string digits = std::to_string(v);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return moneySymbol + (negative ? "-" : "") + grouped;
}

}  // namespace kinemo
