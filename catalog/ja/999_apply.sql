-- Runs after every Japanese text file: checks that each English text has a Japanese row
-- and each Japanese row an English one (the same keys in both languages), then writes the
-- Japanese texts over the English ones. A difference in keys is written to the temporary
-- table build_problem, whose rows kinemo-mkcatalog prints before it fails the build; the
-- lines start with "ja missing:" or "ja extra:" (catalog/tools/ja_missing.sh lists them).

CREATE TEMP TABLE build_problem (message TEXT NOT NULL);

-- Every English text by table, key and column. A message row is a text when its value or
-- its second value holds a letter (column widths and result codes are numbers).
CREATE TEMP VIEW en_text (tbl, k, col, en) AS
  SELECT 's_message', msg_class || '/' || msg_control || '/' || ifnull(msg_cd, ''), 'msg_value',
         msg_value || ifnull(' | ' || msg_symbol, '')
  FROM s_message WHERE msg_value GLOB '*[A-Za-z]*' OR msg_symbol GLOB '*[A-Za-z]*'
  UNION ALL SELECT 'm_machine_material_class', mmc_cd, 'mmc_name', mmc_name FROM m_machine_material_class WHERE ifnull(mmc_name, '') <> ''
  UNION ALL SELECT 'm_machine_unit_class', muc_cd, 'muc_name', muc_name FROM m_machine_unit_class WHERE ifnull(muc_name, '') <> ''
  UNION ALL SELECT 'm_machine_material', mmm_cd, 'mmm_name', mmm_name FROM m_machine_material WHERE ifnull(mmm_name, '') <> ''
  UNION ALL SELECT 'm_machine_block', mmb_cd, 'mmb_name', mmb_name FROM m_machine_block WHERE ifnull(mmb_name, '') <> ''
  UNION ALL SELECT 'm_machine_block', mmb_cd, 'mmb_note', mmb_note FROM m_machine_block WHERE ifnull(mmb_note, '') <> ''
  UNION ALL SELECT 't_machine_element', tme_cd, 'tme_name', tme_name FROM t_machine_element WHERE ifnull(tme_name, '') <> ''
  UNION ALL SELECT 't_machine_element', tme_cd, 'tme_note', tme_note FROM t_machine_element WHERE ifnull(tme_note, '') <> ''
  UNION ALL SELECT 't_machine_value', tmv_cd, 'tmv_name', tmv_name FROM t_machine_value WHERE ifnull(tmv_name, '') <> ''
  UNION ALL SELECT 'm_tmp_calc', mtc_cd, 'mtc_title', mtc_title FROM m_tmp_calc WHERE ifnull(mtc_title, '') <> ''
  UNION ALL SELECT 'm_sigmoidal_curve', msc_cd, 'msc_drive_caption', msc_drive_caption FROM m_sigmoidal_curve WHERE ifnull(msc_drive_caption, '') <> ''
  UNION ALL SELECT 'm_sigmoidal_curve', msc_cd, 'msc_motor_caption', msc_motor_caption FROM m_sigmoidal_curve WHERE ifnull(msc_motor_caption, '') <> ''
  UNION ALL SELECT 'm_motor_function', mmf_cd, 'mmf_name', mmf_name FROM m_motor_function WHERE ifnull(mmf_name, '') <> ''
  UNION ALL SELECT 'm_motor_function', mmf_cd, 'mmf_feature', mmf_feature FROM m_motor_function WHERE ifnull(mmf_feature, '') <> ''
  UNION ALL SELECT 'm_motor_function', mmf_cd, 'mmf_value', mmf_value FROM m_motor_function WHERE ifnull(mmf_value, '') <> ''
  UNION ALL SELECT 't_motor_series', tms_cd, 'tms_name', tms_name FROM t_motor_series WHERE ifnull(tms_name, '') <> ''
  UNION ALL SELECT 't_motor_series', tms_cd, 'tms_feature', tms_feature FROM t_motor_series WHERE ifnull(tms_feature, '') <> ''
  UNION ALL SELECT 'm_search_phase', msp_cd, 'msp_name', msp_name FROM m_search_phase WHERE ifnull(msp_name, '') <> ''
  UNION ALL SELECT 'm_search_brake', msb_cd, 'msb_name', msb_name FROM m_search_brake WHERE ifnull(msb_name, '') <> ''
  UNION ALL SELECT 'm_search_brake', msb_cd, 'msb_value', msb_value FROM m_search_brake WHERE ifnull(msb_value, '') <> ''
  UNION ALL SELECT 'm_search_encoder', mse_cd, 'mse_name', mse_name FROM m_search_encoder WHERE ifnull(mse_name, '') <> ''
  UNION ALL SELECT 'm_search_motor_gear', msmg_cd, 'msmg_name', msmg_name FROM m_search_motor_gear WHERE ifnull(msmg_name, '') <> ''
  UNION ALL SELECT 'm_search_motor_gear', msmg_cd, 'msmg_value', msmg_value FROM m_search_motor_gear WHERE ifnull(msmg_value, '') <> ''
  UNION ALL SELECT 'm_search_oil_seal', msos_cd, 'msos_name', msos_name FROM m_search_oil_seal WHERE ifnull(msos_name, '') <> ''
  UNION ALL SELECT 'm_search_motor_shaft', msms_cd, 'msms_name', msms_name FROM m_search_motor_shaft WHERE ifnull(msms_name, '') <> ''
  UNION ALL SELECT 'm_search_gear_type', msgt_cd, 'msgt_name', msgt_name FROM m_search_gear_type WHERE ifnull(msgt_name, '') <> ''
  UNION ALL SELECT 'm_search_gear_shaft', msgs_cd, 'msgs_name', msgs_name FROM m_search_gear_shaft WHERE ifnull(msgs_name, '') <> ''
  UNION ALL SELECT 't_option_select_master', tosm_cd, 'tosm_name', tosm_name FROM t_option_select_master WHERE ifnull(tosm_name, '') <> ''
  UNION ALL SELECT 't_option_select_master', tosm_cd, 'tosm_alert', tosm_alert FROM t_option_select_master WHERE ifnull(tosm_alert, '') <> ''
  UNION ALL SELECT 'm_option_value_master', movm_cd, 'movm_title', movm_title FROM m_option_value_master WHERE ifnull(movm_title, '') <> ''
  UNION ALL SELECT 'm_option_value_master', movm_cd, 'movm_name', movm_name FROM m_option_value_master WHERE ifnull(movm_name, '') <> ''
  UNION ALL SELECT 'm_option_value_master', movm_cd, 'movm_message', movm_message FROM m_option_value_master WHERE ifnull(movm_message, '') <> ''
  UNION ALL SELECT 'm_option_cable_length', mocl_cd, 'mocl_name', mocl_name FROM m_option_cable_length WHERE ifnull(mocl_name, '') <> ''
  UNION ALL SELECT 'T_VANTOR_COMBOBOX', NAME, 'VALUE', VALUE FROM T_VANTOR_COMBOBOX WHERE ifnull(VALUE, '') <> '';

