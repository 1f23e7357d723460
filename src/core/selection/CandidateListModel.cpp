// Candidate list rules.
#include "selection/CandidateListModel.h"

#include "base/Catalog.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"
#include "torque/CalcDischarge.h"
#include "torque/JudgeOneMotor.h"
#include "torque/UserMotorSheet.h"
#include "units/ValueFormat.h"

#include <charconv>
#include <set>
#include <vector>

namespace kinemo {

const char* LevelText(TAdjudicationLevel level) {
    switch (level) {
    case TAdjudicationLevel::All: return "All";
    case TAdjudicationLevel::L60: return "60";
    case TAdjudicationLevel::L80: return "80";
    case TAdjudicationLevel::L100: return "100";
    case TAdjudicationLevel::Custom: return "Custom";
    }
    return "";
}

bool ParseLevel(const std::string& text, TAdjudicationLevel& level) {
    for (TAdjudicationLevel l : {TAdjudicationLevel::All, TAdjudicationLevel::L60, TAdjudicationLevel::L80,
                                 TAdjudicationLevel::L100, TAdjudicationLevel::Custom})
        if (text == LevelText(l)) {
            level = l;
            return true;
        }
    return false;
}

TCandidateListModel::TCandidateListModel(TMotorChoiceModel& search, TCalcDischarge& discharge,
                                         const TErrorMessage& errors, IUserDialogs& dialogs,
                                         const TValueFormat& format, const TNameValueList& resultLabels)
    : search_(search), discharge_(discharge), errors_(errors), dialogs_(dialogs), format_(format),
      labels_(resultLabels) {}

void TCandidateListModel::LoadTexts(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("select msg_value,msg_symbol,msg_control from s_message where msg_class=:CLASS order by msg_cd");
    query.SetParam("CLASS", "frame_choice_motor");
    query.Open();
    for (; !query.Eof(); query.Next()) {
        const std::string control = query.AsString(2);
        for (int n = 0; n < kCandidateColumns; ++n) {
            if (control == "MotorGrid[" + std::to_string(n) + "]") {
                columns_[static_cast<size_t>(n)].Header = query.AsString(0);
                columns_[static_cast<size_t>(n)].SubHeader = query.AsString(1);
            } else if (control == "MotorGridWidth[" + std::to_string(n) + "]") {
                columns_[static_cast<size_t>(n)].Width = static_cast<int>(query.AsInteger(0));
                columns_[static_cast<size_t>(n)].Weight = static_cast<int>(query.AsInteger(1));
            }
        }
        if (control == "RegenerationResistanceLoadRate") loadRateLabel_ = query.AsString(0);
    }
    query.Close();
    query.SetSQL("select msg_value from s_message where msg_class='user_motor' and msg_control='Marker'");
    query.Open();
    userMarker_ = query.Eof() ? std::string() : query.AsString(0);
    query.Close();
    const char* levels[] = {"60", "80", "100", "Custom"};
    for (size_t i = 0; i < 4; ++i) presets_[i] = TDisplayCondition::LoadPreset(query, levels[i]);
    custom_ = presets_[3];
}

void TCandidateListModel::SetCandidates(std::vector<std::unique_ptr<TMotor>> list) {
    full_ = std::move(list);
    display_.clear();
    for (auto& m : full_) display_.push_back(m.get());
    Lock();
}

void TCandidateListModel::MarkAllUnjudged() {
    for (auto& m : full_) m->Judged = false;
}

bool TCandidateListModel::JudgeOneMotor(TMotor& motor) {
    if (!kinemo::JudgeOneMotor(discharge_, motor, search_.InputSupplyText(), errors_, dialogs_)) return false;
    if (OnJudged) OnJudged(motor);
    return true;
}

bool TCandidateListModel::JudgeAllCandidates(IProgress* progress) {
    std::vector<TMotor*> passing;
    const int count = static_cast<int>(full_.size());
    for (int i = 0; i < count; ++i) {
        TMotor& m = *full_[static_cast<size_t>(i)];
        if (!kinemo::JudgeOneMotor(discharge_, m, search_.InputSupplyText(), errors_, dialogs_)) return false;
        if (active_.Passes(m)) passing.push_back(&m);
        if (progress) progress->Progress(i + 1, count, "");
    }
    display_ = std::move(passing);
    Lock();
    return true;
}

const TDisplayCondition& TCandidateListModel::Preset(TAdjudicationLevel level) const {
    switch (level) {
    case TAdjudicationLevel::L60: return presets_[0];
    case TAdjudicationLevel::L80: return presets_[1];
    case TAdjudicationLevel::L100: return presets_[2];
    default: return presets_[3];
    }
}

void TCandidateListModel::SetLevel(TAdjudicationLevel level) {
    level_ = level;
    if (level == TAdjudicationLevel::All) active_ = TDisplayCondition::MakeAll();
    else if (level == TAdjudicationLevel::Custom) active_ = custom_;
    else active_ = Preset(level);
}

std::string TCandidateListModel::CellText(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(display_.size())) return {};
    const TMotor& m = *display_[static_cast<size_t>(row)];
    auto number = [&](double v) { return m.Judged ? format_.Display(v) : std::string(); };
    auto label = [&](int code) { return m.GetResultLabel(labels_, code); };
    switch (column) {
    case 0: return IsUserMotor(m) && !userMarker_.empty() ? m.msv_model_all + " " + userMarker_ : m.msv_model_all;
    case 1: return m.msv_amplifier1;
    case 2: return m.mso_name;
    case 3: return number(m.MotorInertiaRatio);
    case 4: return label(m.InertiaCode);
    case 5: return number(m.MotorMaxSpeedMax);
    case 6: return label(m.MaxSpeedCode);
    case 7: return number(m.MotorEffectiveTorquePercent);
    case 8: return label(m.EffectiveTorqueCode);
    case 9: return number(m.MotorRunningTorqueMaxPercent);
    case 10: return label(m.RunningTorqueCode);
    case 11: return number(m.MotorMaxTorquePercent);
    case 12: return label(m.MaxTorqueAdjudicationCode);
    case 13: {
        if (!m.Judged) return {};
        if (m.RegenerationResistanceLoadRate == "-") return loadRateLabel_;
        double v = 0;
        return TryTextToFloat(m.RegenerationResistanceLoadRate, v) ? format_.Display(v)
                                                                    : m.RegenerationResistanceLoadRate;
    }
    case 14: return label(m.ResultCode);
    default: return {};
    }
}

