// Shared pieces of the fuzz targets.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace kinemo::fuzz {

std::string SampleCatalogPath() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / "Kinemo.db").string();
}

namespace {

struct Scratch {
    Scratch() {
        const char* tmp = std::getenv("TMPDIR");
        std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/kinemo_fuzz_XXXXXX";
        if (!::mkdtemp(tmpl.data())) std::abort();
        path = tmpl;
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string path;
};

}  // namespace

const std::string& ScratchFolder() {
    static Scratch scratch;
    return scratch.path;
}

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    WriteBytes(path, data, size);
    return path;
}

int TQuietDialogs::ShowMessageDialog(const std::string&, TMsgDlgType, unsigned buttons) {
    return (buttons & mbYes) ? mrYes : mrOk;
}

}  // namespace kinemo::fuzz
