-- Kinemo catalog schema: every table and column the program reads.
--
-- Conventions: "m_" master data, "t_" tables keyed to other tables, "s_" system tables
-- (texts, settings, constants). Every column carries its table's abbreviation. Codes are
-- INTEGER, numbers the formulas or the judgement read are REAL, texts are TEXT. Columns the
-- program reads "as text" and converts itself (start values, material values) are TEXT.
-- Whole numbers that screens show or write back as text (supply voltage, position range)
-- are INTEGER, so they never read back as "200.0". Foreign keys are declared among the unit
-- and material tables only (deferred: checked when the build commits); catalog/check.sql
-- adds the checks a foreign key cannot express.

---------------------------------------------------------------------------------------------
-- Start-up, texts, formulas
---------------------------------------------------------------------------------------------

-- Global settings: one row per key; integer settings in cfg_value, text settings in cfg_name.
CREATE TABLE s_config (
  cfg_class TEXT PRIMARY KEY,
  cfg_value INTEGER,
  cfg_name  TEXT
);

-- Catalog version; row mdv_cd = 1 holds the version text major.minor.release.build.
CREATE TABLE m_db_version (
  mdv_cd    INTEGER PRIMARY KEY,
  mdv_value TEXT
);

-- Every user-interface text, found by class (screen) and control (key); msg_cd orders the
-- rows (and is the key itself in class "1"); msg_symbol is a second value (help target,
-- result code, grid header line 2 or column weight).
CREATE TABLE s_message (
  msg_cd      INTEGER,
  msg_class   TEXT NOT NULL,
  msg_control TEXT NOT NULL,
  msg_value   TEXT,
  msg_symbol  TEXT
);
CREATE INDEX ix_s_message ON s_message (msg_class, msg_control);

-- Formula texts (statements separated by CR LF) by key: drive pattern, interval torque,
-- torque list, judgement, regeneration and stopping accuracy formulas.
CREATE TABLE m_drive_pattern (
  mdp_class TEXT PRIMARY KEY,
  mdp_value TEXT
);

---------------------------------------------------------------------------------------------
-- Units, materials, physical constants
---------------------------------------------------------------------------------------------

-- Material classes: a group of materials offered as a pick list for one quantity.
CREATE TABLE m_machine_material_class (
  mmc_cd   INTEGER PRIMARY KEY,
  mmc_name TEXT
);

-- Unit classes (quantities): name, catalog default unit, and the material class whose
-- materials are offered for values of this quantity (NULL: none).
CREATE TABLE m_machine_unit_class (
  muc_cd             INTEGER PRIMARY KEY,
  muc_name           TEXT NOT NULL,
  muc_default_muv_cd INTEGER,
  muc_mmc_cd         INTEGER REFERENCES m_machine_material_class (mmc_cd)
                       DEFERRABLE INITIALLY DEFERRED
);

-- Units of measure; muv_cd is unique over all classes and orders the units of a class.
CREATE TABLE t_machine_unit_value (
  muv_cd     INTEGER PRIMARY KEY,
  muv_symbol TEXT NOT NULL,
  muv_muc_cd INTEGER NOT NULL REFERENCES m_machine_unit_class (muc_cd)
               DEFERRABLE INITIALLY DEFERRED
);

-- Conversion factors: value in the target unit = value in the source unit x mue_exchange.
-- One row per ordered pair of distinct units of a class (a missing pair converts to 0).
CREATE TABLE m_machine_unit_exc (
  mue_from_muv_cd INTEGER NOT NULL REFERENCES t_machine_unit_value (muv_cd)
                    DEFERRABLE INITIALLY DEFERRED,
  mue_to_muv_cd   INTEGER NOT NULL REFERENCES t_machine_unit_value (muv_cd)
                    DEFERRABLE INITIALLY DEFERRED,
  mue_exchange    REAL NOT NULL,
  PRIMARY KEY (mue_from_muv_cd, mue_to_muv_cd)
);

-- Materials: a named value (read as text) in its own unit, member of one material class.
CREATE TABLE m_machine_material (
  mmm_cd     INTEGER PRIMARY KEY,
  mmm_mmc_cd INTEGER NOT NULL REFERENCES m_machine_material_class (mmc_cd)
               DEFERRABLE INITIALLY DEFERRED,
  mmm_name   TEXT NOT NULL,
  mmm_value  TEXT,
  mmm_muv_cd INTEGER REFERENCES t_machine_unit_value (muv_cd)
               DEFERRABLE INITIALLY DEFERRED
);

