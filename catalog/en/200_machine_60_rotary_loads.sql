-- Rotary loads (block 5): inertias and torques on a shaft. Each adds its inertia to JL (and
-- to WJ, the load's own share of the inertia), its bearing friction to the running and the
-- starting torque, and an unbalance torque of fixed direction to TH. Lengths are entered in
-- mm and turned into metres inside the formula (calculated items see two decimals only).
-- Each formula starts with the rotary end rule: at the end of the chain the load speed
-- unit is deg/s, 1 deg/s = 1/6 r/min.

-- Disc or rotary table: J = m*D^2/8, m = rho*pi*D^2/4*t unless the mass is given.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50101, 'Diameter',                          'D',   '300',  NULL, 101,  1),
  (50102, 'Thickness',                         't',   '20',   NULL, 101,  0),
  (50103, 'Material density',                  'rho', '7850', NULL, 1301, 0),
  (50104, 'Mass (0 = from density)',           'm',   '0',    NULL, 201,  0),
  (50105, 'Friction torque of the bearing',    'Tb',  '0',    NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (501, 50101), (501, 50102), (501, 50103), (501, 50104), (501, 50105);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50101, 501, 'If Ain = 0 Then Vin = Vin / 6'),
  (50102, 501, 'If Ain = 0 Then Ain = 1'),
  (50103, 501, 'D = D / 1000'),
  (50104, 501, 'md = m'),
  (50105, 501, 'If m <= 0 Then md = rho * PI * D ^ 2 / 4 * t / 1000'),
  (50106, 501, 'Jd = md * D ^ 2 / 8'),
  (50107, 501, 'WAout = WAin'),
  (50108, 501, 'WJout = WJin + Jd'),
  (50109, 501, 'Uout = Uin'),
  (50110, 501, 'Hout = Hin'),
  (50111, 501, 'Fout = Fin'),
  (50112, 501, 'Vout = Vin'),
  (50113, 501, 'JLout = JLin + Jd'),
  (50114, 501, 'TFout = TFin + Tb'),
  (50115, 501, 'TUout = TUin + Tb'),
  (50116, 501, 'THout = THin'),
  (50117, 501, 'Aout = Ain'),
  (50118, 501, 'Bout = Bin'),
  (50119, 501, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50101, 501,
   'If m > 0 Then Result = m Else Result = rho * 3.14159265358979 * (D / 1000) ^ 2 / 4 * (t / 1000)',
   201, 'Disc mass'),
  (50102, 501,
   'md = m' || char(13, 10) || 'If m <= 0 Then md = rho * 3.14159265358979 * (D / 1000) ^ 2 / 4 * (t / 1000)' ||
   char(13, 10) || 'Result = md * (D / 1000) ^ 2 / 8',
   1201, 'Disc inertia');

-- Hollow cylinder: J = m*(Da^2 + Di^2)/8, m = rho*pi*(Da^2 - Di^2)/4*l unless given.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50201, 'Outer diameter',                    'Da',  '200',  NULL, 101,  1),
  (50202, 'Inner diameter',                    'Di',  '160',  NULL, 101,  0),
  (50203, 'Length',                            'l',   '100',  NULL, 101,  0),
  (50204, 'Material density',                  'rho', '7850', NULL, 1301, 0),
  (50205, 'Mass (0 = from density)',           'm',   '0',    NULL, 201,  0),
  (50206, 'Friction torque of the bearing',    'Tb',  '0',    NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (502, 50201), (502, 50202), (502, 50203), (502, 50204), (502, 50205), (502, 50206);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50201, 502, 'If Ain = 0 Then Vin = Vin / 6'),
  (50202, 502, 'If Ain = 0 Then Ain = 1'),
  (50203, 502, 'Da = Da / 1000'),
  (50204, 502, 'Di = Di / 1000'),
  (50205, 502, 'mh = m'),
  (50206, 502, 'If m <= 0 Then mh = rho * PI * (Da ^ 2 - Di ^ 2) / 4 * l / 1000'),
  (50207, 502, 'Jh = mh * (Da ^ 2 + Di ^ 2) / 8'),
  (50208, 502, 'WAout = WAin'),
  (50209, 502, 'WJout = WJin + Jh'),
  (50210, 502, 'Uout = Uin'),
  (50211, 502, 'Hout = Hin'),
  (50212, 502, 'Fout = Fin'),
  (50213, 502, 'Vout = Vin'),
  (50214, 502, 'JLout = JLin + Jh'),
  (50215, 502, 'TFout = TFin + Tb'),
  (50216, 502, 'TUout = TUin + Tb'),
  (50217, 502, 'THout = THin'),
  (50218, 502, 'Aout = Ain'),
  (50219, 502, 'Bout = Bin'),
  (50220, 502, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50201, 502,
   'If m > 0 Then Result = m Else Result = rho * 3.14159265358979 * ((Da / 1000) ^ 2 - (Di / 1000) ^ 2) / 4 * (l / 1000)',
   201, 'Cylinder mass'),
  (50202, 502,
   'mh = m' || char(13, 10) ||
   'If m <= 0 Then mh = rho * 3.14159265358979 * ((Da / 1000) ^ 2 - (Di / 1000) ^ 2) / 4 * (l / 1000)' ||
   char(13, 10) || 'Result = mh * ((Da / 1000) ^ 2 + (Di / 1000) ^ 2) / 8',
   1201, 'Cylinder inertia');

