// kinemo-cli info: the program and catalog versions and every catalog table's row count.
#include "cli/Commands.h"
#include "cli/CliSupport.h"

#include "base/ApplicationVersion.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

int RunInfo(const Arguments& args) {
    if (!args.positional.empty()) throw UsageError{"unexpected argument " + args.positional[0]};
    std::unique_ptr<TCatalog> catalog;
    try {
        catalog = std::make_unique<TCatalog>(args.CatalogPath());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinemo-cli: %s\n", e.what());
        return 2;
    }
    TCatalogQuery query(*catalog);
    std::printf("ApplicationVersion=%s\n", ApplicationVersionText().c_str());
    std::printf("MDBVersion=%s\n", ReadMdbVersionText(query).c_str());
    for (const std::string& table : catalog->TableNames())
        std::printf("%s=%lld\n", table.c_str(), catalog->RowCount(table));
    return 0;
}

const CommandRegistrar kRegister({"info", "info [--catalog PATH]", RunInfo, {}});

}  // namespace

}  // namespace kinemo::cli
