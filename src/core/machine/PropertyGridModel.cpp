// Property grid rules.
#include "machine/PropertyGridModel.h"

#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "machine/MachineServices.h"
#include "base/ErrorMessage.h"
#include "units/Material.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

namespace kinemo {

TPropertyGridModel::TPropertyGridModel(TMaterialManager& materials, const TMeasureManager& measures,
                                       const TValueFormat& format, bool userEditor)
    : materials_(materials), measures_(measures), format_(format), userEditor_(userEditor) {}

void TPropertyGridModel::SetElement(TFactor* element) {
    element_ = element;
    if (element_) element_->RecalcCalcItems();
}

int TPropertyGridModel::RowCount() const {
    const int items = element_ ? element_->GetInputItemCount() : 0;
    if (userEditor_) return items > 0 ? items + 1 : 2;
    return items > 1 ? items + 2 : 3;
}

TCustomInputData* TPropertyGridModel::ItemAt(int row) const {
    const int i = row - FixedRows();
    if (!element_ || i < 0 || i >= element_->GetInputItemCount()) return nullptr;
    return element_->GetInputItem(i);
}

bool TPropertyGridModel::IsCalcRow(int row) const {
    TCustomInputData* item = ItemAt(row);
    return item && item->Kind() == TInputKind::Calc;
}

std::string TPropertyGridModel::CellText(int row, int column) const {
    if (!userEditor_ && row == 1) return column == 1 && element_ ? element_->Name : std::string();
    TCustomInputData* item = ItemAt(row);
    if (!item) return {};
    if (column == 0) return item->Name;
    switch (item->Kind()) {
    case TInputKind::Numeric: {
        auto* d = static_cast<TInputData*>(item);
        if (column == 1) return FloatToText(d->Value);
        return d->DisplayUnit ? d->DisplayUnit->Symbol() : std::string();
    }
    case TInputKind::ExternalForce: {
        auto* e = static_cast<TExternalForceInputData*>(item);
        return column == 1 && e->Choice >= 0 && e->Choice < static_cast<int>(e->Choices.size())
                   ? e->Choices[static_cast<size_t>(e->Choice)]
                   : std::string();
    }
    case TInputKind::Memo:
        return column == 1 ? static_cast<TMemoInputData*>(item)->Text : std::string();
    case TInputKind::Calc: {
        auto* c = static_cast<TCalcInputData*>(item);
        if (column == 1) return format_.Display(c->DisplayValue);
        return c->DisplayUnit ? c->DisplayUnit->Symbol() : std::string();
    }
    }
    return {};
}

TPropertyEdit TPropertyGridModel::EditKind(int row, int column) const {
    TCustomInputData* item = ItemAt(row);
    if (!item) return TPropertyEdit::None;
    if (column == 1) {
        switch (item->Kind()) {
        case TInputKind::Numeric:
            return Materials(row).empty() ? TPropertyEdit::InPlace : TPropertyEdit::MaterialCombo;
        case TInputKind::Memo:
            return TPropertyEdit::InPlace;
        case TInputKind::ExternalForce:
            return TPropertyEdit::ChoiceCombo;
        case TInputKind::Calc:
            return TPropertyEdit::None;
        }
    }
    if (column == 2) {
        if (item->Kind() == TInputKind::Numeric && static_cast<TInputData*>(item)->DisplayUnit)
            return TPropertyEdit::UnitCombo;
        if (item->Kind() == TInputKind::Calc && static_cast<TCalcInputData*>(item)->DisplayUnit)
            return TPropertyEdit::UnitCombo;
    }
    return TPropertyEdit::None;
}

std::string TPropertyGridModel::EditText(int row) const {
    TCustomInputData* item = ItemAt(row);
    if (!item) return {};
    if (item->Kind() == TInputKind::Numeric) return FloatToText(static_cast<TInputData*>(item)->Value);
    if (item->Kind() == TInputKind::Memo) return static_cast<TMemoInputData*>(item)->Text;
    return {};
}

void TPropertyGridModel::Changed() {
    if (!userEditor_ && OnModified) OnModified();
}

const std::string& TPropertyGridModel::CommitSentinel() {
    static const std::string sentinel = std::string("d0308|ybh<_lfds$t083q()") + '\x01' + '\x05';
    return sentinel;
}

bool TPropertyGridModel::ReportEditText(int row, const std::string& text) {
    if (text != lastEditText_) {
        lastEditText_ = text;
        return false;
    }
    lastEditText_ = CommitSentinel();
    CommitText(row, text);
    return true;
}

void TPropertyGridModel::CommitText(int row, const std::string& text) {
    TCustomInputData* item = ItemAt(row);
    if (!item) return;
    if (item->Kind() == TInputKind::Numeric) {
        auto* d = static_cast<TInputData*>(item);
        double v = 0;
        // Read as typed: a comma is the decimal mark only where the user's locale writes it.
        const bool number = format_.ReadTyped(text, v);
        if (!number) v = 0;
        // A typo must not silently become 0, and is refused as what it is: a range message
        // about 0 would speak of a number nobody typed.
        const TErrorMessage* errors = errors_ ? errors_ : element_->Services().Errors;
        if (!number && !text.empty() && errors)
            throw TFormatErrorMessageException(*errors, "NotNumberInputItem", {text, item->Name});
        TInputCheck(element_->Services().Errors).CheckTyped(*d, v);
        d->Value = v;
        Changed();
    } else if (item->Kind() == TInputKind::Memo) {
        auto* memo = static_cast<TMemoInputData*>(item);
        const std::string limited = TMemoInputData::Limited(text);
        if (memo->Text == limited) return;
        memo->Text = limited;
        if (!userEditor_ && OnProjectChanged) OnProjectChanged();
    } else {
        return;
    }
    element_->RecalcCalcItems();
}

std::vector<TMaterial> TPropertyGridModel::Materials(int row) const {
    TCustomInputData* item = ItemAt(row);
    if (!item || item->Kind() != TInputKind::Numeric) return {};
    TMeasure* unit = static_cast<TInputData*>(item)->DisplayUnit;
    return unit ? materials_.GetMaterials(unit->Code()) : std::vector<TMaterial>{};
}

void TPropertyGridModel::ChooseMaterial(int row, const TMaterial& material) {
    TCustomInputData* item = ItemAt(row);
    if (!item || item->Kind() != TInputKind::Numeric) return;
    auto* d = static_cast<TInputData*>(item);
    // The material's value is in its own unit; shown in g/cm³, steel must read 7.85.
    const double v = d->DisplayUnit && material.UnitCode != 0
                         ? measures_.Convert(material.UnitCode, d->DisplayUnit->Code(), material.Value)
                         : material.Value;
    TInputCheck(element_->Services().Errors).CheckTyped(*d, v);
    d->Value = v;
    element_->RecalcCalcItems();
    Changed();
}

std::vector<TMeasure*> TPropertyGridModel::Units(int row) const {
    TCustomInputData* item = ItemAt(row);
    TMeasure* unit = nullptr;
    if (item && item->Kind() == TInputKind::Numeric) unit = static_cast<TInputData*>(item)->DisplayUnit;
    if (item && item->Kind() == TInputKind::Calc) unit = static_cast<TCalcInputData*>(item)->DisplayUnit;
    return unit ? unit->MeasureClass()->Measures() : std::vector<TMeasure*>{};
}

void TPropertyGridModel::ChooseUnit(int row, TMeasure* unit) {
    TCustomInputData* item = ItemAt(row);
    if (!item || !unit) return;
    if (item->Kind() == TInputKind::Numeric) {
        auto* d = static_cast<TInputData*>(item);
        if (d->DisplayUnit == unit) return;
        d->ChangeDisplayUnit(unit);
        if (!userEditor_) d->UnitChanged = true;
    } else if (item->Kind() == TInputKind::Calc) {
        auto* c = static_cast<TCalcInputData*>(item);
        if (c->DisplayUnit == unit) return;
        c->ChangeDisplayUnit(unit);
        if (!userEditor_) c->UnitChanged = true;
    } else {
        return;
    }
    Changed();
}

std::vector<std::string> TPropertyGridModel::Choices(int row) const {
    TCustomInputData* item = ItemAt(row);
    if (!item || item->Kind() != TInputKind::ExternalForce) return {};
    return static_cast<TExternalForceInputData*>(item)->Choices;
}

void TPropertyGridModel::ChooseChoice(int row, int index) {
    TCustomInputData* item = ItemAt(row);
    if (!item || item->Kind() != TInputKind::ExternalForce) return;
    auto* e = static_cast<TExternalForceInputData*>(item);
    if (userEditor_) {
        e->Choice = 0;  // a user element always stores the whole-pattern choice
        return;
    }
    if (OnExternalForceChoice) OnExternalForceChoice(*element_, index);
    else e->Choice = index == 1 ? 1 : 0;
    Changed();
}

bool PropertyComboKeyAccepted(char32_t key, size_t textLength, bool replacesSelection) {
    const bool allowed = key == U'-' || key == U'.' || (key >= U'0' && key <= U'9');
    return allowed && (textLength < 12 || replacesSelection);
}

}  // namespace kinemo
