// Text to whole number, as the clock and number loaders read what is stored.
// A first byte "," makes the comma the decimal separator (any other: the
// point); the rest is the text. The
// conversion is checked against an exact model in integer arithmetic, against
// itself with the other separator and with blanks around, and Integer against
// Long.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "registry/conversions.h"
#include "registry/errors.h"
#include "tests/fuzz/check.h"

using namespace velmora;

namespace {

struct Outcome {
    int error = 0;  // 0, or the run-time error's number
    std::int64_t value = 0;
    bool operator==(const Outcome& o) const { return error == o.error && value == o.value; }
};

template <class F>
Outcome outcome(F&& f)
{
    try {
        return {0, f()};
    } catch (const RuntimeError& e) {
        return {e.number(), 0};
    }
}

Outcome asLong(const std::string& s, char sep) { return outcome([&] { return toLong(Value::text(s), sep); }); }
Outcome asInteger(const std::string& s, char sep) { return outcome([&] { return toInteger(Value::text(s), sep); }); }

bool digit(char c) { return c >= '0' && c <= '9'; }

// The value as sign, digits without leading zeros, and a power of ten:
// (-1)^negative * digits * 10^exponent. Empty when the text is no number.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

std::optional<Decimal> parse(const std::string& s, char sep)
{
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const std::size_t e = s.find_last_not_of(' ') + 1;
    Decimal d;
    if (s[b] == '+' || s[b] == '-') d.negative = s[b++] == '-';
    std::string mantissa;
    long long fractionDigits = 0;
    bool point = false;
    for (; b < e && (digit(s[b]) || (s[b] == sep && !point)); ++b) {
        if (s[b] == sep) {
            point = true;
        } else {
            mantissa += s[b];
            fractionDigits += point;
        }
    }
    if (mantissa.empty()) return std::nullopt;
    long long exponent = 0;
    if (b < e && (s[b] == 'e' || s[b] == 'E')) {
        ++b;
        bool negative = false;
        if (b < e && (s[b] == '+' || s[b] == '-')) negative = s[b++] == '-';
        if (b == e || !digit(s[b])) return std::nullopt;
        for (; b < e && digit(s[b]); ++b) exponent = std::min(exponent * 10 + (s[b] - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
    }
    if (b != e) return std::nullopt;
    d.digits = mantissa.substr(std::min(mantissa.find_first_not_of('0'), mantissa.size()));
    d.exponent = exponent - fractionDigits;
    // Trailing zeros move into the exponent.
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    return d;
}

using U128 = unsigned __int128;

U128 pow10(long long n)
{
    U128 p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// The rounded value by exact integer arithmetic where it fits in 128 bits;
// empty where the model has no opinion.
std::optional<Outcome> model(const std::string& s, char sep, std::int64_t lo, std::int64_t hi)
{
    const auto d = parse(s, sep);
    if (!d) return Outcome{err::TypeMismatch, 0};
    if (d->digits.empty()) return Outcome{0, 0};
    const long long length = static_cast<long long>(d->digits.size());
    if (length + d->exponent > 11) return Outcome{err::Overflow, 0};  // at least 10^11
    if (length + d->exponent < 0) return Outcome{0, 0};               // below 0.1
    if (length > 36 || d->exponent < -36) return std::nullopt;
    U128 mantissa = 0;
    for (char c : d->digits) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
    U128 whole;
    if (d->exponent >= 0) {
        whole = mantissa * pow10(d->exponent);
    } else {
        const U128 unit = pow10(-d->exponent);
        whole = mantissa / unit;
        const U128 twiceRest = 2 * (mantissa % unit);
        if (twiceRest > unit || (twiceRest == unit && whole % 2 == 1)) ++whole;
    }
    const auto magnitude = static_cast<std::int64_t>(whole);  // below 10^11 here
    const std::int64_t v = d->negative ? -magnitude : magnitude;
    if (v < lo || v > hi) return Outcome{err::Overflow, 0};
    return Outcome{0, v};
}

std::string swapSeparators(std::string s)
{
    for (char& c : s) c = c == '.' ? ',' : c == ',' ? '.' : c;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const char sep = data[0] == ',' ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const Outcome l = asLong(text, sep);
    const Outcome i = asInteger(text, sep);
    FUZZ_CHECK(l.error == 0 || l.error == err::TypeMismatch || l.error == err::Overflow);

    if (const auto m = model(text, sep, INT32_MIN, INT32_MAX)) FUZZ_CHECK(l == *m);
    if (const auto m = model(text, sep, INT16_MIN, INT16_MAX)) FUZZ_CHECK(i == *m);

    // Integer reads the same number as Long, within its narrower range.
    if (l.error != 0)
        FUZZ_CHECK(i.error == l.error);
    else if (l.value >= INT16_MIN && l.value <= INT16_MAX)
        FUZZ_CHECK(i == l);
    else
        FUZZ_CHECK(i.error == err::Overflow);

    FUZZ_CHECK(asLong(" " + text + "  ", sep) == l);
    FUZZ_CHECK(asLong(swapSeparators(text), sep == '.' ? ',' : '.') == l);
    if (l.error == 0) FUZZ_CHECK(asLong(std::to_string(l.value), sep) == l);
    return 0;
}
