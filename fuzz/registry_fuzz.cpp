// libFuzzer target: arbitrary bytes as registry.ini, asked for the keys the program reads
// and for a key and value name taken from the input itself.
#include "FuzzSupport.h"

#include "shell/CadAvailability.h"
#include "base/ConfigFile.h"
#include "base/Registry.h"
#include "base/WindowPlacement.h"

#include <string>

using namespace kinemo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("registry.ini", data, size);
    const TRegistry registry({path, fuzz::ScratchFolder() + "/missing.ini"});
    // The first two lines of the input as a key path and a value name.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t first = text.find('\n');
    const std::string key = text.substr(0, first);
    const size_t second = first == std::string::npos ? std::string::npos : text.find('\n', first + 1);
    const std::string name = first == std::string::npos ? "" : text.substr(first + 1, second - first - 1);
    for (const std::string& k : {key, std::string("Software\\Kinemo\\CAD"), std::string("/Software/Kinemo/CAD/")}) {
        registry.KeyExists(k);
        for (const std::string& n : {name, std::string("@"), std::string(""), std::string("Language")})
            registry.ReadString(k, n);
        CheckCadAvailability(registry, k, name);
    }
    // The same bytes as an ini file read for numbers (the settings reader's integers and the
    // window place): every number is range-checked before it becomes an int.
    const TConfigFile ini(path);
    ini.ReadInteger(key, name, 0);
    const TWindowPlacement place = TWindowPlacement::Read(ini);
    if (place.Normal) PlaceWithinScreens(*place.Normal, {{0, 0, 1920, 1040}}, 640, 480);
    return 0;
}