-- Physical constants handed to every formula as "name=value", in table (rowid) order.
CREATE TABLE s_physicalconstant (
  cons_name  TEXT NOT NULL,
  cons_value TEXT
);

---------------------------------------------------------------------------------------------
-- Machine elements
---------------------------------------------------------------------------------------------

-- Element blocks (tabs of the element screen); docking codes 0 = rotary, other = linear.
CREATE TABLE m_machine_block (
  mmb_cd          INTEGER PRIMARY KEY,
  mmb_name        TEXT,
  mmb_docking_in  INTEGER NOT NULL DEFAULT 0,
  mmb_docking_out INTEGER NOT NULL DEFAULT 0,
  mmb_image       TEXT,
  mmb_note        TEXT
);

-- Catalog elements of a block; tme_element_type 0 plain, 1 accepts an external force (any
-- other value is never listed); tme_behavior 1 = the element holds a load (brake rule);
-- picture paths are relative to the program folder.
CREATE TABLE t_machine_element (
  tme_cd                INTEGER PRIMARY KEY,
  tme_mmb_cd            INTEGER NOT NULL,
  tme_name              TEXT NOT NULL,
  tme_behavior          INTEGER NOT NULL DEFAULT 0,
  tme_element_type      INTEGER NOT NULL DEFAULT 0,
  tme_img_path          TEXT,
  tme_selected_img_path TEXT,
  tme_draged_img_path   TEXT,
  tme_note              TEXT
);
CREATE INDEX ix_t_machine_element_block ON t_machine_element (tme_mmb_cd, tme_cd);

-- Element formulas: one statement per row, run in mcv_cd order.
CREATE TABLE m_machine_calc_value (
  mcv_cd     INTEGER PRIMARY KEY,
  mcv_tme_cd INTEGER NOT NULL,
  mcv_value  TEXT
);
CREATE INDEX ix_m_machine_calc_value_element ON m_machine_calc_value (mcv_tme_cd, mcv_cd);

-- Numeric input values: label, formula symbol, start value in the formula unit (text, NULL =
-- 0), formula unit (a code naming no unit means "no unit"), 1 = required (must not be 0).
-- The physical range of the value, in the formula unit: tmv_min_value and tmv_max_value
-- (text, NULL = no limit on that side); tmv_min_open / tmv_max_open 1 = the limit itself is
-- excluded (a length that must be above 0). A catalog without the three columns of our own
-- (tmv_min_value, tmv_min_open, tmv_max_open) limits nothing.
CREATE TABLE t_machine_value (
  tmv_cd          INTEGER PRIMARY KEY,
  tmv_name        TEXT,
  tmv_symbol      TEXT NOT NULL,
  tmv_start_value TEXT,
  tmv_max_value   TEXT,
  tmv_muv_cd      INTEGER,
  tmv_req_value   INTEGER NOT NULL DEFAULT 0,
  tmv_min_value   TEXT,
  tmv_min_open    INTEGER NOT NULL DEFAULT 0,
  tmv_max_open    INTEGER NOT NULL DEFAULT 0
);

-- Which numeric input values each element has.
CREATE TABLE t_machine_value_cross (
  mvc_tme_cd INTEGER NOT NULL,
  mvc_tmv_cd INTEGER NOT NULL,
  PRIMARY KEY (mvc_tme_cd, mvc_tmv_cd)
);

-- Calculated (display-only) items of an element: a script leaving "Result", its unit
-- (NULL: none) and its label.
CREATE TABLE m_tmp_calc (
  mtc_cd     INTEGER PRIMARY KEY,
  mtc_tme_cd INTEGER NOT NULL,
  mtc_value  TEXT,
  mtc_muv_cd INTEGER,
  mtc_title  TEXT
);

---------------------------------------------------------------------------------------------
-- Drive pattern
---------------------------------------------------------------------------------------------

