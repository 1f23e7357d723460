// The syntax tree of a parsed formula text: expressions, statements, procedures and name scopes.
//
// Names are resolved when parsing: every name of a scope (the script level or one procedure)
// gets a small id, and the evaluator reaches variables through per-run tables indexed by
// those ids, so running a program never looks a name up by its text.
#pragma once

#include "formula/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

struct TFrame;
struct TFuncDecl;

// How control leaves a statement.
enum class EFlow : uint8_t { kNormal, kExitFor, kExitDo, kExitProc };

// What a name means inside one procedure; every name of the script level is kFree.
enum class ENameKind : uint8_t {
    kFree,    // not declared here: the script-level variable (or procedure) of that name,
              // or, inside a procedure when no script-level one exists, an implicit local
    kParam,   // a parameter
    kLocal,   // declared by Dim / ReDim / Const in the procedure
    kResult,  // the function's own name: its return value
};

struct TName {
    std::string text;  // lower case
    uint64_t hash = 0;
    std::string shown;  // as first written
};

uint64_t HashName(std::string_view lowerName);

// A hoisted declaration: Dim (with fixed bounds), Const, or a plain declared name.
struct TDecl {
    uint32_t id = 0;
    std::vector<int32_t> bounds;   // Dim a(3, 4): {3, 4}; Dim a(): dynamic
    bool isArray = false;
    bool isConst = false;
    Variant constValue;
    int line = 0;
};

struct TScope {
    std::vector<TName> names;
    std::vector<ENameKind> kinds;   // procedures only
    std::vector<uint32_t> slots;    // procedures: index of the frame-local variable
    uint32_t localCount = 0;        // procedures: frame-local variables (params, locals, result, implicit)
    std::vector<TDecl> decls;
};

// ----- expressions -----

enum class EExpr : uint8_t { kLiteral, kVar, kCall, kIndex, kMember, kUnary, kBinary, kCompare };

struct TExpr {
    explicit TExpr(EExpr k, int ln) : kind(k), line(ln) {}
    virtual ~TExpr() = default;
    virtual Variant Eval(TFrame& f) const = 0;

    EExpr kind;
    bool parenthesized = false;  // written inside its own "( )": passed by value
    uint32_t depth = 1;          // height of the subtree: bounds the evaluator's recursion
    int line;
};
using TExprPtr = std::unique_ptr<TExpr>;

struct TLiteral final : TExpr {
    TLiteral(Variant v, int ln) : TExpr(EExpr::kLiteral, ln), value(std::move(v)) {}
    Variant Eval(TFrame&) const override { return value; }
    Variant value;
};

// A bare name in an expression: a variable, or a call without arguments.
struct TVarExpr final : TExpr {
    TVarExpr(uint32_t i, int ln) : TExpr(EExpr::kVar, ln), id(i) {}
    Variant Eval(TFrame& f) const override;
    uint32_t id;
};

// name(args): an array element, a procedure call or a built-in function.
struct TCallExpr final : TExpr {
    TCallExpr(uint32_t i, int ln) : TExpr(EExpr::kCall, ln), id(i) {}
    Variant Eval(TFrame& f) const override;
    uint32_t id;
    int builtin = -1;  // index of the built-in of that name, -1 for none
    std::vector<TExprPtr> args;
};

// expr(args) where expr is not a plain name: a(1)(2).
struct TIndexExpr final : TExpr {
    explicit TIndexExpr(int ln) : TExpr(EExpr::kIndex, ln) {}
    Variant Eval(TFrame& f) const override;
    TExprPtr base;
    std::vector<TExprPtr> args;
};

// Err.Number, Err.Description, Err.Source; any other member access needs an object.
struct TMemberExpr final : TExpr {
    explicit TMemberExpr(int ln) : TExpr(EExpr::kMember, ln) {}
    Variant Eval(TFrame& f) const override;
    TExprPtr base;           // null for the Err object
    std::string member;      // lower case
    std::vector<TExprPtr> args;
};

enum class EUnOp : uint8_t { kNeg, kPlus, kNot };

struct TUnaryExpr final : TExpr {
    TUnaryExpr(EUnOp o, TExprPtr a, int ln) : TExpr(EExpr::kUnary, ln), op(o), operand(std::move(a)) {}
    Variant Eval(TFrame& f) const override;
    EUnOp op;
    TExprPtr operand;
};

enum class EBinOp : uint8_t {
    kAdd, kSub, kMul, kDiv, kIntDiv, kMod, kPow, kConcat, kAnd, kOr, kXor, kEqv, kImp,
};

struct TBinaryExpr final : TExpr {
    TBinaryExpr(EBinOp o, TExprPtr a, TExprPtr b, int ln)
        : TExpr(EExpr::kBinary, ln), op(o), lhs(std::move(a)), rhs(std::move(b)) {}
    Variant Eval(TFrame& f) const override;
    EBinOp op;
    TExprPtr lhs, rhs;
};

enum class ECmpOp : uint8_t { kEq, kNe, kLt, kGt, kLe, kGe, kIs };

struct TCompareExpr final : TExpr {
    TCompareExpr(ECmpOp o, TExprPtr a, TExprPtr b, int ln)
        : TExpr(EExpr::kCompare, ln), op(o), lhs(std::move(a)), rhs(std::move(b)) {}
    Variant Eval(TFrame& f) const override;
    ECmpOp op;
    TExprPtr lhs, rhs;
};

