// libFuzzer target: arbitrary text pasted into a drive pattern grid (the spreadsheet
// import) and the pattern converted to the other input type and back (the path export and
// import). The first three bytes choose the axis and input type, the row and the column.
// Whatever is accepted must leave every value finite.
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "pattern/InputPatternGridModel.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

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

void RequireFinite(const TInputPatternModel& pattern, const char* after) {
    if (pattern.CurrentGrid().Data().AllFinite()) return;
    std::fprintf(stderr, "A value is not finite after %s:\n%s\n", after, pattern.CurrentGrid().TextDump().c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;
    if (size < 3) return 0;
    TInputPatternModel& pattern = job->session->Pattern();
    pattern.SetAxisKind(data[0] & 1);
    pattern.SetInputType((data[0] >> 1) & 1);
    pattern.ClearData();
    TInputPatternGridModel& grid = pattern.CurrentGrid();
    grid.Click(TInputPatternGridModel::kFirstIntervalRow + data[1] % 100, 1 + data[2] % 8);
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);
    try {
        if (!pattern.PasteText(text)) return 0;
    } catch (const TKinemoError&) {
        RequireFinite(pattern, "a refused paste");
        return 0;
    }
    RequireFinite(pattern, "a paste");
    pattern.PatternText();
    pattern.RedrawChart();
    const int input = pattern.InputType();
    for (int to : {1 - input, input}) {
        if (!pattern.SetInputType(to)) return 0;
        RequireFinite(pattern, "a conversion");
        pattern.RedrawChart();
    }
    return 0;
}
