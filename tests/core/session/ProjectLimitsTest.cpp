// A project from others is read in bounded time and memory: files beyond the size any
// project can have are refused unread, memos and report comments are held to the comment
// field's size, and entries the program writes once are read once however often repeated.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/FileLimits.h"
#include "base/KinemoError.h"
#include "base/SpecialFolder.h"
#include "machine/InputData.h"
#include "support/TestSupport.h"
#include "torque/UserMotorSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace kinemo;

namespace {

struct Job {
    Job() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    std::string Example() const {
        return ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb");
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

// A file of that size without writing its bytes.
std::string SparseFile(const test::TempDir& dir, const std::string& name, off_t size) {
    const std::string path = dir.File(name);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
    return path;
}

std::string ReplaceBetween(std::string text, const std::string& open, const std::string& close, const std::string& inner) {
    const size_t a = text.find(open);
    const size_t b = text.find(close, a);
    if (a == std::string::npos || b == std::string::npos) return text;
    return text.replace(a + open.size(), b - a - open.size(), inner);
}

}  // namespace

TEST(ProjectLimits, FilesLargerThanTheirKindCanBeAreRefusedUnread) {
    Job job;
    const std::string project = SparseFile(job.dir, "huge.kjb", (off_t{64} << 20) + 1);
    try {
        job.session->LoadProject(project);
        FAIL() << "the project was read";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "The file \"" + project +
                                             "\" is larger than 64 MB, more than a file of its kind can be. It was "
                                             "not read.");
    }
    const std::string sheet = SparseFile(job.dir, "Huge.kmt", (off_t{1} << 20) + 1);
    const TUserMotorTexts texts = TUserMotorTexts::Load(job.ctx->Query(), job.ctx->ErrorMessages());
    try {
        TUserMotorSheet::Read(sheet, texts);
        FAIL() << "the sheet was read";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "The file \"" + sheet +
                                             "\" is larger than 1 MB, more than a file of its kind can be. It was not "
                                             "read.");
    }
    EXPECT_THROW(CheckFileSize(SparseFile(job.dir, "Element.kfr", (off_t{1} << 20) + 1), kMaxSheetFileBytes), TFileTooLarge);
    EXPECT_NO_THROW(CheckFileSize(SparseFile(job.dir, "Small.kfr", off_t{1} << 20), kMaxSheetFileBytes));
    EXPECT_EQ(ReadLimitedFile(SparseFile(job.dir, "Exact.kfr", 10), 10), std::string(10, '\0'));
}

TEST(ProjectLimits, MemosAndTheReportCommentAreHeldToTheCommentFieldsSize) {
    Job job;
    std::string lines;
    for (int i = 1; i <= 9; ++i) lines += "line " + std::to_string(i) + "\n";
    std::string text = ReplaceBetween(job.Example(), "<Value InputDataID=\"-3\">", "</Value>", lines);
    text.replace(text.find("<FrameChoiceFactor>"), 0, "<PrintComment>" + std::string(5000, 'c') + "</PrintComment>\n");
    ASSERT_EQ(job.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    const std::string saved = job.session->ProjectText();
    EXPECT_NE(saved.find("<Value InputDataID=\"-3\">line 1\nline 2\nline 3\nline 4\nline 5</Value>"), std::string::npos);
    EXPECT_EQ(job.session->PrintCommentText, std::string(TMemoInputData::kMaxChars, 'c'));

    EXPECT_EQ(TMemoInputData::Limited("a\r\nb\r\nc\r\nd\r\ne\r\nf"), "a\r\nb\r\nc\r\nd\r\ne");
    const std::string kana = "\xE3\x81\x82";  // one character, three bytes
    std::string many;
    for (size_t i = 0; i < TMemoInputData::kMaxChars + 3; ++i) many += kana;
    EXPECT_EQ(TMemoInputData::Limited(many).size(), TMemoInputData::kMaxChars * kana.size());
    EXPECT_EQ(TMemoInputData::Limited("short"), "short");
}

// Each CurrentID read selects an entry and queries the catalog again: a file repeating it
// 300 times reads the catalog as often as the file that has it once.
TEST(ProjectLimits, ARepeatedSearchEntryIsReadOnce) {
    Job job;
    const std::string example = job.Example();
    ASSERT_EQ(job.session->LoadProjectText(example), TProjectDocument::TLoadResult::Accepted);
    const std::vector<std::string> codes = job.session->Search().Item(2).Codes;
    ASSERT_FALSE(codes.empty());
    const std::string entry = "<CurrentID>" + codes.back() + "</CurrentID><Where id=\"1\">0</Where>";
    std::string repeated;
    for (int i = 0; i < 300; ++i) repeated += entry;
    const std::string once = ReplaceBetween(example, "<Brake>", "</Brake>", entry);
    const std::string often = ReplaceBetween(example, "<Brake>", "</Brake>", repeated);
    TCatalog& catalog = job.session->Query().Catalog();  // the session reads through its own connection
    long long before = catalog.OpenCount();
    ASSERT_EQ(job.session->LoadProjectText(once), TProjectDocument::TLoadResult::Accepted);
    const long long onceQueries = catalog.OpenCount() - before;
    const std::string onceSaved = job.session->ProjectText();
    before = catalog.OpenCount();
    ASSERT_EQ(job.session->LoadProjectText(often), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(catalog.OpenCount() - before, onceQueries);
    EXPECT_EQ(job.session->ProjectText(), onceSaved);
}

// A project without a drive pattern lists a judged motor five times: it is judged (and its
// refusal shown) once.
TEST(ProjectLimits, AMotorListedOftenIsJudgedAndRefusedOnce) {
    Job job;
    const std::string fresh = job.session->ProjectText();
    ASSERT_FALSE(job.session->Candidates().DisplayList().empty());
    const TMotor& m = *job.session->Candidates().DisplayList().front();
    std::string motors;
    for (int i = 0; i < 5; ++i)
        motors += "<Motor><MsvID>" + std::to_string(m.msv_cd) + "</MsvID><MxcID>" + std::to_string(m.mxc_cd) +
                  "</MxcID></Motor>";
    std::string text = fresh;
    const size_t at = text.find("<AdjudicateMotor />");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::string("<AdjudicateMotor />").size(), "<AdjudicateMotor>" + motors + "</AdjudicateMotor>");
    job.dialogs.messages.clear();
    ASSERT_EQ(job.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
    const std::string refusal = job.ctx->ErrorMessages().GetText("NotInputDrivePattern");
    ASSERT_FALSE(refusal.empty());
    EXPECT_EQ(std::count_if(job.dialogs.messages.begin(), job.dialogs.messages.end(),
                            [&](const test::RecordedMessage& r) { return r.text == refusal; }),
              1);
}
