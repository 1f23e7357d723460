// Motor choice page.
#include "selection/FrameChoiceMotor.h"
#include "common/QtText.h"
#include "selection/FormCompareMotors.h"
#include "selection/FormDesignVariants.h"

#include "common/FormWaitForProcess.h"
#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/NumberText.h"
#include "machine/CalcCarryValue.h"
#include "pattern/SigmoidalCurves.h"
#include "selection/DisplayConditionForm.h"
#include "selection/FormDisplayCondition.h"
#include "selection/FormMotorDetail.h"
#include "selection/MotorGrid.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kinemo {

namespace {

constexpr TAdjudicationLevel kLevels[] = {TAdjudicationLevel::All, TAdjudicationLevel::L60, TAdjudicationLevel::L80,
                                          TAdjudicationLevel::L100, TAdjudicationLevel::Custom};
constexpr const char* kLevelButtons[] = {"BtnAdjudicationAll", "BtnAdjudication60", "BtnAdjudication80",
                                         "BtnAdjudication100", "BtnAdjudicationCustom"};

// Refresh writes into the controls; their change signals must not act as user edits.
struct TRefreshing {
    bool& flag;
    bool old;
    explicit TRefreshing(bool& f) : flag(f), old(f) { flag = true; }
    ~TRefreshing() { flag = old; }
};

template <class T>
T* Named(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

}  // namespace

TFrameChoiceMotor::TFrameChoiceMotor(TKinemoContext& context, TSizingSession& session, TFrameChoiceMotorHost host,
                                     QWidget* parent)
    : QWidget(parent), context_(context), session_(session), host_(std::move(host)) {
    setObjectName("FrameChoiceMotor");
    BuildWidgets();
    previousOnCandidates_ = session_.Search().OnCandidates;
    session_.Search().OnCandidates = [this](std::vector<std::unique_ptr<TMotor>> list) {
        if (previousOnCandidates_) previousOnCandidates_(std::move(list));
        // The old rows are gone: the grid must not show them until the next refresh.
        grid_->GridModel().Reset();
        candidatesChanged_ = true;
    };
    session_.Candidates().OnJudged = [this](const TMotor& m) {
        if (host_.DebugText) host_.DebugText(m.GetDebugText());
    };
    ApplyTexts();
    ApplyInterfaceFont(this, context_.Run().FontName);
    candidatesChanged_ = true;
    Refresh();
}

void TFrameChoiceMotor::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 6, 3, 3);
    layout->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildLists());
    top->addWidget(BuildSearchItems(), 1);
    layout->addLayout(top);
    layout->addWidget(BuildInputs());
    layout->addWidget(BuildLevelRow());
    grid_ = new TMotorGrid(session_.Candidates(), this);
    layout->addWidget(grid_, 1);
    layout->addWidget(BuildActionRow());
    connect(grid_, &TMotorGrid::RowSelected, this, [this](int row, bool byUser) {
        Guarded([&] { RowSelected(row, byUser); })();
    });
    connect(grid_, &TMotorGrid::OpenDetail, this, [this](int row) { Guarded([&] { OpenMotorDetail(row); })(); });
}

QWidget* TFrameChoiceMotor::BuildLists() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* lists = new QVBoxLayout;
    lists->setSpacing(2);
    lists->addWidget(Named<QLabel>(box, "LabelChoiceFunction"));
    listFunction_ = Named<QListWidget>(box, "ListBoxMotorFunction");
    listFunction_->setFixedSize(230, 62);
    lists->addWidget(listFunction_);
    lists->addSpacing(4);
    lists->addWidget(Named<QLabel>(box, "LabelChoiceSeries"));
    listSeries_ = Named<QListWidget>(box, "ListBoxMotorSeries");
    listSeries_->setFixedWidth(230);
    lists->addWidget(listSeries_, 1);
    row->addLayout(lists);
    auto* about = new QVBoxLayout;
    about->setSpacing(2);
    imageMotor_ = Named<QLabel>(box, "ImageMotor");
    imageMotor_->setFixedSize(220, 96);
    imageMotor_->setAlignment(Qt::AlignCenter);
    about->addWidget(imageMotor_);
    memoFunction_ = Named<QPlainTextEdit>(box, "MemoFunctionFeatue");
    memoSeries_ = Named<QPlainTextEdit>(box, "MemoFeature");
    for (QPlainTextEdit* memo : {memoFunction_, memoSeries_}) {
        memo->setReadOnly(true);
        memo->setFixedWidth(220);
        QFont small = memo->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        memo->setFont(small);
    }
    memoFunction_->setFixedHeight(52);
    about->addWidget(memoFunction_);
    about->addWidget(memoSeries_, 1);
    row->addLayout(about);
    connect(listFunction_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!refreshing_ && r >= 0) Guarded([&] { ChooseFunction(r); })();
    });
    connect(listSeries_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!refreshing_ && r >= 0) Guarded([&] { ChooseSeries(r); })();
    });
    return box;
}

