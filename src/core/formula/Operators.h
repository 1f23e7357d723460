// VBScript's operators on Variants: subtype promotion, Null propagation and comparison rules.
#pragma once

#include "formula/Ast.h"
#include "formula/Variant.h"

namespace kinemo {

Variant VbAdd(const Variant& a, const Variant& b);
Variant VbSub(const Variant& a, const Variant& b);
Variant VbMul(const Variant& a, const Variant& b);
Variant VbDiv(const Variant& a, const Variant& b);
Variant VbIntDiv(const Variant& a, const Variant& b);
Variant VbMod(const Variant& a, const Variant& b);
Variant VbPow(const Variant& a, const Variant& b);
Variant VbConcat(const Variant& a, const Variant& b);
Variant VbNeg(const Variant& a);
Variant VbNot(const Variant& a);
// And, Or, Xor, Eqv, Imp: logical on Booleans, bitwise on numbers.
Variant VbLogic(EBinOp op, const Variant& a, const Variant& b);
Variant VbBinary(EBinOp op, const Variant& a, const Variant& b);

// a op b as Boolean, or Null. A literal operand keeps its subtype: 5 = "5" compares as
// numbers when 5 is written in the text, while two variables holding 5 and "5" differ.
Variant VbCompare(ECmpOp op, const Variant& a, const Variant& b, bool aLiteral = false, bool bLiteral = false);

// The truth of a condition: Null and Empty are False; text must read as a number or Boolean.
bool VbTruth(const Variant& v);

}  // namespace kinemo
