// One row of the unit options dialog: a unit class's name and the choice of its unit.
#pragma once

#include <QFrame>

#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace kinemo {

class TFrameOptionMeasure : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 26;

    TFrameOptionMeasure(const std::string& className, const std::vector<std::string>& symbols, int selected,
                        QWidget* parent);
    QComboBox* ComboBoxValue() const { return combo_; }
    void Select(int index);

private:
    QLabel* label_;
    QComboBox* combo_;
};

}  // namespace kinemo
