// The "formula" command of kinemo-cli: runs a formula file in a fresh engine, for catalog authors.
#include "cli/Commands.h"
#include "formula/FormulaEngine.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace kinemo::cli {

namespace {

std::string Shown(const Variant& v) {
    switch (v.GetType()) {
        case Variant::Type::Empty: return {};
        case Variant::Type::Null: return "Null";
        case Variant::Type::Nothing: return "Nothing";
        default: return v.ToText();
    }
}

// Arrays print one line per element, the indexes in the name: Torque(0)=1.5.
void Print(const std::string& name, const Variant& v) {
    if (!v.IsArray()) {
        std::printf("%s=%s\n", name.c_str(), Shown(v).c_str());
        return;
    }
    const TArrayData& d = v.ArrayValue();
    std::vector<int32_t> index(d.Dimensions(), 0);
    for (const Variant& item : d.items) {
        std::string label = name + "(";
        for (size_t k = 0; k < index.size(); ++k) label += (k ? "," : "") + std::to_string(index[k]);
        Print(label + ")", item);
        for (size_t k = 0; k < index.size() && ++index[k] > d.upper[k]; ++k) index[k] = 0;
    }
}

int RunFormula(const Arguments& args) {
    if (args.positional.empty()) throw UsageError{"a formula file is needed"};
    const std::string& path = args.positional[0];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kinemo-cli: cannot read %s\n", path.c_str());
        return 1;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    std::string text = buf.str();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    TFormulaEngine engine;
    try {
        engine.ExecuteStatement(text);
        if (args.positional.size() > 1) {
            for (size_t i = 1; i < args.positional.size(); ++i) Print(args.positional[i], engine.Eval(args.positional[i]));
        } else {
            for (const auto& [name, value] : engine.AssignedVariables()) Print(name, value);
        }
    } catch (const TFormulaError& e) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
        return 1;
    }
    return 0;
}

const CommandRegistrar kRegistrar({"formula", "formula FILE [NAME ...]",
                                   RunFormula, {}});

}  // namespace

}  // namespace kinemo::cli
