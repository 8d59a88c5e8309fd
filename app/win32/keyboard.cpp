// The main window for a keyboard user, as every Windows 95 property sheet
// serves one: F1 shows the focused control's help, Ctrl+Tab and Ctrl+Page
// Down show the next tab, Ctrl+Shift+Tab and Ctrl+Page Up the one before,
// wrapping round; Ctrl+C copies the report.
#include <commctrl.h>

#include "app/win32/main_window.h"

namespace velmora {

bool MainWindow::preTranslate(const MSG& m)
{
    if (popup_.closesOn(m)) return true;
    if (m.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || (m.hwnd != hwnd_ && !IsChild(hwnd_, m.hwnd)))
        return false;
    // A control that asks for every key keeps these too, as in a property sheet.
    if (SendMessageA(m.hwnd, WM_GETDLGCODE, m.wParam, reinterpret_cast<LPARAM>(&m)) & DLGC_WANTMESSAGE) return false;
    switch (m.wParam) {
    case VK_TAB: stepTab(GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return true;
    case VK_NEXT: stepTab(1); return true;
    case VK_PRIOR: stepTab(-1); return true;
    case 'C': copyReport(); return true;
    }
    return false;
}

// The focus follows as a property sheet moves it: from a control of the page
// to the first control of the new page (the tab row where it has none); on
// the tab row or a button it stays.
void MainWindow::stepTab(int step)
{
    const int from = static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0));
    const int to = (from + step + layout::kTabCount) % layout::kTabCount;
    HWND focus = GetFocus();
    const bool inPage = focus && IsChild(pages_[from], focus);
    selectTab(to);
    if (!inPage) return;
    HWND first = GetNextDlgTabItem(pages_[to], nullptr, FALSE);
    const bool stop = first && IsChild(pages_[to], first) && (GetWindowLongA(first, GWL_STYLE) & WS_TABSTOP);
    SetFocus(stop ? first : tab_);
}

// On the tab row, the help of the page it shows, under its tab: the first of
// its controls that has help, its frame where that has.
void MainWindow::showHelpFor(HWND item)
{
    const layout::Control* c = rowOf(item);
    if (!c) return;
    RECT anchor;
    GetWindowRect(item, &anchor);
    if (c->kind == layout::Kind::TabControl) {
        const int tab = static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0));
        c = nullptr;
        for (const layout::Control* onPage : layout::onTab(tab))
            if (!c && helpRows().find(onPage->name)) c = onPage;
        SendMessageA(tab_, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&anchor));
        MapWindowPoints(tab_, nullptr, reinterpret_cast<POINT*>(&anchor), 2);
    }
    if (c) popup_.show(anchor, help_->help(c->name, false));
}

}  // namespace velmora
