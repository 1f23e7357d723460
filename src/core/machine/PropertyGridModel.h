// The rules of the element property grid (and of the user element editor's grid): what
// each cell shows, which cells can be edited and how, and what an edit does.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kinemo {

class TErrorMessage;
class TFactor;
class TMeasure;
class TMaterialManager;
class TMeasureManager;
class TValueFormat;
class TCustomInputData;
struct TMaterial;

enum class TPropertyEdit { None, InPlace, MaterialCombo, ChoiceCombo, UnitCombo };

class TPropertyGridModel {
public:
    // userEditor: the user element editor's grid (no element-name row; the marked-
    // intervals choice is not offered; a chosen unit is for editing only).
    TPropertyGridModel(TMaterialManager& materials, const TMeasureManager& measures, const TValueFormat& format,
                       bool userEditor = false);

    void SetElement(TFactor* element);
    TFactor* Element() const { return element_; }

    int FixedRows() const { return userEditor_ ? 1 : 2; }
    int RowCount() const;
    // The item shown in row, or null for heading and name rows.
    TCustomInputData* ItemAt(int row) const;
    std::string CellText(int row, int column) const;
    bool IsCalcRow(int row) const;

    TPropertyEdit EditKind(int row, int column) const;
    // In-place editing: the editor's starting text and the commit of a typed text. A
    // numeric value outside the item's physical range is refused: the item keeps its
    // value and TKinemoError is raised with the catalog text naming the item, the value
    // and the range in the display unit (TInputCheck::RefusalText). A text that is not a
    // number counts as 0 for that check (an empty one is 0); where 0 is in range it is
    // refused all the same with "NotNumberInputItem". The screen shows either as any error.
    std::string EditText(int row) const;
    void CommitText(int row, const std::string& text);
    // The editor reports its text on every change and once more when editing ends: a
    // report equal to the one before commits it (true), after which the remembered text
    // is a sentinel no keyboard produces, so the next edit starts afresh.
    bool ReportEditText(int row, const std::string& text);
    const std::string& LastEditText() const { return lastEditText_; }
    // A new editor starts afresh (an edit abandoned before must not commit into it).
    void BeginEdit() { lastEditText_ = CommitSentinel(); }
    static const std::string& CommitSentinel();
    void SetErrorMessages(const TErrorMessage* errors) { errors_ = errors; }

    // Materials offered for a value (by its display unit) and the choice of one: the
    // material's value is converted from its own unit into the value's display unit and
    // refused like a typed value when it is outside the item's range.
    std::vector<TMaterial> Materials(int row) const;
    void ChooseMaterial(int row, const TMaterial& material);

    // The units of the value's quantity and the choice of one.
    std::vector<TMeasure*> Units(int row) const;
    void ChooseUnit(int row, TMeasure* unit);

    // The external-force choice; the element grid asks the chain model (which may refuse).
    std::vector<std::string> Choices(int row) const;
    void ChooseChoice(int row, int index);

    // An edit of a value the calculation reads; a memo edit changes only the project.
    std::function<void()> OnModified;
    std::function<void()> OnProjectChanged;
    std::function<bool(TFactor&, int)> OnExternalForceChoice;  // element grid: the chain's rule

private:
    void Changed();

    TMaterialManager& materials_;
    const TMeasureManager& measures_;
    const TValueFormat& format_;
    bool userEditor_;
    TFactor* element_ = nullptr;
    const TErrorMessage* errors_ = nullptr;
    std::string lastEditText_ = CommitSentinel();
};

// The key filter of the value combo box: "-", "." and the digits only, and only while the
// text is shorter than 12 characters or typing replaces a selection.
bool PropertyComboKeyAccepted(char32_t key, size_t textLength, bool replacesSelection);

}  // namespace kinemo
