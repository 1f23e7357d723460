-- Consistency checks run after the last data file; a failed check stops the build with
-- "CHECK constraint failed: <name of the check>". Each count below lists the offending rows
-- when its SELECT is run without COUNT in sqlite3 on the built catalog.

CREATE TEMP TABLE catalog_check (
  dangling_codes INTEGER
    CONSTRAINT codes_name_existing_rows_foreign_key_check CHECK (dangling_codes = 0),
  missing_pairs INTEGER
    CONSTRAINT every_unit_pair_of_a_class_has_a_conversion CHECK (missing_pairs = 0),
  foreign_pairs INTEGER
    CONSTRAINT conversions_join_distinct_units_of_one_class CHECK (foreign_pairs = 0),
  inconsistent_back INTEGER
    CONSTRAINT conversion_there_and_back_gives_one CHECK (inconsistent_back = 0),
  inconsistent_chain INTEGER
    CONSTRAINT conversion_over_a_third_unit_agrees CHECK (inconsistent_chain = 0),
  bad_defaults INTEGER
    CONSTRAINT default_unit_belongs_to_its_class CHECK (bad_defaults = 0),
  empty_classes INTEGER
    CONSTRAINT every_unit_class_has_units CHECK (empty_classes = 0),
  twin_symbols INTEGER
    CONSTRAINT unit_symbols_differ_within_a_class CHECK (twin_symbols = 0),
  bad_material_units INTEGER
    CONSTRAINT material_unit_offers_the_material_class CHECK (bad_material_units = 0),
  bad_material_values INTEGER
    CONSTRAINT material_value_is_a_number CHECK (bad_material_values = 0),
  twin_constants INTEGER
    CONSTRAINT constant_names_differ_ignoring_case CHECK (twin_constants = 0),
  bad_constants INTEGER
    CONSTRAINT constant_value_is_a_number CHECK (bad_constants = 0),
  tab_captions INTEGER
    CONSTRAINT page_tab_captions_1_to_6_exist CHECK (tab_captions = 6)
);

