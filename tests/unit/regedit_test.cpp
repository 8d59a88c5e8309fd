// The registry component between the procedures and a registry: what each
// kind of stored data reads as, what each ValueType stores, its failures,
// and the store's bounded re-read of a growing value.
#include <gtest/gtest.h>

#include "registry/regedit.h"
#include "registry/win32_store.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

struct RegEditTest : ::testing::Test {
    MemoryStore store;
    RegEdit reg{store};

    void address(const char* key, std::int32_t root = hive::CurrentConfig)
    {
        reg.setRootKey(root);
        reg.setKeyPath(key);
        reg.setValueName("V");
    }
    Status write(const Value& v, std::int32_t type, std::int32_t root = hive::CurrentConfig)
    {
        address("Display\\Settings", root);
        reg.setValueType(type);
        reg.setValue(v);
        return reg.WriteValue();
    }
};

}  // namespace

TEST_F(RegEditTest, TextAndFourByteNumbersReadAsThemselvesEverythingElseAsNull)
{
    const std::pair<StoredValue, Value> cases[] = {
        {storedText("  Voodoo3 "), Value::text("  Voodoo3 ")},
        {storedText("%SystemRoot%", regtype::ExpandSz), Value::text("%SystemRoot%")},
        {{regtype::Sz, {'1', '8', '0'}}, Value::text("180")},  // no terminating zero
        {{regtype::Sz, {'a', 0, 'b', 0}}, Value::text("a")},
        {storedDword(0x80000000u), Value::long32(INT32_MIN)},
        {{regtype::DwordBigEndian, {0, 0, 0, 180}}, Value::long32(180)},
        {{regtype::Dword, {1, 0}}, Value::null()},
        {{regtype::Binary, {1, 2, 3}}, Value::null()},
        {{regtype::MultiSz, {'a', 0, 0}}, Value::null()},
        {{regtype::Qword, {1, 0, 0, 0, 0, 0, 0, 0}}, Value::null()},
    };
    for (const auto& [stored, expected] : cases) {
        store.set(hive::CurrentConfig, "Display\\Settings", "V", stored);
        address("Display\\Settings");
        EXPECT_TRUE(reg.ReadValue().ok());
        EXPECT_EQ(reg.value(), expected);
    }
}

TEST_F(RegEditTest, ValueTypeZeroStoresTextOneADwordAndFailuresChangeNothing)
{
    const std::pair<Value, StoredValue> text[] = {{Value::long32(250), storedText("250")}, {Value::integer(-1), storedText("-1")}};
    const std::pair<Value, StoredValue> dword[] = {{Value::integer(-1), {regtype::Dword, {0xff, 0xff, 0xff, 0xff}}},
                                                   {Value::text("12"), storedDword(12)}};
    for (const auto& [v, stored] : text) EXPECT_TRUE(write(v, 0).ok() && store.get(hive::CurrentConfig, "DISPLAY\\settings", "v") == stored);
    for (const auto& [v, stored] : dword) EXPECT_TRUE(write(v, 1).ok() && store.get(hive::CurrentConfig, "DISPLAY\\settings", "v") == stored);

    const auto before = store.values;
    EXPECT_EQ(write(Value::integer(1), 2).number(), err::InvalidProcedureCall);
    EXPECT_EQ(write(Value::null(), 0).number(), err::InvalidUseOfNull);
    EXPECT_EQ(write(Value::text("x"), 1).number(), err::TypeMismatch);
    EXPECT_EQ(write(Value::integer(1), 0, 3).number(), err::InvalidProcedureCall);
    EXPECT_EQ(store.values, before);

    address("Display\\Settings");
    ASSERT_TRUE(reg.ReadValue().ok());
    address("No\\Such\\Key");
    EXPECT_EQ(reg.ReadValue().number(), err::RegistryErrorBase + 2);
    EXPECT_EQ(reg.value(), Value::long32(12));  // the last value read stays
    // Removing what is not there is no failure.
    EXPECT_TRUE(reg.DeleteValue().ok());
    address("Display\\Settings");
    EXPECT_TRUE(reg.DeleteValue().ok() && reg.DeleteValue().ok() && store.values.empty());
}

TEST(Win32StoreRead, AValueThatKeepsGrowingEndsAsAFailureNotALoop)
{
    int asked = 0;
    StoredValue out;
    // Larger at every call, as another program might make it; then larger once only.
    auto growing = [&](std::uint8_t*, std::uint32_t& size, std::uint32_t&) { return ++asked, size += 100, kMoreData; };
    EXPECT_EQ(queryGrowing(growing, out), kMoreData);
    EXPECT_EQ(asked, kReadAttempts);
    auto onceLarger = [&](std::uint8_t* buffer, std::uint32_t& size, std::uint32_t&) {
        const bool fits = size >= 300;
        size = 300;
        if (fits) buffer[299] = 7;
        return fits ? 0L : kMoreData;
    };
    EXPECT_EQ(queryGrowing(onceLarger, out), 0);
    EXPECT_TRUE(out.data.size() == 300 && out.data.back() == 7);
}
