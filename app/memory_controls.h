#pragma once
// Controls that live in memory, for the unit tests and for running the
// sequences without a window. Each can be told to refuse every change, which
// is how a failure inside a fallback is provoked.
#include "app/controls.h"

namespace velmora {

class MemoryLabel : public Label {
public:
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override;
    bool refuse = false;

private:
    std::string caption_;
};

class MemoryCheckBox : public CheckBox {
public:
    bool refuse = false;

protected:
    std::int32_t state() const override { return state_; }
    void setState(std::int32_t v) override;

private:
    std::int32_t state_ = Unchecked;
};

class MemoryOptionButton : public OptionButton {
public:
    using OptionButton::OptionButton;
    bool refuse = false;

protected:
    bool selected() const override { return selected_; }
    void setSelected(bool v) override;

private:
    bool selected_ = false;
};

class MemorySlider : public Slider {
public:
    MemorySlider(std::int32_t min, std::int32_t max, std::int32_t start) : Slider(min, max), position_(start) {}
    bool refuse = false;

protected:
    std::int32_t position() const override { return position_; }
    void setPosition(std::int32_t v) override;

private:
    std::int32_t position_;
};

}  // namespace velmora
