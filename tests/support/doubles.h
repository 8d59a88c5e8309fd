#pragma once
// In place of the registry and the window: a registry in memory that records every operation and fails on
// demand, and the window's controls in memory, each known by its name, able to refuse.
#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/form1_controls.h"
#include "app/layout.h"
#include "driver/environment.h"
#include "registry/store.h"
#include "settings/help.h"
#include "tests/support/std_text.h"

namespace velmora {

// Names are compared as the system compares them, without regard to case.
class MemoryStore : public RegistryStore {
public:
    enum class Op { Read, Write, Remove };
    struct Call { Op op; std::int32_t hive; std::string key, name; };
    std::vector<Call> calls;  // every operation; one for whose index `fails` answers true fails and changes nothing
    std::function<bool(std::size_t index)> fails;
    std::size_t listed = 0;  // key names listed, in all

    using Place = std::tuple<std::int32_t, std::string, std::string>;
    static std::string lower(std::string s)
    {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    static Place place(std::int32_t hive, const std::string& key, const std::string& name) { return {hive, lower(key), lower(name)}; }
    std::map<Place, StoredValue> values;
    std::set<std::pair<std::int32_t, std::string>> keys;  // in lower case; a key's parents are keys too

    Status read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out) override
    {
        VELMORA_TRY(counted(Op::Read, hive, key, name));
        const auto v = get(hive, str(key), str(name));
        return v ? (out = *v, Status()) : registryError(2);
    }
    Status write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v) override
    {
        VELMORA_TRY(counted(Op::Write, hive, key, name));
        return set(hive, str(key), str(name), v), Status();
    }
    Status remove(std::int32_t hive, const Text& key, const Text& name) override
    {
        VELMORA_TRY(counted(Op::Remove, hive, key, name));
        return values.erase(place(hive, str(key), str(name))), Status();
    }
    Status subkeys(std::int32_t hive, const Text& key, Vec<Text>& names) override
    {
        if (!hasKey(hive, key)) return registryError(2);
        const std::string parent = std::get<1>(place(hive, str(key), "")) + "\\";
        names.clear();
        for (const auto& [h, k] : keys)
            if (h == hive && k.rfind(parent, 0) == 0 && k.find('\\', parent.size()) == std::string::npos) names.push_back(text(k.substr(parent.size())));
        return listed += names.size(), Status();
    }
    bool hasKey(std::int32_t hive, const Text& key) override { return keys.count({hive, lower(str(key))}); }

    void createKey(std::int32_t hive, const std::string& key)
    {
        for (std::size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1)) keys.insert({hive, lower(key.substr(0, end))});
        keys.insert({hive, lower(key)});
    }
    void set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v) { createKey(hive, key), values[place(hive, key, name)] = v; }
    std::optional<StoredValue> get(std::int32_t hive, const std::string& key, const std::string& name) const
    {
        const auto it = values.find(place(hive, key, name));
        return it == values.end() ? std::nullopt : std::optional<StoredValue>(it->second);
    }

private:
    Status counted(Op op, std::int32_t hive, const Text& key, const Text& name)
    {
        calls.push_back({op, hive, str(key), str(name)});
        return fails && fails(calls.size() - 1) ? registryError(31) : Status();
    }
};

// A line in the tip's font (MS Sans Serif 8 at 96 DPI) as its widest letters take it: 620 pixels fit the screen.
struct TipFont : LineFit {
    static int width(const Text& line)
    {
        int w = 0;
        for (const char c : str(line)) w += std::strchr("MWmw@", c) ? 11 : std::isupper(static_cast<unsigned char>(c)) ? 7 : 5;
        return w;
    }
    bool fits(const Text& line) const override { return width(line) <= 620; }
};

// A program's environment in memory; names ignore case, as on Windows.
struct MemoryEnvironment : Environment {
    std::map<std::string, std::string> vars;
    bool get(const char* name, Text& value) override
    {
        for (const auto& [n, v] : vars)
            if (MemoryStore::lower(n) == MemoryStore::lower(name)) return value = text(v), true;
        return false;
    }
};

// What a control's window shows, as text ("Unknown", "1" for a checked box or a selected option, "180" for the
// slider); it refuses every change (error 380) when told to. Until handOver() the control holds its value itself.
struct MemoryControl {
    explicit MemoryControl(std::string state) : shown(std::move(state)) {}
    virtual ~MemoryControl() = default;
    virtual Status show(const std::string& state) = 0;  // as a user would change it
    Status change(const std::string& to) { return refuse ? invalidPropertyValue() : (shown = to, Status()); }
    std::string shown;
    bool refuse = false;
};
using MemoryControls = std::map<std::string, MemoryControl*>;

struct MemoryLabel : Label, MemoryControl {
    MemoryLabel() : MemoryControl("") {}
    Text text() const override { return velmora::text(shown); }
    Status setText(const Text& t) override { return change(str(t)); }
    Status show(const std::string& s) override { return setCaption(velmora::text(s)); }
};

struct MemoryCheckBox : CheckBox, MemoryControl {
    MemoryCheckBox() : MemoryControl("0") {}
    std::int32_t state() const override { return std::stoi(shown); }
    Status setState(std::int32_t v) override { return change(std::to_string(v)); }
    Status show(const std::string& s) override { return setValue(std::stoi(s)); }
};

struct MemoryOptionButton : OptionButton, MemoryControl {
    MemoryOptionButton() : MemoryControl("0") {}
    bool selected() const override { return shown == "1"; }
    Status setSelected(bool v) override { return change(v ? "1" : "0"); }
    Status show(const std::string& s) override { return setValue(s == "1"); }
};

struct MemorySlider : Slider, MemoryControl {
    MemorySlider() : Slider(layout::kSlider1.min, layout::kSlider1.max, layout::kSlider1.value), MemoryControl("143") {}
    std::int32_t position() const override { return std::stoi(shown); }
    Status setPosition(std::int32_t v) override { return change(std::to_string(v)); }
    Status show(const std::string& s) override { return setValue(std::stoi(s)); }
};

// The main window's controls as it creates them, each also found by name, their windows made at once.
struct MemoryForm1Controls {
    MemoryForm1Controls()
    {
        set.each([&](const char* name, auto& c) {
            byName[name] = &c;
            static_cast<void>(c.handOver());
        });
    }
    MemoryControls byName;
    Form1ControlSet<MemoryLabel, MemoryCheckBox, MemoryOptionButton, MemorySlider> set;
    Form1Controls controls() { return set.controls(); }
    std::map<std::string, std::string> view() const  // what a user sees, by name
    {
        std::map<std::string, std::string> v;
        for (const auto& [name, control] : byName) v[name] = control->shown;
        return v;
    }
};

}  // namespace velmora
