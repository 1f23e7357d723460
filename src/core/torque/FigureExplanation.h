// How a judged motor's figure was reached: the catalog formula that produced it, each
// value it read with where that value came from, and the result. Everything is read from
// what the judgement itself used (the hand-over text and the motor's torque list); nothing
// is calculated a second time.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCalcDischargeFormula;
class TMotor;
struct TTorqueValueFormula;

// Where a value a formula reads comes from.
enum class TFigureSource {
    Carry,         // the chain's carry value at the motor shaft
    MotorCatalog,  // a motor catalog column (or a product of two)
    TorqueFigure,  // a figure of the motor's torque list over the drive pattern
    Constant,      // a physical constant
    Voltage,       // the working voltage of the judgement
    Interval,      // one value per drive pattern interval
    Unknown        // named by the formula but not handed over
};

struct TExplainedInput {
    std::string Name;        // as the formula reads it
    std::string ValueText;   // as it was handed over
    double Value = 0;
    TFigureSource Source = TFigureSource::Unknown;
    std::string Origin;      // the catalog column(s) for motor values
};

// An array the formula reads: one value per pattern interval, in interval order.
struct TExplainedArray {
    std::string Name;
    std::vector<double> Values;
};

struct TFigureExplanation {
    std::string Figure;      // the figure's name, as the formula assigns it
    std::string FormulaKey;  // the catalog formula (m_drive_pattern class); empty: a rule of the program
    std::string Formula;     // its text
    std::vector<TExplainedInput> Inputs;
    std::vector<TExplainedArray> Arrays;
    double Result = 0;
    bool IsCode = false;     // a verdict code rather than a measure
    // How each torque-list figure among the inputs was reached, one level deep.
    std::vector<TFigureExplanation> Details;
};

// The figures that can be explained, in the order the detail window shows them.
const std::vector<std::string>& ExplainableFigures();
bool IsExplainableFigure(const std::string& figure);

// Explains figure of a judged motor. handOverText is the text the judgement formulas
// started from (the first line of the motor's judgement log). Raises TKinemoError for a
// figure that cannot be explained or a motor that was not judged.
TFigureExplanation ExplainFigure(const std::string& figure, const TMotor& motor, const std::string& handOverText,
                                 const TCalcDischargeFormula& judgement, const TTorqueValueFormula& torque);

// A number handed over under name in a hand-over text (the last line naming it);
// nullopt when the text has none.
std::optional<double> HandedOverNumber(const std::string& handOverText, const std::string& name);

// The names a formula text reads, in order of first use: identifiers that are neither
// keywords nor built-in functions nor assigned by the text itself before they are read.
std::vector<std::string> NamesReadBy(const std::string& formula);

}  // namespace kinemo
