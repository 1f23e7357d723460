// Judgements per second: every motor of the sample catalog judged on an example project
// (a ball screw through a gear: five elements, eleven torque intervals). The last line
// is "judgements_per_second=<N>".
#include "session/SizingSession.h"
#include "base/Catalog.h"
#include "session/KinemoContext.h"
#include "base/UserDialogs.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

using namespace kinemo;

namespace {

class QuietDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string&, TMsgDlgType, unsigned buttons) override {
        return buttons & mbYes ? mrYes : mrOk;
    }
};

struct Job {
    Job() {
        const std::string home = (std::filesystem::temp_directory_path() / "kinemo-bench").string();
        ctx = std::make_unique<TKinemoContext>(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home), dialogs);
        ctx->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
        session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb");
        session->PrepareJudgement();
        // Every motor with every extension code it is sold with.
        motors = LoadEveryCatalogMotor(ctx->Query());
    }
    void JudgeOne(TMotor& m) {
        std::unique_ptr<TTorqueList> torques = session->Discharge().BuildMotorTorques(m);
        session->Discharge().JudgeMotor(m, *torques, m.MotorRatedSupply);
    }
    QuietDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
    std::vector<std::unique_ptr<TMotor>> motors;
};

Job& TheJob() {
    static Job job;
    return job;
}

void BM_JudgeOneMotor(benchmark::State& state) {
    Job& job = TheJob();
    size_t i = 0;
    for (auto _ : state) {
        job.JudgeOne(*job.motors[i]);
        i = (i + 1) % job.motors.size();
    }
}
BENCHMARK(BM_JudgeOneMotor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    // Each timed pass runs on a session of its own, opened for it: no result of another pass
    // (nor of the loop above) is remembered, as on a project just opened.
    {
        // One pass over one row of each motor: no motor repeats another's judgement, so this
        // is the cost of judging a motor from scratch.
        Job job;
        std::vector<TMotor*> distinct;
        std::set<int> seen;
        for (auto& m : job.motors)
            if (seen.insert(m->msv_cd).second) distinct.push_back(m.get());
        const auto start = std::chrono::steady_clock::now();
        for (TMotor* m : distinct) job.JudgeOne(*m);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("distinct_motors=%zu seconds=%.3f distinct_judgements_per_second=%.0f\n", distinct.size(), seconds,
                    distinct.size() / seconds);
    }
    {
        // One full pass over the catalog: every motor under every extension code it is sold
        // with, as a candidate list holds them.
        Job job;
        const auto start = std::chrono::steady_clock::now();
        for (auto& m : job.motors) job.JudgeOne(*m);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("motors=%zu seconds=%.3f\n", job.motors.size(), seconds);
        std::printf("judgements_per_second=%.0f\n", job.motors.size() / seconds);
    }
    return 0;
}
