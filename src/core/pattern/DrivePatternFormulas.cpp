// Reading and running the drive-pattern formulas.
#include "pattern/DrivePatternFormulas.h"

#include "formula/FormulaEngine.h"
#include "formula/ProgramCache.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "units/ValueFormat.h"

#include <exception>

namespace kinemo {

const std::array<const char*, 12>& TDrivePatternFormulas::Keys() {
    static const std::array<const char*, 12> keys = {
        "SetElapsedTime",
        "SetTimeInterval",
        "StraightChangePosition",
        "RollingChangePosition",
        "SetFrequency",
        "SetSpeed",
        "StraightUpdateSpeed",
        "RollingUpdateSpeed",
        "StraightSpeedGridAcceleration",
        "RollingSpeedGridAcceleration",
        "StraightPositionGridAcceleration",
        "RollingPositionGridAcceleration",
    };
    return keys;
}

void TDrivePatternFormulas::Load(TCatalogQuery& query) {
    formulas_.Clear();
    recent_.Clear();
    for (const char* key : Keys()) formulas_.SetValue(key, ReadDrivePatternText(query, key));
}

std::vector<double> TDrivePatternFormulas::Run(const std::string& key,
                                               std::initializer_list<std::pair<const char*, double>> variables,
                                               std::initializer_list<const char*> names) const {
    const std::string text = Text(key);
    // Without a program cache there is no parsed program to ask about Rnd: nothing is kept.
    // A text that does not parse is left to the engine, which reports it as always.
    bool reusable = false;
    if (programs_) {
        try {
            reusable = !programs_->Get(text, TProgramCache::EKind::kStatements)->callsRandom;
        } catch (const std::exception&) {
            reusable = false;
        }
    }
    TRunInput input;
    if (reusable) {
        input.Signature = key;
        for (const auto& [name, value] : variables) {
            input.Signature.append(1, '\n').append(name);
            input.Values.push_back({value});
        }
        for (const char* name : names) input.Signature.append(1, '\t').append(name);
        if (const std::vector<double>* hit = recent_.Find(input)) return *hit;
    }
    TFormulaEngine engine(programs_);
    for (const auto& [name, value] : variables) engine.ExecuteStatement(std::string(name) + "=" + FloatToText(value));
    std::vector<double> results;
    results.reserve(names.size());
    RunNamedFormula(DrivePatternKey(key), [&] {
        engine.ExecuteStatement(text);
        for (const char* name : names) results.push_back(engine.EvalDouble(name));
    });
    if (reusable) recent_.Remember(std::move(input), results);
    return results;
}

}  // namespace kinemo
