// Quotation paging, the page items and the CSV through the catalog's templates.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "options/Quotation.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace kinemo;

namespace {

struct Catalog {
    Catalog() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
    }
    TQuotation Make(int parts, bool prices = true) {
        TQuotationData data;
        data.Header.Add("PanelMotorNumber=KRS0402BNS0");
        data.Header.Add("LabelPhase=Three-phase");
        data.Header.Add("LabelSupply=200 V");
        data.Header.Add("EditComment=one\ntwo");
        data.MoneySymbol = "$";
        if (prices) {
            data.Header.Add("PanelAllPrice=$1,234");
            data.HeaderNumbers.Add("PanelAllPrice=1234");
        }
        for (int i = 0; i < parts; ++i) {
            TNameValueList p, n;
            p.Add("Title=Part " + std::to_string(i));
            p.Add("PartsName=P" + std::to_string(i));
            p.Add("Qty=1");
            if (prices) {
                p.Add("Price=$1,000");
                p.Add("SubTotal=$1,000");
                n.Add("Price=1000");
                n.Add("SubTotal=1000");
            }
            data.Parts.push_back(p);
            data.PartNumbers.push_back(n);
        }
        return TQuotation(ctx->Query(), data);
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
};

}  // namespace

TEST(Quotation, TwentyTwoRowsMakeAPage) {
    Catalog c;
    const struct {
        int parts, pages, lastPageRows;
    } cases[] = {{0, 1, 0}, {1, 1, 1}, {22, 1, 22}, {23, 2, 1}, {44, 2, 22}, {45, 3, 1}};
    for (const auto& k : cases) {
        TQuotation q = c.Make(k.parts);
        EXPECT_EQ(q.PageCount(), k.pages) << k.parts;
        EXPECT_EQ(q.PageParts(k.pages - 1).size(), static_cast<size_t>(k.lastPageRows)) << k.parts;
        EXPECT_FALSE(q.CanFirst());
        EXPECT_FALSE(q.CanPrior());
        EXPECT_EQ(q.CanNext(), k.pages > 1) << k.parts;
        EXPECT_EQ(q.CanLast(), k.pages > 1) << k.parts;
        q.Last();
        EXPECT_EQ(q.PageLabel(), std::to_string(k.pages) + " / " + std::to_string(k.pages));
        EXPECT_FALSE(q.CanNext());
        EXPECT_EQ(q.CanPrior(), k.pages > 1);
        q.Next();  // no page after the last
        EXPECT_EQ(q.CurrentPage(), k.pages - 1);
    }
}

TEST(Quotation, PageItemsAndPaperCodes) {
    Catalog c;
    TQuotation q = c.Make(3);
    const TNameValueList top = q.TopItems("Axis 1");
    EXPECT_EQ(top.Value("LRItemTitle"), "Axis 1");
    EXPECT_EQ(top.Value("LRItemMotorName"), "KRS0402BNS0");
    EXPECT_EQ(top.Value("LRItemAmpMessage"), "Three-phase 200 V");
    EXPECT_EQ(q.BottomItems().Value("LRVariableTextComment"), "one\r\ntwo");  // comment lines CR LF
    EXPECT_EQ(q.BottomItems().Value("LRItemTotalPrice"), "$1,234");
    EXPECT_EQ(q.PaperChoices().size(), 2u);
    const std::pair<int, int> papers[] = {{0, 9}, {1, 1}, {5, 1}, {0, 9}};  // other choices keep the last code
    for (const auto& [choice, code] : papers) {
        q.ChoosePaper(choice);
        EXPECT_EQ(q.PaperCode(), code) << choice;
    }
}

TEST(Quotation, CsvHasTheTemplatesHeadOneLinePerPartAndTheFoot) {
    Catalog c;
    for (const int parts : {0, 3}) {
        TQuotation q = c.Make(parts);
        const std::vector<std::string> lines = q.CsvLines("Axis 1");
        ASSERT_EQ(lines.size(), static_cast<size_t>(parts + 2));
        EXPECT_NE(lines.front().find("\"Axis 1\""), std::string::npos);
        // Amounts are numbers; the money symbol heads their columns.
        EXPECT_NE(lines.back().find(",1234,"), std::string::npos) << lines.back();
        EXPECT_NE(lines.front().find("\"Unit price ($)\",\"Subtotal ($)\""), std::string::npos) << lines.front();
        if (parts) {
            EXPECT_EQ(lines[1], "\"Part 0\",\"P0\",1,1000,1000,\"\"");
        }
        const std::string path = c.dir.File("q.csv");
        q.SaveCsv(path, "Axis 1");
        const std::string text = ReadWholeFile(path);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
    // Hidden prices: the price columns are empty.
    EXPECT_EQ(c.Make(1, false).CsvLines("")[1], "\"Part 0\",\"P0\",1,,,\"\"");
}

// The option page's own quotation: every line has its six columns, the amounts are whole
// numbers, each subtotal is quantity times unit price, and the total sits in the subtotal
// column and is their sum.
TEST(Quotation, CsvOfTheOptionPageKeepsValuesAndTotalInTheirColumns) {
    Catalog c;
    TSizingSession session(*c.ctx);
    session.Initialize();
    ASSERT_EQ(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/18_feeder_committed_with_options.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    ASSERT_TRUE(session.OptionDetail().Motor());
    const TQuotation q(c.ctx->Query(), session.OptionDetail().PrintData());
    // Fields of a CSV row; quoted fields may hold commas.
    auto split = [](const std::string& row) {
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (char ch : row) {
            if (ch == '"') quoted = !quoted;
            if (ch == ',' && !quoted) fields.emplace_back();
            else fields.back() += ch;
        }
        return fields;
    };
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : q.CsvLines("Axis 1")) {
        std::istringstream in(line);
        for (std::string row; std::getline(in, row);) {
            if (!row.empty() && row.back() == '\r') row.pop_back();
            rows.push_back(split(row));
        }
    }
    auto whole = [](const std::string& text, long long& value) {
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
        value = std::stoll(text);
        return true;
    };
    long long sum = 0, total = -1;
    int priced = 0;
    bool heading = false;
    for (const auto& r : rows) {
        if (r.size() == 6 && r[3] == "\"Unit price ($)\"") heading = true;
        long long qty = 0, price = 0, subtotal = 0;
        if (r.size() == 6 && whole(r[2], qty) && whole(r[3], price) && whole(r[4], subtotal)) {
            EXPECT_EQ(subtotal, qty * price) << r[1];
            sum += subtotal;
            ++priced;
        } else if (r.size() == 6 && r[0] == "\"Total\"") {
            ASSERT_TRUE(whole(r[4], total)) << r[4];
        }
        for (const std::string& f : r) {
            if (f.find('$') != std::string::npos) {
                EXPECT_NE(f.find("($)\""), std::string::npos) << f;
            }
        }
    }
    EXPECT_TRUE(heading);
    EXPECT_GE(priced, 4);  // motor, amplifier and the ordered options
    EXPECT_EQ(total, session.OptionDetail().GrandTotal());
    EXPECT_EQ(sum, total);
}
