// The print menu of the motor detail window: the report to preview or save as CSV, the
// reports to print, the summary's title and comment, printer and paper, PDF and CSV files.
#pragma once

#include "reports/CommitMotorPrintMenuModel.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TReportSet;
class TSizingSession;

class TFormCommitMotorPrintMenu : public QDialog {
    Q_OBJECT
public:
    // menu: the model built for the motor (its header and comment are shown and edited);
    // fileDialogs: where file names come from (null: the system's dialogs).
    TFormCommitMotorPrintMenu(TKinemoContext& context, TSizingSession& session, TCommitMotorPrintMenuModel& menu,
                              const TMotor& motor, IFileDialogs* fileDialogs, QWidget* parent = nullptr);
    ~TFormCommitMotorPrintMenu() override;

    QRadioButton* Radio(TReportPage page) const { return radios_.at(page); }
    QCheckBox* Check(TReportPage page) const { return checks_.at(page); }
    QLineEdit* EditHeader() const { return editHeader_; }
    QPlainTextEdit* MemoComment() const { return memoComment_; }
    QComboBox* ComboBoxSelectPrinter() const { return comboPrinter_; }
    QComboBox* ComboBoxSelectPaperSize() const { return comboPaper_; }
    QPushButton* ButtonStartPrint() const { return buttonPrint_; }

    // Button actions (also driven by tests). Errors show their message and keep the menu.
    void ButtonStartPreviewClick();
    void ButtonStartPrintClick();
    void ButtonSavePdfClick();
    void ButtonSaveCsvClick();
    // Copies the title and comment boxes into the model (after the menu has closed, the
    // caller keeps them for the next menu).
    void TakeInputs();

    // The preview dialog runner (tests replace the modal run).
    std::function<int(QDialog&)> ExecDialog;

private:
    void BuildControls();
    QPrinter* ChosenPrinter();
    template <class F>
    void Guarded(F action);

    TKinemoContext& context_;
    TCommitMotorPrintMenuModel& menu_;
    IFileDialogs* fileDialogs_;
    std::unique_ptr<IFileDialogs> ownDialogs_;
    std::unique_ptr<TReportSet> reports_;
    std::unique_ptr<QPrinter> printer_;
    std::map<TReportPage, QRadioButton*> radios_;
    std::map<TReportPage, QCheckBox*> checks_;
    QLineEdit* editHeader_ = nullptr;
    QPlainTextEdit* memoComment_ = nullptr;
    QComboBox* comboPrinter_ = nullptr;
    QComboBox* comboPaper_ = nullptr;
    QPushButton* buttonPrint_ = nullptr;
};

}  // namespace kinemo
