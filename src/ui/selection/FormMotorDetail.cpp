// Motor detail window.
#include "selection/FormMotorDetail.h"
#include "common/QtText.h"

#include "session/ReportJob.h"
#include "reports/FormCommitMotorPrintMenu.h"

#include <ctime>

#include "common/InterfaceFont.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/UserDialogs.h"
#include "pattern/SigmoidalCurves.h"
#include "pattern/SpeedChartState.h"
#include "selection/MotorDetailCharts.h"
#include "selection/ExplanationText.h"
#include "selection/FormExplainFigure.h"
#include "base/KinemoError.h"
#include "torque/FigureExplanation.h"
#include "selection/MotorGrid.h"
#include "selection/TorqueSpeedEnvelope.h"
#include "torque/Motor.h"
#include "units/Measure.h"

#include <QApplication>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kinemo {

namespace {

QLabel* Caption(QWidget* parent, const char* name, const std::string& text) {
    auto* l = new QLabel(Qs(text), parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

TDetailGridModel::TDetailGridModel(const TDetailGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int TDetailGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Rows; }
int TDetailGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.Columns; }

QVariant TDetailGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int c = index.column(), r = index.row();
    const bool fixed = c < grid_.FixedColumns || r < grid_.FixedRows;
    switch (role) {
    case Qt::DisplayRole: return Qs(grid_.Cell(c, r));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    case Qt::BackgroundRole: {
        const QColor verdict = VerdictColour(grid_.Verdict(c, r));
        if (verdict.isValid()) return verdict;
        return QApplication::palette().color(fixed ? QPalette::Button : QPalette::Base);
    }
    case Qt::ForegroundRole: return QApplication::palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
    default: return {};
    }
}

TFormMotorDetail::TFormMotorDetail(TKinemoContext& context, TSizingSession& session, const TMotor& motor,
                                   const TMotorDetailInput& input, QWidget* owner)
    : QDialog(owner), context_(context), session_(session), motor_(motor),
      model_(context.ValueFormat(), session.ResultLabels()) {
    setObjectName("FormMotorDetail");
    model_.LoadTexts(context_.Query());
    model_.Fill(motor_, input);
    setWindowTitle(Qs(model_.Text("FormTitle")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(Caption(this, "LabelMotorSpecific", model_.Text("LabelMotorSpecific")));
    gridBase_ = MakeGrid(model_.Base(), "GridMotorBase");
    left->addWidget(gridBase_);
    left->addStretch();
    top->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(Caption(this, "LabelMotorCalc", model_.Text("LabelMotorCalc")));
    gridCalc_ = MakeGrid(model_.Calc(), "GridMotorCalc");
    connect(gridCalc_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ExplainCell(index.column(), index.row()); });
    right->addWidget(gridCalc_);
    right->addWidget(Caption(this, "LabelAttention", model_.Text("LabelAttention")));
    gridOpt_ = MakeGrid(model_.Opt(), "GridMotorOpt");
    gridOpt_->setSpan(1, 1, 1, 4);
    right->addWidget(gridOpt_);
    auto* memo = new QPlainTextEdit(Qs(model_.Text("MemoComment")), this);
    memo->setObjectName("MemoComment");
    memo->setReadOnly(true);
    memo->setFixedHeight(46);
    right->addWidget(memo);
    right->addStretch();
    top->addLayout(right, 1);
    layout->addLayout(top);

    auto* patternRow = new QHBoxLayout;
    patternRow->addWidget(Caption(this, "LabelDrivePattern", model_.Text("LabelDrivePattern")));
    auto* sigmoidal = new QLabel(Qs(model_.SigmoidalLine()), this);
    sigmoidal->setObjectName("StaticTextSigmoidalCurve");
    patternRow->addSpacing(16);
    patternRow->addWidget(sigmoidal);
    patternRow->addStretch();
    layout->addLayout(patternRow);
    BuildCharts();
    auto* charts = new QHBoxLayout;
    charts->addWidget(chartSpeed_, 1);
    charts->addWidget(chartTorque_, 1);
    charts->addWidget(chartEnvelope_, 1);
    layout->addLayout(charts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* print = new QPushButton(Qs(model_.Text("BtnPrint")), this);
    print->setObjectName("BtnPrint");
    btnPrint_ = print;
    btnCommit_ = new QPushButton(Qs(model_.Text("BtnCommit")), this);
    btnCommit_->setObjectName("BtnCommit");
    btnCommit_->setEnabled(TMotorDetailModel::CommitEnabled(session_.CommittedMotor() != nullptr));
    auto* close = new QPushButton(Qs(model_.Text("BtnClose")), this);
    close->setObjectName("BtnClose");
    for (QPushButton* b : {print, btnCommit_, close}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(btnCommit_, &QPushButton::clicked, this, &TFormMotorDetail::BtnCommitClick);
    connect(print, &QPushButton::clicked, this, &TFormMotorDetail::BtnPrintClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    ApplyInterfaceFont(this, context_.Run().FontName);
    resize(sizeHint().width(), 800);
}

bool TFormMotorDetail::ExplainCell(int column, int row) {
    const std::string figure = TMotorDetailModel::CalcFigureAt(column, row);
    if (figure.empty() || motor_.JudgementLog.empty()) return false;
    TExplanationText words;
    words.LoadTexts(context_.Query());
    try {
        const TFigureExplanation e = ExplainFigure(figure, motor_, motor_.JudgementLog.front(),
                                                   session_.JudgementFormulas(), session_.TorqueFormulas());
        TFormExplainFigure popup(words, e, this);
        if (ExecDialog) ExecDialog(popup);
        else popup.exec();
    } catch (const TKinemoError& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Error, mbOK);
        return false;
    }
    return true;
}

QTableView* TFormMotorDetail::MakeGrid(const TDetailGrid& grid, const char* name) {
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(new TDetailGridModel(grid, view));
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * view->frameWidth(), height = 2 * view->frameWidth();
    for (int c = 0; c < grid.Columns; ++c) {
        view->setColumnWidth(c, grid.Widths[static_cast<size_t>(c)]);
        width += grid.Widths[static_cast<size_t>(c)];
    }
    for (int r = 0; r < grid.Rows; ++r) {
        view->setRowHeight(r, grid.RowHeight);
        height += grid.RowHeight;
    }
    view->setFixedSize(width, height);
    return view;
}

void TFormMotorDetail::BuildCharts() {
    auto view = [this](QChart* chart, const char* name) {
        auto* v = new QChartView(chart, this);
        v->setObjectName(name);
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(280, 260);
        return v;
    };
    chartSpeed_ = view(NewDetailChart(model_.Text("ChartSpeed.Title"), false), "ChartSpeed");
    chartTorque_ = view(NewDetailChart(model_.Text("ChartTorque.Title"), false), "ChartTorque");
    chartEnvelope_ = view(NewDetailChart(model_.Text("ChartEnvelope.Title"), true), "ChartEnvelope");
    DrawSpeedChart();
    DrawTorqueChart();
    DrawEnvelopeChart();
}

void TFormMotorDetail::DrawSpeedChart() {
    TSpeedChartState state;
    const TSigmoidalCurve* curve = session_.SigmoidalCurves().Selected();
    state.Draw(session_.Pattern().CurrentGrid(), curve && curve->Adhibition);
    kinemo::DrawSpeedChart(*chartSpeed_->chart(), state);
}

void TFormMotorDetail::DrawTorqueChart() {
    TSpeedChartState state;
    state.Draw(session_.Pattern().CurrentGrid(), false);
    const TMeasure* base = state.TimeBaseUnit();
    const TMeasure* shown = state.TimeDisplayUnit();
    TMeasureManager& measures = context_.Measures();
    auto toDisplay = [&](double t) { return base && shown ? measures.Convert(base->Code(), shown->Code(), t) : t; };
    TChartPointList points{{0, 0}};
    std::pair<double, double> axis{-1, 1};
    if (motor_.Torques) {
        points = TMotorDetailModel::TorqueChartPoints(*motor_.Torques, toDisplay);
        axis = TMotorDetailModel::TorqueAxisRange(*motor_.Torques);
    }
    kinemo::DrawTorqueChart(*chartTorque_->chart(), points, axis, state.BottomAxisTitle(),
                            model_.Text("ChartTorque.LeftAxis"));
}

void TFormMotorDetail::DrawEnvelopeChart() {
    const TTorqueSpeedEnvelope envelope = TTorqueSpeedEnvelope::Load(context_.Query(), motor_);
    TSpeedTorqueCurve operating;
    TSpeedTorquePoint effective;
    if (motor_.Torques) {
        operating = OperatingPoints(*motor_.Torques);
        effective = EffectivePoint(*motor_.Torques, motor_.MotorEffectiveTorque);
    }
    TEnvelopeTexts texts{model_.Text("ChartEnvelope.BottomAxis"), model_.Text("ChartEnvelope.LeftAxis"),
                         model_.Text("ChartEnvelope.Continuous"), model_.Text("ChartEnvelope.Peak"),
                         model_.Text("ChartEnvelope.Intervals"),  model_.Text("ChartEnvelope.Effective")};
    kinemo::DrawEnvelopeChart(*chartEnvelope_->chart(), envelope, operating, effective, texts);
}

void TFormMotorDetail::BtnCommitClick() {
    try {
        TBusyScope busy(context_.BusyCursor());
        if (OnCommit) OnCommit(motor_);
        else session_.CommitMotor(motor_);
    } catch (const std::exception& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
        return;
    }
    accept();
}

void TFormMotorDetail::BtnPrintClick() {
    try {
        TReportJob job(context_, session_);
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        job.Open(motor_, local);
        TCommitMotorPrintMenuModel& menu = job.Menu();
        menu.SetPaperSizeIndex(context_.Run().Settings.PaperSize);
        TFormCommitMotorPrintMenu form(context_, session_, menu, job.Motor(), FileDialogs, this);
        form.ExecDialog = ExecDialog;
        if (ExecDialog) ExecDialog(form);
        else form.exec();
        form.TakeInputs();
        session_.PrintHeaderText = menu.HeaderText;
        session_.PrintCommentText = menu.CommentText;
        context_.Run().Settings.PaperSize = menu.PaperSizeIndex();
    } catch (const std::exception& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Warning, mbOK);
    }
}

}  // namespace kinemo
