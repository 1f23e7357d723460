// Physical ranges of the sample catalog's input values, enforced on typing, on opening a
// project or a user element file, and before any calculation; a catalog without ranges
// limits nothing.
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "core/machine/MachineFixture.h"
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "machine/MachineServices.h"
#include "machine/PropertyGridModel.h"
#include "machine/UserFactorFile.h"
#include "support/TestSupport.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kinemo;

namespace {

constexpr double kTolerance = 1e-9;  // relative, for values converted between units

struct SampleJob {
    SampleJob() {
        ctx = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs);
        EXPECT_TRUE(ctx->ReadCatalogConfig());
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    test::TempDir dir;
    test::TRecordingDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

// One numeric item of one catalog element.
struct ItemRef {
    int element;
    int item;
    std::string elementName, itemName;
};

// Every numeric item of every catalog element of the sample catalog.
std::vector<ItemRef> AllItems(TKinemoContext& ctx) {
    std::vector<ItemRef> out;
    for (auto& block : ctx.Blocks().Blocks())
        for (auto& f : block->Factors()) {
            if (f->IsUserFactor()) continue;
            for (auto& item : f->InputItems())
                if (item->Kind() == TInputKind::Numeric) out.push_back({f->ID, item->ID, f->Name, item->Name});
        }
    return out;
}

// Values just outside the range on each limited side (formula unit).
std::vector<double> OutsideValues(const TInputRange& r) {
    std::vector<double> out;
    if (r.HasMin) out.push_back(r.MinOpen ? r.Min : r.Min - std::max(1.0, std::fabs(r.Min) * 0.01));
    if (r.HasMax) out.push_back(r.MaxOpen ? r.Max : r.Max + std::max(1.0, std::fabs(r.Max) * 0.01));
    out.push_back(-1e300);
    out.push_back(1e300);
    return out;
}

// Places a clone of catalog element id at the end of the session's chain, behind a ball
// screw when it needs a linear input; returns its chain position.
int Place(TSizingSession& s, TKinemoContext& ctx, int id) {
    TChoiceFactorModel& m = s.Machine();
    TFactor& element = *ctx.Blocks().FindFactorByID(id);
    m.SetCurrentColumn(0);
    if (element.Block->DockingInZero != 1) {
        EXPECT_TRUE(m.AddFactor(*ctx.Blocks().FindFactorByID(301)));
    }
    EXPECT_TRUE(m.AddFactor(element)) << "placing element " << id;
    return m.CurrentColumn();
}

}  // namespace

// The sample catalog limits every numeric item of its elements on both sides, and every
// default value lies inside.
TEST(InputRange, EveryItemOfTheSampleCatalogHasARange) {
    SampleJob job;
    const std::vector<ItemRef> items = AllItems(*job.ctx);
    ASSERT_GT(items.size(), 80u);
    for (const ItemRef& ref : items) {
        SCOPED_TRACE(ref.elementName + " / " + ref.itemName);
        const TInputData* item = job.ctx->Blocks().FindFactorByID(ref.element)->FindInputItemByID(ref.item);
        EXPECT_TRUE(item->Range.HasMin && item->Range.HasMax);
        EXPECT_TRUE(item->InRange());
    }
}

// Typed values with their messages, in the display unit the user sees (the default units
// of the sample catalog: mm, kg, kg·cm², deg).
TEST(InputRange, TypedValuesOutsideTheRangeAreRefusedWithTheRangeInTheDisplayUnit) {
    struct Case {
        int element, item;
        const char* typed;
        const char* message;  // empty: accepted
    };
    const Case cases[] = {
        {401, 40101, "-50", "\"Moving mass (table and workpiece)\" cannot be -50 kg: it must be 0 < value ≤ 100000 kg."},
        {401, 40101, "0", "\"Moving mass (table and workpiece)\" cannot be 0 kg: it must be 0 < value ≤ 100000 kg."},
        {401, 40101, "1e300", "\"Moving mass (table and workpiece)\" cannot be 1E300 kg: it must be 0 < value ≤ 100000 kg."},
        {401, 40101, "100000", ""},
        {401, 40102, "-0.1", "\"Friction coefficient of the guide\" cannot be -0.1 -: it must be 0 ≤ value ≤ 2 -."},
        {401, 40102, "0", ""},
        {401, 40104, "91", "\"Inclination of the axis (0 horizontal, 90 vertical)\" cannot be 91 deg: it must be -90 ≤ value ≤ 90 deg."},
        {401, 40104, "-90", ""},
        {301, 30101, "0", "\"Lead\" cannot be 0 mm: it must be 0 < value ≤ 1000 mm."},
        {301, 30104, "0", "\"Screw shaft material density\" cannot be 0 kg/m³: it must be 0 < value ≤ 25000 kg/m³."},
        {301, 30106, "1.01", "\"Efficiency\" cannot be 1.01 -: it must be 0 < value ≤ 1 -."},
        {301, 30106, "1", ""},
        {301, 30109, "5", "\"Shaft mounting (1 fixed-free, 2 supported-supported, 3 fixed-supported, 4 fixed-fixed)\" cannot be 5 -: it must be 1 ≤ value ≤ 4 -."},
        // Inertia is shown in kg·cm²: the limit of 10 000 kg·m² reads 100 000 000 kg·cm².
        {201, 20103, "-1", "\"Inertia at the input shaft\" cannot be -1 kg·cm²: it must be 0 ≤ value ≤ 100000000 kg·cm²."},
        {404, 40402, "-1000", ""},  // a force of fixed direction may point either way
        {404, 40401, "-1000", "\"Force opposing the motion\" cannot be -1000 N: it must be 0 ≤ value ≤ 1000000 N."},
        // A text that is no number is refused as such, not as a 0 nobody typed.
        {201, 20101, "abc", "\"abc\" is not a number. Enter a number for \"Reduction ratio (input speed / output speed)\"; the value is unchanged."},
    };
    SampleJob job;
    TMaterialManager materials(job.ctx->Query());
    TPropertyGridModel grid(materials, job.ctx->Measures(), job.ctx->ValueFormat());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.typed);
        std::unique_ptr<TFactor> element = job.ctx->Blocks().FindFactorByID(c.element)->Clone();
        grid.SetElement(element.get());
        int row = -1;
        for (int r = 0; r < grid.RowCount(); ++r)
            if (grid.ItemAt(r) && grid.ItemAt(r)->ID == c.item) row = r;
        ASSERT_GE(row, 0);
        const double before = element->FindInputItemByID(c.item)->Value;
        if (*c.message == 0) {
            EXPECT_NO_THROW(grid.CommitText(row, c.typed));
            continue;
        }
        try {
            grid.CommitText(row, c.typed);
            ADD_FAILURE() << "accepted";
        } catch (const TKinemoError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(element->FindInputItemByID(c.item)->Value, before);
    }
    grid.SetElement(nullptr);
}

