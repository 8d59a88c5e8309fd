#pragma once
// The registry store over advapi32: hive 2 is HKEY_LOCAL_MACHINE, 4 is
// HKEY_CURRENT_CONFIG, 6 HKEY_DYN_DATA. Only calls that Windows 95 already had.
#include "registry/store.h"

namespace velmora {

class Win32Store : public RegistryStore {
public:
    Status read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out) override;
    Status write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v) override;
    Status remove(std::int32_t hive, const Text& key, const Text& name) override;
    Status subkeys(std::int32_t hive, const Text& key, Vec<Text>& names) override;
    bool hasKey(std::int32_t hive, const Text& key) override;
};

// How a value is read: one query with a buffer that fits the usual small
// value; when the value is larger, again at the size the system gives, at
// most kReadAttempts times in all, so that a value that keeps growing between
// the calls ends as a failure of this read instead of a loop.
// `query(buffer, size, type)` is RegQueryValueEx on the open key and returns
// its system code; so does this.
constexpr int kReadAttempts = 4;
constexpr long kMoreData = 234;  // ERROR_MORE_DATA
constexpr std::uint32_t kFirstReadSize = 256;

template <class Query>
long queryGrowing(Query&& query, StoredValue& out)
{
    std::uint32_t size = kFirstReadSize;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        out.data.resize(size);
        const long rc = query(out.data.data(), size, out.type);
        if (rc != kMoreData) {
            out.data.resize(rc == 0 ? size : 0);
            return rc;
        }
    }
    return kMoreData;
}

// How a key's subkeys are listed: `enumerate(index, buffer, size)` is
// RegEnumKeyEx on the open key and returns its system code; so does this. At
// most kMostSubkeys entries are looked at. A name that does not fit the
// buffer (more than 255 bytes, which a registry can still hold: 200
// characters of a double-byte code page) names no key of ours and is passed
// over; the rest of the listing still counts.
constexpr long kNoMoreItems = 259;  // ERROR_NO_MORE_ITEMS

template <class Enumerate>
long listNames(Enumerate&& enumerate, Vec<Text>& names)
{
    names.clear();
    char name[256];  // the longest key name the system allows, and its zero
    for (std::uint32_t i = 0; i < kMostSubkeys; ++i) {
        std::uint32_t size = sizeof name;
        const long rc = enumerate(i, name, size);
        if (rc == kNoMoreItems) break;
        if (rc == kMoreData) continue;
        if (rc != 0) return rc;
        names.push_back(Text(name, size));
    }
    return 0;
}

}  // namespace velmora
