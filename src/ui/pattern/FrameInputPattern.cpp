// The drive pattern screen over the pattern model.
#include "pattern/FrameInputPattern.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/ScopedRestore.h"
#include "pattern/ChartSpeed.h"
#include "pattern/InputPatternGrid.h"
#include "pattern/InputPatternModel.h"
#include "units/Measure.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedLayout>
#include <QValidator>
#include <QVBoxLayout>

namespace kinemo {

namespace {

constexpr int kModulusWidth = 64;
constexpr int kGridStretch = 5;
constexpr int kChartStretch = 4;

int IndexOf(TPatternAxis axis, TPatternInput input) { return static_cast<int>(axis) * 2 + static_cast<int>(input); }


// Refuses typing beyond a number of characters; texts set by the screen are not limited.
class TTypedLengthValidator : public QValidator {
public:
    TTypedLengthValidator(int length, QObject* parent) : QValidator(parent), length_(length) {}
    State validate(QString& input, int&) const override { return input.size() > length_ ? Invalid : Acceptable; }

private:
    int length_;
};

}  // namespace

TFrameInputPattern::TFrameInputPattern(TKinemoContext& context, TSizingSession& session, QWidget* parent)
    : QWidget(parent),
      context_(context),
      model_(session.Pattern()),
      page_(session.Pattern(), context.Dialogs(), &session.Chain()) {
    setObjectName("FrameInputPattern");
    BuildControls();
    BuildMenu();
    ApplyTexts();
    ApplyInterfaceFont(this, context_.Run().FontName);
    chartSpeed_->SetInterfaceFont(context_.Run().FontName);
    previousChartChanged_ = std::exchange(model_.OnChartChanged, nullptr);
    model_.OnChartChanged = [this] {
        if (previousChartChanged_) previousChartChanged_();
        Refresh();
    };
    previousEditableChanged_ = std::exchange(model_.OnEditableChanged, nullptr);
    model_.OnEditableChanged = [this] {
        if (previousEditableChanged_) previousEditableChanged_();
        ApplyEditable();
    };
    page_.OnEntered = [this] {
        Refresh();
        if (model_.PageActive && CurrentGrid()) CurrentGrid()->setFocus();
    };
    ApplyEditable();
    Refresh();
}

TFrameInputPattern::~TFrameInputPattern() {
    // A half-typed cell is not committed while the window goes away.
    for (TInputPatternGrid* g : grids_) g->DiscardEdit();
    model_.OnChartChanged = std::move(previousChartChanged_);
    model_.OnEditableChanged = std::move(previousEditableChanged_);
}

void TFrameInputPattern::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    labelDrivePattern_ = new QLabel(this);
    labelDrivePattern_->setObjectName("LabelDrivePattern");
    comboBoxPattern_ = new QComboBox(this);
    comboBoxPattern_->setObjectName("ComboBoxPattern");
    comboBoxPattern_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    labelSigmoidalCurve_ = new QLabel(this);
    labelSigmoidalCurve_->setObjectName("LabelSigmoidalCurve");
    comboBoxSigmoidalCurve_ = new QComboBox(this);
    comboBoxSigmoidalCurve_->setObjectName("ComboBoxSigmoidalCurve");
    comboBoxSigmoidalCurve_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    labelModulus_ = new QLabel(this);
    labelModulus_->setObjectName("LabelModulus");
    editModulus_ = new QLineEdit(this);
    editModulus_->setObjectName("EditModulus");
    // The limit is the user's: a modulus shown for a fixed entry keeps all its digits.
    editModulus_->setValidator(new TTypedLengthValidator(TInputPatternModel::kModulusMaxLength, editModulus_));
    editModulus_->setFixedWidth(kModulusWidth);
    editModulus_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editModulus_->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnAllClear_ = new QPushButton(this);
    btnAllClear_->setObjectName("BtnAllClear");
    labelDrivePattern_->setBuddy(comboBoxPattern_);
    labelSigmoidalCurve_->setBuddy(comboBoxSigmoidalCurve_);
    labelModulus_->setBuddy(editModulus_);
    bar->addWidget(labelDrivePattern_);
    bar->addWidget(comboBoxPattern_);
    bar->addSpacing(16);
    bar->addWidget(labelSigmoidalCurve_);
    bar->addWidget(comboBoxSigmoidalCurve_);
    bar->addSpacing(8);
    bar->addWidget(labelModulus_);
    bar->addWidget(editModulus_);
    bar->addStretch();
    bar->addWidget(btnAllClear_);
    layout->addLayout(bar);

