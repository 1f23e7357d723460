// The headless report run.
#include "reports/ReportCommandLine.h"
#include "reports/ExplanationAppendix.h"

#include "shell/CatalogChoice.h"
#include "session/KinemoContext.h"
#include "session/ReportJob.h"
#include "session/SizingSession.h"
#include "base/ErrorMessage.h"
#include "base/UserDialogs.h"
#include "reports/ReportOutput.h"
#include "reports/ReportSet.h"

#include <QFileInfo>

#include <cstdio>
#include <ctime>
#include <map>

namespace kinemo {

namespace {

// Messages go to stderr; a question takes its first affirmative answer.
class TStderrDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string& text, TMsgDlgType, unsigned buttons) override {
        std::fprintf(stderr, "kinemo: %s\n", text.c_str());
        if (buttons & mbYes) return mrYes;
        if (buttons & mbOK) return mrOk;
        return mrCancel;
    }
};

const char* const kUsage =
    "usage: kinemo --report PROJECT --motor MODEL [--pages summary,pattern,elements,torque,regeneration,explanations] "
    "--pdf OUT.pdf [--paper a4|letter] [--header TEXT] [--comment TEXT] [--catalog PATH]\n";

struct TUsageError {
    std::string message;
};

std::map<std::string, std::string> Parse(const std::vector<std::string>& args) {
    std::map<std::string, std::string> options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) throw TUsageError{"unexpected argument " + a};
        if (i + 1 >= args.size()) throw TUsageError{"option " + a + " needs a value"};
        options[a.substr(2)] = args[++i];
    }
    for (const char* required : {"report", "motor", "pdf"})
        if (!options.count(required)) throw TUsageError{std::string("--") + required + " is required"};
    return options;
}

// "explanations" asks for the appendix that explains the judgement's figures.
std::vector<TReportPage> Pages(const std::string& list, const TErrorMessage& errors, bool& explanations) {
    explanations = false;
    if (list.empty()) return AllReportPages();
    std::vector<TReportPage> pages;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        start = comma + 1;
        if (name == "explanations") {
            explanations = true;
            continue;
        }
        const auto page = ReportPageByName(name);
        if (!page) throw TFormatErrorMessageException(errors, "ReportUnknownPage", {name});
        pages.push_back(*page);
    }
    return pages;
}

int Run(const std::map<std::string, std::string>& o, const std::string& programFolder) {
    auto get = [&](const char* k, const std::string& def = "") { return o.count(k) ? o.at(k) : def; };
    TStderrDialogs dialogs;
    const std::string data = FindDataFolder(programFolder);
    TKinemoContext ctx(get("catalog", data + "Kinemo.db"), TSpecialFolder(), dialogs);
    ctx.SetProgramFolder(data);
    if (!ctx.ReadCatalogConfig()) return 1;
    bool explanations = false;
    const std::vector<TReportPage> pages = Pages(get("pages"), ctx.ErrorMessages(), explanations);
    ctx.ReloadUserFactors();
    TSizingSession session(ctx);
    session.Initialize();
    const std::string project = get("report");
    if (session.LoadProject(project) != TProjectDocument::TLoadResult::Accepted) return 1;
    if (!session.MachineProblemText().empty() || !session.PatternProblemText().empty()) return 1;  // told while loading
    ctx.Run().CurrentFileName = project;
    TReportJob job(ctx, session);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (!job.OpenModel(get("motor"), local)) return 1;
    job.Menu().HeaderText = get("header");
    job.Menu().CommentText = get("comment");
    const int paper = get("paper") == "letter" ? kPaperLetter : kPaperA4;
    TReportSet set(ctx, session, job.Menu(), job.Motor(), QFileInfo(QString::fromStdString(project)).fileName());
    std::vector<TReportDocument> docs = set.Documents(pages);
    if (explanations)
        docs.push_back(ExplanationAppendix(ctx, session, job.Motor(),
                                           docs.empty() ? set.Document(TReportPage::Summary) : docs.front()));
    WriteReportPdf(QString::fromStdString(get("pdf")), docs, paper,
                   QString::fromStdString(job.Motor().msv_model_all));
    return 0;
}

}  // namespace

bool IsReportCommandLine(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--report") return true;
    return false;
}

int RunReportCommandLine(const std::vector<std::string>& args, const std::string& programFolder) {
    try {
        return Run(Parse(args), programFolder);
    } catch (const TUsageError& e) {
        std::fprintf(stderr, "kinemo: %s\n%s", e.message.c_str(), kUsage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinemo: %s\n", e.what());
        return 1;
    }
}

}  // namespace kinemo
