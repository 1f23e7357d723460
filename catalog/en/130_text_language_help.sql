-- Texts of the language dialog (class "form_language"; "Language.<code>" names each catalog,
-- each in its own script so that a reader of either language finds it), its menu command,
-- and the message shown when a help target is not installed (class "main_window").

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (27, 'main_window', 'ActionMenuOptionLanguage', '&Language...', NULL),
  (33, 'main_window', 'HelpTargetMissing',
   'The help file "%s" was not found. Install the manual together with the program, or open doc/manual.html of the source folder.', NULL),

  (1, 'form_language', 'FormCaption',    'Language', NULL),
  (2, 'form_language', 'LabelLanguage',  'Language of the catalog and the windows', NULL),
  (3, 'form_language', 'Language.en',    'English', NULL),
  (4, 'form_language', 'Language.ja',    '日本語 (Japanese)', NULL),
  (5, 'form_language', 'ButtonOK',       'OK', NULL),
  (6, 'form_language', 'ButtonCancel',   'Cancel', NULL),
  (7, 'form_language', 'RestartMessage', 'The language changes when Kinemo starts again.', NULL);