-- S-curve entries: list captions, modulus of the interval torque formula, whether the user
-- may edit it, and whether the speed curve is drawn in the second colour.
CREATE TABLE m_sigmoidal_curve (
  msc_cd            INTEGER PRIMARY KEY,
  msc_drive_caption TEXT,
  msc_motor_caption TEXT,
  msc_modulus       REAL,
  msc_editable      INTEGER NOT NULL DEFAULT 0,
  msc_adhibition    INTEGER NOT NULL DEFAULT 0
);

---------------------------------------------------------------------------------------------
-- Motors, series, search items
---------------------------------------------------------------------------------------------

-- Motor functions (families): list text, description, family text, hidden flag, order.
CREATE TABLE m_motor_function (
  mmf_cd      INTEGER PRIMARY KEY,
  mmf_name    TEXT,
  mmf_feature TEXT,
  mmf_value   TEXT,
  mmf_hide    INTEGER NOT NULL DEFAULT 0,
  mmf_order   INTEGER
);

-- Motor series of a function: name, description, pictures (relative paths), order.
CREATE TABLE t_motor_series (
  tms_cd           INTEGER PRIMARY KEY,
  tms_mmf_cd       INTEGER NOT NULL,
  tms_name         TEXT,
  tms_feature      TEXT,
  tms_image        TEXT,
  tms_option_image TEXT,
  tms_orderby      INTEGER
);

-- Torque-speed envelope of a series, one row per corner point of a zone (1 continuous,
-- 2 peak), in order: speed as a position between standstill (0), the motor's rated speed (1)
-- and its maximum speed (2), linear between; torque as a fraction of its rated torque
-- (zone 1) or of its peak torque (zone 2).
CREATE TABLE t_torque_speed (
  tts_cd     INTEGER PRIMARY KEY,
  tts_tms_cd INTEGER NOT NULL REFERENCES t_motor_series (tms_cd),
  tts_zone   INTEGER NOT NULL CHECK (tts_zone IN (1, 2)),
  tts_order  INTEGER NOT NULL,
  tts_speed  REAL NOT NULL CHECK (tts_speed BETWEEN 0 AND 2),
  tts_torque REAL NOT NULL CHECK (tts_torque >= 0)
);

-- Search item: motor output (rated output value in mso_n_output).
CREATE TABLE m_search_output (
  mso_cd       INTEGER PRIMARY KEY,
  mso_name     TEXT,
  mso_orderby  INTEGER,
  mso_n_output REAL
);

-- Search item: supply phase. Codes are fixed: 1 single-phase, 2 three-phase (the option page's
-- amplifier supply choices and the price check messages use them).
CREATE TABLE m_search_phase (
  msp_cd      INTEGER PRIMARY KEY,
  msp_name    TEXT,
  msp_orderby INTEGER
);

-- Search item: supply voltage class, rated supply voltage in mss_n_supply. Codes are fixed:
-- 1 = 100 V class, 2 = 200 V class (see m_search_phase). Codes run 1..n without gaps: the
-- motor screen uses a code as the row number of the table in code order.
CREATE TABLE m_search_supply (
  mss_cd       INTEGER PRIMARY KEY,
  mss_name     TEXT,
  mss_orderby  INTEGER,
  mss_n_supply INTEGER
);

-- Search item: holding brake (code 1 with brake, 2 without; value text for the detail view).
CREATE TABLE m_search_brake (
  msb_cd      INTEGER PRIMARY KEY,
  msb_name    TEXT,
  msb_orderby INTEGER,
  msb_n_brake REAL,
  msb_value   TEXT
);

-- Search item: encoder (position range in pulses, resolution in pulses per revolution).
-- Codes run 1..n without gaps (a code is used as the row number in code order).
CREATE TABLE m_search_encoder (
  mse_cd      INTEGER PRIMARY KEY,
  mse_name    TEXT,
  mse_orderby INTEGER,
  mse_range   INTEGER,
  mse_m_res   INTEGER
);

-- Search item: motor gear (code 1 = built-in gear head).
CREATE TABLE m_search_motor_gear (
  msmg_cd      INTEGER PRIMARY KEY,
  msmg_name    TEXT,
  msmg_orderby INTEGER,
  msmg_value   TEXT
);

-- Search item: oil seal.
CREATE TABLE m_search_oil_seal (
  msos_cd      INTEGER PRIMARY KEY,
  msos_name    TEXT,
  msos_orderby INTEGER
);

