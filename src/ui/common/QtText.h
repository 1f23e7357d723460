// The catalog's and the core's texts (UTF-8) as Qt strings.
#pragma once

#include <QString>

#include <string>

namespace kinemo {

inline QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace kinemo
