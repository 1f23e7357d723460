// The pricing rules of the option detail page on the sample catalog: totals with quantities,
// the interface and replacement rules, the battery case switch, alerts, the comment limit,
// hidden prices and the project section.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "base/AmountText.h"
#include "support/TestSupport.h"
#include "torque/MotorReferenceQuery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace kinemo;

namespace {

constexpr int kAbsoluteMotor = 1034, kAbsoluteExt = 105;  // KRS0402BNS0, KDA204
constexpr int kStandardCables = 11, kFlexCables = 12, kConnectorKits = 13, kTerminalBlockSet = 16;

struct Page {
    explicit Page(const std::string& catalog = test::SampleCatalogPath()) {
        ctx = std::make_unique<TKinemoContext>(catalog, TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    TOptionDetailModel& d() { return session->OptionDetail(); }
    void Show(int msv = kAbsoluteMotor, int mxc = kAbsoluteExt) {
        std::unique_ptr<TMotor> m = LoadMotorByReference(ctx->Query(), msv, mxc);
        ASSERT_TRUE(m);
        d().ShowMotorOptions(m.get());
    }
    void Choose(TChoiceList list, int code) {
        const auto& entries = d().List(list).Entries;
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].Code == code) return d().SelectChoice(list, static_cast<int>(i));
        FAIL() << "no entry " << code << " in " << ChoiceListKey(list);
    }
    const TOptionRow* Row(TOptionGroup g, const std::string& part) {
        for (const TOptionRow& r : d().Group(g))
            if (r.PartsName == part) return &r;
        return nullptr;
    }
    int RowIndex(TOptionGroup g, const std::string& part) {
        const auto& rows = d().Group(g);
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].PartsName == part) return static_cast<int>(i);
        return -1;
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

}  // namespace

TEST(OptionAmount, ThousandsSeparatorsAndEmptyZero) {
    const struct {
        long long amount;
        const char* text;
    } cases[] = {{0, ""}, {7, "$7"}, {999, "$999"}, {1000, "$1,000"}, {1234567, "$1,234,567"}, {-1500, "$-1,500"}};
    for (const auto& c : cases) EXPECT_EQ(AmountText("$", c.amount), c.text) << c.amount;
}

TEST(OptionDetail, EveryCatalogMotorFillsEachChoiceListAndTheTotalAddsUp) {
    Page p;
    for (const std::unique_ptr<TMotor>& m : LoadEveryCatalogMotor(p.ctx->Query())) {
        if (m->mxc_cd % 100 != 1 && m->mxc_cd % 100 != 5) continue;  // two extension codes per motor suffice
        p.d().ShowMotorOptions(m.get());
        for (int l = 0; l < kChoiceListCount; ++l)
            EXPECT_FALSE(p.d().List(static_cast<TChoiceList>(l)).Entries.empty())
                << m->msv_model_all << " " << ChoiceListKey(static_cast<TChoiceList>(l));
        EXPECT_FALSE(p.d().Group(TOptionGroup::Cable).empty()) << m->msv_model_all;
        EXPECT_EQ(p.d().GrandTotal(), p.d().SumOfSubTotals()) << m->msv_model_all;
        EXPECT_GT(p.d().GrandTotal(), p.d().MotorPrice() + p.d().AmpPrice()) << m->msv_model_all;
    }
}

