// The drive pattern page's sub-page rules.
#include "shell/InputPatternPage.h"

#include "base/UserDialogs.h"
#include "machine/CalcCarryValue.h"
#include "pattern/InputPatternModel.h"

#include <exception>

namespace kinemo {

bool TInputPatternPage::OnPageLeft() {
    try {
        pattern_.CurrentGrid().Data().Validate();
        pattern_.CheckModulus();
    } catch (const std::exception& e) {
        dialogs_.ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
        return false;
    }
    return true;
}

void TInputPatternPage::OnPageEntered(bool committed) {
    if (!committed) {
        // The input-type change handling, without conversion.
        pattern_.SetAxisKind(chain_ ? (chain_->IsRolling() ? 1 : 0) : pattern_.AxisKind());
        pattern_.RefreshCarryOutputs();
        pattern_.RecalculateCurrentAxis();
        pattern_.RedrawChart();
    }
    if (OnEntered) OnEntered();
}

void TInputPatternPage::SetPageActive(bool active) { pattern_.PageActive = active; }

}  // namespace kinemo
