// A motor's torque-speed envelope (the continuous zone and the peak zone) and the
// operating points of a judged drive pattern, so the margin can be seen on one chart.
#pragma once

#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TMotor;
class TTorqueList;

struct TSpeedTorquePoint {
    double Speed = 0;   // r/min, signed by the direction of rotation
    double Torque = 0;  // N·m, signed
};
using TSpeedTorqueCurve = std::vector<TSpeedTorquePoint>;

class TTorqueSpeedEnvelope {
public:
    enum class TSource { None, Catalog, Rule };

    // The zones of the motor's series from t_torque_speed (speed as a position: 0
    // standstill, 1 the rated speed, 2 the maximum speed, linear between; torque as a
    // fraction of the rated torque for the continuous zone and of the peak torque for the
    // peak zone); a zone the catalog lacks or holds in an unusable form comes from the rule.
    static TTorqueSpeedEnvelope Load(TCatalogQuery& query, const TMotor& motor);
    // The rule: each zone keeps its torque up to the rated speed and then falls at
    // constant power (torque × speed constant) to the maximum speed.
    static TTorqueSpeedEnvelope FromRule(const TMotor& motor);
    // Normalised points of one zone in r/min and N·m; empty when they are unusable (fewer
    // than two, not starting at 0, positions falling or above 2, torques negative). A
    // rated speed not below the maximum makes positions 1 to 2 all the maximum speed.
    static TSpeedTorqueCurve Scaled(const TSpeedTorqueCurve& positions, double ratedSpeed, double maxSpeed,
                                    double torque);

    // First-quadrant curves from speed 0 to the maximum speed.
    const TSpeedTorqueCurve& Continuous() const { return continuous_; }
    const TSpeedTorqueCurve& Peak() const { return peak_; }
    TSource ContinuousSource() const { return continuousSource_; }
    TSource PeakSource() const { return peakSource_; }
    // The torque a zone allows at a speed of either sign (linear between points), 0 beyond
    // the maximum speed.
    static double Limit(const TSpeedTorqueCurve& zone, double speed);
    // A zone over both directions of rotation, from the reverse maximum speed through
    // standstill to the forward maximum; its negation bounds the braking side.
    static TSpeedTorqueCurve BothDirections(const TSpeedTorqueCurve& zone);

private:
    TSpeedTorqueCurve continuous_, peak_;
    TSource continuousSource_ = TSource::None, peakSource_ = TSource::None;
};

// One point per interval at the motor speed of larger magnitude of its start and end,
// with its torque (IntervalTorqueS).
TSpeedTorqueCurve OperatingPoints(const TTorqueList& torques);
// The effective torque at the time-weighted mean of the speed magnitudes.
TSpeedTorquePoint EffectivePoint(const TTorqueList& torques, double effectiveTorque);

}  // namespace kinemo
