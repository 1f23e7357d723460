// Reading and running the drive-pattern formulas.
#include "pattern/DrivePatternFormulas.h"

#include "formula/FormulaEngine.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "units/ValueFormat.h"

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
    for (const char* key : Keys()) formulas_.SetValue(key, ReadDrivePatternText(query, key));
}

std::vector<double> TDrivePatternFormulas::Run(const std::string& key,
                                               std::initializer_list<std::pair<const char*, double>> variables,
                                               std::initializer_list<const char*> names) const {
    TFormulaEngine engine(programs_);
    for (const auto& [name, value] : variables) engine.ExecuteStatement(std::string(name) + "=" + FloatToText(value));
    engine.ExecuteStatement(Text(key));
    std::vector<double> results;
    results.reserve(names.size());
    for (const char* name : names) results.push_back(engine.EvalDouble(name));
    return results;
}

}  // namespace kinemo
