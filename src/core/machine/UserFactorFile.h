// User element files: one XML file per user-defined element, with copied pictures.
#pragma once

#include <memory>
#include <string>

namespace kinemo {

class TFactor;
class TUserFactor;
struct TMachineServices;

// Reads the file at path as the n-th user element (ID 100000 + n). Null when the file
// is not a user element file, names no known owner, holds a value that is no number or
// fails its version check; reason (when given) then receives why in the catalog's words
// (empty for a version refusal, which the user has just answered).
// Picture names are taken inside imageFolder only; a name that would leave it (an
// absolute path or "..") falls back to the owner's picture.
std::unique_ptr<TUserFactor> ReadUserFactorFile(const std::string& path, int n, const std::string& imageFolder,
                                                const std::string& extension, TMachineServices& services,
                                                std::string* reason = nullptr);

struct TUserFactorPictures {
    std::string Default, Select, Drag;  // names relative to imageFolder + element name
};

// Writes element (with its current values) as a user element file of owner ownerID.
void WriteUserFactorFile(const std::string& path, const TFactor& element, int ownerID,
                         const TUserFactorPictures& pictures, const std::string& applicationVersion,
                         const std::string& mdbVersion);

// True when name stays inside the folder it is relative to.
bool IsSafeRelativePictureName(const std::string& name);

}  // namespace kinemo
