// The five report data sets of example 02 for one motor, compared key by key with the
// golden files in tests/data/reports (KINEMO_UPDATE_GOLDEN=1 rewrites them after a
// deliberate change; review the difference before committing it).
#include "session/ReportJob.h"
#include "base/AtomicFile.h"
#include "base/NumberText.h"
#include "reports/ReportPages.h"
#include "support/ExampleSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

namespace kinemo {
namespace {

// One step of the last shown digit at the default precision of 4.
constexpr double kLastDigit = 1.01e-4;

// "H key=value" header (with the footer added), "R<n> key=value" rows, "F key=value"
// footer; the date and the program folder are replaced by fixed texts.
std::string Normalised(const TPrintData& data) {
    const std::string folder = std::string(KINEMO_BIN_DIR);
    auto clean = [&](const std::string& name, std::string value) {
        if (name == "CurrentDate") return std::string("<date>");
        if (name == "ApplicationVersion") return std::string("<version>");
        if (value.rfind(folder, 0) == 0) value = "<program>" + value.substr(folder.size());
        return value;
    };
    std::ostringstream out;
    for (size_t i = 0; i < data.HeaderPairs.Count(); ++i)
        out << "H " << data.HeaderPairs.Name(i) << "=" << clean(data.HeaderPairs.Name(i), data.HeaderPairs.ValueAt(i)) << "\n";
    for (int r = 0; r < data.RowCount(); ++r)
        for (size_t i = 0; i < data.Row(r).Count(); ++i)
            out << "R" << r << " " << data.Row(r).Name(i) << "=" << clean(data.Row(r).Name(i), data.Row(r).ValueAt(i)) << "\n";
    for (size_t i = 0; i < data.FooterPairs.Count(); ++i)
        out << "F " << data.FooterPairs.Name(i) << "=" << clean(data.FooterPairs.Name(i), data.FooterPairs.ValueAt(i)) << "\n";
    return out.str();
}

std::map<std::string, std::string> Entries(const std::string& text) {
    std::map<std::string, std::string> entries;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) entries[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return entries;
}

// Equal texts, or equal units after numbers that differ by at most one last digit.
bool SameValue(const std::string& a, const std::string& b) {
    if (a == b) return true;
    size_t na = 0, nb = 0;
    double x = 0, y = 0;
    try {
        x = std::stod(a, &na);
        y = std::stod(b, &nb);
    } catch (const std::exception&) {
        return false;
    }
    return a.substr(na) == b.substr(nb) && std::fabs(x - y) <= kLastDigit;
}

struct ReportDataGolden : ::testing::TestWithParam<TReportPage> {
    static void SetUpTestSuite() {
        example = std::make_unique<test::ExampleSession>("02_ball_screw_through_gear.kjb");
        job = std::make_unique<TReportJob>(*example->ctx, *example->session);
        std::tm fixed{};
        fixed.tm_year = 126, fixed.tm_mon = 11, fixed.tm_mday = 10, fixed.tm_hour = 9, fixed.tm_min = 30;
        ASSERT_TRUE(job->OpenModel("KRS0402ANS0", fixed));
    }
    static void TearDownTestSuite() {
        job.reset();
        example.reset();
    }
    static std::unique_ptr<test::ExampleSession> example;
    static std::unique_ptr<TReportJob> job;
};
std::unique_ptr<test::ExampleSession> ReportDataGolden::example;
std::unique_ptr<TReportJob> ReportDataGolden::job;

TEST_P(ReportDataGolden, MatchesGoldenFile) {
    const std::string path =
        std::string(KINEMO_TEST_DATA_DIR) + "/reports/02_KRS0402ANS0_" + ReportPageName(GetParam()) + ".txt";
    const std::string actual = Normalised(job->Menu().Data(GetParam()));
    if (std::getenv("KINEMO_UPDATE_GOLDEN")) WriteFileAtomically(path, actual);
    const auto expected = Entries(ReadWholeFile(path));
    const auto got = Entries(actual);
    for (const auto& [key, value] : expected) {
        const auto it = got.find(key);
        if (it == got.end()) {
            ADD_FAILURE() << "missing " << key << " (expected " << value << ")";
            continue;
        }
        EXPECT_TRUE(SameValue(it->second, value)) << key << ": " << it->second << " expected " << value;
    }
    for (const auto& [key, value] : got)
        EXPECT_TRUE(expected.count(key)) << "unexpected " << key << "=" << value;
}

INSTANTIATE_TEST_SUITE_P(Example02, ReportDataGolden, ::testing::ValuesIn(AllReportPages()),
                         [](const auto& info) { return ReportPageName(info.param); });

}  // namespace
}  // namespace kinemo
