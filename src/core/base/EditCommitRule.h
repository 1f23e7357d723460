// When a grid's cell editor has really finished: the editor hands its text in on every
// change and once more when editing ends, and only a text handed in twice in a row is a
// value to commit.
#pragma once

#include <string>

namespace kinemo {

class TEditCommitRule {
public:
    // No keyboard produces it: the 23 characters and the control characters 1 and 5.
    static const std::string& Sentinel();

    // Hands in the editor's text; true when it is the same as the text handed in just
    // before (commit it now). A commit starts over from the sentinel.
    bool Offer(const std::string& text);
    // Forgets the text handed in (the editor closed without a commit).
    void Reset() { pending_ = Sentinel(); }
    const std::string& Pending() const { return pending_; }

private:
    std::string pending_ = Sentinel();
};

}  // namespace kinemo
