// The evaluator's state: script-level variables and procedures, frames, the step budget and Err.
#pragma once

#include "formula/Ast.h"
#include "formula/FormulaError.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

namespace kinemo {

// A variable's storage. Flags mark the slots that need more than a plain read or write, so
// the common path tests one byte.
struct TVariable {
    enum : uint8_t {
        kProcedure = 1,  // the name is a Function or Sub: reading it calls it
        kUndefined = 2,  // Option Explicit and never declared: any use is an error
        kConst = 4,
        kFresh = 8,      // script level, never assigned yet: the first write records its order
    };
    static constexpr uint8_t kReadSlow = kProcedure | kUndefined;

    Variant value;
    uint32_t order = 0;  // script level: 1 + rank of first assignment; 0 = never assigned
    uint8_t flags = 0;
};

struct TProgramRun;
class TRuntime;

// A script-level name: its variable, or the procedure it names.
struct TGlobalEntry {
    TVariable var;
    std::string_view name;  // lower case; points into a program the runtime keeps
    std::string_view shown; // as first written
    uint64_t hash = 0;
    bool declared = false;  // Dim, Const or ReDim at script level
    bool dormant = false;   // cleared away: as if never seen, until a text or the host names it again
    const TFuncDecl* func = nullptr;
    TProgramRun* funcRun = nullptr;  // the run whose bindings the procedure's body uses

    bool Exists() const { return declared || var.order != 0 || func; }
};

// The bindings of one program in one runtime: script-level names to entries, and for each
// procedure its names to entries.
struct TProgramRun {
    std::shared_ptr<const TProgram> program;
    std::vector<TVariable*> vars;
    std::vector<TGlobalEntry*> entries;
    std::vector<std::vector<TGlobalEntry*>> funcEntries;  // per procedure, per name
};

// One activation: the script level of a program, or one procedure call.
struct TFrame {
    TRuntime& rt;
    TVariable** vars;         // by name id of the scope
    TGlobalEntry** entries;   // by name id: the script-level entry of the name
    const TScope* scope;
    const TProgram* program;
    const TFuncDecl* func = nullptr;
    TProgramRun* run = nullptr;
    bool resumeNext = false;
};

class TRuntime {
public:
    TRuntime();
    TRuntime(const TRuntime&) = delete;
    TRuntime& operator=(const TRuntime&) = delete;

    // Binds the program's names and runs its script-level code.
    void Run(const std::shared_ptr<const TProgram>& program);
    // Binds and evaluates an expression program.
    Variant Evaluate(const std::shared_ptr<const TProgram>& program);

    TGlobalEntry* Find(std::string_view lowerName, uint64_t hash) const;
    // Takes over other's script-level variables, Err and Rnd state, as if this runtime had
    // run the same texts. Only a runtime without procedures can be copied (their bindings
    // point into the other runtime): false then, and nothing changes.
    bool CopyStateFrom(const TRuntime& other);
    // Sets a script-level variable as a script-level "name = value" would (the same
    // order of first assignment, the same error for a constant or a procedure), without a
    // text to parse: what an embedding host does with its globals.
    void SetGlobal(std::string_view name, Variant value);
    // Every script-level variable that was assigned, in the order of first assignment.
    std::vector<const TGlobalEntry*> AssignedInOrder() const;
    // The entry a host name was set through before, or null: its name needs no checking
    // again. stable is then the name as given, in storage that lives as long as the entry.
    TGlobalEntry* KnownHostName(std::string_view name, std::string_view& stable) const;
    // Sets a known host name's entry as SetGlobal does.
    void SetKnown(TGlobalEntry& e, std::string_view stable, Variant value);
    // Sets element index of a one-dimensional script-level array, as "name(index) = value".
    void SetElement(std::string_view name, int index, Variant value);
    // Element index of a one-dimensional script-level array; false when name is none.
    bool Element(std::string_view lowerName, uint64_t hash, int index, Variant& out) const;

    // Reuse of one runtime for many formula runs. Clear makes it what a fresh runtime is,
    // keeping the names it has bound (running the same texts again binds nothing). Mark
    // remembers the state now and Rewind returns to it. Both are false, changing nothing,
    // once procedures are defined (their bindings cannot be rewound): Clear still works.
    void Clear();
    bool Mark();
    bool Rewind();
    bool Reused() const { return reused_; }

    // ----- used by the evaluator -----
    // The budget is counted down in slices; the end of a slice checks the whole budget and
    // the clock, so the common path stays one decrement and a test.
    void Step() {
        if (--stepsLeft_ < 0) NextSlice();
    }
    // Charges the budget for building a value of that many bytes (a step per 8), before building it.
    void ChargeBytes(size_t bytes);
    // Charges the budget for reading that many bytes (a step per 64): a text function's work.
    void ChargeRead(size_t bytes) {
        stepsLeft_ -= static_cast<int64_t>(bytes >> 6);
        if (stepsLeft_ < 0) NextSlice();
    }
    // Charges an error swallowed by On Error Resume Next: raising and catching one costs
    // about as much as this many plain statements.
    void ChargeSwallowedError() {
        stepsLeft_ -= kSwallowedErrorSteps;
        if (stepsLeft_ < 0) NextSlice();
    }
    void SetStepBudget(int64_t steps) {
        budget_ = steps;
        StartBudget();
    }
    int64_t StepBudget() const { return budget_; }
    // Wall-clock time one run may take (0: unlimited). The clock starts at the end of the
    // first slice, so the many short runs of a judgement never read it.
    void SetTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }
    std::chrono::milliseconds TimeLimit() const { return timeLimit_; }

