// Figure explanations from the judgement's own hand-over text and torque list.
#include "torque/FigureExplanation.h"

#include "base/KinemoError.h"
#include "base/NameValueList.h"
#include "base/NumberText.h"
#include "torque/CalcDischarge.h"
#include "torque/Motor.h"
#include "torque/TorqueList.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace kinemo {

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

const std::set<std::string>& Reserved() {
    // Keywords and the built-in functions the catalog's formulas may call.
    static const std::set<std::string> words = {
        "if", "then", "else", "elseif", "end", "for", "to", "step", "next", "each", "in", "dim", "redim",
        "preserve", "and", "or", "not", "xor", "eqv", "imp", "mod", "is", "do", "loop", "while", "wend",
        "until", "select", "case", "exit", "sub", "function", "call", "const", "true", "false", "empty",
        "null", "nothing", "set", "let", "rem", "abs", "sqr", "sgn", "sin", "cos", "tan", "atn", "exp",
        "log", "int", "fix", "round", "ubound", "lbound", "len", "cdbl", "cint", "clng", "csng", "cstr",
        "cbool", "isnumeric", "isempty", "mid", "left", "right", "trim", "ltrim", "rtrim", "ucase",
        "lcase", "instr", "replace", "space", "string", "array", "split", "join", "rnd", "randomize",
        "formatnumber", "hex", "oct", "chr", "asc", "val", "isarray", "vartype", "typename"};
    return words;
}

// Which torque-list value each array of the list formulas carries.
struct TArrayField {
    const char* Name;
    double (*Get)(const TTorqueValue&);
};
const TArrayField kArrays[] = {
    {"JL", [](const TTorqueValue& v) { return v.Carry.JL; }},
    {"TF", [](const TTorqueValue& v) { return v.Carry.TF; }},
    {"TU", [](const TTorqueValue& v) { return v.Carry.TU; }},
    {"TH", [](const TTorqueValue& v) { return v.Carry.TH; }},
    {"V", [](const TTorqueValue& v) { return v.Carry.V; }},
    {"TimeInterval", [](const TTorqueValue& v) { return v.TimeInterval; }},
    {"IntervalTime", [](const TTorqueValue& v) { return v.TimeInterval; }},
    {"PreFrequency", [](const TTorqueValue& v) { return v.PreFrequency; }},
    {"Frequency", [](const TTorqueValue& v) { return v.Frequency; }},
    {"Speed", [](const TTorqueValue& v) { return v.Speed; }},
    {"FrictionTorque", [](const TTorqueValue& v) { return v.FrictionTorque; }},
    {"AdjustableSpeedTorque", [](const TTorqueValue& v) { return v.AdjustableSpeedTorque; }},
    {"StartingTorque", [](const TTorqueValue& v) { return v.StartingTorque; }},
    {"EpigeneConservation", [](const TTorqueValue& v) { return v.EpigeneConservation; }},
    {"IntervalTorque", [](const TTorqueValue& v) { return v.IntervalTorque; }},
    {"IntervalTorqueS", [](const TTorqueValue& v) { return v.IntervalTorqueS; }},
    {"Torque", [](const TTorqueValue& v) { return v.IntervalTorque; }},
    {"TorqueS", [](const TTorqueValue& v) { return v.IntervalTorqueS; }},
};

