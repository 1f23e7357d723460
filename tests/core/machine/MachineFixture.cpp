// The machine-model test catalog.
#include "core/machine/MachineFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kinemo::test {

const char* const kMachineCatalogSql = R"SQL(
CREATE TABLE m_machine_unit_class (muc_cd INTEGER, muc_name TEXT, muc_default_muv_cd INTEGER, muc_mmc_cd INTEGER);
CREATE TABLE t_machine_unit_value (muv_cd INTEGER, muv_symbol TEXT, muv_muc_cd INTEGER);
CREATE TABLE m_machine_unit_exc (mue_from_muv_cd INTEGER, mue_to_muv_cd INTEGER, mue_exchange REAL);
CREATE TABLE s_physicalconstant (cons_name TEXT, cons_value TEXT);
CREATE TABLE m_machine_material_class (mmc_cd INTEGER);
CREATE TABLE m_machine_material (mmm_cd INTEGER, mmm_mmc_cd INTEGER, mmm_name TEXT, mmm_value TEXT, mmm_muv_cd INTEGER);
INSERT INTO m_machine_material_class VALUES (1);
INSERT INTO m_machine_material VALUES (1, 1, 'Steel', '7850', 401), (2, 1, 'Aluminium', '2700', 401);
CREATE TABLE m_machine_block (mmb_cd INTEGER, mmb_name TEXT, mmb_docking_in INTEGER, mmb_docking_out INTEGER,
  mmb_image TEXT, mmb_note TEXT);
CREATE TABLE t_machine_element (tme_cd INTEGER, tme_mmb_cd INTEGER, tme_name TEXT, tme_behavior INTEGER,
  tme_element_type INTEGER, tme_img_path TEXT, tme_selected_img_path TEXT, tme_draged_img_path TEXT, tme_note TEXT);
CREATE TABLE m_machine_calc_value (mcv_cd INTEGER, mcv_tme_cd INTEGER, mcv_value TEXT);
CREATE TABLE t_machine_value (tmv_cd INTEGER, tmv_name TEXT, tmv_symbol TEXT, tmv_start_value TEXT,
  tmv_max_value TEXT, tmv_muv_cd INTEGER, tmv_req_value INTEGER);
CREATE TABLE t_machine_value_cross (mvc_tme_cd INTEGER, mvc_tmv_cd INTEGER);
CREATE TABLE m_tmp_calc (mtc_cd INTEGER, mtc_tme_cd INTEGER, mtc_value TEXT, mtc_muv_cd INTEGER, mtc_title TEXT);

INSERT INTO m_machine_unit_class VALUES (1, 'Length', 101, NULL), (2, 'Mass', 201, NULL), (3, 'Ratio', 301, NULL),
  (4, 'Density', 401, 1);
INSERT INTO t_machine_unit_value VALUES (101, 'm', 1), (102, 'mm', 1), (103, 'cm', 1), (201, 'kg', 2),
  (301, '-', 3), (401, 'kg/m3', 4), (402, 'g/cm3', 4);
INSERT INTO m_machine_unit_exc VALUES (101, 102, 1000), (102, 101, 0.001), (101, 103, 100), (103, 101, 0.01),
  (102, 103, 0.1), (103, 102, 10), (401, 402, 0.001), (402, 401, 1000);
