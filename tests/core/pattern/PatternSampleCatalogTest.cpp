// The drive pattern on the sample catalog: its formulas and units with real machines, the
// chain's speed coefficient, external-force marks read by the chain, and the section in a
// whole project file.
#include "core/pattern/PatternFixture.h"
#include "support/LooseChain.h"

#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "pattern/InputPatternModel.h"
#include "pattern/InputPatternPositionGridData.h"
#include "session/KinemoContext.h"
#include "session/ProjectDocument.h"

#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <pugixml.hpp>

namespace kinemo::test {
namespace {

using Data = TInputPatternGridData;
using Position = TInputPatternPositionGridData;

// Ball screw of lead 10 mm (V = 6 r/min per mm/s), 50 kg table, and a 100 N process force
// acting in marked intervals only.
const char* const kLinearMachine = R"(<FrameChoiceFactor>
  <Factor><FactorID>301</FactorID><InputData><Value InputDataID="30101">10</Value></InputData></Factor>
  <Factor><FactorID>401</FactorID><InputData><Value InputDataID="40101">50</Value></InputData></Factor>
  <Factor><FactorID>404</FactorID><InputData><Value InputDataID="40401">100</Value>
    <Value InputDataID="-2">1</Value></InputData></Factor>
</FrameChoiceFactor>)";

// Reducer 1:10 before a disc: 1 deg/s at the disc is 10/6 r/min at the motor.
const char* const kRotaryMachine = R"(<FrameChoiceFactor>
  <Factor><FactorID>201</FactorID><InputData><Value InputDataID="20101">10</Value></InputData></Factor>
  <Factor><FactorID>501</FactorID><InputData><Value InputDataID="50101">400</Value></InputData></Factor>
</FrameChoiceFactor>)";

class NoHost : public IProjectLoadHost {
public:
    void BeginProjectLoad() override {}
    void RestoreMotors(const std::optional<TMotorReference>&, const std::optional<TMotorReference>&,
                       const std::optional<TMotorReference>&) override {}
    void EndProjectLoad() override {}
};

class PatternSampleCatalogTest : public ::testing::Test {
protected:
    void LoadMachine(const char* xml) {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(xml));
        machine.LoadFromXML(doc.child("FrameChoiceFactor"));
    }
    // What entering the pattern page does.
    void EnterPage() {
        page->SetAxisKind(loose.chain.IsRolling());
        page->SetInputType(page->InputType());
        page->RefreshCarryOutputs();
        page->RecalculateCurrentAxis();
    }
    void Commit(int row, int column, double value) {
        page->CurrentGrid().CommitText(row + 2, column + 1, FloatToText(value));
    }
    const TCellData& Cell(int row, int column) { return page->CurrentGrid().Data().Cell(row, column); }

    TempDir dir;
    TRecordingDialogs dialogs;
    TKinemoContext ctx{SampleCatalogPath(), TSpecialFolder(dir.File("cfg")), dialogs};
    LooseChain loose{ctx};
    TChoiceFactorModel machine{loose.services, loose.chain, ctx.ErrorMessages(), dialogs, 10};
    std::unique_ptr<TInputPatternModel> page = std::make_unique<TInputPatternModel>(loose.Pattern());
};

TEST_F(PatternSampleCatalogTest, CatalogHasTheFormulasTextsAndSCurves) {
    for (const char* key : TDrivePatternFormulas::Keys())
        EXPECT_FALSE(loose.formulas.Text(key).empty()) << key;
    const TSigmoidalCurves& curves = ctx.SigmoidalCurves();
    ASSERT_GE(curves.Count(), 4);
    EXPECT_EQ(curves.Item(0).Modulus, "1");
    EXPECT_FALSE(curves.Item(0).Editable);
    int editable = 0;
    for (int i = 0; i < curves.Count(); ++i) editable += curves.Item(i).Editable ? 1 : 0;
    EXPECT_EQ(editable, 1);
    EXPECT_EQ(page->InputTypeItems().size(), 2u);
    for (auto axis : {TPatternAxis::Straight, TPatternAxis::Rolling})
        for (auto input : {TPatternInput::Speed, TPatternInput::Position}) {
            const TInputPatternGridModel& grid = page->Grid(axis, input);
            EXPECT_EQ(grid.ColumnTitles().size(), static_cast<size_t>(grid.DataColumnCount() + 2));
        }
}

