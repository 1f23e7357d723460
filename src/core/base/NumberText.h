// Number text: how a double becomes text for formulas and project files, and how texts become numbers.
#pragma once

#include <string>

namespace kinemo {

// A double as the formula engine and the project files read it: 15 significant digits,
// trailing zeros dropped, fixed notation for decimal exponents -3..15, else "d.dddE-n".
std::string FloatToText(double value);

// FloatToText with a chosen number of significant digits (1..17); used by "%.Ng".
std::string FloatToText(double value, int significantDigits);

// A number text shortened to at most width characters without changing its magnitude.
// A plain decimal whose point lies inside the width loses its last decimals, as a cut
// would; any other number is written again with fewer significant digits, keeping its
// exponent (scientific notation where the integer digits alone are too many). Texts that
// fit, and texts that are not numbers, are returned as they are.
std::string FitNumberText(const std::string& text, size_t width);

// Reads a number the way the system reads user and file texts ("." as decimal point,
// optional exponent, surrounding blanks allowed). Returns false for anything else.
bool TryTextToFloat(const std::string& text, double& value);

// Reads a number the user typed. decimalMark is the user's own: with ',' a text with one
// comma and no point reads the comma as the point ("12,5" is 12.5), and "12.5" still reads
// as the screens show it; with '.' a comma makes the text no number. A text with both
// marks or several commas is no number: a thousands separator is never dropped.
bool TryTypedTextToFloat(const std::string& text, char decimalMark, double& value);

// x truncated toward zero into value, when x is finite and the result fits; false (value
// unchanged) otherwise. Every number read from a file passes here before it becomes an
// integer: converting one out of range is undefined.
bool TruncateToInteger(double x, long long& value);
bool TruncateToInteger(double x, int& value);

// x rounded to 12 decimal places, ties to even; magnitudes that would overflow the
// 64-bit intermediate are returned unchanged.
double Round12(double x);

}  // namespace kinemo
