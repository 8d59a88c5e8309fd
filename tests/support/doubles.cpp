#include "tests/support/doubles.h"

#include <cctype>

namespace velmora {
namespace {

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A control that refuses keeps what it had, as a real one would.
template <class T>
Status changed(bool refuse, T& to, const T& value)
{
    if (refuse) return invalidPropertyValue();
    to = value;
    return {};
}

}  // namespace

MemoryStore::Place MemoryStore::place(std::int32_t hive, const std::string& key, const std::string& name)
{
    return {hive, lower(key), lower(name)};
}

Status MemoryStore::counted(Op op, std::int32_t hive, const Text& key, const Text& name)
{
    calls.push_back({op, hive, str(key), str(name)});
    if (fails && fails(calls.size() - 1, calls.back()))
        return registryError(31, "A device attached to the system is not functioning.");
    return {};
}

Status MemoryStore::read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out)
{
    VELMORA_TRY(counted(Op::Read, hive, key, name));
    const auto it = values.find(place(hive, str(key), str(name)));
    if (it == values.end()) return registryError(2, "The system cannot find the file specified.");
    out = it->second;
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
    const std::string parent = lower(str(key)) + "\\";
    if (!hasKey(hive, key)) return registryError(2, "The system cannot find the file specified.");
    names.clear();
    for (const auto& [h, k] : keys)
        if (h == hive && k.rfind(parent, 0) == 0 && k.find('\\', parent.size()) == std::string::npos)
            names.push_back(text(k.substr(parent.size())));
    return {};
}

bool MemoryStore::hasKey(std::int32_t hive, const Text& key) { return keys.count({hive, lower(str(key))}) > 0; }

void MemoryStore::createKey(std::int32_t hive, const std::string& key)
{
    for (std::size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1))
        keys.insert({hive, lower(key.substr(0, end))});
    keys.insert({hive, lower(key)});
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

Status MemoryLabel::setCaption(const Text& text) { return changed(refuse, text_, text); }
Status MemoryCheckBox::setState(std::int32_t v) { return changed(refuse, state_, v); }
Status MemoryOptionButton::setSelected(bool v) { return changed(refuse, selected_, v); }
Status MemorySlider::setPosition(std::int32_t v) { return changed(refuse, position_, v); }

std::map<std::string, std::string> MemoryForm1Controls::view() const
{
    std::map<std::string, std::string> v;
    for (const auto& [name, control] : byName) v[name] = control->shown();
    return v;
}

}  // namespace velmora
