-- More rotary loads: rotary index table with fixtures (506), spindle (507) and its cutting
-- load (508, may act in marked intervals only); hollow shafts and pulleys (a bore, 0 =
-- solid) for the ball screw, the timing belt axis and the disc; the timing belt axis and
-- the belt conveyor given either by pitch and teeth or by a diameter; the physical ranges
-- of every value added here and in 220_machine_gears_chains_screws.sql.
--
-- Items added to existing elements take new codes after the old ones, so project files
-- written before them read them as 0 (solid, or as before).

INSERT INTO t_machine_element (tme_cd, tme_mmb_cd, tme_name, tme_behavior, tme_element_type,
                               tme_img_path, tme_selected_img_path, tme_draged_img_path, tme_note) VALUES
  (506, 5, 'Rotary index table with fixtures', 0, 0,
   'picture/element/index_table.png', 'picture/element/index_table-on.png',
   'picture/element/index_table-drag.png',
   'Round table with a number of equal fixtures (with their workpieces) on a circle.'),
  (507, 5, 'Spindle', 0, 0,
   'picture/element/spindle.png', 'picture/element/spindle-on.png',
   'picture/element/spindle-drag.png',
   'Machine tool spindle: shaft (hollow for the drawbar), rotor or pulley on it, tool holder and tool, bearing drag.'),
  (508, 5, 'Cutting load of a spindle', 0, 1,
   'picture/element/cutting.png', 'picture/element/cutting-on.png',
   'picture/element/cutting-drag.png',
   'Cutting torque from the torque, from force and tool diameter, or from power and speed; may act in marked intervals only.');

-- 506 Rotary index table: table disc (bore di) of mass from density unless given, n fixtures
-- of mass mf each (fixture and workpiece) whose centres lie on radius rf; each fixture a
-- block a x b about its own axis: J = n*mf*(rf^2 + (a^2 + b^2)/12) (parallel axes).
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50601, 'Table diameter',                               'D',   '500',  NULL, 101,  1),
  (50602, 'Table thickness',                              't',   '30',   NULL, 101,  0),
  (50603, 'Bore of the table (0 = solid)',                'di',  '0',    NULL, 101,  0),
  (50604, 'Table material density',                       'rho', '7850', NULL, 1301, 0),
  (50605, 'Table mass (0 = from density)',                'mt',  '0',    NULL, 201,  0),
  (50606, 'Number of fixtures',                           'n',   '6',    NULL, 2301, 0),
  (50607, 'Mass of each fixture with its workpiece',      'mf',  '4',    NULL, 201,  0),
  (50608, 'Radius of the fixture centres',                'rf',  '180',  NULL, 101,  0),
  (50609, 'Length of a fixture (along the radius)',       'a',   '100',  NULL, 101,  0),
  (50610, 'Width of a fixture (across the radius)',       'b',   '80',   NULL, 101,  0),
  (50611, 'Friction torque of the bearing',               'Tb',  '0',    NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (506, 50601), (506, 50602), (506, 50603), (506, 50604), (506, 50605), (506, 50606),
  (506, 50607), (506, 50608), (506, 50609), (506, 50610), (506, 50611);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50601, 506, 'If Ain = 0 Then Vin = Vin / 6'),
  (50602, 506, 'If Ain = 0 Then Ain = 1'),
  (50603, 506, 'If di >= D Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"'),
  (50604, 506, 'mtab = mt'),
  (50605, 506, 'If mt <= 0 Then mtab = rho * PI * ((D / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * t / 1000'),
  (50606, 506, 'Jt = mtab * ((D / 1000) ^ 2 + (di / 1000) ^ 2) / 8'),
  (50607, 506, 'Jf = n * mf * ((rf / 1000) ^ 2 + ((a / 1000) ^ 2 + (b / 1000) ^ 2) / 12)'),
  (50608, 506, 'WAout = WAin'),
  (50609, 506, 'WJout = WJin + Jt + Jf'),
  (50610, 506, 'Uout = Uin'),
  (50611, 506, 'Hout = Hin'),
  (50612, 506, 'Fout = Fin'),
  (50613, 506, 'Vout = Vin'),
  (50614, 506, 'JLout = JLin + Jt + Jf'),
  (50615, 506, 'TFout = TFin + Tb'),
  (50616, 506, 'TUout = TUin + Tb'),
  (50617, 506, 'THout = THin'),
  (50618, 506, 'Aout = Ain'),
  (50619, 506, 'Bout = Bin'),
  (50620, 506, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50601, 506,
   'If mt > 0 Then Result = mt Else Result = rho * 3.14159265358979 * ((D / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (t / 1000)',
   201, 'Table mass'),
  (50602, 506,
   'mtab = mt' || char(13, 10) ||
   'If mt <= 0 Then mtab = rho * 3.14159265358979 * ((D / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (t / 1000)' || char(13, 10) ||
   'Result = mtab * ((D / 1000) ^ 2 + (di / 1000) ^ 2) / 8',
   1201, 'Table inertia'),
  (50603, 506, 'Result = n * mf * ((rf / 1000) ^ 2 + ((a / 1000) ^ 2 + (b / 1000) ^ 2) / 12)', 1201,
   'Inertia of the fixtures'),
  (50604, 506, 'Result = n * mf', 201, 'Mass of the fixtures');

