-- Rotary-to-linear elements (block 3): ball screw, rack and pinion, timing belt axis, belt
-- conveyor. Each turns the linear carry values at its carriage (moving mass WAin, running
-- resistance Fin, starting resistance Uin, holding force Hin) into values at its shaft and
-- clears the linear ones:
--   J = m*k^2 + own inertia, T = F*k/eta, V = Vin*0.06/(2*pi*k)   (k = travel per radian, m)
-- with k = L/(2*pi) for a screw of lead L and k = r for a pinion, pulley or roller of pitch
-- radius r. The fixed-direction force H leaves twice: TH = H*k/eta, the torque that drives
-- it (lifting; also the holding figure, on the safe side), and TD = H*k*eta, what reaches the
-- shaft when it drives the motor (lowering): the losses then come out of the load's power.
-- Lengths are entered in mm and turned into metres inside the formula (calculated items see
-- their inputs with two decimals only); everything else is SI.

-- Ball screw. Shaft inertia pi*rho*d^4*l/32 (or ms*d^2/8 from a given mass). Nut preload
-- drag torque Tp = mu0*Fa0*L/(2*pi) (internal friction coefficient of a preloaded nut,
-- about 0.1 to 0.3), acting while running and at start. Axial backlash adds to the
-- backlash at the load.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30101, 'Lead',                                              'L',    '10',    NULL, 101,  1),
  (30102, 'Screw shaft diameter',                              'd',    '16',    NULL, 101,  1),
  (30103, 'Screw shaft length',                                'ls',   '500',   NULL, 101,  1),
  (30104, 'Screw shaft material density',                      'rho',  '7850',  NULL, 1301, 0),
  (30105, 'Screw shaft mass (0 = from density)',               'ms',   '0',     NULL, 201,  0),
  (30106, 'Efficiency',                                        'eta',  '0.9',   NULL, 1701, 1),
  (30107, 'Preload force of the nut (0 = no preload)',         'Fa0',  '0',     NULL, 1001, 0),
  (30108, 'Internal friction coefficient of the preloaded nut','mu0',  '0.3',   NULL, 2301, 0),
  (30109, 'Shaft mounting (1 fixed-free, 2 supported-supported, 3 fixed-supported, 4 fixed-fixed)',
                                                               'mnt',  '3',     NULL, 2301, 0),
  (30110, 'Axial backlash',                                    'Bs',   '0',     NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (301, 30101), (301, 30102), (301, 30103), (301, 30104), (301, 30105), (301, 30106),
  (301, 30107), (301, 30108), (301, 30109), (301, 30110);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30101, 301, 'If Ain = 0 Then Ain = 1'),
  (30102, 301, 'L = L / 1000'),
  (30103, 301, 'd = d / 1000'),
  (30104, 301, 'ls = ls / 1000'),
  (30105, 301, 'Js = PI * rho * d ^ 4 * ls / 32'),
  (30106, 301, 'If ms > 0 Then Js = ms * d ^ 2 / 8'),
  (30107, 301, 'k = L / (2 * PI)'),
  (30108, 301, 'Tp = mu0 * Fa0 * k'),
  (30109, 301, 'WAout = 0'),
  (30110, 301, 'WJout = WJin + WAin * k ^ 2'),
  (30111, 301, 'Uout = 0'),
  (30112, 301, 'Hout = 0'),
  (30113, 301, 'Fout = 0'),
  (30114, 301, 'Vout = Vin * 0.06 / L'),
  (30115, 301, 'JLout = JLin + WAin * k ^ 2 + Js'),
  (30116, 301, 'TFout = TFin + Fin * k / eta + Tp'),
  (30117, 301, 'TUout = TUin + Uin * k / eta + Tp'),
  (30118, 301, 'THout = THin + Hin * k / eta'),
  (30119, 301, 'Aout = Ain * eta'),
  (30120, 301, 'Bout = Bin + Bs / Vin'),
  (30121, 301, 'TDout = TDin + Hin * k * eta');

