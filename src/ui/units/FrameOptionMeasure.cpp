// Unit options row.
#include "units/FrameOptionMeasure.h"

#include <QComboBox>
#include <QLabel>

namespace kinemo {

TFrameOptionMeasure::TFrameOptionMeasure(const std::string& className, const std::vector<std::string>& symbols,
                                         int selected, QWidget* parent)
    : QFrame(parent), label_(new QLabel(this)), combo_(new QComboBox(this)) {
    setFixedSize(330, kHeight);
    label_->setObjectName("LabelName");
    label_->setText(QString::fromStdString(className));
    label_->setGeometry(0, 0, 170, kHeight);
    combo_->setObjectName("ComboBoxValue");
    combo_->setGeometry(176, 1, 150, kHeight - 2);
    for (const auto& s : symbols) combo_->addItem(QString::fromStdString(s));
    Select(selected);
}

void TFrameOptionMeasure::Select(int index) { combo_->setCurrentIndex(index); }

}  // namespace kinemo
