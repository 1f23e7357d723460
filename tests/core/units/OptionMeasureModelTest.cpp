// The unit options dialog's rules: rows and their starting units, the defaults button,
// the precision range check and what saving writes and asks.
#include "base/Catalog.h"
#include "base/ConfigFile.h"
#include "support/ShellCatalog.h"
#include "support/TestSupport.h"
#include "units/Measure.h"
#include "units/OptionMeasureModel.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TRecordingDialogs;

namespace {

class OptionMeasure : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeCatalog(dir.File("c.db"), test::SmallUnitsCatalogSql());
        // The user chose grams before; the length default names a unit of another class.
        test::WriteFile(settings(), "[USER_DEFAULT_MEASURE]\n1=202\n2=202\n[ValueFormat]\nPrec=6\n");
        catalog = std::make_unique<TCatalog>(dir.File("c.db"));
        query = std::make_unique<TCatalogQuery>(*catalog);
        TConfigFile ini(settings());
        measures = std::make_unique<TMeasureManager>(*query, &ini);
        format = std::make_unique<TValueFormat>(settings());
        model = std::make_unique<TOptionMeasureModel>(*measures, *format, TOptionMeasureModel::ReadTexts(*query));
    }
    std::string settings() const { return dir.File("kinemo.ini"); }
    std::string SettingsText() const { return TConfigFile(settings()).Text(); }

    test::TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    std::unique_ptr<TMeasureManager> measures;
    std::unique_ptr<TValueFormat> format;
    std::unique_ptr<TOptionMeasureModel> model;
};

}  // namespace

TEST_F(OptionMeasure, OneRowPerClassStartingAtTheUserDefault) {
    const auto& rows = model->Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Name, "Length");
    EXPECT_EQ(rows[0].Symbols, (std::vector<std::string>{"mm", "m"}));
    EXPECT_EQ(rows[0].Selected, 1);  // the foreign unit was ignored: catalog default "m"
    EXPECT_EQ(rows[1].Selected, 1);  // "g"
    EXPECT_EQ(model->PrecisionText(), "6");
    EXPECT_EQ(model->Text("FormTitle"), "Units");
}

TEST_F(OptionMeasure, DefaultsResetPrecisionAndUnitsWithoutSaving) {
    model->Select(0, 0);
    model->SetPrecisionText("9");
    model->SetDefaults();
    EXPECT_EQ(model->PrecisionText(), "4");
    EXPECT_EQ(model->Rows()[0].Selected, 1);
    EXPECT_EQ(model->Rows()[1].Selected, 0);  // "kg"
    EXPECT_EQ(SettingsText(), "[USER_DEFAULT_MEASURE]\n1=202\n2=202\n\n[ValueFormat]\nPrec=6\n\n");
}

TEST_F(OptionMeasure, PrecisionsOutsideZeroToTwelveAreRefusedAndNothingIsSaved) {
    const std::string before = SettingsText();
    for (const char* text : {"13", "-1", "abc", "", "4.5", "99999999999"}) {
        dialogs.messages.clear();
        model->SetPrecisionText(text);
        EXPECT_EQ(model->Save(settings(), dialogs), TOptionMeasureModel::TSaveResult::Stay) << text;
        ASSERT_EQ(dialogs.messages.size(), 1u) << text;
        EXPECT_EQ(dialogs.messages[0].text, "Enter a number from 0 to 12.");
        EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Warning);
    }
    EXPECT_EQ(SettingsText(), before);
}

TEST_F(OptionMeasure, SavingWritesPrecisionAndUnitsThenAsksAboutRestarting) {
    model->SetPrecisionText(" 12 ");
    model->Select(2, 1);  // "ms"
    dialogs.answers = {mrNo};
    EXPECT_EQ(model->Save(settings(), dialogs), TOptionMeasureModel::TSaveResult::Saved);
    TConfigFile ini(settings());
    EXPECT_EQ(ini.ReadInteger("ValueFormat", "Prec", -1), 12);
    EXPECT_EQ(ini.ReadInteger("USER_DEFAULT_MEASURE", "1", -1), 102);
    EXPECT_EQ(ini.ReadInteger("USER_DEFAULT_MEASURE", "3", -1), 302);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Saved. Restart now?");
    EXPECT_EQ(dialogs.messages[0].buttons, unsigned(mbYes | mbNo | mbCancel));
    // The running precision stays until the next start.
    EXPECT_EQ(format->Precision(), 6);
}

TEST_F(OptionMeasure, OnlyYesAsksForARestart) {
    model->SetPrecisionText("0");
    dialogs.answers = {mrCancel};
    EXPECT_EQ(model->Save(settings(), dialogs), TOptionMeasureModel::TSaveResult::Saved);
    dialogs.answers = {mrYes};
    EXPECT_EQ(model->Save(settings(), dialogs), TOptionMeasureModel::TSaveResult::SavedRestart);
}

TEST(PrecisionText, ReadsPlainIntegersOnly) {
    EXPECT_EQ(PrecisionFromText("7"), 7);
    EXPECT_EQ(PrecisionFromText("+3"), 3);
    EXPECT_EQ(PrecisionFromText("  2 "), 2);
    EXPECT_EQ(PrecisionFromText("0x4"), -1);
    EXPECT_EQ(PrecisionFromText("1e1"), -1);
}
