// The evaluator's state: binding a program's names, procedure calls, assignment and the step budget.
#include "formula/Runtime.h"

#include "formula/Lexer.h"

#include "base/ScopedRestore.h"

#include <algorithm>
#include <array>

namespace kinemo {

namespace {

// Frames of up to this many names keep their variables on the C++ stack.
constexpr size_t kInlineLocals = 12;

struct TCallDepthGuard {
    explicit TCallDepthGuard(int& d) : depth(d) {
        if (++depth > TRuntime::kMaxCallDepth) {
            --depth;
            VbFail(EVbError::kOutOfStack);
        }
    }
    ~TCallDepthGuard() { --depth; }
    int& depth;
};

}  // namespace

size_t ElementCount(const std::vector<int32_t>& upper) {
    size_t total = 1;
    for (int32_t ub : upper) {
        if (ub < -1) VbFail(EVbError::kSubscriptOutOfRange);
        total *= static_cast<size_t>(ub) + 1;  // ub + 1 in int overflows for Dim b(2147483647)
        if (total > TRuntime::kMaxValueBytes) VbFail(EVbError::kOutOfMemory);
    }
    return total;
}

std::atomic<int64_t> TRuntime::defaultTimeLimitMs{2000};

TRuntime::TRuntime()
    : stepsLeft_(0), budget_(kDefaultStepBudget), timeLimit_(defaultTimeLimitMs.load(std::memory_order_relaxed)) {
    StartBudget();
    undefined_.flags = TVariable::kUndefined;
}

void TRuntime::StepLimit() const {
    throw TFormulaError(EVbError::kStepLimit,
                        "more than " + std::to_string(budget_) + " steps (an endless loop?)");
}

void TRuntime::TimeLimitReached() const {
    const long long ms = timeLimit_.count();
    const std::string amount = ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
    throw TFormulaError(EVbError::kTimeLimit, "more than " + amount + " (an endless loop?)");
}

void TRuntime::NextSlice() {
    reserve_ += stepsLeft_;  // what the slice overshot, a large charge for one
    stepsLeft_ = 0;
    if (reserve_ < 0) StepLimit();
    if (timeLimit_.count() > 0) {
        const auto now = std::chrono::steady_clock::now();
        if (!clockStarted_) {
            clockStarted_ = true;
            deadline_ = now + timeLimit_;
        } else if (now > deadline_) {
            TimeLimitReached();
        }
    }
    stepsLeft_ = reserve_ < kSliceSteps ? reserve_ : kSliceSteps;
    reserve_ -= stepsLeft_;
}

void TRuntime::ChargeBytes(size_t bytes) {
    // No formula needs a value this large; refusing it keeps a runaway formula's memory small.
    if (bytes > kMaxValueBytes) VbFail(EVbError::kOutOfMemory);
    stepsLeft_ -= static_cast<int64_t>(bytes / 8);
    if (stepsLeft_ < 0) NextSlice();
}

TGlobalEntry* TRuntime::Find(std::string_view lowerName, uint64_t hash) const {
    if (table_.empty()) return nullptr;
    const size_t mask = table_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint32_t slot = table_[i];
        if (slot == 0) return nullptr;
        TGlobalEntry& e = Entry(slot - 1);
        if (e.hash == hash && e.name == lowerName) return &e;
    }
}

void TRuntime::Reserve(size_t more) {
    const size_t needed = (count_ + more) * 2;
    if (needed <= table_.size()) return;
    const size_t size = NameTableSize(count_ + more);
    std::vector<uint32_t> table(size, 0);
    const size_t mask = size - 1;
    for (size_t k = 0; k < count_; ++k) {
        size_t i = Entry(k).hash & mask;
        while (table[i] != 0) i = (i + 1) & mask;
        table[i] = static_cast<uint32_t>(k + 1);
    }
    table_ = std::move(table);
}

TGlobalEntry& TRuntime::FindOrAdd(const TName& name) {
    Reserve(1);
    const size_t mask = table_.size() - 1;
    size_t i = name.hash & mask;
    for (;; i = (i + 1) & mask) {
        const uint32_t slot = table_[i];
        if (slot == 0) break;
        TGlobalEntry& e = Entry(slot - 1);
        if (e.hash == name.hash && e.name == name.text) {
            if (e.dormant) {
                e.dormant = false;
                e.shown = name.shown;
            }
            return e;
        }
    }
    TGlobalEntry& e = NewEntry(name);
    table_[i] = static_cast<uint32_t>(count_);
    return e;
}

