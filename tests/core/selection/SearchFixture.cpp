// The motor-search test catalog.
#include "core/selection/SearchFixture.h"

#include "base/AtomicFile.h"

namespace kinemo::test {

std::string SearchCatalogSql() {
    std::string schema = ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/catalog/schema.sql");
    return schema + R"SQL(
INSERT INTO m_motor_function VALUES (1, 'General', 'general purpose', 'General family', 0, 1),
  (2, 'Hidden', 'not offered', 'Hidden family', 1, 2);
INSERT INTO t_motor_series VALUES (1, 1, 'Plain', 'plain motors', 'picture/s1.png', NULL, 1),
  (2, 1, 'Geared', 'geared motors', NULL, NULL, 2), (3, 2, 'Secret', '', NULL, NULL, 1);
INSERT INTO m_search_output VALUES (1, '100 W', 1, 100), (2, '400 W', 2, 400);
INSERT INTO m_search_phase VALUES (1, 'Single-phase', 1), (2, 'Three-phase', 2);
INSERT INTO m_search_supply VALUES (1, '100 V', 1, 100), (2, '200 V', 2, 200);
INSERT INTO m_search_brake VALUES (1, 'With brake', 1, 1, 'B'), (2, 'Without brake', 2, 0, '');
INSERT INTO m_search_encoder VALUES (1, '20-bit', 1, 10, 1048576), (2, '23-bit', 2, 20, 8388608);
INSERT INTO m_search_motor_gear VALUES (1, 'Gear head', 1, 'G'), (2, 'No gear', 2, '');
INSERT INTO m_search_oil_seal VALUES (1, 'With seal', 1);
INSERT INTO m_search_motor_shaft VALUES (1, 'Key', 1), (2, 'Straight', 2);
INSERT INTO m_search_gear_type VALUES (1, 'Planetary', 1);
INSERT INTO m_search_gear_rate VALUES (1, '1/5', 1, 5), (2, '1/9', 2, 9);
INSERT INTO m_search_gear_shaft VALUES (1, 'Flange', 1);
INSERT INTO m_amplifier_price VALUES (1, 'AMP-A', 500), (2, 'AMP-B', 700);
INSERT INTO m_option_connect_image VALUES (1, 'connect-a');
INSERT INTO m_ext_code VALUES
  (11, 1, 2, 2, NULL, NULL, 1, 1, NULL), (12, 1, 1, 2, NULL, NULL, 1, 1, NULL), (13, 1, 2, 2, NULL, NULL, 1, 2, NULL),
  (21, 2, 2, 1, 1, 1, 1, NULL, 1), (22, 2, 2, 1, 2, 1, 1, NULL, 1);
INSERT INTO t_ext_output_not VALUES (13, 2);
INSERT INTO t_motor_value (msv_cd, msv_tms_cd, msv_map_cd, msv_moc_cd, msv_mso_cd, msv_msp_cd, msv_mss_cd,
  msv_mse_cd, msv_msb_cd, msv_msmg_cd, msv_msgr_cd, msv_msgt_cd, msv_s_rotorinertia, msv_s_ratedtorque,
  msv_s_maxtorque, msv_s_ratedspeed, msv_s_maxspeed, msv_gearinertia, msv_m_geareta, msv_s_backlash) VALUES
  (1, 1, 1, 1, 1, 2, 2, 1, 2, 2, NULL, NULL, 0.04e-4, 0.32, 0.95, 3000, 6000, 0, 1, 0),
  (2, 1, 1, 1, 1, 2, 2, 1, 1, 2, NULL, NULL, 0.05e-4, 0.32, 0.95, 3000, 6000, 0, 1, 0),
  (3, 1, 2, 1, 2, 1, 1, 1, 2, 2, NULL, NULL, 0.3e-4, 1.27, 3.8, 3000, 5000, 0, 1, 0),
  (4, 1, 2, 1, 2, 1, 2, 2, 2, 2, NULL, NULL, 0.35e-4, 1.27, 3.8, 3000, 5000, 0, 1, 0),
  (5, 2, 2, 1, 2, 2, 2, 1, 2, 1, 1, 1, 0.3e-4, 1.27, 3.8, 3000, 5000, 0.1e-4, 0.85, 15),
  (6, 2, 2, 1, 2, 2, 2, 1, 2, 1, 2, 1, 0.3e-4, 1.27, 3.8, 3000, 5000, 0.08e-4, 0.8, 15),
  (7, 1, 2, 1, 2, 2, 2, 1, 2, 2, NULL, NULL, 0.3e-4, 1.27, 3.8, 3000, 5000, 0, 1, 0);
INSERT INTO m_motor_price (mmp_cd, mmp_msv_cd, mmp_mxc_cd, mmp_model, mmp_price) VALUES
  (1, 1, 11, 'P100-N', 300), (2, 1, 13, 'P100-N-S', 310), (3, 2, 12, 'P100-B', 350),
  (4, 3, 11, 'P400L-N', 400), (5, 3, 13, 'P400L-N-S', 410), (6, 4, 11, 'P400S-N', 450),
  (7, 5, 21, 'G400-5', 900), (8, 6, 22, 'G400-9', 950), (9, 7, 11, 'P400-N', 420);
)SQL";
}

}  // namespace kinemo::test