-- Critical speed of the shaft (rotating shaft in bending):
--   n_c = f * 60*lam^2/(2*pi*l^2) * sqrt(E*I/(rho*A)),  I/A = d^2/16,
-- safety factor f = 0.8, Young's modulus of steel E = 206 GPa, d the shaft diameter (enter
-- the root diameter for a strict check), lam by the mounting: 1.875 fixed-free, pi
-- supported-supported, 3.927 fixed-supported, 4.730 fixed-fixed. The mounting is a code
-- because calculated items see their inputs with two decimals only. Calculated items get
-- no physical constants (pi and g are written as numbers) and guard their divisions: an
-- error would stop every calculated item of the element.
INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30101, 301,
   'If ms > 0 Then Result = ms * (d / 1000) ^ 2 / 8 Else Result = 3.14159265358979 * rho * (d / 1000) ^ 4 * (ls / 1000) / 32',
   1201, 'Screw shaft inertia'),
  (30102, 301,
   'If ms > 0 Then Result = ms Else Result = rho * 3.14159265358979 * (d / 1000) ^ 2 / 4 * (ls / 1000)',
   201, 'Screw shaft mass'),
  (30103, 301,
   'Result = mu0 * Fa0 * (L / 1000) / (2 * 3.14159265358979)',
   1101, 'Preload drag torque of the nut'),
  (30104, 301,
   'lam = 3.927' || char(13, 10) || 'If mnt = 1 Then lam = 1.875' || char(13, 10) ||
   'If mnt = 2 Then lam = 3.14159265358979' || char(13, 10) || 'If mnt = 4 Then lam = 4.730' || char(13, 10) ||
   'If ls > 0 And rho > 0 Then Result = 0.8 * 60 * lam ^ 2 / (2 * 3.14159265358979 * (ls / 1000) ^ 2) * (d / 1000) / 4 * Sqr(206 * 10 ^ 9 / rho) Else Result = 0',
   501, 'Critical speed of the screw (safety factor 0.8)'),
  (30105, 301,
   'lam = 3.927' || char(13, 10) || 'If mnt = 1 Then lam = 1.875' || char(13, 10) ||
   'If mnt = 2 Then lam = 3.14159265358979' || char(13, 10) || 'If mnt = 4 Then lam = 4.730' || char(13, 10) ||
   'If ls > 0 And rho > 0 Then Result = 0.8 * 60 * lam ^ 2 / (2 * 3.14159265358979 * (ls / 1000) ^ 2) * (d / 1000) / 4 * Sqr(206 * 10 ^ 9 / rho) * (L / 1000) / 60 Else Result = 0',
   402, 'Linear speed at the critical speed');

-- Rack and pinion: pitch diameter = module * teeth; pinion as a solid disc of the pitch
-- diameter and face width unless its inertia is given.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30201, 'Module',                                      'mn',  '2',    NULL, 101,  1),
  (30202, 'Number of pinion teeth',                      'z',   '20',   NULL, 2301, 1),
  (30203, 'Face width of the pinion',                    'b',   '20',   NULL, 101,  0),
  (30204, 'Pinion material density',                     'rho', '7850', NULL, 1301, 0),
  (30205, 'Pinion inertia (0 = from dimensions)',        'Jp',  '0',    NULL, 1201, 0),
  (30206, 'Efficiency',                                  'eta', '0.9',  NULL, 1701, 1),
  (30207, 'Backlash at the pitch circle',                'Bs',  '0',    NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (302, 30201), (302, 30202), (302, 30203), (302, 30204), (302, 30205), (302, 30206),
  (302, 30207);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30201, 302, 'If Ain = 0 Then Ain = 1'),
  (30202, 302, 'r = mn * z / 2000'),
  (30203, 302, 'Jpin = Jp'),
  (30204, 302, 'If Jp <= 0 Then Jpin = PI * rho * (b / 1000) * (2 * r) ^ 4 / 32'),
  (30205, 302, 'WAout = 0'),
  (30206, 302, 'WJout = WJin + WAin * r ^ 2'),
  (30207, 302, 'Uout = 0'),
  (30208, 302, 'Hout = 0'),
  (30209, 302, 'Fout = 0'),
  (30210, 302, 'Vout = Vin * 0.06 / (2 * PI * r)'),
  (30211, 302, 'JLout = JLin + WAin * r ^ 2 + Jpin'),
  (30212, 302, 'TFout = TFin + Fin * r / eta'),
  (30213, 302, 'TUout = TUin + Uin * r / eta'),
  (30214, 302, 'THout = THin + Hin * r / eta'),
  (30215, 302, 'Aout = Ain * eta'),
  (30216, 302, 'Bout = Bin + Bs / Vin'),
  (30217, 302, 'TDout = TDin + Hin * r * eta');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30201, 302, 'Result = mn * z', 101, 'Pitch diameter'),
  (30202, 302, 'Result = 3.14159265358979 * mn * z', 101, 'Travel per pinion revolution'),
  (30203, 302, 'Result = 3.14159265358979 * rho * (b / 1000) * (mn * z / 1000) ^ 4 / 32', 1201,
   'Pinion inertia from dimensions');

