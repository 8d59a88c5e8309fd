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

}  // namespace velmora
