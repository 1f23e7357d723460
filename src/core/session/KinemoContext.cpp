// Run-wide objects.
#include "session/KinemoContext.h"

#include "base/ApplicationVersion.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/ConfigFile.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "formula/FormulaEngine.h"
#include "formula/ProgramCache.h"
#include "machine/Block.h"
#include "machine/FactorImage.h"
#include "machine/InputData.h"
#include "machine/MachineServices.h"
#include "pattern/SigmoidalCurves.h"
#include "torque/UserMotorSheet.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

namespace kinemo {

TKinemoContext::TKinemoContext(const std::string& catalogPath, TSpecialFolder folders, IUserDialogs& dialogs)
    : catalog_(std::make_unique<TCatalog>(catalogPath)),
      query_(std::make_unique<TCatalogQuery>(*catalog_)),
      folders_(std::move(folders)),
      dialogs_(&dialogs),
      programs_(std::make_unique<TProgramCache>()) {
    size_t slash = catalogPath.rfind('/');
    programFolder_ = slash == std::string::npos ? "./" : catalogPath.substr(0, slash + 1);
    run_.ApplicationVersionText = ApplicationVersionText();
    run_.TempFolder = folders_.TempFolder();
}

TKinemoContext::~TKinemoContext() = default;

void TKinemoContext::SetProgramFolder(const std::string& folder) { programFolder_ = IncludeTrailingDelimiter(folder); }

void TKinemoContext::SetInstallFolder(const std::string& folder) {
    installFolder_ = folder.empty() ? std::string() : IncludeTrailingDelimiter(folder);
}

TErrorMessage& TKinemoContext::ErrorMessages() {
    std::lock_guard lock(lazyMutex_);
    if (!errors_) errors_ = std::make_unique<TErrorMessage>(*query_);
    return *errors_;
}

TMeasureManager& TKinemoContext::Measures() {
    std::lock_guard lock(lazyMutex_);
    if (!measures_) {
        TConfigFile settings(folders_.SettingsFile());
        measures_ = std::make_unique<TMeasureManager>(*query_, &settings);
    }
    return *measures_;
}

TMaterialManager& TKinemoContext::Materials() {
    std::lock_guard lock(lazyMutex_);
    if (!materials_) {
        materialQuery_ = std::make_unique<TCatalogQuery>(*catalog_);
        materials_ = std::make_unique<TMaterialManager>(*materialQuery_);
    }
    return *materials_;
}

TPhysicalConstant& TKinemoContext::Constants() {
    std::lock_guard lock(lazyMutex_);
    if (!constants_) constants_ = std::make_unique<TPhysicalConstant>(*query_);
    return *constants_;
}

TValueFormat& TKinemoContext::ValueFormat() {
    std::lock_guard lock(lazyMutex_);
    if (!valueFormat_) valueFormat_ = std::make_unique<TValueFormat>(folders_.SettingsFile());
    return *valueFormat_;
}

TMachineServices& TKinemoContext::Machine() {
    std::lock_guard lock(lazyMutex_);
    if (machine_) return *machine_;
    if (!pictureLoader_) {
        fileLoader_ = std::make_unique<TFilePictureLoader>();
        pictureLoader_ = fileLoader_.get();
    }
    inputTexts_ = std::make_unique<TInputDataTexts>(TInputDataTexts::Load(*query_));
    machineQuery_ = std::make_unique<TCatalogQuery>(*catalog_);
    images_ = std::make_unique<TFactorImage>(*pictureLoader_);
    machine_ = std::make_unique<TMachineServices>();
    machine_->Query = machineQuery_.get();
    machine_->Measures = &Measures();
    machine_->Texts = inputTexts_.get();
    machine_->Constants = &Constants();
    machine_->Trace = nullptr;
    machine_->Images = images_.get();
    machine_->Programs = programs_.get();
    machine_->ProgramFolder = programFolder_;
    machine_->CheckUserFactorVersion = [this](const std::string& app, const std::string& mdb,
                                              const std::string& name) {
        return CheckApplicationVersion(run_.ApplicationVersionText, app, "UserFactorFile", name, *query_,
                                       *dialogs_) &&
               CheckMdbVersion(run_.MdbVersionText, mdb, "UserFactorFile", name, *query_, *dialogs_);
    };
    machine_->Errors = &ErrorMessages();
    machine_->ReportUserFactorRange = [this](const std::string& message) {
        dialogs_->ShowMessageDialog(message, TMsgDlgType::Warning, mbOK);
    };
    blocks_ = std::make_unique<TBlockManager>(*machine_);
    machine_->Blocks = blocks_.get();
    return *machine_;
}

TBlockManager& TKinemoContext::Blocks() {
    Machine();
    return *blocks_;
}

void TKinemoContext::ReloadUserFactors() {
    if (run_.Settings.UserFactorFileFolder.empty()) run_.Settings = TUserSettings::Read(folders_);
    const std::string extension = ReadMessageText(*query_, "main_window", "DirUserFactorExt");
    Blocks().ReloadUserFactors(run_.Settings.UserFactorFileFolder, extension, run_.Settings.UserFactorImageFolder);
}

std::vector<std::string> TKinemoContext::FileProblems() {
    std::vector<std::string> list = Blocks().UserFactorProblems();
    const std::string format = ErrorMessages().GetText("SettingIgnored");
    for (const TSettingProblem& p : run_.Settings.Problems)
        list.push_back(format.empty() ? p.File + ": " + p.Key + "=" + p.Value
                                      : FormatText(format, {p.File, p.Key, p.Value, p.Default}));
    if (images_) {
        const std::string skipped = ErrorMessages().GetText("FileSkipped");
        const std::string reason = ErrorMessages().GetText("PictureUnreadable");
        for (const std::string& path : images_->Unreadable())
            list.push_back(skipped.empty() ? path : FormatText(skipped, {path, reason}));
    }
    const TUserMotorTexts texts = TUserMotorTexts::Load(*query_, ErrorMessages());
    TUserMotorStore motors(folders_.UserMotorFolder(), texts);
    motors.Reload();
    list.insert(list.end(), motors.Problems().begin(), motors.Problems().end());
    return list;
}

const TSigmoidalCurves& TKinemoContext::SigmoidalCurves() {
    std::lock_guard lock(lazyMutex_);
    if (!sigmoidalCurves_) sigmoidalCurves_ = std::make_unique<TSigmoidalCurves>(*query_);
    return *sigmoidalCurves_;
}

bool TKinemoContext::ReadCatalogConfig() {
    std::lock_guard lock(lazyMutex_);
    TCatalogQuery& q = *query_;
    run_.UserDefineFactor = ReadConfigInteger(q, "user_define_factor") == 1;
    run_.DebugMode = ReadConfigInteger(q, "debug_mode") == 1;
    run_.FontCharset = static_cast<int>(ReadConfigInteger(q, "font_charset"));
    run_.MaxFactorCount = static_cast<int>(ReadConfigInteger(q, "max_factor_count"));
    run_.FontName = ReadConfigText(q, "font_name");
    run_.VantorRegistryPath = ReadConfigText(q, "vantor_registry_path");
    run_.VantorLanguage = ReadConfigText(q, "vantor_language");
    run_.TrueApplicationVersion = ReadConfigText(q, "true_application_version");
    run_.MdbVersionText = ReadMdbVersionText(q);
    // A catalog without the setting, or with a nonsensical one, keeps the 2 s default: a
    // catalog can tighten the limit or allow a slow formula more time, never switch it off.
    const long long limitMs = ReadConfigInteger(q, "formula_time_limit_ms");
    TFormulaEngine::SetDefaultTimeLimit(std::chrono::milliseconds(limitMs >= 10 && limitMs <= 600'000 ? limitMs : 2000));
    TFormulaError::SetNamedFormulaFormat(ErrorMessages().GetText("FormulaStopped"));
    return CheckApplicationVersion(run_.ApplicationVersionText, run_.TrueApplicationVersion, "MdbVersion",
                                   std::nullopt, q, *dialogs_);
}

}  // namespace kinemo
