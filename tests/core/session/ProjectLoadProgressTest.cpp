// Opening a project reports its steps and can be stopped at any of them: a stopped open
// leaves the project that was open as it was. The progress shown by the desktop appears
// only for a run that lasts, and only a shown run can be cancelled.
#include "session/KinemoContext.h"
#include "session/ProjectDocument.h"
#include "session/SizingSession.h"
#include "base/DelayedProgress.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace kinemo {
namespace {

using namespace std::chrono_literals;

struct TRecordingProgress : IProgress {
    std::vector<std::pair<int, int>> reports;
    int cancelAt = -1;  // the position after which the user presses Cancel; -1 never
    int asked = 0;
    void Progress(int position, int count, const std::string&) override { reports.emplace_back(position, count); }
    bool CancelRequested() override {
        ++asked;
        return cancelAt >= 0 && !reports.empty() && reports.back().first >= cancelAt;
    }
};

struct Desk {
    Desk() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    static std::string Example(const std::string& name) { return std::string(KINEMO_SOURCE_DIR) + "/examples/" + name; }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

TEST(ProjectLoadProgress, EveryStepIsReportedInOrderAndTheLastClosesTheProgress) {
    Desk desk;
    TRecordingProgress progress;
    desk.session->Document().SetProgress(&progress);
    ASSERT_EQ(desk.session->LoadProject(Desk::Example("02_ball_screw_through_gear.kjb")),
              TProjectDocument::TLoadResult::Accepted);
    const int n = TProjectDocument::LoadStepCount();
    ASSERT_EQ(progress.reports.size(), static_cast<size_t>(n + 1));
    for (int i = 0; i <= n; ++i) EXPECT_EQ(progress.reports[static_cast<size_t>(i)], std::make_pair(i, n));
    EXPECT_EQ(progress.asked, n);  // after every step but the last
    EXPECT_EQ(desk.session->Document().Progress(), &progress);  // an accepted load keeps it
}

// Cancel at each step in turn: the project open before is there again, byte for byte, with
// its modified state, and the progress is detached so that putting it back ran to its end.
TEST(ProjectLoadProgress, ACancelledOpenLeavesThePreviousProject) {
    Desk desk;
    ASSERT_EQ(desk.session->LoadProject(Desk::Example("01_ball_screw_horizontal.kjb")),
              TProjectDocument::TLoadResult::Accepted);
    const std::string before = desk.session->ProjectText();
    for (int step = 0; step < TProjectDocument::LoadStepCount(); ++step) {
        TRecordingProgress progress;
        progress.cancelAt = step;
        desk.session->Document().SetProgress(&progress);
        EXPECT_THROW(desk.session->LoadProject(Desk::Example("18_feeder_committed_with_options.kjb")),
                     TProjectLoadCancelled)
            << step;
        EXPECT_EQ(desk.session->Document().Progress(), nullptr) << step;
        EXPECT_EQ(progress.reports.back().first, step) << "nothing reported after the cancel";
        EXPECT_EQ(desk.session->ProjectText(), before) << step;
        EXPECT_FALSE(desk.session->Modified()) << step;
    }
    EXPECT_TRUE(desk.dialogs.messages.empty());
}

struct TFakeClock {
    std::chrono::steady_clock::time_point now{};
    TDelayedProgress::TClock Clock() {
        return [this] { return now; };
    }
};

TEST(DelayedProgress, ShowsOnlyARunThatLastsAndOnlyAShownRunCancels) {
    TFakeClock clock;
    TRecordingProgress shown;
    shown.cancelAt = 0;  // the user presses Cancel as soon as there is one
    {
        TDelayedProgress quick(&shown, 500ms, clock.Clock());
        quick.Progress(0, 8, "");
        clock.now += 499ms;
        quick.Progress(1, 8, "");
        EXPECT_FALSE(quick.CancelRequested());
        quick.Progress(8, 8, "");
        quick.Finish();
    }
    EXPECT_TRUE(shown.reports.empty());  // a quick run shows nothing, not even its end

    TDelayedProgress slow(&shown, 500ms, clock.Clock());
    slow.Progress(0, 8, "");
    clock.now += 500ms;
    slow.Progress(3, 8, "");
    EXPECT_TRUE(slow.Shown());
    EXPECT_TRUE(slow.CancelRequested());
    slow.Finish();  // the run ended early: the window closes with a last report
    EXPECT_EQ(shown.reports, (std::vector<std::pair<int, int>>{{3, 8}, {8, 8}}));
    EXPECT_FALSE(slow.Shown());
    slow.Finish();
    EXPECT_EQ(shown.reports.size(), 2u);  // closed once

    TDelayedProgress none(nullptr, 0ms, clock.Clock());
    none.Progress(1, 8, "");
    EXPECT_FALSE(none.CancelRequested());
}

}  // namespace
}  // namespace kinemo
