// The shell's fixture catalog.
#include "support/ShellCatalog.h"

#include "base/ApplicationVersion.h"
#include "base/AtomicFile.h"
#include "support/TestSupport.h"

#include <filesystem>

namespace kinemo::test {

namespace {

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}


const char* kUnits = R"(
INSERT INTO m_machine_unit_class VALUES (1, 'Length', 102, NULL), (2, 'Mass', 201, NULL), (3, 'Time', 301, NULL);
INSERT INTO t_machine_unit_value VALUES (101, 'mm', 1), (102, 'm', 1), (201, 'kg', 2), (202, 'g', 2),
  (301, 's', 3), (302, 'ms', 3);
INSERT INTO s_physicalconstant VALUES ('PI', '3.14159265358979');
)";

const char* kTexts = R"(
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
 (1, 'main_window', 'MenuFile', '&File', NULL),
 (2, 'main_window', 'MenuOption', '&Option', NULL),
 (3, 'main_window', 'MenuHelp', '&Help', NULL),
 (4, 'main_window', 'ActionMenuFileCreate', 'New', NULL),
 (5, 'main_window', 'ActionMenuFileOpen', 'Open...', NULL),
 (6, 'main_window', 'ActionMenuFileSave', 'Save', NULL),
 (7, 'main_window', 'ActionMenuFileSaveAs', 'Save As...', NULL),
 (8, 'main_window', 'ActionMenuFileExit', 'Exit', NULL),
 (9, 'main_window', 'ActionMenuOptionMeasure', 'Units...', NULL),
 (10, 'main_window', 'ActionMenuChangeDirectory', 'Folders...', NULL),
 (11, 'main_window', 'ActionMenuOptionCarryValue', 'Carry values', NULL),
 (12, 'main_window', 'ActionMenuOptionDrivePattern', 'Drive pattern', NULL),
 (13, 'main_window', 'ActionMenuOptionCommitMotorValue', 'Committed motor', NULL),
 (14, 'main_window', 'ActionMenuOptionDefineUserFactor', 'User elements...', NULL),
 (15, 'main_window', 'ActionMenuHelpHelp', 'Help', 'https://example.org/kinemo/help'),
 (16, 'main_window', 'ActionMenuHelpCatalog', 'Catalog', 'doc\catalog.pdf'),
 (17, 'main_window', 'ActionMenuHelpManual', 'Manual', 'http://example.org/manual'),
 (18, 'main_window', 'SaveDialogXml', 'Project (*.kjb)|*.kjb|All files|*.*', NULL),
 (19, 'main_window', 'OpenDialogXml', 'Project (*.kjb)|*.kjb|All files|*.*', NULL),
 (20, 'main_window', 'SaveDialogXml.DefaultExt', '.kjb', NULL),
 (21, 'main_window', 'OpenDialogXml.DefaultExt', '.kjb', NULL),
 (22, 'main_window', 'BtnMenuFileCreate.Hint', 'New project', NULL),
 (23, 'main_window', 'BtnMenuFileOpen.Hint', 'Open project', NULL),
 (24, 'main_window', 'BtnMenuFileSave.Hint', 'Save project', NULL),
 (25, 'main_window', 'LabelMotorCommitState', 'Motor committed', NULL),
 (27, 'main_window', 'BaseCaptionFormat', '%s %s [catalog %s]', NULL),
 (28, 'main_window', 'FileCaptionFormat', '%s %s [catalog %s] - %%s', NULL),
 (29, 'main_window', 'DirUserFactorExt', '.kuf', NULL),
 (37, 'main_window', 'ModifiedCaptionFormat', '*%s', NULL),
 (30, 'main_window', 'MdbVersion_Application_1', 'Catalog for another major version.', NULL),
 (31, 'main_window', 'MdbVersion_Application_2', 'Catalog for another minor version.', NULL),
 (32, 'main_window', 'MdbVersion_Application_3', 'Catalog for another release. Continue?', NULL),
 (33, 'main_window', 'ConfigFile_Application_1', 'Project of another major version.', NULL),
 (34, 'main_window', 'ConfigFile_Application_3', 'Project of another release. Open it?', NULL),
 (35, 'main_window', 'ConfigFile_Mdb_1', 'Project of another catalog.', NULL),
 (36, 'main_window', 'vantor_language_mismatch', 'The CAD program speaks another language.', NULL),
 (40, 'message_dialog', 'mtWarning', 'Warning', NULL),
 (41, 'message_dialog', 'mtError', 'Error', NULL),
 (42, 'message_dialog', 'mtInformation', 'Information', NULL),
 (43, 'message_dialog', 'mtConfirmation', 'Confirm', NULL),
 (44, 'message_dialog', 'mbYes', '&Yes', NULL),
 (45, 'message_dialog', 'mbNo', '&No', NULL),
 (46, 'message_dialog', 'mbOK', 'OK', NULL),
 (47, 'message_dialog', 'mbCancel', 'Cancel', NULL),
 (50, 'error', 'ErrorMotorNumber', 'Choose a motor', NULL),
 (51, 'error', 'ErrorAmpNumber', 'Choose an amplifier', NULL),
 (52, 'error', 'ErrorAssortmentMotorAndAmp', 'Motor and amplifier do not match', NULL),
 (53, 'error', 'ErrorAmp200', 'Amplifier needs 200 V', NULL),
 (54, 'error', 'ErrorAmp100', 'Amplifier needs 100 V', NULL),
 (55, 'error', 'ErrorAmpThree200Only', 'Three-phase 200 V only', NULL),
 (56, 'error', 'ErrorAmpOne200Only', 'Single-phase 200 V only', NULL),
 (60, 'form_change_directory', 'FormCaption', 'Folders', NULL),
 (61, 'form_change_directory', 'OpenFolderDialogTitle', 'Choose a folder', NULL),
 (62, 'form_change_directory', 'LabelDirSaveFile', 'Project files', NULL),
 (63, 'form_change_directory', 'LabelDirUserFactorFile', 'User elements', NULL),
 (64, 'form_change_directory', 'LabelDirUserFactorImage', 'User element pictures', NULL),
 (65, 'form_change_directory', 'ButtonDirSaveFile', '...', NULL),
 (66, 'form_change_directory', 'ButtonDirUserFactorFile', '...', NULL),
 (67, 'form_change_directory', 'ButtonDirUserFactorImage', '...', NULL),
 (68, 'form_change_directory', 'ButtonOK', 'OK', NULL),
 (69, 'form_change_directory', 'ButtonCancel', 'Cancel', NULL),
 (70, 'form_option_measure', 'FormTitle', 'Units', NULL),
 (71, 'form_option_measure', 'DefaultButton', 'Defaults', NULL),
 (72, 'form_option_measure', 'SaveButton', 'Save', NULL),
 (73, 'form_option_measure', 'CancelButton', 'Cancel', NULL),
 (74, 'form_option_measure', 'LabelPrec', 'Decimals', NULL),
 (75, 'form_option_measure', 'SaveMessage', 'Saved. Restart now?', NULL),
 (76, 'form_option_measure', 'OutOfRangeError', 'Enter a number from %s to %s.', NULL);
)";

