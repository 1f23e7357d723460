// libFuzzer target: arbitrary bytes as a user element file, read as the element catalog
// reads it; an element the reader accepts is written back and must read again.
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "base/KinemoError.h"
#include "machine/Factor.h"
#include "machine/UserFactorFile.h"

#include <cstdio>
#include <cstdlib>

using namespace kinemo;

namespace {

struct Job {
    Job() : context(fuzz::SampleCatalogPath(), TSpecialFolder(fuzz::ScratchFolder() + "/cfg"), dialogs) {
        if (!context.ReadCatalogConfig()) std::abort();
        context.Machine();
    }
    fuzz::TQuietDialogs dialogs;
    TKinemoContext context;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;
    const std::string images = fuzz::ScratchFolder() + "/";
    const std::string path = fuzz::WriteScratchFile("Element.kuf", data, size);
    std::unique_ptr<TUserFactor> element;
    try {
        element = ReadUserFactorFile(path, 1, images, ".kuf", job->context.Machine());
    } catch (const TKinemoError&) {
        return 0;
    }
    if (!element) return 0;
    const int ownerID = element->Owner->ID;
    const std::string copy = fuzz::ScratchFolder() + "/Copy.kuf";
    WriteUserFactorFile(copy, *element->Owner, ownerID, {}, "1.0.0.0", "1.0.0.0");
    if (!ReadUserFactorFile(copy, 2, images, ".kuf", job->context.Machine())) {
        std::fprintf(stderr, "A user element written back does not read again\n");
        std::abort();
    }
    return 0;
}
