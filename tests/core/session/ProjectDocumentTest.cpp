// The project file: its layout and order, identical bytes for identical state, the
// reading order of sections and motor references, version checks and failures.
#include "base/AtomicFile.h"
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "session/ProjectDocument.h"
#include "support/ShellCatalog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TRecordingDialogs;

namespace {

// A screen's section that writes one value and records what it read.
class TLoggingSection : public IProjectSectionHandler {
public:
    TLoggingSection(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    std::string value = "v";
    bool failOnLoad = false;
    void SaveSection(pugi::xml_node section) override { section.append_child("Value").text().set(value.c_str()); }
    void LoadSection(pugi::xml_node section) override {
        log_.push_back(name_ + "=" + section.child("Value").text().as_string());
        if (failOnLoad) throw TKinemoError("Illegal Format");
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class TLoggingHost : public IProjectLoadHost {
public:
    explicit TLoggingHost(std::vector<std::string>& log) : log_(log) {}
    void BeginProjectLoad() override { log_.push_back("begin"); }
    void RestoreMotors(const std::optional<TMotorReference>& commit, const std::optional<TMotorReference>& option,
                       const std::optional<TMotorReference>& cad) override {
        auto text = [](const std::optional<TMotorReference>& m) {
            return m ? std::to_string(m->MsvID) + "/" + std::to_string(m->MxcID) : std::string("-");
        };
        log_.push_back("motors " + text(commit) + " " + text(option) + " " + text(cad));
    }
    void EndProjectLoad() override { log_.push_back("end"); }

private:
    std::vector<std::string>& log_;
};

class ProjectDocument : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeShellCatalog(dir.File("Kinemo.db"));
        context = std::make_unique<TKinemoContext>(dir.File("Kinemo.db"), TSpecialFolder(dir.File("cfg")), dialogs);
        context->ReadCatalogConfig();
        document = std::make_unique<TProjectDocument>(*context);
        for (int i = 0; i < kProjectSectionCount; ++i) {
            auto s = static_cast<TProjectSection>(i);
            sections.push_back(std::make_unique<TLoggingSection>(ProjectSectionName(s), log));
            document->RegisterSection(s, sections.back().get());
        }
    }
    std::string Versions(const std::string& app, const std::string& mdb) {
        return "<KINEMO ApplicationVersion=\"" + app + "\" MDBVersion=\"" + mdb +
               "\"><FrameChoiceFactor><Value>e</Value></FrameChoiceFactor></KINEMO>";
    }
    TProjectDocument::TLoadResult Load(const std::string& text) { return document->Load(text, host, header); }

    test::TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TProjectDocument> document;
    std::vector<std::unique_ptr<TLoggingSection>> sections;
    std::vector<std::string> log;
    TLoggingHost host{log};
    TProjectHeader header;
};

}  // namespace

TEST_F(ProjectDocument, WritesRootVersionsMotorsTextsAndSectionsInOrder) {
    TProjectHeader h{TMotorReference{12, 3}, TMotorReference{7, 7}, std::nullopt, "Press line 4", "a\r\nb"};
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(document->Build(h).c_str()));
    pugi::xml_node root = doc.document_element();
    EXPECT_STREQ(root.name(), "KINEMO");
    EXPECT_EQ(root.attribute("ApplicationVersion").as_string(), context->Run().ApplicationVersionText);
    EXPECT_STREQ(root.attribute("MDBVersion").as_string(), "2.5.0.1");
    std::vector<std::string> names;
    for (pugi::xml_node c : root.children()) names.push_back(c.name());
    // "Option" is not written beside a committed motor.
    EXPECT_EQ(names, (std::vector<std::string>{"Commit", "PrintHeader", "PrintComment", "FrameChoiceFactor",
                                               "FrameInputPattern", "FrameChoiceMotor", "FrameOptionSelect",
                                               "FrameSelectOptionDetail"}));
    EXPECT_STREQ(root.child("Commit").child("MsvID").text().as_string(), "12");
    EXPECT_STREQ(root.child("Commit").child("MxcID").text().as_string(), "3");
    EXPECT_STREQ(root.child("FrameChoiceMotor").child("Value").text().as_string(), "v");
}

TEST_F(ProjectDocument, WithoutACommittedMotorOptionAndCadAreWrittenAndEmptyTextsAreNot) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(document->Build({std::nullopt, TMotorReference{1, 2}, TMotorReference{3, 4}, "", ""}).c_str()));
    pugi::xml_node root = doc.document_element();
    EXPECT_STREQ(root.first_child().name(), "Option");
    EXPECT_STREQ(root.first_child().next_sibling().name(), "Cad");
    EXPECT_FALSE(root.child("PrintHeader"));
    EXPECT_FALSE(root.child("PrintComment"));
}

TEST_F(ProjectDocument, BuildingTwiceGivesTheSameBytes) {
    const TProjectHeader h{TMotorReference{5, 6}, std::nullopt, std::nullopt, "H", "C"};
    const std::string first = document->Build(h);
    EXPECT_EQ(document->Build(h), first);
}

