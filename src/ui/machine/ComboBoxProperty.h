// The combo box of the property grids (materials, external-force choices, units). Enter
// ends the entry and moves on; in the editable material combo only "-", "." and digits
// may be typed, at most 12 characters unless a selection is replaced.
#pragma once

#include <QComboBox>

namespace kinemo {

class TComboBoxProperty : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBoxProperty(bool editable, QWidget* parent = nullptr);

signals:
    void EnterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kinemo
