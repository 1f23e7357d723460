// Owner-drawn page tabs.
#include "shell/PageControl.h"

#include "common/KinemoApplication.h"
#include "shell/PageTabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace kinemo {

namespace {

QFont TabFont(const QFont& base, bool active) {
    QFont f = base;
    f.setBold(active);
    return f;
}

}  // namespace

TPageTabBar::TPageTabBar(QWidget* parent) : QTabBar(parent) {
    setFocusPolicy(Qt::NoFocus);  // no keyboard focus stop
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
}

void TPageTabBar::SetFixedTabWidth(int width) {
    if (width == fixedWidth_) return;
    fixedWidth_ = width;
    setElideMode(elideMode());  // the tab bar lays its tabs out again only on such changes
    update();
}

QSize TPageTabBar::tabSizeHint(int index) const {
    const QFontMetrics bold(TabFont(font(), true));
    const int height = bold.height() + 10;
    if (fixedWidth_ > 0) return {fixedWidth_, height};
    // Padding the captions makes the tabs of a row equal only in a fixed-pitch font; the
    // widest padded caption in bold sets every tab's width, so the row is even in any font
    // and the active tab's text is never clipped.
    (void)index;
    int widest = 0;
    for (int i = 0; i < count(); ++i) widest = std::max(widest, bold.horizontalAdvance(tabText(i)));
    return {widest + 24, height};
}

void TPageTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        const QRect r = tabRect(i);
        const bool active = i == currentIndex();
        p.fillRect(r, active ? palette().window() : palette().button());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, active ? 0 : -1));
        const QFont f = TabFont(font(), active);
        const QFontMetrics fm(f);
        const QString text = QString::fromStdString(TabDrawnText(tabText(i).toStdString()));
        const TTabTextPlace place =
            PlaceTabText({r.left(), r.top(), r.width(), r.height()}, active, fm.horizontalAdvance(text), fm.height());
        p.save();
        p.setClipRect(QRect(place.Clip.Left, place.Clip.Top, place.Clip.Width, place.Clip.Height));
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(place.X, place.Y + fm.ascent(), text);
        p.restore();
    }
}

void TPageTabBar::mousePressEvent(QMouseEvent* event) {
    const int target = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && target >= 0 && target != currentIndex() && changing_ &&
        !changing_(currentIndex(), target)) {
        event->accept();
        return;
    }
    QTabBar::mousePressEvent(event);
}

void TPageTabBar::wheelEvent(QWheelEvent* event) {
    // The wheel would change pages past the page-change rules.
    event->ignore();
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), tabs_(new TPageTabBar(this)) {
    setTabBar(tabs_);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QTabWidget::currentChanged, this, Guarded([this](int index) {
                if (!silent_ && changed_) changed_(index);
            }));
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab and Ctrl+Page keys would change pages past the page-change rules.
    const bool pageKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                         event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (pageKey && (event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

bool TPageControl::ChangePage(int index) {
    if (index < 0 || index >= count() || !isTabVisible(index) || !tabs_->MayChange(index)) return false;
    setCurrentIndex(index);
    return true;
}

void TPageControl::ShowPage(int index) {
    silent_ = true;
    setCurrentIndex(index);
    silent_ = false;
}

}  // namespace kinemo
