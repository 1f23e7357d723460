// Machine elements: catalog elements, the motor element at the head of every chain, and
// user-defined elements; each runs its catalog formula on the carry values of its
// neighbour.
#pragma once

#include "machine/ExternalForceState.h"
#include "machine/InputData.h"
#include "base/NameValueList.h"
#include "base/RecentResults.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

namespace kinemo {

class TBlock;
class TCalcTrace;
class TFormulaEngine;
class TFormulaError;
class TPicture;
struct TMachineServices;

// What one element's calculation reads besides the carry it receives.
struct TFactorInput {
    struct TItem {
        std::string Symbol, Name, Unit;
        TExactDouble Value;
        bool operator==(const TItem&) const = default;
    };
    std::string Name, Formula, Constants;
    bool Traced = false;
    std::vector<TItem> Items;  // the numeric input items in their order
    bool operator==(const TFactorInput&) const = default;
};

// The carry values, as an element publishes them and as the next receives them: the twelve
// of every catalog, then "TDout", the fixed-direction torque as the load delivers it.
extern const std::array<const char*, 13> kCarryOutNames;
extern const std::array<const char*, 13> kCarryInNames;

// The error number by which an element formula refuses a combination of its values that no
// single range can catch: Err.Raise kInputRefusedError, "<symbol of the item>", "<error key>".
// The calculation then stops with the catalog's text of that key, given the element's name,
// the item's name, its value and its unit.
constexpr int kInputRefusedError = 32100;

// What enters the element farthest from the motor: "Vout"=1, the others 0.
TNameValueList InitialCarryList();

class TFactor {
public:
    TFactor(TMachineServices& services, TBlock* block);
    virtual ~TFactor();
    TFactor(const TFactor&) = delete;
    TFactor& operator=(const TFactor&) = delete;

    // Virtual operations, in the order elements are specialised.
    virtual TPicture* GetImage() const { return Image; }
    virtual TPicture* GetSelectedImage() const { return SelectedImage; }
    virtual std::string GetFormula() const;
    virtual int GetCalcID() const { return ID; }
    virtual std::unique_ptr<TFactor> Clone() const;
    // A clone that works with services: a session's chain holds elements that read its
    // own query and write its own trace, never those of the shared element catalog.
    std::unique_ptr<TFactor> CloneFor(TMachineServices& services) const;
    // Points the element (and what it carries of other elements) at services.
    virtual void Bind(TMachineServices& services) { services_ = &services; }
    // Appends the element's project-file "Factor" element to parent.
    virtual void SaveToXML(pugi::xml_node& parent) const;
    virtual void LoadInputItems();

    bool IsUserFactor() const { return isUser_; }

    // Items (built from the catalog on first request).
    std::vector<std::unique_ptr<TCustomInputData>>& InputItems();
    TCustomInputData* GetInputItem(int i);
    int GetInputItemCount();
    TInputData* FindInputItemByID(int id);
    TExternalForceInputData* ExternalForceItem();

    // False when a required numeric item is 0 in its formula unit.
    bool IsInputComplete();
    // The force acts only in marked intervals (the element's choice is 1).
    bool HasExternalForce();
    // Null unless HasExternalForce; the two columns are created on first use.
    TExternalForceColData* GetExternalForceColumn(int i);

    // Reads a project-file "Factor" element ("Illegal Format" when it is not one).
    void LoadFromXML(const pugi::xml_node& factor);
    // Recomputes the calculated items from the numeric ones ("%f": two decimals).
    void RecalcCalcItems();
    // Runs the element's formula on carry (the neighbour's outputs) into CarryOut.
    void Calculate(const TNameValueList& carry);
    // Everything Calculate reads besides the carry it receives: equal inputs and equal
    // carries give equal outputs and trace lines. False (no usable input) when the
    // formula draws random numbers.
    bool CalculationInput(TFactorInput& input);
    TCalcTrace* CalculationTrace() const;
    const TMachineServices& Services() const { return *services_; }

    int ID = 0;
    std::string Name;
    TBlock* Block = nullptr;
    TPicture* Image = nullptr;
    TPicture* SelectedImage = nullptr;
    TPicture* DragImage = nullptr;
    std::string Note;
    std::string ImagePath, SelectedImagePath, DragImagePath;
    bool Behavior = false;
    bool AcceptsExternalForce = false;
    TNameValueList CarryOut;

protected:
    // Copies the fields every kind shares into target (items cloned, carry and marks empty).
    void CopyInto(TFactor& target) const;
    // Builds the items of catalog element code the catalog way.
    void BuildCatalogItems(int code);
    void SaveFactorElement(pugi::xml_node& factor) const;
    void RunScript(TFormulaEngine& engine, const std::vector<std::string>& script);
    // Throws the catalog's message for a value combination the formula refused (see
    // kInputRefusedError); returns when the key or the item is unknown.
    void RefuseInput(const TFormulaError& e);

    TMachineServices* services_;
    std::vector<std::unique_ptr<TCustomInputData>> items_;
    std::unique_ptr<std::array<TExternalForceColData, 2>> externalForceColumns_;
    bool isUser_ = false;
};

// The gear data of a catalog motor that the motor element takes over (formula units).
struct TMotorGearData {
    double GearInertia = 0;   // msv_gearinertia
    double GearTorque = 0;    // msv_geartorque
    double RatioValue = 1;    // msgr_value
    int MotorGearCode = 0;    // msv_msmg_cd: 1 = built-in gear head
    double GearEfficiency = 1;  // msv_m_geareta
    double Backlash = 0;      // msv_s_backlash (arc-minutes)
};

// The head of every chain; uses the formula and items of catalog element 10.
class TMotorFactor : public TFactor {
public:
    static constexpr int kMotorCalcID = 10;

    // Builds the motor's private block and pictures, then resets the motor inputs.
    explicit TMotorFactor(TMachineServices& services);
    ~TMotorFactor() override;

    TPicture* GetImage() const override { return Geared ? GearedImage : Image; }
    TPicture* GetSelectedImage() const override { return Geared ? GearedSelectedImage : SelectedImage; }
    int GetCalcID() const override { return kMotorCalcID; }

    double GetReductionRatio();
    void SetReductionRatio(double x);
    // Fills the gear items from the motor's data (formula units).
    void ApplyMotor(const TMotorGearData& motor);
    void ResetMotorInputs();

    bool Geared = false;
    const TMotorGearData* Motor = nullptr;
    TPicture* GearedImage = nullptr;
    TPicture* GearedSelectedImage = nullptr;

private:
    void SetItem(int id, double value);
    std::recursive_mutex blockLock_;  // of its private block, which reads nothing
    std::unique_ptr<TBlock> ownBlock_;
    std::unique_ptr<TPicture> gearedImage_, gearedSelectedImage_;
};

// A user's saved copy of a catalog element with its own defaults and pictures.
class TUserFactor : public TFactor {
public:
    static constexpr int kFirstUserID = 100000;

    TUserFactor(TMachineServices& services, TBlock* block);
    std::string GetFormula() const override { return FormulaText; }
    std::unique_ptr<TFactor> Clone() const override;
    void Bind(TMachineServices& services) override;
    void SaveToXML(pugi::xml_node& parent) const override;
    void LoadInputItems() override;

    std::string FormulaText;
    std::unique_ptr<TFactor> Owner;
    std::vector<std::unique_ptr<TCustomInputData>> DefaultItems;
};

}  // namespace kinemo
