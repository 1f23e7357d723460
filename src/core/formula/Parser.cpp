// The recursive-descent VBScript parser: statements, procedures and operator precedence.
#include "formula/Parser.h"

#include "formula/AssignmentReader.h"
#include "formula/Builtins.h"
#include "formula/FormulaError.h"
#include "formula/Lexer.h"
#include "formula/NameIndex.h"
#include "formula/NumberLiteral.h"

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

// Deeper nesting than this is no honest formula and would exhaust the evaluator's stack.
constexpr int kMaxNesting = 200;
constexpr uint32_t kMaxExprDepth = 2000;

struct TDepthGuard {
    explicit TDepthGuard(int& d) : depth(d) { ++depth; }
    ~TDepthGuard() { --depth; }
    int& depth;
};

class TParser {
public:
    explicit TParser(TProgram& prog) : prog_(prog), toks_(Lex(prog.text)) { scope_ = &prog.globals; }

    // script := [Option Explicit] { procedure | statement }
    void ParseScript() {
        SkipSeparators();
        if (IsKw(EKw::kOption)) {
            Next();
            if (!IsWord("explicit")) Fail(EVbError::kSyntax);
            Next();
            prog_.optionExplicit = true;
            EndStatement();
        }
        for (;;) {
            SkipSeparators();
            if (Cur().kind == ETok::kEnd) break;
            if (IsProcedureStart()) {
                ParseProcedure();
                continue;
            }
            if (IsBlockEnd()) FailStray();
            AddStatement(prog_.body);
        }
    }

    // Eval's text: one expression and nothing after it.
    void ParseExpressionOnly() {
        SkipSeparators();
        prog_.expression = ParseExpr();
        SkipSeparators();
        if (Cur().kind != ETok::kEnd) Fail(EVbError::kExpectedEndOfStatement);
    }

private:
    // ----- tokens -----
    const TToken& Cur() const { return toks_[pos_]; }
    const TToken& At(size_t i) const { return toks_[i < toks_.size() ? i : toks_.size() - 1]; }
    void Next() {
        if (pos_ + 1 < toks_.size()) ++pos_;
    }
    bool Is(ETok k) const { return Cur().kind == k; }
    bool IsKw(EKw k) const { return Cur().kind == ETok::kName && Cur().keyword == k; }
    bool IsWord(std::string_view lower) const {
        if (Cur().kind != ETok::kName || Cur().keyword != EKw::kNone) return false;
        std::string s;
        LowerName(Cur().text, s);
        return s == lower;
    }
    bool Accept(ETok k) {
        if (!Is(k)) return false;
        Next();
        return true;
    }
    bool AcceptKw(EKw k) {
        if (!IsKw(k)) return false;
        Next();
        return true;
    }
    void Expect(ETok k, EVbError code) {
        if (!Accept(k)) Fail(code);
    }
    void ExpectKw(EKw k, EVbError code) {
        if (!AcceptKw(k)) Fail(code);
    }
    bool AtStatementEnd() const { return Is(ETok::kNewLine) || Is(ETok::kColon) || Is(ETok::kEnd); }
    void SkipSeparators() {
        while (Is(ETok::kNewLine) || Is(ETok::kColon)) Next();
    }
    void EndStatement() {
        if (singleLineIf_ > 0 && IsKw(EKw::kElse)) return;
        if (!AtStatementEnd()) Fail(EVbError::kExpectedEndOfStatement);
    }

    [[noreturn]] void Fail(EVbError code, std::string detail = {}) { FailAt(code, Cur().line, std::move(detail), true); }
    [[noreturn]] void FailAt(EVbError code, int line, std::string detail, bool nearToken = false) {
        if (detail.empty() && nearToken && Cur().kind != ETok::kEnd && Cur().kind != ETok::kNewLine)
            detail = "near '" + std::string(Cur().text) + "'";
        throw TFormulaError(code, std::move(detail), line, prog_.LineText(line));
    }
    // A block that ran into the end of the text or into another block's keyword.
    [[noreturn]] void FailUnclosed(EVbError code, const char* closer, const char* opener, int openLine) {
        FailAt(code, Cur().line,
               std::string("'") + closer + "' expected (to close '" + opener + "' at line " +
                   std::to_string(openLine) + ")");
    }
    [[noreturn]] void FailStray() {
        if (IsKw(EKw::kNext)) Fail(EVbError::kUnexpectedNext);
        if (IsKw(EKw::kLoop)) Fail(EVbError::kLoopWithoutDo);
        Fail(EVbError::kSyntax);
    }

    // ----- names -----
    uint32_t Intern(std::string_view written) {
        LowerName(written, lower_);
        TNameIndex& index = scope_ == &prog_.globals ? globalNames_ : localNames_;
        const uint64_t hash = HashName(lower_);
        const uint32_t found = index.Find(*scope_, lower_, hash);
        if (found != UINT32_MAX) return found;
        const auto id = static_cast<uint32_t>(scope_->names.size());
        scope_->names.push_back({lower_, hash, std::string(written)});
        if (scope_ != &prog_.globals) scope_->kinds.push_back(ENameKind::kFree);
        index.Add(*scope_, id);
        return id;
    }

