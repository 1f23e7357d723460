// The application title: the caption of error reports and the name of the per-user folder.
#pragma once

namespace kinemo {

inline constexpr const char* kApplicationTitle = "Kinemo";

}  // namespace kinemo