// The figures a judgement formula assigns and where the motor keeps them.
struct TJudgedFigure {
    const char* Name;
    double (*Get)(const TMotor&);
    bool Code;
};
const TJudgedFigure kJudged[] = {
    {"MotorInertiaRatio", [](const TMotor& m) { return m.MotorInertiaRatio; }, false},
    {"Inertia", [](const TMotor& m) { return double(m.InertiaCode); }, true},
    {"MotorMaxSpeedMax", [](const TMotor& m) { return m.MotorMaxSpeedMax; }, false},
    {"MaxSpeed", [](const TMotor& m) { return double(m.MaxSpeedCode); }, true},
    {"MotorEffectiveTorque", [](const TMotor& m) { return m.MotorEffectiveTorque; }, false},
    {"MotorEffectiveTorquePercent", [](const TMotor& m) { return m.MotorEffectiveTorquePercent; }, false},
    {"EffectiveTorque", [](const TMotor& m) { return double(m.EffectiveTorqueCode); }, true},
    {"MotorRunningTorqueMaxPercent", [](const TMotor& m) { return m.MotorRunningTorqueMaxPercent; }, false},
    {"RunningTorque", [](const TMotor& m) { return double(m.RunningTorqueCode); }, true},
    {"MotorNecessityMaxTorque", [](const TMotor& m) { return m.MotorNecessityMaxTorque; }, false},
    {"MotorMaxTorquePercent", [](const TMotor& m) { return m.MotorMaxTorquePercent; }, false},
    {"MaxTorqueAdjudication", [](const TMotor& m) { return double(m.MaxTorqueAdjudicationCode); }, true},
    {"MotorEpigeneTorqueMaxPercent", [](const TMotor& m) { return m.MotorEpigeneTorqueMaxPercent; }, false},
    {"EpigeneTorque", [](const TMotor& m) { return double(m.EpigeneTorqueCode); }, true},
};

// The torque-list figures handed to the judgement, the list formula that makes each and
// the name that formula assigns. A figure without a formula is a rule of the program.
struct TListFigure {
    const char* HandOverName;
    const char* FormulaKey;
    std::string TTorqueValueFormula::*Formula;
    const char* Assigned;
    double TTorqueList::*Value;
};
const TListFigure kListFigures[] = {
    {"TorqueEffectiveTorque", "EffectiveTorqueFormula", &TTorqueValueFormula::EffectiveTorque, "EffectiveTorque",
     &TTorqueList::EffectiveTorque},
    {"TorqueNecessityMaxTorque", "NecessityMaxTorque", &TTorqueValueFormula::NecessityMaxTorque,
     "NecessityMaxTorque", &TTorqueList::NecessityMaxTorque},
    {"TorqueNecessityMaxTorqueS", "NecessityMaxTorque", &TTorqueValueFormula::NecessityMaxTorque,
     "NecessityMaxTorqueS", &TTorqueList::NecessityMaxTorqueS},
    {"TorqueMaxRunning", "MotorRunningTorqueMax", &TTorqueValueFormula::RunningTorqueMax, "MotorRunningTorqueMax",
     &TTorqueList::MotorRunningTorqueMax},
    {"TorqueMaxEpigene", "MotorEpigeneTorqueMax", &TTorqueValueFormula::EpigeneTorqueMax, "MotorEpigeneTorqueMax",
     &TTorqueList::MotorEpigeneTorqueMax},
    {"TorqueTotalTime", "", nullptr, "", &TTorqueList::TotalTime},
    {"TorqueMaxFrequency", "", nullptr, "", &TTorqueList::MaxFrequency},
    {"TorqueMaxSpeed", "", nullptr, "", &TTorqueList::MaxSpeed},
};

const TListFigure* ListFigure(const std::string& name) {
    for (const TListFigure& f : kListFigures)
        if (name == f.HandOverName) return &f;
    return nullptr;
}

const TArrayField* ArrayField(const std::string& name) {
    for (const TArrayField& a : kArrays)
        if (SameText(name, a.Name)) return &a;
    return nullptr;
}

// "name=value" lines of the hand-over text (comment lines skipped).
std::vector<std::pair<std::string, std::string>> ReadHandOver(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> values;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '\'') continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        std::string name = line.substr(0, eq);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        values.push_back({name, line.substr(eq + 1)});
    }
    return values;
}

const std::string* Find(const std::vector<std::pair<std::string, std::string>>& values, const std::string& name) {
    // The last line wins, as it does when the text runs.
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        if (SameText(it->first, name)) return &it->second;
    return nullptr;
}

