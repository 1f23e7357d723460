// The rules of the element choice screen without its widgets: which element may go
// where, the limits and messages of chain editing, the clipboard, the input check
// before leaving the page, and the machine's section of the project file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

namespace kinemo {

class IUserDialogs;
class TBlockManager;
class TCalcCarryValue;
class TErrorMessage;
class TFactor;
class TMotorFactor;
struct TMachineServices;

class TChoiceFactorModel {
public:
    // Creates the motor element and makes it the whole chain.
    TChoiceFactorModel(TMachineServices& services, TCalcCarryValue& chain, const TErrorMessage& errors,
                       IUserDialogs& dialogs, int maxFactorCount);
    ~TChoiceFactorModel();

    TCalcCarryValue& Chain() { return *chain_; }
    TMotorFactor& Motor() { return *motor_; }
    int CurrentColumn() const { return current_; }
    void SetCurrentColumn(int column);
    // The element shown in the property grid: none for the motor's column.
    TFactor* SelectedFactor() const;

    // May e go after the current column (the docking rule on both sides)?
    bool CanInsert(const TFactor& e) const;
    // Puts e after the current column and selects it; a refusal ("NotAttachable",
    // "NotInsertExternalForceFactor") is shown and e is dropped.
    bool InsertAfterCurrent(std::unique_ptr<TFactor> e);
    // 0 removable, 1 never (motor, outside the chain), 2 the neighbours would not fit.
    int RemoveCheck(int column) const;
    // Removes the element at column by RemoveCheck: 0 removes, 1 nothing, 2 raises
    // "NotRemoveBecauseNotAttachable".
    std::unique_ptr<TFactor> RemoveFactorAt(int column);

    // Adds a clone of a catalog element after the current column ("NotInsertFactor"
    // when the chain is full).
    bool AddFactor(const TFactor& catalogElement);
    // Removes the element at column (a drag back onto the block list).
    void RemoveFactor(int column);

    // Popup commands on the current column.
    bool CanDelete() const { return current_ > 0 && RemoveCheck(current_) == 0; }
    bool CanCopy() const { return current_ > 0 && current_ < chainLength(); }
    bool CanPaste() const;
    void Delete();
    void Copy();
    void Cut();
    void Paste();
    const TFactor* Clipboard() const { return clipboard_.get(); }

    // Moves the element at sourceColumn after targetColumn (a drag inside the chain).
    bool CanMove(int sourceColumn, int targetColumn);
    void Move(int sourceColumn, int targetColumn);

    // Chooses an external-force item's choice; a third marked-intervals element is
    // refused with "NotInsertPartExternalForceFactor" and the choice stays 0.
    bool SetExternalForceChoice(TFactor& element, int choice);

    // Every element after the motor has its required inputs (else "NotInputItem") and
    // every value lies in its physical range (else the list of TInputCheck::ListText).
    bool CheckInputs();

    // The debug window's carry-value trace: after the input check, the four external-
    // force cases (both on first), each under its heading. An error stops the cases; the
    // lines traced so far are still handed over and the trace is left empty.
    struct TCarryTrace {
        bool Ran = false;  // false: the input check refused (and told the user)
        std::vector<std::string> Lines;
        std::string Error;
    };
    TCarryTrace CarryValueTrace();

    bool Editable() const { return editable_; }
    void SetEditable(bool editable) { editable_ = editable; }

    // "FrameChoiceFactor" section. Loading keeps the elements that fit: an element the
    // catalog lacks or one the docking rule refuses after the last kept element is left
    // out and named in LoadProblemText. "Illegal Format" still ends the load.
    void SaveToXML(pugi::xml_node& section) const;
    void LoadFromXML(const pugi::xml_node& section);
    // "ProjectChainInvalid" and one line per element left out by the last load
    // ("ProjectFactorNotFound", "ProjectFactorNotAttachable"); empty when every element
    // fitted or once the chain has been edited since.
    std::string LoadProblemText() const;

    // Hooks to the rest of the program.
    std::function<void()> OnModified;             // an edit that invalidates judgements
    std::function<void(int)> OnBrakePreset;       // 1: first braked element in, 2: last out
    // Before loading frees the chain's elements: whoever shows one lets go of it.
    std::function<void()> OnChainReset;

private:
    int chainLength() const;
    TFactor* Own(std::unique_ptr<TFactor> f);
    std::unique_ptr<TFactor> Release(TFactor* f);
    void Refuse(const std::string& key);
    void Modified();

    TMachineServices& services_;
    TCalcCarryValue* chain_;
    const TErrorMessage& errors_;
    IUserDialogs& dialogs_;
    int maxFactorCount_;
    std::unique_ptr<TMotorFactor> motor_;
    std::vector<std::unique_ptr<TFactor>> owned_;
    std::unique_ptr<TFactor> clipboard_;
    std::vector<std::string> loadProblems_;
    int current_ = 0;
    bool editable_ = true;
};

}  // namespace kinemo
