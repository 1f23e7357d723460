// kinemo --report PROJECT --motor MODEL [--pages summary,pattern,...] --pdf OUT.pdf: the
// report PDF of one motor without a window (the offscreen platform; no display needed).
#pragma once

#include <string>
#include <vector>

namespace kinemo {

// True when the arguments ask for a report run.
bool IsReportCommandLine(const std::vector<std::string>& args);

// Runs it; 0 on success, 1 with a message on stderr on bad input or a failed write, 2 on
// wrong usage. A QGuiApplication must exist.
int RunReportCommandLine(const std::vector<std::string>& args, const std::string& programFolder);

}  // namespace kinemo
