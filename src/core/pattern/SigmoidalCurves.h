// The S-curve table: the acceleration shapes the user can choose for the drive pattern,
// each with the modulus the interval torque formula receives, and the chosen entry.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

// One row of m_sigmoidal_curve.
struct TSigmoidalCurve {
    int Code = 0;
    std::string DriveCaption;  // entry of the pattern screen's choice list
    std::string MotorCaption;  // caption on the motor detail window
    std::string Modulus;       // float-to-text form of the value rounded to 12 decimals
    bool Editable = false;     // the user may change the modulus
    bool Adhibition = false;   // the speed curve is drawn in the S-curve colour
};

class TSigmoidalCurves {
public:
    TSigmoidalCurves() = default;
    // "select * from m_sigmoidal_curve order by msc_cd"; the first entry is selected.
    explicit TSigmoidalCurves(TCatalogQuery& query);

    int Count() const { return static_cast<int>(curves_.size()); }
    TSigmoidalCurve& Item(int i) { return curves_.at(static_cast<size_t>(i)); }
    const TSigmoidalCurve& Item(int i) const { return curves_.at(static_cast<size_t>(i)); }
    void Add(TSigmoidalCurve curve);
    // The index of the first entry with code, -1 for none.
    int IndexOfCode(long long code) const;

    // SelectedSigmoidalCurve: read by the torque calculation, the chart and the motor
    // detail window. Null only for an empty table.
    TSigmoidalCurve* Selected() { return selected_ < 0 ? nullptr : &curves_[static_cast<size_t>(selected_)]; }
    const TSigmoidalCurve* Selected() const {
        return selected_ < 0 ? nullptr : &curves_[static_cast<size_t>(selected_)];
    }
    int SelectedIndex() const { return selected_; }
    // An index outside the table changes nothing.
    void Select(int index);

private:
    std::vector<TSigmoidalCurve> curves_;
    int selected_ = -1;
};

}  // namespace kinemo
