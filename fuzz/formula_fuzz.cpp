// libFuzzer target: arbitrary text through the formula parser and evaluator, as statements and as an expression.
#include "formula/FormulaEngine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kinemo::TFormulaEngine engine;
    // A small budget keeps each input fast; hitting it is the expected end of a runaway loop.
    engine.SetStepBudget(100000);
    try {
        engine.ExecuteStatement(text);
    } catch (const kinemo::TFormulaError&) {
    }
    for (const auto& [name, value] : engine.AssignedVariables()) {
        try {
            engine.EvalText(name);
        } catch (const kinemo::TFormulaError&) {
        }
    }
    try {
        engine.Eval(text);
    } catch (const kinemo::TFormulaError&) {
    }
    return 0;
}