TEST(OptionDetail, QuantitiesChangeTheTotalByTheirPrice) {
    Page p;
    p.Show();
    EXPECT_EQ(p.d().MotorQty(), 1);
    EXPECT_EQ(p.d().AmpQty(), 1);
    const long long start = p.d().GrandTotal();
    ASSERT_TRUE(p.d().SetMotorQty(3));
    EXPECT_EQ(p.d().GrandTotal(), start + 2 * p.d().MotorPrice());
    const int rs = p.RowIndex(TOptionGroup::RS232C, "KCC-232-2");
    ASSERT_GE(rs, 0);
    const long long price = p.d().Group(TOptionGroup::RS232C)[static_cast<size_t>(rs)].Price;
    const long long before = p.d().GrandTotal();
    ASSERT_TRUE(p.d().SetRowQuantity(TOptionGroup::RS232C, rs, 2));
    EXPECT_EQ(p.d().GrandTotal(), before + 2 * price);
    EXPECT_TRUE(p.d().Group(TOptionGroup::RS232C)[static_cast<size_t>(rs)].Touched);
    ASSERT_TRUE(p.d().SetRowQuantity(TOptionGroup::RS232C, rs, 0));
    EXPECT_EQ(p.d().GrandTotal(), before);
    EXPECT_EQ(p.d().Group(TOptionGroup::RS232C)[static_cast<size_t>(rs)].SubTotal(), 0);
    // Out of the list: the catalog's message, nothing changed.
    const long long total = p.d().GrandTotal();
    for (int bad : {-1, p.d().MaxQuantity() + 1}) {
        p.dialogs.messages.clear();
        EXPECT_FALSE(p.d().SetRowQuantity(TOptionGroup::RS232C, rs, bad));
        EXPECT_FALSE(p.d().SetAmpQty(bad));
        ASSERT_EQ(p.dialogs.messages.size(), 2u);
        EXPECT_EQ(p.dialogs.messages[0].text, p.d().Text("QuantityNotWhole"));
        EXPECT_FALSE(p.dialogs.messages[0].text.empty());
    }
    EXPECT_EQ(p.d().GrandTotal(), total);
    EXPECT_EQ(p.d().GrandTotal(), p.d().SumOfSubTotals());
}

TEST(OptionDetail, TheTerminalBlockRowIsOrderableOnlyWithItsCableSetAndKeepsItsQuantity) {
    Page p;
    p.Show();
    const auto second = [&] { return p.d().Group(TOptionGroup::Interface).at(1); };
    EXPECT_FALSE(second().Enabled);
    EXPECT_EQ(second().Quantity, 0);
    const long long withoutTerminalBlock = p.d().GrandTotal() - p.d().Group(TOptionGroup::Interface).at(0).SubTotal();
    p.Choose(TChoiceList::CableConector, kTerminalBlockSet);
    EXPECT_TRUE(second().Enabled);
    // The set is quoted with its terminal block unit: the row takes its catalog preset.
    EXPECT_EQ(second().PartsName, "KTB-50");
    EXPECT_EQ(second().Quantity, second().Preset);
    EXPECT_EQ(second().Quantity, 1);
    EXPECT_EQ(p.d().GrandTotal(),
              withoutTerminalBlock + p.d().Group(TOptionGroup::Interface).at(0).SubTotal() + second().Price);
    EXPECT_EQ(second().Price, 118);
    // The cable set also replaces the I/O connector kit by the terminal block's I/O cable.
    EXPECT_EQ(p.d().Group(TOptionGroup::Interface).at(0).PartsName, "KIO-TB-1");
    ASSERT_TRUE(p.d().SetRowQuantity(TOptionGroup::Interface, 1, 2));
    p.Choose(TChoiceList::CableConector, kStandardCables);
    EXPECT_FALSE(second().Enabled);
    EXPECT_EQ(second().Quantity, 0);
    EXPECT_EQ(p.d().Group(TOptionGroup::Interface).at(0).PartsName, "KIO-CN-50");
    p.Choose(TChoiceList::CableConector, kFlexCables);  // a second choice away keeps the memory
    // The memory survives the project file while the row is not orderable.
    pugi::xml_document doc;
    p.d().SaveSection(doc.append_child("FrameSelectOptionDetail"));
    Page q;
    q.Show();
    q.d().LoadSection(doc.first_child());
    for (Page* page : {&p, &q}) {
        page->Choose(TChoiceList::CableConector, kTerminalBlockSet);
        EXPECT_EQ(page->d().Group(TOptionGroup::Interface).at(1).Quantity, 2);
        EXPECT_EQ(page->d().GrandTotal(), page->d().SumOfSubTotals());
    }
}

