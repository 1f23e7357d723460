// The drive pattern page without its widgets: the four pattern grids of which the one for
// the machine's axis and the chosen input type is shown, the conversion when the input
// type changes, the S-curve choice and modulus, the row commands, the speed chart and the
// page's section of the project file.
#pragma once

#include "pattern/InputPatternGridModel.h"
#include "pattern/SpeedChartState.h"
#include "base/NameValueList.h"
#include "base/ProjectSection.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TInputPatternModel : public IProjectSectionHandler {
public:
    static constexpr int kModulusMaxLength = 5;  // characters the modulus box takes

    // Creates the four grids, reads the page's texts, shows the rotary axis with the speed
    // input and selects the first S-curve.
    explicit TInputPatternModel(const TPatternServices& services);
    ~TInputPatternModel() override;

    TInputPatternGridModel& Grid(TPatternAxis axis, TPatternInput input);
    TInputPatternGridModel& CurrentGrid();
    const TInputPatternGridModel& CurrentGrid() const;
    TInputPatternGridModel& PreviousGrid();

    // s_message class "frame_input_pattern" by control; the input-type list items.
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    const std::vector<std::string>& InputTypeItems() const { return inputItems_; }

    // 0 Straight, 1 Rolling. Shows the grid of the axis without converting anything.
    int AxisKind() const { return axisKind_; }
    void SetAxisKind(int kind);
    // The input-type list: 0 speed, 1 position.
    int InputType() const { return inputType_; }
    int PreviousInputType() const { return previousInputType_; }
    // The list's change: the pattern shown is converted into the new input type. When that
    // fails the user is asked ("NotConvertDrivePattern"): Yes switches without converting,
    // otherwise the list returns to the previous type and false is returned.
    bool SetInputType(int index);
    // Why the last conversion failed.
    const std::string& LastConversionError() const { return lastConversionError_; }

    // Before the page is shown and before motors are judged.
    void RefreshCarryOutputs();
    void RecalculateCurrentAxis();

    // S-curve choice and modulus box.
    int SigmoidalCurveIndex() const;
    // The entries of the S-curve list (their DriveCaption).
    std::vector<std::string> SigmoidalCurveCaptions() const;
    void SelectSigmoidalCurve(int index);
    const std::string& ModulusText() const { return modulusText_; }
    void SetModulusText(const std::string& text);
    bool ModulusEnabled() const { return modulusEnabled_; }
    // "IllegalSigmoidalCurveModulus" unless the box holds a number.
    void CheckModulus() const;

    bool Editable() const { return editable_; }
    void SetEditable(bool editable);
    bool PageActive = false;

    // The pattern for the option menu and the commit report.
    std::string PatternText() const;

    // Row commands on the grid shown; false when nothing was done.
    bool CopyRows();
    bool CutRows();
    bool PasteRows();
    bool InsertRows();
    bool DeleteRows();
    bool CanPaste() const { return CurrentGrid().HasCopiedRows(); }
    // Spreadsheet exchange on the grid shown (tab-separated rows of data cells).
    std::string SelectedRowsText() const { return CurrentGrid().SelectedRowsText(); }
    bool PasteText(const std::string& text);
    // Empties all four patterns.
    void ClearData();
    // A display unit chosen on the unit row of the grid shown.
    void ChooseUnit(int dataColumn, const TMeasure& unit);

    const TSpeedChartState& Chart() const { return chart_; }
    void RedrawChart();

    // The "FrameInputPattern" section.
    void SaveSection(pugi::xml_node section) override;
    void LoadSection(pugi::xml_node section) override;

    std::function<void()> OnModified;      // the project changed
    std::function<void()> OnChartChanged;  // the chart state changed
    std::function<void()> OnEditableChanged;

private:
    static int GridIndex(TPatternAxis axis, TPatternInput input);
    TInputPatternGridModel& GridFor(int inputType);
    void ConvertPattern();
    void ShowCurrentGrid();
    void ModulusChanged();
    void LoadGridElement(pugi::xml_node grid);
    void LoadSigmoidalCurve(pugi::xml_node curve);
    bool RunRowCommand(const std::function<bool()>& command);
    void Modified();

    TPatternServices services_;
    std::array<std::unique_ptr<TInputPatternGridModel>, 4> grids_;
    TNameValueList texts_;
    std::vector<std::string> inputItems_;
    TSpeedChartState chart_;
    int axisKind_ = 1;
    int inputType_ = 0;
    int previousInputType_ = 0;
    bool loading_ = false;
    bool suspendChart_ = false;
    bool editable_ = true;
    std::string modulusText_;
    bool modulusEnabled_ = false;
    std::string lastConversionError_;
};

}  // namespace kinemo
