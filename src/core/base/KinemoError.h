// The one base class of every error the system raises; the UI and CLI catch it at their boundary.
#pragma once

#include <stdexcept>
#include <string>

namespace kinemo {

class TKinemoError : public std::runtime_error {
public:
    explicit TKinemoError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kinemo
