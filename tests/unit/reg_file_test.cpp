#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/reg_file.h"

using namespace velmora;
using K = RegAction::Kind;

TEST(RegFile, ReadsKeysValuesOfEveryKindAndRemovals)
{
    const auto a = parseRegFile(
        "REGEDIT4\r\n\r\n; a comment\r\n"
        "[-HKEY_LOCAL_MACHINE\\System\\Old]\r\n"
        "[HKEY_CURRENT_CONFIG\\Display\\Settings]\r\n"
        "\"RefreshRate\"=\"-1\"\r\n"
        "\"Quote \\\"and\\\\ slash\"=\"C:\\\\Program Files\\\\x.exe\"\r\n"
        "@=\"default\"\r\n"
        "\"Advanced\"=dword:00000001\r\n"
        "\"Bin\"=hex:01,ff,\\\r\n  02\r\n"
        "\"Multi\"=hex(7):61,00,00\r\n"
        "\"Gone\"=-\r\n");
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[0].kind, K::DeleteKey);
    EXPECT_EQ(a[0].key, "System\\Old");
    EXPECT_EQ(a[1].kind, K::CreateKey);
    EXPECT_EQ(a[1].hive, hive::CurrentConfig);
    EXPECT_EQ(a[2].value, storedText("-1"));
    EXPECT_EQ(a[3].name, "Quote \"and\\ slash");
    EXPECT_EQ(a[3].value, storedText("C:\\Program Files\\x.exe"));
    EXPECT_EQ(a[4].name, "");
    EXPECT_EQ(a[5].value, storedDword(1));
    EXPECT_EQ(a[6].value, (StoredValue{regtype::Binary, {0x01, 0xff, 0x02}}));
    EXPECT_EQ(a[7].value, (StoredValue{regtype::MultiSz, {0x61, 0, 0}}));
    EXPECT_EQ(a[8].kind, K::DeleteValue);
    EXPECT_EQ(a[8].hive, hive::CurrentConfig);
}

TEST(RegFile, RefusesWhatItDoesNotUnderstand)
{
    for (const char* bad : {"", "[HKEY_LOCAL_MACHINE\\X]\n", "REGEDIT4\n\"v\"=\"outside a key\"\n",
                            "REGEDIT4\n[HKEY_USERS\\X]\n", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X\n",
                            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=dword:123456789\n",
                            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex:1\n",
                            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=\"open\n",
                            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=text\n"})
        EXPECT_THROW(parseRegFile(bad), std::runtime_error) << bad;
}
