// Project files keep a user-defined motor by its model name: it comes back from the user's
// folder on loading, a catalog motor's file is written as before, and a motor deleted since
// the save opens the project with the catalog's message and nothing committed.
#include "session/ProjectDocument.h"
#include "base/AtomicFile.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "torque/MotorReferenceQuery.h"
#include "torque/UserMotorSheet.h"
#include "support/ExampleSession.h"
#include "support/UserMotorSheets.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <memory>
#include <string>

using namespace kinemo;

namespace {

pugi::xml_node MotorElement(pugi::xml_document& doc, const std::string& text, const char* name) {
    EXPECT_TRUE(doc.load_string(text.c_str()));
    return doc.child("KINEMO").child(name);
}

}  // namespace

// Committed, and shown on the option and CAD pages without a commitment: the file names the
// model beside sentinel codes, and loading finds the same motor again.
TEST(UserMotorProject, ReferenceRoundTrips) {
    test::ExampleSession a("01_ball_screw_horizontal.kjb");
    test::StoreUserMotor(a, "KRS0402ANS0", "MY-400");
    a.session->CommitMotor(TMotorReference::User("MY-400"));
    ASSERT_NE(a.session->CommittedMotor(), nullptr);
    EXPECT_EQ(a.session->CommittedMotor()->msv_model_all, "MY-400");
    EXPECT_EQ(a.session->Commit().CommittedMotor(), TMotorReference::User("MY-400"));
    const std::string committedText = a.session->ProjectText();
    {
        pugi::xml_document doc;
        pugi::xml_node e = MotorElement(doc, committedText, "Commit");
        EXPECT_EQ(std::string(e.child("UserMotor").text().as_string()), "MY-400");
        EXPECT_EQ(e.child("MsvID").text().as_llong(), TMotorReference::kUserCode);
        EXPECT_EQ(e.child("MxcID").text().as_llong(), TMotorReference::kUserCode);
        // A reader without user motors sees no catalog motor in it.
        pugi::xml_node plain = doc.child("KINEMO").child("Commit");
        plain.remove_child("UserMotor");
        EXPECT_FALSE(ReadMotorReference(plain).has_value());
    }

    // The second session shares the user folder: the same user's other project window.
    test::ExampleSession b("01_ball_screw_horizontal.kjb");
    test::StoreUserMotor(b, "KRS0402ANS0", "MY-400");
    ASSERT_EQ(b.session->LoadProjectText(committedText), TProjectDocument::TLoadResult::Accepted);
    ASSERT_NE(b.session->CommittedMotor(), nullptr);
    EXPECT_EQ(b.session->CommittedMotor()->msv_model_all, "MY-400");
    EXPECT_EQ(b.session->CommittedMotor()->MotorRatedTorque, a.session->CommittedMotor()->MotorRatedTorque);
    EXPECT_TRUE(b.session->Commit().Committed());
    EXPECT_EQ(b.session->ProjectText(), committedText);
    EXPECT_TRUE(b.dialogs.messages.empty());

    // Option and CAD pages of user motors without a commitment.
    a.session->ReleaseCommit();
    test::StoreUserMotor(a, "KRS0201ANS0", "MY-200");
    a.session->ShowOptionDetail(TMotorReference::User("MY-400"));
    a.session->ShowCadDetail(TMotorReference::User("MY-200"));
    const std::string pagesText = a.session->ProjectText();
    test::StoreUserMotor(b, "KRS0201ANS0", "MY-200");
    ASSERT_EQ(b.session->LoadProjectText(pagesText), TProjectDocument::TLoadResult::Accepted);
    EXPECT_EQ(b.session->CommittedMotor(), nullptr);
    EXPECT_EQ(b.session->Commit().OptionMotor(), TMotorReference::User("MY-400"));
    EXPECT_EQ(b.session->Commit().CadMotor(), TMotorReference::User("MY-200"));
    EXPECT_EQ(b.session->ProjectText(), pagesText);
}

// A catalog motor's project is byte for byte what it was: no user motor element appears.
TEST(UserMotorProject, CatalogMotorFileUnchanged) {
    test::ExampleSession a("01_ball_screw_horizontal.kjb");
    a.session->CommitMotor(TMotorReference{6001, 601});
    const std::string text = a.session->ProjectText();
    EXPECT_EQ(text.find("UserMotor"), std::string::npos);
    pugi::xml_document doc;
    pugi::xml_node e = MotorElement(doc, text, "Commit");
    EXPECT_EQ(ReadMotorReference(e), (TMotorReference{6001, 601}));
}

// The user motor named by the project was deleted: the project opens with the catalog's
// message naming it, no motor is committed and the pages stay editable; the option and CAD
// pages lose it the same way. Committing it directly raises the same message.
TEST(UserMotorProject, DeletedUserMotorOpensWithMessageAndNoCommit) {
    struct Case {
        const char* what;
        bool commit;
    };
    const Case cases[] = {{"committed", true}, {"option and CAD pages", false}};
    for (const Case& c : cases) {
        test::ExampleSession a("01_ball_screw_horizontal.kjb");
        test::StoreUserMotor(a, "KRS0402ANS0", "GONE-1");
        if (c.commit) {
            a.session->CommitMotor(TMotorReference::User("GONE-1"));
        } else {
            a.session->ShowOptionDetail(TMotorReference::User("GONE-1"));
            a.session->ShowCadDetail(TMotorReference::User("GONE-1"));
        }
        const std::string text = a.session->ProjectText();

        test::ExampleSession b("01_ball_screw_horizontal.kjb");  // its folder has no such motor
        b.dialogs.messages.clear();
        ASSERT_EQ(b.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted) << c.what;
        const std::string expected = b.ctx->ErrorMessages().GetFormattedText("UserMotorNotFound", "GONE-1");
        ASSERT_FALSE(expected.empty());
        ASSERT_EQ(b.dialogs.messages.size(), 1u) << c.what;
        EXPECT_EQ(b.dialogs.messages[0].text, expected) << c.what;
        EXPECT_EQ(b.session->CommittedMotor(), nullptr) << c.what;
        EXPECT_FALSE(b.session->Commit().Committed()) << c.what;
        EXPECT_FALSE(b.session->Commit().OptionMotor().has_value()) << c.what;
        EXPECT_FALSE(b.session->Commit().CadMotor().has_value()) << c.what;
        EXPECT_TRUE(b.session->Machine().Editable()) << c.what;
        try {
            b.session->CommitMotor(TMotorReference::User("GONE-1"));
            ADD_FAILURE() << "a deleted user motor was committed";
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
}