// ----- statements -----

struct TStmt {
    explicit TStmt(int ln) : line(ln) {}
    virtual ~TStmt() = default;
    virtual EFlow Exec(TFrame& f) const = 0;
    int line;
};
using TStmtPtr = std::unique_ptr<TStmt>;
using TStmtBlock = std::vector<TStmtPtr>;

// name = expr, name(i, j) = expr, Set name = expr.
struct TAssignStmt final : TStmt {
    explicit TAssignStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    uint32_t id = 0;
    std::vector<TExprPtr> index;
    TExprPtr value;
    bool isSet = false;
};

// "name = number" and "name(i) = number" as hand-over texts write them, read without the
// general parser: runs exactly as the TAssignStmt of the same line with literals would.
struct TLiteralAssignStmt final : TStmt {
    TLiteralAssignStmt(uint32_t i, int32_t ix, Variant v, int ln) : TStmt(ln), id(i), index(ix), value(std::move(v)) {}
    EFlow Exec(TFrame& f) const override;
    uint32_t id;
    int32_t index;  // the element of a one-dimensional array; -1: the variable itself
    Variant value;
};

// A procedure called as a statement: "f a, b", "Call f(a, b)", "Err.Clear".
struct TCallStmt final : TStmt {
    explicit TCallStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    TExprPtr call;  // a TCallExpr, TVarExpr, TMemberExpr or TIndexExpr
};

struct TReDimStmt final : TStmt {
    explicit TReDimStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    struct TItem {
        uint32_t id;
        std::vector<TExprPtr> bounds;
    };
    std::vector<TItem> items;
    bool preserve = false;
};

struct TEraseStmt final : TStmt {
    explicit TEraseStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    std::vector<uint32_t> ids;
};

struct TIfStmt final : TStmt {
    explicit TIfStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    std::vector<TExprPtr> conds;   // If and each ElseIf
    std::vector<TStmtBlock> blocks;    // one per condition
    TStmtBlock elseBlock;
};

struct TSelectStmt final : TStmt {
    explicit TSelectStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    struct TClause {
        ECmpOp op = ECmpOp::kEq;   // "Is <op> x" or plain x (kEq)
        TExprPtr lo, hi;           // hi set: "lo To hi"
    };
    struct TCase {
        std::vector<TClause> clauses;
        TStmtBlock body;
        int line = 0;
    };
    TExprPtr subject;
    std::vector<TCase> cases;
    TStmtBlock elseBlock;
    bool hasElse = false;
};

struct TForStmt final : TStmt {
    explicit TForStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    uint32_t id = 0;
    TExprPtr from, to, step;
    TStmtBlock body;
};

struct TForEachStmt final : TStmt {
    explicit TForEachStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    uint32_t id = 0;
    TExprPtr source;
    TStmtBlock body;
};

enum class ELoopTest : uint8_t { kNone, kPreWhile, kPreUntil, kPostWhile, kPostUntil };

struct TDoStmt final : TStmt {
    explicit TDoStmt(int ln) : TStmt(ln) {}
    EFlow Exec(TFrame& f) const override;
    ELoopTest test = ELoopTest::kNone;
    TExprPtr cond;
    TStmtBlock body;
};

struct TExitStmt final : TStmt {
    TExitStmt(EFlow k, int ln) : TStmt(ln), kind(k) {}
    EFlow Exec(TFrame&) const override { return kind; }
    EFlow kind;
};

struct TOnErrorStmt final : TStmt {
    TOnErrorStmt(bool resume, int ln) : TStmt(ln), resumeNext(resume) {}
    EFlow Exec(TFrame& f) const override;
    bool resumeNext;
};

// ----- procedures and programs -----

struct TParam {
    uint32_t id = 0;     // in the procedure's scope
    bool byRef = true;   // VBScript's default
};

struct TFuncDecl {
    std::string name;    // lower case
    std::string shownName;
    uint32_t globalId = 0;  // the procedure's name in the script-level scope
    uint32_t index = 0;     // position in TProgram::funcs
    bool isSub = false;
    int line = 0;
    std::vector<TParam> params;
    uint32_t resultId = UINT32_MAX;  // the function's own name in its scope
    TScope scope;
    TStmtBlock body;
};

// One parsed text: the script-level code, its names, its procedures.
struct TProgram {
    std::string text;
    std::vector<uint32_t> lineStarts;  // offset of each line (1-based line n at [n-1])
    TScope globals;
    std::vector<std::unique_ptr<TFuncDecl>> funcs;
    TStmtBlock body;
    TExprPtr expression;      // set when parsed as one expression (Eval)
    bool optionExplicit = false;
    // Calls Rnd or Randomize: its results are not fixed by its inputs, so must not be reused.
    bool callsRandom = false;

    // The script-level names' open-addressing table (entry index + 1, 0 = empty) exactly as
    // a runtime without names builds it when this program is its first: binding to a fresh
    // runtime copies it instead of inserting every name.
    std::vector<uint32_t> nameTable;

    std::string LineText(int line) const;
    void IndexLines();  // fills lineStarts from text
    void IndexNames();  // fills nameTable from globals; the parsers call it last
};

// The size of a runtime's name table that holds count names (at most half full).
size_t NameTableSize(size_t count);

}  // namespace kinemo
