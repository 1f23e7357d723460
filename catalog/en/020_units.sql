-- Units of measure: classes (quantities), units, and every conversion between two units of
-- one class. Each unit is listed once below with its factor to the SI unit of its class; the
-- conversion rows are generated from those factors, so a unit added to the list gets its
-- conversions to and from every other unit of its class automatically.
-- Codes are stable: class n holds units n*100+1, n*100+2, ... in display order. Other
-- catalog files (element values, pattern columns, calculated items) refer to these codes.

INSERT INTO m_machine_unit_class (muc_cd, muc_name, muc_default_muv_cd, muc_mmc_cd) VALUES
  ( 1, 'Length',                101, NULL),
  ( 2, 'Mass',                  201, NULL),
  ( 3, 'Time',                  301, NULL),
  ( 4, 'Linear speed',          401, NULL),
  ( 5, 'Rotational speed',      501, NULL),
  ( 6, 'Angle',                 601, NULL),
  ( 7, 'Angular speed',         701, NULL),
  ( 8, 'Linear acceleration',   802, NULL),
  ( 9, 'Angular acceleration',  901, NULL),
  (10, 'Force',                1001, NULL),
  (11, 'Torque',               1101, NULL),
  (12, 'Moment of inertia',    1202, NULL),
  (13, 'Density',              1301, 1),
  (14, 'Power',                1401, NULL),
  (15, 'Energy',               1501, NULL),
  (16, 'Voltage',              1601, NULL),
  (17, 'Efficiency',           1701, NULL),
  (18, 'Friction coefficient', 1801, 2),
  (19, 'Resolution',           1901, NULL),
  (20, 'Current',              2001, NULL),
  (21, 'Resistance',           2101, NULL),
  (22, 'Capacitance',          2201, NULL),
  (23, 'Ratio',                2301, NULL);

-- si = value of one unit in the SI unit of its class (m, kg, s, m/s, rad/s, rad, rad/s,
-- m/s², rad/s², N, N·m, kg·m², kg/m³, W, J, V, 1, 1, pulse/rev, A, Ω, F, 1).
-- Exact definitions: 1 in = 0.0254 m, 1 lb = 0.45359237 kg, standard gravity
-- 9.80665 m/s² (1 kgf = 9.80665 N, 1 G = 9.80665 m/s²), pi to full double precision.
CREATE TEMP TABLE unit_factor (
  cd     INTEGER PRIMARY KEY,
  muc    INTEGER NOT NULL,
  symbol TEXT NOT NULL,
  si     REAL NOT NULL
);
INSERT INTO unit_factor (cd, muc, symbol, si) VALUES
  ( 101,  1, 'mm',      0.001),
  ( 102,  1, 'cm',      0.01),
  ( 103,  1, 'm',       1.0),
  ( 104,  1, 'µm',      0.000001),
  ( 105,  1, 'in',      0.0254),

  ( 201,  2, 'kg',      1.0),
  ( 202,  2, 'g',       0.001),
  ( 203,  2, 't',       1000.0),
  ( 204,  2, 'lb',      0.45359237),

  ( 301,  3, 's',       1.0),
  ( 302,  3, 'ms',      0.001),
  ( 303,  3, 'min',     60.0),

  ( 401,  4, 'mm/s',    0.001),
  ( 402,  4, 'm/s',     1.0),
  ( 403,  4, 'm/min',   1.0 / 60.0),

  ( 501,  5, 'r/min',   2.0 * 3.14159265358979323846 / 60.0),
  ( 502,  5, 'r/s',     2.0 * 3.14159265358979323846),
  ( 503,  5, 'rad/s',   1.0),

  ( 601,  6, 'deg',     3.14159265358979323846 / 180.0),
  ( 602,  6, 'rad',     1.0),
  ( 603,  6, 'rev',     2.0 * 3.14159265358979323846),
  ( 604,  6, 'arcmin',  3.14159265358979323846 / 10800.0),

  ( 701,  7, 'deg/s',   3.14159265358979323846 / 180.0),
  ( 702,  7, 'rad/s',   1.0),
  ( 703,  7, 'r/min',   2.0 * 3.14159265358979323846 / 60.0),

  ( 801,  8, 'mm/s²',   0.001),
  ( 802,  8, 'm/s²',    1.0),
  ( 803,  8, 'G',       9.80665),

  ( 901,  9, 'rad/s²',  1.0),
  ( 902,  9, 'deg/s²',  3.14159265358979323846 / 180.0),
  ( 903,  9, 'r/min/s', 2.0 * 3.14159265358979323846 / 60.0),

  (1001, 10, 'N',       1.0),
  (1002, 10, 'kN',      1000.0),
  (1003, 10, 'kgf',     9.80665),
  (1004, 10, 'lbf',     0.45359237 * 9.80665),

  (1101, 11, 'N·m',     1.0),
  (1102, 11, 'mN·m',    0.001),
  (1103, 11, 'kgf·cm',  9.80665 * 0.01),
  (1104, 11, 'kgf·m',   9.80665),
  (1105, 11, 'lbf·in',  0.45359237 * 9.80665 * 0.0254),

  (1201, 12, 'kg·m²',   1.0),
  (1202, 12, 'kg·cm²',  0.0001),
  (1203, 12, 'g·cm²',   0.0000001),
  (1204, 12, 'lb·in²',  0.45359237 * 0.0254 * 0.0254),

  (1301, 13, 'kg/m³',   1.0),
  (1302, 13, 'g/cm³',   1000.0),

  (1401, 14, 'W',       1.0),
  (1402, 14, 'kW',      1000.0),

  (1501, 15, 'J',       1.0),
  (1502, 15, 'kJ',      1000.0),

  (1601, 16, 'V',       1.0),

  (1701, 17, '-',       1.0),
  (1702, 17, '%',       0.01),

  (1801, 18, '-',       1.0),

  (1901, 19, 'pulse/rev', 1.0),

  (2001, 20, 'A',       1.0),
  (2002, 20, 'mA',      0.001),

  (2101, 21, 'Ω',       1.0),
  (2102, 21, 'mΩ',      0.001),
  (2103, 21, 'kΩ',      1000.0),

  (2201, 22, 'µF',      0.000001),
  (2202, 22, 'mF',      0.001),
  (2203, 22, 'F',       1.0),

  (2301, 23, '-',       1.0);

INSERT INTO t_machine_unit_value (muv_cd, muv_symbol, muv_muc_cd)
  SELECT cd, symbol, muc FROM unit_factor ORDER BY cd;

-- One row per ordered pair of distinct units of the same class:
-- value in b = value in a x (a.si / b.si).
INSERT INTO m_machine_unit_exc (mue_from_muv_cd, mue_to_muv_cd, mue_exchange)
  SELECT a.cd, b.cd, a.si / b.si
  FROM unit_factor AS a JOIN unit_factor AS b ON a.muc = b.muc AND a.cd <> b.cd
  ORDER BY a.cd, b.cd;

DROP TABLE unit_factor;
