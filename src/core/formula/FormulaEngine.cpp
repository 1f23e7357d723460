// The formula engine facade: cached parsing, running, and reading results back.
#include "formula/FormulaEngine.h"

#include "formula/Builtins.h"
#include "formula/Lexer.h"
#include "formula/Parser.h"
#include "formula/ProgramCache.h"
#include "formula/Runtime.h"

#include <new>

namespace kinemo {

namespace {

// A plain variable name, which Eval can read without parsing.
bool IsPlainName(std::string_view s) {
    if (s.empty() || s.size() > 255) return false;
    const char c0 = s[0];
    if (!((c0 >= 'a' && c0 <= 'z') || (c0 >= 'A' && c0 <= 'Z'))) return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

}  // namespace

TFormulaEngine::TFormulaEngine(TProgramCache* programs) : programs_(programs), rt_(std::make_unique<TRuntime>()) {}

TFormulaEngine::~TFormulaEngine() = default;

std::shared_ptr<const TProgram> TFormulaEngine::Program(std::string_view text, bool expression) {
    if (programs_ && rt_->Reused()) {
        if (!recent_) recent_ = std::make_unique<std::array<TRecentProgram, 32>>();
        TRecentProgram& r = (*recent_)[(reinterpret_cast<uintptr_t>(text.data()) >> 3) % recent_->size()];
        // The same address may hold another text by now: the text itself decides.
        if (r.data == text.data() && r.expression == expression && r.program && r.program->text == text)
            return r.program;
        auto program =
            programs_->Get(text, expression ? TProgramCache::EKind::kExpression : TProgramCache::EKind::kStatements);
        r = TRecentProgram{text.data(), expression, program};
        return program;
    }
    if (programs_)
        return programs_->Get(text, expression ? TProgramCache::EKind::kExpression : TProgramCache::EKind::kStatements);
    return expression ? ParseExpressionProgram(std::string(text)) : ParseProgram(std::string(text));
}

void TFormulaEngine::ExecuteStatement(std::string_view text) {
    auto program = Program(text, false);
    try {
        rt_->Run(program);
    } catch (const std::bad_alloc&) {
        throw TFormulaError(EVbError::kOutOfMemory, {}, 1, program->LineText(1));
    }
}

void TFormulaEngine::SetVariable(std::string_view name, const Variant& value) {
    // A name set before was checked then: the checks depend on nothing but the name.
    std::string_view stable;
    if (TGlobalEntry* known = rt_->KnownHostName(name, stable)) {
        try {
            rt_->SetKnown(*known, stable, value);
        } catch (TFormulaError& e) {
            if (!e.Located()) e.Locate(1, std::string(name));
            throw;
        }
        return;
    }
    if (!IsPlainName(name) || FindKeyword(name) != EKw::kNone)
        throw TFormulaError(EVbError::kExpectedIdentifier, {}, 1, std::string(name));
    std::string lower;
    LowerName(name, lower);
    Variant constant;
    if (FindConstant(lower, constant) || FindBuiltin(lower) >= 0 || lower == "err")
        throw TFormulaError(EVbError::kIllegalAssignment, "'" + std::string(name) + "'", 1, std::string(name));
    try {
        rt_->SetGlobal(name, value);
    } catch (TFormulaError& e) {
        if (!e.Located()) e.Locate(1, std::string(name));
        throw;
    }
}

Variant TFormulaEngine::Eval(std::string_view name) {
    if (IsPlainName(name)) {
        const TLoweredName lowered(name);
        const std::string_view lower = lowered.View();
        const TGlobalEntry* e = rt_->Find(lower, HashName(lower));
        // Only a variable that was set: a built-in's name (Rnd) must still be called.
        if (e && !e->func && e->Exists()) return e->var.value;
    }
    return rt_->Evaluate(Program(name, true));
}

void TFormulaEngine::SetElement(std::string_view name, int index, const Variant& value) {
    try {
        rt_->SetElement(name, index, value);
    } catch (TFormulaError& e) {
        if (!e.Located()) e.Locate(1, std::string(name));
        throw;
    }
}

Variant TFormulaEngine::EvalElement(std::string_view name, int index) {
    if (IsPlainName(name)) {
        const TLoweredName lowered(name);
        const std::string_view lower = lowered.View();
        Variant v;
        if (rt_->Element(lower, HashName(lower), index, v)) return v;
    }
    return Eval(std::string(name) + "(" + std::to_string(index) + ")");
}

void TFormulaEngine::Clear() { rt_->Clear(); }

bool TFormulaEngine::Mark() { return rt_->Mark(); }

bool TFormulaEngine::Rewind() { return rt_->Rewind(); }

template <typename Fn>
auto TFormulaEngine::Converted(std::string_view name, Fn&& convert) {
    const Variant v = Eval(name);
    try {
        return convert(v);
    } catch (TFormulaError& e) {
        if (!e.Located()) e.Locate(1, std::string(name));
        throw;
    }
}

double TFormulaEngine::EvalDouble(std::string_view name) {
    return Converted(name, [](const Variant& v) { return v.ToDouble(); });
}

int64_t TFormulaEngine::EvalInteger(std::string_view name) {
    return Converted(name, [](const Variant& v) { return v.ToInteger(); });
}

std::string TFormulaEngine::EvalText(std::string_view name) {
    return Converted(name, [](const Variant& v) { return v.ToText(); });
}

std::vector<std::pair<std::string, Variant>> TFormulaEngine::AssignedVariables() const {
    std::vector<std::pair<std::string, Variant>> out;
    for (const TGlobalEntry* e : rt_->AssignedInOrder()) out.emplace_back(std::string(e->shown), e->var.value);
    return out;
}

bool TFormulaEngine::CopyStateFrom(const TFormulaEngine& other) { return rt_->CopyStateFrom(*other.rt_); }

void TFormulaEngine::SetStepBudget(int64_t steps) { rt_->SetStepBudget(steps); }

void TFormulaEngine::SetTimeLimit(std::chrono::milliseconds limit) { rt_->SetTimeLimit(limit); }

void TFormulaEngine::SetDefaultTimeLimit(std::chrono::milliseconds limit) {
    TRuntime::defaultTimeLimitMs.store(limit.count(), std::memory_order_relaxed);
}

std::chrono::milliseconds TFormulaEngine::DefaultTimeLimit() {
    return std::chrono::milliseconds(TRuntime::defaultTimeLimitMs.load(std::memory_order_relaxed));
}

}  // namespace kinemo
