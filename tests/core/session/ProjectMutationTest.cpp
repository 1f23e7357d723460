// Every number of every example project replaced by negative, huge, tiny and non-finite
// values: a value outside its physical range never ends in a sized result, and whatever
// is sized has finite figures.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "support/TestSupport.h"
#include "torque/Motor.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

using namespace kinemo;

namespace {

const char* const kReplacements[] = {"NEG", "1e300", "1e-300", "-1e-300", "1e-12", "inf", "nan", "1e999"};

// A number node of the project: an element's input value (element position and item ID)
// or a pattern value.
struct NumberNode {
    pugi::xml_node node;
    int position = 0;  // 0: a pattern value
    int item = 0;
};

std::vector<NumberNode> Numbers(pugi::xml_document& doc) {
    std::vector<NumberNode> out;
    int position = 0;
    for (pugi::xml_node f : doc.child("KINEMO").child("FrameChoiceFactor").children("Factor")) {
        ++position;
        for (pugi::xml_node v : f.child("InputData").children("Value"))
            if (v.attribute("InputDataID").as_int() > 0) out.push_back({v, position, v.attribute("InputDataID").as_int()});
    }
    // The grids are saved whole (every kind, every row); rows that hold only zeros after
    // the origin row are unused, and mutating them would only repeat the origin's cases.
    for (pugi::xml_node grid : doc.child("KINEMO").child("FrameInputPattern").children("Grid")) {
        bool origin = true;
        for (pugi::xml_node row : grid.children("Row")) {
            bool used = origin;
            origin = false;
            for (pugi::xml_node v : row.children("Value")) used = used || std::string(v.text().as_string()) != "0";
            if (!used) continue;
            for (pugi::xml_node v : row.children("Value")) out.push_back({v, 0, 0});
        }
    }
    return out;
}

std::string Text(const pugi::xml_document& doc) {
    std::ostringstream s;
    doc.save(s);
    return s.str();
}

bool Finite(const TMotor& m) {
    return std::isfinite(m.MotorInertiaRatio) && m.MotorInertiaRatio >= 0 && std::isfinite(m.MotorMaxSpeedMax) &&
           std::isfinite(m.MotorEffectiveTorquePercent) && std::isfinite(m.MotorMaxTorquePercent);
}

}  // namespace

// One case per example so the slow whole-catalog judgements spread over ctest's jobs.
class ProjectMutation : public testing::TestWithParam<std::string> {};

std::vector<std::string> ExampleFiles() {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KINEMO_SOURCE_DIR) + "/examples"))
        if (entry.path().extension() == ".kjb") out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST_P(ProjectMutation, NoSizedResultFromAnOutOfRangeInput) {
    int refusedOnLoad = 0, refusedMachine = 0, stopped = 0, sized = 0;
    {
        const std::filesystem::path path = std::filesystem::path(KINEMO_SOURCE_DIR) / "examples" / GetParam();
        SCOPED_TRACE(GetParam());
        test::TempDir dir;
        test::TRecordingDialogs dialogs;
        TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        ASSERT_TRUE(ctx.ReadCatalogConfig());
        TSizingSession session(ctx);
        session.Initialize();
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_file(path.c_str()));
        std::vector<NumberNode> numbers = Numbers(doc);
        ASSERT_GT(numbers.size(), 10u);
        for (NumberNode& n : numbers) {
            const std::string original = n.node.text().get();
            for (const char* replacement : kReplacements) {
                const std::string value = std::string(replacement) == "NEG"
                                              ? (original == "0" ? "-1" : "-" + original)
                                              : replacement;
                SCOPED_TRACE("item " + std::to_string(n.item) + " at " + std::to_string(n.position) + " = " + value);
                n.node.text().set(value.c_str());
                const std::string text = Text(doc);
                n.node.text().set(original.c_str());
                try {
                    if (session.LoadProjectText(text) != TProjectDocument::TLoadResult::Accepted) {
                        ++refusedOnLoad;
                        continue;
                    }
                } catch (const TKinemoError&) {
                    ++refusedOnLoad;  // not a number, or a pattern value that overflows
                    continue;
                }
                bool outOfRange = false;
                if (n.position > 0) {
                    const TInputData* item = session.Chain().GetFactor(n.position)->FindInputItemByID(n.item);
                    ASSERT_TRUE(item);
                    outOfRange = !item->InRange();
                }
                if (!session.MachineProblemText().empty()) {
                    EXPECT_TRUE(outOfRange) << session.MachineProblemText();
                    EXPECT_THROW(session.JudgeAll(TAdjudicationLevel::All), TKinemoError);
                    ++refusedMachine;
                    continue;
                }
                ASSERT_FALSE(outOfRange) << "loaded without a message";
                bool judged = false;
                try {
                    judged = session.JudgeAll(TAdjudicationLevel::All);
                } catch (const TKinemoError&) {
                }
                if (!judged) {
                    ++stopped;  // an impossible chain result or a pattern the rules refuse
                    continue;
                }
                ++sized;
                for (const auto& m : session.Candidates().DisplayList()) {
                    if (m->Judged) {
                        EXPECT_TRUE(Finite(*m)) << m->msv_model_all;
                    }
                }
            }
        }
    }
    // Each way of ending is met, so the test cannot pass by never reaching a verdict.
    EXPECT_GT(refusedOnLoad, 50);
    EXPECT_GT(refusedMachine, 10);
    EXPECT_GT(sized, 50);
    std::printf("mutations: %d refused on load, %d machines refused, %d stopped, %d sized\n", refusedOnLoad,
                refusedMachine, stopped, sized);
}

INSTANTIATE_TEST_SUITE_P(Examples, ProjectMutation, testing::ValuesIn(ExampleFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "Example" + info.param.substr(0, 2);
                         });
