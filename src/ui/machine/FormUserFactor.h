// The user element editor: choose a catalog or user element, give it a name, three
// pictures and default values, and save it as a user element or delete one. The window
// shows the editor model and forwards the user's actions to it.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinemo {

class IBusyCursor;
class IFileDialogs;
class IUserDialogs;
class TKinemoContext;
class TSizingSession;
class TPopertyGrid;
class TPropertyGridModel;
class TUserFactorModel;

class TFormUserFactor : public QDialog {
    Q_OBJECT
public:
    TFormUserFactor(TUserFactorModel& model, TPropertyGridModel& grid, IUserDialogs& dialogs, IFileDialogs& files,
                    IBusyCursor* busy, const std::string& fontName, QWidget* parent = nullptr);
    ~TFormUserFactor() override;

    QComboBox* ComboBoxMenuBlock() const { return comboBoxMenuBlock_; }
    QListWidget* ListBoxMenuFactor() const { return listBoxMenuFactor_; }
    QLineEdit* EditFactorName() const { return editFactorName_; }
    QLineEdit* EditImage(int kind) const { return editImages_[kind]; }
    QPushButton* ButtonImage(int kind) const { return buttonImages_[kind]; }
    QPushButton* ButtonInsert() const { return buttonInsert_; }
    QPushButton* ButtonDelete() const { return buttonDelete_; }
    QPushButton* ButtonClose() const { return buttonClose_; }
    TPopertyGrid* InputDataGrid() const { return grid_; }
    QLabel* PanelOwner() const { return panelOwner_; }
    QLabel* PanelBlock() const { return panelBlock_; }

    void ComboBoxMenuBlockChange(int index);
    void ListBoxMenuFactorClick(int row);
    void ButtonImageClick(int kind);
    void ButtonInsertClick();
    void ButtonDeleteClick();

private:
    void Build();
    void ApplyTexts();
    void FillFactorList();
    void ShowEdited();
    void TakeEdits();
    void FocusField(int field);

    TUserFactorModel& model_;
    TPropertyGridModel& gridModel_;
    IFileDialogs& files_;
    IBusyCursor* busy_;
    QGroupBox* groupBoxFactor_ = nullptr;
    QComboBox* comboBoxMenuBlock_ = nullptr;
    QListWidget* listBoxMenuFactor_ = nullptr;
    QLabel* panelOwner_ = nullptr;
    QLabel* panelBlock_ = nullptr;
    QLineEdit* editFactorName_ = nullptr;
    QLineEdit* editImages_[3] = {};
    QPushButton* buttonImages_[3] = {};
    QLabel* previews_[3] = {};
    TPopertyGrid* grid_ = nullptr;
    QPushButton* buttonInsert_ = nullptr;
    QPushButton* buttonDelete_ = nullptr;
    QPushButton* buttonClose_ = nullptr;
};

// Runs the editor over the context's user folders; afterwards user element pictures are
// taken again for the element catalog and the session's chain.
void RunUserFactorEditor(TKinemoContext& context, TSizingSession& session, IFileDialogs& files, QWidget* parent,
                         const std::function<int(QDialog&)>& exec);

}  // namespace kinemo
