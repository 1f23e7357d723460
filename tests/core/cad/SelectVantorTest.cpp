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

TEST(SelectVantor, ListsLeadFromFamilyToSeriesToModel) {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery query(catalog);
    TSelectVantorModel page(query);
    ASSERT_EQ(page.Functions().size(), 3u);
    ASSERT_FALSE(page.Series().empty());
    ASSERT_FALSE(page.Models().empty());
    EXPECT_EQ(page.Chosen()->Model, page.Models()[0].Model);
    page.SelectFunction(2);  // geared motors
    for (const auto& m : page.Models()) EXPECT_TRUE(m.Geared) << m.Model;
    // Each model once, whatever amplifiers and phases it is sold with.
    for (size_t i = 1; i < page.Models().size(); ++i) EXPECT_LT(page.Models()[i - 1].Model, page.Models()[i].Model);
    page.SelectModel(1);
    EXPECT_EQ(page.Chosen()->Model, page.Models()[1].Model);
}

}  // namespace
}  // namespace kinemo
