// The motor choice page: function and series lists with their descriptions and picture,
// the ten search items, the input supply and position range with the stopping accuracy,
// the adjudication level buttons, the judgement of all candidates, the candidate grid and
// the committed state, over the sizing session's search and candidate models.
#pragma once

#include "shell/SubPageNavigator.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kinemo {

class IFileDialogs;
class IProjectLoadHost;
class TKinemoContext;
class TMotor;
class TMotorGrid;
class TSizingSession;
enum class TAdjudicationLevel;

// What the page needs from the main window; each may stay empty.
struct TFrameChoiceMotorHost {
    std::function<void(const std::string&)> DebugText;  // a judged motor's debug text
    std::function<void(const TMotor&)> Commit;           // default: the session commits
    std::function<void()> Release;                       // default: the session releases
    std::function<void()> BringPatternUpToDate;          // the drive pattern page's data
    std::function<int(QDialog&)> ExecDialog;             // default: modal exec
    IFileDialogs* FileDialogs = nullptr;                 // saving a comparison
    IProjectLoadHost* LoadHost = nullptr;                // the window's part when a variant is shown
};

class TFrameChoiceMotor : public QWidget, public IMotorSelectPage {
    Q_OBJECT
public:
    TFrameChoiceMotor(TKinemoContext& context, TSizingSession& session, TFrameChoiceMotorHost host = {},
                      QWidget* parent = nullptr);

    // Shows the models again: lists, search items, fields, count, grid and states.
    void Refresh();
    // The first idle moment: the first search (when set-up left none) and the display.
    void FirstIdle();
    // Entering the page: judgements made before an edit of the machine or the pattern
    // are dropped (not while a motor is committed) and the page is shown again.
    void OnPageEntered(bool committed) override;

    // User actions, also driven by tests.
    void ChooseFunction(int index);
    void ChooseSeries(int index);
    void ChooseSearchEntry(int item, int entry);
    void SetInputSupply(const QString& text);
    void SetPositionRange(const QString& text);
    void ChooseLevel(TAdjudicationLevel level);
    // BtnAdjudication; false when a judgement failed (the grid is unchanged).
    bool JudgeAllCandidates();
    void OpenMotorDetail(int row);
    // BtnCompare: the rows marked in the grid (judged first where they are not); the
    // comparison's own message when two to four are not marked.
    void CompareMarked();
    // BtnVariants: the design variants window.
    void OpenVariants();
    void ReleaseCommitment();

    TMotorGrid* Grid() const { return grid_; }
    // Runs the page's modal windows (tests script them).
    void SetDialogRunner(std::function<int(QDialog&)> runner) { host_.ExecDialog = std::move(runner); }
    QComboBox* SearchCombo(int item) const { return combos_.at(static_cast<size_t>(item)); }

signals:
    // A motor was committed or released here.
    void CommitChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWidgets();
    QWidget* BuildLists();
    QWidget* BuildSearchItems();
    QWidget* BuildInputs();
    QWidget* BuildLevelRow();
    QWidget* BuildActionRow();
    void ApplyTexts();
    void RefreshLists();
    void RefreshSearchItems();
    void RefreshStates();
    void ShowStoppingAccuracy(int row);
    void RowSelected(int row, bool byUser);
    void SetBusy(bool busy);
    int Exec(QDialog& dialog);
    void RunCustomDialog();

    TKinemoContext& context_;
    TSizingSession& session_;
    TFrameChoiceMotorHost host_;
    std::string straightUnit_, rollingUnit_;  // the stopping accuracy's unit by chain kind
    std::function<void(std::vector<std::unique_ptr<TMotor>>)> previousOnCandidates_;
    bool refreshing_ = false;
    bool candidatesChanged_ = false;

    QListWidget* listFunction_ = nullptr;
    QListWidget* listSeries_ = nullptr;
    QPlainTextEdit* memoFunction_ = nullptr;
    QPlainTextEdit* memoSeries_ = nullptr;
    QLabel* imageMotor_ = nullptr;
    std::array<QLabel*, 10> labels_{};
    std::array<QComboBox*, 10> combos_{};
    QLineEdit* editSupply_ = nullptr;
    QLineEdit* editPositionRange_ = nullptr;
    QLineEdit* textStoppingAccuracy_ = nullptr;
    QLabel* labelAccuracyUnit_ = nullptr;
    QLabel* labelMotorCount_ = nullptr;
    QButtonGroup* levels_ = nullptr;
    QPushButton* btnAdjudication_ = nullptr;
    QPushButton* btnCommit_ = nullptr;
    TMotorGrid* grid_ = nullptr;
};

}  // namespace kinemo
