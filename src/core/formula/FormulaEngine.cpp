// The formula engine facade: cached parsing, running, and reading results back.
#include "formula/FormulaEngine.h"

#include "formula/Lexer.h"
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

TFormulaEngine::TFormulaEngine() : rt_(std::make_unique<TRuntime>()) {}

TFormulaEngine::~TFormulaEngine() = default;

void TFormulaEngine::ExecuteStatement(std::string_view text) {
    auto program = TProgramCache::Instance().Get(text, TProgramCache::EKind::kStatements);
    try {
        rt_->Run(program);
    } catch (const std::bad_alloc&) {
        throw TFormulaError(EVbError::kOutOfMemory, {}, 1, program->LineText(1));
    }
}

Variant TFormulaEngine::Eval(std::string_view name) {
    if (IsPlainName(name)) {
        std::string lower;
        LowerName(name, lower);
        const TGlobalEntry* e = rt_->Find(lower, HashName(lower));
        // Only a variable that was set: a built-in's name (Rnd) must still be called.
        if (e && !e->func && e->Exists()) return e->var.value;
    }
    return rt_->Evaluate(TProgramCache::Instance().Get(name, TProgramCache::EKind::kExpression));
}

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

}  // namespace kinemo
