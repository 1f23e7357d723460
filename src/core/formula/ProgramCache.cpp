// The bounded LRU cache of parsed formula texts.
#include "formula/ProgramCache.h"

#include "formula/Parser.h"

#include <cstring>

namespace kinemo {

// Every lookup hashes the whole text, often kilobytes of hand-over lines: eight bytes per
// multiply keeps that well below the cost of running it. Collisions only cost a compare.
size_t TProgramCache::TKeyHash::operator()(const TKey& k) const {
    const char* p = k.text.data();
    size_t n = k.text.size();
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n ^ static_cast<uint64_t>(k.kind);
    for (; n >= 8; n -= 8, p += 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, p, n);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return static_cast<size_t>(h ^ (h >> 29));
}

std::shared_ptr<const TProgram> TProgramCache::Get(std::string_view text, EKind kind) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = map_.find(TKey{text, kind});
        if (it != map_.end()) {
            ++hits_;
            lru_.splice(lru_.begin(), lru_, it->second.lruPos);
            return it->second.program;
        }
        ++misses_;
    }
    // Parse outside the lock: a long parse must not stall other threads' hits.
    std::shared_ptr<const TProgram> program =
        kind == EKind::kStatements ? ParseProgram(std::string(text)) : ParseExpressionProgram(std::string(text));
    std::lock_guard<std::mutex> lock(mutex_);
    const TKey key{program->text, kind};
    auto it = map_.find(key);
    if (it != map_.end()) return it->second.program;  // another thread parsed it meanwhile
    lru_.push_front(key);
    map_.emplace(key, TEntry{program, lru_.begin()});
    while (map_.size() > capacity_) {
        map_.erase(lru_.back());
        lru_.pop_back();
    }
    return program;
}

TProgramCache::TStats TProgramCache::Stats() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {map_.size(), hits_, misses_};
}

void TProgramCache::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    map_.clear();
    lru_.clear();
}

}  // namespace kinemo