TGlobalEntry& TRuntime::NewEntry(const TName& name) {
    if (count_ % kChunk == 0) chunks_.push_back(std::make_unique_for_overwrite<TGlobalEntry[]>(kChunk));
    TGlobalEntry& e = Entry(count_++);
    e.name = name.text;
    e.shown = name.shown;
    e.hash = name.hash;
    e.var.flags = TVariable::kFresh;
    return e;
}

bool TRuntime::CopyStateFrom(const TRuntime& o) {
    if (!o.keptRuns_.empty() || !keptRuns_.empty()) return false;
    for (size_t k = 0; k < o.count_; ++k)
        if (o.Entry(k).func) return false;
    ClearEverything();
    for (size_t k = 0; k < o.count_; ++k) {
        if (k % kChunk == 0) chunks_.push_back(std::make_unique_for_overwrite<TGlobalEntry[]>(kChunk));
        Entry(k) = o.Entry(k);
    }
    count_ = o.count_;
    table_ = o.table_;
    programs_ = o.programs_;  // the entries' names point into these texts
    hostNames_ = o.hostNames_;
    nextOrder_ = o.nextOrder_;
    errNumber = o.errNumber;
    errDescription = o.errDescription;
    errSource = o.errSource;
    rndSeed = o.rndSeed;
    rndLast = o.rndLast;
    budget_ = o.budget_;
    timeLimit_ = o.timeLimit_;
    StartBudget();
    return true;
}

void TRuntime::ApplyDecl(TVariable& v, const TDecl& d) {
    if (d.isConst) {
        v.value = d.constValue;
        v.flags |= TVariable::kConst;
        MarkAssigned(v);
    } else if (d.isArray) {
        // Counts as assigned once an element is.
        TArrayData a;
        a.upper = d.bounds;
        a.fixed = !d.bounds.empty();
        const size_t n = ElementCount(a.upper);
        ChargeBytes(n * sizeof(Variant));
        a.items.resize(n);
        v.value = Variant::Array(std::move(a));
    }
    // A plain Dim keeps the value a previous text gave the name.
}

std::unique_ptr<TProgramRun> TRuntime::Bind(const std::shared_ptr<const TProgram>& program) {
    auto run = std::make_unique<TProgramRun>();
    run->program = program;
    const TScope& g = program->globals;
    const size_t n = g.names.size();
    run->entries.resize(n);
    run->vars.resize(n);
    if (count_ == 0 && n > 0 && program->nameTable.size() == NameTableSize(n)) {
        // The first program of a fresh runtime: its names become entries 0..n-1 and the
        // program's own table is the one inserting them would build.
        chunks_.reserve((n + kChunk - 1) / kChunk);
        for (size_t i = 0; i < n; ++i) run->entries[i] = &NewEntry(g.names[i]);
        table_ = program->nameTable;
    } else {
        Reserve(n);
        for (size_t i = 0; i < n; ++i) run->entries[i] = &FindOrAdd(g.names[i]);
    }
    // Procedures and declarations take effect before the first statement runs.
    for (const auto& fn : program->funcs) {
        TGlobalEntry& e = *run->entries[fn->globalId];
        e.func = fn.get();
        e.funcRun = run.get();
        e.var.flags |= TVariable::kProcedure;
    }
    for (const TDecl& d : g.decls) {
        TGlobalEntry& e = *run->entries[d.id];
        e.declared = true;
        ApplyDecl(e.var, d);
    }
    for (size_t i = 0; i < n; ++i) {
        TGlobalEntry& e = *run->entries[i];
        run->vars[i] = program->optionExplicit && !e.Exists() ? &undefined_ : &e.var;
    }
    run->funcEntries.resize(program->funcs.size());
    for (const auto& fn : program->funcs) {
        auto& entries = run->funcEntries[fn->index];
        entries.resize(fn->scope.names.size(), nullptr);
        for (size_t k = 0; k < entries.size(); ++k)
            if (fn->scope.kinds[k] == ENameKind::kFree) entries[k] = &FindOrAdd(fn->scope.names[k]);
    }
    return run;
}

