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
ToolInfo400 toolFor(const layout::Control& c, HWND control, const Text& text)
{
    ToolInfo400 ti = {};
    ti.cbSize = sizeof ti;
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

// Where the tooltip shows one line, that line must fit a 640-pixel screen,
// borders and margins included, in the tooltip's own font.
class TipLineFit : public LineFit {
public:
    explicit TipLineFit(HWND tips) : tips_(tips), dc_(GetDC(tips))
    {
        old_ = SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageA(tips, WM_GETFONT, 0, 0)));
    }
    TipLineFit(const TipLineFit&) = delete;
    TipLineFit& operator=(const TipLineFit&) = delete;
    ~TipLineFit() override
    {
        SelectObject(dc_, old_);
        ReleaseDC(tips_, dc_);
    }
    bool fits(const Text& line) const override
    {
        SIZE size = {};
        return GetTextExtentPoint32A(dc_, line.c_str(), static_cast<int>(line.size()), &size) && size.cx <= 620;
    }

private:
    HWND tips_;
    HDC dc_;
    HGDIOBJ old_;
};

// Every tip of the controls whose windows exist on the tab's page
// (layout::kNotOnTab: the window's own buttons; kAllTabs: every page made
// so far), with the help's text of this moment.
constexpr int kAllTabs = -2;
template <class Each>
void forEachTip(HWND tips, const MainWindow& window, const HelpBook& help, int tab, Each each)
{
    const bool wraps = SendMessageA(tips, kGetMaxTipWidth, 0, 0) > 0;
    const TipLineFit oneLine(tips);
    for (const ControlHelp& row : helpRows()) {
        const layout::Control& c = layout::get(row.control);
        HWND control = window.control(row.control);
        if ((tab != kAllTabs && layout::tabOf(c) != tab) || !control) continue;
        const Text text = wraps ? help.help(row.control, false) : help.help(row.control, oneLine);
        ToolInfo400 ti = toolFor(c, control, text);
        each(ti);
    }
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
    forEachTip(tips, window, help, tab,
               [tips](ToolInfo400& ti) { SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)); });
}

void updateHelpTips(HWND tips, const MainWindow& window, const HelpBook& help)
{
    if (!tips) return;
    forEachTip(tips, window, help, kAllTabs,
               [tips](ToolInfo400& ti) { SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti)); });
}

}  // namespace velmora
