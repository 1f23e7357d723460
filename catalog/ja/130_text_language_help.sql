-- Japanese texts of the language dialog, its menu command and the missing help file message.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('main_window', 'ActionMenuOptionLanguage', 27, '言語(&L)...', NULL),
  ('main_window', 'HelpTargetMissing', 33,
   'ヘルプファイル「%s」が見つかりません。マニュアルをプログラムと一緒にインストールするか、ソースフォルダの doc/manual.html を開いてください。', NULL),

  ('form_language', 'FormCaption',    1, '言語', NULL),
  ('form_language', 'LabelLanguage',  2, 'カタログと画面の言語', NULL),
  ('form_language', 'Language.en',    3, 'English(英語)', NULL),
  ('form_language', 'Language.ja',    4, '日本語', NULL),
  ('form_language', 'ButtonOK',       5, 'OK', NULL),
  ('form_language', 'ButtonCancel',   6, 'キャンセル', NULL),
  ('form_language', 'RestartMessage', 7, '言語は Kinemo の次回起動時に切り替わります。', NULL);
