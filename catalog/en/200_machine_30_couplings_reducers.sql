-- Rotary-to-rotary elements: couplings (block 1, ratio 1) and reducers (block 2).
--
-- Lengths are entered in mm (formula unit mm) and turned into metres inside the formula:
-- calculated items receive their inputs with two decimals, which would spoil diameters of a
-- few hundredths of a metre. Every other value is SI. Each formula starts with the rotary
-- end rule: the element farthest from the motor receives Ain = 0 and Vin = 1 (one load
-- speed unit per load speed unit); at a rotary end the load speed unit is deg/s, so the
-- speed at its output shaft is 1/6 r/min per deg/s.

-- Couplings: J = Jcat when given, else m*D^2/8 (solid cylinder of the outer diameter; hubs
-- with bores have less, so the estimate is on the safe side).
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (10101, 'Outer diameter',                               'D',    '32',   NULL, 101,  0),
  (10102, 'Mass',                                         'm',    '0.15', NULL, 201,  0),
  (10103, 'Inertia from catalog (0 = from mass and diameter)', 'Jcat', '0', NULL, 1201, 0),
  (10201, 'Outer diameter',                               'D',    '34',   NULL, 101,  0),
  (10202, 'Mass',                                         'm',    '0.08', NULL, 201,  0),
  (10203, 'Inertia from catalog (0 = from mass and diameter)', 'Jcat', '0', NULL, 1201, 0),
  (10301, 'Outer diameter',                               'D',    '30',   NULL, 101,  0),
  (10302, 'Mass',                                         'm',    '0.09', NULL, 201,  0),
  (10303, 'Inertia from catalog (0 = from mass and diameter)', 'Jcat', '0', NULL, 1201, 0),
  (10304, 'Backlash (0 = preloaded spider)',              'Bc',   '0',    NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (101, 10101), (101, 10102), (101, 10103),
  (102, 10201), (102, 10202), (102, 10203),
  (103, 10301), (103, 10302), (103, 10303), (103, 10304);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (10101, 101, 'If Ain = 0 Then Vin = Vin / 6'),
  (10102, 101, 'If Ain = 0 Then Ain = 1'),
  (10103, 101, 'Jc = Jcat'),
  (10104, 101, 'If Jcat <= 0 Then Jc = m * (D / 1000) ^ 2 / 8'),
  (10105, 101, 'WAout = WAin'),
  (10106, 101, 'WJout = WJin'),
  (10107, 101, 'Uout = Uin'),
  (10108, 101, 'Hout = Hin'),
  (10109, 101, 'Fout = Fin'),
  (10110, 101, 'Vout = Vin'),
  (10111, 101, 'JLout = JLin + Jc'),
  (10112, 101, 'TFout = TFin'),
  (10113, 101, 'TUout = TUin'),
  (10114, 101, 'THout = THin'),
  (10115, 101, 'Aout = Ain'),
  (10116, 101, 'Bout = Bin'),
  (10117, 101, 'TDout = TDin'),

  (10201, 102, 'If Ain = 0 Then Vin = Vin / 6'),
  (10202, 102, 'If Ain = 0 Then Ain = 1'),
  (10203, 102, 'Jc = Jcat'),
  (10204, 102, 'If Jcat <= 0 Then Jc = m * (D / 1000) ^ 2 / 8'),
  (10205, 102, 'WAout = WAin'),
  (10206, 102, 'WJout = WJin'),
  (10207, 102, 'Uout = Uin'),
  (10208, 102, 'Hout = Hin'),
  (10209, 102, 'Fout = Fin'),
  (10210, 102, 'Vout = Vin'),
  (10211, 102, 'JLout = JLin + Jc'),
  (10212, 102, 'TFout = TFin'),
  (10213, 102, 'TUout = TUin'),
  (10214, 102, 'THout = THin'),
  (10215, 102, 'Aout = Ain'),
  (10216, 102, 'Bout = Bin'),
  (10217, 102, 'TDout = TDin'),

  (10301, 103, 'If Ain = 0 Then Vin = Vin / 6'),
  (10302, 103, 'If Ain = 0 Then Ain = 1'),
  (10303, 103, 'Jc = Jcat'),
  (10304, 103, 'If Jcat <= 0 Then Jc = m * (D / 1000) ^ 2 / 8'),
  (10305, 103, 'WAout = WAin'),
  (10306, 103, 'WJout = WJin'),
  (10307, 103, 'Uout = Uin'),
  (10308, 103, 'Hout = Hin'),
  (10309, 103, 'Fout = Fin'),
  (10310, 103, 'Vout = Vin'),
  (10311, 103, 'JLout = JLin + Jc'),
  (10312, 103, 'TFout = TFin'),
  (10313, 103, 'TUout = TUin'),
  (10314, 103, 'THout = THin'),
  (10315, 103, 'Aout = Ain'),
  (10316, 103, 'Bout = Bin + Bc / (6 * Vin)'),
  (10317, 103, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (10101, 101, 'Result = m * (D / 1000) ^ 2 / 8', 1201, 'Inertia from mass and diameter'),
  (10201, 102, 'Result = m * (D / 1000) ^ 2 / 8', 1201, 'Inertia from mass and diameter'),
  (10301, 103, 'Result = m * (D / 1000) ^ 2 / 8', 1201, 'Inertia from mass and diameter');

-- Gear reducer of ratio R = input speed / output speed:
-- JL = (JLin + Jo)/R^2 + Ji, T = Tin/(R*eta) (+ T0 while running), TD = TDin*eta/R (the
-- fixed-direction torque the load delivers loses in the gear on its way), V = Vin*R,
-- backlash at the output shaft in load units Bg/(6*Vin).
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (20101, 'Reduction ratio (input speed / output speed)', 'R',   '5',   NULL, 2301, 1),
  (20102, 'Efficiency',                                   'eta', '0.9', NULL, 1701, 1),
  (20103, 'Inertia at the input shaft',                   'Ji',  '0',   NULL, 1201, 0),
  (20104, 'Inertia at the output shaft',                  'Jo',  '0',   NULL, 1201, 0),
  (20105, 'No-load running torque at the input shaft',    'T0',  '0',   NULL, 1101, 0),
  (20106, 'Backlash at the output shaft',                 'Bg',  '0',   NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (201, 20101), (201, 20102), (201, 20103), (201, 20104), (201, 20105), (201, 20106);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (20101, 201, 'If Ain = 0 Then Vin = Vin / 6'),
  (20102, 201, 'If Ain = 0 Then Ain = 1'),
  (20103, 201, 'WAout = WAin'),
  (20104, 201, 'WJout = WJin / R ^ 2'),
  (20105, 201, 'Uout = Uin'),
  (20106, 201, 'Hout = Hin'),
  (20107, 201, 'Fout = Fin'),
  (20108, 201, 'Vout = Vin * R'),
  (20109, 201, 'JLout = (JLin + Jo) / R ^ 2 + Ji'),
  (20110, 201, 'TFout = TFin / (R * eta) + T0'),
  (20111, 201, 'TUout = TUin / (R * eta) + T0'),
  (20112, 201, 'THout = THin / (R * eta)'),
  (20113, 201, 'Aout = Ain * eta'),
  (20114, 201, 'Bout = Bin + Bg / (6 * Vin)'),
  (20115, 201, 'TDout = TDin * eta / R');

-- Timing-belt reduction: pitch radius r = p*z/(2*pi) unless a pitch diameter is given,
-- R = r2/r1, pulleys as solid discs J = pi*rho*w*D^4/32 (bores and tooth gaps neglected:
-- on the safe side), the belt moves at the pitch line speed: J = mb*r1^2 at the input.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (20201, 'Belt pitch',                                        'p',   '5',    NULL, 101,  1),
  (20202, 'Teeth of the driving pulley (motor side)',          'z1',  '20',   NULL, 2301, 1),
  (20203, 'Teeth of the driven pulley (load side)',            'z2',  '40',   NULL, 2301, 1),
  (20204, 'Pitch diameter of the driving pulley (0 = from teeth)', 'Dp1', '0', NULL, 101, 0),
  (20205, 'Pitch diameter of the driven pulley (0 = from teeth)',  'Dp2', '0', NULL, 101, 0),
  (20206, 'Pulley width',                                      'w',   '20',   NULL, 101,  0),
  (20207, 'Pulley material density',                           'rho', '2700', NULL, 1301, 0),
  (20208, 'Belt mass',                                         'mb',  '0.05', NULL, 201,  0),
  (20209, 'Efficiency',                                        'eta', '0.95', NULL, 1701, 1);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (202, 20201), (202, 20202), (202, 20203), (202, 20204), (202, 20205), (202, 20206),
  (202, 20207), (202, 20208), (202, 20209);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (20201, 202, 'If Ain = 0 Then Vin = Vin / 6'),
  (20202, 202, 'If Ain = 0 Then Ain = 1'),
  (20203, 202, 'r1 = p * z1 / (2000 * PI)'),
  (20204, 202, 'If Dp1 > 0 Then r1 = Dp1 / 2000'),
  (20205, 202, 'r2 = p * z2 / (2000 * PI)'),
  (20206, 202, 'If Dp2 > 0 Then r2 = Dp2 / 2000'),
  (20207, 202, 'R = r2 / r1'),
  (20208, 202, 'J1 = PI * rho * (w / 1000) * (2 * r1) ^ 4 / 32'),
  (20209, 202, 'J2 = PI * rho * (w / 1000) * (2 * r2) ^ 4 / 32'),
  (20210, 202, 'WAout = WAin'),
  (20211, 202, 'WJout = WJin / R ^ 2'),
  (20212, 202, 'Uout = Uin'),
  (20213, 202, 'Hout = Hin'),
  (20214, 202, 'Fout = Fin'),
  (20215, 202, 'Vout = Vin * R'),
  (20216, 202, 'JLout = J1 + mb * r1 ^ 2 + (JLin + J2) / R ^ 2'),
  (20217, 202, 'TFout = TFin / (R * eta)'),
  (20218, 202, 'TUout = TUin / (R * eta)'),
  (20219, 202, 'THout = THin / (R * eta)'),
  (20220, 202, 'Aout = Ain * eta'),
  (20221, 202, 'Bout = Bin'),
  (20222, 202, 'TDout = TDin * eta / R');

-- Calculated items get no physical constants (pi and g are written as numbers) and guard
-- their divisions: an error would stop every calculated item of the element. Multi-statement
-- scripts: lines joined with CR LF (char(13, 10)).
INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (20201, 202,
   'd1 = p * z1 / 3.14159265358979' || char(13, 10) || 'If Dp1 > 0 Then d1 = Dp1' || char(13, 10) ||
   'd2 = p * z2 / 3.14159265358979' || char(13, 10) || 'If Dp2 > 0 Then d2 = Dp2' || char(13, 10) ||
   'If d1 > 0 Then Result = d2 / d1 Else Result = 0',
   NULL, 'Reduction ratio'),
  (20202, 202,
   'If Dp1 > 0 Then Result = Dp1 Else Result = p * z1 / 3.14159265358979',
   101, 'Pitch diameter of the driving pulley'),
  (20203, 202,
   'If Dp2 > 0 Then Result = Dp2 Else Result = p * z2 / 3.14159265358979',
   101, 'Pitch diameter of the driven pulley'),
  (20204, 202,
   'd1 = p * z1 / 3.14159265358979' || char(13, 10) || 'If Dp1 > 0 Then d1 = Dp1' || char(13, 10) ||
   'Result = 3.14159265358979 * rho * (w / 1000) * (d1 / 1000) ^ 4 / 32',
   1201, 'Inertia of the driving pulley'),
  (20205, 202,
   'd2 = p * z2 / 3.14159265358979' || char(13, 10) || 'If Dp2 > 0 Then d2 = Dp2' || char(13, 10) ||
   'Result = 3.14159265358979 * rho * (w / 1000) * (d2 / 1000) ^ 4 / 32',
   1201, 'Inertia of the driven pulley'),
  (20206, 202,
   'd1 = p * z1 / 3.14159265358979' || char(13, 10) || 'If Dp1 > 0 Then d1 = Dp1' || char(13, 10) ||
   'd2 = p * z2 / 3.14159265358979' || char(13, 10) || 'If Dp2 > 0 Then d2 = Dp2' || char(13, 10) ||
   'J1 = 3.14159265358979 * rho * (w / 1000) * (d1 / 1000) ^ 4 / 32' || char(13, 10) ||
   'J2 = 3.14159265358979 * rho * (w / 1000) * (d2 / 1000) ^ 4 / 32' || char(13, 10) ||
   'Result = J1 + mb * (d1 / 2000) ^ 2' || char(13, 10) ||
   'If d2 > 0 Then Result = Result + J2 * (d1 / d2) ^ 2',
   1201, 'Own inertia at the driving shaft (pulleys and belt)');
