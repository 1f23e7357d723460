// Debug window.
#include "shell/FormDebug.h"

#include "base/AtomicFile.h"
#include "base/FileDialogs.h"
#include "common/InterfaceFont.h"
#include "common/KinemoApplication.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinemo {

TFormDebug::TFormDebug(IFileDialogs& files, const std::string& fontName)
    : QWidget(nullptr, Qt::Window), files_(&files), memo_(new QPlainTextEdit(this)) {
    setObjectName("FormDebug");
    setWindowTitle("Debug Window");
    resize(870, 612);
    memo_->setObjectName("MemoDebug");
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* save = new QPushButton("SaveToFile", this);
    save->setObjectName("ButtonSaveToFile");
    auto* clear = new QPushButton("Clear", this);
    clear->setObjectName("ButtonClear");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(buttons);
    connect(clear, &QPushButton::clicked, this, Guarded([this] { Clear(); }));
    connect(save, &QPushButton::clicked, this, Guarded([this] { SaveToFile(); }));
    ApplyInterfaceFont(this, fontName);
}

void TFormDebug::Append(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace("\r\n", "\n");
    memo_->appendPlainText(t);
}

std::string TFormDebug::Text() const { return memo_->toPlainText().toStdString(); }

void TFormDebug::Clear() { memo_->clear(); }

void TFormDebug::SaveToFile() {
    const auto name = files_->SaveFileName({"Text(*.txt)|*.txt|All(*.*)|*.*", ".txt", ""});
    if (!name) return;
    WriteFileAtomically(WithDefaultExtension(*name, ".txt"), Text());
}

}  // namespace kinemo
