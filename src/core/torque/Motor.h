// One selectable motor + amplifier + extension code from the catalog, with what a
// judgement learns about it: limits, verdict codes, figures, logs and the torques it
// was judged with.
#pragma once

#include "machine/Factor.h"
#include "machine/TraceLines.h"
#include "torque/MomentaryDischarge.h"
#include "base/NameValueList.h"
#include "torque/TorqueList.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kinemo {

class TCatalogQuery;

// Judgement-code labels: s_message "adjudication" / "MotorResult", symbol -> text.
TNameValueList LoadMotorResultLabels(TCatalogQuery& query);

// What the catalog says about one motor + amplifier + extension code: names, codes,
// prices and the raw columns the judgement and the options read.
struct TMotorRecord {
    std::string mmf_value, tms_name;
    int mxc_cd = 0, mmp_cd = 0, msv_cd = 0;
    std::string msv_model_all, msv_amplifier;
    std::string mso_name, msp_name, mss_name, mse_name;
    std::string msmg_name, msmg_value;
    int msv_msmg_cd = 0;
    std::string msb_name, msb_value;
    std::string msv_backlash;
    std::string msos_name, msgr_name, moc_value;
    std::string msv_amplifier1, msv_amplifier2;
    int msv_motor_price = 0, msv_amp_price = 0;
    double msv_m_warningtorquedef = 0, msv_m_warningtorquelow = 0, msv_m_warningtorquehigh = 0;
    double msgr_value = 1;  // 1 when the query has no gear ratio column
    double msv_s_backlash = 0;
    double msv_m_warningallowabledischarge = 0;
    std::string msv_pureexternalresistor;
};

// The motor's limits, taken or derived from its catalog values; handed to every
// judgement formula.
struct TMotorLimits {
    double MotorRotorInertia = 0, MotorWarningInertia = 0, MotorMaxTorque = 0, MotorRatedTorque = 0;
    double MotorMaxSpeed = 0, MotorTripSupply = 0, MotorRatedSupply = 0, MotorCapacitor = 0;
    double MotorPhaseResistance = 0, MotorRatedCurrent = 0, MotorAllowableDischarge = 0;
    double MotorMomentaryDischarge = 0, MotorWarningAllowableDischarge = 0, MotorWarningMomentaryDischarge = 0;
    double MotorWarningTorqueDefMax = 0, MotorWarningTorqueHighMax = 0, MotorWarningTorqueLowMax = 0;
    double MotorWarningTorqueDefEffective = 0, MotorWarningTorqueHighEffective = 0;
    double MotorWarningTorqueLowEffective = 0;
    double MotorRatedSpeed = 0, MotorGearInertia = 0, MotorGearTorque = 0, MotorGearEta = 0;
    double MotorExternalResistor = 0, MotorExternalResistorCapacity = 0;
    double MotorRunningTorque = 0, MotorEpigeneTorque = 0;  // warning running and holding torque
};

// What the last judgement found: figures, verdict codes and its logs.
struct TMotorVerdicts {
    bool Judged = false;
    double MotorRunningTorqueMax = 0, MotorRunningTorqueMaxPercent = 0;
    double MotorEpigeneTorqueMax = 0, MotorEpigeneTorqueMaxPercent = 0;
    double MotorNecessityMaxTorque = 0, MotorEffectiveTorque = 0, MotorEffectiveTorquePercent = 0;
    double maxP = 0, maxPm = 0;
    double MotorMaxTorquePercent = 0;
    int ResultCode = 0, MaxSpeedCode = 0, MaxTorqueAdjudicationCode = 0;
    double MotorMaxSpeedMax = 0;
    int RunningTorqueCode = 0, EpigeneTorqueCode = 0, AllowableDischargeAdjudicationCode = 0;
    int WarningMomentaryDischargeAdjudicationCode = 0;
    double MotorInertiaRatio = 0;
    int InertiaCode = 0, EffectiveTorqueCode = 0;
    std::string RegenerationResistanceLoadRate;
    double JL = 0;  // load inertia at the motor shaft handed to the judgement
    TTraceLines HandOverLog;  // the chain's trace lines, shared with the trace they came from
    std::vector<std::string> JudgementLog;
    TMomentaryTableText MomentaryTableText;
};

// The three parts copy by default; the torque copy follows its own rule (SetTorqueList).
class TMotor : public TMotorRecord, public TMotorLimits, public TMotorVerdicts {
public:
    TMotor() = default;
    TMotor(const TMotor& other) { Assign(other); }
    TMotor& operator=(const TMotor& other) {
        if (this != &other) Assign(other);
        return *this;
    }

    // Copies every field and the logs; the torque copy only when the source has one.
    void Assign(const TMotor& source);
    // Replaces the torque copy by a copy of list; null changes nothing.
    void SetTorqueList(const TTorqueList* list);
    // The judgement label of a code field; empty until judged.
    std::string GetResultLabel(const TNameValueList& labels, int code) const;
    // Hand-over log, interval torques, judgement log and regeneration table.
    std::string GetDebugText() const;
    // What the motor element at the head of the chain takes over.
    TMotorGearData GearData() const;

    std::unique_ptr<TTorqueList> Torques;
};

// One field of the record: the catalog column the loader reads it from (times a factor
// column when given), and the name and comment line it is handed to the judgement
// formulas with. Adding a field to the record, the loader and the hand-over is one row.
struct TMotorField {
    const char* Column;  // null: not read from the catalog
    const char* Factor;  // null: the column alone
    const char* Symbol;  // null: not handed over
    const char* Label;   // the hand-over comment line
    std::variant<std::string TMotor::*, int TMotor::*, double TMotor::*> Member;
};

// Every field the loader or the hand-over uses, in the record's order.
const std::vector<TMotorField>& MotorFields();

// Named column values of one motor: a catalog row, or a data sheet of the user's.
class IMotorColumns {
public:
    virtual ~IMotorColumns() = default;
    virtual bool Has(const char* column) const = 0;
    virtual std::string Text(const char* column) const = 0;
    virtual long long Integer(const char* column) const = 0;
    virtual double Float(const char* column) const = 0;
};

// Fills every field whose column (and factor column) row has, as the catalog loader does:
// the same values give the same record, bit for bit.
void FillMotor(const IMotorColumns& row, TMotor& m);

// One record per row of the open query, reading only the columns the query has; the
// query is closed at the end.
std::vector<std::unique_ptr<TMotor>> LoadMotorList(TCatalogQuery& query);

}  // namespace kinemo