TEST(OptionDetail, TheBatteryCaseSwitchReplacesTheEncoderCableAndTheBatteryAndRemembersQuantities) {
    Page p;
    p.Show();
    ASSERT_TRUE(p.d().BatteryFolder().Enabled);
    EXPECT_FALSE(p.d().BatteryFolder().Checked);
    EXPECT_EQ(p.d().Group(TOptionGroup::Cable).at(0).PartsName, "KC-EA-03");
    ASSERT_EQ(p.d().Group(TOptionGroup::Battery).at(0).PartsName, "KBT-36U");
    ASSERT_TRUE(p.d().SetRowQuantity(TOptionGroup::Battery, 0, 2));
    p.d().SetBatteryFolderChecked(true);
    EXPECT_EQ(p.d().Group(TOptionGroup::Cable).at(0).PartsName, "KC-EAC-03");
    EXPECT_EQ(p.d().Group(TOptionGroup::Battery).at(0).PartsName, "KBT-36C");
    EXPECT_EQ(p.d().AlertSource(), "CheckBoxBatteryFolder");
    EXPECT_FALSE(p.d().AlertText().empty());
    EXPECT_EQ(p.d().GrandTotal(), p.d().SumOfSubTotals());
    // A longer cable keeps the switch on.
    p.Choose(TChoiceList::CableLength, 3);
    EXPECT_EQ(p.d().Group(TOptionGroup::Cable).at(0).PartsName, "KC-EAC-10");
    p.d().SetBatteryFolderChecked(false);
    EXPECT_EQ(p.d().Group(TOptionGroup::Cable).at(0).PartsName, "KC-EA-10");
    EXPECT_EQ(p.d().Group(TOptionGroup::Battery).at(0).PartsName, "KBT-36U");
    EXPECT_EQ(p.d().Group(TOptionGroup::Battery).at(0).Quantity, 2);
    // Connector kits have no cable to carry the case: the switch is greyed.
    p.Choose(TChoiceList::CableConector, kConnectorKits);
    EXPECT_FALSE(p.d().BatteryFolder().Enabled);
    EXPECT_EQ(p.d().GrandTotal(), p.d().SumOfSubTotals());
}

TEST(OptionDetail, AShorterLengthListSelectsItsFirstLength) {
    Page p;
    p.Show();
    p.Choose(TChoiceList::CableLength, 4);  // 20 m, index 3
    ASSERT_EQ(p.d().List(TChoiceList::CableLength).Selected, 3);
    p.Choose(TChoiceList::CableConector, kFlexCables);  // 3, 5, 10 m
    EXPECT_EQ(p.d().List(TChoiceList::CableLength).Selected, 0);
    p.Choose(TChoiceList::CableLength, 2);
    p.Choose(TChoiceList::CableConector, kStandardCables);  // index 1 exists: kept
    EXPECT_EQ(p.d().List(TChoiceList::CableLength).CurrentCode(), 2);
    p.Choose(TChoiceList::CableConector, kConnectorKits);
    EXPECT_EQ(p.d().List(TChoiceList::CableLength).Entries.size(), 1u);
    EXPECT_TRUE(p.Row(TOptionGroup::Cable, "KT-100"));
}

TEST(OptionDetail, TheFirstChoiceWithAnAlertOwnsTheAlertLine) {
    Page p;
    p.Show();
    EXPECT_TRUE(p.d().AlertText().empty());
    p.Choose(TChoiceList::CableConector, kFlexCables);
    EXPECT_EQ(p.d().AlertSource(), "ComboBoxCableConector");
    EXPECT_EQ(p.d().AlertColor(), "red");
    p.Choose(TChoiceList::Software, 52);  // another list's alert does not take the line
    EXPECT_EQ(p.d().AlertSource(), "ComboBoxCableConector");
    p.Choose(TChoiceList::CableConector, kStandardCables);  // the owner clears it
    EXPECT_TRUE(p.d().AlertText().empty());
}

TEST(OptionDetail, TheCommentHoldsFiveLinesAndFourHundredEightCharacters) {
    Page p;
    p.Show();
    const struct {
        std::string text;
        bool accepted;
    } cases[] = {{"a\nb\nc\nd\ne", true},
                 {"a\nb\nc\nd\ne\nf", false},
                 {std::string(408, 'x'), true},
                 {std::string(409, 'x'), false},
                 {std::string(400, 'x') + "\n\n\n\n", true},  // line breaks count as characters
                 {std::string(405, 'x') + "\n\n\n\n", false}};
    for (const auto& c : cases) {
        p.dialogs.messages.clear();
        ASSERT_TRUE(p.d().SetComment("kept"));
        EXPECT_EQ(p.d().SetComment(c.text), c.accepted) << c.text.size();
        EXPECT_EQ(p.d().Comment(), c.accepted ? c.text : "kept");
        if (!c.accepted) {
            ASSERT_EQ(p.dialogs.messages.size(), 1u);
            EXPECT_EQ(p.dialogs.messages[0].text, p.d().Text("CommentTooLong"));
        }
    }
    // Characters, not bytes: 408 two-byte letters fit.
    std::string wide;
    for (int i = 0; i < 408; ++i) wide += "\xC3\xA9";
    EXPECT_TRUE(p.d().SetComment(wide));
}

