// The main window: building it and its start-up.
#include "shell/FormMain.h"

#include "common/FormWaitForProcess.h"
#include "shell/FormDebug.h"
#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "shell/MainCommands.h"
#include "shell/PageControl.h"
#include "base/ScopedRestore.h"
#include "machine/ElementPage.h"
#include "cad/VantorPage.h"
#include "machine/FrameChoiceFactor.h"
#include "pattern/FrameInputPattern.h"
#include "options/OptionPage.h"
#include "selection/MotorChoicePage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <ctime>

namespace kinemo {

namespace {

constexpr int kToolPanelHeight = 22;

struct TToolButtonInfo {
    const char* Name;
    const char* Command;
    QStyle::StandardPixmap Icon;
};
constexpr TToolButtonInfo kToolButtons[] = {
    {"BtnMenuFileCreate", "ActionMenuFileCreate", QStyle::SP_FileIcon},
    {"BtnMenuFileOpen", "ActionMenuFileOpen", QStyle::SP_DialogOpenButton},
    {"BtnMenuFileSave", "ActionMenuFileSave", QStyle::SP_DialogSaveButton},
};

QWidget* Sheet(const char* name) {
    auto* w = new QWidget;
    w->setObjectName(name);
    return w;
}

void FillServiceDefaults(TFormMainServices& s) {
    if (!s.OpenUrl) s.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    if (!s.Restart)
        s.Restart = [](const std::vector<std::string>& arguments) {
            QStringList args;
            for (const std::string& a : arguments) args << QString::fromStdString(a);
            QProcess::startDetached(QCoreApplication::applicationFilePath(), args);
        };
}

}  // namespace

TFormMain::TFormMain(TKinemoContext& context, TFormMainServices services)
    : context_(context), services_(std::move(services)), model_(context, *services_.FileDialogs, *this) {
    FillServiceDefaults(services_);
    if (!context_.BusyCursor()) context_.SetBusyCursor(&busy_);
    BuildWindow();
    TRestoreOnExit dropFrames([this] {
        delete frameInputPattern_;  // before the session it shows, which goes first now
        frameInputPattern_ = nullptr;
        delete frameChoiceFactor_;
        frameChoiceFactor_ = nullptr;
    });
    RunStartup();
    RestorePlacement();
    dropFrames.Commit();
}

TFormMain::~TFormMain() {
    // The screens go before the session they show.
    model_.Navigator().SetPage(1, nullptr);
    delete frameInputPattern_;
    model_.Navigator().SetPage(2, nullptr);
    model_.Navigator().SetPage(0, nullptr);
    delete frameChoiceFactor_;
    delete vantorPage_;  // reads the commit state of the session
    vantorPage_ = nullptr;
    if (context_.BusyCursor() == &busy_) context_.SetBusyCursor(nullptr);
    if (wait_ && context_.Progress() == wait_.get()) context_.SetProgress(nullptr);
}

void TFormMain::BuildWindow() {
    setObjectName("FormMain");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The design's size is the smallest; a larger window gives the grids and charts the room.
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
    auto* central = new QWidget(this);
    central->setObjectName("PanelMain");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QWidget(central);
    panel->setObjectName("PanelTool");
    panel->setFixedHeight(kToolPanelHeight);
    BuildToolPanel(panel);
    layout->addWidget(panel);
    BuildPages(central);
    setCentralWidget(central);
    BuildMenus();
    ConnectCommands();
    BuildDesktopKeys();
}

void TFormMain::BuildToolPanel(QWidget* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(1);  // buttons at 8, 32 and 56
    for (const auto& info : kToolButtons) {
        auto* b = new QToolButton(panel);
        b->setObjectName(info.Name);
        b->setAutoRaise(true);
        b->setFixedSize(23, kToolPanelHeight);
        b->setIcon(style()->standardIcon(info.Icon));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        row->addWidget(b);
        toolButtons_.push_back(b);
    }
    row->addStretch();
    labelMotorCommitState_ = new QLabel(panel);
    labelMotorCommitState_->setObjectName("LabelMotorCommitState");
    QFont bold = labelMotorCommitState_->font();
    bold.setBold(true);
    labelMotorCommitState_->setFont(bold);
    QPalette red = labelMotorCommitState_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    labelMotorCommitState_->setPalette(red);
    labelMotorCommitState_->hide();
    row->addWidget(labelMotorCommitState_);
}

void TFormMain::BuildPages(QWidget* central) {
    pageControlMenu_ = new TPageControl(central);
    pageControlMenu_->setObjectName("PageControlMenu");
    QWidget* motorSelect = Sheet("TabSheetMotorSelect");
    pageControlMotorSelect_ = new TPageControl(motorSelect);
    pageControlMotorSelect_->setObjectName("PageControlMotorSelect");
    auto* fill = new QVBoxLayout(motorSelect);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(pageControlMotorSelect_);
    sheets_[TTabSheet::MotorSelect] = motorSelect;
    sheets_[TTabSheet::ChoiceFactor] = Sheet("TabSheetChoiceFactor");
    sheets_[TTabSheet::InputPattern] = Sheet("TabSheetInputPattern");
    sheets_[TTabSheet::ChoiceMotor] = Sheet("TabSheetChoiceMotor");
    sheets_[TTabSheet::ChoiceOption] = Sheet("TabSheetChoiceOption");
    sheets_[TTabSheet::Vantor] = Sheet("TabSheetVantor");
    for (TTabSheet s : {TTabSheet::ChoiceFactor, TTabSheet::InputPattern, TTabSheet::ChoiceMotor})
        pageControlMotorSelect_->addTab(sheets_[s], QString());
    for (TTabSheet s : {TTabSheet::MotorSelect, TTabSheet::ChoiceOption, TTabSheet::Vantor})
        pageControlMenu_->addTab(sheets_[s], QString());
    central->layout()->addWidget(pageControlMenu_);
    pageControlMotorSelect_->Tabs()->SetChangingHandler([this](int, int) { return model_.Navigator().BeforeChange(); });
    pageControlMotorSelect_->SetChangeHandler([this](int index) { SubPageChanged(index); });
    pageControlMenu_->SetChangeHandler([this](int) { model_.KeepRecoveryCopy(std::time(nullptr)); });
}

void TFormMain::BuildMenus() {
    std::map<TMainMenu, QMenu*> menus;
    for (TMainMenu m : {TMainMenu::File, TMainMenu::Option, TMainMenu::Help}) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(MenuTitleKey(m));
        menus[m] = menu;
        menus_.push_back(menu);
    }
    for (const TMainCommand& c : MainCommands()) {
        QMenu* menu = menus[c.Menu];
        // The recent projects go between Save As and Exit.
        const bool exit = std::string(c.Name) == "ActionMenuFileExit";
        if (exit) recentSeparator_ = menu->addSeparator();
        if (c.SeparatorBefore) {
            QAction* separator = menu->addSeparator();
            if (exit) recentEnd_ = separator;
        }
        QAction* a = menu->addAction(QString());
        a->setObjectName(c.Name);
        a->setProperty("menuItem", c.MenuItem);
        if (*c.Shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(c.Shortcut)));
        actions_[c.Name] = a;
    }
}