-- 507 Spindle: shaft as a tube (bore for the drawbar), a rotor or pulley on it and the tool
-- holder with its tool (inertias from their data sheets), bearing drag.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50701, 'Spindle shaft diameter',                       'd',   '60',     NULL, 101,  1),
  (50702, 'Spindle shaft length',                         'l',   '400',    NULL, 101,  1),
  (50703, 'Bore of the spindle shaft (0 = solid)',        'di',  '20',     NULL, 101,  0),
  (50704, 'Spindle material density',                     'rho', '7850',   NULL, 1301, 0),
  (50705, 'Inertia of a rotor or pulley on the spindle',  'Jr',  '0',      NULL, 1201, 0),
  (50706, 'Inertia of the tool holder and tool',          'Jt',  '0.0005', NULL, 1201, 0),
  (50707, 'Friction torque of the bearings',              'Tb',  '0.2',    NULL, 1101, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (507, 50701), (507, 50702), (507, 50703), (507, 50704), (507, 50705), (507, 50706),
  (507, 50707);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50701, 507, 'If Ain = 0 Then Vin = Vin / 6'),
  (50702, 507, 'If Ain = 0 Then Ain = 1'),
  (50703, 507, 'If di >= d Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"'),
  (50704, 507, 'Js = PI * rho * (l / 1000) * ((d / 1000) ^ 4 - (di / 1000) ^ 4) / 32'),
  (50705, 507, 'WAout = WAin'),
  (50706, 507, 'WJout = WJin + Js + Jt'),
  (50707, 507, 'Uout = Uin'),
  (50708, 507, 'Hout = Hin'),
  (50709, 507, 'Fout = Fin'),
  (50710, 507, 'Vout = Vin'),
  (50711, 507, 'JLout = JLin + Js + Jr + Jt'),
  (50712, 507, 'TFout = TFin + Tb'),
  (50713, 507, 'TUout = TUin + Tb'),
  (50714, 507, 'THout = THin'),
  (50715, 507, 'Aout = Ain'),
  (50716, 507, 'Bout = Bin'),
  (50717, 507, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50701, 507, 'Result = 3.14159265358979 * rho * (l / 1000) * ((d / 1000) ^ 4 - (di / 1000) ^ 4) / 32', 1201,
   'Spindle shaft inertia'),
  (50702, 507, 'Result = rho * 3.14159265358979 * ((d / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (l / 1000)', 201,
   'Spindle shaft mass');

