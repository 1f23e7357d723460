// Texts from catalogs and projects are clipped for the report pages and the quotation's
// pages, while the CSV keeps them whole: a 5 MB element name, item name or header line
// gives pages of bounded size.
#include "session/ReportJob.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputData.h"
#include "options/Quotation.h"
#include "reports/LayoutText.h"
#include "support/ExampleSession.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kinemo {
namespace {

const std::string kEllipsis = "\xE2\x80\xA6";

size_t Chars(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(LayoutText, ClipsAtCharactersNotBytes) {
    const std::string kanji = "\xE8\xBB\xB8";  // one character, three bytes
    struct Case { std::string text; size_t limit; std::string expected; };
    const Case cases[] = {
        {"abcdef", 6, "abcdef"},                                   // at the limit: whole
        {"abcdefg", 6, "abcde" + kEllipsis},                       // one over: five and the mark
        {kanji + kanji + kanji, 3, kanji + kanji + kanji},         // 9 bytes, 3 characters: whole
        {kanji + kanji + kanji + kanji, 3, kanji + kanji + kEllipsis},
        {"", 3, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ClipForLayout(c.text, c.limit), c.expected) << c.text;
    const std::string big(5u << 20, 'x');
    EXPECT_EQ(Chars(ClipForLayout(big, kLayoutCellChars)), kLayoutCellChars);
    EXPECT_EQ(LayoutLimitOfKey("PrintComment"), kLayoutMemoChars);
    EXPECT_EQ(LayoutLimitOfKey("ItemValue3"), kLayoutMemoChars);
    EXPECT_EQ(LayoutLimitOfKey("FactorName"), kLayoutCellChars);
}

std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 0, t.tm_mday = 2, t.tm_hour = 8;
    return t;
}

// Every value of every page's data set is within its limit and the pages together stay
// small, however large the texts the catalog and the project hold.
TEST(LayoutText, HugeCatalogTextsGiveBoundedReportPagesAndWholeCsv) {
    test::ExampleSession example("02_ball_screw_through_gear.kjb");
    TReportJob job(*example.ctx, *example.session);
    const std::string huge = "N" + std::string(5u << 20, 'x');
    TCalcCarryValue& chain = example.session->Chain();
    ASSERT_GT(chain.Count(), 1);
    TFactor& far = *chain.GetFactor(chain.Count() - 1);
    far.Name = huge;
    ASSERT_FALSE(far.InputItems().empty());
    far.InputItems().front()->Name = huge;
    ASSERT_TRUE(job.OpenModel("KRS0402ANS0", FixedTime()));
    TCommitMotorPrintMenuModel& menu = job.Menu();
    menu.HeaderText = huge;
    menu.CommentText = huge;
    menu.ApplyHeaderAndComment();

    size_t total = 0;
    auto check = [&total](const TNameValueList& list) {
        for (size_t i = 0; i < list.Count(); ++i) {
            EXPECT_LE(Chars(list.ValueAt(i)), LayoutLimitOfKey(list.Name(i))) << list.Name(i);
            total += list.Line(i).size();
        }
    };
    for (TReportPage page : AllReportPages()) {
        const TPrintData& d = menu.Data(page);
        check(d.HeaderPairs);
        for (int r = 0; r < d.RowCount(); ++r) check(d.Row(r));
        check(d.FooterPairs);
    }
    EXPECT_LT(total, size_t{512} << 10);  // the 5 MB texts appear several times uncut
    const TPrintData& summary = menu.Data(TReportPage::Summary);
    EXPECT_EQ(summary.HeaderPairs.Value("PrintHeader"), ClipForLayout(huge, kLayoutCellChars));
    bool clippedName = false;
    for (int r = 0; r < summary.RowCount(); ++r)
        clippedName |= summary.Row(r).Value("FactorName") == ClipForLayout(huge, kLayoutCellChars);
    EXPECT_TRUE(clippedName);

    // The CSV is written from the whole texts.
    size_t whole = 0;
    for (const std::string& line : menu.CsvLines(TReportPage::Summary))
        whole += line.find(huge) != std::string::npos ? 1 : 0;
    EXPECT_GE(whole, 1u);
}

TEST(LayoutText, HugeOptionTextsGiveBoundedQuotationPagesAndWholeCsv) {
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
    ASSERT_TRUE(ctx.ReadCatalogConfig());
    const std::string huge = "P" + std::string(5u << 20, 'y');
    TQuotationData data;
    data.Header.Add("PanelMotorNumber=" + huge);
    data.Header.Add("LabelOutput=" + huge);
    data.Header.Add("EditComment=" + huge);
    TNameValueList part;
    part.Add("Title=" + huge);
    part.Add("PartsName=P1");
    part.Add("PrintMessage=" + huge);
    data.Parts.push_back(part);
    data.PartNumbers.emplace_back();
    const TQuotation q(ctx.Query(), data);

    const TNameValueList top = q.TopItems(huge);
    for (size_t i = 0; i < top.Count(); ++i) EXPECT_LE(Chars(top.ValueAt(i)), kLayoutCellChars) << top.Name(i);
    EXPECT_EQ(top.Value("LRItemMotorName"), ClipForLayout(huge, kLayoutCellChars));
    EXPECT_EQ(Chars(q.BottomItems().Value("LRVariableTextComment")), kLayoutMemoChars);
    const std::vector<TNameValueList> parts = q.PageParts(0);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].Value("Title"), ClipForLayout(huge, kLayoutCellChars));
    EXPECT_EQ(parts[0].Value("PrintMessage"), ClipForLayout(huge, kLayoutCellChars));
    EXPECT_EQ(parts[0].Value("PartsName"), "P1");

    const std::vector<std::string> lines = q.CsvLines("T");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find(huge), std::string::npos);
}

}  // namespace
}  // namespace kinemo
