// Formula engine speed: a judgement-style run (fresh engine on the run's program cache, hand-over
// text, judgement formula, Eval) against the same work in fresh Lua 5.4 states, plus parse-only and execute-only timings.
#include "formula/FormulaEngine.h"
#include "formula/Parser.h"
#include "formula/ProgramCache.h"
#include "units/ValueFormat.h"

#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using kinemo::FloatToText;

constexpr int kRuns = 10000;
constexpr int kSlots = 16;  // intervals of the drive pattern

struct TNamed {
    const char* name;
    double value;
};

// What a judgement hands over: physical constants, motor data and carry values.
const TNamed kConstants[] = {
    {"g", 9.80665}, {"pi", 3.14159265358979}, {"e0", 8.8541878128e-12}, {"RhoSteel", 7850},
    {"RhoAlu", 2700}, {"MuGuide", 0.01}, {"MuBall", 0.003}, {"EtaBall", 0.9}, {"EtaBelt", 0.95},
    {"EtaGear", 0.85}, {"AirDensity", 1.205}, {"RoomTemp", 25},
};
const TNamed kMotor[] = {
    {"MotorRatedTorque", 1.27}, {"MotorMaxTorque", 3.82}, {"MotorInertia", 0.000267},
    {"MotorRatedSpeed", 3000}, {"MotorMaxSpeed", 5000}, {"MotorRatedPower", 400},
    {"MotorMass", 1.2}, {"MotorVoltage", 200}, {"MotorCurrent", 2.8}, {"MotorPeakCurrent", 8.5},
    {"MotorKt", 0.5}, {"MotorKe", 0.052}, {"MotorResistance", 2.6}, {"MotorInductance", 0.0058},
    {"MotorThermalTau", 1200}, {"MotorBrakeTorque", 1.3}, {"MotorBrakeInertia", 0.000018},
    {"AmpRatedCurrent", 2.7}, {"AmpPeakCurrent", 8.1}, {"AmpRegenEnergy", 18},
    {"AmpRegenPower", 17}, {"AmpCapacitance", 0.00056}, {"EncoderResolution", 1048576},
    {"MotorFrame", 60}, {"MotorShaftDiameter", 14}, {"MotorLength", 0.107},
};
const TNamed kCarry[] = {
    {"JL", 0.00123}, {"JLoad", 0.00121}, {"JCoupling", 0.000012}, {"JGear", 0.0000045},
    {"GearRatio", 5}, {"LeadPitch", 0.01}, {"PulleyDiameter", 0.05}, {"LoadMass", 25},
    {"TableMass", 8}, {"Stroke", 0.8}, {"AxisAngle", 0}, {"ExternalForce", 15},
    {"FrictionTorque", 0.12}, {"PreloadTorque", 0.05}, {"CycleTime", 2.4}, {"DutyRatio", 0.62},
    {"SafetyFactor", 0.8}, {"MaxInertiaRatio", 10}, {"PeakTorque", 2.95}, {"PeakSpeed", 2865},
    {"AverageSpeed", 1450}, {"RegenEnergy", 4.2}, {"StopTorque", 0.4}, {"AccelTime", 0.2},
    {"DecelTime", 0.2}, {"DwellTime", 0.8}, {"PositioningTime", 1.2}, {"AxisEfficiency", 0.88},
};

std::vector<double> SlotValues(double base, double spread) {
    std::vector<double> v;
    for (int i = 0; i < kSlots; ++i) v.push_back(base + spread * std::sin(0.7 * i + base));
    return v;
}

// About 120 lines of hand-over assignments, numbers written by the float-to-text rule.
std::string HandOverText(const char* lineEnd, double jitter = 0) {
    std::string t;
    auto line = [&](const std::string& s) { t += s + lineEnd; };
    for (const auto& c : kConstants) line(std::string(c.name) + " = " + FloatToText(c.value));
    for (const auto& c : kMotor) line(std::string(c.name) + " = " + FloatToText(c.value));
    for (const auto& c : kCarry) line(std::string(c.name) + " = " + FloatToText(c.value + jitter));
    const std::vector<double> torque = SlotValues(1.1, 0.9), duration = SlotValues(0.15, 0.05);
    const std::vector<double> speed = SlotValues(1500, 1400);
    line("Dim Torque(" + std::to_string(kSlots - 1) + ")");
    line("Dim Duration(" + std::to_string(kSlots - 1) + ")");
    line("Dim Speed(" + std::to_string(kSlots - 1) + ")");
    for (int i = 0; i < kSlots; ++i) {
        const std::string ix = "(" + std::to_string(i) + ") = ";
        line("Torque" + ix + FloatToText(torque[i]));
        line("Duration" + ix + FloatToText(duration[i]));
        line("Speed" + ix + FloatToText(speed[i]));
    }
    return t;
}

const char* const kJudgement =
    "Trms = 0\r\n"
    "For i = 0 To 15\r\n"
    "  Trms = Trms + Torque(i) ^ 2 * Duration(i)\r\n"
    "Next\r\n"
    "Trms = Sqr(Trms / CycleTime)\r\n"
    "Ratio = JL / MotorInertia\r\n"
    "If Trms <= MotorRatedTorque * SafetyFactor And Ratio <= MaxInertiaRatio And PeakTorque <= MotorMaxTorque Then\r\n"
    "  Result = Trms / MotorRatedTorque\r\n"
    "Else\r\n"
    "  Result = -1\r\n"
    "End If\r\n";

