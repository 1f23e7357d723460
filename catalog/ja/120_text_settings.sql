-- Japanese texts of the folder settings (class "form_change_directory") and the units and
-- precision dialog (class "form_option_measure").

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('form_change_directory', 'FormCaption',              1, 'フォルダ設定', NULL),
  ('form_change_directory', 'LabelDirSaveFile',         2, 'プロジェクトファイル', NULL),
  ('form_change_directory', 'LabelDirUserFactorFile',   3, 'ユーザー定義要素ファイル', NULL),
  ('form_change_directory', 'LabelDirUserFactorImage',  4, 'ユーザー定義要素の画像', NULL),
  ('form_change_directory', 'ButtonDirSaveFile',        5, '参照...', NULL),
  ('form_change_directory', 'ButtonDirUserFactorFile',  6, '参照...', NULL),
  ('form_change_directory', 'ButtonDirUserFactorImage', 7, '参照...', NULL),
  ('form_change_directory', 'ButtonOK',                 8, 'OK', NULL),
  ('form_change_directory', 'ButtonCancel',             9, 'キャンセル', NULL),
  ('form_change_directory', 'OpenFolderDialogTitle',   10, 'フォルダの選択', NULL),

  ('form_option_measure', 'FormTitle',     1, '単位と表示桁数', NULL),
  ('form_option_measure', 'LabelPrec',     2, '小数点以下の表示桁数', NULL),
  ('form_option_measure', 'DefaultButton', 3, '初期値に戻す', NULL),
  ('form_option_measure', 'SaveButton',    4, '保存', NULL),
  ('form_option_measure', 'CancelButton',  5, 'キャンセル', NULL),
  ('form_option_measure', 'SaveMessage',   6,
   '設定を保存しました。単位と表示桁数は Kinemo の次回起動時に変わります。今すぐ Kinemo を再起動しますか?', NULL),
  ('form_option_measure', 'OutOfRangeError', 7, '小数点以下の桁数は %s〜%s の整数で入力してください。', NULL);
