// The Japanese sample catalog against the English one: the same data (formulas, motors,
// prices, codes), every text present and Japanese where a word is, tab captions padded by
// display width.
#include "shell/PageTabs.h"
#include "base/Catalog.h"
#include "base/TextFormat.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;

namespace {

std::string JapaneseCatalogPath() { return std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db"; }

// Every row of a query as one text per row, fields separated by "|".
std::vector<std::string> Rows(const std::string& catalogPath, const std::string& sql) {
    TCatalog catalog(catalogPath);
    TCatalogQuery q(catalog);
    q.SetSQL(sql);
    q.Open();
    std::vector<std::string> rows;
    for (; !q.Eof(); q.Next()) {
        std::string row;
        for (int i = 0; i < q.FieldCount(); ++i) row += q.AsString(i) + "|";
        rows.push_back(row);
    }
    return rows;
}

bool HasJapanese(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xE3) return true;  // lead bytes of kana and kanji (U+3000 and above)
    return false;
}

}  // namespace

TEST(JapaneseCatalog, SharesEveryDataRowWithTheEnglishCatalog) {
    const char* const data[] = {
        "select mdp_class, mdp_value from m_drive_pattern order by mdp_class",
        "select mcv_cd, mcv_tme_cd, mcv_value from m_machine_calc_value order by mcv_cd",
        "select mtc_cd, mtc_value, mtc_muv_cd from m_tmp_calc order by mtc_cd",
        "select tmv_cd, tmv_symbol, tmv_start_value, tmv_min_value, tmv_max_value, tmv_muv_cd from t_machine_value "
        "order by tmv_cd",
        "select * from m_machine_unit_exc order by 1, 2",
        "select muv_cd, muv_symbol, muv_muc_cd from t_machine_unit_value order by muv_cd",
        "select mmm_cd, mmm_value, mmm_muv_cd from m_machine_material order by mmm_cd",
        "select msv_cd, msv_tms_cd, msv_amplifier, msv_s_ratedtorque, msv_s_maxtorque, msv_s_rotorinertia, "
        "msv_m_capacitor from t_motor_value order by msv_cd",
        "select mmp_cd, mmp_model, mmp_price from m_motor_price order by mmp_cd",
        "select tme_cd, tme_mmb_cd, tme_img_path from t_machine_element order by tme_cd",
        "select cfg_class, cfg_value, cfg_name from s_config order by cfg_class",
    };
    for (const char* sql : data) {
        SCOPED_TRACE(sql);
        const auto en = Rows(test::SampleCatalogPath(), sql);
        EXPECT_FALSE(en.empty());
        EXPECT_EQ(Rows(JapaneseCatalogPath(), sql), en);
    }
}

TEST(JapaneseCatalog, TextsArePresentAndJapanese) {
    const std::string keys = "select msg_class, msg_control, msg_cd from s_message order by 1, 2, 3";
    EXPECT_EQ(Rows(JapaneseCatalogPath(), keys), Rows(test::SampleCatalogPath(), keys));
    struct Texts {
        const char* sql;
        size_t minimumJapanese;  // rows whose text must hold Japanese
    };
    const Texts texts[] = {
        {"select tme_name from t_machine_element", 19},
        {"select tmv_name from t_machine_value", 100},
        {"select mmb_name from m_machine_block", 5},
        {"select tms_feature from t_motor_series", 8},
        {"select msg_value from s_message where msg_class = 'error'", 40},
    };
    for (const Texts& t : texts) {
        SCOPED_TRACE(t.sql);
        size_t japanese = 0;
        for (const std::string& row : Rows(JapaneseCatalogPath(), t.sql)) {
            EXPECT_NE(row, "|");
            if (HasJapanese(row)) ++japanese;
        }
        EXPECT_GE(japanese, t.minimumJapanese);
    }
}

TEST(JapaneseCatalog, TabCaptionsArePaddedToOneDisplayWidth) {
    TCatalog catalog(JapaneseCatalogPath());
    TCatalogQuery q(catalog);
    const TPageTabCaptions tabs = TPageTabCaptions::Read(q);
    EXPECT_EQ(tabs.Width(), 16);  // "オプション・見積": 8 wide characters
    for (int i = 0; i < kTabSheetCount; ++i) {
        const std::string& caption = tabs.Caption(static_cast<TTabSheet>(i));
        EXPECT_EQ(DisplayWidth(caption), 16) << caption;
        EXPECT_TRUE(HasJapanese(caption)) << caption;
    }
}
