// The bounded LRU cache of parsed formula texts.
#include "formula/ProgramCache.h"

#include "formula/Parser.h"

#include <cstring>

namespace kinemo {

namespace {

inline uint64_t Mix(uint64_t h, uint64_t w) {
    h = (h ^ w) * 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 32);
}

size_t RecentSlot(const char* data, size_t size, size_t slots) {
    const uint64_t a = reinterpret_cast<uintptr_t>(data);
    return static_cast<size_t>(((a >> 3) ^ (a >> 13) ^ size) % slots);
}

}  // namespace

// A lookup that misses the recent table hashes the whole text, often kilobytes of hand-over
// lines: four independent lanes of eight bytes keep that well below the cost of running it.
// Collisions only cost a compare.
size_t TProgramCache::TKeyHash::operator()(const TKey& k) const {
    const char* p = k.text.data();
    size_t n = k.text.size();
    uint64_t h0 = 0x9E3779B97F4A7C15ull ^ n ^ static_cast<uint64_t>(k.kind);
    uint64_t h1 = 0xC2B2AE3D27D4EB4Full, h2 = 0x165667B19E3779F9ull, h3 = 0x27D4EB2F165667C5ull;
    for (; n >= 32; n -= 32, p += 32) {
        uint64_t w[4];
        std::memcpy(w, p, 32);
        h0 = Mix(h0, w[0]);
        h1 = Mix(h1, w[1]);
        h2 = Mix(h2, w[2]);
        h3 = Mix(h3, w[3]);
    }
    uint64_t h = Mix(Mix(Mix(h0, h1), h2), h3);
    for (; n >= 8; n -= 8, p += 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        h = Mix(h, w);
    }
    uint64_t tail = 0;
    std::memcpy(&tail, p, n);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return static_cast<size_t>(h ^ (h >> 29));
}

TProgramCache::TRecent* TProgramCache::FindRecent(std::string_view text, EKind kind) {
    TRecent& r = recent_[RecentSlot(text.data(), text.size(), kRecent)];
    if (r.program && r.data == text.data() && r.size == text.size() && r.kind == kind &&
        (text.empty() || std::memcmp(r.program->text.data(), text.data(), text.size()) == 0))
        return &r;
    return nullptr;
}

void TProgramCache::ForgetRecent(const TProgram* program) {
    for (TRecent& r : recent_)
        if (r.program.get() == program) r = TRecent{};
}

std::shared_ptr<const TProgram> TProgramCache::Get(std::string_view text, EKind kind) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (TRecent* r = FindRecent(text, kind)) {
            ++hits_;
            lru_.splice(lru_.begin(), lru_, r->lruPos);
            return r->program;
        }
        auto it = map_.find(TKey{text, kind});
        if (it != map_.end()) {
            ++hits_;
            lru_.splice(lru_.begin(), lru_, it->second.lruPos);
            recent_[RecentSlot(text.data(), text.size(), kRecent)] =
                TRecent{text.data(), text.size(), kind, it->second.program, it->second.lruPos};
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
    recent_[RecentSlot(text.data(), text.size(), kRecent)] = TRecent{text.data(), text.size(), kind, program, lru_.begin()};
    while (map_.size() > capacity_) {
        auto victim = map_.find(lru_.back());
        ForgetRecent(victim->second.program.get());
        map_.erase(victim);
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
    recent_.fill(TRecent{});
}

}  // namespace kinemo