INSERT INTO catalog_check VALUES (
  (SELECT COUNT(*) FROM pragma_foreign_key_check),
  (SELECT COUNT(*)
     FROM t_machine_unit_value AS a
     JOIN t_machine_unit_value AS b ON a.muv_muc_cd = b.muv_muc_cd AND a.muv_cd <> b.muv_cd
     LEFT JOIN m_machine_unit_exc AS x
       ON x.mue_from_muv_cd = a.muv_cd AND x.mue_to_muv_cd = b.muv_cd
    WHERE x.mue_exchange IS NULL),
  (SELECT COUNT(*)
     FROM m_machine_unit_exc AS x
     LEFT JOIN t_machine_unit_value AS a ON a.muv_cd = x.mue_from_muv_cd
     LEFT JOIN t_machine_unit_value AS b ON b.muv_cd = x.mue_to_muv_cd
    WHERE a.muv_cd IS NULL OR b.muv_cd IS NULL OR a.muv_muc_cd <> b.muv_muc_cd
       OR a.muv_cd = b.muv_cd),
  (SELECT COUNT(*)
     FROM m_machine_unit_exc AS x
     JOIN m_machine_unit_exc AS y
       ON y.mue_from_muv_cd = x.mue_to_muv_cd AND y.mue_to_muv_cd = x.mue_from_muv_cd
    WHERE abs(x.mue_exchange * y.mue_exchange - 1.0) > 1e-15),
  (SELECT COUNT(*)
     FROM m_machine_unit_exc AS ab
     JOIN m_machine_unit_exc AS bc ON bc.mue_from_muv_cd = ab.mue_to_muv_cd
     JOIN m_machine_unit_exc AS ac
       ON ac.mue_from_muv_cd = ab.mue_from_muv_cd AND ac.mue_to_muv_cd = bc.mue_to_muv_cd
    WHERE abs(ab.mue_exchange * bc.mue_exchange / ac.mue_exchange - 1.0) > 1e-14),
  (SELECT COUNT(*)
     FROM m_machine_unit_class AS c
     LEFT JOIN t_machine_unit_value AS u
       ON u.muv_cd = c.muc_default_muv_cd AND u.muv_muc_cd = c.muc_cd
    WHERE u.muv_cd IS NULL),
  (SELECT COUNT(*)
     FROM m_machine_unit_class AS c
    WHERE NOT EXISTS (SELECT 1 FROM t_machine_unit_value AS u WHERE u.muv_muc_cd = c.muc_cd)),
  (SELECT COUNT(*)
     FROM t_machine_unit_value AS a
     JOIN t_machine_unit_value AS b
       ON a.muv_muc_cd = b.muv_muc_cd AND a.muv_cd < b.muv_cd AND a.muv_symbol = b.muv_symbol),
  (SELECT COUNT(*)
     FROM m_machine_material AS m
     LEFT JOIN t_machine_unit_value AS u ON u.muv_cd = m.mmm_muv_cd
     LEFT JOIN m_machine_unit_class AS c ON c.muc_cd = u.muv_muc_cd
    WHERE c.muc_mmc_cd IS NULL OR c.muc_mmc_cd <> m.mmm_mmc_cd),
  (SELECT COUNT(*)
     FROM m_machine_material
    WHERE mmm_value IS NULL OR mmm_value GLOB '*[^0-9.eE+-]*' OR mmm_value NOT GLOB '*[0-9]*'),
  (SELECT COUNT(*) - COUNT(DISTINCT upper(cons_name)) FROM s_physicalconstant),
  (SELECT COUNT(*)
     FROM s_physicalconstant
    WHERE cons_value IS NULL OR cons_value GLOB '*[^0-9.eE+-]*' OR cons_value NOT GLOB '*[0-9]*'),
  (SELECT COUNT(DISTINCT msg_cd) FROM s_message WHERE msg_class = '1' AND msg_cd BETWEEN 1 AND 6)
);

DROP TABLE catalog_check;

-- Motor catalog. The motor screens join these tables with INNER JOINs and use some codes
-- as row numbers, so a wrong code silently drops motors or picks a wrong value.
CREATE TEMP TABLE motor_catalog_check (
  bad_motor_codes INTEGER
    CONSTRAINT motor_codes_name_existing_rows CHECK (bad_motor_codes = 0),
  bad_gear_codes INTEGER
    CONSTRAINT geared_motors_and_only_they_have_gear_codes CHECK (bad_gear_codes = 0),
  bad_ext_codes INTEGER
    CONSTRAINT extension_codes_name_existing_rows CHECK (bad_ext_codes = 0),
  bad_not_offered INTEGER
    CONSTRAINT output_exclusions_name_existing_rows CHECK (bad_not_offered = 0),
  gapped_row_codes INTEGER
    CONSTRAINT supply_encoder_gear_rate_codes_run_1_to_n CHECK (gapped_row_codes = 0),
  fixed_codes INTEGER
    CONSTRAINT phase_supply_brake_gear_codes_fixed CHECK (fixed_codes = 8),
  bad_price_pairs INTEGER
    CONSTRAINT price_rows_join_matching_motor_and_extension_code CHECK (bad_price_pairs = 0),
  missing_prices INTEGER
    CONSTRAINT every_offered_motor_and_extension_code_has_one_price CHECK (missing_prices = 0),
  unsold_motors INTEGER
    CONSTRAINT every_motor_has_a_price_row CHECK (unsold_motors = 0),
  bad_model_names INTEGER
    CONSTRAINT model_names_are_upper_case_letters_and_digits CHECK (bad_model_names = 0),
  twin_direct_input INTEGER
    CONSTRAINT model_amplifier_phase_supply_find_one_row CHECK (twin_direct_input = 0),
  bad_amplifier_text INTEGER
    CONSTRAINT motor_amplifier_text_is_its_amplifier_model CHECK (bad_amplifier_text = 0),
  bad_motor_values INTEGER
    CONSTRAINT motor_values_positive_and_ordered CHECK (bad_motor_values = 0),
  off_torques INTEGER
    CONSTRAINT rated_torque_matches_output_at_rated_speed CHECK (off_torques = 0),
  bad_series INTEGER
    CONSTRAINT series_have_function_picture_motors_and_codes CHECK (bad_series = 0),
  result_labels INTEGER
    CONSTRAINT judgement_labels_0_to_7_exist CHECK (result_labels = 8)
);

