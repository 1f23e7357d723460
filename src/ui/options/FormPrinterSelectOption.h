// The quotation print dialog: printer, title and paper size; preview, print, PDF (always,
// also without a printer) and CSV through the catalog's templates.
#pragma once

#include "options/Quotation.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kinemo {

class IFileDialogs;
class TKinemoContext;
class TOptionDetailModel;

class TFormPrinterSelectOption : public QDialog {
    Q_OBJECT
public:
    TFormPrinterSelectOption(TKinemoContext& context, TOptionDetailModel& detail, IFileDialogs& files,
                             QWidget* parent = nullptr);

    // The buttons' actions, also driven by tests.
    void StartPreview();
    void StartPrint();
    bool SaveCsv();
    bool SavePdf();
    TQuotation& Quotation() { return quotation_; }
    // Runs the preview window (tests replace the modal run).
    std::function<int(QDialog&)> ExecDialog;

    void done(int result) override;

private:
    std::string Title() const;

    TKinemoContext& context_;
    TOptionDetailModel& detail_;
    IFileDialogs& files_;
    TQuotation quotation_;
    QComboBox* printers_;
    QLineEdit* title_;
    QComboBox* paper_;
    QPushButton* print_;
};

}  // namespace kinemo
