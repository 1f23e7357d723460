-- Japanese texts of the About command, the recent projects of the File menu, the help
-- message when no program opens a target, and the About box.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('desktop', 'ActionMenuHelpAbout', 1, 'Kinemo について(&A)...', NULL),
  ('desktop', 'RecentProjectFormat', 2, '&%d  %s', NULL),
  ('desktop', 'RecentProjectMissing', 3,
   'プロジェクトファイル「%s」は見つかりません。最近使ったプロジェクトの一覧から削除しました。', NULL),
  ('desktop', 'HelpTargetNotOpened', 5,
   '「%s」を開くプログラムがこのコンピュータにありません。Web ブラウザまたは文書ビューアをインストールしてから、もう一度お試しください。', NULL),

  ('form_about', 'FormCaption',             1, 'Kinemo について', NULL),
  ('form_about', 'LabelTitle',              2, 'Kinemo', NULL),
  ('form_about', 'LabelDescription',        3,
   'サーボモータとアンプの選定: 機械要素、運転パターン、区間トルク、カタログの全モータの判定。', NULL),
  ('form_about', 'LabelApplicationVersion', 4, 'プログラムのバージョン:', NULL),
  ('form_about', 'LabelMdbVersion',         5, 'カタログのバージョン:', NULL),
  ('form_about', 'LabelCatalogPath',        6, 'カタログファイル:', NULL),
  ('form_about', 'LabelQtVersion',          7, 'Qt のバージョン:', NULL),
  ('form_about', 'ButtonOK',                8, 'OK', NULL);
