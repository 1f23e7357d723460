// CLI implementations of the core's user interfaces.
#include "cli/CliSupport.h"

#include "cli/Commands.h"
#include "app/KinemoContext.h"
#include "app/SizingSession.h"
#include "base/KinemoError.h"

#include <cstdio>
#include <unistd.h>

namespace kinemo::cli {

int TCliDialogs::ShowMessageDialog(const std::string& text, TMsgDlgType, unsigned buttons) {
    std::fprintf(stderr, "%s\n", text.c_str());
    if (buttons & mbYes) return answerYes_ ? mrYes : (buttons & mbNo ? mrNo : mrCancel);
    if (buttons & mbOK) return mrOk;
    return mrCancel;
}

void TCliProgress::Progress(int position, int count, const std::string& caption) {
    if (!::isatty(STDERR_FILENO)) return;
    std::fprintf(stderr, "\r%s %d/%d", caption.c_str(), position, count);
    if (position >= count) std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

std::unique_ptr<TKinemoContext> OpenContext(const Arguments& args, TCliDialogs& dialogs) {
    auto ctx = std::make_unique<TKinemoContext>(args.CatalogPath(), TSpecialFolder(), dialogs);
    if (!ctx->ReadCatalogConfig())
        throw TKinemoError("The catalog " + args.CatalogPath() + " is not made for this version of the program.");
    return ctx;
}

std::unique_ptr<TSizingSession> OpenSession(TKinemoContext& ctx, const std::string& project) {
    ctx.ReloadUserFactors();
    auto session = std::make_unique<TSizingSession>(ctx);
    session->Initialize();
    if (session->LoadProject(project) != TProjectDocument::TLoadResult::Accepted)
        throw TKinemoError("The project " + project + " was not loaded (version refused).");
    // The load has shown the machine's problems on stderr; nothing is calculated.
    if (!session->MachineProblemText().empty()) throw ReportedFailure{};
    return session;
}

}  // namespace kinemo::cli
