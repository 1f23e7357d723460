-- Texts of the desktop side of the main window (class "desktop": the About command, the
-- recent-projects entries of the File menu, the notes of a missing recent project and of a
-- help target that no program opens; a help file that is not installed is "main_window"
-- "HelpTargetMissing") and of the About box (class "form_about").

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'desktop', 'ActionMenuHelpAbout', '&About Kinemo...', NULL),
  -- Arguments: the entry's number (1 to 8) and the project file's path.
  ( 2, 'desktop', 'RecentProjectFormat', '&%d  %s', NULL),
  -- Argument: the project file's path.
  ( 3, 'desktop', 'RecentProjectMissing',
   'The project file "%s" no longer exists. It has been removed from the list of recent projects.', NULL),
  -- Argument: the help file's path or web address.
  ( 5, 'desktop', 'HelpTargetNotOpened',
   'No program on this computer opens "%s". Install a web browser or a document viewer and try again.', NULL);

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'form_about', 'FormCaption',             'About Kinemo', NULL),
  ( 2, 'form_about', 'LabelTitle',              'Kinemo', NULL),
  ( 3, 'form_about', 'LabelDescription',
   'Sizing and selection of servo motors and amplifiers: machine elements, drive pattern, interval torques and the judgement of every catalog motor.', NULL),
  ( 4, 'form_about', 'LabelApplicationVersion', 'Program version:', NULL),
  ( 5, 'form_about', 'LabelMdbVersion',         'Catalog version:', NULL),
  ( 6, 'form_about', 'LabelCatalogPath',        'Catalog file:', NULL),
  ( 7, 'form_about', 'LabelQtVersion',          'Qt version:', NULL),
  ( 8, 'form_about', 'ButtonOK',                'OK', NULL);
