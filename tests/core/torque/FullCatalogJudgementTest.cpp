// Every figure of every catalog motor judged on an example project, compared with a stored
// copy made by an earlier, plainer build of the judgement: making the judgement faster must
// change no result, no log line and no table row.
//
// To write the copies again (only when a result is meant to change), run this test with
// KINEMO_WRITE_JUDGEMENT_REFERENCE set to a folder; it writes one file per example there.
#include "support/ExampleSession.h"
#include "torque/Motor.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace kinemo;

namespace {

// The text of a log compared by a 64-bit FNV-1a digest: the logs are long, the figures are
// compared one by one.
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

// One line per motor row: its name, every figure exactly, every code, then digests of its
// hand-over log with torques, its judgement log and its regeneration table.
std::string JudgeAll(const std::string& example, bool everyRow) {
    test::ExampleSession s(example);
    std::vector<std::unique_ptr<TMotor>> motors = LoadEveryCatalogMotor(s.ctx->Query());
    std::vector<std::unique_ptr<TTorqueList>> torques;
    std::ostringstream out;
    int previous = -1;
    for (auto& motor : motors) {
        TMotor& m = *motor;
        const bool twin = m.msv_cd == previous;
        previous = m.msv_cd;
        if (twin && !everyRow) continue;
        torques.push_back(s.session->Discharge().BuildMotorTorques(m));
        s.session->Discharge().JudgeMotor(m, *torques.back(), m.MotorRatedSupply);
        out << m.msv_model_all << '|' << m.mxc_cd;
        for (double v : {m.JL, m.MotorMaxSpeedMax, m.MotorRunningTorqueMax, m.MotorRunningTorqueMaxPercent,
                         m.MotorEpigeneTorqueMax, m.MotorEpigeneTorqueMaxPercent, m.MotorInertiaRatio,
                         m.MotorMaxTorquePercent, m.MotorNecessityMaxTorque, m.MotorEffectiveTorque,
                         m.MotorEffectiveTorquePercent, m.maxP, m.maxPm})
            out << '|' << Exact(v);
        for (int c : {m.MaxTorqueAdjudicationCode, m.EffectiveTorqueCode, m.MaxSpeedCode, m.RunningTorqueCode, m.EpigeneTorqueCode,
                      m.InertiaCode, m.AllowableDischargeAdjudicationCode, m.WarningMomentaryDischargeAdjudicationCode, m.ResultCode,
                      static_cast<int>(m.Judged)})
            out << '|' << c;
        out << '|' << m.RegenerationResistanceLoadRate;
        std::string judgementLog, table;
        for (const std::string& line : m.JudgementLog) judgementLog += line + "\n";
        for (const std::string& row : s.session->Discharge().MomentaryTable().FormatRows()) table += row + "\n";
        out << '|' << std::hex << Digest(m.GetDebugText()) << '|' << Digest(judgementLog) << '|' << Digest(table)
            << std::dec << '\n';
    }
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct TCase {
    const char* example;
    bool everyRow;  // every extension code too, or one row per motor
};

// Shown in test listings: the example, not the bytes of the case.
void PrintTo(const TCase& c, std::ostream* os) { *os << c.example << (c.everyRow ? " every row" : ""); }

class FullCatalogJudgement : public testing::TestWithParam<TCase> {};

}  // namespace

TEST_P(FullCatalogJudgement, EveryFigureAsTheStoredCopy) {
    const TCase c = GetParam();
    const std::string name = std::string("judgement_") + std::string(c.example).substr(0, 2) + ".txt";
    const std::string actual = JudgeAll(c.example, c.everyRow);
    if (const char* dir = std::getenv("KINEMO_WRITE_JUDGEMENT_REFERENCE")) {
        std::ofstream(std::string(dir) + "/" + name, std::ios::binary) << actual;
        GTEST_SKIP() << "reference written";
    }
    std::ifstream in(std::string(KINEMO_TEST_DATA_DIR) + "/judgement/" + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    std::stringstream stored;
    stored << in.rdbuf();
    const std::vector<std::string> want = Lines(stored.str()), got = Lines(actual);
    ASSERT_GT(want.size(), 300u);
    ASSERT_EQ(got.size(), want.size());
    int failures = 0;
    for (size_t i = 0; i < want.size() && failures < 10; ++i)
        if (got[i] != want[i]) {
            ++failures;
            ADD_FAILURE() << "row " << i << "\n stored: " << want[i] << "\n    now: " << got[i];
        }
}

INSTANTIATE_TEST_SUITE_P(Examples, FullCatalogJudgement,
                         testing::Values(TCase{"02_ball_screw_through_gear.kjb", true},
                                         TCase{"03_ball_screw_vertical.kjb", false},
                                         TCase{"05_rotary_disc_through_reducer.kjb", false},
                                         TCase{"07_vertical_belt_counterweight.kjb", false},
                                         TCase{"09_screw_with_assisting_force.kjb", false}),
                         // Named by the example's number so ctest's names stay the same from run to run.
                         [](const testing::TestParamInfo<TCase>& info) {
                             return "Example" + std::string(info.param.example).substr(0, 2);
                         });