-- Search item: motor shaft shape.
CREATE TABLE m_search_motor_shaft (
  msms_cd      INTEGER PRIMARY KEY,
  msms_name    TEXT,
  msms_orderby INTEGER
);

-- Search item: gear type.
CREATE TABLE m_search_gear_type (
  msgt_cd      INTEGER PRIMARY KEY,
  msgt_name    TEXT,
  msgt_orderby INTEGER
);

-- Search item: gear reduction ratio (numeric ratio in msgr_value).
-- Codes run 1..n without gaps (a code is used as the row number in code order).
CREATE TABLE m_search_gear_rate (
  msgr_cd      INTEGER PRIMARY KEY,
  msgr_name    TEXT,
  msgr_orderby INTEGER,
  msgr_value   REAL
);

-- Search item: gear output shaft shape.
CREATE TABLE m_search_gear_shaft (
  msgs_cd      INTEGER PRIMARY KEY,
  msgs_name    TEXT,
  msgs_orderby INTEGER
);

-- Extension codes of a series: the brake, gear and shaft choices each code stands for.
CREATE TABLE m_ext_code (
  mxc_cd      INTEGER PRIMARY KEY,
  mxc_tms_cd  INTEGER NOT NULL,
  mxc_msb_cd  INTEGER,
  mxc_msmg_cd INTEGER,
  mxc_msgr_cd INTEGER,
  mxc_msgt_cd INTEGER,
  mxc_msos_cd INTEGER,
  mxc_msms_cd INTEGER,
  mxc_msgs_cd INTEGER
);

-- Outputs that are not available with an extension code.
CREATE TABLE t_ext_output_not (
  txon_mxc_cd INTEGER NOT NULL,
  txon_mso_cd INTEGER NOT NULL,
  PRIMARY KEY (txon_mxc_cd, txon_mso_cd)
);

-- Amplifier models and prices (integer amounts).
CREATE TABLE m_amplifier_price (
  map_cd    INTEGER PRIMARY KEY,
  map_model TEXT,
  map_price INTEGER
);

-- Connection pictures shown by the option screen (file name relative to the program folder).
CREATE TABLE m_option_connect_image (
  moc_cd    INTEGER PRIMARY KEY,
  moc_value TEXT
);

-- Motors: codes into the series, price, picture and search item tables, designations, and
-- the catalog values the judgement formulas receive (units as the formulas expect them).
CREATE TABLE t_motor_value (
  msv_cd                          INTEGER PRIMARY KEY,
  msv_tms_cd                      INTEGER NOT NULL,
  msv_map_cd                      INTEGER,
  msv_moc_cd                      INTEGER,
  msv_mso_cd                      INTEGER,
  msv_msp_cd                      INTEGER,
  msv_mss_cd                      INTEGER,
  msv_mse_cd                      INTEGER,
  msv_msb_cd                      INTEGER,
  msv_msmg_cd                     INTEGER,
  msv_msgr_cd                     INTEGER,
  msv_msgt_cd                     INTEGER,
  msv_amplifier                   TEXT,
  msv_amplifier2                  TEXT,
  msv_backlash                    TEXT,
  msv_pureexternalresistor        TEXT,
  msv_s_rotorinertia              REAL,
  msv_m_warninginertia            REAL,
  msv_s_maxtorque                 REAL,
  msv_s_ratedtorque               REAL,
  msv_s_maxspeed                  REAL,
  msv_m_tripsupply                REAL,
  msv_m_capacitor                 REAL,
  msv_s_phaseresistance           REAL,
  msv_s_ratedcurrent              REAL,
  msv_m_allowabledischarge        REAL,
  msv_m_momentarydischarge        REAL,
  msv_m_warningallowabledischarge REAL,
  msv_m_warningmomentarydischarge REAL,
  msv_m_warningtorquedef          REAL,
  msv_m_warningtorquehigh         REAL,
  msv_m_warningtorquelow          REAL,
  msv_s_ratedspeed                REAL,
  msv_gearinertia                 REAL,
  msv_geartorque                  REAL,
  msv_m_geareta                   REAL,
  msv_m_externalresistor          REAL,
  msv_m_externalresistorcapacity  REAL,
  msv_s_backlash                  REAL
);

