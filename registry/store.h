#pragma once
// The one small interface between the registry component and a registry:
// raw typed data by hive code, key path and value name. The Win32 store
// speaks to advapi32; the unit tests bring a registry in memory.
#include <cstdint>

#include "registry/errors.h"
#include "registry/text.h"

namespace velmora {

// Registry data kinds, numbered as the system numbers them.
namespace regtype {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t Sz = 1;
constexpr std::uint32_t ExpandSz = 2;
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
constexpr std::uint32_t DwordBigEndian = 5;
constexpr std::uint32_t MultiSz = 7;
constexpr std::uint32_t Qword = 11;
}  // namespace regtype

// Hive codes as the setting procedures give them in RootKey. Two are only
// looked at, never written: HKEY_CURRENT_USER, where Glide finds a setting
// before the driver's key, and HKEY_DYN_DATA, where Windows 95 and 98 list
// the devices present at this start.
namespace hive {
constexpr std::int32_t CurrentUser = 1;
constexpr std::int32_t LocalMachine = 2;
constexpr std::int32_t CurrentConfig = 4;
constexpr std::int32_t DynData = 6;
}  // namespace hive

struct StoredValue {
    std::uint32_t type = regtype::None;
    Bytes data;
    friend bool operator==(const StoredValue& a, const StoredValue& b) { return a.type == b.type && a.data == b.data; }
    friend bool operator!=(const StoredValue& a, const StoredValue& b) { return !(a == b); }
};

StoredValue storedText(const Text& text, std::uint32_t type = regtype::Sz);  // with its terminating zero
StoredValue storedDword(std::uint32_t v);

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // Every failure is a registryError(). Fails when the key or the value does not exist.
    virtual Status read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out) = 0;
    // Creates the key (and its parents) when missing; replaces existing data.
    virtual Status write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v) = 0;
    // Removing a value that is absent, or whose key is absent, succeeds and changes nothing.
    virtual Status remove(std::int32_t hive, const Text& key, const Text& name) = 0;
    // The names of the key's subkeys, at most kMostSubkeys of them; fails when there is no such key.
    virtual Status subkeys(std::int32_t hive, const Text& key, Vec<Text>& names) = 0;
    virtual bool hasKey(std::int32_t hive, const Text& key) = 0;
};

// Enough for every device a machine records, and a bound on a hostile registry.
constexpr std::size_t kMostSubkeys = 1024;

}  // namespace velmora