QWidget* TFrameChoiceMotor::BuildSearchItems() {
    auto* group = Named<QGroupBox>(this, "GroupBoxSearchItem");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < kSearchItemCount; ++i) {
        const TSearchItemDescriptor& d = kSearchItems[static_cast<size_t>(i)];
        labels_[static_cast<size_t>(i)] = Named<QLabel>(group, d.LabelControl);
        auto* combo = Named<QComboBox>(group, d.ComboControl);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(8);
        combos_[static_cast<size_t>(i)] = combo;
        grid->addWidget(labels_[static_cast<size_t>(i)], i, 0);
        grid->addWidget(combo, i, 1);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int entry) {
            if (!refreshing_ && entry >= 0) Guarded([&] { ChooseSearchEntry(i, entry); })();
        });
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* TFrameChoiceMotor::BuildInputs() {
    auto* group = Named<QGroupBox>(this, "GroupBoxSearchInput");
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(Named<QLabel>(group, "LabelInputSupply"));
    editSupply_ = Named<QLineEdit>(group, "EditInputSupply");
    editSupply_->setFixedWidth(60);
    editSupply_->setAlignment(Qt::AlignRight);
    row->addWidget(editSupply_);
    row->addWidget(Named<QLabel>(group, "LabelInputSupplyVoltage"));
    row->addSpacing(24);
    row->addWidget(Named<QLabel>(group, "LabelPositionRange"));
    editPositionRange_ = Named<QLineEdit>(group, "EditPositionRange");
    editPositionRange_->setMaxLength(9);
    editPositionRange_->setFixedWidth(80);
    editPositionRange_->setAlignment(Qt::AlignRight);
    row->addWidget(editPositionRange_);
    row->addWidget(Named<QLabel>(group, "LabelPositionRangePulse"));
    row->addSpacing(24);
    row->addWidget(Named<QLabel>(group, "LabelStoppingAccuracy"));
    row->addWidget(Named<QLabel>(group, "LabelStoppingAccuracyPuls"));
    textStoppingAccuracy_ = Named<QLineEdit>(group, "TextStoppingAccuracy");
    textStoppingAccuracy_->setReadOnly(true);
    textStoppingAccuracy_->setFixedWidth(90);
    textStoppingAccuracy_->setAlignment(Qt::AlignRight);
    row->addWidget(textStoppingAccuracy_);
    labelAccuracyUnit_ = Named<QLabel>(group, "LabelStoppingAccuracymm");
    row->addWidget(labelAccuracyUnit_);
    row->addStretch();
    connect(editSupply_, &QLineEdit::textEdited, this, [this](const QString& t) {
        Guarded([&] { SetInputSupply(t); })();
    });
    connect(editPositionRange_, &QLineEdit::textEdited, this, [this](const QString& t) {
        Guarded([&] { SetPositionRange(t); })();
    });
    return group;
}