INSERT INTO motor_catalog_check VALUES (
  (SELECT COUNT(*) FROM t_motor_value AS v
    WHERE NOT EXISTS (SELECT 1 FROM t_motor_series WHERE tms_cd = v.msv_tms_cd)
       OR NOT EXISTS (SELECT 1 FROM m_amplifier_price WHERE map_cd = v.msv_map_cd)
       OR NOT EXISTS (SELECT 1 FROM m_option_connect_image WHERE moc_cd = v.msv_moc_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_output WHERE mso_cd = v.msv_mso_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_phase WHERE msp_cd = v.msv_msp_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_supply WHERE mss_cd = v.msv_mss_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_encoder WHERE mse_cd = v.msv_mse_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_brake WHERE msb_cd = v.msv_msb_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_motor_gear WHERE msmg_cd = v.msv_msmg_cd)
       OR (v.msv_msgr_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_gear_rate WHERE msgr_cd = v.msv_msgr_cd))
       OR (v.msv_msgt_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_gear_type WHERE msgt_cd = v.msv_msgt_cd))),
  (SELECT COUNT(*) FROM t_motor_value
    WHERE (msv_msmg_cd = 1) <> (msv_msgr_cd IS NOT NULL AND msv_msgt_cd IS NOT NULL)
       OR (msv_msmg_cd = 1 AND (msv_gearinertia <= 0 OR msv_geartorque <= 0
                                OR msv_m_geareta <= 0 OR msv_m_geareta > 1
                                OR msv_s_backlash <= 0))
       OR (msv_msmg_cd <> 1 AND (msv_gearinertia <> 0 OR msv_geartorque <> 0
                                 OR msv_m_geareta <> 1 OR msv_s_backlash <> 0))),
  (SELECT COUNT(*) FROM m_ext_code AS x
    WHERE NOT EXISTS (SELECT 1 FROM t_motor_series WHERE tms_cd = x.mxc_tms_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_brake WHERE msb_cd = x.mxc_msb_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_motor_gear WHERE msmg_cd = x.mxc_msmg_cd)
       OR (x.mxc_msgr_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_gear_rate WHERE msgr_cd = x.mxc_msgr_cd))
       OR (x.mxc_msgt_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_gear_type WHERE msgt_cd = x.mxc_msgt_cd))
       OR (x.mxc_msos_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_oil_seal WHERE msos_cd = x.mxc_msos_cd))
       OR (x.mxc_msms_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_motor_shaft WHERE msms_cd = x.mxc_msms_cd))
       OR (x.mxc_msgs_cd IS NOT NULL
           AND NOT EXISTS (SELECT 1 FROM m_search_gear_shaft WHERE msgs_cd = x.mxc_msgs_cd))),
  (SELECT COUNT(*) FROM t_ext_output_not AS t
    WHERE NOT EXISTS (SELECT 1 FROM m_ext_code WHERE mxc_cd = t.txon_mxc_cd)
       OR NOT EXISTS (SELECT 1 FROM m_search_output WHERE mso_cd = t.txon_mso_cd)),
  (SELECT (SELECT COUNT(*) <> COALESCE(MAX(mss_cd), 0) OR COALESCE(MIN(mss_cd), 1) <> 1
             FROM m_search_supply)
        + (SELECT COUNT(*) <> COALESCE(MAX(mse_cd), 0) OR COALESCE(MIN(mse_cd), 1) <> 1
             FROM m_search_encoder)
        + (SELECT COUNT(*) <> COALESCE(MAX(msgr_cd), 0) OR COALESCE(MIN(msgr_cd), 1) <> 1
             FROM m_search_gear_rate)),
  (SELECT (SELECT COUNT(*) FROM m_search_phase WHERE msp_cd IN (1, 2))
        + (SELECT COUNT(*) FROM m_search_supply
            WHERE (mss_cd = 1 AND mss_n_supply = 100) OR (mss_cd = 2 AND mss_n_supply = 200))
        + (SELECT COUNT(*) FROM m_search_brake WHERE msb_cd IN (1, 2))
        + (SELECT COUNT(*) FROM m_search_motor_gear WHERE msmg_cd IN (1, 2))),
  (SELECT COUNT(*) FROM m_motor_price AS p
     LEFT JOIN t_motor_value AS v ON v.msv_cd = p.mmp_msv_cd
     LEFT JOIN m_ext_code AS x ON x.mxc_cd = p.mmp_mxc_cd
    WHERE v.msv_cd IS NULL OR x.mxc_cd IS NULL OR x.mxc_tms_cd <> v.msv_tms_cd
       OR x.mxc_msb_cd IS NOT v.msv_msb_cd OR x.mxc_msmg_cd IS NOT v.msv_msmg_cd
       OR x.mxc_msgr_cd IS NOT v.msv_msgr_cd OR x.mxc_msgt_cd IS NOT v.msv_msgt_cd
       OR EXISTS (SELECT 1 FROM t_ext_output_not
                   WHERE txon_mxc_cd = x.mxc_cd AND txon_mso_cd = v.msv_mso_cd)),
  (SELECT COUNT(*) FROM t_motor_value AS v
     JOIN m_ext_code AS x
       ON x.mxc_tms_cd = v.msv_tms_cd AND x.mxc_msb_cd IS v.msv_msb_cd
      AND x.mxc_msmg_cd IS v.msv_msmg_cd AND x.mxc_msgr_cd IS v.msv_msgr_cd
      AND x.mxc_msgt_cd IS v.msv_msgt_cd
    WHERE NOT EXISTS (SELECT 1 FROM t_ext_output_not
                       WHERE txon_mxc_cd = x.mxc_cd AND txon_mso_cd = v.msv_mso_cd)
      AND (SELECT COUNT(*) FROM m_motor_price
            WHERE mmp_msv_cd = v.msv_cd AND mmp_mxc_cd = x.mxc_cd) <> 1),
  (SELECT COUNT(*) FROM t_motor_value AS v
    WHERE NOT EXISTS (SELECT 1 FROM m_motor_price WHERE mmp_msv_cd = v.msv_cd)),
  (SELECT (SELECT COUNT(*) FROM m_motor_price
            WHERE mmp_model IS NULL OR mmp_model = '' OR mmp_model GLOB '*[^A-Z0-9]*'
               OR mmp_price IS NULL OR mmp_price <= 0)
        + (SELECT COUNT(*) FROM m_amplifier_price
            WHERE map_model IS NULL OR map_model = '' OR map_model GLOB '*[^A-Z0-9]*'
               OR map_price IS NULL OR map_price <= 0)),
  (SELECT COUNT(*) FROM (
     SELECT 1 FROM m_motor_price AS p
       JOIN t_motor_value AS v ON v.msv_cd = p.mmp_msv_cd
       JOIN m_amplifier_price AS a ON a.map_cd = v.msv_map_cd
      GROUP BY p.mmp_model, a.map_model, v.msv_msp_cd, v.msv_mss_cd HAVING COUNT(*) > 1)),
  (SELECT COUNT(*) FROM t_motor_value AS v
     LEFT JOIN m_amplifier_price AS a ON a.map_cd = v.msv_map_cd
    WHERE v.msv_amplifier IS NOT a.map_model),
  (SELECT COUNT(*) FROM t_motor_value AS v
     JOIN m_search_supply AS s ON s.mss_cd = v.msv_mss_cd
    WHERE NOT (v.msv_s_rotorinertia > 0 AND v.msv_s_ratedtorque > 0
               AND v.msv_s_maxtorque > v.msv_s_ratedtorque
               AND v.msv_s_ratedspeed > 0 AND v.msv_s_maxspeed >= v.msv_s_ratedspeed
               AND v.msv_m_tripsupply > s.mss_n_supply * 1.4143 AND v.msv_m_capacitor > 0
               AND v.msv_s_phaseresistance > 0 AND v.msv_s_ratedcurrent > 0
               AND v.msv_m_allowabledischarge >= 0
               AND v.msv_m_momentarydischarge > v.msv_m_allowabledischarge
               AND v.msv_m_externalresistor > v.msv_m_allowabledischarge
               AND v.msv_m_externalresistorcapacity > 0 AND v.msv_m_warninginertia > 0
               AND v.msv_m_warningtorquedef > 0 AND v.msv_m_warningtorquedef <= 1
               AND v.msv_m_warningtorquehigh > 0 AND v.msv_m_warningtorquehigh <= 1
               AND v.msv_m_warningtorquelow > 0 AND v.msv_m_warningtorquelow <= 1
               AND v.msv_m_warningallowabledischarge > 0
               AND v.msv_m_warningallowabledischarge <= 1
               AND v.msv_m_warningmomentarydischarge > 0
               AND v.msv_m_warningmomentarydischarge <= 1
               AND COALESCE(v.msv_pureexternalresistor, '') <> ''
               AND COALESCE(v.msv_backlash, '') <> '')),
  (SELECT COUNT(*) FROM t_motor_value AS v
     JOIN m_search_output AS o ON o.mso_cd = v.msv_mso_cd
    WHERE abs(v.msv_s_ratedtorque * v.msv_s_ratedspeed * 2 * 3.141592653589793 / 60
              / o.mso_n_output - 1) > 0.02),
  (SELECT COUNT(*) FROM t_motor_series AS t
    WHERE NOT EXISTS (SELECT 1 FROM m_motor_function WHERE mmf_cd = t.tms_mmf_cd)
       OR COALESCE(t.tms_name, '') = '' OR COALESCE(t.tms_feature, '') = ''
       OR COALESCE(t.tms_image, '') = '' OR COALESCE(t.tms_option_image, '') = ''
       OR NOT EXISTS (SELECT 1 FROM t_motor_value WHERE msv_tms_cd = t.tms_cd)
       OR NOT EXISTS (SELECT 1 FROM m_ext_code WHERE mxc_tms_cd = t.tms_cd)),
  (SELECT COUNT(DISTINCT msg_symbol) FROM s_message
    WHERE msg_class = 'adjudication' AND msg_control = 'MotorResult'
      AND msg_symbol IN ('0', '1', '2', '3', '4', '5', '6', '7'))
);

