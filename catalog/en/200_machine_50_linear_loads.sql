-- Linear loads (block 4): they add to the linear carry values at the carriage and pass the
-- rotary ones through.
--   WA = moving mass [kg]; F = running resistance, opposes motion [N];
--   U = starting (breakaway) resistance, at least F [N];
--   H = force of fixed direction, in motion and at standstill (gravity along the axis) [N],
--       positive when it pushes the load back against its positive (e.g. upward) travel,
--       so that the motor must drive in the positive direction to hold the load.
-- Inclination a: 0 deg horizontal, 90 deg vertical. Guide friction acts on the normal force
-- m*g*cos(a) (plus a pressing force Fn, below), gravity along the axis is m*g*sin(a); a
-- counterweight mc moves with the load and pulls against its weight.

-- Table (horizontal or inclined) and vertical axis load: the same physics, the vertical one
-- starts at 90 deg and makes the motor search preset a holding brake.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (40101, 'Moving mass (table and workpiece)',                  'm',   '10',   NULL, 201,  1),
  (40102, 'Friction coefficient of the guide',                  'mu',  '0.01', NULL, 1801, 0),
  (40103, 'Static friction coefficient (0 = same as running)',  'mus', '0',    NULL, 1801, 0),
  (40104, 'Inclination of the axis (0 horizontal, 90 vertical)','a',   '0',    NULL, 601,  0),
  (40105, 'Counterweight mass',                                 'mc',  '0',    NULL, 201,  0),
  (40106, 'Other running resistance (seals, cable carrier)',    'Fo',  '0',    NULL, 1001, 0),
  (40201, 'Moving mass (slide and workpiece)',                  'm',   '10',   NULL, 201,  1),
  (40202, 'Friction coefficient of the guide',                  'mu',  '0.01', NULL, 1801, 0),
  (40203, 'Static friction coefficient (0 = same as running)',  'mus', '0',    NULL, 1801, 0),
  (40204, 'Inclination of the axis (0 horizontal, 90 vertical)','a',   '90',   NULL, 601,  0),
  (40205, 'Counterweight mass',                                 'mc',  '0',    NULL, 201,  0),
  (40206, 'Other running resistance (seals, cable carrier)',    'Fo',  '0',    NULL, 1001, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (401, 40101), (401, 40102), (401, 40103), (401, 40104), (401, 40105), (401, 40106),
  (402, 40201), (402, 40202), (402, 40203), (402, 40204), (402, 40205), (402, 40206);

-- A force pressing the carriage onto its guide besides the weight (a gib, a clamp, a cutting
-- force across the axis): the guide friction works on the magnitude of the whole normal
-- force, |m*g*cos(a) + Fn| (a negative Fn lifts the carriage against the other face of the
-- guide). The weight's share is m*g*|sin(90 deg - a)|, which is exactly 0 at 90 deg.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (40107, 'Normal force pressing the table onto its guide (gib, clamp, cutting force)', 'Fn', '0', NULL, 1001, 0),
  (40207, 'Normal force pressing the slide onto its guide (gib, clamp, cutting force)', 'Fn', '0', NULL, 1001, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (401, 40107), (402, 40207);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (40101, 401, 'If Ain = 0 Then Ain = 1'),
  (40102, 401, 'ar = a * PI / 180'),
  (40103, 401, 'If mus < mu Then mus = mu'),
  (40104, 401, 'Wn = m * GRAVITY * Abs(Sin((90 - a) * PI / 180))'),
  (40105, 401, 'WAout = WAin + m + mc'),
  (40106, 401, 'WJout = WJin'),
  (40107, 401, 'Uout = Uin + mus * Abs(Wn + Fn) + Fo'),
  (40108, 401, 'Hout = Hin + (m - mc) * GRAVITY * Sin(ar)'),
  (40109, 401, 'Fout = Fin + mu * Abs(Wn + Fn) + Fo'),
  (40110, 401, 'Vout = Vin'),
  (40111, 401, 'JLout = JLin'),
  (40112, 401, 'TFout = TFin'),
  (40113, 401, 'TUout = TUin'),
  (40114, 401, 'THout = THin'),
  (40115, 401, 'Aout = Ain'),
  (40116, 401, 'Bout = Bin'),
  (40117, 401, 'TDout = TDin'),

  (40201, 402, 'If Ain = 0 Then Ain = 1'),
  (40202, 402, 'ar = a * PI / 180'),
  (40203, 402, 'If mus < mu Then mus = mu'),
  (40204, 402, 'Wn = m * GRAVITY * Abs(Sin((90 - a) * PI / 180))'),
  (40205, 402, 'WAout = WAin + m + mc'),
  (40206, 402, 'WJout = WJin'),
  (40207, 402, 'Uout = Uin + mus * Abs(Wn + Fn) + Fo'),
  (40208, 402, 'Hout = Hin + (m - mc) * GRAVITY * Sin(ar)'),
  (40209, 402, 'Fout = Fin + mu * Abs(Wn + Fn) + Fo'),
  (40210, 402, 'Vout = Vin'),
  (40211, 402, 'JLout = JLin'),
  (40212, 402, 'TFout = TFin'),
  (40213, 402, 'TUout = TUin'),
  (40214, 402, 'THout = THin'),
  (40215, 402, 'Aout = Ain'),
  (40216, 402, 'Bout = Bin'),
  (40217, 402, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (40101, 401, 'Result = m + mc', 201, 'Total moving mass'),
  (40102, 401, 'Result = (m - mc) * 9.80665 * Sin(a * 3.14159265358979 / 180)', 1001, 'Holding force along the axis'),
  (40103, 401, 'Result = Abs(m * 9.80665 * Abs(Sin((90 - a) * 3.14159265358979 / 180)) + Fn)', 1001, 'Normal force on the guide'),
  (40201, 402, 'Result = m + mc', 201, 'Total moving mass'),
  (40202, 402, 'Result = (m - mc) * 9.80665 * Sin(a * 3.14159265358979 / 180)', 1001, 'Holding force along the axis'),
  (40203, 402, 'Result = Abs(m * 9.80665 * Abs(Sin((90 - a) * 3.14159265358979 / 180)) + Fn)', 1001, 'Normal force on the guide');

-- Counterweight over a deflection pulley: the counterweight moves with the load (mass mc),
-- the pulley (solid disc of mass mp) adds the equivalent moving mass J/r^2 = mp/2, and the
-- weight pulls against the load's own weight along its path inclination ac.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (40301, 'Counterweight mass',                               'mc', '5',  NULL, 201, 1),
  (40302, 'Inclination of its path (90 = hanging vertically)','ac', '90', NULL, 601, 0),
  (40303, 'Mass of the deflection pulley',                    'mp', '0',  NULL, 201, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (403, 40301), (403, 40302), (403, 40303);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (40301, 403, 'If Ain = 0 Then Ain = 1'),
  (40302, 403, 'WAout = WAin + mc + mp / 2'),
  (40303, 403, 'WJout = WJin'),
  (40304, 403, 'Uout = Uin'),
  (40305, 403, 'Hout = Hin - mc * GRAVITY * Sin(ac * PI / 180)'),
  (40306, 403, 'Fout = Fin'),
  (40307, 403, 'Vout = Vin'),
  (40308, 403, 'JLout = JLin'),
  (40309, 403, 'TFout = TFin'),
  (40310, 403, 'TUout = TUin'),
  (40311, 403, 'THout = THin'),
  (40312, 403, 'Aout = Ain'),
  (40313, 403, 'Bout = Bin'),
  (40314, 403, 'TDout = TDin');

INSERT INTO m_tmp_calc (mtc_cd, mtc_tme_cd, mtc_value, mtc_muv_cd, mtc_title) VALUES
  (40301, 403, 'Result = mc * 9.80665 * Sin(ac * 3.14159265358979 / 180)', 1001, 'Relief of the holding force'),
  (40302, 403, 'Result = mc + mp / 2', 201, 'Equivalent moving mass');

-- External force on a linear axis (accepts an external force: may act only in marked
-- intervals). Fr opposes the motion (pressing, cutting, drag: added to the running and the
-- starting resistance); Fc keeps its direction in motion and at standstill (spring, process
-- pressure: added to the holding force, positive against positive travel). It has no
-- mass: a switched-off element is left out of the calculation as a whole.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (40401, 'Force opposing the motion',                     'Fr', '0', NULL, 1001, 0),
  (40402, 'Force of fixed direction (also at standstill)', 'Fc', '0', NULL, 1001, 0);

INSERT INTO t_machine_value_cross (mvc_tme_cd, mvc_tmv_cd) VALUES
  (404, 40401), (404, 40402);

INSERT INTO m_machine_calc_value (mcv_cd, mcv_tme_cd, mcv_value) VALUES
  (40401, 404, 'If Ain = 0 Then Ain = 1'),
  (40402, 404, 'WAout = WAin'),
  (40403, 404, 'WJout = WJin'),
  (40404, 404, 'Uout = Uin + Fr'),
  (40405, 404, 'Hout = Hin + Fc'),
  (40406, 404, 'Fout = Fin + Fr'),
  (40407, 404, 'Vout = Vin'),
  (40408, 404, 'JLout = JLin'),
  (40409, 404, 'TFout = TFin'),
  (40410, 404, 'TUout = TUin'),
  (40411, 404, 'THout = THin'),
  (40412, 404, 'Aout = Ain'),
  (40413, 404, 'Bout = Bin'),
  (40414, 404, 'TDout = TDin');
