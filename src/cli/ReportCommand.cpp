// kinemo-cli report: one report page of one motor written as CSV through its catalog template.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "session/ReportJob.h"
#include "session/SizingSession.h"
#include "base/ErrorMessage.h"
#include "reports/ReportPages.h"

#include <cstdio>
#include <ctime>

namespace kinemo::cli {

namespace {

int RunReport(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    if (!args.Has("motor")) throw UsageError{"--motor MODEL is required"};
    if (!args.Has("page")) throw UsageError{"--page NAME is required"};
    if (!args.Has("csv")) throw UsageError{"--csv OUT.csv is required"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    const std::optional<TReportPage> page = ReportPageByName(args.Get("page"));
    if (!page) throw TFormatErrorMessageException(ctx->ErrorMessages(), "ReportUnknownPage", {args.Get("page")});
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    TReportJob job(*ctx, *session);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (!job.OpenModel(args.Get("motor"), local)) return 1;
    if (args.Has("header")) job.Menu().HeaderText = args.Get("header");
    if (args.Has("comment")) job.Menu().CommentText = args.Get("comment");
    job.Menu().ApplyHeaderAndComment();
    job.Menu().SaveCsv(*page, args.Get("csv"));
    return 0;
}

const CommandRegistrar kReport({"report",
                                "report PROJECT --motor MODEL --page summary|pattern|elements|torque|regeneration "
                                "--csv OUT.csv [--header TEXT] [--comment TEXT] [--catalog PATH]",
                                RunReport,
                                {}});

}  // namespace

}  // namespace kinemo::cli
