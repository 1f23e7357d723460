// Trace lines kept as shared runs read exactly as the plain list of lines they stand for,
// whatever mix of single lines, shared blocks, repeats, parts and truncations made them.
#include "machine/TraceLines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

using Lines = std::vector<std::string>;

TTraceBlock MakeBlock(Lines lines) { return std::make_shared<const Lines>(std::move(lines)); }

// One edit done on the shared-run trace and on a plain list side by side.
struct TStep {
    const char* what;
    std::function<void(TTraceLines&, Lines&)> apply;
};

void Repeat(Lines& plain, size_t first, size_t last) {
    const Lines part(plain.begin() + static_cast<std::ptrdiff_t>(first), plain.begin() + static_cast<std::ptrdiff_t>(last));
    plain.insert(plain.end(), part.begin(), part.end());
}

}  // namespace

TEST(TraceLines, EveryEditReadsAsThePlainList) {
    const std::vector<TStep> steps = {
        {"add a", [](TTraceLines& t, Lines& p) { t.Add("a"); p.push_back("a"); }},
        {"add b", [](TTraceLines& t, Lines& p) { t.Add("b"); p.push_back("b"); }},
        {"add block", [](TTraceLines& t, Lines& p) {
             t.Add(MakeBlock({"x", "y", "z"}));
             p.insert(p.end(), {"x", "y", "z"});
         }},
        {"add empty block", [](TTraceLines& t, Lines&) { t.Add(MakeBlock({})); }},
        {"add c", [](TTraceLines& t, Lines& p) { t.Add("c"); p.push_back("c"); }},
        {"repeat 1..4", [](TTraceLines& t, Lines& p) { t.Repeat(1, 4); Repeat(p, 1, 4); }},
        {"add d", [](TTraceLines& t, Lines& p) { t.Add("d"); p.push_back("d"); }},
        {"truncate 7", [](TTraceLines& t, Lines& p) { t.Truncate(7); p.resize(7); }},
        {"add e after truncation", [](TTraceLines& t, Lines& p) { t.Add("e"); p.push_back("e"); }},
        {"block from 2", [](TTraceLines& t, Lines& p) {
             const TTraceBlock b = t.Block(2);
             EXPECT_EQ(*b, Lines(p.begin() + 2, p.end()));
         }},
        {"add f after the block", [](TTraceLines& t, Lines& p) { t.Add("f"); p.push_back("f"); }},
        {"append a part of itself", [](TTraceLines& t, Lines& p) {
             const TTraceLines part = t.Part(3, 6);
             EXPECT_EQ(part.Lines(), Lines(p.begin() + 3, p.begin() + 6));
             t.Append(part);
             Repeat(p, 3, 6);
         }},
        {"truncate 0 and add g", [](TTraceLines& t, Lines& p) {
             t.Truncate(0);
             p.clear();
             t.Add("g");
             p.push_back("g");
         }},
    };
    TTraceLines trace;
    Lines plain;
    for (const TStep& step : steps) {
        step.apply(trace, plain);
        EXPECT_EQ(trace.Lines(), plain) << step.what;
        EXPECT_EQ(trace.Size(), plain.size()) << step.what;
    }
}

TEST(TraceLines, ACopyKeepsItsLinesWhileTheOriginalGoesOn) {
    TTraceLines trace;
    trace.Add("one");
    trace.Add("two");
    const TTraceLines copy = trace;
    trace.Add("three");  // the original's open run may grow: the copy still ends at two
    trace.Truncate(1);
    trace.Add("again");
    EXPECT_EQ(copy.Lines(), (Lines{"one", "two"}));
    EXPECT_EQ(trace.Lines(), (Lines{"one", "again"}));
    trace.Clear();
    EXPECT_EQ(copy.Lines(), (Lines{"one", "two"}));
    EXPECT_TRUE(trace.Empty());
}

TEST(TraceLines, ABlockDoesNotGrowWithLaterLines) {
    TTraceLines trace;
    trace.Add("head");
    trace.Add("one");
    trace.Add("two");
    const TTraceBlock block = trace.Block(1);
    trace.Add("three");
    EXPECT_EQ(*block, (Lines{"one", "two"}));
    TTraceLines other;
    other.Add(block);
    other.Add("own");
    EXPECT_EQ(*block, (Lines{"one", "two"}));
    EXPECT_EQ(other.Lines(), (Lines{"one", "two", "own"}));
    EXPECT_EQ(trace.Lines(), (Lines{"head", "one", "two", "three"}));
}
