#pragma once
// What the unit tests put in place of the registry and the window: a registry
// in memory that records every operation and fails on demand, and the
// window's controls in memory, each known by its name, able to refuse.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/form1_controls.h"
#include "app/layout.h"
#include "registry/store.h"
#include "tests/support/std_text.h"

namespace velmora {

class MemoryStore : public RegistryStore {
public:
    enum class Op { Read, Write, Remove };
    struct Call {
        Op op;
        std::int32_t hive;
        std::string key, name;
    };

    Status read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out) override;
    Status write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v) override;
    Status remove(std::int32_t hive, const Text& key, const Text& name) override;
    Status subkeys(std::int32_t hive, const Text& key, Vec<Text>& names) override;
    bool hasKey(std::int32_t hive, const Text& key) override;

    // Every operation, in order. An operation for which `fails` answers true
    // (given its index in `calls`) fails and changes nothing.
    std::vector<Call> calls;
    std::function<bool(std::size_t index, const Call&)> fails;

    // Names are compared as the system compares them, without regard to case.
    using Place = std::tuple<std::int32_t, std::string, std::string>;
    static Place place(std::int32_t hive, const std::string& key, const std::string& name);
    std::map<Place, StoredValue> values;
    std::set<std::pair<std::int32_t, std::string>> keys;  // a key's parents are keys too
    void createKey(std::int32_t hive, const std::string& key);
    void set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v);
    std::optional<StoredValue> get(std::int32_t hive, const std::string& key, const std::string& name) const;

private:
    Status counted(Op op, std::int32_t hive, const Text& key, const Text& name);
};

// A control in memory as a test sees it: what it shows, as text ("Unknown",
// "1" for a checked box or a selected option, "180" for the slider), and a
// change a user could make, which it refuses (error 380) when told to.
struct MemoryControl {
    virtual ~MemoryControl() = default;
    virtual std::string shown() const = 0;
    virtual Status show(const std::string& state) = 0;
    bool refuse = false;
};
using MemoryControls = std::map<std::string, MemoryControl*>;
using MemoryName = std::pair<MemoryControls*, const char*>;  // where it registers, as what

class MemoryLabel : public Label, public MemoryControl {
public:
    explicit MemoryLabel(MemoryName n) { (*n.first)[n.second] = this; }
    Text caption() const override { return text_; }
    Status setCaption(const Text& text) override;
    std::string shown() const override { return str(text_); }
    Status show(const std::string& s) override { return setCaption(text(s)); }

private:
    Text text_;
};

class MemoryCheckBox : public CheckBox, public MemoryControl {
public:
    explicit MemoryCheckBox(MemoryName n) { (*n.first)[n.second] = this; }
    std::string shown() const override { return std::to_string(state_); }
    Status show(const std::string& s) override { return setValue(std::stoi(s)); }

protected:
    std::int32_t state() const override { return state_; }
    Status setState(std::int32_t v) override;

private:
    std::int32_t state_ = Unchecked;
};

class MemoryOptionButton : public OptionButton, public MemoryControl {
public:
    MemoryOptionButton(OptionFrame& frame, MemoryName n) : OptionButton(frame) { (*n.first)[n.second] = this; }
    std::string shown() const override { return selected_ ? "1" : "0"; }
    Status show(const std::string& s) override { return setValue(s == "1"); }

protected:
    bool selected() const override { return selected_; }
    Status setSelected(bool v) override;

private:
    bool selected_ = false;
};

class MemorySlider : public Slider, public MemoryControl {
public:
    explicit MemorySlider(MemoryName n) : Slider(layout::kSlider1.min, layout::kSlider1.max) { (*n.first)[n.second] = this; }
    std::string shown() const override { return std::to_string(position_); }
    Status show(const std::string& s) override { return setValue(std::stoi(s)); }

protected:
    std::int32_t position() const override { return position_; }
    Status setPosition(std::int32_t v) override;

private:
    std::int32_t position_ = layout::kSlider1.value;
};

struct MemoryMake {
    MemoryControls* all;
    MemoryName label(const char* name) { return {all, name}; }
    MemoryName check(const char* name) { return {all, name}; }
    MemoryName option(const char* name) { return {all, name}; }
    MemoryName slider(const char* name) { return {all, name}; }
};

// The main window's setting controls in the states the window creates them
// with (labels empty, boxes cleared, no option selected, the slider at 143),
// each also found by name in `byName`.
struct MemoryForm1Controls {
    MemoryControls byName;
    Form1ControlSet<MemoryLabel, MemoryCheckBox, MemoryOptionButton, MemorySlider> set{MemoryMake{&byName}};
    Form1Controls controls() { return set.controls(); }
    // What a user sees: every control by name.
    std::map<std::string, std::string> view() const;
};

}  // namespace velmora
