// The connection picture of the shown motor: a 700 x 460 picture and a close button,
// created once, hidden on close, shown without blocking.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kinemo {

class TFormSelectOptionImage : public QWidget {
    Q_OBJECT
public:
    explicit TFormSelectOptionImage(QWidget* parent = nullptr);
    // Shows the picture file; false (nothing shown) when it cannot be read.
    bool ShowPicture(const QString& path);
    void SetTexts(const QString& caption, const QString& close);

private:
    QLabel* picture_;
    QPushButton* close_;
};

}  // namespace kinemo
