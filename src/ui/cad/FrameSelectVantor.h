// The CAD selection page (no motor committed): the motor search of the option series page
// (function, series, search items, Clear) with the motor it finds, or a typed model; its
// select button hands the motor to the export page.
#pragma once

#include "cad/SelectVantorModel.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kinemo {

class TKinemoContext;
class TMotorBrowsePanel;

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

    TKinemoContext& context_;
    THost host_;
    TSelectVantorModel model_;
    TMotorBrowsePanel* panel_;
    QPushButton* buttonSearchItem_;
    QPushButton* buttonDirectInput_;
    QGroupBox* resultGroup_;
    QLineEdit* motorNumber_;
    QLabel* labelNothingFound_;
    QWidget* directGroup_;
    QLineEdit* editInputMotor_;
    QPushButton* buttonDICheck_;
    QLabel* labelFound_;
    QPushButton* buttonSelectOption_;
};

}  // namespace kinemo
