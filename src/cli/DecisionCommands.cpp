// kinemo-cli compare, variants and explain: weighing motors and machine variants, and how
// a figure was reached.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/DesignVariants.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AmountText.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "selection/ExplanationText.h"
#include "selection/MotorComparison.h"
#include "torque/FigureExplanation.h"
#include "torque/JudgeOneMotor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

std::string FormatOption(const Arguments& args) {
    const std::string format = args.Get("format", "table");
    if (format != "table" && format != "csv" && format != "json") throw UsageError{"--format is table, csv or json"};
    return format;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(start, end - start);
        if (!item.empty()) items.push_back(item);
        start = end + 1;
    }
    return items;
}

// Loads and judges one motor the way the detail window does; exit 1 on a failed check.
std::unique_ptr<TMotor> JudgedMotor(TKinemoContext& ctx, TSizingSession& session, const std::string& model,
                                    const Arguments& args, TCliDialogs& dialogs) {
    std::unique_ptr<TMotor> motor = LoadMotorByModel(ctx.Query(), model);
    if (!motor) throw TKinemoError("No motor with the model name " + model + " in the catalog.");
    const std::string voltage = args.Get("voltage", FloatToText(motor->MotorRatedSupply));
    if (!JudgeOneMotor(session.Discharge(), *motor, voltage, ctx.ErrorMessages(), dialogs)) throw ReportedFailure{};
    return motor;
}

const char* VerdictWord(TVerdict v) {
    switch (v) {
    case TVerdict::Pass: return "pass";
    case TVerdict::Warning: return "warning";
    case TVerdict::Fail: return "fail";
    default: return "";
    }
}

