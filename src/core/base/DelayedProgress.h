// A progress that shows only the runs that last: reports reach the window once the run has
// taken longer than a delay, so that a quick run never flashes a window.
#pragma once

#include "base/UserDialogs.h"

#include <chrono>
#include <functional>
#include <string>

namespace kinemo {

class TDelayedProgress : public IProgress {
public:
    using TClock = std::function<std::chrono::steady_clock::time_point()>;

    // shown is borrowed (nullptr: nothing is shown and nothing cancels); the delay runs from
    // construction. clock is the time source (tests give their own).
    TDelayedProgress(IProgress* shown, std::chrono::milliseconds delay, TClock clock = std::chrono::steady_clock::now);
    ~TDelayedProgress() override = default;

    // Passed on from the first report after the delay on; the last (position >= count)
    // passed on when anything was shown, so the window closes.
    void Progress(int position, int count, const std::string& caption) override;
    // Only a run whose progress is shown can be cancelled (the user has nothing to click
    // before).
    bool CancelRequested() override;
    // Closes the shown progress of a run that ended before its last step (an error, a cancel).
    void Finish();
    bool Shown() const { return shown_ && visible_; }

private:
    IProgress* shown_;
    std::chrono::milliseconds delay_;
    TClock clock_;
    std::chrono::steady_clock::time_point start_;
    bool visible_ = false;
    int count_ = 0;
};

}  // namespace kinemo
