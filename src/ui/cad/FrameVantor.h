// The CAD export page: the motor, the drawing type and its file type, the file name, the
// export and return buttons; it shows TVantorExportModel and forwards the user's actions.
#pragma once

#include "cad/VantorExportModel.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TRegistry;

class TFrameVantor : public QWidget {
    Q_OBJECT
public:
    TFrameVantor(TKinemoContext& context, const TRegistry& registry, IFileDialogs& files, QWidget* parent = nullptr);

    TVantorExportModel& Model() { return model_; }
    // Shows the model's motor, choices and button states.
    void Refresh();
    // Runs the export as the export button does; the result of the run.
    TCadExportResult Execute();
    // The return button's action (back to the selection page).
    void SetReturnHandler(std::function<void()> handler) { onReturn_ = std::move(handler); }
    // The CAD data program's time limit (tests shorten it).
    void SetTimeLimitMs(int ms) { timeLimitMs_ = ms; }

private:
    void ApplyTexts();
    void SelectFile();

    TKinemoContext& context_;
    const TRegistry& registry_;
    IFileDialogs& files_;
    TVantorExportModel model_;
    std::function<void()> onReturn_;
    int timeLimitMs_ = 60000;
    QLineEdit* editMotorNumber_;
    QLabel* labelNoDrawing_;
    QComboBox* comboBoxImageType_;
    QComboBox* comboBoxFileType_;
    QLineEdit* editFileName_;
    QPushButton* btnSelectDir_;
    QPushButton* btnExecute_;
    QPushButton* buttonReturn_;
    std::vector<QLabel*> labels_;
    QFormLayout* outline_;
};

}  // namespace kinemo
