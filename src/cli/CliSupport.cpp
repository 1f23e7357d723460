// CLI implementations of the core's user interfaces.
#include "cli/CliSupport.h"

#include "base/NumberText.h"
#include "base/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/Commands.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
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
    // A skipped file is named, never fatal: the command goes on without it.
    for (const std::string& problem : ctx.FileProblems()) std::fprintf(stderr, "%s\n", problem.c_str());
    auto session = std::make_unique<TSizingSession>(ctx);
    session->Initialize();
    if (session->LoadProject(project) != TProjectDocument::TLoadResult::Accepted)
        throw TKinemoError("The project " + project + " was not loaded (version refused).");
    // The load has shown the machine's and the pattern's problems on stderr; nothing is
    // calculated.
    if (!session->MachineProblemText().empty() || !session->PatternProblemText().empty()) throw ReportedFailure{};
    return session;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string JsonNumber(double v) { return std::isfinite(v) ? FloatToText(v) : "null"; }

void PrintRows(const std::vector<std::vector<std::string>>& rows, bool csv, const std::vector<bool>& rightAligned) {
    if (csv) {
        for (const auto& row : rows) {
            for (size_t c = 0; c < row.size(); ++c) std::printf("%s%s", c ? "," : "", CsvField(row[c]).c_str());
            std::printf("\r\n");
        }
        return;
    }
    std::vector<int> widths;
    for (const auto& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line += (c ? "  " : "") + PadToWidth(row[c], widths[c], c < rightAligned.size() && rightAligned[c]);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace kinemo::cli
