// The run-wide objects of one application run, CLI run or test: the catalog connection,
// the user's folders and the read-only catalog data every sizing session shares.
#pragma once

#include "base/SpecialFolder.h"
#include "base/UserSettings.h"

#include <memory>
#include <mutex>
#include <string>

namespace kinemo {

class IBusyCursor;
class IProgress;
class IUserDialogs;
class IPictureLoader;
class TBlockManager;
class TCatalog;
class TCatalogQuery;
class TFactorImage;
class TFilePictureLoader;
struct TInputDataTexts;
struct TMachineServices;
class TErrorMessage;
class TMaterialManager;
class TMeasureManager;
class TPhysicalConstant;
class TProgramCache;
class TSigmoidalCurves;
class TValueFormat;

// Values the main window keeps for the run; other parts read them through the context.
struct TRunValues {
    std::string CurrentFileName;
    bool UserDefineFactor = false;
    bool DebugMode = false;
    int FontCharset = 0;
    int MaxFactorCount = 0;
    std::string FontName;
    std::string VantorRegistryPath;
    std::string VantorLanguage;
    std::string TrueApplicationVersion;
    std::string MdbVersionText;
    std::string ApplicationVersionText;
    bool VantorAvailable = false;
    std::string TempFolder;
    bool RestartRequested = false;
    bool StartupDone = false;
    TUserSettings Settings;
};

// What the context holds is read from the catalog once and then only read, so the sizing
// sessions of several threads share it; everything one project changes or caches belongs
// to its session. Getters that read on first request are safe to call from several
// threads at once. Run(), the folders and user element reloads belong to the thread that
// made the context.
class TKinemoContext {
public:
    // Opens the catalog (raises a clear error naming the file when it cannot) and sets
    // up the per-user folders. dialogs must outlive the context.
    TKinemoContext(const std::string& catalogPath, TSpecialFolder folders, IUserDialogs& dialogs);
    ~TKinemoContext();
    TKinemoContext(const TKinemoContext&) = delete;
    TKinemoContext& operator=(const TKinemoContext&) = delete;

    TCatalog& Catalog() { return *catalog_; }
    // The context's own query, for the thread that made the context (start-up, dialogs);
    // a session reads through its own.
    TCatalogQuery& Query() { return *query_; }
    const TSpecialFolder& Folders() const { return folders_; }
    IUserDialogs& Dialogs() { return *dialogs_; }
    IProgress* Progress() { return progress_; }
    IBusyCursor* BusyCursor() { return busy_; }
    void SetProgress(IProgress* p) { progress_ = p; }
    void SetBusyCursor(IBusyCursor* c) { busy_ = c; }
    // The folder of the program file (for pictures and the default save folder).
    const std::string& ProgramFolder() const { return programFolder_; }
    void SetProgramFolder(const std::string& folder);
    // The installed program's data folder: its registry defaults and the CAD data program
    // named relative to it. Empty (the default): only the user's registry and the PATH.
    const std::string& InstallFolder() const { return installFolder_; }
    void SetInstallFolder(const std::string& folder);

    TRunValues& Run() { return run_; }

    // Catalog singletons, created on first request.
    TErrorMessage& ErrorMessages();
    TMeasureManager& Measures();
    TMaterialManager& Materials();
    TPhysicalConstant& Constants();
    TValueFormat& ValueFormat();

    // The element catalog and what its elements work with (no trace: a session's elements
    // write to the session's). Sessions copy these services with their own query and trace.
    TMachineServices& Machine();
    TBlockManager& Blocks();
    // The desktop application decodes pictures itself; set before Machine() is first used.
    void SetPictureLoader(IPictureLoader& loader) { pictureLoader_ = &loader; }
    // Re-reads the user element files of the user's folder.
    void ReloadUserFactors();
    // Files of the user's folders that were skipped (user elements and user motors, with
    // path and reason) and settings values replaced by their defaults, in the catalog's
    // words; read after ReloadUserFactors. The desktop shows them once at start-up, the
    // command line on stderr.
    std::vector<std::string> FileProblems();

    // Parsed formula texts of the run, shared by every session (the cache locks itself).
    TProgramCache& Programs() { return *programs_; }

    // The S-curve table, read on first request; each session keeps its own copy with its
    // own choice.
    const TSigmoidalCurves& SigmoidalCurves();

    // Start-up steps on the catalog: reads s_config in its order and checks the
    // catalog's application version. False: the user refused the catalog.
    bool ReadCatalogConfig();

private:
    // Guards what is read on first request and the context query those reads use.
    std::recursive_mutex lazyMutex_;
    std::unique_ptr<TCatalog> catalog_;
    std::unique_ptr<TCatalogQuery> query_;
    std::unique_ptr<TCatalogQuery> materialQuery_;
    std::unique_ptr<TCatalogQuery> machineQuery_;  // the element catalog's, under its own lock
    TSpecialFolder folders_;
    IUserDialogs* dialogs_;
    IProgress* progress_ = nullptr;
    IBusyCursor* busy_ = nullptr;
    std::string programFolder_;
    std::string installFolder_;
    TRunValues run_;
    std::unique_ptr<TProgramCache> programs_;
    std::unique_ptr<TErrorMessage> errors_;
    std::unique_ptr<TMeasureManager> measures_;
    std::unique_ptr<TMaterialManager> materials_;
    std::unique_ptr<TPhysicalConstant> constants_;
    std::unique_ptr<TValueFormat> valueFormat_;
    IPictureLoader* pictureLoader_ = nullptr;
    std::unique_ptr<TFilePictureLoader> fileLoader_;
    std::unique_ptr<TInputDataTexts> inputTexts_;
    std::unique_ptr<TFactorImage> images_;
    std::unique_ptr<TMachineServices> machine_;
    std::unique_ptr<TBlockManager> blocks_;
    std::unique_ptr<TSigmoidalCurves> sigmoidalCurves_;
};

}  // namespace kinemo
