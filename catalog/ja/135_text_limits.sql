-- Japanese texts of the limits that keep files from others from taking over the program.
-- Format arguments keep the English order: the path first.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('error', 'CatalogViewRefused', 3301,
   'カタログ「%s」は使用できません。「%s」はビューです。カタログには表だけが入ります。', NULL),
  ('error', 'CatalogQueryTimeLimit', 3302,
   'カタログ「%s」の問い合わせが %s 秒を超えたため中止しました。カタログが壊れている可能性があります。' || char(10) || 'SQL: %s', NULL),
  ('error', 'FileTooLarge', 3303,
   'ファイル「%s」は %s MB を超えており、この種類のファイルとしては大きすぎます。読み込みませんでした。', NULL),
  ('error', 'FormulaStopped', 3304,
   'カタログの計算式 %s を中止しました: %s', NULL);
