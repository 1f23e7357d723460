// Numbers that could poison a verdict: NaN, infinities, 1e308, denormals and negative zero
// put into every input item of a straight and a rolling example (in the project file and
// typed), into the pattern cells and into catalog motor values. Each gives a clear error
// or a defined result; no candidate cell, pattern cell or carry value shows "nan" or "inf".
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/PropertyGridModel.h"
#include "pattern/InputPatternGridModel.h"
#include "support/TestSupport.h"
#include "units/Material.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>

using namespace kinemo;

namespace {

const char* const kExamples[] = {"01_ball_screw_horizontal", "05_rotary_disc_through_reducer"};
const char* const kPoison[] = {"NaN", "inf", "-Infinity", "1e308", "-1e308", "1e400", "4.9e-324", "-2.2e-310", "-0"};

bool ShowsNonFinite(const std::string& text) {
    static const std::regex word(R"((^|[^A-Za-z])(nan|inf|infinity)([^A-Za-z]|$))", std::regex::icase);
    return std::regex_search(text, word);
}

struct Job {
    explicit Job(const std::string& catalog = test::SampleCatalogPath()) {
        ctx = std::make_unique<TKinemoContext>(catalog, TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    void Load(const std::string& stem) {
        ASSERT_EQ(session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + stem + ".kjb"),
                  TProjectDocument::TLoadResult::Accepted);
    }
    // Either the machine refuses to calculate with a message, or every shown result is a
    // finite number or a label. Returns what happened, for the trace.
    std::string JudgeAndLook() {
        if (!session->MachineProblemText().empty()) {
            EXPECT_THROW(session->PrepareJudgement(), TKinemoError);
            return "refused: " + session->MachineProblemText();
        }
        try {
            session->PrepareJudgement();
            session->JudgeAll(TAdjudicationLevel::All);
        } catch (const TKinemoError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
            EXPECT_FALSE(ShowsNonFinite(e.what())) << e.what();
            return std::string("error: ") + e.what();
        }
        auto& list = session->Candidates();
        for (int r = 0; r < static_cast<int>(list.DisplayList().size()); ++r)
            for (int c = 0; c < kCandidateColumns; ++c)
                EXPECT_FALSE(ShowsNonFinite(list.CellText(r, c))) << "candidate " << r << "," << c << ": "
                                                                  << list.CellText(r, c);
        const std::string pattern = session->Pattern().CurrentGrid().TextDump();
        EXPECT_FALSE(ShowsNonFinite(pattern)) << pattern;
        return "judged " + std::to_string(list.DisplayList().size()) + " candidates";
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

struct Item {
    int column;  // chain position
    int id;
    std::string name;
};

std::vector<Item> NumericItems(TSizingSession& session) {
    std::vector<Item> out;
    const auto& factors = session.Machine().Chain().Factors();
    for (int column = 1; column < static_cast<int>(factors.size()); ++column)
        for (auto& item : factors[static_cast<size_t>(column)]->InputItems())
            if (item->Kind() == TInputKind::Numeric) out.push_back({column, item->ID, item->Name});
    return out;
}

// The project text with the first value of the item replaced.
std::string WithValue(const std::string& text, int id, const std::string& value) {
    const std::string open = "<Value InputDataID=\"" + std::to_string(id) + "\"";
    size_t at = text.find(open);
    if (at == std::string::npos) return text;
    at = text.find('>', at) + 1;
    const size_t end = text.find("</Value>", at);
    return text.substr(0, at) + value + text.substr(end);
}

}  // namespace

TEST(NumericRobustness, EveryInputItemInTheProjectFileTakesPoisonWithoutShowingIt) {
    for (const char* stem : kExamples) {
        Job job;
        job.Load(stem);
        const std::string original = job.session->ProjectText();
        const std::vector<Item> items = NumericItems(*job.session);
        ASSERT_GE(items.size(), 8u) << stem;
        for (const Item& item : items)
            for (const char* poison : kPoison) {
                SCOPED_TRACE(std::string(stem) + " / " + item.name + " = " + poison);
                const std::string text = WithValue(original, item.id, poison);
                ASSERT_NE(text, original);
                const std::string before = job.session->ProjectText();
                try {
                    job.session->LoadProjectText(text);
                } catch (const TKinemoError& e) {
                    // A clear refusal, and the project stays as it was.
                    EXPECT_FALSE(std::string(e.what()).empty());
                    EXPECT_EQ(job.session->ProjectText(), before);
                    continue;
                }
                job.JudgeAndLook();
                EXPECT_FALSE(ShowsNonFinite(job.session->ProjectText()));
            }
    }
}

TEST(NumericRobustness, EveryInputItemTypedTakesPoisonWithoutShowingIt) {
    for (const char* stem : kExamples) {
        Job job;
        job.Load(stem);
        TMaterialManager materials(job.ctx->Query());
        TPropertyGridModel grid(materials, job.ctx->Measures(), job.ctx->ValueFormat());
        for (const Item& item : NumericItems(*job.session))
            for (const char* poison : kPoison) {
                SCOPED_TRACE(std::string(stem) + " / " + item.name + " = " + poison);
                TFactor& element = *job.session->Machine().Chain().Factors()[static_cast<size_t>(item.column)];
                grid.SetElement(&element);
                int row = -1;
                for (int r = 0; r < grid.RowCount(); ++r)
                    if (grid.ItemAt(r) && grid.ItemAt(r)->ID == item.id) row = r;
                ASSERT_GE(row, 0);
                TInputData& input = *element.FindInputItemByID(item.id);
                const double before = input.Value;
                try {
                    grid.CommitText(row, poison);
                } catch (const TKinemoError& e) {
                    EXPECT_FALSE(std::string(e.what()).empty());
                    EXPECT_EQ(input.Value, before);
                    continue;
                }
                EXPECT_TRUE(std::isfinite(input.Value));
                for (int r = 0; r < grid.RowCount(); ++r)
                    for (int c = 0; c < 3; ++c) EXPECT_FALSE(ShowsNonFinite(grid.CellText(r, c))) << grid.CellText(r, c);
                job.JudgeAndLook();
                input.Value = before;
                element.RecalcCalcItems();
            }
        grid.SetElement(nullptr);
    }
}

TEST(NumericRobustness, EveryPatternCellTypedTakesPoisonWithoutShowingIt) {
    for (const char* stem : kExamples) {
        Job job;
        job.Load(stem);
        const std::string original = job.session->ProjectText();
        TInputPatternGridModel& grid = job.session->Pattern().CurrentGrid();
        for (int column = 1; column <= grid.DataColumnCount(); ++column)
            for (const char* poison : kPoison) {
                SCOPED_TRACE(std::string(stem) + " / column " + std::to_string(column) + " = " + poison);
                const int row = TInputPatternGridModel::kFirstIntervalRow;
                try {
                    grid.CommitText(row, column, poison);
                } catch (const TKinemoError& e) {
                    EXPECT_FALSE(std::string(e.what()).empty());
                }
                EXPECT_TRUE(grid.Data().AllFinite());
                job.JudgeAndLook();
                ASSERT_EQ(job.session->LoadProjectText(original), TProjectDocument::TLoadResult::Accepted);
            }
    }
}

TEST(NumericRobustness, PoisonedCatalogMotorValuesGiveDefinedVerdicts) {
    test::TempDir dir;
    // The poisoned copy of the catalog finds its pictures where the program looks for them.
    std::filesystem::create_directory_symlink(std::string(KINEMO_BIN_DIR) + "/picture", dir.File("picture"));
    const char* const columns[] = {"msv_s_rotorinertia", "msv_s_maxtorque", "msv_s_ratedtorque", "msv_s_maxspeed",
                                   "msv_s_phaseresistance"};
    const char* const values[] = {"1e308", "-1e308", "9e999", "-9e999", "4.9e-324", "-0.0", "'NaN'", "0"};
    for (const char* column : columns)
        for (const char* value : values) {
            SCOPED_TRACE(std::string(column) + " = " + value);
            const std::string catalog = dir.File("poisoned.db");
            std::filesystem::copy_file(test::SampleCatalogPath(), catalog,
                                       std::filesystem::copy_options::overwrite_existing);
            test::ApplyCatalogSql(catalog, std::string("UPDATE t_motor_value SET ") + column + " = " + value +
                                               " WHERE msv_cd IN (SELECT mmp_msv_cd FROM m_motor_price WHERE mmp_model = 'KRS0402ANS0');");
            Job job(catalog);
            job.Load(kExamples[0]);
            job.JudgeAndLook();
        }
}

// Found by the pattern fuzzer: two intervals of 1e308 s pasted into a speed pattern add up to
// an infinite move time in the position pattern. The conversion is refused with the
// catalog's text and the position pattern keeps its own rows.
TEST(NumericRobustness, HugeIntervalsAreNotConvertedIntoInfinity) {
    Job job;
    TInputPatternModel& pattern = job.session->Pattern();
    pattern.SetAxisKind(0);
    pattern.SetInputType(0);
    pattern.ClearData();
    pattern.CurrentGrid().Click(TInputPatternGridModel::kFirstIntervalRow, 2);
    const char pasted[] = "9\t0.5\t\t\xb8\0\0\0\0\0\0\xff\xff\n1e308\t105\n\t0\r\n1e308\t105\t\n";
    ASSERT_TRUE(pattern.PasteText(std::string(pasted, sizeof pasted - 1)));
    ASSERT_TRUE(pattern.CurrentGrid().Data().AllFinite());
    const std::string positionRows = pattern.Grid(TPatternAxis::Straight, TPatternInput::Position).TextDump();
    EXPECT_TRUE(pattern.SetInputType(1));  // the user switches without converting
    EXPECT_EQ(pattern.LastConversionError(), "\"Infinity\" is not a valid value here. Enter a number; times must not be negative.");
    EXPECT_TRUE(pattern.CurrentGrid().Data().AllFinite());
    EXPECT_EQ(pattern.CurrentGrid().TextDump(), positionRows);
}

// The refusals the loops above only require to be non-empty, read in full for one item of
// each way in: typed into the element grid, written in the project file, typed into a
// pattern cell.
TEST(NumericRobustness, RefusalsOfNonFiniteNumbersReadInFull) {
    Job job;
    job.Load(kExamples[0]);
    const std::string original = job.session->ProjectText();
    const Item item = NumericItems(*job.session).front();
    TFactor& element = *job.session->Machine().Chain().Factors()[static_cast<size_t>(item.column)];
    TMaterialManager materials(job.ctx->Query());
    TPropertyGridModel grid(materials, job.ctx->Measures(), job.ctx->ValueFormat());
    grid.SetElement(&element);
    int row = -1;
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.ItemAt(r) && grid.ItemAt(r)->ID == item.id) row = r;
    ASSERT_GE(row, 0);
    struct Case { const char* typed; const char* message; };
    const Case typed[] = {
        {"NaN", "\"NaN\" is not a number. Enter a number for \"Outer diameter\"; the value is unchanged."},
        {"-inf", "\"-inf\" is not a number. Enter a number for \"Outer diameter\"; the value is unchanged."},
        {"1e400", "\"1e400\" is not a number. Enter a number for \"Outer diameter\"; the value is unchanged."},
    };
    for (const Case& c : typed) {
        try {
            grid.CommitText(row, c.typed);
            ADD_FAILURE() << "accepted " << c.typed;
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.typed;
        }
    }
    grid.SetElement(nullptr);

    const Case written[] = {
        {"NaN", "Element 1 \"Disc coupling\": \"NaN\" in this project file is not a number \"Outer diameter\" can "
                "take. The project was not opened."},
        {"1e308", "Element 1 \"Disc coupling\": its values in this project file cannot be calculated (line 1: "
                  "Overflow: Result = m * (D / 1000) ^ 2 / 8). The project was not opened."},
    };
    for (const Case& c : written) {
        job.dialogs.messages.clear();
        std::string shown;
        try {
            job.session->LoadProjectText(WithValue(original, item.id, c.typed));
            shown = job.dialogs.messages.empty() ? std::string() : job.dialogs.messages.back().text;
        } catch (const TKinemoError& e) {
            shown = e.what();
        }
        EXPECT_EQ(shown, c.message) << c.typed;
        ASSERT_EQ(job.session->LoadProjectText(original), TProjectDocument::TLoadResult::Accepted);
    }

    // A value inside its range whose formulas still fail: a denormal reduction ratio.
    Job gear;
    gear.Load("05_rotary_disc_through_reducer");
    ASSERT_EQ(gear.session->LoadProjectText(WithValue(gear.session->ProjectText(), 20101, "4.9e-324")),
              TProjectDocument::TLoadResult::Accepted);
    try {
        gear.session->PrepareJudgement();
        ADD_FAILURE() << "judged with a ratio of 4.9e-324";
    } catch (const TKinemoError& e) {
        EXPECT_STREQ(e.what(),
                     "The load at the motor shaft cannot be calculated: line 1: Division by zero: WJout = WJin / R ^ 2");
    }

    TInputPatternGridModel& pattern = job.session->Pattern().CurrentGrid();
    for (const Case& c : {Case{"inf", "\"inf\" is not a valid value here. Enter a number; times must not be negative."},
                         Case{"nan", "\"nan\" is not a valid value here. Enter a number; times must not be negative."}}) {
        try {
            pattern.CommitText(TInputPatternGridModel::kFirstIntervalRow, 1, c.typed);
            ADD_FAILURE() << "cell accepted " << c.typed;
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.typed;
        }
    }
}
