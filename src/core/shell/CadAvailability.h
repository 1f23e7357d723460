// Whether the CAD-data program is usable: its registry key exists and its "Language"
// value equals the catalog's vantor_language exactly.
#pragma once

#include <string>

namespace kinemo {

class TRegistry;

struct TCadAvailability {
    bool Available = false;  // the CAD page is shown
    std::string Language;    // the program's "Language" value; empty when not read

    // A CAD program of another language is installed: the user is told once at start-up.
    bool LanguageMismatch() const { return !Language.empty() && !Available; }
};

TCadAvailability CheckCadAvailability(const TRegistry& registry, const std::string& registryPath,
                                      const std::string& language);

}  // namespace kinemo
