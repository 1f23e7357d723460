// The CAD export run against test CAD data programs that succeed or fail in each way: the
// message shown, the target left as it was, and no hand-over file left behind.
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/Registry.h"
#include "cad/HandOverFile.h"
#include "cad/Vantor.h"
#include "cad/VantorExportModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace kinemo {
namespace {

// KRS0101ABS0 (100 W, no brake, straight shaft, no oil seal) and a geared motor.
const TCadMotor kPlain{"KRS0101ABS0", 100101, false};

class VantorExport : public ::testing::Test {
protected:
    VantorExport() : catalog_(test::SampleCatalogPath()), query_(catalog_) {
        texts_ = ReadMessageClass(query_, "form_vantor");
        std::filesystem::create_directory(dir_.File("tmp"));
        services_.HandOverFolder = dir_.File("tmp");
        services_.ProgramFolder = dir_.Path();
        services_.Dialogs = &dialogs_;
        services_.TimeLimitMs = 5000;
    }

    // A CAD data program written as a shell script; it logs its arguments and whether the
    // hand-over file existed while it ran.
    void Register(const std::string& body, bool executable = true) {
        const std::string program = dir_.File("cad.sh");
        test::WriteFile(program, "#!/bin/sh\necho \"$1|$3|$(test -f \"$1\" && echo handover)\" > " + dir_.File("log") +
                                     "\n" + body + "\n");
        ::chmod(program.c_str(), executable ? 0755 : 0644);
        RegisterPath("cad.sh");
    }
    void RegisterPath(const std::string& path) {
        test::WriteFile(dir_.File("registry.ini"), "[App Paths\\Zerith.EXE]\n@=" + path + "\n");
        registry_ = TRegistry({dir_.File("registry.ini")});
        services_.Registry = &registry_;
    }

    TCadExportResult Run(const std::string& name, int imageType = 1, TCadMotor motor = kPlain) {
        TVantor vantor(query_, texts_, services_);
        TCadExportRequest r;
        r.Motor = motor;
        r.ImageType = imageType;
        r.FileName = name;
        r.SaveTypeEntry = imageType == 0 ? "STL triangle mesh, mm (*.stl)" : "DXF drawing, mm (*.dxf)";
        r.BaseFolder = dir_.Path();
        return vantor.Execute(r);
    }

    bool HandOverFolderEmpty() const { return std::filesystem::is_empty(services_.HandOverFolder); }

