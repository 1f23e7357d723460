// Run-wide objects.
#include "shell/KinemoContext.h"

#include "shell/ApplicationVersion.h"
#include "shell/Catalog.h"
#include "shell/CatalogText.h"
#include "shell/ConfigFile.h"
#include "shell/ErrorMessage.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

namespace kinemo {

TKinemoContext::TKinemoContext(const std::string& catalogPath, TSpecialFolder folders, IUserDialogs& dialogs)
    : catalog_(std::make_unique<TCatalog>(catalogPath)),
      query_(std::make_unique<TCatalogQuery>(*catalog_)),
      folders_(std::move(folders)),
      dialogs_(&dialogs) {
    size_t slash = catalogPath.rfind('/');
    programFolder_ = slash == std::string::npos ? "./" : catalogPath.substr(0, slash + 1);
    run_.ApplicationVersionText = ApplicationVersionText();
    run_.TempFolder = folders_.TempFolder();
    run_.VantorFile = run_.TempFolder + "tmp.vtg";
}

TKinemoContext::~TKinemoContext() = default;

void TKinemoContext::SetProgramFolder(const std::string& folder) { programFolder_ = IncludeTrailingDelimiter(folder); }

TErrorMessage& TKinemoContext::ErrorMessages() {
    if (!errors_) errors_ = std::make_unique<TErrorMessage>(*query_);
    return *errors_;
}

TMeasureManager& TKinemoContext::Measures() {
    if (!measures_) {
        TConfigFile settings(folders_.SettingsFile());
        measures_ = std::make_unique<TMeasureManager>(*query_, &settings);
    }
    return *measures_;
}

TMaterialManager& TKinemoContext::Materials() {
    if (!materials_) {
        materialQuery_ = std::make_unique<TCatalogQuery>(*catalog_);
        materials_ = std::make_unique<TMaterialManager>(*materialQuery_);
    }
    return *materials_;
}

TPhysicalConstant& TKinemoContext::Constants() {
    if (!constants_) constants_ = std::make_unique<TPhysicalConstant>(*query_);
    return *constants_;
}

TValueFormat& TKinemoContext::ValueFormat() {
    if (!valueFormat_) valueFormat_ = std::make_unique<TValueFormat>(folders_.SettingsFile());
    return *valueFormat_;
}

bool TKinemoContext::ReadCatalogConfig() {
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
    return CheckApplicationVersion(run_.ApplicationVersionText, run_.TrueApplicationVersion, "MdbVersion",
                                   std::nullopt, q, *dialogs_);
}

}  // namespace kinemo
