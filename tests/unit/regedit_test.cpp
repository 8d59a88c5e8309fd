// What each kind of stored data reads as, the store's bounded re-read of a
// value that keeps growing, and a text that grows from its own bytes.
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
        {{regtype::Binary, {1, 2, 3}}, Value::null()},
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
    // Larger than the first read once: the second, at the size reported, reads it.
    auto onceLarger = [&](std::uint8_t* buffer, std::uint32_t& size, std::uint32_t&) {
        const bool fits = size >= 300;
        size = 300;
        if (fits) buffer[299] = 7;
        return fits ? 0L : kMoreData;
    };
    EXPECT_EQ(queryGrowing(onceLarger, out), 0);
    EXPECT_TRUE(out.data.size() == 300 && out.data.back() == 7);
}

TEST(Text, AppendingItsOwnBytesCopiesThemBeforeTheOldRoomIsFreed)
{
    const std::string start = "a text too long for the object itself";
    Text t = text(start);
    t += t;  // each grows into a larger block
    t.append(t.c_str() + 2, 60);
    EXPECT_EQ(str(t), start + start + (start + start).substr(2, 60));
}
