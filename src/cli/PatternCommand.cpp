// kinemo-cli pattern: the drive pattern of a project file as the pattern page shows it,
// optionally converted into the other input type.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "pattern/InputPatternModel.h"
#include "app/KinemoContext.h"
#include "base/KinemoError.h"

#include <pugixml.hpp>

#include <cstdio>

namespace kinemo::cli {

namespace {

// Declines the "switch without converting" question quietly: the command reports why the
// conversion failed instead.
class TDeclineQuestions : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string&, TMsgDlgType, unsigned) override { return mrNo; }
};

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int RunPattern(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    const std::string& path = args.positional[0];
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    ctx->ReloadUserFactors();
    TChoiceFactorModel machine(ctx->Machine(), ctx->Chain(), ctx->ErrorMessages(), dialogs, ctx->Run().MaxFactorCount);
    TDeclineQuestions decline;
    TPatternServices services = PatternServicesOf(*ctx);
    services.Dialogs = &decline;
    TInputPatternModel page(services);
    pugi::xml_document machineDoc;
    LoadProjectSection(path, "FrameChoiceFactor", machineDoc,
                       [&](const pugi::xml_node& section) { machine.LoadFromXML(section); });
    // The pattern's speeds depend on the whole machine: none is shown for a part of it.
    if (!machine.LoadProblemText().empty()) throw TKinemoError(machine.LoadProblemText());
    pugi::xml_document patternDoc;
    LoadProjectSection(path, "FrameInputPattern", patternDoc,
                       [&](const pugi::xml_node& section) { page.LoadSection(section); });
    // As leaving the element page and entering the pattern page do.
    page.SetAxisKind(ctx->Chain().IsRolling());
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
