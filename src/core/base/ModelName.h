// Model names as the user types them, made comparable with the catalog's.
#pragma once

#include <string>

namespace kinemo {

// Trimmed, upper case, only the characters A to Z and 0 to 9 kept ("krs0101-abs0 " gives
// "KRS0101ABS0"); used by every page where a model name is typed.
std::string NormalizeModel(const std::string& typed);

}  // namespace kinemo
