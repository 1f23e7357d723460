// Interface font.
#include "common/InterfaceFont.h"

#include <QWidget>

namespace kinemo {

namespace {

void SetFamily(QWidget* w, const QString& family) {
    QFont f = w->font();
    f.setFamilies({family});
    w->setFont(f);
}

}  // namespace

void ApplyInterfaceFont(QWidget* container, const std::string& fontName) {
    if (!container || fontName.empty()) return;
    const QString family = QString::fromStdString(fontName);
    SetFamily(container, family);
    for (QWidget* child : container->findChildren<QWidget*>()) SetFamily(child, family);
}

}  // namespace kinemo
