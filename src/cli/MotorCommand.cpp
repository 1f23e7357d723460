// kinemo-cli motor: the user's motor data sheets (add a sheet file, list, remove).
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "torque/UserMotorSheet.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

int RunMotor(const Arguments& args) {
    if (args.positional.empty()) throw UsageError{"add FILE, list or remove MODEL expected"};
    const std::string& verb = args.positional[0];
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    const TUserMotorTexts texts = TUserMotorTexts::Load(ctx->Query(), ctx->ErrorMessages());
    TUserMotorStore store(ctx->Folders().UserMotorFolder(), texts);
    store.Reload();
    if (verb == "add") {
        if (args.positional.size() != 2) throw UsageError{"motor add FILE: one data sheet file expected"};
        const TUserMotorSheet sheet = TUserMotorSheet::Read(args.positional[1], texts);
        sheet.Validate(texts);
        // Replacing a motor the user has is asked first: --answer yes replaces, else nothing changes.
        TCliDialogs replace(args.Get("answer", "no") == "yes");
        if (store.Replaces(sheet) &&
            replace.ShowMessageDialog(FormatText(texts.Label("ReplaceConfirm"), {sheet.Model()}),
                                      TMsgDlgType::Confirmation, mbYes | mbNo) != mrYes)
            return 1;
        const std::string path = store.Add(sheet);
        std::printf("%s\n", path.c_str());
        return 0;
    }
    if (verb == "list") {
        if (args.positional.size() != 1) throw UsageError{"motor list takes no argument"};
        for (const std::string& problem : store.Problems()) std::fprintf(stderr, "%s\n", problem.c_str());
        std::printf("%s\n", texts.Label("ListHeading").c_str());
        for (const TUserMotorSheet& s : store.Sheets()) {
            // Sheets come from others: every value is one CSV field, never a formula.
            std::string line = CsvField(s.Model());
            for (const char* key : {"Amplifier", "RatedTorque", "MaxTorque", "RatedSpeed", "RotorInertia", "SupplyVoltage"})
                line += "," + CsvField(s.Value(key));
            std::printf("%s\n", line.c_str());
        }
        return 0;
    }
    if (verb == "remove") {
        if (args.positional.size() != 2) throw UsageError{"motor remove MODEL: one model name expected"};
        if (!store.Remove(args.positional[1]))
            throw TKinemoError(ctx->ErrorMessages().GetFormattedText("UserMotorUnknownModel", args.positional[1]));
        return 0;
    }
    throw UsageError{"unknown motor command " + verb};
}

const CommandRegistrar kRegister({"motor",
                                  "motor add FILE [--answer yes|no] | motor list | motor remove MODEL [--catalog PATH]",
                                  RunMotor, {}});

}  // namespace

}  // namespace kinemo::cli