void TFormMain::RunStartup() {
    model_.BeginStartup();
    model_.ReadSettings();
    model_.LoadDialogTexts();
    if (services_.DialogTextsLoaded) services_.DialogTextsLoaded(model_.DialogTexts(), "");
    model_.ReadCatalogSettings();  // a refusal ends the run after start-up
    ApplyCommandVisibility();
    model_.CheckCadLink(services_.Registry);
    pageControlMenu_->setTabVisible(pageControlMenu_->indexOf(sheets_[TTabSheet::Vantor]),
                                    context_.Run().VantorAvailable);
    model_.LoadTexts();
    ApplyTexts();
    MainWindowChanged();
    model_.LoadCatalogTables();
    BuildInputPatternScreen();
    ShowFirstPages();
    model_.LoadErrorTableAndTabs();
    frameChoiceFactor_ = AttachElementPage(*this, context_, model_.Session(), *services_.FileDialogs, services_.ExecDialog);
    ApplyTabCaptions();
    const std::string& font = context_.Run().FontName;
    ApplyInterfaceFont(this, font);
    if (services_.DialogTextsLoaded) services_.DialogTextsLoaded(model_.DialogTexts(), font);
    wait_ = std::make_unique<TFormWaitForProcess>(this, font);
    wait_->SetCancelText(model_.DialogTexts().ButtonText(mbCancel).value_or(""));
    if (!context_.Progress()) context_.SetProgress(wait_.get());
    model_.FinishStartup();
    frameChoiceMotor_ = AddMotorChoicePage(*this, context_, model_.Session());
    AddOptionPage(*this, context_, model_.Session(), *services_.FileDialogs);
    vantorPage_ = AddCadPage(*this, context_);
    UpdateTabWidth();
    model_.ShowVantorLanguageMismatch();
    model_.OpenCommandLineProject(services_.Arguments);
    model_.OfferRecovery();
    MainWindowChanged();
    // The recovery copy follows the project every two minutes (and on each page change).
    auto* recovery = new QTimer(this);
    recovery->setInterval(2 * 60 * 1000);
    connect(recovery, &QTimer::timeout, this, Guarded([this] { model_.KeepRecoveryCopy(std::time(nullptr)); }));
    recovery->start();
}

// The drive pattern screen on its sub-page, over the session's pattern.
void TFormMain::BuildInputPatternScreen() {
    QWidget* sheet = sheets_[TTabSheet::InputPattern];
    frameInputPattern_ = new TFrameInputPattern(context_, model_.Session(), sheet);
    auto* fill = new QVBoxLayout(sheet);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(frameInputPattern_);
    SetMotorSelectPage(1, &frameInputPattern_->Page());
    SetDebugTextSource("ActionMenuOptionDrivePattern",
                       [this] { return model_.Session().Pattern().PatternText(); });
}

