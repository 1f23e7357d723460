// Puts the element page into the main window: the frame on its tab sheet, its part in
// the sub-page rules, the carry-value debug command and the user element command.
#pragma once

#include <functional>

class QDialog;

namespace kinemo {

class IPageHost;
class TFrameChoiceFactor;
class TKinemoContext;
class IFileDialogs;
class TSizingSession;

// exec runs the user element editor (default: modal).
TFrameChoiceFactor* AttachElementPage(IPageHost& form, TKinemoContext& context, TSizingSession& session,
                                      IFileDialogs& files, std::function<int(QDialog&)> exec = {});

}  // namespace kinemo
