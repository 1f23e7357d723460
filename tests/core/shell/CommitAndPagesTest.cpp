// Commit and release of a motor with the option and CAD detail screens, and the sub-page
// change rules with screens that refuse or send the user back.
#include "session/CommitState.h"
#include "shell/SubPageNavigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kinemo;

namespace {

const TMotorReference kMotorA{101, 1};
const TMotorReference kMotorB{202, 3};

// A screen that records what the page rules asked of it.
class TRecordingPage : public IMotorSelectPage {
public:
    TRecordingPage(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    bool canLeave = true;
    bool leftOk = true;
    bool active = false;

    bool CanLeavePage() override {
        log_.push_back(name_ + " can leave");
        return canLeave;
    }
    bool OnPageLeft() override {
        log_.push_back(name_ + " left");
        return leftOk;
    }
    void OnPageEntered(bool committed) override { log_.push_back(name_ + (committed ? " shown" : " entered")); }
    void SetPageActive(bool a) override { active = a; }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class Pages : public ::testing::Test {
protected:
    void SetUp() override {
        nav.SetPage(0, &elements);
        nav.SetPage(1, &pattern);
        nav.SetPage(2, &motor);
    }
    // What the window does on a tab click: ask, then change and apply the rules.
    int Click(int index, bool committed = false) {
        if (!nav.BeforeChange()) return nav.CurrentIndex();
        return nav.AfterChange(index, committed);
    }
    std::vector<std::string> log;
    TRecordingPage elements{"elements", log}, pattern{"pattern", log}, motor{"motor", log};
    TSubPageNavigator nav;
};

}  // namespace

TEST(CommitState, CommitFixesBothDetailScreensAndReleaseReturnsToTheSelections) {
    TCommitState s;
    EXPECT_FALSE(s.CommitLabelVisible());
    EXPECT_TRUE(s.FirstPageEditable());
    s.CommitMotor(kMotorA);
    EXPECT_TRUE(s.CommitLabelVisible());
    EXPECT_FALSE(s.FirstPageEditable());
    EXPECT_TRUE(s.OptionDetailShown());
    EXPECT_FALSE(s.OptionReturnEnabled());
    EXPECT_TRUE(s.CadDetailShown());
    EXPECT_FALSE(s.CadReturnEnabled());
    EXPECT_EQ(s.OptionDetailMotor(), kMotorA);
    EXPECT_EQ(s.CadDetailMotor(), kMotorA);
    s.ReturnFromOptionDetail();  // the return button is disabled while committed
    EXPECT_TRUE(s.OptionDetailShown());

    s.ReleaseCommit();
    EXPECT_FALSE(s.Committed());
    EXPECT_TRUE(s.FirstPageEditable());
    EXPECT_FALSE(s.OptionDetailShown());
    EXPECT_TRUE(s.OptionReturnEnabled());
    EXPECT_FALSE(s.CadDetailShown());
    EXPECT_FALSE(s.OptionDetailMotor().has_value());
}

TEST(CommitState, DetailScreensKeepTheirOwnMotorsAcrossACommit) {
    TCommitState s;
    s.ShowOptionDetail(kMotorB);
    s.ShowCadDetail(kMotorB);
    EXPECT_EQ(s.OptionDetailMotor(), kMotorB);
    s.CommitMotor(kMotorA);
    EXPECT_EQ(s.CadDetailMotor(), kMotorA);
    s.ReleaseCommit();
    // The CAD detail screen gets its own motor back; the option motor stays for the file.
    EXPECT_EQ(s.CadDetailMotor(), kMotorB);
    EXPECT_EQ(s.OptionMotor(), kMotorB);
    s.ShowCadDetail(kMotorA);
    EXPECT_TRUE(s.CadDetailShown());
    s.ReturnFromCadDetail();
    EXPECT_FALSE(s.CadDetailShown());
}

TEST_F(Pages, LeavingTheElementPageAsksBeforeAndChecksAfter) {
    EXPECT_EQ(Click(1), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"elements can leave", "elements left", "pattern entered"}));
    EXPECT_TRUE(pattern.active);
    EXPECT_FALSE(elements.active);
}

TEST_F(Pages, ARefusedLeaveKeepsThePageAndRunsNothingElse) {
    elements.canLeave = false;
    EXPECT_EQ(Click(2), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"elements can leave"}));
    EXPECT_EQ(nav.CurrentIndex(), 0);
}

TEST_F(Pages, AFailedCheckAfterTheChangeSendsTheUserBack) {
    Click(1);
    log.clear();
    pattern.leftOk = false;  // an invalid pattern
    EXPECT_EQ(Click(0), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"pattern can leave", "pattern left"}));
    EXPECT_EQ(nav.CurrentIndex(), 1);
    EXPECT_TRUE(pattern.active);
}

TEST_F(Pages, WithACommittedMotorNothingIsCheckedOrRecomputed) {
    pattern.leftOk = false;
    elements.leftOk = false;
    EXPECT_EQ(Click(1, true), 1);
    EXPECT_EQ(Click(0, true), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"elements can leave", "pattern shown", "pattern can leave",
                                             "elements shown"}));
}

TEST_F(Pages, PagesWithoutScreensLetEveryChangeThrough) {
    TSubPageNavigator empty;
    EXPECT_TRUE(empty.BeforeChange());
    EXPECT_EQ(empty.AfterChange(2, false), 2);
    EXPECT_EQ(empty.CurrentIndex(), 2);
}

TEST_F(Pages, ReturningToTheFirstPageSkipsTheRules) {
    Click(2);
    log.clear();
    nav.ShownWithoutRules(0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(nav.CurrentIndex(), 0);
    EXPECT_FALSE(motor.active);
    // The next change is measured from the first page.
    Click(1);
    EXPECT_EQ(log.front(), "elements can leave");
}