// The catalog column of a motor value handed over, times its factor column when it has one.
std::string ColumnOf(const std::string& symbol) {
    for (const TMotorField& f : MotorFields())
        if (f.Symbol && symbol == f.Symbol && f.Column)
            return f.Factor ? std::string(f.Column) + " * " + f.Factor : std::string(f.Column);
    return "";
}

TFigureSource SourceOf(const std::string& name) {
    static const char* carry[] = {"JL", "TF", "TU", "TH", "V"};
    for (const char* c : carry)
        if (name == c) return TFigureSource::Carry;
    if (name == "GRAVITY" || name == "PI") return TFigureSource::Constant;
    if (name == "WorkingVoltage") return TFigureSource::Voltage;
    if (name.rfind("Torque", 0) == 0) return TFigureSource::TorqueFigure;
    if (name.rfind("Motor", 0) == 0) return TFigureSource::MotorCatalog;
    return TFigureSource::Unknown;
}

const TTorqueList& TorquesOf(const TMotor& motor) {
    if (!motor.Judged || !motor.Torques) throw TKinemoError("The motor " + motor.msv_model_all + " has not been judged.");
    return *motor.Torques;
}

void AddArrays(TFigureExplanation& e, const std::vector<std::string>& names, const TTorqueList& torques) {
    for (const std::string& name : names) {
        const TArrayField* field = ArrayField(name);
        if (!field) continue;
        TExplainedArray array{field->Name, {}};
        for (int i = 0; i < torques.Count(); ++i) array.Values.push_back(field->Get(torques.Value(i)));
        e.Arrays.push_back(std::move(array));
    }
}

TFigureExplanation ExplainListFigure(const TListFigure& figure, const TTorqueList& torques,
                                     const TTorqueValueFormula& formulas) {
    TFigureExplanation e;
    e.Figure = figure.HandOverName;
    e.FormulaKey = figure.FormulaKey;
    e.Result = torques.*(figure.Value);
    if (figure.Formula) {
        e.Formula = formulas.*(figure.Formula);
        AddArrays(e, NamesReadBy(e.Formula), torques);
    } else if (e.Figure == "TorqueTotalTime") {
        AddArrays(e, {"TimeInterval"}, torques);
    } else if (e.Figure == "TorqueMaxFrequency") {
        AddArrays(e, {"Frequency"}, torques);
    } else {
        AddArrays(e, {"Speed"}, torques);
    }
    return e;
}

}  // namespace

std::optional<double> HandedOverNumber(const std::string& handOverText, const std::string& name) {
    const auto values = ReadHandOver(handOverText);
    const std::string* text = Find(values, name);
    double v = 0;
    if (!text || !TryTextToFloat(*text, v)) return std::nullopt;
    return v;
}

std::vector<std::string> NamesReadBy(const std::string& formula) {
    std::vector<std::string> read;
    std::set<std::string> assigned, seen;
    bool statementStart = true;
    bool afterFor = false;
    size_t i = 0;
    auto skipSpaces = [&](size_t p) {
        while (p < formula.size() && (formula[p] == ' ' || formula[p] == '\t')) ++p;
        return p;
    };
    while (i < formula.size()) {
        const char c = formula[i];
        if (c == '\n' || c == '\r' || c == ':') {
            statementStart = true;
            ++i;
            continue;
        }
        if (c == '\'') {  // a comment runs to the end of the line
            while (i < formula.size() && formula[i] != '\n') ++i;
            continue;
        }
        if (c == '"') {
            for (++i; i < formula.size() && formula[i] != '"'; ++i) {}
            ++i;
            statementStart = false;
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && i + 1 < formula.size() &&
                                                            std::isdigit(static_cast<unsigned char>(formula[i + 1])))) {
            while (i < formula.size() && (IsIdentChar(formula[i]) || formula[i] == '.' ||
                                          ((formula[i] == '+' || formula[i] == '-') &&
                                           (formula[i - 1] == 'E' || formula[i - 1] == 'e'))))
                ++i;
            statementStart = false;
            continue;
        }
        if (!IsIdentStart(c)) {
            if (c != ' ' && c != '\t') statementStart = false;
            ++i;
            continue;
        }
        const size_t begin = i;
        while (i < formula.size() && IsIdentChar(formula[i])) ++i;
        const std::string word = formula.substr(begin, i - begin);
        const std::string key = Lower(word);
        if (Reserved().count(key)) {
            afterFor = key == "for";
            // A statement follows these words on the same line.
            statementStart = key == "then" || key == "else" || key == "for";
            continue;
        }
        const size_t next = skipSpaces(i);
        const bool assigns = (statementStart || afterFor) && next < formula.size() && formula[next] == '=';
        statementStart = false;
        afterFor = false;
        if (assigns) {
            assigned.insert(key);
            continue;
        }
        if (assigned.count(key) || seen.count(key)) continue;
        seen.insert(key);
        read.push_back(word);
    }
    return read;
}

