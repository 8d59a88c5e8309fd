#pragma once
// The conversions the setting procedures apply to what the registry component
// reads: value to text, text to whole numbers under the user's locale, and the
// removal of leading spaces.
#include <cstdint>

#include "registry/errors.h"
#include "registry/value.h"

namespace velmora {

// Text of a value: text as stored, numbers as decimal digits, Empty as "".
// Null cannot become text (error 94).
Status toText(const Value& v, Text& out);

// The ordinary numeric conversion: blanks (spaces) around the number ignored,
// an optional sign, digits with the locale's decimal separator, an optional
// exponent ("1e2" is 100); a fraction rounds to the nearest whole number,
// halves to the even one. Thousands separators and hexadecimal forms are not
// accepted. Empty or non-numeric text fails with 13, a result beyond the
// target's range with 6. Empty converts to 0; Null fails with 94.
Status toLong(const Value& v, char decimalSeparator, std::int32_t& out);
Status toInteger(const Value& v, char decimalSeparator, std::int16_t& out);

// Removes the space characters at the start only; tabs and trailing spaces stay.
Text trimLeadingSpaces(const Text& s);

}  // namespace velmora
