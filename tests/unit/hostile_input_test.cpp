// Inputs far outside what a driver writes, where the fuzz targets or a
// reading of the code found a fault; each case failed before its fix.
#include <gtest/gtest.h>

#include <string>

#include "registry/conversions.h"
#include "registry/errors.h"
#include "tests/support/reg_file.h"

using namespace velmora;

TEST(HostileInput, AnExponentLongerThanAMillionStillCounts)
{
    // 10^-10000002 * 10^10000005 and 10^-10000002 * 10^10000002: a long run of
    // zeros needs an exponent of as many digits to come back.
    const std::string zeros = "0." + std::string(10000001, '0') + "1";
    EXPECT_EQ(toLong(Value::text(zeros + "e10000005")), 1000);
    EXPECT_EQ(toLong(Value::text(zeros + "e10000002")), 1);
    EXPECT_THROW(toLong(Value::text(zeros + "e99999999999999999999")), RuntimeError);  // overflow, not a wrap
}

TEST(HostileInput, ACommentEndingInABackslashDoesNotSwallowTheNextLine)
{
    const auto actions = parseRegFile("REGEDIT4\n; as in \"x\"=hex:01,\\\n[HKEY_LOCAL_MACHINE\\Y]\n\"v\"=\"1\"\n");
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].key, "Y");
    EXPECT_EQ(actions[1].value, storedText("1"));
}