int TCandidateListModel::VerdictCode(const TMotor& m, int column) {
    switch (column) {
    case 4: return m.InertiaCode;
    case 6: return m.MaxSpeedCode;
    case 8: return m.EffectiveTorqueCode;
    case 10: return m.RunningTorqueCode;
    case 12: return m.MaxTorqueAdjudicationCode;
    case 14: return m.ResultCode;
    default: return -1;
    }
}

TVerdict TCandidateListModel::CellVerdict(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(display_.size())) return TVerdict::None;
    const TMotor& m = *display_[static_cast<size_t>(row)];
    const int code = VerdictCode(m, column);
    return code < 0 ? TVerdict::None : VerdictOf(code, m.Judged);
}

std::array<int, kCandidateColumns> TCandidateListModel::ColumnWidths(int clientWidth, int lineWidth) const {
    std::array<int, kCandidateColumns> widths{};
    int sum = 0, weights = 0;
    for (int c = 0; c < kCandidateColumns; ++c) {
        widths[static_cast<size_t>(c)] = columns_[static_cast<size_t>(c)].Width;
        sum += widths[static_cast<size_t>(c)];
        weights += columns_[static_cast<size_t>(c)].Weight;
    }
    const int spare = clientWidth - kCandidateColumns * lineWidth - sum;
    if (spare > 0 && weights > 0)
        for (int c = 0; c < kCandidateColumns; ++c)
            if (columns_[static_cast<size_t>(c)].Weight != 0)
                widths[static_cast<size_t>(c)] += spare * columns_[static_cast<size_t>(c)].Weight / weights;
    return widths;
}

