// kinemo-cli chain: the machine of a project file as the motor shaft sees it.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "machine/CalcCarryValue.h"
#include "machine/MachineServices.h"
#include "units/ValueFormat.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

int RunChain(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    // Through the session, so that the project gets its version checks and a machine the
    // catalog cannot build, or one with impossible values, is refused before any figure.
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    session->Trace().Clear();
    const CarryOutput out = session->Chain().CalcChain(false, false);
    std::printf("JL=%s\nTF=%s\nTU=%s\nTH=%s\nTD=%s\nV=%s\nA=%s\nB=%s\nIsRolling=%d\n", FloatToText(out.JL).c_str(),
                FloatToText(out.TF).c_str(), FloatToText(out.TU).c_str(), FloatToText(out.TH).c_str(),
                FloatToText(out.TD).c_str(), FloatToText(out.V).c_str(), FloatToText(out.A).c_str(),
                FloatToText(out.B).c_str(), session->Chain().IsRolling());
    if (args.Has("trace"))
        for (const std::string& line : session->Trace().Lines()) std::printf("%s\n", line.c_str());
    return 0;
}

const CommandRegistrar kRegister({"chain", "chain PROJECT [--catalog PATH] [--trace]", RunChain, {"trace"}});

}  // namespace

}  // namespace kinemo::cli
