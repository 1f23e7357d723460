// The shell's test catalog: the sample catalog with the settings, versions, main window
// texts, dialog texts, errors and tab captions of the fixture, varied per test.
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

// A catalog of three unit classes (length, mass, time) with the fixture's texts and nothing
// else, for the unit options' tests.
std::string SmallUnitsCatalogSql();
// What the fixture changes in a copy of the sample catalog.
std::string ShellCatalogSql(const TShellCatalogOptions& options);
// The sample catalog's pictures, linked into programFolder/picture (the splash optional).
void LinkSamplePictures(const std::string& programFolder, bool withSplash);
// Builds the catalog at path from the sample catalog, with the sample pictures beside it;
// fails the test on SQL errors.
void MakeShellCatalog(const std::string& path, const TShellCatalogOptions& options = {});

}  // namespace kinemo::test
