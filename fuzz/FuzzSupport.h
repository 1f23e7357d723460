// Shared pieces of the fuzz targets: the sample catalog beside the executable, a scratch
// file for readers that take a path, and dialogs that answer without a user.
#pragma once

#include "base/UserDialogs.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kinemo::fuzz {

// Kinemo.db in the folder of the running fuzzer.
std::string SampleCatalogPath();

// A folder of this process under $TMPDIR (or /tmp), made on first use and removed at exit.
const std::string& ScratchFolder();

// Writes the input to path (replacing it); aborts when that fails.
void WriteBytes(const std::string& path, const uint8_t* data, size_t size);
// Writes the input to ScratchFolder() + "/" + name and returns the path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

// Answers every question with its first offered button of Yes, OK; says nothing.
class TQuietDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string& text, TMsgDlgType type, unsigned buttons) override;
};

}  // namespace kinemo::fuzz
