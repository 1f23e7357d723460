// The main window's desktop side: the recent projects of the File menu, the remembered
// window place and splitter sizes, Ctrl+Tab between the pages and the About box.
#include "shell/AboutBox.h"
#include "shell/FormAbout.h"
#include "shell/FormMain.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "shell/PageControl.h"
#include "shell/PageCycle.h"
#include "base/Catalog.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>

#include <algorithm>

namespace kinemo {

namespace {

TScreenRect ToScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

std::vector<TScreenRect> AvailableScreens() {
    std::vector<TScreenRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) screens.push_back(ToScreenRect(primary->availableGeometry()));
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) screens.push_back(ToScreenRect(s->availableGeometry()));
    return screens;
}

}  // namespace

void TFormMain::BuildDesktopKeys() {
    // Ctrl+Shift+Tab arrives as Backtab on most keyboards, as Tab on some.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, Guarded([this, step = step] { CyclePages(step); }));
    }
}

void TFormMain::CyclePages(int step) {
    const TPagePosition from{pageControlMenu_->currentIndex(), pageControlMotorSelect_->currentIndex()};
    const TPagePosition to = CyclePage(from, step, context_.Run().VantorAvailable);
    // Moving between the sizing sub-pages runs their rules, as a click on the tab would.
    if (to.Menu != from.Menu) pageControlMenu_->ChangePage(to.Menu);
    if (to.Menu == 0 && to.Sub != from.Sub) pageControlMotorSelect_->ChangePage(to.Sub);
}

void TFormMain::UpdateRecentMenu() {
    if (!recentEnd_) return;
    QMenu* file = qobject_cast<QMenu*>(recentEnd_->parent());
    // The entry that opened a project may still be inside its own signal: it leaves the
    // menu now and goes once the event loop has it back.
    for (QAction* a : recentActions_) {
        file->removeAction(a);
        a->setObjectName(QString());  // its name belongs to the new entry now
        a->deleteLater();
    }
    recentActions_.clear();
    const TRecentProjects& recent = context_.Run().Settings.RecentProjects;
    const std::string format = model_.Text("RecentProjectFormat");
    for (size_t i = 0; i < recent.Files().size(); ++i) {
        auto* a = new QAction(QString::fromStdString(recent.MenuText(i, format, context_.Folders().HomeFolder())), file);
        a->setObjectName(QString("ActionMenuFileRecent%1").arg(i + 1));
        a->setToolTip(QString::fromStdString(recent.Files()[i]));
        const std::string path = recent.Files()[i];
        connect(a, &QAction::triggered, this, Guarded([this, path] { model_.Projects().OpenRecent(path); }));
        file->insertAction(recentEnd_, a);
        recentActions_.push_back(a);
    }
    recentSeparator_->setVisible(!recent.Empty());
}

void TFormMain::RestorePlacement() {
    const TWindowPlacement& placement = context_.Run().Settings.Window;
    if (placement.Normal) {
        const TScreenRect r = PlaceWithinScreens(*placement.Normal, AvailableScreens(), minimumWidth(), minimumHeight());
        setGeometry(r.Left, r.Top, r.Width, r.Height);
    }
    if (placement.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormMain::RestoreSplitters() {
    const auto& saved = context_.Run().Settings.Window.Splitters;
    for (QSplitter* splitter : findChildren<QSplitter*>()) {
        auto it = saved.find(splitter->objectName().toStdString());
        if (it == saved.end() || static_cast<int>(it->second.size()) != splitter->count()) continue;
        splitter->setSizes(QList<int>(it->second.begin(), it->second.end()));
    }
}

void TFormMain::StorePlacement() {
    TWindowPlacement& placement = context_.Run().Settings.Window;
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    if (normal.isValid()) placement.Normal = ToScreenRect(normal);
    placement.Maximized = isMaximized();
    // A splitter that was never laid out (its page not shown yet) has nothing worth keeping.
    for (QSplitter* splitter : findChildren<QSplitter*>()) {
        const QList<int> sizes = splitter->sizes();
        const bool laidOut = std::any_of(sizes.begin(), sizes.end(), [](int s) { return s > 0; });
        if (splitter->objectName().isEmpty() || !laidOut) continue;
        placement.Splitters[splitter->objectName().toStdString()] = std::vector<int>(sizes.begin(), sizes.end());
    }
}

void TFormMain::ActionMenuHelpAboutExecute() {
    const TRunValues& run = context_.Run();
    const TAboutBox box = TAboutBox::Read(context_.Query(), run.ApplicationVersionText, run.MdbVersionText,
                                          context_.Catalog().Path(), qVersion());
    TFormAbout dialog(box, run.FontName, this);
    ExecDialog(dialog);
}

}  // namespace kinemo