-- Prices of one motor with one extension code: full model name, price, CAD part identifier
-- and the codes of the CAD parts rows.
CREATE TABLE m_motor_price (
  mmp_cd        INTEGER PRIMARY KEY,
  mmp_msv_cd    INTEGER NOT NULL,
  mmp_mxc_cd    INTEGER NOT NULL,
  mmp_model     TEXT,
  mmp_price     INTEGER,
  mmp_vantor_id TEXT,
  mmp_mvtv_cd   INTEGER,
  mmp_mvto_cd   INTEGER,
  mmp_mvte_cd   INTEGER,
  mmp_mvtb_cd   INTEGER,
  mmp_mvts_cd   INTEGER,
  mmp_mvtgr_cd  INTEGER,
  mmp_mvtgs_cd  INTEGER,
  mmp_mvtms_cd  INTEGER,
  mmp_mvtos_cd  INTEGER
);
CREATE INDEX ix_m_motor_price_motor ON m_motor_price (mmp_msv_cd, mmp_mxc_cd);

---------------------------------------------------------------------------------------------
-- Options and quotation
---------------------------------------------------------------------------------------------

-- Selectable choices (choice list entries, battery folder switch) with an alert and colour.
CREATE TABLE t_option_select_master (
  tosm_cd          INTEGER PRIMARY KEY,
  tosm_name        TEXT,
  tosm_alert       TEXT,
  tosm_alert_color TEXT
);

-- Orderable options: row title, part name, unit price, text for the printed quotation.
CREATE TABLE m_option_value_master (
  movm_cd      INTEGER PRIMARY KEY,
  movm_title   TEXT,
  movm_name    TEXT,
  movm_price   INTEGER,
  movm_message TEXT
);

-- Cable lengths.
CREATE TABLE m_option_cable_length (
  mocl_cd   INTEGER PRIMARY KEY,
  mocl_name TEXT
);

-- Cable/connector choice and cable length available for a motor.
CREATE TABLE t_option_cable_cross (
  tocc_cd      INTEGER PRIMARY KEY,
  tocc_msv_cd  INTEGER NOT NULL,
  tocc_tosm_cd INTEGER NOT NULL,
  tocc_mocl_cd INTEGER NOT NULL
);

-- Cable options of one cable cross row (preset quantity index, 1 = row disabled).
CREATE TABLE m_option_cable_value (
  mocv_cd            INTEGER PRIMARY KEY,
  mocv_tocc_cd       INTEGER NOT NULL,
  mocv_movm_cd       INTEGER NOT NULL,
  mocv_default_check INTEGER NOT NULL DEFAULT 0,
  mocv_disable       INTEGER NOT NULL DEFAULT 0
);

-- Battery folder switch of one cable cross row.
CREATE TABLE t_option_cable_exchange_select (
  tocxs_cd            INTEGER PRIMARY KEY,
  tocxs_tocc_cd       INTEGER NOT NULL,
  tocxs_tosm_cd       INTEGER NOT NULL,
  tocxs_default_check INTEGER NOT NULL DEFAULT 0,
  tocxs_disable       INTEGER NOT NULL DEFAULT 0
);

-- Options that replace a cable or battery row while the battery folder switch is on
-- (target "PanelCable_GBox_0" or "PanelBattery_GBox_0").
CREATE TABLE m_option_cable_exchange_value (
  mocxv_cd            INTEGER PRIMARY KEY,
  mocxv_toxs_cd       INTEGER NOT NULL,
  mocxv_movm_cd       INTEGER NOT NULL,
  mocxv_target_cd     TEXT,
  mocxv_default_check INTEGER NOT NULL DEFAULT 0,
  mocxv_disable       INTEGER NOT NULL DEFAULT 0
);

-- Options that replace an interface or power box row for a cable choice
-- (target "PanelInterface_GBox_0" or "PanelPowerBox_GBox_0").
CREATE TABLE m_option_cable_outtab_value (
  mocov_cd            INTEGER PRIMARY KEY,
  mocov_tocc_cd       INTEGER NOT NULL,
  mocov_movm_cd       INTEGER NOT NULL,
  mocov_target_cd     TEXT,
  mocov_default_check INTEGER NOT NULL DEFAULT 0,
  mocov_disable       INTEGER NOT NULL DEFAULT 0
);

