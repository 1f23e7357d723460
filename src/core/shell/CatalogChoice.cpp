// Choosing the catalog file of a run.
#include "shell/CatalogChoice.h"

#include "base/AtomicFile.h"
#include "base/ConfigFile.h"
#include "base/KinemoError.h"

#include <filesystem>

namespace kinemo {

namespace {

const char* const kSection = "Catalog";
const char* const kLanguageKey = "Language";

std::string WithSlash(const std::string& folder) {
    if (folder.empty()) return "./";
    return folder.back() == '/' ? folder : folder + "/";
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace

const std::vector<TCatalogLanguage>& CatalogLanguages() {
    static const std::vector<TCatalogLanguage> languages = {{"en", "Kinemo.db"}, {"ja", "Kinemo-ja.db"}};
    return languages;
}

std::string FindDataFolder(const std::string& programFolder) {
    const std::string own = WithSlash(programFolder);
    if (FileExists(own + CatalogLanguages().front().FileName)) return own;
    const std::string installed = std::filesystem::path(own + "../share/kinemo/").lexically_normal().string();
    if (FileExists(installed + CatalogLanguages().front().FileName)) return installed;
    return own;
}

TCatalogChoice ChooseCatalog(const std::string& programFolder, const std::vector<std::string>& arguments,
                             const std::string& settingsFile) {
    TCatalogChoice choice;
    std::string named;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--catalog") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                throw TKinemoError("--catalog needs the path of a catalog file");
            named = arguments[++i];
        } else if (a.rfind("--catalog=", 0) == 0) {
            named = a.substr(std::string("--catalog=").size());
            if (named.empty()) throw TKinemoError("--catalog needs the path of a catalog file");
        } else {
            choice.Arguments.push_back(a);
        }
    }
    const std::string data = FindDataFolder(programFolder);
    choice.InstallFolder = data;
    if (!named.empty()) {
        choice.CatalogPath = named;
        const std::string own = FolderOf(named);
        choice.PictureFolder = DirectoryExists(own + "picture") ? own : data;
        return choice;
    }
    const std::string code = ReadCatalogLanguage(settingsFile);
    choice.CatalogPath = data + CatalogLanguages().front().FileName;
    for (const auto& language : CatalogLanguages())
        if (language.Code == code && FileExists(data + language.FileName)) choice.CatalogPath = data + language.FileName;
    choice.PictureFolder = data;
    return choice;
}

std::string ReadCatalogLanguage(const std::string& settingsFile) {
    return TConfigFile(settingsFile).ReadString(kSection, kLanguageKey, CatalogLanguages().front().Code);
}

void WriteCatalogLanguage(const std::string& settingsFile, const std::string& code) {
    TConfigFile settings(settingsFile);
    settings.WriteString(kSection, kLanguageKey, code);
    settings.UpdateFile();
}

}  // namespace kinemo
