// The element page: the block tabs with their element pictures on the left, the chain
// from the motor on at the top right, the selected element's property grid and the load
// at the motor shaft below it. The page shows the chain model and forwards the user's
// actions to it; it takes part in the sub-page rules through its input check.
#pragma once

#include "shell/SubPageNavigator.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QTabWidget;

namespace kinemo {

class TBlockGrid;
class TCarryOutputModel;
class TChoiceFactorModel;
class TChoicedFactorGrid;
class TFactor;
class TKinemoContext;
class TPanelCarryOutput;
class TPopertyGrid;
class TPropertyGridModel;
class TSizingSession;

class TFrameChoiceFactor : public QWidget, public IMotorSelectPage {
    Q_OBJECT
public:
    TFrameChoiceFactor(TKinemoContext& context, TSizingSession& session, QWidget* parent = nullptr);
    ~TFrameChoiceFactor() override;

    // Adds the active block's selected element after the current chain column.
    void BtnAddFactorClick();
    // Removes the chain element being dragged (dropped back onto a block list).
    void BtnRemoveFactorClick();
    // Every element after the motor has its required inputs (else the user is told).
    bool CheckInputs();
    // The debug window's carry-value trace; an error is shown, the lines are returned.
    std::string ShowCarryValueTrace();
    void SetEditable(bool editable);
    // Every block list re-reads its elements (after the user element editor).
    void RefreshBlocks();
    // The pages start over: the block lists re-read (the user elements may have changed),
    // the first block shown with its first row selected.
    void ShowFirstBlock();
    void FocusBlockGrid();
    // Shows the chain as the model holds it (after loading, a new project, a commit).
    void Refresh();

    // IMotorSelectPage
    bool CanLeavePage() override { return CheckInputs(); }
    // The page was left: checked again, then the drive pattern learns the machine.
    bool OnPageLeft() override;
    void OnPageEntered(bool committed) override;
    // Shown again without the page rules (after loading, a new project, the user elements).
    void SetPageActive(bool active) override;

    QTabWidget* PageControlBlock() const { return pageControlBlock_; }
    TBlockGrid* BlockGrid(int block) const;
    TBlockGrid* ActiveBlockGrid() const;
    TChoicedFactorGrid* ChoicedFactorGrid() const { return chain_; }
    TPopertyGrid* PropertyGrid() const { return property_; }
    TPanelCarryOutput* CarryOutputPanel() const { return carryPanel_; }
    TPropertyGridModel& PropertyModel() const { return *propertyModel_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildBlocks();
    void ApplyTexts();
    void AddElement(const TFactor& element);
    void ChainChanged();
    void ShowSelected();
    void ValueCommitted();

    TKinemoContext& context_;
    TSizingSession& session_;
    TChoiceFactorModel& machine_;
    std::unique_ptr<TPropertyGridModel> propertyModel_;
    std::unique_ptr<TCarryOutputModel> carryModel_;
    QLabel* labelChiceBlock_ = nullptr;
    QLabel* labelChiceFactor_ = nullptr;
    QTabWidget* pageControlBlock_ = nullptr;
    std::vector<TBlockGrid*> blockGrids_;
    TChoicedFactorGrid* chain_ = nullptr;
    TPopertyGrid* property_ = nullptr;
    TPanelCarryOutput* carryPanel_ = nullptr;
};

}  // namespace kinemo