-- Every key of the English catalog (texts or not) and every Japanese row.
CREATE TEMP VIEW en_key (tbl, k) AS
  SELECT 's_message', msg_class || '/' || msg_control || '/' || ifnull(msg_cd, '') FROM s_message
  UNION ALL SELECT 'm_machine_material_class', mmc_cd FROM m_machine_material_class
  UNION ALL SELECT 'm_machine_unit_class', muc_cd FROM m_machine_unit_class
  UNION ALL SELECT 'm_machine_material', mmm_cd FROM m_machine_material
  UNION ALL SELECT 'm_machine_block', mmb_cd FROM m_machine_block
  UNION ALL SELECT 't_machine_element', tme_cd FROM t_machine_element
  UNION ALL SELECT 't_machine_value', tmv_cd FROM t_machine_value
  UNION ALL SELECT 'm_tmp_calc', mtc_cd FROM m_tmp_calc
  UNION ALL SELECT 'm_sigmoidal_curve', msc_cd FROM m_sigmoidal_curve
  UNION ALL SELECT 'm_motor_function', mmf_cd FROM m_motor_function
  UNION ALL SELECT 't_motor_series', tms_cd FROM t_motor_series
  UNION ALL SELECT 'm_search_phase', msp_cd FROM m_search_phase
  UNION ALL SELECT 'm_search_brake', msb_cd FROM m_search_brake
  UNION ALL SELECT 'm_search_encoder', mse_cd FROM m_search_encoder
  UNION ALL SELECT 'm_search_motor_gear', msmg_cd FROM m_search_motor_gear
  UNION ALL SELECT 'm_search_oil_seal', msos_cd FROM m_search_oil_seal
  UNION ALL SELECT 'm_search_motor_shaft', msms_cd FROM m_search_motor_shaft
  UNION ALL SELECT 'm_search_gear_type', msgt_cd FROM m_search_gear_type
  UNION ALL SELECT 'm_search_gear_shaft', msgs_cd FROM m_search_gear_shaft
  UNION ALL SELECT 't_option_select_master', tosm_cd FROM t_option_select_master
  UNION ALL SELECT 'm_option_value_master', movm_cd FROM m_option_value_master
  UNION ALL SELECT 'm_option_cable_length', mocl_cd FROM m_option_cable_length
  UNION ALL SELECT 'T_VANTOR_COMBOBOX', NAME FROM T_VANTOR_COMBOBOX;
