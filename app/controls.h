#pragma once
// What the setting procedures see of the main window's controls. The rules a
// control enforces (a check box's three states, a slider's range, one option
// per frame) live here once; the Win32 adapters and the tests' controls only
// store and fetch, and may refuse a change.
#include <cstdint>

#include "registry/errors.h"
#include "registry/text.h"

namespace velmora {

class Label {
public:
    virtual ~Label() = default;
    virtual Text caption() const = 0;
    virtual Status setCaption(const Text& text) = 0;
};

class CheckBox {
public:
    enum : std::int32_t { Unchecked = 0, Checked = 1, Grayed = 2 };
    virtual ~CheckBox() = default;
    std::int32_t value() const { return state(); }
    // Refuses anything but 0, 1 and 2 (error 380).
    Status setValue(std::int32_t v);

protected:
    virtual std::int32_t state() const = 0;
    virtual Status setState(std::int32_t v) = 0;
};

class OptionButton;

// The option buttons of one frame: selecting one clears the others.
class OptionFrame {
public:
    OptionFrame() = default;
    OptionFrame(const OptionFrame&) = delete;
    OptionFrame& operator=(const OptionFrame&) = delete;

private:
    friend class OptionButton;
    OptionButton* first_ = nullptr;
};

class OptionButton {
public:
    explicit OptionButton(OptionFrame& frame) : frame_(frame), next_(frame.first_) { frame.first_ = this; }
    OptionButton(const OptionButton&) = delete;
    OptionButton& operator=(const OptionButton&) = delete;
    virtual ~OptionButton() = default;

    bool value() const { return selected(); }
    Status setValue(bool v);

protected:
    virtual bool selected() const = 0;
    virtual Status setSelected(bool v) = 0;

private:
    OptionFrame& frame_;
    OptionButton* next_;  // the frame's buttons, newest first
};

class Slider {
public:
    Slider(std::int32_t min, std::int32_t max) : min_(min), max_(max) {}
    virtual ~Slider() = default;
    std::int32_t min() const { return min_; }
    std::int32_t max() const { return max_; }
    std::int32_t value() const { return position(); }
    // Refuses a position outside min..max (error 380).
    Status setValue(std::int32_t v);

protected:
    virtual std::int32_t position() const = 0;
    virtual Status setPosition(std::int32_t v) = 0;

private:
    std::int32_t min_, max_;
};

}  // namespace velmora