void TCandidateListModel::SetCommittedMotor(const TMotor* motor) {
    committed_ = motor;
    search_.SetCommitted(motor != nullptr);
    Lock();
}

void TCandidateListModel::Lock() {
    locked_ = -1;
    if (!committed_) return;
    for (size_t i = 0; i < display_.size(); ++i)
        if (SameMotor(*display_[i], *committed_)) {
            locked_ = static_cast<int>(i);
            return;
        }
}

// ---- project section ----

namespace {

pugi::xml_node Child(pugi::xml_node parent, const char* name, const std::string& text) {
    pugi::xml_node n = parent.append_child(name);
    n.text().set(text.c_str());
    return n;
}

bool ParseInt(const std::string& text, int& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

int IntOrRaise(pugi::xml_node n) {
    int v = 0;
    if (!ParseInt(n.text().get(), v))
        throw TKinemoError(std::string("'") + n.text().get() + "' is not a valid integer (" + n.name() + ")");
    return v;
}

double FloatOrRaise(pugi::xml_node n) {
    double v = 0;
    if (!TryTextToFloat(n.text().get(), v))
        throw TKinemoError(std::string("'") + n.text().get() + "' is not a valid number (" + n.name() + ")");
    return v;
}

}  // namespace

void TCandidateListModel::SaveSection(pugi::xml_node section) {
    if (search_.CurrentFunction() >= 0)
        Child(section, "Function", std::to_string(search_.Functions()[search_.CurrentFunction()].Code));
    if (const TMotorSeries* s = search_.CurrentSeries()) Child(section, "Series", std::to_string(s->Code));
    Child(section, "InputSupply", search_.InputSupplyText());
    Child(section, "PositionRange", search_.PositionRangeText());
    Child(section, "AdjudicationLevel", LevelText(level_));
    pugi::xml_node custom = section.append_child("AdjudicationLevelCustom");
    Child(custom, "MaxTorque", FloatToText(custom_.MaxTorque));
    Child(custom, "EffectiveTorque", FloatToText(custom_.EffectiveTorque));
    Child(custom, "MaxFrequency", FloatToText(custom_.MaxFrequency));
    Child(custom, "RunningTorque", FloatToText(custom_.RunningTorque));
    Child(custom, "Inertia", FloatToText(custom_.Inertia));
    pugi::xml_node conditions = section.append_child("SearchCondition");
    for (int i = 0; i < kSearchItemCount; ++i) {
        const TSearchItemState& item = search_.Item(i);
        pugi::xml_node node = conditions.append_child(kSearchItems[static_cast<size_t>(i)].Key);
        if (item.WantedCode != -1) Child(node, "CurrentID", std::to_string(item.WantedCode));
        for (int j = 0; j < kSearchItemCount; ++j) {
            const int r = item.Restrictions[static_cast<size_t>(j)];
            if (r == 0) continue;
            pugi::xml_node where = Child(node, "Where", std::to_string(r));
            where.append_attribute("id").set_value(std::to_string(j).c_str());
        }
    }
    pugi::xml_node judged = section.append_child("AdjudicateMotor");
    for (const TMotor* m : display_) {
        if (!m->Judged) continue;
        pugi::xml_node motor = judged.append_child("Motor");
        Child(motor, "MsvID", std::to_string(m->msv_cd));
        Child(motor, "MxcID", std::to_string(m->mxc_cd));
        if (IsUserMotor(*m)) Child(motor, "UserMotor", m->msv_model_all);
    }
}

void TCandidateListModel::LoadSection(pugi::xml_node section) {
    struct LoadingMark {
        TMotorChoiceModel& s;
        explicit LoadingMark(TMotorChoiceModel& m) : s(m) { s.SetLoading(true); }
        ~LoadingMark() { s.SetLoading(false); }
    };
    {
        LoadingMark mark(search_);
        SetLevel(TAdjudicationLevel::All);
        search_.ForgetSelection();
        // A function the catalog does not know reads as none given, so that the project
        // saves what it shows and opens again the same.
        pugi::xml_node f = section.child("Function");
        if (!f || !search_.SelectFunctionByCode(IntOrRaise(f))) search_.SelectFunction(0);
        if (pugi::xml_node s = section.child("Series")) search_.SelectSeriesByCode(IntOrRaise(s), true);
        bool applied = false;
        if (pugi::xml_node conditions = section.child("SearchCondition")) {
            for (int i = 0; i < kSearchItemCount; ++i) {
                pugi::xml_node item = conditions.child(kSearchItems[static_cast<size_t>(i)].Key);
                // The program writes one CurrentID and one Where per id: a repeated entry
                // is read once (each selection queries the catalog again).
                bool currentRead = false;
                std::vector<bool> whereRead(static_cast<size_t>(kSearchItemCount), false);
                for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
                    const std::string name = c.name();
                    int v = 0;
                    if (name == "Where") {
                        int id = -1;
                        if (ParseInt(c.attribute("id").value(), id) && id >= 0 && id < kSearchItemCount &&
                            !whereRead[static_cast<size_t>(id)] && ParseInt(c.text().get(), v)) {
                            whereRead[static_cast<size_t>(id)] = true;
                            search_.MutableItem(i).Restrictions[static_cast<size_t>(id)] = v;
                        }
                    } else if (name == "CurrentID" && !currentRead && ParseInt(c.text().get(), v)) {
                        currentRead = true;
                        const int entry = search_.Item(i).IndexOfCode(v);
                        if (entry >= 0) {
                            search_.SelectEntry(i, entry);
                            applied = true;
                        }
                    }
                }
            }
        }
        if (!applied) search_.RefillSearchItems();
    }
    search_.SearchMotors();
    search_.ApplyEncoderDefaults();
    if (pugi::xml_node n = section.child("InputSupply")) search_.SetInputSupplyText(std::to_string(IntOrRaise(n)));
    if (pugi::xml_node n = section.child("PositionRange")) search_.SetPositionRangeText(FloatToText(FloatOrRaise(n)));
    if (pugi::xml_node custom = section.child("AdjudicationLevelCustom")) {
        if (pugi::xml_node n = custom.child("MaxTorque")) custom_.MaxTorque = FloatOrRaise(n);
        if (pugi::xml_node n = custom.child("EffectiveTorque")) custom_.EffectiveTorque = FloatOrRaise(n);
        if (pugi::xml_node n = custom.child("MaxFrequency")) custom_.MaxFrequency = FloatOrRaise(n);
        if (pugi::xml_node n = custom.child("RunningTorque")) custom_.RunningTorque = FloatOrRaise(n);
        if (pugi::xml_node n = custom.child("Inertia")) custom_.Inertia = FloatOrRaise(n);
    }
    TAdjudicationLevel level;
    if (ParseLevel(section.child("AdjudicationLevel").text().get(), level)) SetLevel(level);
    // Each judged motor once; a judgement refused (with its message) refuses the others too,
    // so the message is shown once, however many motors the file lists.
    std::set<const TMotor*> listed;
    bool refused = false;
    bool prepared = false;
    for (pugi::xml_node motor : section.child("AdjudicateMotor").children("Motor")) {
        if (refused) break;
        if (!prepared) {
            prepared = true;
            if (PrepareSavedJudgement && !PrepareSavedJudgement()) break;
        }
        pugi::xml_node msv = motor.child("MsvID"), mxc = motor.child("MxcID");
        int msvCd = 0, mxcCd = 0;
        if (!msv || !mxc || !ParseInt(msv.text().get(), msvCd) || !ParseInt(mxc.text().get(), mxcCd)) continue;
        const std::string user = motor.child("UserMotor").text().get();
        for (TMotor* m : display_)
            if (m->msv_cd == msvCd && m->mxc_cd == mxcCd && (!IsUserMotor(*m) || m->msv_model_all == user)) {
                if (listed.insert(m).second && !m->Judged) refused = !JudgeOneMotor(*m);
                break;
            }
    }
    Lock();
}

}  // namespace kinemo
