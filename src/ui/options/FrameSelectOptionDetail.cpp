// Option detail page.
#include "options/FrameSelectOptionDetail.h"
#include "common/QtText.h"

#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "options/FormSelectOptionImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kinemo {

namespace {

template <class T>
T* Named(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

struct TRefreshing {
    bool& flag;
    bool old;
    explicit TRefreshing(bool& f) : flag(f), old(f) { flag = true; }
    ~TRefreshing() { flag = old; }
};

QLineEdit* Panel(QWidget* parent, const QString& name, bool right = false) {
    auto* e = Named<QLineEdit>(parent, name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    if (right) e->setAlignment(Qt::AlignRight);
    return e;
}

// Ordered parts show on yellow, like the motor and amplifier names.
void SetOrdered(QLineEdit* panel, bool ordered) {
    QPalette p = panel->palette();
    p.setColor(QPalette::Base, ordered ? QColor(255, 255, 160) : panel->style()->standardPalette().color(QPalette::Base));
    panel->setPalette(p);
}

QColor AlertColor(const std::string& name, const QColor& normal) {
    if (name == "red") return Qt::red;
    if (name == "blue") return Qt::blue;
    if (name == "yellow") return QColor(180, 150, 0);  // readable on the window colour
    if (name == "gray") return Qt::gray;
    if (name == "silver") return QColor(192, 192, 192);
    if (name == "black") return Qt::black;
    return normal;
}

void FillQuantities(QComboBox* combo, int max) {
    for (int q = 0; q <= max; ++q) combo->addItem(QString::number(q));
}

// The motor and amplifier price labels are the column headers here.
const char* const kPriceWidgets[] = {"PanelMotorPrice", "PanelMotorSubTotal", "PanelAmpPrice",   "PanelAmpSubTotal",
                                     "LabelAllPrice",   "PanelAllPrice",      "LabelPriceTitle", "LabelSubTotalTitle"};

}  // namespace

TFrameSelectOptionDetail::TFrameSelectOptionDetail(TKinemoContext& context, TSizingSession& session, QWidget* parent)
    : QWidget(parent), context_(context), session_(session) {
    setObjectName("FrameSelectOptionDetail");
    BuildWidgets();
    ApplyTexts();
    ApplyInterfaceFont(this, context_.Run().FontName);
    Refresh();
}

TFrameSelectOptionDetail::~TFrameSelectOptionDetail() = default;

void TFrameSelectOptionDetail::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(BuildTop());
    pages_ = Named<QTabWidget>(this, "PageControlOptionSelect");
    pages_->addTab(GroupPage("TabSheetCable", {TChoiceList::CableConector, TChoiceList::CableLength}, {TOptionGroup::Cable}), "");
    pages_->addTab(GroupPage("TabSheetInterface", {TChoiceList::Interface}, {TOptionGroup::Interface}), "");
    pages_->addTab(GroupPage("TabSheetPowerBox", {}, {TOptionGroup::PowerBox}), "");
    pages_->addTab(GroupPage("TabSheetConectCable", {TChoiceList::RS232C, TChoiceList::RS485},
                             {TOptionGroup::RS232C, TOptionGroup::RS485}),
                   "");
    pages_->addTab(GroupPage("TabSheetManual", {TChoiceList::Manual}, {TOptionGroup::Manual}), "");
    pages_->addTab(GroupPage("TabSheetSoftware", {TChoiceList::Software}, {TOptionGroup::Software}), "");
    pages_->addTab(GroupPage("TabSheetBattery", {}, {TOptionGroup::Battery}), "");
    pages_->addTab(GroupPage("TabSheetEtc", {}, {TOptionGroup::Etc}), "");
    auto* commentPage = Named<QWidget>(this, "TabSheetComment");
    auto* commentLayout = new QVBoxLayout(commentPage);
    commentLayout->addWidget(Named<QLabel>(commentPage, "LabelComment"));
    comment_ = Named<QPlainTextEdit>(commentPage, "MemoComment");
    commentLayout->addWidget(comment_);
    pages_->addTab(commentPage, "");
    layout->addWidget(pages_, 1);
    layout->addWidget(BuildBottom());
    connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) Guarded([this] { CommentEdited(); })();
    });
}

