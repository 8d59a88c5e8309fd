// What a stored setting reads as: text to whole numbers as the loaders
// convert them, values to text, and the spaces a label loses.
#include <gtest/gtest.h>

#include "registry/conversions.h"
#include "tests/support/std_text.h"

using namespace velmora;

namespace {

constexpr int kOk = 0;

// The error number, or kOk with the number in `out`.
int toLongOf(const std::string& s, std::int32_t& out, char separator = '.')
{
    return toLong(Value::text(text(s)), separator, out).number();
}

}  // namespace

TEST(TextToNumber, RoundsHalvesToEvenTakesExponentsAndTheLocalesSeparator)
{
    const struct {
        const char* text;
        char separator;
        std::int32_t number;
    } cases[] = {
        {"180", '.', 180},     {" 180  ", '.', 180},   {"+7", '.', 7},        {"-1", '.', -1},
        {"200.4", '.', 200},   {"200.5", '.', 200},    {"201.5", '.', 202},   {"200.50001", '.', 201},
        {"-2.5", '.', -2},     {"-3.5", '.', -4},      {".7", '.', 1},        {"7.", '.', 7},
        {"007", '.', 7},       {"-0", '.', 0},         {"1e2", '.', 100},     {"1.5E+1", '.', 15},
        {"25e-1", '.', 2},     {"35e-1", '.', 4},      {"1e-999999999", '.', 0}, {"200,6", ',', 201},
        {"2147483647.4", '.', INT32_MAX}, {"-2147483648", '.', INT32_MIN},
        {"0000000000000000000000000042", '.', 42},
    };
    for (const auto& c : cases) {
        std::int32_t n = -99;
        EXPECT_EQ(toLongOf(c.text, n, c.separator), kOk) << c.text;
        EXPECT_EQ(n, c.number) << c.text;
    }
}

TEST(TextToNumber, RefusesWhatIsNoNumberAndWhatDoesNotFit)
{
    const std::pair<const char*, int> cases[] = {
        {"", err::TypeMismatch},          {"   ", err::TypeMismatch},        {"Default", err::TypeMismatch},
        {"12abc", err::TypeMismatch},     {"1 2", err::TypeMismatch},        {"--1", err::TypeMismatch},
        {".", err::TypeMismatch},         {"1.2.3", err::TypeMismatch},      {"\t180", err::TypeMismatch},
        {"0x10", err::TypeMismatch},      {"&H10", err::TypeMismatch},       {"1,000", err::TypeMismatch},
        {"1e", err::TypeMismatch},        {"2e+", err::TypeMismatch},        {"1e999999999", err::Overflow},
        {"2147483647.5", err::Overflow},  {"-2147483649", err::Overflow},    {"99999999999999999999999", err::Overflow},
    };
    for (const auto& [s, error] : cases) {
        std::int32_t n = 0;
        EXPECT_EQ(toLongOf(s, n), error) << '"' << s << '"';
    }
    // A run of zeros as long as the exponent's digits: the exponent still counts whole.
    const std::string zeros = "0." + std::string(10000001, '0') + "1";
    std::int32_t n = 0;
    EXPECT_EQ(toLongOf(zeros + "e10000005", n), kOk);
    EXPECT_EQ(n, 1000);
    EXPECT_EQ(toLongOf(zeros + "e99999999999999999999", n), err::Overflow);
}

TEST(TextToNumber, SixteenBitTargetAndOtherKindsOfValue)
{
    std::int16_t i = 0;
    EXPECT_TRUE(toInteger(Value::text("-32768"), '.', i).ok());
    EXPECT_EQ(i, -32768);
    EXPECT_EQ(toInteger(Value::text("32768"), '.', i).number(), err::Overflow);
    EXPECT_EQ(toInteger(Value::long32(40000), '.', i).number(), err::Overflow);
    std::int32_t n = 5;
    EXPECT_TRUE(toLong(Value(), '.', n).ok());
    EXPECT_EQ(n, 0);
    EXPECT_EQ(toLong(Value::null(), '.', n).number(), err::InvalidUseOfNull);
}

TEST(ValueToText, NumbersTextEmptyAndNull)
{
    const std::pair<Value, const char*> cases[] = {
        {Value::integer(-1), "-1"}, {Value::long32(143), "143"}, {Value::long32(INT32_MIN), "-2147483648"},
        {Value::text(" x "), " x "}, {Value(), ""},
    };
    for (const auto& [v, expected] : cases) {
        Text t = "before";
        EXPECT_TRUE(toText(v, t).ok());
        EXPECT_EQ(t, expected);
    }
    Text t;
    EXPECT_EQ(toText(Value::null(), t).number(), err::InvalidUseOfNull);
}

TEST(ValueToText, OnlyLeadingSpacesGo)
{
    EXPECT_EQ(trimLeadingSpaces("   Voodoo3  "), "Voodoo3  ");
    EXPECT_EQ(trimLeadingSpaces(" \t x"), "\t x");
    EXPECT_EQ(trimLeadingSpaces("    "), "");
    EXPECT_EQ(trimLeadingSpaces(Text("a\0b", 3)), Text("a\0b", 3));
}