    Variant CallProcedure(TFrame& caller, TGlobalEntry& entry, const std::vector<TExprPtr>& args);
    Variant CallOwnFunction(TFrame& caller, const std::vector<TExprPtr>& args);
    void Assign(TVariable& v, Variant value);
    // Records the first assignment of a script-level variable (for AssignedInOrder).
    void MarkAssigned(TVariable& v) {
        if (v.flags & TVariable::kFresh) {
            v.flags &= static_cast<uint8_t>(~TVariable::kFresh);
            v.order = nextOrder_++;
        }
    }
    void AssignSlow(TFrame& f, uint32_t id, TVariable& v, Variant value);
    [[noreturn]] void FailUndefined(const TFrame& f, uint32_t id) const;
    std::string_view NameOf(const TFrame& f, uint32_t id) const { return f.scope->names[id].shown; }

    // Err
    int errNumber = 0;
    std::string errDescription;
    std::string errSource;
    void ClearErr() {
        errNumber = 0;
        errDescription.clear();
        errSource.clear();
    }

    // Rnd's generator state: VBScript's 24-bit linear congruential sequence.
    uint32_t rndSeed = 327680;
    float rndLast = 0;

    static constexpr int64_t kDefaultStepBudget = 50'000'000;
    static constexpr int64_t kSliceSteps = int64_t{1} << 16;
    static constexpr int64_t kSwallowedErrorSteps = 100;
    // The time limit of new runtimes: the catalog's setting once it is read.
    static std::atomic<int64_t> defaultTimeLimitMs;
    static constexpr int kMaxCallDepth = 400;
    static constexpr size_t kMaxValueBytes = size_t{64} << 20;

private:
    [[noreturn]] void StepLimit() const;
    [[noreturn]] void TimeLimitReached() const;
    // Ends a slice: charges its overshoot to the rest of the budget, checks the clock and
    // hands out the next slice, or raises the step or time limit.
    void NextSlice();
    // A fresh budget for a new run.
    void StartBudget() {
        stepsLeft_ = budget_ < kSliceSteps ? budget_ : kSliceSteps;
        reserve_ = budget_ - stepsLeft_;
        clockStarted_ = false;
    }
    TGlobalEntry& FindOrAdd(const TName& name);
    // Appends an entry for name; the caller places it in the table.
    TGlobalEntry& NewEntry(const TName& name);
    // Makes room for that many more names without rehashing on the way.
    void Reserve(size_t more);
    TGlobalEntry& Entry(size_t i) const { return chunks_[i / kChunk][i % kChunk]; }
    std::unique_ptr<TProgramRun> Bind(const std::shared_ptr<const TProgram>& program);
    // The program's bindings, made once per program and runtime and refreshed per run.
    TProgramRun& BoundRun(const std::shared_ptr<const TProgram>& program);
    void ClearEntry(TGlobalEntry& e);
    void ClearEverything();
    void ApplyDecl(TVariable& v, const TDecl& d);
    Variant Invoke(TFrame& caller, const TFuncDecl& fn, TProgramRun& run, const std::vector<TExprPtr>& args);

    int64_t stepsLeft_;   // in the current slice
    int64_t reserve_ = 0;  // of the budget, beyond the current slice
    int64_t budget_;
    std::chrono::milliseconds timeLimit_;
    std::chrono::steady_clock::time_point deadline_{};
    bool clockStarted_ = false;
    int callDepth_ = 0;
    uint32_t nextOrder_ = 1;
    // Entries never move (frames point at them): fixed-size chunks, allocated as needed, small
    // enough that a fresh engine makes no large allocation, and constructed without zeroing.
    static constexpr size_t kChunk = 8;
    std::vector<std::unique_ptr<TGlobalEntry[]>> chunks_;
    size_t count_ = 0;
    std::vector<uint32_t> table_;  // open addressing: entry index + 1, 0 = empty
    std::vector<std::shared_ptr<const TProgram>> programs_;  // keep entry names alive
    std::vector<std::shared_ptr<const TName>> hostNames_;     // names only SetGlobal brought
    std::vector<std::unique_ptr<TProgramRun>> keptRuns_;     // runs whose procedures remain callable
    TVariable undefined_;
    // Bindings of programs without procedures, by program; entries never move, so they stay valid.
    std::unordered_map<const TProgram*, std::unique_ptr<TProgramRun>> bound_;
    // Host names set before, as given, to their entries (the key is the stable shown name).
    struct TTextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, TGlobalEntry*, TTextHash, std::equal_to<>> hostEntries_;
    // The state Mark remembered.
    struct TMarked {
        Variant value;
        uint32_t order;
        uint8_t flags;
        bool declared, dormant;
    };
    bool marked_ = false;
    // Cleared or marked once: kept for many runs, so bindings and host names are worth keeping.
    bool reused_ = false;
    std::vector<TMarked> markedEntries_;
    uint32_t markedOrder_ = 1;
    int markedErrNumber_ = 0;
    std::string markedErrDescription_, markedErrSource_;
    uint32_t markedRndSeed_ = 0;
    float markedRndLast_ = 0;
};

// Elements of an array with these upper bounds; "Out of memory" past what a formula needs.
size_t ElementCount(const std::vector<int32_t>& upper);

// Runs a block; errors are given the failing statement's line, or swallowed under
// On Error Resume Next.
EFlow ExecBlock(const TStmtBlock& block, TFrame& f);
// Gives an unlocated error the line of the statement or expression that raised it.
void Locate(TFormulaError& e, const TFrame& f, int line);

}  // namespace kinemo
