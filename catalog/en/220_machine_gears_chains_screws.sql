-- More reducers and rotary-to-linear elements: gear pair from dimensions (203), worm gear
-- (204), roller chain drive (205), lead screw with a sliding nut (305), rope drum hoist
-- (306), chain conveyor (307); the unit class of a mass per length the chains need.
--
-- The carry rules are those of 200_machine_30 and 200_machine_40: a reduction of ratio R and
-- efficiency eta gives JL = (JLin + J_out)/R^2 + J_in, T = Tin/(R*eta), TD = TDin*eta/R; a
-- rotary-to-linear element of travel k per radian gives J = m*k^2 + own inertia,
-- T = F*k/eta, TD = H*k*eta, V = Vin*0.06/(2*pi*k). Lengths are entered in mm and turned
-- into metres inside the formula.
--
-- A combination of values no single range catches (a bore not smaller than its diameter, a
-- worm or screw whose friction angle and lead angle reach 90 degrees) stops the calculation
-- with Err.Raise 32100, "<symbol of the item>", "<error key>": the program shows the error
-- text of the key (below) with the element, the item, its value and unit.

-- Mass per length (chains, ropes): kg/m and g/m.
INSERT INTO m_machine_unit_class (muc_cd, muc_name, muc_default_muv_cd, muc_mmc_cd) VALUES
  (24, 'Mass per length', 2401, NULL);
INSERT INTO t_machine_unit_value (muv_cd, muv_symbol, muv_muc_cd) VALUES
  (2401, 'kg/m', 24),
  (2402, 'g/m',  24);
INSERT INTO m_machine_unit_exc (mue_from_muv_cd, mue_to_muv_cd, mue_exchange) VALUES
  (2401, 2402, 1000.0),
  (2402, 2401, 0.001);

INSERT INTO t_machine_element (tme_cd, tme_mmb_cd, tme_name, tme_behavior, tme_element_type,
                               tme_img_path, tme_selected_img_path, tme_draged_img_path, tme_note) VALUES
  (203, 2, 'Gear pair from dimensions', 0, 0,
   'picture/element/gear_pair.png', 'picture/element/gear_pair-on.png',
   'picture/element/gear_pair-drag.png',
   'Pinion and wheel given by pitch diameters, face widths, bores and material; both inertias at their shafts.'),
  (204, 2, 'Worm gear', 0, 0,
   'picture/element/worm_gear.png', 'picture/element/worm_gear-on.png',
   'picture/element/worm_gear-drag.png',
   'Worm and worm wheel: efficiency from the lead angle and the flank friction, in both directions of the power flow; a self-locking worm holds its load.'),
  (205, 2, 'Roller chain drive', 0, 0,
   'picture/element/chain_drive.png', 'picture/element/chain_drive-on.png',
   'picture/element/chain_drive-drag.png',
   'Two sprockets and a roller chain: pitch, teeth, chain mass per metre and length.'),
  (305, 3, 'Lead screw with sliding nut', 0, 0,
   'picture/element/lead_screw.png', 'picture/element/lead_screw-on.png',
   'picture/element/lead_screw-drag.png',
   'Trapezoidal or square thread with a sliding (bronze or resin) nut; efficiency from the lead angle, thread angle and friction.'),
  (306, 3, 'Rope drum hoist', 0, 0,
   'picture/element/rope_drum.png', 'picture/element/rope_drum-on.png',
   'picture/element/rope_drum-drag.png',
   'Drum winding a rope that lifts a vertical load, with an optional counterweight; rope and drum included.'),
  (307, 3, 'Chain conveyor', 0, 0,
   'picture/element/chain_conveyor.png', 'picture/element/chain_conveyor-on.png',
   'picture/element/chain_conveyor-drag.png',
   'Roller chain over a drive sprocket and idlers carrying a linear load; the goods are a linear load after it.');

