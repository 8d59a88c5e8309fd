#include "app/win32/win32_controls.h"

#include <commctrl.h>

#include "app/layout.h"

namespace velmora {

namespace {

Text windowText(HWND h)
{
    Text text;
    text.resize(static_cast<std::size_t>(GetWindowTextLengthA(h)) + 1);
    const int n = GetWindowTextA(h, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

}  // namespace

Text Win32Label::text() const { return windowText(w_.hwnd); }

Status Win32Label::setText(const Text& text)
{
    SetWindowTextA(w_.hwnd, text.c_str());
    if (w_.autoSize) fitToText(w_);
    return {};
}

void Win32Label::fitToText(const LabelWindow& w)
{
    HWND parent = GetParent(w.hwnd);
    RECT r;
    GetWindowRect(w.hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);

    const Text text = windowText(w.hwnd);
    HDC dc = GetDC(w.hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(w.hwnd, WM_GETFONT, 0, 0)));
    RECT box = {0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(w.hwnd, dc);

    auto clamp = [](int want, int room) { return want < room ? want : room > 0 ? room : 0; };
    const int width = clamp(box.right, w.maxRight - r.left);
    const int height = clamp(box.bottom > tm.tmHeight ? box.bottom : tm.tmHeight, w.maxBottom - r.top);
    SetWindowPos(w.hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(parent, &r, TRUE);  // the old, larger box may need repainting
}

std::int32_t Win32CheckBox::state() const { return static_cast<std::int32_t>(SendMessageA(hwnd_, BM_GETCHECK, 0, 0)); }

Status Win32CheckBox::setState(std::int32_t v)
{
    SendMessageA(hwnd_, BM_SETCHECK, static_cast<WPARAM>(v), 0);
    return {};
}

bool Win32OptionButton::selected() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

Status Win32OptionButton::setSelected(bool v)
{
    SendMessageA(hwnd_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    return {};
}

Win32Slider::Win32Slider() : Slider(layout::kSlider1.min, layout::kSlider1.max, layout::kSlider1.value) {}

std::int32_t Win32Slider::position() const { return static_cast<std::int32_t>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)); }

Status Win32Slider::setPosition(std::int32_t v)
{
    SendMessageA(hwnd_, TBM_SETPOS, TRUE, v);
    return {};
}

}  // namespace velmora
