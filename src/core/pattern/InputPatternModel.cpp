// The drive pattern page: grids, input-type conversion, S-curve, commands, chart, file.
#include "pattern/InputPatternModel.h"

#include "machine/CalcCarryValue.h"
#include "pattern/ConvertGridDataError.h"
#include "pattern/SigmoidalCurves.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/ScopedRestore.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "units/ValueFormat.h"
#include "base/NumberText.h"

#include <pugixml.hpp>

namespace kinemo {

namespace {

constexpr const char* kTextClass = "frame_input_pattern";

double LenientNumber(const std::string& text) {
    double x = 0;
    return TryTextToFloat(text, x) ? x : 0;
}

// Keeps the chart from redrawing for a scope, also when the scope fails.
class TChartSuspension {
public:
    explicit TChartSuspension(bool& flag) : flag_(flag) { flag_ = true; }
    ~TChartSuspension() { flag_ = false; }
    TChartSuspension(const TChartSuspension&) = delete;
    TChartSuspension& operator=(const TChartSuspension&) = delete;

private:
    bool& flag_;
};

}  // namespace

TInputPatternModel::TInputPatternModel(const TPatternServices& services) : services_(services) {
    const std::pair<TPatternAxis, TPatternInput> order[] = {{TPatternAxis::Straight, TPatternInput::Position},
                                                            {TPatternAxis::Rolling, TPatternInput::Position},
                                                            {TPatternAxis::Straight, TPatternInput::Speed},
                                                            {TPatternAxis::Rolling, TPatternInput::Speed}};
    for (const auto& [axis, input] : order) {
        auto grid = std::make_unique<TInputPatternGridModel>(services_, axis, input);
        grid->OnDataChanged = [this] { RedrawChart(); };
        grid->OnIntervalSelected = [this](double end, double start) {
            chart_.SelectInterval(end, start);
            if (OnChartChanged) OnChartChanged();
        };
        grid->OnModified = [this] { Modified(); };
        grids_[static_cast<size_t>(GridIndex(axis, input))] = std::move(grid);
    }
    texts_ = ReadMessageClass(*services_.Query, kTextClass, true);
    inputItems_ = ReadMessageItems(*services_.Query, kTextClass, "ComboBoxPattern");
    SetAxisKind(1);
    SelectSigmoidalCurve(0);
}

TInputPatternModel::~TInputPatternModel() = default;

int TInputPatternModel::GridIndex(TPatternAxis axis, TPatternInput input) {
    return static_cast<int>(axis) * 2 + static_cast<int>(input);
}

TInputPatternGridModel& TInputPatternModel::Grid(TPatternAxis axis, TPatternInput input) {
    return *grids_[static_cast<size_t>(GridIndex(axis, input))];
}

TInputPatternGridModel& TInputPatternModel::GridFor(int inputType) {
    return Grid(static_cast<TPatternAxis>(axisKind_), static_cast<TPatternInput>(inputType));
}

TInputPatternGridModel& TInputPatternModel::CurrentGrid() { return GridFor(inputType_); }

const TInputPatternGridModel& TInputPatternModel::CurrentGrid() const {
    return *grids_[static_cast<size_t>(GridIndex(static_cast<TPatternAxis>(axisKind_),
                                                 static_cast<TPatternInput>(inputType_)))];
}

TInputPatternGridModel& TInputPatternModel::PreviousGrid() { return GridFor(previousInputType_); }

void TInputPatternModel::SetAxisKind(int kind) {
    axisKind_ = kind == 0 ? 0 : 1;
    const bool wasLoading = loading_;
    loading_ = true;
    SetInputType(inputType_);
    loading_ = wasLoading;
}

bool TInputPatternModel::SetInputType(int index) {
    TBusyScope busy(services_.Busy);
    inputType_ = index == 1 ? 1 : 0;
    if (!loading_ && inputType_ != previousInputType_) {
        try {
            ConvertPattern();
        } catch (const std::exception& e) {
            lastConversionError_ = e.what();
            const int answer = services_.Dialogs->ShowMessageDialog(
                services_.Errors->GetText("NotConvertDrivePattern"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel);
            if (answer != mrYes) {
                inputType_ = previousInputType_;
                return false;
            }
        }
    }
    ShowCurrentGrid();
    previousInputType_ = inputType_;
    return true;
}

// The export runs first; an import that fails halfway puts the target's rows back, so the
// target keeps its own pattern when the user switches without converting.
void TInputPatternModel::ConvertPattern() {
    const TGridPathList paths = PreviousGrid().Data().ExportPaths();
    TInputPatternGridData& target = CurrentGrid().Data();
    const std::vector<TRowData> kept = target.RowsSnapshot();
    TRestoreOnExit restore([&] { target.RestoreRows(kept); });
    target.ImportPaths(paths);
    // Huge intervals can add up beyond any number; such a pattern is not converted.
    if (!target.AllFinite())
        throw EConvertGridDataError(
            TFormatErrorMessageException(*services_.Errors, "IllegalNumber", {std::string("Infinity")}).what());
    restore.Commit();
}

void TInputPatternModel::ShowCurrentGrid() {
    TInputPatternGridModel& grid = CurrentGrid();
    // The chain reads the marks of the pattern shown.
    if (services_.Chain) services_.Chain->SetTableColumns(grid.ExternalForce().Columns());
    RedrawChart();
    grid.Click(TInputPatternGridModel::kFirstIntervalRow, 1);
    grid.ClearSelection();
}

void TInputPatternModel::RefreshCarryOutputs() {
    for (auto& grid : grids_) grid->Data().RefreshCarryOutput();
}

void TInputPatternModel::RecalculateCurrentAxis() {
    TBusyScope busy(services_.Busy);
    GridFor(0).Data().RecalculateAll();
    GridFor(1).Data().RecalculateAll();
}

int TInputPatternModel::SigmoidalCurveIndex() const {
    return services_.Curves ? services_.Curves->SelectedIndex() : -1;
}

std::vector<std::string> TInputPatternModel::SigmoidalCurveCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; services_.Curves && i < services_.Curves->Count(); ++i)
        captions.push_back(services_.Curves->Item(i).DriveCaption);
    return captions;
}

