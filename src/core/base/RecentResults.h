// The few most recent results of one calculation, found again by the calculation's
// complete inputs: equal inputs give equal results, so a repeat skips the work.
#pragma once

#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kinemo {

// A number compared bit for bit: 0 and -0 print differently and NaN must still find
// its own entry, so plain == would be wrong for a cache key.
struct TExactDouble {
    double value = 0;
    bool operator==(const TExactDouble& o) const {
        return std::bit_cast<uint64_t>(value) == std::bit_cast<uint64_t>(o.value);
    }
};

// Mixes one 64-bit word into a running hash: for the Hash() of cache inputs.
inline uint64_t MixHash(uint64_t h, uint64_t word) {
    h ^= word + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}

// Input: a plain struct with operator== naming everything the calculation reads; when it
// also has a uint64_t Hash() (equal inputs, equal hashes) a lookup compares hashes first.
// Result: what the calculation gives back. At most Capacity pairs are kept; once full, the
// one used least recently makes room. A linear scan over the hashes (or over the inputs,
// which then differ early).
template <typename Input, typename Result, size_t Capacity>
class TRecentResults {
    static_assert(Capacity > 0);

public:
    // The result of equal inputs, or null.
    const Result* Find(const Input& input) {
        const uint64_t hash = HashOf(input);
        for (TEntry& e : entries_)
            if (e.hash == hash && e.input == input) {
                e.used = ++clock_;
                return &e.result;
            }
        return nullptr;
    }

    // Keeps result for input; the returned reference lives until the next Remember or Clear.
    const Result& Remember(Input input, Result result) {
        const uint64_t hash = HashOf(input);
        TEntry entry{std::move(input), std::move(result), ++clock_, hash};
        if (entries_.size() < Capacity) {
            entries_.push_back(std::move(entry));
            return entries_.back().result;
        }
        TEntry* oldest = &entries_.front();
        for (TEntry& e : entries_)
            if (e.used < oldest->used) oldest = &e;
        *oldest = std::move(entry);
        return oldest->result;
    }

    void Clear() { entries_.clear(); }
    size_t Size() const { return entries_.size(); }
    static constexpr size_t MaxSize() { return Capacity; }

private:
    static uint64_t HashOf(const Input& input) {
        if constexpr (requires { { input.Hash() } -> std::convertible_to<uint64_t>; }) return input.Hash();
        else return 0;
    }
    struct TEntry {
        Input input;
        Result result;
        uint64_t used;
        uint64_t hash;
    };
    std::vector<TEntry> entries_;
    uint64_t clock_ = 0;
};

}  // namespace kinemo
