// Shared runs of trace lines.
#include "machine/TraceLines.h"

#include <algorithm>

namespace kinemo {

TTraceLines& TTraceLines::operator=(const TTraceLines& other) {
    if (this != &other) {
        pieces_ = other.pieces_;
        size_ = other.size_;
        tail_.reset();
        Changed();
    }
    return *this;
}

TTraceLines::TTraceLines(TTraceLines&& other) noexcept
    : pieces_(std::move(other.pieces_)), size_(other.size_), tail_(std::move(other.tail_)),
      joined_(std::move(other.joined_)) {
    other.size_ = 0;
}

TTraceLines& TTraceLines::operator=(TTraceLines&& other) noexcept {
    if (this != &other) {
        pieces_ = std::move(other.pieces_);
        size_ = other.size_;
        tail_ = std::move(other.tail_);
        joined_ = std::move(other.joined_);
        other.size_ = 0;
        other.pieces_.clear();
    }
    return *this;
}

void TTraceLines::Add(std::string line) {
    if (tail_ && !pieces_.empty()) {
        TPiece& last = pieces_.back();
        if (last.lines.get() == tail_.get() && last.first + last.count == tail_->size()) {
            tail_->push_back(std::move(line));
            ++last.count;
            ++size_;
            Changed();
            return;
        }
    }
    tail_ = std::make_shared<std::vector<std::string>>();
    tail_->push_back(std::move(line));
    pieces_.push_back({tail_, 0, 1});
    ++size_;
    Changed();
}

void TTraceLines::Add(const TTraceBlock& block) {
    if (!block || block->empty()) return;
    pieces_.push_back({block, 0, block->size()});
    size_ += block->size();
    Changed();
}

template <typename F>
void TTraceLines::ForEachPiece(size_t first, size_t last, F f) const {
    size_t at = 0;  // the index of the piece's first line
    for (const TPiece& p : pieces_) {
        const size_t begin = std::max(first, at), end = std::min(last, at + p.count);
        if (begin < end) f(TPiece{p.lines, p.first + (begin - at), end - begin});
        at += p.count;
        if (at >= last) break;
    }
}

void TTraceLines::Repeat(size_t first, size_t last) {
    last = std::min(last, size_);
    if (first >= last) return;
    std::vector<TPiece> parts;
    ForEachPiece(first, last, [&](TPiece p) { parts.push_back(std::move(p)); });
    for (TPiece& p : parts) {
        size_ += p.count;
        pieces_.push_back(std::move(p));
    }
    Changed();
}

TTraceLines TTraceLines::Part(size_t first, size_t last) const {
    TTraceLines part;
    last = std::min(last, size_);
    ForEachPiece(first, last, [&](TPiece p) {
        part.size_ += p.count;
        part.pieces_.push_back(std::move(p));
    });
    return part;
}

void TTraceLines::Append(const TTraceLines& other) {
    if (other.size_ == 0) return;
    for (const TPiece& p : other.pieces_) pieces_.push_back(p);
    size_ += other.size_;
    Changed();
}

TTraceBlock TTraceLines::Block(size_t first) {
    if (first >= size_) return std::make_shared<const std::vector<std::string>>();
    // Already one whole block: shared as it is.
    if (!pieces_.empty() && first + pieces_.back().count == size_ && pieces_.back().first == 0 &&
        pieces_.back().count == pieces_.back().lines->size() && pieces_.back().lines.get() != tail_.get())
        return pieces_.back().lines;
    auto block = std::make_shared<std::vector<std::string>>();
    block->reserve(size_ - first);
    ForEachPiece(first, size_, [&](const TPiece& p) {
        block->insert(block->end(), p.lines->begin() + static_cast<std::ptrdiff_t>(p.first),
                      p.lines->begin() + static_cast<std::ptrdiff_t>(p.first + p.count));
    });
    // The lines from first on are now that block: later repeats share it.
    const size_t keep = first;
    Truncate(keep);
    TTraceBlock shared = std::move(block);
    Add(shared);
    return shared;
}

void TTraceLines::Clear() {
    pieces_.clear();
    size_ = 0;
    tail_.reset();
    Changed();
}

void TTraceLines::Truncate(size_t n) {
    if (n >= size_) return;
    size_t at = 0;
    size_t keep = 0;
    for (; keep < pieces_.size(); ++keep) {
        TPiece& p = pieces_[keep];
        if (at + p.count >= n) {
            p.count = n - at;
            if (p.count > 0) ++keep;
            break;
        }
        at += p.count;
    }
    pieces_.resize(keep);
    size_ = n;
    // The tail may hold the dropped lines past the last piece: new lines start a new run.
    tail_.reset();
    Changed();
}

const std::vector<std::string>& TTraceLines::Lines() const {
    if (!joined_) {
        auto lines = std::make_unique<std::vector<std::string>>();
        lines->reserve(size_);
        for (const TPiece& p : pieces_)
            lines->insert(lines->end(), p.lines->begin() + static_cast<std::ptrdiff_t>(p.first),
                          p.lines->begin() + static_cast<std::ptrdiff_t>(p.first + p.count));
        joined_ = std::move(lines);
    }
    return *joined_;
}

}  // namespace kinemo
