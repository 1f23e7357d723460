// The grid editors' commit rule: only a text handed in twice in a row is committed.
#include "base/EditCommitRule.h"

#include <gtest/gtest.h>

namespace kinemo::test {
namespace {

TEST(EditCommitRuleTest, ATextIsCommittedWhenHandedInTwiceInARow) {
    struct Case {
        std::vector<std::string> texts;  // what the editor hands in, in order
        std::vector<bool> commits;
    } cases[] = {
        // Typing "12.5" and leaving the cell: each keystroke, then the final text.
        {{"1", "12", "12.", "12.5", "12.5"}, {false, false, false, false, true}},
        // After a commit the same text again starts over.
        {{"7", "7", "7"}, {false, true, false}},
        // Typing a digit and deleting it again: "" differs from "1".
        {{"1", "", "1"}, {false, false, false}},
        // An empty text is a text like any other.
        {{"", ""}, {false, true}},
    };
    for (const Case& c : cases) {
        TEditCommitRule rule;
        for (size_t i = 0; i < c.texts.size(); ++i) EXPECT_EQ(rule.Offer(c.texts[i]), c.commits[i]) << i;
    }
}

TEST(EditCommitRuleTest, TheSentinelIsNothingAKeyboardTypes) {
    const std::string& s = TEditCommitRule::Sentinel();
    EXPECT_EQ(s.size(), 25u);
    EXPECT_EQ(s.substr(0, 23), "d0308|ybh<_lfds$t083q()");
    EXPECT_EQ(s[23], '\x01');
    EXPECT_EQ(s[24], '\x05');
    TEditCommitRule rule;
    EXPECT_EQ(rule.Pending(), s);
    rule.Offer("3");
    rule.Reset();  // an editor closed without a commit
    EXPECT_FALSE(rule.Offer("3"));
}

}  // namespace
}  // namespace kinemo::test
