// The names of one scope by text, for the parser: interning a name allocates nothing beyond the name itself.
#pragma once

#include "formula/Ast.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kinemo {

// Open addressing over the scope's own name list.
class TNameIndex {
public:
    void Clear() {
        slots_.clear();
        count_ = 0;
    }

    // The id of lower in scope, or UINT32_MAX.
    uint32_t Find(const TScope& scope, std::string_view lower, uint64_t hash) const {
        if (slots_.empty()) return UINT32_MAX;
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint32_t slot = slots_[i];
            if (slot == 0) return UINT32_MAX;
            const TName& n = scope.names[slot - 1];
            if (n.hash == hash && n.text == lower) return slot - 1;
        }
    }

    // Records that id (already in scope.names) has its hash.
    void Add(const TScope& scope, uint32_t id) {
        if ((count_ + 1) * 2 > slots_.size()) {
            slots_.assign(std::max<size_t>(64, slots_.size() * 2), 0);
            count_ = 0;
            for (uint32_t k = 0; k < id; ++k) Place(scope.names[k].hash, k);
        }
        Place(scope.names[id].hash, id);
    }

private:
    void Place(uint64_t hash, uint32_t id) {
        const size_t mask = slots_.size() - 1;
        size_t i = hash & mask;
        while (slots_[i] != 0) i = (i + 1) & mask;
        slots_[i] = id + 1;
        ++count_;
    }

    std::vector<uint32_t> slots_;
    size_t count_ = 0;
};

}  // namespace kinemo
