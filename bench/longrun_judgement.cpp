// Long run: the whole sample catalog (every motor under every extension code) judged on
// example 02 many times in one session (default 1000 passes). Prints the heap in use and
// the resident size after the first and the last pass and their growth, and checks that
// every pass gives the verdicts and figures a fresh session in this process gives, and the
// last pass those of a fresh session in a new process (exit 1 when not).
// Usage: longrun_judgement [passes] | longrun_judgement --once (one pass, its text printed)
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

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
        const std::string home = (std::filesystem::temp_directory_path() / "kinemo-longrun").string();
        ctx = std::make_unique<TKinemoContext>(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home), dialogs);
        if (!ctx->ReadCatalogConfig()) std::exit(2);
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
        session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb");
        session->PrepareJudgement();
        motors = LoadEveryCatalogMotor(ctx->Query());
    }
    // One pass over the catalog; the verdicts and figures of every motor as one text.
    std::string JudgeCatalog() {
        std::string out;
        for (auto& m : motors) {
            std::unique_ptr<TTorqueList> torques = session->Discharge().BuildMotorTorques(*m);
            session->Discharge().JudgeMotor(*m, *torques, m->MotorRatedSupply);
            out += m->msv_model_all + " " + std::to_string(m->ResultCode) + " " + std::to_string(m->InertiaCode) + " " +
                   std::to_string(m->MaxSpeedCode) + " " + std::to_string(m->EffectiveTorqueCode) + " " +
                   std::to_string(m->RunningTorqueCode) + " " + std::to_string(m->MaxTorqueAdjudicationCode) + " " +
                   FloatToText(m->MotorInertiaRatio) + " " + FloatToText(m->MotorMaxSpeedMax) + " " +
                   FloatToText(m->MotorEffectiveTorquePercent) + " " + FloatToText(m->MotorRunningTorqueMaxPercent) +
                   " " + FloatToText(m->MotorMaxTorquePercent) + " " + m->RegenerationResistanceLoadRate + "\n";
        }
        return out;
    }
    QuietDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
    std::vector<std::unique_ptr<TMotor>> motors;
};

size_t HeapInUse() { return mallinfo2().uordblks; }

size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<size_t>(::sysconf(_SC_PAGESIZE));
}

// The text of one pass judged by a new process of this program (--once); empty on failure.
std::string FreshProcessPass() {
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) return {};
    FILE* pipe = ::popen(("'" + self + "' --once").c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) text.append(buf, n);
    return ::pclose(pipe) == 0 ? text : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0) {
        Job job;
        const std::string text = job.JudgeCatalog();
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    const int passes = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (passes < 1) {
        std::fprintf(stderr, "usage: longrun_judgement [passes >= 1] | --once\n");
        return 2;
    }
    std::string fresh;
    {
        Job reference;
        fresh = reference.JudgeCatalog();
    }
    Job job;
    const std::string first = job.JudgeCatalog();
    const size_t heapAfterFirst = HeapInUse(), residentAfterFirst = ResidentBytes();
    int mismatches = first == fresh ? 0 : 1;
    const auto start = std::chrono::steady_clock::now();
    std::string last = first;
    for (int pass = 2; pass <= passes; ++pass) {
        last = job.JudgeCatalog();
        if (last != fresh) ++mismatches;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const size_t heapAfterLast = HeapInUse(), residentAfterLast = ResidentBytes();
    std::printf("motors=%zu passes=%d seconds=%.1f\n", job.motors.size(), passes, seconds);
    std::printf("heap_in_use_after_first=%zu heap_in_use_after_last=%zu heap_growth=%lld\n", heapAfterFirst,
                heapAfterLast, static_cast<long long>(heapAfterLast) - static_cast<long long>(heapAfterFirst));
    std::printf("resident_after_first=%zu resident_after_last=%zu resident_growth=%lld\n", residentAfterFirst,
                residentAfterLast, static_cast<long long>(residentAfterLast) - static_cast<long long>(residentAfterFirst));
    std::printf("passes_differing_from_a_fresh_session=%d\n", mismatches);
    // Anything a process keeps between sessions would be shared with the in-process
    // reference; a new process shares nothing.
    const std::string other = FreshProcessPass();
    const bool sameAsNewProcess = !other.empty() && other == last;
    std::printf("last_pass_same_as_a_new_process=%s\n", sameAsNewProcess ? "yes" : "no");
    return mismatches == 0 && sameAsNewProcess ? 0 : 1;
}