std::string TabRows(bool japanese) {
    if (japanese)
        return "INSERT INTO s_message VALUES (1, '1', 'TabSheetChoiceFactor', '要素選択', NULL),"
               " (2, '1', 'TabSheetInputPattern', '運転パターン', NULL), (3, '1', 'TabSheetChoiceMotor', 'モータ選定', NULL),"
               " (4, '1', 'TabSheetMotorSelect', 'モータ選定', NULL), (5, '1', 'TabSheetChoiceOption', 'オプション', NULL),"
               " (6, '1', 'TabSheetVantor', 'CADデータ', NULL);";
    return "INSERT INTO s_message VALUES (1, '1', 'TabSheetChoiceFactor', 'Elements', NULL),"
           " (2, '1', 'TabSheetInputPattern', 'Drive pattern', NULL), (3, '1', 'TabSheetChoiceMotor', 'Motor', NULL),"
           " (4, '1', 'TabSheetMotorSelect', 'Motor selection', NULL), (5, '1', 'TabSheetChoiceOption', 'Options', NULL),"
           " (6, '1', 'TabSheetVantor', 'CAD data', NULL);";
}

}  // namespace

std::string ShellCatalogSql(const TShellCatalogOptions& o) {
    const std::string version = o.TrueVersion.empty() ? ApplicationVersionText() : o.TrueVersion;
    // Applied over a copy of the sample catalog: the main window builds the sizing session,
    // which needs the element, pattern and motor tables; the texts, settings and versions
    // the shell tests vary are the fixture's own.
    std::string fixture = std::string(kTexts) + TabRows(o.JapaneseTabs);
    if (o.CloseQuestion)
        fixture += "INSERT INTO s_message VALUES (26, 'main_window', 'FormCloseFileSave', 'Save the project?', NULL);";
    std::string rows;
    for (size_t pos = 0;;) {
        const size_t at = fixture.find("INSERT INTO s_message", pos);
        rows += fixture.substr(pos, at == std::string::npos ? std::string::npos : at - pos);
        if (at == std::string::npos) break;
        rows += "INSERT INTO fixture_message";
        pos = at + std::string("INSERT INTO s_message").size();
    }
    // The fixture's classes replace the sample's; sample rows whose codes the fixture uses
    // move out of its way (tab captions are keyed by code).
    std::string sql = "CREATE TEMP TABLE fixture_message AS SELECT * FROM s_message WHERE 0;" + rows +
                      "DELETE FROM s_message WHERE msg_class IN ('main_window', 'message_dialog', '1',"
                      " 'form_change_directory', 'form_option_measure') OR (msg_class, msg_control) IN"
                      " (SELECT msg_class, msg_control FROM fixture_message);"
                      "UPDATE s_message SET msg_cd = msg_cd + 1000000 WHERE msg_cd IN (SELECT msg_cd FROM"
                      " fixture_message);"
                      "INSERT INTO s_message SELECT * FROM fixture_message;"
                      "DELETE FROM m_db_version; DELETE FROM s_config;";
    sql += "INSERT INTO m_db_version VALUES (1, " + Quote(o.MdbVersion) + ");";
    sql += "INSERT INTO s_config VALUES ('user_define_factor', " + std::to_string(o.UserDefineFactor) +
           ", NULL), ('debug_mode', " + std::to_string(o.DebugMode) +
           ", NULL), ('font_charset', 1, NULL), ('max_factor_count', 10, NULL), ('font_name', NULL, " +
           Quote(o.FontName) + "), ('vantor_registry_path', NULL, " + Quote(o.VantorRegistryPath) +
           "), ('vantor_language', NULL, " + Quote(o.VantorLanguage) + "), ('true_application_version', NULL, " +
           Quote(version) + "), ('money_symbol', NULL, '$'), ('price_visible', 1, NULL), "
           "('option_select_combobox_max', 20, NULL);";
    return sql;
}

void LinkSamplePictures(const std::string& programFolder, bool withSplash) {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(KINEMO_BIN_DIR) / "picture";
    const fs::path target = fs::path(programFolder) / "picture";
    fs::create_directories(target);
    for (const fs::directory_entry& e : fs::directory_iterator(source)) {
        if (!withSplash && e.path().filename() == "splash.jpg") continue;
        std::error_code ec;
        fs::create_symlink(e.path(), target / e.path().filename(), ec);
    }
}

std::string SmallUnitsCatalogSql() {
    return ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/catalog/schema.sql") + kUnits + kTexts;
}

void MakeShellCatalog(const std::string& path, const TShellCatalogOptions& options) {
    std::filesystem::copy_file(SampleCatalogPath(), path, std::filesystem::copy_options::overwrite_existing);
    ApplyCatalogSql(path, ShellCatalogSql(options));
    LinkSamplePictures(std::filesystem::path(path).parent_path().string(), true);
}

}  // namespace kinemo::test
