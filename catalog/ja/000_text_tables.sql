-- Staging tables for the Japanese texts: the files of this folder fill them with the
-- Japanese text of each English row, by the row's key; 999_apply.sql checks that both
-- languages have the same keys and writes the texts over the English ones. Everything
-- else (formulas, motors, prices, pictures) is the English catalog's data, built from
-- the same files. A NULL text means "the same in Japanese" (symbols, file filters).

CREATE TEMP TABLE ja_s_message (
  msg_class   TEXT NOT NULL,
  msg_control TEXT NOT NULL,
  msg_cd      INTEGER,
  msg_value   TEXT,
  msg_symbol  TEXT,  -- NULL keeps the English second value (help targets, result codes)
  PRIMARY KEY (msg_class, msg_control, msg_cd)
);

-- One table per catalog table with texts: its key and its text columns.
CREATE TEMP TABLE ja_m_machine_material_class (mmc_cd INTEGER PRIMARY KEY, mmc_name TEXT);
CREATE TEMP TABLE ja_m_machine_unit_class (muc_cd INTEGER PRIMARY KEY, muc_name TEXT);
CREATE TEMP TABLE ja_m_machine_material (mmm_cd INTEGER PRIMARY KEY, mmm_name TEXT);
CREATE TEMP TABLE ja_m_machine_block (mmb_cd INTEGER PRIMARY KEY, mmb_name TEXT, mmb_note TEXT);
CREATE TEMP TABLE ja_t_machine_element (tme_cd INTEGER PRIMARY KEY, tme_name TEXT, tme_note TEXT);
CREATE TEMP TABLE ja_t_machine_value (tmv_cd INTEGER PRIMARY KEY, tmv_name TEXT);
CREATE TEMP TABLE ja_m_tmp_calc (mtc_cd INTEGER PRIMARY KEY, mtc_title TEXT);
CREATE TEMP TABLE ja_m_sigmoidal_curve (msc_cd INTEGER PRIMARY KEY, msc_drive_caption TEXT,
                                        msc_motor_caption TEXT);
CREATE TEMP TABLE ja_m_motor_function (mmf_cd INTEGER PRIMARY KEY, mmf_name TEXT, mmf_feature TEXT,
                                       mmf_value TEXT);
CREATE TEMP TABLE ja_t_motor_series (tms_cd INTEGER PRIMARY KEY, tms_name TEXT, tms_feature TEXT);
CREATE TEMP TABLE ja_m_search_phase (msp_cd INTEGER PRIMARY KEY, msp_name TEXT);
CREATE TEMP TABLE ja_m_search_brake (msb_cd INTEGER PRIMARY KEY, msb_name TEXT, msb_value TEXT);
CREATE TEMP TABLE ja_m_search_encoder (mse_cd INTEGER PRIMARY KEY, mse_name TEXT);
CREATE TEMP TABLE ja_m_search_motor_gear (msmg_cd INTEGER PRIMARY KEY, msmg_name TEXT, msmg_value TEXT);
CREATE TEMP TABLE ja_m_search_oil_seal (msos_cd INTEGER PRIMARY KEY, msos_name TEXT);
CREATE TEMP TABLE ja_m_search_motor_shaft (msms_cd INTEGER PRIMARY KEY, msms_name TEXT);
CREATE TEMP TABLE ja_m_search_gear_type (msgt_cd INTEGER PRIMARY KEY, msgt_name TEXT);
CREATE TEMP TABLE ja_m_search_gear_shaft (msgs_cd INTEGER PRIMARY KEY, msgs_name TEXT);
CREATE TEMP TABLE ja_t_option_select_master (tosm_cd INTEGER PRIMARY KEY, tosm_name TEXT, tosm_alert TEXT);
CREATE TEMP TABLE ja_m_option_value_master (movm_cd INTEGER PRIMARY KEY, movm_title TEXT, movm_name TEXT,
                                            movm_message TEXT);
CREATE TEMP TABLE ja_m_option_cable_length (mocl_cd INTEGER PRIMARY KEY, mocl_name TEXT);
CREATE TEMP TABLE ja_T_VANTOR_COMBOBOX (NAME TEXT PRIMARY KEY, VALUE TEXT);

-- Texts that many rows repeat (the backlash text of every geared motor): one Japanese
-- text per distinct English text of the column.
CREATE TEMP TABLE ja_phrase (
  tbl TEXT NOT NULL,
  col TEXT NOT NULL,
  en  TEXT NOT NULL,
  ja  TEXT,
  PRIMARY KEY (tbl, col, en)
);
