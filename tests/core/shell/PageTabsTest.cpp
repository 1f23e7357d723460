// Tab captions padded by display width, the top tabs' width with and without the CAD page,
// and where a tab's caption is drawn.
#include "base/Catalog.h"
#include "shell/PageTabs.h"
#include "base/TextFormat.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;

TEST(TabCaptions, AllCaptionsArePaddedToTheWidestTextOfTheClass) {
    // The widest text (key 9) is not one of the six tabs and still sets the width.
    TPageTabCaptions tabs({{1, "Elements"}, {2, "運転パターン"}, {3, "Motor"}, {9, "A very long caption"}});
    EXPECT_EQ(tabs.Width(), 19);
    EXPECT_EQ(tabs.Caption(TTabSheet::ChoiceFactor), "Elements           ");
    EXPECT_EQ(DisplayWidth(tabs.Caption(TTabSheet::InputPattern)), 19);
    EXPECT_EQ(tabs.Caption(TTabSheet::InputPattern), "運転パターン       ");  // 12 columns + 7 blanks
    EXPECT_EQ(tabs.Caption(TTabSheet::Vantor), std::string(19, ' '));  // missing key
}

TEST(TabCaptions, ALaterRowWithTheSameCodeWins) {
    TPageTabCaptions tabs({{4, "Old"}, {4, "New"}});
    EXPECT_EQ(tabs.Caption(TTabSheet::MotorSelect), "New");
}

TEST(TabCaptions, ReadsClassOneInCodeOrder) {
    test::TempDir dir;
    test::MakeCatalog(dir.File("c.db"), std::string(test::kMinimalSchema) + R"(
        INSERT INTO s_message VALUES (6, '1', 'x', 'CAD', NULL), (1, '1', 'x', 'Elements', NULL),
          (5, '1', 'x', 'Options', NULL), (5, 'other', 'x', 'Not a tab caption at all', NULL);)");
    TCatalog catalog(dir.File("c.db"));
    TCatalogQuery q(catalog);
    TPageTabCaptions tabs = TPageTabCaptions::Read(q);
    EXPECT_EQ(tabs.Width(), 8);
    EXPECT_EQ(tabs.Caption(TTabSheet::ChoiceFactor), "Elements");
    EXPECT_EQ(tabs.Caption(TTabSheet::ChoiceOption), "Options ");
    EXPECT_EQ(tabs.Caption(TTabSheet::Vantor), "CAD     ");
}

TEST(TabWidth, AThirdWithTheCadPageAndAHalfWithout) {
    EXPECT_EQ(MenuTabWidth(907, true), 301);
    EXPECT_EQ(MenuTabWidth(907, false), 451);
    EXPECT_EQ(MenuTabWidth(10, true), 2);
    EXPECT_EQ(MenuTabWidth(3, false), 0);
}

TEST(TabDrawing, ActiveTabsSitTwoPixelsHigherThanOthers) {
    const TTabRect tab{100, 0, 80, 24};
    const TTabTextPlace active = PlaceTabText(tab, true, 40, 14);
    const TTabTextPlace other = PlaceTabText(tab, false, 40, 14);
    EXPECT_EQ(active.X, 120);
    EXPECT_EQ(active.Clip.Top, 2);
    EXPECT_EQ(active.Y, 2 + (22 - 14) / 2);
    EXPECT_EQ(other.Clip.Top, 4);
    EXPECT_EQ(other.Y, 4 + (20 - 14) / 2);
    EXPECT_EQ(other.Clip.Left, 100);
    EXPECT_EQ(other.Clip.Width, 80);
}

TEST(TabDrawing, TextWiderThanTheTabStartsLeftOfItAndIsClipped) {
    const TTabTextPlace p = PlaceTabText({10, 0, 20, 20}, false, 30, 10);
    EXPECT_EQ(p.X, 5);
    EXPECT_EQ(p.Clip.Left, 10);
    EXPECT_EQ(p.Clip.Width, 20);
}

TEST(TabDrawing, DrawnCaptionsLoseThePadding) {
    EXPECT_EQ(TabDrawnText("  Motor   "), "Motor");
    EXPECT_EQ(TabDrawnText("    "), "");
}
