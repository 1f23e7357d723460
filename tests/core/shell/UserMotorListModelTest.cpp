// The user motor dialog's rules: rows from the user folder, adding a sheet file chosen in
// the file dialog, refusals shown with the catalog's message and nothing stored, removal
// only after the user confirms, and the folder's broken sheets among the messages.
#include "shell/UserMotorListModel.h"

#include "base/UserDialogs.h"
#include "support/ExampleSession.h"
#include "support/ScriptedFileDialogs.h"
#include "support/UserMotorSheets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace kinemo;

namespace {

// The stored sheet of model written elsewhere as a file to add, with one value changed.
std::string SheetFile(test::ExampleSession& job, const std::string& stored, const std::string& model,
                      const std::string& element = "", const std::string& value = "") {
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    TUserMotorSheet sheet = TUserMotorSheet::Read(job.ctx->Folders().UserMotorFolder() + stored + ".kmt", texts);
    sheet.SetValue("Model", model);
    if (!element.empty()) sheet.SetValue(element, value);
    const std::string path = job.dir.File(model + "-in.kmt");
    sheet.Write(path);
    return path;
}

}  // namespace

TEST(UserMotorListModel, AddsRefusesAndRemoves) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    test::TScriptedFileDialogs files;
    test::StoreUserMotor(job, "KRS0402ANS0", "MY-400");
    TUserMotorListModel model(*job.ctx, files);
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    ASSERT_EQ(model.RowCount(), 1);
    ASSERT_EQ(model.ColumnCount(), 7);
    EXPECT_EQ(model.Heading(0) + "," + model.Heading(1), texts.Label("ListHeading").substr(0, model.Heading(0).size() + 1 + model.Heading(1).size()));
    EXPECT_EQ(model.CellText(0, 0), "MY-400");
    // The sheet keeps round-trip digits of 1.27 N·m; the list shows the number as typed.
    EXPECT_EQ(model.CellText(0, 2), "1.27");
    EXPECT_EQ(model.CellText(0, 5), "6.2E-5");
    EXPECT_TRUE(model.Messages().empty());

    // Cancelled: nothing asked of the store.
    EXPECT_FALSE(model.AddFromFile());
    ASSERT_EQ(files.openRequests.size(), 1u);
    EXPECT_EQ(files.openRequests[0].Filter, texts.Label("FileFilter"));
    EXPECT_FALSE(model.Changed());

    struct Refusal {
        const char* what;
        std::string path;
        std::string message;  // shown in full
    };
    const std::string notSheet = job.dir.File("notes.kmt");
    { std::ofstream(notSheet) << "no xml"; }
    const Refusal refusals[] = {
        {"negative torque", SheetFile(job, "MY-400", "BAD-1", "RatedTorque", "-1"), "The motor data sheet \"BAD-1\": \"Rated torque [N·m]\" cannot be -1: it must be above 0."},
        {"not a number", SheetFile(job, "MY-400", "BAD-2", "RotorInertia", "1e-5 kg"), "The motor data sheet \"BAD-2\": \"Rotor inertia [kg·m²]\" = \"1e-5 kg\" is not a number."},
        {"bad model name", SheetFile(job, "MY-400", "A B"), "The model name \"A B\" cannot name a motor data sheet: use letters, digits, \"-\", \"_\" and \".\" only "
                                                 "(at most 64)."},
        {"not a sheet", notSheet, "The file \"" + notSheet + "\" is not a motor data sheet (No document element found)."},
    };
    for (const Refusal& r : refusals) {
        files.openNames.push_back(r.path);
        EXPECT_FALSE(model.AddFromFile()) << r.what;
        ASSERT_FALSE(model.Messages().empty()) << r.what;
        EXPECT_EQ(model.Messages()[0], r.message) << r.what;
        EXPECT_EQ(model.RowCount(), 1) << r.what;
        EXPECT_FALSE(model.Changed()) << r.what;
    }

    files.openNames.push_back(SheetFile(job, "MY-400", "MY-ADD"));
    ASSERT_TRUE(model.AddFromFile());
    EXPECT_TRUE(model.Messages().empty()) << "a successful add clears the last refusal";
    ASSERT_EQ(model.RowCount(), 2);
    EXPECT_EQ(model.CellText(1, 0), "MY-ADD");
    EXPECT_EQ(model.CellText(1, 2), model.CellText(0, 2)) << "rated torque copied";
    EXPECT_TRUE(model.Changed());

    // A broken sheet in the folder is shown, not listed.
    { std::ofstream(job.ctx->Folders().UserMotorFolder() + "broken.kmt") << "<KinemoMotor><Model>X</Model></KinemoMotor>"; }
    model.Reload();
    EXPECT_EQ(model.RowCount(), 2);
    ASSERT_EQ(model.Messages().size(), 1u);

    // Removal waits for the user's yes.
    job.dialogs.answers.push_back(mrNo);
    EXPECT_FALSE(model.Remove(0));
    EXPECT_EQ(model.RowCount(), 2);
    ASSERT_FALSE(job.dialogs.messages.empty());
    EXPECT_EQ(job.dialogs.messages.back().text, "Remove the user-defined motor \"MY-400\"? Projects that name it will open without a "
                                                       "committed motor.");
    EXPECT_TRUE(model.Remove(0));
    ASSERT_EQ(model.RowCount(), 1);
    EXPECT_EQ(model.CellText(0, 0), "MY-ADD");
    EXPECT_FALSE(model.Remove(5));
}

// Adding a sheet of a model the user already has replaces it only on the user's yes.
TEST(UserMotorListModel, AddAsksBeforeReplacingAMotorTheUserHas) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    test::TScriptedFileDialogs files;
    test::StoreUserMotor(job, "KRS0402ANS0", "MY-400");
    TUserMotorListModel model(*job.ctx, files);
    const std::string before = model.CellText(0, 2);
    const std::string newer = SheetFile(job, "MY-400", "MY-400", "RatedTorque", "1.1");
    for (int answer : {mrNo, mrYes}) {
        job.dialogs.messages.clear();
        job.dialogs.answers = {answer};
        files.openNames.push_back(newer);
        EXPECT_EQ(model.AddFromFile(), answer == mrYes);
        ASSERT_EQ(job.dialogs.messages.size(), 1u);
        EXPECT_EQ(job.dialogs.messages[0].text, "You already have a data sheet of the motor \"MY-400\". Replace it?");
        EXPECT_EQ(job.dialogs.messages[0].type, TMsgDlgType::Confirmation);
        ASSERT_EQ(model.RowCount(), 1);
        EXPECT_EQ(model.CellText(0, 2), answer == mrYes ? "1.1" : before);
        EXPECT_EQ(model.Changed(), answer == mrYes);
    }
    // A new model is added without a question.
    job.dialogs.messages.clear();
    files.openNames.push_back(SheetFile(job, "MY-400", "MY-500"));
    EXPECT_TRUE(model.AddFromFile());
    EXPECT_TRUE(job.dialogs.messages.empty());
}
