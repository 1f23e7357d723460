// The quick reader of assignment-only texts: the array texts callers build for every
// motor are each seen once, and reading them needs no general parser.
#include "formula/AssignmentReader.h"

#include "formula/Builtins.h"
#include "formula/Lexer.h"
#include "formula/NameIndex.h"
#include "formula/NumberLiteral.h"

#include <cstdint>
#include <vector>

namespace kinemo {

namespace {

// Reads texts made only of "Name = number", "Name(i) = number", "Dim Name(n)", "Dim Name",
// blank and comment lines: the hand-over and array texts callers build for every motor,
// each seen once. It builds what the general parser would build, or gives up (false) at
// the first thing that is not plainly one of those, errors included, and the general
// parser then reads the whole text.
class TAssignmentReader {
public:
    explicit TAssignmentReader(TProgram& prog) : prog_(prog), t_(prog.text) {}

    bool Read() {
        while (p_ < t_.size()) {
            SkipBlanks();
            if (!AtLineEnd() && !Statement()) return false;
            SkipBlanks();
            if (p_ < t_.size() && t_[p_] == '\'') {
                while (p_ < t_.size() && t_[p_] != '\r' && t_[p_] != '\n') ++p_;
            }
            if (p_ >= t_.size()) break;
            if (t_[p_] == '\r') {
                ++p_;
                if (p_ < t_.size() && t_[p_] == '\n') ++p_;
            } else if (t_[p_] == '\n') {
                ++p_;
            } else {
                return false;
            }
            ++line_;
        }
        return true;
    }

private:
    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

    void SkipBlanks() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\t')) ++p_;
    }
    bool AtLineEnd() const { return p_ >= t_.size() || t_[p_] == '\r' || t_[p_] == '\n' || t_[p_] == '\''; }
    bool Accept(char c) {
        SkipBlanks();
        if (p_ >= t_.size() || t_[p_] != c) return false;
        ++p_;
        SkipBlanks();
        return true;
    }

    // A word made of name characters; empty when none starts here.
    std::string_view Word() {
        const size_t b = p_;
        if (p_ < t_.size() && IsLetter(t_[p_]))
            while (p_ < t_.size() && IsNameChar(t_[p_])) ++p_;
        return t_.substr(b, p_ - b);
    }

    // A name the general parser would accept as assignable; its id, or UINT32_MAX.
    uint32_t Name() {
        const std::string_view w = Word();
        if (w.empty() || FindKeyword(w) != EKw::kNone) return UINT32_MAX;
        LowerName(w, lower_);
        Variant constant;
        if (FindConstant(lower_, constant) || FindBuiltin(lower_) >= 0 || lower_ == "err") return UINT32_MAX;
        const uint64_t hash = HashName(lower_);
        const uint32_t found = index_.Find(prog_.globals, lower_, hash);
        if (found != UINT32_MAX) return found;
        const auto id = static_cast<uint32_t>(prog_.globals.names.size());
        prog_.globals.names.push_back({lower_, hash, std::string(w)});
        index_.Add(prog_.globals, id);
        return id;
    }

    // "(" digits ")" with a value an Integer or Long literal holds; -1 otherwise.
    int32_t Subscript() {
        if (!Accept('(')) return -1;
        const size_t b = p_;
        int32_t n = 0;
        while (p_ < t_.size() && IsDigit(t_[p_]) && p_ - b < 9) n = n * 10 + (t_[p_++] - '0');
        if (p_ == b || (p_ < t_.size() && IsNameChar(t_[p_]))) return -1;
        if (!Accept(')')) return -1;
        return n;
    }

    // An optionally negated number literal, typed as the lexer types it.
    bool Number(Variant& out) {
        const bool neg = Accept('-');
        if (!ReadNumberLiteral(t_, p_, out)) return false;
        if (neg) out = NegateLiteral(out);
        SkipBlanks();
        return AtLineEnd();
    }

    bool Statement() {
        const size_t start = p_;
        const std::string_view first = Word();
        if (first.empty()) return false;
        if (FindKeyword(first) == EKw::kDim) {
            SkipBlanks();
            TDecl d;
            d.line = line_;
            d.id = Name();
            if (d.id == UINT32_MAX) return false;
            SkipBlanks();
            if (!AtLineEnd()) {
                const int32_t n = Subscript();
                if (n < 0 || !AtLineEnd()) return false;
                d.isArray = true;
                d.bounds.push_back(n);
            }
            if (declared_.size() <= d.id) declared_.resize(d.id + 1, false);
            if (declared_[d.id]) return false;  // the general parser's "Name redefined"
            declared_[d.id] = true;
            prog_.globals.decls.push_back(std::move(d));
            return true;
        }
        p_ = start;
        const uint32_t id = Name();
        if (id == UINT32_MAX) return false;
        SkipBlanks();
        int32_t index = -1;
        if (p_ < t_.size() && t_[p_] == '(') {
            index = Subscript();
            if (index < 0) return false;
        }
        if (!Accept('=')) return false;
        Variant value;
        if (!Number(value)) return false;
        prog_.body.push_back(std::make_unique<TLiteralAssignStmt>(id, index, std::move(value), line_));
        return true;
    }

    TProgram& prog_;
    std::string_view t_;
    size_t p_ = 0;
    int line_ = 1;
    TNameIndex index_;
    std::vector<bool> declared_;
    std::string lower_;
};

}  // namespace

bool ReadAssignmentsOnly(TProgram& prog) { return TAssignmentReader(prog).Read(); }

bool ParseAssignmentsOnly(std::string text, std::shared_ptr<const TProgram>& out) {
    auto p = std::make_shared<TProgram>();
    p->text = std::move(text);
    p->IndexLines();
    if (!TAssignmentReader(*p).Read()) return false;
    p->IndexNames();
    out = std::move(p);
    return true;
}

}  // namespace kinemo
