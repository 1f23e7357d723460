// A small catalog for drive-pattern tests: the units of the pattern columns (time also in
// ms, linear acceleration shown in m/s²), the twelve formulas, texts and S-curves.
#pragma once

#include "pattern/DrivePatternFormulas.h"
#include "pattern/PatternServices.h"
#include "pattern/SigmoidalCurves.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "support/TestSupport.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <memory>
#include <string>
#include <vector>

namespace kinemo {
class TInputPatternGridData;
}

namespace kinemo::test {

// Doubles from formulas compare within this (values are at most a few thousand).
constexpr double kPatternTolerance = 1e-9;

class PatternFixture {
public:
    PatternFixture();

    TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    std::unique_ptr<TMeasureManager> measures;
    std::unique_ptr<TErrorMessage> errors;
    std::unique_ptr<TDrivePatternFormulas> formulas;
    std::unique_ptr<TSigmoidalCurves> curves;
    TValueFormat format{4};
    TPatternServices services;

    const TMeasure& Unit(int code) const { return *measures->FindMeasure(code); }
};

// Fills a speed pattern through user edits: per row its time interval and load speed.
struct SpeedRow {
    double TimeInterval;
    double Speed;
};
void EnterSpeedRows(TInputPatternGridData& data, const std::vector<SpeedRow>& rows);

// Fills a position pattern through user edits.
struct PositionRow {
    double TimeInterval;
    double Position;
    double AccelerationTime;
    double DecelerationTime;
};
void EnterPositionRows(TInputPatternGridData& data, const std::vector<PositionRow>& rows);

}  // namespace kinemo::test
