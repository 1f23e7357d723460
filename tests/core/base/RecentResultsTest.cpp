// The recent-results store every calculation cache uses: equal inputs find their result,
// the least recently used entry makes room, and numbers compare bit for bit.
#include "base/RecentResults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using kinemo::TExactDouble;
using kinemo::TRecentResults;

namespace {

struct TInput {
    std::string text;
    TExactDouble number;
    bool operator==(const TInput&) const = default;
};

TEST(RecentResults, EqualInputsFindTheirResultAndOthersDoNot) {
    TRecentResults<TInput, int, 4> results;
    results.Remember({"a", {1.5}}, 10);
    results.Remember({"b", {1.5}}, 20);
    ASSERT_NE(results.Find({"a", {1.5}}), nullptr);
    EXPECT_EQ(*results.Find({"a", {1.5}}), 10);
    EXPECT_EQ(*results.Find({"b", {1.5}}), 20);
    EXPECT_EQ(results.Find({"a", {1.5000000000000002}}), nullptr);
    EXPECT_EQ(results.Find({"c", {1.5}}), nullptr);
    results.Clear();
    EXPECT_EQ(results.Find({"a", {1.5}}), nullptr);
}

TEST(RecentResults, TheLeastRecentlyUsedMakesRoom) {
    TRecentResults<int, int, 3> results;
    for (int i = 0; i < 3; ++i) results.Remember(i, i * 10);
    ASSERT_NE(results.Find(0), nullptr);  // 0 is now the most recent; 1 the oldest
    results.Remember(3, 30);
    EXPECT_EQ(results.Size(), 3u);
    EXPECT_EQ(results.Find(1), nullptr);
    for (int kept : {0, 2, 3}) {
        ASSERT_NE(results.Find(kept), nullptr) << kept;
        EXPECT_EQ(*results.Find(kept), kept * 10);
    }
}

// 0 and -0 print differently, so they are different inputs; NaN must find its own entry.
TEST(RecentResults, NumbersCompareBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double a, b;
        bool same;
    } cases[] = {{0.0, -0.0, false}, {nan, nan, true}, {1.0, 1.0, true}, {0.1 + 0.2, 0.3, false}};
    for (const Case& c : cases) {
        TRecentResults<TExactDouble, int, 2> results;
        results.Remember({c.a}, 1);
        EXPECT_EQ(results.Find({c.b}) != nullptr, c.same) << c.a << " vs " << c.b;
    }
}

}  // namespace
