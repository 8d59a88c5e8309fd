#include "tests/support/doubles.h"

#include <cctype>

namespace velmora {
namespace {

std::string lower(const Text& t)
{
    std::string s = str(t);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

bool MemoryStore::counted(Op op, std::int32_t hive, const Text& key, const Text& name)
{
    calls.push_back({op, hive, str(key), str(name)});
    return !(fails && fails(calls.size() - 1, calls.back()));
}

Status MemoryStore::read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out)
{
    if (!counted(Op::Read, hive, key, name)) return registryError(31, "A device attached to the system is not functioning.");
    const auto it = values.find({hive, lower(key), lower(name)});
    if (it == values.end()) return registryError(2, "The system cannot find the file specified.");
    out = it->second;
    return {};
}

Status MemoryStore::write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v)
{
    if (!counted(Op::Write, hive, key, name)) return registryError(31, "A device attached to the system is not functioning.");
    values[{hive, lower(key), lower(name)}] = v;
    return {};
}

Status MemoryStore::remove(std::int32_t hive, const Text& key, const Text& name)
{
    if (!counted(Op::Remove, hive, key, name)) return registryError(31, "A device attached to the system is not functioning.");
    values.erase({hive, lower(key), lower(name)});
    return {};
}

MemoryStore::Place MemoryStore::place(std::int32_t hive, const std::string& key, const std::string& name)
{
    return {hive, lower(text(key)), lower(text(name))};
}

void MemoryStore::set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v)
{
    values[place(hive, key, name)] = v;
}

std::optional<StoredValue> MemoryStore::get(std::int32_t hive, const std::string& key, const std::string& name) const
{
    const auto it = values.find(place(hive, key, name));
    if (it == values.end()) return std::nullopt;
    return it->second;
}

// A control that refuses keeps what it had, as a real one would.
template <class T>
Status changed(bool refuse, T& to, const T& value)
{
    if (refuse) return invalidPropertyValue();
    to = value;
    return {};
}

Status MemoryLabel::setCaption(const Text& text) { return changed(refuse, text_, text); }
Status MemoryCheckBox::setState(std::int32_t v) { return changed(refuse, state_, v); }
Status MemoryOptionButton::setSelected(bool v) { return changed(refuse, selected_, v); }
Status MemorySlider::setPosition(std::int32_t v) { return changed(refuse, position_, v); }

}  // namespace velmora