TEST_F(PatternSampleCatalogTest, ALinearMoveRunsAtItsTrapezoidSpeedAndConvertsBothWays) {
    LoadMachine(kLinearMachine);
    EnterPage();
    EXPECT_EQ(page->AxisKind(), 0);
    ASSERT_NEAR(page->CurrentGrid().Data().Carry().V, 6, kPatternTolerance);
    ASSERT_TRUE(page->SetInputType(1));
    // 200 mm in 1 s with 0.2 s ramps, a dwell, and back in 1 s with 0.25 s ramps.
    Commit(1, Data::kTimeInterval, 1);
    Commit(1, Data::kPosition, 200);
    Commit(1, Position::kAccelerationTime, 0.2);
    Commit(1, Position::kDecelerationTime, 0.2);
    Commit(2, Data::kTimeInterval, 0.5);
    Commit(2, Data::kPosition, 200);
    Commit(3, Data::kTimeInterval, 1);
    Commit(3, Data::kPosition, 0);
    Commit(3, Position::kAccelerationTime, 0.25);
    Commit(3, Position::kDecelerationTime, 0.25);
    EXPECT_NEAR(Cell(1, Data::kSpeed).Value(), 250, kPatternTolerance);
    EXPECT_NEAR(Cell(1, Data::kFrequency).Value(), 1500, kPatternTolerance);
    EXPECT_NEAR(Cell(1, Position::kAcceleratedVelocity).DisplayValue(), 1.25, kPatternTolerance);  // m/s²
    EXPECT_NEAR(Cell(3, Data::kSpeed).Value(), -200 / 0.75, kPatternTolerance);
    // A motor behind a 1/5 gear head runs the same moves five times faster; the pattern
    // keeps the speeds of the chain it was computed with.
    const Data& data = page->CurrentGrid().Data();
    EXPECT_NEAR(data.FrequencyFor(1, 30), 7500, kPatternTolerance);
    EXPECT_NEAR(data.FrequencyFor(3, 6), Cell(3, Data::kFrequency).Value(), kPatternTolerance);
    EXPECT_NEAR(data.FrequencyFor(2, 30), 0, kPatternTolerance);  // the dwell
    EXPECT_NEAR(Cell(1, Data::kFrequency).Value(), 1500, kPatternTolerance);

    ASSERT_TRUE(page->SetInputType(0));
    EXPECT_NEAR(Cell(3, Data::kPosition).Value(), 200, kPatternTolerance);
    EXPECT_NEAR(Cell(7, Data::kPosition).Value(), 0, kPatternTolerance);
    ASSERT_TRUE(page->SetInputType(1));
    EXPECT_NEAR(Cell(3, Data::kElapsedTime).Value(), 2.5, kPatternTolerance);
    EXPECT_NEAR(Cell(3, Position::kDecelerationTime).Value(), 0.25, kPatternTolerance);
    EXPECT_TRUE(Cell(4, Data::kTimeInterval).Value() == 0);
}

TEST_F(PatternSampleCatalogTest, ARotarySpeedPatternIntegratesDegrees) {
    LoadMachine(kRotaryMachine);
    EnterPage();
    EXPECT_EQ(page->AxisKind(), 1);
    const double speeds[][2] = {{0.25, 90}, {0.5, 90}, {0.25, 0}};
    for (int r = 1; r <= 3; ++r) {
        Commit(r, Data::kTimeInterval, speeds[r - 1][0]);
        Commit(r, Data::kSpeed, speeds[r - 1][1]);
    }
    EXPECT_NEAR(Cell(1, Data::kFrequency).Value(), 150, kPatternTolerance);
    EXPECT_NEAR(Cell(3, Data::kPosition).Value(), 67.5, kPatternTolerance);
    EXPECT_NEAR(Cell(1, 5).Value(), 360, kPatternTolerance);  // deg/s²
    const Data& data = page->CurrentGrid().Data();
    EXPECT_NEAR(data.FrequencyFor(1, data.Carry().V * 5), 750, kPatternTolerance);
    EXPECT_NEAR(data.FrequencyFor(3, data.Carry().V * 5), 0, kPatternTolerance);
    EXPECT_NEAR(Cell(1, Data::kFrequency).Value(), 150, kPatternTolerance);
    ASSERT_TRUE(page->SetInputType(1));
    EXPECT_NEAR(Cell(1, Data::kPosition).Value(), 67.5, kPatternTolerance);
    EXPECT_NEAR(Cell(1, Data::kSpeed).Value(), 90, kPatternTolerance);
}

