// Reading and checking the hand-over file.
#include "MotorParts.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>

namespace kinemo::cad {

namespace {

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

class TFields {
public:
    explicit TFields(const std::string& text) {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string::npos) end = text.size();
            const std::string line = Trim(text.substr(pos, end - pos));
            pos = end + 1;
            if (line.empty() || line[0] == '#') continue;
            const size_t eq = line.find('=');
            if (eq == std::string::npos) throw TPartsError("line without '=': " + line);
            values_[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
        }
    }
    std::string Text(const std::string& key) const {
        auto it = values_.find(key);
        if (it == values_.end() || it->second.empty()) throw TPartsError("no value for " + key);
        return it->second;
    }
    std::string Optional(const std::string& key) const {
        auto it = values_.find(key);
        return it == values_.end() ? std::string() : it->second;
    }
    // A length in mm, at least min.
    double Number(const std::string& key, double min = 0) const {
        const std::string t = Text(key);
        char* end = nullptr;
        errno = 0;
        const double v = std::strtod(t.c_str(), &end);
        if (errno || end == t.c_str() || *end || !std::isfinite(v)) throw TPartsError(key + " is not a number: " + t);
        if (v < min || v > 10000) throw TPartsError(key + " is out of range: " + t);
        return v;
    }

private:
    std::map<std::string, std::string> values_;
};

void Require(bool ok, const std::string& what) {
    if (!ok) throw TPartsError(what);
}

void ReadGear(const TFields& f, TMotorParts& p) {
    p.Geared = true;
    p.GearRatio = f.Optional("gear_ratio");
    p.GearFlange = f.Number("gear_flange", 1);
    p.GearFlangeThickness = f.Number("gear_flange_thickness", 0.1);
    p.GearPilotDiameter = f.Number("gear_pilot_diameter", 0.1);
    p.GearPilotLength = f.Number("gear_pilot_length");
    p.GearBoltCircle = f.Number("gear_bolt_circle", 0.1);
    p.GearBoltHole = f.Number("gear_bolt_hole", 0.1);
    p.GearDiameter = f.Number("gear_diameter", 0.1);
    p.GearLength = f.Number("gear_length", 0.1);
    const std::string output = f.Text("output");
    Require(output == "shaft" || output == "flange", "output must be shaft or flange: " + output);
    p.FlangeOutput = output == "flange";
    if (p.FlangeOutput) {
        p.OutputBoltCircle = f.Number("output_bolt_circle", 0.1);
        p.OutputHoles = static_cast<int>(f.Number("output_holes", 1));
        p.OutputHole = f.Number("output_hole", 0.1);
        Require(p.OutputBoltCircle + p.OutputHole < p.ShaftDiameter, "output bolt circle beyond the output flange");
    }
    Require(p.GearPilotDiameter < p.GearFlange && p.GearDiameter <= p.GearFlange, "gear pilot or housing larger than its flange");
    Require(p.ShaftDiameter < p.GearPilotDiameter, "output larger than the gear pilot");
    Require(p.ShaftLength > p.GearPilotLength, "output shorter than the gear pilot");
    Require(p.GearLength > p.GearFlangeThickness, "gear head shorter than its flange");
}

}  // namespace

TMotorParts ParseMotorParts(const std::string& text) {
    const TFields f(text);
    TMotorParts p;
    Require(f.Optional("format") == "kinemo-cad-parts 1", "not a Kinemo CAD hand-over file (format line missing)");
    p.Part = f.Text("part");
    p.Model = f.Optional("model");
    p.Flange = f.Number("flange", 1);
    p.FlangeThickness = f.Number("flange_thickness", 0.1);
    p.PilotDiameter = f.Number("pilot_diameter", 0.1);
    p.PilotLength = f.Number("pilot_length");
    p.BoltCircle = f.Number("bolt_circle", 0.1);
    p.BoltHole = f.Number("bolt_hole", 0.1);
    p.Body = f.Number("body", 1);
    p.BodyLength = f.Number("body_length", 1);
    p.BrakeLength = f.Number("brake_length");
    p.EncoderDiameter = f.Number("encoder_diameter", 1);
    p.EncoderLength = f.Number("encoder_length", 0.1);
    p.ConnectorWidth = f.Number("connector_width", 0.1);
    p.ConnectorDepth = f.Number("connector_depth", 0.1);
    p.ConnectorHeight = f.Number("connector_height", 0.1);
    p.PowerConnector = f.Number("power_connector", 0.1);
    p.SignalConnector = f.Number("signal_connector", 0.1);
    p.ShaftDiameter = f.Number("shaft_diameter", 0.1);
    p.ShaftLength = f.Number("shaft_length", 0.1);
    p.KeyWidth = f.Optional("key_width").empty() ? 0 : f.Number("key_width");
    p.KeyLength = f.Optional("key_length").empty() ? 0 : f.Number("key_length");
    p.OilSealDiameter = f.Optional("oil_seal_diameter").empty() ? 0 : f.Number("oil_seal_diameter");

    Require(p.PilotDiameter < p.Flange && p.Body < p.Flange, "pilot or body larger than the flange");
    Require(p.EncoderDiameter < p.Body, "encoder cover larger than the body");
    Require(p.BoltCircle / std::sqrt(2.0) + p.BoltHole < p.Flange, "bolt holes outside the flange");
    Require(p.BodyLength > p.FlangeThickness, "body shorter than its flange");
    Require(p.ConnectorDepth < p.Body, "connector wider than the body");
    Require(p.KeyWidth < p.ShaftDiameter && p.KeyLength <= p.ShaftLength, "key larger than its shaft");
    Require(p.OilSealDiameter < p.PilotDiameter, "oil seal larger than the pilot");
    if (!f.Optional("gear_flange").empty() || !f.Optional("output").empty()) {
        ReadGear(f, p);
    } else {
        Require(p.ShaftDiameter < p.PilotDiameter, "shaft larger than the pilot");
        Require(p.ShaftLength > p.PilotLength, "shaft shorter than the pilot");
    }
    Require(p.PowerConnector - p.ConnectorWidth / 2 >= p.FlangeThickness &&
                p.BodyEnd() - p.SignalConnector + p.ConnectorWidth / 2 <= p.BodyEnd() &&
                p.MotorOffset() + p.PowerConnector + p.ConnectorWidth / 2 <
                    p.BodyEnd() - p.SignalConnector - p.ConnectorWidth / 2,
            "connectors do not fit on the body");
    return p;
}

}  // namespace kinemo::cad
