// Runs every tests/data/formula/*.vbs script and checks the expectations written inside it.
//
// "x = ...   ' expect: 12.5" checks the variable assigned on that line once the script has run
// (so such a variable is not assigned again later). "' expect error line 4: Division by zero"
// says the run stops with that error (message prefix) on that line.
#include "formula/FormulaEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kinemo::TFormulaEngine;
using kinemo::TFormulaError;
using kinemo::Variant;

// Computed doubles are compared to their expected text within this relative distance.
constexpr double kFloatTolerance = 1e-12;

struct TValueExpectation {
    int line;
    std::string name;
    std::string expected;
};

struct TScript {
    std::string text;
    std::vector<TValueExpectation> values;
    int errorLine = 0;
    std::string errorMessage;
};

std::string Trim(std::string s) {
    const size_t b = s.find_first_not_of(" \t\r");
    const size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

TScript Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    TScript s;
    s.text = buf.str();
    std::istringstream lines(s.text);
    std::string line;
    for (int n = 1; std::getline(lines, line); ++n) {
        const size_t err = line.find("' expect error line ");
        if (err != std::string::npos) {
            const std::string rest = line.substr(err + 20);
            s.errorLine = std::stoi(rest);
            s.errorMessage = Trim(rest.substr(rest.find(':') + 1));
            continue;
        }
        const size_t exp = line.find("' expect:");
        if (exp == std::string::npos) continue;
        // The last statement of the line is the assignment checked.
        std::string code = line.substr(0, exp);
        const size_t colon = code.rfind(':');
        if (colon != std::string::npos) code = code.substr(colon + 1);
        std::string name = Trim(code.substr(0, code.find('=')));
        if (name.rfind("Let ", 0) == 0) name = Trim(name.substr(4));
        std::string expected = Trim(line.substr(exp + 9));
        // "quoted" keeps blanks at either end.
        if (expected.size() >= 2 && expected.front() == '"' && expected.back() == '"')
            expected = expected.substr(1, expected.size() - 2);
        s.values.push_back({n, name, expected});
    }
    return s;
}

std::string Shown(const Variant& v) {
    switch (v.GetType()) {
        case Variant::Type::Null: return "Null";
        case Variant::Type::Nothing: return "Nothing";
        case Variant::Type::Array: return "(array)";
        default: return v.ToText();
    }
}

bool Matches(const Variant& v, const std::string& expected) {
    const std::string shown = Shown(v);
    if (shown == expected) return true;
    const bool isFloat = v.GetType() == Variant::Type::Double || v.GetType() == Variant::Type::Single;
    char* end = nullptr;
    const double want = std::strtod(expected.c_str(), &end);
    if (!isFloat || end == expected.c_str() || *end != '\0') return false;
    const double got = v.DoubleValue();
    const double have = v.GetType() == Variant::Type::Single ? v.SingleValue() : got;
    const double tol = v.GetType() == Variant::Type::Single ? 1e-6 : kFloatTolerance;
    return std::fabs(have - want) <= tol * std::max(1.0, std::fabs(want));
}

std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(KINEMO_TEST_DATA_DIR "/formula"))
        if (e.path().extension() == ".vbs") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FormulaScript : public ::testing::TestWithParam<std::string> {};

TEST_P(FormulaScript, MeetsItsExpectations) {
    const TScript s = Load(std::filesystem::path(KINEMO_TEST_DATA_DIR "/formula") / (GetParam() + ".vbs"));
    ASSERT_TRUE(!s.values.empty() || s.errorLine > 0) << "the script states no expectation";
    TFormulaEngine engine;
    try {
        engine.ExecuteStatement(s.text);
        EXPECT_EQ(s.errorLine, 0) << "expected an error at line " << s.errorLine << ": " << s.errorMessage;
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Line(), s.errorLine) << e.what();
        EXPECT_EQ(e.Message(), s.errorMessage);
    }
    for (const auto& x : s.values) {
        const Variant v = engine.Eval(x.name);
        EXPECT_TRUE(Matches(v, x.expected)) << "line " << x.line << ": " << x.name << " is '" << Shown(v) << "' ("
                                            << v.TypeName() << "), expected '" << x.expected << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, FormulaScript, ::testing::ValuesIn(ScriptNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
