// The motor outline a hand-over file describes: "key=value" lines, lengths in mm.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

namespace kinemo::cad {

// A hand-over file the program cannot draw from; the text names what is wrong.
class TPartsError : public std::runtime_error {
public:
    explicit TPartsError(const std::string& what) : std::runtime_error(what) {}
};

struct TMotorParts {
    std::string Part, Model;
    // Motor: flange square and thickness, pilot, bolt circle and holes, square body (length
    // from the flange face, without brake), brake section, round encoder cover.
    double Flange = 0, FlangeThickness = 0, PilotDiameter = 0, PilotLength = 0;
    double BoltCircle = 0, BoltHole = 0, Body = 0, BodyLength = 0, BrakeLength = 0;
    double EncoderDiameter = 0, EncoderLength = 0;
    // Connectors on top of the body: size, power connector centre from the flange face,
    // encoder connector centre from the rear of the square body.
    double ConnectorWidth = 0, ConnectorDepth = 0, ConnectorHeight = 0;
    double PowerConnector = 0, SignalConnector = 0;
    // Output: the motor shaft, or the gear head's shaft or flange; lengths from the mounting
    // face. A key width of 0 means a straight shaft; an oil seal diameter of 0 none.
    double ShaftDiameter = 0, ShaftLength = 0, KeyWidth = 0, KeyLength = 0, OilSealDiameter = 0;
    // Gear head (Geared): square flange, pilot, bolts, round housing, length from its
    // mounting face to the motor flange; flange output with its bolt circle.
    bool Geared = false, FlangeOutput = false;
    std::string GearRatio;
    double GearFlange = 0, GearFlangeThickness = 0, GearPilotDiameter = 0, GearPilotLength = 0;
    double GearBoltCircle = 0, GearBoltHole = 0, GearDiameter = 0, GearLength = 0;
    double OutputBoltCircle = 0, OutputHole = 0;
    int OutputHoles = 0;

    // Where the motor flange face lies on the axis (0, or behind the gear head).
    double MotorOffset() const { return Geared ? GearLength : 0; }
    // The rear end of the square body and of the whole motor.
    double BodyEnd() const { return MotorOffset() + BodyLength + BrakeLength; }
    double RearEnd() const { return BodyEnd() + EncoderLength; }
    // The front end: tip of the shaft or face of the output flange.
    double FrontEnd() const { return -ShaftLength; }
    // The mounting flange seen from the front (the gear head's on a geared motor).
    double FrontFlange() const { return Geared ? GearFlange : Flange; }
    double ConnectorTop() const { return Body / 2 + ConnectorHeight; }
};

// Reads the text of a hand-over file; raises TPartsError naming a missing, unreadable or
// impossible value (a pilot larger than its flange, a shaft longer than nothing, ...).
TMotorParts ParseMotorParts(const std::string& text);

}  // namespace kinemo::cad
