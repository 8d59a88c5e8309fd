#pragma once
// The registry store over advapi32: hive 2 is HKEY_LOCAL_MACHINE, 4 is
// HKEY_CURRENT_CONFIG. Only calls that Windows 95 already had.
#include "registry/store.h"

namespace velmora {

class Win32Store : public RegistryStore {
public:
    StoredValue read(std::int32_t hive, const std::string& key, const std::string& name) override;
    void write(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v) override;
    void remove(std::int32_t hive, const std::string& key, const std::string& name) override;
};

}  // namespace velmora
