// Projects that open must save to a text that opens again to the same text: the cases the
// project file fuzzer found, each as a change to an example project.
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/KinemoError.h"
#include "support/ExampleSession.h"

#include <gtest/gtest.h>

using namespace kinemo;

namespace {

// The example text with the first occurrence of `from` replaced by `to`.
std::string Changed(const std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.substr(0, at) + to + text.substr(at + from.size());
}

}  // namespace

TEST(ProjectRoundTrip, WhatOpensSavesToATextThatOpensTheSame) {
    struct Case {
        const char* name;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"a motor function the catalog does not know", "<Function>1</Function>", "<Function>0</Function>"},
        {"a motor series the catalog does not know", "<Series>1</Series>", "<Series>77</Series>"},
    };
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const std::string example = ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/examples/01_ball_screw_horizontal.kjb");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(job.session->LoadProjectText(Changed(example, c.from, c.to)), TProjectDocument::TLoadResult::Accepted);
        const std::string saved = job.session->ProjectText();
        ASSERT_EQ(job.session->LoadProjectText(saved), TProjectDocument::TLoadResult::Accepted);
        EXPECT_EQ(job.session->ProjectText(), saved);
    }
}

// 1e308 kg·m² is a number, but shown in kg·cm² it is infinite: it could be neither shown nor
// saved again, so opening refuses it and keeps the project that was open.
TEST(ProjectRoundTrip, AValueBeyondItsDisplayUnitIsRefusedOnOpening) {
    test::ExampleSession job("01_ball_screw_horizontal.kjb");
    const std::string example = ReadWholeFile(std::string(KINEMO_SOURCE_DIR) + "/examples/01_ball_screw_horizontal.kjb");
    const std::string before = job.session->ProjectText();
    try {
        job.session->LoadProjectText(Changed(example, "<Value InputDataID=\"10203\">1.2E-5</Value>",
                                             "<Value InputDataID=\"10203\">1e308</Value>"));
        ADD_FAILURE() << "opened";
    } catch (const TKinemoError& e) {
        EXPECT_EQ(std::string(e.what()), "Element 1 \"Disc coupling\": \"1e308\" in this project file is not a number "
                                       "\"Inertia from catalog (0 = from mass and diameter)\" can take. The project was "
                                       "not opened.");
    }
    EXPECT_EQ(job.session->ProjectText(), before);
}
