// The CAD selection page: lists, the direct input of a model and its results.
#include "base/Catalog.h"
#include "cad/SelectVantorModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kinemo {
namespace {

TEST(SelectVantor, NormalizeModelKeepsUpperCaseLettersAndDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"  krs-0101 abs0 ", "KRS0101ABS0"}, {"HNP0052BNP05K", "HNP0052BNP05K"}, {"", ""}, {"-/ .", ""}, {"ä1", "1"}};
    for (const auto& [typed, expected] : cases) EXPECT_EQ(NormalizeModel(typed), expected) << typed;
}

TEST(SelectVantor, DirectInputFindsTheModelOrSaysWhy) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery query(catalog);
    TSelectVantorModel page(query);
    page.SetDirectInput(true);
    EXPECT_EQ(page.CheckDirectInput(" "), 8);
    EXPECT_FALSE(page.Chosen());
    EXPECT_EQ(page.CheckDirectInput("krs0101-nope"), 0);
    EXPECT_FALSE(page.Chosen());
    EXPECT_EQ(page.CheckDirectInput("hnp-0052 bnp05k"), 7);
    ASSERT_TRUE(page.Chosen());
    EXPECT_EQ(page.Chosen()->Model, "HNP0052BNP05K");
    EXPECT_TRUE(page.Chosen()->Geared);
    EXPECT_FALSE(page.Text("MissingMotorNumber").empty());
}

// The page repeats the motor search of the option series page: function, series and the
// eleven search items narrow the catalog to one motor; Clear asks first and starts over.
TEST(SelectVantor, TheMotorSearchLeadsFromFunctionAndSeriesThroughTheItemsToTheMotor) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery query(catalog);
    test::TRecordingDialogs dialogs;
    TSelectVantorModel page(query, &dialogs);
    ASSERT_EQ(page.Functions().size(), 3u);
    EXPECT_EQ(page.Function(), 0);
    EXPECT_EQ(page.SeriesIndex(), 0);
    for (int i = 0; i < kBrowseItemCount; ++i)
        EXPECT_FALSE(page.Text(kBrowseItems[static_cast<size_t>(i)].LabelControl).empty()) << i;
    for (const char* caption : {"LabelMotorFunction", "LabelMotorSeries", "GroupBoxMotorSeries", "GroupBoxSearchItem",
                                "GroupBoxSearchResult", "LabelChoiceModel", "ButtonClear"})
        EXPECT_FALSE(page.Text(caption).empty()) << caption;
    ASSERT_TRUE(page.Found());
    EXPECT_EQ(page.Chosen()->Model, page.Found()->Model);
    auto choose = [&](int item, const std::string& entry) {
        const auto& entries = page.Item(item).Entries;
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == entry) return page.SelectEntry(item, static_cast<int>(i));
        FAIL() << "no entry " << entry;
    };
    for (size_t f = 0; f < page.Functions().size(); ++f)
        for (size_t s = 0; s < page.Functions()[f].Series.size(); ++s)
            if (page.Functions()[f].Series[s].Code == 3) {  // Kestrel L
                page.SelectFunction(static_cast<int>(f));
                page.SelectSeries(static_cast<int>(s));
            }
    choose(biOutput, "1.0 kW");
    choose(biEncoder, "23-bit absolute (multi-turn)");
    choose(biBrake, "With brake");
    // Two amplifiers fit this motor; the drawing is the motor's, so the page names it once.
    ASSERT_EQ(page.Browser().Records().size(), 2u);
    ASSERT_TRUE(page.Found());
    EXPECT_EQ(page.Found()->Model.substr(0, 8), "KRL1002B");
    const TMotor& record = *page.Browser().Records()[0];
    EXPECT_EQ(page.Found()->MmpCd, record.mmp_cd);
    EXPECT_EQ(page.Found()->Reference, (TMotorReference{record.msv_cd, record.mxc_cd, ""}));
    EXPECT_FALSE(page.Found()->Geared);

    dialogs.answers = {mrNo};
    EXPECT_FALSE(page.Clear());
    EXPECT_EQ(page.Item(biOutput).WantedCode, page.Item(biOutput).CurrentCode());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, page.Text("ClearMessage"));
    EXPECT_FALSE(page.Text("ClearMessage").empty());
    dialogs.answers = {mrYes};
    EXPECT_TRUE(page.Clear());
    EXPECT_EQ(page.Function(), 0);
    EXPECT_EQ(page.SeriesIndex(), 0);
    EXPECT_EQ(page.Item(biOutput).WantedCode, -1);
    EXPECT_TRUE(page.Found());

    page.SelectFunction(2);  // geared motors
    ASSERT_TRUE(page.Found());
    EXPECT_TRUE(page.Found()->Geared);
}

}  // namespace
}  // namespace kinemo