TEST_F(PatternSampleCatalogTest, TheChainReadsTheMarksOfThePatternShown) {
    LoadMachine(kLinearMachine);
    EnterPage();
    TInputPatternGridModel& grid = page->CurrentGrid();
    ASSERT_EQ(grid.ExternalForceColumnCount(), 1);
    const int markColumn = grid.DataColumnCount() + 1;
    grid.CellMouseDown(TInputPatternGridModel::kFirstIntervalRow + 1, markColumn);  // interval 2
    TCarryTable table;
    loose.chain.CalcCarryTable(nullptr, table);
    EXPECT_GT(table[1].TF, table[0].TF);
    EXPECT_NEAR(table[0].TF, table[2].TF, kPatternTolerance);
    // The position pattern has marks of its own; showing it hands them to the chain.
    ASSERT_TRUE(page->SetInputType(1));
    loose.chain.CalcCarryTable(nullptr, table);
    EXPECT_NEAR(table[1].TF, table[0].TF, kPatternTolerance);
}

TEST_F(PatternSampleCatalogTest, TheSectionTravelsInAProjectFile) {
    LoadMachine(kRotaryMachine);
    EnterPage();
    Commit(1, Data::kTimeInterval, 0.5);
    Commit(1, Data::kSpeed, 120);
    Commit(2, Data::kTimeInterval, 0.5);
    Commit(2, Data::kSpeed, 0);
    page->SelectSigmoidalCurve(2);
    TProjectDocument document(ctx);
    document.RegisterSection(TProjectSection::FrameInputPattern, page.get());
    const std::string text = document.Build({});
    EXPECT_NE(text.find("<SelectedInputType>Speed</SelectedInputType>"), std::string::npos);

    TInputPatternModel other(loose.Pattern());
    TProjectDocument reader(ctx);
    reader.RegisterSection(TProjectSection::FrameInputPattern, &other);
    NoHost host;
    TProjectHeader header;
    ASSERT_EQ(reader.Load(text, host, header), TProjectDocument::TLoadResult::Accepted);
    other.SetAxisKind(1);
    EXPECT_EQ(other.SigmoidalCurveIndex(), 2);
    EXPECT_EQ(other.PatternText(), page->PatternText());

    // A curve number no integer can hold reads as no curve of the catalog (converting it
    // was undefined): the first curve, as for an unknown number.
    for (const char* id : {"1e300", "-1e300", "9.3e18"}) {
        std::string odd = text;
        const size_t at = odd.find("<ID>", odd.find("<SigmoidalCurve>"));
        ASSERT_NE(at, std::string::npos);
        odd.replace(at + 4, odd.find("</ID>", at) - at - 4, id);
        TInputPatternModel third(loose.Pattern());
        TProjectDocument oddReader(ctx);
        oddReader.RegisterSection(TProjectSection::FrameInputPattern, &third);
        ASSERT_EQ(oddReader.Load(odd, host, header), TProjectDocument::TLoadResult::Accepted) << id;
        EXPECT_EQ(third.SigmoidalCurveIndex(), 0) << id;
    }
}

TEST(NumbersFromFiles, OnlyFiniteNumbersInRangeBecomeIntegers) {
    long long wide = 7;
    EXPECT_TRUE(TruncateToInteger(-3.9, wide));
    EXPECT_EQ(wide, -3);
    EXPECT_TRUE(TruncateToInteger(-9223372036854775808.0, wide));
    EXPECT_EQ(wide, std::numeric_limits<long long>::min());
    for (double x : {1e300, -1e300, 9223372036854775808.0, std::nan(""), HUGE_VAL}) {
        wide = 7;
        EXPECT_FALSE(TruncateToInteger(x, wide)) << x;
        EXPECT_EQ(wide, 7);
    }
    int narrow = 7;
    EXPECT_TRUE(TruncateToInteger(2147483647.9, narrow));
    EXPECT_EQ(narrow, 2147483647);
    EXPECT_TRUE(TruncateToInteger(-2147483648.9, narrow));
    EXPECT_EQ(narrow, -2147483647 - 1);
    EXPECT_FALSE(TruncateToInteger(2147483648.0, narrow));
    EXPECT_FALSE(TruncateToInteger(-2147483649.0, narrow));
}

}  // namespace
}  // namespace kinemo::test