void TInputPatternModel::SetEditable(bool editable) {
    editable_ = editable;
    if (OnEditableChanged) OnEditableChanged();
}

void TInputPatternModel::SelectSigmoidalCurve(int index) {
    if (!services_.Curves) return;
    services_.Curves->Select(index);
    const TSigmoidalCurve* curve = services_.Curves->Selected();
    if (!curve) return;
    modulusEnabled_ = curve->Editable;
    if (!curve->Editable) modulusText_ = services_.Format->Display(LenientNumber(curve->Modulus));
    ModulusChanged();
    if (!suspendChart_) RedrawChart();  // the curve's colour follows the entry
}

void TInputPatternModel::SetModulusText(const std::string& text) {
    modulusText_ = text;
    ModulusChanged();
}

void TInputPatternModel::ModulusChanged() {
    TSigmoidalCurve* curve = services_.Curves ? services_.Curves->Selected() : nullptr;
    // A text that is no number leaves the modulus as it was; CheckModulus refuses the text.
    double x = 0;
    if (curve && curve->Editable && services_.Format->ReadTyped(modulusText_, x)) curve->Modulus = FloatToText(Round12(x));
    Modified();
}

void TInputPatternModel::CheckModulus() const {
    double x = 0;
    if (!services_.Format->ReadTyped(modulusText_, x))
        throw TErrorMessageException(*services_.Errors, "IllegalSigmoidalCurveModulus");
}

std::string TInputPatternModel::PatternText() const {
    const size_t item = static_cast<size_t>(inputType_);
    const std::string type = item < inputItems_.size() ? inputItems_[item] : "";
    return FormatText("-- %s(%s) --", {Text("Title"), type}) + "\r\n" + CurrentGrid().TextDump() + "\r\n";
}

bool TInputPatternModel::RunRowCommand(const std::function<bool()>& command) {
    TBusyScope busy(services_.Busy);
    bool done = false;
    {
        TChartSuspension suspended(suspendChart_);
        done = command();
    }
    RedrawChart();
    TInputPatternGridModel& grid = CurrentGrid();
    grid.Click(grid.CurrentRow(), grid.CurrentColumn());
    return done;
}

bool TInputPatternModel::CopyRows() {
    TBusyScope busy(services_.Busy);
    return CurrentGrid().CopySelectedRows();
}

bool TInputPatternModel::CutRows() {
    return RunRowCommand([this] { return CurrentGrid().CutSelectedRows(); });
}

bool TInputPatternModel::PasteRows() {
    return RunRowCommand([this] { return CurrentGrid().PasteRows(); });
}

bool TInputPatternModel::InsertRows() {
    return RunRowCommand([this] { return CurrentGrid().InsertRows(); });
}

bool TInputPatternModel::DeleteRows() {
    return RunRowCommand([this] { return CurrentGrid().DeleteSelectedRows(); });
}

bool TInputPatternModel::PasteText(const std::string& text) {
    return RunRowCommand([this, &text] { return CurrentGrid().PasteText(text); });
}

