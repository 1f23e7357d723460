// Display condition dialog rules.
#include "selection/DisplayConditionForm.h"

#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "units/ValueFormat.h"

#include <vector>

namespace kinemo {

namespace {

std::vector<std::string> Rows(TCatalogQuery& query, const char* control) {
    std::vector<std::string> rows;
    query.Close();
    query.SetSQL("select msg_value from s_message where msg_class=:CLASS and msg_control=:CONTROL order by msg_cd");
    query.SetParam("CLASS", "form_display_condition");
    query.SetParam("CONTROL", control);
    query.Open();
    for (; !query.Eof(); query.Next()) rows.push_back(query.AsString(0));
    query.Close();
    return rows;
}

std::string At(const std::vector<std::string>& rows, size_t i) { return i < rows.size() ? rows[i] : std::string(); }

double* Field(TDisplayCondition& c, int row) {
    double* fields[] = {&c.MaxTorque, &c.EffectiveTorque, &c.MaxFrequency, &c.RunningTorque, &c.Inertia};
    return fields[row];
}

}  // namespace

void TDisplayConditionForm::LoadTexts(TCatalogQuery& query) {
    title_ = At(Rows(query, "FormTitle"), 0);
    ok_ = At(Rows(query, "BtnOk"), 0);
    const std::vector<std::string> grid = Rows(query, "GridDisplayCondition");
    corner_ = At(grid, 0);
    valueHeader_ = At(grid, 1);
    for (int r = 0; r < kThresholds; ++r) labels_[static_cast<size_t>(r)] = At(grid, 2 + static_cast<size_t>(r));
}

void TDisplayConditionForm::SetCondition(const TDisplayCondition& condition) {
    condition_ = condition;
    for (int r = 0; r < kThresholds; ++r) values_[static_cast<size_t>(r)] = FloatToText(*Field(condition_, r));
}

void TDisplayConditionForm::SetValueText(int row, const std::string& text) {
    double v = 0;
    if (!format_.ReadTyped(text, v)) throw TFormatErrorMessageException(errors_, "IllegalThreshold", {text});
    values_.at(static_cast<size_t>(row)) = text;
}

void TDisplayConditionForm::Accept() {
    // Every text was read when typed; a threshold is never set from a text that is none.
    for (int r = 0; r < kThresholds; ++r) {
        double v = 0;
        if (format_.ReadTyped(values_[static_cast<size_t>(r)], v)) *Field(condition_, r) = v;
    }
}

}  // namespace kinemo
