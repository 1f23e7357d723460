// Loading the machine section tells whoever shows a chain element before the elements are
// freed, so no screen keeps a freed element.
#include "core/machine/MachineFixture.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace kinemo;
using kinemo::test::MachineFixture;

TEST(ChoiceFactorModel, LoadingAnnouncesTheResetWhileTheOldElementsStillExist) {
    MachineFixture fx;
    fx.Add(30);
    TFactor& table = fx.Add(40);
    pugi::xml_document doc;
    pugi::xml_node section = doc.append_child("FrameChoiceFactor");
    fx.model->SaveToXML(section);
    std::vector<std::string> seen;
    fx.model->OnChainReset = [&] {
        for (int i = 0; i < fx.chain->Count(); ++i) seen.push_back(fx.chain->GetFactor(i)->Name);
    };
    EXPECT_EQ(&table, fx.chain->GetFactor(2));
    fx.model->LoadFromXML(section);
    EXPECT_EQ(seen, (std::vector<std::string>{"motor", "Screw", "Table"}));
    EXPECT_EQ(fx.chain->Count(), 3);
    EXPECT_NE(fx.chain->GetFactor(2), nullptr);
}