DROP TABLE motor_catalog_check;

-- Physical ranges of the input values: numbers, the lower limit below the upper one, and
-- every start value inside its own range (a new element must never start refused).
CREATE TEMP TABLE value_range_check (
  bad_ranges INTEGER
    CONSTRAINT input_ranges_are_numbers_and_ordered CHECK (bad_ranges = 0),
  bad_starts INTEGER
    CONSTRAINT input_start_values_lie_in_their_range CHECK (bad_starts = 0)
);

INSERT INTO value_range_check VALUES (
  (SELECT COUNT(*) FROM t_machine_value
    WHERE (tmv_min_value IS NOT NULL AND trim(tmv_min_value) GLOB '*[^0-9.eE+-]*')
       OR (tmv_max_value IS NOT NULL AND trim(tmv_max_value) GLOB '*[^0-9.eE+-]*')
       OR (tmv_min_value IS NOT NULL AND tmv_max_value IS NOT NULL
           AND (CAST(tmv_min_value AS REAL) > CAST(tmv_max_value AS REAL)
                OR (CAST(tmv_min_value AS REAL) = CAST(tmv_max_value AS REAL)
                    AND (tmv_min_open = 1 OR tmv_max_open = 1))))),
  (SELECT COUNT(*) FROM t_machine_value
    WHERE (tmv_min_value IS NOT NULL
           AND (CAST(COALESCE(tmv_start_value, '0') AS REAL) < CAST(tmv_min_value AS REAL)
                OR (tmv_min_open = 1 AND CAST(COALESCE(tmv_start_value, '0') AS REAL) = CAST(tmv_min_value AS REAL))))
       OR (tmv_max_value IS NOT NULL
           AND (CAST(COALESCE(tmv_start_value, '0') AS REAL) > CAST(tmv_max_value AS REAL)
                OR (tmv_max_open = 1 AND CAST(COALESCE(tmv_start_value, '0') AS REAL) = CAST(tmv_max_value AS REAL)))))
);