INSERT INTO s_physicalconstant VALUES ('GRAVITY', '9.80665'), ('PI', '3.14159265358979');
INSERT INTO s_message VALUES
  (1, 'input_data', 'ExternalForceCaption', 'External force', NULL),
  (2, 'input_data', 'ExternalForceWhole', 'Whole pattern', NULL),
  (3, 'input_data', 'ExternalForcePart', 'Marked intervals', NULL),
  (4, 'input_data', 'MemoCaption', 'Memo', NULL),
  (5, 'error', 'NotAttachable', 'Cannot attach', NULL),
  (6, 'error', 'NotInsertExternalForceFactor', 'Too many external force elements', NULL),
  (7, 'error', 'NotInsertFactor', 'Chain full', NULL),
  (8, 'error', 'NotRemoveBecauseNotAttachable', 'Neighbours do not fit', NULL),
  (9, 'error', 'NotInputItem', 'Enter the values of %s', NULL),
  (10, 'error', 'NotFoundFactor', 'Element not found', NULL),
  (11, 'error', 'NotInsertPartExternalForceFactor', 'Only two', NULL),
  (12, 'form_motor_detail', 'StraightStoppingAccuracyFormat', '%1.3f mm', NULL),
  (13, 'form_motor_detail', 'RollingStoppingAccuracyFormat', '%1.3f deg', NULL),
  (14, 'error', 'NotNumberInputItem', '"%s" is no number (%s)', NULL),
  (15, 'error', 'CarryOutputFailed', 'Cannot calculate: %s', NULL),
  (20, 'form_user_factor', 'DirectoryCheckError', 'DirectoryCheckError', NULL),
  (21, 'form_user_factor', 'ImageDirectoryCheckError', 'ImageDirectoryCheckError', NULL),
  (22, 'form_user_factor', 'DefaultImageCheckError', 'DefaultImageCheckError', NULL),
  (23, 'form_user_factor', 'SelectImageCheckError', 'SelectImageCheckError', NULL),
  (24, 'form_user_factor', 'DragImageCheckError', 'DragImageCheckError', NULL),
  (25, 'form_user_factor', 'TmeCheckError', 'TmeCheckError', NULL),
  (26, 'form_user_factor', 'UserFactorNameCheck', 'UserFactorNameCheck', NULL),
  (27, 'form_user_factor', 'UserFactorUpdateCheck', 'UserFactorUpdateCheck', NULL),
  (28, 'form_user_factor', 'UserFactorDeleteCheck', 'UserFactorDeleteCheck', NULL),
  (29, 'form_user_factor', 'UserFactorMissingCheck', 'UserFactorMissingCheck', NULL),
  (30, 'form_user_factor', 'UserFactorCommitCheck', 'UserFactorCommitCheck', NULL),
  (31, 'form_user_factor', 'UserFactorWriteError', 'UserFactorWriteError: %s', NULL),
  (32, 'form_user_factor', 'PopertyGrid', 'Item', NULL),
  (33, 'form_user_factor', 'PopertyGrid', 'Value', NULL),
  (34, 'form_user_factor', 'PopertyGrid', 'Unit', NULL),
  (40, 'error', 'ProjectChainInvalid', 'Machine does not fit:', NULL),
  (41, 'error', 'ProjectFactorNotFound', 'element %d (ID %s) unknown', NULL),
  (42, 'error', 'ProjectFactorNotAttachable', 'element %d %s cannot follow %s', NULL),
  (43, 'error', 'ChainResultInvalid', 'element %d %s gives %s = %s', NULL),
  (44, 'error', 'FileNotWritten', 'The file "%s" could not be written (%s).', NULL);

INSERT INTO m_machine_block VALUES (1, 'Rotary', 0, 0, 'b1.png', NULL), (2, 'Converter', 0, 1, 'b2.png', NULL),
  (3, 'Linear', 1, 1, 'b3.png', NULL), (4, 'Five', 5, 5, NULL, NULL), (5, 'OutThree', 0, 3, NULL, NULL),
  (6, 'InSeven', 7, 0, NULL, NULL), (9, 'Motor', 0, 0, NULL, NULL);