-- 508 Cutting load: the torque as given, else the tangential cutting force times the tool
-- radius, else the cutting power over the angular speed of the spindle while cutting. Opposes
-- the rotation; carries no inertia (left out where it does not act).
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50801, 'Cutting torque (0 = from force or power)',     'Tc',  '0',    NULL, 1101, 0),
  (50802, 'Tangential cutting force',                     'Fc',  '0',    NULL, 1001, 0),
  (50803, 'Tool diameter',                                'Dt',  '0',    NULL, 101,  0),
  (50804, 'Cutting power at the spindle',                 'Pc',  '0',    NULL, 1401, 0),
  (50805, 'Spindle speed while cutting',                  'nc',  '0',    NULL, 501,  0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (508, 50801), (508, 50802), (508, 50803), (508, 50804), (508, 50805);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50801, 508, 'If Ain = 0 Then Vin = Vin / 6'),
  (50802, 508, 'If Ain = 0 Then Ain = 1'),
  (50803, 508, 'If Tc <= 0 And Fc > 0 And Dt <= 0 Then Err.Raise 32100, "Dt", "ElementToolDiameterMissing"'),
  (50804, 508, 'If Tc <= 0 And Fc <= 0 And Pc > 0 And nc <= 0 Then Err.Raise 32100, "nc", "ElementCuttingSpeedMissing"'),
  (50805, 508, 'Tcut = Tc'),
  (50806, 508, 'If Tc <= 0 And Fc > 0 Then Tcut = Fc * Dt / 2000'),
  (50807, 508, 'If Tc <= 0 And Fc <= 0 And Pc > 0 Then Tcut = Pc / (nc * 2 * PI / 60)'),
  (50808, 508, 'WAout = WAin'),
  (50809, 508, 'WJout = WJin'),
  (50810, 508, 'Uout = Uin'),
  (50811, 508, 'Hout = Hin'),
  (50812, 508, 'Fout = Fin'),
  (50813, 508, 'Vout = Vin'),
  (50814, 508, 'JLout = JLin'),
  (50815, 508, 'TFout = TFin + Tcut'),
  (50816, 508, 'TUout = TUin + Tcut'),
  (50817, 508, 'THout = THin'),
  (50818, 508, 'Aout = Ain'),
  (50819, 508, 'Bout = Bin'),
  (50820, 508, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (50801, 508,
   'Result = Tc' || char(13, 10) ||
   'If Tc <= 0 And Fc > 0 Then Result = Fc * Dt / 2000' || char(13, 10) ||
   'If Tc <= 0 And Fc <= 0 And Pc > 0 And nc > 0 Then Result = Pc / (nc * 2 * 3.14159265358979 / 60)',
   1101, 'Cutting torque used');

-- Hollow ball screw shaft (301): bore di; J = pi*rho*(d^4 - di^4)*l/32, or m*(d^2 + di^2)/8
-- from a given mass; the critical speed of a tube uses sqrt(I/A) = sqrt(d^2 + di^2)/4.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30111, 'Bore of the screw shaft (0 = solid)',          'di',  '0',    NULL, 101,  0);
INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES (301, 30111);
INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30100, 301, 'If di >= d Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"');
UPDATE m_machine_calc_value SET mcv_value = 'Js = PI * rho * (d ^ 4 - (di / 1000) ^ 4) * ls / 32' WHERE mcv_cd = 30105;
UPDATE m_machine_calc_value SET mcv_value = 'If ms > 0 Then Js = ms * (d ^ 2 + (di / 1000) ^ 2) / 8' WHERE mcv_cd = 30106;
UPDATE m_tmp_calc SET mtc_value =
  'If ms > 0 Then Result = ms * ((d / 1000) ^ 2 + (di / 1000) ^ 2) / 8 Else Result = 3.14159265358979 * rho * ((d / 1000) ^ 4 - (di / 1000) ^ 4) * (ls / 1000) / 32'
  WHERE mtc_cd = 30101;
UPDATE m_tmp_calc SET mtc_value =
  'If ms > 0 Then Result = ms Else Result = rho * 3.14159265358979 * ((d / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (ls / 1000)'
  WHERE mtc_cd = 30102;
UPDATE m_tmp_calc SET mtc_value = replace(mtc_value, '(d / 1000) / 4', 'Sqr((d / 1000) ^ 2 + (di / 1000) ^ 2) / 4')
  WHERE mtc_cd IN (30104, 30105);

-- Timing belt axis (303): the pulley by its pitch diameter alone (pitch and teeth 0) or by
-- pitch and teeth; hollow pulleys (bore di).
UPDATE t_machine_value SET tmv_name = 'Belt pitch (0 = pulley given by its pitch diameter)', tmv_req_value = 0
  WHERE tmv_cd = 30301;
UPDATE t_machine_value SET tmv_name = 'Number of pulley teeth (0 = pulley given by its pitch diameter)', tmv_req_value = 0
  WHERE tmv_cd = 30302;
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30311, 'Bore of the pulleys (0 = solid)',              'di',  '0',    NULL, 101,  0);
INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES (303, 30311);
INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30300, 303, 'If Dp <= 0 And p * z <= 0 Then Err.Raise 32100, "Dp", "ElementPulleySizeMissing"');
UPDATE m_machine_calc_value
   SET mcv_value = 'Jpul = Jp : If di / 1000 >= 2 * r Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"'
 WHERE mcv_cd = 30304;
UPDATE m_machine_calc_value
   SET mcv_value = 'If Jp <= 0 Then Jpul = PI * rho * (w / 1000) * ((2 * r) ^ 4 - (di / 1000) ^ 4) / 32'
 WHERE mcv_cd = 30305;
UPDATE m_tmp_calc SET mtc_value =
  'D1 = p * z / 3.14159265358979' || char(13, 10) || 'If Dp > 0 Then D1 = Dp' || char(13, 10) ||
  'Result = 3.14159265358979 * rho * (w / 1000) * ((D1 / 1000) ^ 4 - (di / 1000) ^ 4) / 32'
  WHERE mtc_cd = 30303;
