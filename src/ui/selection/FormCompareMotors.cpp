// Comparison window.
#include "selection/FormCompareMotors.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/FileDialogs.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "selection/FormExplainFigure.h"
#include "selection/ComparisonReport.h"
#include "reports/ReportOutput.h"
#include "selection/MotorDetailCharts.h"
#include "selection/MotorGrid.h"
#include "selection/TorqueSpeedEnvelope.h"
#include "torque/FigureExplanation.h"
#include "torque/Motor.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

// One colour per motor column, told apart also in print.
const QColor kMotorColours[] = {QColor(0x1f, 0x5f, 0xb4), QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x8e, 0x3c),
                                QColor(0x8e, 0x44, 0xad)};

}  // namespace

TComparisonGridModel::TComparisonGridModel(const TMotorComparison& comparison, QObject* parent)
    : QAbstractTableModel(parent), comparison_(comparison) {}

int TComparisonGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(comparison_.Rows().size());
}

int TComparisonGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFixedColumns + static_cast<int>(comparison_.Motors().size());
}

QVariant TComparisonGridModel::data(const QModelIndex& index, int role) const {
    const TComparisonRow& row = comparison_.Rows().at(static_cast<size_t>(index.row()));
    const int c = index.column();
    const int motor = c - kFixedColumns;
    switch (role) {
    case Qt::DisplayRole:
        if (c == 0) return Qs(row.Group);
        if (c == 1) return Qs(row.Label);
        if (c == 2) return Qs(row.Unit);
        return Qs(row.Cells.at(static_cast<size_t>(motor)));
    case Qt::TextAlignmentRole:
        return c >= kFixedColumns ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (c < kFixedColumns) return QApplication::palette().color(QPalette::Button);
        if (row.Verdicts.at(static_cast<size_t>(motor)) != TVerdict::None)
            return VerdictColour(row.Verdicts[static_cast<size_t>(motor)]);
        if (row.Best.at(static_cast<size_t>(motor))) return QColor(0xd6, 0xe9, 0xfa);
        return {};
    case Qt::FontRole:
        if (c >= kFixedColumns && row.Best.at(static_cast<size_t>(motor))) {
            QFont f = QApplication::font();
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::ToolTipRole:
        if (c >= kFixedColumns && row.Best.at(static_cast<size_t>(motor))) return Qs(comparison_.Text("BestHint"));
        return {};
    default: return {};
    }
}

QVariant TComparisonGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::ForegroundRole && section >= kFixedColumns)
        return kMotorColours[(section - kFixedColumns) % 4];
    if (role != Qt::DisplayRole) return {};
    if (section == 0) return Qs(comparison_.Text("ColumnGroup"));
    if (section == 1) return Qs(comparison_.Text("ColumnLabel"));
    if (section == 2) return Qs(comparison_.Text("ColumnUnit"));
    return Qs(comparison_.Motors().at(static_cast<size_t>(section - kFixedColumns))->msv_model_all);
}