INSERT INTO t_machine_element VALUES
  (10, 9, 'motor head', 0, 2, NULL, NULL, NULL, NULL),
  (20, 1, 'Gear', 0, 0, 'gear.png', 'gear-on.png', 'gear-drag.png', 'a gear'),
  (21, 1, 'Brake hub', 1, 0, 'hub.png', NULL, NULL, NULL),
  (30, 2, 'Screw', 0, 0, 'screw.png', NULL, NULL, NULL),
  (40, 3, 'Table', 0, 1, 'table.png', NULL, NULL, NULL),
  (41, 3, 'Pusher', 0, 1, NULL, NULL, NULL, NULL),
  (42, 3, 'Odd', 0, 2, NULL, NULL, NULL, NULL),
  (43, 3, 'Broken', 0, 0, NULL, NULL, NULL, NULL),
  (50, 4, 'Part five', 0, 0, NULL, NULL, NULL, NULL),
  (60, 5, 'Part out three', 0, 0, NULL, NULL, NULL, NULL),
  (70, 6, 'Part in seven', 0, 0, NULL, NULL, NULL, NULL);

-- Items: 1 gear inertia, 79 gear torque, 94 ratio, 96 efficiency, 110 backlash (motor head);
-- 200 gear ratio, 300 lead, 400 mass (required), 401 push force, 402 friction (optional).
INSERT INTO t_machine_value VALUES
  (1, 'Gear inertia', 'Jg', NULL, NULL, 201, 0), (79, 'Gear torque', 'Tg', NULL, NULL, 201, 0),
  (94, 'Reduction ratio', 'R', '1', NULL, 301, 0), (96, 'Gear efficiency', 'Eta', '1', NULL, 301, 0),
  (110, 'Backlash', 'Bl', NULL, NULL, 301, 0),
  (200, 'Gear ratio', 'Rg', '2', NULL, 301, 1),
  (300, 'Lead', 'Lead', '0.01', NULL, 101, 1),
  (400, 'Mass', 'M', '5', NULL, 201, 1), (401, 'Push force', 'Fp', '100', NULL, 201, 0),
  (402, 'Offset', 'Off', '1500', NULL, 102, 0), (403, 'Density', 'Rho', '7850', NULL, 401, 0);
INSERT INTO t_machine_value_cross VALUES (10, 1), (10, 79), (10, 94), (10, 96), (10, 110), (20, 200),
  (30, 300), (40, 400), (40, 402), (41, 401), (41, 403), (43, 400);
INSERT INTO m_tmp_calc VALUES (1, 40, 'Result = M * 2', 201, 'Twice the mass'),
  (2, 40, '', NULL, 'Skipped'), (3, 40, 'Result = M * 1000 + Off', NULL, 'Mass text check');

