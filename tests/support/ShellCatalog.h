// A small catalog for the shell's tests: the catalog's schema with settings, versions, the
// main window's texts, dialog texts, errors, tab captions and a few units, varied per test.
#pragma once

#include <string>

namespace kinemo::test {

struct TShellCatalogOptions {
    std::string TrueVersion;  // empty: this program's version
    std::string MdbVersion = "2.5.0.1";
    int DebugMode = 0;
    int UserDefineFactor = 1;
    std::string VantorRegistryPath = "Software\\Kinemo\\CadLink";
    std::string VantorLanguage = "en";
    std::string FontName;
    bool JapaneseTabs = false;  // tab captions with wide characters
    bool CloseQuestion = true;  // "FormCloseFileSave" present
};

std::string ShellCatalogSql(const TShellCatalogOptions& options);
// Builds the catalog at path; fails the test on SQL errors.
void MakeShellCatalog(const std::string& path, const TShellCatalogOptions& options = {});

}  // namespace kinemo::test
