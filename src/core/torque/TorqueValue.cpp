// Interval torque formula.
#include "torque/TorqueValue.h"

#include "formula/FormulaEngine.h"
#include "torque/HandOverValues.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

#include <optional>

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
    // The constants' text (the same every interval), then the inputs as "name=number"
    // lines would set them: nothing is parsed per interval.
    THandOverValues inputs(false);  // no log shows them
    inputs.Reserve(12);
    if (env.Constants) inputs.Script(env.Constants->ConstantsText());
    double modulus = 0;
    if (!TryTextToFloat(env.ModulusText, modulus)) modulus = 0;
    for (auto [name, value] : {std::pair{"V", carry.V}, std::pair{"TimeInterval", timeInterval},
                               std::pair{"Frequency", frequency}, std::pair{"PreFrequency", preFrequency},
                               std::pair{"RotorInertia", rotorInertia}, std::pair{"Modulus", modulus},
                               std::pair{"JL", carry.JL}, std::pair{"TU", carry.TU}, std::pair{"TF", carry.TF},
                               std::pair{"TH", carry.TH}, std::pair{"TD", carry.TD}})
        inputs.Number(name, value);
    std::optional<TFormulaEngine> own;
    TFormulaEngine* engine = env.Engine;
    if (engine) engine->Clear();
    else engine = &own.emplace(env.Programs);
    inputs.ApplyTo(*engine);
    TFormulaEngine& e = *engine;
    RunNamedFormula(DrivePatternKey("TorqueValueFormula"), [&] {
        if (env.Formulas) e.ExecuteStatement(env.Formulas->IntervalText);
        Speed = e.EvalDouble("FSpeed");
        Stop = static_cast<int>(e.EvalInteger("FStop"));
        FrictionTorque = e.EvalDouble("FFrictionTorque");
        AdjustableSpeedTorque = e.EvalDouble("FAdjustableSpeedTorque");
        StartingTorque = e.EvalDouble("FStartingTorque");
        EpigeneConservation = e.EvalDouble("FEpigeneConservation");
        IntervalTorque = e.EvalDouble("FIntervalTorque");
        IntervalTorqueS = e.EvalDouble("FIntervalTorqueS");
    });
}

THandOverValues TTorqueValue::RegenerationValues(bool keepText) const {
    THandOverValues v(keepText);
    v.Reserve(8);  // the regeneration adds Er, Ec and Em
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
