// The quick reader of texts made only of number assignments, Dim lines and comments.
#pragma once

#include "formula/Ast.h"

#include <memory>
#include <string>

namespace kinemo {

// Fills prog (its text and line index already set) as the general parser would, when the
// text holds only "Name = number", "Name(i) = number", "Dim Name(n)", "Dim Name", blank
// and comment lines; false at the first thing that is not plainly one of those (errors
// included), prog then half filled: the caller resets it and parses in full.
bool ReadAssignmentsOnly(TProgram& prog);

// The quicker reader alone: false, and out untouched, when the text is not one it takes.
bool ParseAssignmentsOnly(std::string text, std::shared_ptr<const TProgram>& out);

}  // namespace kinemo
