// Sizing sessions of one context judging in two threads at once give every figure they give
// one after the other in one thread: each session owns its chain, query and caches, and
// what the context shares is only read.
//
// KINEMO_THREAD_TEST_EXAMPLES=N judges only the first N examples (a slow build, such as the
// thread sanitizer's, runs a few).
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "base/UserDialogs.h"
#include "machine/MachineServices.h"
#include "support/TestSupport.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace kinemo;

namespace {

// Answers every question as a batch run would and keeps nothing, so threads may share it.
class QuietDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string&, TMsgDlgType, unsigned buttons) override {
        return buttons & mbYes ? mrYes : mrOk;
    }
};

uint64_t Digest(const std::string& text) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string Exact(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::vector<std::string> Examples() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(std::string(KINEMO_SOURCE_DIR) + "/examples"))
        if (e.path().extension() == ".kjb") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    if (const char* limit = std::getenv("KINEMO_THREAD_TEST_EXAMPLES")) {
        const long n = std::strtol(limit, nullptr, 10);
        if (n > 0 && static_cast<size_t>(n) < names.size()) names.resize(static_cast<size_t>(n));
    }
    return names;
}

// Everything a session gives for example: the load's outcome, then one line per catalog
// motor row with every figure exactly, every verdict code and digests of its logs and
// regeneration table, then the motors the project's own search passes and the digest of
// the session's calculation trace. A session of its own, made in the calling thread.
std::string JudgeExample(TKinemoContext& context, const std::string& example) {
    std::ostringstream out;
    try {
        TSizingSession session(context);
        session.Initialize();
        const auto loaded = session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example);
        out << "load " << static_cast<int>(loaded) << '\n';
        session.PrepareJudgement();
        std::vector<std::unique_ptr<TMotor>> motors = LoadEveryCatalogMotor(session.Query());
        for (auto& motor : motors) {
            TMotor& m = *motor;
            std::unique_ptr<TTorqueList> torques = session.Discharge().BuildMotorTorques(m);
            session.Discharge().JudgeMotor(m, *torques, m.MotorRatedSupply);
            out << m.msv_model_all << '|' << m.mxc_cd;
            for (double v : {m.JL, m.MotorMaxSpeedMax, m.MotorRunningTorqueMax, m.MotorRunningTorqueMaxPercent,
                             m.MotorEpigeneTorqueMax, m.MotorEpigeneTorqueMaxPercent, m.MotorInertiaRatio,
                             m.MotorMaxTorquePercent, m.MotorNecessityMaxTorque, m.MotorEffectiveTorque,
                             m.MotorEffectiveTorquePercent, m.maxP, m.maxPm})
                out << '|' << Exact(v);
            for (int c : {m.MaxTorqueAdjudicationCode, m.EffectiveTorqueCode, m.MaxSpeedCode, m.RunningTorqueCode, m.EpigeneTorqueCode,
                          m.InertiaCode, m.AllowableDischargeAdjudicationCode, m.WarningMomentaryDischargeAdjudicationCode,
                          m.ResultCode, static_cast<int>(m.Judged)})
                out << '|' << c;
            out << '|' << m.RegenerationResistanceLoadRate;
            std::string judgementLog, table;
            for (const std::string& line : m.JudgementLog) judgementLog += line + "\n";
            for (const std::string& row : session.Discharge().MomentaryTable().FormatRows()) table += row + "\n";
            out << '|' << std::hex << Digest(m.GetDebugText()) << '|' << Digest(judgementLog) << '|'
                << Digest(table) << std::dec << '\n';
        }
        out << "search " << session.JudgeAll(TAdjudicationLevel::All);
        for (const TMotor* m : session.Candidates().DisplayList()) out << ' ' << m->msv_model_all;
        out << "\ntrace " << std::hex << Digest(session.Trace().Text()) << std::dec << '\n';
    } catch (const std::exception& e) {
        out << "error " << e.what() << '\n';
    }
    return out.str();
}

struct ConcurrentSessions : testing::Test {
    ConcurrentSessions() : context(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs) {
        EXPECT_TRUE(context.ReadCatalogConfig());
        context.ReloadUserFactors();
        examples = Examples();
    }

    // One after the other in this thread: what the threads must give.
    std::map<std::string, std::string> OneAfterTheOther() {
        std::map<std::string, std::string> figures;
        for (const std::string& e : examples) figures[e] = JudgeExample(context, e);
        return figures;
    }

    test::TempDir dir;
    QuietDialogs dialogs;
    TKinemoContext context;
    std::vector<std::string> examples;
};

void ExpectSame(const std::string& example, const std::string& want, const std::string& got) {
    if (got == want) return;
    std::istringstream a(want), b(got);
    std::string wantLine, gotLine;
    for (int row = 0;; ++row) {
        const bool moreA = static_cast<bool>(std::getline(a, wantLine));
        const bool moreB = static_cast<bool>(std::getline(b, gotLine));
        if (!moreA && !moreB) break;
        if (wantLine != gotLine || moreA != moreB) {
            ADD_FAILURE() << example << " row " << row << "\n one thread: " << wantLine << "\n two threads: " << gotLine;
            return;
        }
    }
}

}  // namespace

// Two threads, each with sessions of its own, judge every example (in opposite orders, so
// that different projects run at the same time).
TEST_F(ConcurrentSessions, EveryExampleInTwoThreadsAsInOne) {
    ASSERT_FALSE(examples.empty());
    const std::map<std::string, std::string> want = OneAfterTheOther();
    for (const auto& [example, figures] : want) EXPECT_EQ(figures.find("error "), std::string::npos) << figures;
    std::map<std::string, std::string> forward, backward;
    std::thread first([&] {
        for (const std::string& e : examples) forward[e] = JudgeExample(context, e);
    });
    std::thread second([&] {
        for (auto it = examples.rbegin(); it != examples.rend(); ++it) backward[*it] = JudgeExample(context, *it);
    });
    first.join();
    second.join();
    for (const std::string& e : examples) {
        ExpectSame(e, want.at(e), forward[e]);
        ExpectSame(e, want.at(e), backward[e]);
    }
}

// Both threads judge the same project at the same time, each in its own session.
TEST_F(ConcurrentSessions, TheSameProjectInTwoThreadsAsInOne) {
    ASSERT_FALSE(examples.empty());
    const std::string example = examples.size() > 1 ? examples[1] : examples[0];
    const std::string want = JudgeExample(context, example);
    ASSERT_EQ(want.find("error "), std::string::npos) << want;
    std::string a, b;
    std::thread first([&] { a = JudgeExample(context, example); });
    std::thread second([&] { b = JudgeExample(context, example); });
    first.join();
    second.join();
    ExpectSame(example, want, a);
    ExpectSame(example, want, b);
}
