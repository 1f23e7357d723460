-- The motor element (catalog element 10): the head of every chain. Its formula reflects the
-- whole machine through the gear head of a geared motor; for a motor without gear head the
-- program sets ratio 1, efficiency 1 and the other values 0, and the formula passes the
-- carry values through unchanged. The program fills these input values from the chosen motor
-- (in the formula unit): 1 gear head inertia, 79 gear head torque, 94 reduction ratio,
-- 96 gear head efficiency, 110 backlash (arc minutes / 60 = deg). The symbols Jg, Tg and B
-- also name the units of the report's gear head lines.
--
-- Carry values (see catalog/README.md, "Carry values"): the gear head turns the load side
-- (JLin, TFin, TUin, THin, WJin at its output shaft) into values at the motor shaft.

INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (1,   'Gear head inertia (at the motor shaft)',     'Jg', '0', NULL, 1201, 0),
  (79,  'Gear head running torque (at the motor shaft)', 'Tg', '0', NULL, 1101, 0),
  (94,  'Reduction ratio of the gear head',           'Rg', '1', NULL, 2301, 1),
  (96,  'Efficiency of the gear head',                'Eg', '1', NULL, 1701, 1),
  (110, 'Backlash of the gear head (at its output)',  'B',  '0', NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (10, 1), (10, 79), (10, 94), (10, 96), (10, 110);

-- One statement per row. JL = JLin/R^2 + Jg, T = Tin/(R*eta) (+ Tg while running),
-- TD = TDin*eta/R (what the load delivers when it drives the motor),
-- V = Vin*R, backlash at the output shaft turned into load units: B/(6*Vin).
INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (1001, 10, 'If Ain = 0 Then Vin = Vin / 6'),
  (1002, 10, 'If Ain = 0 Then Ain = 1'),
  (1003, 10, 'If Rg <= 0 Then Rg = 1'),
  (1004, 10, 'If Eg <= 0 Then Eg = 1'),
  (1005, 10, 'WAout = WAin'),
  (1006, 10, 'WJout = WJin / Rg ^ 2'),
  (1007, 10, 'Uout = Uin'),
  (1008, 10, 'Hout = Hin'),
  (1009, 10, 'Fout = Fin'),
  (1010, 10, 'Vout = Vin * Rg'),
  (1011, 10, 'JLout = JLin / Rg ^ 2 + Jg'),
  (1012, 10, 'TFout = TFin / (Rg * Eg) + Tg'),
  (1013, 10, 'TUout = TUin / (Rg * Eg) + Tg'),
  (1014, 10, 'THout = THin / (Rg * Eg)'),
  (1015, 10, 'Aout = Ain * Eg'),
  (1016, 10, 'Bout = Bin'),
  (1017, 10, 'If B <> 0 Then Bout = Bin + B / (6 * Vin)'),
  (1018, 10, 'TDout = TDin * Eg / Rg');
