// The gear, chain, screw, hoist and spindle elements of the sample catalog: refused value
// combinations name their item, bores take exactly the core out, a pulley given by its
// diameter equals one given by pitch and teeth, a self-locking worm or lead screw holds its
// load at standstill.
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/Factor.h"
#include "machine/InputData.h"
#include "machine/MachineServices.h"
#include "session/KinemoContext.h"
#include "torque/TorqueValue.h"
#include "base/KinemoError.h"
#include "base/ErrorMessage.h"
#include "support/LooseChain.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

constexpr double kRelTol = 1e-9;  // the same formula on equal numbers, up to rounding
constexpr double kPi = 3.14159265358979323846;

class Library {
public:
    Library() : ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs) {
        if (!ctx.ReadCatalogConfig()) throw std::runtime_error("sample catalog refused");
    }

    // A fresh copy of catalog element code with the given values (formula units).
    std::unique_ptr<TFactor> Element(int code, const std::map<int, double>& values) {
        TFactor* f = ctx.Machine().Blocks->FindFactorByID(code);
        if (!f) throw std::runtime_error("no element " + std::to_string(code));
        std::unique_ptr<TFactor> e = f->Clone();
        for (const auto& [id, value] : values) {
            TInputData* item = e->FindInputItemByID(id);
            if (!item) throw std::runtime_error("no item " + std::to_string(id));
            item->SetValue(value);
        }
        return e;
    }

    static double Out(const TFactor& e, const char* name) { return std::stod(e.CarryOut.Value(name)); }

    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx;
};

bool Near(double a, double b) { return std::abs(a - b) <= kRelTol * std::max(std::abs(a), std::abs(b)) + 1e-15; }

struct Refusal {
    int element;
    std::map<int, double> values;
    int item;         // the item the message must name
    const char* key;  // the catalog text it must be
};

// A value combination no range catches stops the element with the catalog's message, naming
// the element and the item with its value and unit: never a formula error, never a result.
TEST(ElementLibrary, RefusedCombinationsNameTheItem) {
    Library lib;
    const Refusal cases[] = {
        {203, {{20301, 40}, {20305, 40}}, 20305, "ElementBoreNotBelowDiameter"},
        {203, {{20302, 200}, {20306, 250}}, 20306, "ElementBoreNotBelowDiameter"},
        {301, {{30102, 16}, {30111, 16}}, 30111, "ElementBoreNotBelowDiameter"},
        {303, {{30301, 0}, {30302, 0}, {30303, 0}}, 30303, "ElementPulleySizeMissing"},
        {303, {{30301, 5}, {30302, 24}, {30311, 40}}, 30311, "ElementBoreNotBelowDiameter"},
        {304, {{30401, 0}, {30408, 0}, {30409, 0}}, 30401, "ElementPulleySizeMissing"},
        {204, {{20402, 45}, {20403, 2}}, 20403, "ElementWormCannotDrive"},
        {305, {{30501, 1000}, {30502, 14}, {30507, 2}}, 30507, "ElementScrewCannotDrive"},
        {305, {{30502, 14}, {30505, 14}}, 30505, "ElementBoreNotBelowDiameter"},
        {306, {{30601, 200}, {30603, 101}}, 30603, "ElementWallTooThick"},
        {501, {{50101, 300}, {50106, 300}}, 50106, "ElementBoreNotBelowDiameter"},
        {506, {{50601, 500}, {50603, 600}}, 50603, "ElementBoreNotBelowDiameter"},
        {507, {{50701, 60}, {50703, 60}}, 50703, "ElementBoreNotBelowDiameter"},
        {508, {{50804, 2000}, {50805, 0}}, 50805, "ElementCuttingSpeedMissing"},
        {508, {{50802, 500}, {50803, 0}}, 50803, "ElementToolDiameterMissing"},
    };
    for (const Refusal& c : cases) {
        std::unique_ptr<TFactor> e = lib.Element(c.element, c.values);
        const TInputData* item = e->FindInputItemByID(c.item);
        ASSERT_NE(item, nullptr);
        const std::string text = lib.ctx.ErrorMessages().GetText(c.key);
        ASSERT_FALSE(text.empty()) << c.key;
        try {
            e->Calculate(InitialCarryList());
            ADD_FAILURE() << e->Name << " accepted " << item->Name;
        } catch (const TKinemoError& err) {
            const std::string what = err.what();
            EXPECT_NE(what.find("\"" + e->Name + "\""), std::string::npos) << what;
            EXPECT_NE(what.find("\"" + item->Name + "\""), std::string::npos) << what;
            // The key's own words: its text after the last argument.
            EXPECT_NE(what.find(text.substr(text.rfind("%s") + 2)), std::string::npos) << c.key << ": " << what;
            EXPECT_EQ(what.find("line "), std::string::npos) << "a raw formula error: " << what;
        }
    }
}

