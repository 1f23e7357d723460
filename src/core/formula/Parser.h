// The parser: builds the syntax tree of a formula text, resolving names to ids as it goes.
#pragma once

#include "formula/Ast.h"

#include <memory>
#include <string>

namespace kinemo {

// Parses statements (a whole multi-line text); raises a located TFormulaError on a syntax error.
// Texts of only constant assignments, Dim and comments take a quicker reader.
std::shared_ptr<const TProgram> ParseProgram(std::string text);
// ParseProgram by the general parser alone (tests compare the two readers).
std::shared_ptr<const TProgram> ParseProgramGeneral(std::string text);
// Parses one expression, as Eval takes it.
std::shared_ptr<const TProgram> ParseExpressionProgram(std::string text);

}  // namespace kinemo
