#include "app/win32/win32_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace velmora {

std::string Win32Label::caption() const
{
    std::vector<char> buf(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1);
    const int n = GetWindowTextA(hwnd_, buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data(), static_cast<std::size_t>(std::max(n, 0)));
}

void Win32Label::setCaption(const std::string& text)
{
    SetWindowTextA(hwnd_, text.c_str());
    if (autoSize_) fitToText();
}

void Win32Label::fitToText() const
{
    HWND parent = GetParent(hwnd_);
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);

    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    const std::string text = caption();
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);

    const int width = std::min<int>(size.cx, std::max<int>(0, maxRight_ - r.left));
    SetWindowPos(hwnd_, nullptr, 0, 0, width, tm.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(parent, &r, TRUE);  // the old, wider box may need repainting
}

std::int32_t Win32CheckBox::state() const { return static_cast<std::int32_t>(SendMessageA(hwnd_, BM_GETCHECK, 0, 0)); }

void Win32CheckBox::setState(std::int32_t v) { SendMessageA(hwnd_, BM_SETCHECK, static_cast<WPARAM>(v), 0); }

bool Win32OptionButton::selected() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32OptionButton::setSelected(bool v) { SendMessageA(hwnd_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0); }

std::int32_t Win32Slider::position() const { return static_cast<std::int32_t>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)); }

void Win32Slider::setPosition(std::int32_t v) { SendMessageA(hwnd_, TBM_SETPOS, TRUE, v); }

}  // namespace velmora
