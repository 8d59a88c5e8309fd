#include "app/win32/help_tips.h"

#include <commctrl.h>

#include "app/win32/main_window.h"

namespace velmora {
namespace {

// comctl32 4.70 and later wrap a tip at the width this message gives and
// answer the width before it (-1); 4.00 does not know the message, answers
// 0 and shows every tip on one line, so the help gives it one line.
constexpr UINT kSetMaxTipWidth = WM_USER + 24, kGetMaxTipWidth = WM_USER + 25;
constexpr int kTipWidth = 320;  // pixels at 96 DPI
constexpr int kShownFor = 30000;  // ms: long enough to read three lines

// Labels and frames let the mouse through to the page below them, so their
// tip is the page's, over their rectangle; the other controls have their own.
TOOLINFOA toolFor(const layout::Control& c, HWND control, const Text& text)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = GetParent(control);
    ti.lpszText = const_cast<char*>(text.c_str());  // the tooltip keeps a copy
    if (c.kind == layout::Kind::Label || c.kind == layout::Kind::Frame) {
        ti.uFlags = TTF_SUBCLASS;
        ti.uId = static_cast<UINT_PTR>(c.id);
        GetWindowRect(control, &ti.rect);
        MapWindowPoints(nullptr, ti.hwnd, reinterpret_cast<POINT*>(&ti.rect), 2);
    } else {
        ti.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(control);
    }
    return ti;
}

}  // namespace

HWND createHelpTips(HWND window, HINSTANCE instance, int dpi)
{
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance,
                                nullptr);
    if (!tips) return nullptr;
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kShownFor, 0));
    SendMessageA(tips, kSetMaxTipWidth, 0, MulDiv(kTipWidth, dpi, 96));
    return tips;
}

void addHelpTips(HWND tips, const MainWindow& window, const HelpBook& help, int tab)
{
    const bool wraps = SendMessageA(tips, kGetMaxTipWidth, 0, 0) > 0;
    for (const ControlHelp& row : helpRows()) {
        const layout::Control& c = layout::get(row.control);
        if (layout::tabOf(c) != tab) continue;
        const Text text = help.help(row.control, !wraps);
        TOOLINFOA ti = toolFor(c, window.control(row.control), text);
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

}  // namespace velmora
