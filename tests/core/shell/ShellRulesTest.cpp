// The folder dialog's rules, the close rule and the command table of the main window.
#include "shell/ChangeDirectoryModel.h"
#include "shell/CloseRule.h"
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "shell/MainCommands.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TRecordingDialogs;

namespace {

TUserSettings Current() {
    TUserSettings s;
    s.SaveFileFolder = "/home/u/jobs/";
    s.UserFactorFileFolder = "/home/u/elements/";
    s.UserFactorImageFolder = "/home/u/pictures/";
    s.PaperSize = 3;
    return s;
}

using Folder = TChangeDirectoryModel::TFolder;

}  // namespace

TEST(ChangeDirectory, BoxesStartWithTheCurrentFoldersAndTextsByControlName) {
    TNameValueList texts;
    texts.SetValue("ButtonOK", "OK");
    TChangeDirectoryModel m(Current(), {"/opt/kinemo/", "/home/u/.config/Kinemo/custom_factor/"}, texts);
    EXPECT_EQ(m.Folder(Folder::SaveFile), "/home/u/jobs/");
    EXPECT_EQ(m.Folder(Folder::UserFactorImage), "/home/u/pictures/");
    EXPECT_EQ(m.Text("ButtonOK"), "OK");
    EXPECT_EQ(m.Text("ButtonCancel"), "");
    EXPECT_STREQ(TChangeDirectoryModel::EditName(Folder::UserFactorFile), "EditDirUserFactorFile");
}

TEST(ChangeDirectory, BrowsedFoldersGetATrailingDelimiterAndCancelledBrowsingChangesNothing) {
    TChangeDirectoryModel m(Current(), {"/opt/kinemo/", "/cfg/"}, {});
    m.FolderChosen(Folder::UserFactorFile, "/data/elements");
    EXPECT_EQ(m.Folder(Folder::UserFactorFile), "/data/elements/");
    m.FolderChosen(Folder::SaveFile, "");
    EXPECT_EQ(m.Folder(Folder::SaveFile), "/home/u/jobs/");
}

TEST(ChangeDirectory, OkAddsDelimitersKeepsPaperSizeAndGivesEmptiedBoxesTheirDefaults) {
    TChangeDirectoryModel m(Current(), {"/opt/kinemo/", "/cfg/"}, {});
    m.SetFolder(Folder::SaveFile, "/typed/by/hand");
    m.SetFolder(Folder::UserFactorFile, "");
    m.SetFolder(Folder::UserFactorImage, "");
    const TUserSettings s = m.Accept(Current());
    EXPECT_EQ(s.SaveFileFolder, "/typed/by/hand/");
    EXPECT_EQ(s.UserFactorFileFolder, "/cfg/");
    EXPECT_EQ(s.UserFactorImageFolder, "/cfg/");
    EXPECT_EQ(s.PaperSize, 3);
    TChangeDirectoryModel empty(Current(), {"/opt/kinemo/", "/cfg/"}, {});
    empty.SetFolder(Folder::SaveFile, "");
    EXPECT_EQ(empty.Accept(Current()).SaveFileFolder, "/opt/kinemo/");
}

TEST(CloseRule, SettingsAreWrittenBeforeTheQuestionWhateverTheAnswer) {
    for (int answer : {mrCancel, mrNo, mrYes}) {
        TRecordingDialogs dialogs;
        dialogs.answers = {answer};
        std::vector<std::string> order;
        ConfirmClose([&] { order.push_back("settings"); }, "Save?", dialogs, [&] {
            order.push_back("save as");
            return true;
        });
        ASSERT_FALSE(order.empty());
        EXPECT_EQ(order.front(), "settings");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Confirmation);
        EXPECT_EQ(dialogs.messages[0].buttons, unsigned(mbYes | mbNo | mbCancel));
    }
}

TEST(CloseRule, CancelKeepsNoClosesYesClosesOnlyWhenSaved) {
    auto run = [](int answer, bool saveResult, bool* saveAsRan) {
        TRecordingDialogs dialogs;
        dialogs.answers = {answer};
        return ConfirmClose([] {}, "Save?", dialogs, [&] {
            *saveAsRan = true;
            return saveResult;
        });
    };
    bool ran = false;
    EXPECT_FALSE(run(mrCancel, true, &ran));
    EXPECT_FALSE(ran);
    EXPECT_TRUE(run(mrNo, false, &ran));
    EXPECT_FALSE(ran);
    EXPECT_TRUE(run(mrYes, true, &ran));
    EXPECT_TRUE(ran);
    ran = false;
    EXPECT_FALSE(run(mrYes, false, &ran));
    EXPECT_TRUE(ran);
    EXPECT_FALSE(run(mrNone, true, &ran));  // dialog closed without an answer
}

