#pragma once
// F1's help: a small window of Velmora's own beside a control, in the colours
// the system gives tips, wrapped to fit a 640-pixel screen. It never takes
// the focus; any key, click or change of the focus closes it. The first
// Windows 95 common controls (4.00) cannot show a tooltip where a program
// asks, so this is a plain pop-up window, owned by the main window and
// destroyed with it.
#include <windows.h>

#include "registry/text.h"

namespace velmora {

class HelpPopup {
public:
    HelpPopup() = default;
    HelpPopup(const HelpPopup&) = delete;
    HelpPopup& operator=(const HelpPopup&) = delete;

    // What the window is made with, at the first F1, so that the start pays
    // nothing for it; where it cannot be made F1 shows nothing.
    void prepare(HINSTANCE instance, HWND owner, HFONT font, int dpi);
    // Below `anchor` (screen coordinates), or above it where the screen ends.
    void show(const RECT& anchor, const Text& text);
    void hide();
    // Every message of the program's thread passes here first: a key, a click
    // or a focus that moved closes the pop-up. True for a key that did only that.
    bool closesOn(const MSG& msg);

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    bool create();

    HINSTANCE instance_ = nullptr;
    HWND owner_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;  // where the focus was when it was shown
    HFONT font_ = nullptr;
    int dpi_ = 96;
    Text text_;
};

}  // namespace velmora
