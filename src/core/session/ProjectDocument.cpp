// Writing and reading project files.
#include "session/ProjectDocument.h"

#include "base/ApplicationVersion.h"
#include "base/AtomicFile.h"
#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "base/FileLimits.h"
#include "base/ScopedRestore.h"
#include "base/UserDialogs.h"
#include "machine/InputData.h"

#include <charconv>
#include <iterator>
#include <sstream>

namespace kinemo {

namespace {

constexpr const char* kRoot = "KINEMO";
constexpr const char* kVersionKeyStem = "ConfigFile";

// The order in which sections are read; the motor references come between the pattern
// and the motor choice, because the motor screen's section refers to the committed motor.
constexpr TProjectSection kReadBeforeMotors[] = {TProjectSection::FrameOptionSelect,
                                                 TProjectSection::FrameChoiceFactor,
                                                 TProjectSection::FrameInputPattern};
constexpr TProjectSection kReadAfterMotors[] = {TProjectSection::FrameChoiceMotor,
                                                TProjectSection::FrameSelectOptionDetail};

// The element a user-defined motor's model name is kept in, beside its sentinel codes.
constexpr const char* kUserMotor = "UserMotor";

void WriteMotor(pugi::xml_node root, const char* name, const TMotorReference& motor) {
    pugi::xml_node e = root.append_child(name);
    e.append_child("MsvID").text().set(std::to_string(motor.MsvID).c_str());
    e.append_child("MxcID").text().set(std::to_string(motor.MxcID).c_str());
    if (motor.IsUser()) e.append_child(kUserMotor).text().set(motor.UserModel.c_str());
}

long long ReadCode(pugi::xml_node element, const char* name) {
    pugi::xml_node child = element.child(name);
    if (!child) return 0;
    std::string text = child.text().as_string();
    const size_t b = text.find_first_not_of(" \t\r\n");
    const size_t e = text.find_last_not_of(" \t\r\n");
    const std::string t = b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
    long long v = 0;
    const char* first = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    auto [p, ec] = std::from_chars(first, t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size())
        throw TKinemoError("'" + text + "' is not a valid integer value");
    return v;
}

// Report comments are CR LF separated, whatever line ends a file was edited with.
std::string CrLfLines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') out += "\r\n";
        else out.push_back(text[i]);
    }
    return out;
}

pugi::xml_document Parse(const std::string& text, const std::string& source) {
    pugi::xml_document doc;
    pugi::xml_parse_result r = doc.load_buffer(text.data(), text.size());
    if (!r)
        throw TKinemoError(source + ": not a readable XML document (" + r.description() + " at byte " +
                           std::to_string(r.offset) + ")");
    if (!doc.child(kRoot)) throw TKinemoError(source + ": not a project file (no root element \"KINEMO\")");
    return doc;
}

}  // namespace

void TProjectDocument::RegisterSection(TProjectSection section, IProjectSectionHandler* handler) {
    handlers_[static_cast<size_t>(section)] = handler;
}

void TProjectDocument::RegisterExtension(const std::string& name, IProjectSectionHandler* handler) {
    extensionName_ = handler ? name : std::string();
    extension_ = handler;
}