CREATE TEMP VIEW ja_key (tbl, k) AS
  SELECT 's_message', msg_class || '/' || msg_control || '/' || ifnull(msg_cd, '') FROM ja_s_message
  UNION ALL SELECT 'm_machine_material_class', mmc_cd FROM ja_m_machine_material_class
  UNION ALL SELECT 'm_machine_unit_class', muc_cd FROM ja_m_machine_unit_class
  UNION ALL SELECT 'm_machine_material', mmm_cd FROM ja_m_machine_material
  UNION ALL SELECT 'm_machine_block', mmb_cd FROM ja_m_machine_block
  UNION ALL SELECT 't_machine_element', tme_cd FROM ja_t_machine_element
  UNION ALL SELECT 't_machine_value', tmv_cd FROM ja_t_machine_value
  UNION ALL SELECT 'm_tmp_calc', mtc_cd FROM ja_m_tmp_calc
  UNION ALL SELECT 'm_sigmoidal_curve', msc_cd FROM ja_m_sigmoidal_curve
  UNION ALL SELECT 'm_motor_function', mmf_cd FROM ja_m_motor_function
  UNION ALL SELECT 't_motor_series', tms_cd FROM ja_t_motor_series
  UNION ALL SELECT 'm_search_phase', msp_cd FROM ja_m_search_phase
  UNION ALL SELECT 'm_search_brake', msb_cd FROM ja_m_search_brake
  UNION ALL SELECT 'm_search_encoder', mse_cd FROM ja_m_search_encoder
  UNION ALL SELECT 'm_search_motor_gear', msmg_cd FROM ja_m_search_motor_gear
  UNION ALL SELECT 'm_search_oil_seal', msos_cd FROM ja_m_search_oil_seal
  UNION ALL SELECT 'm_search_motor_shaft', msms_cd FROM ja_m_search_motor_shaft
  UNION ALL SELECT 'm_search_gear_type', msgt_cd FROM ja_m_search_gear_type
  UNION ALL SELECT 'm_search_gear_shaft', msgs_cd FROM ja_m_search_gear_shaft
  UNION ALL SELECT 't_option_select_master', tosm_cd FROM ja_t_option_select_master
  UNION ALL SELECT 'm_option_value_master', movm_cd FROM ja_m_option_value_master
  UNION ALL SELECT 'm_option_cable_length', mocl_cd FROM ja_m_option_cable_length
  UNION ALL SELECT 'T_VANTOR_COMBOBOX', NAME FROM ja_T_VANTOR_COMBOBOX;