-- Formulas: each passes every carry value on and changes a few, so results are exact.
INSERT INTO m_machine_calc_value VALUES
  (1, 10, 'JLout = JLin / (R * R) + Jg'), (2, 10, 'TFout = TFin / R + Tg'), (3, 10, 'TUout = TUin / R'),
  (4, 10, 'THout = THin / R'), (5, 10, 'Vout = Vin * R'), (6, 10, 'Aout = Ain'), (7, 10, 'Bout = Bin + Bl'),
  (8, 10, 'WAout = WAin'), (9, 10, 'Fout = Fin'), (10, 10, 'Hout = Hin'), (11, 10, 'WJout = WJin'),
  (12, 10, 'Uout = Uin'),
  (20, 20, 'JLout = JLin / (Rg * Rg) + 0.001'), (21, 20, 'TFout = TFin / Rg'), (22, 20, 'TUout = TUin / Rg'),
  (23, 20, 'THout = THin / Rg'), (24, 20, 'Vout = Vin * Rg'), (25, 20, 'Aout = Ain'), (26, 20, 'Bout = Bin'),
  (27, 20, 'WAout = 0'), (28, 20, 'Fout = 0'), (29, 20, 'Hout = 0'), (30, 20, 'WJout = 0'), (31, 20, 'Uout = 0'),
  (40, 21, 'JLout = JLin + 0.5'), (41, 21, 'TFout = TFin'), (42, 21, 'TUout = TUin'), (43, 21, 'THout = THin'),
  (44, 21, 'Vout = Vin'), (45, 21, 'Aout = Ain'), (46, 21, 'Bout = Bin'), (47, 21, 'WAout = 0'),
  (48, 21, 'Fout = 0'), (49, 21, 'Hout = 0'), (50, 21, 'WJout = 0'), (51, 21, 'Uout = 0'),
  (60, 30, 'JLout = WAin * (Lead / (2 * PI)) ^ 2'), (61, 30, 'TFout = Fin * Lead / (2 * PI)'),
  (62, 30, 'TUout = Uin * Lead / (2 * PI)'), (63, 30, 'THout = Hin * Lead / (2 * PI)'),
  (64, 30, 'Vout = Vin * 0.06 / Lead'), (65, 30, 'Aout = Ain'), (66, 30, 'Bout = Bin'), (67, 30, 'WAout = 0'),
  (68, 30, 'Fout = 0'), (69, 30, 'Hout = 0'), (70, 30, 'WJout = 0'), (71, 30, 'Uout = 0'),
  (80, 40, 'WAout = WAin + M'), (81, 40, 'Fout = Fin + M'), (82, 40, 'Uout = Uin + 2 * M'),
  (83, 40, 'Hout = Hin'), (84, 40, 'Vout = Vin'), (85, 40, 'Aout = Ain'), (86, 40, 'Bout = Bin'),
  (87, 40, 'JLout = 0'), (88, 40, 'TFout = 0'), (89, 40, 'TUout = 0'), (90, 40, 'THout = 0'),
  (91, 40, 'WJout = 0'),
  (100, 41, 'WAout = WAin'), (101, 41, 'Fout = Fin'), (102, 41, 'Hout = Hin + Fp'), (103, 41, 'Vout = Vin'),
  (104, 41, 'Aout = Ain'), (105, 41, 'Bout = Bin'), (106, 41, 'JLout = 0'), (107, 41, 'TFout = 0'),
  (108, 41, 'TUout = 0'), (109, 41, 'THout = 0'), (110, 41, 'WJout = 0'), (111, 41, 'Uout = Uin'),
  (120, 43, 'WAout = 1 / 0'),
  (130, 50, 'Vout = Vin'), (131, 60, 'Vout = Vin'), (132, 70, 'Vout = Vin');
)SQL";

MachineFixture::MachineFixture(int maxFactorCount) {
    std::filesystem::create_directories(dir.File("picture"));
    for (const char* name : {"picture/00.jpg", "picture/00-on.jpg", "picture/00-drag.jpg", "picture/0.jpg",
                             "picture/0-on.jpg", "gear.png", "gear-on.png", "table.png"})
        WriteFile(dir.File(name), "not really a picture, but readable");
    MakeCatalog(dir.File("c.db"), std::string(kMinimalSchema) + kMachineCatalogSql);
    catalog = std::make_unique<TCatalog>(dir.File("c.db"));
    query = std::make_unique<TCatalogQuery>(*catalog);
    TConfigFile noSettings(dir.File("none.ini"));
    measures = std::make_unique<TMeasureManager>(*query, &noSettings);
    constants = std::make_unique<TPhysicalConstant>(*query);
    texts = TInputDataTexts::Load(*query);
    images = std::make_unique<TFactorImage>(loader);
    services.Query = query.get();
    services.Measures = measures.get();
    services.Texts = &texts;
    services.Constants = constants.get();
    services.Trace = &trace;
    services.Images = images.get();
    services.Programs = &programs;
    services.ProgramFolder = dir.Path() + "/";
    blocks = std::make_unique<TBlockManager>(services);
    services.Blocks = blocks.get();
    errors = std::make_unique<TErrorMessage>(*query);
    services.Errors = errors.get();
    chain = std::make_unique<TCalcCarryValue>(trace, &programs, &chainResults);
    model = std::make_unique<TChoiceFactorModel>(services, *chain, *errors, dialogs, maxFactorCount);
}

TFactor& MachineFixture::Add(int id) {
    EXPECT_TRUE(model->AddFactor(Catalog(id))) << "adding element " << id;
    return *chain->GetFactor(model->CurrentColumn());
}

}  // namespace kinemo::test