    test::TempDir dir_;
    TCatalog catalog_;
    TCatalogQuery query_;
    TNameValueList texts_;
    TRegistry registry_;
    test::TRecordingDialogs dialogs_;
    TCadLinkServices services_;
};

struct FailureCase {
    const char* name;
    const char* program;  // script body; "" registers nothing
    const char* expectedKey;
    int timeLimitMs;
    const char* detail;  // a piece of the text below the message: how the program ended, its words
};

TEST_F(VantorExport, EachFailureSaysWhyKeepsTheTargetAndRemovesTheHandOverFile) {
    const FailureCase cases[] = {
        {"no program registered", "", "NotExecVantorError", 5000, ""},
        {"ends without writing the drawing", "exit 0", "NotFindSaveDialogError", 5000, "exit status 0"},
        {"cannot write the target", "echo partial > \"$2\"; echo 'cad: disk full' >&2; exit 1", "CadTargetNotWritten",
         5000, "exit status 1.\nIts message: cad: disk full"},
        {"cannot draw the part data", "echo 'cad: no flange size' >&2; exit 3", "CadPartDataError", 5000,
         "Its message: cad: no flange size"},
        {"misses its part library", "exit 4", "NotFindCDRomError", 5000, "exit status 4"},
        {"refuses its arguments", "echo 'usage: cad' >&2; exit 2", "NotFindSaveDialogError", 5000, "usage: cad"},
        {"crashes", "kill -SEGV $$", "NotFindSaveDialogError", 5000, "signal 11"},
        {"runs past the time limit", "sleep 30", "NotSelectMenuError", 300, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (*c.program) Register(c.program);
        else RegisterPath("");
        services_.TimeLimitMs = c.timeLimitMs;
        test::WriteFile(dir_.File("old.dxf"), "earlier drawing");
        dialogs_.messages.clear();
        dialogs_.answers = {mrYes};  // replace the earlier drawing
        const TCadExportResult r = Run("old");
        EXPECT_EQ(r.Outcome, TCadExportOutcome::Failed);
        EXPECT_EQ(r.MessageKey, c.expectedKey);
        ASSERT_EQ(dialogs_.messages.size(), 2u);
        const std::string& shown = dialogs_.messages[1].text;
        EXPECT_EQ(shown.rfind(texts_.Value(c.expectedKey), 0), 0u) << shown;
        EXPECT_NE(shown.find(c.detail), std::string::npos) << shown;
        EXPECT_EQ(r.Detail.empty(), *c.detail == 0) << r.Detail;
        EXPECT_EQ(dialogs_.messages[1].type, TMsgDlgType::Error);
        EXPECT_FALSE(texts_.Value(c.expectedKey).empty());
        EXPECT_EQ(ReadWholeFile(dir_.File("old.dxf")), "earlier drawing");
        EXPECT_TRUE(HandOverFolderEmpty());
        EXPECT_FALSE(FileExists(dir_.File(".~old.dxf")));
    }
}

TEST_F(VantorExport, ProgramsThatCannotStartAreNotExecVantorError) {
    Register("exit 0", false);  // not executable
    EXPECT_EQ(Run("a").MessageKey, "NotExecVantorError");
    RegisterPath(dir_.File("missing-program"));
    const TCadExportResult r = Run("a");
    EXPECT_EQ(r.MessageKey, "NotExecVantorError");
    EXPECT_NE(r.Detail.find(dir_.File("missing-program") + " does not exist"), std::string::npos) << r.Detail;
    EXPECT_TRUE(HandOverFolderEmpty());
}

TEST_F(VantorExport, ADrawingIsHandedOverWithTargetAndSwitchAndSavedUnderTheTarget) {
    const char* const switches[] = {"/3", "/F", "/L", "/R"};
    Register("cp \"$1\" \"$2\"");
    for (int type = 0; type < 4; ++type) {
        SCOPED_TRACE(switches[type]);
        dialogs_.messages.clear();
        const TCadExportResult r = Run("motor", type);
        ASSERT_EQ(r.Outcome, TCadExportOutcome::Done);
        EXPECT_EQ(r.Target, dir_.File(type == 0 ? "motor.stl" : "motor.dxf"));
        const std::string handedOver = ReadWholeFile(r.Target);
        EXPECT_NE(handedOver.find(std::string("part=KRS0101ABS0") + switches[type] + "\n"), std::string::npos);
        EXPECT_NE(handedOver.find("flange=40\n"), std::string::npos);
        const std::string log = ReadWholeFile(dir_.File("log"));
        EXPECT_EQ(log.substr(log.find('|')), std::string("|") + switches[type] + "|handover\n");
        EXPECT_EQ(log.rfind(dir_.File("tmp/kinemo-"), 0), 0u) << log;
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].text, texts_.Value("Done"));
        EXPECT_TRUE(HandOverFolderEmpty());
        std::remove(r.Target.c_str());
    }
}

TEST_F(VantorExport, OverwriteQuestionOnlyYesReplacesAndNoAnswerLeavesAHandOverFile) {
    Register("echo new > \"$2\"");
    const int answers[] = {mrNo, mrCancel, mrYes};
    for (int answer : answers) {
        test::WriteFile(dir_.File("m.dxf"), "old");
        std::remove(dir_.File("log").c_str());
        dialogs_.messages.clear();
        dialogs_.answers = {answer};
        const TCadExportResult r = Run("m.dxf");
        ASSERT_GE(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].type, TMsgDlgType::Confirmation);
        EXPECT_EQ(dialogs_.messages[0].buttons, static_cast<unsigned>(mbYes | mbNo | mbCancel));
        EXPECT_NE(dialogs_.messages[0].text.find(dir_.File("m.dxf")), std::string::npos);
        EXPECT_EQ(ReadWholeFile(dir_.File("m.dxf")), answer == mrYes ? "new\n" : "old");
        EXPECT_EQ(r.Outcome, answer == mrYes ? TCadExportOutcome::Done : TCadExportOutcome::Cancelled);
        EXPECT_EQ(FileExists(dir_.File("log")), answer == mrYes);  // the program runs only after Yes
        EXPECT_TRUE(HandOverFolderEmpty());
    }
}

