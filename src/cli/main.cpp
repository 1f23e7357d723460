// kinemo-cli entry point: dispatches to the sub-commands.
#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        kinemo::cli::PrintUsage(stdout);
        return args.empty() ? 2 : 0;
    }
    try {
        return kinemo::cli::Dispatch(args);
    } catch (const kinemo::cli::ReportedFailure&) {
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinemo-cli: %s\n", e.what());
        return 1;
    }
}