// Every item of every element: typing just outside either limit is refused and leaves the
// value as it was; the limits themselves are accepted where the range is closed.
TEST(InputRange, EveryItemRefusesTypedValuesOutsideItsRange) {
    SampleJob job;
    TMaterialManager materials(job.ctx->Query());
    TPropertyGridModel grid(materials, job.ctx->Measures(), job.ctx->ValueFormat());
    for (const ItemRef& ref : AllItems(*job.ctx)) {
        SCOPED_TRACE(ref.elementName + " / " + ref.itemName);
        std::unique_ptr<TFactor> element = job.ctx->Blocks().FindFactorByID(ref.element)->Clone();
        grid.SetElement(element.get());
        int row = -1;
        for (int r = 0; r < grid.RowCount(); ++r)
            if (grid.ItemAt(r) && grid.ItemAt(r)->ID == ref.item) row = r;
        ASSERT_GE(row, 0);
        TInputData& item = *element->FindInputItemByID(ref.item);
        const double before = item.Value;
        for (double bad : OutsideValues(item.Range)) {
            const std::string typed = FloatToText(item.ToDisplay(bad));
            try {
                grid.CommitText(row, typed);
                ADD_FAILURE() << "accepted " << typed;
            } catch (const TKinemoError& e) {
                const std::string message = e.what();
                EXPECT_NE(message.find("\"" + ref.itemName + "\""), std::string::npos) << message;
                EXPECT_NE(message.find(typed), std::string::npos) << message;
            }
            EXPECT_EQ(item.Value, before);
        }
        for (auto [limit, open, has] : {std::tuple{item.Range.Min, item.Range.MinOpen, item.Range.HasMin},
                                        std::tuple{item.Range.Max, item.Range.MaxOpen, item.Range.HasMax}}) {
            if (!has || open) continue;
            EXPECT_NO_THROW(grid.CommitText(row, FloatToText(item.ToDisplay(limit))));
            EXPECT_NEAR(item.GetValue(), limit, kTolerance * std::max(1.0, std::fabs(limit)));
        }
        grid.SetElement(nullptr);
    }
}

