#include <gtest/gtest.h>

#include "registry/conversions.h"
#include "registry/errors.h"
#include "registry/memory_store.h"
#include "registry/regedit.h"

using namespace velmora;

namespace {

const std::string kKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\DEFAULT";

struct RegEditTest : ::testing::Test {
    MemoryStore store;
    RegEdit reg{store, &store};

    void address(std::int32_t root, const std::string& key, const std::string& name)
    {
        reg.setRootKey(root);
        reg.setKeyPath(key);
        reg.setValueName(name);
    }
    void write(const std::string& name, const Value& v, std::int32_t type, std::int32_t root = hive::LocalMachine)
    {
        reg.setRootKey(root);
        reg.setKeyPath(kKey);
        reg.setValueType(type);
        reg.setValueName(name);
        reg.setValue(v);
        reg.WriteValue();
    }
    Value read(const std::string& name, std::int32_t root = hive::LocalMachine)
    {
        address(root, kKey, name);
        reg.ReadValue();
        return reg.value();
    }
    std::int32_t failureOf(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

}  // namespace

TEST_F(RegEditTest, NumbersRoundTripThroughBothValueTypes)
{
    for (std::int32_t n : {-1, 0, 1, 143, 250}) {
        write("AsText", Value::integer(static_cast<std::int16_t>(n)), 0);
        write("AsDword", Value::long32(n), 1);
        EXPECT_EQ(read("AsText"), Value::text(std::to_string(n)));
        EXPECT_EQ(read("AsDword"), Value::long32(n));
        EXPECT_EQ(toLong(read("AsText")), n);
        EXPECT_EQ(toText(read("AsDword")), std::to_string(n));
    }
    // What a driver finds: REG_SZ with its terminating zero, REG_DWORD little-endian.
    EXPECT_EQ(store.get(hive::LocalMachine, kKey, "AsText"), storedText("250"));
    write("AsDword", Value::integer(-1), 1);
    EXPECT_EQ(store.get(hive::LocalMachine, kKey, "AsDword"), (StoredValue{regtype::Dword, {0xff, 0xff, 0xff, 0xff}}));
}

TEST_F(RegEditTest, WriteCreatesTheKeyAndReplacesData)
{
    EXPECT_FALSE(store.hasKey(hive::CurrentConfig, "Display\\Settings"));
    reg.setRootKey(hive::CurrentConfig);
    reg.setKeyPath("Display\\Settings");
    reg.setValueType(1);
    reg.setValueName("Advanced");
    reg.setValue(Value::integer(1));
    reg.WriteValue();
    EXPECT_TRUE(store.hasKey(hive::CurrentConfig, "Display"));
    reg.setValue(Value::integer(0));
    reg.WriteValue();
    EXPECT_EQ(store.get(hive::CurrentConfig, "display\\settings", "ADVANCED"), storedDword(0));
    EXPECT_EQ(store.valueCount(), 1u);
}

TEST_F(RegEditTest, ReadFailsForAMissingKeyOrValueAndKeepsTheOldValue)
{
    write("Grxclock", Value::long32(180), 0);
    read("Grxclock");
    EXPECT_EQ(failureOf([&] { read("Missing"); }), err::ObjectErrorBase + 2);
    EXPECT_EQ(reg.value(), Value::text("180"));
    address(hive::LocalMachine, "No\\Such\\Key", "Grxclock");
    EXPECT_NE(failureOf([&] { reg.ReadValue(); }), 0);
}

TEST_F(RegEditTest, DeleteRemovesAndAnAbsentValueIsNoFailure)
{
    write("SSTH3_SWAPINTERVAL", Value::integer(0), 0);
    address(hive::LocalMachine, kKey, "SSTH3_SWAPINTERVAL");
    reg.DeleteValue();
    EXPECT_NE(failureOf([&] { reg.ReadValue(); }), 0);
    EXPECT_EQ(failureOf([&] { reg.DeleteValue(); }), 0);
    address(hive::LocalMachine, "No\\Such\\Key", "X");
    EXPECT_EQ(failureOf([&] { reg.DeleteValue(); }), 0);
    EXPECT_FALSE(store.hasKey(hive::LocalMachine, "No\\Such\\Key"));
}

TEST_F(RegEditTest, StoredKindsAndWhatTheyReadAs)
{
    auto readStored = [&](const StoredValue& sv) {
        store.set(hive::LocalMachine, kKey, "V", sv);
        return read("V");
    };
    EXPECT_EQ(readStored(storedText("  Voodoo3 3000 AGP ")), Value::text("  Voodoo3 3000 AGP "));
    EXPECT_EQ(readStored(storedText("%SystemRoot%", regtype::ExpandSz)), Value::text("%SystemRoot%"));
    EXPECT_EQ(readStored({regtype::Sz, {'1', '8', '0'}}), Value::text("180"));  // no terminating zero
    EXPECT_EQ(readStored({regtype::Sz, {'a', 0, 'b', 0}}), Value::text("a"));
    EXPECT_EQ(readStored({regtype::Sz, {}}), Value::text(""));
    EXPECT_EQ(readStored(storedDword(0x80000000u)), Value::long32(INT32_MIN));
    EXPECT_EQ(readStored({regtype::DwordBigEndian, {0, 0, 0, 180}}), Value::long32(180));
    EXPECT_EQ(readStored({regtype::Dword, {1, 0}}), Value::null());
    EXPECT_EQ(readStored({regtype::Dword, {}}), Value::null());
    EXPECT_EQ(readStored({regtype::Binary, {1, 2, 3}}), Value::null());
    EXPECT_EQ(readStored({regtype::MultiSz, {'a', 0, 0}}), Value::null());
    EXPECT_EQ(readStored({regtype::None, {}}), Value::null());
    EXPECT_EQ(readStored({regtype::Qword, {1, 0, 0, 0, 0, 0, 0, 0}}), Value::null());
}

TEST_F(RegEditTest, RefusesWhatItCannotStore)
{
    EXPECT_EQ(failureOf([&] { write("V", Value::integer(1), 2); }), err::InvalidProcedureCall);
    EXPECT_EQ(failureOf([&] { write("V", Value::null(), 0); }), err::InvalidUseOfNull);
    EXPECT_EQ(failureOf([&] { write("V", Value::text("x"), 1); }), err::TypeMismatch);
    EXPECT_EQ(failureOf([&] { write("V", Value::integer(1), 0, 3); }), err::InvalidProcedureCall);
    EXPECT_EQ(store.valueCount(), 0u);
    write("V", Value::text("12"), 1);  // text that is a number goes in as that number
    EXPECT_EQ(store.get(hive::LocalMachine, kKey, "V"), storedDword(12));
}

TEST_F(RegEditTest, ObserverSeesMembersAndOperationsInOrder)
{
    write("Grxclock", Value::long32(180), 0);
    address(hive::LocalMachine, kKey, "Grxclock");
    reg.DeleteValue();
    const std::vector<std::string> expected = {
        "RootKey Long(2)", "KeyPath Text(\"" + kKey + "\")", "ValueType Long(0)", "ValueName Text(\"Grxclock\")",
        "Value Long(180)", "WriteValue",
        "RootKey Long(2)", "KeyPath Text(\"" + kKey + "\")", "ValueName Text(\"Grxclock\")", "DeleteValue"};
    EXPECT_EQ(store.log(), expected);
}

TEST_F(RegEditTest, InjectedFailuresCountEveryOperationAndChangeNothing)
{
    write("Keep", Value::long32(1), 0);
    const auto before = store.dump();
    store.failWhen = [](const MemoryStore::Call& c) { return c.op != MemoryStore::Op::Read; };
    EXPECT_NE(failureOf([&] { write("Keep", Value::long32(2), 0); }), 0);
    EXPECT_NE(failureOf([&] { write("New", Value::long32(2), 0); }), 0);
    address(hive::LocalMachine, kKey, "Keep");
    EXPECT_NE(failureOf([&] { reg.DeleteValue(); }), 0);
    EXPECT_EQ(store.dump(), before);
    EXPECT_EQ(read("Keep"), Value::text("1"));

    std::vector<std::size_t> seen;
    store.failWhen = [&](const MemoryStore::Call& c) {
        seen.push_back(c.index);
        return c.index == 6;
    };
    EXPECT_EQ(failureOf([&] { read("Keep"); }), 0);
    EXPECT_NE(failureOf([&] { read("Keep"); }), 0);
    EXPECT_EQ(seen, (std::vector<std::size_t>{5, 6}));
    store.failAll();
    EXPECT_NE(failureOf([&] { read("Keep"); }), 0);
}
