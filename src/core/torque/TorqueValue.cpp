// Interval torque formula.
#include "torque/TorqueValue.h"

#include "formula/FormulaEngine.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

namespace kinemo {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

void Assign(std::string& script, const char* name, double value) {
    script += name;
    script += '=';
    script += FloatToText(value);
    script += "\r\n";
}

}  // namespace

TTorqueValueFormula TTorqueValueFormula::Load(TCatalogQuery& query) {
    TTorqueValueFormula f;
    f.IntervalLines = SplitLines(ReadDrivePatternText(query, "TorqueValueFormula"));
    f.EffectiveTorque = ReadDrivePatternText(query, "EffectiveTorqueFormula");
    f.NecessityMaxTorque = ReadDrivePatternText(query, "NecessityMaxTorque");
    f.RunningTorqueMax = ReadDrivePatternText(query, "MotorRunningTorqueMax");
    f.EpigeneTorqueMax = ReadDrivePatternText(query, "MotorEpigeneTorqueMax");
    for (const std::string& line : f.IntervalLines) f.IntervalText += line + "\r\n";
    return f;
}

TTorqueValue::TTorqueValue(const TTorqueEnvironment& env, const CarryOutput& carry, double frequency,
                           double preFrequency, double timeInterval, double rotorInertia)
    : TimeInterval(timeInterval),
      Frequency(frequency),
      PreFrequency(preFrequency),
      V(carry.V),
      RotorInertia(rotorInertia),
      Carry(carry) {
    std::string script;
    if (env.Constants) script = env.Constants->ConstantsText() + "\r\n";
    double modulus = 0;
    if (!TryTextToFloat(env.ModulusText, modulus)) modulus = 0;
    Assign(script, "V", carry.V);
    Assign(script, "TimeInterval", timeInterval);
    Assign(script, "Frequency", frequency);
    Assign(script, "PreFrequency", preFrequency);
    Assign(script, "RotorInertia", rotorInertia);
    Assign(script, "Modulus", modulus);
    Assign(script, "JL", carry.JL);
    Assign(script, "TU", carry.TU);
    Assign(script, "TF", carry.TF);
    Assign(script, "TH", carry.TH);
    Assign(script, "TD", carry.TD);
    TFormulaEngine engine(env.Programs);
    engine.ExecuteStatement(script);
    // The catalog text runs after the inputs in the same engine; kept apart it stays parsed.
    if (env.Formulas) engine.ExecuteStatement(env.Formulas->IntervalText);
    Speed = engine.EvalDouble("FSpeed");
    Stop = static_cast<int>(engine.EvalInteger("FStop"));
    FrictionTorque = engine.EvalDouble("FFrictionTorque");
    AdjustableSpeedTorque = engine.EvalDouble("FAdjustableSpeedTorque");
    StartingTorque = engine.EvalDouble("FStartingTorque");
    EpigeneConservation = engine.EvalDouble("FEpigeneConservation");
    IntervalTorque = engine.EvalDouble("FIntervalTorque");
    IntervalTorqueS = engine.EvalDouble("FIntervalTorqueS");
}

THandOverValues TTorqueValue::RegenerationValues() const {
    THandOverValues v;
    v.Number("Frequency", Frequency);
    v.Number("PreFrequency", PreFrequency);
    v.Number("IntervalTorque", IntervalTorque);
    v.Number("IntervalTorqueS", IntervalTorqueS);
    v.Number("TimeInterval", TimeInterval);
    return v;
}

std::string TTorqueValue::IntervalText() const {
    std::string t;
    Assign(t, "Frequency", Frequency);
    Assign(t, "PreFrequency", PreFrequency);
    Assign(t, "IntervalTorque", IntervalTorque);
    Assign(t, "IntervalTorqueS", IntervalTorqueS);
    Assign(t, "TimeInterval", TimeInterval);
    return t;
}

std::unique_ptr<TTorqueValue> TIntervalResults::Make(const TTorqueEnvironment& env, const CarryOutput& carry,
                                                    double frequency, double preFrequency, double timeInterval,
                                                    double rotorInertia) {
    static const std::string kNone;
    const std::string& formula = env.Formulas ? env.Formulas->IntervalText : kNone;
    const std::string& constants = env.Constants ? env.Constants->ConstantsText() : kNone;
    if (formula != formulaText_ || constants != constantsText_ || env.ModulusText != modulusText_) {
        results_.Clear();
        formulaText_ = formula;
        constantsText_ = constants;
        modulusText_ = env.ModulusText;
    }
    const TIntervalInput input{{{{carry.JL}, {carry.TF}, {carry.TU}, {carry.TH}, {carry.TD}, {carry.V}, {carry.A},
                                 {carry.B}, {frequency}, {preFrequency}, {timeInterval}, {rotorInertia}}}};
    if (const TTorqueValue* hit = results_.Find(input)) return std::make_unique<TTorqueValue>(*hit);
    auto value = std::make_unique<TTorqueValue>(env, carry, frequency, preFrequency, timeInterval, rotorInertia);
    results_.Remember(input, *value);
    return value;
}

}  // namespace kinemo
