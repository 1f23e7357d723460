// The custom display condition dialog without its window: its catalog texts, the five
// threshold texts it shows and the condition its OK button reads back.
#pragma once

#include "selection/DisplayCondition.h"

#include <array>
#include <string>

namespace kinemo {

class TCatalogQuery;
class TErrorMessage;
class TValueFormat;

class TDisplayConditionForm {
public:
    static constexpr int kThresholds = 5;  // MaxTorque, EffectiveTorque, MaxFrequency, RunningTorque, Inertia

    // format: the decimal mark typed numbers are read with; errors: the refusal's text.
    TDisplayConditionForm(const TValueFormat& format, const TErrorMessage& errors) : format_(format), errors_(errors) {}

    // "form_display_condition": the caption, the two header cells, the five row labels
    // (an eighth row is not shown) and the OK button.
    void LoadTexts(TCatalogQuery& query);
    const std::string& Title() const { return title_; }
    const std::string& Corner() const { return corner_; }
    const std::string& ValueHeader() const { return valueHeader_; }
    const std::string& RowLabel(int row) const { return labels_.at(static_cast<size_t>(row)); }
    const std::string& OkText() const { return ok_; }

    // Copies the condition and writes its thresholds by the float-to-text rule.
    void SetCondition(const TDisplayCondition& condition);
    const std::string& ValueText(int row) const { return values_.at(static_cast<size_t>(row)); }
    // A typed threshold: a text that is not wholly a number is refused ("IllegalThreshold")
    // and the row keeps its text.
    void SetValueText(int row, const std::string& text);
    // OK: the five texts become the thresholds.
    void Accept();
    const TDisplayCondition& Condition() const { return condition_; }

private:
    const TValueFormat& format_;
    const TErrorMessage& errors_;
    std::string title_, corner_, valueHeader_, ok_;
    std::array<std::string, kThresholds> labels_{}, values_{};
    TDisplayCondition condition_;
};

}  // namespace kinemo