QWidget* TFrameSelectOptionDetail::BuildTop() {
    auto* top = Named<QWidget>(this, "PanelTop");
    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    // Series line, then the motor and amplifier under column headers.
    auto* series = new QHBoxLayout;
    series->addWidget(Panel(top, "PanelMotorSeries"), 2);
    series->addWidget(Panel(top, "PanelMotorType"), 3);
    grid->addWidget(Named<QLabel>(top, "LabelSeriesTitle"), 0, 0);
    grid->addLayout(series, 0, 1, 1, 5);
    const char* headers[] = {"LabelNumberTitle", "LabelQtyTitle", "LabelPriceTitle", "LabelSubTotalTitle"};
    const int headerColumns[] = {1, 3, 4, 5};
    for (int c = 0; c < 4; ++c) grid->addWidget(Named<QLabel>(top, headers[c]), 1, headerColumns[c]);
    const struct {
        const char *title, *number, *qty, *price, *subtotal;
    } rows[] = {{"LabelMotorTitle", "PanelMotorNumber", "ComboBoxMotorQty", "PanelMotorPrice", "PanelMotorSubTotal"},
                {"LabelAmpTitle", "PanelAmpNumber", "ComboBoxAmpQty", "PanelAmpPrice", "PanelAmpSubTotal"}};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(Named<QLabel>(top, rows[r].title), r + 2, 0);
        grid->addWidget(Panel(top, rows[r].number), r + 2, 1, 1, 2);
        auto* qty = Named<QComboBox>(top, rows[r].qty);
        FillQuantities(qty, session_.OptionDetail().MaxQuantity());
        grid->addWidget(qty, r + 2, 3);
        grid->addWidget(Panel(top, rows[r].price, true), r + 2, 4);
        grid->addWidget(Panel(top, rows[r].subtotal, true), r + 2, 5);
        const bool motor = r == 0;
        connect(qty, &QComboBox::currentIndexChanged, this, [this, motor](int q) {
            if (refreshing_) return;
            Guarded([&] {
                if (motor) session_.OptionDetail().SetMotorQty(q);
                else session_.OptionDetail().SetAmpQty(q);
            })();
        });
    }
    auto* info = new QHBoxLayout;
    info->setSpacing(4);
    for (const char* name : {"Phase", "Supply", "Encoder", "Gear", "Brake"}) {
        info->addWidget(Named<QLabel>(top, QString("Label%1Title").arg(name)));
        auto* value = Named<QLabel>(top, QString("Label%1").arg(name));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        info->addWidget(value);
        info->addSpacing(14);
    }
    info->addStretch();
    grid->addLayout(info, 4, 0, 1, 6);
    auto* alert = new QHBoxLayout;
    alert->addWidget(Named<QLabel>(top, "LabelAlert"));
    alertValue_ = Named<QLabel>(top, "LabelAlertValue");
    alertValue_->setWordWrap(true);
    alert->addWidget(alertValue_, 1);
    grid->addLayout(alert, 5, 0, 1, 6);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnStretch(5, 1);
    return top;
}

