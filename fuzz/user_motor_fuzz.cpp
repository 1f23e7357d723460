// libFuzzer target: arbitrary bytes as a user motor data sheet, read and checked as the
// user motor folder reads them. A sheet the check accepts is written back and must read to
// the same values, and it is judged on an example project: the judgement either refuses
// it with a message or gives finite figures, never "nan" or "inf" in a grid column.
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "torque/JudgeOneMotor.h"
#include "torque/UserMotorSheet.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using namespace kinemo;

namespace {

struct Job {
    Job() : context(fuzz::SampleCatalogPath(), TSpecialFolder(fuzz::ScratchFolder() + "/cfg"), dialogs) {
        if (!context.ReadCatalogConfig()) std::abort();
        texts = TUserMotorTexts::Load(context.Query(), context.ErrorMessages());
        session = std::make_unique<TSizingSession>(context);
        session->Initialize();
        if (session->LoadProject(KINEMO_FUZZ_PROJECT) != TProjectDocument::TLoadResult::Accepted) std::abort();
        session->PrepareJudgement();
    }
    fuzz::TQuietDialogs dialogs;
    TKinemoContext context;
    TUserMotorTexts texts;
    std::unique_ptr<TSizingSession> session;
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// "nan" or "inf" as a word of a text, in any case ("INF W").
bool ShowsNonFinite(const std::string& text) {
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(text[i]))) : ' ';
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
            continue;
        }
        if (word == "nan" || word == "inf" || word == "infinity") return true;
        word.clear();
    }
    return false;
}

void CheckFinite(const char* column, double value) {
    if (!std::isfinite(value)) Fail("The judgement of an accepted sheet shows a non-finite figure", column);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;
    const std::string path = fuzz::WriteScratchFile("Motor.kmt", data, size);
    TUserMotorSheet sheet;
    try {
        sheet = TUserMotorSheet::Read(path, job->texts);
        sheet.Validate(job->texts);
    } catch (const TKinemoError& e) {
        if (std::string(e.what()).empty()) Fail("A refused sheet has no message", path);
        return 0;
    }

    const std::string copy = fuzz::ScratchFolder() + "/Copy.kmt";
    sheet.Write(copy);
    const TUserMotorSheet again = TUserMotorSheet::Read(copy, job->texts);
    for (const TUserMotorItem& item : TUserMotorSheet::Items())
        if (again.Value(item.Element) != sheet.Value(item.Element))
            Fail("A sheet written back reads another value", std::string(item.Element) + " [" + sheet.Value(item.Element) +
                                                                 "] -> [" + again.Value(item.Element) + "]");

    std::unique_ptr<TMotor> motor = sheet.ToMotor(job->texts);
    // The texts the grid shows that are made from numbers (the amplifier is the user's own
    // text and may say anything).
    for (const std::string* text : {&motor->mso_name, &motor->mss_name})
        if (ShowsNonFinite(*text)) Fail("An accepted sheet shows a non-finite number", *text);
    try {
        if (!JudgeOneMotor(job->session->Discharge(), *motor, FloatToText(motor->MotorRatedSupply),
                           job->context.ErrorMessages(), job->dialogs))
            return 0;
    } catch (const TKinemoError& e) {
        if (std::string(e.what()).empty()) Fail("A judgement refused without a message", sheet.Model());
        return 0;
    }
    CheckFinite("inertia ratio", motor->MotorInertiaRatio);
    CheckFinite("max speed", motor->MotorMaxSpeedMax);
    CheckFinite("effective torque %", motor->MotorEffectiveTorquePercent);
    CheckFinite("running torque %", motor->MotorRunningTorqueMaxPercent);
    CheckFinite("max torque %", motor->MotorMaxTorquePercent);
    double rate = 0;
    const std::string& loadRate = motor->RegenerationResistanceLoadRate;
    if (loadRate != "-" && !loadRate.empty() && !TryTextToFloat(loadRate, rate))
        Fail("The regeneration load rate is not a number", loadRate);
    return 0;
}
