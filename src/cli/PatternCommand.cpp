// kinemo-cli pattern: the drive pattern of a project file as the pattern page shows it,
// optionally converted into the other input type.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "pattern/InputPatternModel.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

// Declines the "switch without converting" question quietly; messages still reach stderr.
class TDeclineQuestions : public TCliDialogs {
public:
    int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) override {
        if (buttons & mbNo) return mrNo;
        return TCliDialogs::ShowMessageDialog(text, type, buttons);
    }
};

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int RunPattern(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    // The command reports why a conversion failed instead of asking.
    TDeclineQuestions dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    // Opened as every command opens a project: version checks, machine checks.
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    TInputPatternModel& page = session->Pattern();
    // As leaving the element page and entering the pattern page do.
    session->MachineChanged();
    page.RefreshCarryOutputs();
    page.RecalculateCurrentAxis();
    page.SetInputType(page.InputType());
    Print(page.PatternText());
    if (!args.Has("convert")) return 0;
    if (!page.SetInputType(1 - page.InputType())) {
        std::fprintf(stderr, "%s\n", page.LastConversionError().c_str());
        return 1;
    }
    Print(page.PatternText());
    return 0;
}

const CommandRegistrar kRegister({"pattern", "pattern PROJECT [--catalog PATH] [--convert]", RunPattern, {"convert"}});

}  // namespace

}  // namespace kinemo::cli
