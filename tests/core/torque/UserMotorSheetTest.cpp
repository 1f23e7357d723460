// Motor data sheets of the user: a sheet with a catalog motor's values judges exactly as that
// motor, a sheet survives its file, and a sheet missing or breaking a value is refused with
// the catalog's message naming the item.
#include "torque/UserMotorSheet.h"

#include "session/KinemoContext.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/KinemoError.h"
#include "base/ErrorMessage.h"
#include "torque/CalcDischarge.h"
#include "torque/MotorReferenceQuery.h"
#include "support/ExampleSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using namespace kinemo;

namespace {

// Full precision: the sheet must carry the catalog's doubles unchanged.
std::string Exact(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

// The data sheet of a catalog motor, from its catalog row.
TUserMotorSheet SheetOf(TCatalogQuery& q, const std::string& model) {
    q.Close();
    q.SetSQL("SELECT msv.*, mss.mss_n_supply FROM t_motor_value AS msv "
             "INNER JOIN m_motor_price AS mmp ON mmp.mmp_msv_cd = msv.msv_cd "
             "INNER JOIN m_search_supply AS mss ON mss.mss_cd = msv.msv_mss_cd "
             "WHERE mmp.mmp_model = :MODEL ORDER BY msv.msv_cd");
    q.SetParam("MODEL", model);
    q.Open();
    EXPECT_FALSE(q.Eof()) << model;
    TUserMotorSheet sheet;
    for (const TUserMotorItem& item : TUserMotorSheet::Items()) {
        if (!item.Column || !q.HasField(item.Column)) continue;
        sheet.SetValue(item.Element, item.Rule == TUserMotorItem::ERule::Text ? q.AsString(item.Column)
                                                                              : Exact(q.AsFloat(item.Column)));
    }
    sheet.SetValue("Model", model);
    sheet.SetValue("Brake", q.AsInteger("msv_msb_cd") == 1 ? "1" : "0");
    q.Close();
    return sheet;
}

struct Judged {
    std::unique_ptr<TMotor> motor;
    std::unique_ptr<TTorqueList> torques;
};

Judged Judge(test::ExampleSession& job, std::unique_ptr<TMotor> m) {
    Judged j;
    j.torques = job.session->Discharge().BuildMotorTorques(*m);
    job.session->Discharge().JudgeMotor(*m, *j.torques, m->MotorRatedSupply);
    j.motor = std::move(m);
    return j;
}

// Every limit, figure and verdict, compared exactly.
void ExpectSameJudgement(const TMotor& a, const TMotor& b, const std::string& what) {
    const TMotorLimits& la = a;
    const TMotorLimits& lb = b;
    for (const TMotorField& f : MotorFields()) {
        if (const auto* d = std::get_if<double TMotor::*>(&f.Member)) {
            EXPECT_EQ(a.*(*d), b.*(*d)) << what << " " << (f.Symbol ? f.Symbol : f.Column);
        }
    }
    EXPECT_EQ(la.MotorRatedSupply, lb.MotorRatedSupply) << what;
    ASSERT_TRUE(a.Judged && b.Judged) << what;
    EXPECT_EQ(a.MotorNecessityMaxTorque, b.MotorNecessityMaxTorque) << what;
    EXPECT_EQ(a.MotorEffectiveTorque, b.MotorEffectiveTorque) << what;
    EXPECT_EQ(a.MotorEffectiveTorquePercent, b.MotorEffectiveTorquePercent) << what;
    EXPECT_EQ(a.MotorMaxTorquePercent, b.MotorMaxTorquePercent) << what;
    EXPECT_EQ(a.MotorRunningTorqueMax, b.MotorRunningTorqueMax) << what;
    EXPECT_EQ(a.MotorRunningTorqueMaxPercent, b.MotorRunningTorqueMaxPercent) << what;
    EXPECT_EQ(a.MotorEpigeneTorqueMax, b.MotorEpigeneTorqueMax) << what;
    EXPECT_EQ(a.MotorEpigeneTorqueMaxPercent, b.MotorEpigeneTorqueMaxPercent) << what;
    EXPECT_EQ(a.MotorInertiaRatio, b.MotorInertiaRatio) << what;
    EXPECT_EQ(a.MotorMaxSpeedMax, b.MotorMaxSpeedMax) << what;
    EXPECT_EQ(a.maxP, b.maxP) << what;
    EXPECT_EQ(a.maxPm, b.maxPm) << what;
    EXPECT_EQ(a.JL, b.JL) << what;
    EXPECT_EQ(a.ResultCode, b.ResultCode) << what;
    EXPECT_EQ(a.MaxSpeedCode, b.MaxSpeedCode) << what;
    EXPECT_EQ(a.MaxTorqueAdjudicationCode, b.MaxTorqueAdjudicationCode) << what;
    EXPECT_EQ(a.RunningTorqueCode, b.RunningTorqueCode) << what;
    EXPECT_EQ(a.EpigeneTorqueCode, b.EpigeneTorqueCode) << what;
    EXPECT_EQ(a.AllowableDischargeAdjudicationCode, b.AllowableDischargeAdjudicationCode) << what;
    EXPECT_EQ(a.WarningMomentaryDischargeAdjudicationCode, b.WarningMomentaryDischargeAdjudicationCode) << what;
    EXPECT_EQ(a.InertiaCode, b.InertiaCode) << what;
    EXPECT_EQ(a.EffectiveTorqueCode, b.EffectiveTorqueCode) << what;
    EXPECT_EQ(a.RegenerationResistanceLoadRate, b.RegenerationResistanceLoadRate) << what;
    EXPECT_EQ(a.MomentaryTableText, b.MomentaryTableText) << what;
    EXPECT_EQ(a.JudgementLog, b.JudgementLog) << what;
}

// A sheet equal to a catalog motor, written to its file and read back, judges exactly as
// that motor: horizontal, vertical (regeneration while lowering) and rotary machines,
// 200 V and 100 V motors, with and without brake.
TEST(UserMotorSheet, EqualSheetJudgesExactlyAsTheCatalogMotor) {
    struct Case {
        const char* example;
        const char* model;
    };
    const Case cases[] = {
        {"01_ball_screw_horizontal.kjb", "KRS0402ANS0"},
        {"03_ball_screw_vertical.kjb", "KRS0402ANS0"},
        {"03_ball_screw_vertical.kjb", "KRS0402ABS0"},
        {"07_vertical_belt_counterweight.kjb", "KRS0201ANS0"},
        {"05_rotary_disc_through_reducer.kjb", "SWL1002BNS0"},
    };
    for (const Case& c : cases) {
        test::ExampleSession job(c.example);
        std::unique_ptr<TMotor> catalogMotor = LoadMotorByModel(job.ctx->Query(), c.model);
        ASSERT_NE(catalogMotor, nullptr) << c.model;
        const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
        const std::string path = job.dir.File("sheet.kmt");
        SheetOf(job.ctx->Query(), c.model).Write(path);
        std::unique_ptr<TMotor> userMotor = TUserMotorSheet::Read(path, texts).ToMotor(texts);
        const Judged a = Judge(job, std::move(catalogMotor));
        const Judged b = Judge(job, std::move(userMotor));
        ExpectSameJudgement(*a.motor, *b.motor, std::string(c.example) + " " + c.model);
        EXPECT_EQ(b.motor->msv_model_all, c.model);
        EXPECT_EQ(b.motor->tms_name, texts.Label("SeriesName"));
    }
}

// Every value comes back as written, texts with any characters included; the write leaves
// no temporary file behind and replaces an older sheet.
TEST(UserMotorSheet, FileRoundTrip) {
    test::TempDir dir;
    TUserMotorTexts texts;
    TUserMotorSheet sheet;
    int n = 1;
    for (const TUserMotorItem& item : TUserMotorSheet::Items())
        sheet.SetValue(item.Element, item.Rule == TUserMotorItem::ERule::Text ? std::string("Ω <&> \"x\" ") + item.Element
                                                                              : Exact(0.1 * n++ + 1e-17));
    sheet.SetValue("Model", "AB-400.2_X");
    const std::string path = dir.File("m.kmt");
    { std::ofstream(path) << "old"; }
    sheet.Write(path);
    const TUserMotorSheet back = TUserMotorSheet::Read(path, texts);
    for (const TUserMotorItem& item : TUserMotorSheet::Items())
        EXPECT_EQ(back.Value(item.Element), sheet.Value(item.Element)) << item.Element;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files, (void)entry;
    EXPECT_EQ(files, 1);
}

// A sheet the judgement cannot use is refused with the catalog's message naming the item.
TEST(UserMotorSheet, RefusalsNameTheItem) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    const TUserMotorSheet good = SheetOf(job.ctx->Query(), "KRS0402ANS0");
    EXPECT_NO_THROW(good.Validate(texts));
    struct Case {
        const char* element;
        const char* value;  // "" removes the value
        const char* key;
    };
    const Case cases[] = {
        {"RatedTorque", "", "UserMotorValueMissing"},
        {"RotorInertia", "", "UserMotorValueMissing"},
        {"BusCapacitance", "", "UserMotorValueMissing"},
        {"WarningTorqueDefault", "", "UserMotorValueMissing"},
        {"RatedTorque", "1.2 N", "UserMotorValueNotNumber"},
        {"RatedTorque", "-1", "UserMotorValueOutOfRange"},
        {"RotorInertia", "0", "UserMotorValueOutOfRange"},
        {"MaxTorque", "1.0", "UserMotorValueOutOfRange"},      // below the rated 1.27
        {"MaxSpeed", "2999", "UserMotorValueOutOfRange"},      // below the rated 3000
        {"TripVoltage", "282", "UserMotorValueOutOfRange"},    // below the peak of 200 V
        {"WarningTorqueHigh", "1.5", "UserMotorValueOutOfRange"},
        {"AllowableRegenerativePower", "-5", "UserMotorValueOutOfRange"},
        {"Brake", "2", "UserMotorValueOutOfRange"},
        {"Model", "A/B", "UserMotorModelInvalid"},
    };
    for (const Case& c : cases) {
        TUserMotorSheet sheet = good;
        sheet.SetValue(c.element, c.value);
        if (std::string(c.value).empty()) {
            // A sheet without the element: write and read so that it is truly absent.
            const std::string path = job.dir.File("cut.kmt");
            sheet.Write(path);
            sheet = TUserMotorSheet::Read(path, texts);
            ASSERT_FALSE(sheet.Has(c.element));
        }
        try {
            sheet.ToMotor(texts);
            ADD_FAILURE() << c.element << " = '" << c.value << "' accepted";
        } catch (const TKinemoError& e) {
            const std::string what = e.what();
            const std::string named = std::string(c.element) == "Model" ? std::string(c.value) : texts.Label(c.element);
            EXPECT_NE(what.find(named), std::string::npos) << c.element << ": " << what;
            const std::string format = job.ctx->ErrorMessages().GetText(c.key);
            ASSERT_FALSE(format.empty()) << c.key;
            EXPECT_NE(what.find(format.substr(0, format.find('%'))), std::string::npos) << c.key << ": " << what;
        }
    }
}

// Values each finite whose rated output is not (found by the data sheet fuzzer): the output
// column would have shown "INF W". Such a sheet is refused; a large but finite one is shown.
TEST(UserMotorSheet, RatedOutputBeyondEveryNumberIsRefused) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    TUserMotorSheet sheet = SheetOf(job.ctx->Query(), "KRS0402ANS0");
    sheet.SetValue("Model", "HUGE");
    struct Case { const char* torque; const char* speed; const char* refusal; const char* output; };
    const Case cases[] = {
        {"1e308", "1e300", "The motor data sheet \"HUGE\": \"Rated speed [r/min]\" cannot be 1e300: it must be small "
                           "enough that the rated output (rated torque × rated speed) is a number.", nullptr},
        {"1.7e308", "60", "The motor data sheet \"HUGE\": \"Rated speed [r/min]\" cannot be 60: it must be small "
                          "enough that the rated output (rated torque × rated speed) is a number.", nullptr},
        {"1e150", "1e150", nullptr, "1.0471975511966E299 W"},
    };
    for (const Case& c : cases) {
        sheet.SetValue("RatedTorque", c.torque);
        sheet.SetValue("MaxTorque", c.torque);
        sheet.SetValue("RatedSpeed", c.speed);
        sheet.SetValue("MaxSpeed", c.speed);
        try {
            const std::unique_ptr<TMotor> motor = sheet.ToMotor(texts);
            EXPECT_EQ(c.refusal, nullptr) << c.torque << " x " << c.speed << " accepted";
            if (c.output) {
                EXPECT_EQ(motor->mso_name, c.output);
            }
        } catch (const TKinemoError& e) {
            ASSERT_NE(c.refusal, nullptr) << e.what();
            EXPECT_STREQ(e.what(), c.refusal);
        }
    }
}

