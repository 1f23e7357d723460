// A catalog formula stopped by its time or step limit is named in the message by its
// catalog key: the element formula by its element, a drive pattern or judgement formula
// by its row, with the catalog's text around it.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "formula/FormulaEngine.h"
#include "formula/FormulaError.h"
#include "torque/CalcDischarge.h"
#include "torque/MotorReferenceQuery.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kinemo {
namespace {

using namespace std::chrono_literals;

const char* const kLoop = "Do : n = n + 1 : Loop";

// The sample catalog with formulas replaced by an endless loop and a 50 ms limit.
struct StoppedCatalog {
    explicit StoppedCatalog(const std::string& sql) {
        std::filesystem::copy_file(test::SampleCatalogPath(), catalog);
        test::ApplyCatalogSql(catalog, "update s_config set cfg_value=50 where cfg_class='formula_time_limit_ms';" + sql);
        ctx = std::make_unique<TKinemoContext>(catalog, TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    ~StoppedCatalog() {
        // The catalog's settings are process-wide: later tests start from the defaults.
        TFormulaEngine::SetDefaultTimeLimit(2000ms);
        TFormulaError::SetNamedFormulaFormat("");
    }
    TProjectDocument::TLoadResult Load(const std::string& example) {
        return session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example);
    }
    test::TempDir dir;
    std::string catalog = dir.File("Kinemo.db");
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

std::string DrivePatternLoop(const char* key) {
    return std::string("update m_drive_pattern set mdp_value='") + kLoop + "' where mdp_class='" + key + "';";
}

TEST(FormulaStopped, JudgementAndIntervalFormulasAreNamedByTheirRow) {
    struct Case { const char* key; bool interval; };
    for (const Case c : {Case{"MotorAdjudication", false}, Case{"Inertia", false}, Case{"TorqueValueFormula", true}}) {
        StoppedCatalog cat(DrivePatternLoop(c.key));
        ASSERT_EQ(cat.Load("01_ball_screw_horizontal.kjb"), TProjectDocument::TLoadResult::Accepted) << c.key;
        cat.session->PrepareJudgement();
        std::unique_ptr<TMotor> m = LoadMotorByModel(cat.ctx->Query(), "KRS0402ANS0");
        ASSERT_TRUE(m);
        try {
            std::unique_ptr<TTorqueList> torques = cat.session->Discharge().BuildMotorTorques(*m);
            cat.session->Discharge().JudgeMotor(*m, *torques, 200);
            FAIL() << c.key << ": the endless formula ended";
        } catch (const TFormulaError& e) {
            EXPECT_FALSE(e.Trappable());
            EXPECT_EQ(e.FormulaKey(), std::string("m_drive_pattern \"") + c.key + "\"");
            const std::string expected = "The catalog formula m_drive_pattern \"" + std::string(c.key) + "\" was stopped: ";
            EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << e.what();
        }
    }
}

TEST(FormulaStopped, ElementFormulaIsNamedByItsElement) {
    // The first line of every element's formula loops: the first element calculated stops.
    StoppedCatalog cat(std::string("update m_machine_calc_value set mcv_value='") + kLoop +
                       "' where mcv_cd in (select min(mcv_cd) from m_machine_calc_value group by mcv_tme_cd);");
    cat.Load("01_ball_screw_horizontal.kjb");
    try {
        cat.session->PrepareJudgement();
        FAIL() << "the endless element formula ended";
    } catch (const std::exception& e) {
        // Inside the load panel's own words for a chain that cannot be calculated.
        const std::string shown = e.what();
        EXPECT_NE(shown.find("The catalog formula m_machine_calc_value "), std::string::npos) << shown;
        EXPECT_NE(shown.find("\") was stopped: "), std::string::npos) << shown;
    }
}

// Without a catalog text the key still leads the message; the innermost name stays.
TEST(FormulaStopped, StepLimitNamesTheInnermostFormula) {
    TFormulaEngine engine;
    engine.SetStepBudget(1000);
    try {
        RunNamedFormula([] { return std::string("outer"); }, [&] {
            RunNamedFormula([] { return std::string("m_drive_pattern \"X\""); }, [&] { engine.ExecuteStatement(kLoop); });
        });
        FAIL();
    } catch (const TFormulaError& e) {
        EXPECT_EQ(e.Code(), EVbError::kStepLimit);
        EXPECT_EQ(e.FormulaKey(), "m_drive_pattern \"X\"");
        EXPECT_EQ(std::string(e.what()).rfind("m_drive_pattern \"X\": ", 0), 0u) << e.what();
    }
    // An error a formula may trap keeps its message unnamed.
    try {
        RunNamedFormula([] { return std::string("k"); }, [&] { engine.ExecuteStatement("x = 1 / 0"); });
        FAIL();
    } catch (const TFormulaError& e) {
        EXPECT_TRUE(e.FormulaKey().empty());
    }
}

}  // namespace
}  // namespace kinemo
