// Motor records.
#include "torque/Motor.h"

#include "base/Catalog.h"

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
    std::unique_ptr<TTorqueList> keep = std::move(Torques);
    // Every plain field at once; the owned torque copy is handled by SetTorqueList.
    mmf_value = s.mmf_value;
    tms_name = s.tms_name;
    mxc_cd = s.mxc_cd;
    mmp_cd = s.mmp_cd;
    msv_cd = s.msv_cd;
    msv_model_all = s.msv_model_all;
    msv_amplifier = s.msv_amplifier;
    mso_name = s.mso_name;
    msp_name = s.msp_name;
    mss_name = s.mss_name;
    mse_name = s.mse_name;
    msmg_name = s.msmg_name;
    msmg_value = s.msmg_value;
    msv_msmg_cd = s.msv_msmg_cd;
    msb_name = s.msb_name;
    msb_value = s.msb_value;
    msv_backlash = s.msv_backlash;
    msos_name = s.msos_name;
    msgr_name = s.msgr_name;
    moc_value = s.moc_value;
    MotorRotorInertia = s.MotorRotorInertia;
    MotorWarningInertia = s.MotorWarningInertia;
    MotorMaxTorque = s.MotorMaxTorque;
    MotorRatedTorque = s.MotorRatedTorque;
    MotorMaxSpeed = s.MotorMaxSpeed;
    MotorTripSupply = s.MotorTripSupply;
    MotorRatedSupply = s.MotorRatedSupply;
    MotorCapacitor = s.MotorCapacitor;
    MotorPhaseResistance = s.MotorPhaseResistance;
    MotorRatedCurrent = s.MotorRatedCurrent;
    MotorAllowableDischarge = s.MotorAllowableDischarge;
    MotorMomentaryDischarge = s.MotorMomentaryDischarge;
    MotorWarningAllowableDischarge = s.MotorWarningAllowableDischarge;
    MotorWarningMomentaryDischarge = s.MotorWarningMomentaryDischarge;
    MotorWarningTorqueDefMax = s.MotorWarningTorqueDefMax;
    MotorWarningTorqueHighMax = s.MotorWarningTorqueHighMax;
    MotorWarningTorqueLowMax = s.MotorWarningTorqueLowMax;
    MotorWarningTorqueDefEffective = s.MotorWarningTorqueDefEffective;
    MotorWarningTorqueHighEffective = s.MotorWarningTorqueHighEffective;
    MotorWarningTorqueLowEffective = s.MotorWarningTorqueLowEffective;
    MotorRatedSpeed = s.MotorRatedSpeed;
    MotorGearInertia = s.MotorGearInertia;
    MotorGearTorque = s.MotorGearTorque;
    MotorGearEta = s.MotorGearEta;
    MotorExternalResistor = s.MotorExternalResistor;
    MotorExternalResistorCapacity = s.MotorExternalResistorCapacity;
    MotorRunningTorque = s.MotorRunningTorque;
    MotorRunningTorqueMax = s.MotorRunningTorqueMax;
    MotorRunningTorqueMaxPercent = s.MotorRunningTorqueMaxPercent;
    MotorEpigeneTorque = s.MotorEpigeneTorque;
    MotorEpigeneTorqueMax = s.MotorEpigeneTorqueMax;
    MotorEpigeneTorqueMaxPercent = s.MotorEpigeneTorqueMaxPercent;
    msv_amplifier1 = s.msv_amplifier1;
    msv_amplifier2 = s.msv_amplifier2;
    msv_motor_price = s.msv_motor_price;
    msv_amp_price = s.msv_amp_price;
    msv_m_warningtorquedef = s.msv_m_warningtorquedef;
    msv_m_warningtorquelow = s.msv_m_warningtorquelow;
    msv_m_warningtorquehigh = s.msv_m_warningtorquehigh;
    msgr_value = s.msgr_value;
    msv_s_backlash = s.msv_s_backlash;
    msv_m_warningallowabledischarge = s.msv_m_warningallowabledischarge;
    Judged = s.Judged;
    MotorNecessityMaxTorque = s.MotorNecessityMaxTorque;
    MotorEffectiveTorque = s.MotorEffectiveTorque;
    MotorEffectiveTorquePercent = s.MotorEffectiveTorquePercent;
    maxP = s.maxP;
    maxPm = s.maxPm;
    MotorMaxTorquePercent = s.MotorMaxTorquePercent;
    Result = s.Result;
    MaxSpeed = s.MaxSpeed;
    MaxTorqueAdjudication = s.MaxTorqueAdjudication;
    MotorMaxSpeedMax = s.MotorMaxSpeedMax;
    RunningTorque = s.RunningTorque;
    EpigeneTorque = s.EpigeneTorque;
    AllowableDischargeAdjudication = s.AllowableDischargeAdjudication;
    WarningMomentaryDischargeAdjudication = s.WarningMomentaryDischargeAdjudication;
    MotorInertiaRatio = s.MotorInertiaRatio;
    Inertia = s.Inertia;
    EffectiveTorque = s.EffectiveTorque;
    RegenerationResistanceLoadRate = s.RegenerationResistanceLoadRate;
    msv_pureexternalresistor = s.msv_pureexternalresistor;
    JL = s.JL;
    HandOverLog = s.HandOverLog;
    JudgementLog = s.JudgementLog;
    MomentaryTableText = s.MomentaryTableText;
    Torques = std::move(keep);
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