    panelGrid_ = new QWidget(this);
    panelGrid_->setObjectName("PanelGrid");
    gridStack_ = new QStackedLayout(panelGrid_);
    gridStack_->setContentsMargins(0, 0, 0, 0);
    for (TPatternAxis axis : {TPatternAxis::Straight, TPatternAxis::Rolling}) {
        for (TPatternInput input : {TPatternInput::Speed, TPatternInput::Position}) {
            TInputPatternGridModel& rules = model_.Grid(axis, input);
            const bool straight = axis == TPatternAxis::Straight;
            auto* grid = new TInputPatternGrid(rules, panelGrid_);
            grid->setObjectName(QString(straight ? "InputPatternStraight" : "InputPatternRolling") +
                                (input == TPatternInput::Speed ? "SpeedGrid" : "PositionGrid"));
            gridStack_->addWidget(grid);
            grids_[static_cast<size_t>(IndexOf(axis, input))] = grid;
            connect(grid, &TInputPatternGrid::CopyRequested, this, Guarded([this] { ActionGridCopyRowExecute(); }));
            connect(grid, &TInputPatternGrid::PasteRequested, this, Guarded([this] { PasteClipboardText(); }));
            connect(grid, &TInputPatternGrid::UnitChosen, this,
                    Guarded([this](int column, const TMeasure* unit) {
                        if (unit) model_.ChooseUnit(column, *unit);
                        Refresh();
                    }));
        }
    }
    unitChooser_ = new QComboBox(panelGrid_);
    unitChooser_->setObjectName("UnitChooser");
    unitChooser_->hide();
    unitChooser_->installEventFilter(this);
    layout->addWidget(panelGrid_, kGridStretch);

    chartSpeed_ = new TChartSpeed(this);
    chartSpeed_->setMinimumHeight(180);
    layout->addWidget(chartSpeed_, kChartStretch);

    connect(comboBoxPattern_, &QComboBox::activated, this, Guarded([this](int i) { ComboBoxPatternChange(i); }));
    connect(comboBoxSigmoidalCurve_, &QComboBox::activated, this,
            Guarded([this](int i) { ComboBoxSigmoidalCurveChange(i); }));
    connect(editModulus_, &QLineEdit::textEdited, this, Guarded([this](const QString& t) { EditModulusChange(t); }));
}

void TFrameInputPattern::BuildMenu() {
    popupMenuGrid_ = new QMenu(this);
    popupMenuGrid_->setObjectName("PopupMenuGrid");
    const std::pair<const char*, void (TFrameInputPattern::*)()> commands[] = {
        {"ActionGridCutRow", &TFrameInputPattern::ActionGridCutRowExecute},
        {"ActionGridCopyRow", &TFrameInputPattern::ActionGridCopyRowExecute},
        {"ActionGridPasteRow", &TFrameInputPattern::ActionGridPasteRowExecute},
        {nullptr, nullptr},
        {"ActionGridInsertRow", &TFrameInputPattern::ActionGridInsertRowExecute},
        {"ActionGridDeleteRow", &TFrameInputPattern::ActionGridDeleteRowExecute},
    };
    for (const auto& [name, handler] : commands) {
        if (!name) {
            popupMenuGrid_->addSeparator();
            continue;
        }
        QAction* a = popupMenuGrid_->addAction(QString());
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, Guarded([this, h = handler] { (this->*h)(); }));
        actions_[name] = a;
    }
    auto* clear = new QAction(this);
    clear->setObjectName("ActionGridClearData");
    connect(clear, &QAction::triggered, this, Guarded([this] { ActionGridClearDataExecute(); }));
    connect(btnAllClear_, &QPushButton::clicked, clear, &QAction::trigger);
    actions_["ActionGridClearData"] = clear;
    connect(popupMenuGrid_, &QMenu::aboutToShow, this,
            [this] { actions_["ActionGridPasteRow"]->setEnabled(model_.CanPaste()); });
}

