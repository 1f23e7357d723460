// The user's motors on the motor choice page: a function with a series of their own after
// the catalog's, judged by the same formulas as the catalog motor they copy, marked in the
// candidate grid, kept in the page's project section, gone with the last user motor.
#include "selection/CandidateListModel.h"
#include "selection/MotorChoiceModel.h"
#include "torque/UserMotorSheet.h"
#include "support/ExampleSession.h"
#include "support/UserMotorSheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

using namespace kinemo;

namespace {

constexpr double kSameFigure = 1e-12;  // relative: the same formulas on the same doubles

int UserFunctionIndex(const TMotorChoiceModel& search) {
    for (size_t i = 0; i < search.Functions().size(); ++i)
        if (search.Functions()[i].Code == TMotorChoiceModel::kUserCode) return static_cast<int>(i);
    return -1;
}

const TMotor* Row(TCandidateListModel& list, const std::string& model) {
    for (const TMotor* m : list.DisplayList())
        if (m->msv_model_all == model) return m;
    return nullptr;
}

void ExpectNear(double a, double b, const char* what) {
    EXPECT_NEAR(a, b, kSameFigure * std::max(1.0, std::fabs(b))) << what;
}

}  // namespace

TEST(UserMotorSeries, ListedJudgedAndMarkedBesideTheCatalog) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    TMotorChoiceModel& search = job.session->Search();
    EXPECT_EQ(UserFunctionIndex(search), -1) << "no user motors, no user series";
    test::StoreUserMotor(job, "KRS0402ANS0", "MY-400");
    test::StoreUserMotor(job, "KRS0201ANS0", "MY-200");
    search.ReloadFunctions();
    const int user = UserFunctionIndex(search);
    ASSERT_GE(user, 1) << "after the catalog's functions";
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    ASSERT_EQ(search.Functions()[static_cast<size_t>(user)].Series.size(), 1u);
    EXPECT_EQ(search.Functions()[static_cast<size_t>(user)].Series[0].Name, texts.Label("SeriesName"));

    search.SelectFunction(user);
    EXPECT_TRUE(search.UserSeriesSelected());
    TCandidateListModel& list = job.session->Candidates();
    ASSERT_EQ(list.DisplayList().size(), 2u);
    EXPECT_EQ(list.DisplayList()[0]->msv_model_all, "MY-200") << "file name order";
    ASSERT_TRUE(job.session->JudgeAll(TAdjudicationLevel::All));
    ASSERT_EQ(list.DisplayList().size(), 2u);
    const std::string marker = texts.Label("Marker");
    ASSERT_FALSE(marker.empty());
    for (int row = 0; row < 2; ++row) {
        const std::string model = list.DisplayList()[static_cast<size_t>(row)]->msv_model_all;
        EXPECT_EQ(list.CellText(row, 0), model + " " + marker);
        EXPECT_EQ(list.CellText(row, 1), "AMP-" + model) << "the sheet's amplifier in the amplifier column";
    }

    // The same torques and inertia as the catalog motor whose values the sheet carries.
    std::unique_ptr<TMotor> catalog = LoadMotorByModel(job.ctx->Query(), "KRS0402ANS0");
    ASSERT_NE(catalog, nullptr);
    std::unique_ptr<TTorqueList> torques = job.session->Discharge().BuildMotorTorques(*catalog);
    job.session->Discharge().JudgeMotor(*catalog, *torques, catalog->MotorRatedSupply);
    const TMotor* mine = Row(list, "MY-400");
    ASSERT_NE(mine, nullptr);
    ASSERT_TRUE(mine->Judged);
    ExpectNear(mine->MotorNecessityMaxTorque, catalog->MotorNecessityMaxTorque, "peak torque");
    ExpectNear(mine->MotorEffectiveTorque, catalog->MotorEffectiveTorque, "effective torque");
    ExpectNear(mine->MotorEffectiveTorquePercent, catalog->MotorEffectiveTorquePercent, "effective torque %");
    ExpectNear(mine->MotorInertiaRatio, catalog->MotorInertiaRatio, "inertia ratio");
    ExpectNear(mine->MotorMaxSpeedMax, catalog->MotorMaxSpeedMax, "speed");
    EXPECT_EQ(mine->EffectiveTorqueCode, catalog->EffectiveTorqueCode);
    EXPECT_EQ(mine->MaxTorqueAdjudicationCode, catalog->MaxTorqueAdjudicationCode);

    // Committing the second user motor locks its own row, not the first one with the same codes.
    job.session->CommitMotor(*mine);
    ASSERT_GE(list.LockedRow(), 0);
    EXPECT_EQ(list.DisplayList()[static_cast<size_t>(list.LockedRow())]->msv_model_all, "MY-400");
    job.session->ReleaseCommit();

    // The page's section keeps the series and the judged user motors.
    const std::string text = job.session->ProjectText();
    test::ExampleSession other("01_ball_screw_horizontal.kjb");
    test::StoreUserMotor(other, "KRS0402ANS0", "MY-400");
    test::StoreUserMotor(other, "KRS0201ANS0", "MY-200");
    other.session->Search().ReloadFunctions();
    ASSERT_EQ(other.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    EXPECT_TRUE(other.session->Search().UserSeriesSelected());
    ASSERT_EQ(other.session->Candidates().DisplayList().size(), 2u);
    for (const TMotor* m : other.session->Candidates().DisplayList()) EXPECT_TRUE(m->Judged) << m->msv_model_all;

    // The last user motor removed: the series goes, the page falls back to the first function.
    TUserMotorStore store(job.ctx->Folders().UserMotorFolder(), texts);
    store.Reload();
    ASSERT_TRUE(store.Remove("MY-400"));
    search.ReloadFunctions();
    EXPECT_TRUE(search.UserSeriesSelected());
    EXPECT_EQ(list.DisplayList().size(), 1u) << "the list follows the store";
    ASSERT_TRUE(store.Remove("MY-200"));
    search.ReloadFunctions();
    EXPECT_EQ(UserFunctionIndex(search), -1);
    EXPECT_FALSE(search.UserSeriesSelected());
    EXPECT_EQ(search.CurrentFunction(), 0);
    EXPECT_FALSE(list.DisplayList().empty()) << "catalog candidates again";
}

// A project saved on the user series opens where no user motor is left: the page starts
// from the first function with its catalog candidates.
TEST(UserMotorSeries, ProjectOnTheUserSeriesWithoutUserMotors) {
    test::ExampleSession a("01_ball_screw_horizontal.kjb");
    test::StoreUserMotor(a, "KRS0402ANS0", "MY-400");
    a.session->Search().ReloadFunctions();
    a.session->Search().SelectFunction(UserFunctionIndex(a.session->Search()));
    ASSERT_TRUE(a.session->Search().UserSeriesSelected());
    test::ExampleSession b("01_ball_screw_horizontal.kjb");
    ASSERT_EQ(b.session->LoadProjectText(a.session->ProjectText()), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(b.session->Search().CurrentFunction(), 0);
    EXPECT_FALSE(b.session->Search().UserSeriesSelected());
    EXPECT_FALSE(b.session->Candidates().DisplayList().empty());
}

// A catalog motor's grid row carries no marker.
TEST(UserMotorSeries, CatalogRowsUnmarked) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    TCandidateListModel& list = job.session->Candidates();
    ASSERT_FALSE(list.DisplayList().empty());
    EXPECT_EQ(list.CellText(0, 0), list.DisplayList()[0]->msv_model_all);
}
