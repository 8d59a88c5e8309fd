// Text to whole numbers, as the clock and number loaders convert what is stored.
#include <gtest/gtest.h>

#include "registry/conversions.h"
#include "tests/support/std_text.h"

using namespace velmora;

TEST(TextToNumber, RoundsHalvesToEvenAndRefusesWhatIsNoNumberOrDoesNotFit)
{
    const struct {
        std::string text;
        std::int32_t number;  // or, when `error` is set, nothing
        int error = 0;
        char separator = '.';
    } cases[] = {
        {" 180  ", 180}, {"+7", 7}, {"-1", -1}, {"200.4", 200}, {"200.5", 200}, {"201.5", 202}, {"200.50001", 201},
        {"-2.5", -2}, {"-3.5", -4}, {".7", 1}, {"7.", 7}, {"007", 7}, {"1e2", 100}, {"1.5E+1", 15}, {"25e-1", 2},
        {"35e-1", 4}, {"1e-999999999", 0},
        {"200,6", 201, 0, ','}, {"2147483647.4", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"0000000000000000000000000042", 42},
        // A run of zeros as long as the exponent's digits: the exponent still counts whole.
        {"0." + std::string(10000001, '0') + "1e10000005", 1000},
        {"", 0, err::TypeMismatch},     {"Default", 0, err::TypeMismatch}, {"12abc", 0, err::TypeMismatch},
        {"1 2", 0, err::TypeMismatch},  {"--1", 0, err::TypeMismatch},     {"1.2.3", 0, err::TypeMismatch},
        {"\t180", 0, err::TypeMismatch}, {"0x10", 0, err::TypeMismatch},   {"&H10", 0, err::TypeMismatch},
        {"1,000", 0, err::TypeMismatch}, {"1e", 0, err::TypeMismatch},     {"200.6", 0, err::TypeMismatch, ','},
        {"1e999999999", 0, err::Overflow}, {"2147483647.5", 0, err::Overflow}, {"-2147483649", 0, err::Overflow},
        {"99999999999999999999999", 0, err::Overflow},
    };
    for (const auto& c : cases) {
        std::int32_t n = -99;
        EXPECT_EQ(toLong(Value::text(text(c.text)), c.separator, n).number(), c.error) << c.text.substr(0, 20);
        if (!c.error) {
            EXPECT_EQ(n, c.number) << c.text.substr(0, 20);
        }
    }
    std::int16_t i = 0;
    EXPECT_EQ(toInteger(Value::long32(40000), '.', i).number(), err::Overflow);
    std::int32_t n = 5;
    EXPECT_TRUE(toLong(Value(), '.', n).ok() && n == 0);
    EXPECT_EQ(toLong(Value::null(), '.', n).number(), err::InvalidUseOfNull);
}
