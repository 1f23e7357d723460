// Wait window.
#include "common/FormWaitForProcess.h"

#include "common/InterfaceFont.h"

#include <QApplication>
#include <QFrame>
#include <QProgressBar>

namespace kinemo {

TFormWaitForProcess::TFormWaitForProcess(QWidget* owner, const std::string& fontName)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    setObjectName("FormWaitForProcess");
    setFixedSize(269, 33);
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setGeometry(0, 0, 269, 33);
    bar_ = new QProgressBar(panel);
    bar_->setObjectName("ProgressBar1");
    bar_->setGeometry(8, 8, 257, 16);
    bar_->setTextVisible(false);
    ApplyInterfaceFont(this, fontName);
}

void TFormWaitForProcess::Progress(int position, int count, const std::string& caption) {
    if (position >= count) {
        hide();
        return;
    }
    bar_->setRange(0, count);
    bar_->setValue(position);
    bar_->setTextVisible(!caption.empty());
    bar_->setFormat(QString::fromStdString(caption));
    if (!isVisible()) {
        if (owner_) move(owner_->geometry().center() - rect().center());
        show();
    }
    // Long runs happen on this thread; the bar must be painted before the next step.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kinemo
