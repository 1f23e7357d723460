// Judging the design variants of a project builds one variant's text at a time: the heap
// grows with the number of variants, not with its square.
#include "session/DesignVariants.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/SpecialFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <malloc.h>
#include <sstream>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KINEMO_TEST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KINEMO_TEST_ASAN 1
#endif
#ifdef KINEMO_TEST_ASAN
#include <sanitizer/allocator_interface.h>
#endif

using namespace kinemo;

namespace {

size_t HeapInUse() {
#ifdef KINEMO_TEST_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// The largest heap in use seen at any variant's turn.
struct TPeakHeap : IProgress {
    size_t peak = 0;
    int calls = 0;
    void Progress(int, int, const std::string&) override {
        peak = std::max(peak, HeapInUse());
        ++calls;
    }
};

}  // namespace

TEST(VariantsMemory, TwoHundredVariantsAreJudgedOneAtATime) {
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    TKinemoContext ctx(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
    ASSERT_TRUE(ctx.ReadCatalogConfig());
    TSizingSession session(ctx);
    session.Initialize();
    ASSERT_EQ(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"),
              TProjectDocument::TLoadResult::Accepted);
    session.Variants().Add("V2");
    // 200 variants: the one kept copied under new names.
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(session.ProjectText().c_str()));
    pugi::xml_node variants = doc.child("KINEMO").child("Variants");
    const pugi::xml_node first = variants.find_child_by_attribute("Variant", "Name", "Variant 1");
    ASSERT_TRUE(first);
    constexpr int kCount = 200;
    for (int i = 3; i <= kCount; ++i)
        variants.append_copy(first).attribute("Name").set_value(("V" + std::to_string(i)).c_str());
    std::ostringstream out;
    doc.save(out, "  ");
    doc.reset();
    const std::string project = out.str();
    ASSERT_EQ(session.LoadProjectText(project), TProjectDocument::TLoadResult::Accepted);
    ASSERT_EQ(session.Variants().Count(), kCount);
    const std::string loaded = session.ProjectText();

    const size_t before = HeapInUse();
    TPeakHeap heap;
    const std::vector<TVariantFigures> table = session.Variants().Evaluate(nullptr, &heap);
    ASSERT_EQ(table.size(), static_cast<size_t>(kCount));
    EXPECT_EQ(heap.calls, kCount);
    for (const TVariantFigures& f : table) EXPECT_TRUE(f.Error.empty()) << f.Name << ": " << f.Error;
    EXPECT_EQ(table.front().Motor, table.back().Motor);
    // Every variant's text at once, each holding all 200 variants, is about 200 times the
    // project; one parsed project and one variant's text are a few times it.
    const size_t grown = heap.peak > before ? heap.peak - before : 0;
    EXPECT_LT(grown, 20 * loaded.size()) << "project " << loaded.size() << " bytes, heap grew " << grown;
    EXPECT_TRUE(session.ProjectText() == loaded);  // (a diff of two such texts would not fit in memory)
}