void TFormMain::ApplyTexts() {
    for (QMenu* menu : menus_) menu->setTitle(QString::fromStdString(model_.Text(menu->objectName().toStdString())));
    for (auto& [name, action] : actions_) action->setText(QString::fromStdString(model_.Text(name)));
    for (QToolButton* b : toolButtons_) {
        b->setToolTip(QString::fromStdString(model_.Text(b->objectName().toStdString() + ".Hint")));
        b->setText(QString());  // images only
    }
    labelMotorCommitState_->setText(QString::fromStdString(model_.Text("LabelMotorCommitState")));
}

void TFormMain::ApplyCommandVisibility() {
    for (auto& [name, action] : actions_) action->setVisible(model_.CommandVisible(name));
}

void TFormMain::ApplyTabCaptions() {
    for (auto& [sheet, widget] : sheets_) {
        TPageControl* owner = sheet == TTabSheet::MotorSelect || sheet == TTabSheet::ChoiceOption ||
                                      sheet == TTabSheet::Vantor
                                  ? pageControlMenu_
                                  : pageControlMotorSelect_;
        owner->setTabText(owner->indexOf(widget), QString::fromStdString(model_.TabCaptions().Caption(sheet)));
    }
}

void TFormMain::UpdateTabWidth() {
    if (!context_.Run().StartupDone) return;
    // The page control spans the window; its own width is not laid out before the first show.
    pageControlMenu_->Tabs()->SetFixedTabWidth(MenuTabWidth(width(), context_.Run().VantorAvailable));
}

QWidget* TFormMain::TabSheet(TTabSheet sheet) const { return sheets_.at(sheet); }

QAction* TFormMain::Action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TFormMain::SetDebugTextSource(const std::string& command, std::function<std::string()> source) {
    debugSources_[command] = std::move(source);
}

void TFormMain::AppendDebugText(const std::string& text) {
    if (!debug_) return;
    debug_->Append(text);
    if (context_.Run().DebugMode) debug_->show();
}

void TFormMain::AddFirstIdleHandler(std::function<void(bool)> handler) { firstIdle_.push_back(std::move(handler)); }

void TFormMain::ReleaseCommit() {
    TBusyScope busy(context_.BusyCursor());
    model_.ReleaseCommit();
}

void TFormMain::SubPageChanged(int index) {
    const int shown = model_.Navigator().AfterChange(index, model_.Commit().Committed());
    if (shown != index) pageControlMotorSelect_->ShowPage(shown);
    model_.KeepRecoveryCopy(std::time(nullptr));
}

void TFormMain::CaptionChanged() { setWindowTitle(QString::fromStdString(model_.Caption())); }

void TFormMain::FinishEdits() {
    // An open cell editor hands its text over as when the user leaves the cell. It sits on
    // its cell in the view's viewport (the view's current cell need not be the edited one).
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
        for (QWidget* editor : view->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QModelIndex cell = view->indexAt(editor->geometry().center());
            if (!cell.isValid() || view->indexWidget(cell) != editor) continue;
            QAbstractItemDelegate* delegate = view->itemDelegateForIndex(cell);
            if (!delegate) continue;
            emit delegate->commitData(editor);
            emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

void TFormMain::MainWindowChanged() {
    CaptionChanged();
    labelMotorCommitState_->setVisible(model_.Commit().CommitLabelVisible());
    for (auto& [name, action] : actions_) action->setEnabled(model_.CommandEnabled(name));
    UpdateRecentMenu();
    // A loaded project, a commit or its release: the element page shows the chain anew.
    if (frameChoiceFactor_) frameChoiceFactor_->Refresh();
    if (vantorPage_) vantorPage_->Refresh();
}

void TFormMain::ShowFirstPages() {
    pageControlMenu_->ShowPage(0);
    pageControlMotorSelect_->ShowPage(0);
    if (frameChoiceFactor_) frameChoiceFactor_->ShowFirstBlock();
}

void TFormMain::SetWindowEnabled(bool enabled) { setEnabled(enabled); }

void TFormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    UpdateTabWidth();  // nothing while the window is being built
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    UpdateTabWidth();
    RestoreSplitters();
    QTimer::singleShot(0, this, Guarded([this] { RunFirstIdle(); }));
}

void TFormMain::RunFirstIdle() {
    const bool noProject = context_.Run().CurrentFileName.empty();
    for (auto& handler : firstIdle_) handler(noProject);
    emit FirstIdle();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    try {
        StorePlacement();  // written with the other settings, before the save question
        mayClose = model_.CloseRequest();
    } catch (const std::exception& e) {
        ReportUncaughtError(e.what());
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    if (model_.RestartRequested()) services_.Restart(model_.RestartArguments());
    emit Closed();
}

}  // namespace kinemo
