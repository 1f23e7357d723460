// Connection picture window.
#include "options/FormSelectOptionImage.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

TFormSelectOptionImage::TFormSelectOptionImage(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FormSelectOptionImage");
    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setObjectName("ImageConnect");
    picture_->setFixedSize(700, 460);
    picture_->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture_);
    close_ = new QPushButton(this);
    close_->setObjectName("ButtonClose");
    layout->addWidget(close_, 0, Qt::AlignHCenter);
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);
}

void TFormSelectOptionImage::SetTexts(const QString& caption, const QString& close) {
    setWindowTitle(caption);
    close_->setText(close);
}

bool TFormSelectOptionImage::ShowPicture(const QString& path) {
    QPixmap pixmap;
    if (!QFileInfo::exists(path) || !pixmap.load(path)) return false;
    picture_->setPixmap(pixmap.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    show();
    raise();
    return true;
}

}  // namespace kinemo
