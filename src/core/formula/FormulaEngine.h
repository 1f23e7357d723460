// TFormulaEngine: the facade every caller uses to run catalog formulas (VBScript) and read results.
#pragma once

#include "formula/FormulaError.h"
#include "formula/Variant.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kinemo {

class TProgramCache;
struct TProgram;
class TRuntime;

// One use of the engine: create it, run statements, read variables, drop it. Nothing
// survives from one engine to the next (only parsed texts are cached, invisibly, in the
// run's program cache when one is given; without one every text is parsed).
// Errors are TFormulaError with VBScript's description, the line and the line's text.
// Not thread-safe; separate engines may run on separate threads.
class TFormulaEngine {
public:
    explicit TFormulaEngine(TProgramCache* programs = nullptr);
    ~TFormulaEngine();
    TFormulaEngine(const TFormulaEngine&) = delete;
    TFormulaEngine& operator=(const TFormulaEngine&) = delete;

    // Runs one statement or a whole text (lines separated by CR LF, LF, CR or ':').
    // Procedures and variables it defines stay for later calls on this engine.
    void ExecuteStatement(std::string_view text);

    // Sets a script-level variable directly, as a host sets its globals: the same effect
    // as running "name = value" (first-assignment order, the error for a constant or a
    // procedure), with no text to build or parse. A number is a Double, a text a String;
    // SetVariable takes any value (a literal's subtype, for one).
    void SetVariable(std::string_view name, const Variant& value);
    void SetNumber(std::string_view name, double value) { SetVariable(name, Variant::Double(value)); }
    void SetText(std::string_view name, std::string_view text) { SetVariable(name, Variant::String(text)); }

    // Sets element index of a one-dimensional array the texts declared, as "name(index) = value".
    void SetElement(std::string_view name, int index, const Variant& value);

    // The value of a variable (Empty when never assigned), or of any expression.
    Variant Eval(std::string_view name);
    // Eval converted as callers ask; Empty gives 0 or "".
    double EvalDouble(std::string_view name);
    int64_t EvalInteger(std::string_view name);  // rounded half to even, as VBScript's CLng
    std::string EvalText(std::string_view name);
    // Eval("name(index)") with no text to build or look up for a one-dimensional array.
    Variant EvalElement(std::string_view name, int index);

    // Script-level variables in the order of their first assignment (the CLI lists them).
    std::vector<std::pair<std::string, Variant>> AssignedVariables() const;

    // Makes this fresh engine what other is now, as if it had run the same texts: callers
    // that start many formulas from one long hand-over text run that text once. False,
    // changing nothing, when other defines procedures; the caller then runs the texts.
    bool CopyStateFrom(const TFormulaEngine& other);

    // One engine for many formula runs, each as if in a fresh engine. Clear makes this
    // engine what a fresh one is, keeping only what it learnt about the texts' names, so
    // running the same texts again neither parses nor binds them. Mark remembers the state
    // now (typically after the values every run starts from) and Rewind returns to it, as
    // if a fresh engine had run the same texts up to Mark. Mark and Rewind are false,
    // changing nothing, when procedures are defined: the caller then Clears and runs its
    // texts again.
    void Clear();
    bool Mark();
    bool Rewind();

    // Steps one ExecuteStatement or Eval may take before it is stopped as runaway
    // (default 50 million; a step is a statement or a loop turn).
    void SetStepBudget(int64_t steps);
    // Wall-clock time one ExecuteStatement or Eval may take (0: unlimited); a run past it
    // ends with "Time limit exceeded", which On Error Resume Next cannot swallow.
    void SetTimeLimit(std::chrono::milliseconds limit);
    // The time limit of engines made from now on (the catalog's setting; 2 s until read).
    static void SetDefaultTimeLimit(std::chrono::milliseconds limit);
    static std::chrono::milliseconds DefaultTimeLimit();

    // The program cache this engine parses through (null: none).
    TProgramCache* Programs() const { return programs_; }

private:
    template <typename Fn>
    auto Converted(std::string_view name, Fn&& convert);

    std::shared_ptr<const TProgram> Program(std::string_view text, bool expression);

    TProgramCache* programs_;
    std::unique_ptr<TRuntime> rt_;
    // The programs of texts this engine ran lately, by the text's address: an engine reused
    // for many runs finds its texts again by one comparison, without hashing them.
    struct TRecentProgram {
        const char* data = nullptr;
        bool expression = false;
        std::shared_ptr<const TProgram> program;
    };
    std::unique_ptr<std::array<TRecentProgram, 32>> recent_;  // once the engine is reused
};

}  // namespace kinemo
