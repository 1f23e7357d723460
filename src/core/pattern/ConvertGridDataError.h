// The error a failed conversion between the speed and the position input type raises.
#pragma once

#include "base/KinemoError.h"

namespace kinemo {

class EConvertGridDataError : public TKinemoError {
public:
    explicit EConvertGridDataError(const std::string& message) : TKinemoError(message) {}
};

}  // namespace kinemo