// The same hand-over and judgement in Lua (arrays indexed from 0, as in the formula).
std::string LuaText() {
    std::string t;
    for (const auto& c : kConstants) t += std::string(c.name) + " = " + FloatToText(c.value) + "\n";
    for (const auto& c : kMotor) t += std::string(c.name) + " = " + FloatToText(c.value) + "\n";
    for (const auto& c : kCarry) t += std::string(c.name) + " = " + FloatToText(c.value) + "\n";
    const std::vector<double> torque = SlotValues(1.1, 0.9), duration = SlotValues(0.15, 0.05);
    const std::vector<double> speed = SlotValues(1500, 1400);
    t += "Torque = {}\nDuration = {}\nSpeed = {}\n";
    for (int i = 0; i < kSlots; ++i) {
        const std::string ix = "[" + std::to_string(i) + "] = ";
        t += "Torque" + ix + FloatToText(torque[i]) + "\n";
        t += "Duration" + ix + FloatToText(duration[i]) + "\n";
        t += "Speed" + ix + FloatToText(speed[i]) + "\n";
    }
    t += "Trms = 0\n"
         "for i = 0, 15 do\n"
         "  Trms = Trms + Torque[i] ^ 2 * Duration[i]\n"
         "end\n"
         "Trms = math.sqrt(Trms / CycleTime)\n"
         "Ratio = JL / MotorInertia\n"
         "if Trms <= MotorRatedTorque * SafetyFactor and Ratio <= MaxInertiaRatio and PeakTorque <= MotorMaxTorque then\n"
         "  Result = Trms / MotorRatedTorque\n"
         "else\n"
         "  Result = -1\n"
         "end\n";
    return t;
}

const std::string& HandOver() {
    static const std::string text = HandOverText("\r\n");
    return text;
}

// The run's cache of parsed texts, as the context hands every engine in the program.
kinemo::TProgramCache& Programs() {
    static kinemo::TProgramCache programs;
    return programs;
}

double FormulaRun() {
    kinemo::TFormulaEngine engine(&Programs());
    engine.ExecuteStatement(HandOver());
    engine.ExecuteStatement(kJudgement);
    return engine.EvalDouble("Result");
}

double LuaRun(const std::string& text) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    if (luaL_loadbufferx(L, text.data(), text.size(), "judgement", "t") != LUA_OK || lua_pcall(L, 0, 0, 0) != LUA_OK) {
        std::fprintf(stderr, "lua: %s\n", lua_tostring(L, -1));
        std::abort();
    }
    lua_getglobal(L, "Result");
    const double r = lua_tonumber(L, -1);
    lua_close(L);
    return r;
}

void BM_FormulaJudgement(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FormulaRun());
}
BENCHMARK(BM_FormulaJudgement);

void BM_LuaJudgement(benchmark::State& state) {
    const std::string text = LuaText();
    for (auto _ : state) benchmark::DoNotOptimize(LuaRun(text));
}
BENCHMARK(BM_LuaJudgement);

// Parsing alone: the hand-over and judgement texts, bypassing the cache.
void BM_FormulaParseOnly(benchmark::State& state) {
    const std::string judgement = kJudgement;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kinemo::ParseProgram(HandOver()));
        benchmark::DoNotOptimize(kinemo::ParseProgram(judgement));
    }
}
BENCHMARK(BM_FormulaParseOnly);

// Execution alone: the same run with both texts already in the cache.
void BM_FormulaExecuteOnly(benchmark::State& state) {
    FormulaRun();
    for (auto _ : state) benchmark::DoNotOptimize(FormulaRun());
}
BENCHMARK(BM_FormulaExecuteOnly);

// Each hand-over statement as its own call, as callers that assign one value per call do.
void BM_FormulaStatementPerCall(benchmark::State& state) {
    std::vector<std::string> lines;
    const std::string& t = HandOver();
    for (size_t b = 0, e; (e = t.find("\r\n", b)) != std::string::npos; b = e + 2) lines.push_back(t.substr(b, e - b));
    for (auto _ : state) {
        kinemo::TFormulaEngine engine(&Programs());
        for (const auto& l : lines) engine.ExecuteStatement(l);
        engine.ExecuteStatement(kJudgement);
        benchmark::DoNotOptimize(engine.EvalDouble("Result"));
    }
}
BENCHMARK(BM_FormulaStatementPerCall);

// A hand-over text never seen before on every run: parsing included.
void BM_FormulaNewTextEachRun(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string text = HandOverText("\r\n", 1e-9 * ++n);
        state.ResumeTiming();
        kinemo::TFormulaEngine engine(&Programs());
        engine.ExecuteStatement(text);
        engine.ExecuteStatement(kJudgement);
        benchmark::DoNotOptimize(engine.EvalDouble("Result"));
    }
}
BENCHMARK(BM_FormulaNewTextEachRun);

template <typename Fn>
double RunsPerSecond(Fn&& run) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i) benchmark::DoNotOptimize(run());
    const std::chrono::duration<double> dt = std::chrono::steady_clock::now() - t0;
    return kRuns / dt.count();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string lua = LuaText();
    const double fr = FormulaRun(), lr = LuaRun(lua);
    if (std::fabs(fr - lr) > 1e-12 * std::fabs(lr)) {
        std::fprintf(stderr, "results differ: formula %.17g, lua %.17g\n", fr, lr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double formulaRps = RunsPerSecond(FormulaRun);
    const double luaRps = RunsPerSecond([&] { return LuaRun(lua); });
    std::printf("formula_runs_per_second=%.0f lua_runs_per_second=%.0f ratio=%.2f\n", formulaRps, luaRps,
                formulaRps / luaRps);
    return 0;
}