-- 203 Gear pair from dimensions: pinion (motor side) and wheel (load side) as discs of their
-- pitch diameter and face width, less their bores. R = d2/d1.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (20301, 'Pitch diameter of the pinion (motor side)',    'd1',  '40',   NULL, 101,  1),
  (20302, 'Pitch diameter of the wheel (load side)',      'd2',  '200',  NULL, 101,  1),
  (20303, 'Face width of the pinion',                     'b1',  '20',   NULL, 101,  0),
  (20304, 'Face width of the wheel',                      'b2',  '20',   NULL, 101,  0),
  (20305, 'Bore of the pinion (0 = solid)',               'di1', '0',    NULL, 101,  0),
  (20306, 'Bore of the wheel (0 = solid)',                'di2', '0',    NULL, 101,  0),
  (20307, 'Gear material density',                        'rho', '7850', NULL, 1301, 0),
  (20308, 'Efficiency of the mesh',                       'eta', '0.98', NULL, 1701, 1),
  (20309, 'Backlash at the wheel',                        'Bg',  '0',    NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (203, 20301), (203, 20302), (203, 20303), (203, 20304), (203, 20305), (203, 20306),
  (203, 20307), (203, 20308), (203, 20309);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (20301, 203, 'If Ain = 0 Then Vin = Vin / 6'),
  (20302, 203, 'If Ain = 0 Then Ain = 1'),
  (20303, 203, 'If di1 >= d1 Then Err.Raise 32100, "di1", "ElementBoreNotBelowDiameter"'),
  (20304, 203, 'If di2 >= d2 Then Err.Raise 32100, "di2", "ElementBoreNotBelowDiameter"'),
  (20305, 203, 'R = d2 / d1'),
  (20306, 203, 'J1 = PI * rho * (b1 / 1000) * ((d1 / 1000) ^ 4 - (di1 / 1000) ^ 4) / 32'),
  (20307, 203, 'J2 = PI * rho * (b2 / 1000) * ((d2 / 1000) ^ 4 - (di2 / 1000) ^ 4) / 32'),
  (20308, 203, 'WAout = WAin'),
  (20309, 203, 'WJout = WJin / R ^ 2'),
  (20310, 203, 'Uout = Uin'),
  (20311, 203, 'Hout = Hin'),
  (20312, 203, 'Fout = Fin'),
  (20313, 203, 'Vout = Vin * R'),
  (20314, 203, 'JLout = (JLin + J2) / R ^ 2 + J1'),
  (20315, 203, 'TFout = TFin / (R * eta)'),
  (20316, 203, 'TUout = TUin / (R * eta)'),
  (20317, 203, 'THout = THin / (R * eta)'),
  (20318, 203, 'Aout = Ain * eta'),
  (20319, 203, 'Bout = Bin + Bg / (6 * Vin)'),
  (20320, 203, 'TDout = TDin * eta / R');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (20301, 203, 'If d1 > 0 Then Result = d2 / d1 Else Result = 0', 2301, 'Reduction ratio d2/d1'),
  (20302, 203, 'Result = 3.14159265358979 * rho * (b1 / 1000) * ((d1 / 1000) ^ 4 - (di1 / 1000) ^ 4) / 32',
   1201, 'Pinion inertia'),
  (20303, 203, 'Result = 3.14159265358979 * rho * (b2 / 1000) * ((d2 / 1000) ^ 4 - (di2 / 1000) ^ 4) / 32',
   1201, 'Wheel inertia (at the wheel shaft)'),
  (20304, 203,
   'J1 = 3.14159265358979 * rho * (b1 / 1000) * ((d1 / 1000) ^ 4 - (di1 / 1000) ^ 4) / 32' || char(13, 10) ||
   'J2 = 3.14159265358979 * rho * (b2 / 1000) * ((d2 / 1000) ^ 4 - (di2 / 1000) ^ 4) / 32' || char(13, 10) ||
   'If d2 > 0 Then Result = J1 + J2 * (d1 / d2) ^ 2 Else Result = J1',
   1201, 'Own inertia of the pair at the pinion shaft');

-- 204 Worm gear. Lead angle gam, friction angle rho1 = atan(mu / cos(alpha_n)). Worm driving:
-- eta_f = tan(gam) / tan(gam + rho1); wheel driving: eta_b = tan(gam - rho1) / tan(gam),
-- 0 or below when the worm is self-locking: the load then cannot turn the motor, which has to
-- drive it down (TD takes the sign of the motor's push) and holds nothing at standstill (the
-- interval torque holds with 0 when TH and TD have opposite signs). The bearings' efficiency
-- divides the torque in both directions when the motor drives. Gam + rho1 of 90 degrees or
-- more: the worm cannot move its load at all.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (20401, 'Reduction ratio (wheel teeth / worm starts)',  'R',    '30',   NULL, 2301, 1),
  (20402, 'Lead angle of the worm',                       'gam',  '5',    NULL, 601,  1),
  (20403, 'Friction coefficient of the tooth flanks',     'mu',   '0.05', NULL, 1801, 0),
  (20404, 'Normal pressure angle',                        'an',   '20',   NULL, 601,  0),
  (20405, 'Inertia of the worm (at the worm shaft)',      'Jw',   '0',    NULL, 1201, 0),
  (20406, 'Inertia of the worm wheel (at the wheel shaft)', 'Jwh', '0',   NULL, 1201, 0),
  (20407, 'Efficiency of the bearings and seals',         'etab', '0.98', NULL, 1701, 1),
  (20408, 'Backlash at the wheel',                        'Bg',   '0',    NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (204, 20401), (204, 20402), (204, 20403), (204, 20404), (204, 20405), (204, 20406),
  (204, 20407), (204, 20408);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (20401, 204, 'If Ain = 0 Then Vin = Vin / 6'),
  (20402, 204, 'If Ain = 0 Then Ain = 1'),
  (20403, 204, 'g = gam * PI / 180'),
  (20404, 204, 'rho1 = Atn(mu / Cos(an * PI / 180))'),
  (20405, 204, 'If Cos(g + rho1) <= 0.000001 Then Err.Raise 32100, "mu", "ElementWormCannotDrive"'),
  (20406, 204, 'etaf = Tan(g) / Tan(g + rho1) * etab'),
  (20407, 204, 'eb = Tan(g - rho1) / Tan(g)'),
  (20408, 204, 'If eb >= 0 Then etad = eb * etab Else etad = eb / etab'),
  (20409, 204, 'WAout = WAin'),
  (20410, 204, 'WJout = WJin / R ^ 2'),
  (20411, 204, 'Uout = Uin'),
  (20412, 204, 'Hout = Hin'),
  (20413, 204, 'Fout = Fin'),
  (20414, 204, 'Vout = Vin * R'),
  (20415, 204, 'JLout = (JLin + Jwh) / R ^ 2 + Jw'),
  (20416, 204, 'TFout = TFin / (R * etaf)'),
  (20417, 204, 'TUout = TUin / (R * etaf)'),
  (20418, 204, 'THout = THin / (R * etaf)'),
  (20419, 204, 'Aout = Ain * etaf'),
  (20420, 204, 'Bout = Bin + Bg / (6 * Vin)'),
  (20421, 204, 'TDout = TDin * etad / R');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (20401, 204,
   'g = gam * 3.14159265358979 / 180' || char(13, 10) || 'r1 = Atn(mu / Cos(an * 3.14159265358979 / 180))' || char(13, 10) ||
   'If Cos(g + r1) > 0.000001 And Tan(g + r1) <> 0 Then Result = Tan(g) / Tan(g + r1) * etab Else Result = 0',
   1701, 'Efficiency, worm driving'),
  (20402, 204,
   'g = gam * 3.14159265358979 / 180' || char(13, 10) || 'r1 = Atn(mu / Cos(an * 3.14159265358979 / 180))' || char(13, 10) ||
   'If Tan(g) <> 0 Then Result = Tan(g - r1) / Tan(g) Else Result = 0',
   1701, 'Efficiency, wheel driving'),
  (20403, 204,
   'r1 = Atn(mu / Cos(an * 3.14159265358979 / 180)) * 180 / 3.14159265358979' || char(13, 10) ||
   'Result = r1',
   601, 'Friction angle'),
  (20404, 204,
   'If gam <= Atn(mu / Cos(an * 3.14159265358979 / 180)) * 180 / 3.14159265358979 Then Result = 1 Else Result = 0',
   2301, 'Self-locking (1 = yes)');

-- 205 Roller chain drive. Sprocket pitch diameter p / sin(180 deg / z); speed ratio z2/z1
-- (the chain moves p*z per revolution of either sprocket); sprockets as discs of their
-- pitch diameter; the whole chain (mass per metre q times length) moves at p*z1/(2*pi) per
-- radian of the driving sprocket.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (20501, 'Chain pitch',                                  'p',   '12.7', NULL, 101,  1),
  (20502, 'Teeth of the driving sprocket (motor side)',   'z1',  '17',   NULL, 2301, 1),
  (20503, 'Teeth of the driven sprocket (load side)',     'z2',  '34',   NULL, 2301, 1),
  (20504, 'Chain mass per metre',                         'q',   '0.7',  NULL, 2401, 0),
  (20505, 'Chain length',                                 'Lc',  '1000', NULL, 101,  0),
  (20506, 'Sprocket width',                               'w',   '7',    NULL, 101,  0),
  (20507, 'Sprocket material density',                    'rho', '7850', NULL, 1301, 0),
  (20508, 'Efficiency',                                   'eta', '0.97', NULL, 1701, 1),
  (20509, 'Backlash at the driven sprocket',              'Bg',  '0',    NULL, 601,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (205, 20501), (205, 20502), (205, 20503), (205, 20504), (205, 20505), (205, 20506),
  (205, 20507), (205, 20508), (205, 20509);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (20501, 205, 'If Ain = 0 Then Vin = Vin / 6'),
  (20502, 205, 'If Ain = 0 Then Ain = 1'),
  (20503, 205, 'R = z2 / z1'),
  (20504, 205, 'd1 = p / 1000 / Sin(PI / z1)'),
  (20505, 205, 'd2 = p / 1000 / Sin(PI / z2)'),
  (20506, 205, 'J1 = PI * rho * (w / 1000) * d1 ^ 4 / 32'),
  (20507, 205, 'J2 = PI * rho * (w / 1000) * d2 ^ 4 / 32'),
  (20508, 205, 'k1 = p * z1 / (2000 * PI)'),
  (20509, 205, 'mc = q * Lc / 1000'),
  (20510, 205, 'WAout = WAin'),
  (20511, 205, 'WJout = WJin / R ^ 2'),
  (20512, 205, 'Uout = Uin'),
  (20513, 205, 'Hout = Hin'),
  (20514, 205, 'Fout = Fin'),
  (20515, 205, 'Vout = Vin * R'),
  (20516, 205, 'JLout = (JLin + J2) / R ^ 2 + J1 + mc * k1 ^ 2'),
  (20517, 205, 'TFout = TFin / (R * eta)'),
  (20518, 205, 'TUout = TUin / (R * eta)'),
  (20519, 205, 'THout = THin / (R * eta)'),
  (20520, 205, 'Aout = Ain * eta'),
  (20521, 205, 'Bout = Bin + Bg / (6 * Vin)'),
  (20522, 205, 'TDout = TDin * eta / R');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (20501, 205, 'If z1 > 0 Then Result = z2 / z1 Else Result = 0', 2301, 'Reduction ratio z2/z1'),
  (20502, 205, 'If z1 >= 2 Then Result = p / Sin(3.14159265358979 / z1) Else Result = 0', 101,
   'Pitch diameter of the driving sprocket'),
  (20503, 205, 'If z2 >= 2 Then Result = p / Sin(3.14159265358979 / z2) Else Result = 0', 101,
   'Pitch diameter of the driven sprocket'),
  (20504, 205, 'Result = q * Lc / 1000', 201, 'Chain mass'),
  (20505, 205,
   'Result = 0' || char(13, 10) ||
   'If z1 >= 2 And z2 >= 2 Then Result = 3.14159265358979 * rho * (w / 1000) * ((p / 1000 / Sin(3.14159265358979 / z1)) ^ 4 + (p / 1000 / Sin(3.14159265358979 / z2)) ^ 4 * (z1 / z2) ^ 2) / 32 + q * Lc / 1000 * (p * z1 / 2000 / 3.14159265358979) ^ 2',
   1201, 'Own inertia at the driving shaft (sprockets and chain)');

-- 305 Lead screw with a sliding nut. Lead angle lam = atan(L / (pi * d)) at the pitch
-- (mean) diameter d, friction angle rho1 = atan(mu / cos(thread angle / 2)):
-- eta = tan(lam) / tan(lam + rho1) (raising), eta_b = tan(lam - rho1) / tan(lam) (the load
-- driving; 0 or below: self-locking, the motor has to push the load down and holds nothing
-- at standstill). The support bearings' efficiency is taken the same way as in the worm
-- gear. The shaft's inertia is that of a tube of the pitch diameter.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30501, 'Lead',                                          'L',    '4',    NULL, 101,  1),
  (30502, 'Pitch diameter of the thread',                  'd',    '14',   NULL, 101,  1),
  (30503, 'Screw shaft length',                            'ls',   '500',  NULL, 101,  1),
  (30504, 'Screw shaft material density',                  'rho',  '7850', NULL, 1301, 0),
  (30505, 'Bore of the screw shaft (0 = solid)',           'di',   '0',    NULL, 101,  0),
  (30506, 'Thread angle (30 trapezoidal, 29 acme, 0 square)', 'th', '30',  NULL, 601,  0),
  (30507, 'Friction coefficient of the nut on the thread', 'mu',   '0.1',  NULL, 1801, 0),
  (30508, 'Efficiency of the support bearings',            'etab', '0.98', NULL, 1701, 1),
  (30509, 'Axial backlash of the nut',                     'Bs',   '0',    NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (305, 30501), (305, 30502), (305, 30503), (305, 30504), (305, 30505), (305, 30506),
  (305, 30507), (305, 30508), (305, 30509);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30501, 305, 'If Ain = 0 Then Ain = 1'),
  (30502, 305, 'If di >= d Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"'),
  (30503, 305, 'lam = Atn(L / (PI * d))'),
  (30504, 305, 'rho1 = Atn(mu / Cos(th / 2 * PI / 180))'),
  (30505, 305, 'If Cos(lam + rho1) <= 0.000001 Then Err.Raise 32100, "mu", "ElementScrewCannotDrive"'),
  (30506, 305, 'eta = Tan(lam) / Tan(lam + rho1) * etab'),
  (30507, 305, 'eb = Tan(lam - rho1) / Tan(lam)'),
  (30508, 305, 'If eb >= 0 Then etad = eb * etab Else etad = eb / etab'),
  (30509, 305, 'k = L / (2000 * PI)'),
  (30510, 305, 'Js = PI * rho * ((d / 1000) ^ 4 - (di / 1000) ^ 4) * (ls / 1000) / 32'),
  (30511, 305, 'WAout = 0'),
  (30512, 305, 'WJout = WJin + WAin * k ^ 2'),
  (30513, 305, 'Uout = 0'),
  (30514, 305, 'Hout = 0'),
  (30515, 305, 'Fout = 0'),
  (30516, 305, 'Vout = Vin * 0.06 / (2 * PI * k)'),
  (30517, 305, 'JLout = JLin + WAin * k ^ 2 + Js'),
  (30518, 305, 'TFout = TFin + Fin * k / eta'),
  (30519, 305, 'TUout = TUin + Uin * k / eta'),
  (30520, 305, 'THout = THin + Hin * k / eta'),
  (30521, 305, 'Aout = Ain * eta'),
  (30522, 305, 'Bout = Bin + Bs / Vin'),
  (30523, 305, 'TDout = TDin + Hin * k * etad');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30501, 305, 'If d > 0 Then Result = Atn(L / (3.14159265358979 * d)) * 180 / 3.14159265358979 Else Result = 0',
   601, 'Lead angle'),
  (30502, 305,
   'Result = 0' || char(13, 10) ||
   'If d > 0 And L > 0 Then lam = Atn(L / (3.14159265358979 * d)) : r1 = Atn(mu / Cos(th / 360 * 3.14159265358979)) : If Cos(lam + r1) > 0.000001 Then Result = Tan(lam) / Tan(lam + r1) * etab',
   1701, 'Efficiency, screw driving'),
  (30503, 305,
   'Result = 0' || char(13, 10) ||
   'If d > 0 And L > 0 Then lam = Atn(L / (3.14159265358979 * d)) : r1 = Atn(mu / Cos(th / 360 * 3.14159265358979)) : Result = Tan(lam - r1) / Tan(lam)',
   1701, 'Efficiency, load driving'),
  (30504, 305, 'Result = 3.14159265358979 * rho * ((d / 1000) ^ 4 - (di / 1000) ^ 4) * (ls / 1000) / 32',
   1201, 'Screw shaft inertia'),
  (30505, 305,
   'Result = 0' || char(13, 10) ||
   'If d > 0 Then If Atn(L / (3.14159265358979 * d)) <= Atn(mu / Cos(th / 360 * 3.14159265358979)) Then Result = 1',
   2301, 'Self-locking (1 = yes)');

-- 306 Rope drum hoist. The rope winds on a drum of diameter D (at the rope centre); the
-- drum is a tube of wall tw (0 = solid) unless its mass is given. Load m, counterweight mc
-- (hanging on a rope wound the other way) and the rope move with the rope speed; the rope's
-- whole weight is counted as hanging on the load side (the lowest position, safe side).
-- Linear values arriving from farther elements (an external force on the load) are turned
-- into torques like those of the load.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30601, 'Drum diameter (at the rope centre)',           'D',   '200',  NULL, 101,  1),
  (30602, 'Drum width',                                   'wd',  '300',  NULL, 101,  0),
  (30603, 'Drum wall thickness (0 = solid drum)',         'tw',  '10',   NULL, 101,  0),
  (30604, 'Drum material density',                        'rho', '7850', NULL, 1301, 0),
  (30605, 'Drum mass (0 = from density)',                 'md',  '0',    NULL, 201,  0),
  (30606, 'Rope mass',                                    'mr',  '1',    NULL, 201,  0),
  (30607, 'Hoisted load mass',                            'm',   '100',  NULL, 201,  1),
  (30608, 'Counterweight mass',                           'mc',  '0',    NULL, 201,  0),
  (30609, 'Efficiency of the drum bearings and rope',     'eta', '0.95', NULL, 1701, 1);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (306, 30601), (306, 30602), (306, 30603), (306, 30604), (306, 30605), (306, 30606),
  (306, 30607), (306, 30608), (306, 30609);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30601, 306, 'If Ain = 0 Then Ain = 1'),
  (30602, 306, 'If 2 * tw > D Then Err.Raise 32100, "tw", "ElementWallTooThick"'),
  (30603, 306, 'Da = D / 1000'),
  (30604, 306, 'Di = Da - 2 * tw / 1000'),
  (30605, 306, 'If tw <= 0 Then Di = 0'),
  (30606, 306, 'Jd = PI * rho * (wd / 1000) * (Da ^ 4 - Di ^ 4) / 32'),
  (30607, 306, 'If md > 0 Then Jd = md * (Da ^ 2 + Di ^ 2) / 8'),
  (30608, 306, 'r = Da / 2'),
  (30609, 306, 'Wm = WAin + m + mc + mr'),
  (30610, 306, 'Hm = Hin + (m + mr - mc) * GRAVITY'),
  (30611, 306, 'WAout = 0'),
  (30612, 306, 'WJout = WJin + (WAin + m + mc) * r ^ 2'),
  (30613, 306, 'Uout = 0'),
  (30614, 306, 'Hout = 0'),
  (30615, 306, 'Fout = 0'),
  (30616, 306, 'Vout = Vin * 0.06 / (2 * PI * r)'),
  (30617, 306, 'JLout = JLin + Wm * r ^ 2 + Jd'),
  (30618, 306, 'TFout = TFin + Fin * r / eta'),
  (30619, 306, 'TUout = TUin + Uin * r / eta'),
  (30620, 306, 'THout = THin + Hm * r / eta'),
  (30621, 306, 'Aout = Ain * eta'),
  (30622, 306, 'Bout = Bin'),
  (30623, 306, 'TDout = TDin + Hm * r * eta');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30601, 306,
   'Di = D - 2 * tw' || char(13, 10) || 'If tw <= 0 Or Di < 0 Then Di = 0' || char(13, 10) ||
   'If md > 0 Then Result = md * ((D / 1000) ^ 2 + (Di / 1000) ^ 2) / 8 Else Result = 3.14159265358979 * rho * (wd / 1000) * ((D / 1000) ^ 4 - (Di / 1000) ^ 4) / 32',
   1201, 'Drum inertia'),
  (30602, 306, 'Result = (m + mr - mc) * 9.80665', 1001, 'Holding force on the rope'),
  (30603, 306, 'Result = (m + mr - mc) * 9.80665 * D / 2000', 1101, 'Holding torque at the drum'),
  (30604, 306, 'Result = 3.14159265358979 * D', 101, 'Rope travel per drum revolution');

