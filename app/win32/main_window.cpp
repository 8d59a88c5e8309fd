#include "app/win32/main_window.h"

#include <commctrl.h>

#include "about/win32/about_dialog.h"
#include "app/win32/help_tips.h"
#include "app/win32/report.h"
#include "driver/win32_environment.h"
#include "resources/resource.h"

namespace velmora {
namespace {

const char kMainClass[] = "VelmoraForm1";
const char kPageClass[] = "VelmoraTabPage";
constexpr UINT kCopyReport = 0x0010;  // a system menu command: below SC_SIZE, low four bits clear

const char* kindClass(layout::Kind k)
{
    switch (k) {
    case layout::Kind::TabControl: return WC_TABCONTROLA;
    case layout::Kind::Slider: return TRACKBAR_CLASSA;
    case layout::Kind::Label:
    case layout::Kind::Picture: return "STATIC";
    default: return "BUTTON";
    }
}

DWORD kindStyle(const layout::Control& c)
{
    using layout::Kind;
    switch (c.kind) {
    case Kind::TabControl: return WS_TABSTOP | WS_CLIPSIBLINGS | TCS_TABS | TCS_SINGLELINE;
    case Kind::Frame: return BS_GROUPBOX;
    case Kind::Label:
        return SS_NOPREFIX | (c.has(layout::Centred) ? SS_CENTER : SS_LEFT) |
               (c.has(layout::WordWrap) || c.has(layout::Centred) ? 0 : SS_LEFTNOWORDWRAP);
    case Kind::Picture: return SS_BITMAP;
    // A user's click never produces the grayed state: clicks are ours to handle.
    case Kind::CheckBox: return WS_TABSTOP | BS_3STATE;
    case Kind::OptionButton: return BS_AUTORADIOBUTTON;
    case Kind::Slider: return WS_TABSTOP | TBS_HORZ | TBS_NOTICKS;
    case Kind::CommandButton: return WS_TABSTOP | BS_PUSHBUTTON;  // never the default button
    }
    return 0;
}

bool isFirstOptionOfItsFrame(const layout::Control& c)
{
    for (const layout::Control& o : layout::controls())
        if (o.kind == layout::Kind::OptionButton && sameText(o.container, c.container)) return &o == &c;
    return false;
}

char userDecimalSeparator()
{
    char buf[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) > 1 ? buf[0] : '.';
}

// Windows 95 and 98 set the top bit of the version; the NT family does not.
WindowsFamily windowsFamily() { return GetVersion() & 0x80000000u ? WindowsFamily::Win9x : WindowsFamily::NT; }

WNDPROC tabControlProc;

// Only where a theme draws the controls: Windows 95 and 98 have none (nor
// uxtheme), and there the tab control paints as it always did.
bool themeDrawsControls()
{
    using IsThemeActive = BOOL(WINAPI*)();
    HMODULE uxtheme = GetModuleHandleA("UXTHEME");
    const auto active = uxtheme ? reinterpret_cast<IsThemeActive>(
                                      reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, "IsThemeActive")))
                                : nullptr;
    return active && active();
}

// Wine's themes draw the tab control's pane by stretching a picture over
// all of it at every paint, at a cost that grows with the area (some 75 ms
// here, more than an empty window takes to start), though the page covers
// all of it but the border. Painted as four clipped strips, the tab row and
// the border's three other sides, GDI stretches no more than each strip.
// The control paints into the DC a WM_PAINT brings in wParam, as the
// common controls do.
LRESULT CALLBACK tabProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m != WM_PAINT || w) return CallWindowProcA(tabControlProc, h, m, w, l);
    RECT all, page;
    GetClientRect(h, &all);
    page = all;
    SendMessageA(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    const RECT strips[] = {{all.left, all.top, all.right, page.top},
                           {all.left, page.top, page.left, page.bottom},
                           {page.right, page.top, all.right, page.bottom},
                           {all.left, page.bottom, all.right, all.bottom}};
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    for (const RECT& strip : strips) {
        RECT r;
        if (!IntersectRect(&r, &strip, &ps.rcPaint)) continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        CallWindowProcA(tabControlProc, h, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
    EndPaint(h, &ps);
    return 0;
}

}  // namespace

Status MainWindow::registerClasses() const
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);

    wc.lpfnWndProc = pageProc;
    wc.lpszClassName = kPageClass;
    if (!RegisterClassExA(&wc)) return outOfMemory();

    wc.lpfnWndProc = proc;
    wc.lpszClassName = kMainClass;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, 16, 16, 0));
    return RegisterClassExA(&wc) ? Status() : outOfMemory();
}

Status MainWindow::create(HINSTANCE instance)
{
    instance_ = instance;
    VELMORA_TRY(registerClasses());
    dpi_ = screenDpi();
    regular_ = designFont(layout::Font::Default, dpi_);
    bold_ = designFont(layout::Font::Bold, dpi_);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT r = {0, 0, layout::toPixels(layout::kClientWidth, dpi_), layout::toPixels(layout::kClientHeight, dpi_)};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kMainClass, layout::kWindowCaption, style, CW_USEDEFAULT,
                            CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!hwnd_) return outOfMemory();
    VELMORA_TRY(createControls());

    driverKey_ = findDriverKey(store_, &driverKeyFound_);
    form_ = std::make_unique<Form1>(regEdit_, controls_.controls(), userDecimalSeparator(), driverKey_);
    help_ = std::make_unique<HelpBook>(windowsFamily(), driverKey_);
    popup_.prepare(instance_, hwnd_, regular_.get(), dpi_);
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCopyReport, "Co&py Report\tCtrl+C");
    return {};
}