DROP TABLE value_range_check;

-- Options: every motor offers at least one entry in each of the seven choice lists of the
-- option detail page (cable or connector, cable length, interface, manual, software, RS-232C,
-- RS-485); option rows name existing parts and choices; replacement targets are rows the
-- page has; preset quantities lie in the quantity list.
CREATE TEMP TABLE option_catalog_check (
  no_cable INTEGER CONSTRAINT every_motor_has_a_cable_or_connector_choice CHECK (no_cable = 0),
  no_length INTEGER CONSTRAINT every_cable_choice_has_a_length_with_parts CHECK (no_length = 0),
  no_interface INTEGER CONSTRAINT every_motor_has_an_interface_choice CHECK (no_interface = 0),
  no_manual INTEGER CONSTRAINT every_motor_has_a_manual_choice CHECK (no_manual = 0),
  no_software INTEGER CONSTRAINT every_motor_has_a_software_choice CHECK (no_software = 0),
  no_rs232c INTEGER CONSTRAINT every_motor_has_an_rs232c_choice CHECK (no_rs232c = 0),
  no_rs485 INTEGER CONSTRAINT every_motor_has_an_rs485_choice CHECK (no_rs485 = 0),
  bad_parts INTEGER CONSTRAINT option_rows_name_existing_parts CHECK (bad_parts = 0),
  bad_choices INTEGER CONSTRAINT option_choices_name_existing_rows CHECK (bad_choices = 0),
  bad_targets INTEGER CONSTRAINT replacement_targets_are_first_rows_of_known_groups CHECK (bad_targets = 0),
  bad_presets INTEGER CONSTRAINT option_presets_lie_in_the_quantity_list CHECK (bad_presets = 0),
  bad_prices INTEGER CONSTRAINT option_prices_are_whole_and_not_negative CHECK (bad_prices = 0),
  no_battery INTEGER CONSTRAINT absolute_encoder_motors_offer_a_battery CHECK (no_battery = 0)
);

