// Puts the option series and option detail screens on the main window's option page, one
// visible at a time, and keeps them in step with the session (commit, release, loading).
#pragma once

namespace kinemo {

class IFileDialogs;
class IPageHost;
class TKinemoContext;
class TSizingSession;
class TFrameSelectOptionDetail;

TFrameSelectOptionDetail* AddOptionPage(IPageHost& form, TKinemoContext& context, TSizingSession& session,
                                        IFileDialogs& files);

}  // namespace kinemo
