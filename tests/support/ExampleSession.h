// A sizing session on the sample catalog with one of the example projects loaded and
// ready to judge motors.
#pragma once

#include "session/SizingSession.h"
#include "session/KinemoContext.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kinemo::test {

struct ExampleSession {
    explicit ExampleSession(const std::string& example) {
        ctx = std::make_unique<TKinemoContext>(SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
        EXPECT_EQ(session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example),
                  TProjectDocument::TLoadResult::Accepted);
        session->PrepareJudgement();
    }
    TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

}  // namespace kinemo::test
