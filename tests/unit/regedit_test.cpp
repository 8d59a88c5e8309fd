// The registry component between the procedures and a registry: what each
// kind of stored data reads as, what each ValueType stores, and its failures.
#include <gtest/gtest.h>

#include "registry/regedit.h"
#include "registry/win32_store.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

const std::string kKey = "Display\\Settings";

struct RegEditTest : ::testing::Test {
    MemoryStore store;
    RegEdit reg{store};

    Status write(const Value& v, std::int32_t type, std::int32_t root = hive::CurrentConfig)
    {
        reg.setRootKey(root);
        reg.setKeyPath(text(kKey));
        reg.setValueType(type);
        reg.setValueName("V");
        reg.setValue(v);
        return reg.WriteValue();
    }
    void address(const std::string& key)
    {
        reg.setRootKey(hive::CurrentConfig);
        reg.setKeyPath(text(key));
        reg.setValueName("V");
    }
};

}  // namespace

TEST_F(RegEditTest, EachKindOfStoredDataReadsAsTextANumberOrNull)
{
    const std::pair<StoredValue, Value> cases[] = {
        {storedText("  Voodoo3 "), Value::text("  Voodoo3 ")},
        {storedText("%SystemRoot%", regtype::ExpandSz), Value::text("%SystemRoot%")},
        {{regtype::Sz, {'1', '8', '0'}}, Value::text("180")},  // no terminating zero
        {{regtype::Sz, {'a', 0, 'b', 0}}, Value::text("a")},
        {{regtype::Sz, {}}, Value::text("")},
        {storedDword(0x80000000u), Value::long32(INT32_MIN)},
        {{regtype::DwordBigEndian, {0, 0, 0, 180}}, Value::long32(180)},
        {{regtype::Dword, {1, 0}}, Value::null()},
        {{regtype::Binary, {1, 2, 3}}, Value::null()},
        {{regtype::MultiSz, {'a', 0, 0}}, Value::null()},
        {{regtype::None, {}}, Value::null()},
        {{regtype::Qword, {1, 0, 0, 0, 0, 0, 0, 0}}, Value::null()},
    };
    for (const auto& [stored, expected] : cases) {
        store.set(hive::CurrentConfig, kKey, "V", stored);
        address(kKey);
        EXPECT_TRUE(reg.ReadValue().ok());
        EXPECT_EQ(reg.value(), expected);
    }
}

TEST_F(RegEditTest, ValueTypeZeroStoresTextAndOneADword)
{
    const struct {
        Value value;
        std::int32_t type;
        StoredValue stored;
    } cases[] = {
        {Value::long32(250), 0, storedText("250")},  {Value::integer(-1), 0, storedText("-1")},
        {Value::integer(1), 1, storedDword(1)},      {Value::integer(-1), 1, {regtype::Dword, {0xff, 0xff, 0xff, 0xff}}},
        {Value::text("12"), 1, storedDword(12)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(write(c.value, c.type).ok());
        EXPECT_EQ(store.get(hive::CurrentConfig, "DISPLAY\\settings", "v"), c.stored);
    }
}

TEST_F(RegEditTest, FailuresChangeNothingAndKeepTheLastValue)
{
    ASSERT_TRUE(write(Value::long32(180), 0).ok());
    const auto before = store.values;
    EXPECT_EQ(write(Value::integer(1), 2).number(), err::InvalidProcedureCall);
    EXPECT_EQ(write(Value::null(), 0).number(), err::InvalidUseOfNull);
    EXPECT_EQ(write(Value::text("x"), 1).number(), err::TypeMismatch);
    EXPECT_EQ(write(Value::integer(1), 0, 3).number(), err::InvalidProcedureCall);
    EXPECT_EQ(store.values, before);

    address(kKey);
    ASSERT_TRUE(reg.ReadValue().ok());
    address("No\\Such\\Key");
    EXPECT_EQ(reg.ReadValue().number(), err::RegistryErrorBase + 2);
    EXPECT_EQ(reg.value(), Value::text("180"));
    // Removing what is not there is no failure.
    EXPECT_TRUE(reg.DeleteValue().ok());
    address(kKey);
    EXPECT_TRUE(reg.DeleteValue().ok());
    EXPECT_TRUE(reg.DeleteValue().ok());
    EXPECT_TRUE(store.values.empty());
}

TEST(Win32StoreRead, AValueThatKeepsGrowingEndsAsAFailureNotALoop)
{
    int asked = 0;
    StoredValue out;
    // Larger at every call, as another program might make it.
    auto growing = [&](std::uint8_t*, std::uint32_t& size, std::uint32_t&) {
        ++asked;
        size += 100;
        return kMoreData;
    };
    EXPECT_EQ(queryGrowing(growing, out), kMoreData);
    EXPECT_EQ(asked, kReadAttempts);

    // Larger once: the second call, at the size the first reported, reads it.
    asked = 0;
    auto onceLarger = [&](std::uint8_t* buffer, std::uint32_t& size, std::uint32_t& type) {
        const std::uint32_t needed = 300;
        if (++asked == 1 || size < needed) {
            size = needed;
            return kMoreData;
        }
        buffer[needed - 1] = 7;
        size = needed;
        type = regtype::Binary;
        return 0L;
    };
    EXPECT_EQ(queryGrowing(onceLarger, out), 0);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(out.data.size(), 300u);
    EXPECT_EQ(out.data.back(), 7);
}
