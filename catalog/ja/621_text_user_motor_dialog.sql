-- Japanese texts of the user motor dialog (Options menu).

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('user_motor', 'DialogCaption', 60, 'ユーザー定義モータ', NULL),
  ('user_motor', 'ButtonAdd', 61, 'ファイルから追加...', NULL),
  ('user_motor', 'ButtonRemove', 62, '削除', NULL),
  ('user_motor', 'ButtonClose', 63, '閉じる', NULL),
  ('user_motor', 'FileFilter', 64, 'モータデータシート (*.kmt)|*.kmt|すべてのファイル (*.*)|*.*', NULL),
  ('user_motor', 'RemoveConfirm', 65, 'ユーザー定義モータ「%s」を削除しますか? このモータを指定したプロジェクトは、確定モータなしで開かれます。', NULL),
  ('user_motor', 'MessagesCaption', 66, 'メッセージ', NULL);

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('main_window', 'ActionMenuOptionUserMotors', 85, 'ユーザー定義モータ(&M)...', NULL);