const std::vector<std::string>& ExplainableFigures() {
    static const std::vector<std::string> figures = [] {
        std::vector<std::string> names;
        for (const TJudgedFigure& f : kJudged) names.push_back(f.Name);
        for (const TListFigure& f : kListFigures) names.push_back(f.HandOverName);
        names.push_back("MotorRunningTorqueMax");
        names.push_back("MotorEpigeneTorqueMax");
        return names;
    }();
    return figures;
}

bool IsExplainableFigure(const std::string& figure) {
    const auto& all = ExplainableFigures();
    return std::find(all.begin(), all.end(), figure) != all.end();
}

TFigureExplanation ExplainFigure(const std::string& figure, const TMotor& motor, const std::string& handOverText,
                                 const TCalcDischargeFormula& judgement, const TTorqueValueFormula& torque) {
    const TTorqueList& torques = TorquesOf(motor);
    if (const TListFigure* list = ListFigure(figure)) return ExplainListFigure(*list, torques, torque);
    // The running and holding torque maxima are the torque list's, taken over as they are.
    if (figure == "MotorRunningTorqueMax" || figure == "MotorEpigeneTorqueMax") {
        TFigureExplanation e = ExplainListFigure(*ListFigure(figure == "MotorRunningTorqueMax" ? "TorqueMaxRunning"
                                                                                              : "TorqueMaxEpigene"),
                                                 torques, torque);
        e.Figure = figure;
        return e;
    }
    const TJudgedFigure* judged = nullptr;
    for (const TJudgedFigure& f : kJudged)
        if (figure == f.Name) judged = &f;
    if (!judged) throw TKinemoError("No explanation for the figure " + figure + ".");
    if (handOverText.empty()) throw TKinemoError("The motor " + motor.msv_model_all + " has not been judged.");

    TFigureExplanation e;
    e.Figure = figure;
    e.FormulaKey = figure;
    e.Formula = judgement.Get(figure);
    e.Result = judged->Get(motor);
    e.IsCode = judged->Code;
    const auto handedOver = ReadHandOver(handOverText);
    for (const std::string& name : NamesReadBy(e.Formula)) {
        TExplainedInput input;
        input.Name = name;
        input.Source = SourceOf(name);
        if (const std::string* value = Find(handedOver, name)) {
            input.ValueText = *value;
            TryTextToFloat(*value, input.Value);
            if (input.Source == TFigureSource::MotorCatalog) input.Origin = ColumnOf(name);
        } else {
            input.Source = TFigureSource::Unknown;
        }
        if (input.Source == TFigureSource::TorqueFigure)
            if (const TListFigure* list = ListFigure(name)) e.Details.push_back(ExplainListFigure(*list, torques, torque));
        e.Inputs.push_back(std::move(input));
    }
    return e;
}

}  // namespace kinemo
