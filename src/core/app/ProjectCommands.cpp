// Project commands.
#include "app/ProjectCommands.h"

#include "base/AtomicFile.h"
#include "app/KinemoContext.h"
#include "base/NameValueList.h"
#include "base/UserDialogs.h"

#include <exception>

namespace kinemo {

namespace {

constexpr const char* kDefaultFilter = "Config File|*.kjb|All File|*.*";
constexpr const char* kDefaultExt = ".kjb";

std::string TextOr(const TNameValueList& texts, const char* key, const char* def) {
    std::string t = texts.Value(key);
    return t.empty() ? def : t;
}

// Keeps the main window disabled while a file is written, also when writing fails.
class TWindowDisabled {
public:
    explicit TWindowDisabled(IProjectCommandHost& host) : host_(host) { host_.SetWindowEnabled(false); }
    ~TWindowDisabled() { host_.SetWindowEnabled(true); }
    TWindowDisabled(const TWindowDisabled&) = delete;
    TWindowDisabled& operator=(const TWindowDisabled&) = delete;

private:
    IProjectCommandHost& host_;
};

}  // namespace

TProjectCommands::TProjectCommands(TKinemoContext& context, TProjectDocument& document, IFileDialogs& files,
                                   IProjectCommandHost& host)
    : context_(&context),
      document_(&document),
      files_(&files),
      host_(&host),
      openFilter_(kDefaultFilter),
      saveFilter_(kDefaultFilter),
      openExt_(kDefaultExt),
      saveExt_(kDefaultExt) {}

void TProjectCommands::SetTexts(const TNameValueList& texts) {
    openFilter_ = TextOr(texts, "OpenDialogXml", kDefaultFilter);
    saveFilter_ = TextOr(texts, "SaveDialogXml", kDefaultFilter);
    openExt_ = TextOr(texts, "OpenDialogXml.DefaultExt", kDefaultExt);
    saveExt_ = TextOr(texts, "SaveDialogXml.DefaultExt", kDefaultExt);
}

TFileDialogRequest TProjectCommands::OpenRequest() const {
    return {openFilter_, openExt_, context_->Run().Settings.SaveFileFolder};
}

TFileDialogRequest TProjectCommands::SaveRequest() const {
    return {saveFilter_, saveExt_, context_->Run().Settings.SaveFileFolder};
}

void TProjectCommands::New() {
    {
        TBusyScope busy(context_->BusyCursor());
        context_->Run().CurrentFileName.clear();
        TProjectHeader header;
        document_->Load(TProjectDocument::EmptyDocumentText(), *host_, header);
        host_->SetReportTexts({}, {});
    }
    host_->ProjectFileChanged();
}

void TProjectCommands::Open() {
    std::optional<std::string> name;
    do {
        name = files_->OpenFileName(OpenRequest());
        if (!name) return;
        if (!FileExists(*name)) *name = WithDefaultExtension(*name, openExt_);
    } while (!FileExists(*name));
    LoadFile(*name);
}

void TProjectCommands::LoadFile(const std::string& path) {
    std::string error;
    bool failed = false;
    {
        TBusyScope busy(context_->BusyCursor());
        try {
            TProjectHeader header;
            if (document_->LoadFile(path, *host_, header) == TProjectDocument::TLoadResult::Accepted) {
                context_->Run().CurrentFileName = path;
                host_->SetReportTexts(header.PrintHeader, header.PrintComment);
            }
        } catch (const std::exception& e) {
            failed = true;
            error = e.what();
        }
    }
    if (failed) {
        context_->Run().CurrentFileName.clear();
        context_->Dialogs().ShowMessageDialog(error, TMsgDlgType::Warning, mbOK);
    }
    host_->ProjectFileChanged();
}

void TProjectCommands::Save() {
    const std::string path = context_->Run().CurrentFileName;
    if (path.empty()) {
        SaveAs();
        return;
    }
    TBusyScope busy(context_->BusyCursor());
    TWindowDisabled disabled(*host_);
    document_->Save(path, host_->CurrentHeader());
}

bool TProjectCommands::SaveAs() {
    std::optional<std::string> name = files_->SaveFileName(SaveRequest());
    if (!name) return false;
    const std::string path = WithDefaultExtension(*name, saveExt_);
    std::string error;
    bool saved = false;
    {
        TBusyScope busy(context_->BusyCursor());
        try {
            document_->Save(path, host_->CurrentHeader());
            context_->Run().CurrentFileName = path;
            saved = true;
        } catch (const std::exception& e) {
            error = e.what();
        }
    }
    if (!saved) context_->Dialogs().ShowMessageDialog(error, TMsgDlgType::Warning, mbOK);
    host_->ProjectFileChanged();
    return saved;
}

void TProjectCommands::OpenCommandLine(const std::vector<std::string>& arguments) {
    // A first argument that names no file is ignored silently.
    if (arguments.empty() || !FileExists(arguments.front())) return;
    context_->Run().CurrentFileName.clear();
    LoadFile(arguments.front());
}

}  // namespace kinemo
