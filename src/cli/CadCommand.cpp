// kinemo-cli cad: the committed motor's drawing through the CAD link, as the CAD page's
// export button makes it (hand-over file, registered CAD data program, the same messages).
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/Registry.h"
#include "cad/VantorExportModel.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace kinemo::cli {

namespace {

std::string ProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    const std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

std::string CurrentFolder() {
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
}

int ViewIndex(const std::string& view) {
    static const char* const names[] = {"3d", "front", "left", "right"};
    for (int i = 0; i < 4; ++i)
        if (view == names[i]) return i;
    throw UsageError{"--view must be front, left, right or 3d"};
}

int RunCad(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    if (!args.Has("out")) throw UsageError{"--out FILE is required"};
    const int view = ViewIndex(args.Get("view", "front"));
    char* end = nullptr;
    const std::string limit = args.Get("time-limit", "60");
    const double seconds = std::strtod(limit.c_str(), &end);
    if (end == limit.c_str() || *end || !(seconds > 0) || seconds > 3600)
        throw UsageError{"--time-limit must be a number of seconds from 0 to 3600"};

    TCliDialogs dialogs(args.Get("answer", "yes") == "yes");
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    const TMotor* motor = session->CommittedMotor();
    if (!motor) {
        std::fprintf(stderr, "kinemo-cli: the project has no committed motor\n");
        return 1;
    }
    TVantorExportModel page(ctx->Query());
    page.SetMotor(TCadMotor{motor->msv_model_all, motor->mmp_cd, motor->msv_msmg_cd == 1}, false);
    page.SetImageType(view);
    page.SetFileName(args.Get("out"));

    const std::string programFolder = ProgramFolder();
    const TRegistry registry = TRegistry::ForUser(ctx->Folders(), programFolder);
    TCadLinkServices services;
    services.Registry = &registry;
    services.ProgramFolder = programFolder;
    services.HandOverFolder = ctx->Run().TempFolder;
    services.TimeLimitMs = static_cast<int>(seconds * 1000);
    services.Dialogs = &dialogs;
    TCliProgress wait;
    services.Wait = &wait;
    const TCadExportResult result = page.Execute(services, CurrentFolder());
    if (result.Outcome == TCadExportOutcome::Done) std::printf("%s\n", result.Target.c_str());
    return result.Outcome == TCadExportOutcome::Done ? 0 : 1;
}

const CommandRegistrar kRegister({"cad",
                                  "cad PROJECT --out FILE [--view front|left|right|3d] [--time-limit SECONDS] "
                                  "[--answer yes|no] [--catalog PATH]",
                                  RunCad,
                                  {}});

}  // namespace

}  // namespace kinemo::cli
