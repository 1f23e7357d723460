// The tree-walking evaluator: what each expression and statement node does when run.
#include "formula/Builtins.h"
#include "formula/Operators.h"
#include "formula/Runtime.h"

#include <cmath>
#include <utility>

namespace kinemo {

namespace {

constexpr size_t kInlineArgs = 8;

// Index values of a(i, j, ...), evaluated before the array is looked at: evaluating them may
// run a procedure that replaces the array.
struct TIndices {
    int32_t small[kInlineArgs];
    std::vector<int32_t> big;
    size_t count = 0;

    TIndices(const std::vector<TExprPtr>& args, TFrame& f) : count(args.size()) {
        int32_t* out = small;
        if (count > kInlineArgs) {
            big.resize(count);
            out = big.data();
        }
        for (size_t i = 0; i < count; ++i) out[i] = args[i]->Eval(f).ToLong();
    }
    const int32_t* data() const { return count > kInlineArgs ? big.data() : small; }
};

// Position of an element; the first index varies fastest.
size_t FlatIndex(const TArrayData& d, const TIndices& ix) {
    if (ix.count != d.Dimensions()) VbFail(EVbError::kSubscriptOutOfRange);
    const int32_t* v = ix.data();
    size_t flat = 0, stride = 1;
    for (size_t k = 0; k < ix.count; ++k) {
        if (v[k] < 0 || v[k] > d.upper[k]) VbFail(EVbError::kSubscriptOutOfRange);
        flat += static_cast<size_t>(v[k]) * stride;
        stride *= static_cast<size_t>(d.upper[k]) + 1;
    }
    return flat;
}

Variant Element(const Variant& array, const TIndices& ix) {
    const TArrayData& d = array.ArrayValue();
    return d.items[FlatIndex(d, ix)];
}

Variant CallBuiltin(const TCallExpr& c, TFrame& f) {
    const TBuiltin& b = BuiltinAt(c.builtin);
    const size_t n = c.args.size();
    if (n < b.minArgs || n > b.maxArgs) VbFailName(EVbError::kWrongArgCount, b.name);
    Variant small[kInlineArgs];
    const Variant* smallPtrs[kInlineArgs];
    std::vector<Variant> big;
    std::vector<const Variant*> bigPtrs;
    Variant* values = small;
    const Variant** ptrs = smallPtrs;
    if (n > kInlineArgs) {
        big.resize(n);
        bigPtrs.resize(n);
        values = big.data();
        ptrs = bigPtrs.data();
    }
    size_t textBytes = 0;
    for (size_t i = 0; i < n; ++i) {
        values[i] = c.args[i]->Eval(f);
        ptrs[i] = &values[i];
        if (values[i].IsString()) textBytes += values[i].StringValue().size();
    }
    // A text function reads (and mostly copies) its texts: long ones cost steps by their length.
    if (textBytes) f.rt.ChargeRead(textBytes);
    return b.fn(TBuiltinArgs{f.rt, ptrs, n});
}

bool UserProcedure(const TFrame& f, uint32_t id) {
    const TGlobalEntry* e = f.entries[id];
    return e && e->func;
}

bool IsOwnResult(const TFrame& f, uint32_t id) { return f.func && f.scope->kinds[id] == ENameKind::kResult; }

// A variable about to be written through a path that is not a plain assignment.
TVariable& Writable(TFrame& f, uint32_t id) {
    TVariable& v = *f.vars[id];
    if (v.flags & TVariable::kUndefined) f.rt.FailUndefined(f, id);
    if (v.flags & (TVariable::kConst | TVariable::kProcedure))
        VbFailName(EVbError::kIllegalAssignment, f.rt.NameOf(f, id));
    return v;
}

// A plain assignment; forwards the value so a literal's copy is made only in place.
template <typename V>
void Store(TFrame& f, uint32_t id, V&& value) {
    TVariable& v = *f.vars[id];
    if (v.flags == 0) [[likely]] {
        v.value = std::forward<V>(value);
    } else if (v.flags == TVariable::kFresh) {
        f.rt.MarkAssigned(v);
        v.value = std::forward<V>(value);
    } else {
        f.rt.AssignSlow(f, id, v, Variant(std::forward<V>(value)));
    }
}

void RecordErr(TFrame& f, const TFormulaError& e) {
    f.rt.errNumber = e.Number();
    f.rt.errDescription = e.Description();
}

// Evaluates an expression of a compound statement's header: its errors get the
// expression's line, and under On Error Resume Next they count as handled (returns false).
template <typename Fn>
bool Guarded(TFrame& f, int line, Fn&& fn) {
    try {
        fn();
        return true;
    } catch (TFormulaError& e) {
        Locate(e, f, line);
        if (!f.resumeNext || !e.Trappable()) throw;
        RecordErr(f, e);
        return false;
    }
}

// Whether a Case value keeps its literal subtype against the subject: a number written in
// the text compares with a numeric text as a number, but a non-numeric text simply does not
// match it, so one Select can list numbers and texts.
bool CaseLiteral(const Variant& subject, const Variant& value, bool literal) {
    if (!literal || !value.IsNumber() || !subject.IsString()) return literal;
    double d;
    return ParseVbNumber(subject.StringValue(), d);
}

}  // namespace

// ----- expressions -----

Variant TVarExpr::Eval(TFrame& f) const {
    TVariable* v = f.vars[id];
    if (!(v->flags & TVariable::kReadSlow)) [[likely]]
        return v->value;
    if (v->flags & TVariable::kUndefined) f.rt.FailUndefined(f, id);
    static const std::vector<TExprPtr> kNoArgs;
    return f.rt.CallProcedure(f, *f.entries[id], kNoArgs);
}

Variant TCallExpr::Eval(TFrame& f) const {
    if (builtin >= 0 && !UserProcedure(f, id)) return CallBuiltin(*this, f);
    if (IsOwnResult(f, id)) return f.rt.CallOwnFunction(f, args);
    TVariable* v = f.vars[id];
    if (v->flags & TVariable::kUndefined) f.rt.FailUndefined(f, id);
    if (v->flags & TVariable::kProcedure) return f.rt.CallProcedure(f, *f.entries[id], args);
    if (args.size() == 1) {
        // One index, the common case, without an index list (the same checks in the same order).
        const Variant index = args[0]->Eval(f);
        const int32_t i = fastop::IsIntOrLong(index.GetType()) ? index.IntValue() : index.ToLong();
        if (!v->value.IsArray()) VbFailName(EVbError::kTypeMismatch, f.rt.NameOf(f, id));
        const TArrayData& d = v->value.ArrayValue();
        if (d.Dimensions() != 1 || i < 0 || i > d.upper[0]) VbFail(EVbError::kSubscriptOutOfRange);
        return d.items[static_cast<size_t>(i)];
    }
    const TIndices ix(args, f);
    if (!v->value.IsArray()) VbFailName(EVbError::kTypeMismatch, f.rt.NameOf(f, id));
    return Element(v->value, ix);
}

Variant TIndexExpr::Eval(TFrame& f) const {
    const Variant b = base->Eval(f);
    const TIndices ix(args, f);
    if (!b.IsArray()) VbFail(EVbError::kTypeMismatch);
    return Element(b, ix);
}

Variant TMemberExpr::Eval(TFrame& f) const {
    if (base) {
        base->Eval(f);
        VbFail(EVbError::kObjectRequired, "'" + member + "'");
    }
    TRuntime& rt = f.rt;
    if (member == "number") return Variant::Long(rt.errNumber);
    if (member == "description") return Variant::String(rt.errDescription);
    if (member == "source") return Variant::String(rt.errSource);
    if (member == "clear") {
        rt.ClearErr();
        return Variant();
    }
    if (member == "raise") {
        if (args.empty() || args.size() > 3) VbFailName(EVbError::kWrongArgCount, "Raise");
        const int32_t number = args[0]->Eval(f).ToLong();
        std::string source = args.size() > 1 ? args[1]->Eval(f).ToText() : std::string();
        std::string description = args.size() > 2 ? args[2]->Eval(f).ToText() : std::string();
        if (description.empty()) description = VbErrorDescription(static_cast<EVbError>(number));
        if (description.empty()) description = "Unknown runtime error";
        rt.errSource = source;
        TFormulaError raised(number, std::move(description), {});
        raised.SetSource(std::move(source));
        throw raised;
    }
    VbFailName(EVbError::kNoSuchMember, member);
}

Variant TUnaryExpr::Eval(TFrame& f) const {
    Variant v = operand->Eval(f);
    switch (op) {
        case EUnOp::kNeg:
            if (v.GetType() == Variant::Type::Double) return Variant::Double(-v.DoubleValue());
            return VbNeg(v);
        case EUnOp::kPlus: return v;
        default: return VbNot(v);
    }
}

Variant TBinaryExpr::Eval(TFrame& f) const {
    const Variant a = lhs->Eval(f);
    const Variant b = rhs->Eval(f);
    Variant r;
    if (fastop::Arith(op, a, b, r)) [[likely]]
        return r;
    using T = Variant::Type;
    if (a.GetType() == T::Boolean && b.GetType() == T::Boolean) {
        if (op == EBinOp::kAnd) return Variant::Boolean(a.BoolValue() && b.BoolValue());
        if (op == EBinOp::kOr) return Variant::Boolean(a.BoolValue() || b.BoolValue());
    }
    // Long texts cost steps as they are built, so a doubling loop cannot eat all memory.
    if ((op == EBinOp::kConcat || op == EBinOp::kAdd) && (a.IsString() || b.IsString()))
        f.rt.ChargeBytes((a.IsString() ? a.StringValue().size() : 0) + (b.IsString() ? b.StringValue().size() : 0));
    return VbBinary(op, a, b);
}

Variant TCompareExpr::Eval(TFrame& f) const {
    const Variant a = lhs->Eval(f);
    const Variant b = rhs->Eval(f);
    Variant r;
    if (fastop::Compare(op, a, b, r)) [[likely]]
        return r;
    return VbCompare(op, a, b, lhs->kind == EExpr::kLiteral, rhs->kind == EExpr::kLiteral);
}

// ----- statements -----

EFlow TAssignStmt::Exec(TFrame& f) const {
    if (index.empty()) {
        Variant v = value->Eval(f);
        if (isSet && v.GetType() != Variant::Type::Nothing) VbFail(EVbError::kObjectRequired);
        Store(f, id, std::move(v));
        return EFlow::kNormal;
    }
    const TIndices ix(index, f);
    Variant v = value->Eval(f);
    TVariable& target = Writable(f, id);
    if (!target.value.IsArray()) VbFailName(EVbError::kTypeMismatch, f.rt.NameOf(f, id));
    TArrayData& d = target.value.MutableArray();
    d.items[FlatIndex(d, ix)] = std::move(v);
    f.rt.MarkAssigned(target);
    return EFlow::kNormal;
}

EFlow TLiteralAssignStmt::Exec(TFrame& f) const {
    if (index < 0) {
        Store(f, id, value);
        return EFlow::kNormal;
    }
    // The checks of TAssignStmt, in its order, for one constant index.
    TVariable& target = Writable(f, id);
    if (!target.value.IsArray()) VbFailName(EVbError::kTypeMismatch, f.rt.NameOf(f, id));
    TArrayData& d = target.value.MutableArray();
    if (d.Dimensions() != 1 || index > d.upper[0]) VbFail(EVbError::kSubscriptOutOfRange);
    d.items[static_cast<size_t>(index)] = value;
    f.rt.MarkAssigned(target);
    return EFlow::kNormal;
}

EFlow TCallStmt::Exec(TFrame& f) const {
    if (call->kind == EExpr::kCall) {
        const auto& c = static_cast<const TCallExpr&>(*call);
        const TVariable* v = f.vars[c.id];
        const bool callable = (c.builtin >= 0 || (v->flags & TVariable::kProcedure) || IsOwnResult(f, c.id));
        if (!callable) {
            if (v->flags & TVariable::kUndefined) f.rt.FailUndefined(f, c.id);
            VbFailName(EVbError::kTypeMismatch, f.rt.NameOf(f, c.id));
        }
    }
    call->Eval(f);
    return EFlow::kNormal;
}

EFlow TReDimStmt::Exec(TFrame& f) const {
    for (const TItem& item : items) {
        std::vector<int32_t> upper;
        for (const auto& b : item.bounds) upper.push_back(b->Eval(f).ToLong());
        const size_t total = ElementCount(upper);
        f.rt.ChargeBytes(total * sizeof(Variant));
        TVariable& v = Writable(f, item.id);
        TArrayData next;
        if (v.value.IsArray()) {
            const TArrayData& old = v.value.ArrayValue();
            if (old.fixed) VbFail(EVbError::kArrayFixed);
            if (preserve && old.Dimensions() > 0) {
                // Only the last dimension may change: the kept elements are then a prefix.
                if (old.Dimensions() != upper.size() ||
                    !std::equal(upper.begin(), upper.end() - 1, old.upper.begin()))
                    VbFail(EVbError::kSubscriptOutOfRange);
                next.items = old.items;
            }
        }
        next.upper = std::move(upper);
        next.items.resize(total);
        f.rt.Assign(v, Variant::Array(std::move(next)));
    }
    return EFlow::kNormal;
}

EFlow TEraseStmt::Exec(TFrame& f) const {
    for (uint32_t id : ids) {
        TVariable& v = Writable(f, id);
        if (!v.value.IsArray()) VbFail(EVbError::kTypeMismatch);
        TArrayData& d = v.value.MutableArray();
        if (d.fixed) {
            for (Variant& item : d.items) item = Variant();
        } else {
            d.upper.clear();
            d.items.clear();
        }
    }
    return EFlow::kNormal;
}

EFlow TIfStmt::Exec(TFrame& f) const {
    for (size_t i = 0; i < conds.size(); ++i) {
        bool truth = false;
        // Under On Error Resume Next a failing condition enters its block, as VBScript does.
        if (!Guarded(f, conds[i]->line, [&] { truth = VbTruth(conds[i]->Eval(f)); })) truth = true;
        if (truth) return ExecBlock(blocks[i], f);
    }
    return ExecBlock(elseBlock, f);
}

EFlow TSelectStmt::Exec(TFrame& f) const {
    Variant subj;
    if (!Guarded(f, line, [&] { subj = subject->Eval(f); })) return EFlow::kNormal;
    const bool subjLit = subject->kind == EExpr::kLiteral;
    for (const TCase& c : cases) {
        bool match = false;
        Guarded(f, c.line, [&] {
            for (const TClause& cl : c.clauses) {
                const Variant lo = cl.lo->Eval(f);
                const bool loLit = CaseLiteral(subj, lo, cl.lo->kind == EExpr::kLiteral);
                if (cl.hi) {
                    const Variant hi = cl.hi->Eval(f);
                    const bool hiLit = CaseLiteral(subj, hi, cl.hi->kind == EExpr::kLiteral);
                    match = VbTruth(VbCompare(ECmpOp::kGe, subj, lo, subjLit, loLit)) &&
                            VbTruth(VbCompare(ECmpOp::kLe, subj, hi, subjLit, hiLit));
                } else {
                    match = VbTruth(VbCompare(cl.op, subj, lo, subjLit, loLit));
                }
                if (match) return;
            }
        });
        if (match) return ExecBlock(c.body, f);
    }
    return ExecBlock(elseBlock, f);
}

EFlow TForStmt::Exec(TFrame& f) const {
    Variant start, end, inc = Variant::Integer(1);
    double endD = 0, incD = 1;
    start = from->Eval(f);
    end = to->Eval(f);
    if (step) inc = step->Eval(f);
    endD = end.ToDouble();
    incD = inc.ToDouble();
    if (start.IsString()) start = Variant::Double(start.ToDouble());
    else start.ToDouble();
    Store(f, id, std::move(start));
    for (;;) {
        const TVariable* v = f.vars[id];
        double cur;
        if (!v->value.TryNumber(cur)) cur = v->value.ToDouble();
        if (incD >= 0 ? cur > endD : cur < endD) break;
        f.rt.Step();
        const EFlow flow = ExecBlock(body, f);
        if (flow == EFlow::kExitFor) break;
        if (flow != EFlow::kNormal) return flow;
        const Variant& now = f.vars[id]->value;
        Variant next;
        if (!fastop::Arith(EBinOp::kAdd, now, inc, next)) next = VbAdd(now, inc);
        Store(f, id, std::move(next));
    }
    return EFlow::kNormal;
}

EFlow TForEachStmt::Exec(TFrame& f) const {
    const Variant src = source->Eval(f);
    if (!src.IsArray()) VbFail(EVbError::kNotACollection);
    const TArrayData& d = src.ArrayValue();  // src keeps this snapshot alive while the body runs
    for (const Variant& item : d.items) {
        f.rt.Step();
        Store(f, id, item);
        const EFlow flow = ExecBlock(body, f);
        if (flow == EFlow::kExitFor) break;
        if (flow != EFlow::kNormal) return flow;
    }
    return EFlow::kNormal;
}

EFlow TDoStmt::Exec(TFrame& f) const {
    const int condLine = cond ? cond->line : line;
    // Whether the loop goes on; a condition that fails under On Error Resume Next ends it.
    auto goesOn = [&](bool whileForm) {
        bool truth = false;
        if (!Guarded(f, condLine, [&] { truth = VbTruth(cond->Eval(f)); })) return false;
        return truth == whileForm;
    };
    for (;;) {
        f.rt.Step();
        if (test == ELoopTest::kPreWhile && !goesOn(true)) break;
        if (test == ELoopTest::kPreUntil && !goesOn(false)) break;
        const EFlow flow = ExecBlock(body, f);
        if (flow == EFlow::kExitDo) break;
        if (flow != EFlow::kNormal) return flow;
        if (test == ELoopTest::kPostWhile && !goesOn(true)) break;
        if (test == ELoopTest::kPostUntil && !goesOn(false)) break;
    }
    return EFlow::kNormal;
}

EFlow TOnErrorStmt::Exec(TFrame& f) const {
    f.resumeNext = resumeNext;
    f.rt.ClearErr();
    return EFlow::kNormal;
}

}  // namespace kinemo