-- Arm with a mass at its end: the mass (a cylinder of diameter Dw about its own axis) at
-- radius r by the parallel-axis theorem, m*(r^2 + Dw^2/8), and the arm as a slender rod
-- turning about its end, ma*La^2/3. In a plane inclined by a (90 deg: vertical plane) the
-- weight gives the unbalance torque (m*r + ma*La/2)*g*sin(a), taken at its largest (arm
-- horizontal) as the holding torque.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50301, 'Mass at the arm end',                              'm',  '2',   NULL, 201,  1),
  (50302, 'Radius of its centre of mass',                     'r',  '200', NULL, 101,  1),
  (50303, 'Diameter of the mass (cylinder about its own axis)','Dw', '0',   NULL, 101,  0),
  (50304, 'Arm mass',                                         'ma', '0.5', NULL, 201,  0),
  (50305, 'Arm length from the axis',                         'La', '250', NULL, 101,  0),
  (50306, 'Inclination of the plane of rotation (0 horizontal, 90 vertical)', 'a', '0', NULL, 601, 0),
  (50307, 'Friction torque of the bearing',                   'Tb', '0',   NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (503, 50301), (503, 50302), (503, 50303), (503, 50304), (503, 50305), (503, 50306),
  (503, 50307);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50301, 503, 'If Ain = 0 Then Vin = Vin / 6'),
  (50302, 503, 'If Ain = 0 Then Ain = 1'),
  (50303, 503, 'r = r / 1000'),
  (50304, 503, 'Dw = Dw / 1000'),
  (50305, 503, 'La = La / 1000'),
  (50306, 503, 'Ja = m * (r ^ 2 + Dw ^ 2 / 8) + ma * La ^ 2 / 3'),
  (50307, 503, 'Tgr = (m * r + ma * La / 2) * GRAVITY * Sin(a * PI / 180)'),
  (50308, 503, 'WAout = WAin'),
  (50309, 503, 'WJout = WJin + Ja'),
  (50310, 503, 'Uout = Uin'),
  (50311, 503, 'Hout = Hin'),
  (50312, 503, 'Fout = Fin'),
  (50313, 503, 'Vout = Vin'),
  (50314, 503, 'JLout = JLin + Ja'),
  (50315, 503, 'TFout = TFin + Tb'),
  (50316, 503, 'TUout = TUin + Tb'),
  (50317, 503, 'THout = THin + Tgr'),
  (50318, 503, 'Aout = Ain'),
  (50319, 503, 'Bout = Bin'),
  (50320, 503, 'TDout = TDin + Tgr');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50301, 503,
   'Result = m * ((r / 1000) ^ 2 + (Dw / 1000) ^ 2 / 8) + ma * (La / 1000) ^ 2 / 3',
   1201, 'Inertia about the axis'),
  (50302, 503,
   'Result = (m * r / 1000 + ma * La / 2000) * 9.80665 * Sin(a * 3.14159265358979 / 180)',
   1101, 'Largest unbalance torque');

-- Masses on a pitch circle: n equal masses evenly spaced, each a cylinder of diameter Dw
-- about its own axis: J = n*m*(r^2 + Dw^2/8). Evenly spaced masses balance each other.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50401, 'Number of masses',                                  'n',  '4',   NULL, 2301, 1),
  (50402, 'Mass of each',                                      'm',  '0.5', NULL, 201,  1),
  (50403, 'Pitch circle radius',                               'r',  '100', NULL, 101,  1),
  (50404, 'Diameter of each mass (cylinder about its own axis)','Dw', '0',   NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (504, 50401), (504, 50402), (504, 50403), (504, 50404);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50401, 504, 'If Ain = 0 Then Vin = Vin / 6'),
  (50402, 504, 'If Ain = 0 Then Ain = 1'),
  (50403, 504, 'Jn = n * m * ((r / 1000) ^ 2 + (Dw / 1000) ^ 2 / 8)'),
  (50404, 504, 'WAout = WAin'),
  (50405, 504, 'WJout = WJin + Jn'),
  (50406, 504, 'Uout = Uin'),
  (50407, 504, 'Hout = Hin'),
  (50408, 504, 'Fout = Fin'),
  (50409, 504, 'Vout = Vin'),
  (50410, 504, 'JLout = JLin + Jn'),
  (50411, 504, 'TFout = TFin'),
  (50412, 504, 'TUout = TUin'),
  (50413, 504, 'THout = THin'),
  (50414, 504, 'Aout = Ain'),
  (50415, 504, 'Bout = Bin'),
  (50416, 504, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50401, 504, 'Result = n * m * ((r / 1000) ^ 2 + (Dw / 1000) ^ 2 / 8)', 1201,
   'Inertia about the axis'),
  (50402, 504, 'Result = n * m', 201, 'Total mass');

-- External torque on a rotating load (accepts an external force: may act only in marked
-- intervals). Tr opposes the rotation (added to the running and the starting torque); Tc
-- keeps its direction in motion and at standstill (added to the holding torque). No
-- inertia: a switched-off element is left out of the calculation as a whole.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50501, 'Torque opposing the rotation',                   'Tr', '0', NULL, 1101, 0),
  (50502, 'Torque of fixed direction (also at standstill)', 'Tc', '0', NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (505, 50501), (505, 50502);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50501, 505, 'If Ain = 0 Then Vin = Vin / 6'),
  (50502, 505, 'If Ain = 0 Then Ain = 1'),
  (50503, 505, 'WAout = WAin'),
  (50504, 505, 'WJout = WJin'),
  (50505, 505, 'Uout = Uin'),
  (50506, 505, 'Hout = Hin'),
  (50507, 505, 'Fout = Fin'),
  (50508, 505, 'Vout = Vin'),
  (50509, 505, 'JLout = JLin'),
  (50510, 505, 'TFout = TFin + Tr'),
  (50511, 505, 'TUout = TUin + Tr'),
  (50512, 505, 'THout = THin + Tc'),
  (50513, 505, 'Aout = Ain'),
  (50514, 505, 'Bout = Bin'),
  (50515, 505, 'TDout = TDin + Tc');
