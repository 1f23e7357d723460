// The input items of a machine element: numeric values with formula and display units,
// the external-force choice, a memo, and calculated values shown for information.
#pragma once

#include "base/KinemoError.h"
#include "base/NameValueList.h"

#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

namespace kinemo {

class TCatalogQuery;
class TMeasure;
class TMeasureManager;

// The item texts of class "input_data" (captions of the fixed items).
struct TInputDataTexts {
    TNameValueList Texts;
    static TInputDataTexts Load(TCatalogQuery& query);
};

enum class TInputKind { Numeric, ExternalForce, Memo, Calc };

// The physical range of a numeric item, in its formula unit (t_machine_value's
// tmv_min_value, tmv_max_value and their open ends). No limit on a side that has none.
struct TInputRange {
    bool HasMin = false, HasMax = false;
    double Min = 0, Max = 0;
    bool MinOpen = false, MaxOpen = false;  // the limit itself is excluded

    bool Limited() const { return HasMin || HasMax; }
    // False for a value outside the range and for one that is not finite.
    bool Contains(double formulaValue) const;
};

// A project-file value that is no number its item can hold (text, NaN, an infinity, or too
// large for the display unit); whoever reads the element names it in the message.
class TInputValueError : public TKinemoError {
public:
    TInputValueError(std::string text, std::string item)
        : TKinemoError("'" + text + "' is not a valid number (input value " + item + ")"),
          text_(std::move(text)), item_(std::move(item)) {}
    const std::string& Text() const { return text_; }
    const std::string& Item() const { return item_; }

private:
    std::string text_, item_;
};

class TCustomInputData {
public:
    static constexpr int kExternalForceID = -2;
    static constexpr int kMemoID = -3;
    static constexpr int kCalcID = -4;

    virtual ~TCustomInputData() = default;
    virtual TInputKind Kind() const = 0;
    virtual std::unique_ptr<TCustomInputData> Clone() const = 0;
    // Reads the item from its project-file "Value" element.
    virtual void LoadFromXML(const pugi::xml_node& value) = 0;
    // Appends one "Value" element to parent.
    virtual void SaveToXML(pugi::xml_node& parent) const = 0;

    int ID = 0;
    std::string Name;
};

class TInputData : public TCustomInputData {
public:
    explicit TInputData(const TMeasureManager* measures) : measures_(measures) {}
    TInputKind Kind() const override { return TInputKind::Numeric; }
    std::unique_ptr<TCustomInputData> Clone() const override;
    void LoadFromXML(const pugi::xml_node& value) override;
    void SaveToXML(pugi::xml_node& parent) const override;

    // The value in the formula unit.
    double GetValue() const;
    void SetValue(double formulaValue);
    // A value in the formula unit expressed in the display unit, and back.
    double ToDisplay(double formulaValue) const;
    double ToFormula(double displayValue) const;
    // Converts Value into unit and shows it in that unit (UnitChanged is the caller's).
    void ChangeDisplayUnit(TMeasure* unit);

    // The value (in the formula unit) lies in Range; a catalog without ranges accepts
    // every finite value.
    bool InRange() const { return Range.Contains(GetValue()); }

    std::string Symbol;
    TMeasure* FormulaUnit = nullptr;
    TMeasure* DisplayUnit = nullptr;
    double Value = 0;  // in DisplayUnit
    bool Optional = true;
    bool UnitChanged = false;
    TInputRange Range;

private:
    const TMeasureManager* measures_;
};

class TExternalForceInputData : public TCustomInputData {
public:
    explicit TExternalForceInputData(const TNameValueList& texts);
    TInputKind Kind() const override { return TInputKind::ExternalForce; }
    std::unique_ptr<TCustomInputData> Clone() const override;
    void LoadFromXML(const pugi::xml_node& value) override;
    void SaveToXML(pugi::xml_node& parent) const override;

    std::vector<std::string> Choices;  // 0: the whole pattern, 1: marked intervals only
    int Choice = 0;
};

class TMemoInputData : public TCustomInputData {
public:
    explicit TMemoInputData(const TNameValueList& texts);
    TInputKind Kind() const override { return TInputKind::Memo; }
    std::unique_ptr<TCustomInputData> Clone() const override;
    void LoadFromXML(const pugi::xml_node& value) override;
    void SaveToXML(pugi::xml_node& parent) const override;

    // A memo holds what the option page's comment holds: 5 lines of 408 characters in all.
    // A longer text, from a file or typed, is cut there (reports lay it out on one page).
    static constexpr int kMaxLines = 5;
    static constexpr size_t kMaxChars = 408;
    static std::string Limited(const std::string& text);

    std::string Text;
};

class TCalcInputData : public TCustomInputData {
public:
    TCalcInputData(const TMeasureManager* measures, std::string title, std::string formula, TMeasure* unit);
    TInputKind Kind() const override { return TInputKind::Calc; }
    std::unique_ptr<TCustomInputData> Clone() const override;
    void LoadFromXML(const pugi::xml_node& value) override;
    void SaveToXML(pugi::xml_node& parent) const override;

    void SetResult(double x);  // x in Unit
    void ChangeDisplayUnit(TMeasure* unit);

    std::string Formula;
    TMeasure* Unit = nullptr;
    TMeasure* DisplayUnit = nullptr;
    double Value = 0;         // in Unit
    double DisplayValue = 0;  // in DisplayUnit
    bool UnitChanged = false;

private:
    const TMeasureManager* measures_;
};

// Builds the numeric item of t_machine_value row `code`; null when there is no row.
std::unique_ptr<TInputData> CreateInputData(int code, TCatalogQuery& query, const TMeasureManager& measures);

// Units of the carry symbols, for the reports.
class TCarryValueUnit {
public:
    TCarryValueUnit(TCatalogQuery& query, const TMeasureManager& measures);
    TMeasure* GetUnit(const std::string& symbol) const;

private:
    std::vector<std::pair<std::string, TMeasure*>> entries_;
};

}  // namespace kinemo
