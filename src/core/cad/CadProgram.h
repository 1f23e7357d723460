// Finding the CAD data program through the registry stand-in and running it as a child
// process with a time limit, reporting the wait to a progress window.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

class IProgress;
class TRegistry;

// The key whose default value names the CAD data program.
extern const char* const kCadProgramKey;

// The registered program's path; a relative path is taken from programFolder (the
// installation's, never a catalog's), else from the PATH. Empty when no program is
// registered, or a relative one is found nowhere and there is no programFolder.
std::string FindCadProgram(const TRegistry& registry, const std::string& programFolder);

enum class TCadRunStatus {
    NotStarted,  // no program, or it could not be executed
    TimedOut,    // still running at the time limit; it was stopped
    Finished,    // ended by itself (see ExitCode)
};

// Exit statuses of a CAD data program that the link tells apart (kinemo-cad's own).
enum TCadExitStatus {
    cadExitDone = 0,
    cadExitTargetNotWritable = 1,
    cadExitArguments = 2,
    cadExitPartData = 3,      // the hand-over file does not describe a motor it can draw
    cadExitPartLibrary = 4,   // the program's own part library is missing
};

struct TCadRunResult {
    TCadRunStatus Status = TCadRunStatus::NotStarted;
    int ExitCode = -1;  // the exit status when Finished normally; -1 when killed by a signal
    int Signal = 0;     // the signal that ended it, when one did
    std::string Message;  // what the program wrote to its error output (trimmed, at most 2000 bytes)
};

// Starts program with the arguments (no shell), waits up to timeLimitMs, reports the elapsed
// time to progress (position and count in milliseconds, then position = count when done).
// A program still running at the limit is terminated and reaped. The program's error output
// is collected into Message.
TCadRunResult RunCadProgram(const std::string& program, const std::vector<std::string>& arguments,
                            int timeLimitMs, IProgress* progress);

}  // namespace kinemo
