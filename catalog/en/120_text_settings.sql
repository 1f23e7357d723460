-- Texts of the folder dialog (class "form_change_directory") and the units and precision
-- dialog (class "form_option_measure").

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'form_change_directory', 'FormCaption',             'Folders',                        NULL),
  ( 2, 'form_change_directory', 'LabelDirSaveFile',        'Project files',                  NULL),
  ( 3, 'form_change_directory', 'LabelDirUserFactorFile',  'User-defined element files',     NULL),
  ( 4, 'form_change_directory', 'LabelDirUserFactorImage', 'User-defined element pictures',  NULL),
  ( 5, 'form_change_directory', 'ButtonDirSaveFile',       'Browse...',                      NULL),
  ( 6, 'form_change_directory', 'ButtonDirUserFactorFile', 'Browse...',                      NULL),
  ( 7, 'form_change_directory', 'ButtonDirUserFactorImage','Browse...',                      NULL),
  ( 8, 'form_change_directory', 'ButtonOK',                'OK',                             NULL),
  ( 9, 'form_change_directory', 'ButtonCancel',            'Cancel',                         NULL),
  (10, 'form_change_directory', 'OpenFolderDialogTitle',   'Choose a folder',                NULL);

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (1, 'form_option_measure', 'FormTitle',       'Units and Precision', NULL),
  (2, 'form_option_measure', 'LabelPrec',       'Decimal places shown', NULL),
  (3, 'form_option_measure', 'DefaultButton',   'Defaults', NULL),
  (4, 'form_option_measure', 'SaveButton',      'Save',     NULL),
  (5, 'form_option_measure', 'CancelButton',    'Cancel',   NULL),
  (6, 'form_option_measure', 'SaveMessage',
   'The settings were saved. Units and precision change when Kinemo starts again. Restart Kinemo now?', NULL),
  (7, 'form_option_measure', 'OutOfRangeError',
   'Enter a whole number of decimal places from %s to %s.', NULL);