QWidget* TFrameChoiceMotor::BuildLevelRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Named<QLabel>(box, "LabelTorqueAdjudicationLevel"));
    levels_ = new QButtonGroup(this);
    levels_->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        auto* b = Named<QPushButton>(box, kLevelButtons[i]);
        b->setCheckable(true);
        b->setFixedWidth(i == 4 ? 72 : 54);
        levels_->addButton(b, i);
        row->addWidget(b);
    }
    connect(levels_, &QButtonGroup::idClicked, this, [this](int id) {
        Guarded([&] { ChooseLevel(kLevels[id]); })();
    });
    row->addSpacing(12);
    btnAdjudication_ = Named<QPushButton>(box, "BtnAdjudication");
    QFont bold = btnAdjudication_->font();
    bold.setBold(true);
    btnAdjudication_->setFont(bold);
    connect(btnAdjudication_, &QPushButton::clicked, this, [this] { Guarded([&] { JudgeAllCandidates(); })(); });
    row->addWidget(btnAdjudication_);
    row->addSpacing(12);
    row->addWidget(Named<QLabel>(box, "LabelCorrespond"));
    labelMotorCount_ = Named<QLabel>(box, "LabelMotorCount");
    labelMotorCount_->setMinimumWidth(24);
    labelMotorCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(labelMotorCount_);
    row->addWidget(Named<QLabel>(box, "LabelParts"));
    row->addStretch();
    return box;
}

// Below the grid: the actions on the listed motors. One row with the level buttons does
// not fit the window's smallest width.
QWidget* TFrameChoiceMotor::BuildActionRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* compare = Named<QPushButton>(box, "BtnCompare");
    connect(compare, &QPushButton::clicked, this, [this] { Guarded([&] { CompareMarked(); })(); });
    row->addWidget(compare);
    auto* variants = Named<QPushButton>(box, "BtnVariants");
    connect(variants, &QPushButton::clicked, this, [this] { Guarded([&] { OpenVariants(); })(); });
    row->addWidget(variants);
    row->addStretch();
    btnCommit_ = Named<QPushButton>(box, "ButtonMotorCommit");
    connect(btnCommit_, &QPushButton::clicked, this, [this] { Guarded([&] { ReleaseCommitment(); })(); });
    row->addWidget(btnCommit_);
    return box;
}

void TFrameChoiceMotor::ApplyTexts() {
    const TNameValueList texts = ReadMessageClass(context_.Query(), "frame_choice_motor", true);
    straightUnit_ = texts.Value("LabelStoppingAccuracyMeasureStraight");
    rollingUnit_ = texts.Value("LabelStoppingAccuracyMeasureRolling");
    for (QWidget* w : findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (name.empty() || !texts.Contains(name)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) label->setText(Qs(texts.Value(name)));
        else if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(Qs(texts.Value(name)));
        else if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(Qs(texts.Value(name)));
    }
}

void TFrameChoiceMotor::Refresh() {
    TRefreshing guard(refreshing_);
    RefreshLists();
    RefreshSearchItems();
    const TMotorChoiceModel& search = session_.Search();
    if (editSupply_->text().toStdString() != search.InputSupplyText()) editSupply_->setText(Qs(search.InputSupplyText()));
    if (editPositionRange_->text().toStdString() != search.PositionRangeText())
        editPositionRange_->setText(Qs(search.PositionRangeText()));
    labelAccuracyUnit_->setText(Qs(session_.Chain().IsRolling() ? rollingUnit_ : straightUnit_));
    labelMotorCount_->setText(QString::number(session_.Candidates().FullList().size()));
    if (QAbstractButton* b = levels_->button(static_cast<int>(session_.Candidates().Level()))) b->setChecked(true);
    if (candidatesChanged_) {
        candidatesChanged_ = false;
        grid_->SetDisplayList();
    } else {
        grid_->ApplyLock();
    }
    RefreshStates();
}

void TFrameChoiceMotor::RefreshLists() {
    const TMotorChoiceModel& search = session_.Search();
    const auto& functions = search.Functions();
    if (listFunction_->count() != static_cast<int>(functions.size())) {
        listFunction_->clear();
        for (const TMotorFunction& f : functions) listFunction_->addItem(Qs(f.Name));
    }
    listFunction_->setCurrentRow(search.CurrentFunction());
    listSeries_->clear();
    memoFunction_->clear();
    if (search.CurrentFunction() >= 0) {
        const TMotorFunction& f = functions[static_cast<size_t>(search.CurrentFunction())];
        for (const TMotorSeries& s : f.Series) listSeries_->addItem(Qs(s.Name));
        memoFunction_->setPlainText(Qs(f.Feature));
    }
    listSeries_->setCurrentRow(search.CurrentSeriesIndex());
    const TMotorSeries* series = search.CurrentSeries();
    memoSeries_->setPlainText(series ? Qs(series->Feature) : QString());
    QPixmap picture;
    if (series && !series->Image.empty()) {
        std::string path = series->Image;
        std::replace(path.begin(), path.end(), '\\', '/');
        const QString file = Qs(context_.ProgramFolder() + path);
        if (QFileInfo::exists(file)) picture.load(file);
    }
    imageMotor_->setPixmap(picture.isNull() ? QPixmap()
                                            : picture.scaled(imageMotor_->size(), Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation));
}

