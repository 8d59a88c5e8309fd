// What each kind of stored data reads as, the store's bounded re-read and listing, and a text grown from itself.
#include <gtest/gtest.h>

#include "registry/regedit.h"
#include "registry/win32_store.h"
#include "tests/support/std_text.h"

using namespace velmora;

TEST(RegEdit, TextAndFourByteNumbersReadAsThemselvesEverythingElseAsNull)
{
    const std::pair<StoredValue, Value> cases[] = {
        {storedText("  Voodoo3 "), Value::text("  Voodoo3 ")},
        {storedText("%SystemRoot%", regtype::ExpandSz), Value::text("%SystemRoot%")},
        {{regtype::Sz, {'1', '8', '0'}}, Value::text("180")},  // no terminating zero
        {{regtype::Sz, {'a', 0, 'b', 0}}, Value::text("a")},
        {storedDword(0x80000000u), Value::long32(INT32_MIN)},
        {{regtype::DwordBigEndian, {0, 0, 0, 180}}, Value::long32(180)},
        {{regtype::Dword, {1, 0}}, Value::null()},
        {{regtype::MultiSz, {'a', 0, 0}}, Value::null()},
        {{regtype::Qword, {1, 0, 0, 0, 0, 0, 0, 0}}, Value::null()},
    };
    for (const auto& [stored, expected] : cases) EXPECT_EQ(RegEdit::fromStored(stored), expected);
}

TEST(Win32StoreRead, AValueThatKeepsGrowingEndsAsAFailureNotALoop)
{
    int asked = 0;
    StoredValue out;
    auto growing = [&](std::uint8_t*, std::uint32_t& size, std::uint32_t&) { return ++asked, size += 100, kMoreData; };
    EXPECT_EQ(queryGrowing(growing, out), kMoreData);
    EXPECT_EQ(asked, kReadAttempts);
}

TEST(Win32StoreList, ANameTooLongForTheBufferIsPassedOverAndTheRestStillCount)
{
    // 256 characters, or 200 of a double-byte code page: longer than a name may be, yet a registry can hold it.
    const std::string listed[] = {"VEN_5333&DEV_8811", std::string(400, 'V'), "VEN_121A&DEV_0005"};
    auto enumerate = [&](std::uint32_t i, char* buffer, std::uint32_t& size) {
        if (i >= 3 || listed[i].size() >= size) return i >= 3 ? kNoMoreItems : kMoreData;
        size = static_cast<std::uint32_t>(listed[i].copy(buffer, size));
        return 0L;
    };
    Vec<Text> names;
    EXPECT_EQ(listNames(enumerate, names), 0);
    EXPECT_EQ(names, (Vec<Text>{"VEN_5333&DEV_8811", "VEN_121A&DEV_0005"}));
}

TEST(Text, AppendingItsOwnBytesCopiesThemBeforeTheOldRoomIsFreed)
{
    const std::string start = "a text too long for the object itself";
    Text t = text(start);
    t += t;  // each grows into a larger block
    t.append(t.c_str() + 2, 60);
    EXPECT_EQ(str(t), start + start + (start + start).substr(2, 60));
}
