#include "tests/support/doubles.h"

#include <cctype>

namespace velmora {

MemoryStore::Place MemoryStore::place(std::int32_t hive, const std::string& key, const std::string& name)
{
    Place p{hive, key, name};
    for (std::string* s : {&std::get<1>(p), &std::get<2>(p)})
        for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return p;
}

Status MemoryStore::counted(Op op, std::int32_t hive, const Text& key, const Text& name)
{
    calls.push_back({op, hive, str(key), str(name)});
    const bool failing = fails && fails(calls.size() - 1, calls.back());
    return failing ? registryError(31, "A device attached to the system is not functioning.") : Status();
}

Status MemoryStore::read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out)
{
    VELMORA_TRY(counted(Op::Read, hive, key, name));
    const auto v = get(hive, str(key), str(name));
    if (!v) return registryError(2, "The system cannot find the file specified.");
    out = *v;
    return {};
}

Status MemoryStore::write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v)
{
    VELMORA_TRY(counted(Op::Write, hive, key, name));
    set(hive, str(key), str(name), v);
    return {};
}

Status MemoryStore::remove(std::int32_t hive, const Text& key, const Text& name)
{
    VELMORA_TRY(counted(Op::Remove, hive, key, name));
    values.erase(place(hive, str(key), str(name)));
    return {};
}

Status MemoryStore::subkeys(std::int32_t hive, const Text& key, Vec<Text>& names)
{
    if (!hasKey(hive, key)) return registryError(2, "The system cannot find the file specified.");
    const std::string parent = std::get<1>(place(hive, str(key), "")) + "\\";
    names.clear();
    for (const auto& [h, k] : keys)
        if (h == hive && k.rfind(parent, 0) == 0 && k.find('\\', parent.size()) == std::string::npos)
            names.push_back(text(k.substr(parent.size())));
    return {};
}

bool MemoryStore::hasKey(std::int32_t hive, const Text& key) { return keys.count({hive, std::get<1>(place(hive, str(key), ""))}); }

void MemoryStore::createKey(std::int32_t hive, const std::string& key)
{
    for (std::size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1))
        keys.insert({hive, std::get<1>(place(hive, key.substr(0, end), ""))});
    keys.insert({hive, std::get<1>(place(hive, key, ""))});
}

void MemoryStore::set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v)
{
    createKey(hive, key);
    values[place(hive, key, name)] = v;
}

std::optional<StoredValue> MemoryStore::get(std::int32_t hive, const std::string& key, const std::string& name) const
{
    const auto it = values.find(place(hive, key, name));
    return it == values.end() ? std::nullopt : std::optional<StoredValue>(it->second);
}

}  // namespace velmora
