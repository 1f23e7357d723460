// Design variants window.
#include "selection/FormDesignVariants.h"
#include "common/QtText.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AmountText.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "units/ValueFormat.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kinemo {

namespace {

const char* const kColumns[] = {"ColumnName", "ColumnJL", "ColumnTF", "ColumnV", "ColumnPeak", "ColumnEffective",
                                "ColumnMotor", "ColumnPeakPercent", "ColumnEffectivePercent", "ColumnInertia",
                                "ColumnPrice"};
constexpr int kColumnCount = 11;

}  // namespace

TVariantTableModel::TVariantTableModel(TKinemoContext& context, TDesignVariants& variants, QObject* parent)
    : QAbstractTableModel(parent), context_(context), variants_(variants), moneySymbol_(ReadMoneySymbol(context.Query())) {}

int TVariantTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : variants_.Count(); }
int TVariantTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

const TVariantFigures* TVariantTableModel::FiguresOf(const std::string& name) const {
    for (const TVariantFigures& f : figures_)
        if (f.Name == name) return &f;
    return nullptr;
}

QVariant TVariantTableModel::data(const QModelIndex& index, int role) const {
    const std::string name = variants_.Names().at(static_cast<size_t>(index.row()));
    const bool current = index.row() == variants_.Current();
    if (role == Qt::FontRole && current) {
        QFont f = QApplication::font();
        f.setBold(true);
        return f;
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 || index.column() == 6 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                          : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == 0) return Qs(current ? name + " " + variants_.Text("CurrentMark") : name);
    const TVariantFigures* f = FiguresOf(name);
    if (!f) return {};
    if (!f->Error.empty()) return index.column() == 6 ? Qs(f->Error) : QVariant();
    const TValueFormat& format = context_.ValueFormat();
    auto number = [](double v) { return Qs(FloatToText(v, 4)); };
    switch (index.column()) {
    case 1: return number(f->JL);
    case 2: return number(f->TF);
    case 3: return number(f->V);
    default: break;
    }
    if (!f->HasMotor) return index.column() == 6 ? Qs(variants_.Text("NoMotorPasses")) : QVariant();
    switch (index.column()) {
    case 4: return Qs(format.Display(f->PeakTorque));
    case 5: return Qs(format.Display(f->EffectiveTorque));
    case 6: return Qs(f->Motor);
    case 7: return Qs(format.Display(f->PeakPercent));
    case 8: return Qs(format.Display(f->EffectivePercent));
    case 9: return Qs(format.Display(f->InertiaRatio) + " / " + format.Display(f->AllowedInertiaRatio));
    case 10: return Qs(AmountText(moneySymbol_, f->Price));
    default: return {};
    }
}

QVariant TVariantTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) return {};
    return Qs(variants_.Text(kColumns[section]));
}

void TVariantTableModel::SetFigures(std::vector<TVariantFigures> figures) {
    beginResetModel();
    figures_ = std::move(figures);
    endResetModel();
}

void TVariantTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

TFormDesignVariants::TFormDesignVariants(TKinemoContext& context, TSizingSession& session, IProjectLoadHost* window,
                                         QWidget* owner)
    : QDialog(owner), context_(context), session_(session), window_(window) {
    setObjectName("FormDesignVariants");
    TDesignVariants& v = session_.Variants();
    setWindowTitle(Qs(v.Text("FormTitle")));
    setMinimumSize(1240, 360);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(Qs(v.Text("LabelHint")), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    grid_ = new QTableView(this);
    grid_->setObjectName("GridVariants");
    model_ = new TVariantTableModel(context_, v, grid_);
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->selectRow(v.Current());
    layout->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, void (TFormDesignVariants::*action)()) {
        auto* b = new QPushButton(Qs(v.Text(name)), this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button("BtnAdd", &TFormDesignVariants::AddVariant);
    button("BtnRename", &TFormDesignVariants::RenameVariant);
    button("BtnRemove", &TFormDesignVariants::RemoveVariant);
    button("BtnShow", &TFormDesignVariants::ShowVariant);
    button("BtnEvaluate", &TFormDesignVariants::Evaluate);
    buttons->addStretch();
    auto* close = new QPushButton(Qs(v.Text("BtnClose")), this);
    close->setObjectName("BtnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    AskName = [this](const std::string& initial) -> std::optional<std::string> {
        bool ok = false;
        const QString text = QInputDialog::getText(this, windowTitle(), Qs(session_.Variants().Text("AskName")),
                                                   QLineEdit::Normal, Qs(initial), &ok);
        if (!ok) return std::nullopt;
        return text.toStdString();
    };
}

int TFormDesignVariants::SelectedRow() const {
    const QModelIndex i = grid_->currentIndex();
    return i.isValid() ? i.row() : session_.Variants().Current();
}

template <typename F> void TFormDesignVariants::Guarded(F action) {
    try {
        action();
    } catch (const TKinemoError& e) {
        context_.Dialogs().ShowMessageDialog(e.what(), TMsgDlgType::Error, mbOK);
    }
    model_->Reset();
    grid_->selectRow(session_.Variants().Current());
}

void TFormDesignVariants::AddVariant() {
    TDesignVariants& v = session_.Variants();
    const std::string current = v.Names().at(static_cast<size_t>(v.Current()));
    const std::optional<std::string> name = AskName(FormatText(v.Text("CopyName"), {current}));
    if (!name) return;
    Guarded([&] { v.Add(*name); });
}

void TFormDesignVariants::RenameVariant() {
    TDesignVariants& v = session_.Variants();
    const int row = SelectedRow();
    const std::optional<std::string> name = AskName(v.Names().at(static_cast<size_t>(row)));
    if (!name) return;
    Guarded([&] { v.Rename(row, *name); });
}

void TFormDesignVariants::RemoveVariant() {
    const int row = SelectedRow();
    Guarded([&] { session_.Variants().Remove(row); });
}

void TFormDesignVariants::ShowVariant() {
    const int row = SelectedRow();
    Guarded([&] { session_.Variants().Switch(row, window_); });
}

void TFormDesignVariants::Evaluate() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<TVariantFigures> figures;
    Guarded([&] { figures = session_.Variants().Evaluate(window_); });
    QApplication::restoreOverrideCursor();
    model_->SetFigures(std::move(figures));
    grid_->selectRow(session_.Variants().Current());
}

}  // namespace kinemo
