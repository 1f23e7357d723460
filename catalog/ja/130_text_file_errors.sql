-- Japanese texts of the errors of files the program writes (project, user elements,
-- settings). Format arguments keep the English order: the path first.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('error', 'FileNotWritten', 401,
   'ファイル「%s」を書き込めませんでした(%s)。以前のファイルは変更されていません。', NULL),
  ('error', 'FileNotWrittenDiskFull', 402,
   'ディスクがいっぱいのため、ファイル「%s」を書き込めませんでした。以前のファイルは変更されていません。空き容量を確保してから保存し直してください。', NULL),
  ('error', 'FileNotWrittenReadOnly', 403,
   'フォルダまたはファイルが読み取り専用のため、ファイル「%s」を書き込めませんでした。以前のファイルは変更されていません。別のフォルダに保存してください。', NULL);
