// The CAD selection page (no motor committed): motor family, series and model lists or a
// typed model; its select button hands the chosen motor to the export page.
#pragma once

#include "cad/SelectVantorModel.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace kinemo {

class TKinemoContext;

class TFrameSelectVantor : public QWidget {
    Q_OBJECT
public:
    struct THost {
        std::function<void(const TCadMotor&)> Select;  // the main window's ShowCadDetail
        std::function<void(int)> ShowCheckResult;      // the main window's price check messages
    };
    TFrameSelectVantor(TKinemoContext& context, THost host, QWidget* parent = nullptr);

    TSelectVantorModel& Model() { return model_; }
    void Refresh();
    // The look-up button of the direct input: the result code of the model.
    int CheckDirectInput();

private:
    void ApplyTexts();
    void FillLists();

    TKinemoContext& context_;
    THost host_;
    TSelectVantorModel model_;
    QPushButton* buttonSearchItem_;
    QPushButton* buttonDirectInput_;
    QWidget* listGroup_;
    QWidget* directGroup_;
    QComboBox* comboFunction_;
    QComboBox* comboSeries_;
    QListWidget* listModels_;
    QLineEdit* editInputMotor_;
    QPushButton* buttonDICheck_;
    QLabel* labelFound_;
    QPushButton* buttonSelectOption_;
    std::vector<QLabel*> labels_;
};

}  // namespace kinemo
