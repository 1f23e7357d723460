// The motor-shaft load panel's figures.
#include "machine/CarryOutputModel.h"

#include "machine/Factor.h"
#include "machine/InputData.h"
#include "machine/MachineServices.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <cmath>

namespace kinemo {

namespace {

constexpr const char* kRowKeys[] = {"JL", "TF", "TU", "TH", "V", "A", "B"};
constexpr const char* kCarrySymbols[] = {"JLout", "TFout", "TUout", "THout", "Vout", "Aout", "Bout"};
// Backlash is collected in load units: mm on a linear axis, deg on a rotary one (the
// catalog's unit codes for millimetre and degree).
constexpr int kMillimetre = 101;
constexpr int kDegree = 601;

}  // namespace

TCarryOutputModel::TCarryOutputModel(TCalcCarryValue& chain, TCatalogQuery& query, const TMeasureManager& measures,
                                     const TValueFormat& format, const TErrorMessage& errors)
    : chain_(chain), measures_(measures), format_(format), errors_(errors),
      units_(std::make_unique<TCarryValueUnit>(query, measures)) {
    const TNameValueList texts = ReadMessageClass(query, "frame_choice_factor");
    for (int r = 0; r < kRowCount; ++r) names_[static_cast<size_t>(r)] = texts.Value(std::string("CarryOutput.") + kRowKeys[r]);
    caption_ = texts.Value("LabelCarryOutput");
    speedUnits_ = {texts.Value("CarryOutput.VUnitStraight"), texts.Value("CarryOutput.VUnitRolling")};
    headings_ = {texts.Value("CarryOutput.HeadingName"), texts.Value("CarryOutput.HeadingValue"),
                 texts.Value("CarryOutput.HeadingUnit")};
}

TCarryOutputModel::~TCarryOutputModel() = default;

void TCarryOutputModel::Refresh() {
    error_.clear();
    output_ = {};
    for (int i = 1; i < chain_.Count(); ++i) {
        TFactor* f = chain_.GetFactor(i);
        if (!f->IsInputComplete()) {
            error_ = errors_.GetFormattedText("NotInputItem", f->Name);
            return;
        }
    }
    TCalcTrace& trace = chain_.Trace();
    const size_t traced = trace.Size();
    try {
        output_ = chain_.CalcChain(false, false);
    } catch (const TKinemoError& e) {
        output_ = {};
        error_ = errors_.GetFormattedText("CarryOutputFailed", e.what());
        if (error_.empty()) error_ = e.what();
    }
    trace.Truncate(traced);
}

std::string TCarryOutputModel::Name(int row) const {
    return row >= 0 && row < kRowCount ? names_[static_cast<size_t>(row)] : std::string();
}

TMeasure* TCarryOutputModel::FormulaUnit(int row) const {
    if (row == RowV) return nullptr;
    if (row == RowB) return measures_.FindMeasure(chain_.IsRolling() ? kDegree : kMillimetre);
    return units_->GetUnit(kCarrySymbols[row]);
}

double TCarryOutputModel::FormulaValue(int row) const {
    switch (row) {
    case RowJL: return output_.JL;
    case RowTF: return output_.TF;
    case RowTU: return output_.TU;
    case RowTH: return output_.TH;
    case RowV: return output_.V;
    case RowA: return output_.A;
    case RowB: return output_.B;
    default: return 0;
    }
}

TMeasure* TCarryOutputModel::DisplayUnit(int row) const {
    TMeasure* formula = FormulaUnit(row);
    if (!formula) return nullptr;
    TMeasure* chosen = chosen_[static_cast<size_t>(row)];
    if (chosen && chosen->MeasureClass() == formula->MeasureClass()) return chosen;
    TMeasure* preferred = formula->MeasureClass() ? measures_.DefaultMeasure(*formula->MeasureClass()) : nullptr;
    return preferred ? preferred : formula;
}

double TCarryOutputModel::DisplayValue(int row) const {
    TMeasure* formula = FormulaUnit(row);
    TMeasure* shown = DisplayUnit(row);
    const double x = FormulaValue(row);
    return formula && shown ? measures_.Convert(formula->Code(), shown->Code(), x) : x;
}

std::string TCarryOutputModel::ValueText(int row) const {
    if (Failed() || row < 0 || row >= kRowCount) return {};
    const double x = DisplayValue(row);
    std::string text = format_.Display(x);
    // A small inertia in a large unit must not read as 0.
    double shown = 0;
    if (x != 0 && std::isfinite(x) && TryTextToFloat(text, shown) && shown == 0) text = FloatToText(x, 4);
    return text;
}

std::string TCarryOutputModel::UnitText(int row) const {
    // The speed coefficient is motor speed per load speed: its unit follows the axis kind.
    if (row == RowV) return speedUnits_[chain_.IsRolling() ? 1 : 0];
    TMeasure* unit = DisplayUnit(row);
    return unit ? unit->Symbol() : std::string();
}

std::vector<TMeasure*> TCarryOutputModel::Units(int row) const {
    TMeasure* formula = FormulaUnit(row);
    return formula && formula->MeasureClass() ? formula->MeasureClass()->Measures() : std::vector<TMeasure*>{};
}

void TCarryOutputModel::ChooseUnit(int row, TMeasure* unit) {
    if (row < 0 || row >= kRowCount || !unit) return;
    TMeasure* formula = FormulaUnit(row);
    if (!formula || unit->MeasureClass() != formula->MeasureClass()) return;
    chosen_[static_cast<size_t>(row)] = unit;
}

}  // namespace kinemo
