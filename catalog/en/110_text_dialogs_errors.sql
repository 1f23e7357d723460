-- Captions and button texts of the message dialog (class "message_dialog") and the error
-- messages (class "error"). "%s" marks an argument the raising screen passes.

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  ( 1, 'message_dialog', 'mtWarning',      'Warning',      NULL),
  ( 2, 'message_dialog', 'mtError',        'Error',        NULL),
  ( 3, 'message_dialog', 'mtInformation',  'Information',  NULL),
  ( 4, 'message_dialog', 'mtConfirmation', 'Confirmation', NULL),
  (10, 'message_dialog', 'mbYes',    '&Yes',    NULL),
  (11, 'message_dialog', 'mbNo',     '&No',     NULL),
  (12, 'message_dialog', 'mbOK',     'OK',      NULL),
  (13, 'message_dialog', 'mbCancel', 'Cancel',  NULL),
  (14, 'message_dialog', 'mbHelp',   '&Help',   NULL),
  (15, 'message_dialog', 'mbAbort',  '&Abort',  NULL),
  (16, 'message_dialog', 'mbRetry',  '&Retry',  NULL),
  (17, 'message_dialog', 'mbIgnore', '&Ignore', NULL),
  (18, 'message_dialog', 'mbAll',    '&All',    NULL);

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  -- Element chain editing.
  ( 1, 'error', 'NotAttachable',
   'The element cannot be placed here: its input must match the output of the element before it (rotary or linear), and its output the input of the element after it.', NULL),
  ( 2, 'error', 'NotInsertExternalForceFactor',
   'No more elements that take an external force can be added to the machine.', NULL),
  ( 3, 'error', 'NotInsertFactor',
   'The machine already holds the largest number of elements allowed.', NULL),
  ( 4, 'error', 'NotRemoveBecauseNotAttachable',
   'The element cannot be removed: the elements before and after it cannot be connected to each other.', NULL),
  ( 5, 'error', 'NotInputItem',
   'Enter every required value of the element "%s" (required values must not be 0).', NULL),
  ( 6, 'error', 'NotFoundFactor',
   'The project file names an element that is neither in the catalog nor among the user-defined elements.', NULL),
  ( 7, 'error', 'NotInsertPartExternalForceFactor',
   'An external force acting in marked intervals only can be set for at most two elements. The force of this element acts during the whole pattern.', NULL),

  -- Drive pattern data and validation.
  (10, 'error', 'InputMinusNumber',
   'Times in the drive pattern must not be negative.', NULL),
  (11, 'error', 'IllegalTimeInterval',
   'The acceleration time plus the deceleration time must not exceed the time interval.', NULL),
  (12, 'error', 'NotInputAcceleration',
   'Enter an acceleration time for every interval that moves to a new position.', NULL),
  (13, 'error', 'NotInputDeceleration',
   'Enter a deceleration time for every interval that moves to a new position.', NULL),
  (14, 'error', 'IllegalUnderSuspension',
   'An interval that stays at the same position (a dwell) must have no acceleration or deceleration time.', NULL),
  (15, 'error', 'IllegalNumber',
   '"%s" is not a valid value here. Enter a number; times must not be negative.', NULL),

  -- Drive pattern screen.
  (20, 'error', 'IllegalSigmoidalCurveModulus',
   'The S-curve modulus must be a number.', NULL),
  (21, 'error', 'NotConvertDrivePattern',
   'The drive pattern cannot be converted to the other input type: a speed pattern must consist of trapezoidal moves that end at rest. Switch anyway and keep the pattern last entered for that input type?', NULL),

  -- Motor judgement.
  (30, 'error', 'NotInputVoltate',
   'Enter the input supply voltage as a number.', NULL),
  (31, 'error', 'NotInputDrivePattern',
   'Enter a drive pattern before judging motors.', NULL),

  -- Price check of a typed motor and amplifier (option and CAD pages).
  (40, 'error', 'ErrorMotorNumber',
   'The motor model was not found in the catalog.', NULL),
  (41, 'error', 'ErrorAmpNumber',
   'The amplifier model was not found in the catalog.', NULL),
  (42, 'error', 'ErrorAssortmentMotorAndAmp',
   'This motor and this amplifier cannot be combined.', NULL),
  (43, 'error', 'ErrorAmp200',
   'This amplifier needs a 200 V supply. Choose a 200 V supply.', NULL),
  (44, 'error', 'ErrorAmp100',
   'This amplifier is for a single-phase 100 V supply. Choose the 100 V supply.', NULL),
  (45, 'error', 'ErrorAmpThree200Only',
   'This amplifier is for a three-phase 200 V supply only.', NULL),
  (46, 'error', 'ErrorAmpOne200Only',
   'This amplifier is for a single-phase 200 V supply only.', NULL),

  -- Physical ranges of the element input values. A range reads like "0 < value ≤ 100000 kg":
  -- "%s" are the lower limit, its comparison, the upper comparison, the upper limit and the
  -- unit; one-sided ranges use the two short forms. The comparisons are the four texts after.
  (50, 'error', 'InputRange',          '%s %s value %s %s %s', NULL),
  (51, 'error', 'InputRangeMin',       'value %s %s %s', NULL),
  (52, 'error', 'InputRangeMax',       'value %s %s %s', NULL),
  (63, 'error', 'RangeLess',           '<', NULL),
  (64, 'error', 'RangeLessOrEqual',    '≤', NULL),
  (65, 'error', 'RangeGreater',        '>', NULL),
  (66, 'error', 'RangeGreaterOrEqual', '≥', NULL),
  (53, 'error', 'InputOutOfRange',
   '"%s" cannot be %s %s: it must be %s.', NULL),
  (54, 'error', 'InputOutOfRangeList',
   'Some input values are outside their physical range. They are kept so that you can correct them on the element page; nothing is calculated until then:', NULL),
  (55, 'error', 'InputOutOfRangeElement', 'Element %d "%s": ', NULL),
  (56, 'error', 'InputOutOfRangeItem',    '"%s" = %s %s (allowed: %s)', NULL),
  (57, 'error', 'UserFactorOutOfRange',
   'The user-defined element "%s" holds input values outside their physical range. Correct them in the user element editor; a machine that uses the element is not calculated until then:', NULL),
  (58, 'error', 'ChainResultInvalid',
   'Element %d "%s" gives %s = %s, which no machine can have (a load inertia must be finite and not negative, a speed coefficient finite and above 0, an efficiency between 0 and 1, every other value finite). Check its input values.', NULL),

  -- The machine of a project file against the element catalog.
  (60, 'error', 'ProjectChainInvalid',
   'The machine of this project file does not fit the element catalog. The elements that fit were kept; nothing is calculated until the machine is changed on the element page:', NULL),
  (61, 'error', 'ProjectFactorNotFound',
   'Element %d (element ID %s) is neither in the catalog nor among the user-defined elements; it was left out.', NULL),
  (62, 'error', 'ProjectFactorNotAttachable',
   'Element %d "%s" cannot follow "%s" (a rotary output needs a rotary input, a linear output a linear input); it was left out.', NULL),
  (63, 'error', 'ProjectValueNotNumber',
   'Element %d "%s": "%s" in this project file is not a number "%s" can take. The project was not opened.', NULL),
  (64, 'error', 'ProjectValuesNotCalculated',
   'Element %d "%s": its values in this project file cannot be calculated (%s). The project was not opened.', NULL);
