// libFuzzer target: arbitrary bytes as a project file, loaded through the sizing session
// (every section), then saved and loaded again: a project the program accepted must save
// to a text that loads back to the same text.
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#include <algorithm>

using namespace kinemo;

namespace {

struct Job {
    Job() : context(fuzz::SampleCatalogPath(), TSpecialFolder(fuzz::ScratchFolder() + "/cfg"), dialogs) {
        if (!context.ReadCatalogConfig()) std::abort();
        session = std::make_unique<TSizingSession>(context);
        session->Initialize();
    }
    fuzz::TQuietDialogs dialogs;
    TKinemoContext context;
    std::unique_ptr<TSizingSession> session;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t begin = 0;
    while (begin <= text.size()) {
        const size_t end = std::min(text.find('\n', begin), text.size());
        out.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return out;
}

// The lines where two saved texts part, with a few lines of context before.
void PrintChangedLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = Lines(before), b = Lines(after);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    for (size_t k = i >= 8 ? i - 8 : 0; k < i; ++k) std::fprintf(stderr, "  %s\n", a[k].c_str());
    for (size_t k = i; k < a.size() && k < i + 6; ++k) std::fprintf(stderr, "- %s\n", a[k].c_str());
    for (size_t k = i; k < b.size() && k < i + 6; ++k) std::fprintf(stderr, "+ %s\n", b[k].c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;  // one session for the run, as the program keeps one
    TSizingSession& session = *job->session;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        if (session.LoadProjectText(text) != TProjectDocument::TLoadResult::Accepted) return 0;
    } catch (const TKinemoError&) {
        return 0;
    }
    session.MachineProblemText();
    const std::string saved = session.ProjectText();
    try {
        if (session.LoadProjectText(saved) != TProjectDocument::TLoadResult::Accepted) {
            std::fprintf(stderr, "The saved project was refused:\n%s\n", saved.c_str());
            std::abort();
        }
    } catch (const TKinemoError& e) {
        std::fprintf(stderr, "The saved project does not load: %s\n%s\n", e.what(), saved.c_str());
        std::abort();
    }
    const std::string again = session.ProjectText();
    if (again != saved) {
        std::fprintf(stderr, "Saving the reloaded project changed it:\n");
        PrintChangedLines(saved, again);
        std::abort();
    }
    return 0;
}
