// Which catalog file a run opens: --catalog on the command line, else the language stored in
// the settings file, else English; and where the catalogs, pictures and manual are found.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

// A catalog offered in the options: language code and file name in the data folder.
struct TCatalogLanguage {
    std::string Code;
    std::string FileName;
};

// English first (the default), then Japanese.
const std::vector<TCatalogLanguage>& CatalogLanguages();

// The folder holding the catalogs, pictures and manual, with a trailing "/": the program's
// own folder when it holds Kinemo.db (the build tree), else share/kinemo/ beside the
// program's bin/ folder (an installed program), else the program's own folder.
std::string FindDataFolder(const std::string& programFolder);

struct TCatalogChoice {
    std::string CatalogPath;
    // Pictures are relative to this folder (trailing "/"): the catalog's own folder when it
    // has a picture/ folder (a catalog of one's own), else the data folder.
    std::string PictureFolder;
    // What runs and every default of the registry come from here (trailing "/"): the data
    // folder of the installed program, never a catalog's folder, which may come from others.
    std::string InstallFolder;
    std::vector<std::string> Arguments;  // the command line without --catalog and its path
};

// "--catalog PATH" or "--catalog=PATH" names the file; without it the language stored in the
// settings file picks a file of the data folder (an unknown language or a missing file:
// English). A "--catalog" without a path raises TKinemoError.
TCatalogChoice ChooseCatalog(const std::string& programFolder, const std::vector<std::string>& arguments,
                             const std::string& settingsFile);

// The language code stored in the settings file ("Catalog", "Language"); "en" when none.
std::string ReadCatalogLanguage(const std::string& settingsFile);
// Stores the code; the next start opens that language's catalog.
void WriteCatalogLanguage(const std::string& settingsFile, const std::string& code);

}  // namespace kinemo
