// Typed model names.
#include "base/ModelName.h"

#include <cctype>

namespace kinemo {

std::string NormalizeModel(const std::string& typed) {
    std::string out;
    for (unsigned char c : typed) {
        const char u = static_cast<char>(std::toupper(c));
        if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) out.push_back(u);
    }
    return out;
}

}  // namespace kinemo
