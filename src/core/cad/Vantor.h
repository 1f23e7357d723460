// The CAD export run: hand-over file, target name, overwrite question, the CAD data program
// started with the hand-over file, the target and the view switch, its drawing put under the
// target name, each failure's message, and the hand-over file removed in every case.
#pragma once

#include "base/NameValueList.h"
#include "cad/CadMotor.h"

#include <string>

namespace kinemo {

class IBusyCursor;
class IProgress;
class IUserDialogs;
class TCatalogQuery;
class TRegistry;
struct TCadRunResult;

// What the run needs from its surroundings.
struct TCadLinkServices {
    const TRegistry* Registry = nullptr;
    std::string ProgramFolder;  // relative program paths of the registry are taken from here
    std::string HandOverFolder; // each run makes its own hand-over file here (the temporary folder)
    int TimeLimitMs = 60000;
    IUserDialogs* Dialogs = nullptr;
    IBusyCursor* Busy = nullptr;
    IProgress* Wait = nullptr;  // the wait window
};

struct TCadExportRequest {
    TCadMotor Motor;
    int ImageType = 0;          // 0 3D, 1 front, 2 left side, 3 right side
    std::string FileName;       // as typed
    std::string SaveTypeEntry;  // the chosen save type ("Description (*.ext)")
    std::string BaseFolder;     // where a relative file name is taken from
};

enum class TCadExportOutcome { Done, Cancelled, Failed };

struct TCadExportResult {
    TCadExportOutcome Outcome = TCadExportOutcome::Failed;
    std::string MessageKey;  // the form_vantor key of the message shown
    std::string Detail;      // why, below that message: the program's exit status and own words
    std::string Target;      // the drawing's full name, once known
};

class TVantor {
public:
    // texts: s_message class "form_vantor".
    TVantor(TCatalogQuery& query, const TNameValueList& texts, const TCadLinkServices& services);

    // Runs one export; every message goes to the dialogs, the outcome is also returned.
    TCadExportResult Execute(const TCadExportRequest& request);

private:
    TCadExportResult Fail(TCadExportResult r, const std::string& key, const std::string& argument = "",
                          const std::string& detail = "");
    // The lines that say how the program ended and what it wrote.
    std::string RunDetail(const std::string& program, const TCadRunResult& run) const;
    TCadExportResult RunProgram(TCadExportResult r, const TCadExportRequest& request,
                                const std::string& handOver);

    TCatalogQuery& query_;
    TNameValueList texts_;
    TCadLinkServices services_;
};

}  // namespace kinemo