-- Timing belt axis: carriage on a belt between a drive pulley and an idler of the same size
-- (nP pulleys of this size turn at the drive pulley's speed). Pitch radius p*z/(2*pi)
-- unless a pitch diameter is given; pulleys as solid discs unless their inertia is given;
-- the whole belt moves with the carriage.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30301, 'Belt pitch',                                       'p',   '5',    NULL, 101,  1),
  (30302, 'Number of pulley teeth',                           'z',   '24',   NULL, 2301, 1),
  (30303, 'Pulley pitch diameter (0 = from teeth)',           'Dp',  '0',    NULL, 101,  0),
  (30304, 'Pulley width',                                     'w',   '25',   NULL, 101,  0),
  (30305, 'Pulley material density',                          'rho', '2700', NULL, 1301, 0),
  (30306, 'Number of pulleys of this size (drive and idlers)','nP',  '2',    NULL, 2301, 0),
  (30307, 'Inertia of one pulley (0 = from dimensions)',      'Jp',  '0',    NULL, 1201, 0),
  (30308, 'Belt mass',                                        'mb',  '0.3',  NULL, 201,  0),
  (30309, 'Efficiency',                                       'eta', '0.9',  NULL, 1701, 1),
  (30310, 'Backlash at the pitch line',                       'Bs',  '0',    NULL, 101,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (303, 30301), (303, 30302), (303, 30303), (303, 30304), (303, 30305), (303, 30306),
  (303, 30307), (303, 30308), (303, 30309), (303, 30310);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30301, 303, 'If Ain = 0 Then Ain = 1'),
  (30302, 303, 'r = p * z / (2000 * PI)'),
  (30303, 303, 'If Dp > 0 Then r = Dp / 2000'),
  (30304, 303, 'Jpul = Jp'),
  (30305, 303, 'If Jp <= 0 Then Jpul = PI * rho * (w / 1000) * (2 * r) ^ 4 / 32'),
  (30306, 303, 'WAout = 0'),
  (30307, 303, 'WJout = WJin + WAin * r ^ 2'),
  (30308, 303, 'Uout = 0'),
  (30309, 303, 'Hout = 0'),
  (30310, 303, 'Fout = 0'),
  (30311, 303, 'Vout = Vin * 0.06 / (2 * PI * r)'),
  (30312, 303, 'JLout = JLin + (WAin + mb) * r ^ 2 + nP * Jpul'),
  (30313, 303, 'TFout = TFin + Fin * r / eta'),
  (30314, 303, 'TUout = TUin + Uin * r / eta'),
  (30315, 303, 'THout = THin + Hin * r / eta'),
  (30316, 303, 'Aout = Ain * eta'),
  (30317, 303, 'Bout = Bin + Bs / Vin'),
  (30318, 303, 'TDout = TDin + Hin * r * eta');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30301, 303, 'If Dp > 0 Then Result = Dp Else Result = p * z / 3.14159265358979', 101, 'Pulley pitch diameter'),
  (30302, 303, 'If Dp > 0 Then Result = 3.14159265358979 * Dp Else Result = p * z', 101, 'Travel per pulley revolution'),
  (30303, 303,
   'D1 = p * z / 3.14159265358979' || char(13, 10) || 'If Dp > 0 Then D1 = Dp' || char(13, 10) ||
   'Result = 3.14159265358979 * rho * (w / 1000) * (D1 / 1000) ^ 4 / 32',
   1201, 'Inertia of one pulley from dimensions'),
  (30304, 303,
   'D1 = p * z / 3.14159265358979' || char(13, 10) || 'If Dp > 0 Then D1 = Dp' || char(13, 10) ||
   'Result = nP * 3.14159265358979 * rho * (w / 1000) * (D1 / 1000) ^ 4 / 32 + mb * (D1 / 2000) ^ 2',
   1201, 'Own inertia at the drive shaft (pulleys from dimensions and belt)');