-- 307 Chain conveyor: a roller chain over nS sprockets of this size carries the goods. Travel
-- per radian k = p*z/(2*pi) (the mean chain speed; the polygon effect is left out), sprockets
-- as discs of their pitch diameter p / sin(180 deg / z), the whole chain loop moving.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30701, 'Chain pitch',                                  'p',   '19.05', NULL, 101,  1),
  (30702, 'Number of sprocket teeth',                     'z',   '12',    NULL, 2301, 1),
  (30703, 'Chain mass per metre',                         'q',   '1.5',   NULL, 2401, 0),
  (30704, 'Chain length (the whole loop)',                'Lc',  '4000',  NULL, 101,  0),
  (30705, 'Number of sprockets of this size (drive and idlers)', 'nS', '2', NULL, 2301, 0),
  (30706, 'Sprocket width',                               'w',   '12',    NULL, 101,  0),
  (30707, 'Sprocket material density',                    'rho', '7850',  NULL, 1301, 0),
  (30708, 'Efficiency',                                   'eta', '0.95',  NULL, 1701, 1),
  (30709, 'Backlash at the chain',                        'Bs',  '0',     NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (307, 30701), (307, 30702), (307, 30703), (307, 30704), (307, 30705), (307, 30706),
  (307, 30707), (307, 30708), (307, 30709);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30701, 307, 'If Ain = 0 Then Ain = 1'),
  (30702, 307, 'k = p * z / (2000 * PI)'),
  (30703, 307, 'ds = p / 1000 / Sin(PI / z)'),
  (30704, 307, 'Js = PI * rho * (w / 1000) * ds ^ 4 / 32'),
  (30705, 307, 'mc = q * Lc / 1000'),
  (30706, 307, 'WAout = 0'),
  (30707, 307, 'WJout = WJin + WAin * k ^ 2'),
  (30708, 307, 'Uout = 0'),
  (30709, 307, 'Hout = 0'),
  (30710, 307, 'Fout = 0'),
  (30711, 307, 'Vout = Vin * 0.06 / (2 * PI * k)'),
  (30712, 307, 'JLout = JLin + (WAin + mc) * k ^ 2 + nS * Js'),
  (30713, 307, 'TFout = TFin + Fin * k / eta'),
  (30714, 307, 'TUout = TUin + Uin * k / eta'),
  (30715, 307, 'THout = THin + Hin * k / eta'),
  (30716, 307, 'Aout = Ain * eta'),
  (30717, 307, 'Bout = Bin + Bs / Vin'),
  (30718, 307, 'TDout = TDin + Hin * k * eta');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30701, 307, 'If z >= 2 Then Result = p / Sin(3.14159265358979 / z) Else Result = 0', 101,
   'Sprocket pitch diameter'),
  (30702, 307, 'Result = p * z', 101, 'Chain travel per sprocket revolution'),
  (30703, 307, 'Result = q * Lc / 1000', 201, 'Chain mass'),
  (30704, 307,
   'If z >= 2 Then Result = 3.14159265358979 * rho * (w / 1000) * (p / 1000 / Sin(3.14159265358979 / z)) ^ 4 / 32 Else Result = 0',
   1201, 'Inertia of one sprocket');

