// The debug window: traces of calculations and debug commands as text, which the user can
// clear or save to a file.
#pragma once

#include <QWidget>

#include <string>

class QPlainTextEdit;
class QPushButton;

namespace kinemo {

class IFileDialogs;

class TFormDebug : public QWidget {
    Q_OBJECT
public:
    TFormDebug(IFileDialogs& files, const std::string& fontName);

    // Adds lines at the end (CR LF or LF separated).
    void Append(const std::string& text);
    std::string Text() const;
    // The "Clear" and "SaveToFile" buttons.
    void Clear();
    void SaveToFile();

private:
    IFileDialogs* files_;
    QPlainTextEdit* memo_;
};

}  // namespace kinemo
