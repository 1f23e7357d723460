// The command table of the main window.
#include "shell/MainCommands.h"

#include "session/KinemoContext.h"

namespace kinemo {

// Every command has a shortcut of its own; none takes a key a page's grid or editor uses
// (Tab, arrows, Ctrl+C/V, Ctrl+Tab, which moves between pages).
const std::vector<TMainCommand>& MainCommands() {
    using M = TMainMenu;
    using R = TCommandRule;
    static const std::vector<TMainCommand> commands = {
        {"ActionMenuFileCreate", "MenuFileCreate", M::File, "Ctrl+N", false, R::Always, false},
        {"ActionMenuFileOpen", "MenuFileOpen", M::File, "Ctrl+O", false, R::Always, false},
        {"ActionMenuFileSave", "MenuFileSave", M::File, "Ctrl+S", false, R::Always, false},
        {"ActionMenuFileSaveAs", "MenuFileSaveAs", M::File, "Ctrl+Shift+S", false, R::Always, false},
        {"ActionMenuFileExit", "MenuFileExit", M::File, "Ctrl+Q", true, R::Always, false},
        {"ActionMenuOptionMeasure", "MenuOptionMeasure", M::Option, "Ctrl+Shift+U", false, R::Always, false},
        {"ActionMenuChangeDirectory", "MenuChangeDirectory", M::Option, "Ctrl+Shift+F", false, R::Always, false},
        {"ActionMenuOptionLanguage", "MenuOptionLanguage", M::Option, "Ctrl+Shift+L", false, R::Always, false},
        {"ActionMenuOptionCarryValue", "MenuOptionCarryValue", M::Option, "Ctrl+Alt+1", false, R::DebugMode, false},
        {"ActionMenuOptionDrivePattern", "MenuOptionDrivePattern", M::Option, "Ctrl+Alt+2", false, R::DebugMode, false},
        {"ActionMenuOptionCommitMotorValue", "MenuOptionCommitMotorValue", M::Option, "Ctrl+Alt+3", false, R::DebugMode, true},
        {"ActionMenuOptionDefineUserFactor", "DefineUserFactor1", M::Option, "Ctrl+Shift+E", false, R::UserDefineFactor, false},
        {"ActionMenuOptionUserMotors", "MenuOptionUserMotors", M::Option, "Ctrl+Shift+M", false, R::Always, false},
        {"ActionMenuHelpHelp", "MenuHelpHelp", M::Help, "F1", false, R::Always, false},
        {"ActionMenuHelpCatalog", "MenuHelpCatalog", M::Help, "Shift+F1", false, R::Always, false},
        {"ActionMenuHelpManual", "MenuHelpManual", M::Help, "Ctrl+F1", false, R::Always, false},
        {"ActionMenuHelpAbout", "MenuHelpAbout", M::Help, "Ctrl+Shift+F1", true, R::Always, false},
    };
    return commands;
}

const TMainCommand* FindMainCommand(const std::string& name) {
    for (const auto& c : MainCommands())
        if (name == c.Name) return &c;
    return nullptr;
}

const char* MenuTitleKey(TMainMenu menu) {
    switch (menu) {
    case TMainMenu::File: return "MenuFile";
    case TMainMenu::Option: return "MenuOption";
    case TMainMenu::Help: return "MenuHelp";
    }
    return "";
}

bool CommandVisible(const TMainCommand& command, const TRunValues& run) {
    switch (command.Rule) {
    case TCommandRule::Always: return true;
    case TCommandRule::DebugMode: return run.DebugMode;
    case TCommandRule::UserDefineFactor: return run.UserDefineFactor;
    }
    return true;
}

bool CommandEnabled(const TMainCommand& command, bool motorCommitted) {
    return !command.NeedsCommittedMotor || motorCommitted;
}

bool IsHelpCommand(const std::string& name) {
    return name == "ActionMenuHelpHelp" || name == "ActionMenuHelpCatalog" || name == "ActionMenuHelpManual";
}

}  // namespace kinemo
