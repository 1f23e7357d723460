// The language dialog: a list of the installed catalogs' languages; OK hands the choice to
// the model, which stores it for the next start.
#pragma once

#include "shell/LanguageModel.h"

#include <QDialog>

class QComboBox;

namespace kinemo {

class TFormLanguage : public QDialog {
    Q_OBJECT
public:
    TFormLanguage(const TLanguageModel& model, const std::string& fontName, QWidget* parent);

    // The index of the language shown in the list.
    size_t ChosenIndex() const;

private:
    QComboBox* list_ = nullptr;
};

}  // namespace kinemo
