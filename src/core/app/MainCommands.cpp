// The command table of the main window.
#include "app/MainCommands.h"

#include "app/KinemoContext.h"

namespace kinemo {

const std::vector<TMainCommand>& MainCommands() {
    using M = TMainMenu;
    using R = TCommandRule;
    static const std::vector<TMainCommand> commands = {
        {"ActionMenuFileCreate", "MenuFileCreate", M::File, "Ctrl+N", false, R::Always, false},
        {"ActionMenuFileOpen", "MenuFileOpen", M::File, "Ctrl+O", false, R::Always, false},
        {"ActionMenuFileSave", "MenuFileSave", M::File, "Ctrl+S", false, R::Always, false},
        {"ActionMenuFileSaveAs", "MenuFileSaveAs", M::File, "", false, R::Always, false},
        {"ActionMenuFileExit", "MenuFileExit", M::File, "", true, R::Always, false},
        {"ActionMenuOptionMeasure", "MenuOptionMeasure", M::Option, "", false, R::Always, false},
        {"ActionMenuChangeDirectory", "MenuChangeDirectory", M::Option, "", false, R::Always, false},
        {"ActionMenuOptionLanguage", "MenuOptionLanguage", M::Option, "", false, R::Always, false},
        {"ActionMenuOptionCarryValue", "MenuOptionCarryValue", M::Option, "", false, R::DebugMode, false},
        {"ActionMenuOptionDrivePattern", "MenuOptionDrivePattern", M::Option, "", false, R::DebugMode, false},
        {"ActionMenuOptionCommitMotorValue", "MenuOptionCommitMotorValue", M::Option, "", false, R::DebugMode, true},
        {"ActionMenuOptionDefineUserFactor", "DefineUserFactor1", M::Option, "", false, R::UserDefineFactor, false},
        {"ActionMenuHelpHelp", "MenuHelpHelp", M::Help, "", false, R::Always, false},
        {"ActionMenuHelpCatalog", "MenuHelpCatalog", M::Help, "", false, R::Always, false},
        {"ActionMenuHelpManual", "MenuHelpManual", M::Help, "", false, R::Always, false},
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