std::string TProjectDocument::Build(const TProjectHeader& header) const {
    pugi::xml_document doc;
    BuildTree(header, doc);
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

void TProjectDocument::BuildTree(const TProjectHeader& header, pugi::xml_document& doc) const {
    doc.reset();
    pugi::xml_node root = doc.append_child(kRoot);
    const TRunValues& run = context_->Run();
    root.append_attribute("ApplicationVersion").set_value(run.ApplicationVersionText.c_str());
    root.append_attribute("MDBVersion").set_value(run.MdbVersionText.c_str());
    if (header.Commit) {
        WriteMotor(root, "Commit", *header.Commit);
    } else {
        if (header.Option) WriteMotor(root, "Option", *header.Option);
        if (header.Cad) WriteMotor(root, "Cad", *header.Cad);
    }
    if (!header.PrintHeader.empty()) root.append_child("PrintHeader").text().set(header.PrintHeader.c_str());
    if (!header.PrintComment.empty()) root.append_child("PrintComment").text().set(header.PrintComment.c_str());
    for (int i = 0; i < kProjectSectionCount; ++i) {
        pugi::xml_node section = root.append_child(ProjectSectionName(static_cast<TProjectSection>(i)));
        if (auto* h = handlers_[static_cast<size_t>(i)]) h->SaveSection(section);
    }
    if (extension_) {
        // An empty extension is not written: such a file is byte for byte what it was before.
        pugi::xml_node e = root.append_child(extensionName_.c_str());
        extension_->SaveSection(e);
        if (!e.first_child() && !e.first_attribute()) root.remove_child(e);
    }
}

std::string TProjectDocument::EmptyDocumentText() {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(kRoot);
    for (int i = 0; i < kProjectSectionCount; ++i) root.append_child(ProjectSectionName(static_cast<TProjectSection>(i)));
    std::ostringstream out;
    doc.save(out, "  ");
    return out.str();
}

int TProjectDocument::LoadStepCount() {
    return 1 + static_cast<int>(std::size(kReadBeforeMotors)) + 1 + static_cast<int>(std::size(kReadAfterMotors)) + 1;
}

void TProjectDocument::StepDone(int step) {
    if (!progress_) return;
    progress_->Progress(step, LoadStepCount(), "");
    if (step < LoadStepCount() && progress_->CancelRequested()) throw TProjectLoadCancelled();
}

TProjectDocument::TLoadResult TProjectDocument::Load(const std::string& text, IProjectLoadHost& host,
                                                     TProjectHeader& header, const std::string& source) {
    // A load that does not end accepted is followed by the one putting the previous project
    // back: that one must neither be reported nor be stopped halfway.
    TRestoreOnExit detach([this] { progress_ = nullptr; });
    StepDone(0);
    pugi::xml_document doc = Parse(text, source);
    StepDone(1);
    const TLoadResult result = LoadDocument(doc, host, header);
    if (result == TLoadResult::Accepted) detach.Commit();
    return result;
}

TProjectDocument::TLoadResult TProjectDocument::LoadTree(const pugi::xml_document& doc, IProjectLoadHost& host,
                                                         TProjectHeader& header) {
    if (!doc.child(kRoot)) throw TKinemoError("Illegal Format");
    return LoadDocument(doc, host, header);
}

TProjectDocument::TLoadResult TProjectDocument::LoadFile(const std::string& path, IProjectLoadHost& host,
                                                         TProjectHeader& header) {
    std::string text;
    try {
        text = ReadLimitedFile(path, kMaxProjectFileBytes);
    } catch (const TFileTooLarge& e) {
        throw TKinemoError(FileTooLargeText(context_->ErrorMessages(), e));
    }
    return Load(text, host, header, path);
}

TProjectDocument::TLoadResult TProjectDocument::LoadDocument(const pugi::xml_document& doc, IProjectLoadHost& host,
                                                             TProjectHeader& header) {
    // Parsing came first: an unreadable file or one without the root changes nothing.
    host.BeginProjectLoad();
    TLoadResult result;
    try {
        result = LoadRoot(doc.child(kRoot), host, header);
    } catch (...) {
        host.EndProjectLoad();
        throw;
    }
    host.EndProjectLoad();
    return result;
}

TProjectDocument::TLoadResult TProjectDocument::LoadRoot(pugi::xml_node root, IProjectLoadHost& host,
                                                         TProjectHeader& header) {
    if (!VersionsAccepted(root)) return TLoadResult::Refused;
    int step = 1;
    for (TProjectSection s : kReadBeforeMotors) {
        LoadSection(root, s);
        StepDone(++step);
    }
    std::optional<TMotorReference> commit, option, cad;
    if (pugi::xml_node c = root.child("Commit")) {
        commit = ReadMotorReference(c);
    } else {
        option = ReadMotorReference(root.child("Option"));
        cad = ReadMotorReference(root.child("Cad"));
    }
    host.RestoreMotors(commit, option, cad);
    StepDone(++step);
    for (TProjectSection s : kReadAfterMotors) {
        LoadSection(root, s);
        StepDone(++step);
    }
    if (extension_) extension_->LoadSection(root.child(extensionName_.c_str()));
    StepDone(++step);
    // The report's header and comment from a file are held to what their fields take.
    header = TProjectHeader{commit, option, cad,
                            TMemoInputData::Limited(root.child("PrintHeader").text().as_string()),
                            CrLfLines(TMemoInputData::Limited(root.child("PrintComment").text().as_string()))};
    return TLoadResult::Accepted;
}

bool TProjectDocument::VersionsAccepted(pugi::xml_node root) const {
    const std::string app = root.attribute("ApplicationVersion").as_string();
    const std::string mdb = root.attribute("MDBVersion").as_string();
    if (app.empty() || mdb.empty()) return true;  // files without versions are read unchecked
    const TRunValues& run = context_->Run();
    TCatalogQuery& query = query_ ? *query_ : context_->Query();
    return CheckApplicationVersion(run.ApplicationVersionText, app, kVersionKeyStem, std::nullopt, query,
                                   context_->Dialogs()) &&
           CheckMdbVersion(run.MdbVersionText, mdb, kVersionKeyStem, std::nullopt, query,
                           context_->Dialogs());
}

void TProjectDocument::LoadSection(pugi::xml_node root, TProjectSection section) {
    pugi::xml_node node = root.child(ProjectSectionName(section));
    auto* handler = handlers_[static_cast<size_t>(section)];
    if (node && handler) handler->LoadSection(node);
}

std::optional<TMotorReference> ReadMotorReference(pugi::xml_node element) {
    if (!element) return std::nullopt;
    const std::string user = element.child(kUserMotor).text().as_string();
    if (!user.empty()) return TMotorReference::User(user);
    TMotorReference m{ReadCode(element, "MsvID"), ReadCode(element, "MxcID")};
    if (m.MsvID < 0 || m.MxcID < 0) return std::nullopt;
    return m;
}

}  // namespace kinemo