-- Option kinds: for each kind a select table (choices available for a motor) and a value
-- table (options of one choice, preset quantity index, 1 = row disabled).
-- Interface units.
CREATE TABLE t_option_interface_select (
  tois_cd      INTEGER PRIMARY KEY,
  tois_msv_cd  INTEGER NOT NULL,
  tois_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_interface_value (
  moiv_cd            INTEGER PRIMARY KEY,
  moiv_tois_cd       INTEGER NOT NULL,
  moiv_movm_cd       INTEGER NOT NULL,
  moiv_default_check INTEGER NOT NULL DEFAULT 0,
  moiv_disable       INTEGER NOT NULL DEFAULT 0
);
-- Manuals.
CREATE TABLE t_option_manual_select (
  toms_cd      INTEGER PRIMARY KEY,
  toms_msv_cd  INTEGER NOT NULL,
  toms_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_manual_value (
  momv_cd            INTEGER PRIMARY KEY,
  momv_toms_cd       INTEGER NOT NULL,
  momv_movm_cd       INTEGER NOT NULL,
  momv_default_check INTEGER NOT NULL DEFAULT 0,
  momv_disable       INTEGER NOT NULL DEFAULT 0
);
-- Software.
CREATE TABLE t_option_software_select (
  toss_cd      INTEGER PRIMARY KEY,
  toss_msv_cd  INTEGER NOT NULL,
  toss_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_software_value (
  mosv_cd            INTEGER PRIMARY KEY,
  mosv_toss_cd       INTEGER NOT NULL,
  mosv_movm_cd       INTEGER NOT NULL,
  mosv_default_check INTEGER NOT NULL DEFAULT 0,
  mosv_disable       INTEGER NOT NULL DEFAULT 0
);
-- RS-232C communication cables.
CREATE TABLE t_option_rs232c_select (
  to2s_cd      INTEGER PRIMARY KEY,
  to2s_msv_cd  INTEGER NOT NULL,
  to2s_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_rs232c_value (
  mo2v_cd            INTEGER PRIMARY KEY,
  mo2v_to2s_cd       INTEGER NOT NULL,
  mo2v_movm_cd       INTEGER NOT NULL,
  mo2v_default_check INTEGER NOT NULL DEFAULT 0,
  mo2v_disable       INTEGER NOT NULL DEFAULT 0
);
-- RS-485 communication cables.
CREATE TABLE t_option_rs485_select (
  to4s_cd      INTEGER PRIMARY KEY,
  to4s_msv_cd  INTEGER NOT NULL,
  to4s_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_rs485_value (
  mo4v_cd            INTEGER PRIMARY KEY,
  mo4v_to4s_cd       INTEGER NOT NULL,
  mo4v_movm_cd       INTEGER NOT NULL,
  mo4v_default_check INTEGER NOT NULL DEFAULT 0,
  mo4v_disable       INTEGER NOT NULL DEFAULT 0
);
-- Batteries.
CREATE TABLE t_option_battery_select (
  tobs_cd      INTEGER PRIMARY KEY,
  tobs_msv_cd  INTEGER NOT NULL,
  tobs_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_battery_value (
  mobv_cd            INTEGER PRIMARY KEY,
  mobv_tobs_cd       INTEGER NOT NULL,
  mobv_movm_cd       INTEGER NOT NULL,
  mobv_default_check INTEGER NOT NULL DEFAULT 0,
  mobv_disable       INTEGER NOT NULL DEFAULT 0
);
-- Power boxes.
CREATE TABLE t_option_power_select (
  tops_cd      INTEGER PRIMARY KEY,
  tops_msv_cd  INTEGER NOT NULL,
  tops_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_power_value (
  mopv_cd            INTEGER PRIMARY KEY,
  mopv_tops_cd       INTEGER NOT NULL,
  mopv_movm_cd       INTEGER NOT NULL,
  mopv_default_check INTEGER NOT NULL DEFAULT 0,
  mopv_disable       INTEGER NOT NULL DEFAULT 0
);
-- Miscellaneous parts.
CREATE TABLE t_option_etc_select (
  toes_cd      INTEGER PRIMARY KEY,
  toes_msv_cd  INTEGER NOT NULL,
  toes_tosm_cd INTEGER NOT NULL
);
CREATE TABLE m_option_etc_value (
  moev_cd            INTEGER PRIMARY KEY,
  moev_toes_cd       INTEGER NOT NULL,
  moev_movm_cd       INTEGER NOT NULL,
  moev_default_check INTEGER NOT NULL DEFAULT 0,
  moev_disable       INTEGER NOT NULL DEFAULT 0
);

---------------------------------------------------------------------------------------------
-- CAD data link
---------------------------------------------------------------------------------------------

-- Hand-over file templates ("{[%]column[%]}" placeholders name columns of the parts row).
CREATE TABLE m_vantor_value (
  mvtv_cd    INTEGER PRIMARY KEY,
  mvtv_name  TEXT,
  mvtv_value TEXT
);
-- CAD parts: output (motor body) part.
CREATE TABLE m_vantor_output (
  mvto_cd    INTEGER PRIMARY KEY,
  mvto_name  TEXT,
  mvto_value TEXT,
  mvto_flange       NUMERIC,
  mvto_flange_thk   NUMERIC,
  mvto_pilot_dia    NUMERIC,
  mvto_pilot_len    NUMERIC,
  mvto_bolt_pcd     NUMERIC,
  mvto_bolt_dia     NUMERIC,
  mvto_body_sq      NUMERIC,
  mvto_body_len     NUMERIC
);
-- CAD parts: encoder part.
CREATE TABLE m_vantor_encoder (
  mvte_cd    INTEGER PRIMARY KEY,
  mvte_name  TEXT,
  mvte_value TEXT,
  mvte_dia          NUMERIC,
  mvte_len          NUMERIC
);
-- CAD parts: brake part.
CREATE TABLE m_vantor_brake (
  mvtb_cd    INTEGER PRIMARY KEY,
  mvtb_name  TEXT,
  mvtb_value TEXT,
  mvtb_len          NUMERIC
);
-- CAD parts: supply (connector) part.
CREATE TABLE m_vantor_supply (
  mvts_cd    INTEGER PRIMARY KEY,
  mvts_name  TEXT,
  mvts_value TEXT,
  mvts_conn_w       NUMERIC,
  mvts_conn_d       NUMERIC,
  mvts_conn_h       NUMERIC,
  mvts_power_pos    NUMERIC,
  mvts_signal_back  NUMERIC
);
-- CAD parts: gear head ratio part (geared motors).
CREATE TABLE m_vantor_gear_rate (
  mvtgr_cd    INTEGER PRIMARY KEY,
  mvtgr_name  TEXT,
  mvtgr_value TEXT,
  mvtgr_ratio       TEXT,
  mvtgr_flange      NUMERIC,
  mvtgr_flange_thk  NUMERIC,
  mvtgr_pilot_dia   NUMERIC,
  mvtgr_pilot_len   NUMERIC,
  mvtgr_bolt_pcd    NUMERIC,
  mvtgr_bolt_dia    NUMERIC,
  mvtgr_body_dia    NUMERIC,
  mvtgr_len         NUMERIC
);
-- CAD parts: gear output shaft part (geared motors).
CREATE TABLE m_vantor_gear_shaft (
  mvtgs_cd    INTEGER PRIMARY KEY,
  mvtgs_name  TEXT,
  mvtgs_value TEXT,
  mvtgs_kind        TEXT,
  mvtgs_dia         NUMERIC,
  mvtgs_len         NUMERIC,
  mvtgs_key_w       NUMERIC,
  mvtgs_key_len     NUMERIC,
  mvtgs_bolt_pcd    NUMERIC,
  mvtgs_holes       NUMERIC,
  mvtgs_hole_dia    NUMERIC
);
-- CAD parts: motor shaft part (motors without gear).
CREATE TABLE m_vantor_motor_shaft (
  mvtms_cd    INTEGER PRIMARY KEY,
  mvtms_name  TEXT,
  mvtms_value TEXT,
  mvtms_dia         NUMERIC,
  mvtms_len         NUMERIC,
  mvtms_key_w       NUMERIC,
  mvtms_key_len     NUMERIC
);
-- CAD parts: oil seal part (motors without gear).
CREATE TABLE m_vantor_oil_seal (
  mvtos_cd    INTEGER PRIMARY KEY,
  mvtos_name  TEXT,
  mvtos_value TEXT,
  mvtos_dia         NUMERIC
);

-- Window and dialog titles of the CAD data program, by name.
CREATE TABLE T_VANTOR_COMBOBOX (
  NAME  TEXT PRIMARY KEY,
  VALUE TEXT
);
