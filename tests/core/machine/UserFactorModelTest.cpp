// The user element editor's rules: the checks in their order, saving with picture copies
// and the question before replacing, deleting with the pictures, and what a failure leaves.
#include "core/machine/MachineFixture.h"

#include "machine/UserFactorModel.h"
#include "base/AtomicFile.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

// Decodes only files that start with "IMG", so a text file is no picture.
class TTestPictureLoader : public IPictureLoader {
public:
    std::shared_ptr<const void> Load(const std::string& path) override {
        std::string head;
        try {
            head = ReadWholeFile(path).substr(0, 3);
        } catch (const TKinemoError&) {
            return nullptr;
        }
        return head == "IMG" ? std::make_shared<int>(1) : nullptr;
    }
};

struct Editor {
    explicit Editor(MachineFixture& f) : fx(f) {
        fx.images->SetLoader(pictures);
        files = fx.dir.File("user") + "/";
        images = fx.dir.File("img") + "/";
        std::filesystem::create_directories(files);
        std::filesystem::create_directories(images);
        std::filesystem::create_directories(fx.dir.File("mine"));
        for (const char* p : {"mine/Default.bmp", "mine/Select.png", "mine/Drag.png"}) test::WriteFile(fx.dir.File(p), "IMG data");
        test::WriteFile(fx.dir.File("mine/notes.txt"), "just text");
        model = std::make_unique<TUserFactorModel>(
            fx.services, *fx.query, fx.dialogs, TUserFactorPlace{files, images, ".kuf", "1.0.0.0", "1.0.0.0"},
            [this] {
                ++reloads;
                fx.blocks->ReloadUserFactors(files, ".kuf", images);
            });
        Select("Rotary", "Gear");
        model->Pictures = {fx.dir.File("mine/Default.bmp"), fx.dir.File("mine/Select.png"), fx.dir.File("mine/Drag.png")};
    }
    void Select(const std::string& block, const std::string& element) {
        const auto blocks = model->Blocks();
        for (size_t b = 0; b < blocks.size(); ++b)
            if (blocks[b]->Name == block) model->SelectBlock(static_cast<int>(b));
        const auto factors = model->Factors();
        for (size_t i = 0; i < factors.size(); ++i)
            if (factors[i]->Name == element) model->SelectFactor(static_cast<int>(i));
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : fx.dialogs.messages) out.push_back(m.text);
        return out;
    }
    std::vector<std::string> Folder(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    MachineFixture& fx;
    TTestPictureLoader pictures;
    std::string files, images;
    std::unique_ptr<TUserFactorModel> model;
    int reloads = 0;
};

}  // namespace