Status MainWindow::createControl(const layout::Control& c, HWND parent, POINT origin)
{
    const layout::Pixels p = layout::absolutePixels(c, dpi_);
    DWORD style = WS_CHILD | WS_VISIBLE | kindStyle(c);
    // Each frame's options form one group, entered by Tab at its first option.
    if (c.kind != layout::Kind::OptionButton)
        style |= WS_GROUP;
    else if (isFirstOptionOfItsFrame(c))
        style |= WS_GROUP | WS_TABSTOP;
    HWND h = CreateWindowExA(0, kindClass(c.kind), c.caption, style, p.left - origin.x, p.top - origin.y, p.width,
                             p.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
    if (!h) return outOfMemory();
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font == layout::Font::Bold ? bold_.get() : regular_.get()),
                 FALSE);
    windows_[static_cast<std::size_t>(&c - layout::controls().begin())] = h;
    if (c.kind == layout::Kind::Picture) {
        pictures_.push_back(Bitmap(static_cast<HBITMAP>(
            LoadImageA(instance_, MAKEINTRESOURCEA(c.picture), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))));
        SendMessageA(h, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.back().get()));
    }
    // A value label is sized when it gets its text.
    if (c.kind == layout::Kind::Label && c.has(layout::AutoSize) && *c.caption) Win32Label::fitToText(label(c.name));
    if (c.kind == layout::Kind::Slider) {  // its position comes from its control object
        const auto& s = layout::kSlider1;
        SendMessageA(h, TBM_SETRANGE, FALSE, MAKELPARAM(s.min, s.max));
        SendMessageA(h, TBM_SETLINESIZE, 0, s.smallChange);
        SendMessageA(h, TBM_SETPAGESIZE, 0, s.largeChange);
    }
    return {};
}

Status MainWindow::createControls()
{
    windows_.resize(layout::controls().size());
    VELMORA_TRY(createControl(layout::get(layout::kTabControlName), hwnd_, {0, 0}));
    tab_ = windowOf(layout::kTabControlName);
    if (themeDrawsControls())
        tabControlProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tab_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tabProc)));
    for (int t = 0; t < layout::kTabCount; ++t) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(layout::kTabCaptions[t]);
        SendMessageA(tab_, TCM_INSERTITEMA, static_cast<WPARAM>(t), reinterpret_cast<LPARAM>(&item));
    }

    // The buttons come first in the tab order; the tab control sits below its pages.
    HWND after = HWND_TOP;
    for (const layout::Control* c : layout::tabOrder())
        if (sameText(c->container, layout::kWindowName) && c->kind == layout::Kind::CommandButton) {
            VELMORA_TRY(createControl(*c, hwnd_, {0, 0}));
            SetWindowPos(windowOf(c->name), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = windowOf(c->name);
        }
    SetWindowPos(tab_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // Each page covers the tab control's display area; controls keep their
    // places relative to the tab control, tab row included.
    GetWindowRect(tab_, &pageArea_);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&pageArea_), 2);
    SendMessageA(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pageArea_));
    return {};
}

// Made hidden, shown when complete: the page is drawn once, with all its controls.
Status MainWindow::makePage(int tab)
{
    const RECT& a = pageArea_;
    HWND page = CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, "", WS_CHILD, a.left, a.top, a.right - a.left,
                                a.bottom - a.top, hwnd_, nullptr, instance_, this);
    if (!page) return outOfMemory();
    pages_[tab] = page;
    SetWindowPos(page, GetWindow(tab_, GW_HWNDPREV), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const layout::Control* c : layout::onTab(tab)) VELMORA_TRY(createControl(*c, page, {a.left, a.top}));
    Status handed;
    controls_.each([&](const char* name, auto& control) {
        if (handed.ok() && layout::tabOf(layout::get(name)) == tab) handed = control.make(windowFor(control, name));
    });
    VELMORA_TRY(handed);
    if (tips_) addHelpTips(tips_, *this, *help_, tab);
    return {};
}

void MainWindow::selectTab(int tab)
{
    if (!pages_[tab]) endOnFailure(hwnd_, makePage(tab));
    SendMessageA(tab_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    // The new page first: the tab control below is never uncovered.
    ShowWindow(pages_[tab], SW_SHOW);
    for (int i = 0; i < layout::kTabCount; ++i)
        if (i != tab && pages_[i]) ShowWindow(pages_[i], SW_HIDE);
}

HWND MainWindow::windowOf(const char* name) const
{
    return windows_[static_cast<std::size_t>(&layout::get(name) - layout::controls().begin())];
}

const layout::Control* MainWindow::rowOf(HWND control) const
{
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i] == control) return &layout::controls()[i];
    return nullptr;
}