INSERT INTO build_problem (message)
  SELECT 'ja missing: ' || e.tbl || ' ' || e.k || ' ' || e.col || ' = ''' || e.en || ''''
  FROM en_text e WHERE NOT EXISTS (SELECT 1 FROM ja_key j WHERE j.tbl = e.tbl AND j.k = e.k)
  ORDER BY e.tbl, e.k, e.col;
INSERT INTO build_problem (message)
  SELECT 'ja extra: ' || j.tbl || ' ' || j.k || ' has no English row'
  FROM ja_key j WHERE NOT EXISTS (SELECT 1 FROM en_key e WHERE e.tbl = j.tbl AND e.k = j.k)
  ORDER BY j.tbl, j.k;
INSERT INTO build_problem (message)
  SELECT 'ja missing: ' || p.tbl || ' ' || p.col || ' phrase ''' || p.en || ''''
  FROM (SELECT DISTINCT 't_motor_value' AS tbl, 'msv_backlash' AS col, msv_backlash AS en
        FROM t_motor_value WHERE msv_backlash GLOB '*[A-Za-z]*') p
  WHERE NOT EXISTS (SELECT 1 FROM ja_phrase f WHERE f.tbl = p.tbl AND f.col = p.col AND f.en = p.en);

-- The Japanese texts over the English ones (a NULL Japanese text keeps the English one).
UPDATE s_message SET
  msg_value = coalesce((SELECT j.msg_value FROM ja_s_message j
                        WHERE j.msg_class = s_message.msg_class AND j.msg_control = s_message.msg_control
                          AND j.msg_cd IS s_message.msg_cd), msg_value),
  msg_symbol = coalesce((SELECT j.msg_symbol FROM ja_s_message j
                         WHERE j.msg_class = s_message.msg_class AND j.msg_control = s_message.msg_control
                           AND j.msg_cd IS s_message.msg_cd), msg_symbol);
UPDATE m_machine_material_class SET
  mmc_name = coalesce((SELECT j.mmc_name FROM ja_m_machine_material_class j WHERE j.mmc_cd = m_machine_material_class.mmc_cd), mmc_name);
UPDATE m_machine_unit_class SET
  muc_name = coalesce((SELECT j.muc_name FROM ja_m_machine_unit_class j WHERE j.muc_cd = m_machine_unit_class.muc_cd), muc_name);
UPDATE m_machine_material SET
  mmm_name = coalesce((SELECT j.mmm_name FROM ja_m_machine_material j WHERE j.mmm_cd = m_machine_material.mmm_cd), mmm_name);
UPDATE m_machine_block SET
  mmb_name = coalesce((SELECT j.mmb_name FROM ja_m_machine_block j WHERE j.mmb_cd = m_machine_block.mmb_cd), mmb_name),
  mmb_note = coalesce((SELECT j.mmb_note FROM ja_m_machine_block j WHERE j.mmb_cd = m_machine_block.mmb_cd), mmb_note);
UPDATE t_machine_element SET
  tme_name = coalesce((SELECT j.tme_name FROM ja_t_machine_element j WHERE j.tme_cd = t_machine_element.tme_cd), tme_name),
  tme_note = coalesce((SELECT j.tme_note FROM ja_t_machine_element j WHERE j.tme_cd = t_machine_element.tme_cd), tme_note);
UPDATE t_machine_value SET
  tmv_name = coalesce((SELECT j.tmv_name FROM ja_t_machine_value j WHERE j.tmv_cd = t_machine_value.tmv_cd), tmv_name);
UPDATE m_tmp_calc SET
  mtc_title = coalesce((SELECT j.mtc_title FROM ja_m_tmp_calc j WHERE j.mtc_cd = m_tmp_calc.mtc_cd), mtc_title);
UPDATE m_sigmoidal_curve SET
  msc_drive_caption = coalesce((SELECT j.msc_drive_caption FROM ja_m_sigmoidal_curve j WHERE j.msc_cd = m_sigmoidal_curve.msc_cd), msc_drive_caption),
  msc_motor_caption = coalesce((SELECT j.msc_motor_caption FROM ja_m_sigmoidal_curve j WHERE j.msc_cd = m_sigmoidal_curve.msc_cd), msc_motor_caption);
UPDATE m_motor_function SET
  mmf_name = coalesce((SELECT j.mmf_name FROM ja_m_motor_function j WHERE j.mmf_cd = m_motor_function.mmf_cd), mmf_name),
  mmf_feature = coalesce((SELECT j.mmf_feature FROM ja_m_motor_function j WHERE j.mmf_cd = m_motor_function.mmf_cd), mmf_feature),
  mmf_value = coalesce((SELECT j.mmf_value FROM ja_m_motor_function j WHERE j.mmf_cd = m_motor_function.mmf_cd), mmf_value);
UPDATE t_motor_series SET
  tms_name = coalesce((SELECT j.tms_name FROM ja_t_motor_series j WHERE j.tms_cd = t_motor_series.tms_cd), tms_name),
  tms_feature = coalesce((SELECT j.tms_feature FROM ja_t_motor_series j WHERE j.tms_cd = t_motor_series.tms_cd), tms_feature);
UPDATE m_search_phase SET
  msp_name = coalesce((SELECT j.msp_name FROM ja_m_search_phase j WHERE j.msp_cd = m_search_phase.msp_cd), msp_name);
UPDATE m_search_brake SET
  msb_name = coalesce((SELECT j.msb_name FROM ja_m_search_brake j WHERE j.msb_cd = m_search_brake.msb_cd), msb_name),
  msb_value = coalesce((SELECT j.msb_value FROM ja_m_search_brake j WHERE j.msb_cd = m_search_brake.msb_cd), msb_value);
UPDATE m_search_encoder SET
  mse_name = coalesce((SELECT j.mse_name FROM ja_m_search_encoder j WHERE j.mse_cd = m_search_encoder.mse_cd), mse_name);
UPDATE m_search_motor_gear SET
  msmg_name = coalesce((SELECT j.msmg_name FROM ja_m_search_motor_gear j WHERE j.msmg_cd = m_search_motor_gear.msmg_cd), msmg_name),
  msmg_value = coalesce((SELECT j.msmg_value FROM ja_m_search_motor_gear j WHERE j.msmg_cd = m_search_motor_gear.msmg_cd), msmg_value);
UPDATE m_search_oil_seal SET
  msos_name = coalesce((SELECT j.msos_name FROM ja_m_search_oil_seal j WHERE j.msos_cd = m_search_oil_seal.msos_cd), msos_name);
UPDATE m_search_motor_shaft SET
  msms_name = coalesce((SELECT j.msms_name FROM ja_m_search_motor_shaft j WHERE j.msms_cd = m_search_motor_shaft.msms_cd), msms_name);
UPDATE m_search_gear_type SET
  msgt_name = coalesce((SELECT j.msgt_name FROM ja_m_search_gear_type j WHERE j.msgt_cd = m_search_gear_type.msgt_cd), msgt_name);
UPDATE m_search_gear_shaft SET
  msgs_name = coalesce((SELECT j.msgs_name FROM ja_m_search_gear_shaft j WHERE j.msgs_cd = m_search_gear_shaft.msgs_cd), msgs_name);
UPDATE t_option_select_master SET
  tosm_name = coalesce((SELECT j.tosm_name FROM ja_t_option_select_master j WHERE j.tosm_cd = t_option_select_master.tosm_cd), tosm_name),
  tosm_alert = coalesce((SELECT j.tosm_alert FROM ja_t_option_select_master j WHERE j.tosm_cd = t_option_select_master.tosm_cd), tosm_alert);
UPDATE m_option_value_master SET
  movm_title = coalesce((SELECT j.movm_title FROM ja_m_option_value_master j WHERE j.movm_cd = m_option_value_master.movm_cd), movm_title),
  movm_name = coalesce((SELECT j.movm_name FROM ja_m_option_value_master j WHERE j.movm_cd = m_option_value_master.movm_cd), movm_name),
  movm_message = coalesce((SELECT j.movm_message FROM ja_m_option_value_master j WHERE j.movm_cd = m_option_value_master.movm_cd), movm_message);
UPDATE m_option_cable_length SET
  mocl_name = coalesce((SELECT j.mocl_name FROM ja_m_option_cable_length j WHERE j.mocl_cd = m_option_cable_length.mocl_cd), mocl_name);
UPDATE T_VANTOR_COMBOBOX SET
  VALUE = coalesce((SELECT j.VALUE FROM ja_T_VANTOR_COMBOBOX j WHERE j.NAME = T_VANTOR_COMBOBOX.NAME), VALUE);
UPDATE t_motor_value SET msv_backlash = coalesce(
  (SELECT f.ja FROM ja_phrase f WHERE f.tbl = 't_motor_value' AND f.col = 'msv_backlash'
                                  AND f.en = t_motor_value.msv_backlash), msv_backlash);
