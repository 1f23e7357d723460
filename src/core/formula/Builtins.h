// The built-in functions and named constants of the language, found by name when parsing.
#pragma once

#include "formula/Variant.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kinemo {

class TRuntime;

// The evaluated arguments of one built-in call.
struct TBuiltinArgs {
    TRuntime& rt;
    const Variant* const* values;
    size_t count;

    size_t size() const { return count; }
    const Variant& operator[](size_t i) const { return *values[i]; }
    bool Has(size_t i) const { return i < count; }
};

using TBuiltinFn = Variant (*)(const TBuiltinArgs&);

struct TBuiltin {
    const char* name;  // lower case
    uint8_t minArgs;
    uint16_t maxArgs;
    TBuiltinFn fn;
};

// Index of the built-in function of that (lower-case) name, or -1.
int FindBuiltin(std::string_view lowerName);
const TBuiltin& BuiltinAt(int index);
// vbCrLf, vbTab, vbTextCompare...: true and the value when the name is one.
bool FindConstant(std::string_view lowerName, Variant& out);

// The groups of built-ins, each defined in its own file.
extern const TBuiltin kNumericBuiltins[];
extern const size_t kNumericBuiltinCount;
extern const TBuiltin kTextBuiltins[];
extern const size_t kTextBuiltinCount;

}  // namespace kinemo
