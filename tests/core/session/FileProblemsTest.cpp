// Files of the user's folders that come from others: each bad one is skipped and named with
// its path and reason in the catalog's words, a bad setting falls back to its default, and
// everything else loads.
#include "session/KinemoContext.h"
#include "base/AtomicFile.h"
#include "base/UserSettings.h"
#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/UserFactorFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kinemo;

TEST(FileProblems, EachBadFileIsSkippedAndNamedOnceWithItsReason) {
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TSpecialFolder folders(dir.File("cfg"));
    const std::string elements = folders.UserFactorFolder(), motors = folders.UserMotorFolder();
    test::WriteFile(elements + "PicturedDefault.png", "");  // a picture nothing can show
    test::WriteFile(folders.SettingsFile(), "[Print]\nPaperSize=abc\n");
    std::filesystem::copy_file(std::string(KINEMO_SOURCE_DIR) + "/examples/user_motor_MY400.kmt",
                               motors + "A-received.kmt");

    TKinemoContext ctx(test::SampleCatalogPath(), folders, dialogs);
    ASSERT_TRUE(ctx.ReadCatalogConfig());
    std::unique_ptr<TFactor> coupling = ctx.Blocks().FindFactorByID(101)->Clone();
    WriteUserFactorFile(elements + "Pictured.kuf", *coupling, 101, {"Default.png", "", ""},
                        ctx.Run().ApplicationVersionText, ctx.Run().MdbVersionText);
    // A colleague's file of the same versions with a value that is no number.
    std::string broken = ReadWholeFile(elements + "Pictured.kuf");
    const size_t value = broken.find("InputDataID=\"10101\"");
    ASSERT_NE(value, std::string::npos) << broken;
    const size_t start = broken.find('>', value) + 1;
    broken.replace(start, broken.find('<', start) - start, "abc");
    test::WriteFile(elements + "Broken.kuf", broken);
    ASSERT_NO_THROW(ctx.ReloadUserFactors());

    const TFactor* pictured = ctx.Blocks().FindFactorByName("Pictured");
    ASSERT_NE(pictured, nullptr);
    EXPECT_EQ(pictured->ImagePath, coupling->ImagePath);  // the owner's picture stands in
    EXPECT_EQ(ctx.Blocks().FindFactorByName("Broken"), nullptr);
    EXPECT_EQ(ctx.Run().Settings.PaperSize, 0);
    EXPECT_EQ(ctx.FileProblems(),
              (std::vector<std::string>{
                  "The file \"" + elements + "Broken.kuf\" was skipped: the value \"abc\" of Outer diameter is not a "
                  "number the element can show.",
                  "The settings file \"" + folders.SettingsFile() + "\" holds PaperSize=abc, which is not a valid "
                  "value; 0 is used instead.",
                  "The file \"" + elements + "PicturedDefault.png\" was skipped: it is not a picture the program can "
                  "show.",
                  "The file \"" + motors + "A-received.kmt\" was skipped: the data sheet is for the motor \"MY400\", "
                  "so its file must be named MY400.kmt; it is not used."}));
    EXPECT_TRUE(dialogs.messages.empty());  // named by the caller, once
}