TFormCompareMotors::TFormCompareMotors(TKinemoContext& context, TSizingSession& session,
                                       const std::vector<const TMotor*>& motors, IFileDialogs* files, QWidget* owner)
    : QDialog(owner), context_(context), session_(session), files_(files),
      comparison_(context.ValueFormat(), session.ResultLabels()) {
    setObjectName("FormCompareMotors");
    comparison_.LoadTexts(context_.Query());
    words_.LoadTexts(context_.Query());
    std::vector<long long> optionSets;
    for (const TMotor* m : motors) optionSets.push_back(m ? session_.OptionSetPrice(*m) : -1);
    comparison_.Fill(motors, session_.DetailInput(motors.empty() ? nullptr : motors.front()), optionSets);
    setWindowTitle(Qs(comparison_.Text("FormTitle")));
    setMinimumSize(980, 700);

    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(Qs(comparison_.Text("LabelRows") + " " + words_.Text("Hint")), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* split = new QSplitter(Qt::Horizontal, this);
    grid_ = new QTableView(split);
    grid_->setObjectName("GridCompare");
    model_ = new TComparisonGridModel(comparison_, grid_);
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(21);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The captions fit their texts; the motor columns share the rest.
    for (int c = 0; c < TComparisonGridModel::kFixedColumns; ++c)
        grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int c = TComparisonGridModel::kFixedColumns; c < model_->columnCount(); ++c)
        grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideMiddle);
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { ExplainCell(i.row(), i.column()); });
    chart_ = new QChartView(split);
    chart_->setObjectName("ChartCompare");
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumWidth(300);
    split->addWidget(grid_);
    split->addWidget(chart_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    split->setSizes({640, 320});
    layout->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name) {
        auto* b = new QPushButton(Qs(comparison_.Text(name)), this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* explain = button("BtnExplain");
    connect(explain, &QPushButton::clicked, this, [this] {
        const QModelIndex i = grid_->currentIndex();
        if (i.isValid()) ExplainCell(i.row(), i.column());
    });
    connect(button("BtnCsv"), &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(button("BtnPdf"), &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(button("BtnPrint"), &QPushButton::clicked, this, [this] { Print(); });
    buttons->addStretch();
    connect(button("BtnClose"), &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(buttons);
    DrawChart();
}

void TFormCompareMotors::DrawChart() {
    QChart* chart = NewDetailChart(comparison_.Text("ChartTitle"), true);
    chart->setTitle("<b>" + Qs(comparison_.Text("ChartTitle")).toHtmlEscaped() + "</b><br><small>" +
                    Qs(comparison_.Text("ChartNote")).toHtmlEscaped() + "</small>");
    double maxSpeed = 1, maxTorque = 1;
    // One legend entry per motor (its peak curve); the title tells the line kinds apart.
    std::vector<bool> legendShown;
    for (size_t i = 0; i < comparison_.Motors().size(); ++i) {
        const TMotor& m = *comparison_.Motors()[i];
        const QColor colour = kMotorColours[i % 4];
        const TTorqueSpeedEnvelope envelope = TTorqueSpeedEnvelope::Load(context_.Query(), m);
        auto curve = [&](const TSpeedTorqueCurve& zone, const std::string& format, Qt::PenStyle style) {
            auto* s = new QLineSeries(chart);
            s->setName(Qs(FormatText(comparison_.Text(format), {m.msv_model_all})));
            legendShown.push_back(style == Qt::SolidLine);
            for (const TSpeedTorquePoint& p : zone) {
                s->append(p.Speed, p.Torque);
                maxSpeed = std::max(maxSpeed, std::fabs(p.Speed));
                maxTorque = std::max(maxTorque, std::fabs(p.Torque));
            }
            QPen pen(colour);
            pen.setWidthF(style == Qt::SolidLine ? 2.0 : 1.5);
            pen.setStyle(style);
            s->setPen(pen);
            chart->addSeries(s);
        };
        curve(envelope.Peak(), "ChartPeak", Qt::SolidLine);
        curve(envelope.Continuous(), "ChartContinuous", Qt::DashLine);
        if (m.Torques) {
            auto* points = new QScatterSeries(chart);
            points->setName(Qs(comparison_.Text("ChartPoints") + " " + m.msv_model_all));
            points->setMarkerSize(7);
            points->setColor(colour);
            points->setBorderColor(colour.darker());
            // The first quadrant shows the margin: points by magnitude.
            for (const TSpeedTorquePoint& p : OperatingPoints(*m.Torques)) {
                points->append(std::fabs(p.Speed), std::fabs(p.Torque));
                maxTorque = std::max(maxTorque, std::fabs(p.Torque));
            }
            chart->addSeries(points);
            legendShown.push_back(false);
        }
    }
    auto* x = new QValueAxis(chart);
    x->setTitleText(Qs(comparison_.Text("ChartSpeed")));
    x->setRange(0, maxSpeed * 1.05);
    x->setLabelFormat("%.0f");
    x->applyNiceNumbers();
    auto* y = new QValueAxis(chart);
    y->setTitleText(Qs(comparison_.Text("ChartTorque")));
    y->setRange(0, maxTorque * 1.1);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    const QList<QAbstractSeries*> all = chart->series();
    for (int i = 0; i < all.size() && i < static_cast<int>(legendShown.size()); ++i)
        for (QLegendMarker* marker : chart->legend()->markers(all[i])) marker->setVisible(legendShown[static_cast<size_t>(i)]);
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

bool TFormCompareMotors::ExplainCell(int row, int column) {
    const int motor = column - TComparisonGridModel::kFixedColumns;
    if (row < 0 || row >= static_cast<int>(comparison_.Rows().size()) || motor < 0 ||
        motor >= static_cast<int>(comparison_.Motors().size()))
        return false;
    const TComparisonRow& r = comparison_.Rows()[static_cast<size_t>(row)];
    const TMotor& m = *comparison_.Motors()[static_cast<size_t>(motor)];
    if (r.Figure.empty() || m.JudgementLog.empty()) return false;
    try {
        const TFigureExplanation e =
            ExplainFigure(r.Figure, m, m.JudgementLog.front(), session_.JudgementFormulas(), session_.TorqueFormulas());
        TFormExplainFigure popup(words_, e, this);
        if (ExecDialog) ExecDialog(popup);
        else popup.exec();
    } catch (const TKinemoError& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Error, mbOK);
        return false;
    }
    return true;
}

std::optional<std::string> TFormCompareMotors::AskFile(const std::string& filterKey, const char* extension) {
    if (!files_) return std::nullopt;
    TFileDialogRequest request;
    // "Description (*.ext)" as the dialogs' "Description|*.ext" filter.
    std::string filter = comparison_.Text(filterKey);
    const size_t open = filter.find("(*");
    if (open != std::string::npos)
        filter = filter.substr(0, open) + "|" + filter.substr(open + 1, filter.find(')', open) - open - 1);
    request.Filter = filter;
    request.DefaultExt = extension;
    return files_->SaveFileName(request);
}

bool TFormCompareMotors::SaveCsv() {
    const std::optional<std::string> path = AskFile("CsvFilter", ".csv");
    if (!path) return false;
    try {
        WriteFileAtomically(*path, comparison_.CsvText());
    } catch (const std::exception& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Error, mbOK);
        return false;
    }
    return true;
}

TReportDocument TFormCompareMotors::Report() const {
    const std::string file = context_.Run().CurrentFileName;
    return ComparisonReport(context_, comparison_, session_.PrintHeaderText, file.substr(file.find_last_of('/') + 1));
}

bool TFormCompareMotors::SavePdf() {
    const std::optional<std::string> path = AskFile("PdfFilter", ".pdf");
    if (!path) return false;
    try {
        WriteReportPdf(QString::fromStdString(*path), {Report()}, 0, windowTitle());
    } catch (const std::exception& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Error, mbOK);
        return false;
    }
    return true;
}

void TFormCompareMotors::Print() { PreviewReports(this, {Report()}, 0); }

}  // namespace kinemo