// The store lists the valid sheets of the folder, names the broken ones and removes by model.
TEST(UserMotorSheet, StoreAddsListsAndRemoves) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    const std::string folder = job.ctx->Folders().UserMotorFolder();
    TUserMotorStore store(folder, texts);
    store.Reload();
    EXPECT_TRUE(store.Sheets().empty());
    TUserMotorSheet sheet = SheetOf(job.ctx->Query(), "KRS0402ANS0");
    sheet.SetValue("Model", "MY400");
    const std::string path = store.Add(sheet);
    EXPECT_EQ(path, folder + "MY400.kmt");
    { std::ofstream(folder + "broken.kmt") << "<KinemoMotor><Model>X</Model></KinemoMotor>"; }
    { std::ofstream(folder + "notxml.kmt") << "no xml"; }
    store.Reload();
    ASSERT_EQ(store.Sheets().size(), 1u);
    ASSERT_NE(store.Find("MY400"), nullptr);
    EXPECT_EQ(store.Problems().size(), 2u);
    sheet.SetValue("RatedTorque", "0");
    EXPECT_THROW(store.Add(sheet), TKinemoError);
    EXPECT_EQ(store.Find("MY400")->Value("RatedTorque"), SheetOf(job.ctx->Query(), "KRS0402ANS0").Value("RatedTorque"))
        << "a refused sheet leaves the stored one as it was";
    EXPECT_TRUE(store.Remove("MY400"));
    EXPECT_FALSE(store.Remove("MY400"));
    EXPECT_EQ(store.Find("MY400"), nullptr);
}

