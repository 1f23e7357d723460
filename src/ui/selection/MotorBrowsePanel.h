// The motor search of the pages that browse the catalog without a sizing job (option series,
// CAD selection): function, series with its picture and features, the eleven search items
// and a row for the page's own buttons, over a motor catalog browser.
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;

namespace kinemo {

class TMotorCatalogBrowser;

class TMotorBrowsePanel : public QWidget {
    Q_OBJECT
public:
    // programFolder: where the series pictures are found.
    TMotorBrowsePanel(std::string programFolder, QWidget* parent = nullptr);

    // The row below the search items that takes the page's buttons.
    QHBoxLayout* ButtonRow() const { return buttons_; }
    // Captions of the labels and group boxes, each found by its control name.
    void ApplyTexts(const std::function<std::string(const std::string&)>& text);
    // Shows the browser's lists; the item lists are enabled only when itemsEnabled.
    void Show(const TMotorCatalogBrowser& browser, bool itemsEnabled);

signals:
    void FunctionChosen(int index);
    void SeriesChosen(int index);
    void EntryChosen(int item, int entry);

private:
    QWidget* BuildSeries();
    QWidget* BuildSearchItems();

    std::string programFolder_;
    bool showing_ = false;
    QComboBox* comboFunction_ = nullptr;
    QComboBox* comboSeries_ = nullptr;
    QPlainTextEdit* memoFunction_ = nullptr;
    QLabel* image_ = nullptr;
    QLabel* labelFeature_ = nullptr;
    std::array<QComboBox*, 11> combos_{};
    QHBoxLayout* buttons_ = nullptr;
};

}  // namespace kinemo
