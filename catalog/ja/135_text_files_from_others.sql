-- Japanese texts of skipped files, settings values that fall back to their default, motor
-- data sheets not named after their model, refused help targets and the recovery copy.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('error', 'FileSkipped', 3301, 'ファイル「%s」を読み飛ばしました: %s', NULL),
  ('error', 'FileNotUserFactor', 3302, 'ユーザー要素ファイルではありません(%s)。', NULL),
  ('error', 'UserFactorOwnerUnknown', 3303, '元の要素 %s がこのカタログにありません。', NULL),
  ('error', 'UserFactorValueNotNumber', 3311, '値「%s」(%s)は要素が表示できる数値ではありません。', NULL),
  ('error', 'PictureUnreadable', 3312, 'このプログラムで表示できる画像ではありません。', NULL),
  ('error', 'SettingIgnored', 3304,
   '設定ファイル「%s」の %s=%s は有効な値ではありません。代わりに %s を使います。', NULL),
  ('error', 'UserMotorNameMismatch', 3305,
   'モータ「%s」のデータシートなので、ファイル名は %s でなければなりません。このシートは使いません。', NULL),
  ('error', 'UserMotorDuplicate', 3306, 'モータ「%s」の 2 つ目のデータシートです。このシートは使いません。', NULL),
  ('user_motor', 'ReplaceConfirm', 3307, 'モータ「%s」のデータシートはすでにあります。置き換えますか?', NULL),
  ('main_window', 'HelpTargetRefused', 3308,
   'ヘルプの対象「%s」は開きません。ヘルプページはカタログのフォルダ内の HTML、PDF またはテキストファイルでなければなりません。', NULL),
  ('recovery', 'RestoreQuestion', 3309,
   'Kinemo は正常に終了しませんでした。プロジェクト「%s」の %s の復元用コピーが残っています。復元しますか? (「いいえ」でコピーを破棄します。)', NULL),
  ('recovery', 'Untitled', 3310, '(未保存)', NULL);
