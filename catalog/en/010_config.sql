-- Global settings and the catalog version.
INSERT INTO m_db_version (mdv_cd, mdv_value) VALUES (1, '1.0.0.0');
INSERT INTO s_config (cfg_class, cfg_value, cfg_name) VALUES
  ('user_define_factor', 1, NULL),
  ('debug_mode', 0, NULL),
  ('font_charset', 1, NULL),
  ('max_factor_count', 10, NULL),
  ('font_name', NULL, 'Noto Sans CJK JP'),
  ('vantor_registry_path', NULL, 'Software\Kinemo\CadLink'),
  ('vantor_language', NULL, 'en'),
  ('true_application_version', NULL, '1.0.0.0'),
  ('money_symbol', NULL, '$'),
  ('price_visible', 1, NULL),
  ('option_select_combobox_max', 20, NULL),
  -- Wall-clock time one formula run may take, in milliseconds, before it is stopped as runaway.
  ('formula_time_limit_ms', 2000, NULL);
