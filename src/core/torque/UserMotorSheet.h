// A motor the catalog does not have, from its data sheet: the values the judgement reads,
// kept as an XML file in the user's folder and judged by the catalog's formulas.
#pragma once

#include "torque/Motor.h"
#include "torque/MotorReference.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TErrorMessage;

// The texts a data sheet is shown and refused with: item labels (class "user_motor") and
// the error texts.
struct TUserMotorTexts {
    TNameValueList Labels;
    const TErrorMessage* Errors = nullptr;
    static TUserMotorTexts Load(TCatalogQuery& query, const TErrorMessage& errors);
    // The label of a data sheet element; the element name when the catalog has none.
    std::string Label(const std::string& element) const;
};

// One value of the sheet: its XML element, the catalog column it stands for and its rule.
struct TUserMotorItem {
    enum class ERule { Text, Positive, NotNegative, Fraction, Flag, AtLeastRatedTorque, AtLeastRatedSpeed,
                       AboveSupplyPeak };
    const char* Element;
    const char* Column;  // null: not a catalog column (the brake flag)
    ERule Rule;
    bool Required;
};

// A motor made from a data sheet of the user's (its codes are the sentinel).
inline bool IsUserMotor(const TMotor& motor) { return motor.msv_cd == TMotorReference::kUserCode; }
// The same motor: the same catalog codes, or the same user motor model.
inline bool SameMotor(const TMotor& a, const TMotor& b) {
    return a.msv_cd == b.msv_cd && a.mxc_cd == b.mxc_cd && (!IsUserMotor(a) || a.msv_model_all == b.msv_model_all);
}

class TUserMotorSheet {
public:
    // Every item in the order a sheet is written and shown.
    static const std::vector<TUserMotorItem>& Items();
    // The file extension of a sheet in the user folder.
    static const char* Extension() { return ".kmt"; }

    // The text of an element, empty when the sheet has none.
    std::string Value(const std::string& element) const;
    void SetValue(const std::string& element, const std::string& text) { values_[element] = text; }
    bool Has(const std::string& element) const { return values_.count(element) != 0; }
    std::string Model() const { return Value("Model"); }

    // Raises the catalog's message naming the first item that is missing, not a number or
    // outside its rule; a sheet that passes can be judged.
    void Validate(const TUserMotorTexts& texts) const;

    // Reads a sheet file; a file that is not one raises "UserMotorFileUnreadable". Values
    // are not checked (Validate).
    static TUserMotorSheet Read(const std::string& path, const TUserMotorTexts& texts);
    // Writes the sheet as XML through a temporary file in the same folder.
    void Write(const std::string& path) const;

    // The motor record the judgement takes: validated values, the user-defined series'
    // texts, no gear head.
    std::unique_ptr<TMotor> ToMotor(const TUserMotorTexts& texts) const;

private:
    std::map<std::string, std::string> values_;
};

// The user's motors: every valid sheet of the user motor folder, by model name. A sheet's
// file is <Model>.kmt; a sheet under another name, or a second sheet of a model (also one
// spelled in other case), is a problem and not used.
class TUserMotorStore {
public:
    TUserMotorStore(std::string folder, const TUserMotorTexts& texts);

    // Sheets in file name order; files that fail to read, to validate or to match their
    // model are listed in Problems ("FileSkipped": the path and the reason) and left out.
    void Reload();
    const std::vector<TUserMotorSheet>& Sheets() const { return sheets_; }
    const std::vector<std::string>& Problems() const { return problems_; }
    // The sheet of model, null when there is none.
    const TUserMotorSheet* Find(const std::string& model) const;
    // True when adding sheet would replace a stored sheet (or a file) of its model: the
    // caller asks first.
    bool Replaces(const TUserMotorSheet& sheet) const;
    // Validates sheet and writes it as <model>.kmt (replacing a sheet of that model);
    // returns the path written.
    std::string Add(const TUserMotorSheet& sheet);
    // Removes the file the sheet of model was read from; false when there is none.
    bool Remove(const std::string& model);

private:
    std::string PathOf(const std::string& model) const;

    std::string folder_;
    const TUserMotorTexts& texts_;
    std::vector<TUserMotorSheet> sheets_;
    std::vector<std::string> paths_;  // the file of each sheet
    std::vector<std::string> problems_;
};

}  // namespace kinemo