QAction* TFrameInputPattern::Action(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TFrameInputPattern::ApplyTexts() {
    labelDrivePattern_->setText(Qs(model_.Text("LabelDrivePattern")));
    labelSigmoidalCurve_->setText(Qs(model_.Text("LabelSigmoidalCurve")));
    labelModulus_->setText(Qs(model_.Text("LabelModulus")));
    for (auto& [name, action] : actions_) action->setText(Qs(model_.Text(name)));
    btnAllClear_->setText(Qs(model_.Text("ActionGridClearData")));
    chartSpeed_->SetTitle(model_.Text("ChartSpeed.Title"));
    comboBoxPattern_->clear();
    for (const std::string& item : model_.InputTypeItems()) comboBoxPattern_->addItem(Qs(item));
    comboBoxSigmoidalCurve_->clear();
    for (const std::string& caption : model_.SigmoidalCurveCaptions()) comboBoxSigmoidalCurve_->addItem(Qs(caption));
}

TInputPatternGrid* TFrameInputPattern::GridOf(const TInputPatternGridModel& grid) const {
    return grids_[static_cast<size_t>(IndexOf(grid.Axis(), grid.InputType()))];
}

TInputPatternGrid* TFrameInputPattern::CurrentGrid() const {
    return GridOf(const_cast<TInputPatternModel&>(model_).CurrentGrid());
}

void TFrameInputPattern::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    comboBoxPattern_->setCurrentIndex(model_.InputType());
    comboBoxSigmoidalCurve_->setCurrentIndex(model_.SigmoidalCurveIndex());
    if (editModulus_->text() != Qs(model_.ModulusText())) editModulus_->setText(Qs(model_.ModulusText()));
    editModulus_->setEnabled(model_.Editable() && model_.ModulusEnabled());
    TInputPatternGrid* grid = CurrentGrid();
    if (gridStack_->currentWidget() != grid) {
        unitChooser_->hide();
        gridStack_->setCurrentWidget(grid);
        for (TInputPatternGrid* g : grids_) g->SetUnitChooser(g == grid ? unitChooser_ : nullptr);
    }
    grid->Refresh();
    chartSpeed_->Draw(model_.Chart());
    refreshing_ = false;
}

void TFrameInputPattern::ApplyEditable() {
    const bool editable = model_.Editable();
    comboBoxPattern_->setEnabled(editable);
    comboBoxSigmoidalCurve_->setEnabled(editable);
    editModulus_->setEnabled(editable && model_.ModulusEnabled());
    btnAllClear_->setEnabled(editable);
    for (TInputPatternGrid* g : grids_) {
        g->SetEditable(editable);
        g->SetRowMenu(editable ? popupMenuGrid_ : nullptr);
    }
    if (!editable) unitChooser_->hide();
}

void TFrameInputPattern::ComboBoxPatternChange(int index) {
    model_.SetInputType(index);  // asks the user when the conversion fails
    Refresh();
    if (model_.PageActive) CurrentGrid()->setFocus();
}

void TFrameInputPattern::ComboBoxSigmoidalCurveChange(int index) {
    model_.SelectSigmoidalCurve(index);
    Refresh();
}

void TFrameInputPattern::EditModulusChange(const QString& text) { model_.SetModulusText(text.toStdString()); }

void TFrameInputPattern::RunRowCommand(const std::function<bool()>& command) {
    TInputPatternGrid* grid = CurrentGrid();
    grid->setEnabled(false);
    TRestoreOnExit enable([&] {
        grid->setEnabled(true);
        Refresh();
    });
    command();
    enable.RunNow();
    grid->setFocus();
}

void TFrameInputPattern::ActionGridCutRowExecute() {
    RunRowCommand([this] { return model_.CutRows(); });
}

// The rows go to the pattern's copy buffer and, as text, to the clipboard.
void TFrameInputPattern::ActionGridCopyRowExecute() {
    const std::string text = model_.SelectedRowsText();
    if (model_.CopyRows() && !text.empty()) QApplication::clipboard()->setText(Qs(text));
}

void TFrameInputPattern::ActionGridPasteRowExecute() {
    RunRowCommand([this] { return model_.PasteRows(); });
}

void TFrameInputPattern::ActionGridInsertRowExecute() {
    RunRowCommand([this] { return model_.InsertRows(); });
}

void TFrameInputPattern::ActionGridDeleteRowExecute() {
    RunRowCommand([this] { return model_.DeleteRows(); });
}

void TFrameInputPattern::ActionGridClearDataExecute() {
    model_.ClearData();
    Refresh();
}

void TFrameInputPattern::PasteClipboardText() {
    if (!model_.Editable()) return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    RunRowCommand([this, &text] { return model_.PasteText(text); });
}

bool TFrameInputPattern::eventFilter(QObject* watched, QEvent* event) {
    if (watched == unitChooser_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                CurrentGrid()->setFocus();
                return true;
            }
        }
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            unitChooser_->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void TFrameInputPattern::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CurrentGrid()->FitColumns();
}

}  // namespace kinemo
