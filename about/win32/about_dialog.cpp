#include "about/win32/about_dialog.h"

#include "about/about_layout.h"
#include "about/sysinfo.h"
#include "about/win32/win32_sysinfo.h"
#include "app/win32/gdi.h"
#include "app/win32/report.h"
#include "app/win32/win32_controls.h"

namespace velmora {
namespace {

namespace L = about::layout;

COLORREF colorOf(layout::OleColor c)
{
    return layout::isSystemColor(c) ? GetSysColor(layout::systemColorIndex(c)) : static_cast<COLORREF>(c);
}

// A template without controls: they are placed in pixels from the table once
// the dialog exists, which dialog units could not do exactly.
Vec<WORD> emptyTemplate(DWORD style, const char* title)
{
    // DLGTEMPLATE word by word: style, extended style, no controls, position
    // and size (set once the dialog exists), no menu, the system's dialog class.
    Vec<WORD> t = {LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const char* p = title; *p; ++p) t.push_back(static_cast<unsigned char>(*p));
    t.push_back(0);
    return t;
}

layout::Pixels pixels(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Each monitor and its work area. The monitor functions came with Windows 98:
// found at run time, so that Windows 95 still loads the program.
struct MonitorList {
    BOOL(WINAPI* info)(HMONITOR, MONITORINFO*);
    Vec<L::Screen> screens;

    static BOOL CALLBACK add(HMONITOR monitor, HDC, RECT*, LPARAM list)
    {
        auto* self = reinterpret_cast<MonitorList*>(list);
        MONITORINFO mi = {};
        mi.cbSize = sizeof mi;
        if (self->info(monitor, &mi)) self->screens.push_back({pixels(mi.rcMonitor), pixels(mi.rcWork)});
        return TRUE;
    }
};

template <class F>
F optionalUser32(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("USER32"), name)));
}

Vec<L::Screen> screens()
{
    MonitorList list = {optionalUser32<decltype(MonitorList::info)>("GetMonitorInfoA"), {}};
    using Enumerate = BOOL(WINAPI*)(HDC, const RECT*, MONITORENUMPROC, LPARAM);
    if (const auto enumerate = optionalUser32<Enumerate>("EnumDisplayMonitors"); enumerate && list.info)
        enumerate(nullptr, nullptr, MonitorList::add, reinterpret_cast<LPARAM>(&list));
    if (list.screens.empty()) {  // Windows 95: the one screen, less the taskbar
        const RECT all = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT work = all;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        list.screens.push_back({pixels(all), pixels(work)});
    }
    return list.screens;
}

class AboutDialog {
public:
    static Status open(HINSTANCE instance, HWND owner);
    static AboutDialog* current() { return current_; }
    HWND hwnd() const { return hwnd_; }

private:
    AboutDialog(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

    static INT_PTR CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    INT_PTR handle(UINT m, WPARAM w, LPARAM l);
    Status onInit();
    void placeOverOwner();
    Status createControl(const layout::Control& c);
    void paint();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    static AboutDialog* current_;  // the one shared instance, gone with its window

    HINSTANCE instance_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    Font regular_, bold_;
    Bitmap flag_;
    Vec<HWND> labels_{Vec<HWND>(L::controls().size())};  // by row of the dialog's table, for their colours
};

AboutDialog* AboutDialog::current_;

Status AboutDialog::open(HINSTANCE instance, HWND owner)
{
    const Vec<WORD> t = emptyTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L::kCaption);
    current_ = new AboutDialog(instance, owner);
    if (!CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner, proc,
                                    reinterpret_cast<LPARAM>(current_))) {
        delete current_;
        current_ = nullptr;
        return outOfMemory();
    }
    return {};
}

Status AboutDialog::onInit()
{
    dpi_ = screenDpi();
    regular_ = designFont(layout::Font::Default, dpi_);
    bold_ = designFont(layout::Font::Bold, dpi_);
    flag_ = Bitmap(static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(L::get("Image1").picture), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));

    placeOverOwner();
    // In tab order, so that the window order is the tab order.
    Vec<const layout::Control*> ordered;
    for (const layout::Control& c : L::controls())
        if (c.kind != layout::Kind::Picture) ordered.push_back(&c);
    layout::sortByTabIndex(ordered);
    for (const layout::Control* c : ordered) VELMORA_TRY(createControl(*c));
    SendMessageA(hwnd_, DM_SETDEFID, L::kOkId, 0);
    return {};
}

