#include <gtest/gtest.h>

#include "registry/conversions.h"
#include "registry/errors.h"

using namespace velmora;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

std::int32_t lng(const std::string& s, char dec = '.') { return toLong(Value::text(s), dec); }

}  // namespace

TEST(TextToNumber, RoundsHalvesToEvenAndIgnoresSurroundingSpaces)
{
    EXPECT_EQ(lng("180"), 180);
    EXPECT_EQ(lng(" 180"), 180);
    EXPECT_EQ(lng("180  "), 180);
    EXPECT_EQ(lng("+7"), 7);
    EXPECT_EQ(lng("-1"), -1);
    EXPECT_EQ(lng("200.4"), 200);
    EXPECT_EQ(lng("200.5"), 200);
    EXPECT_EQ(lng("201.5"), 202);
    EXPECT_EQ(lng("200.50001"), 201);
    EXPECT_EQ(lng("-2.5"), -2);
    EXPECT_EQ(lng("-3.5"), -4);
    EXPECT_EQ(lng("0.5"), 0);
    EXPECT_EQ(lng(".7"), 1);
    EXPECT_EQ(lng("7."), 7);
    EXPECT_EQ(lng("007"), 7);
    EXPECT_EQ(lng("-0"), 0);
}

TEST(TextToNumber, AcceptsAnExponent)
{
    EXPECT_EQ(lng("1e2"), 100);
    EXPECT_EQ(lng("1.5E+1"), 15);
    EXPECT_EQ(lng("25e-1"), 2);
    EXPECT_EQ(lng("35e-1"), 4);
    EXPECT_EQ(lng("1e-999999999"), 0);
    EXPECT_EQ(errorOf([] { lng("1e999999999"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { lng("1e"); }), err::TypeMismatch);
}

TEST(TextToNumber, UsesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(lng("200,6", ','), 201);
    EXPECT_EQ(errorOf([] { lng("200.6", ','); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([] { lng("1,000"); }), err::TypeMismatch);
}

TEST(TextToNumber, RejectsWhatIsNotANumber)
{
    for (const char* s : {"", "   ", "Default", "12abc", "abc12", "1 2", "--1", "+", ".", "1.2.3", "\t180", "0x10", "&H10"})
        EXPECT_EQ(errorOf([s] { lng(s); }), err::TypeMismatch) << '"' << s << '"';
}

TEST(TextToNumber, RangeOfEachTarget)
{
    EXPECT_EQ(lng("2147483647"), 2147483647);
    EXPECT_EQ(lng("-2147483648"), INT32_MIN);
    EXPECT_EQ(lng("2147483647.4"), 2147483647);
    EXPECT_EQ(errorOf([] { lng("2147483647.5"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { lng("2147483648"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { lng("-2147483649"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { lng("99999999999999999999999999"); }), err::Overflow);
    EXPECT_EQ(lng("0000000000000000000000000042"), 42);

    EXPECT_EQ(toInteger(Value::text("32767")), 32767);
    EXPECT_EQ(toInteger(Value::text("-32768")), -32768);
    EXPECT_EQ(errorOf([] { toInteger(Value::text("32768")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInteger(Value::long32(40000)); }), err::Overflow);
    EXPECT_EQ(toInteger(Value::long32(-1)), -1);
}

TEST(ValueConversion, NumbersTextEmptyAndNull)
{
    EXPECT_EQ(toText(Value::integer(-1)), "-1");
    EXPECT_EQ(toText(Value::long32(143)), "143");
    EXPECT_EQ(toText(Value::text(" x ")), " x ");
    EXPECT_EQ(toText(Value()), "");
    EXPECT_EQ(toLong(Value()), 0);
    EXPECT_EQ(errorOf([] { toText(Value::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorOf([] { toLong(Value::null()); }), err::InvalidUseOfNull);
}

TEST(ValueConversion, LeadingSpacesOnly)
{
    EXPECT_EQ(trimLeadingSpaces("   Voodoo3  "), "Voodoo3  ");
    EXPECT_EQ(trimLeadingSpaces("\tVoodoo3"), "\tVoodoo3");
    EXPECT_EQ(trimLeadingSpaces(" \t x"), "\t x");
    EXPECT_EQ(trimLeadingSpaces("    "), "");
    EXPECT_EQ(trimLeadingSpaces(""), "");
}
