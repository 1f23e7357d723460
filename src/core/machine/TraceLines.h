// Lines of a calculation trace kept as shared runs: a chain run repeated from its remembered
// result, or a case copied, adds its lines without copying a string; read as plain lines.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

// Lines written once and then only read, shared by every trace that repeats them.
using TTraceBlock = std::shared_ptr<const std::vector<std::string>>;

class TTraceLines {
public:
    TTraceLines() = default;
    // A copy shares the lines; neither ever changes a line the other shows.
    TTraceLines(const TTraceLines& other) : pieces_(other.pieces_), size_(other.size_) {}
    TTraceLines& operator=(const TTraceLines& other);
    TTraceLines(TTraceLines&& other) noexcept;
    TTraceLines& operator=(TTraceLines&& other) noexcept;

    void Add(std::string line);
    // Every line of block, in order.
    void Add(const TTraceBlock& block);
    // Lines first..last-1 of this trace, added again at its end.
    void Repeat(size_t first, size_t last);
    // Lines first..last-1 as a trace of their own.
    TTraceLines Part(size_t first, size_t last) const;
    // Every line of other, added at the end.
    void Append(const TTraceLines& other);
    // Lines from first to the end as one block (the lines themselves are shared afterwards).
    TTraceBlock Block(size_t first);

    void Clear();
    // Drops the lines added after the first n.
    void Truncate(size_t n);
    size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }

    // The lines, joined from their runs when first asked for after a change.
    const std::vector<std::string>& Lines() const;
    std::vector<std::string>::const_iterator begin() const { return Lines().begin(); }
    std::vector<std::string>::const_iterator end() const { return Lines().end(); }
    bool operator==(const TTraceLines& other) const { return Lines() == other.Lines(); }

private:
    struct TPiece {
        TTraceBlock lines;
        size_t first = 0, count = 0;
    };
    void Changed() { joined_.reset(); }
    template <typename F>
    void ForEachPiece(size_t first, size_t last, F f) const;

    std::vector<TPiece> pieces_;
    size_t size_ = 0;
    // The run Add(line) appends to: made by this trace and seen by no one else past the end
    // of the last piece.
    std::shared_ptr<std::vector<std::string>> tail_;
    mutable std::unique_ptr<std::vector<std::string>> joined_;
};

}  // namespace kinemo
