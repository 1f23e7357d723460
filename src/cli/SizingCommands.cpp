// kinemo-cli judge, size and new-project: whole sizing jobs without a window.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/SizingSession.h"
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "torque/JudgeOneMotor.h"
#include "torque/MotorReferenceQuery.h"
#include "torque/UserMotorSheet.h"
#include "base/ErrorMessage.h"
#include "units/ValueFormat.h"

#include "base/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kinemo::cli {

namespace {

// Column keys of the machine-readable outputs, in grid order.
const char* const kColumnKeys[kCandidateColumns] = {
    "model", "amplifier", "output", "inertia_ratio", "inertia", "max_speed", "max_speed_result",
    "effective_torque_percent", "effective_torque", "running_torque_percent", "running_torque",
    "max_torque_percent", "max_torque", "regeneration_load_rate", "result"};

int RunJudge(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    if (!args.Has("motor")) throw UsageError{"--motor MODEL is required"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    std::unique_ptr<TMotor> motor = LoadMotorByModel(ctx->Query(), args.Get("motor"));
    if (!motor) {
        // A motor the catalog does not have may be one of the user's data sheets, judged by
        // the same formulas.
        const TUserMotorTexts texts = TUserMotorTexts::Load(ctx->Query(), ctx->ErrorMessages());
        TUserMotorStore store(ctx->Folders().UserMotorFolder(), texts);
        store.Reload();
        if (const TUserMotorSheet* sheet = store.Find(args.Get("motor"))) motor = sheet->ToMotor(texts);
    }
    if (!motor) {
        const std::string text = ctx->ErrorMessages().GetFormattedText("UserMotorUnknownModel", args.Get("motor"));
        throw TKinemoError(text.empty() ? "No motor with the model name " + args.Get("motor") + " in the catalog." : text);
    }
    session->PrepareJudgement();
    const std::string voltage = args.Get("voltage", FloatToText(motor->MotorRatedSupply));
    if (!JudgeOneMotor(session->Discharge(), *motor, voltage, ctx->ErrorMessages(), dialogs)) return 1;
    std::fwrite(motor->GetDebugText().data(), 1, motor->GetDebugText().size(), stdout);
    return 0;
}

void PrintJson(const TSizingSession& s) {
    const TCandidateListModel& list = const_cast<TSizingSession&>(s).Candidates();
    std::printf("[");
    const auto& rows = list.DisplayList();
    for (size_t i = 0; i < rows.size(); ++i) {
        const TMotor& m = *rows[i];
        const TNameValueList& labels = s.ResultLabels();
        double rate = 0;
        const std::string rateJson =
            TryTextToFloat(m.RegenerationResistanceLoadRate, rate) ? JsonNumber(rate) : JsonString(m.RegenerationResistanceLoadRate);
        std::printf("%s\n {\"model\": %s, \"amplifier\": %s, \"output\": %s, \"judged\": %s", i ? "," : "",
                    JsonString(m.msv_model_all).c_str(), JsonString(m.msv_amplifier1).c_str(),
                    JsonString(m.mso_name).c_str(), m.Judged ? "true" : "false");
        if (m.Judged)
            std::printf(", \"inertia_ratio\": %s, \"inertia\": %s, \"max_speed\": %s, \"max_speed_result\": %s, "
                        "\"effective_torque_percent\": %s, \"effective_torque\": %s, \"running_torque_percent\": %s, "
                        "\"running_torque\": %s, \"max_torque_percent\": %s, \"max_torque\": %s, "
                        "\"regeneration_load_rate\": %s, \"result\": %s, \"result_code\": %d",
                        JsonNumber(m.MotorInertiaRatio).c_str(), JsonString(m.GetResultLabel(labels, m.InertiaCode)).c_str(),
                        JsonNumber(m.MotorMaxSpeedMax).c_str(), JsonString(m.GetResultLabel(labels, m.MaxSpeedCode)).c_str(),
                        JsonNumber(m.MotorEffectiveTorquePercent).c_str(),
                        JsonString(m.GetResultLabel(labels, m.EffectiveTorqueCode)).c_str(),
                        JsonNumber(m.MotorRunningTorqueMaxPercent).c_str(),
                        JsonString(m.GetResultLabel(labels, m.RunningTorqueCode)).c_str(),
                        JsonNumber(m.MotorMaxTorquePercent).c_str(),
                        JsonString(m.GetResultLabel(labels, m.MaxTorqueAdjudicationCode)).c_str(), rateJson.c_str(),
                        JsonString(m.GetResultLabel(labels, m.ResultCode)).c_str(), m.ResultCode);
        std::printf("}");
    }
    std::printf("%s]\n", rows.empty() ? "" : "\n");
}

void PrintTable(TCandidateListModel& list, bool csv) {
    const int rows = static_cast<int>(list.DisplayList().size());
    if (csv) {
        for (int c = 0; c < kCandidateColumns; ++c)
            std::printf("%s%s", c ? "," : "", CsvField(list.Column(c).Header.empty() ? kColumnKeys[c] : list.Column(c).Header).c_str());
        std::printf("\r\n");
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < kCandidateColumns; ++c) std::printf("%s%s", c ? "," : "", CsvField(list.CellText(r, c)).c_str());
            std::printf("\r\n");
        }
        return;
    }
    std::vector<int> widths(kCandidateColumns, 0);
    auto header = [&](int c) { return list.Column(c).Header.empty() ? std::string(kColumnKeys[c]) : list.Column(c).Header; };
    for (int c = 0; c < kCandidateColumns; ++c) {
        widths[c] = std::max(DisplayWidth(header(c)), DisplayWidth(list.Column(c).SubHeader));
        for (int r = 0; r < rows; ++r) widths[c] = std::max(widths[c], DisplayWidth(list.CellText(r, c)));
    }
    auto line = [&](auto text) {
        std::string out;
        for (int c = 0; c < kCandidateColumns; ++c) out += (c ? "  " : "") + PadToWidth(text(c), widths[c], c >= 3);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        std::printf("%s\n", out.c_str());
    };
    line(header);
    line([&](int c) { return list.Column(c).SubHeader; });
    for (int r = 0; r < rows; ++r) line([&](int c) { return list.CellText(r, c); });
}

int RunSize(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    const std::string format = args.Get("format", "table");
    if (format != "table" && format != "csv" && format != "json") throw UsageError{"--format is table, csv or json"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    TAdjudicationLevel level = session->Candidates().Level();
    if (args.Has("level") && !ParseLevel(args.Get("level"), level))
        throw UsageError{"--level is All, 60, 80, 100 or Custom"};
    if (args.Has("voltage")) session->Search().SetInputSupplyText(args.Get("voltage"));
    TCliProgress progress;
    if (!session->JudgeAll(level, &progress)) return 1;
    if (format == "json") PrintJson(*session);
    else PrintTable(session->Candidates(), format == "csv");
    return 0;
}

int RunNewProject(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one output file expected"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    TSizingSession session(*ctx);
    session.Initialize();
    session.NewProject();
    session.SaveProject(args.positional[0]);
    return 0;
}

const CommandRegistrar kJudge({"judge", "judge PROJECT --motor MODEL [--voltage V] [--catalog PATH]", RunJudge, {}});
const CommandRegistrar kSize({"size",
                              "size PROJECT [--level All|60|80|100|Custom] [--voltage V] [--format table|csv|json] "
                              "[--catalog PATH]",
                              RunSize, {}});
const CommandRegistrar kNew({"new-project", "new-project OUT.kjb [--catalog PATH]", RunNewProject, {}});

}  // namespace

}  // namespace kinemo::cli
