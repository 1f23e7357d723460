// The pattern formula store gives the same results whether a run is computed or taken
// again, and forgets earlier results when a text changes.
#include "formula/ProgramCache.h"
#include "pattern/DrivePatternFormulas.h"

#include <gtest/gtest.h>


using namespace kinemo;

TEST(DrivePatternFormulas, RepeatedRunsGiveTheComputedResultsAndFollowTextChanges) {
    TProgramCache programs;
    TDrivePatternFormulas store(&programs);
    store.SetText("SetSpeed", "Frequency = Speed * V");
    for (int repeat = 0; repeat < 2; ++repeat) {
        EXPECT_DOUBLE_EQ(store.Run("SetSpeed", {{"Speed", 12.5}, {"V", 6}}, {"Frequency"})[0], 75);
        EXPECT_DOUBLE_EQ(store.Run("SetSpeed", {{"Speed", 12.5}, {"V", 5}}, {"Frequency"})[0], 62.5);
        EXPECT_DOUBLE_EQ(store.Run("SetSpeed", {{"Speed", -0.0}, {"V", 6}}, {"Frequency"})[0], 0);
    }
    store.SetText("SetSpeed", "Frequency = Speed * V * 2");
    EXPECT_DOUBLE_EQ(store.Run("SetSpeed", {{"Speed", 12.5}, {"V", 6}}, {"Frequency"})[0], 150);
}
