#pragma once
// A registry in memory for the unit tests: keys and values by hive, names
// compared without regard to case as the system does, a log of every member
// setting and operation the component sees, and failures on demand.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "registry/regedit.h"
#include "registry/store.h"

namespace velmora {

class MemoryStore : public RegistryStore, public RegEditObserver {
public:
    enum class Op { Read, Write, Remove };
    struct Call {
        Op op;
        std::int32_t hive;
        std::string key;
        std::string name;
        std::size_t index;  // position among all store operations so far, from 0
    };

    // RegistryStore
    StoredValue read(std::int32_t hive, const std::string& key, const std::string& name) override;
    void write(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v) override;
    void remove(std::int32_t hive, const std::string& key, const std::string& name) override;

    // RegEditObserver: entries such as "RootKey Long(2)", "Value Integer(1)", "WriteValue".
    void memberSet(const char* member, const Value& given) override;
    void operationCalled(const char* operation) override;
    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

    // Failure injection: every operation for which this returns true fails
    // (after being counted) and changes nothing.
    std::function<bool(const Call&)> failWhen;
    void failAll() { failWhen = [](const Call&) { return true; }; }
    std::size_t operationCount() const { return operations_; }

    // Direct access for arranging and checking state.
    void createKey(std::int32_t hive, const std::string& key);
    void set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v);
    std::optional<StoredValue> get(std::int32_t hive, const std::string& key, const std::string& name) const;
    bool hasKey(std::int32_t hive, const std::string& key) const;
    std::size_t valueCount() const;
    // Every value, as "hive\key\name = type:hex", sorted: compares whole states.
    std::vector<std::string> dump() const;

    bool operator==(const MemoryStore& o) const { return keys_ == o.keys_; }

private:
    struct Key {
        std::map<std::string, std::pair<std::string, StoredValue>> values;  // lower-case name -> (name, data)
        bool operator==(const Key& o) const { return values == o.values; }
    };
    using KeyId = std::pair<std::int32_t, std::string>;  // hive, lower-case path

    void count(Op op, std::int32_t hive, const std::string& key, const std::string& name);
    static KeyId id(std::int32_t hive, const std::string& key);

    std::map<KeyId, Key> keys_;
    std::vector<std::string> log_;
    std::size_t operations_ = 0;
};

}  // namespace velmora
