// libFuzzer target: the CAD hand-over template expanded with a parts row, and the expanded
// file read back as kinemo-cad reads it. The input is the template, a NUL, then the row's
// name=value lines.
#include "MotorParts.h"
#include "base/NameValueList.h"
#include "cad/HandOverFile.h"
#include "cad/PartsTemplate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kinemo;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string templ = input.substr(0, split);
    TNameValueList row;
    if (split != std::string::npos) {
        std::istringstream lines(input.substr(split + 1));
        for (std::string line; std::getline(lines, line);) row.Add(line);
    }
    const std::string expanded = ExpandPartsTemplate(templ, row);
    // Without a marker the template is copied whole; without values no marker adds text.
    if (templ.find("{[%]") == std::string::npos && expanded != templ) std::abort();
    if (ExpandPartsTemplate(templ, TNameValueList()).size() > templ.size()) std::abort();
    row.SetValue("mvtv_value", templ);
    for (int type = -1; type <= kCadImageTypeCount; ++type) {
        const std::string text = HandOverText(row, ImageTypeSwitch(type));
        try {
            (void)cad::ParseMotorParts(text);
        } catch (const cad::TPartsError&) {
        }
    }
    return 0;
}