TEST_F(ProjectDocument, ReadsSectionsInTheirOrderWithMotorsBetweenPatternAndMotorChoice) {
    sections[static_cast<size_t>(TProjectSection::FrameChoiceMotor)]->value = "m";
    const std::string text = document->Build({TMotorReference{12, 3}, std::nullopt, std::nullopt, "Head", "x\r\ny"});
    ASSERT_EQ(Load(text), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "FrameOptionSelect=v", "FrameChoiceFactor=v",
                                             "FrameInputPattern=v", "motors 12/3 - -", "FrameChoiceMotor=m",
                                             "FrameSelectOptionDetail=v", "end"}));
    EXPECT_EQ(header.PrintHeader, "Head");
    EXPECT_EQ(header.PrintComment, "x\r\ny");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectDocument, CommitHidesOptionAndCadAndMissingSectionsAreSkipped) {
    ASSERT_EQ(Load("<KINEMO><Option><MsvID>1</MsvID><MxcID>2</MxcID></Option>"
                   "<Commit><MsvID>9</MsvID></Commit><Cad><MsvID>4</MsvID><MxcID>4</MxcID></Cad></KINEMO>"),
              TProjectDocument::TLoadResult::Accepted);
    // A missing MxcID counts 0; no section elements: no screen reads anything.
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "motors 9/0 - -", "end"}));
    log.clear();
    Load("<KINEMO><Option><MsvID>1</MsvID><MxcID>2</MxcID></Option><Cad><MsvID>-1</MsvID></Cad></KINEMO>");
    EXPECT_EQ(log[1], "motors - 1/2 -");  // a negative code names no motor
}

TEST_F(ProjectDocument, ReportCommentsReadWithAnyLineEndComeBackWithCrLf) {
    Load("<KINEMO><PrintComment>one\ntwo\r\nthree</PrintComment></KINEMO>");
    EXPECT_EQ(header.PrintComment, "one\r\ntwo\r\nthree");
}

TEST_F(ProjectDocument, ABuildOnlyVersionDifferenceLoadsSilently) {
    const std::string app = context->Run().ApplicationVersionText;
    EXPECT_EQ(Load(Versions(app.substr(0, app.rfind('.')) + ".99", "2.5.0.7")), TProjectDocument::TLoadResult::Accepted);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectDocument, ARefusedVersionReadsNoSectionButEndsTheLoad) {
    EXPECT_EQ(Load(Versions("99.0.0.0", "2.5.0.1")), TProjectDocument::TLoadResult::Refused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Project of another major version.");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(ProjectDocument, TheCatalogVersionIsCheckedOnlyAfterTheProgramVersionAccepts) {
    dialogs.answers = {mrYes, mrOk};
    const std::string app = context->Run().ApplicationVersionText;  // "1.0.0.0" style
    const std::string otherRelease = app.substr(0, app.find('.', app.find('.') + 1)) + ".77.0";
    EXPECT_EQ(Load(Versions(otherRelease, "9.0.0.0")), TProjectDocument::TLoadResult::Refused);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Project of another release. Open it?");
    EXPECT_EQ(dialogs.messages[1].text, "Project of another catalog.");
}

TEST_F(ProjectDocument, AFileWithoutTheCatalogVersionIsReadUnchecked) {
    EXPECT_EQ(Load("<KINEMO ApplicationVersion=\"99.0.0.0\"/>"), TProjectDocument::TLoadResult::Accepted);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectDocument, UnreadableOrRootlessFilesFailBeforeTouchingTheScreens) {
    EXPECT_THROW(Load("<KINEMO><unclosed></KINEMO>"), TKinemoError);
    EXPECT_THROW(Load("<PROJECT/>"), TKinemoError);
    EXPECT_THROW(Load(""), TKinemoError);
    EXPECT_TRUE(log.empty());
    test::WriteFile(dir.File("bad.kjb"), "not xml");
    try {
        document->LoadFile(dir.File("bad.kjb"), host, header);
        FAIL() << "no error";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), dir.File("bad.kjb") + ": not a readable XML document (No document element found at byte 7)");
    }
}

TEST_F(ProjectDocument, ASectionOrCodeErrorEndsTheLoadAndTheEndStepStillRuns) {
    sections[static_cast<size_t>(TProjectSection::FrameInputPattern)]->failOnLoad = true;
    EXPECT_THROW(Load(TProjectDocument::EmptyDocumentText()), TKinemoError);
    EXPECT_EQ(log.back(), "end");
    log.clear();
    EXPECT_THROW(Load("<KINEMO><Commit><MsvID>12a</MsvID></Commit></KINEMO>"), TKinemoError);
    EXPECT_EQ(log.back(), "end");
}

TEST_F(ProjectDocument, TheEmptyDocumentHasTheFiveSectionsAndNoVersions) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(TProjectDocument::EmptyDocumentText().c_str()));
    EXPECT_FALSE(doc.document_element().first_attribute());
    int n = 0;
    for (pugi::xml_node c : doc.document_element().children()) {
        EXPECT_STREQ(c.name(), ProjectSectionName(static_cast<TProjectSection>(n)));
        EXPECT_FALSE(c.first_child());
        ++n;
    }
    EXPECT_EQ(n, 5);
}

TEST_F(ProjectDocument, UnregisteredSectionsAreWrittenEmpty) {
    document->RegisterSection(TProjectSection::FrameChoiceFactor, nullptr);
    pugi::xml_document doc;
    doc.load_string(document->Build({}).c_str());
    EXPECT_FALSE(doc.document_element().child("FrameChoiceFactor").first_child());
    EXPECT_TRUE(doc.document_element().child("FrameInputPattern").first_child());
}
