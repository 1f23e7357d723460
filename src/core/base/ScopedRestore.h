// Undo on scope exit: a value put back, or an action run, when a block is left before it
// was committed, in place of hand-written catch-restore-rethrow blocks.
#pragma once

#include <utility>

namespace kinemo {

// Runs undo when the scope ends, unless Commit() kept what was done or RunNow() ran it
// already. undo runs from a destructor, so it must not throw: steps whose undo can fail
// keep their own catch block.
template <typename Fn>
class TRestoreOnExit {
public:
    explicit TRestoreOnExit(Fn undo) : undo_(std::move(undo)) {}
    ~TRestoreOnExit() {
        if (armed_) undo_();
    }
    TRestoreOnExit(const TRestoreOnExit&) = delete;
    TRestoreOnExit& operator=(const TRestoreOnExit&) = delete;

    // Keeps what the scope did: undo will not run.
    void Commit() { armed_ = false; }
    // Runs undo now rather than at the end of the scope (once).
    void RunNow() {
        if (!armed_) return;
        armed_ = false;
        undo_();
    }

private:
    Fn undo_;
    bool armed_ = true;
};

// Saves a variable's value (optionally setting a new one) and puts the saved value back
// when the scope ends, unless committed.
template <typename T>
class TScopedRestore {
public:
    explicit TScopedRestore(T& target) : target_(target), saved_(target) {}
    TScopedRestore(T& target, T value) : target_(target), saved_(std::exchange(target, std::move(value))) {}
    ~TScopedRestore() {
        if (armed_) target_ = std::move(saved_);
    }
    TScopedRestore(const TScopedRestore&) = delete;
    TScopedRestore& operator=(const TScopedRestore&) = delete;

    // Keeps the variable's value now.
    void Commit() { armed_ = false; }
    // Puts the saved value back now rather than at the end of the scope (once).
    void Restore() {
        if (!armed_) return;
        armed_ = false;
        target_ = std::move(saved_);
    }
    const T& Saved() const { return saved_; }

private:
    T& target_;
    T saved_;
    bool armed_ = true;
};

}  // namespace kinemo
