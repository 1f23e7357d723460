// The popup that shows how a figure was reached: the catalog formula, the values it used
// with their units and origins, the intervals, and the result.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kinemo {

class TExplanationText;
struct TFigureExplanation;

class TFormExplainFigure : public QDialog {
    Q_OBJECT
public:
    TFormExplainFigure(const TExplanationText& words, const TFigureExplanation& explanation, QWidget* parent = nullptr);
    QString Text() const;

private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace kinemo