TEST(UserFactorEditor, ChecksRunInOrderAndTheFirstFailureIsShown) {
    struct Case {
        const char* name;
        std::function<void(Editor&)> spoil;
        const char* elementName;
        const char* message;
        TUserFactorModel::TField focus;
    };
    using F = TUserFactorModel::TField;
    const Case cases[] = {
        {"no element folder", [](Editor& e) { std::filesystem::remove_all(e.files); }, "G1", "DirectoryCheckError", F::None},
        {"element folder is a file",
         [](Editor& e) {
             std::filesystem::remove_all(e.files);
             test::WriteFile(e.files.substr(0, e.files.size() - 1), "x");
         },
         "G1", "DirectoryCheckError", F::None},
        {"no picture folder", [](Editor& e) { std::filesystem::remove_all(e.images); }, "G1", "ImageDirectoryCheckError",
         F::None},
        {"normal picture missing", [](Editor& e) { e.model->Pictures[0] += ".gone"; }, "G1", "DefaultImageCheckError",
         F::DefaultImage},
        {"normal picture is no picture", [](Editor& e) { e.model->Pictures[0] = e.fx.dir.File("mine/notes.txt"); }, "G1",
         "DefaultImageCheckError", F::DefaultImage},
        {"selected picture missing", [](Editor& e) { e.model->Pictures[1].clear(); }, "G1", "SelectImageCheckError",
         F::SelectImage},
        {"drag picture missing", [](Editor& e) { e.model->Pictures[2] += "x"; }, "G1", "DragImageCheckError",
         F::DragImage},
        {"catalog name", [](Editor&) {}, "Table", "TmeCheckError", F::Name},
        {"question mark", [](Editor&) {}, "G?1", "UserFactorNameCheck", F::Name},
        {"slash", [](Editor&) {}, "a/b", "UserFactorNameCheck", F::Name},
        {"empty", [](Editor&) {}, "", "UserFactorNameCheck", F::Name},
        // The folder check comes before the name check.
        {"both folder and name", [](Editor& e) { std::filesystem::remove_all(e.files); }, "G?1", "DirectoryCheckError",
         F::None},
    };
    for (const Case& c : cases) {
        MachineFixture fx;
        Editor e(fx);
        c.spoil(e);
        e.model->Name = c.elementName;
        TUserFactorModel::TField focus = F::None;
        EXPECT_FALSE(e.model->Insert(focus)) << c.name;
        EXPECT_EQ(e.Messages(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(focus, c.focus) << c.name;
        EXPECT_EQ(e.reloads, 0) << c.name;
        if (std::filesystem::is_directory(e.images)) {
            EXPECT_TRUE(e.Folder(e.images).empty()) << c.name;
        }
    }
}

TEST(UserFactorEditor, SavingCopiesThePicturesWritesTheFileAndReloads) {
    MachineFixture fx;
    Editor e(fx);
    e.model->Edited()->FindInputItemByID(200)->SetValue(7);
    e.model->Name = "Gear1";
    TUserFactorModel::TField focus;
    ASSERT_TRUE(e.model->Insert(focus));
    EXPECT_EQ(e.Folder(e.images), (std::vector<std::string>{"Gear1Default.bmp", "Gear1Drag.png", "Gear1Select.png"}));
    EXPECT_EQ(e.Messages(), std::vector<std::string>{"UserFactorCommitCheck"});
    EXPECT_EQ(e.reloads, 1);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file((e.files + "Gear1.kuf").c_str()));
    pugi::xml_node root = doc.child("KinemoUserFactorFile");
    EXPECT_STREQ(root.child("OwnerFactorID").text().get(), "20");
    EXPECT_STREQ(root.child("DefaultImage").text().get(), "Default.bmp");
    TFactor* user = fx.blocks->FindFactorByName("Gear1");
    ASSERT_NE(user, nullptr);
    EXPECT_DOUBLE_EQ(user->FindInputItemByID(200)->GetValue(), 7);
    EXPECT_EQ(user->ImagePath, e.images + "Gear1Default.bmp");
    EXPECT_EQ(e.model->Factors()[static_cast<size_t>(e.model->FactorIndex())], user);
    EXPECT_TRUE(e.model->CanDelete());
    // The editor shows what was saved, not the catalog gear's value.
    EXPECT_DOUBLE_EQ(e.model->Edited()->FindInputItemByID(200)->GetValue(), 7);
    EXPECT_EQ(e.model->Name, "Gear1");

    // A copy of the user element belongs to the catalog gear, and re-saving it keeps its pictures.
    e.Select("Rotary", "Gear1");
    EXPECT_EQ(e.model->OwnerID(), 20);
    EXPECT_EQ(e.model->Pictures[0], e.images + "Gear1Default.bmp");
    e.model->Name = "Gear2";
    ASSERT_TRUE(e.model->Insert(focus));
    pugi::xml_document second;
    ASSERT_TRUE(second.load_file((e.files + "Gear2.kuf").c_str()));
    EXPECT_STREQ(second.child("KinemoUserFactorFile").child("OwnerFactorID").text().get(), "20");
    EXPECT_TRUE(std::filesystem::exists(e.images + "Gear2Default.bmp"));
}

TEST(UserFactorEditor, ReplacingAsksAndCancelWritesNothing) {
    MachineFixture fx;
    Editor e(fx);
    e.model->Name = "Gear1";
    TUserFactorModel::TField focus;
    ASSERT_TRUE(e.model->Insert(focus));
    const std::string before = ReadWholeFile(e.files + "Gear1.kuf");
    std::filesystem::remove(e.images + "Gear1Drag.png");
    e.model->Edited()->FindInputItemByID(200)->SetValue(9);
    fx.dialogs.messages.clear();
    fx.dialogs.answers = {mrCancel};
    EXPECT_FALSE(e.model->Insert(focus));
    EXPECT_EQ(e.Messages(), std::vector<std::string>{"UserFactorUpdateCheck"});
    EXPECT_EQ(ReadWholeFile(e.files + "Gear1.kuf"), before);
    EXPECT_FALSE(std::filesystem::exists(e.images + "Gear1Drag.png"));
    fx.dialogs.answers = {mrOk, mrOk};
    EXPECT_TRUE(e.model->Insert(focus));
    EXPECT_NE(ReadWholeFile(e.files + "Gear1.kuf"), before);
    EXPECT_TRUE(std::filesystem::exists(e.images + "Gear1Drag.png"));
}

// A file that cannot be written is reported with the catalog text; no picture is copied.
TEST(UserFactorEditor, AFailedWriteChangesNothing) {
    MachineFixture fx;
    Editor e(fx);
    e.model->Name = "Gear1";
    std::filesystem::create_directories(e.files + "Gear1.kuf/blocker");  // the file's place is taken by a folder
    TUserFactorModel::TField focus;
    EXPECT_FALSE(e.model->Insert(focus));
    ASSERT_EQ(fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(fx.dialogs.messages[0].text, "UserFactorWriteError: The file \"" + e.files +
                                              "Gear1.kuf\" could not be written (Is a directory).");
    EXPECT_TRUE(e.Folder(e.images).empty());
    EXPECT_EQ(e.reloads, 0);
}

TEST(UserFactorEditor, DeletingAsksThenRemovesFileAndPictures) {
    MachineFixture fx;
    Editor e(fx);
    e.model->Name = "Gear1";
    TUserFactorModel::TField focus;
    ASSERT_TRUE(e.model->Insert(focus));
    e.Select("Rotary", "Gear1");
    ASSERT_TRUE(e.model->CanDelete());
    fx.dialogs.messages.clear();
    fx.dialogs.answers = {mrCancel};
    EXPECT_FALSE(e.model->Delete(focus));
    EXPECT_TRUE(std::filesystem::exists(e.files + "Gear1.kuf"));
    fx.dialogs.answers = {mrOk};
    EXPECT_TRUE(e.model->Delete(focus));
    EXPECT_FALSE(std::filesystem::exists(e.files + "Gear1.kuf"));
    EXPECT_TRUE(e.Folder(e.images).empty());
    EXPECT_EQ(fx.blocks->FindFactorByName("Gear1"), nullptr);
    EXPECT_FALSE(e.model->CanDelete());
    // Deleting it again: there is nothing of that name (the checks need existing pictures).
    e.Select("Rotary", "Gear");
    e.model->Pictures = {fx.dir.File("mine/Default.bmp"), fx.dir.File("mine/Select.png"), fx.dir.File("mine/Drag.png")};
    e.model->Name = "Gear1";
    fx.dialogs.messages.clear();
    fx.dialogs.answers = {mrOk};
    EXPECT_FALSE(e.model->Delete(focus));
    EXPECT_EQ(e.Messages(), (std::vector<std::string>{"UserFactorDeleteCheck", "UserFactorMissingCheck"}));
    EXPECT_EQ(focus, TUserFactorModel::TField::Name);
}

TEST(UserFactorEditor, CatalogElementsCannotBeDeletedAndTextsAreRead) {
    MachineFixture fx;
    Editor e(fx);
    EXPECT_FALSE(e.model->CanDelete());
    EXPECT_TRUE(e.model->CanInsert());
    EXPECT_EQ(e.model->OwnerName(), "Gear");
    EXPECT_EQ(e.model->BlockName(), "Rotary");
    EXPECT_EQ(e.model->Headings(), (std::vector<std::string>{"Item", "Value", "Unit"}));
    EXPECT_EQ(e.model->Text("TmeCheckError"), "TmeCheckError");
}
