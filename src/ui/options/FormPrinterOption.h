// The quotation preview: the current page drawn by the layout engine, the page moves with
// their "n / p" label, print and close.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QScrollArea;

namespace kinemo {

class TQuotation;

class TFormPrinterOption : public QDialog {
    Q_OBJECT
public:
    // print runs the dialog's print (null: the print button is disabled).
    TFormPrinterOption(TQuotation& quotation, std::string title, std::function<void()> print, QWidget* parent = nullptr);

    // Draws the current page into the preview image.
    void Redraw();
    QImage PageImage() const;
    void First();
    void Prior();
    void Next();
    void Last();

private:
    void Move(void (TQuotation::*move)());

    TQuotation& quotation_;
    std::string title_;
    std::function<void()> print_;
    QLabel* image_;
    QLabel* page_;
    QScrollArea* scroll_;
    QPushButton *first_, *prior_, *next_, *last_;
};

}  // namespace kinemo
