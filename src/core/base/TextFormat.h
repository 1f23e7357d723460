// The format directives the catalog texts and the calculation texts use.
//
// Directives: "%" [index ":"] ["-"] [width | "*"] ["." precision | ".*"] type, with
// type one of d (integer; precision = minimum digits), s (text; precision = most
// columns), f (fixed; no precision means exactly two decimals), e (scientific),
// g (the float-to-text rule; a precision gives that many significant digits),
// x (hexadecimal) and "%%". Widths count display columns: an East Asian wide
// character takes two. These are not C's printf rules: a bare "%g" keeps 15 digits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kinemo {

using FormatArg = std::variant<long long, double, std::string>;

struct FormatArgs {
    std::vector<FormatArg> items;
    FormatArgs() = default;
    FormatArgs(std::initializer_list<FormatArg> list) : items(list) {}
    FormatArgs(std::vector<FormatArg> list) : items(std::move(list)) {}
};

// Formats text with the arguments; a directive that names a missing argument or an
// argument of the wrong kind raises TKinemoError naming the format text.
std::string FormatText(const std::string& format, const FormatArgs& args);

// Display columns of a UTF-8 text (East Asian wide and fullwidth characters count 2).
int DisplayWidth(const std::string& text);

// The text padded with blanks (on the right, or on the left when alignRight) to width
// display columns; longer texts are returned unchanged.
std::string PadToWidth(const std::string& text, int width, bool alignRight = false);

// A CSV field by RFC 4180: quoted (quotes doubled) when it holds a comma, a quote or a line
// break. A text that a spreadsheet would run as a formula (it starts with "=", "+", "-"
// or "@" and is no number) is written after a single quote.
std::string CsvField(const std::string& text);
// True when a spreadsheet would take text, starting a cell, for a formula: it starts with
// "=", "+", "-" or "@" and is neither a number ("-1,234.5", "+2E-3", "-12%") nor dashes alone.
bool CsvFormulaLike(std::string_view text);
// The mark written before such a text.
inline constexpr char kCsvTextMark = '\'';

}  // namespace kinemo