UPDATE m_tmp_calc SET mtc_value =
  'D1 = p * z / 3.14159265358979' || char(13, 10) || 'If Dp > 0 Then D1 = Dp' || char(13, 10) ||
  'Result = nP * 3.14159265358979 * rho * (w / 1000) * ((D1 / 1000) ^ 4 - (di / 1000) ^ 4) / 32 + mb * (D1 / 2000) ^ 2'
  WHERE mtc_cd = 30304;

-- Belt conveyor (304): a toothed drive pulley by pitch and teeth (the belt then moves at its
-- pitch line), or the roller diameter; the rollers are the size of the pulley when their
-- diameter is 0.
UPDATE t_machine_value SET tmv_name = 'Roller outer diameter (0 = the toothed pulley''s pitch diameter)', tmv_req_value = 0
  WHERE tmv_cd = 30401;
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (30408, 'Belt pitch of a toothed drive pulley (0 = flat belt on the roller)', 'p', '0', NULL, 101,  0),
  (30409, 'Teeth of the toothed drive pulley',            'z',   '0',    NULL, 2301, 0);
INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES (304, 30408), (304, 30409);
INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (30400, 304, 'If Dr <= 0 And p * z <= 0 Then Err.Raise 32100, "Dr", "ElementPulleySizeMissing"');
UPDATE m_machine_calc_value SET mcv_value = 'If Dr > 0 Then Da = Dr / 1000 Else Da = p * z / (1000 * PI)'
 WHERE mcv_cd = 30402;
UPDATE m_machine_calc_value SET mcv_value = 'If p * z > 0 Then r = p * z / (2000 * PI) Else r = Da / 2'
 WHERE mcv_cd = 30405;
UPDATE m_tmp_calc SET mtc_value = replace(mtc_value, 'Di = Dr - 2 * tw',
  'If Dr <= 0 Then Dr = p * z / 3.14159265358979' || char(13, 10) || 'Di = Dr - 2 * tw')
  WHERE mtc_cd IN (30401, 30402);
UPDATE m_tmp_calc SET mtc_value = 'If p * z > 0 Then Result = p * z Else Result = 3.14159265358979 * Dr'
  WHERE mtc_cd = 30403;

-- Disc (501): bore di; m = rho*pi*(D^2 - di^2)/4*t, J = m*(D^2 + di^2)/8.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (50106, 'Bore (0 = solid)',                             'di',  '0',    NULL, 101,  0);
INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES (501, 50106);
INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (50100, 501, 'If di >= D Then Err.Raise 32100, "di", "ElementBoreNotBelowDiameter"');
UPDATE m_machine_calc_value
   SET mcv_value = 'If m <= 0 Then md = rho * PI * (D ^ 2 - (di / 1000) ^ 2) / 4 * t / 1000' WHERE mcv_cd = 50105;
UPDATE m_machine_calc_value SET mcv_value = 'Jd = md * (D ^ 2 + (di / 1000) ^ 2) / 8' WHERE mcv_cd = 50106;
UPDATE m_tmp_calc SET mtc_value =
  'If m > 0 Then Result = m Else Result = rho * 3.14159265358979 * ((D / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (t / 1000)'
  WHERE mtc_cd = 50101;
UPDATE m_tmp_calc SET mtc_value =
  'md = m' || char(13, 10) ||
  'If m <= 0 Then md = rho * 3.14159265358979 * ((D / 1000) ^ 2 - (di / 1000) ^ 2) / 4 * (t / 1000)' || char(13, 10) ||
  'Result = md * ((D / 1000) ^ 2 + (di / 1000) ^ 2) / 8'
  WHERE mtc_cd = 50102;

-- Physical ranges (see 210_machine_ranges.sql for the rules by quantity). Sprockets need at
-- least 5 teeth (the pitch diameter p / sin(180 deg / z) has no meaning below); a worm's
-- lead angle lies above 0 and at most 45 deg, its pressure angle at most 30 deg; a thread
-- angle at most 60 deg.
CREATE TEMP TABLE value_range2 (
  cd      INTEGER PRIMARY KEY,
  lo      TEXT,
  lo_open INTEGER NOT NULL,
  hi      TEXT,
  hi_open INTEGER NOT NULL
);

