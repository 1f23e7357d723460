// The core path of the judgement button on example 02: the motor search, the judgement of
// every candidate and the texts of every cell of the display list; once with the project's
// own search and once with every row of the sample catalog as candidates (as a search
// naming every series would give). Prints each first click on a fresh session and a repeated
// click in milliseconds, with its ratio to the 100 ms a click may take.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/UserDialogs.h"
#include "selection/CandidateListModel.h"
#include "selection/MotorChoiceModel.h"
#include "torque/MotorReferenceQuery.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

using namespace kinemo;

namespace {

constexpr double kTargetMs = 100;

class QuietDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string&, TMsgDlgType, unsigned buttons) override {
        return buttons & mbYes ? mrYes : mrOk;
    }
};

struct Desk {
    Desk() {
        const std::string home = (std::filesystem::temp_directory_path() / "kinemo-bench").string();
        ctx = std::make_unique<TKinemoContext>(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home), dialogs);
        ctx->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
        session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb");
    }
    // What the button runs: search, judge all, then every text the grid shows. The display
    // list's length, so nothing is optimised away.
    size_t Click(bool wholeCatalog) {
        session->Search().SearchMotors();
        if (wholeCatalog) session->Candidates().SetCandidates(LoadEveryCatalogMotor(ctx->Query()));
        if (!session->JudgeAll(TAdjudicationLevel::All)) std::abort();
        const TCandidateListModel& list = session->Candidates();
        size_t chars = 0;
        for (int row = 0; row < static_cast<int>(list.DisplayList().size()); ++row)
            for (int column = 0; column < kCandidateColumns; ++column) chars += list.CellText(row, column).size();
        benchmark::DoNotOptimize(chars);
        return list.DisplayList().size();
    }
    QuietDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

double Ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void BM_JudgeButtonRepeated(benchmark::State& state) {
    Desk desk;
    desk.Click(state.range(0) != 0);
    for (auto _ : state) benchmark::DoNotOptimize(desk.Click(state.range(0) != 0));
}
BENCHMARK(BM_JudgeButtonRepeated)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    // The first click on a freshly opened project: nothing judged, no result remembered. The
    // best of five fresh sessions, as a shared machine adds noise but never removes work.
    for (bool wholeCatalog : {false, true}) {
        double first = 1e300, repeat = 1e300;
        size_t rows = 0, candidates = 0;
        for (int run = 0; run < 5; ++run) {
            Desk desk;
            auto t0 = std::chrono::steady_clock::now();
            rows = desk.Click(wholeCatalog);
            first = std::min(first, Ms(std::chrono::steady_clock::now() - t0));
            t0 = std::chrono::steady_clock::now();
            desk.Click(wholeCatalog);
            repeat = std::min(repeat, Ms(std::chrono::steady_clock::now() - t0));
            candidates = desk.session->Candidates().FullList().size();
        }
        const char* what = wholeCatalog ? "catalog" : "search";
        std::printf("%s: candidates=%zu displayed=%zu first_click_ms=%.1f ratio_to_target=%.2f repeat_click_ms=%.1f "
                    "ratio_to_target=%.2f\n",
                    what, candidates, rows, first, first / kTargetMs, repeat, repeat / kTargetMs);
    }
    return 0;
}