TEST(OptionDetail, HiddenPricesLeaveEveryPriceOutOfThePrintData) {
    for (const bool visible : {true, false}) {
        test::TempDir tmp;
        const std::string db = tmp.File("Kinemo.db");
        std::filesystem::copy_file(test::SampleCatalogPath(), db);
        // The catalog's pictures are read beside it.
        std::filesystem::create_directory_symlink(
            std::filesystem::path(test::SampleCatalogPath()).parent_path() / "picture", tmp.File("picture"));
        if (!visible) test::ApplyCatalogSql(db, "UPDATE s_config SET cfg_value = 0 WHERE cfg_class = 'price_visible';");
        Page p(db);
        p.Show();
        const TQuotationData data = p.d().PrintData();
        ASSERT_FALSE(data.Parts.empty());
        for (const char* key : {"PanelMotorPrice", "PanelMotorSubTotal", "PanelAmpPrice", "PanelAmpSubTotal", "PanelAllPrice"})
            EXPECT_EQ(data.Header.Contains(key), visible) << key;
        for (const TNameValueList& part : data.Parts) {
            EXPECT_EQ(part.Contains("Price"), visible);
            EXPECT_EQ(part.Contains("SubTotal"), visible);
            EXPECT_NE(part.Value("Qty"), "0");
        }
        EXPECT_EQ(data.Header.Value("PanelMotorNumber"), "KRS0402BNS0");
    }
}

TEST(OptionDetail, OnlyTouchedRowsAreSavedAndLoadingGivesTheSameBytes) {
    Page a;
    a.Show();
    a.Choose(TChoiceList::CableConector, kTerminalBlockSet);
    a.Choose(TChoiceList::CableLength, 3);
    ASSERT_TRUE(a.d().SetRowQuantity(TOptionGroup::Interface, 1, 3));
    ASSERT_TRUE(a.d().SetRowQuantity(TOptionGroup::Etc, 0, 1));
    a.d().SetBatteryFolderChecked(true);
    ASSERT_TRUE(a.d().SetAmpQty(2));
    ASSERT_TRUE(a.d().SetComment("first line\nsecond line"));
    a.d().PrintTitle = "Axis 3";
    pugi::xml_document doc;
    a.d().SaveSection(doc.append_child("FrameSelectOptionDetail"));
    std::ostringstream first;
    doc.save(first);
    EXPECT_EQ(std::distance(doc.first_child().child("GroupBox").child("Interface").children("Parts").begin(),
                            doc.first_child().child("GroupBox").child("Interface").children("Parts").end()),
              1);  // the untouched rows are not written
    EXPECT_FALSE(doc.first_child().child("GroupBox").child("Cable").first_child());

    Page b;
    b.Show();
    b.d().LoadSection(doc.first_child());
    EXPECT_EQ(b.d().GrandTotal(), a.d().GrandTotal());
    EXPECT_EQ(b.d().Comment(), "first line\nsecond line");
    pugi::xml_document again;
    b.d().SaveSection(again.append_child("FrameSelectOptionDetail"));
    std::ostringstream second;
    again.save(second);
    EXPECT_EQ(second.str(), first.str());

    // A quantity that is not a whole number is a conversion error.
    doc.first_child().child("AmpQty").text().set("2.5");
    EXPECT_THROW(b.d().LoadSection(doc.first_child()), TKinemoError);
}

TEST(OptionDetail, TheCommittedExampleQuotesWhatItsFileSays) {
    Page p;
    ASSERT_EQ(p.session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/18_feeder_committed_with_options.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    ASSERT_TRUE(p.d().Motor());
    EXPECT_EQ(p.d().Motor()->msv_model_all, "KRS0402BNS0");
    EXPECT_EQ(p.d().MotorQty(), 2);
    EXPECT_EQ(p.d().List(TChoiceList::CableLength).CurrentCode(), 2);
    ASSERT_TRUE(p.Row(TOptionGroup::Battery, "KBT-36"));
    EXPECT_EQ(p.Row(TOptionGroup::Battery, "KBT-36")->Quantity, 2);
    EXPECT_EQ(p.d().GrandTotal(), p.d().SumOfSubTotals());
    p.session->ReleaseCommit();
    EXPECT_FALSE(p.d().Motor());  // after a release the detail page has no motor
}
