// The candidate list of the motor choice screen without its grid: the full and the
// displayed candidates, judging one or all of them, adjudication levels, the fifteen
// cell texts, the committed-motor lock, and the screen's project-file section.
#pragma once

#include "selection/DisplayCondition.h"
#include "selection/MotorChoiceModel.h"
#include "selection/Verdict.h"
#include "base/NameValueList.h"
#include "base/ProjectSection.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IProgress;
class IUserDialogs;
class TCalcDischarge;
class TErrorMessage;
class TValueFormat;

enum class TAdjudicationLevel { All, L60, L80, L100, Custom };
const char* LevelText(TAdjudicationLevel level);
bool ParseLevel(const std::string& text, TAdjudicationLevel& level);

constexpr int kCandidateColumns = 15;

struct TGridColumnText {
    std::string Header, SubHeader;
    int Width = 100;
    int Weight = 0;
};

class TCandidateListModel : public IProjectSectionHandler {
public:
    TCandidateListModel(TMotorChoiceModel& search, TCalcDischarge& discharge, const TErrorMessage& errors,
                        IUserDialogs& dialogs, const TValueFormat& format, const TNameValueList& resultLabels);

    // Grid texts, level presets and the custom condition from the catalog.
    void LoadTexts(TCatalogQuery& query);

    // Candidates.
    void SetCandidates(std::vector<std::unique_ptr<TMotor>> list);
    const std::vector<std::unique_ptr<TMotor>>& FullList() const { return full_; }
    const std::vector<TMotor*>& DisplayList() const { return display_; }
    void MarkAllUnjudged();

    bool JudgeOneMotor(TMotor& motor);
    // Judges every candidate; stops at the first failure (false, display list unchanged).
    bool JudgeAllCandidates(IProgress* progress);

    // Levels: a change takes effect at the next judgement run.
    TAdjudicationLevel Level() const { return level_; }
    void SetLevel(TAdjudicationLevel level);
    void SetCustomCondition(const TDisplayCondition& c) { custom_ = c; }
    const TDisplayCondition& CustomCondition() const { return custom_; }
    const TDisplayCondition& ActiveCondition() const { return active_; }
    const TDisplayCondition& Preset(TAdjudicationLevel level) const;

    // Cell texts of a display-list row, as the grid shows them; a user-defined motor's
    // model carries the catalog's marker.
    std::string CellText(int row, int column) const;
    // The verdict of a label column (4, 6, 8, 10, 12, 14); None for other columns.
    TVerdict CellVerdict(int row, int column) const;
    // The judgement code a label column shows, or -1 for other columns.
    static int VerdictCode(const TMotor& motor, int column);
    const TGridColumnText& Column(int c) const { return columns_.at(static_cast<size_t>(c)); }
    // Widths with the spare room shared out by weight.
    std::array<int, kCandidateColumns> ColumnWidths(int clientWidth, int lineWidth) const;

    // The committed motor: its row is locked; null unlocks.
    void SetCommittedMotor(const TMotor* motor);
    int LockedRow() const { return locked_; }

    // Project-file section "FrameChoiceMotor".
    void SaveSection(pugi::xml_node section) override;
    void LoadSection(pugi::xml_node section) override;

    std::function<void(const TMotor&)> OnJudged;  // the debug text of a judged motor
    // Asked once before reading the section judges the motors it lists as judged (their
    // verdicts are not saved); false leaves them unjudged.
    std::function<bool()> PrepareSavedJudgement;

private:
    void Lock();

    TMotorChoiceModel& search_;
    TCalcDischarge& discharge_;
    const TErrorMessage& errors_;
    IUserDialogs& dialogs_;
    const TValueFormat& format_;
    const TNameValueList& labels_;
    std::vector<std::unique_ptr<TMotor>> full_;
    std::vector<TMotor*> display_;
    TAdjudicationLevel level_ = TAdjudicationLevel::All;
    TDisplayCondition active_ = TDisplayCondition::MakeAll();
    TDisplayCondition custom_;
    std::array<TDisplayCondition, 4> presets_{};  // 60, 80, 100, Custom
    std::array<TGridColumnText, kCandidateColumns> columns_{};
    std::string loadRateLabel_;
    std::string userMarker_;  // after the model of a user-defined motor
    const TMotor* committed_ = nullptr;
    int locked_ = -1;
};

}  // namespace kinemo