// Centred over the main window, inside the work area of the screen that shows most of it.
void AboutDialog::placeOverOwner()
{
    RECT r = {0, 0, layout::toPixels(L::kClientWidth, dpi_), layout::toPixels(L::kClientHeight, dpi_)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    const Vec<L::Screen> all = screens();
    layout::Pixels owner = all[0].area;
    if (RECT o; owner_ && GetWindowRect(owner_, &o)) owner = pixels(o);
    const layout::Pixels at = L::placeOver(owner, r.right - r.left, r.bottom - r.top, {all.data(), all.size()});
    SetWindowPos(hwnd_, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Status AboutDialog::createControl(const layout::Control& c)
{
    const layout::Pixels p = layout::toPixels(c.rect, dpi_);
    DWORD style = WS_CHILD | WS_VISIBLE;
    const char* windowClass = "STATIC";
    if (c.kind == layout::Kind::CommandButton) {
        windowClass = "BUTTON";
        style |= WS_TABSTOP | (c.id == L::kOkId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    } else {
        style |= SS_NOPREFIX | (c.has(layout::Centred) ? SS_CENTER : SS_LEFT);
        if (!c.has(layout::Centred) && !c.has(layout::WordWrap)) style |= SS_LEFTNOWORDWRAP;
    }
    HWND h = CreateWindowExA(0, windowClass, c.caption, style, p.left, p.top, p.width, p.height, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
    if (!h) return outOfMemory();
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font == layout::Font::Bold ? bold_.get() : regular_.get()),
                 FALSE);
    if (c.kind == layout::Kind::Label) {
        labels_[static_cast<std::size_t>(&c - L::controls().begin())] = h;
        if (c.has(layout::AutoSize)) Win32Label::fitToText({h, true, 1 << 20, 1 << 20});
    }
    return {};
}

void AboutDialog::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (flag_.get()) {
        BITMAP bm;
        GetObjectA(flag_.get(), sizeof bm, &bm);
        const layout::Pixels box = layout::toPixels(L::get("Image1").rect, dpi_);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, flag_.get());
        SetStretchBltMode(dc, COLORONCOLOR);  // HALFTONE is NT only
        StretchBlt(dc, box.left, box.top, box.width, box.height, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    // Line widths are in pixels whatever the DPI.
    for (const L::Line& line : L::lines()) {
        const Brush brush(CreateSolidBrush(colorOf(line.color)));
        const int y = layout::toPixels(line.y1, dpi_);
        const RECT r = {layout::toPixels(line.x1, dpi_), y, layout::toPixels(line.x2, dpi_), y + line.widthPixels};
        FillRect(dc, &r, brush.get());
    }
    EndPaint(hwnd_, &ps);
}

// Enabled first, so that the main window takes the activation back.
void AboutDialog::cmdOK_Click()
{
    EnableWindow(owner_, TRUE);
    DestroyWindow(hwnd_);  // this object is gone when it returns
}

void AboutDialog::cmdSysInfo_Click()
{
    Win32SysInfo system(hwnd_);
    about::StartSysInfo(system);
}

INT_PTR AboutDialog::handle(UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_INITDIALOG:
        endOnFailure(owner_, onInit());
        return FALSE;  // focus is given when shown
    case WM_COMMAND:
        // Enter and Esc arrive as IDOK and IDCANCEL, and both mean OK.
        if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
            cmdOK_Click();
        } else if (LOWORD(w) == L::kSysInfoId && HIWORD(w) == BN_CLICKED) {
            cmdSysInfo_Click();
        }
        return TRUE;
    case WM_CLOSE: cmdOK_Click(); return TRUE;  // the close box is one more OK
    case WM_PAINT: paint(); return TRUE;
    case WM_CTLCOLORSTATIC: {
        for (std::size_t i = 0; i < L::controls().size(); ++i)
            if (labels_[i] && labels_[i] == reinterpret_cast<HWND>(l)) {
                HDC dc = reinterpret_cast<HDC>(w);
                SetTextColor(dc, colorOf(L::controls()[i].foreColor));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            }
        return FALSE;
    }
    case WM_NCDESTROY:
        delete current_;
        current_ = nullptr;
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutDialog::proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_INITDIALOG) {
        SetWindowLongPtrA(h, DWLP_USER, l);
        reinterpret_cast<AboutDialog*>(l)->hwnd_ = h;
    }
    auto* self = reinterpret_cast<AboutDialog*>(GetWindowLongPtrA(h, DWLP_USER));
    if (!self) return FALSE;
    if (m == WM_NCDESTROY) SetWindowLongPtrA(h, DWLP_USER, 0);
    return self->handle(m, w, l);
}

}  // namespace

Status Command3_Click(HINSTANCE instance, HWND mainWindow)
{
    if (!AboutDialog::current()) VELMORA_TRY(AboutDialog::open(instance, mainWindow));
    HWND dialog = AboutDialog::current()->hwnd();
    ShowWindow(dialog, SW_SHOW);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, L::kOkId)), TRUE);
    EnableWindow(mainWindow, FALSE);
    return {};
}

HWND aboutWindow()
{
    const AboutDialog* d = AboutDialog::current();
    return d ? d->hwnd() : nullptr;
}

}  // namespace velmora
