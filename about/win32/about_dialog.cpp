#include "about/win32/about_dialog.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <exception>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "about/about_layout.h"
#include "about/sysinfo.h"
#include "about/win32/win32_sysinfo.h"
#include "app/win32/gdi.h"
#include "app/win32/report.h"
#include "app/win32/win32_controls.h"
#include "registry/errors.h"

namespace velmora {
namespace {

namespace L = about::layout;

COLORREF colorOf(layout::OleColor c)
{
    return layout::isSystemColor(c) ? GetSysColor(layout::systemColorIndex(c)) : static_cast<COLORREF>(c);
}

// A template without controls: they are placed in pixels from the table once
// the dialog exists, which dialog units could not do exactly.
std::vector<WORD> emptyTemplate(DWORD style, const char* title)
{
    DLGTEMPLATE head = {};
    head.style = style;
    std::vector<WORD> t(sizeof head / sizeof(WORD));
    std::memcpy(t.data(), &head, sizeof head);
    t.push_back(0);  // no menu
    t.push_back(0);  // the system's dialog class
    for (const char* p = title; *p; ++p) t.push_back(static_cast<unsigned char>(*p));
    t.push_back(0);
    return t;
}

class AboutDialog {
public:
    static void open(HINSTANCE instance, HWND owner);
    static AboutDialog* current() { return current_.get(); }
    HWND hwnd() const { return hwnd_; }

private:
    AboutDialog(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

    static INT_PTR CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    INT_PTR handle(UINT m, WPARAM w, LPARAM l);
    void onInit();
    void placeOverOwner();
    void createControl(const layout::Control& c);
    void paint();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    static std::unique_ptr<AboutDialog> current_;  // the one shared instance

    HINSTANCE instance_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    Font regular_, bold_;
    Bitmap flag_;
    std::map<HWND, layout::OleColor> colors_;  // labels with a colour of their own
};

std::unique_ptr<AboutDialog> AboutDialog::current_;

void AboutDialog::open(HINSTANCE instance, HWND owner)
{
    std::unique_ptr<AboutDialog> d(new AboutDialog(instance, owner));
    const std::vector<WORD> t = emptyTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L::kCaption);
    current_ = std::move(d);
    HWND h = CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner, proc,
                                        reinterpret_cast<LPARAM>(current_.get()));
    if (!h) {
        current_.reset();
        throw RuntimeError(err::OutOfMemory, "Out of memory");
    }
}

void AboutDialog::onInit()
{
    dpi_ = screenDpi();
    regular_ = designFont(layout::Font::Default, dpi_);
    bold_ = designFont(layout::Font::Bold, dpi_);
    flag_ = Bitmap(static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(L::get("Image1").picture), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));

    placeOverOwner();
    // In tab order, so that the window order is the tab order.
    std::vector<const layout::Control*> ordered;
    for (const layout::Control& c : L::controls())
        if (c.kind != layout::Kind::Picture) ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (const layout::Control* c : ordered) createControl(*c);
    SendMessageA(hwnd_, DM_SETDEFID, L::kOkId, 0);
}

// Centred over the main window, inside the screen.
void AboutDialog::placeOverOwner()
{
    RECT r = {0, 0, layout::toPixels(L::kClientWidth, dpi_), layout::toPixels(L::kClientHeight, dpi_)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT owner = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner_) GetWindowRect(owner_, &owner);
    int x = owner.left + (owner.right - owner.left - w) / 2, y = owner.top + (owner.bottom - owner.top - h) / 2;
    x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - w));
    y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - h));
    SetWindowPos(hwnd_, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutDialog::createControl(const layout::Control& c)
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
    if (!h) throw RuntimeError(err::OutOfMemory, "Out of memory");
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font == layout::Font::Bold ? bold_.get() : regular_.get()),
                 FALSE);
    if (c.kind == layout::Kind::Label) {
        colors_[h] = c.foreColor;
        if (c.has(layout::AutoSize)) Win32Label(h, true, INT_MAX / 2).fitToText();
    }
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
    case WM_INITDIALOG: onInit(); return FALSE;  // focus is given when shown
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
        const auto it = colors_.find(reinterpret_cast<HWND>(l));
        if (it == colors_.end()) return FALSE;
        HDC dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, colorOf(it->second));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_NCDESTROY: current_.reset(); return FALSE;
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
    // No exception crosses into the system: what nothing trapped is reported and ends the program.
    try {
        return self->handle(m, w, l);
    } catch (...) {
        reportCurrentAndEnd(h);
    }
}

}  // namespace

void Command3_Click(HINSTANCE instance, HWND mainWindow)
{
    if (!AboutDialog::current()) AboutDialog::open(instance, mainWindow);
    HWND dialog = AboutDialog::current()->hwnd();
    ShowWindow(dialog, SW_SHOW);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, L::kOkId)), TRUE);
    EnableWindow(mainWindow, FALSE);
}

HWND aboutWindow()
{
    const AboutDialog* d = AboutDialog::current();
    return d ? d->hwnd() : nullptr;
}

}  // namespace velmora
