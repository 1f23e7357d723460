// Progress shown after a delay.
#include "base/DelayedProgress.h"

#include <utility>

namespace kinemo {

TDelayedProgress::TDelayedProgress(IProgress* shown, std::chrono::milliseconds delay, TClock clock)
    : shown_(shown), delay_(delay), clock_(std::move(clock)), start_(clock_()) {}

void TDelayedProgress::Progress(int position, int count, const std::string& caption) {
    if (!shown_) return;
    count_ = count;
    const bool last = position >= count;
    if (!visible_) {
        if (last || clock_() - start_ < delay_) return;
        visible_ = true;
    }
    shown_->Progress(position, count, caption);
    if (last) visible_ = false;
}

bool TDelayedProgress::CancelRequested() { return Shown() && shown_->CancelRequested(); }

void TDelayedProgress::Finish() {
    if (!Shown()) return;
    visible_ = false;
    shown_->Progress(count_, count_, "");
}

}  // namespace kinemo
