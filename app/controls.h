#pragma once
// What the setting procedures see of the main window's controls. The rules a
// control enforces (a check box's three states, a slider's range, one option
// per frame) live here once; the Win32 adapters and the tests' controls only
// store and fetch, and may refuse a change.
//
// A tab's controls get their windows when the tab is first shown, and the
// load sequence fills them before that: until then a control holds its value
// itself, under the same rules, and hands it to the window when it is made.
// From then on the window is the only copy.
#include <cstdint>

#include "registry/errors.h"
#include "registry/text.h"

namespace velmora {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    bool made() const { return made_; }
    // The window exists now: it takes the value held so far (a window that
    // refuses it fails here), and keeps every later one.
    Status handOver()
    {
        made_ = true;
        return showHeld();
    }

protected:
    virtual Status showHeld() = 0;

private:
    bool made_ = false;
};

class Label : public Control {
public:
    Text caption() const { return made() ? text() : held_; }
    Status setCaption(const Text& text);

protected:
    virtual Text text() const = 0;
    virtual Status setText(const Text& text) = 0;

private:
    Status showHeld() override;
    Text held_;
};

class CheckBox : public Control {
public:
    enum : std::int32_t { Unchecked = 0, Checked = 1, Grayed = 2 };
    std::int32_t value() const { return made() ? state() : held_; }
    // Refuses anything but 0, 1 and 2 (error 380).
    Status setValue(std::int32_t v);

protected:
    virtual std::int32_t state() const = 0;
    virtual Status setState(std::int32_t v) = 0;

private:
    Status showHeld() override { return setState(held_); }
    std::int32_t held_ = Unchecked;
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

class OptionButton : public Control {
public:
    // Once, before any value is set; a button that joins none stands alone.
    void join(OptionFrame& frame)
    {
        frame_ = &frame;
        next_ = frame.first_;
        frame.first_ = this;
    }

    bool value() const { return made() ? selected() : held_; }
    Status setValue(bool v);

protected:
    virtual bool selected() const = 0;
    virtual Status setSelected(bool v) = 0;

private:
    Status put(bool v);
    Status showHeld() override { return setSelected(held_); }
    OptionFrame* frame_ = nullptr;
    OptionButton* next_ = nullptr;  // the frame's buttons, newest first
    bool held_ = false;
};

class Slider : public Control {
public:
    // At `start` until set.
    Slider(std::int32_t min, std::int32_t max, std::int32_t start) : min_(min), max_(max), held_(start) {}
    std::int32_t min() const { return min_; }
    std::int32_t max() const { return max_; }
    std::int32_t value() const { return made() ? position() : held_; }
    // Refuses a position outside min..max (error 380).
    Status setValue(std::int32_t v);

protected:
    virtual std::int32_t position() const = 0;
    virtual Status setPosition(std::int32_t v) = 0;

private:
    Status showHeld() override { return setPosition(held_); }
    std::int32_t min_, max_, held_;
};

}  // namespace velmora
