// The program's version text and the three-level version check shared by start-up,
// project files and user element files.
#pragma once

#include <optional>
#include <string>

namespace kinemo {

class IUserDialogs;
class TCatalogQuery;

// major.minor.release.build of this program.
std::string ApplicationVersionText();

// Which level of two version texts differs first: 0 none, 1 major, 2 minor, 3 release.
// Components are compared as exact texts; a missing or empty component never matches;
// the build component is never compared.
int VersionMismatchLevel(const std::string& own, const std::string& other);

// Compares own with other; on a mismatch shows s_message class "main_window", key
// key + "_1" / "_2" (OK, refused) or asks key + "_3" (Yes accepts). formatArgument,
// when given, is the one "%s" argument of the text.
bool CheckVersion(const std::string& own, const std::string& other, const std::string& key,
                  const std::optional<std::string>& formatArgument, TCatalogQuery& query, IUserDialogs& dialogs);

// Key stem + "_Application" against ApplicationVersionText.
bool CheckApplicationVersion(const std::string& applicationVersion, const std::string& other,
                             const std::string& keyStem, const std::optional<std::string>& formatArgument,
                             TCatalogQuery& query, IUserDialogs& dialogs);
// Key stem + "_Mdb" against the catalog's version text.
bool CheckMdbVersion(const std::string& mdbVersion, const std::string& other, const std::string& keyStem,
                     const std::optional<std::string>& formatArgument, TCatalogQuery& query,
                     IUserDialogs& dialogs);

}  // namespace kinemo
