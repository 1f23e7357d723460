// The About box.
#include "shell/FormAbout.h"

#include "common/InterfaceFont.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QIcon>
#include <QVBoxLayout>

namespace kinemo {

namespace {

QLabel* Label(const std::string& text, const char* name, QWidget* parent) {
    auto* l = new QLabel(QString::fromStdString(text), parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

TFormAbout::TFormAbout(const TAboutBox& box, const std::string& fontName, QWidget* parent) : QDialog(parent) {
    setObjectName("FormAbout");
    setWindowTitle(QString::fromStdString(box.Caption));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    // The installed program icon; a build that is not installed shows none rather than a stranger's.
    const QIcon programIcon = QApplication::windowIcon().isNull() ? QIcon::fromTheme("kinemo") : QApplication::windowIcon();
    if (!programIcon.isNull()) {
        auto* icon = new QLabel(this);
        icon->setPixmap(programIcon.pixmap(48));
        head->addWidget(icon, 0, Qt::AlignTop);
    }
    QLabel* title = Label(box.Title, "LabelTitle", this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    title->setFont(big);
    head->addWidget(title, 1);
    layout->addLayout(head);
    QLabel* description = Label(box.Description, "LabelDescription", this);
    description->setWordWrap(true);
    layout->addWidget(description);
    auto* rows = new QFormLayout;
    static const char* const names[] = {"LabelApplicationVersion", "LabelMdbVersion", "LabelCatalogPath",
                                        "LabelQtVersion"};
    for (size_t i = 0; i < box.Rows.size() && i < std::size(names); ++i) {
        QLabel* value = Label(box.Rows[i].second, names[i], this);
        value->setObjectName(QString(names[i]).replace("Label", "Value"));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);  // versions get copied into support mails
        value->setWordWrap(true);
        rows->addRow(Label(box.Rows[i].first, names[i], this), value);
    }
    layout->addLayout(rows);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromStdString(box.ButtonOK), QDialogButtonBox::AcceptRole);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    ApplyInterfaceFont(this, fontName);
}

}  // namespace kinemo
