#include "driver/driver_key.h"

#include "registry/regedit.h"

namespace velmora {
namespace {

constexpr char kPresentKey[] = "Config Manager\\Enum";
constexpr char kPciKey[] = "Enum\\PCI";
constexpr char kVoodoo3[] = "VEN_121A&DEV_0005";  // PCI vendor 121A, device 0005
constexpr char kDisplay[] = "DISPLAY\\";
constexpr int kNone = 10000;                      // above every four-digit driver number

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// `s` from byte `at` starts with `prefix` (upper case), compared as the registry compares names.
bool startsWith(const Text& s, std::size_t at, const char* prefix)
{
    for (std::size_t i = 0; prefix[i]; ++i)
        if (at + i >= s.size() || upper(s[at + i]) != prefix[i]) return false;
    return true;
}

// A device record's name, or its hardware key, is a Voodoo3's: the device ID
// ends where the record's next part or a further detail of the ID begins.
bool isVoodoo3(const Text& id, std::size_t at)
{
    const std::size_t end = at + sizeof kVoodoo3 - 1;
    return startsWith(id, at, kVoodoo3) && (id.size() == end || id[end] == '&' || id[end] == '\\');
}

// The number of the display driver key that a device record names in its
// "Driver" value ("Display\0001"), when that key exists; else kNone.
int driverOf(RegistryStore& store, const Text& record)
{
    StoredValue driver;
    if (store.read(hive::LocalMachine, "Enum\\" + record, "Driver", driver).failed()) return kNone;
    const Text name = RegEdit::fromStored(driver).asText();  // data that is no text has none
    const std::size_t digits = sizeof kDisplay - 1;
    if (name.size() != digits + 4 || !startsWith(name, 0, kDisplay)) return kNone;
    int number = 0;
    for (std::size_t i = digits; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return kNone;
        number = number * 10 + (name[i] - '0');
    }
    return store.hasKey(hive::LocalMachine, Text(kClassKey) + "\\Display\\" + name.from(digits)) ? number : kNone;
}

int lower(int a, int b) { return a < b ? a : b; }

// The lowest driver number of the Voodoo3s present at this start.
int presentDriver(RegistryStore& store)
{
    Vec<Text> devices;
    if (store.subkeys(hive::DynData, kPresentKey, devices).failed()) return kNone;
    int best = kNone;
    for (const Text& device : devices) {
        StoredValue hardwareKey;
        if (store.read(hive::DynData, Text(kPresentKey) + "\\" + device, "HardWareKey", hardwareKey).failed()) continue;
        const Text record = RegEdit::fromStored(hardwareKey).asText();
        if (startsWith(record, 0, "PCI\\") && isVoodoo3(record, 4)) best = lower(best, driverOf(store, record));
    }
    return best;
}

// The lowest driver number of the Voodoo3s Windows has a record of.
int recordedDriver(RegistryStore& store)
{
    Vec<Text> devices;
    if (store.subkeys(hive::LocalMachine, kPciKey, devices).failed()) return kNone;
    int best = kNone;
    for (const Text& device : devices) {
        Vec<Text> instances;
        if (!isVoodoo3(device, 0) || store.subkeys(hive::LocalMachine, Text(kPciKey) + "\\" + device, instances).failed())
            continue;
        for (const Text& instance : instances) best = lower(best, driverOf(store, "PCI\\" + device + "\\" + instance));
    }
    return best;
}

}  // namespace

Text driverKey(int number)
{
    const char digits[5] = {static_cast<char>('0' + number / 1000), static_cast<char>('0' + number / 100 % 10),
                            static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10), 0};
    return Text(kClassKey) + "\\Display\\" + digits;
}

Text findDriverKey(RegistryStore& store)
{
    int number = presentDriver(store);
    if (number == kNone) number = recordedDriver(store);
    return driverKey(number == kNone ? 0 : number);
}

}  // namespace velmora
