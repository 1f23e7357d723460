// libFuzzer target: kinemo-cad's hand-over file reader and the drawings of whatever it
// accepts (views and solid) must never crash, whatever the file holds.
#include "MotorParts.h"
#include "MotorSolid.h"
#include "MotorViews.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kinemo::cad;
    try {
        const TMotorParts parts = ParseMotorParts(std::string(reinterpret_cast<const char*>(data), size));
        for (TView v : {TView::Front, TView::Left, TView::Right}) (void)DrawView(parts, v).Dxf();
        (void)BuildMotorSolid(parts).Stl("fuzz");
    } catch (const TPartsError&) {
    }
    return 0;
}
