// TFormulaEngine: the facade every caller uses to run catalog formulas (VBScript) and read results.
#pragma once

#include "formula/FormulaError.h"
#include "formula/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kinemo {

class TRuntime;

// One use of the engine: create it, run statements, read variables, drop it. Nothing
// survives from one engine to the next (only parsed texts are cached, invisibly).
// Errors are TFormulaError with VBScript's description, the line and the line's text.
// Not thread-safe; separate engines may run on separate threads.
class TFormulaEngine {
public:
    TFormulaEngine();
    ~TFormulaEngine();
    TFormulaEngine(const TFormulaEngine&) = delete;
    TFormulaEngine& operator=(const TFormulaEngine&) = delete;

    // Runs one statement or a whole text (lines separated by CR LF, LF, CR or ':').
    // Procedures and variables it defines stay for later calls on this engine.
    void ExecuteStatement(std::string_view text);

    // The value of a variable (Empty when never assigned), or of any expression.
    Variant Eval(std::string_view name);
    // Eval converted as callers ask; Empty gives 0 or "".
    double EvalDouble(std::string_view name);
    int64_t EvalInteger(std::string_view name);  // rounded half to even, as VBScript's CLng
    std::string EvalText(std::string_view name);

    // Script-level variables in the order of their first assignment (the CLI lists them).
    std::vector<std::pair<std::string, Variant>> AssignedVariables() const;

    // Steps one ExecuteStatement or Eval may take before it is stopped as runaway
    // Makes this fresh engine what other is now, as if it had run the same texts: callers
    // that start many formulas from one long hand-over text run that text once. False,
    // changing nothing, when other defines procedures; the caller then runs the texts.
    bool CopyStateFrom(const TFormulaEngine& other);

    // (default 50 million; a step is a statement or a loop turn).
    void SetStepBudget(int64_t steps);

private:
    template <typename Fn>
    auto Converted(std::string_view name, Fn&& convert);

    std::unique_ptr<TRuntime> rt_;
};

}  // namespace kinemo
