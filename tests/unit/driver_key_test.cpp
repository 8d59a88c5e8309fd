// The driver key: a Voodoo3 present now, else one Windows recorded, the lowest first, else Display\0000.
#include <gtest/gtest.h>

#include "driver/driver_key.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

constexpr std::int32_t LM = hive::LocalMachine, DD = hive::DynData;
const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\";

// A device record naming its driver.
void record(MemoryStore& s, const std::string& record, const StoredValue& driver) { s.set(LM, "Enum\\" + record, "Driver", driver); }

}  // namespace

// Which Voodoo3 wins; the near misses of its ID and of a key's name are the scenario target's seeds.
TEST(DriverKey, APresentVoodoo3ThenARecordedOneTheLowestFirstElseTheFirstKey)
{
    const std::string v3 = "PCI\\VEN_121A&DEV_0005\\A";
    constexpr DriverKeyFound P = DriverKeyFound::Present, R = DriverKeyFound::Recorded;
    const struct {
        std::vector<std::pair<std::string, StoredValue>> records;
        std::vector<std::string> present;
        const char* key;
        DriverKeyFound how = DriverKeyFound::First;
    } cases[] = {
        {{{"PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_01&DEV_00&FUNC_00", storedText("Display\\0001")}}, {}, "0001", R},
        {{{"PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_01", storedText("Display\\0003")},
          {"pci\\ven_121a&dev_0005\\BUS_02", storedText("DISPLAY\\0002")}}, {}, "0002", R},
        {{{v3, storedText("Display\\0001")}, {"PCI\\VEN_121A&DEV_0005&SUBSYS_1\\B", storedText("Display\\0003")}},
         {"PCI\\VEN_121A&DEV_0005&SUBSYS_1\\B"}, "0003", P},
        {{{v3, storedText("Display\\0001")}, {"PCI\\VEN_121A&DEV_0005\\B", storedText("Display\\0007")}}, {"PCI\\VEN_121A&DEV_0005\\B"}, "0001", R},
    };
    for (const auto& c : cases) {
        MemoryStore s;
        for (const char* n : {"0000", "0001", "0002", "0003"}) s.createKey(LM, kDisplay + n);
        for (const auto& [device, driver] : c.records) record(s, device, driver);
        for (const std::string& device : c.present) s.set(DD, "Config Manager\\Enum\\" + device.substr(4, 8), "HardWareKey", storedText(device));
        DriverKeyFound how;
        EXPECT_EQ(findDriverKey(s, &how), text(kDisplay + c.key)) << (c.records.empty() ? "" : c.records.back().first);
        EXPECT_EQ(how, c.how) << c.key;
    }
}

TEST(DriverKey, TheWholeLookupReadsAtMost4096RecordsAndKeepsWhatItFoundByThen)
{
    // 100 devices of 100 records each, the first naming a key, the last a lower one; a name listed counts as a read.
    MemoryStore s;
    for (const char* n : {"0001", "0002"}) s.createKey(LM, kDisplay + n);
    for (int d = 100; d < 200; ++d)
        for (int i = 100; i < 200; ++i)
            record(s, "PCI\\VEN_121A&DEV_0005&SUBSYS_" + std::to_string(d) + "\\" + std::to_string(i),
                   storedText(d + i == 200 ? "Display\\0002" : d + i == 398 ? "Display\\0001" : "Display\\0009"));
    EXPECT_EQ(findDriverKey(s), text(kDisplay + "0002"));
    EXPECT_LE(s.calls.size() + s.listed, 4096u);
}
