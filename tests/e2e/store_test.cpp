// The Win32 store against Wine's real registry, through the component.
#include <gtest/gtest.h>

#include "registry/conversions.h"
#include "registry/errors.h"
#include "registry/regedit.h"
#include "registry/win32_store.h"
#include "tests/e2e/harness.h"

using namespace velmora;

namespace {

const std::string& kKey = e2e::kDefault;

struct Win32StoreTest : ::testing::Test {
    Win32Store store;
    RegEdit reg{store};
    void SetUp() override { e2e::resetRegistry(); }
    void TearDown() override { e2e::resetRegistry(); }

    void address(std::int32_t root, const std::string& key, const std::string& name)
    {
        reg.setRootKey(root);
        reg.setKeyPath(text(key));
        reg.setValueName(text(name));
    }
    void write(std::int32_t root, const std::string& key, const std::string& name, std::int32_t type, const Value& v)
    {
        reg.setRootKey(root);
        reg.setKeyPath(text(key));
        reg.setValueType(type);
        reg.setValueName(text(name));
        reg.setValue(v);
        ASSERT_TRUE(reg.WriteValue().ok());
    }
    void readOk() { ASSERT_TRUE(reg.ReadValue().ok()); }
    std::int32_t readFailure(std::int32_t root, const std::string& key, const std::string& name)
    {
        address(root, key, name);
        return reg.ReadValue().number();
    }
};

}  // namespace

TEST_F(Win32StoreTest, NumbersRoundTripAsTextAndAsDword)
{
    for (std::int32_t n : {-1, 0, 1, 143, 250}) {
        write(hive::LocalMachine, kKey, "Grxclock", 0, Value::long32(n));
        write(hive::LocalMachine, kKey, "CheckClk", 1, Value::integer(static_cast<std::int16_t>(n)));
        EXPECT_EQ(e2e::readValue(hive::LocalMachine, kKey, "Grxclock"), storedText(std::to_string(n)));
        EXPECT_EQ(e2e::readValue(hive::LocalMachine, kKey, "CheckClk"), storedDword(static_cast<std::uint32_t>(n)));

        address(hive::LocalMachine, kKey, "Grxclock");
        readOk();
        EXPECT_EQ(reg.value(), Value::text(text(std::to_string(n))));
        std::int32_t back = 0;
        EXPECT_TRUE(toLong(reg.value(), '.', back).ok());
        EXPECT_EQ(back, n);
        address(hive::LocalMachine, kKey, "CheckClk");
        readOk();
        EXPECT_EQ(reg.value(), Value::long32(n));
    }
}

TEST_F(Win32StoreTest, WriteCreatesMissingKeysInBothHives)
{
    ASSERT_FALSE(e2e::readValue(hive::CurrentConfig, "Display\\Settings", "Advanced"));
    write(hive::CurrentConfig, "Display\\Settings", "Advanced", 1, Value::integer(1));
    write(hive::LocalMachine, kKey + "\\Deeper\\Still", "V", 0, Value::integer(3));
    EXPECT_EQ(e2e::readValue(hive::CurrentConfig, "Display\\Settings", "Advanced"), storedDword(1));
    EXPECT_EQ(e2e::readValue(hive::LocalMachine, kKey + "\\Deeper\\Still", "V"), storedText("3"));
    address(hive::CurrentConfig, "Display\\Settings", "Advanced");
    readOk();
    Text shown;
    EXPECT_TRUE(toText(reg.value(), shown).ok());
    EXPECT_EQ(shown, "1");
}

TEST_F(Win32StoreTest, MissingKeysAndRemovedValuesFailToRead)
{
    EXPECT_EQ(readFailure(hive::LocalMachine, "System\\No\\Such\\Key", "Grxclock"), err::RegistryErrorBase + 2);
    write(hive::LocalMachine, kKey, "SSTH3_SWAPINTERVAL", 0, Value::integer(0));
    EXPECT_EQ(readFailure(hive::LocalMachine, kKey, "SSTH3_SWAPINTERVAL"), 0);
    address(hive::LocalMachine, kKey, "SSTH3_SWAPINTERVAL");
    EXPECT_TRUE(reg.DeleteValue().ok());
    EXPECT_EQ(readFailure(hive::LocalMachine, kKey, "SSTH3_SWAPINTERVAL"), err::RegistryErrorBase + 2);
    // Removing what is not there, value or key, changes nothing and is no failure.
    const auto before = e2e::exportKeys();
    EXPECT_TRUE(reg.DeleteValue().ok());
    address(hive::LocalMachine, "System\\No\\Such\\Key", "X");
    EXPECT_TRUE(reg.DeleteValue().ok());
    EXPECT_EQ(e2e::exportKeys(), before);
}

TEST_F(Win32StoreTest, ReadsLargeAndUnusualData)
{
    e2e::applyRegText("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + kKey +
                      "]\n\"Bin\"=hex:01,02,03\n\"Multi\"=hex(7):61,00,62,00,00\n\"Exp\"=hex(2):25,41,25,00\n");
    std::string big(70000, 'x');
    write(hive::LocalMachine, kKey, "Big", 0, Value::text(text(big)));
    address(hive::LocalMachine, kKey, "Big");
    readOk();
    EXPECT_EQ(reg.value(), Value::text(text(big)));
    address(hive::LocalMachine, kKey, "Bin");
    readOk();
    EXPECT_TRUE(reg.value().isNull());
    address(hive::LocalMachine, kKey, "Multi");
    readOk();
    EXPECT_TRUE(reg.value().isNull());
    address(hive::LocalMachine, kKey, "Exp");
    readOk();
    EXPECT_EQ(reg.value(), Value::text("%A%"));
}
