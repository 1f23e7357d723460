// The main window's keyboard: Ctrl+Tab's page order and a shortcut for every command.
#include "shell/MainCommands.h"
#include "shell/PageCycle.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kinemo;

TEST(PageCycle, WorkOrderRoundTheEnd) {
    struct Case {
        const char* name;
        TPagePosition from;
        int step;
        bool cad;
        TPagePosition expected;
    };
    const Case cases[] = {
        {"elements to pattern", {0, 0}, 1, false, {0, 1}},
        {"motor to options", {0, 2}, 1, false, {1, 2}},
        {"options round to elements without CAD", {1, 2}, 1, false, {0, 0}},
        {"options to CAD", {1, 0}, 1, true, {2, 0}},
        {"CAD round to elements", {2, 1}, 1, true, {0, 0}},
        {"back from elements to the last page", {0, 0}, -1, true, {2, 0}},
        {"back from elements without CAD", {0, 0}, -1, false, {1, 0}},
        {"back from options to the motor page", {1, 1}, -1, false, {0, 2}},
        {"back from pattern", {0, 1}, -1, false, {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(CyclePage(c.from, c.step, c.cad), c.expected) << c.name;
}

TEST(MainCommands, EveryCommandHasAShortcutOfItsOwn) {
    std::set<std::string> seen;
    // Keys the pages need for themselves: grids, editors, page cycling.
    const std::set<std::string> reserved = {"Tab", "Ctrl+Tab", "Ctrl+Shift+Tab", "Ctrl+C", "Ctrl+V", "Ctrl+X",
                                            "Ctrl+Z", "Ctrl+A", "Return", "Escape", "Delete"};
    for (const TMainCommand& c : MainCommands()) {
        const std::string key = c.Shortcut;
        EXPECT_FALSE(key.empty()) << c.Name;
        EXPECT_TRUE(seen.insert(key).second) << c.Name << " repeats " << key;
        EXPECT_EQ(reserved.count(key), 0u) << c.Name << " takes " << key;
    }
    EXPECT_STREQ(FindMainCommand("ActionMenuFileSave")->Shortcut, "Ctrl+S");
    EXPECT_EQ(FindMainCommand("ActionMenuHelpAbout")->Menu, TMainMenu::Help);
    EXPECT_FALSE(IsHelpCommand("ActionMenuHelpAbout"));  // it opens no target
}
