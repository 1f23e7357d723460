// Template substitution, the check of template keys against a report's keys, the CSV
// file write, the date format and the paging of the report layouts.
#include "reports/CSVTemplate.h"
#include "reports/CommitMotorPrintMenuModel.h"
#include "reports/ReportPages.h"
#include "reports/ReportPaging.h"

#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kinemo {
namespace {

TNameValueList List(std::initializer_list<const char*> lines) {
    TNameValueList l;
    for (const char* line : lines) l.Add(line);
    return l;
}

TEST(FillTemplateTest, PlaceholdersAreReplacedByTheirValues) {
    const TNameValueList l = List({"x=1", "name=Ball screw", "y=2"});
    struct Case { const char* tmpl; const char* expected; };
    const Case cases[] = {
        {"A{[%]x[%]}B", "A1B"},                        // the documented example
        {"A{[%]x", "A"},                                // an open placeholder drops the rest
        {"{[%]missing[%]}", ""},                        // a missing key gives nothing
        {"no placeholder", "no placeholder"},
        {"{[%]x[%]}{[%]y[%]}", "12"},                   // adjacent placeholders
        {"\"{[%]name[%]}\",{[%]x[%]};{[%]y[%]}|", "\"Ball screw\",1;2|"},
        {"a{[%]x[%]}b{[%]y", "a1b"},                    // open after a complete one
        {"[%]}{[%]x[%]}", "[%]}1"},                     // a stray close before the first open
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FillTemplate(c.tmpl, l), c.expected) << c.tmpl;
}

// Values from others (a memo, an element's name) cannot add cells or rows to a CSV line, nor
// be run by a spreadsheet; plain values are written as they were.
TEST(CsvQuotingTest, ValuesAreQuotedByTheirPlaceInTheTemplate) {
    const TNameValueList l = List({"plain=Ball screw", "num=-1,234.5", "memo=a\",b", "inj==HYPERLINK(\"x\")",
                                   "at=@SUM(A1)", "dash=-", "minus=-12.5", "exp=+2E-3", "pct=-12%", "line=a\rb",
                                   "plus=+x"});
    struct Case { const char* tmpl; const char* expected; };
    const Case cases[] = {
        {"\"{[%]plain[%]}\",{[%]minus[%]},{[%]exp[%]},{[%]pct[%]},\"{[%]dash[%]}\"",
         "\"Ball screw\",-12.5,+2E-3,-12%,\"-\""},                          // unchanged
        {"\"Comment\",\"{[%]memo[%]}\"", "\"Comment\",\"a\"\",b\""},      // quotes doubled inside quotes
        {"{[%]memo[%]},{[%]num[%]}", "\"a\"\",b\",\"-1,234.5\""},            // a whole bare field is quoted
        {"\"{[%]inj[%]}\"", "\"'=HYPERLINK(\"\"x\"\")\""},                  // a formula is marked
        {"{[%]at[%]};x", "'@SUM(A1);x"},
        {"{[%]plus[%]},\"{[%]plain[%]} {[%]inj[%]}\"", "'+x,\"Ball screw =HYPERLINK(\"\"x\"\")\""},
        {"\"{[%]line[%]}\",{[%]line[%]}", "\"a\rb\",\"a\rb\""},               // line breaks stay in quotes
        {"{[%]plain[%]} [{[%]memo[%]}]", "Ball screw [a  b]"},                  // beside bare text: blanks
        {"\"a\"\"{[%]inj[%]}\"", "\"a\"\"=HYPERLINK(\"\"x\"\")\""},         // not at the field's start
    };
    for (const Case& c : cases) EXPECT_EQ(FillCsvTemplate(c.tmpl, l), c.expected) << c.tmpl;
    TCSVTemplate csv;
    csv.Add("\"{[%]memo[%]}\"", l);
    EXPECT_EQ(csv.Text(), "\"a\"\",b\"\r\n");
}

TEST(CsvQuotingTest, FieldsAndFormulaLikeTexts) {
    EXPECT_EQ(CsvField("KRS0402ANS0"), "KRS0402ANS0");
    EXPECT_EQ(CsvField("-0.25"), "-0.25");
    EXPECT_EQ(CsvField("-1,234"), "\"-1,234\"");
    EXPECT_EQ(CsvField("--"), "--");
    EXPECT_EQ(CsvField("=1+2"), "'=1+2");
    EXPECT_EQ(CsvField("-2+3,4"), "\"'-2+3,4\"");
    EXPECT_EQ(CsvField("@x\"y"), "\"'@x\"\"y\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
    for (const char* text : {"-", "-5", "+5.", "-.5", "1e5", "-1E+05", "-3%", "-1,234,567.25", "x=1", ""})
        EXPECT_FALSE(CsvFormulaLike(text)) << text;
    for (const char* text : {"=A1", "+", "-x", "@", "-1,", "-1e", "-5*", "-,5", "-1.2.3", "+1%%"})
        EXPECT_TRUE(CsvFormulaLike(text)) << text;
}

TEST(FillTemplateTest, KeysAndPatterns) {
    bool open = false;
    EXPECT_EQ(TemplateKeys("{[%]a[%]},{[%]ItemName3[%]}", &open), (std::vector<std::string>{"a", "ItemName3"}));
    EXPECT_FALSE(open);
    EXPECT_EQ(TemplateKeys("{[%]a[%]},{[%]b", &open), std::vector<std::string>{"a"});
    EXPECT_TRUE(open);
    struct Case { const char* key; bool known; };
    const Case cases[] = {{"ItemName0", true}, {"ItemName12", true}, {"itemname4", true}, {"ItemName", false},
                          {"ItemNameX", false}, {"Title", true},     {"Titles", false},   {"Value3x", false}};
    for (const Case& c : cases) EXPECT_EQ(KeyMatches(c.key, {"ItemName#", "Title", "Value#"}), c.known) << c.key;
}

TEST(FillTemplateTest, EveryCatalogPatternOfTheReportsIsKnown) {
    // The keys a builder writes must be accepted by the check, or its own template would be refused.
    struct Case { TReportPage page; const char* key; };
    const Case cases[] = {{TReportPage::Summary, "RotorInertiaRatedMeasure"}, {TReportPage::Summary, "PrintComment"},
                          {TReportPage::Block, "TT_Bout"},                    {TReportPage::Block, "ItemValue12"},
                          {TReportPage::DrivePattern, "CheckValue9"},         {TReportPage::Torque, "IntervalTorque"},
                          {TReportPage::Discharge, "DischargeLoadFactor"}};
    for (const Case& c : cases) EXPECT_TRUE(KeyMatches(c.key, ReportKeyPatterns(c.page))) << c.key;
    EXPECT_FALSE(KeyMatches("TT_Vout", ReportKeyPatterns(TReportPage::Block)));
    EXPECT_FALSE(KeyMatches("MotorNumber", ReportKeyPatterns(TReportPage::Torque)));
}

TEST(FillTemplateTest, UnknownOrOpenPlaceholdersAreRefusedByName) {
    TErrorMessage errors;  // no catalog: the message is empty, the key tells which check refused
    try {
        CheckTemplateKeys({"{[%]Time[%]}", "{[%]Tiem[%]},{[%]Row[%]}"}, ReportKeyPatterns(TReportPage::Torque),
                          "form_print_torque", errors);
        FAIL() << "an unknown key passed";
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "CsvTemplateUnknownKey");
    }
    try {
        CheckTemplateKeys({"{[%]Time"}, ReportKeyPatterns(TReportPage::Torque), "form_print_torque", errors);
        FAIL() << "an open placeholder passed";
    } catch (const TFormatErrorMessageException& e) {
        EXPECT_EQ(e.Key(), "CsvTemplateUnterminated");
    }
    EXPECT_NO_THROW(CheckTemplateKeys({"{[%]Time[%]}", "", "plain"}, ReportKeyPatterns(TReportPage::Torque), "t", errors));
}

TEST(FillTemplateTest, RefusalsShowTheCatalogMessagesInFull) {
    // The open-placeholder text quotes the closing mark "[%]}"; written with a bare "%" it
    // once came out unformatted, "%s" in place of the template name.
    struct Case { const char* catalog; std::vector<std::string> parts; const char* expected; };
    const Case cases[] = {
        {"Kinemo.db", {"{[%]Time"},
         "The CSV template of form_print_torque has a placeholder without its closing \"[%]}\". Correct the "
         "template in the catalog."},
        {"Kinemo.db", {"{[%]Time[%]}", "{[%]Tiem[%]},{[%]Row[%]},{[%]Rows[%]}"},
         "The CSV template of form_print_torque names keys this report does not have: Tiem, Rows. Correct the "
         "template in the catalog."},
        // An empty key adds no text to the list but is refused all the same.
        {"Kinemo.db", {"{[%]Time[%]}{[%][%]}"},
         "The CSV template of form_print_torque names keys this report does not have: {[%][%]}. Correct the "
         "template in the catalog."},
        {"Kinemo-ja.db", {"{[%]Time"},
         "form_print_torque の CSV テンプレートに、閉じる \"[%]}\" のないプレースホルダがあります。カタログのテンプレートを"
         "修正してください。"},
    };
    for (const Case& c : cases) {
        TCatalog catalog(std::string(KINEMO_BIN_DIR) + "/" + c.catalog);
        TCatalogQuery query(catalog);
        const TErrorMessage errors(query);
        try {
            CheckTemplateKeys(c.parts, ReportKeyPatterns(TReportPage::Torque), "form_print_torque", errors);
            ADD_FAILURE() << "refused nothing: " << c.parts.back();
        } catch (const TFormatErrorMessageException& e) {
            EXPECT_EQ(std::string(e.what()), c.expected) << c.catalog;
        }
    }
}

TEST(CsvFileTest, LinesEndInCrLfAndAFailedWriteLeavesNothing) {
    test::TempDir dir;
    TCSVTemplate csv;
    csv.Add("a,{[%]x[%]}", List({"x=1"}));
    csv.Add("b", {});
    csv.SaveToFile(dir.File("out.csv"));
    EXPECT_EQ(ReadWholeFile(dir.File("out.csv")), "a,1\r\nb\r\n");
    EXPECT_THROW(csv.SaveToFile(dir.File("missing/out.csv")), TKinemoError);
    EXPECT_FALSE(FileExists(dir.File("missing/out.csv")));
}

TEST(DateFormatTest, CatalogDirectives) {
    struct Case { const char* format; const char* expected; };
    const Case cases[] = {{"yyyy-mm-dd hh:nn", "2026-03-07 09:05"}, {"d.m.yy", "7.3.26"},
                          {"yyyy/mm/dd hh:nn:ss", "2026/03/07 09:05:04"}, {"\"at\" h:n", "at 9:5"},
                          {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(FormatDateTimeText(c.format, 2026, 3, 7, 9, 5, 4), c.expected) << c.format;
}

TEST(ReportPagingTest, PagesEntriesAndBands) {
    struct Case { TReportForm form; int entries; int pages; int lastCount; };
    const Case cases[] = {
        {TReportForm::DrivePatternStraight, 50, 1, 50}, {TReportForm::DrivePatternStraight, 51, 2, 1},
        {TReportForm::DrivePatternRolling, 0, 1, 0},    {TReportForm::Summary, 0, 1, 0},
        {TReportForm::Summary, 6, 2, 6},                {TReportForm::Summary, 7, 3, 1},
        {TReportForm::BlockPattern, 5, 3, 1},           {TReportForm::BlockPattern, 0, 1, 0},
        {TReportForm::Discharge, 70, 1, 70},            {TReportForm::Discharge, 71, 2, 1},
        {TReportForm::Torque, 59, 1, 59},               {TReportForm::Torque, 118, 2, 59},
    };
    for (const Case& c : cases) {
        const TReportPaging paging(c.form, c.entries);
        ASSERT_EQ(paging.PageCount(), c.pages) << static_cast<int>(c.form) << " " << c.entries;
        const TReportPageContent last = paging.Page(c.pages - 1);
        EXPECT_EQ(last.EntryCount, c.lastCount) << static_cast<int>(c.form) << " " << c.entries;
        for (int p = 0; p < c.pages; ++p) {
            const TReportPageContent page = paging.Page(p);
            const bool bandForm = c.form == TReportForm::BlockPattern || c.form == TReportForm::Discharge ||
                                  c.form == TReportForm::Torque;
            EXPECT_EQ(page.BottomBand, bandForm && p == c.pages - 1);
            EXPECT_EQ(page.SummaryBand, c.form == TReportForm::Summary && p == 0);
            EXPECT_EQ(page.Charts, c.form == TReportForm::DrivePatternStraight || c.form == TReportForm::DrivePatternRolling);
        }
    }
}

TEST(ReportPagingTest, TurningAndIndicator) {
    TReportPaging paging(TReportForm::Torque, 130);  // three pages
    EXPECT_EQ(paging.Indicator(), "3 / 1");
    EXPECT_FALSE(paging.CanPrior());
    EXPECT_TRUE(paging.CanNext());
    paging.Last();
    EXPECT_EQ(paging.Indicator(), "3 / 3");
    EXPECT_FALSE(paging.CanNext());
    paging.Next();
    EXPECT_EQ(paging.Current(), 2);
    paging.Prior();
    EXPECT_EQ(paging.Indicator(), "3 / 2");
    paging.First();
    EXPECT_EQ(paging.Current(), 0);
}

TEST(BlockBandTest, CarryLinesSkipEmptyValues) {
    const TNameValueList r = List({"Vout=6.0000", "WAout=200.0000kg", "Bout=0.0056", "JLout=", "TDout=1"});
    EXPECT_EQ(BlockCarryKeys(r), (std::vector<std::string>{"WAout", "Vout", "Bout"}));
}

TEST(BlockBandTest, MotorLinesByGearAndCases) {
    TNameValueList geared = List({"GearMotor=1", "ReducingRatio=1/5", "GearInertia=0.1kg·cm²", "GearEta=0.9",
                                  "FF_JLout=6kg·cm²", "TF_JLout=7kg·cm²", "FF_TFout=0.9N·m", "FF_Bout=0.01"});
    const auto lines = MotorBandLines(geared);
    std::vector<std::string> keys;
    for (const auto& l : lines) keys.push_back(l.Key);
    // No gear torque, backlash, starting or holding torque value: those lines drop out.
    EXPECT_EQ(keys, (std::vector<std::string>{"ReducingRatio", "GearInertia", "GearEta", "JLout", "TFout", "Bout"}));
    EXPECT_EQ(lines[0].Values[3], "1/5");  // gear values in every column
    EXPECT_EQ(lines[3].Values[1], "7kg·cm²");
    EXPECT_EQ(lines[3].Values[2], "");
    geared.SetValue("GearMotor", "0");
    EXPECT_EQ(MotorBandLines(geared).size(), 3u);
}

TEST(BlockBandTest, ItemsAndOwner) {
    const TNameValueList r = List({"FactorName=Screw", "ItemName0=Lead", "ItemValue0=L=20mm", "ItemName2=Memo"});
    const auto items = ElementItems(r);
    ASSERT_EQ(items.size(), 3u);  // the unnamed item 1 stays as a blank line
    EXPECT_EQ(items[1], (std::pair<std::string, std::string>{"", ""}));
    EXPECT_EQ(items[2], (std::pair<std::string, std::string>{"Memo", ""}));
    EXPECT_EQ(ElementOwner(r), "Screw");
    EXPECT_EQ(ElementOwner(List({"FactorName=Mine", "OwnerFactorName=Screw"})), "Screw");
}

}  // namespace
}  // namespace kinemo
