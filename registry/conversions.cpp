#include "registry/conversions.h"

namespace velmora {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::int64_t kExponentCap = 1000000000000000LL;  // 10^15

// A number's magnitude after rounding to the nearest whole number, halves to
// even. The digits are handled as text, so no fraction is lost to binary
// floating point and a long run of digits cannot overflow anything. Only
// additions, multiplications and comparisons of 64-bit numbers: a 486 does
// those inline, while a 64-bit division would need a runtime library.
struct Rounded {
    bool negative = false;
    bool tooLarge = false;  // more than 19 integer digits
    std::uint64_t magnitude = 0;
};

bool parseRounded(const Text& s, char decimalSeparator, Rounded& out)
{
    std::size_t i = 0;
    std::size_t end = s.size();
    while (i < end && s[i] == ' ') ++i;
    while (end > i && s[end - 1] == ' ') --end;
    if (i == end) return false;

    if (s[i] == '+' || s[i] == '-') out.negative = s[i++] == '-';

    Text digits;
    std::int64_t integerDigits = 0;
    bool sawPoint = false;
    for (; i < end; ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            digits += c;
            if (!sawPoint) ++integerDigits;
        } else if (c == decimalSeparator && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return false;

    std::int64_t exponent = 0;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i == end || !isDigit(s[i])) return false;
        // Capped far beyond the length of any text, where the result can no longer change.
        for (; i < end && isDigit(s[i]); ++i)
            if (exponent < kExponentCap) exponent = exponent * 10 + (s[i] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    if (i != end) return false;

    // Drop leading zeros; 'point' counts the digits before the decimal point.
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0') ++first;
    const auto significant = static_cast<std::int64_t>(digits.size() - first);
    const std::int64_t point = integerDigits + exponent - static_cast<std::int64_t>(first);
    if (significant == 0) return true;  // zero, whatever its form
    if (point > 19) {
        out.tooLarge = true;
        return true;
    }

    std::uint64_t magnitude = 0;
    for (std::int64_t k = 0; k < point; ++k)
        magnitude = magnitude * 10 +
                    (k < significant ? static_cast<std::uint64_t>(digits[first + static_cast<std::size_t>(k)] - '0') : 0);

    if (point >= 0 && point < significant) {
        const char firstFraction = digits[first + static_cast<std::size_t>(point)];
        bool restNonZero = false;
        for (std::int64_t k = point + 1; k < significant && !restNonZero; ++k)
            restNonZero = digits[first + static_cast<std::size_t>(k)] != '0';
        if (firstFraction > '5' || (firstFraction == '5' && (restNonZero || (magnitude & 1) != 0))) ++magnitude;
    }
    out.magnitude = magnitude;
    return true;
}

Status textToWhole(const Text& s, char decimalSeparator, std::int32_t lo, std::int32_t hi, std::int32_t& out)
{
    Rounded r;
    if (!parseRounded(s, decimalSeparator, r)) return typeMismatch();
    const std::uint64_t limit = r.negative ? 0u - static_cast<std::uint64_t>(static_cast<std::int64_t>(lo))
                                           : static_cast<std::uint64_t>(hi);
    if (r.tooLarge || r.magnitude > limit) return overflow();
    const auto low32 = static_cast<std::uint32_t>(r.magnitude);
    out = static_cast<std::int32_t>(r.negative ? 0u - low32 : low32);
    return {};
}

Status toWhole(const Value& v, char decimalSeparator, std::int32_t lo, std::int32_t hi, std::int32_t& out)
{
    std::int32_t n = 0;
    switch (v.kind()) {
    case Value::Kind::Empty: break;
    case Value::Kind::Null: return invalidUseOfNull();
    case Value::Kind::Integer: n = v.asInteger(); break;
    case Value::Kind::Long: n = v.asLong(); break;
    case Value::Kind::Text: return textToWhole(v.asText(), decimalSeparator, lo, hi, out);
    }
    if (n < lo || n > hi) return overflow();
    out = n;
    return {};
}

}  // namespace

Status toText(const Value& v, Text& out)
{
    switch (v.kind()) {
    case Value::Kind::Empty: out = Text(); return {};
    case Value::Kind::Null: return invalidUseOfNull();
    case Value::Kind::Integer: out = Text::number(v.asInteger()); return {};
    case Value::Kind::Long: out = Text::number(v.asLong()); return {};
    case Value::Kind::Text: out = v.asText(); return {};
    }
    return typeMismatch();
}

Status toLong(const Value& v, char decimalSeparator, std::int32_t& out)
{
    return toWhole(v, decimalSeparator, INT32_MIN, INT32_MAX, out);
}

Status toInteger(const Value& v, char decimalSeparator, std::int16_t& out)
{
    std::int32_t n = 0;
    VELMORA_TRY(toWhole(v, decimalSeparator, INT16_MIN, INT16_MAX, n));
    out = static_cast<std::int16_t>(n);
    return {};
}

Text trimLeadingSpaces(const Text& s)
{
    std::size_t first = 0;
    while (first < s.size() && s[first] == ' ') ++first;
    return s.from(first);
}

}  // namespace velmora
