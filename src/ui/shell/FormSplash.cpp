// Splash window.
#include "shell/FormSplash.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace kinemo {

// A plain borderless window rather than a splash-screen window, which desktops keep above
// everything: the version question of start-up must not open behind it.
TFormSplash::TFormSplash() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("FormSplash");
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::WaitCursor);
    if (QScreen* screen = QApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

void TFormSplash::LoadPicture(const std::string& programFolder) {
    const std::string path = programFolder + "picture/splash.jpg";
    const std::string bytes = ReadWholeFile(path);  // names the file when it is missing
    QPixmap p;
    if (!p.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()), "JPG"))
        throw TKinemoError("Not a JPEG picture: " + path);
    picture_ = p;
    update();
}

void TFormSplash::ShowNow() {
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    p.drawPixmap(rect(), picture_);
}

}  // namespace kinemo
