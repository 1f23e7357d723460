// The option detail page: the motor and amplifier with quantities and prices, the choice
// lists, the option rows of the nine groups on their tabs, the alert line, the comment and
// the total, over the session's option detail model.
#pragma once

#include "options/OptionRow.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace kinemo {

class TFormSelectOptionImage;
class TKinemoContext;
class TSizingSession;

class TFrameSelectOptionDetail : public QWidget {
    Q_OBJECT
public:
    TFrameSelectOptionDetail(TKinemoContext& context, TSizingSession& session, QWidget* parent = nullptr);
    ~TFrameSelectOptionDetail() override;

    // Shows the model again.
    void Refresh();
    // The option row widget of a group (TOptionSelectGroupBox), or null.
    QGroupBox* RowBox(TOptionGroup group, int row) const;
    QTabWidget* Pages() const { return pages_; }

signals:
    void ReturnClicked();
    void PrintClicked();

private:
    void BuildWidgets();
    QWidget* BuildTop();
    QWidget* BuildBottom();
    QWidget* GroupPage(const char* sheet, std::vector<TChoiceList> lists, std::vector<TOptionGroup> groups);
    void ApplyTexts();
    void RefreshGroup(TOptionGroup group);
    void CommentEdited();
    void ShowConnectImage();

    TKinemoContext& context_;
    TSizingSession& session_;
    bool refreshing_ = false;
    QTabWidget* pages_ = nullptr;
    std::array<QComboBox*, kChoiceListCount> lists_{};
    std::array<QVBoxLayout*, kOptionGroupCount> groupLayouts_{};
    std::array<std::vector<QGroupBox*>, kOptionGroupCount> rows_;
    std::array<std::string, kOptionGroupCount> rowSignatures_;
    QCheckBox* batteryFolder_ = nullptr;
    QLabel* alertValue_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPushButton* buttonReturn_ = nullptr;
    std::unique_ptr<TFormSelectOptionImage> image_;
};

}  // namespace kinemo