CREATE TEMP VIEW option_preset AS
  SELECT mocv_default_check AS p FROM m_option_cable_value UNION ALL
  SELECT mocxv_default_check FROM m_option_cable_exchange_value UNION ALL
  SELECT mocov_default_check FROM m_option_cable_outtab_value UNION ALL
  SELECT moiv_default_check FROM m_option_interface_value UNION ALL
  SELECT momv_default_check FROM m_option_manual_value UNION ALL
  SELECT mosv_default_check FROM m_option_software_value UNION ALL
  SELECT mo2v_default_check FROM m_option_rs232c_value UNION ALL
  SELECT mo4v_default_check FROM m_option_rs485_value UNION ALL
  SELECT mobv_default_check FROM m_option_battery_value UNION ALL
  SELECT mopv_default_check FROM m_option_power_value UNION ALL
  SELECT moev_default_check FROM m_option_etc_value;

CREATE TEMP VIEW option_part AS
  SELECT mocv_movm_cd AS m FROM m_option_cable_value UNION ALL
  SELECT mocxv_movm_cd FROM m_option_cable_exchange_value UNION ALL
  SELECT mocov_movm_cd FROM m_option_cable_outtab_value UNION ALL
  SELECT moiv_movm_cd FROM m_option_interface_value UNION ALL
  SELECT momv_movm_cd FROM m_option_manual_value UNION ALL
  SELECT mosv_movm_cd FROM m_option_software_value UNION ALL
  SELECT mo2v_movm_cd FROM m_option_rs232c_value UNION ALL
  SELECT mo4v_movm_cd FROM m_option_rs485_value UNION ALL
  SELECT mobv_movm_cd FROM m_option_battery_value UNION ALL
  SELECT mopv_movm_cd FROM m_option_power_value UNION ALL
  SELECT moev_movm_cd FROM m_option_etc_value;