TEST(CloseRule, NoQuestionTextClosesAtOnce) {
    TRecordingDialogs dialogs;
    EXPECT_TRUE(ConfirmClose([] {}, "", dialogs, [] { return false; }));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(CloseRule, ASettingsFailureIsShownAndTheQuestionStillDecides) {
    TRecordingDialogs dialogs;
    dialogs.answers = {mrOk, mrNo};
    EXPECT_TRUE(ConfirmClose([] { throw TKinemoError("Can not write file /ro/kinemo.ini: Permission denied"); },
                             "Save?", dialogs, [] { return false; }));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].type, TMsgDlgType::Error);
    EXPECT_EQ(dialogs.messages[0].text, "Can not write file /ro/kinemo.ini: Permission denied.");
    EXPECT_EQ(dialogs.messages[1].text, "Save?");
}

TEST(MainCommands, ShortcutsAndMenus) {
    EXPECT_STREQ(FindMainCommand("ActionMenuFileCreate")->Shortcut, "Ctrl+N");
    EXPECT_STREQ(FindMainCommand("ActionMenuFileOpen")->Shortcut, "Ctrl+O");
    EXPECT_STREQ(FindMainCommand("ActionMenuFileSave")->Shortcut, "Ctrl+S");
    EXPECT_STREQ(FindMainCommand("ActionMenuFileSaveAs")->Shortcut, "Ctrl+Shift+S");
    EXPECT_TRUE(FindMainCommand("ActionMenuFileExit")->SeparatorBefore);
    EXPECT_EQ(FindMainCommand("ActionMenuChangeDirectory")->Menu, TMainMenu::Option);
    EXPECT_EQ(FindMainCommand("ActionMenuHelpManual")->Menu, TMainMenu::Help);
    EXPECT_EQ(FindMainCommand("ActionMenuOptionLanguage")->Menu, TMainMenu::Option);
    EXPECT_STREQ(FindMainCommand("ActionMenuOptionDefineUserFactor")->MenuItem, "DefineUserFactor1");
    EXPECT_EQ(FindMainCommand("NoSuchCommand"), nullptr);
    EXPECT_EQ(FindMainCommand("ActionMenuOptionUserMotors")->Menu, TMainMenu::Option);
    EXPECT_STREQ(FindMainCommand("ActionMenuOptionUserMotors")->Shortcut, "Ctrl+Shift+M");
    EXPECT_EQ(MainCommands().size(), 17u);  // with Language, About and the user motors
}

TEST(MainCommands, DebugCommandsFollowDebugModeAndUserElementsTheirSetting) {
    TRunValues run;
    auto visible = [&](const char* name) { return CommandVisible(*FindMainCommand(name), run); };
    EXPECT_TRUE(visible("ActionMenuOptionMeasure"));
    EXPECT_FALSE(visible("ActionMenuOptionCarryValue"));
    EXPECT_FALSE(visible("ActionMenuOptionDrivePattern"));
    EXPECT_FALSE(visible("ActionMenuOptionCommitMotorValue"));
    EXPECT_FALSE(visible("ActionMenuOptionDefineUserFactor"));
    run.DebugMode = true;
    run.UserDefineFactor = true;
    EXPECT_TRUE(visible("ActionMenuOptionCarryValue"));
    EXPECT_TRUE(visible("ActionMenuOptionCommitMotorValue"));
    EXPECT_TRUE(visible("ActionMenuOptionDefineUserFactor"));
}

TEST(MainCommands, OnlyTheCommitValueCommandWaitsForACommittedMotor) {
    for (const auto& c : MainCommands()) {
        EXPECT_TRUE(CommandEnabled(c, true)) << c.Name;
        EXPECT_EQ(CommandEnabled(c, false), std::string(c.Name) != "ActionMenuOptionCommitMotorValue") << c.Name;
    }
}
