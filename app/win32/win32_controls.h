#pragma once
// The control interfaces over real windows: the rules stay in the portable
// base classes, these only store into and fetch from the HWND.
#include <windows.h>

#include "app/controls.h"

namespace velmora {

class Win32Label : public Label {
public:
    // A label that sizes itself to its text keeps its Left and Top and grows
    // to the right, but never past maxRight (its frame's edge), as a frame
    // clips its contents.
    Win32Label(HWND hwnd, bool autoSize, int maxRight) : hwnd_(hwnd), autoSize_(autoSize), maxRight_(maxRight) {}
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void fitToText() const;

private:
    HWND hwnd_;
    bool autoSize_;
    int maxRight_;
};

class Win32CheckBox : public CheckBox {
public:
    explicit Win32CheckBox(HWND hwnd) : hwnd_(hwnd) {}

protected:
    std::int32_t state() const override;
    void setState(std::int32_t v) override;

private:
    HWND hwnd_;
};

class Win32OptionButton : public OptionButton {
public:
    Win32OptionButton(OptionFrame& frame, HWND hwnd) : OptionButton(frame), hwnd_(hwnd) {}

protected:
    bool selected() const override;
    void setSelected(bool v) override;

private:
    HWND hwnd_;
};

class Win32Slider : public Slider {
public:
    Win32Slider(HWND hwnd, std::int32_t min, std::int32_t max) : Slider(min, max), hwnd_(hwnd) {}

protected:
    std::int32_t position() const override;
    void setPosition(std::int32_t v) override;

private:
    HWND hwnd_;
};

}  // namespace velmora
