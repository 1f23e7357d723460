// Explanation appendix pages.
#include "reports/ExplanationAppendix.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "selection/ExplanationText.h"
#include "torque/FigureExplanation.h"
#include "torque/Motor.h"

#include <algorithm>

namespace kinemo {

namespace {

// Interval rows on a page; longer patterns go on to a further page.
constexpr int kIntervalRows = 36;

QString Result(const TExplanationText& words, const TFigureExplanation& e) {
    std::string value = FloatToText(e.Result);
    if (e.IsCode) {
        const std::string word = words.Text("Code." + value);
        if (!word.empty()) value += " (" + word + ")";
    } else if (!words.Unit(e.Figure).empty()) {
        value += " " + words.Unit(e.Figure);
    }
    return Qs(FormatText(words.Text("HeadingResult"), {e.Figure, value}));
}

// The formula (or the program's rule) and the values, as blocks.
void Describe(const TExplanationText& words, const TFigureExplanation& e, QVector<TReportBlock>& blocks) {
    if (!e.Formula.empty()) {
        blocks.push_back(TReportText{Qs(FormatText(words.Text("HeadingFormula"), {e.FormulaKey})), 8, true});
        QString formula = Qs(e.Formula);
        formula.remove('\r');
        blocks.push_back(TReportText{formula, 7.5, false});
    } else {
        const std::string rule = words.Text("Rule." + e.Figure);
        blocks.push_back(TReportText{Qs(words.Text("HeadingRule")), 8, true});
        blocks.push_back(TReportText{Qs(rule.empty() ? words.Text("Rule.Taken") : rule), 8, false});
    }
    if (!e.Inputs.empty()) {
        TReportTable table;
        table.Caption = Qs(words.Text("HeadingValues"));
        table.Columns = {{Qs(words.Text("ColumnName")), {}, 1.6, true},
                         {Qs(words.Text("ColumnValue")), {}, 1.2, false},
                         {Qs(words.Text("ColumnUnit")), {}, 0.5, true},
                         {Qs(words.Text("ColumnOrigin")), {}, 3.2, true}};
        for (const TExplainedInput& in : e.Inputs) {
            const std::string caption = words.Caption(in.Name);
            table.Rows.push_back({Qs(in.Name), Qs(in.ValueText.empty() ? "-" : in.ValueText), Qs(words.Unit(in.Name)),
                                  Qs((caption.empty() ? std::string() : caption + "; ") + words.Source(in))});
        }
        blocks.push_back(table);
    }
}

void IntervalTables(const TExplanationText& words, const TFigureExplanation& e, const QString& heading,
                    QVector<TReportSheet>& pages) {
    if (e.Arrays.empty()) return;
    const size_t rows = e.Arrays.front().Values.size();
    for (size_t first = 0; first < rows || first == 0; first += kIntervalRows) {
        TReportTable table;
        table.Caption = Qs(words.Text("HeadingIntervals"));
        table.Columns = {{Qs(words.Text("ColumnInterval")), {}, 0.6, false}};
        for (const TExplainedArray& a : e.Arrays) table.Columns.push_back({Qs(a.Name), Qs(words.Unit(a.Name)), 1.5, false});
        for (size_t r = first; r < rows && r < first + kIntervalRows; ++r) {
            QStringList cells{QString::number(r + 1)};
            for (const TExplainedArray& a : e.Arrays) cells << Qs(r < a.Values.size() ? FloatToText(a.Values[r]) : "");
            table.Rows.push_back(cells);
        }
        if (first == 0) pages.back().Blocks.push_back(table);
        else pages.push_back(TReportSheet{{TReportText{heading, 10, true}, table}});
        if (rows == 0) break;
    }
}

}  // namespace

const std::vector<std::string>& AppendixFigures() {
    static const std::vector<std::string> figures = {
        "MotorInertiaRatio", "MotorMaxSpeedMax", "MotorEffectiveTorquePercent", "MotorRunningTorqueMaxPercent",
        "MotorMaxTorquePercent", "MotorEpigeneTorqueMaxPercent"};
    return figures;
}

TReportDocument ExplanationAppendix(TKinemoContext& context, const TSizingSession& session, const TMotor& motor,
                                    const TReportDocument& titleOf) {
    TExplanationText words;
    words.LoadTexts(context.Query());
    TReportDocument doc = titleOf;
    doc.Pages.clear();
    doc.Title = Qs(words.Text("FormTitle"));
    if (motor.JudgementLog.empty()) throw TKinemoError("The motor " + motor.msv_model_all + " has not been judged.");
    for (const std::string& figure : AppendixFigures()) {
        const TFigureExplanation e = ExplainFigure(figure, motor, motor.JudgementLog.front(),
                                                   session.JudgementFormulas(), session.TorqueFormulas());
        const QString heading = Qs(words.Title(figure) + " (" + figure + ")");
        TReportSheet page;
        page.Blocks.push_back(TReportText{heading, 10, true});
        Describe(words, e, page.Blocks);
        page.Blocks.push_back(TReportText{Result(words, e), 8.5, true});
        doc.Pages.push_back(page);
        // One level of detail: how the torque figures it used were reached.
        for (const TFigureExplanation& d : e.Details) {
            doc.Pages.back().Blocks.push_back(TReportText{Qs(FormatText(words.Text("HeadingDetail"), {d.Figure})), 9, true});
            Describe(words, d, doc.Pages.back().Blocks);
            IntervalTables(words, d, heading, doc.Pages);
            doc.Pages.back().Blocks.push_back(TReportText{Result(words, d), 8.5, true});
        }
    }
    return doc;
}

}  // namespace kinemo
