// Wait window.
#include "common/FormWaitForProcess.h"

#include "common/InterfaceFont.h"

#include <QApplication>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>

namespace kinemo {

namespace {

constexpr int kWidth = 269, kHeight = 33, kCancelHeight = 33 + 30;

}  // namespace

TFormWaitForProcess::TFormWaitForProcess(QWidget* owner, const std::string& fontName)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    setObjectName("FormWaitForProcess");
    setFixedSize(kWidth, kHeight);
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setGeometry(0, 0, kWidth, kCancelHeight);
    bar_ = new QProgressBar(panel);
    bar_->setObjectName("ProgressBar1");
    bar_->setGeometry(8, 8, 257, 16);
    bar_->setTextVisible(false);
    cancel_ = new QPushButton(panel);
    cancel_->setObjectName("ButtonCancel");
    cancel_->setGeometry((kWidth - 90) / 2, 33, 90, 24);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    ApplyInterfaceFont(this, fontName);
}

void TFormWaitForProcess::SetCancelText(const std::string& text) { cancel_->setText(QString::fromStdString(text)); }

void TFormWaitForProcess::Progress(int position, int count, const std::string& caption) {
    if (position >= count) {
        EndRun();
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
    // Long runs happen on this thread; the bar must be painted before the next step. Input
    // reaches only a run that can stop (its window is modal then).
    QApplication::processEvents(!cancel_->isHidden() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

bool TFormWaitForProcess::CancelRequested() {
    if (cancel_->isHidden()) {
        // Modality is set on a hidden window only.
        const bool shown = isVisible();
        hide();
        setWindowModality(Qt::ApplicationModal);
        setFixedSize(kWidth, kCancelHeight);
        cancel_->show();
        if (shown) show();
    }
    QApplication::processEvents(QEventLoop::AllEvents);
    return cancelled_;
}

void TFormWaitForProcess::EndRun() {
    hide();
    if (!cancel_->isHidden()) {
        cancel_->hide();
        setWindowModality(Qt::NonModal);
        setFixedSize(kWidth, kHeight);
    }
    cancelled_ = false;
}

}  // namespace kinemo
