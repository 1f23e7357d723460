// The drive pattern page's part in moving between the first page's sub-pages: the pattern
// shown must be valid and the S-curve modulus a number before the user leaves it, and the
// pattern is recomputed for the current machine when the user comes back.
#pragma once

#include "shell/SubPageNavigator.h"

#include <functional>

namespace kinemo {

class IUserDialogs;
class TCalcCarryValue;
class TInputPatternModel;

class TInputPatternPage : public IMotorSelectPage {
public:
    // chain: the machine whose axis kind picks the grid (null keeps the pattern's own).
    TInputPatternPage(TInputPatternModel& pattern, IUserDialogs& dialogs, TCalcCarryValue* chain = nullptr)
        : pattern_(pattern), dialogs_(dialogs), chain_(chain) {}

    // Validation of the pattern shown and the modulus check; a failure is shown as a
    // warning and keeps the user on the page.
    bool OnPageLeft() override;
    // The grid of the machine's axis and the chosen input type, recomputed with the
    // machine's current speed coefficient (not while a motor is committed). The axis is
    // taken from the machine here too, so the grid follows the machine however the user
    // got to the page.
    void OnPageEntered(bool committed) override;
    void SetPageActive(bool active) override;

    // The screen refreshes after an entry.
    std::function<void()> OnEntered;

private:
    TInputPatternModel& pattern_;
    IUserDialogs& dialogs_;
    TCalcCarryValue* chain_;
};

}  // namespace kinemo
