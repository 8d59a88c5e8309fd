#pragma once
// The control interfaces over real windows: the rules stay in the portable
// base classes, these only store into and fetch from the HWND.
#include <windows.h>

#include "app/controls.h"

namespace velmora {

// A label's window and how far it may grow: a label that sizes itself to its
// text keeps its Left and Top and grows right and down, but never past its
// frame's edges, as a frame clips its contents.
struct LabelWindow {
    HWND hwnd;
    bool autoSize;
    int maxRight, maxBottom;  // in its parent's client coordinates
};

class Win32Label : public Label {
public:
    explicit Win32Label(const LabelWindow& w) : w_(w) {}
    Text caption() const override;
    Status setCaption(const Text& text) override;
    // Sized as the static control draws the text: tabs expanded, one line
    // for each line break.
    void fitToText() const;

private:
    LabelWindow w_;
};

class Win32CheckBox : public CheckBox {
public:
    explicit Win32CheckBox(HWND hwnd) : hwnd_(hwnd) {}

protected:
    std::int32_t state() const override;
    Status setState(std::int32_t v) override;

private:
    HWND hwnd_;
};

class Win32OptionButton : public OptionButton {
public:
    Win32OptionButton(OptionFrame& frame, HWND hwnd) : OptionButton(frame), hwnd_(hwnd) {}

protected:
    bool selected() const override;
    Status setSelected(bool v) override;

private:
    HWND hwnd_;
};

class Win32Slider : public Slider {
public:
    explicit Win32Slider(HWND hwnd);

protected:
    std::int32_t position() const override;
    Status setPosition(std::int32_t v) override;

private:
    HWND hwnd_;
};

}  // namespace velmora
