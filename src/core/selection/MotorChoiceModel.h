// The motor search: function, series and ten search items narrow the catalog to the
// candidates; the screen also holds the input supply voltage, the position range and
// the resulting stopping accuracy.
#pragma once

#include "selection/SearchItems.h"
#include "torque/Motor.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IBusyCursor;
class TCalcCarryValue;
class TCalcDischargeFormula;
class TCatalogQuery;
class TValueFormat;

struct TMotorSeries {
    int Code = 0;
    std::string Name, Feature, Image, OptionImage;
};

struct TMotorFunction {
    int Code = 0;
    std::string Name, Feature, Value;
    std::vector<TMotorSeries> Series;
};

// The motor functions an m_motor_function query gives, each with its series in catalog order.
std::vector<TMotorFunction> ReadMotorFunctions(TCatalogQuery& query, const std::string& sql);

// The user's own motors, listed as a function with one series of their own.
struct TUserMotorSource {
    std::string FunctionName, SeriesName;
    std::function<std::vector<std::unique_ptr<TMotor>>()> Load;  // every valid user motor
};

class TMotorChoiceModel {
public:
    // The function and series code of the user-defined motors: below every catalog code.
    static constexpr int kUserCode = -1;

    TMotorChoiceModel(TCatalogQuery& query, TCalcCarryValue& chain, const TCalcDischargeFormula& formulas,
                      const TValueFormat& format, IBusyCursor* busy = nullptr);

    // Creation: value lists, functions, the first function and series (no search yet).
    void Initialize();
    // The end of set-up (the program's first idle moment): the first search runs.
    void EndSetup();

    // The user's motors: listed after the catalog's functions while there are any; call
    // before Initialize, or ReloadFunctions after the user's motors changed.
    void SetUserMotors(TUserMotorSource source) { userMotors_ = std::move(source); }
    void ReloadFunctions();
    bool UserSeriesSelected() const { return currentSeriesCode_ == kUserCode; }

    // Functions and series.
    const std::vector<TMotorFunction>& Functions() const { return functions_; }
    int CurrentFunction() const { return currentFunction_; }
    int CurrentSeriesIndex() const { return currentSeries_; }
    const TMotorSeries* CurrentSeries() const;
    void SelectFunction(int index);
    void SelectSeries(int index);
    // Selects the function with mmf_cd code, loading it even when it is hidden.
    bool SelectFunctionByCode(int code);
    bool SelectSeriesByCode(int code, bool refill);

    // Search items.
    const TSearchItemState& Item(int i) const { return items_.at(static_cast<size_t>(i)); }
    TSearchItemState& MutableItem(int i) { return items_.at(static_cast<size_t>(i)); }
    // The user chose entry `entry` of item i.
    void SelectEntry(int i, int entry);
    void SearchItemChanged(int i);
    void RefillSearchItems();
    // Candidate query for the current state; empty without a series.
    std::string CandidateQuery() const;
    std::string ListQuery(int item) const;
    // Runs the candidate query (not while setting up or loading) and hands the list on.
    void SearchMotors();
    void ResetRestrictions();
    void ForgetSelection();

    // Brake condition from the element chain: 1 first braked element in, 2 last out.
    void SetBrakeWanted(int code);

    // Input supply voltage, position range, resolution, stopping accuracy.
    const std::string& InputSupplyText() const { return inputSupply_; }
    void SetInputSupplyText(const std::string& text);
    const std::string& PositionRangeText() const { return positionRange_; }
    void SetPositionRangeText(const std::string& text) { positionRange_ = text; }
    int Resolution() const { return resolution_; }
    // Encoder resolution and position range of the encoder chosen.
    void ApplyEncoderDefaults();
    // The stopping accuracy of motor, formatted; empty on any failure.
    std::string TextStoppingAccuracy(const TMotor* motor) const;

    // States.
    bool SettingUp() const { return settingUp_; }
    void SetLoading(bool loading) { loading_ = loading; }
    bool Loading() const { return loading_; }
    bool Committed() const { return committed_; }
    void SetCommitted(bool committed) { committed_ = committed; }
    bool Busy() const { return busy_; }

    // Hooks: new candidates; the input supply text changed (judgements are stale).
    std::function<void(std::vector<std::unique_ptr<TMotor>>)> OnCandidates;
    std::function<void()> OnInputSupplyChanged;

private:
    std::vector<std::string> LoadValueList(const char* column, const char* table, const char* code);
    void LoadFunctions();
    std::vector<TMotorFunction> ReadFunctions(const std::string& sql);
    void ApplyGearToChain();
    void ApplyInputSupplyDefault();
    void SeriesChanged();
    std::string ValueAt(const std::vector<std::string>& list, int code) const;

    TCatalogQuery& query_;
    TCalcCarryValue& chain_;
    const TCalcDischargeFormula& formulas_;
    const TValueFormat& format_;
    IBusyCursor* busyCursor_;
    TUserMotorSource userMotors_;
    std::vector<TMotorFunction> functions_;
    int currentFunction_ = -1;
    int currentSeries_ = -1;
    int currentSeriesCode_ = 0;
    std::array<TSearchItemState, kSearchItemCount> items_;
    std::vector<std::string> encoderRanges_, supplyVoltages_, encoderResolutions_, gearRatios_;
    std::string inputSupply_, positionRange_, lastAppliedSupply_;
    int resolution_ = 0;
    bool settingUp_ = true;
    bool loading_ = false;
    bool committed_ = false;
    bool busy_ = false;
};

}  // namespace kinemo
