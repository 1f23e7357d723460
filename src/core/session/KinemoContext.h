// The run-wide objects of one application run, CLI run or test: the catalog connection,
// the shared query, the user's folders and the catalog-backed services created on
// first request.
#pragma once

#include "base/SpecialFolder.h"
#include "base/UserSettings.h"
#include "pattern/PatternServices.h"

#include <memory>
#include <string>

namespace kinemo {

class IBusyCursor;
class IProgress;
class IUserDialogs;
class IPictureLoader;
class TBlockManager;
class TCalcCarryValue;
struct TCalculationCaches;
class TCalcTrace;
class TCatalog;
class TCatalogQuery;
class TDrivePatternFormulas;
class TFactorImage;
class TFilePictureLoader;
struct TInputDataTexts;
struct TMachineServices;
class TErrorMessage;
class TMaterialManager;
class TMeasureManager;
class TPhysicalConstant;
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

class TKinemoContext {
public:
    // Opens the catalog (raises a clear error naming the file when it cannot) and sets
    // up the per-user folders. dialogs must outlive the context.
    TKinemoContext(const std::string& catalogPath, TSpecialFolder folders, IUserDialogs& dialogs);
    ~TKinemoContext();
    TKinemoContext(const TKinemoContext&) = delete;
    TKinemoContext& operator=(const TKinemoContext&) = delete;

    TCatalog& Catalog() { return *catalog_; }
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

    // The machine model's run-wide objects: element catalog, chain, trace, pictures.
    TMachineServices& Machine();
    TBlockManager& Blocks();
    TCalcCarryValue& Chain();
    TCalcTrace& Trace();
    // The desktop application decodes pictures itself; set before Machine() is first used.
    void SetPictureLoader(IPictureLoader& loader) { pictureLoader_ = &loader; }
    // Re-reads the user element files of the user's folder.
    void ReloadUserFactors();
    // Files of the user's folders that were skipped (user elements and user motors, with
    // path and reason) and settings values replaced by their defaults, in the catalog's
    // words; read after ReloadUserFactors. The desktop shows them once at start-up, the
    // command line on stderr.
    std::vector<std::string> FileProblems();

    // Parsed formula texts and recent results of the run's calculations.
    TCalculationCaches& Caches() { return *caches_; }

    // The drive pattern's formula store and S-curve table, read on first request.
    TDrivePatternFormulas& DrivePatternFormulas();
    TSigmoidalCurves& SigmoidalCurves();

    // Start-up steps on the catalog: reads s_config in its order and checks the
    // catalog's application version. False: the user refused the catalog.
    bool ReadCatalogConfig();

private:
    std::unique_ptr<TCatalog> catalog_;
    std::unique_ptr<TCatalogQuery> query_;
    std::unique_ptr<TCatalogQuery> materialQuery_;
    TSpecialFolder folders_;
    IUserDialogs* dialogs_;
    IProgress* progress_ = nullptr;
    IBusyCursor* busy_ = nullptr;
    std::string programFolder_;
    std::string installFolder_;
    TRunValues run_;
    std::unique_ptr<TCalculationCaches> caches_;
    std::unique_ptr<TErrorMessage> errors_;
    std::unique_ptr<TMeasureManager> measures_;
    std::unique_ptr<TMaterialManager> materials_;
    std::unique_ptr<TPhysicalConstant> constants_;
    std::unique_ptr<TValueFormat> valueFormat_;
    IPictureLoader* pictureLoader_ = nullptr;
    std::unique_ptr<TFilePictureLoader> fileLoader_;
    std::unique_ptr<TInputDataTexts> inputTexts_;
    std::unique_ptr<TCalcTrace> trace_;
    std::unique_ptr<TFactorImage> images_;
    std::unique_ptr<TMachineServices> machine_;
    std::unique_ptr<TBlockManager> blocks_;
    std::unique_ptr<TCalcCarryValue> chain_;
    std::unique_ptr<TDrivePatternFormulas> patternFormulas_;
    std::unique_ptr<TSigmoidalCurves> sigmoidalCurves_;
};

// The pattern services of a run: the context's catalog, units, texts, formula store, chain and S-curves.
TPatternServices PatternServicesOf(TKinemoContext& context);

}  // namespace kinemo
