// Which display driver key the card's values are read from and written to:
// a Voodoo3 present now, else one Windows has a record of, the lowest first,
// else Display\0000. The scenario fuzz target checks that no malformed or
// hostile record counts.
#include <gtest/gtest.h>

#include <functional>

#include "driver/driver_key.h"
#include "tests/support/doubles.h"

using namespace velmora;

namespace {

constexpr std::int32_t LM = hive::LocalMachine, DD = hive::DynData;
const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string kVoodoo3 = "Enum\\PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01";

// A device record naming its driver, and the driver keys that exist.
void record(MemoryStore& s, const std::string& record, const StoredValue& driver)
{
    s.set(LM, "Enum\\" + record, "Driver", driver);
}

}  // namespace

TEST(DriverKey, APresentVoodoo3ThenARecordedOneTheLowestFirstElseTheFirstKey)
{
    const struct {
        const char* name;
        std::function<void(MemoryStore&)> arrange;
        const char* key;
    } cases[] = {
        {"nothing recorded", [](MemoryStore&) {}, "0000"},
        {"recorded", [](MemoryStore& s) { record(s, kVoodoo3.substr(5) + "\\BUS_01&DEV_00&FUNC_00", storedText("Display\\0001")); }, "0001"},
        {"two recorded, any case", [](MemoryStore& s) {
             record(s, kVoodoo3.substr(5) + "\\BUS_01&DEV_00&FUNC_00", storedText("Display\\0003"));
             record(s, "pci\\ven_121a&dev_0005\\BUS_02", storedText("DISPLAY\\0002"));
         }, "0002"},
        {"present before recorded", [](MemoryStore& s) {
             record(s, "PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\0001"));
             record(s, "PCI\\VEN_121A&DEV_0005&SUBSYS_1\\B", storedText("Display\\0003"));
             s.set(DD, "Config Manager\\Enum\\C1A2B3C4", "HardWareKey", storedText("PCI\\VEN_121A&DEV_0005&SUBSYS_1\\B"));
         }, "0003"},
        {"present, its key gone: recorded", [](MemoryStore& s) {
             record(s, "PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\0001"));
             record(s, "PCI\\VEN_121A&DEV_0005\\B", storedText("Display\\0007"));
             s.set(DD, "Config Manager\\Enum\\1", "HardWareKey", storedText("PCI\\VEN_121A&DEV_0005\\B"));
         }, "0001"},
    };
    for (const auto& c : cases) {
        MemoryStore s;
        for (const char* n : {"0000", "0001", "0002", "0003"}) s.createKey(LM, kDisplay + n);
        c.arrange(s);
        EXPECT_EQ(findDriverKey(s), text(kDisplay + c.key)) << c.name;
    }
}

// Records that look almost like a Voodoo3's, or name their key almost right, do not count.
TEST(DriverKey, NearMissesOfADeviceOrADriverNameDoNotCount)
{
    const std::pair<std::string, StoredValue> misses[] = {
        {"PCI\\VEN_121A&DEV_00051\\A", storedText("Display\\0001")}, {"PCI\\VEN_121A&DEV_000\\A", storedText("Display\\0001")},
        {"PCI\\VEN_121B&DEV_0005\\A", storedText("Display\\0001")},  {"PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\001")},
        {"PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\00001")}, {"PCI\\VEN_121A&DEV_0005\\A", storedText("Display/0001")},
        {"PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\000A")},  {"PCI\\VEN_121A&DEV_0005\\A", storedText("Display\\0009")},
        {"PCI\\VEN_121A&DEV_0005\\A", storedText("Monitor\\0001")},  {"PCI\\VEN_121A&DEV_0005\\A", storedDword(1)},
    };
    for (const auto& [device, driver] : misses)
        for (const bool present : {false, true}) {
            MemoryStore s;
            for (const char* n : {"0000", "0001", "00001", "000A"}) s.createKey(LM, kDisplay + n);
            record(s, device, driver);
            record(s, "ISA\\VEN_121A&DEV_0005\\B", storedText("Display\\0001"));
            s.set(DD, "Config Manager\\Enum\\1", "HardWareKey", storedText(present ? device : "ISA\\VEN_121A&DEV_0005\\B"));
            EXPECT_EQ(findDriverKey(s), text(kDisplay + "0000")) << device << " " << present;
        }
}

TEST(DriverKey, TheWholeLookupReadsAtMost4096RecordsAndKeepsWhatItFoundByThen)
{
    // 100 Voodoo3-looking devices of 100 records each: the first record names a key, the last a lower one.
    // Each name listed counts as a record read.
    MemoryStore s;
    for (const char* n : {"0001", "0002"}) s.createKey(LM, kDisplay + n);
    for (int d = 100; d < 200; ++d)
        for (int i = 100; i < 200; ++i)
            record(s, "PCI\\VEN_121A&DEV_0005&SUBSYS_" + std::to_string(d) + "\\" + std::to_string(i),
                   storedText(d + i == 200 ? "Display\\0002" : d + i == 398 ? "Display\\0001" : "Display\\0009"));
    EXPECT_EQ(findDriverKey(s), text(kDisplay + "0002"));
    EXPECT_LE(s.calls.size() + s.listed, 4096u);
}
