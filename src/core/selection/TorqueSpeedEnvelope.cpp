// Torque-speed envelope from the catalog or the rule, and the pattern's operating points.
#include "selection/TorqueSpeedEnvelope.h"

#include "base/Catalog.h"
#include "torque/Motor.h"
#include "torque/TorqueList.h"

#include <algorithm>
#include <cmath>

namespace kinemo {

namespace {

TSpeedTorqueCurve RuleZone(double ratedSpeed, double maxSpeed, double torque) {
    if (maxSpeed <= 0 || torque <= 0) return {};
    const double corner = ratedSpeed > 0 && ratedSpeed < maxSpeed ? ratedSpeed : maxSpeed;
    TSpeedTorqueCurve zone{{0, torque}, {corner, torque}};
    if (corner < maxSpeed) {
        // Constant power above the corner: a few points so the hyperbola reads as a curve.
        constexpr int kSteps = 6;
        for (int i = 1; i <= kSteps; ++i) {
            const double n = corner + (maxSpeed - corner) * i / kSteps;
            zone.push_back({n, torque * corner / n});
        }
    }
    return zone;
}

}  // namespace

TSpeedTorqueCurve TTorqueSpeedEnvelope::Scaled(const TSpeedTorqueCurve& positions, double ratedSpeed,
                                                double maxSpeed, double torque) {
    if (positions.size() < 2 || positions.front().Speed != 0 || maxSpeed <= 0 || torque <= 0) return {};
    const double rated = ratedSpeed > 0 && ratedSpeed < maxSpeed ? ratedSpeed : maxSpeed;
    TSpeedTorqueCurve zone;
    double last = 0;
    for (const TSpeedTorquePoint& p : positions) {
        if (p.Speed < last || p.Speed > 2 || p.Torque < 0 || !std::isfinite(p.Torque)) return {};
        last = p.Speed;
        const double speed = p.Speed <= 1 ? p.Speed * rated : rated + (p.Speed - 1) * (maxSpeed - rated);
        zone.push_back({speed, p.Torque * torque});
    }
    return zone;
}

TTorqueSpeedEnvelope TTorqueSpeedEnvelope::FromRule(const TMotor& motor) {
    TTorqueSpeedEnvelope e;
    e.continuous_ = RuleZone(motor.MotorRatedSpeed, motor.MotorMaxSpeed, motor.MotorRatedTorque);
    e.peak_ = RuleZone(motor.MotorRatedSpeed, motor.MotorMaxSpeed, motor.MotorMaxTorque);
    e.continuousSource_ = e.continuous_.empty() ? TSource::None : TSource::Rule;
    e.peakSource_ = e.peak_.empty() ? TSource::None : TSource::Rule;
    return e;
}

TTorqueSpeedEnvelope TTorqueSpeedEnvelope::Load(TCatalogQuery& query, const TMotor& motor) {
    TSpeedTorqueCurve fractions[2];
    query.Close();
    query.SetSQL("SELECT tts_zone, tts_speed, tts_torque FROM t_torque_speed AS tts INNER JOIN t_motor_value AS msv "
                 "ON msv.msv_tms_cd = tts.tts_tms_cd WHERE msv.msv_cd = :MSV_CD ORDER BY tts_zone, tts_order");
    query.SetParam("MSV_CD", motor.msv_cd);
    query.Open();
    for (; !query.Eof(); query.Next()) {
        const long long zone = query.AsInteger(0);
        if (zone == 1 || zone == 2) fractions[zone - 1].push_back({query.AsFloat(1), query.AsFloat(2)});
    }
    query.Close();
    TTorqueSpeedEnvelope e = FromRule(motor);
    TSpeedTorqueCurve continuous =
        Scaled(fractions[0], motor.MotorRatedSpeed, motor.MotorMaxSpeed, motor.MotorRatedTorque);
    TSpeedTorqueCurve peak = Scaled(fractions[1], motor.MotorRatedSpeed, motor.MotorMaxSpeed, motor.MotorMaxTorque);
    if (!continuous.empty()) {
        e.continuous_ = std::move(continuous);
        e.continuousSource_ = TSource::Catalog;
    }
    if (!peak.empty()) {
        e.peak_ = std::move(peak);
        e.peakSource_ = TSource::Catalog;
    }
    return e;
}

double TTorqueSpeedEnvelope::Limit(const TSpeedTorqueCurve& zone, double speed) {
    const double n = std::fabs(speed);
    if (zone.empty() || n > zone.back().Speed) return 0;
    for (size_t i = 1; i < zone.size(); ++i) {
        const TSpeedTorquePoint& a = zone[i - 1];
        const TSpeedTorquePoint& b = zone[i];
        if (n > b.Speed) continue;
        if (b.Speed == a.Speed) return std::min(a.Torque, b.Torque);
        return a.Torque + (b.Torque - a.Torque) * (n - a.Speed) / (b.Speed - a.Speed);
    }
    return zone.back().Torque;
}

TSpeedTorqueCurve TTorqueSpeedEnvelope::BothDirections(const TSpeedTorqueCurve& zone) {
    TSpeedTorqueCurve out;
    for (auto it = zone.rbegin(); it != zone.rend(); ++it)
        if (it->Speed > 0) out.push_back({-it->Speed, it->Torque});
    for (const TSpeedTorquePoint& p : zone) out.push_back(p);
    return out;
}

TSpeedTorqueCurve OperatingPoints(const TTorqueList& torques) {
    TSpeedTorqueCurve points;
    for (int i = 0; i < torques.Count(); ++i) {
        const TTorqueValue& v = torques.Value(i);
        const double speed = std::fabs(v.PreFrequency) > std::fabs(v.Frequency) ? v.PreFrequency : v.Frequency;
        points.push_back({speed, v.IntervalTorqueS});
    }
    return points;
}

TSpeedTorquePoint EffectivePoint(const TTorqueList& torques, double effectiveTorque) {
    double time = 0, weighted = 0;
    for (int i = 0; i < torques.Count(); ++i) {
        const TTorqueValue& v = torques.Value(i);
        time += v.TimeInterval;
        const double a = v.PreFrequency, b = v.Frequency;
        // The mean magnitude of a linear ramp; one through zero spends part of its time slow.
        const double mean = a * b >= 0 ? (std::fabs(a) + std::fabs(b)) / 2
                                       : (a * a + b * b) / (2 * (std::fabs(a) + std::fabs(b)));
        weighted += v.TimeInterval * mean;
    }
    return {time > 0 ? weighted / time : 0, effectiveTorque};
}

}  // namespace kinemo