// A sheet received under another file name must not stand in for the user's own motor of
// that model, nor be removed in its place; a second sheet of a model is not used either.
TEST(UserMotorSheet, OnlyASheetNamedAfterItsModelCountsAndRemoveDeletesItsOwnFile) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    const std::string folder = job.ctx->Folders().UserMotorFolder();
    TUserMotorStore store(folder, texts);
    TUserMotorSheet own = SheetOf(job.ctx->Query(), "KRS0402ANS0");
    own.SetValue("Model", "MY400");
    store.Add(own);
    TUserMotorSheet received = own;
    received.SetValue("RatedTorque", "9.5");
    received.SetValue("MaxTorque", "20");
    received.Write(folder + "A-from-supplier.kmt");  // sorts before MY400.kmt
    TUserMotorSheet otherCase = own;
    otherCase.SetValue("Model", "my400");
    otherCase.Write(folder + "my400.kmt");
    store.Reload();
    ASSERT_EQ(store.Sheets().size(), 1u);
    ASSERT_NE(store.Find("MY400"), nullptr);
    EXPECT_EQ(store.Find("MY400")->Value("RatedTorque"), own.Value("RatedTorque"));
    EXPECT_EQ(store.Problems(),
              (std::vector<std::string>{
                  "The file \"" + folder + "A-from-supplier.kmt\" was skipped: the data sheet is for the motor "
                  "\"MY400\", so its file must be named MY400.kmt; it is not used.",
                  "The file \"" + folder + "my400.kmt\" was skipped: it is a second data sheet of the motor "
                  "\"MY400\"; it is not used."}));
    EXPECT_TRUE(store.Replaces(own));
    EXPECT_TRUE(store.Replaces(otherCase));

    EXPECT_TRUE(store.Remove("MY400"));
    EXPECT_FALSE(FileExists(folder + "MY400.kmt"));
    EXPECT_TRUE(FileExists(folder + "A-from-supplier.kmt"));  // not the user's to lose
    EXPECT_EQ(store.Find("MY400"), nullptr);
    // Once alone, the sheet of the other spelling counts under its own name.
    ASSERT_NE(store.Find("my400"), nullptr);
    EXPECT_FALSE(store.Remove("A-from-supplier"));
}

}  // namespace
