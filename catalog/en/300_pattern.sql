-- Drive pattern: the twelve pattern formulas, the S-curve table and the texts of the pattern
-- page (class "frame_input_pattern"). Units: time s, motor speed r/min, linear load speed
-- mm/s with positions in mm, rotary load speed deg/s with angles in deg. V (the chain's speed
-- coefficient) is motor r/min per load speed unit, so Frequency = Speed * V on both axes.
-- The formulas receive only the variables the program assigns (no physical constants).
-- See catalog/README.md, "Drive pattern".

INSERT INTO m_drive_pattern (mdp_class, mdp_value) VALUES
('SetElapsedTime',
'TimeInterval = ElapsedTime - BeforeTime'),

('SetTimeInterval',
'ElapsedTime = BeforeTime + TimeInterval'),

-- The speed changes linearly within an interval: the distance is the mean speed times the
-- interval (trapezoid rule), the speeds taken back from motor to load speed through V.
('StraightChangePosition',
'If V = 0 Then
  Position = PrePosition
Else
  Position = PrePosition + (PreFrequency + Frequency) / 2 / V * TimeInterval
End If'),

('RollingChangePosition',
'If V = 0 Then
  Position = PrePosition
Else
  Position = PrePosition + (PreFrequency + Frequency) / 2 / V * TimeInterval
End If'),

('SetFrequency',
'If V = 0 Then Speed = 0 Else Speed = Frequency / V'),

('SetSpeed',
'Frequency = Speed * V'),

-- A trapezoidal move of distance ds in time T with acceleration time ta and deceleration
-- time td runs at v = ds / (T - (ta + td) / 2); ds is signed, so a move back gives v < 0.
('StraightUpdateSpeed',
'Speed = 0
Moving = TimeInterval - (Acceleration + Deceleration) / 2
If Moving > 0 Then Speed = (Position - PrePosition) / Moving
Frequency = Speed * V'),

('RollingUpdateSpeed',
'Speed = 0
Moving = TimeInterval - (Acceleration + Deceleration) / 2
If Moving > 0 Then Speed = (Position - PrePosition) / Moving
Frequency = Speed * V'),

-- mm/s per s = mm/s² (unit 801); deg/s per s = deg/s² (unit 902).
('StraightSpeedGridAcceleration',
'If TimeInterval > 0 Then Acceleration = (Speed - PreSpeed) / TimeInterval Else Acceleration = 0'),

('RollingSpeedGridAcceleration',
'If TimeInterval > 0 Then Acceleration = (AngularSpeed - PreAngularSpeed) / TimeInterval Else Acceleration = 0'),

-- The acceleration of the move's acceleration phase (the deceleration phase mirrors it
-- with its own time).
('StraightPositionGridAcceleration',
'If Acceleration > 0 Then AcceleratedVelocity = Speed / Acceleration Else AcceleratedVelocity = 0'),

('RollingPositionGridAcceleration',
'If Acceleration > 0 Then AcceleratedVelocity = Speed / Acceleration Else AcceleratedVelocity = 0');

-- S-curves. The modulus is the peak acceleration of the shape divided by the mean
-- acceleration over the same acceleration time and speed change (what a trapezoidal
-- pattern has throughout): 1 for constant acceleration, pi/2 for a half-sine acceleration,
-- 2 for an acceleration rising and falling linearly (constant jerk, no constant part). The
-- interval torque formula multiplies the acceleration torque by it for the peak torque.
INSERT INTO m_sigmoidal_curve (msc_cd, msc_drive_caption, msc_motor_caption, msc_modulus, msc_editable, msc_adhibition) VALUES
  (1, 'None (trapezoidal)',                 'Trapezoidal acceleration',       1,                  0, 0),
  (2, 'S-curve, half-sine acceleration',    'S-curve (half-sine)',            1.5707963267948966, 0, 1),
  (3, 'S-curve, triangular acceleration',   'S-curve (triangular)',           2,                  0, 1),
  (4, 'S-curve, modulus entered',           'S-curve (modulus entered)',      1.5,                1, 1);

-- Texts of the pattern page. Grid titles: the data columns in order, then the two
-- external-force columns. "...Measure": the base unit code of each data column, in order.
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'frame_input_pattern', 'Title',                'Drive pattern',      NULL),
  ( 2, 'frame_input_pattern', 'LabelDrivePattern',    'Input',              NULL),
  ( 3, 'frame_input_pattern', 'ComboBoxPattern',      'Speed',              NULL),
  ( 4, 'frame_input_pattern', 'ComboBoxPattern',      'Position',           NULL),
  ( 5, 'frame_input_pattern', 'LabelSigmoidalCurve',  'Acceleration shape', NULL),
  ( 6, 'frame_input_pattern', 'LabelModulus',         'Modulus',            NULL),
  ( 7, 'frame_input_pattern', 'ChartSpeed.Title',     'Speed pattern',      NULL),
  ( 8, 'frame_input_pattern', 'ChartSpeed.BottomAxis','Time',               NULL),
  ( 9, 'frame_input_pattern', 'ActionGridCutRow',     'Cu&t',               NULL),
  (10, 'frame_input_pattern', 'ActionGridCopyRow',    '&Copy',              NULL),
  (11, 'frame_input_pattern', 'ActionGridPasteRow',   '&Paste',             NULL),
  (12, 'frame_input_pattern', 'ActionGridInsertRow',  '&Insert rows',       NULL),
  (13, 'frame_input_pattern', 'ActionGridDeleteRow',  '&Delete rows',       NULL),
  (14, 'frame_input_pattern', 'ActionGridClearData',  'Clear all',          NULL),
  -- The acceleration cell of a move without an acceleration time.
  (15, 'frame_input_pattern', 'NoAccelerationTime',   'no acc. time',       NULL),

  (20, 'frame_input_pattern', 'StraightSpeedGrid', 'Elapsed time',     NULL),
  (21, 'frame_input_pattern', 'StraightSpeedGrid', 'Time interval',    NULL),
  (22, 'frame_input_pattern', 'StraightSpeedGrid', 'Motor speed',      NULL),
  (23, 'frame_input_pattern', 'StraightSpeedGrid', 'Speed',            NULL),
  (24, 'frame_input_pattern', 'StraightSpeedGrid', 'Position',         NULL),
  (25, 'frame_input_pattern', 'StraightSpeedGrid', 'Acceleration',     NULL),
  (26, 'frame_input_pattern', 'StraightSpeedGrid', 'External force 1', NULL),
  (27, 'frame_input_pattern', 'StraightSpeedGrid', 'External force 2', NULL),

  (30, 'frame_input_pattern', 'RollingSpeedGrid', 'Elapsed time',         NULL),
  (31, 'frame_input_pattern', 'RollingSpeedGrid', 'Time interval',        NULL),
  (32, 'frame_input_pattern', 'RollingSpeedGrid', 'Motor speed',          NULL),
  (33, 'frame_input_pattern', 'RollingSpeedGrid', 'Angular speed',        NULL),
  (34, 'frame_input_pattern', 'RollingSpeedGrid', 'Angle',                NULL),
  (35, 'frame_input_pattern', 'RollingSpeedGrid', 'Angular acceleration', NULL),
  (36, 'frame_input_pattern', 'RollingSpeedGrid', 'External force 1',     NULL),
  (37, 'frame_input_pattern', 'RollingSpeedGrid', 'External force 2',     NULL),

  (40, 'frame_input_pattern', 'StraightPositionGrid', 'Elapsed time',      NULL),
  (41, 'frame_input_pattern', 'StraightPositionGrid', 'Time interval',     NULL),
  (42, 'frame_input_pattern', 'StraightPositionGrid', 'Motor speed',       NULL),
  (43, 'frame_input_pattern', 'StraightPositionGrid', 'Speed',             NULL),
  (44, 'frame_input_pattern', 'StraightPositionGrid', 'Position',          NULL),
  (45, 'frame_input_pattern', 'StraightPositionGrid', 'Acceleration time', NULL),
  (46, 'frame_input_pattern', 'StraightPositionGrid', 'Deceleration time', NULL),
  (47, 'frame_input_pattern', 'StraightPositionGrid', 'Acceleration',      NULL),
  (48, 'frame_input_pattern', 'StraightPositionGrid', 'External force 1',  NULL),
  (49, 'frame_input_pattern', 'StraightPositionGrid', 'External force 2',  NULL),

  (50, 'frame_input_pattern', 'RollingPositionGrid', 'Elapsed time',         NULL),
  (51, 'frame_input_pattern', 'RollingPositionGrid', 'Time interval',        NULL),
  (52, 'frame_input_pattern', 'RollingPositionGrid', 'Motor speed',          NULL),
  (53, 'frame_input_pattern', 'RollingPositionGrid', 'Angular speed',        NULL),
  (54, 'frame_input_pattern', 'RollingPositionGrid', 'Angle',                NULL),
  (55, 'frame_input_pattern', 'RollingPositionGrid', 'Acceleration time',    NULL),
  (56, 'frame_input_pattern', 'RollingPositionGrid', 'Deceleration time',    NULL),
  (57, 'frame_input_pattern', 'RollingPositionGrid', 'Angular acceleration', NULL),
  (58, 'frame_input_pattern', 'RollingPositionGrid', 'External force 1',     NULL),
  (59, 'frame_input_pattern', 'RollingPositionGrid', 'External force 2',     NULL),

  -- s, s, r/min, mm/s, mm, mm/s²
  (60, 'frame_input_pattern', 'StraightSpeedGridMeasure', '301', NULL),
  (61, 'frame_input_pattern', 'StraightSpeedGridMeasure', '301', NULL),
  (62, 'frame_input_pattern', 'StraightSpeedGridMeasure', '501', NULL),
  (63, 'frame_input_pattern', 'StraightSpeedGridMeasure', '401', NULL),
  (64, 'frame_input_pattern', 'StraightSpeedGridMeasure', '101', NULL),
  (65, 'frame_input_pattern', 'StraightSpeedGridMeasure', '801', NULL),
  -- s, s, r/min, deg/s, deg, deg/s²
  (70, 'frame_input_pattern', 'RollingSpeedGridMeasure', '301', NULL),
  (71, 'frame_input_pattern', 'RollingSpeedGridMeasure', '301', NULL),
  (72, 'frame_input_pattern', 'RollingSpeedGridMeasure', '501', NULL),
  (73, 'frame_input_pattern', 'RollingSpeedGridMeasure', '701', NULL),
  (74, 'frame_input_pattern', 'RollingSpeedGridMeasure', '601', NULL),
  (75, 'frame_input_pattern', 'RollingSpeedGridMeasure', '902', NULL),
  -- s, s, r/min, mm/s, mm, s, s, mm/s²
  (80, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (81, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (82, 'frame_input_pattern', 'StraightPositionGridMeasure', '501', NULL),
  (83, 'frame_input_pattern', 'StraightPositionGridMeasure', '401', NULL),
  (84, 'frame_input_pattern', 'StraightPositionGridMeasure', '101', NULL),
  (85, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (86, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (87, 'frame_input_pattern', 'StraightPositionGridMeasure', '801', NULL),
  -- s, s, r/min, deg/s, deg, s, s, deg/s²
  (90, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (91, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (92, 'frame_input_pattern', 'RollingPositionGridMeasure', '501', NULL),
  (93, 'frame_input_pattern', 'RollingPositionGridMeasure', '701', NULL),
  (94, 'frame_input_pattern', 'RollingPositionGridMeasure', '601', NULL),
  (95, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (96, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (97, 'frame_input_pattern', 'RollingPositionGridMeasure', '902', NULL);

-- Errors of the pattern's 99 interval rows.
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (300, 'error', 'PatternRowsFull',
   'There is no room for the rows: intervals of the drive pattern would be pushed beyond interval 99. Delete intervals at the end of the pattern first.', NULL),
  (301, 'error', 'PatternTooManyRows',
   'A drive pattern in the project file has more than 99 intervals; the pattern holds at most 99.', NULL),
  (302, 'error', 'PatternTooManyIntervals',
   'The converted drive pattern would need more than 99 intervals.', NULL),
  (303, 'error', 'PatternPasteTooLarge',
   'The pasted cells do not fit into the drive pattern: from the chosen cell there are fewer intervals or columns than the clipboard holds. Nothing was pasted.', NULL),
  -- "%d" is the row as the grid numbers it, "%s" the message of the rule the row breaks.
  (304, 'error', 'PatternRowError', 'Drive pattern, row %d: %s', NULL),
  (305, 'error', 'PatternTimeNotIncreasing',
   'The elapsed time is not later than the elapsed time of the row before, so the row has no time. Times must increase: a change of speed and a move to a new position take time.', NULL),
  (306, 'error', 'PatternNotJudgeable',
   'The drive pattern of this project file cannot be judged as it is. Correct it on the drive pattern page:', NULL),
  -- The custom display condition dialog.
  (310, 'error', 'IllegalThreshold',
   '"%s" is not a number. Enter each limit as a number, with "." as the decimal mark; the limit was not changed.', NULL);
