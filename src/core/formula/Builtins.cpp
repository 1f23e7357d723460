// Name lookup of the built-in functions and constants, and the functions a sandboxed formula may not call.
#include "formula/Builtins.h"

#include "formula/FormulaError.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kinemo {

namespace {

// Object creation, code evaluation and user interaction stay outside the sandbox; calling
// them is an error that names the function rather than a puzzling "Type mismatch".
Variant Denied(const TBuiltinArgs&) { VbFail(EVbError::kPermissionDenied, "not available in formulas"); }

const TBuiltin kDeniedBuiltins[] = {
    {"createobject", 0, 255, Denied}, {"getobject", 0, 255, Denied}, {"execute", 0, 255, Denied},
    {"executeglobal", 0, 255, Denied}, {"eval", 0, 255, Denied}, {"msgbox", 0, 255, Denied},
    {"inputbox", 0, 255, Denied}, {"getref", 0, 255, Denied}, {"loadpicture", 0, 255, Denied},
};

struct TTable {
    std::vector<TBuiltin> all;  // sorted by name
    std::vector<std::string_view> names;  // all[i].name, measured once for the lookups
    TTable() {
        all.insert(all.end(), kNumericBuiltins, kNumericBuiltins + kNumericBuiltinCount);
        all.insert(all.end(), kTextBuiltins, kTextBuiltins + kTextBuiltinCount);
        all.insert(all.end(), std::begin(kDeniedBuiltins), std::end(kDeniedBuiltins));
        std::sort(all.begin(), all.end(),
                  [](const TBuiltin& a, const TBuiltin& b) { return std::string_view(a.name) < b.name; });
        for (const TBuiltin& b : all) names.emplace_back(b.name);
    }
};

const TTable& Table() {
    static const TTable table;
    return table;
}

struct TConstant {
    std::string_view name;
    int kind;  // 0: integer value, 1: text
    int value;
    std::string_view text;
};

const TConstant kConstants[] = {
    {"vbarray", 0, 8192, {}}, {"vbbinarycompare", 0, 0, {}}, {"vbboolean", 0, 11, {}},
    {"vbbyte", 0, 17, {}}, {"vbcr", 1, 0, "\r"}, {"vbcrlf", 1, 0, "\r\n"},
    {"vbdouble", 0, 5, {}}, {"vbempty", 0, 0, {}}, {"vbfalse", 0, 0, {}},
    {"vbformfeed", 1, 0, "\f"}, {"vbinteger", 0, 2, {}}, {"vblf", 1, 0, "\n"},
    {"vblong", 0, 3, {}}, {"vbnewline", 1, 0, "\r\n"}, {"vbnull", 0, 1, {}},
    {"vbnullchar", 1, 0, std::string_view("\0", 1)}, {"vbnullstring", 1, 0, ""},
    {"vbobject", 0, 9, {}}, {"vbsingle", 0, 4, {}}, {"vbstring", 0, 8, {}}, {"vbtab", 1, 0, "\t"},
    {"vbtextcompare", 0, 1, {}}, {"vbtrue", 0, -1, {}}, {"vbusedefault", 0, -2, {}},
    {"vbvariant", 0, 12, {}}, {"vbverticaltab", 1, 0, "\v"},
};

}  // namespace

int FindBuiltin(std::string_view lowerName) {
    const auto& names = Table().names;
    auto it = std::lower_bound(names.begin(), names.end(), lowerName);
    if (it == names.end() || *it != lowerName) return -1;
    return static_cast<int>(it - names.begin());
}

const TBuiltin& BuiltinAt(int index) { return Table().all[static_cast<size_t>(index)]; }

bool FindConstant(std::string_view lowerName, Variant& out) {
    if (lowerName.size() < 4 || lowerName[0] != 'v' || lowerName[1] != 'b') return false;
    for (const auto& c : kConstants) {
        if (c.name != lowerName) continue;
        out = c.kind == 0 ? Variant::FromInt64(c.value) : Variant::String(c.text);
        return true;
    }
    return false;
}

}  // namespace kinemo
