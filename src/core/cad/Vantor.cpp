// The CAD export run.
#include "cad/Vantor.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "base/Registry.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "cad/CadProgram.h"
#include "cad/CadTarget.h"
#include "cad/HandOverFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace kinemo {

namespace {

// Removes a file when the scope ends, whatever way it ends.
class TRemoveOnExit {
public:
    explicit TRemoveOnExit(std::string path) : path_(std::move(path)) {}
    ~TRemoveOnExit() {
        if (!path_.empty()) std::remove(path_.c_str());
    }
    TRemoveOnExit(const TRemoveOnExit&) = delete;
    TRemoveOnExit& operator=(const TRemoveOnExit&) = delete;

private:
    std::string path_;
};

std::string Trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TVantor::TVantor(TCatalogQuery& query, const TNameValueList& texts, const TCadLinkServices& services)
    : query_(query), texts_(texts), services_(services) {}

TCadExportResult TVantor::Fail(TCadExportResult r, const std::string& key, const std::string& argument,
                               const std::string& detail) {
    r.Outcome = TCadExportOutcome::Failed;
    r.MessageKey = key;
    r.Detail = detail;
    std::string text = argument.empty() ? texts_.Value(key) : FormatText(texts_.Value(key), {argument});
    if (!detail.empty()) text += "\n\n" + detail;
    if (services_.Dialogs) services_.Dialogs->ShowMessageDialog(text, TMsgDlgType::Error, mbOK);
    return r;
}

std::string TVantor::RunDetail(const std::string& program, const TCadRunResult& run) const {
    std::string detail;
    if (run.Status == TCadRunStatus::Finished) {
        detail = run.Signal ? FormatText(texts_.Value("CadEndedBySignal"), {program, std::to_string(run.Signal)})
                            : FormatText(texts_.Value("CadExitStatus"), {program, std::to_string(run.ExitCode)});
    } else if (run.Status == TCadRunStatus::NotStarted && !program.empty()) {
        detail = FormatText(texts_.Value("CadProgramNotRunnable"), {program});
    }
    if (!run.Message.empty()) {
        if (!detail.empty()) detail += "\n";
        detail += FormatText(texts_.Value("CadProgramMessage"), {run.Message});
    }
    return detail;
}

TCadExportResult TVantor::Execute(const TCadExportRequest& request) {
    TCadExportResult r;
    const std::string typed = Trimmed(request.FileName);
    if (typed.empty()) return Fail(r, "FMissingFileName");

    // The hand-over file exists only until the run ends, whatever way it ends.
    std::string handOverPath;
    try {
        handOverPath = WriteHandOverFile(query_, request.Motor.MmpCd, request.Motor.Geared, request.ImageType,
                                         services_.HandOverFolder);
    } catch (const TKinemoError&) {
        // An unwritable temporary folder: reported as the missing hand-over file below.
    }
    TRemoveOnExit handOver(handOverPath);
    if (handOverPath.empty()) return Fail(r, "MissingConfigFileError");

    r.Target = CadTargetFileName(typed, request.SaveTypeEntry, request.BaseFolder);
    const std::string folder = FolderOf(r.Target);
    if (!DirectoryExists(folder) || ::access(folder.c_str(), W_OK) != 0) return Fail(r, "TargetFolderError", folder);

    if (FileExists(r.Target)) {
        const std::string question = FormatText(texts_.Value("ConfirmOverwrite"), {r.Target});
        const int answer = services_.Dialogs
                               ? services_.Dialogs->ShowMessageDialog(question, TMsgDlgType::Confirmation,
                                                                      mbYes | mbNo | mbCancel)
                               : mrCancel;
        if (answer != mrYes) {
            r.Outcome = TCadExportOutcome::Cancelled;
            return r;
        }
    }
    return RunProgram(r, request, handOverPath);
}

TCadExportResult TVantor::RunProgram(TCadExportResult r, const TCadExportRequest& request,
                                      const std::string& handOver) {
    // The program writes beside the target under a passing name; only a complete drawing
    // replaces the target, so a failed run never destroys an earlier drawing.
    const std::string passing = FolderOf(r.Target) + "/.~" + FileNameOf(r.Target);
    std::remove(passing.c_str());
    TRemoveOnExit passingGuard(passing);
    TCadRunResult run;
    const std::string program =
        services_.Registry ? FindCadProgram(*services_.Registry, services_.ProgramFolder) : std::string();
    {
        TBusyScope busy(services_.Busy);
        run = RunCadProgram(program, {handOver, passing, ImageTypeSwitch(request.ImageType)},
                            services_.TimeLimitMs, services_.Wait);
    }
    const std::string detail = RunDetail(program, run);
    switch (run.Status) {
    case TCadRunStatus::NotStarted: return Fail(r, "NotExecVantorError", "", detail);
    case TCadRunStatus::TimedOut: return Fail(r, "NotSelectMenuError", "", detail);
    case TCadRunStatus::Finished: break;
    }
    // Each failure the program reports by its exit status gets its own message.
    if (run.Signal == 0) switch (run.ExitCode) {
        case cadExitDone: break;
        case cadExitTargetNotWritable: return Fail(r, "CadTargetNotWritten", "", detail);
        case cadExitPartData: return Fail(r, "CadPartDataError", "", detail);
        case cadExitPartLibrary: return Fail(r, "NotFindCDRomError", "", detail);
        default: return Fail(r, "NotFindSaveDialogError", "", detail);
        }
    if (run.Signal != 0 || !FileExists(passing)) return Fail(r, "NotFindSaveDialogError", "", detail);
    if (std::rename(passing.c_str(), r.Target.c_str()) != 0)
        return Fail(r, "CadTargetNotWritten", "", r.Target + ": " + std::strerror(errno));
    r.Outcome = TCadExportOutcome::Done;
    r.MessageKey = "Done";
    if (services_.Dialogs) services_.Dialogs->ShowMessageDialog(texts_.Value("Done"), TMsgDlgType::Information, mbOK);
    return r;
}

}  // namespace kinemo