namespace {

// Reads only what the query selected: one loader serves every motor query shape.
class RowReader {
public:
    explicit RowReader(TCatalogQuery& q) : q_(q) {}
    bool Has(const char* c) const { return q_.HasField(c); }
    void Text(const char* c, std::string& out) const {
        if (Has(c)) out = q_.AsString(c);
    }
    void Int(const char* c, int& out) const {
        if (Has(c)) out = static_cast<int>(q_.AsInteger(c));
    }
    void Num(const char* c, double& out) const {
        if (Has(c)) out = q_.AsFloat(c);
    }
    void Product(const char* a, const char* b, double& out) const {
        if (Has(a) && Has(b)) out = q_.AsFloat(a) * q_.AsFloat(b);
    }

private:
    TCatalogQuery& q_;
};

void FillMotor(const RowReader& r, TMotor& m) {
    r.Text("mmf_value", m.mmf_value);
    r.Text("tms_name", m.tms_name);
    r.Int("mxc_cd", m.mxc_cd);
    r.Int("mmp_cd", m.mmp_cd);
    r.Int("msv_cd", m.msv_cd);
    r.Text("msv_model_all", m.msv_model_all);
    r.Text("msv_amplifier", m.msv_amplifier);
    r.Text("mso_name", m.mso_name);
    r.Text("msp_name", m.msp_name);
    r.Text("mss_name", m.mss_name);
    r.Text("mse_name", m.mse_name);
    r.Text("msmg_name", m.msmg_name);
    r.Text("msmg_value", m.msmg_value);
    r.Int("msv_msmg_cd", m.msv_msmg_cd);
    r.Text("msb_name", m.msb_name);
    r.Text("msb_value", m.msb_value);
    r.Text("msv_backlash", m.msv_backlash);
    r.Text("msos_name", m.msos_name);
    r.Text("msgr_name", m.msgr_name);
    r.Text("moc_value", m.moc_value);
    r.Num("msv_s_rotorinertia", m.MotorRotorInertia);
    r.Num("msv_m_warninginertia", m.MotorWarningInertia);
    r.Num("msv_s_maxtorque", m.MotorMaxTorque);
    r.Num("msv_s_ratedtorque", m.MotorRatedTorque);
    r.Num("msv_s_maxspeed", m.MotorMaxSpeed);
    r.Num("msv_m_tripsupply", m.MotorTripSupply);
    r.Num("mss_n_supply", m.MotorRatedSupply);
    r.Num("msv_m_capacitor", m.MotorCapacitor);
    r.Num("msv_s_phaseresistance", m.MotorPhaseResistance);
    r.Num("msv_s_ratedcurrent", m.MotorRatedCurrent);
    r.Num("msv_m_allowabledischarge", m.MotorAllowableDischarge);
    r.Num("msv_m_momentarydischarge", m.MotorMomentaryDischarge);
    r.Product("msv_m_allowabledischarge", "msv_m_warningallowabledischarge", m.MotorWarningAllowableDischarge);
    r.Product("msv_m_momentarydischarge", "msv_m_warningmomentarydischarge", m.MotorWarningMomentaryDischarge);
    r.Product("msv_s_maxtorque", "msv_m_warningtorquedef", m.MotorWarningTorqueDefMax);
    r.Product("msv_s_maxtorque", "msv_m_warningtorquehigh", m.MotorWarningTorqueHighMax);
    r.Product("msv_s_maxtorque", "msv_m_warningtorquelow", m.MotorWarningTorqueLowMax);
    r.Product("msv_s_ratedtorque", "msv_m_warningtorquedef", m.MotorWarningTorqueDefEffective);
    // The high-speed effective limit is built with the low-speed factor, as catalogs
    // made for this system expect.
    r.Product("msv_s_ratedtorque", "msv_m_warningtorquelow", m.MotorWarningTorqueHighEffective);
    r.Product("msv_s_ratedtorque", "msv_m_warningtorquelow", m.MotorWarningTorqueLowEffective);
    r.Num("msv_s_ratedspeed", m.MotorRatedSpeed);
    r.Num("msv_gearinertia", m.MotorGearInertia);
    r.Num("msv_geartorque", m.MotorGearTorque);
    r.Num("msv_m_geareta", m.MotorGearEta);
    r.Num("msv_m_externalresistor", m.MotorExternalResistor);
    r.Num("msv_m_externalresistorcapacity", m.MotorExternalResistorCapacity);
    r.Product("msv_s_ratedtorque", "msv_m_warningtorquedef", m.MotorRunningTorque);
    r.Product("msv_s_ratedtorque", "msv_m_warningtorquedef", m.MotorEpigeneTorque);
    r.Text("msv_amplifier1", m.msv_amplifier1);
    r.Text("msv_amplifier2", m.msv_amplifier2);
    r.Int("msv_motor_price", m.msv_motor_price);
    r.Int("msv_amp_price", m.msv_amp_price);
    r.Num("msv_m_warningtorquedef", m.msv_m_warningtorquedef);
    r.Num("msv_m_warningtorquelow", m.msv_m_warningtorquelow);
    r.Num("msv_m_warningtorquehigh", m.msv_m_warningtorquehigh);
    m.msgr_value = r.Has("msgr_value") ? 0 : 1;
    r.Num("msgr_value", m.msgr_value);
    r.Num("msv_s_backlash", m.msv_s_backlash);
    r.Num("msv_m_warningallowabledischarge", m.msv_m_warningallowabledischarge);
    r.Text("msv_pureexternalresistor", m.msv_pureexternalresistor);
}

}  // namespace

std::vector<std::unique_ptr<TMotor>> LoadMotorList(TCatalogQuery& query) {
    std::vector<std::unique_ptr<TMotor>> list;
    RowReader reader(query);
    for (; !query.Eof(); query.Next()) {
        auto m = std::make_unique<TMotor>();
        FillMotor(reader, *m);
        list.push_back(std::move(m));
    }
    query.Close();
    return list;
}

}  // namespace kinemo
