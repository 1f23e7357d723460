// The page-change rules of the first page's three sub-pages (element choice, drive
// pattern, motor choice). The screens on those pages take part through IMotorSelectPage;
// a page without a screen lets every change through.
#pragma once

#include <array>

namespace kinemo {

class IMotorSelectPage {
public:
    virtual ~IMotorSelectPage() = default;
    // Before the user leaves this page: false refuses the change (the screen has told the
    // user why).
    virtual bool CanLeavePage() { return true; }
    // After the change, only while no motor is committed: false sends the user back to
    // this page (the screen has told the user why) and nothing else runs.
    virtual bool OnPageLeft() { return true; }
    // After the change; committed: a motor is committed, so the screen must only refresh
    // its view, never recompute.
    virtual void OnPageEntered(bool committed) { (void)committed; }
    // Whether this page is the one shown, set after every change.
    virtual void SetPageActive(bool active) { (void)active; }
};

class TSubPageNavigator {
public:
    static constexpr int kPageCount = 3;

    // page is borrowed; nullptr removes the screen.
    void SetPage(int index, IMotorSelectPage* page);
    int CurrentIndex() const { return current_; }

    // The user asks to leave the current page: remembers it and asks its screen.
    bool BeforeChange();
    // The page control now shows newIndex. Returns the index that must be shown: the page
    // left, when its screen sent the user back, else newIndex.
    int AfterChange(int newIndex, bool motorCommitted);
    // The page control was set without the rules (returning to the first page).
    void ShownWithoutRules(int index);

private:
    IMotorSelectPage* Page(int index) const;
    void SetActiveFlags(int shown);

    std::array<IMotorSelectPage*, kPageCount> pages_{};
    int current_ = 0;
    int previous_ = 0;
};

}  // namespace kinemo
