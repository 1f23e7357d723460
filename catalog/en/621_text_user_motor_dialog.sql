-- Texts of the user motor dialog (Options menu): caption, buttons, the data sheet file
-- filter and the confirmation before a motor is removed.

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (60, 'user_motor', 'DialogCaption',  'User-defined motors', NULL),
  (61, 'user_motor', 'ButtonAdd',      'Add from file...', NULL),
  (62, 'user_motor', 'ButtonRemove',   'Remove', NULL),
  (63, 'user_motor', 'ButtonClose',    'Close', NULL),
  (64, 'user_motor', 'FileFilter',     'Motor data sheet (*.kmt)|*.kmt|All files (*.*)|*.*', NULL),
  (65, 'user_motor', 'RemoveConfirm',  'Remove the user-defined motor "%s"? Projects that name it will open without a committed motor.', NULL),
  (66, 'user_motor', 'MessagesCaption', 'Messages', NULL);

-- The Options menu command that opens the dialog.
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (85, 'main_window', 'ActionMenuOptionUserMotors', 'User-Defined &Motors...', NULL);
