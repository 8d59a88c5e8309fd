#include "registry/memory_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "registry/errors.h"

namespace velmora {
namespace {

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kGenFailure = 31;

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

MemoryStore::KeyId MemoryStore::id(std::int32_t hive, const std::string& key) { return {hive, lower(key)}; }

void MemoryStore::count(Op op, std::int32_t hive, const std::string& key, const std::string& name)
{
    const Call call{op, hive, key, name, operations_++};
    if (failWhen && failWhen(call)) throw registryError(kGenFailure, "A device attached to the system is not functioning.");
}

StoredValue MemoryStore::read(std::int32_t hive, const std::string& key, const std::string& name)
{
    count(Op::Read, hive, key, name);
    if (auto v = get(hive, key, name)) return *v;
    throw registryError(kFileNotFound, "The system cannot find the file specified.");
}

void MemoryStore::write(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v)
{
    count(Op::Write, hive, key, name);
    set(hive, key, name, v);
}

void MemoryStore::remove(std::int32_t hive, const std::string& key, const std::string& name)
{
    count(Op::Remove, hive, key, name);
    auto k = keys_.find(id(hive, key));
    if (k != keys_.end()) k->second.values.erase(lower(name));
}

void MemoryStore::memberSet(const char* member, const Value& given) { log_.push_back(std::string(member) + " " + describe(given)); }

void MemoryStore::operationCalled(const char* operation) { log_.emplace_back(operation); }

void MemoryStore::createKey(std::int32_t hive, const std::string& key)
{
    // Parents exist whenever a child does, as in the real registry.
    for (std::size_t pos = key.find('\\'); pos != std::string::npos; pos = key.find('\\', pos + 1))
        keys_[id(hive, key.substr(0, pos))];
    keys_[id(hive, key)];
}

void MemoryStore::set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v)
{
    createKey(hive, key);
    keys_[id(hive, key)].values[lower(name)] = {name, v};
}

std::optional<StoredValue> MemoryStore::get(std::int32_t hive, const std::string& key, const std::string& name) const
{
    auto k = keys_.find(id(hive, key));
    if (k == keys_.end()) return std::nullopt;
    auto v = k->second.values.find(lower(name));
    if (v == k->second.values.end()) return std::nullopt;
    return v->second.second;
}

bool MemoryStore::hasKey(std::int32_t hive, const std::string& key) const { return keys_.count(id(hive, key)) != 0; }

std::size_t MemoryStore::valueCount() const
{
    std::size_t n = 0;
    for (const auto& k : keys_) n += k.second.values.size();
    return n;
}

std::vector<std::string> MemoryStore::dump() const
{
    std::vector<std::string> out;
    for (const auto& [kid, key] : keys_)
        for (const auto& [lname, nv] : key.values) {
            std::string line = std::to_string(kid.first) + "\\" + kid.second + "\\" + nv.first + " = " +
                               std::to_string(nv.second.type) + ":";
            char hex[3];
            for (auto b : nv.second.data) {
                std::snprintf(hex, sizeof hex, "%02x", b);
                line += hex;
            }
            out.push_back(line);
        }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace velmora