-- Messages of refused value combinations (class "error"): element name, item name, value,
-- unit.
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (220, 'error', 'ElementBoreNotBelowDiameter',
   'Element "%s": "%s" = %s %s is not smaller than the diameter it is bored into. Enter a smaller bore (0 = solid).', NULL),
  (221, 'error', 'ElementPulleySizeMissing',
   'Element "%s": "%s" is 0 and the pitch and the number of teeth are not both given. Enter the diameter, or the pitch and the number of teeth.', NULL),
  (222, 'error', 'ElementWormCannotDrive',
   'Element "%s": with "%s" = %s %s the worm cannot move its load (lead angle and friction angle reach 90 deg). Check the friction coefficient and the lead angle.', NULL),
  (223, 'error', 'ElementScrewCannotDrive',
   'Element "%s": with "%s" = %s %s the screw cannot move its load (lead angle and friction angle reach 90 deg). Check the friction coefficient and the lead.', NULL),
  (224, 'error', 'ElementWallTooThick',
   'Element "%s": "%s" = %s %s is more than half the diameter. Enter a thinner wall (0 = solid).', NULL),
  (225, 'error', 'ElementCuttingSpeedMissing',
   'Element "%s": "%s" is 0 while a cutting power is given; the torque is the power divided by the angular speed. Enter the spindle speed while cutting.', NULL),
  (226, 'error', 'ElementToolDiameterMissing',
   'Element "%s": "%s" is 0 while a cutting force is given; the torque is the force times the tool radius. Enter the tool diameter.', NULL);
