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
// ends where the record's next field or a further detail of the ID begins.
bool isVoodoo3(const Text& id, std::size_t at)
{
    const std::size_t end = at + sizeof kVoodoo3 - 1;
    return startsWith(id, at, kVoodoo3) && (id.size() == end || id[end] == '&' || id[end] == '\\');
}

// The store with one budget of records for the whole lookup, however many
// devices a hostile registry holds: each value read and each key name listed
// spends one. Once it is spent nothing more is read, and what was found stands.
class BoundedStore {
public:
    explicit BoundedStore(RegistryStore& store) : store_(store) {}
    // The value as text (data that is no text has none); false when it is not read.
    bool readText(std::int32_t hive, const Text& key, const char* name, Text& out)
    {
        if (!left_) return false;
        --left_;
        StoredValue v;
        if (store_.read(hive, key, name, v).failed()) return false;
        out = RegEdit::fromStored(v).asText();
        return true;
    }
    bool subkeys(std::int32_t hive, const Text& key, Vec<Text>& names)
    {
        if (!left_ || store_.subkeys(hive, key, names).failed()) return false;
        left_ -= names.size() < left_ ? names.size() : left_;
        return true;
    }
    bool hasKey(std::int32_t hive, const Text& key) { return store_.hasKey(hive, key); }

private:
    RegistryStore& store_;
    std::size_t left_ = 4096;  // some hundred devices on a real machine
};

// The number of the display driver key that a device record names in its
// "Driver" value ("Display\0001"), when that key exists; else kNone.
int driverOf(BoundedStore& store, const Text& record)
{
    Text name;
    if (!store.readText(hive::LocalMachine, "Enum\\" + record, "Driver", name)) return kNone;
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
int presentDriver(BoundedStore& store)
{
    Vec<Text> devices;
    if (!store.subkeys(hive::DynData, kPresentKey, devices)) return kNone;
    int best = kNone;
    for (const Text& device : devices) {
        Text record;
        if (!store.readText(hive::DynData, Text(kPresentKey) + "\\" + device, "HardWareKey", record)) continue;
        if (startsWith(record, 0, "PCI\\") && isVoodoo3(record, 4)) best = lower(best, driverOf(store, record));
    }
    return best;
}

// The lowest driver number of the Voodoo3s Windows has a record of.
int recordedDriver(BoundedStore& store)
{
    Vec<Text> devices;
    if (!store.subkeys(hive::LocalMachine, kPciKey, devices)) return kNone;
    int best = kNone;
    for (const Text& device : devices) {
        Vec<Text> instances;
        if (!isVoodoo3(device, 0) || !store.subkeys(hive::LocalMachine, Text(kPciKey) + "\\" + device, instances))
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

Text findDriverKey(RegistryStore& registry, DriverKeyFound* how)
{
    BoundedStore store(registry);
    DriverKeyFound found = DriverKeyFound::Present;
    int number = presentDriver(store);
    if (number == kNone) found = DriverKeyFound::Recorded, number = recordedDriver(store);
    if (number == kNone) found = DriverKeyFound::First, number = 0;
    if (how) *how = found;
    return driverKey(number);
}

}  // namespace velmora
