// What a page of the main window may ask of the window that holds it: its tab sheet, the
// shared services and the window's commands. Pages know this interface, never the window.
#pragma once

#include "shell/PageTabs.h"

#include <functional>
#include <string>

class QWidget;

namespace kinemo {

class IFileDialogs;
class IMotorSelectPage;
class TMainWindowModel;
class TMotor;
class TRegistry;
struct TMotorReference;

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // The window itself, as the parent of the dialogs a page opens.
    virtual QWidget* Window() = 0;
    // The empty sheet a page fills.
    virtual QWidget* TabSheet(TTabSheet sheet) const = 0;
    virtual TMainWindowModel& Model() = 0;
    virtual const TRegistry& Registry() const = 0;
    virtual IFileDialogs& FileDialogs() = 0;

    // The first page's sub-pages take part in the page-change rules.
    virtual void SetMotorSelectPage(int index, IMotorSelectPage* page) = 0;
    // The text a debug command appends to the debug window.
    virtual void SetDebugTextSource(const std::string& command, std::function<std::string()> source) = 0;
    // Appends text to the debug window, showing it in debug mode.
    virtual void AppendDebugText(const std::string& text) = 0;
    // The user-element dialog, run by its command.
    virtual void SetUserFactorDialog(std::function<void()> dialog) = 0;
    // Runs once at the first idle moment after the window is shown; the argument tells
    // whether no project file was loaded.
    virtual void AddFirstIdleHandler(std::function<void(bool noProjectLoaded)> handler) = 0;

    virtual void CommitMotor(const TMotor& motor) = 0;
    virtual void ReleaseCommit() = 0;
    virtual void ShowCadDetail(const TMotorReference& motor) = 0;
    virtual void ShowPriceCheckResult(int code) = 0;
};

}  // namespace kinemo