CREATE TEMP VIEW option_choice AS
  SELECT tocc_tosm_cd AS c FROM t_option_cable_cross UNION ALL
  SELECT tocxs_tosm_cd FROM t_option_cable_exchange_select UNION ALL
  SELECT tois_tosm_cd FROM t_option_interface_select UNION ALL
  SELECT toms_tosm_cd FROM t_option_manual_select UNION ALL
  SELECT toss_tosm_cd FROM t_option_software_select UNION ALL
  SELECT to2s_tosm_cd FROM t_option_rs232c_select UNION ALL
  SELECT to4s_tosm_cd FROM t_option_rs485_select UNION ALL
  SELECT tobs_tosm_cd FROM t_option_battery_select UNION ALL
  SELECT tops_tosm_cd FROM t_option_power_select UNION ALL
  SELECT toes_tosm_cd FROM t_option_etc_select;

INSERT INTO option_catalog_check VALUES (
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT tocc_msv_cd FROM t_option_cable_cross)),
  (SELECT COUNT(*) FROM t_option_cable_cross AS tocc
    WHERE tocc_mocl_cd NOT IN (SELECT mocl_cd FROM m_option_cable_length)
       OR tocc_cd NOT IN (SELECT mocv_tocc_cd FROM m_option_cable_value)),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT tois_msv_cd FROM t_option_interface_select)),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT toms_msv_cd FROM t_option_manual_select)),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT toss_msv_cd FROM t_option_software_select)),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT to2s_msv_cd FROM t_option_rs232c_select)),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_cd NOT IN (SELECT to4s_msv_cd FROM t_option_rs485_select)),
  (SELECT COUNT(*) FROM option_part WHERE m NOT IN (SELECT movm_cd FROM m_option_value_master)),
  (SELECT COUNT(*) FROM option_choice WHERE c NOT IN (SELECT tosm_cd FROM t_option_select_master)),
  (SELECT COUNT(*) FROM m_option_cable_exchange_value
    WHERE mocxv_target_cd NOT IN ('PanelCable_GBox_0', 'PanelBattery_GBox_0'))
  + (SELECT COUNT(*) FROM m_option_cable_outtab_value
    WHERE mocov_target_cd NOT IN ('PanelInterface_GBox_0', 'PanelPowerBox_GBox_0')),
  (SELECT COUNT(*) FROM option_preset
    WHERE p < 0 OR p > (SELECT cfg_value FROM s_config WHERE cfg_class = 'option_select_combobox_max')),
  (SELECT COUNT(*) FROM m_option_value_master WHERE typeof(movm_price) <> 'integer' OR movm_price < 0),
  (SELECT COUNT(*) FROM t_motor_value WHERE msv_mse_cd <> 1
      AND msv_cd NOT IN (SELECT tobs_msv_cd FROM t_option_battery_select))
);

DROP TABLE option_catalog_check;
DROP VIEW option_preset;
DROP VIEW option_part;
DROP VIEW option_choice;
