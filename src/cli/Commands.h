// The sub-commands of kinemo-cli and the small argument reader they share.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kinemo::cli {

// Positional arguments and "--name value" / "--flag" options of one sub-command.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // flags map to "1"

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& def = "") const;
    // The catalog named by --catalog, else Kinemo.db beside the executable (build tree) or in
    // ../share/kinemo/ (installed).
    std::string CatalogPath() const;
};

// Thrown for wrong usage; main prints the message and the command's usage, exit 2.
struct UsageError {
    std::string message;
};

// Thrown after the failure has been told on stderr already (a project's load message):
// main exits 1 without repeating it.
struct ReportedFailure {};

using CommandFn = int (*)(const Arguments&);

struct CommandInfo {
    const char* name;
    const char* usage;
    CommandFn run;
    std::vector<std::string> flags;  // options that take no value
};

// Each command file registers itself with a static CommandRegistrar.
void RegisterCommand(const CommandInfo& info);
struct CommandRegistrar {
    explicit CommandRegistrar(const CommandInfo& info) { RegisterCommand(info); }
};

void PrintUsage(FILE* out);
int Dispatch(const std::vector<std::string>& args);

}  // namespace kinemo::cli
