// User element files: written and read back, owner lookup, numbering, pictures kept
// inside their folder, version refusals.
#include "core/machine/MachineFixture.h"

#include "machine/UserFactorFile.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

const std::string kExt = ".kuf";

struct UserFolders {
    explicit UserFolders(MachineFixture& fx) : files(fx.dir.File("user") + "/"), images(fx.dir.File("img") + "/") {
        std::filesystem::create_directories(files);
        std::filesystem::create_directories(images);
    }
    std::string files, images;
};

void SaveGear(MachineFixture& fx, const UserFolders& u, const std::string& name, double ratio,
              TUserFactorPictures pics = {}) {
    std::unique_ptr<TFactor> gear = fx.Catalog(20).Clone();
    gear->FindInputItemByID(200)->SetValue(ratio);
    WriteUserFactorFile(u.files + name + kExt, *gear, 20, pics, "1.0.0.0", "1.0.0.0");
}

}  // namespace

TEST(UserElements, SavedElementComesBackInItsOwnersBlockWithItsValues) {
    MachineFixture fx;
    UserFolders u(fx);
    SaveGear(fx, u, "Gear1", 7);
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    TFactor* user = fx.blocks->FindFactorByName("Gear1");
    ASSERT_NE(user, nullptr);
    EXPECT_TRUE(user->IsUserFactor());
    EXPECT_EQ(user->ID, TUserFactor::kFirstUserID);
    EXPECT_EQ(user->Block->ID, 1);
    EXPECT_DOUBLE_EQ(user->FindInputItemByID(200)->GetValue(), 7);
    EXPECT_EQ(user->ImagePath, fx.Catalog(20).ImagePath);  // no pictures of its own
    EXPECT_EQ(user->Block->Factors().back().get(), user);  // after the catalog elements

    // In a chain it calculates with its owner's formula and its own values.
    TFactor& placed = fx.Add(user->ID);
    EXPECT_DOUBLE_EQ(placed.FindInputItemByID(200)->GetValue(), 7);
    EXPECT_NEAR(fx.chain->CalcChain(false, false).V, 7, 1e-12);
}

TEST(UserElements, UnknownOwnersAreSkippedButKeepTheirNumber) {
    MachineFixture fx;
    UserFolders u(fx);
    kinemo::test::WriteFile(u.files + "A_orphan" + kExt,
                            "<KinemoUserFactorFile><OwnerFactorID>999</OwnerFactorID></KinemoUserFactorFile>");
    kinemo::test::WriteFile(u.files + "B_garbage" + kExt, "not xml at all");
    SaveGear(fx, u, "C_gear", 4);
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    EXPECT_EQ(fx.blocks->FindFactorByName("A_orphan"), nullptr);
    ASSERT_NE(fx.blocks->FindFactorByName("C_gear"), nullptr);
    EXPECT_EQ(fx.blocks->FindFactorByName("C_gear")->ID, TUserFactor::kFirstUserID + 2);
    // Reloading replaces, never duplicates.
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    int count = 0;
    for (auto& f : fx.blocks->FindFactorByID(20)->Block->Factors()) count += f->IsUserFactor();
    EXPECT_EQ(count, 1);
}

// One bad file (a colleague's, a half-copied one) is skipped and named with its reason; the
// others still load and nothing stops.
TEST(UserElements, ABadFileIsSkippedAndNamedTheOthersStillLoad) {
    MachineFixture fx;
    UserFolders u(fx);
    kinemo::test::WriteFile(u.files + "A_value" + kExt,
                            "<KinemoUserFactorFile><OwnerFactorID>20</OwnerFactorID><InputData><Factor><InputData>"
                            "<Value InputDataID=\"200\">abc</Value></InputData></Factor></InputData></KinemoUserFactorFile>");
    kinemo::test::WriteFile(u.files + "B_garbage" + kExt, "not xml at all");
    kinemo::test::WriteFile(u.files + "C_orphan" + kExt,
                            "<KinemoUserFactorFile><OwnerFactorID>999</OwnerFactorID></KinemoUserFactorFile>");
    SaveGear(fx, u, "D_gear", 4);
    ASSERT_NO_THROW(fx.blocks->ReloadUserFactors(u.files, kExt, u.images));
    EXPECT_EQ(fx.blocks->FindFactorByName("A_value"), nullptr);
    ASSERT_NE(fx.blocks->FindFactorByName("D_gear"), nullptr);
    const std::vector<std::string>& problems = fx.blocks->UserFactorProblems();
    ASSERT_EQ(problems.size(), 3u);
    const char* const names[] = {"A_value", "B_garbage", "C_orphan"};
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(problems[i].rfind(u.files + names[i] + kExt + ": ", 0), 0u) << problems[i];
    SaveGear(fx, u, "A_value", 3);  // mended: the list empties with the next reading
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    EXPECT_EQ(fx.blocks->UserFactorProblems().size(), 2u);
    EXPECT_NE(fx.blocks->FindFactorByName("A_value"), nullptr);
}

TEST(UserElements, PictureNamesStayInsideTheImageFolder) {
    MachineFixture fx;
    UserFolders u(fx);
    kinemo::test::WriteFile(u.images + "Gear2Default.png", "picture");
    kinemo::test::WriteFile(fx.dir.File("secret.png"), "outside");
    SaveGear(fx, u, "Gear2", 2, {"Default.png", "/../../secret.png", "../secret.png"});
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    TFactor* user = fx.blocks->FindFactorByName("Gear2");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->ImagePath, u.images + "Gear2Default.png");
    EXPECT_EQ(user->SelectedImagePath, fx.Catalog(20).SelectedImagePath);
    EXPECT_EQ(user->DragImagePath, fx.Catalog(20).DragImagePath);
    EXPECT_FALSE(IsSafeRelativePictureName("a/../../b.png"));
    EXPECT_FALSE(IsSafeRelativePictureName("C:\\x.png"));
    EXPECT_TRUE(IsSafeRelativePictureName("Default.png"));
}

TEST(UserElements, AFileRefusedByTheVersionCheckIsSkipped) {
    MachineFixture fx;
    UserFolders u(fx);
    SaveGear(fx, u, "Old", 2);
    std::vector<std::string> asked;
    fx.services.CheckUserFactorVersion = [&](const std::string& app, const std::string&, const std::string& name) {
        asked.push_back(name + "@" + app);
        return false;
    };
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    EXPECT_EQ(fx.blocks->FindFactorByName("Old"), nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"Old@1.0.0.0"}));
}

TEST(UserElements, ProjectsFindUserElementsByName) {
    MachineFixture fx;
    UserFolders u(fx);
    SaveGear(fx, u, "B_gear", 5);
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    fx.Add(fx.blocks->FindFactorByName("B_gear")->ID);
    pugi::xml_document doc;
    pugi::xml_node section = doc.append_child("FrameChoiceFactor");
    fx.model->SaveToXML(section);
    EXPECT_STREQ(section.child("Factor").child("UserFactor").child("Caption").text().get(), "B_gear");
    EXPECT_STREQ(section.child("Factor").child("UserFactor").child("OwnerFactorID").text().get(), "20");

    // Another listing puts a new file first: the ID changes, the name still finds it.
    SaveGear(fx, u, "A_first", 9);
    fx.blocks->ReloadUserFactors(u.files, kExt, u.images);
    fx.model->LoadFromXML(section);
    ASSERT_EQ(fx.chain->Count(), 2);
    EXPECT_EQ(fx.chain->GetFactor(1)->Name, "B_gear");
    EXPECT_DOUBLE_EQ(fx.chain->GetFactor(1)->FindInputItemByID(200)->GetValue(), 5);
}
