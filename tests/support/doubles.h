#pragma once
// What the unit tests put in place of the registry and the window: a registry
// in memory that records every operation and fails on demand, and controls
// in memory that can refuse a change.
#include <functional>
#include <map>
#include <optional>
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

    // Every operation, in order. An operation for which `fails` answers true
    // (given its index in `calls`) fails and changes nothing.
    std::vector<Call> calls;
    std::function<bool(std::size_t index, const Call&)> fails;

    void set(std::int32_t hive, const std::string& key, const std::string& name, const StoredValue& v);
    std::optional<StoredValue> get(std::int32_t hive, const std::string& key, const std::string& name) const;
    // Names are compared as the system compares them, without regard to case.
    using Place = std::tuple<std::int32_t, std::string, std::string>;
    static Place place(std::int32_t hive, const std::string& key, const std::string& name);
    std::map<Place, StoredValue> values;

private:
    bool counted(Op op, std::int32_t hive, const Text& key, const Text& name);
};

class MemoryLabel : public Label {
public:
    explicit MemoryLabel(const char* = "") {}
    Text caption() const override { return text_; }
    Status setCaption(const Text& text) override;
    bool refuse = false;

private:
    Text text_;
};

class MemoryCheckBox : public CheckBox {
public:
    explicit MemoryCheckBox(const char* = "") {}
    bool refuse = false;

protected:
    std::int32_t state() const override { return state_; }
    Status setState(std::int32_t v) override;

private:
    std::int32_t state_ = Unchecked;
};

class MemoryOptionButton : public OptionButton {
public:
    explicit MemoryOptionButton(OptionFrame& frame, const char* = "") : OptionButton(frame) {}
    bool refuse = false;

protected:
    bool selected() const override { return selected_; }
    Status setSelected(bool v) override;

private:
    bool selected_ = false;
};

class MemorySlider : public Slider {
public:
    explicit MemorySlider(const char* = "") : Slider(layout::kSlider1.min, layout::kSlider1.max) {}
    bool refuse = false;

protected:
    std::int32_t position() const override { return position_; }
    Status setPosition(std::int32_t v) override;

private:
    std::int32_t position_ = layout::kSlider1.value;
};

// The main window's setting controls in the states the window creates them
// with: labels empty, boxes cleared, no option selected, the slider at 143.
struct MemoryMake {
    const char* label(const char* name) { return name; }
    const char* check(const char* name) { return name; }
    const char* option(const char* name) { return name; }
    const char* slider(const char* name) { return name; }
};
struct MemoryForm1Controls : Form1ControlSet<MemoryLabel, MemoryCheckBox, MemoryOptionButton, MemorySlider> {
    MemoryForm1Controls() : Form1ControlSet(MemoryMake{}) {}
};

}  // namespace velmora