void TFrameChoiceMotor::RefreshSearchItems() {
    for (int i = 0; i < kSearchItemCount; ++i) {
        const TSearchItemState& item = session_.Search().Item(i);
        QComboBox* combo = combos_[static_cast<size_t>(i)];
        combo->clear();
        for (const std::string& e : item.Entries) combo->addItem(Qs(e));
        combo->setCurrentIndex(item.Chosen() ? item.Selected : -1);
    }
}

void TFrameChoiceMotor::RefreshStates() {
    const bool committed = session_.CommittedMotor() != nullptr;
    listFunction_->setEnabled(!committed);
    listSeries_->setEnabled(!committed);
    memoFunction_->setEnabled(!committed);
    memoSeries_->setEnabled(!committed);
    for (int i = 0; i < kSearchItemCount; ++i)
        combos_[static_cast<size_t>(i)]->setEnabled(!committed && !session_.Search().Item(i).Entries.empty());
    editSupply_->setEnabled(!committed);
    editPositionRange_->setEnabled(!committed);
    for (QAbstractButton* b : levels_->buttons()) b->setEnabled(!committed);
    btnAdjudication_->setEnabled(!committed);
    btnCommit_->setEnabled(committed);
}

void TFrameChoiceMotor::SetBusy(bool busy) {
    if (session_.CommittedMotor()) return;
    listFunction_->setEnabled(!busy);
    listSeries_->setEnabled(!busy);
    for (int i = 0; i < kSearchItemCount; ++i)
        combos_[static_cast<size_t>(i)]->setEnabled(!busy && !session_.Search().Item(i).Entries.empty());
}

void TFrameChoiceMotor::FirstIdle() {
    if (session_.Search().SettingUp()) session_.Search().EndSetup();
    candidatesChanged_ = true;
    Refresh();
}

void TFrameChoiceMotor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A project opened or a motor committed elsewhere since the page was last shown.
    Guarded([this] { Refresh(); })();
}

void TFrameChoiceMotor::OnPageEntered(bool committed) {
    if (!committed) {
        TBusyScope busy(context_.BusyCursor());
        session_.PrepareJudgement();
    }
    Refresh();
}

void TFrameChoiceMotor::ChooseFunction(int index) {
    SetBusy(true);
    session_.SelectFunction(index);
    Refresh();
}

void TFrameChoiceMotor::ChooseSeries(int index) {
    SetBusy(true);
    session_.SelectSeries(index);
    Refresh();
}

void TFrameChoiceMotor::ChooseSearchEntry(int item, int entry) {
    SetBusy(true);
    session_.SelectSearchEntry(item, entry);
    Refresh();
}

void TFrameChoiceMotor::SetInputSupply(const QString& text) {
    session_.SetInputSupply(text.toStdString());
    grid_->GridModel().Repaint();
}

void TFrameChoiceMotor::SetPositionRange(const QString& text) {
    session_.SetPositionRange(text.toStdString());
    const QModelIndex current = grid_->currentIndex();
    ShowStoppingAccuracy(current.isValid() ? current.row() : -1);
}

void TFrameChoiceMotor::ShowStoppingAccuracy(int row) {
    const auto& list = session_.Candidates().DisplayList();
    const TMotor* motor = row >= 0 && row < static_cast<int>(list.size()) ? list[static_cast<size_t>(row)] : nullptr;
    textStoppingAccuracy_->setText(Qs(session_.Search().TextStoppingAccuracy(motor)));
}

