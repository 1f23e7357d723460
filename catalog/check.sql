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
