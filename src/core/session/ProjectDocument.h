// The project file: root "KINEMO" with the writing program's and catalog's versions, the
// motor references and report texts of the main window, and five sections that the
// screens owning them write and read through registered section handlers.
#pragma once

#include "base/KinemoError.h"
#include "base/ProjectSection.h"
#include "torque/MotorReference.h"

#include <pugixml.hpp>

#include <array>
#include <optional>
#include <string>

namespace kinemo {

class TCatalogQuery;
class IProgress;
class TKinemoContext;

// A load the user cancelled through its progress: the session puts the previous project
// back, and nobody is told more (the message is empty).
class TProjectLoadCancelled : public TKinemoError {
public:
    TProjectLoadCancelled() : TKinemoError("") {}
};

// What the main window writes itself.
struct TProjectHeader {
    std::optional<TMotorReference> Commit;  // a committed motor
    std::optional<TMotorReference> Option;  // written only without a committed motor
    std::optional<TMotorReference> Cad;     // written only without a committed motor
    std::string PrintHeader;
    std::string PrintComment;  // lines separated by CR LF
};

// The main window's part in loading.
class IProjectLoadHost {
public:
    virtual ~IProjectLoadHost() = default;
    // Before anything is read: first pages shown, commitment released, loading states set.
    virtual void BeginProjectLoad() = 0;
    // Between the pattern and the motor choice sections: commit restores only the
    // committed motor, else option and cad restore the detail screens' motors.
    virtual void RestoreMotors(const std::optional<TMotorReference>& commit,
                               const std::optional<TMotorReference>& option,
                               const std::optional<TMotorReference>& cad) = 0;
    // Always last, also when reading failed or the version was refused.
    virtual void EndProjectLoad() = 0;
};

class TProjectDocument {
public:
    // The context gives the versions written and checked and the dialogs of the version
    // questions; their texts are read with query (the session's, or else the context's).
    explicit TProjectDocument(TKinemoContext& context, TCatalogQuery* query = nullptr)
        : context_(&context), query_(query) {}

    // handler is borrowed; nullptr removes it. A section without a handler is written
    // empty and skipped when read.
    void RegisterSection(TProjectSection section, IProjectSectionHandler* handler);

    // A root element of our own after the five sections (older readers skip it): written
    // only when the handler fills it, read last; a file without it loads the handler with
    // an empty node. handler is borrowed; nullptr removes it.
    void RegisterExtension(const std::string& name, IProjectSectionHandler* handler);

    // The file's text. The same state always gives the same bytes.
    std::string Build(const TProjectHeader& header) const;

    // The document Build writes, as a tree (doc is replaced).
    void BuildTree(const TProjectHeader& header, pugi::xml_document& doc) const;

    // The document of the New command: the root without versions and five empty sections.
    static std::string EmptyDocumentText();

    enum class TLoadResult { Accepted, Refused };
    // Applies a document's text to the screens in the reading order. Unreadable XML, a
    // missing root, a bad motor code or a section's error raise; the host's end step runs
    // in every case. header receives the report texts of an accepted document.
    // source names the text in errors (the file's path).
    TLoadResult Load(const std::string& text, IProjectLoadHost& host, TProjectHeader& header,
                     const std::string& source = "Project file");
    TLoadResult LoadFile(const std::string& path, IProjectLoadHost& host, TProjectHeader& header);
    // Load on a document already parsed or built in memory (a tree of BuildTree).
    TLoadResult LoadTree(const pugi::xml_document& doc, IProjectLoadHost& host, TProjectHeader& header);

    // Where loads report their steps (the parse, each section, the motors, the extension)
    // and are asked whether to stop; borrowed, nullptr for none. A load stopped at a step
    // raises TProjectLoadCancelled and detaches the progress, so that the load putting the
    // previous project back runs to its end.
    void SetProgress(IProgress* progress) { progress_ = progress; }
    IProgress* Progress() const { return progress_; }
    // The steps a load reports.
    static int LoadStepCount();

private:
    // Reports step done (of LoadStepCount()) and stops the load when the user asked to.
    void StepDone(int step);
    TLoadResult LoadDocument(const pugi::xml_document& doc, IProjectLoadHost& host, TProjectHeader& header);
    TLoadResult LoadRoot(pugi::xml_node root, IProjectLoadHost& host, TProjectHeader& header);
    bool VersionsAccepted(pugi::xml_node root) const;
    void LoadSection(pugi::xml_node root, TProjectSection section);

    TKinemoContext* context_;
    TCatalogQuery* query_;
    std::array<IProjectSectionHandler*, kProjectSectionCount> handlers_{};
    std::string extensionName_;
    IProjectSectionHandler* extension_ = nullptr;
    IProgress* progress_ = nullptr;
};

// "MsvID" and "MxcID" of a motor element: none without the element or when a code is
// negative; a missing child counts 0; a code that is not an integer raises. A "UserMotor"
// child names a user-defined motor by its model (its codes are the negative sentinel, so
// readers without user motors see none).
std::optional<TMotorReference> ReadMotorReference(pugi::xml_node element);

}  // namespace kinemo
