#include "registry/conversions.h"

#include <limits>

#include "registry/errors.h"

namespace velmora {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr long long kExponentCap = 1000000000000000LL;  // 10^15

// A number's magnitude after rounding to the nearest whole number, halves to
// even. The digits are handled as text, so no fraction is lost to binary
// floating point and a long run of digits cannot overflow anything.
struct Rounded {
    bool negative = false;
    bool tooLarge = false;  // more than 19 integer digits
    std::uint64_t magnitude = 0;
};

bool parseRounded(const std::string& s, char decimalSeparator, Rounded& out)
{
    std::size_t i = 0;
    std::size_t end = s.size();
    while (i < end && s[i] == ' ') ++i;
    while (end > i && s[end - 1] == ' ') --end;
    if (i == end) return false;

    if (s[i] == '+' || s[i] == '-') out.negative = s[i++] == '-';

    std::string digits;
    long long integerDigits = 0;
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

    long long exponent = 0;
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
    const long long significant = static_cast<long long>(digits.size() - first);
    long long point = integerDigits + exponent - static_cast<long long>(first);
    if (significant == 0) return true;  // zero, whatever its form
    if (point > 19) {
        out.tooLarge = true;
        return true;
    }

    std::uint64_t magnitude = 0;
    for (long long k = 0; k < point; ++k)
        magnitude = magnitude * 10 + (k < significant ? static_cast<std::uint64_t>(digits[first + k] - '0') : 0);

    if (point >= 0 && point < significant) {
        const char firstFraction = digits[first + point];
        bool restNonZero = false;
        for (long long k = point + 1; k < significant && !restNonZero; ++k) restNonZero = digits[first + k] != '0';
        if (firstFraction > '5' || (firstFraction == '5' && (restNonZero || magnitude % 2 == 1))) ++magnitude;
    }
    out.magnitude = magnitude;
    return true;
}

std::int64_t textToWhole(const std::string& s, char decimalSeparator, std::int64_t lo, std::int64_t hi)
{
    Rounded r;
    if (!parseRounded(s, decimalSeparator, r)) throw typeMismatch();
    const std::uint64_t limit = r.negative ? static_cast<std::uint64_t>(-lo) : static_cast<std::uint64_t>(hi);
    if (r.tooLarge || r.magnitude > limit) throw overflow();
    return r.negative ? -static_cast<std::int64_t>(r.magnitude) : static_cast<std::int64_t>(r.magnitude);
}

std::int64_t toWhole(const Value& v, char decimalSeparator, std::int64_t lo, std::int64_t hi)
{
    std::int64_t n = 0;
    switch (v.kind()) {
    case Value::Kind::Empty: n = 0; break;
    case Value::Kind::Null: throw invalidUseOfNull();
    case Value::Kind::Integer: n = v.asInteger(); break;
    case Value::Kind::Long: n = v.asLong(); break;
    case Value::Kind::Text: return textToWhole(v.asText(), decimalSeparator, lo, hi);
    }
    if (n < lo || n > hi) throw overflow();
    return n;
}

}  // namespace

std::string toText(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Empty: return {};
    case Value::Kind::Null: throw invalidUseOfNull();
    case Value::Kind::Integer: return std::to_string(v.asInteger());
    case Value::Kind::Long: return std::to_string(v.asLong());
    case Value::Kind::Text: return v.asText();
    }
    throw typeMismatch();
}

std::int32_t toLong(const Value& v, char decimalSeparator)
{
    using L = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(toWhole(v, decimalSeparator, L::min(), L::max()));
}

std::int16_t toInteger(const Value& v, char decimalSeparator)
{
    using I = std::numeric_limits<std::int16_t>;
    return static_cast<std::int16_t>(toWhole(v, decimalSeparator, I::min(), I::max()));
}

std::string trimLeadingSpaces(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace velmora
