// Keys of remembered results: the complete inputs of a calculation as bytes, so that two
// equal keys mean equal inputs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace kinemo {

// A text with its length first, so that neighbouring texts cannot run into each other.
inline void AppendKeyText(std::string& key, std::string_view text) {
    const auto n = static_cast<uint32_t>(text.size());
    key.append(reinterpret_cast<const char*>(&n), sizeof n);
    key.append(text);
}

// A plain value (numbers bit for bit).
template <typename T>
void AppendKeyBytes(std::string& key, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace kinemo
