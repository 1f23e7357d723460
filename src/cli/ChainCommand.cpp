// kinemo-cli chain: the machine of a project file as the motor shaft sees it.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/MachineServices.h"
#include "app/KinemoContext.h"
#include "units/ValueFormat.h"

#include <pugixml.hpp>

#include <cstdio>

namespace kinemo::cli {

namespace {

int RunChain(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    ctx->ReloadUserFactors();
    TChoiceFactorModel model(ctx->Machine(), ctx->Chain(), ctx->ErrorMessages(), dialogs, ctx->Run().MaxFactorCount);
    pugi::xml_document doc;
    LoadProjectSection(args.positional[0], "FrameChoiceFactor", doc, [&](const pugi::xml_node& section) {
        model.LoadFromXML(section);
    });
    const CarryOutput out = ctx->Chain().CalcChain(false, false);
    std::printf("JL=%s\nTF=%s\nTU=%s\nTH=%s\nTD=%s\nV=%s\nA=%s\nB=%s\nIsRolling=%d\n", FloatToText(out.JL).c_str(),
                FloatToText(out.TF).c_str(), FloatToText(out.TU).c_str(), FloatToText(out.TH).c_str(),
                FloatToText(out.TD).c_str(), FloatToText(out.V).c_str(), FloatToText(out.A).c_str(),
                FloatToText(out.B).c_str(), ctx->Chain().IsRolling());
    if (args.Has("trace"))
        for (const std::string& line : ctx->Trace().Lines()) std::printf("%s\n", line.c_str());
    return 0;
}

const CommandRegistrar kRegister({"chain", "chain PROJECT [--catalog PATH] [--trace]", RunChain, {"trace"}});

}  // namespace

}  // namespace kinemo::cli
