-- Texts of user-defined motors (motor data sheets in the user folder): the labels of the
-- sheet's items and the series they are listed under (class "user_motor"), the range rules
-- and the messages a sheet is refused with (class "error").

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (1,  'user_motor', 'Model',                      'Model name', NULL),
  (2,  'user_motor', 'Amplifier',                  'Amplifier model', NULL),
  (3,  'user_motor', 'Brake',                      'Holding brake (1 with, 0 without)', NULL),
  (4,  'user_motor', 'RatedTorque',                'Rated torque [N·m]', NULL),
  (5,  'user_motor', 'MaxTorque',                  'Maximum torque [N·m]', NULL),
  (6,  'user_motor', 'RatedSpeed',                 'Rated speed [r/min]', NULL),
  (7,  'user_motor', 'MaxSpeed',                   'Maximum speed [r/min]', NULL),
  (8,  'user_motor', 'RotorInertia',               'Rotor inertia [kg·m²]', NULL),
  (9,  'user_motor', 'AllowableInertiaRatio',      'Allowable load-to-rotor inertia ratio', NULL),
  (10, 'user_motor', 'PhaseResistance',            'Winding resistance per phase [Ω]', NULL),
  (11, 'user_motor', 'RatedCurrent',               'Rated current [A rms]', NULL),
  (12, 'user_motor', 'SupplyVoltage',              'Supply voltage [V]', NULL),
  (13, 'user_motor', 'TripVoltage',                'Bus overvoltage trip level [V]', NULL),
  (14, 'user_motor', 'BusCapacitance',             'Bus capacitance of the amplifier [µF]', NULL),
  (15, 'user_motor', 'AllowableRegenerativePower', 'Continuous regenerative power of the built-in resistor [W] (0 = none)', NULL),
  (16, 'user_motor', 'MomentaryRegenerativePower', 'Momentary regenerative power [W]', NULL),
  (17, 'user_motor', 'ExternalResistorPower',      'Rated power of the external resistor [W]', NULL),
  (18, 'user_motor', 'ExternalResistorCapacity',   'Continuous power the external resistor consumes [W]', NULL),
  (19, 'user_motor', 'ExternalResistor',           'External resistor designation', NULL),
  (20, 'user_motor', 'WarningTorqueDefault',       'Warning factor of torques', NULL),
  (21, 'user_motor', 'WarningTorqueHigh',          'Warning factor of the peak torque above the rated speed', NULL),
  (22, 'user_motor', 'WarningTorqueLow',           'Warning factor of torques at low speed', NULL),
  (23, 'user_motor', 'WarningAllowableDischarge',  'Warning factor of the continuous regenerative power', NULL),
  (24, 'user_motor', 'WarningMomentaryDischarge',  'Warning factor of the momentary regenerative power', NULL),
  -- How a user-defined motor is listed beside the catalog's.
  (30, 'user_motor', 'SeriesName',                 'User-defined motors', NULL),
  (31, 'user_motor', 'FunctionName',               'User-defined (data sheet)', NULL),
  (32, 'user_motor', 'BrakeWith',                  'With holding brake', NULL),
  (33, 'user_motor', 'BrakeWithout',               'None', NULL),
  (34, 'user_motor', 'OutputFormat',               '%s W', NULL),
  (35, 'user_motor', 'SupplyFormat',               '%s V', NULL),
  (36, 'user_motor', 'Marker',                     '(user)'      , NULL),
  -- The range rules named in "UserMotorValueOutOfRange".
  (40, 'user_motor', 'RulePositive',               'above 0', NULL),
  (41, 'user_motor', 'RuleNotNegative',            '0 or more', NULL),
  (42, 'user_motor', 'RuleFraction',               'above 0 and at most 1', NULL),
  (43, 'user_motor', 'RuleFlag',                   '0 or 1', NULL),
  (44, 'user_motor', 'RuleAtLeast',                'above 0 and at least the "%s"', NULL),
  (45, 'user_motor', 'RuleAboveSupplyPeak',        'above the peak of the "%s" (√2 times it)', NULL),
  -- kinemo-cli motor list: the heading.
  (50, 'user_motor', 'ListHeading',                'Model,Amplifier,Rated torque [N·m],Maximum torque [N·m],Rated speed [r/min],Rotor inertia [kg·m²],Supply [V]', NULL);

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (620, 'error', 'UserMotorValueMissing',
   'The motor data sheet "%s" has no "%s"; the judgement needs it.', NULL),
  (621, 'error', 'UserMotorValueNotNumber',
   'The motor data sheet "%s": "%s" = "%s" is not a number.', NULL),
  (622, 'error', 'UserMotorValueOutOfRange',
   'The motor data sheet "%s": "%s" cannot be %s: it must be %s.', NULL),
  (623, 'error', 'UserMotorModelInvalid',
   'The model name "%s" cannot name a motor data sheet: use letters, digits, "-", "_" and "." only (at most 64).', NULL),
  (624, 'error', 'UserMotorFileUnreadable',
   'The file "%s" is not a motor data sheet (%s).', NULL),
  (625, 'error', 'UserMotorNotFound',
   'The project names the user-defined motor "%s", which is no longer among the user-defined motors. No motor is committed; choose a motor again.', NULL),
  (626, 'error', 'UserMotorUnknownModel',
   'There is no motor "%s" in the catalog nor among the user-defined motors.', NULL);
