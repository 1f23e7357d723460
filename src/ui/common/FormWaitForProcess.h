// The wait window of long runs: borderless, on top, centred on its owner, one progress bar,
// and a Cancel button for the runs that can stop.
#pragma once

#include "base/UserDialogs.h"

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace kinemo {

class TFormWaitForProcess : public QWidget, public IProgress {
    Q_OBJECT
public:
    TFormWaitForProcess(QWidget* owner, const std::string& fontName);

    // Shown while position < count, hidden when the run is done; the caption, when given,
    // is shown in the bar.
    void Progress(int position, int count, const std::string& caption) override;
    // A run that asks can be stopped: the window then shows its Cancel button and keeps the
    // rest of the program from input until the run ends. True once Cancel was pressed.
    bool CancelRequested() override;
    // The Cancel button's text (the catalog's).
    void SetCancelText(const std::string& text);
    QProgressBar* Bar() const { return bar_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void EndRun();

    QWidget* owner_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};

}  // namespace kinemo
