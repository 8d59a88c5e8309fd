#pragma once
// The conversions the setting procedures apply to what the registry component
// reads: value to text, text to whole numbers under the user's locale, and the
// removal of leading spaces.
#include <cstdint>
#include <string>

#include "registry/value.h"

namespace velmora {

// Text of a value: text as stored, numbers as decimal digits, Empty as "".
// Null cannot become text (error 94).
std::string toText(const Value& v);

// The ordinary numeric conversion: blanks (spaces) around the number ignored,
// an optional sign, digits with the locale's decimal separator, an optional
// exponent ("1e2" is 100); a fraction rounds to the nearest whole number,
// halves to the even one. Thousands separators and hexadecimal forms are not
// accepted. Empty or non-numeric text fails with 13, a result beyond the
// target's range with 6. Empty converts to 0; Null fails with 94.
std::int32_t toLong(const Value& v, char decimalSeparator = '.');
std::int16_t toInteger(const Value& v, char decimalSeparator = '.');

// Removes the space characters at the start only; tabs and trailing spaces stay.
std::string trimLeadingSpaces(const std::string& s);

}  // namespace velmora
