// Command registry and argument parsing of kinemo-cli.
#include "cli/Commands.h"

#include "shell/CatalogChoice.h"

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace kinemo::cli {

namespace {

std::vector<CommandInfo>& Registry() {
    static std::vector<CommandInfo> commands;
    return commands;
}

std::string ExecutableDir() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

}  // namespace

std::string Arguments::Get(const std::string& name, const std::string& def) const {
    auto it = options.find(name);
    return it == options.end() ? def : it->second;
}

std::string Arguments::CatalogPath() const {
    return Get("catalog", kinemo::FindDataFolder(ExecutableDir()) + kinemo::CatalogLanguages().front().FileName);
}

void RegisterCommand(const CommandInfo& info) { Registry().push_back(info); }

void PrintUsage(FILE* out) {
    std::vector<CommandInfo> commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const CommandInfo& a, const CommandInfo& b) { return std::string(a.name) < b.name; });
    std::fprintf(out, "usage: kinemo-cli COMMAND [ARGS]\n");
    for (const auto& c : commands) std::fprintf(out, "  %s\n", c.usage);
}

int Dispatch(const std::vector<std::string>& args) {
    for (const auto& c : Registry()) {
        if (args[0] != c.name) continue;
        Arguments parsed;
        try {
            for (size_t i = 1; i < args.size(); ++i) {
                const std::string& a = args[i];
                if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
                    std::string name = a.substr(2);
                    if (std::find(c.flags.begin(), c.flags.end(), name) != c.flags.end()) {
                        parsed.options[name] = std::string(1, '1');  // not = "1": GCC 12 warns falsely (-Wrestrict)
                    } else {
                        if (i + 1 >= args.size()) throw UsageError{std::string("option --").append(name).append(" needs a value")};
                        parsed.options[name] = args[++i];
                    }
                } else {
                    parsed.positional.push_back(a);
                }
            }
            return c.run(parsed);
        } catch (const UsageError& e) {
            std::fprintf(stderr, "kinemo-cli: %s\nusage: kinemo-cli %s\n", e.message.c_str(), c.usage);
            return 2;
        }
    }
    std::fprintf(stderr, "kinemo-cli: unknown command '%s'\n", args[0].c_str());
    PrintUsage(stderr);
    return 2;
}

}  // namespace kinemo::cli
