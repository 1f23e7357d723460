// The main window: menus and tool buttons, the two page controls that follow the work
// (element choice, drive pattern, motor choice; options; CAD data), the committed-motor
// label, and the start-up, command and close handling over the main window model.
#pragma once

#include "common/BusyCursor.h"
#include "common/PageHost.h"
#include "shell/MainWindowModel.h"
#include "shell/PageTabs.h"
#include "base/Registry.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QToolButton;

namespace kinemo {

class IFileDialogs;
class TFormDebug;
class TFormWaitForProcess;
class TFrameChoiceMotor;
class TVantorPage;
class TFrameChoiceFactor;
class TFrameInputPattern;
class TKinemoContext;
class TPageControl;

// What the main window needs from outside; tests replace any of it.
struct TFormMainServices {
    IFileDialogs* FileDialogs = nullptr;  // required
    TRegistry Registry;
    std::vector<std::string> Arguments;  // the command line without the program
    // The message dialog receives its catalog texts and the interface font.
    std::function<void(const TMessageDialogText&, const std::string& fontName)> DialogTextsLoaded;
    std::function<bool(const QUrl&)> OpenUrl;  // default: the desktop's handler
    // default: start this program again with the arguments (the project that was open)
    std::function<void(const std::vector<std::string>& arguments)> Restart;
    std::function<int(QDialog&)> ExecDialog;   // default: modal exec
};

class TFormMain : public QMainWindow, public IPageHost, private IMainWindowView {
    Q_OBJECT
public:
    static constexpr int kWidth = 907;
    static constexpr int kHeight = 738;

    // Runs the main-window start-up; a catalog error ends it by raising.
    TFormMain(TKinemoContext& context, TFormMainServices services);
    ~TFormMain() override;

    // IPageHost
    QWidget* Window() override { return this; }
    TMainWindowModel& Model() override { return model_; }
    const TRegistry& Registry() const override { return services_.Registry; }
    IFileDialogs& FileDialogs() override { return *services_.FileDialogs; }
    bool TerminateRequested() const { return model_.TerminateRequested(); }

    // Where later screens plug in.
    QWidget* TabSheet(TTabSheet sheet) const override;
    TPageControl* PageControlMenu() const { return pageControlMenu_; }
    TPageControl* PageControlMotorSelect() const { return pageControlMotorSelect_; }
    QAction* Action(const std::string& name) const;
    void SetDebugWindow(TFormDebug* debug) { debug_ = debug; }
    TFormDebug* DebugWindow() const { return debug_; }
    TFormWaitForProcess* WaitWindow() const { return wait_.get(); }
    TFrameChoiceFactor* FrameChoiceFactor() const { return frameChoiceFactor_; }
    void SetMotorSelectPage(int index, IMotorSelectPage* page) override { model_.Navigator().SetPage(index, page); }
    // The text a debug command appends to the debug window (carry values, pattern,
    // committed motor).
    void SetDebugTextSource(const std::string& command, std::function<std::string()> source) override;
    void AppendDebugText(const std::string& text) override;
    void SetUserFactorDialog(std::function<void()> dialog) override { userFactorDialog_ = std::move(dialog); }
    void AddFirstIdleHandler(std::function<void(bool noProjectLoaded)> handler) override;

    // Operations of the screens.
    void CommitMotor(const TMotorReference& motor) { model_.CommitMotor(motor); }
    void CommitMotor(const TMotor& motor) override { model_.CommitMotor(motor); }
    void ReleaseCommit() override;
    void ShowOptionDetail(const TMotorReference& motor) { model_.ShowOptionDetail(motor); }
    void ShowCadDetail(const TMotorReference& motor) override { model_.ShowCadDetail(motor); }
    void ShowPriceCheckResult(int code) override { model_.ShowPriceCheckResult(code); }
    void MarkModified() { model_.MarkModified(); }
    void ResetPages() { model_.ResetPages(); }

signals:
    void FirstIdle();
    // The window accepted its close: the run ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // IMainWindowView
    void MainWindowChanged() override;
    void ShowFirstPages() override;
    void SetWindowEnabled(bool enabled) override;
    void FinishEdits() override;
    void CaptionChanged() override;

    void BuildWindow();
    void BuildToolPanel(QWidget* panel);
    void BuildPages(QWidget* central);
    void BuildMenus();
    void BuildInputPatternScreen();
    void RunStartup();
    void ApplyTexts();
    void ApplyCommandVisibility();
    void ApplyTabCaptions();
    void UpdateTabWidth();
    void SubPageChanged(int index);
    void RunFirstIdle();

    // Command handlers (FormMainCommands.cpp).
    void ConnectCommands();
    void RunCommand(const std::string& name);
    void ActionMenuOptionMeasureExecute();
    void ActionMenuChangeDirectoryExecute();
    void ActionMenuOptionLanguageExecute();
    void ActionMenuOptionDefineUserFactorExecute();
    void ActionMenuOptionUserMotorsExecute();
    void ShowDebugText(const std::string& command);
    void ActionMenuOptionCommitMotorValueExecute();
    void OpenHelp(const std::string& command);
    int ExecDialog(QDialog& dialog);

    // The desktop side (FormMainDesktop.cpp): recent projects, window placement, page
    // cycling and the About box.
    void BuildDesktopKeys();
    void UpdateRecentMenu();
    void RestorePlacement();
    void RestoreSplitters();
    void StorePlacement();
    void CyclePages(int step);
    void ActionMenuHelpAboutExecute();

    TKinemoContext& context_;
    TFormMainServices services_;
    TMainWindowModel model_;
    TQtBusyCursor busy_;
    std::unique_ptr<TFormWaitForProcess> wait_;
    TFormDebug* debug_ = nullptr;
    TPageControl* pageControlMenu_ = nullptr;
    TPageControl* pageControlMotorSelect_ = nullptr;
    std::map<TTabSheet, QWidget*> sheets_;
    std::map<std::string, QAction*> actions_;
    std::vector<QMenu*> menus_;
    std::vector<QToolButton*> toolButtons_;
    QAction* recentSeparator_ = nullptr;  // above the recent projects, hidden without any
    QAction* recentEnd_ = nullptr;        // the separator before Exit
    std::vector<QAction*> recentActions_;
    QLabel* labelMotorCommitState_ = nullptr;
    TFrameChoiceFactor* frameChoiceFactor_ = nullptr;
    TFrameInputPattern* frameInputPattern_ = nullptr;
    TFrameChoiceMotor* frameChoiceMotor_ = nullptr;
    TVantorPage* vantorPage_ = nullptr;
    std::map<std::string, std::function<std::string()>> debugSources_;
    std::function<void()> userFactorDialog_;
    std::vector<std::function<void(bool)>> firstIdle_;
    bool firstShow_ = true;
};

}  // namespace kinemo
