// How the core asks or tells the user: implemented by the Qt application, the CLI and tests.
#pragma once

#include <string>

namespace kinemo {

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Button sets are bit masks of these values.
enum TMsgDlgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
};

// Results of the message dialog.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;
    // Shows text modally and returns the button pressed (TModalResult).
    virtual int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) = 0;
};

class IProgress {
public:
    virtual ~IProgress() = default;
    // position of count done; a caption says what is being done.
    virtual void Progress(int position, int count, const std::string& caption) = 0;
    // Whether the user asked to stop the run (runs that can stop ask after each step).
    virtual bool CancelRequested() { return false; }
};

class IBusyCursor {
public:
    virtual ~IBusyCursor() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// Shows the hourglass for a scope and restores the previous cursor, also on error.
class TBusyScope {
public:
    explicit TBusyScope(IBusyCursor* cursor) : cursor_(cursor) {
        if (cursor_) cursor_->Begin();
    }
    ~TBusyScope() {
        if (cursor_) cursor_->End();
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    IBusyCursor* cursor_;
};

}  // namespace kinemo