// Every item of every element: a project holding a value outside its range opens with a
// message naming element, position, item and value; the value is kept; the chain, the
// judgement and the check of the element page refuse until it is corrected.
TEST(InputRange, ProjectsWithValuesOutsideTheRangeOpenWithAMessageAndDoNotCalculate) {
    SampleJob author;
    SampleJob reader;
    for (const ItemRef& ref : AllItems(*author.ctx)) {
        SCOPED_TRACE(ref.elementName + " / " + ref.itemName);
        author.session->NewProject();
        const int position = Place(*author.session, *author.ctx, ref.element);
        TFactor* placed = author.session->Chain().GetFactor(position);
        TInputData& item = *placed->FindInputItemByID(ref.item);
        const double bad = OutsideValues(item.Range).front();
        item.SetValue(bad);
        const std::string text = author.session->ProjectText();

        reader.dialogs.messages.clear();
        ASSERT_EQ(reader.session->LoadProjectText(text), TProjectDocument::TLoadResult::Accepted);
        ASSERT_EQ(reader.dialogs.messages.size(), 1u);
        const std::string message = reader.dialogs.messages[0].text;
        EXPECT_EQ(reader.dialogs.messages[0].type, TMsgDlgType::Warning);
        const std::string line = "Element " + std::to_string(position) + " \"" + ref.elementName + "\": \"" +
                                 ref.itemName + "\" = " + FloatToText(item.Value) + " ";
        EXPECT_NE(message.find(line), std::string::npos) << message;
        TInputData& loaded = *reader.session->Chain().GetFactor(position)->FindInputItemByID(ref.item);
        EXPECT_NEAR(loaded.GetValue(), bad, kTolerance * std::max(1.0, std::fabs(bad)));
        EXPECT_EQ(reader.session->MachineProblemText(), message);
        EXPECT_THROW(reader.session->Chain().CalcChain(false, false), TKinemoError);
        EXPECT_THROW(reader.session->PrepareJudgement(), TKinemoError);
        EXPECT_FALSE(reader.session->Machine().CheckInputs());

        loaded.SetValue(author.ctx->Blocks().FindFactorByID(ref.element)->FindInputItemByID(ref.item)->GetValue());
        EXPECT_EQ(reader.session->MachineProblemText(), "");
        EXPECT_NO_THROW(reader.session->Chain().CalcChain(false, false));
    }
}

// Every item of every element: a user element file with a value outside its range is
// read with a message listing the item and keeps the value for the editor.
TEST(InputRange, UserElementFilesWithValuesOutsideTheRangeAreReportedAndKept) {
    SampleJob job;
    TMachineServices& services = job.ctx->Machine();
    std::vector<std::string> reports;
    services.ReportUserFactorRange = [&](const std::string& m) { reports.push_back(m); };
    int n = 0;
    for (const ItemRef& ref : AllItems(*job.ctx)) {
        SCOPED_TRACE(ref.elementName + " / " + ref.itemName);
        std::unique_ptr<TFactor> element = job.ctx->Blocks().FindFactorByID(ref.element)->Clone();
        TInputData& item = *element->FindInputItemByID(ref.item);
        const double bad = OutsideValues(item.Range).front();
        item.SetValue(bad);
        const std::string path = job.dir.File("Mine" + std::to_string(n) + ".kuf");
        WriteUserFactorFile(path, *element, ref.element, {}, job.ctx->Run().ApplicationVersionText,
                            job.ctx->Run().MdbVersionText);
        reports.clear();
        std::unique_ptr<TUserFactor> user = ReadUserFactorFile(path, n++, job.dir.Path() + "/", ".kuf", services);
        ASSERT_TRUE(user);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("\"Mine"), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find("\"" + ref.itemName + "\" = " + FloatToText(item.Value)), std::string::npos)
            << reports[0];
        std::unique_ptr<TFactor> placed = user->Clone();
        EXPECT_NEAR(placed->FindInputItemByID(ref.item)->GetValue(), bad, kTolerance * std::max(1.0, std::fabs(bad)));
        EXPECT_EQ(TInputCheck::Violations(*placed).size(), 1u);
    }
}

// A catalog without the range columns (the small test catalog) accepts any finite value
// and refuses only non-finite ones.
TEST(InputRange, ACatalogWithoutRangesLimitsNothing) {
    test::MachineFixture fx;
    TMaterialManager materials(*fx.query);
    TValueFormat format(4);
    TPropertyGridModel grid(materials, *fx.measures, format);
    fx.Add(30);
    TFactor& table = fx.Add(40);
    grid.SetElement(&table);
    EXPECT_FALSE(table.FindInputItemByID(400)->Range.Limited());
    grid.CommitText(2, "-50");
    EXPECT_DOUBLE_EQ(table.FindInputItemByID(400)->GetValue(), -50);
    EXPECT_TRUE(TInputCheck::Violations(*fx.chain).empty());
    TInputData& mass = *table.FindInputItemByID(400);
    EXPECT_THROW(TInputCheck(fx.errors.get()).CheckTyped(mass, HUGE_VAL), TKinemoError);
    EXPECT_THROW(TInputCheck(fx.errors.get()).CheckTyped(mass, std::nan("")), TKinemoError);
}
