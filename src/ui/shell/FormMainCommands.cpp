// The main window's command handlers: project, option, debug and help commands.
#include "shell/ChangeDirectoryModel.h"
#include "shell/FormChangeDirectory.h"
#include "shell/FormDebug.h"
#include "shell/FormLanguage.h"
#include "shell/FormUserMotors.h"
#include "shell/UserMotorListModel.h"
#include "shell/LanguageModel.h"
#include "base/UserDialogs.h"
#include "shell/FormMain.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "shell/MainCommands.h"
#include "units/FormOptionMeasure.h"
#include "units/OptionMeasureModel.h"

#include <QAction>
#include <QToolButton>

namespace kinemo {

void TFormMain::ConnectCommands() {
    for (auto& [name, action] : actions_)
        connect(action, &QAction::triggered, this, Guarded([this, name = name] { RunCommand(name); }));
    for (QToolButton* b : toolButtons_) {
        const std::string command = "ActionMenu" + b->objectName().toStdString().substr(std::string("BtnMenu").size());
        QAction* action = actions_.at(command);
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
    }
}

void TFormMain::RunCommand(const std::string& name) {
    TProjectCommands& projects = model_.Projects();
    if (name == "ActionMenuFileCreate") projects.New();
    else if (name == "ActionMenuFileOpen") projects.Open();
    else if (name == "ActionMenuFileSave") projects.Save();
    else if (name == "ActionMenuFileSaveAs") projects.SaveAs();
    else if (name == "ActionMenuFileExit") close();
    else if (name == "ActionMenuOptionMeasure") ActionMenuOptionMeasureExecute();
    else if (name == "ActionMenuChangeDirectory") ActionMenuChangeDirectoryExecute();
    else if (name == "ActionMenuOptionLanguage") ActionMenuOptionLanguageExecute();
    else if (name == "ActionMenuOptionDefineUserFactor") ActionMenuOptionDefineUserFactorExecute();
    else if (name == "ActionMenuOptionUserMotors") ActionMenuOptionUserMotorsExecute();
    else if (name == "ActionMenuOptionCommitMotorValue") ActionMenuOptionCommitMotorValueExecute();
    else if (name == "ActionMenuOptionCarryValue" || name == "ActionMenuOptionDrivePattern") ShowDebugText(name);
    else if (IsHelpCommand(name)) OpenHelp(name);
    else if (name == "ActionMenuHelpAbout") ActionMenuHelpAboutExecute();
}

int TFormMain::ExecDialog(QDialog& dialog) {
    return services_.ExecDialog ? services_.ExecDialog(dialog) : dialog.exec();
}

void TFormMain::ActionMenuOptionMeasureExecute() {
    TOptionMeasureModel measures(context_.Measures(), context_.ValueFormat(),
                                 TOptionMeasureModel::ReadTexts(context_.Query()));
    TFormOptionMeasure dialog(measures, context_.Dialogs(), context_.Folders().SettingsFile(),
                              context_.Run().FontName, this);
    ExecDialog(dialog);
    if (!dialog.RestartRequested()) return;
    model_.RequestRestart();
    close();
}

void TFormMain::ActionMenuChangeDirectoryExecute() {
    TRunValues& run = context_.Run();
    TChangeDirectoryModel folders(run.Settings, {context_.Folders().DocumentsFolder(), context_.Folders().UserFactorFolder()},
                                  TChangeDirectoryModel::ReadTexts(context_.Query()));
    TFormChangeDirectory dialog(folders, *services_.FileDialogs, run.FontName, this);
    if (ExecDialog(dialog) == QDialog::Accepted) model_.ApplyFolders(folders.Accept(run.Settings));
}

void TFormMain::ActionMenuOptionLanguageExecute() {
    TLanguageModel languages(context_.ProgramFolder(), context_.Folders().SettingsFile(),
                             TLanguageModel::ReadTexts(context_.Query()));
    TFormLanguage dialog(languages, context_.Run().FontName, this);
    if (ExecDialog(dialog) != QDialog::Accepted || !languages.Accept(dialog.ChosenIndex())) return;
    context_.Dialogs().ShowMessageDialog(languages.Text("RestartMessage"), TMsgDlgType::Information, mbOK);
}

void TFormMain::ActionMenuOptionDefineUserFactorExecute() {
    if (!userFactorDialog_) return;  // the user-element screen plugs in here
    userFactorDialog_();
    ResetPages();
}

void TFormMain::ActionMenuOptionUserMotorsExecute() {
    TUserMotorListModel motors(context_, *services_.FileDialogs);
    TFormUserMotors dialog(motors, context_.Run().FontName, this);
    ExecDialog(dialog);
    model_.UserMotorsClosed(motors.Changed());
}

void TFormMain::ShowDebugText(const std::string& command) {
    if (!debug_) return;
    auto source = debugSources_.find(command);
    if (source != debugSources_.end() && source->second) debug_->Append(source->second());
    debug_->show();
    debug_->raise();
}

void TFormMain::ActionMenuOptionCommitMotorValueExecute() {
    if (!model_.CheckCommittedMotorForDebug()) return;
    std::string text;
    {
        TBusyScope busy(context_.BusyCursor());
        text = model_.Session().JudgeCommittedMotorAgain();
    }
    if (!debug_) return;
    debug_->Append(text);
    debug_->show();
    debug_->raise();
}

void TFormMain::OpenHelp(const std::string& command) {
    model_.OpenHelp(command, [this](const THelpTarget& target) {
        const QString t = QString::fromStdString(target.Target);
        return services_.OpenUrl(target.IsWebAddress ? QUrl(t) : QUrl::fromLocalFile(t));
    });
}

}  // namespace kinemo
