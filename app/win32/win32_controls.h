#pragma once
// The control interfaces over real windows: the rules and the value held
// before the window exists stay in the portable base classes; these only
// store into and fetch from the HWND, once `make` has given it.
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
    Status make(const LabelWindow& w)
    {
        w_ = w;
        return handOver();
    }
    // Sized as the static control draws the text: tabs expanded, one line
    // for each line break.
    static void fitToText(const LabelWindow& w);

protected:
    Text text() const override;
    Status setText(const Text& text) override;

private:
    LabelWindow w_ = {};
};

class Win32CheckBox : public CheckBox {
public:
    Status make(HWND hwnd)
    {
        hwnd_ = hwnd;
        return handOver();
    }

protected:
    std::int32_t state() const override;
    Status setState(std::int32_t v) override;

private:
    HWND hwnd_ = nullptr;
};

class Win32OptionButton : public OptionButton {
public:
    Status make(HWND hwnd)
    {
        hwnd_ = hwnd;
        return handOver();
    }

protected:
    bool selected() const override;
    Status setSelected(bool v) override;

private:
    HWND hwnd_ = nullptr;
};

class Win32Slider : public Slider {
public:
    Win32Slider();
    Status make(HWND hwnd)
    {
        hwnd_ = hwnd;
        return handOver();
    }

protected:
    std::int32_t position() const override;
    Status setPosition(std::int32_t v) override;

private:
    HWND hwnd_ = nullptr;
};

}  // namespace velmora
