// The message dialog's catalog captions and button texts, its button order and result
// codes, and the "." rule of the default error report.
#include "base/MessageDialogText.h"

#include <gtest/gtest.h>

using namespace kinemo;

namespace {

TMessageDialogText Texts() {
    TNameValueList l;
    l.SetValue("mtWarning", "Achtung");
    l.SetValue("mtConfirmation", "Frage");
    l.SetValue("mbYes", "&Ja");
    l.SetValue("mbNo", "&Nein");
    l.SetValue("mbCancel", "Abbrechen");
    return TMessageDialogText(l);
}

}  // namespace

TEST(MessageDialog, CaptionsComeFromTheCatalogByTypeAndCustomKeepsTheTitle) {
    const TMessageDialogText t = Texts();
    EXPECT_EQ(t.Caption(TMsgDlgType::Warning, "Kinemo"), "Achtung");
    EXPECT_EQ(t.Caption(TMsgDlgType::Confirmation, "Kinemo"), "Frage");
    EXPECT_EQ(t.Caption(TMsgDlgType::Error, "Kinemo"), "");  // missing key: empty caption
    EXPECT_EQ(t.Caption(TMsgDlgType::Information, "Kinemo"), "");
    EXPECT_EQ(t.Caption(TMsgDlgType::Custom, "Kinemo"), "Kinemo");
}

TEST(MessageDialog, ButtonTextsFromTheCatalogExceptTheToAllButtons) {
    const TMessageDialogText t = Texts();
    EXPECT_EQ(t.ButtonText(mbYes), "&Ja");
    EXPECT_EQ(t.ButtonText(mbCancel), "Abbrechen");
    EXPECT_EQ(t.ButtonText(mbOK), "");  // missing key: an empty button text, not the standard one
    EXPECT_FALSE(t.ButtonText(mbNoToAll).has_value());
    EXPECT_FALSE(t.ButtonText(mbYesToAll).has_value());
    EXPECT_TRUE(t.ButtonText(mbHelp).has_value());
}

TEST(MessageDialog, ButtonsComeInTheStandardOrderWhateverTheSet) {
    EXPECT_EQ(DialogButtons(mbCancel | mbNo | mbYes), (std::vector<TMsgDlgButton>{mbYes, mbNo, mbCancel}));
    EXPECT_EQ(DialogButtons(mbHelp | mbYesToAll | mbAll | mbOK),
              (std::vector<TMsgDlgButton>{mbOK, mbAll, mbYesToAll, mbHelp}));
    EXPECT_TRUE(DialogButtons(0).empty());
}

TEST(MessageDialog, ResultCodesAreTheStatedNumbers) {
    EXPECT_EQ(ButtonResult(mbOK), 1);
    EXPECT_EQ(ButtonResult(mbCancel), 2);
    EXPECT_EQ(ButtonResult(mbAbort), 3);
    EXPECT_EQ(ButtonResult(mbRetry), 4);
    EXPECT_EQ(ButtonResult(mbIgnore), 5);
    EXPECT_EQ(ButtonResult(mbYes), 6);
    EXPECT_EQ(ButtonResult(mbNo), 7);
    EXPECT_EQ(ButtonResult(mbAll), 8);
    EXPECT_EQ(ButtonResult(mbHelp), 0);
}

TEST(MessageDialog, EnterAndEscapeButtons) {
    EXPECT_EQ(DefaultButton(mbYes | mbNo | mbCancel), mbYes);
    EXPECT_EQ(DefaultButton(mbOK | mbCancel), mbOK);
    EXPECT_EQ(DefaultButton(mbAbort | mbRetry | mbIgnore), mbRetry);
    EXPECT_FALSE(DefaultButton(mbAbort | mbIgnore).has_value());
    EXPECT_EQ(EscapeButton(mbYes | mbNo | mbCancel), mbCancel);
    EXPECT_EQ(EscapeButton(mbYes | mbNo), mbNo);
    EXPECT_EQ(EscapeButton(mbOK), mbOK);
    EXPECT_FALSE(EscapeButton(mbYes).has_value());
}

TEST(DefaultErrorReport, AppendsAFullStopAfterCharactersAboveIt) {
    EXPECT_EQ(DefaultErrorReportText("Disk full"), "Disk full.");
    EXPECT_EQ(DefaultErrorReportText("Really?"), "Really?.");  // '?' sorts above '.'
    EXPECT_EQ(DefaultErrorReportText("Path /tmp/"), "Path /tmp/.");  // '/' is the first above '.'
    EXPECT_EQ(DefaultErrorReportText("ファイルがありません。"), "ファイルがありません。.");
}

TEST(DefaultErrorReport, KeepsTextsEndingAtOrBelowTheFullStop) {
    EXPECT_EQ(DefaultErrorReportText(""), "");
    EXPECT_EQ(DefaultErrorReportText("Done."), "Done.");
    EXPECT_EQ(DefaultErrorReportText("Stop!"), "Stop!");
    EXPECT_EQ(DefaultErrorReportText("a-"), "a-");
    EXPECT_EQ(DefaultErrorReportText("a, "), "a, ");
}
