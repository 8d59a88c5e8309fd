#pragma once
// What the setting procedures see of the main window's controls. The rules a
// control enforces (a check box's three states, a slider's range, one option
// per frame) live here once; the in-memory controls of the unit tests and the
// Win32 adapters only store and fetch.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class Label {
public:
    virtual ~Label() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
};

class CheckBox {
public:
    enum : std::int32_t { Unchecked = 0, Checked = 1, Grayed = 2 };
    virtual ~CheckBox() = default;
    std::int32_t value() const { return state(); }
    // Refuses anything but 0, 1 and 2 (error 380).
    void setValue(std::int32_t v);

protected:
    virtual std::int32_t state() const = 0;
    virtual void setState(std::int32_t v) = 0;
};

class OptionButton;

// The option buttons of one frame: selecting one clears the others.
class OptionFrame {
public:
    void add(OptionButton& b) { buttons_.push_back(&b); }
    const std::vector<OptionButton*>& buttons() const { return buttons_; }

private:
    std::vector<OptionButton*> buttons_;
};

class OptionButton {
public:
    explicit OptionButton(OptionFrame& frame) : frame_(frame) { frame.add(*this); }
    OptionButton(const OptionButton&) = delete;
    OptionButton& operator=(const OptionButton&) = delete;
    virtual ~OptionButton() = default;

    bool value() const { return selected(); }
    void setValue(bool v);

protected:
    virtual bool selected() const = 0;
    virtual void setSelected(bool v) = 0;

private:
    OptionFrame& frame_;
};

class Slider {
public:
    Slider(std::int32_t min, std::int32_t max) : min_(min), max_(max) {}
    virtual ~Slider() = default;
    std::int32_t min() const { return min_; }
    std::int32_t max() const { return max_; }
    std::int32_t value() const { return position(); }
    // Refuses a position outside min..max (error 380).
    void setValue(std::int32_t v);

protected:
    virtual std::int32_t position() const = 0;
    virtual void setPosition(std::int32_t v) = 0;

private:
    std::int32_t min_, max_;
};

}  // namespace velmora
