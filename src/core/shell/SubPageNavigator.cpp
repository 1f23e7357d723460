// Sub-page change rules.
#include "shell/SubPageNavigator.h"

#include <cstddef>

namespace kinemo {

void TSubPageNavigator::SetPage(int index, IMotorSelectPage* page) {
    if (index >= 0 && index < kPageCount) pages_[static_cast<std::size_t>(index)] = page;
}

IMotorSelectPage* TSubPageNavigator::Page(int index) const {
    return index >= 0 && index < kPageCount ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void TSubPageNavigator::SetActiveFlags(int shown) {
    for (int i = 0; i < kPageCount; ++i)
        if (auto* p = Page(i)) p->SetPageActive(i == shown);
}

bool TSubPageNavigator::BeforeChange() {
    previous_ = current_;
    auto* page = Page(current_);
    return !page || page->CanLeavePage();
}

int TSubPageNavigator::AfterChange(int newIndex, bool motorCommitted) {
    current_ = newIndex;
    if (motorCommitted) {
        if (auto* entered = Page(newIndex)) entered->OnPageEntered(true);
        SetActiveFlags(newIndex);
        return newIndex;
    }
    if (previous_ != newIndex) {
        if (auto* left = Page(previous_); left && !left->OnPageLeft()) {
            current_ = previous_;
            SetActiveFlags(current_);
            return current_;
        }
    }
    if (auto* entered = Page(newIndex)) entered->OnPageEntered(false);
    SetActiveFlags(newIndex);
    return newIndex;
}

void TSubPageNavigator::ShownWithoutRules(int index) {
    current_ = index;
    previous_ = index;
    SetActiveFlags(index);
}

}  // namespace kinemo
