// The cache of parsed formula texts of one run, so running a text again costs no parsing.
#pragma once

#include "formula/Ast.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kinemo {

// Least-recently-used, bounded, safe to share between threads. The run's context owns one and
// hands it to whatever creates formula engines. Parsed programs are immutable, so sharing one
// between engines cannot carry state from one run to the next; a text that fails to parse is
// not kept and fails again the same way.
class TProgramCache {
public:
    enum class EKind : uint8_t { kStatements, kExpression };

    explicit TProgramCache(size_t capacity = 512) : capacity_(capacity) {}

    std::shared_ptr<const TProgram> Get(std::string_view text, EKind kind);

    struct TStats {
        size_t size;
        uint64_t hits;
        uint64_t misses;
    };
    TStats Stats() const;
    void Clear();

private:
    struct TKey {
        std::string_view text;  // points into the cached program's own text
        EKind kind;
        bool operator==(const TKey& o) const { return kind == o.kind && text == o.text; }
    };
    struct TKeyHash {
        size_t operator()(const TKey& k) const;
    };
    struct TEntry {
        std::shared_ptr<const TProgram> program;
        std::list<TKey>::iterator lruPos;
    };

    // The entries of texts asked for lately, by the text's address and size: callers keep
    // their formula texts in place, so most lookups compare one text instead of hashing it.
    // The text itself decides (an address may hold another text by now).
    struct TRecent {
        const char* data = nullptr;
        size_t size = 0;
        EKind kind = EKind::kStatements;
        std::shared_ptr<const TProgram> program;
        std::list<TKey>::iterator lruPos;
    };
    static constexpr size_t kRecent = 64;
    TRecent* FindRecent(std::string_view text, EKind kind);
    void ForgetRecent(const TProgram* program);

    mutable std::mutex mutex_;
    std::array<TRecent, kRecent> recent_;
    size_t capacity_;
    std::list<TKey> lru_;  // most recent first
    std::unordered_map<TKey, TEntry, TKeyHash> map_;
    uint64_t hits_ = 0;
    uint64_t misses_ = 0;
};

}  // namespace kinemo
