// Figure explanation popup.
#include "selection/FormExplainFigure.h"

#include "selection/ExplanationText.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

TFormExplainFigure::TFormExplainFigure(const TExplanationText& words, const TFigureExplanation& explanation,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("FormExplainFigure");
    setWindowTitle(QString::fromStdString(words.Text("FormTitle")) + " - " + QString::fromStdString(words.Title(explanation.Figure)));
    setMinimumSize(960, 600);
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("MemoExplanation");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The interval table lines up in columns.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(QString::fromStdString(words.Joined(explanation)));
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QString::fromStdString(words.Text("BtnClose")), QDialogButtonBox::AcceptRole);
    close->setObjectName("BtnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString TFormExplainFigure::Text() const { return text_->toPlainText(); }

}  // namespace kinemo
