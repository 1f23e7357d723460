-- Texts of the main window (class "main_window": menus, commands, hints, captions, help
-- targets in msg_symbol, version and CAD messages) and the page tab captions (class "1",
-- msg_cd 1 to 6 is the key).

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'main_window', 'MenuFile',   '&File',    NULL),
  ( 2, 'main_window', 'MenuOption', '&Options', NULL),
  ( 3, 'main_window', 'MenuHelp',   '&Help',    NULL),

  (10, 'main_window', 'ActionMenuFileCreate', '&New',        NULL),
  (11, 'main_window', 'ActionMenuFileOpen',   '&Open...',    NULL),
  (12, 'main_window', 'ActionMenuFileSave',   '&Save',       NULL),
  (13, 'main_window', 'ActionMenuFileSaveAs', 'Save &As...', NULL),
  (14, 'main_window', 'ActionMenuFileExit',   'E&xit',       NULL),

  (20, 'main_window', 'ActionMenuOptionMeasure',          '&Units and Precision...',     NULL),
  (21, 'main_window', 'ActionMenuChangeDirectory',        '&Folders...',                 NULL),
  (22, 'main_window', 'ActionMenuOptionCarryValue',       'Debug: &Carry Values',        NULL),
  (23, 'main_window', 'ActionMenuOptionDrivePattern',     'Debug: &Drive Pattern',       NULL),
  (24, 'main_window', 'ActionMenuOptionCommitMotorValue', 'Debug: Committed &Motor',     NULL),
  (25, 'main_window', 'ActionMenuOptionDefineUserFactor', 'User-Defined &Elements...',   NULL),

  (30, 'main_window', 'ActionMenuHelpHelp',    'Kinemo &Help',     'doc/help.html'),
  (31, 'main_window', 'ActionMenuHelpCatalog', 'Product &Catalog', 'doc/catalog.html'),
  (32, 'main_window', 'ActionMenuHelpManual',  'User &Manual',     'doc/manual.html'),

  (40, 'main_window', 'SaveDialogXml',            'Kinemo project (*.kjb)|*.kjb|All files (*.*)|*.*', NULL),
  (41, 'main_window', 'OpenDialogXml',            'Kinemo project (*.kjb)|*.kjb|All files (*.*)|*.*', NULL),
  (42, 'main_window', 'SaveDialogXml.DefaultExt', '.kjb', NULL),
  (43, 'main_window', 'OpenDialogXml.DefaultExt', '.kjb', NULL),

  (50, 'main_window', 'BtnMenuFileCreate.Hint', 'New project',       NULL),
  (51, 'main_window', 'BtnMenuFileOpen.Hint',   'Open a project',    NULL),
  (52, 'main_window', 'BtnMenuFileSave.Hint',   'Save the project',  NULL),
  (53, 'main_window', 'LabelMotorCommitState',  'Motor committed',   NULL),
  (54, 'main_window', 'FormCloseFileSave',      'Save the project before closing?', NULL),
  -- Arguments: application title, application version, catalog version. The file caption
  -- keeps a "%s" (written "%%s") for the project file name, filled afterwards.
  (55, 'main_window', 'BaseCaptionFormat',      '%s %s - catalog %s',       NULL),
  (56, 'main_window', 'FileCaptionFormat',      '%%s - %s %s - catalog %s', NULL),
  (57, 'main_window', 'DirUserFactorExt',       '.kuf', NULL),
  -- The caption while the project has unsaved changes; "%s" is the caption above.
  (58, 'main_window', 'ModifiedCaptionFormat',  '*%s', NULL),

  (60, 'main_window', 'vantor_language_mismatch',
   'The installed CAD data program is set to a language other than the one this catalog was made for, so the CAD data page is not available.', NULL),

  -- Start-up check of the catalog against the program (no argument).
  (70, 'main_window', 'MdbVersion_Application_1',
   'This catalog was made for another major version of Kinemo and cannot be used. Kinemo will close. Install the catalog that belongs to this version of the program.', NULL),
  (71, 'main_window', 'MdbVersion_Application_2',
   'This catalog was made for another minor version of Kinemo and cannot be used. Kinemo will close. Install the catalog that belongs to this version of the program.', NULL),
  (72, 'main_window', 'MdbVersion_Application_3',
   'This catalog was made for another release of Kinemo. Results may differ from those of the release it was made for. Use it anyway?', NULL),

  -- Opening a project file. No "%s": the project loader passes no argument.
  (73, 'main_window', 'ConfigFile_Application_1',
   'This project file was saved by another major version of Kinemo and cannot be opened.', NULL),
  (74, 'main_window', 'ConfigFile_Application_2',
   'This project file was saved by another minor version of Kinemo and cannot be opened.', NULL),
  (75, 'main_window', 'ConfigFile_Application_3',
   'This project file was saved by another release of Kinemo. Open it anyway?', NULL),
  (76, 'main_window', 'ConfigFile_Mdb_1',
   'This project file was saved with another major version of the catalog and cannot be opened.', NULL),
  (77, 'main_window', 'ConfigFile_Mdb_2',
   'This project file was saved with another minor version of the catalog and cannot be opened.', NULL),
  (78, 'main_window', 'ConfigFile_Mdb_3',
   'This project file was saved with another release of the catalog; elements and motors may have changed since. Open it anyway?', NULL),

  -- Loading a user-defined element file; "%s" is the element name.
  (79, 'main_window', 'UserFactorFile_Application_1',
   'The user-defined element "%s" was saved by another major version of Kinemo and is not loaded.', NULL),
  (80, 'main_window', 'UserFactorFile_Application_2',
   'The user-defined element "%s" was saved by another minor version of Kinemo and is not loaded.', NULL),
  (81, 'main_window', 'UserFactorFile_Application_3',
   'The user-defined element "%s" was saved by another release of Kinemo. Load it anyway?', NULL),
  (82, 'main_window', 'UserFactorFile_Mdb_1',
   'The user-defined element "%s" was saved with another major version of the catalog and is not loaded.', NULL),
  (83, 'main_window', 'UserFactorFile_Mdb_2',
   'The user-defined element "%s" was saved with another minor version of the catalog and is not loaded.', NULL),
  (84, 'main_window', 'UserFactorFile_Mdb_3',
   'The user-defined element "%s" was saved with another release of the catalog; its base element may have changed since. Load it anyway?', NULL);

-- Page tab captions: 1 element choice, 2 drive pattern, 3 motor choice (the three sub-pages),
-- 4 the sizing page that holds them, 5 options, 6 CAD data.
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (1, '1', 'TabSheetChoiceFactor', 'Machine Elements',      NULL),
  (2, '1', 'TabSheetInputPattern', 'Drive Pattern',         NULL),
  (3, '1', 'TabSheetChoiceMotor',  'Motor Selection',       NULL),
  (4, '1', 'TabSheetMotorSelect',  'Motor Sizing',          NULL),
  (5, '1', 'TabSheetChoiceOption', 'Options and Quotation', NULL),
  (6, '1', 'TabSheetVantor',       'CAD Data',              NULL);
