// Element page.
#include "machine/FrameChoiceFactor.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/UserDialogs.h"
#include "machine/Block.h"
#include "machine/BlockGrid.h"
#include "machine/BlockItemModel.h"
#include "machine/CalcCarryValue.h"
#include "machine/CarryOutputModel.h"
#include "machine/ChainItemModel.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/ChoicedFactorGrid.h"
#include "machine/ElementMime.h"
#include "machine/Factor.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "machine/PanelCarryOutput.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyGridModel.h"
#include "units/ValueFormat.h"

#include <QDragEnterEvent>

#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QTransform>
#include <QVBoxLayout>

namespace kinemo {

namespace {

// Block tab pictures are 18 × 60, drawn for tabs down the left side.
constexpr QSize kTabPicture(18, 60);

}  // namespace

TFrameChoiceFactor::TFrameChoiceFactor(TKinemoContext& context, TSizingSession& session, QWidget* parent)
    : QWidget(parent), context_(context), session_(session), machine_(session.Machine()) {
    setObjectName("FrameChoiceFactor");
    setAcceptDrops(true);  // a chain element dropped on the page leaves the chain
    propertyModel_ = std::make_unique<TPropertyGridModel>(context.Materials(), context.Measures(), context.ValueFormat());
    propertyModel_->SetErrorMessages(&context.ErrorMessages());
    propertyModel_->OnModified = [this] { session_.MarkInputsChanged(); };
    propertyModel_->OnProjectChanged = [this] { session_.MarkModified(); };
    propertyModel_->OnExternalForceChoice = [this](TFactor& e, int choice) {
        return machine_.SetExternalForceChoice(e, choice);
    };
    carryModel_ = std::make_unique<TCarryOutputModel>(session.Chain(), session.Query(), context.Measures(),
                                                      context.ValueFormat(), context.ErrorMessages());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(8);
    auto* left = new QVBoxLayout;
    labelChiceBlock_ = new QLabel(this);
    labelChiceBlock_->setObjectName("LabelChiceBlock");
    left->addWidget(labelChiceBlock_);
    pageControlBlock_ = new QTabWidget(this);
    pageControlBlock_->setObjectName("PageControlBlock");
    pageControlBlock_->setTabPosition(QTabWidget::West);
    pageControlBlock_->setIconSize(QSize(kTabPicture.height(), kTabPicture.width()));
    pageControlBlock_->setFocusPolicy(Qt::NoFocus);
    left->addWidget(pageControlBlock_, 1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    labelChiceFactor_ = new QLabel(this);
    labelChiceFactor_->setObjectName("LabelChiceFactor");
    right->addWidget(labelChiceFactor_);
    auto* panelChoiced = new QWidget(this);
    panelChoiced->setObjectName("PanelChoicedFactor");
    auto* chainLayout = new QVBoxLayout(panelChoiced);
    chainLayout->setContentsMargins(0, 0, 0, 0);
    chain_ = new TChoicedFactorGrid(machine_, context.Blocks(), context.BusyCursor(), panelChoiced);
    chainLayout->addWidget(chain_);
    panelChoiced->setFixedHeight(chain_->minimumHeight());
    right->addWidget(panelChoiced);

    auto* lower = new QHBoxLayout;
    auto* panelProperty = new QWidget(this);
    panelProperty->setObjectName("PanelFactorProperty");
    auto* propertyLayout = new QVBoxLayout(panelProperty);
    propertyLayout->setContentsMargins(0, 0, 0, 0);
    property_ = new TPopertyGrid(*propertyModel_, context.Dialogs(), panelProperty);
    property_->SetHeadings(ReadMessageItems(context.Query(), "frame_choice_factor", "PopertyGrid"));
    propertyLayout->addWidget(property_);
    lower->addWidget(panelProperty, 5);
    carryPanel_ = new TPanelCarryOutput(*carryModel_, this);
    lower->addWidget(carryPanel_, 3);
    right->addLayout(lower, 1);
    layout->addLayout(right, 1);

    BuildBlocks();
    // The block lists are as wide as their pictures; the chain and the grids take the rest.
    int listWidth = 0;
    for (TBlockGrid* g : blockGrids_) listWidth = std::max(listWidth, g->minimumWidth());
    pageControlBlock_->setFixedWidth(pageControlBlock_->tabBar()->sizeHint().width() + listWidth + 6);
    labelChiceBlock_->setFixedWidth(pageControlBlock_->width());
    labelChiceBlock_->setWordWrap(true);
    ApplyTexts();
    connect(chain_, &TChoicedFactorGrid::SelectionChanged, this, [this] { ShowSelected(); });
    connect(chain_, &TChoicedFactorGrid::ChainChanged, this, [this] { ChainChanged(); });
    connect(chain_, &TChoicedFactorGrid::BlockElementDropped, this, [this](int block, int row) {
        if (TFactor* e = chain_->BlockElement(block, row)) AddElement(*e);
    });
    connect(property_, &TPopertyGrid::ValueCommitted, this, [this] { ValueCommitted(); });
    // A project about to be loaded frees the elements shown.
    machine_.OnChainReset = [this] {
        property_->ShowElement(nullptr);
        chain_->SetDragSourceColumn(-1);
        chain_->Items().Reload();
    };
    connect(pageControlBlock_, &QTabWidget::currentChanged, this, [this] { FocusBlockGrid(); });
    Refresh();
}

TFrameChoiceFactor::~TFrameChoiceFactor() {
    machine_.OnChainReset = nullptr;
    property_->ShowElement(nullptr);
    // The grids read the core models owned here: they go first, before closing the window
    // could lay them out again over models already freed.
    hide();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void TFrameChoiceFactor::BuildBlocks() {
    auto& blocks = context_.Blocks().Blocks();
    for (size_t i = 0; i < blocks.size(); ++i) {
        TBlock& block = *blocks[i];
        auto* grid = new TBlockGrid(block, static_cast<int>(i), pageControlBlock_);
        // The tab picture reads top to bottom; the side tab turns it, so it is turned back first.
        QPixmap picture(QString::fromStdString(NormalizePicturePath(context_.ProgramFolder(), block.ImagePath)));
        const int tab = pageControlBlock_->addTab(grid, QIcon(picture.transformed(QTransform().rotate(90))), QString());
        pageControlBlock_->setTabToolTip(tab, QString::fromStdString(block.Name));
        connect(grid, &TBlockGrid::AddRequested, this, [this] { BtnAddFactorClick(); });
        connect(grid, &TBlockGrid::RemoveRequested, this, [this] { BtnRemoveFactorClick(); });
        blockGrids_.push_back(grid);
    }
}

void TFrameChoiceFactor::ApplyTexts() {
    const TNameValueList texts = ReadMessageClass(context_.Query(), "frame_choice_factor", true);
    labelChiceBlock_->setText(QString::fromStdString(texts.Value("LabelChiceBlock")));
    labelChiceFactor_->setText(QString::fromStdString(texts.Value("LabelChiceFactor")));
    chain_->ApplyTexts(texts);
}

TBlockGrid* TFrameChoiceFactor::BlockGrid(int block) const {
    return block >= 0 && block < static_cast<int>(blockGrids_.size()) ? blockGrids_[static_cast<size_t>(block)] : nullptr;
}

TBlockGrid* TFrameChoiceFactor::ActiveBlockGrid() const { return BlockGrid(pageControlBlock_->currentIndex()); }

void TFrameChoiceFactor::BtnAddFactorClick() {
    TBlockGrid* grid = ActiveBlockGrid();
    TFactor* e = grid ? grid->SelectedFactor() : nullptr;
    if (e) AddElement(*e);
}

void TFrameChoiceFactor::AddElement(const TFactor& element) {
    if (!machine_.Editable()) return;
    // A full chain raises "NotInsertFactor" for the default error report.
    const bool added = machine_.AddFactor(element);
    ChainChanged();
    if (added) ShowSelected();
}

void TFrameChoiceFactor::BtnRemoveFactorClick() {
    if (!machine_.Editable()) return;
    const int column = chain_->DragSourceColumn();
    property_->ShowElement(nullptr);
    struct TRefresh {
        TFrameChoiceFactor* f;
        ~TRefresh() { f->ChainChanged(); }
    } refresh{this};
    machine_.RemoveFactor(column);  // "NotRemoveBecauseNotAttachable" goes to the default error report
}

void TFrameChoiceFactor::ChainChanged() {
    chain_->Reload();
    carryPanel_->Refresh();
}

void TFrameChoiceFactor::ShowSelected() {
    property_->ShowElement(machine_.SelectedFactor());
    chain_->Items().SelectionChanged();
}

void TFrameChoiceFactor::ValueCommitted() {
    chain_->Items().SelectionChanged();
    carryPanel_->Refresh();
}

bool TFrameChoiceFactor::CheckInputs() {
    property_->FinishEditing();
    return machine_.CheckInputs();
}

std::string TFrameChoiceFactor::ShowCarryValueTrace() {
    property_->FinishEditing();
    const TChoiceFactorModel::TCarryTrace trace = machine_.CarryValueTrace();
    if (!trace.Error.empty()) context_.Dialogs().ShowMessageDialog(trace.Error, TMsgDlgType::Error, mbOK);
    std::string text;
    for (const std::string& line : trace.Lines) text += line + "\r\n";
    return text;
}

void TFrameChoiceFactor::SetEditable(bool editable) {
    machine_.SetEditable(editable);
    for (TBlockGrid* g : blockGrids_) g->SetEditable(editable);
    chain_->SetEditable(editable);
    property_->SetEditable(editable);
}

void TFrameChoiceFactor::RefreshBlocks() {
    for (TBlockGrid* g : blockGrids_) g->RefreshBlock();
    chain_->Items().SelectionChanged();
}

void TFrameChoiceFactor::ShowFirstBlock() {
    RefreshBlocks();
    pageControlBlock_->setCurrentIndex(0);
    if (TBlockGrid* g = BlockGrid(0)) g->SelectRow(0);
}

void TFrameChoiceFactor::FocusBlockGrid() {
    if (TBlockGrid* g = ActiveBlockGrid()) g->setFocus();
}

void TFrameChoiceFactor::Refresh() {
    SetEditable(machine_.Editable());
    chain_->Reload();
    ShowSelected();
    carryPanel_->Refresh();
}

bool TFrameChoiceFactor::OnPageLeft() {
    if (!CheckInputs()) return false;
    session_.MachineChanged();  // the axis kind
    session_.Pattern().RefreshCarryOutputs();
    return true;
}

void TFrameChoiceFactor::OnPageEntered(bool) { Refresh(); }

void TFrameChoiceFactor::SetPageActive(bool active) {
    // Also before the window is first shown: a project opened from the command line.
    if (active) Refresh();
}

void TFrameChoiceFactor::dragEnterEvent(QDragEnterEvent* event) {
    if (machine_.Editable() && TElementDrag::FromMime(event->mimeData()).Source == TElementDrag::FromChain)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TFrameChoiceFactor::dropEvent(QDropEvent* event) {
    if (!machine_.Editable() || TElementDrag::FromMime(event->mimeData()).Source != TElementDrag::FromChain) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    BtnRemoveFactorClick();
}

}  // namespace kinemo
