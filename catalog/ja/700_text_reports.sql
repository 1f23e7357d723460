-- Japanese texts of the reports: the report data sets and their CSV templates (classes
-- "form_print_*"), the print menu ("form_commit_motor_print_menu"), the page layouts
-- ("form_printer_*") and the report errors. CSV templates keep every {[%]key[%]} placeholder
-- and the number of cells of each line; only the column headings are Japanese. Comment lines
-- of the last pages keep the ASCII ": " that parts label and value.

INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('error', 'CsvTemplateUnknownKey', 7000,
   '%s の CSV テンプレートに、この帳票にないキーがあります: %s。カタログのテンプレートを修正してください。', NULL),
  ('error', 'CsvTemplateUnterminated', 7001,
   '%s の CSV テンプレートに、閉じる "[%%]}" のないプレースホルダがあります。カタログのテンプレートを修正してください。', NULL),
  ('error', 'ReportElementNotCalculated', 7002,
   '要素「%s」はまだ計算されていないため、帳票を作成できません。先に機械を再計算してください。', NULL),
  ('error', 'ReportMotorNotJudged', 7003,
   'このモータをこの機械に対して判定できなかったため、作成する帳票がありません。運転パターンと電源電圧を確認してください。', NULL),
  ('error', 'ReportUnknownPage', 7004,
   '帳票のページ「%s」はありません。ページ: summary, pattern, elements, torque, regeneration。', NULL),
  ('error', 'ReportNoMotor', 7005, 'カタログに形式「%s」のモータはありません。', NULL),
  ('form_motor_detail', 'GridMotorOpt.Cells[3,0]', 7006, ' W 必要', NULL),

  ('form_print_summary', 'CsvTemplateHead', 7007,
   '"Kinemo モータ選定結果"' || char(13,10) ||
   '"表題","{[%]PrintHeader[%]}"' || char(13,10) ||
   '"日付","{[%]CurrentDate[%]}"' || char(13,10) ||
   '"モータ形式","{[%]MotorNumber[%]}"' || char(13,10) ||
   '"アンプ形式","{[%]AmpNumber[%]}"' || char(13,10) ||
   '"定格出力","{[%]Output[%]}"' || char(13,10) ||
   '"電源相数","{[%]PowerSource[%]}"' || char(13,10) ||
   '"電源電圧","{[%]ElectricPressure[%]}"' || char(13,10) ||
   '"エンコーダ","{[%]Encoder[%]}"' || char(13,10) ||
   '"ブレーキ","{[%]Brake[%]}"' || char(13,10) ||
   '"ギアヘッド","{[%]Gear[%]}"' || char(13,10) ||
   '"減速比","{[%]ModeratingRatio[%]}"' || char(13,10) ||
   '"バックラッシ","{[%]BackLash[%]}"' || char(13,10) ||
   '"項目","モータ定格","単位","注意値","単位","計算値","単位","比率","単位","判定"' || char(13,10) ||
   '"負荷慣性",{[%]RotorInertiaRated[%]},"{[%]RotorInertiaRatedMeasure[%]}",{[%]RotorInertiaCriterion[%]},"{[%]RotorInertiaCriterionMeasure[%]}",{[%]RotorInertiaResult[%]},"{[%]RotorInertiaResultMeasure[%]}",{[%]RotorInertiaPercent[%]},"{[%]RotorInertiaPercentMeasure[%]}","{[%]RotorInertiaAdjudication[%]}"' || char(13,10) ||
   '"回転速度",{[%]FrequencyRated[%]},"{[%]FrequencyRatedMeasure[%]}",{[%]FrequencyCriterion[%]},"{[%]FrequencyCriterionMeasure[%]}",{[%]FrequencyResult[%]},"{[%]FrequencyResultMeasure[%]}",{[%]FrequencyPercent[%]},"{[%]FrequencyPercentMeasure[%]}","{[%]FrequencyAdjudication[%]}"' || char(13,10) ||
   '"実効トルク",{[%]EffectiveTorqueRated[%]},"{[%]EffectiveTorqueRatedMeasure[%]}",{[%]EffectiveTorqueCriterion[%]},"{[%]EffectiveTorqueCriterionMeasure[%]}",{[%]EffectiveTorqueResult[%]},"{[%]EffectiveTorqueResultMeasure[%]}",{[%]EffectiveTorquePercent[%]},"{[%]EffectiveTorquePercentMeasure[%]}","{[%]EffectiveTorqueAdjudication[%]}"' || char(13,10) ||
   '"運転トルク",{[%]RunningTorqueRated[%]},"{[%]RunningTorqueRatedMeasure[%]}",{[%]RunningTorqueCriterion[%]},"{[%]RunningTorqueCriterionMeasure[%]}",{[%]RunningTorqueResult[%]},"{[%]RunningTorqueResultMeasure[%]}",{[%]RunningTorquePercent[%]},"{[%]RunningTorquePercentMeasure[%]}","{[%]RunningTorqueAdjudication[%]}"' || char(13,10) ||
   '"ピークトルク",{[%]MaxTorqueRated[%]},"{[%]MaxTorqueRatedMeasure[%]}",{[%]MaxTorqueCriterion[%]},"{[%]MaxTorqueCriterionMeasure[%]}",{[%]MaxTorqueResult[%]},"{[%]MaxTorqueResultMeasure[%]}",{[%]MaxTorquePercent[%]},"{[%]MaxTorquePercentMeasure[%]}","{[%]MaxTorqueAdjudication[%]}"' || char(13,10) ||
   '"保持トルク",{[%]EpigeneTorqueRated[%]},"{[%]EpigeneTorqueRatedMeasure[%]}",{[%]EpigeneTorqueCriterion[%]},"{[%]EpigeneTorqueCriterionMeasure[%]}",{[%]EpigeneTorqueResult[%]},"{[%]EpigeneTorqueResultMeasure[%]}",{[%]EpigeneTorquePercent[%]},"{[%]EpigeneTorquePercentMeasure[%]}","{[%]EpigeneTorqueAdjudication[%]}"' || char(13,10) ||
   '"回生電力",{[%]AllowableDischargeRated[%]},"{[%]AllowableDischargeRatedMeasure[%]}",{[%]AllowableDischargeCriterion[%]},"{[%]AllowableDischargeCriterionMeasure[%]}",{[%]AllowableDischargeResult[%]},"{[%]AllowableDischargeResultMeasure[%]}",{[%]AllowableDischargePercent[%]},"{[%]AllowableDischargePercentMeasure[%]}","{[%]AllowableDischargeAdjudication[%]}"' || char(13,10) ||
   '"回生の判定","{[%]AdjudicationResult[%]}","{[%]ExternalResistor[%]}","{[%]AllowableDischargeMax[%]}","{[%]PureExternalResistor[%]}"' || char(13,10) ||
   '"停止精度","{[%]StoppingAccuracy[%]}"' || char(13,10) ||
   '"コメント","{[%]PrintComment[%]}"' || char(13,10) ||
   '"アプリケーションのバージョン","{[%]ApplicationVersion[%]}","カタログのバージョン","{[%]DatabaseVersion[%]}"' || char(13,10) ||
   '"要素","ブロック","元の要素","項目 1","値 1","項目 2","値 2","項目 3","値 3","項目 4","値 4","項目 5","値 5","項目 6","値 6","項目 7","値 7","項目 8","値 8","項目 9","値 9","項目 10","値 10","項目 11","値 11","項目 12","値 12","項目 13","値 13"', NULL),
  ('form_print_summary', 'CsvTemplateBody', 7008, NULL, NULL),

  ('form_print_drivepattern', 'UseExternalForce', 7009, 'あり', NULL),
  ('form_print_drivepattern', 'CsvTemplateHead', 7011,
   '"{[%]Title[%]}"' || char(13,10) ||
   '"No.","{[%]Header0[%]}","{[%]Header1[%]}","{[%]Header2[%]}","{[%]Header3[%]}","{[%]Header4[%]}","{[%]Header5[%]}","{[%]Header6[%]}","{[%]Header7[%]}","{[%]Header8[%]}","{[%]Header9[%]}"' || char(13,10) ||
   '"","{[%]HeaderMeasure0[%]}","{[%]HeaderMeasure1[%]}","{[%]HeaderMeasure2[%]}","{[%]HeaderMeasure3[%]}","{[%]HeaderMeasure4[%]}","{[%]HeaderMeasure5[%]}","{[%]HeaderMeasure6[%]}","{[%]HeaderMeasure7[%]}","{[%]HeaderMeasure8[%]}","{[%]HeaderMeasure9[%]}"', NULL),
  ('form_print_drivepattern', 'CsvTemplateBody', 7012, NULL, NULL),

  ('form_print_block', 'Title', 7013, '機械要素', NULL),
  ('form_print_block', 'CsvTemplateHead', 7014,
   '"{[%]Title[%]}"' || char(13,10) ||
   '"要素","ブロック","元の要素","移動質量","慣性の負荷分","起動力","保持力","走行抵抗力","速度係数","負荷慣性","摩擦トルク","起動トルク","保持トルク","総合効率","バックラッシ","項目 1","値 1","項目 2","値 2","項目 3","値 3","項目 4","値 4","項目 5","値 5","項目 6","値 6","項目 7","値 7","項目 8","値 8","項目 9","値 9","項目 10","値 10","項目 11","値 11","項目 12","値 12","項目 13","値 13"', NULL),
  ('form_print_block', 'CsvTemplateBody', 7015, NULL, NULL),
  ('form_print_block', 'CsvTemplateFoot', 7016,
   '"モータ軸","{[%]FactorName[%]}"' || char(13,10) ||
   '"減速比","{[%]ReducingRatio[%]}"' || char(13,10) ||
   '"ギアヘッド慣性","{[%]GearInertia[%]}"' || char(13,10) ||
   '"ギアヘッド運転トルク","{[%]GearTorque[%]}"' || char(13,10) ||
   '"ギアヘッド効率","{[%]GearEta[%]}"' || char(13,10) ||
   '"バックラッシ","{[%]BacklashValue[%]}"' || char(13,10) ||
   '"外力 1/2","なし/なし","あり/なし","なし/あり","あり/あり"' || char(13,10) ||
   '"負荷慣性","{[%]FF_JLout[%]}","{[%]TF_JLout[%]}","{[%]FT_JLout[%]}","{[%]TT_JLout[%]}"' || char(13,10) ||
   '"摩擦トルク","{[%]FF_TFout[%]}","{[%]TF_TFout[%]}","{[%]FT_TFout[%]}","{[%]TT_TFout[%]}"' || char(13,10) ||
   '"起動トルク","{[%]FF_TUout[%]}","{[%]TF_TUout[%]}","{[%]FT_TUout[%]}","{[%]TT_TUout[%]}"' || char(13,10) ||
   '"保持トルク","{[%]FF_THout[%]}","{[%]TF_THout[%]}","{[%]FT_THout[%]}","{[%]TT_THout[%]}"' || char(13,10) ||
   '"モータ軸換算バックラッシ","{[%]FF_Bout[%]}","{[%]TF_Bout[%]}","{[%]FT_Bout[%]}","{[%]TT_Bout[%]}"', NULL),

  ('form_print_torque', 'Time',                         7017, '区間時間', NULL),
  ('form_print_torque', 'TimeMeasure',                  7018, NULL, NULL),
  ('form_print_torque', 'PreFrequency',                 7019, '開始速度', NULL),
  ('form_print_torque', 'PreFrequencyMeasure',          7020, NULL, NULL),
  ('form_print_torque', 'Frequency',                    7021, '終了速度', NULL),
  ('form_print_torque', 'FrequencyMeasure',             7022, NULL, NULL),
  ('form_print_torque', 'Speed',                        7023, '負荷速度', NULL),
  ('form_print_torque', 'Behavior',                     7024, '動作', NULL),
  ('form_print_torque', 'FrictionTorque',               7025, '摩擦トルク', NULL),
  ('form_print_torque', 'FrictionTorqueMeasure',        7026, NULL, NULL),
  ('form_print_torque', 'AdjustableSpeedTorque',        7027, '加減速トルク', NULL),
  ('form_print_torque', 'AdjustableSpeedTorqueMeasure', 7028, NULL, NULL),
  ('form_print_torque', 'StartingTorque',               7029, '起動トルク', NULL),
  ('form_print_torque', 'StartingTorqueMeasure',        7030, NULL, NULL),
  ('form_print_torque', 'EpigeneConservation',          7031, '外力・保持トルク', NULL),
  ('form_print_torque', 'EpigeneConservationMeasure',   7032, NULL, NULL),
  ('form_print_torque', 'IntervalTorque',               7033, '区間トルク', NULL),
  ('form_print_torque', 'IntervalTorqueMeasure',        7034, NULL, NULL),
  ('form_print_torque', 'Row',                          7035, NULL, NULL),
  ('form_print_torque', 'ReverseRotation',              7036, '逆転', NULL),
  ('form_print_torque', 'Stop',                         7037, '停止', NULL),
  ('form_print_torque', 'NormalRotation',               7038, '正転', NULL),
  ('form_print_torque', 'CsvTemplateHead', 7039,
   '"区間トルク"' || char(13,10) ||
   '"No.","{[%]Time[%]} [{[%]TimeMeasure[%]}]","{[%]PreFrequency[%]} [{[%]PreFrequencyMeasure[%]}]","{[%]Frequency[%]} [{[%]FrequencyMeasure[%]}]","{[%]Behavior[%]}","{[%]FrictionTorque[%]} [{[%]FrictionTorqueMeasure[%]}]","{[%]AdjustableSpeedTorque[%]} [{[%]AdjustableSpeedTorqueMeasure[%]}]","{[%]EpigeneConservation[%]} [{[%]EpigeneConservationMeasure[%]}]","{[%]IntervalTorque[%]} [{[%]IntervalTorqueMeasure[%]}]"', NULL),
  ('form_print_torque', 'CsvTemplateBody', 7040, NULL, NULL),
  ('form_print_torque', 'CsvTemplateFoot', 7041,
   '"実効トルク [N·m]",{[%]EffectiveTorque[%]},"定格比 [%]",{[%]EffectiveTorqueLoadFactor[%]}' || char(13,10) ||
   '"運転トルク [N·m]",{[%]MotorRunningTorqueMax[%]},"定格比 [%]",{[%]MotorRunningTorqueMaxLoadFactor[%]}' || char(13,10) ||
   '"ピークトルク [N·m]",{[%]NecessityMaxTorque[%]},"最大トルク比 [%]",{[%]NecessityMaxTorqueLoadFactor[%]}', NULL),

  ('form_print_discharge', 'No',              7042, 'No.', NULL),
  ('form_print_discharge', 'ErCaption',       7043, '回転エネルギー', NULL),
  ('form_print_discharge', 'ErSymbol',        7044, NULL, NULL),
  ('form_print_discharge', 'EcCaption',       7045, 'コンデンサ充電', NULL),
  ('form_print_discharge', 'EcSymbol',        7046, NULL, NULL),
  ('form_print_discharge', 'EmCaption',       7047, '巻線損失', NULL),
  ('form_print_discharge', 'EmSymbol',        7048, NULL, NULL),
  ('form_print_discharge', 'Ecaption',        7049, '回生エネルギー', NULL),
  ('form_print_discharge', 'Esymbol',         7050, NULL, NULL),
  ('form_print_discharge', 'Tcaption',        7051, '区間時間', NULL),
  ('form_print_discharge', 'Tsymbol',         7052, NULL, NULL),
  ('form_print_discharge', 'PnCaption',       7053, '回生電力', NULL),
  ('form_print_discharge', 'PnSymbol',        7054, NULL, NULL),
  ('form_print_discharge', 'PmCaption',       7055, '瞬時回生電力', NULL),
  ('form_print_discharge', 'PmSymbol',        7056, NULL, NULL),
  ('form_print_discharge', 'Behavior',        7057, '動作', NULL),
  ('form_print_discharge', 'ReverseRotation', 7058, '逆転', NULL),
  ('form_print_discharge', 'Stop',            7059, '停止', NULL),
  ('form_print_discharge', 'NormalRotation',  7060, '正転', NULL),
  ('form_print_discharge', 'CsvTemplateHead', 7061,
   '"回生計算表"' || char(13,10) ||
   '"{[%]No[%]}","{[%]ErCaption[%]} [{[%]ErSymbol[%]}]","{[%]EcCaption[%]} [{[%]EcSymbol[%]}]","{[%]EmCaption[%]} [{[%]EmSymbol[%]}]","{[%]Ecaption[%]} [{[%]Esymbol[%]}]","{[%]Tcaption[%]} [{[%]Tsymbol[%]}]","{[%]PnCaption[%]} [{[%]PnSymbol[%]}]","{[%]PmCaption[%]} [{[%]PmSymbol[%]}]","{[%]Behavior[%]}"', NULL),
  ('form_print_discharge', 'CsvTemplateBody', 7062, NULL, NULL),
  ('form_print_discharge', 'CsvTemplateFoot', 7063,
   '"回生抵抗で消費する電力 [W]",{[%]P[%]}' || char(13,10) ||
   '"最大瞬時回生電力 [W]",{[%]maxP[%]}' || char(13,10) ||
   '"回生負荷率 [%]",{[%]DischargeLoadFactor[%]}', NULL),

  ('form_commit_motor_print_menu', 'WindowCaption',           7064, '帳票の印刷', NULL),
  ('form_commit_motor_print_menu', 'GroupBoxPages',           7065, '帳票', NULL),
  ('form_commit_motor_print_menu', 'LabelPreviewColumn',      7066, 'プレビュー / CSV', NULL),
  ('form_commit_motor_print_menu', 'LabelPrintColumn',        7067, '印刷 / PDF', NULL),
  ('form_commit_motor_print_menu', 'RadioButtonSummury',      7068, '選定結果', NULL),
  ('form_commit_motor_print_menu', 'RadioButtonDrivePattern', 7069, '運転パターン', NULL),
  ('form_commit_motor_print_menu', 'RadioButtonBlockPattern', 7070, '機械要素', NULL),
  ('form_commit_motor_print_menu', 'RadioButtonTorque',       7071, '区間トルク', NULL),
  ('form_commit_motor_print_menu', 'RadioButtonDischarge',    7072, '回生計算表', NULL),
  ('form_commit_motor_print_menu', 'LabelHeader',             7078, '選定結果の表題', NULL),
  ('form_commit_motor_print_menu', 'LabelComment',            7079, '選定結果のコメント', NULL),
  ('form_commit_motor_print_menu', 'LabelSelectPrinter',      7080, 'プリンタ', NULL),
  ('form_commit_motor_print_menu', 'LabelSelectPaperSize',    7081, '用紙', NULL),
  ('form_commit_motor_print_menu', 'LabelNoPrinter',          7082,
   'プリンタがインストールされていません。帳票は PDF または CSV で保存してください。', NULL),
  ('form_commit_motor_print_menu', 'ComboBoxSelectPaperSize', 7083,
   'A4 (210 × 297 mm)' || char(13,10) || 'レター (8.5 × 11 in)', NULL),
  ('form_commit_motor_print_menu', 'ButtonStartPreview',      7084, 'プレビュー...', NULL),
  ('form_commit_motor_print_menu', 'ButtonStartPrint',        7085, '印刷', NULL),
  ('form_commit_motor_print_menu', 'ButtonSavePdf',           7086, 'PDF で保存...', NULL),
  ('form_commit_motor_print_menu', 'ButtonSaveCsv',           7087, 'CSV で保存...', NULL),
  ('form_commit_motor_print_menu', 'ButtonReturn',            7088, '閉じる', NULL),
  ('form_commit_motor_print_menu', 'FormatDateTime',          7089, 'yyyy/mm/dd hh:nn', NULL),
  ('form_commit_motor_print_menu', 'CsvOutMessage',           7090, 'CSV ファイルを保存しました。', NULL),
  ('form_commit_motor_print_menu', 'PdfOutMessage',           7091, 'PDF ファイルを保存しました。', NULL),
  ('form_commit_motor_print_menu', 'SaveDialogCsv.DefaultExt', 7092, NULL, NULL),
  ('form_commit_motor_print_menu', 'SaveDialogCsv.Filter',    7093,
   'CSV ファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*', NULL),
  ('form_commit_motor_print_menu', 'SaveDialogPdf.DefaultExt', 7095, NULL, NULL),
  ('form_commit_motor_print_menu', 'SaveDialogPdf.Filter',    7096,
   'PDF ファイル (*.pdf)|*.pdf|すべてのファイル (*.*)|*.*', NULL),

  ('form_printer_common', 'TitleFieldHeader',  7100, '件名', NULL),
  ('form_printer_common', 'TitleFieldProject', 7101, 'プロジェクト', NULL),
  ('form_printer_common', 'TitleFieldDate',    7102, '日付', NULL),
  ('form_printer_common', 'Footer',            7103,
   'Kinemo %s · カタログ %s · 特記なき値はモータ軸換算', NULL),

  ('form_printer_summury', 'WindowCaption',         7104, '選定結果', NULL),
  ('form_printer_summury', 'Title',                 7105, 'モータ選定結果', NULL),
  ('form_printer_summury', 'LabelMotor',            7106, 'モータとアンプ', NULL),
  ('form_printer_summury', 'LabelMotorNumber',      7107, 'モータ形式', NULL),
  ('form_printer_summury', 'LabelAmpNumber',        7108, 'アンプ形式', NULL),
  ('form_printer_summury', 'LabelOutput',           7109, '定格出力', NULL),
  ('form_printer_summury', 'LabelPowerSource',      7110, '電源相数', NULL),
  ('form_printer_summury', 'LabelElectricPressure', 7111, '電源電圧', NULL),
  ('form_printer_summury', 'LabelEncoder',          7112, 'エンコーダ', NULL),
  ('form_printer_summury', 'LabelBrake',            7113, 'ブレーキ', NULL),
  ('form_printer_summury', 'LabelGear',             7114, 'ギアヘッド', NULL),
  ('form_printer_summury', 'LabelModeratingRatio',  7115, '減速比', NULL),
  ('form_printer_summury', 'LabelBackLash',         7116, 'バックラッシ', NULL),
  ('form_printer_summury', 'LabelJudgement',        7117, '運転パターンに対する判定', NULL),
  ('form_printer_summury', 'ColumnCheck',           7118, '項目', NULL),
  ('form_printer_summury', 'ColumnRated',           7119, 'モータ定格', NULL),
  ('form_printer_summury', 'ColumnCriterion',       7120, '注意値', NULL),
  ('form_printer_summury', 'ColumnResult',          7121, '必要値', NULL),
  ('form_printer_summury', 'ColumnPercent',         7122, '比率', NULL),
  ('form_printer_summury', 'ColumnAdjudication',    7123, '判定', NULL),
  ('form_printer_summury', 'RowRotorInertia',       7124, '負荷慣性', NULL),
  ('form_printer_summury', 'RowFrequency',          7125, '回転速度', NULL),
  ('form_printer_summury', 'RowEffectiveTorque',    7126, '実効トルク', NULL),
  ('form_printer_summury', 'RowRunningTorque',      7127, '運転トルク', NULL),
  ('form_printer_summury', 'RowMaxTorque',          7128, 'ピークトルク', NULL),
  ('form_printer_summury', 'RowEpigeneTorque',      7129, '保持トルク', NULL),
  ('form_printer_summury', 'RowAllowableDischarge', 7130, '回生電力', NULL),
  ('form_printer_summury', 'LabelAdvice',           7131, '回生と位置決め', NULL),
  ('form_printer_summury', 'LabelAdjudicationResult', 7132, '回生の判定', NULL),
  ('form_printer_summury', 'LabelExternalResistor', 7133, '外付け回生抵抗', NULL),
  ('form_printer_summury', 'LabelAllowableDischargeMax', 7134, '回生抵抗の容量', NULL),
  ('form_printer_summury', 'LabelPureExternalResistor', 7135, '使用する回生抵抗', NULL),
  ('form_printer_summury', 'LabelStoppingAccuracy', 7136, '停止精度', NULL),
  ('form_printer_summury', 'LabelComment',          7137, 'コメント', NULL),
  ('form_printer_summury', 'LabelNote',             7138,
   'モータ定格: 必要値と比較するカタログ値。注意値: 定格に対してこの割合を超えると注意と判定します。必要値: 運転パターンがモータ軸で必要とする値。比率: 必要値 / 定格(負荷慣性は負荷慣性 / ロータ慣性)。', NULL),
  ('form_printer_summury', 'LabelElements',         7139, '機械要素(負荷側からモータ側へ)', NULL),
  ('form_printer_summury', 'LabelElementNumber',    7140, '要素 ', NULL),
  ('form_printer_summury', 'LabelOwner',            7141, '元の要素', NULL),
  ('form_printer_summury', 'LabelBlock',            7142, 'ブロック', NULL),

  ('form_printer_drive_pattern', 'WindowCaption', 7143, '運転パターン', NULL),
  ('form_printer_drive_pattern', 'Title',         7144, '運転パターン', NULL),
  ('form_printer_drive_pattern', 'HeaderNo',      7145, 'No.', NULL),

  ('form_printer_block_pattern', 'WindowCaption',      7146, '機械要素', NULL),
  ('form_printer_block_pattern', 'Title',              7147, '機械要素と受け渡し値', NULL),
  ('form_printer_block_pattern', 'LabelElementNumber', 7148, '要素 ', NULL),
  ('form_printer_block_pattern', 'LabelOwner',         7149, '元の要素', NULL),
  ('form_printer_block_pattern', 'LabelBlock',         7150, 'ブロック', NULL),
  ('form_printer_block_pattern', 'LabelCarry',         7151, 'モータ側へ渡す受け渡し値', NULL),
  ('form_printer_block_pattern', 'WAout',  7152, '移動質量', NULL),
  ('form_printer_block_pattern', 'WJout',  7153, '慣性の負荷分', NULL),
  ('form_printer_block_pattern', 'Uout',   7154, '起動力', NULL),
  ('form_printer_block_pattern', 'Hout',   7155, '保持力', NULL),
  ('form_printer_block_pattern', 'Fout',   7156, '走行抵抗力', NULL),
  ('form_printer_block_pattern', 'Vout',   7157, '速度係数', NULL),
  ('form_printer_block_pattern', 'JLout',  7158, '負荷慣性', NULL),
  ('form_printer_block_pattern', 'TFout',  7159, '摩擦トルク', NULL),
  ('form_printer_block_pattern', 'TUout',  7160, '起動トルク', NULL),
  ('form_printer_block_pattern', 'THout',  7161, '保持トルク', NULL),
  ('form_printer_block_pattern', 'Aout',   7162, '総合効率', NULL),
  ('form_printer_block_pattern', 'Bout',   7163, 'バックラッシ', NULL),
  ('form_printer_block_pattern', 'ReducingRatio', 7164, '減速比', NULL),
  ('form_printer_block_pattern', 'GearInertia',   7165, 'ギアヘッド慣性', NULL),
  ('form_printer_block_pattern', 'GearTorque',    7166, 'ギアヘッド運転トルク', NULL),
  ('form_printer_block_pattern', 'GearEta',       7167, 'ギアヘッド効率', NULL),
  ('form_printer_block_pattern', 'BacklashValue', 7168, 'ギアヘッドのバックラッシ', NULL),
  ('form_printer_block_pattern', 'LabelMotorElement', 7169, 'モータ軸', NULL),
  ('form_printer_block_pattern', 'LabelMotorCarry',   7170, '外力の有無ごとのモータ軸の負荷', NULL),
  ('form_printer_block_pattern', 'ColumnMotorCarry',  7171, '項目', NULL),
  ('form_printer_block_pattern', 'LRItemMotorCarryDataValueFF', 7172, '外力 なし/なし', NULL),
  ('form_printer_block_pattern', 'LRItemMotorCarryDataValueTF', 7173, 'あり/なし', NULL),
  ('form_printer_block_pattern', 'LRItemMotorCarryDataValueFT', 7174, 'なし/あり', NULL),
  ('form_printer_block_pattern', 'LRItemMotorCarryDataValueTT', 7175, 'あり/あり', NULL),

  ('form_printer_discharge', 'WindowCaption', 7176, '回生計算表', NULL),
  ('form_printer_discharge', 'Title',         7177, '区間ごとの回生エネルギー', NULL),
  ('form_printer_discharge', 'LabelTable',    7178, '各区間のエネルギー収支', NULL),
  ('form_printer_discharge', 'CommentP',      7179, '回生抵抗で消費する電力: %s W', NULL),
  ('form_printer_discharge', 'CommentMaxP',   7180, '最大瞬時回生電力: %s W', NULL),
  ('form_printer_discharge', 'CommentDischargeLoadFactor', 7181, '回生抵抗の負荷率: 許容電力の %s %%', NULL),

  ('form_printer_torque', 'WindowCaption', 7182, '区間トルク', NULL),
  ('form_printer_torque', 'Title',         7183, '区間トルク', NULL),
  ('form_printer_torque', 'HeaderNo',      7184, 'No.', NULL),
  ('form_printer_torque', 'LabelTable',    7185, '運転パターン各区間のモータ軸トルク', NULL),
  ('form_printer_torque', 'Comment1',      7186, 'パターン全体の値', NULL),
  ('form_printer_torque', 'Comment2',      7187, '実効トルク: %s N·m', NULL),
  ('form_printer_torque', 'Comment3',      7188, '実効トルク / 定格トルク: %s %%', NULL),
  ('form_printer_torque', 'Comment4',      7189, '最大運転トルク: %s N·m', NULL),
  ('form_printer_torque', 'Comment5',      7190, '運転トルク / 定格トルク: %s %%', NULL),
  ('form_printer_torque', 'Comment6',      7191, '必要ピークトルク: %s N·m', NULL),
  ('form_printer_torque', 'Comment7',      7192, 'ピークトルク / モータ最大トルク: %s %%', NULL);