QWidget* TFrameSelectOptionDetail::BuildBottom() {
    auto* bottom = Named<QWidget>(this, "PanelBottom");
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    buttonReturn_ = Named<QPushButton>(bottom, "ButtonReturn");
    auto* clear = Named<QPushButton>(bottom, "ButtonClear");
    auto* image = Named<QPushButton>(bottom, "ButtonConnectImage");
    auto* print = Named<QPushButton>(bottom, "ButtonPrintOut");
    row->addWidget(buttonReturn_);
    row->addWidget(clear);
    row->addWidget(image);
    row->addWidget(print);
    row->addStretch();
    auto* totalLabel = Named<QLabel>(bottom, "LabelAllPrice");
    QFont bold = totalLabel->font();
    bold.setBold(true);
    totalLabel->setFont(bold);
    row->addWidget(totalLabel);
    auto* total = Panel(bottom, "PanelAllPrice", true);
    total->setFont(bold);
    total->setFixedWidth(140);
    row->addWidget(total);
    connect(buttonReturn_, &QPushButton::clicked, this, [this] { emit ReturnClicked(); });
    connect(clear, &QPushButton::clicked, this, Guarded([this] { session_.OptionDetail().Clear(); }));
    connect(image, &QPushButton::clicked, this, Guarded([this] { ShowConnectImage(); }));
    connect(print, &QPushButton::clicked, this, [this] { emit PrintClicked(); });
    return bottom;
}

QWidget* TFrameSelectOptionDetail::GroupPage(const char* sheet, std::vector<TChoiceList> lists,
                                             std::vector<TOptionGroup> groups) {
    auto* page = Named<QWidget>(this, sheet);
    auto* layout = new QVBoxLayout(page);
    auto* choices = new QGridLayout;
    int column = 0;
    for (TChoiceList list : lists) {
        const QString key = ChoiceListKey(list);
        choices->addWidget(Named<QLabel>(page, "Label" + key), 0, column);
        auto* combo = Named<QComboBox>(page, "ComboBox" + key);
        combo->setMinimumWidth(list == TChoiceList::CableLength ? 150 : 300);
        choices->addWidget(combo, 0, column + 1);
        lists_[static_cast<size_t>(list)] = combo;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, list](int i) {
            if (!refreshing_) Guarded([&] { session_.OptionDetail().SelectChoice(list, i); })();
        });
        column += 2;
    }
    if (std::string(sheet) == "TabSheetCable") {
        batteryFolder_ = Named<QCheckBox>(page, "CheckBoxBatteryFolder");
        choices->addWidget(batteryFolder_, 1, 0, 1, 4);
        connect(batteryFolder_, &QCheckBox::toggled, this, [this](bool on) {
            if (!refreshing_) Guarded([&] { session_.OptionDetail().SetBatteryFolderChecked(on); })();
        });
    }
    choices->setColumnStretch(column, 1);
    if (!lists.empty() || batteryFolder_) layout->addLayout(choices);
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(3);
    for (TOptionGroup g : groups) {
        auto* panel = Named<QWidget>(content, OptionGroupPanel(g));
        auto* panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        panelLayout->setSpacing(3);
        groupLayouts_[static_cast<size_t>(g)] = panelLayout;
        rows->addWidget(panel);
    }
    rows->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    return page;
}

void TFrameSelectOptionDetail::ApplyTexts() {
    const TOptionDetailModel& m = session_.OptionDetail();
    for (QWidget* w : findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (name.find("_GBox_") != std::string::npos) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const std::string text = m.Text(name);
            if (!text.empty() || name.find("Title") != std::string::npos) label->setText(Qs(text));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(Qs(m.Text(name)));
        }
    }
    for (int i = 0; i < pages_->count(); ++i)
        pages_->setTabText(i, Qs(m.Text(pages_->widget(i)->objectName().toStdString())));
    for (const char* name : kPriceWidgets)
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(m.PriceVisible());
}

QGroupBox* TFrameSelectOptionDetail::RowBox(TOptionGroup group, int row) const {
    const auto& boxes = rows_[static_cast<size_t>(group)];
    return row >= 0 && row < static_cast<int>(boxes.size()) ? boxes[static_cast<size_t>(row)] : nullptr;
}