// The refusal reaches the user through the chain, and the chain is left as it was.
TEST(ElementLibrary, RefusalStopsTheChainWithTheSameMessage) {
    Library lib;
    test::LooseChain loose(lib.ctx);
    TChoiceFactorModel model(loose.services, loose.chain, lib.ctx.ErrorMessages(), lib.dialogs,
                             lib.ctx.Run().MaxFactorCount);
    pugi::xml_document doc;
    const std::string path = std::string(KINEMO_SOURCE_DIR) + "/examples/10_gear_pair_belt_axis.kjb";
    ASSERT_TRUE(doc.load_file(path.c_str()));
    model.LoadFromXML(doc.child("KINEMO").child("FrameChoiceFactor"));
    TFactor* pair = loose.chain.GetFactor(1);
    ASSERT_EQ(pair->ID, 203);
    const CarryOutput before = loose.chain.CalcChain(false, false);
    pair->FindInputItemByID(20306)->SetValue(200);  // the wheel's bore as large as the wheel
    try {
        loose.chain.CalcChain(false, false);
        ADD_FAILURE() << "a wheel without material was calculated";
    } catch (const TKinemoError& err) {
        EXPECT_STREQ(err.what(), "Element \"Gear pair from dimensions\": \"Bore of the wheel (0 = solid)\" = 200 mm is not "
                                 "smaller than the diameter it is bored into. Enter a smaller bore (0 = solid).");
    }
    pair->FindInputItemByID(20306)->SetValue(30);
    EXPECT_TRUE(Near(loose.chain.CalcChain(false, false).JL, before.JL));
}

// A bore takes exactly the solid core of its diameter out of the inertia (same length and
// material), whichever element it is given to.
TEST(ElementLibrary, BoreRemovesTheCoreInertia) {
    Library lib;
    struct Case {
        int element;
        std::map<int, double> solid;
        int bore;
        double core;  // inertia of the solid core of 20 mm, kg·m², times the count
    };
    const double d = 0.020;
    const Case cases[] = {
        {301, {{30102, 32}, {30103, 800}, {30104, 7850}}, 30111, kPi * 7850 * std::pow(d, 4) * 0.8 / 32},
        {303, {{30303, 60}, {30304, 25}, {30305, 2700}, {30306, 2}}, 30311,
         2 * kPi * 2700 * std::pow(d, 4) * 0.025 / 32},
        {501, {{50101, 300}, {50102, 20}, {50103, 7850}}, 50106, kPi * 7850 * std::pow(d, 4) * 0.02 / 32},
        {506, {{50601, 500}, {50602, 30}, {50604, 7850}, {50606, 0}}, 50603, kPi * 7850 * std::pow(d, 4) * 0.03 / 32},
        {507, {{50701, 60}, {50702, 400}, {50703, 0}, {50704, 7850}, {50706, 0}}, 50703,
         kPi * 7850 * std::pow(d, 4) * 0.4 / 32},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TFactor> solid = lib.Element(c.element, c.solid);
        solid->Calculate(InitialCarryList());
        std::map<int, double> hollowValues = c.solid;
        hollowValues[c.bore] = 20;
        std::unique_ptr<TFactor> hollow = lib.Element(c.element, hollowValues);
        hollow->Calculate(InitialCarryList());
        const double removed = Library::Out(*solid, "JLout") - Library::Out(*hollow, "JLout");
        EXPECT_NEAR(removed, c.core, 1e-9 * c.core + 1e-15) << solid->Name;
    }
}

