// The drive-pattern test catalog.
#include "core/pattern/PatternFixture.h"

#include "pattern/InputPatternGridData.h"

#include <gtest/gtest.h>

namespace kinemo::test {

namespace {

const char* const kPatternCatalogSql = R"SQL(
CREATE TABLE m_machine_unit_class (muc_cd INTEGER, muc_name TEXT, muc_default_muv_cd INTEGER, muc_mmc_cd INTEGER);
CREATE TABLE t_machine_unit_value (muv_cd INTEGER, muv_symbol TEXT, muv_muc_cd INTEGER);
CREATE TABLE m_machine_unit_exc (mue_from_muv_cd INTEGER, mue_to_muv_cd INTEGER, mue_exchange REAL);
CREATE TABLE m_drive_pattern (mdp_class TEXT, mdp_value TEXT);
CREATE TABLE m_sigmoidal_curve (msc_cd INTEGER, msc_drive_caption TEXT, msc_motor_caption TEXT, msc_modulus REAL,
  msc_editable INTEGER, msc_adhibition INTEGER);

INSERT INTO m_machine_unit_class VALUES (1, 'Length', 101, NULL), (3, 'Time', 301, NULL), (4, 'Speed', 401, NULL),
  (5, 'Motor speed', 501, NULL), (6, 'Angle', 601, NULL), (7, 'Angular speed', 701, NULL),
  (8, 'Acceleration', 802, NULL), (9, 'Angular acceleration', 902, NULL);
INSERT INTO t_machine_unit_value VALUES (101, 'mm', 1), (103, 'm', 1), (301, 's', 3), (302, 'ms', 3),
  (401, 'mm/s', 4), (402, 'm/s', 4), (501, 'r/min', 5), (601, 'deg', 6), (701, 'deg/s', 7),
  (801, 'mm/s2', 8), (802, 'm/s2', 8), (902, 'deg/s2', 9);
INSERT INTO m_machine_unit_exc VALUES (101, 103, 0.001), (103, 101, 1000), (301, 302, 1000), (302, 301, 0.001),
  (401, 402, 0.001), (402, 401, 1000), (801, 802, 0.001), (802, 801, 1000);

INSERT INTO m_drive_pattern VALUES
  ('SetElapsedTime', 'TimeInterval = ElapsedTime - BeforeTime'),
  ('SetTimeInterval', 'ElapsedTime = BeforeTime + TimeInterval'),
  ('StraightChangePosition', 'If V <> 0 Then Position = PrePosition + (PreFrequency + Frequency) / 2 / V * TimeInterval'),
  ('RollingChangePosition', 'If V <> 0 Then Position = PrePosition + (PreFrequency + Frequency) / 2 / V * TimeInterval'),
  ('SetFrequency', 'If V <> 0 Then Speed = Frequency / V'),
  ('SetSpeed', 'Frequency = Speed * V'),
  ('StraightUpdateSpeed', 'M = TimeInterval - (Acceleration + Deceleration) / 2
If M > 0 Then Speed = (Position - PrePosition) / M
Frequency = Speed * V'),
  ('RollingUpdateSpeed', 'M = TimeInterval - (Acceleration + Deceleration) / 2
If M > 0 Then Speed = (Position - PrePosition) / M
Frequency = Speed * V'),
  ('StraightSpeedGridAcceleration', 'If TimeInterval > 0 Then Acceleration = (Speed - PreSpeed) / TimeInterval'),
  ('RollingSpeedGridAcceleration',
   'If TimeInterval > 0 Then Acceleration = (AngularSpeed - PreAngularSpeed) / TimeInterval'),
  ('StraightPositionGridAcceleration', 'If Acceleration > 0 Then AcceleratedVelocity = Speed / Acceleration'),
  ('RollingPositionGridAcceleration', 'If Acceleration > 0 Then AcceleratedVelocity = Speed / Acceleration');

INSERT INTO m_sigmoidal_curve VALUES (1, 'Trapezoid', 'Trapezoid m', 1, 0, 0),
  (2, 'Sine', 'Sine m', 1.5707963267948966, 0, 1), (5, 'Own', 'Own m', 1.25, 1, 1);

INSERT INTO s_message VALUES
  (1, 'error', 'InputMinusNumber', 'minus', NULL),
  (2, 'error', 'IllegalTimeInterval', 'no room', NULL),
  (3, 'error', 'NotInputAcceleration', 'no acceleration', NULL),
  (4, 'error', 'NotInputDeceleration', 'no deceleration', NULL),
  (5, 'error', 'IllegalUnderSuspension', 'dwell with times', NULL),
  (6, 'error', 'IllegalNumber', 'bad number %s', NULL),
  (7, 'error', 'IllegalSigmoidalCurveModulus', 'bad modulus', NULL),
  (8, 'error', 'NotConvertDrivePattern', 'switch without converting?', NULL),
  (9, 'error', 'PatternRowsFull', 'rows full', NULL),
  (10, 'error', 'PatternTooManyRows', 'too many rows', NULL),
  (11, 'error', 'PatternTooManyIntervals', 'too many intervals', NULL),
  (12, 'error', 'PatternPasteTooLarge', 'paste too large', NULL),
  (13, 'error', 'PatternRowError', 'row %d: %s', NULL),
  (14, 'error', 'PatternTimeNotIncreasing', 'no time', NULL),
  (6, 'frame_input_pattern', 'NoAccelerationTime', 'no ramp', NULL),
  (1, 'frame_input_pattern', 'Title', 'Pattern', NULL),
  (2, 'frame_input_pattern', 'ComboBoxPattern', 'Speed', NULL),
  (3, 'frame_input_pattern', 'ComboBoxPattern', 'Position', NULL),
  (4, 'frame_input_pattern', 'ChartSpeed.Title', 'Chart', NULL),
  (5, 'frame_input_pattern', 'LabelModulus', 'Modulus', NULL),
  (10, 'frame_input_pattern', 'StraightSpeedGrid', 'Time', NULL),
  (11, 'frame_input_pattern', 'StraightSpeedGrid', 'Interval', NULL),
  (12, 'frame_input_pattern', 'StraightSpeedGrid', 'Motor', NULL),
  (13, 'frame_input_pattern', 'StraightSpeedGrid', 'Speed', NULL),
  (14, 'frame_input_pattern', 'StraightSpeedGrid', 'Position', NULL),
  (15, 'frame_input_pattern', 'StraightSpeedGrid', 'Acceleration', NULL),
  (16, 'frame_input_pattern', 'StraightSpeedGrid', 'Push', NULL),
  (17, 'frame_input_pattern', 'StraightSpeedGrid', 'Pull force', NULL),
  (20, 'frame_input_pattern', 'RollingSpeedGrid', 'Time', NULL),
  (21, 'frame_input_pattern', 'RollingSpeedGrid', 'Interval', NULL),
  (22, 'frame_input_pattern', 'RollingSpeedGrid', 'Motor', NULL),
  (23, 'frame_input_pattern', 'RollingSpeedGrid', 'Angular', NULL),
  (24, 'frame_input_pattern', 'RollingSpeedGrid', 'Angle', NULL),
  (25, 'frame_input_pattern', 'RollingSpeedGrid', 'Angular acc', NULL),
  (30, 'frame_input_pattern', 'StraightPositionGrid', 'Time', NULL),
  (31, 'frame_input_pattern', 'StraightPositionGrid', 'Interval', NULL),
  (32, 'frame_input_pattern', 'StraightPositionGrid', 'Motor', NULL),
  (33, 'frame_input_pattern', 'StraightPositionGrid', 'Speed', NULL),
  (34, 'frame_input_pattern', 'StraightPositionGrid', 'Position', NULL),
  (35, 'frame_input_pattern', 'StraightPositionGrid', 'Acc time', NULL),
  (36, 'frame_input_pattern', 'StraightPositionGrid', 'Dec time', NULL),
  (37, 'frame_input_pattern', 'StraightPositionGrid', 'Acceleration', NULL),
  (38, 'frame_input_pattern', 'StraightPositionGrid', 'Push', NULL),
  (39, 'frame_input_pattern', 'StraightPositionGrid', 'Pull force', NULL),
  (40, 'frame_input_pattern', 'RollingPositionGrid', 'Time', NULL),
  (41, 'frame_input_pattern', 'RollingPositionGrid', 'Interval', NULL),
  (42, 'frame_input_pattern', 'RollingPositionGrid', 'Motor', NULL),
  (43, 'frame_input_pattern', 'RollingPositionGrid', 'Angular', NULL),
  (44, 'frame_input_pattern', 'RollingPositionGrid', 'Angle', NULL),
  (45, 'frame_input_pattern', 'RollingPositionGrid', 'Acc time', NULL),
  (46, 'frame_input_pattern', 'RollingPositionGrid', 'Dec time', NULL),
  (47, 'frame_input_pattern', 'RollingPositionGrid', 'Angular acc', NULL),
  (50, 'frame_input_pattern', 'StraightSpeedGridMeasure', '301', NULL),
  (51, 'frame_input_pattern', 'StraightSpeedGridMeasure', '301', NULL),
  (52, 'frame_input_pattern', 'StraightSpeedGridMeasure', '501', NULL),
  (53, 'frame_input_pattern', 'StraightSpeedGridMeasure', '401', NULL),
  (54, 'frame_input_pattern', 'StraightSpeedGridMeasure', '101', NULL),
  (55, 'frame_input_pattern', 'StraightSpeedGridMeasure', '801', NULL),
  (60, 'frame_input_pattern', 'RollingSpeedGridMeasure', '301', NULL),
  (61, 'frame_input_pattern', 'RollingSpeedGridMeasure', '301', NULL),
  (62, 'frame_input_pattern', 'RollingSpeedGridMeasure', '501', NULL),
  (63, 'frame_input_pattern', 'RollingSpeedGridMeasure', '701', NULL),
  (64, 'frame_input_pattern', 'RollingSpeedGridMeasure', '601', NULL),
  (65, 'frame_input_pattern', 'RollingSpeedGridMeasure', '902', NULL),
  (70, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (71, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (72, 'frame_input_pattern', 'StraightPositionGridMeasure', '501', NULL),
  (73, 'frame_input_pattern', 'StraightPositionGridMeasure', '401', NULL),
  (74, 'frame_input_pattern', 'StraightPositionGridMeasure', '101', NULL),
  (75, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (76, 'frame_input_pattern', 'StraightPositionGridMeasure', '301', NULL),
  (77, 'frame_input_pattern', 'StraightPositionGridMeasure', '801', NULL),
  (80, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (81, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (82, 'frame_input_pattern', 'RollingPositionGridMeasure', '501', NULL),
  (83, 'frame_input_pattern', 'RollingPositionGridMeasure', '701', NULL),
  (84, 'frame_input_pattern', 'RollingPositionGridMeasure', '601', NULL),
  (85, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (86, 'frame_input_pattern', 'RollingPositionGridMeasure', '301', NULL),
  (87, 'frame_input_pattern', 'RollingPositionGridMeasure', '902', NULL);
)SQL";

}  // namespace

PatternFixture::PatternFixture() {
    MakeCatalog(dir.File("p.db"), std::string(kMinimalSchema) + kPatternCatalogSql);
    catalog = std::make_unique<TCatalog>(dir.File("p.db"));
    query = std::make_unique<TCatalogQuery>(*catalog);
    measures = std::make_unique<TMeasureManager>(*query, nullptr);
    errors = std::make_unique<TErrorMessage>(*query);
    formulas = std::make_unique<TDrivePatternFormulas>(*query);
    curves = std::make_unique<TSigmoidalCurves>(*query);
    services.Query = query.get();
    services.Measures = measures.get();
    services.Errors = errors.get();
    services.Formulas = formulas.get();
    services.Format = &format;
    services.Dialogs = &dialogs;
    services.Curves = curves.get();
}

void EnterSpeedRows(TInputPatternGridData& data, const std::vector<SpeedRow>& rows) {
    int r = 1;
    for (const SpeedRow& row : rows) {
        data.SetCellValue(r, TInputPatternGridData::kTimeInterval, row.TimeInterval);
        data.SetCellValue(r, TInputPatternGridData::kSpeed, row.Speed);
        ++r;
    }
}

void EnterPositionRows(TInputPatternGridData& data, const std::vector<PositionRow>& rows) {
    int r = 1;
    for (const PositionRow& row : rows) {
        data.SetCellValue(r, TInputPatternGridData::kTimeInterval, row.TimeInterval);
        data.SetCellValue(r, TInputPatternGridData::kPosition, row.Position);
        data.SetCellValue(r, 5, row.AccelerationTime);
        data.SetCellValue(r, 6, row.DecelerationTime);
        ++r;
    }
}

}  // namespace kinemo::test
