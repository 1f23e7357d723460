// A page control with owner-drawn tabs: the active tab's caption in bold and higher, the
// others regular; blanks of the padded captions trimmed when drawn. The user's tab
// changes can be refused before they happen; programmatic changes skip the rules.
#pragma once

#include <QTabBar>
#include <QTabWidget>

#include <functional>

namespace kinemo {

class TPageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TPageTabBar(QWidget* parent = nullptr);
    // 0: every tab as wide as the widest caption of the row.
    void SetFixedTabWidth(int width);
    int FixedTabWidth() const { return fixedWidth_; }
    // Asked before the user moves from the current tab to another; false keeps it.
    void SetChangingHandler(std::function<bool(int from, int to)> handler) { changing_ = std::move(handler); }
    // Whether the changing handler lets the user move from the current tab to to.
    bool MayChange(int to) const { return to == currentIndex() || !changing_ || changing_(currentIndex(), to); }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int fixedWidth_ = 0;
    std::function<bool(int, int)> changing_;
};

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    TPageTabBar* Tabs() const { return tabs_; }
    // Shows a page without running the change handler.
    void ShowPage(int index);
    // Changes the page as a click on its tab does: the changing handler may refuse (false),
    // the change handler runs after the change.
    bool ChangePage(int index);
    // Runs after the user changed the page (not after ShowPage).
    void SetChangeHandler(std::function<void(int index)> handler) { changed_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TPageTabBar* tabs_;
    std::function<void(int)> changed_;
    bool silent_ = false;
};

}  // namespace kinemo
