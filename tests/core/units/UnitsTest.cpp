// Units, materials and constants over a fixture catalog: conversion rules, user
// defaults, material pick lists and the constants block.
#include "base/Catalog.h"
#include "base/ConfigFile.h"
#include "support/TestSupport.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"

#include <gtest/gtest.h>

using namespace kinemo;
using kinemo::test::TempDir;

namespace {

const char* kUnitTables = R"(
CREATE TABLE m_machine_unit_class (muc_cd INTEGER, muc_name TEXT, muc_default_muv_cd INTEGER, muc_mmc_cd INTEGER);
CREATE TABLE t_machine_unit_value (muv_cd INTEGER, muv_symbol TEXT, muv_muc_cd INTEGER);
CREATE TABLE m_machine_unit_exc (mue_from_muv_cd INTEGER, mue_to_muv_cd INTEGER, mue_exchange REAL);
CREATE TABLE m_machine_material_class (mmc_cd INTEGER);
CREATE TABLE m_machine_material (mmm_cd INTEGER, mmm_mmc_cd INTEGER, mmm_name TEXT, mmm_value TEXT, mmm_muv_cd INTEGER);
CREATE TABLE s_physicalconstant (cons_name TEXT, cons_value TEXT);
INSERT INTO m_machine_unit_class VALUES (2, 'Mass', 201, NULL), (1, 'Length', 102, NULL), (3, 'Density', 301, 1);
INSERT INTO t_machine_unit_value VALUES (103, 'm', 1), (101, 'mm', 1), (102, 'cm', 1),
  (201, 'kg', 2), (202, 'g', 2), (301, 'kg/m3', 3), (302, 'g/cm3', 3);
INSERT INTO m_machine_unit_exc VALUES (101, 103, 0.001), (103, 101, 1000), (301, 302, 0.001);
INSERT INTO m_machine_material_class VALUES (1);
INSERT INTO m_machine_material VALUES (2, 1, 'Aluminium', '2700', 301), (1, 1, 'Steel', '7850', 301),
  (3, 1, 'Unknown', 'n/a', 301);
INSERT INTO s_physicalconstant VALUES ('PI', '3.14159265358979'), ('GRAVITY', '9.8'), ('EMPTY', ''),
  ('GRAVITY', '9.80665');
)";

class Units : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeCatalog(dir.File("c.db"), std::string(test::kMinimalSchema) + kUnitTables);
        catalog = std::make_unique<TCatalog>(dir.File("c.db"));
        query = std::make_unique<TCatalogQuery>(*catalog);
    }
    TempDir dir;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
};

}  // namespace

TEST_F(Units, ClassesAndUnitsLoadInCodeOrder) {
    TMeasureManager m(*query, nullptr);
    ASSERT_EQ(m.ClassCount(), 3);
    EXPECT_EQ(m.ClassAt(0)->Name(), "Length");
    const auto& units = m.ClassAt(0)->Measures();
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0]->Symbol(), "mm");
    EXPECT_EQ(units[2]->Symbol(), "m");
    EXPECT_EQ(m.FindMeasure(202)->MeasureClass()->Name(), "Mass");
    EXPECT_EQ(m.FindMeasure(999), nullptr);
    EXPECT_EQ(m.FindMeasureClass(7), nullptr);
    EXPECT_EQ(m.DefaultMeasure(*m.FindMeasureClass(1))->Symbol(), "cm");
}

TEST_F(Units, ConvertReadsOnlyTheStoredDirection) {
    TMeasureManager m(*query, nullptr);
    EXPECT_DOUBLE_EQ(m.Convert(101, 103, 250), 0.25);
    EXPECT_DOUBLE_EQ(m.Convert(103, 101, 0.25), 250);
    EXPECT_EQ(m.Convert(302, 301, 2.7), 0.0);  // no row for this direction: 0
    EXPECT_EQ(m.Convert(101, 201, 5), 0.0);
}

TEST_F(Units, SameUnitAndZeroNeverReadTheCatalog) {
    TMeasureManager m(*query, nullptr);
    const long long before = catalog->OpenCount();
    EXPECT_EQ(m.Convert(101, 101, 12.5), 12.5);
    EXPECT_EQ(m.Convert(777, 777, -3), -3);
    EXPECT_EQ(m.Convert(101, 201, 0), 0);  // zero, even without a row
    EXPECT_EQ(catalog->OpenCount(), before);
    m.Convert(101, 103, 1);
    EXPECT_EQ(catalog->OpenCount(), before + 1);  // every real conversion reads
}

TEST_F(Units, UserDefaultsComeFromSettingsWhenTheyNameAUnitOfTheClass) {
    TConfigFile ini(dir.File("s.ini"));
    TMeasureManager::WriteUserDefault(ini, 1, 103);
    TMeasureManager::WriteUserDefault(ini, 2, 101);  // a length unit for mass: ignored
    TMeasureManager m(*query, &ini);
    EXPECT_EQ(m.FindMeasureClass(1)->UserDefaultCode(), 103);
    EXPECT_EQ(m.FindMeasureClass(1)->CatalogDefaultCode(), 102);
    EXPECT_EQ(m.FindMeasureClass(2)->UserDefaultCode(), 201);
}

TEST_F(Units, MaterialsArePerUnitCachedAndLenient) {
    TMaterialManager mm(*query);
    const auto& densities = mm.GetMaterials(301);
    ASSERT_EQ(densities.size(), 3u);
    EXPECT_EQ(densities[0].Name, "Steel");  // mmm_cd order
    EXPECT_DOUBLE_EQ(densities[0].Value, 7850);
    EXPECT_EQ(densities[2].Value, 0.0);  // unreadable value
    EXPECT_EQ(mm.GetMaterials(302).size(), 3u);  // other unit, same class, own entry
    EXPECT_TRUE(mm.GetMaterials(101).empty());  // no material class
    EXPECT_TRUE(mm.GetMaterials(999).empty());  // no such unit
    const long long before = catalog->OpenCount();
    mm.GetMaterials(301);
    mm.GetMaterials(101);
    EXPECT_EQ(catalog->OpenCount(), before);
}

TEST_F(Units, ConstantsKeepFirstPlaceTakeLaterValueAndDropEmpty) {
    TPhysicalConstant c(*query);
    ASSERT_EQ(c.Count(), 2u);
    EXPECT_EQ(c.Name(0), "PI");
    EXPECT_EQ(c.Value("GRAVITY"), "9.80665");
    EXPECT_EQ(c.ConstantsText(), "PI=3.14159265358979\r\nGRAVITY=9.80665");
}
