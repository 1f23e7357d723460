// The drawing's target name: the typed name made absolute, with the extension of the chosen
// save type when none was typed; and the save type lists of the export page.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

// The lines of a T_VANTOR_COMBOBOX save type value (CR LF, LF or CR separated), blank lines
// left out.
std::vector<std::string> SaveTypeEntries(const std::string& value);

// The extension of a save type entry "Description (*.ext)": the text after "(*" without its
// last character (".ext"); empty when the entry has no "(*".
std::string SaveTypeExtension(const std::string& entry);

// True when the last path component has an extension ("a.dxf"; not "a", ".dxf", "dir.d/a").
bool HasExtension(const std::string& path);

// typed made absolute against baseFolder (when relative) and given the save type's
// extension when it has none. A typed "~/" is the home folder.
std::string CadTargetFileName(const std::string& typed, const std::string& saveTypeEntry,
                              const std::string& baseFolder);

// The folder part of a path ("" for a bare name).
std::string FolderOf(const std::string& path);

}  // namespace kinemo
