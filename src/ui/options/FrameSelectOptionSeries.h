// The option series page: function and series, the eleven search items, the motor and
// amplifier found with their prices, or both typed as model names, over the session's
// option series model.
#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kinemo {

class TKinemoContext;
class TMotorBrowsePanel;
class TSizingSession;

class TFrameSelectOptionSeries : public QWidget {
    Q_OBJECT
public:
    TFrameSelectOptionSeries(TKinemoContext& context, TSizingSession& session, QWidget* parent = nullptr);

    // Shows the model again.
    void Refresh();

    // User actions, also driven by tests.
    void ChooseFunction(int index);
    void ChooseSeries(int index);
    void ChooseSearchEntry(int item, int entry);
    void SelectOption();  // ButtonSelectOption / ButtonDISelectOption

signals:
    // A motor went to the detail page.
    void OptionMotorChosen();

private:
    void BuildWidgets();
    QWidget* BuildSearch();
    QGroupBox* BuildResult();
    QGroupBox* BuildDirectInput();
    void ApplyTexts();

    TKinemoContext& context_;
    TSizingSession& session_;
    bool refreshing_ = false;
    TMotorBrowsePanel* panel_ = nullptr;
    QGroupBox* groupResult_ = nullptr;
    QGroupBox* groupDirect_ = nullptr;
    QLineEdit* motorNumber_ = nullptr;
    QLineEdit* motorPrice_ = nullptr;
    QLineEdit* ampPrice_ = nullptr;
    QLineEdit* ampFeature_ = nullptr;
    QComboBox* comboAmp_ = nullptr;
    QLabel* ampAlert_ = nullptr;
    QPushButton* buttonDirect_ = nullptr;
    QPushButton* buttonSearch_ = nullptr;
    QPushButton* buttonSelect_ = nullptr;
    std::array<QRadioButton*, 3> radios_{};
    QLineEdit* editMotor_ = nullptr;
    QLineEdit* editAmp_ = nullptr;
    QLineEdit* diMotorPrice_ = nullptr;
    QLineEdit* diAmpPrice_ = nullptr;
    QLineEdit* diAmpFeature_ = nullptr;
    QPushButton* buttonDISelect_ = nullptr;
};

}  // namespace kinemo
