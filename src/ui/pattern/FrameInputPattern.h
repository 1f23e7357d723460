// The drive pattern screen: the input-type and S-curve choices with the modulus, the clear
// button, the four pattern grids of which the one for the machine's axis and the chosen
// input type is shown, the row-command menu and the speed chart, over the session's
// TInputPatternModel.
#pragma once

#include "shell/InputPatternPage.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedLayout;

namespace kinemo {

class TChartSpeed;
class TInputPatternGrid;
class TInputPatternGridModel;
class TInputPatternModel;
class TKinemoContext;
class TSizingSession;

class TFrameInputPattern : public QWidget {
    Q_OBJECT
public:
    TFrameInputPattern(TKinemoContext& context, TSizingSession& session, QWidget* parent = nullptr);
    ~TFrameInputPattern() override;

    TInputPatternModel& Model() { return model_; }
    // The page's part in the sub-page changes (registered with the main window).
    TInputPatternPage& Page() { return page_; }

    TInputPatternGrid* CurrentGrid() const;
    TInputPatternGrid* GridOf(const TInputPatternGridModel& grid) const;
    QComboBox* ComboBoxPattern() const { return comboBoxPattern_; }
    QComboBox* ComboBoxSigmoidalCurve() const { return comboBoxSigmoidalCurve_; }
    QLineEdit* EditModulus() const { return editModulus_; }
    QPushButton* BtnAllClear() const { return btnAllClear_; }
    QComboBox* UnitChooser() const { return unitChooser_; }
    QMenu* PopupMenuGrid() const { return popupMenuGrid_; }
    TChartSpeed* ChartSpeed() const { return chartSpeed_; }
    QAction* Action(const std::string& name) const;

    // Shows the model's state: the choices, the grid and the chart.
    void Refresh();

    // The row commands and the spreadsheet exchange (menu, keys).
    void ActionGridCutRowExecute();
    void ActionGridCopyRowExecute();
    void ActionGridPasteRowExecute();
    void ActionGridInsertRowExecute();
    void ActionGridDeleteRowExecute();
    void ActionGridClearDataExecute();
    void PasteClipboardText();

protected:
    // The unit chooser: Enter returns to the grid, leaving it hides it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void ApplyTexts();
    void ApplyEditable();
    void ComboBoxPatternChange(int index);
    void ComboBoxSigmoidalCurveChange(int index);
    void EditModulusChange(const QString& text);
    void RunRowCommand(const std::function<bool()>& command);

    TKinemoContext& context_;
    TInputPatternModel& model_;
    TInputPatternPage page_;
    QLabel* labelDrivePattern_ = nullptr;
    QComboBox* comboBoxPattern_ = nullptr;
    QLabel* labelSigmoidalCurve_ = nullptr;
    QComboBox* comboBoxSigmoidalCurve_ = nullptr;
    QLabel* labelModulus_ = nullptr;
    QLineEdit* editModulus_ = nullptr;
    QPushButton* btnAllClear_ = nullptr;
    QWidget* panelGrid_ = nullptr;
    QStackedLayout* gridStack_ = nullptr;
    QComboBox* unitChooser_ = nullptr;
    TChartSpeed* chartSpeed_ = nullptr;
    QMenu* popupMenuGrid_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::array<TInputPatternGrid*, 4> grids_{};
    std::function<void()> previousChartChanged_;
    std::function<void()> previousEditableChanged_;
    bool refreshing_ = false;
};

}  // namespace kinemo