void TFrameSelectOptionDetail::RefreshGroup(TOptionGroup group) {
    const TOptionDetailModel& m = session_.OptionDetail();
    const std::vector<TOptionRow>& rows = m.Group(group);
    std::string signature;
    for (const TOptionRow& r : rows) signature += r.Name + ":" + r.Code + ";";
    auto& boxes = rows_[static_cast<size_t>(group)];
    if (signature != rowSignatures_[static_cast<size_t>(group)]) {
        rowSignatures_[static_cast<size_t>(group)] = signature;
        for (QGroupBox* box : boxes) {
            box->hide();
            box->deleteLater();  // a row's own list may be the sender
        }
        boxes.clear();
        QWidget* panel = groupLayouts_[static_cast<size_t>(group)]->parentWidget();
        for (size_t i = 0; i < rows.size(); ++i) {
            const QString name = Qs(rows[i].Name);
            auto* box = Named<QGroupBox>(panel, name);
            auto* line = new QHBoxLayout(box);
            line->setContentsMargins(6, 2, 6, 4);
            auto label = [&](const char* t) {
                auto* l = Named<QLabel>(box, name + "_" + t);
                l->setText(Qs(m.Text(t)));
                line->addWidget(l);
                return l;
            };
            label("LabelPriceName");
            auto* part = Panel(box, name + "_PanelPriceName");
            line->addWidget(part, 3);
            QLabel* priceLabel = label("LabelPriceValue");
            auto* price = Panel(box, name + "_PanelPriceValue", true);
            price->setFixedWidth(90);
            line->addWidget(price);
            label("LabelPriceNumber");
            auto* qty = Named<QComboBox>(box, name + "_ComboBoxPriceNumber");
            FillQuantities(qty, m.MaxQuantity());
            line->addWidget(qty);
            QLabel* subLabel = label("LabelPriceSubTotal");
            auto* sub = Panel(box, name + "_PanelPriceSubTotal", true);
            sub->setFixedWidth(90);
            line->addWidget(sub);
            for (QWidget* w : std::initializer_list<QWidget*>{priceLabel, price, subLabel, sub}) w->setVisible(m.PriceVisible());
            const int index = static_cast<int>(i);
            connect(qty, &QComboBox::currentIndexChanged, this, [this, group, index](int q) {
                if (!refreshing_) Guarded([&] { session_.OptionDetail().SetRowQuantity(group, index, q); })();
            });
            ApplyInterfaceFont(box, context_.Run().FontName);
            groupLayouts_[static_cast<size_t>(group)]->addWidget(box);
            boxes.push_back(box);
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const TOptionRow& r = rows[i];
        QGroupBox* box = boxes[i];
        const QString name = Qs(r.Name);
        box->setTitle(Qs(r.Title));
        auto* part = box->findChild<QLineEdit*>(name + "_PanelPriceName");
        part->setText(Qs(r.PartsName + (r.PrintMessage.empty() ? "" : "  —  " + r.PrintMessage)));
        part->setCursorPosition(0);
        SetOrdered(part, r.Quantity > 0);
        box->findChild<QLineEdit*>(name + "_PanelPriceValue")->setText(Qs(m.Amount(r.Price)));
        box->findChild<QLineEdit*>(name + "_PanelPriceSubTotal")->setText(Qs(m.Amount(r.SubTotal())));
        auto* qty = box->findChild<QComboBox*>(name + "_ComboBoxPriceNumber");
        qty->setCurrentIndex(r.Quantity);
        box->setEnabled(r.Enabled);  // disabled rows show grey text
    }
}

void TFrameSelectOptionDetail::Refresh() {
    TRefreshing guard(refreshing_);
    const TOptionDetailModel& m = session_.OptionDetail();
    const TMotor* motor = m.Motor();
    auto set = [this](const char* name, const std::string& text) {
        if (auto* e = findChild<QLineEdit*>(name)) e->setText(Qs(text));
        else if (auto* l = findChild<QLabel*>(name)) l->setText(Qs(text));
    };
    set("PanelMotorSeries", motor ? motor->mmf_value : "");
    set("PanelMotorType", motor ? motor->tms_name : "");
    set("PanelMotorNumber", motor ? motor->msv_model_all : "");
    set("PanelAmpNumber", motor ? motor->msv_amplifier1 : "");
    set("LabelPhase", motor ? motor->msp_name : "");
    set("LabelSupply", motor ? motor->mss_name : "");
    set("LabelEncoder", motor ? motor->mse_name : "");
    set("LabelGear", motor ? motor->msmg_value : "");
    set("LabelBrake", motor ? motor->msb_value : "");
    for (const char* name : {"PanelMotorNumber", "PanelAmpNumber"}) SetOrdered(findChild<QLineEdit*>(name), motor != nullptr);
    set("PanelMotorPrice", m.Amount(m.MotorPrice()));
    set("PanelMotorSubTotal", m.Amount(m.MotorPrice() * m.MotorQty()));
    set("PanelAmpPrice", m.Amount(m.AmpPrice()));
    set("PanelAmpSubTotal", m.Amount(m.AmpPrice() * m.AmpQty()));
    set("PanelAllPrice", m.Amount(m.GrandTotal()));
    findChild<QComboBox*>("ComboBoxMotorQty")->setCurrentIndex(m.MotorQty());
    findChild<QComboBox*>("ComboBoxAmpQty")->setCurrentIndex(m.AmpQty());
    for (int l = 0; l < kChoiceListCount; ++l) {
        const TChoiceListState& state = m.List(static_cast<TChoiceList>(l));
        QComboBox* combo = lists_[static_cast<size_t>(l)];
        QStringList items, now;
        for (const TOptionSelectValue& e : state.Entries) items << Qs(e.Name);
        for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
        if (items != now) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(state.Selected);
    }
    const TBatteryFolderRecord& battery = m.BatteryFolder();
    batteryFolder_->setText(Qs(battery.Caption));
    batteryFolder_->setChecked(battery.Checked);
    batteryFolder_->setEnabled(battery.Enabled);
    batteryFolder_->setVisible(battery.Code != 0);
    alertValue_->setText(Qs(m.AlertText()));
    findChild<QLabel*>("LabelAlert")->setVisible(!m.AlertText().empty());
    QPalette p = alertValue_->palette();
    p.setColor(QPalette::WindowText, AlertColor(m.AlertColor(), palette().color(QPalette::WindowText)));
    alertValue_->setPalette(p);
    for (int g = 0; g < kOptionGroupCount; ++g) RefreshGroup(static_cast<TOptionGroup>(g));
    if (comment_->toPlainText().toStdString() != m.Comment()) comment_->setPlainText(Qs(m.Comment()));
    buttonReturn_->setEnabled(!session_.CommittedMotor());
    setEnabled(motor != nullptr);
}

void TFrameSelectOptionDetail::CommentEdited() {
    if (session_.OptionDetail().SetComment(comment_->toPlainText().toStdString())) return;
    // Refused: the last good comment comes back with the caret where it was.
    TRefreshing guard(refreshing_);
    QTextCursor cursor = comment_->textCursor();
    const int position = std::min(cursor.position(), static_cast<int>(session_.OptionDetail().Comment().size()));
    comment_->setPlainText(Qs(session_.OptionDetail().Comment()));
    cursor = comment_->textCursor();
    cursor.setPosition(std::max(0, std::min(position - 1, static_cast<int>(comment_->toPlainText().size()))));
    comment_->setTextCursor(cursor);
}

void TFrameSelectOptionDetail::ShowConnectImage() {
    const std::string picture = session_.OptionDetail().ConnectionPicture();
    if (picture.empty()) return;
    if (!image_) {
        image_ = std::make_unique<TFormSelectOptionImage>(this);
        image_->SetTexts(Qs(ReadMessageText(context_.Query(), "select_option_image", "WindowCaption")),
                         Qs(ReadMessageText(context_.Query(), "select_option_image", "ButtonClose")));
        ApplyInterfaceFont(image_.get(), context_.Run().FontName);
    }
    image_->ShowPicture(Qs(context_.ProgramFolder() + "/" + picture));
}

}  // namespace kinemo