    // A name that may be assigned: not a built-in function or constant.
    uint32_t AssignableName() {
        if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kExpectedIdentifier);
        LowerName(Cur().text, lower_);
        Variant dummy;
        if (FindConstant(lower_, dummy) || FindBuiltin(lower_) >= 0 || lower_ == "err")
            FailAt(EVbError::kIllegalAssignment, Cur().line, "'" + std::string(Cur().text) + "'");
        uint32_t id = Intern(Cur().text);
        Next();
        return id;
    }

    bool InProcedure() const { return func_ != nullptr; }

    // Dim / Const / ReDim in a procedure make the name local; a parameter or the function's
    // own name cannot be declared again.
    void Declare(uint32_t id, int line, bool redim) {
        if (!InProcedure()) {
            if (redim) return;
            if (declared_.size() <= id) declared_.resize(id + 1, false);
            if (declared_[id]) FailAt(EVbError::kNameRedefined, line, {});
            declared_[id] = true;
            return;
        }
        ENameKind& k = scope_->kinds[id];
        if (redim) return;
        if (k == ENameKind::kParam || k == ENameKind::kResult || k == ENameKind::kLocal)
            FailAt(EVbError::kNameRedefined, line, "'" + scope_->names[id].text + "'");
        k = ENameKind::kLocal;
    }

    // ----- procedures -----
    bool IsProcedureStart() const {
        size_t i = pos_;
        if (At(i).keyword == EKw::kPublic || At(i).keyword == EKw::kPrivate) ++i;
        return At(i).kind == ETok::kName && (At(i).keyword == EKw::kFunction || At(i).keyword == EKw::kSub);
    }

    // procedure := [Public|Private] ('Function'|'Sub') name ['(' [param {',' param}] ')'] NL
    //              block 'End' ('Function'|'Sub')
    // param := ['ByVal'|'ByRef'] name ['(' ')']
    void ParseProcedure() {
        if (IsKw(EKw::kPublic) || IsKw(EKw::kPrivate)) Next();
        auto fn = std::make_unique<TFuncDecl>();
        fn->isSub = IsKw(EKw::kSub);
        fn->line = Cur().line;
        Next();
        if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kExpectedIdentifier);
        fn->shownName = std::string(Cur().text);
        LowerName(Cur().text, fn->name);
        for (const auto& other : prog_.funcs)
            if (other->name == fn->name) Fail(EVbError::kNameRedefined, "'" + fn->shownName + "'");
        fn->globalId = Intern(Cur().text);  // the procedure is a script-level name
        fn->index = static_cast<uint32_t>(prog_.funcs.size());
        Next();
        scope_ = &fn->scope;
        func_ = fn.get();
        localNames_.Clear();
        if (!fn->isSub) {
            fn->resultId = Intern(fn->name);
            scope_->kinds[fn->resultId] = ENameKind::kResult;
        }
        if (Accept(ETok::kLParen)) {
            while (!Is(ETok::kRParen)) {
                TParam p;
                if (AcceptKw(EKw::kByVal)) p.byRef = false;
                else AcceptKw(EKw::kByRef);
                if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kExpectedIdentifier);
                p.id = Intern(Cur().text);
                if (scope_->kinds[p.id] != ENameKind::kFree) Fail(EVbError::kNameRedefined);
                scope_->kinds[p.id] = ENameKind::kParam;
                Next();
                if (Accept(ETok::kLParen)) Expect(ETok::kRParen, EVbError::kExpectedRParen);
                fn->params.push_back(p);
                if (!Accept(ETok::kComma)) break;
            }
            Expect(ETok::kRParen, EVbError::kExpectedRParen);
        }
        EndStatement();
        fn->body = ParseBlock();
        if (!IsKw(EKw::kEnd)) FailUnclosed(EVbError::kExpectedEnd, fn->isSub ? "End Sub" : "End Function",
                                           fn->isSub ? "Sub" : "Function", fn->line);
        Next();
        ExpectKw(fn->isSub ? EKw::kSub : EKw::kFunction, fn->isSub ? EVbError::kExpectedSub : EVbError::kExpectedFunction);
        EndStatement();
        fn->scope.localCount = static_cast<uint32_t>(fn->scope.names.size());
        scope_ = &prog_.globals;
        func_ = nullptr;
        prog_.funcs.push_back(std::move(fn));
    }

    // ----- statements -----
    bool IsBlockEnd() const {
        if (Cur().kind == ETok::kEnd) return true;
        if (Cur().kind != ETok::kName) return false;
        switch (Cur().keyword) {
            case EKw::kEnd: case EKw::kElse: case EKw::kElseIf: case EKw::kCase:
            case EKw::kLoop: case EKw::kNext: case EKw::kWend: return true;
            default: return false;
        }
    }

    // block := { statement (NL | ':') } up to a block-ending keyword or the end of the text
    TStmtBlock ParseBlock() {
        TDepthGuard guard(nesting_);
        if (nesting_ > kMaxNesting) Fail(EVbError::kOutOfStack, "blocks nested too deep");
        TStmtBlock block;
        for (;;) {
            SkipSeparators();
            if (IsBlockEnd()) return block;
            if (IsProcedureStart()) Fail(EVbError::kSyntax, "a procedure cannot be defined inside a block");
            AddStatement(block);
        }
    }

    void AddStatement(TStmtBlock& block) {
        TStmtPtr s = ParseStatement();
        if (s) block.push_back(std::move(s));
        EndStatement();
    }

    // statement := dim | redim | const | erase | if | select | for | do | while | exit
    //            | on-error | call | set | let | assignment | procedure-call
    TStmtPtr ParseStatement() {
        const int line = Cur().line;
        if (Is(ETok::kName)) {
            switch (Cur().keyword) {
                case EKw::kDim: Next(); ParseDim(); return nullptr;
                case EKw::kPublic:
                case EKw::kPrivate:
                    if (InProcedure()) Fail(EVbError::kSyntax);
                    Next();
                    if (IsKw(EKw::kConst)) { Next(); ParseConst(); return nullptr; }
                    ParseDim();
                    return nullptr;
                case EKw::kConst: Next(); ParseConst(); return nullptr;
                case EKw::kReDim: return ParseReDim();
                case EKw::kErase: return ParseErase();
                case EKw::kIf: return ParseIf();
                case EKw::kSelect: return ParseSelect();
                case EKw::kFor: return ParseFor();
                case EKw::kDo: return ParseDo();
                case EKw::kWhile: return ParseWhile();
                case EKw::kExit: return ParseExit();
                case EKw::kOn: return ParseOnError();
                case EKw::kCall: Next(); return ParseNameStatement(true);
                case EKw::kSet:
                case EKw::kLet: {
                    const bool isSet = IsKw(EKw::kSet);
                    Next();
                    auto a = std::make_unique<TAssignStmt>(line);
                    a->isSet = isSet;
                    a->id = AssignableName();
                    if (Is(ETok::kLParen)) a->index = ParseParenArgs();
                    Expect(ETok::kEq, EVbError::kExpectedEquals);
                    a->value = ParseExpr();
                    return a;
                }
                case EKw::kOption: Fail(EVbError::kMustBeFirstStatement, "'Option Explicit' must come first");
                case EKw::kClass: case EKw::kWith: case EKw::kProperty:
                    Fail(EVbError::kSyntax, "'" + std::string(Cur().text) + "' is not supported in formulas");
                case EKw::kNone: return ParseNameStatement(false);
                default: break;
            }
        }
        Fail(EVbError::kExpectedStatement);
    }

    // dim := 'Dim' name ['(' [int {',' int}] ')'] {',' ...}
    void ParseDim() {
        do {
            TDecl d;
            d.line = Cur().line;
            d.id = AssignableName();
            if (Accept(ETok::kLParen)) {
                d.isArray = true;
                while (!Is(ETok::kRParen)) {
                    bool neg = Accept(ETok::kMinus);
                    if (!Is(ETok::kNumber) || Cur().value.GetType() == Variant::Type::Double)
                        Fail(EVbError::kExpectedIntegerConstant);
                    int32_t n = Cur().value.IntValue();
                    d.bounds.push_back(neg ? -n : n);
                    Next();
                    if (!Accept(ETok::kComma)) break;
                }
                Expect(ETok::kRParen, EVbError::kExpectedRParen);
                if (d.bounds.size() > 60) FailAt(EVbError::kSubscriptOutOfRange, d.line, "too many dimensions");
            }
            Declare(d.id, d.line, false);
            scope_->decls.push_back(std::move(d));
        } while (Accept(ETok::kComma));
    }

    // const := 'Const' name '=' literal {',' name '=' literal}
    void ParseConst() {
        do {
            TDecl d;
            d.line = Cur().line;
            d.id = AssignableName();
            d.isConst = true;
            Expect(ETok::kEq, EVbError::kExpectedEquals);
            d.constValue = ParseConstLiteral();
            if (!AtStatementEnd() && !Is(ETok::kComma)) Fail(EVbError::kExpectedLiteral);
            Declare(d.id, d.line, false);
            scope_->decls.push_back(std::move(d));
        } while (Accept(ETok::kComma));
    }

    Variant ParseConstLiteral() {
        bool neg = false;
        while (Is(ETok::kMinus) || Is(ETok::kPlus)) {
            if (Is(ETok::kMinus)) neg = !neg;
            Next();
        }
        TExprPtr e = ParsePrimary();
        if (e->kind != EExpr::kLiteral) Fail(EVbError::kExpectedLiteral);
        Variant v = static_cast<TLiteral&>(*e).value;
        if (neg) v = Variant::Double(-v.ToDouble());
        return v;
    }

    // redim := 'ReDim' ['Preserve'] name '(' expr {',' expr} ')' {',' ...}
    TStmtPtr ParseReDim() {
        auto r = std::make_unique<TReDimStmt>(Cur().line);
        Next();
        if (IsWord("preserve")) {
            r->preserve = true;
            Next();
        }
        do {
            TReDimStmt::TItem item;
            const int line = Cur().line;
            item.id = AssignableName();
            Declare(item.id, line, true);
            if (!InProcedure()) {
                TDecl d;
                d.id = item.id;
                d.line = line;
                scope_->decls.push_back(std::move(d));
            }
            if (!Is(ETok::kLParen)) Fail(EVbError::kExpectedLParen);
            item.bounds = ParseParenArgs();
            if (item.bounds.empty()) Fail(EVbError::kExpectedExpression);
            r->items.push_back(std::move(item));
        } while (Accept(ETok::kComma));
        return r;
    }

    // erase := 'Erase' name {',' name}
    TStmtPtr ParseErase() {
        auto e = std::make_unique<TEraseStmt>(Cur().line);
        Next();
        do e->ids.push_back(AssignableName());
        while (Accept(ETok::kComma));
        return e;
    }

    // if := 'If' expr 'Then' NL block {'ElseIf' expr 'Then' block} ['Else' block] 'End' 'If'
    //     | 'If' expr 'Then' statement {':' statement} ['Else' statement {':' statement}]
    TStmtPtr ParseIf() {
        auto s = std::make_unique<TIfStmt>(Cur().line);
        const int openLine = Cur().line;
        Next();
        s->conds.push_back(ParseExpr());
        ExpectKw(EKw::kThen, EVbError::kExpectedThen);
        if (!Is(ETok::kNewLine) && !Is(ETok::kEnd)) {
            s->blocks.push_back(ParseSingleLineStatements());
            if (AcceptKw(EKw::kElse)) s->elseBlock = ParseSingleLineStatements();
            return s;
        }
        s->blocks.push_back(ParseBlock());
        for (;;) {
            if (IsKw(EKw::kElseIf)) {
                Next();
                s->conds.push_back(ParseExpr());
                ExpectKw(EKw::kThen, EVbError::kExpectedThen);
                s->blocks.push_back(ParseBlock());
                continue;
            }
            if (IsKw(EKw::kElse)) {
                Next();
                s->elseBlock = ParseBlock();
            }
            break;
        }
        if (!IsKw(EKw::kEnd) || At(pos_ + 1).keyword != EKw::kIf)
            FailUnclosed(EVbError::kExpectedEnd, "End If", "If", openLine);
        Next();
        Next();
        return s;
    }

    TStmtBlock ParseSingleLineStatements() {
        TDepthGuard guard(nesting_);
        if (nesting_ > kMaxNesting) Fail(EVbError::kOutOfStack, "blocks nested too deep");
        ++singleLineIf_;
        TStmtBlock block;
        for (;;) {
            if (IsKw(EKw::kElse) || Is(ETok::kNewLine) || Is(ETok::kEnd)) break;
            if (Accept(ETok::kColon)) continue;
            TStmtPtr st = ParseStatement();
            if (st) block.push_back(std::move(st));
            EndStatement();
        }
        --singleLineIf_;
        return block;
    }

    // select := 'Select' 'Case' expr NL {'Case' clause {',' clause} NL block}
    //           ['Case' 'Else' NL block] 'End' 'Select'
    // clause := 'Is' cmpop expr | expr ['To' expr]
    TStmtPtr ParseSelect() {
        auto s = std::make_unique<TSelectStmt>(Cur().line);
        const int openLine = Cur().line;
        Next();
        ExpectKw(EKw::kCase, EVbError::kExpectedCase);
        s->subject = ParseExpr();
        EndStatement();
        for (;;) {
            SkipSeparators();
            if (!IsKw(EKw::kCase)) break;
            const int caseLine = Cur().line;
            Next();
            if (AcceptKw(EKw::kElse)) {
                s->hasElse = true;
                s->elseBlock = ParseBlock();
                break;
            }
            TSelectStmt::TCase c;
            c.line = caseLine;
            do c.clauses.push_back(ParseCaseClause());
            while (Accept(ETok::kComma));
            c.body = ParseBlock();
            s->cases.push_back(std::move(c));
        }
        if (!IsKw(EKw::kEnd) || At(pos_ + 1).keyword != EKw::kSelect)
            FailUnclosed(EVbError::kExpectedEnd, "End Select", "Select", openLine);
        Next();
        Next();
        return s;
    }

    TSelectStmt::TClause ParseCaseClause() {
        TSelectStmt::TClause c;
        if (AcceptKw(EKw::kIs)) {
            switch (Cur().kind) {
                case ETok::kEq: c.op = ECmpOp::kEq; break;
                case ETok::kNe: c.op = ECmpOp::kNe; break;
                case ETok::kLt: c.op = ECmpOp::kLt; break;
                case ETok::kGt: c.op = ECmpOp::kGt; break;
                case ETok::kLe: c.op = ECmpOp::kLe; break;
                case ETok::kGe: c.op = ECmpOp::kGe; break;
                default: Fail(EVbError::kSyntax);
            }
            Next();
            c.lo = ParseConcat();
            return c;
        }
        c.lo = ParseExpr();
        if (AcceptKw(EKw::kTo)) c.hi = ParseExpr();
        return c;
    }

    // for := 'For' name '=' expr 'To' expr ['Step' expr] NL block 'Next'
    //      | 'For' 'Each' name 'In' expr NL block 'Next'
    TStmtPtr ParseFor() {
        const int openLine = Cur().line;
        Next();
        TStmtPtr result;
        TStmtBlock* body = nullptr;
        if (AcceptKw(EKw::kEach)) {
            auto s = std::make_unique<TForEachStmt>(openLine);
            if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kInvalidForVariable);
            s->id = AssignableName();
            ExpectKw(EKw::kIn, EVbError::kExpectedIn);
            s->source = ParseExpr();
            body = &s->body;
            result = std::move(s);
        } else {
            auto s = std::make_unique<TForStmt>(openLine);
            if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kInvalidForVariable);
            s->id = AssignableName();
            Expect(ETok::kEq, EVbError::kExpectedEquals);
            s->from = ParseExpr();
            ExpectKw(EKw::kTo, EVbError::kExpectedTo);
            s->to = ParseExpr();
            if (IsWord("step")) {
                Next();
                s->step = ParseExpr();
            }
            body = &s->body;
            result = std::move(s);
        }
        ++loopFor_;
        *body = ParseBlock();
        --loopFor_;
        if (!IsKw(EKw::kNext)) FailUnclosed(EVbError::kExpectedNext, "Next", "For", openLine);
        Next();
        if (Is(ETok::kName) && Cur().keyword == EKw::kNone) Next();  // "Next i"
        return result;
    }

    // do := 'Do' [('While'|'Until') expr] NL block 'Loop' [('While'|'Until') expr]
    TStmtPtr ParseDo() {
        auto s = std::make_unique<TDoStmt>(Cur().line);
        const int openLine = Cur().line;
        Next();
        if (IsKw(EKw::kWhile) || IsKw(EKw::kUntil)) {
            s->test = IsKw(EKw::kWhile) ? ELoopTest::kPreWhile : ELoopTest::kPreUntil;
            Next();
            s->cond = ParseExpr();
        } else if (!AtStatementEnd()) {
            Fail(EVbError::kExpectedWhileUntilEnd);
        }
        ++loopDo_;
        s->body = ParseBlock();
        --loopDo_;
        if (!IsKw(EKw::kLoop)) FailUnclosed(EVbError::kExpectedLoop, "Loop", "Do", openLine);
        Next();
        if (IsKw(EKw::kWhile) || IsKw(EKw::kUntil)) {
            if (s->test != ELoopTest::kNone) Fail(EVbError::kExpectedEndOfStatement);
            s->test = IsKw(EKw::kWhile) ? ELoopTest::kPostWhile : ELoopTest::kPostUntil;
            Next();
            s->cond = ParseExpr();
        }
        return s;
    }

    // while := 'While' expr NL block 'Wend'
    TStmtPtr ParseWhile() {
        auto s = std::make_unique<TDoStmt>(Cur().line);
        const int openLine = Cur().line;
        Next();
        s->test = ELoopTest::kPreWhile;
        s->cond = ParseExpr();
        s->body = ParseBlock();
        if (!IsKw(EKw::kWend)) FailUnclosed(EVbError::kExpectedWend, "Wend", "While", openLine);
        Next();
        return s;
    }

    // exit := 'Exit' ('For'|'Do'|'Function'|'Sub')
    TStmtPtr ParseExit() {
        const int line = Cur().line;
        Next();
        EFlow kind;
        bool valid;
        if (AcceptKw(EKw::kFor)) kind = EFlow::kExitFor, valid = loopFor_ > 0;
        else if (AcceptKw(EKw::kDo)) kind = EFlow::kExitDo, valid = loopDo_ > 0;
        else if (AcceptKw(EKw::kFunction)) kind = EFlow::kExitProc, valid = func_ && !func_->isSub;
        else if (AcceptKw(EKw::kSub)) kind = EFlow::kExitProc, valid = func_ && func_->isSub;
        else Fail(EVbError::kSyntax);
        if (!valid) FailAt(EVbError::kInvalidExit, line, {});
        return std::make_unique<TExitStmt>(kind, line);
    }

    // on-error := 'On' 'Error' ('Resume' 'Next' | 'GoTo' '0')
    TStmtPtr ParseOnError() {
        const int line = Cur().line;
        Next();
        if (!IsWord("error")) Fail(EVbError::kSyntax);
        Next();
        if (IsWord("resume")) {
            Next();
            ExpectKw(EKw::kNext, EVbError::kSyntax);
            return std::make_unique<TOnErrorStmt>(true, line);
        }
        if (IsWord("goto")) {
            Next();
            if (Is(ETok::kNumber) && Cur().value.GetType() == Variant::Type::Integer && Cur().value.IntValue() == 0) {
                Next();
                return std::make_unique<TOnErrorStmt>(false, line);
            }
        }
        Fail(EVbError::kSyntax, "only 'On Error Resume Next' and 'On Error GoTo 0' are supported");
    }

    size_t MatchingParen(size_t open) const {
        int depth = 0;
        for (size_t i = open; i < toks_.size(); ++i) {
            if (toks_[i].kind == ETok::kLParen) ++depth;
            else if (toks_[i].kind == ETok::kRParen && --depth == 0) return i;
            else if (toks_[i].kind == ETok::kNewLine || toks_[i].kind == ETok::kEnd) return i;
        }
        return toks_.size() - 1;
    }

    bool IsStatementEndAt(size_t i) const {
        const TToken& t = At(i);
        return t.kind == ETok::kNewLine || t.kind == ETok::kColon || t.kind == ETok::kEnd ||
               (singleLineIf_ > 0 && t.kind == ETok::kName && t.keyword == EKw::kElse);
    }

    // name-statement := name ['(' args ')'] '=' expr       (assignment)
    //                 | name ['(' args ')'] | name arg {',' arg}   (procedure call)
    //                 | 'Err' '.' member [args]
    // The built-in named lower_ (-1 for none), noting a call of the random-number built-ins.
    int Builtin() {
        const int builtin = FindBuiltin(lower_);
        if (builtin >= 0 && (lower_ == "rnd" || lower_ == "randomize")) prog_.callsRandom = true;
        return builtin;
    }

    TStmtPtr ParseNameStatement(bool viaCall) {
        const int line = Cur().line;
        if (!Is(ETok::kName) || Cur().keyword != EKw::kNone) Fail(EVbError::kExpectedStatement);
        if (At(pos_ + 1).kind == ETok::kDot) {
            auto call = std::make_unique<TCallStmt>(line);
            TExprPtr target = ParsePostfix();
            if (Is(ETok::kEq)) Fail(EVbError::kNoSuchMember);
            if (!AtStatementEnd() && target->kind == EExpr::kMember) {
                auto& m = static_cast<TMemberExpr&>(*target);
                if (m.args.empty()) m.args = ParseArgList();
            }
            call->call = std::move(target);
            return call;
        }
        const std::string_view written = Cur().text;
        LowerName(written, lower_);
        if (!viaCall && (Is(ETok::kName) && (At(pos_ + 1).kind == ETok::kEq ||
                                             (At(pos_ + 1).kind == ETok::kLParen &&
                                              At(MatchingParen(pos_ + 1) + 1).kind == ETok::kEq)))) {
            auto a = std::make_unique<TAssignStmt>(line);
            a->id = AssignableName();
            if (Is(ETok::kLParen)) a->index = ParseParenArgs();
            Expect(ETok::kEq, EVbError::kExpectedEquals);
            a->value = ParseExpr();
            return a;
        }
        auto call = std::make_unique<TCallExpr>(Intern(written), line);
        call->builtin = Builtin();
        Next();
        if (Is(ETok::kLParen) && IsStatementEndAt(MatchingParen(pos_) + 1)) {
            call->args = ParseParenArgs();
            if (!viaCall && call->args.size() > 1) FailAt(EVbError::kParenthesesInSubCall, line, {});
            // "f (x)" and "f(x)" as statements pass x by value: the parentheses belong to x.
            if (!viaCall && call->args.size() == 1) call->args[0]->parenthesized = true;
        } else if (!IsStatementEndAt(pos_)) {
            if (viaCall) Fail(EVbError::kExpectedEndOfStatement);
            call->args = ParseArgList();
        }
        auto s = std::make_unique<TCallStmt>(line);
        s->call = std::move(call);
        return s;
    }

    std::vector<TExprPtr> ParseArgList() {
        std::vector<TExprPtr> args;
        do args.push_back(ParseExpr());
        while (Accept(ETok::kComma));
        return args;
    }

    // '(' [expr {',' expr}] ')'
    std::vector<TExprPtr> ParseParenArgs() {
        Expect(ETok::kLParen, EVbError::kExpectedLParen);
        std::vector<TExprPtr> args;
        if (!Is(ETok::kRParen)) args = ParseArgList();
        Expect(ETok::kRParen, EVbError::kExpectedRParen);
        return args;
    }

    // ----- expressions, lowest precedence first -----
    TExprPtr MakeBinary(EBinOp op, TExprPtr a, TExprPtr b, int line) {
        const uint32_t depth = std::max(a->depth, b->depth) + 1;
        if (depth > kMaxExprDepth) FailAt(EVbError::kOutOfStack, line, "expression too long");
        auto e = std::make_unique<TBinaryExpr>(op, std::move(a), std::move(b), line);
        e->depth = depth;
        return e;
    }

    // expr := eqv {'Imp' eqv}
    TExprPtr ParseExpr() {
        TDepthGuard guard(nesting_);
        if (nesting_ > kMaxNesting) Fail(EVbError::kOutOfStack, "expression nested too deep");
        TExprPtr e = ParseEqv();
        while (IsKw(EKw::kImp)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kImp, std::move(e), ParseEqv(), line);
        }
        return e;
    }
    // eqv := xor {'Eqv' xor}
    TExprPtr ParseEqv() {
        TExprPtr e = ParseXor();
        while (IsKw(EKw::kEqv)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kEqv, std::move(e), ParseXor(), line);
        }
        return e;
    }
    // xor := or {'Xor' or}
    TExprPtr ParseXor() {
        TExprPtr e = ParseOr();
        while (IsKw(EKw::kXor)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kXor, std::move(e), ParseOr(), line);
        }
        return e;
    }
    // or := and {'Or' and}
    TExprPtr ParseOr() {
        TExprPtr e = ParseAnd();
        while (IsKw(EKw::kOr)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kOr, std::move(e), ParseAnd(), line);
        }
        return e;
    }
    // and := not {'And' not}
    TExprPtr ParseAnd() {
        TExprPtr e = ParseNot();
        while (IsKw(EKw::kAnd)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kAnd, std::move(e), ParseNot(), line);
        }
        return e;
    }
    // not := 'Not' not | compare
    TExprPtr ParseNot() {
        if (!IsKw(EKw::kNot)) return ParseCompare();
        TDepthGuard guard(nesting_);
        if (nesting_ > kMaxNesting) Fail(EVbError::kOutOfStack, "expression nested too deep");
        const int line = Cur().line;
        Next();
        TExprPtr operand = ParseNot();
        const uint32_t depth = operand->depth + 1;
        auto e = std::make_unique<TUnaryExpr>(EUnOp::kNot, std::move(operand), line);
        e->depth = depth;
        return e;
    }
    // compare := concat {('=' | '<>' | '<' | '>' | '<=' | '>=' | 'Is') concat}
    TExprPtr ParseCompare() {
        TExprPtr e = ParseConcat();
        for (;;) {
            ECmpOp op;
            switch (Cur().kind) {
                case ETok::kEq: op = ECmpOp::kEq; break;
                case ETok::kNe: op = ECmpOp::kNe; break;
                case ETok::kLt: op = ECmpOp::kLt; break;
                case ETok::kGt: op = ECmpOp::kGt; break;
                case ETok::kLe: op = ECmpOp::kLe; break;
                case ETok::kGe: op = ECmpOp::kGe; break;
                default:
                    if (!IsKw(EKw::kIs)) return e;
                    op = ECmpOp::kIs;
            }
            const int line = Cur().line;
            Next();
            TExprPtr rhs = ParseConcat();
            const uint32_t depth = std::max(e->depth, rhs->depth) + 1;
            if (depth > kMaxExprDepth) FailAt(EVbError::kOutOfStack, line, "expression too long");
            e = std::make_unique<TCompareExpr>(op, std::move(e), std::move(rhs), line);
            e->depth = depth;
        }
    }
    // concat := additive {'&' additive}
    TExprPtr ParseConcat() {
        TExprPtr e = ParseAdditive();
        while (Is(ETok::kAmp)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kConcat, std::move(e), ParseAdditive(), line);
        }
        return e;
    }
    // additive := mod {('+' | '-') mod}
    TExprPtr ParseAdditive() {
        TExprPtr e = ParseMod();
        while (Is(ETok::kPlus) || Is(ETok::kMinus)) {
            const EBinOp op = Is(ETok::kPlus) ? EBinOp::kAdd : EBinOp::kSub;
            const int line = Cur().line;
            Next();
            e = MakeBinary(op, std::move(e), ParseMod(), line);
        }
        return e;
    }
    // mod := intdiv {'Mod' intdiv}
    TExprPtr ParseMod() {
        TExprPtr e = ParseIntDiv();
        while (IsKw(EKw::kMod)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kMod, std::move(e), ParseIntDiv(), line);
        }
        return e;
    }
    // intdiv := multiplicative {'\' multiplicative}
    TExprPtr ParseIntDiv() {
        TExprPtr e = ParseMultiplicative();
        while (Is(ETok::kBackslash)) {
            const int line = Cur().line;
            Next();
            e = MakeBinary(EBinOp::kIntDiv, std::move(e), ParseMultiplicative(), line);
        }
        return e;
    }
    // multiplicative := unary {('*' | '/') unary}
    TExprPtr ParseMultiplicative() {
        TExprPtr e = ParseUnary();
        while (Is(ETok::kStar) || Is(ETok::kSlash)) {
            const EBinOp op = Is(ETok::kStar) ? EBinOp::kMul : EBinOp::kDiv;
            const int line = Cur().line;
            Next();
            e = MakeBinary(op, std::move(e), ParseUnary(), line);
        }
        return e;
    }
    // unary := ('-' | '+') unary | power      (so -2^2 is -(2^2))
    TExprPtr ParseUnary() {
        if (!Is(ETok::kMinus) && !Is(ETok::kPlus)) return ParsePower();
        TDepthGuard guard(nesting_);
        if (nesting_ > kMaxNesting) Fail(EVbError::kOutOfStack, "expression nested too deep");
        const EUnOp op = Is(ETok::kMinus) ? EUnOp::kNeg : EUnOp::kPlus;
        const int line = Cur().line;
        Next();
        TExprPtr operand = ParseUnary();
        // A negated number literal stays a literal (and a literal for comparisons).
        if (operand->kind == EExpr::kLiteral && op == EUnOp::kNeg) {
            auto& lit = static_cast<TLiteral&>(*operand);
            if (lit.value.IsNumber()) {
                lit.value = NegateLiteral(lit.value);
                return operand;
            }
        }
        const uint32_t depth = operand->depth + 1;
        auto e = std::make_unique<TUnaryExpr>(op, std::move(operand), line);
        e->depth = depth;
        return e;
    }
    // power := postfix {'^' ['-' | '+'] postfix}
    TExprPtr ParsePower() {
        TExprPtr e = ParsePostfix();
        while (Is(ETok::kCaret)) {
            const int line = Cur().line;
            Next();
            TExprPtr rhs;
            if (Is(ETok::kMinus) || Is(ETok::kPlus)) rhs = ParseUnary();
            else rhs = ParsePostfix();
            e = MakeBinary(EBinOp::kPow, std::move(e), std::move(rhs), line);
        }
        return e;
    }
    // postfix := primary {'(' [args] ')' | '.' name}
    TExprPtr ParsePostfix() {
        TExprPtr e = ParsePrimary();
        for (;;) {
            const int line = Cur().line;
            if (Is(ETok::kLParen)) {
                if (e->kind == EExpr::kLiteral) Fail(EVbError::kExpectedEndOfStatement);
                auto ix = std::make_unique<TIndexExpr>(line);
                ix->depth = e->depth + 1;
                ix->base = std::move(e);
                ix->args = ParseParenArgs();
                e = std::move(ix);
            } else if (Is(ETok::kDot)) {
                Next();
                if (!Is(ETok::kName)) Fail(EVbError::kExpectedIdentifier);
                auto m = std::make_unique<TMemberExpr>(line);
                m->depth = e->depth + 1;
                m->base = std::move(e);
                LowerName(Cur().text, m->member);
                Next();
                if (Is(ETok::kLParen)) m->args = ParseParenArgs();
                e = std::move(m);
            } else {
                return e;
            }
        }
    }
    // primary := number | string | 'True' | 'False' | 'Empty' | 'Null' | 'Nothing'
    //          | '(' expr ')' | 'Not' not | name ['(' [args] ')'] | 'Err' ['.' member]
    TExprPtr ParsePrimary() {
        const TToken& t = Cur();
        const int line = t.line;
        switch (t.kind) {
            case ETok::kNumber:
            case ETok::kString: {
                auto lit = std::make_unique<TLiteral>(t.value, line);
                Next();
                return lit;
            }
            case ETok::kLParen: {
                Next();
                TExprPtr e = ParseExpr();
                Expect(ETok::kRParen, EVbError::kExpectedRParen);
                e->parenthesized = true;
                return e;
            }
            case ETok::kName: break;
            default: Fail(EVbError::kExpectedExpression);
        }
        switch (t.keyword) {
            case EKw::kTrue: Next(); return std::make_unique<TLiteral>(Variant::Boolean(true), line);
            case EKw::kFalse: Next(); return std::make_unique<TLiteral>(Variant::Boolean(false), line);
            case EKw::kEmpty: Next(); return std::make_unique<TLiteral>(Variant(), line);
            case EKw::kNull: Next(); return std::make_unique<TLiteral>(Variant::Null(), line);
            case EKw::kNothing: Next(); return std::make_unique<TLiteral>(Variant::Nothing(), line);
            case EKw::kNot: return ParseNot();
            case EKw::kNone: break;
            default: Fail(EVbError::kExpectedExpression);
        }
        LowerName(t.text, lower_);
        Variant constant;
        if (FindConstant(lower_, constant)) {
            Next();
            return std::make_unique<TLiteral>(constant, line);
        }
        if (lower_ == "err") {
            Next();
            auto m = std::make_unique<TMemberExpr>(line);
            if (Accept(ETok::kDot)) {
                if (!Is(ETok::kName)) Fail(EVbError::kExpectedIdentifier);
                LowerName(Cur().text, m->member);
                Next();
                if (Is(ETok::kLParen)) m->args = ParseParenArgs();
            } else {
                m->member = "number";
            }
            return m;
        }
        const int builtin = Builtin();
        const uint32_t id = Intern(t.text);
        Next();
        if (Is(ETok::kLParen) || builtin >= 0) {
            auto c = std::make_unique<TCallExpr>(id, line);
            c->builtin = builtin;
            if (Is(ETok::kLParen)) c->args = ParseParenArgs();
            for (const auto& a : c->args) c->depth = std::max(c->depth, a->depth + 1);
            return c;
        }
        return std::make_unique<TVarExpr>(id, line);
    }

    TProgram& prog_;
    std::vector<TToken> toks_;
    size_t pos_ = 0;
    TScope* scope_ = nullptr;
    TFuncDecl* func_ = nullptr;
    TNameIndex globalNames_;
    TNameIndex localNames_;
    std::vector<bool> declared_;  // script-level names declared so far
    std::string lower_;
    int nesting_ = 0;
    int singleLineIf_ = 0;
    int loopFor_ = 0;
    int loopDo_ = 0;
};

}  // namespace

std::shared_ptr<const TProgram> ParseProgram(std::string text) {
    auto p = std::make_shared<TProgram>();
    p->text = std::move(text);
    p->IndexLines();
    if (!ReadAssignmentsOnly(*p)) {
        p->globals = TScope{};
        p->body.clear();
        TParser(*p).ParseScript();
    }
    p->IndexNames();
    return p;
}

std::shared_ptr<const TProgram> ParseProgramGeneral(std::string text) {
    auto p = std::make_shared<TProgram>();
    p->text = std::move(text);
    p->IndexLines();
    TParser(*p).ParseScript();
    p->IndexNames();
    return p;
}

std::shared_ptr<const TProgram> ParseExpressionProgram(std::string text) {
    auto p = std::make_shared<TProgram>();
    p->text = std::move(text);
    p->IndexLines();
    TParser(*p).ParseExpressionOnly();
    p->IndexNames();
    return p;
}

}  // namespace kinemo