TProgramRun& TRuntime::BoundRun(const std::shared_ptr<const TProgram>& program) {
    // Not a structured binding: a lambda may capture those only from C++20 compilers on.
    const auto emplaced = bound_.try_emplace(program.get());
    const auto it = emplaced.first;
    if (emplaced.second) {
        programs_.push_back(program);
        TRestoreOnExit forget([this, it] { bound_.erase(it); });
        it->second = Bind(program);
        forget.Commit();
        return *it->second;
    }
    // Bound before: the entries are the same; what binding does to them is done again.
    TProgramRun& run = *it->second;
    const TScope& g = program->globals;
    const size_t n = g.names.size();
    for (size_t i = 0; i < n; ++i) {
        TGlobalEntry& e = *run.entries[i];
        if (e.dormant) {
            e.dormant = false;
            e.shown = g.names[i].shown;
        }
    }
    for (const TDecl& d : g.decls) {
        TGlobalEntry& e = *run.entries[d.id];
        e.declared = true;
        ApplyDecl(e.var, d);
    }
    if (program->optionExplicit)
        for (size_t i = 0; i < n; ++i) {
            TGlobalEntry& e = *run.entries[i];
            run.vars[i] = !e.Exists() ? &undefined_ : &e.var;
        }
    return run;
}

void TRuntime::Run(const std::shared_ptr<const TProgram>& program) {
    StartBudget();  // the budget is per call: each text is one formula run
    TProgramRun* run;
    std::unique_ptr<TProgramRun> once;
    if (reused_ && program->funcs.empty()) {
        run = &BoundRun(program);
    } else {
        if (programs_.empty()) programs_.reserve(4);  // a fresh engine runs a few texts
        programs_.push_back(program);
        once = Bind(program);
        run = once.get();
        // Procedures stay callable by later texts, so their bindings live as long as the runtime.
        if (!program->funcs.empty()) keptRuns_.push_back(std::move(once));
    }
    TFrame f{*this, run->vars.data(), run->entries.data(), &program->globals, program.get()};
    f.run = run;
    ExecBlock(program->body, f);
}

Variant TRuntime::Evaluate(const std::shared_ptr<const TProgram>& program) {
    StartBudget();
    std::unique_ptr<TProgramRun> once;
    TProgramRun* run;
    if (reused_) {
        run = &BoundRun(program);
    } else {
        programs_.push_back(program);
        once = Bind(program);
        run = once.get();
    }
    TFrame f{*this, run->vars.data(), run->entries.data(), &program->globals, program.get()};
    f.run = run;
    try {
        return program->expression->Eval(f);
    } catch (TFormulaError& e) {
        Locate(e, f, program->expression->line);
        throw;
    }
}

void TRuntime::SetGlobal(std::string_view name, Variant value) {
    std::string lower;
    LowerName(name, lower);
    const uint64_t hash = HashName(lower);
    TGlobalEntry* e = Find(lower, hash);
    if (!e) {
        auto owned = std::make_shared<const TName>(TName{std::move(lower), hash, std::string(name)});
        hostNames_.push_back(owned);
        e = &FindOrAdd(*owned);
    }
    if (!reused_) {
        if (e->dormant) {  // only a copied runtime has dormant entries without being reused
            e->dormant = false;
            auto owned = std::make_shared<const TName>(TName{std::string(e->name), e->hash, std::string(name)});
            hostNames_.push_back(owned);
            e->shown = owned->shown;
        }
        if (e->func || (e->var.flags & (TVariable::kConst | TVariable::kProcedure)))
            VbFailName(EVbError::kIllegalAssignment, e->shown);
        Assign(e->var, std::move(value));
        return;
    }
    auto known = hostEntries_.try_emplace(std::string(name), e).first;
    SetKnown(*e, known->first, std::move(value));
}

TGlobalEntry* TRuntime::KnownHostName(std::string_view name, std::string_view& stable) const {
    if (hostEntries_.empty()) return nullptr;
    auto it = hostEntries_.find(name);
    if (it == hostEntries_.end()) return nullptr;
    stable = it->first;
    return it->second;
}

void TRuntime::SetKnown(TGlobalEntry& e, std::string_view stable, Variant value) {
    if (e.dormant) {
        e.dormant = false;
        e.shown = stable;
    }
    if (e.func || (e.var.flags & (TVariable::kConst | TVariable::kProcedure)))
        VbFailName(EVbError::kIllegalAssignment, e.shown);
    Assign(e.var, std::move(value));
}

