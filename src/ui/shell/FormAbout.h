// The About box: the program and catalog versions, the catalog file and the toolkit
// version under their catalog labels.
#pragma once

#include "shell/AboutBox.h"

#include <QDialog>

namespace kinemo {

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    TFormAbout(const TAboutBox& box, const std::string& fontName, QWidget* parent = nullptr);
};

}  // namespace kinemo
