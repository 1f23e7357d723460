// The option series page on the sample catalog: model names typed in, every result code of
// the look-up, the search with eleven items, and its project section.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/ErrorMessage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace kinemo;

namespace {

struct SeriesPage {
    SeriesPage() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    TOptionSeriesModel& s() { return session->OptionSeries(); }
    void ChooseEntry(int item, const std::string& name) {
        const auto& entries = s().Item(item).Entries;
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == name) return s().SelectEntry(item, static_cast<int>(i));
        FAIL() << "no entry " << name;
    }
    void ChooseSeries(int code) {
        for (size_t f = 0; f < s().Functions().size(); ++f)
            for (size_t i = 0; i < s().Functions()[f].Series.size(); ++i)
                if (s().Functions()[f].Series[i].Code == code) {
                    s().SelectFunction(static_cast<int>(f));
                    s().SelectSeries(static_cast<int>(i));
                    return;
                }
        FAIL() << "no series " << code;
    }
    std::string Saved() {
        pugi::xml_document doc;
        s().SaveSection(doc.append_child("FrameOptionSelect"));
        std::ostringstream out;
        doc.save(out);
        return out.str();
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

}  // namespace

TEST(OptionSeries, NormalizeModelKeepsUpperCaseLettersAndDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"  krs0101-abs0 ", "KRS0101ABS0"}, {"KDA 101", "KDA101"}, {"", ""}, {"-/ .", ""}, {"x\xC3\xA9y", "XY"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(NormalizeModel(in), out) << in;
}

TEST(OptionSeries, EveryDirectInputResultCode) {
    const struct {
        const char *motor, *amp;
        int choice;  // 0: 1-phase 100 V, 1: 1-phase 200 V, 2: 3-phase 200 V
        int result;
    } cases[] = {
        {" krs0101-abs0", "kda101 ", 0, diFound},
        {"NOSUCHMOTOR", "KDA101", 0, diMotorNumber},
        {"NOSUCHMOTOR", "NOSUCHAMP", 0, diMotorNumber},  // the motor is looked at first
        {"KRS0101ABS0", "NOSUCHAMP", 0, diAmpNumber},
        {"KRS0101ABS0", "KDA210", 2, diAssortment},         // both exist, not together
        {"KRL1002ABS0", "KDA101", 1, diAmp100},             // 100 V amplifier, 200 V wanted
        {"KRL1002ABS0", "KDA101", 2, diAmp100},
        {"KRS0101ABS0", "KDA210", 0, diAmp200},             // 200 V amplifier, 100 V wanted
        {"KRS0101ABS0", "KDA210", 1, diAmpThree200Only},    // three-phase only, single-phase wanted
        {"KRL1002ABS0", "KDA201", 2, diAmpOne200Only},      // first combination single-phase
        {"", "KDA101", 0, diMissingInput},
        {"KRS0101ABS0", " - ", 0, diMissingInput},
    };
    SeriesPage p;
    for (const auto& c : cases) {
        p.dialogs.messages.clear();
        p.s().InputMotor = c.motor;
        p.s().InputAmp = c.amp;
        p.s().SetAmpChoice(c.choice);
        EXPECT_EQ(p.s().DirectInputSelectPrice(), c.result) << c.motor << " " << c.amp << " " << c.choice;
        EXPECT_EQ(p.s().DirectInputSelectEnabled(), c.result == diFound);
        const std::string key = DirectInputErrorKey(c.result);
        if (c.result == diFound) {
            EXPECT_TRUE(p.dialogs.messages.empty());
            EXPECT_EQ(p.s().InputMotor, "KRS0101ABS0");
            EXPECT_EQ(p.s().DirectInputRecord()->msv_amplifier1, "KDA101");
            EXPECT_GT(p.s().DirectInputRecord()->msv_motor_price, 0);
        } else {
            ASSERT_EQ(p.dialogs.messages.size(), 1u) << c.motor << " " << c.amp;
            const std::string expected = c.result == diMissingInput
                                             ? p.s().Text(std::string(c.motor).empty() ? "DIMissingMotor" : "DIMissingAmp")
                                             : p.ctx->ErrorMessages().GetText(key);
            EXPECT_EQ(p.dialogs.messages[0].text, expected);
            EXPECT_FALSE(expected.empty()) << key;
        }
    }
}

TEST(OptionSeries, SearchFindsTheMotorsOfTheChosenItems) {
    SeriesPage p;
    ASSERT_FALSE(p.s().Records().empty());
    EXPECT_STREQ(kBrowseItems[0].Key, "Output");
    p.ChooseSeries(3);  // Kestrel L: 1 kW motors with a pulse and a network amplifier
    p.ChooseEntry(biOutput, "1.0 kW");
    p.ChooseEntry(biEncoder, "23-bit absolute (multi-turn)");
    p.ChooseEntry(biBrake, "With brake");
    for (const auto& r : p.s().Records()) {
        EXPECT_EQ(r->mso_name, "1.0 kW");
        EXPECT_EQ(r->msv_model_all.substr(0, 8), "KRL1002B");
    }
    ASSERT_EQ(p.s().Records().size(), 2u);
    EXPECT_TRUE(p.s().AmpAlertVisible());
    EXPECT_EQ(p.s().Records()[0]->msv_amplifier1, "KDA210");
    EXPECT_EQ(p.s().Records()[1]->msv_amplifier1, "KDN210");
    p.s().SelectAmp(1);
    EXPECT_EQ(p.s().ChosenRecord()->msv_amplifier1, "KDN210");
    // The chosen record goes to the detail page.
    ASSERT_TRUE(p.session->ShowChosenOptionMotor());
    ASSERT_TRUE(p.session->OptionDetail().Motor());
    EXPECT_EQ(p.session->OptionDetail().Motor()->msv_amplifier1, "KDN210");
}

TEST(OptionSeries, TheSectionComesBackAsItWasSaved) {
    SeriesPage a;
    a.ChooseSeries(6);
    a.ChooseEntry(biGearRate, "1/9");
    a.s().SetDirectInputMode(true);
    a.s().InputMotor = "KRS0101ABS0";
    a.s().SetAmpChoice(2);
    const std::string saved = a.Saved();
    EXPECT_NE(saved.find("<Series>6</Series>"), std::string::npos);
    EXPECT_NE(saved.find("<CurrentSelectButton>DirectInput</CurrentSelectButton>"), std::string::npos);

    SeriesPage b;
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(saved.c_str()));
    b.s().LoadSection(doc.first_child());
    EXPECT_EQ(b.Saved(), saved);
    ASSERT_TRUE(b.s().SelectedRecord());
    EXPECT_EQ(b.s().SelectedRecord()->msv_model_all, a.s().SelectedRecord()->msv_model_all);
    EXPECT_TRUE(b.s().DirectInputMode());
}

TEST(OptionSeries, ClearAsksFirstAndResetsTheSearch) {
    SeriesPage p;
    p.ChooseSeries(5);
    p.dialogs.answers = {mrNo};
    EXPECT_FALSE(p.s().Clear());
    EXPECT_EQ(p.s().CurrentSeries()->Code, 5);
    p.dialogs.answers = {mrYes};
    EXPECT_TRUE(p.s().Clear());
    EXPECT_EQ(p.s().CurrentFunction(), 0);
    EXPECT_EQ(p.s().CurrentSeries()->Code, p.s().Functions()[0].Series[0].Code);
    EXPECT_EQ(p.dialogs.messages.back().text, p.s().Text("ClearOptionMessage"));
}