TEST_F(VantorExport, BadInputStopsBeforeTheProgramRuns) {
    Register("echo new > \"$2\"");
    struct Case {
        const char* name;
        std::string fileName;
        TCadMotor motor;
        const char* key;
    } cases[] = {
        {"empty file name", "  ", kPlain, "FMissingFileName"},
        {"motor without CAD data", "m", TCadMotor{"NONE", 1, false}, "MissingConfigFileError"},
        {"plain motor read as geared has no gear part", "m", TCadMotor{"KRS0101ABS0", 100101, true}, "MissingConfigFileError"},
        {"target folder missing", dir_.File("no/such/folder/m"), kPlain, "TargetFolderError"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(dir_.File("log").c_str());
        dialogs_.messages.clear();
        const TCadExportResult r = Run(c.fileName, 1, c.motor);
        EXPECT_EQ(r.MessageKey, c.key);
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_FALSE(dialogs_.messages[0].text.empty());
        EXPECT_FALSE(FileExists(dir_.File("log")));
        EXPECT_TRUE(HandOverFolderEmpty());
    }
}

// The shared temporary folder is open to every user: each export makes a new hand-over file
// of its own (unique name, readable by the user only) and removes it; a file planted under
// the old fixed name, or a link there, is neither read nor written through.
TEST_F(VantorExport, EachRunHandsOverAFreshPrivateFileAndNothingPlantedInTheTemporaryFolder) {
    const std::string planted = dir_.File("tmp/tmp.vtg");
    test::WriteFile(dir_.File("victim"), "not to be overwritten");
    ASSERT_EQ(::symlink(dir_.File("victim").c_str(), planted.c_str()), 0);
    Register("stat -c %a \"$1\" > " + dir_.File("mode") + "; echo \"$1\" >> " + dir_.File("names") +
             "; cp \"$1\" \"$2\"");
    std::set<std::string> names;
    for (int run = 0; run < 3; ++run) {
        const TCadExportResult r = Run("m" + std::to_string(run));
        ASSERT_EQ(r.Outcome, TCadExportOutcome::Done);
        EXPECT_NE(ReadWholeFile(r.Target).find("part=KRS0101ABS0/F\n"), std::string::npos);
        EXPECT_EQ(ReadWholeFile(dir_.File("mode")), "600\n");
    }
    const std::string list = ReadWholeFile(dir_.File("names"));
    for (size_t start = 0; start < list.size();) {
        const size_t nl = list.find('\n', start);
        names.insert(list.substr(start, nl - start));
        start = nl + 1;
    }
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(names.count(planted), 0u);
    EXPECT_EQ(ReadWholeFile(dir_.File("victim")), "not to be overwritten");
    EXPECT_EQ(std::filesystem::directory_iterator(dir_.File("tmp"))->path().string(), planted);  // only the plant
    EXPECT_EQ(Run("m", 1, TCadMotor{"NONE", 1, false}).MessageKey, "MissingConfigFileError");
    EXPECT_EQ(ReadWholeFile(dir_.File("victim")), "not to be overwritten");
}

// Every motor of the sample catalog has complete CAD part data: its parts row exists and
// every marker of its template finds a value.
TEST_F(VantorExport, EveryCatalogMotorHasCompleteCadData) {
    query_.SetSQL("SELECT mmp_cd, mmp_model, msv_msmg_cd FROM m_motor_price INNER JOIN t_motor_value ON msv_cd = mmp_msv_cd");
    query_.Open();
    std::vector<std::tuple<int, std::string, bool>> motors;
    for (; !query_.Eof(); query_.Next())
        motors.emplace_back(static_cast<int>(query_.AsInteger(0)), query_.AsString(1), query_.AsInteger(2) == 1);
    query_.Close();
    ASSERT_GT(motors.size(), 1000u);
    int geared = 0;
    for (const auto& [cd, model, isGeared] : motors) {
        const auto row = ReadPartsRow(query_, cd, isGeared);
        ASSERT_TRUE(row) << model;
        const std::string text = HandOverText(*row, "/F");
        EXPECT_NE(text.find("part=" + model + "/F\n"), std::string::npos) << model;
        EXPECT_EQ(text.find("=\n"), std::string::npos) << model << ": a marker without value\n" << text;
        EXPECT_EQ(text.find("{[%]"), std::string::npos) << model;
        EXPECT_EQ(text.find("gear_flange=") != std::string::npos, isGeared) << model;
        geared += isGeared;
    }
    EXPECT_GT(geared, 0);
}

TEST_F(VantorExport, ExportPageFollowsTheImageTypeAndItsSaveTypes) {
    TVantorExportModel page(query_);
    EXPECT_EQ(page.ImageTypeItems().size(), 4u);
    for (const auto& item : page.ImageTypeItems()) EXPECT_FALSE(item.empty());
    EXPECT_FALSE(page.CanExecute());
    page.SetMotor(kPlain, true);
    EXPECT_TRUE(page.CanExecute());
    EXPECT_TRUE(page.ReturnEnabled());
    EXPECT_EQ(page.MotorNumber(), "KRS0101ABS0");
    for (int type : {0, 1, 2, 3}) {
        page.SetImageType(type);
        ASSERT_FALSE(page.FileTypeItems().empty());
        EXPECT_EQ(page.FileType(), 0);
        EXPECT_NE(page.FileTypeItems()[0].find(type == 0 ? "(*.stl)" : "(*.dxf)"), std::string::npos);
    }
    page.SetMotor(TCadMotor{"KRS0401BBK1", 101104, false}, false);
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(page.OutlineData(), (Rows{{"Mounting flange", "□60, pilot ⌀50, 4 holes ⌀5.5 on ⌀70"},
                                        {"Length behind the flange face", "140 (holding brake 32 included)"},
                                        {"Shaft", "⌀14 × 30, key 5 × 20, oil seal"}}));
    page.SetMotor(TCadMotor{"HNP0052BNP05K", 600815, true}, false);
    EXPECT_EQ(page.OutlineData(), (Rows{{"Mounting flange", "□40, pilot ⌀30, 4 holes ⌀4.5 on ⌀46"},
                                        {"Length behind the flange face", "134"},  // "N": without brake
                                        {"Gear head", "1/5, flange □50, pilot ⌀40, 62 long"},
                                        {"Output", "⌀12 × 25, key 4 × 16"}}));
    page.SetMotor(TCadMotor{"HNP0052BNP05K", 0, true}, false);
    EXPECT_TRUE(page.OutlineData().empty());  // no such price row: no part data
    page.SetImageType(9);  // out of range: unchanged
    EXPECT_EQ(page.ImageType(), 3);
    page.SetMotor(std::nullopt, false);
    EXPECT_FALSE(page.CanExecute());
}

TEST_F(VantorExport, TheFileNameFollowsTheDrawingType) {
    TVantorExportModel page(query_);
    page.SetMotor(kPlain, true);
    page.SetFileName("/tmp/drawings/motor3d.stl");
    page.SetImageType(1);
    EXPECT_EQ(page.FileName(), "/tmp/drawings/motor3d.dxf");
    page.SetImageType(2);  // another flat view: the same save types
    EXPECT_EQ(page.FileName(), "/tmp/drawings/motor3d.dxf");
    page.SetImageType(0);
    EXPECT_EQ(page.FileName(), "/tmp/drawings/motor3d.stl");
    page.SetFileName("outline.STL");
    page.SetImageType(3);
    EXPECT_EQ(page.FileName(), "outline.dxf");
    // A name without an extension, or with one of the user's own, is left as typed.
    for (const char* typed : {"motor", "motor.step", "dir.v2/motor"}) {
        page.SetFileName(typed);
        page.SetImageType(0);
        page.SetImageType(1);
        EXPECT_EQ(page.FileName(), typed);
    }
}

TEST_F(VantorExport, AUserMotorIsShownWithTheNoticeThatNoDrawingDataExists) {
    TVantorExportModel page(query_);
    page.ShowMotor(TMotorReference::User("MY400"), false);
    EXPECT_EQ(page.MotorNumber(), "MY400");
    EXPECT_FALSE(page.CanExecute());
    EXPECT_TRUE(page.OutlineData().empty());
    EXPECT_NE(page.NoDrawingNotice().find("MY400"), std::string::npos) << page.NoDrawingNotice();
    EXPECT_NE(page.NoDrawingNotice(), "MY400");  // the catalog's words around the name
    // A catalog motor replaces it, and the notice goes.
    page.ShowMotor(TMotorReference{1034, 105, ""}, false);
    EXPECT_EQ(page.MotorNumber(), "KRS0402BNS0");
    EXPECT_TRUE(page.CanExecute());
    EXPECT_TRUE(page.NoDrawingNotice().empty());
    EXPECT_FALSE(page.OutlineData().empty());
    page.ShowMotor(std::nullopt, false);
    EXPECT_TRUE(page.MotorNumber().empty());
    EXPECT_TRUE(page.NoDrawingNotice().empty());
}

}  // namespace
}  // namespace kinemo