void TInputPatternModel::ClearData() {
    for (auto& grid : grids_) grid->ResetData();
    RedrawChart();
    TInputPatternGridModel& grid = CurrentGrid();
    grid.Click(grid.CurrentRow(), grid.CurrentColumn());
    Modified();
}

void TInputPatternModel::ChooseUnit(int dataColumn, const TMeasure& unit) {
    CurrentGrid().ChooseUnit(dataColumn, unit);
    chart_.ClearBand();
    if (OnChartChanged) OnChartChanged();
    Modified();  // the chosen unit is saved with the project
}

void TInputPatternModel::RedrawChart() {
    if (suspendChart_) return;
    const TSigmoidalCurve* curve = services_.Curves ? services_.Curves->Selected() : nullptr;
    chart_.Draw(CurrentGrid(), curve && curve->Adhibition);
    if (OnChartChanged) OnChartChanged();
}

void TInputPatternModel::Modified() {
    if (OnModified) OnModified();
}

void TInputPatternModel::SaveSection(pugi::xml_node section) {
    section.append_child("SelectedInputType").text().set(inputType_ == 1 ? "Position" : "Speed");
    pugi::xml_node curve = section.append_child("SigmoidalCurve");
    const TSigmoidalCurve* selected = services_.Curves ? services_.Curves->Selected() : nullptr;
    curve.append_child("ID").text().set(std::to_string(selected ? selected->Code : 0).c_str());
    // The file reads numbers with "." only: a modulus typed with a decimal comma is saved
    // as the number it was read as.
    std::string modulus = modulusText_;
    double x = 0;
    if (!TryTextToFloat(modulus, x) && services_.Format->ReadTyped(modulus, x)) modulus = FloatToText(x);
    curve.append_child("Value").text().set(modulus.c_str());
    const std::pair<TPatternAxis, TPatternInput> order[] = {{TPatternAxis::Rolling, TPatternInput::Position},
                                                            {TPatternAxis::Rolling, TPatternInput::Speed},
                                                            {TPatternAxis::Straight, TPatternInput::Position},
                                                            {TPatternAxis::Straight, TPatternInput::Speed}};
    for (const auto& [axis, input] : order) Grid(axis, input).SaveGrid(section.append_child("Grid"));
}

// The input type read from the file is switched to without conversion: a Grid element
// read before it must not be overwritten by a conversion.
void TInputPatternModel::LoadSection(pugi::xml_node section) {
    for (auto& grid : grids_) grid->ResetData();
    loading_ = true;
    SetInputType(0);
    loading_ = false;
    SelectSigmoidalCurve(0);
    {
        TChartSuspension suspended(suspendChart_);
        for (pugi::xml_node child : section.children()) {
            const std::string name = child.name();
            const std::string text = child.text().get();
            if (name == "SelectedInputType" && (text == "Speed" || text == "Position")) {
                loading_ = true;
                SetInputType(text == "Position" ? 1 : 0);
                loading_ = false;
            } else if (name == "Grid") {
                LoadGridElement(child);
            }
        }
    }
    LoadSigmoidalCurve(section.child("SigmoidalCurve"));
    RedrawChart();
}

void TInputPatternModel::LoadGridElement(pugi::xml_node grid) {
    const std::string behavior = grid.child("PatternBehavior").text().get();
    const std::string input = grid.child("InputType").text().get();
    if ((behavior != "Straight" && behavior != "Rolling") || (input != "Speed" && input != "Position")) return;
    Grid(behavior == "Straight" ? TPatternAxis::Straight : TPatternAxis::Rolling,
         input == "Speed" ? TPatternInput::Speed : TPatternInput::Position)
        .LoadGrid(grid);
}

void TInputPatternModel::LoadSigmoidalCurve(pugi::xml_node curve) {
    if (!curve || !services_.Curves) {
        SelectSigmoidalCurve(SigmoidalCurveIndex());
        return;
    }
    int index = SigmoidalCurveIndex();
    long long code = 0;
    if (pugi::xml_node id = curve.child("ID"); id && TruncateToInteger(LenientNumber(id.text().get()), code)) {
        const int found = services_.Curves->IndexOfCode(code);
        if (found >= 0) index = found;
    }
    SelectSigmoidalCurve(index);
    // A fixed entry shows the catalog's modulus as selecting it does, so that saving the
    // project again writes what was read.
    if (!modulusEnabled_) return;
    if (pugi::xml_node value = curve.child("Value")) {
        // A text that is no number ("1,5") is kept to be refused, not read as 0.
        const std::string text = value.text().get();
        double x = 0;
        const bool blank = text.find_first_not_of(" \t") == std::string::npos;
        SetModulusText(TryTextToFloat(text, x) || blank ? FloatToText(LenientNumber(text)) : text);
    }
}

}  // namespace kinemo