// The timing belt axis and the belt conveyor accept a pulley given by pitch and teeth or by
// its diameter: the same pulley gives the same machine.
TEST(ElementLibrary, PulleyByDiameterEqualsPulleyByTeeth) {
    Library lib;
    struct Case {
        int element;
        std::map<int, double> byTeeth, byDiameter;
    };
    const Case cases[] = {
        {303, {{30301, 5}, {30302, 24}, {30303, 0}}, {{30301, 0}, {30302, 0}, {30303, 5 * 24 / kPi}}},
        {304, {{30401, 0}, {30408, 5}, {30409, 32}}, {{30401, 5 * 32 / kPi}, {30408, 0}, {30409, 0}}},
    };
    TNameValueList carry = InitialCarryList();
    carry.SetValue("WAout", "12");
    carry.SetValue("Fout", "30");
    carry.SetValue("Uout", "30");
    for (const Case& c : cases) {
        std::unique_ptr<TFactor> a = lib.Element(c.element, c.byTeeth), b = lib.Element(c.element, c.byDiameter);
        a->Calculate(carry);
        b->Calculate(carry);
        for (const char* name : {"JLout", "TFout", "Vout", "Aout"})
            EXPECT_TRUE(Near(Library::Out(*a, name), Library::Out(*b, name)))
                << a->Name << " " << name << ": " << Library::Out(*a, name) << " vs " << Library::Out(*b, name);
        EXPECT_TRUE(a->IsInputComplete() && b->IsInputComplete()) << a->Name;
    }
}

// A worm or lead screw is self-locking exactly when its lead angle is below the friction
// angle: the load then cannot drive the motor (TD of the other sign than TH), and the
// interval torque at standstill is 0 — the transmission holds the load by itself. Otherwise
// the motor holds with TH as for every other element.
TEST(ElementLibrary, SelfLockingHoldsTheLoadAtStandstill) {
    Library lib;
    struct Case {
        int element;
        std::map<int, double> values;
        bool selfLocking;
    };
    // Friction angle atan(mu / cos 20 deg) for the worm, atan(mu / cos 15 deg) for the screw.
    const Case cases[] = {
        {204, {{20402, 5}, {20403, 0.05}}, false},               // 5 deg against 3.05 deg
        {204, {{20402, 5}, {20403, 0.1}}, true},                 // 5 deg against 6.07 deg
        {204, {{20402, 3}, {20403, 0.06}}, true},                // 3 deg against 3.66 deg
        {204, {{20402, 30}, {20403, 0.1}}, false},
        {305, {{30501, 4}, {30502, 14}, {30507, 0.1}}, true},    // 5.20 deg against 5.91 deg
        {305, {{30501, 4}, {30502, 14}, {30507, 0.05}}, false},  // against 2.96 deg
        {305, {{30501, 20}, {30502, 18}, {30507, 0.1}}, false},  // a steep lead: 19.5 deg
    };
    TTorqueValueFormula formulas = TTorqueValueFormula::Load(lib.ctx.Query());
    TTorqueEnvironment env{&formulas, &lib.ctx.Constants(), "1"};
    for (const Case& c : cases) {
        // A load of fixed direction from beyond: 100 N on a carriage, 10 N·m on a shaft.
        TNameValueList carry = InitialCarryList();
        if (c.element == 305) {
            carry.SetValue("Hout", "100");
        } else {
            carry.SetValue("THout", "10");
            carry.SetValue("TDout", "10");
        }
        std::unique_ptr<TFactor> e = lib.Element(c.element, c.values);
        e->Calculate(carry);
        CarryOutput out;
        out.TH = Library::Out(*e, "THout");
        out.TD = Library::Out(*e, "TDout");
        out.JL = Library::Out(*e, "JLout");
        out.V = Library::Out(*e, "Vout");
        EXPECT_GT(out.TH, 0) << e->Name;
        EXPECT_EQ(out.TD < 0, c.selfLocking) << e->Name << " TD=" << out.TD;
        const TTorqueValue holding(env, out, 0, 0, 1.0, 1e-4);
        const TTorqueValue lifting(env, out, 1000, 1000, 1.0, 1e-4);
        const TTorqueValue lowering(env, out, -1000, -1000, 1.0, 1e-4);
        EXPECT_EQ(holding.IntervalTorque, c.selfLocking ? 0.0 : out.TH) << e->Name;
        EXPECT_TRUE(Near(lifting.IntervalTorque, out.TH)) << e->Name;
        EXPECT_TRUE(Near(lowering.IntervalTorque, out.TD)) << e->Name;
    }
}

}  // namespace
