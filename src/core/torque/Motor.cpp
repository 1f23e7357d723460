// Motor records.
#include "torque/Motor.h"

#include "base/Catalog.h"

#include <unordered_map>

namespace kinemo {

TNameValueList LoadMotorResultLabels(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("select msg_value, msg_symbol from s_message where msg_class=:CLASS and msg_control=:CONTROL");
    query.SetParam("CLASS", "adjudication");
    query.SetParam("CONTROL", "MotorResult");
    query.Open();
    TNameValueList labels;
    for (; !query.Eof(); query.Next()) labels.SetValue(query.AsString(1), query.AsString(0));
    query.Close();
    return labels;
}

void TMotor::Assign(const TMotor& s) {
    static_cast<TMotorRecord&>(*this) = s;
    static_cast<TMotorLimits&>(*this) = s;
    static_cast<TMotorVerdicts&>(*this) = s;
    SetTorqueList(s.Torques.get());
}

void TMotor::SetTorqueList(const TTorqueList* list) {
    if (list) Torques = list->Copy();
}

std::string TMotor::GetResultLabel(const TNameValueList& labels, int code) const {
    return Judged ? labels.Value(std::to_string(code)) : std::string();
}

std::string TMotor::GetDebugText() const {
    std::string s;
    auto line = [&](const std::string& l) { s += l + "\r\n"; };
    line("-- 選択要素の受け渡し出力 --");
    for (const auto& l : HandOverLog) line(l);
    line("-- 区間トルク --");
    if (Torques) s += Torques->Text();
    line("-- 判定処理 --");
    for (const auto& l : JudgementLog) line(l);
    line("-- 瞬時回生エネルギー表 --");
    line(" No        Er(J)        Ec(J)        Em(J)         E(J)         t(s)         P(W) 回生区間番号");
    for (const auto& l : MomentaryTableText) line(l);
    return s;
}

TMotorGearData TMotor::GearData() const {
    TMotorGearData g;
    g.GearInertia = MotorGearInertia;
    g.GearTorque = MotorGearTorque;
    g.RatioValue = msgr_value;
    g.MotorGearCode = msv_msmg_cd;
    g.GearEfficiency = MotorGearEta;
    g.Backlash = msv_s_backlash;
    return g;
}

const std::vector<TMotorField>& MotorFields() {
    using M = TMotor;
    static const std::vector<TMotorField> fields = {
        {"mmf_value", nullptr, nullptr, nullptr, &M::mmf_value},
        {"tms_name", nullptr, nullptr, nullptr, &M::tms_name},
        {"mxc_cd", nullptr, nullptr, nullptr, &M::mxc_cd},
        {"mmp_cd", nullptr, nullptr, nullptr, &M::mmp_cd},
        {"msv_cd", nullptr, nullptr, nullptr, &M::msv_cd},
        {"msv_model_all", nullptr, nullptr, nullptr, &M::msv_model_all},
        {"msv_amplifier", nullptr, nullptr, nullptr, &M::msv_amplifier},
        {"mso_name", nullptr, nullptr, nullptr, &M::mso_name},
        {"msp_name", nullptr, nullptr, nullptr, &M::msp_name},
        {"mss_name", nullptr, nullptr, nullptr, &M::mss_name},
        {"mse_name", nullptr, nullptr, nullptr, &M::mse_name},
        {"msmg_name", nullptr, nullptr, nullptr, &M::msmg_name},
        {"msmg_value", nullptr, nullptr, nullptr, &M::msmg_value},
        {"msv_msmg_cd", nullptr, nullptr, nullptr, &M::msv_msmg_cd},
        {"msb_name", nullptr, nullptr, nullptr, &M::msb_name},
        {"msb_value", nullptr, nullptr, nullptr, &M::msb_value},
        {"msv_backlash", nullptr, nullptr, nullptr, &M::msv_backlash},
        {"msos_name", nullptr, nullptr, nullptr, &M::msos_name},
        {"msgr_name", nullptr, nullptr, nullptr, &M::msgr_name},
        {"moc_value", nullptr, nullptr, nullptr, &M::moc_value},
        {"msv_s_rotorinertia", nullptr, "MotorRotorInertia", "'ロータイナーシャ(msv_s_rotorinertia)",
         &M::MotorRotorInertia},
        {"msv_m_warninginertia", nullptr, "MotorWarningInertia", "'イナーシャ警告(msv_m_warninginertia)",
         &M::MotorWarningInertia},
        {"msv_s_maxtorque", nullptr, "MotorMaxTorque", "'最大トルク(msv_s_maxtorque)", &M::MotorMaxTorque},
        {"msv_s_ratedtorque", nullptr, "MotorRatedTorque", "'定格トルク(msv_s_ratedtorque)", &M::MotorRatedTorque},
        {"msv_s_maxspeed", nullptr, "MotorMaxSpeed", "'最高回転数(msv_s_maxspeed)", &M::MotorMaxSpeed},
        {"msv_m_tripsupply", nullptr, "MotorTripSupply", "'トリップ電圧(msv_m_tripsupply)", &M::MotorTripSupply},
        {"mss_n_supply", nullptr, "MotorRatedSupply", "'定格電圧(mss_n_supply)", &M::MotorRatedSupply},
        {"msv_m_capacitor", nullptr, "MotorCapacitor", "'コンデンサ容量(msv_m_capacitor)", &M::MotorCapacitor},
        {"msv_s_phaseresistance", nullptr, "MotorPhaseResistance", "'相抵抗(msv_s_phaseresistance)",
         &M::MotorPhaseResistance},
        {"msv_s_ratedcurrent", nullptr, "MotorRatedCurrent", "'定格電流(msv_s_ratedcurrent)", &M::MotorRatedCurrent},
        {"msv_m_allowabledischarge", nullptr, "MotorAllowableDischarge", "'許容回生(msv_m_allowabledischarge)",
         &M::MotorAllowableDischarge},
        {"msv_m_momentarydischarge", nullptr, "MotorMomentaryDischarge", "'瞬時回生電力(msv_m_momentarydischarge)",
         &M::MotorMomentaryDischarge},
        {"msv_m_allowabledischarge", "msv_m_warningallowabledischarge", "MotorWarningAllowableDischarge",
         "'警告許容回生(msv_m_allowabledischarge * msv_m_warningallowabledischarge)",
         &M::MotorWarningAllowableDischarge},
        {"msv_m_momentarydischarge", "msv_m_warningmomentarydischarge", "MotorWarningMomentaryDischarge",
         "'警告瞬時回生電力(msv_m_momentarydischarge * msv_m_warningmomentarydischarge)",
         &M::MotorWarningMomentaryDischarge},
        {"msv_s_maxtorque", "msv_m_warningtorquedef", "MotorWarningTorqueDefMax",
         "'警告トルク(デフォルト)最大トルク(msv_s_maxtorque * msv_m_warningtorquedef)", &M::MotorWarningTorqueDefMax},
        {"msv_s_maxtorque", "msv_m_warningtorquehigh", "MotorWarningTorqueHighMax",
         "'警告トルク(高速)最大トルク(msv_s_maxtorque * msv_m_warningtorquehigh)", &M::MotorWarningTorqueHighMax},
        {"msv_s_maxtorque", "msv_m_warningtorquelow", "MotorWarningTorqueLowMax",
         "'警告トルク(低速)最大トルク(msv_s_maxtorque * msv_m_warningtorquelow)", &M::MotorWarningTorqueLowMax},
        // The comment names the low-speed factor, the value uses the default one: catalogs
        // made for this system expect both as they are.
        {"msv_s_ratedtorque", "msv_m_warningtorquedef", "MotorWarningTorqueDefEffective",
         "'警告トルク(デフォルト)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
         &M::MotorWarningTorqueDefEffective},
        // The high-speed effective limit is built with the low-speed factor, as those catalogs expect.
        {"msv_s_ratedtorque", "msv_m_warningtorquelow", "MotorWarningTorqueHighEffective",
         "'警告トルク(高速)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
         &M::MotorWarningTorqueHighEffective},
        {"msv_s_ratedtorque", "msv_m_warningtorquelow", "MotorWarningTorqueLowEffective",
         "'警告トルク(低速)実効トルク(msv_s_ratedtorque * msv_m_warningtorquelow)",
         &M::MotorWarningTorqueLowEffective},
        {"msv_s_ratedspeed", nullptr, "MotorRatedSpeed", "'定格回転数(msv_s_ratedspeed)", &M::MotorRatedSpeed},
        {"msv_gearinertia", nullptr, "MotorGearInertia", "'入力軸イナーシャ(msv_gearinertia)", &M::MotorGearInertia},
        {"msv_geartorque", nullptr, "MotorGearTorque", "'入力軸摩擦トルク(msv_geartorque)", &M::MotorGearTorque},
        {"msv_m_geareta", nullptr, "MotorGearEta", "'伝達効率(msv_m_geareta)", &M::MotorGearEta},
        {"msv_m_externalresistor", nullptr, "MotorExternalResistor", "'最大回生電力(msv_m_externalresistor)",
         &M::MotorExternalResistor},
        {"msv_m_externalresistorcapacity", nullptr, "MotorExternalResistorCapacity",
         "'回生抵抗消費電力(msv_m_externalresistorcapacity)", &M::MotorExternalResistorCapacity},
        {"msv_s_ratedtorque", "msv_m_warningtorquedef", "MotorRunningTorque", "'警告走行トルク", &M::MotorRunningTorque},
        // The previous judgement's figure: the current one reaches the formulas as TorqueMaxRunning.
        {nullptr, nullptr, "MotorRunningTorqueMax", "'走行トルク", &M::MotorRunningTorqueMax},
        {"msv_s_ratedtorque", "msv_m_warningtorquedef", "MotorEpigeneTorque", "'警告保持トルク", &M::MotorEpigeneTorque},
        {nullptr, nullptr, "MotorEpigeneTorqueMax", "'保持トルク", &M::MotorEpigeneTorqueMax},
        {"msv_amplifier1", nullptr, nullptr, nullptr, &M::msv_amplifier1},
        {"msv_amplifier2", nullptr, nullptr, nullptr, &M::msv_amplifier2},
        {"msv_motor_price", nullptr, nullptr, nullptr, &M::msv_motor_price},
        {"msv_amp_price", nullptr, nullptr, nullptr, &M::msv_amp_price},
        {"msv_m_warningtorquedef", nullptr, nullptr, nullptr, &M::msv_m_warningtorquedef},
        {"msv_m_warningtorquelow", nullptr, nullptr, nullptr, &M::msv_m_warningtorquelow},
        {"msv_m_warningtorquehigh", nullptr, nullptr, nullptr, &M::msv_m_warningtorquehigh},
        {"msgr_value", nullptr, nullptr, nullptr, &M::msgr_value},
        {"msv_s_backlash", nullptr, nullptr, nullptr, &M::msv_s_backlash},
        {"msv_m_warningallowabledischarge", nullptr, nullptr, nullptr, &M::msv_m_warningallowabledischarge},
        {"msv_pureexternalresistor", nullptr, nullptr, nullptr, &M::msv_pureexternalresistor},
    };
    return fields;
}

// One loader serves every motor query shape: a field is read only when the row has its
// column (and its factor column); otherwise it keeps its default.
void FillMotor(const IMotorColumns& row, TMotor& m) {
    for (const TMotorField& f : MotorFields()) {
        if (!f.Column || !row.Has(f.Column) || (f.Factor && !row.Has(f.Factor))) continue;
        if (auto* text = std::get_if<std::string TMotor::*>(&f.Member)) {
            m.*(*text) = row.Text(f.Column);
        } else if (auto* code = std::get_if<int TMotor::*>(&f.Member)) {
            m.*(*code) = static_cast<int>(row.Integer(f.Column));
        } else {
            const double v = row.Float(f.Column);
            m.*std::get<double TMotor::*>(f.Member) = f.Factor ? v * row.Float(f.Factor) : v;
        }
    }
}

namespace {

// The current row of an open catalog query. A column's place is looked up by name once per
// query, not per row: a catalog list reads some seventy columns of a thousand rows.
class TQueryColumns : public IMotorColumns {
public:
    explicit TQueryColumns(TCatalogQuery& q) : q_(q) {}
    bool Has(const char* column) const override { return Index(column) >= 0; }
    std::string Text(const char* column) const override { return q_.AsString(Index(column)); }
    long long Integer(const char* column) const override { return q_.AsInteger(Index(column)); }
    double Float(const char* column) const override { return q_.AsFloat(Index(column)); }

private:
    // The field table names its columns by literals that live as long as the program, so
    // the pointer is the key; -1 for a column the query does not have.
    int Index(const char* column) const {
        auto [it, added] = index_.try_emplace(column, -1);
        if (added && q_.HasField(column)) it->second = q_.FieldIndex(column);
        return it->second;
    }
    TCatalogQuery& q_;
    mutable std::unordered_map<const char*, int> index_;
};

}  // namespace

std::vector<std::unique_ptr<TMotor>> LoadMotorList(TCatalogQuery& query) {
    std::vector<std::unique_ptr<TMotor>> list;
    const TQueryColumns columns(query);
    for (; !query.Eof(); query.Next()) {
        auto m = std::make_unique<TMotor>();
        FillMotor(columns, *m);
        list.push_back(std::move(m));
    }
    query.Close();
    return list;
}

}  // namespace kinemo
