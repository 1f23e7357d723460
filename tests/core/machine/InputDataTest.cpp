// Input items: formula and display units, and their project-file form both ways.
#include "core/machine/MachineFixture.h"

#include "base/KinemoError.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <sstream>

using namespace kinemo;
using kinemo::test::MachineFixture;

namespace {

TInputData& Offset(TFactor& table) { return *table.FindInputItemByID(402); }

}  // namespace

TEST(InputData, StartValueIsInTheFormulaUnitAndShownInTheDefaultUnit) {
    MachineFixture fx;
    TInputData& off = Offset(fx.Catalog(40));
    EXPECT_EQ(off.FormulaUnit->Symbol(), "mm");
    EXPECT_EQ(off.DisplayUnit->Symbol(), "m");  // the class default
    EXPECT_DOUBLE_EQ(off.Value, 1.5);
    EXPECT_DOUBLE_EQ(off.GetValue(), 1500);
    off.SetValue(250);
    EXPECT_DOUBLE_EQ(off.Value, 0.25);
}

TEST(InputData, ChosenUnitIsSavedAndReadBack) {
    MachineFixture fx;
    TFactor& table = fx.Catalog(40);
    TInputData& off = Offset(table);
    off.ChangeDisplayUnit(fx.measures->FindMeasure(103));  // cm
    off.UnitChanged = true;
    EXPECT_DOUBLE_EQ(off.Value, 150);
    pugi::xml_document doc;
    pugi::xml_node parent = doc.append_child("InputData");
    off.SaveToXML(parent);
    pugi::xml_node v = parent.child("Value");
    EXPECT_STREQ(v.text().get(), "1500");
    EXPECT_STREQ(v.attribute("InputDataID").value(), "402");
    EXPECT_STREQ(v.attribute("MeasureID").value(), "103");

    TFactor& fresh = fx.Catalog(40);
    std::unique_ptr<TFactor> copy = fresh.Clone();
    TInputData& back = *copy->FindInputItemByID(402);
    back.LoadFromXML(v);
    EXPECT_EQ(back.DisplayUnit->Symbol(), "cm");
    EXPECT_DOUBLE_EQ(back.Value, 150);
    EXPECT_TRUE(back.UnitChanged);
}

TEST(InputData, UnchangedUnitIsNotSavedAndBadNumbersRaise) {
    MachineFixture fx;
    TInputData& mass = *fx.Catalog(40).FindInputItemByID(400);
    pugi::xml_document doc;
    pugi::xml_node parent = doc.append_child("InputData");
    mass.SaveToXML(parent);
    EXPECT_FALSE(parent.child("Value").attribute("MeasureID"));
    parent.child("Value").text().set("12,5");
    EXPECT_THROW(mass.LoadFromXML(parent.child("Value")), TKinemoError);
}

TEST(InputData, FixedItemsReadTolerantly) {
    MachineFixture fx;
    TFactor& table = fx.Catalog(40);
    pugi::xml_document doc;
    pugi::xml_node v = doc.append_child("Value");
    v.text().set("2");
    auto* ef = table.ExternalForceItem();
    ef->LoadFromXML(v);
    EXPECT_EQ(ef->Choice, 0);  // only "1" selects the marked intervals
    v.text().set("1");
    ef->LoadFromXML(v);
    EXPECT_EQ(ef->Choice, 1);
    ASSERT_EQ(ef->Choices.size(), 2u);
    EXPECT_EQ(ef->Choices[1], "Marked intervals");
}

TEST(InputData, ClonesAreIndependent) {
    MachineFixture fx;
    TFactor& table = fx.Catalog(40);
    std::unique_ptr<TFactor> a = table.Clone();
    a->FindInputItemByID(400)->SetValue(99);
    EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), 5);
    EXPECT_EQ(a->GetInputItemCount(), table.GetInputItemCount());
}

// A copied element (Clone) must keep the unit the user chose for every item, shown
// value included, and save it as the original does.
TEST(InputData, ClonesKeepTheChosenUnits) {
    MachineFixture fx;
    int numeric = 0, calculated = 0;
    for (auto& block : fx.blocks->Blocks())
        for (auto& factor : block->Factors()) {
            for (auto& item : factor->InputItems()) {
                if (item->Kind() == TInputKind::Numeric) {
                    auto& d = static_cast<TInputData&>(*item);
                    if (!d.FormulaUnit) continue;
                    d.ChangeDisplayUnit(d.FormulaUnit);  // a unit other than the class default, as a user picks it
                    d.UnitChanged = true;
                    ++numeric;
                } else if (item->Kind() == TInputKind::Calc) {
                    auto& c = static_cast<TCalcInputData&>(*item);
                    if (!c.Unit) continue;
                    c.SetResult(12.5);
                    c.ChangeDisplayUnit(c.Unit);
                    c.UnitChanged = true;
                    ++calculated;
                }
            }
            std::unique_ptr<TFactor> copy = factor->Clone();
            auto& originals = factor->InputItems();
            auto& copies = copy->InputItems();
            ASSERT_EQ(copies.size(), originals.size()) << factor->Name;
            for (size_t i = 0; i < originals.size(); ++i) {
                pugi::xml_document a, b;
                pugi::xml_node pa = a.append_child("InputData"), pb = b.append_child("InputData");
                originals[i]->SaveToXML(pa);
                copies[i]->SaveToXML(pb);
                std::ostringstream sa, sb;
                a.save(sa);
                b.save(sb);
                EXPECT_EQ(sb.str(), sa.str()) << factor->Name << " item " << i;
                if (originals[i]->Kind() == TInputKind::Numeric) {
                    auto& o = static_cast<TInputData&>(*originals[i]);
                    auto& c = static_cast<TInputData&>(*copies[i]);
                    EXPECT_EQ(c.DisplayUnit, o.DisplayUnit) << factor->Name << " " << o.Name;
                    EXPECT_EQ(c.UnitChanged, o.UnitChanged);
                    EXPECT_DOUBLE_EQ(c.Value, o.Value);
                } else if (originals[i]->Kind() == TInputKind::Calc) {
                    auto& o = static_cast<TCalcInputData&>(*originals[i]);
                    auto& c = static_cast<TCalcInputData&>(*copies[i]);
                    EXPECT_EQ(c.DisplayUnit, o.DisplayUnit) << factor->Name << " " << o.Name;
                    EXPECT_EQ(c.UnitChanged, o.UnitChanged);
                    EXPECT_DOUBLE_EQ(c.DisplayValue, o.DisplayValue);
                }
            }
        }
    EXPECT_GT(numeric, 3);
    EXPECT_GT(calculated, 0);
}