void TRuntime::SetElement(std::string_view name, int index, Variant value) {
    const TLoweredName lowered(name);
    const std::string_view lower = lowered.View();
    TGlobalEntry* e = Find(lower, HashName(lower));
    if (!e || e->dormant || !e->var.value.IsArray()) VbFailName(EVbError::kTypeMismatch, name);
    if (e->func || (e->var.flags & (TVariable::kConst | TVariable::kProcedure)))
        VbFailName(EVbError::kIllegalAssignment, e->shown);
    TArrayData& d = e->var.value.MutableArray();
    if (d.Dimensions() != 1 || index < 0 || index > d.upper[0]) VbFail(EVbError::kSubscriptOutOfRange);
    d.items[static_cast<size_t>(index)] = std::move(value);
    MarkAssigned(e->var);
}

bool TRuntime::Element(std::string_view lowerName, uint64_t hash, int index, Variant& out) const {
    const TGlobalEntry* e = Find(lowerName, hash);
    if (!e || e->func || !e->Exists() || !e->var.value.IsArray()) return false;
    const TArrayData& d = e->var.value.ArrayValue();
    if (d.Dimensions() != 1 || index < 0 || index > d.upper[0]) return false;
    out = d.items[static_cast<size_t>(index)];
    return true;
}

void TRuntime::ClearEntry(TGlobalEntry& e) {
    e.var.value = Variant();
    e.var.order = 0;
    e.var.flags = TVariable::kFresh;
    e.declared = false;
    e.dormant = true;
}

void TRuntime::ClearEverything() {
    marked_ = false;
    markedEntries_.clear();
    bound_.clear();
    hostEntries_.clear();
    keptRuns_.clear();
    chunks_.clear();
    count_ = 0;
    table_.clear();
    programs_.clear();
    hostNames_.clear();
}

void TRuntime::Clear() {
    reused_ = true;
    // Procedures' bindings cannot be undone, and names seen once are kept only up to a bound.
    constexpr size_t kMaxKeptNames = 4096, kMaxKeptPrograms = 1024;
    if (!keptRuns_.empty() || count_ > kMaxKeptNames || bound_.size() > kMaxKeptPrograms) {
        ClearEverything();
    } else {
        for (size_t k = 0; k < count_; ++k) ClearEntry(Entry(k));
        marked_ = false;
    }
    nextOrder_ = 1;
    ClearErr();
    rndSeed = 327680;
    rndLast = 0;
    StartBudget();
    callDepth_ = 0;
}

bool TRuntime::Mark() {
    reused_ = true;
    marked_ = false;
    if (!keptRuns_.empty()) return false;
    markedEntries_.resize(count_);
    for (size_t k = 0; k < count_; ++k) {
        const TGlobalEntry& e = Entry(k);
        markedEntries_[k] = TMarked{e.var.value, e.var.order, e.var.flags, e.declared, e.dormant};
    }
    markedOrder_ = nextOrder_;
    markedErrNumber_ = errNumber;
    markedErrDescription_ = errDescription;
    markedErrSource_ = errSource;
    markedRndSeed_ = rndSeed;
    markedRndLast_ = rndLast;
    marked_ = true;
    return true;
}

bool TRuntime::Rewind() {
    if (!marked_ || !keptRuns_.empty()) return false;
    const size_t n = markedEntries_.size();
    for (size_t k = 0; k < n; ++k) {
        TGlobalEntry& e = Entry(k);
        const TMarked& m = markedEntries_[k];
        e.var.value = m.value;
        e.var.order = m.order;
        e.var.flags = m.flags;
        e.declared = m.declared;
        e.dormant = m.dormant;
    }
    for (size_t k = n; k < count_; ++k) ClearEntry(Entry(k));
    nextOrder_ = markedOrder_;
    errNumber = markedErrNumber_;
    errDescription = markedErrDescription_;
    errSource = markedErrSource_;
    rndSeed = markedRndSeed_;
    rndLast = markedRndLast_;
    StartBudget();
    callDepth_ = 0;
    return true;
}

std::vector<const TGlobalEntry*> TRuntime::AssignedInOrder() const {
    std::vector<const TGlobalEntry*> out;
    for (size_t k = 0; k < count_; ++k) {
        const TGlobalEntry& e = Entry(k);
        if (e.var.order != 0 && !e.func) out.push_back(&e);
    }
    std::sort(out.begin(), out.end(), [](const TGlobalEntry* a, const TGlobalEntry* b) { return a->var.order < b->var.order; });
    return out;
}

