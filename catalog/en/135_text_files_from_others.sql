-- Texts of files that come from others or are left by a crash: a skipped file of a folder
-- (user elements, user motors) with its reason, a settings value that falls back to its
-- default, motor data sheets not named after their model, a help target outside the
-- catalog's folder, and the recovery copy of a project offered after a crash.

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (3301, 'error', 'FileSkipped', 'The file "%s" was skipped: %s', NULL),
  (3302, 'error', 'FileNotUserFactor', 'it is not a user element file (%s).', NULL),
  (3303, 'error', 'UserFactorOwnerUnknown', 'its base element %s is not in this catalog.', NULL),
  (3311, 'error', 'UserFactorValueNotNumber', 'the value "%s" of %s is not a number the element can show.', NULL),
  (3312, 'error', 'PictureUnreadable', 'it is not a picture the program can show.', NULL),
  (3304, 'error', 'SettingIgnored',
   'The settings file "%s" holds %s=%s, which is not a valid value; %s is used instead.', NULL),
  (3305, 'error', 'UserMotorNameMismatch',
   'the data sheet is for the motor "%s", so its file must be named %s; it is not used.', NULL),
  (3306, 'error', 'UserMotorDuplicate', 'it is a second data sheet of the motor "%s"; it is not used.', NULL),
  (3307, 'user_motor', 'ReplaceConfirm', 'You already have a data sheet of the motor "%s". Replace it?', NULL),
  (3308, 'main_window', 'HelpTargetRefused',
   'The help target "%s" is not opened: help pages must be HTML, PDF or text files inside the folder of the catalog.', NULL),
  (3309, 'recovery', 'RestoreQuestion',
   'Kinemo was not closed normally. A recovery copy of the project "%s" from %s was kept. Restore it? (No discards the copy.)', NULL),
  (3310, 'recovery', 'Untitled', '(not saved yet)', NULL);
