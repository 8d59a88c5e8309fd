// Text to whole number (a first byte "," makes the comma the separator), checked against itself: a number reads
// back from its digits, blanks or the other separator change nothing, and the 16-bit result agrees.
#include <cstdint>
#include <string>

#include "registry/conversions.h"
#include "tests/support/std_text.h"

using namespace velmora;

// A broken property crashes, which libFuzzer keeps as an input to reproduce.
#define FUZZ_CHECK(cond) ((cond) ? void() : __builtin_trap())

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const char sep = data[0] == ',' ? ',' : '.', other = sep == ',' ? '.' : ',';
    const std::string s(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::int32_t n = 0;
    const int error = toLong(Value::text(text(s)), sep, n).number();
    FUZZ_CHECK(error == 0 || error == err::TypeMismatch || error == err::Overflow);

    std::int32_t again = 0;
    FUZZ_CHECK(toLong(Value::text(text("  " + s + " ")), sep, again).number() == error && again == n);
    if (s.find(other) == std::string::npos) {
        std::string swapped = s;
        for (char& c : swapped)
            if (c == sep) c = other;
        FUZZ_CHECK(toLong(Value::text(text(swapped)), other, again).number() == error && again == n);
    }
    std::int16_t small = 0;
    const int smallError = toInteger(Value::text(text(s)), sep, small).number();
    FUZZ_CHECK(error || (toLong(Value::text(Text::number(n)), sep, again).ok() && again == n));
    const bool fits = n >= INT16_MIN && n <= INT16_MAX;
    FUZZ_CHECK(error ? smallError == error : fits ? smallError == 0 && small == n : smallError == err::Overflow);
    return 0;
}
