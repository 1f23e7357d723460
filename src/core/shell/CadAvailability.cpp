// The CAD availability rule of start-up.
#include "shell/CadAvailability.h"

#include "base/Registry.h"

namespace kinemo {

TCadAvailability CheckCadAvailability(const TRegistry& registry, const std::string& registryPath,
                                      const std::string& language) {
    TCadAvailability a;
    if (!registry.KeyExists(registryPath)) return a;
    a.Language = registry.ReadString(registryPath, "Language").value_or("");
    a.Available = a.Language == language;
    return a;
}

}  // namespace kinemo
