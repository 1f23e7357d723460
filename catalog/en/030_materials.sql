-- Materials offered as pick lists for input values: densities of common machine materials
-- and friction coefficients of common guides. A material's value is in its own unit
-- (mmm_muv_cd); the unit class of a value names the material class it offers
-- (m_machine_unit_class.muc_mmc_cd: Density -> 1, Friction coefficient -> 2).

INSERT INTO m_machine_material_class (mmc_cd, mmc_name) VALUES
  (1, 'Density of materials'),
  (2, 'Friction coefficient of guides');

-- Densities in kg/m³ (unit 1301), typical values at room temperature.
INSERT INTO m_machine_material (mmm_cd, mmm_mmc_cd, mmm_name, mmm_value, mmm_muv_cd) VALUES
  (101, 1, 'Steel',                         '7850', 1301),
  (102, 1, 'Stainless steel (austenitic)',  '7930', 1301),
  (103, 1, 'Aluminium alloy',               '2700', 1301),
  (104, 1, 'Brass',                         '8500', 1301),
  (105, 1, 'Cast iron (grey)',              '7200', 1301),
  (106, 1, 'Copper',                        '8960', 1301),
  (107, 1, 'Titanium alloy',                '4430', 1301),
  (108, 1, 'Resin: POM (acetal)',           '1410', 1301),
  (109, 1, 'Resin: PA 6 (nylon)',           '1140', 1301),
  (110, 1, 'Resin: PMMA (acrylic)',         '1190', 1301),
  (111, 1, 'Glass (soda-lime)',             '2500', 1301);

-- Friction coefficients (dimensionless, unit 1801): sizing values that include seals and
-- lubrication drag, on the safe side of the usual ranges.
INSERT INTO m_machine_material (mmm_cd, mmm_mmc_cd, mmm_name, mmm_value, mmm_muv_cd) VALUES
  (201, 2, 'Rolling guide (ball)',                    '0.01',  1801),
  (202, 2, 'Rolling guide (roller)',                  '0.005', 1801),
  (203, 2, 'Cross-roller guide',                      '0.003', 1801),
  (204, 2, 'Ball bushing',                            '0.003', 1801),
  (205, 2, 'Slide guide, resin-lined, lubricated',    '0.1',   1801),
  (206, 2, 'Slide guide, steel on cast iron, lubricated', '0.15', 1801),
  (207, 2, 'Slide guide, poorly lubricated',          '0.2',   1801),
  (208, 2, 'Roller conveyor',                         '0.05',  1801);
