// The load at the motor shaft as the element page shows it while the user types: the
// chain's seven carry outputs in display units of the user's choice, or, when the chain
// cannot be calculated, the reason in place of every figure.
#pragma once

#include "machine/CalcCarryValue.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TCarryValueUnit;
class TCatalogQuery;
class TErrorMessage;
class TMeasure;
class TMeasureManager;
class TValueFormat;

class TCarryOutputModel {
public:
    enum TRow { RowJL, RowTF, RowTU, RowTH, RowV, RowA, RowB, kRowCount };

    // Units and texts are read with query ("frame_choice_factor": "CarryOutput.JL" …).
    TCarryOutputModel(TCalcCarryValue& chain, TCatalogQuery& query, const TMeasureManager& measures,
                      const TValueFormat& format, const TErrorMessage& errors);
    ~TCarryOutputModel();

    // Runs the chain as it stands, external forces of marked intervals off. The
    // calculation trace is left as it was.
    void Refresh();
    bool Failed() const { return !error_.empty(); }
    // Why there are no figures: an element lacking a required value, or a formula error.
    const std::string& ErrorText() const { return error_; }
    const CarryOutput& Output() const { return output_; }

    int RowCount() const { return kRowCount; }
    const std::string& Caption() const { return caption_; }
    const std::array<std::string, 3>& Headings() const { return headings_; }
    std::string Name(int row) const;
    // The figure in the row's display unit; empty while the chain fails.
    std::string ValueText(int row) const;
    double DisplayValue(int row) const;
    TMeasure* DisplayUnit(int row) const;
    std::string UnitText(int row) const;
    // Units the row can be shown in (empty for the speed coefficient) and the choice.
    std::vector<TMeasure*> Units(int row) const;
    void ChooseUnit(int row, TMeasure* unit);

private:
    TMeasure* FormulaUnit(int row) const;
    double FormulaValue(int row) const;

    TCalcCarryValue& chain_;
    const TMeasureManager& measures_;
    const TValueFormat& format_;
    const TErrorMessage& errors_;
    std::unique_ptr<TCarryValueUnit> units_;
    std::array<std::string, kRowCount> names_;
    std::array<std::string, 3> headings_;
    std::string caption_;
    std::array<std::string, 2> speedUnits_;  // linear axis, rotary axis
    std::array<TMeasure*, kRowCount> chosen_{};  // null: the user's default unit
    CarryOutput output_;
    std::string error_;
};

}  // namespace kinemo