INSERT INTO value_range2 (cd, lo, lo_open, hi, hi_open) VALUES
  -- 203 gear pair
  (20301, '0', 1, '10000', 0), (20302, '0', 1, '10000', 0), (20303, '0', 0, '10000', 0),
  (20304, '0', 0, '10000', 0), (20305, '0', 0, '10000', 0), (20306, '0', 0, '10000', 0),
  (20307, '0', 1, '25000', 0), (20308, '0', 1, '1', 0),     (20309, '0', 0, '10', 0),
  -- 204 worm gear
  (20401, '0', 1, '100000', 0), (20402, '0', 1, '45', 0),    (20403, '0', 0, '2', 0),
  (20404, '0', 0, '30', 0),     (20405, '0', 0, '10000', 0), (20406, '0', 0, '10000', 0),
  (20407, '0', 1, '1', 0),      (20408, '0', 0, '10', 0),
  -- 205 roller chain drive
  (20501, '0', 1, '100', 0),    (20502, '5', 0, '1000', 0),  (20503, '5', 0, '1000', 0),
  (20504, '0', 0, '1000', 0),   (20505, '0', 0, '100000', 0), (20506, '0', 0, '10000', 0),
  (20507, '0', 1, '25000', 0),  (20508, '0', 1, '1', 0),     (20509, '0', 0, '10', 0),
  -- 305 lead screw
  (30501, '0', 1, '1000', 0),   (30502, '0', 1, '1000', 0),  (30503, '0', 1, '20000', 0),
  (30504, '0', 1, '25000', 0),  (30505, '0', 0, '1000', 0),  (30506, '0', 0, '60', 0),
  (30507, '0', 0, '2', 0),      (30508, '0', 1, '1', 0),     (30509, '0', 0, '10', 0),
  -- 306 rope drum hoist
  (30601, '0', 1, '10000', 0),  (30602, '0', 0, '20000', 0), (30603, '0', 0, '5000', 0),
  (30604, '0', 1, '25000', 0),  (30605, '0', 0, '100000', 0), (30606, '0', 0, '100000', 0),
  (30607, '0', 1, '100000', 0), (30608, '0', 0, '100000', 0), (30609, '0', 1, '1', 0),
  -- 307 chain conveyor
  (30701, '0', 1, '100', 0),    (30702, '5', 0, '1000', 0),  (30703, '0', 0, '1000', 0),
  (30704, '0', 0, '100000', 0), (30705, '0', 0, '100', 0),   (30706, '0', 0, '10000', 0),
  (30707, '0', 1, '25000', 0),  (30708, '0', 1, '1', 0),     (30709, '0', 0, '10', 0),
  -- 506 rotary index table
  (50601, '0', 1, '10000', 0),  (50602, '0', 0, '10000', 0), (50603, '0', 0, '10000', 0),
  (50604, '0', 1, '25000', 0),  (50605, '0', 0, '100000', 0), (50606, '0', 0, '1000', 0),
  (50607, '0', 0, '100000', 0), (50608, '0', 0, '10000', 0), (50609, '0', 0, '10000', 0),
  (50610, '0', 0, '10000', 0),  (50611, '0', 0, '100000', 0),
  -- 507 spindle
  (50701, '0', 1, '1000', 0),   (50702, '0', 1, '20000', 0), (50703, '0', 0, '1000', 0),
  (50704, '0', 1, '25000', 0),  (50705, '0', 0, '10000', 0), (50706, '0', 0, '10000', 0),
  (50707, '0', 0, '100000', 0),
  -- 508 cutting load
  (50801, '0', 0, '100000', 0), (50802, '0', 0, '1000000', 0), (50803, '0', 0, '10000', 0),
  (50804, '0', 0, '10000000', 0), (50805, '0', 0, '100000', 0),
  -- bores and sizes added to 301, 303, 304, 501; pitch and teeth of 303 may now be 0
  (30111, '0', 0, '1000', 0),   (30311, '0', 0, '10000', 0),
  (30301, '0', 0, '100', 0),    (30302, '0', 0, '1000', 0),
  (30401, '0', 0, '10000', 0),  (30408, '0', 0, '100', 0),   (30409, '0', 0, '1000', 0),
  (50106, '0', 0, '10000', 0);

UPDATE t_machine_value
   SET tmv_min_value = (SELECT lo FROM value_range2 WHERE cd = tmv_cd),
       tmv_min_open  = (SELECT lo_open FROM value_range2 WHERE cd = tmv_cd),
       tmv_max_value = (SELECT hi FROM value_range2 WHERE cd = tmv_cd),
       tmv_max_open  = (SELECT hi_open FROM value_range2 WHERE cd = tmv_cd)
 WHERE tmv_cd IN (SELECT cd FROM value_range2);

DROP TABLE value_range2;