void TFrameChoiceMotor::RowSelected(int row, bool byUser) {
    ShowStoppingAccuracy(row);
    const auto& list = session_.Candidates().DisplayList();
    if (!byUser || row < 0 || row >= static_cast<int>(list.size())) return;
    TMotor& motor = *list[static_cast<size_t>(row)];
    if (motor.Judged) return;
    TBusyScope busy(context_.BusyCursor());
    session_.PrepareJudgement();
    if (session_.Candidates().JudgeOneMotor(motor)) grid_->GridModel().Repaint();
}

void TFrameChoiceMotor::ChooseLevel(TAdjudicationLevel level) {
    if (level == TAdjudicationLevel::Custom) {
        if (!session_.Search().Loading()) RunCustomDialog();
        return;
    }
    session_.SetLevel(level);
}

void TFrameChoiceMotor::RunCustomDialog() {
    TDisplayConditionForm form(context_.ValueFormat(), context_.ErrorMessages());
    form.LoadTexts(context_.Query());
    form.SetCondition(session_.Candidates().CustomCondition());
    TFormDisplayCondition dialog(form, context_.Dialogs(), context_.Run().FontName, this);
    Exec(dialog);
    session_.SetCustomLevel(form.Condition());
}

int TFrameChoiceMotor::Exec(QDialog& dialog) {
    return host_.ExecDialog ? host_.ExecDialog(dialog) : dialog.exec();
}

bool TFrameChoiceMotor::JudgeAllCandidates() {
    TBusyScope busy(context_.BusyCursor());
    TFormWaitForProcess wait(window(), context_.Run().FontName);
    setEnabled(false);
    struct TRestore {
        QWidget* w;
        TFormWaitForProcess* wait;
        ~TRestore() {
            wait->hide();
            w->setEnabled(true);
        }
    } restore{this, &wait};
    if (host_.BringPatternUpToDate) host_.BringPatternUpToDate();
    wait.Progress(0, static_cast<int>(session_.Candidates().FullList().size()), "");
    const bool ok = session_.JudgeAll(session_.Candidates().Level(), &wait);
    if (ok) grid_->SetDisplayList();
    return ok;
}

void TFrameChoiceMotor::OpenMotorDetail(int row) {
    const auto& list = session_.Candidates().DisplayList();
    if (row < 0 || row >= static_cast<int>(list.size())) return;
    TMotor& motor = *list[static_cast<size_t>(row)];
    bool judged = false;
    {
        TBusyScope busy(context_.BusyCursor());
        if (host_.BringPatternUpToDate) host_.BringPatternUpToDate();
        session_.PrepareJudgement();
        judged = session_.Candidates().JudgeOneMotor(motor);
    }
    grid_->GridModel().Repaint();
    if (!judged) return;
    const TMotorDetailInput input = session_.DetailInput(&motor);
    TFormMotorDetail detail(context_, session_, motor, input, this);
    detail.OnCommit = [this](const TMotor& m) {
        if (host_.Commit) host_.Commit(m);
        else session_.CommitMotor(m);
    };
    Exec(detail);
    if (session_.CommittedMotor()) {
        Refresh();
        emit CommitChanged();
    }
}

void TFrameChoiceMotor::CompareMarked() {
    const auto& list = session_.Candidates().DisplayList();
    std::vector<const TMotor*> motors;
    {
        TBusyScope busy(context_.BusyCursor());
        if (host_.BringPatternUpToDate) host_.BringPatternUpToDate();
        session_.PrepareJudgement();
        for (int row : grid_->MarkedRows()) {
            if (row < 0 || row >= static_cast<int>(list.size())) continue;
            TMotor& motor = *list[static_cast<size_t>(row)];
            if (!motor.Judged && !session_.Candidates().JudgeOneMotor(motor)) return;
            motors.push_back(&motor);
        }
    }
    grid_->GridModel().Repaint();
    TFormCompareMotors form(context_, session_, motors, host_.FileDialogs, this);
    Exec(form);
}

void TFrameChoiceMotor::OpenVariants() {
    TFormDesignVariants form(context_, session_, host_.LoadHost, this);
    Exec(form);
    Refresh();
}

void TFrameChoiceMotor::ReleaseCommitment() {
    {
        TBusyScope busy(context_.BusyCursor());
        if (host_.Release) host_.Release();
        else session_.ReleaseCommit();
    }
    Refresh();
    emit CommitChanged();
}

}  // namespace kinemo