int RunCompare(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    const std::string format = FormatOption(args);
    const std::vector<std::string> models = SplitList(args.Get("motors"));
    if (models.empty()) throw UsageError{"--motors A,B[,C,D] is required"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    session->PrepareJudgement();
    std::vector<std::unique_ptr<TMotor>> motors;
    std::vector<const TMotor*> pointers;
    for (const std::string& model : models) {
        motors.push_back(JudgedMotor(*ctx, *session, model, args, dialogs));
        pointers.push_back(motors.back().get());
    }
    TMotorComparison comparison(ctx->ValueFormat(), session->ResultLabels());
    comparison.LoadTexts(ctx->Query());
    std::vector<long long> optionSets;
    for (const TMotor* m : pointers) optionSets.push_back(session->OptionSetPrice(*m));
    comparison.Fill(pointers, session->DetailInput(pointers.front()), optionSets);
    if (format == "csv") {
        const std::string csv = comparison.CsvText();
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return 0;
    }
    if (format == "json") {
        std::printf("{\"motors\": [");
        for (size_t i = 0; i < comparison.Motors().size(); ++i)
            std::printf("%s%s", i ? ", " : "", JsonString(comparison.Motors()[i]->msv_model_all).c_str());
        std::printf("],\n \"rows\": [");
        const auto& rows = comparison.Rows();
        for (size_t r = 0; r < rows.size(); ++r) {
            const TComparisonRow& row = rows[r];
            std::printf("%s\n  {\"group\": %s, \"label\": %s, \"unit\": %s, \"figure\": %s, \"cells\": [", r ? "," : "",
                        JsonString(row.Group).c_str(), JsonString(row.Label).c_str(), JsonString(row.Unit).c_str(),
                        JsonString(row.Figure).c_str());
            for (size_t i = 0; i < row.Cells.size(); ++i)
                std::printf("%s{\"text\": %s, \"verdict\": %s, \"best\": %s}", i ? ", " : "",
                            JsonString(row.Cells[i]).c_str(), JsonString(VerdictWord(row.Verdicts[i])).c_str(),
                            row.Best[i] ? "true" : "false");
            std::printf("]}");
        }
        std::printf("\n ]}\n");
        return 0;
    }
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header{comparison.Text("ColumnGroup"), comparison.Text("ColumnLabel"),
                                    comparison.Text("ColumnUnit")};
    for (const TMotor* m : comparison.Motors()) header.push_back(m->msv_model_all);
    table.push_back(header);
    for (const TComparisonRow& row : comparison.Rows()) {
        std::vector<std::string> line{row.Group, row.Label, row.Unit};
        for (size_t i = 0; i < row.Cells.size(); ++i) line.push_back(row.Cells[i] + (row.Best[i] ? " *" : ""));
        table.push_back(line);
    }
    PrintRows(table, false);
    std::printf("* %s\n", comparison.Text("BestHint").c_str());
    return 0;
}

int RunVariants(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    const std::string format = FormatOption(args);
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    TCliProgress progress;
    TDesignVariants& variants = session->Variants();
    const std::vector<TVariantFigures> table = variants.Evaluate(nullptr, &progress);
    const TValueFormat& f = ctx->ValueFormat();
    auto number = [&](double v) { return FloatToText(v, 6); };
    const std::string money = ReadMoneySymbol(ctx->Query());
    if (format == "json") {
        std::printf("[");
        for (size_t i = 0; i < table.size(); ++i) {
            const TVariantFigures& v = table[i];
            std::printf("%s\n {\"name\": %s, \"current\": %s, \"error\": %s, \"JL\": %s, \"TF\": %s, \"V\": %s, "
                        "\"motor\": %s",
                        i ? "," : "", JsonString(v.Name).c_str(),
                        static_cast<int>(i) == variants.Current() ? "true" : "false", JsonString(v.Error).c_str(),
                        JsonNumber(v.JL).c_str(), JsonNumber(v.TF).c_str(), JsonNumber(v.V).c_str(),
                        v.HasMotor ? JsonString(v.Motor).c_str() : "null");
            if (v.HasMotor)
                std::printf(", \"peak_torque\": %s, \"effective_torque\": %s, \"peak_percent\": %s, "
                            "\"effective_percent\": %s, \"inertia_ratio\": %s, \"allowed_inertia_ratio\": %s, "
                            "\"price\": %lld",
                            JsonNumber(v.PeakTorque).c_str(), JsonNumber(v.EffectiveTorque).c_str(),
                            JsonNumber(v.PeakPercent).c_str(), JsonNumber(v.EffectivePercent).c_str(),
                            JsonNumber(v.InertiaRatio).c_str(), JsonNumber(v.AllowedInertiaRatio).c_str(), v.Price);
            std::printf("}");
        }
        std::printf("%s]\n", table.empty() ? "" : "\n");
        return 0;
    }
    std::vector<std::vector<std::string>> rows;
    rows.push_back({variants.Text("ColumnName"), variants.Text("ColumnJL"), variants.Text("ColumnTF"),
                    variants.Text("ColumnV"), variants.Text("ColumnPeak"), variants.Text("ColumnEffective"),
                    variants.Text("ColumnMotor"), variants.Text("ColumnPeakPercent"),
                    variants.Text("ColumnEffectivePercent"), variants.Text("ColumnInertia"), variants.Text("ColumnPrice")});
    // The window's two-line headings on one line.
    for (std::string& heading : rows.front())
        for (char& c : heading)
            if (c == '\n') c = ' ';
    for (size_t i = 0; i < table.size(); ++i) {
        const TVariantFigures& v = table[i];
        std::string name = v.Name;
        if (static_cast<int>(i) == variants.Current()) name += " " + variants.Text("CurrentMark");
        if (!v.Error.empty()) {
            rows.push_back({name, "", "", "", "", "", v.Error});
            continue;
        }
        if (!v.HasMotor) {
            rows.push_back({name, number(v.JL), number(v.TF), number(v.V), "", "", variants.Text("NoMotorPasses")});
            continue;
        }
        rows.push_back({name, number(v.JL), number(v.TF), number(v.V), f.Display(v.PeakTorque),
                        f.Display(v.EffectiveTorque), v.Motor, f.Display(v.PeakPercent), f.Display(v.EffectivePercent),
                        f.Display(v.InertiaRatio) + " / " + f.Display(v.AllowedInertiaRatio),
                        AmountText(money, v.Price)});
    }
    PrintRows(rows, format == "csv", {false, true, true, true, true, true, false, true, true, true, true});
    return 0;
}

int RunExplain(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    if (!args.Has("motor")) throw UsageError{"--motor MODEL is required"};
    if (!args.Has("figure")) throw UsageError{"--figure NAME is required"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    TExplanationText words;
    words.LoadTexts(ctx->Query());
    const std::string figure = args.Get("figure");
    if (!IsExplainableFigure(figure)) {
        std::string all;
        for (const std::string& f : ExplainableFigures()) all += (all.empty() ? "" : ", ") + f;
        throw UsageError{FormatText(words.Text("UnknownFigure"), {figure, all})};
    }
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    session->PrepareJudgement();
    std::unique_ptr<TMotor> motor = JudgedMotor(*ctx, *session, args.Get("motor"), args, dialogs);
    const TFigureExplanation e =
        ExplainFigure(figure, *motor, motor->JudgementLog.empty() ? std::string() : motor->JudgementLog.front(),
                      session->JudgementFormulas(), session->TorqueFormulas());
    const std::string text = words.Joined(e);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

const CommandRegistrar kCompare({"compare",
                                 "compare PROJECT --motors A,B[,C,D] [--voltage V] [--format table|csv|json] "
                                 "[--catalog PATH]",
                                 RunCompare, {}});
const CommandRegistrar kVariants({"variants", "variants PROJECT [--format table|csv|json] [--catalog PATH]",
                                  RunVariants, {}});
const CommandRegistrar kExplain({"explain", "explain PROJECT --motor MODEL --figure NAME [--voltage V] [--catalog PATH]",
                                 RunExplain, {}});

}  // namespace

}  // namespace kinemo::cli