void TRuntime::Assign(TVariable& v, Variant value) {
    MarkAssigned(v);
    v.value = std::move(value);
}

void TRuntime::AssignSlow(TFrame& f, uint32_t id, TVariable& v, Variant value) {
    if (v.flags & TVariable::kUndefined) FailUndefined(f, id);
    if (v.flags & (TVariable::kConst | TVariable::kProcedure)) VbFailName(EVbError::kIllegalAssignment, NameOf(f, id));
    Assign(v, std::move(value));
}

void TRuntime::FailUndefined(const TFrame& f, uint32_t id) const {
    VbFailName(EVbError::kVariableUndefined, NameOf(f, id));
}

Variant TRuntime::CallProcedure(TFrame& caller, TGlobalEntry& entry, const std::vector<TExprPtr>& args) {
    return Invoke(caller, *entry.func, *entry.funcRun, args);
}

Variant TRuntime::CallOwnFunction(TFrame& caller, const std::vector<TExprPtr>& args) {
    return Invoke(caller, *caller.func, *caller.run, args);
}

Variant TRuntime::Invoke(TFrame& caller, const TFuncDecl& fn, TProgramRun& run, const std::vector<TExprPtr>& args) {
    if (args.size() != fn.params.size()) VbFailName(EVbError::kWrongArgCount, fn.shownName);
    TCallDepthGuard depthGuard(callDepth_);
    const TScope& sc = fn.scope;
    const size_t n = sc.names.size();
    std::array<TVariable, kInlineLocals> inlineLocals;
    std::array<TVariable*, kInlineLocals> inlineVars{};
    std::unique_ptr<TVariable[]> heapLocals;
    std::unique_ptr<TVariable*[]> heapVars;
    TVariable* locals = inlineLocals.data();
    TVariable** vars = inlineVars.data();
    if (n > kInlineLocals) {
        heapLocals = std::make_unique<TVariable[]>(n);
        heapVars = std::make_unique<TVariable*[]>(n);
        locals = heapLocals.get();
        vars = heapVars.get();
    }
    // Arguments are evaluated in the caller's frame; a plain variable passed ByRef is shared.
    for (size_t i = 0; i < fn.params.size(); ++i) {
        const TParam& p = fn.params[i];
        const TExpr& arg = *args[i];
        if (p.byRef && arg.kind == EExpr::kVar && !arg.parenthesized) {
            TVariable* cv = caller.vars[static_cast<const TVarExpr&>(arg).id];
            if (!(cv->flags & (TVariable::kReadSlow | TVariable::kConst))) {
                vars[p.id] = cv;
                continue;
            }
        }
        locals[p.id].value = arg.Eval(caller);
        vars[p.id] = &locals[p.id];
    }
    TGlobalEntry** entries = run.funcEntries[fn.index].data();
    const bool strict = run.program->optionExplicit;
    for (size_t k = 0; k < n; ++k) {
        switch (sc.kinds[k]) {
            case ENameKind::kParam: break;
            case ENameKind::kLocal:
            case ENameKind::kResult: vars[k] = &locals[k]; break;
            case ENameKind::kFree: {
                // A script-level variable of that name, else an implicit local.
                TGlobalEntry* e = entries[k];
                vars[k] = e->Exists() ? &e->var : (strict ? &undefined_ : &locals[k]);
                break;
            }
        }
    }
    for (const TDecl& d : sc.decls) ApplyDecl(locals[d.id], d);
    TFrame f{*this, vars, entries, &sc, run.program.get()};
    f.func = &fn;
    f.run = &run;
    ExecBlock(fn.body, f);
    if (fn.isSub) return Variant();
    return std::move(locals[fn.resultId].value);
}

void Locate(TFormulaError& e, const TFrame& f, int line) {
    if (!e.Located()) e.Locate(line, f.program->LineText(line));
}

EFlow ExecBlock(const TStmtBlock& block, TFrame& f) {
    for (const TStmtPtr& s : block) {
        try {
            f.rt.Step();
            const EFlow flow = s->Exec(f);
            if (flow != EFlow::kNormal) return flow;
        } catch (TFormulaError& e) {
            Locate(e, f, s->line);
            if (!f.resumeNext || !e.Trappable()) throw;
            f.rt.ChargeSwallowedError();
            f.rt.errNumber = e.Number();
            f.rt.errDescription = e.Description();
        }
    }
    return EFlow::kNormal;
}

}  // namespace kinemo