-- Belt conveyor: drive roller and nR - 1 further rollers of the same size, hollow
-- (wall thickness tw; 0 = solid): J = pi*rho*l*(Da^4 - Di^4)/32. The belt moves at the
-- roller surface speed. The conveyed goods and the friction of the belt on its slider bed
-- are a linear load after this element.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30401, 'Roller outer diameter',                        'Dr',  '60',   NULL, 101,  1),
  (30402, 'Roller wall thickness (0 = solid roller)',     'tw',  '5',    NULL, 101,  0),
  (30403, 'Roller length',                                'lr',  '300',  NULL, 101,  0),
  (30404, 'Roller material density',                      'rho', '7850', NULL, 1301, 0),
  (30405, 'Number of rollers of this size (drive and tail)', 'nR', '2',  NULL, 2301, 0),
  (30406, 'Belt mass',                                    'mb',  '1.5',  NULL, 201,  0),
  (30407, 'Efficiency',                                   'eta', '0.9',  NULL, 1701, 1);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (304, 30401), (304, 30402), (304, 30403), (304, 30404), (304, 30405), (304, 30406),
  (304, 30407);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30401, 304, 'If Ain = 0 Then Ain = 1'),
  (30402, 304, 'Da = Dr / 1000'),
  (30403, 304, 'Di = Da - 2 * tw / 1000'),
  (30404, 304, 'If tw <= 0 Or Di < 0 Then Di = 0'),
  (30405, 304, 'r = Da / 2'),
  (30406, 304, 'Jr = PI * rho * (lr / 1000) * (Da ^ 4 - Di ^ 4) / 32'),
  (30407, 304, 'WAout = 0'),
  (30408, 304, 'WJout = WJin + WAin * r ^ 2'),
  (30409, 304, 'Uout = 0'),
  (30410, 304, 'Hout = 0'),
  (30411, 304, 'Fout = 0'),
  (30412, 304, 'Vout = Vin * 0.06 / (2 * PI * r)'),
  (30413, 304, 'JLout = JLin + (WAin + mb) * r ^ 2 + nR * Jr'),
  (30414, 304, 'TFout = TFin + Fin * r / eta'),
  (30415, 304, 'TUout = TUin + Uin * r / eta'),
  (30416, 304, 'THout = THin + Hin * r / eta'),
  (30417, 304, 'Aout = Ain * eta'),
  (30418, 304, 'Bout = Bin'),
  (30419, 304, 'TDout = TDin + Hin * r * eta');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (30401, 304,
   'Di = Dr - 2 * tw' || char(13, 10) || 'If tw <= 0 Or Di < 0 Then Di = 0' || char(13, 10) ||
   'Result = rho * 3.14159265358979 * ((Dr / 1000) ^ 2 - (Di / 1000) ^ 2) / 4 * (lr / 1000)',
   201, 'Mass of one roller'),
  (30402, 304,
   'Di = Dr - 2 * tw' || char(13, 10) || 'If tw <= 0 Or Di < 0 Then Di = 0' || char(13, 10) ||
   'Result = 3.14159265358979 * rho * (lr / 1000) * ((Dr / 1000) ^ 4 - (Di / 1000) ^ 4) / 32',
   1201, 'Inertia of one roller'),
  (30403, 304, 'Result = 3.14159265358979 * Dr', 101, 'Travel per roller revolution');
