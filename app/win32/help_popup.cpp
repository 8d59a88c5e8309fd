#include "app/win32/help_popup.h"

namespace velmora {
namespace {

const char kPopupClass[] = "VelmoraHelp";
constexpr int kWidth = 320;  // pixels at 96 DPI, the tips' width: half a 640-pixel screen
constexpr int kMargin = 4;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

void HelpPopup::prepare(HINSTANCE instance, HWND owner, HFONT font, int dpi)
{
    instance_ = instance;
    owner_ = owner;
    font_ = font;
    dpi_ = dpi;
}

bool HelpPopup::create()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    wc.lpszClassName = kPopupClass;
    if (!RegisterClassA(&wc)) return false;
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, owner_,
                            nullptr, instance_, nullptr);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return hwnd_ != nullptr;
}

void HelpPopup::show(const RECT& anchor, const Text& text)
{
    if (!hwnd_ && (!owner_ || !create())) return;
    text_ = text;
    SetWindowTextA(hwnd_, text.c_str());  // what a screen reader, or a test, reads
    const int margin = MulDiv(kMargin, dpi_, 96);
    RECT r = {0, 0, MulDiv(kWidth, dpi_, 96), 0};
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    DrawTextA(dc, text.c_str(), -1, &r, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    const int w = r.right + 2 * margin + 2, h = r.bottom + 2 * margin + 2;  // the border takes a pixel each side

    RECT screen;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    int x = anchor.left, y = anchor.bottom + 2;
    if (y + h > screen.bottom) y = anchor.top - 2 - h;
    if (x + w > screen.right) x = screen.right - w;
    x = x < screen.left ? screen.left : x;
    y = y < screen.top ? screen.top : y;
    focus_ = GetFocus();
    // Placed, then shown: under Wine a window that SetWindowPos alone showed
    // counted as visible but was not drawn.
    SetWindowPos(hwnd_, HWND_TOPMOST, x, y, w, h, SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void HelpPopup::hide()
{
    if (hwnd_ && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

bool HelpPopup::closesOn(const MSG& msg)
{
    if (!hwnd_ || !IsWindowVisible(hwnd_)) return false;
    // F1 again shows the help again; every other key only closes it.
    const bool key = (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && msg.wParam != VK_F1;
    const bool click = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
                       msg.message == WM_MBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN ||
                       msg.message == WM_NCRBUTTONDOWN || msg.message == WM_NCMBUTTONDOWN;
    if (key || click || GetFocus() != focus_) hide();
    return key;
}

LRESULT CALLBACK HelpPopup::proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    auto* self = reinterpret_cast<HelpPopup*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    switch (m) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;  // a click closes it and leaves the focus where it is
    case WM_PAINT:
        if (self) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            RECT r;
            GetClientRect(h, &r);
            const int margin = MulDiv(kMargin, self->dpi_, 96);
            InflateRect(&r, -margin, -margin);
            HGDIOBJ old = SelectObject(dc, self->font_);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, self->text_.c_str(), -1, &r, kTextFormat);
            SelectObject(dc, old);
            EndPaint(h, &ps);
            return 0;
        }
        break;
    }
    return DefWindowProcA(h, m, w, l);
}

}  // namespace velmora
