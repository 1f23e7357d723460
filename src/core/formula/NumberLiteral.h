// Number literals as the script reads them: the subtype a literal gets and its negation,
// shared by the lexer's readers and by hosts that hand numbers over without a text.
#pragma once

#include "formula/Variant.h"

#include <cstddef>
#include <string_view>

namespace kinemo {

// Reads the unsigned number literal starting at p (digits, fraction, exponent) and moves p
// past it: an Integer or Long when it has neither fraction nor exponent and fits, else a
// Double. False, p and out undefined, when no literal starts at p or it overflows a Double.
bool ReadNumberLiteral(std::string_view text, size_t& p, Variant& out);

// The double the decimal text [first, last) denotes (digits, optional fraction, optional
// exponent, as the literal scanner accepts them), correctly rounded as std::from_chars
// rounds it; false when it overflows a Double.
bool DecimalValue(const char* first, const char* last, double& out);

// "-literal": Integer and Long negate as themselves (-32768 becomes an Integer), anything
// else as a Double.
Variant NegateLiteral(const Variant& v);

// The value "name=" followed by text gives name when text is exactly an optionally negated
// number literal; false for any other text (which a host must then run as script).
bool NumberLiteralValue(std::string_view text, Variant& out);

}  // namespace kinemo
