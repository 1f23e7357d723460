// Writes a file through a temporary file in the same folder and a rename, so a crash or
// a full disk never leaves a half-written target behind.
#pragma once

#include <string>

namespace kinemo {

// Raises TKinemoError naming the path when the file cannot be written.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The whole file as bytes; raises TKinemoError naming the path when it cannot be read.
std::string ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace kinemo