// A frame clips what is inside it: a growing label stops at its edges.
LabelWindow MainWindow::label(const char* name) const
{
    const layout::Control& c = layout::get(name);
    LabelWindow w{windowOf(name), c.has(layout::AutoSize), 1 << 20, 1 << 20};
    if (const layout::Control* frame = layout::find(c.container); frame && frame->kind == layout::Kind::Frame) {
        const layout::Pixels fp = layout::absolutePixels(*frame, dpi_);
        const layout::Pixels lp = layout::absolutePixels(c, dpi_);
        RECT r;
        GetWindowRect(w.hwnd, &r);
        MapWindowPoints(nullptr, GetParent(w.hwnd), reinterpret_cast<POINT*>(&r), 2);
        w.maxRight = r.left + (fp.left + fp.width - lp.left) - 2;
        w.maxBottom = r.top + (fp.top + fp.height - lp.top) - 2;
    }
    return w;
}

void MainWindow::showHelp()
{
    Win32Environment environment;
    help_->findOverrides(store_, environment);
    tips_ = createHelpTips(hwnd_, instance_, dpi_);
    if (!tips_) return;
    addHelpTips(tips_, *this, *help_, layout::kNotOnTab);
    for (int t = 0; t < layout::kTabCount; ++t)
        if (pages_[t]) addHelpTips(tips_, *this, *help_, t);
}

// After Apply the stored values may have changed what Glide takes: the marks
// and tips follow at once, as a new start would show them.
void MainWindow::updateHelp()
{
    Win32Environment environment;
    help_->findOverrides(store_, environment);
    updateHelpTips(tips_, *this, *help_);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::show(int showCommand)
{
    selectTab(0);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(tab_);
}

LRESULT MainWindow::colorFor(const layout::Control& c, HDC dc)
{
    const layout::OleColor color = help_->marked(c.name) ? layout::kOverridden : c.foreColor;
    SetTextColor(dc, layout::isSystemColor(color) ? GetSysColor(layout::systemColorIndex(color))
                                                  : static_cast<COLORREF>(color));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::onCommand(int id, int code)
{
    if (code != BN_CLICKED) return;
    const layout::Control* c = nullptr;
    for (const layout::Control& row : layout::controls())
        if (row.id == id) c = &row;
    if (!c) return;
    if (sameText(c->name, "Command1")) {
        endOnFailure(hwnd_, form_->Command1_Click());
        updateHelp();
    } else if (sameText(c->name, "Command2")) {
        DestroyWindow(hwnd_);  // ends the program at once; nothing is written
    } else if (sameText(c->name, "Command3")) {
        endOnFailure(hwnd_, Command3_Click(instance_, hwnd_));
    } else if (c->kind == layout::Kind::CheckBox) {
        HWND box = windowOf(c->name);
        const bool checked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(box, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
}

LRESULT MainWindow::handle(UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_COMMAND: onCommand(LOWORD(w), HIWORD(w)); return 0;
    case WM_HSCROLL:  // the user moved the slider: programmatic moves send nothing
        if (reinterpret_cast<HWND>(l) == windowOf("Slider1")) endOnFailure(hwnd_, form_->Slider1_Scroll());
        return 0;
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(l);
        if (n->hwndFrom == tab_ && n->code == TCN_SELCHANGE)
            selectTab(static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Only controls with a colour of their own; the others draw as the system does.
        if (const layout::Control* c = rowOf(reinterpret_cast<HWND>(l));
            c && c->kind != layout::Kind::CommandButton &&
            (c->foreColor != layout::kButtonText || help_->marked(c->name)))
            return colorFor(*c, reinterpret_cast<HDC>(w));
        break;
    // F1, which Windows sends from the focused control up to here.
    case WM_HELP: showHelpFor(static_cast<HWND>(reinterpret_cast<const HELPINFO*>(l)->hItemHandle)); return TRUE;
    case WM_SYSCOMMAND:  // "Copy Report"; the system's own commands go on
        if ((w & 0xFFF0) != kCopyReport) break;
        copyReport();
        return 0;
    // As a dialog box does: the control that had the focus when the window
    // was left has it again when the window is active again (and restored),
    // else the first tab stop; the window itself takes no keys. The help
    // pop-up goes with the activation.
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            popup_.hide();
            HWND f = GetFocus();
            focus_ = f && IsChild(hwnd_, f) ? f : nullptr;
        }
        break;  // the system focuses the window, which passes the focus on
    case WM_SETFOCUS: SetFocus(focus_ ? focus_ : tab_); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd_, m, w, l);
}

LRESULT CALLBACK MainWindow::proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_NCCREATE)
        SetWindowLongPtrA(h, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!self || !self->hwnd_ || !self->help_) return DefWindowProcA(h, m, w, l);
    return self->handle(m, w, l);
}

// A page hands what its controls tell it to the window that owns them.
LRESULT CALLBACK MainWindow::pageProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return SendMessageA(GetParent(h), m, w, l);
    }
    return DefWindowProcA(h, m, w, l);
}

}  // namespace velmora
