// The main window's commands: their names, menus, shortcuts, and when each is visible
// and enabled.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

struct TRunValues;

enum class TMainMenu { File, Option, Help };

// Which run value decides whether a command is shown.
enum class TCommandRule {
    Always,
    DebugMode,         // s_config debug_mode = 1
    UserDefineFactor,  // s_config user_define_factor = 1
};

struct TMainCommand {
    const char* Name;        // action name and its s_message key in class "main_window"
    const char* MenuItem;    // the menu item's name
    TMainMenu Menu;
    const char* Shortcut;    // portable key text, "" for none
    bool SeparatorBefore;
    TCommandRule Rule;
    bool NeedsCommittedMotor;  // enabled only while a motor is committed
};

// In menu order.
const std::vector<TMainCommand>& MainCommands();
const TMainCommand* FindMainCommand(const std::string& name);

// The s_message keys of the three menu titles.
const char* MenuTitleKey(TMainMenu menu);

bool CommandVisible(const TMainCommand& command, const TRunValues& run);
bool CommandEnabled(const TMainCommand& command, bool motorCommitted);

// The help commands, whose msg_symbol names their target.
bool IsHelpCommand(const std::string& name);

}  // namespace kinemo
