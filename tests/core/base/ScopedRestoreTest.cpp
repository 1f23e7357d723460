// The undo guards: a value or an action is put back when the scope is left by an
// exception, kept when committed, and run once when run early.
#include "base/ScopedRestore.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kinemo {
namespace {

TEST(ScopedRestore, RestoresOnExceptionAndKeepsOnCommit) {
    std::string value = "old";
    try {
        TScopedRestore<std::string> guard(value, "new");
        EXPECT_EQ(value, "new");
        EXPECT_EQ(guard.Saved(), "old");
        throw std::runtime_error("step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(value, "old");
    {
        TScopedRestore<std::string> guard(value);
        value = "kept";
        guard.Commit();
    }
    EXPECT_EQ(value, "kept");
    {
        TScopedRestore<std::string> guard(value, "changed");
        guard.Restore();
        EXPECT_EQ(value, "kept");
        value = "after";
    }
    EXPECT_EQ(value, "after");  // restored once, early; the later change stays
}

TEST(ScopedRestore, ActionRunsOnExceptionNotAfterCommitAndOnceWhenRunEarly) {
    int undone = 0;
    try {
        TRestoreOnExit undo([&] { ++undone; });
        throw std::runtime_error("step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(undone, 1);
    {
        TRestoreOnExit undo([&] { ++undone; });
        undo.Commit();
    }
    EXPECT_EQ(undone, 1);
    {
        TRestoreOnExit undo([&] { ++undone; });
        undo.RunNow();
        EXPECT_EQ(undone, 2);
    }
    EXPECT_EQ(undone, 2);
}

}  // namespace
}  // namespace kinemo
