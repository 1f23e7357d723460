// What the CLI gives the core in place of a user: answers from options, messages on stderr.
#pragma once

#include "base/TextFormat.h"
#include "base/UserDialogs.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

namespace kinemo {
class TKinemoContext;
class TSizingSession;
}

namespace kinemo::cli {

struct Arguments;

// Prints every message to stderr; questions take the answer given by --answer yes|no
// (default: yes for questions with a Yes button, else the first button offered).
class TCliDialogs : public IUserDialogs {
public:
    explicit TCliDialogs(bool answerYes = true) : answerYes_(answerYes) {}
    int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) override;

private:
    bool answerYes_;
};

// Progress on stderr, only when stderr is a terminal.
class TCliProgress : public IProgress {
public:
    void Progress(int position, int count, const std::string& caption) override;
};

// Opens the catalog of --catalog (or beside the executable) with per-user folders and
// checks its version; raises with a clear message when it cannot be used.
std::unique_ptr<TKinemoContext> OpenContext(const Arguments& args, TCliDialogs& dialogs);

// A session with the user elements and the project loaded through it (version checks,
// the machine's load message on stderr). A refused version or a machine with problems
// (elements left out, values outside their range) ends the command with exit 1.
std::unique_ptr<TSizingSession> OpenSession(TKinemoContext& ctx, const std::string& project);

// A JSON string literal; a JSON number, null when not finite.
std::string JsonString(const std::string& s);
std::string JsonNumber(double v);

// Rows of cells (the first the header) as aligned text columns or as CSV (CR LF lines).
// rightAligned: per column, numbers line up on the right in the text form.
void PrintRows(const std::vector<std::vector<std::string>>& rows, bool csv, const std::vector<bool>& rightAligned = {});

}  // namespace kinemo::cli
