// The unit options dialog: the display precision and one unit choice per unit class;
// Save writes them to the settings file and may ask for a restart.
#pragma once

#include "units/OptionMeasureModel.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QScrollArea;

namespace kinemo {

class IUserDialogs;
class TFrameOptionMeasure;

class TFormOptionMeasure : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWheelStep = 128;  // pixels the row list scrolls per wheel step

    TFormOptionMeasure(TOptionMeasureModel& model, IUserDialogs& dialogs, std::string settingsPath,
                       const std::string& fontName, QWidget* parent);

    // Saved and the user answered Yes to the restart question.
    bool RestartRequested() const { return restart_; }
    QScrollArea* ScrollBoxMeasure() const { return scroll_; }

    void DefaultButtonClick();
    void SaveButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void BuildRows(QWidget* content);
    void ShowModel();
    void ScrollBy(int angleDelta);

    TOptionMeasureModel* model_;
    IUserDialogs* dialogs_;
    std::string settingsPath_;
    QScrollArea* scroll_;
    QLineEdit* editPrec_ = nullptr;
    std::vector<TFrameOptionMeasure*> rows_;
    bool restart_ = false;
    int wheelRemainder_ = 0;
};

}  // namespace kinemo
