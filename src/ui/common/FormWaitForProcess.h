// The wait window of long runs: borderless, on top, centred on its owner, one progress bar.
#pragma once

#include "base/UserDialogs.h"

#include <QWidget>

class QProgressBar;

namespace kinemo {

class TFormWaitForProcess : public QWidget, public IProgress {
    Q_OBJECT
public:
    TFormWaitForProcess(QWidget* owner, const std::string& fontName);

    // Shown while position < count, hidden when the run is done; the caption, when given,
    // is shown in the bar.
    void Progress(int position, int count, const std::string& caption) override;
    QProgressBar* Bar() const { return bar_; }

private:
    QWidget* owner_;
    QProgressBar* bar_;
};

}  // namespace kinemo
