#include "app/win32/main_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "about/win32/about_dialog.h"
#include "app/win32/report.h"
#include "registry/errors.h"
#include "resources/resource.h"

namespace velmora {
namespace {

const char kMainClass[] = "VelmoraForm1";
const char kPageClass[] = "VelmoraTabPage";

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

const layout::Control* firstOption(const char* frame)
{
    for (const auto& o : layout::controls())
        if (o.kind == layout::Kind::OptionButton && std::string(o.container) == frame) return &o;
    return nullptr;
}

char userDecimalSeparator()
{
    char buf[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) > 1 ? buf[0] : '.';
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);

    wc.lpfnWndProc = pageProc;
    wc.lpszClassName = kPageClass;
    if (!RegisterClassExA(&wc)) throw std::runtime_error("RegisterClassEx");

    wc.lpfnWndProc = proc;
    wc.lpszClassName = kMainClass;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, 16, 16, 0));
    if (!RegisterClassExA(&wc)) throw std::runtime_error("RegisterClassEx");

    dpi_ = screenDpi();
    regular_ = designFont(layout::Font::Default, dpi_);
    bold_ = designFont(layout::Font::Bold, dpi_);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT r = {0, 0, layout::toPixels(layout::kClientWidth, dpi_), layout::toPixels(layout::kClientHeight, dpi_)};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kMainClass, layout::kWindowCaption, style, CW_USEDEFAULT,
                            CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("CreateWindowEx");
    createControls();
    bindForm();
}

HWND MainWindow::createControl(const layout::Control& c, HWND parent, POINT origin)
{
    const layout::Pixels p = layout::absolutePixels(c, dpi_);
    DWORD style = WS_CHILD | WS_VISIBLE | kindStyle(c);
    // Each frame's options form one group, entered by Tab at its first option.
    if (c.kind != layout::Kind::OptionButton)
        style |= WS_GROUP;
    else if (&c == firstOption(c.container))
        style |= WS_GROUP | WS_TABSTOP;
    HWND h = CreateWindowExA(0, kindClass(c.kind), c.caption, style, p.left - origin.x, p.top - origin.y, p.width,
                             p.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
    if (!h) throw std::runtime_error(std::string("cannot create ") + c.name);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font == layout::Font::Bold ? bold_.get() : regular_.get()),
                 FALSE);
    controlOf_[h] = &c;
    byId_[c.id] = &c;
    if (c.foreColor != layout::kButtonText) colors_[h] = c.foreColor;
    return h;
}

void MainWindow::createControls()
{
    const auto& tabControl = layout::get(layout::kTabControlName);
    tab_ = createControl(tabControl, hwnd_, {0, 0});
    for (int t = 0; t < layout::kTabCount; ++t) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(layout::kTabCaptions[t]);
        SendMessageA(tab_, TCM_INSERTITEMA, static_cast<WPARAM>(t), reinterpret_cast<LPARAM>(&item));
    }

    // The buttons come first in the tab order; the tab control sits below its pages.
    std::vector<HWND> zOrder;
    for (const layout::Control* c : layout::tabOrder())
        if (std::string(c->container) == layout::kWindowName && c->kind == layout::Kind::CommandButton)
            zOrder.push_back(createControl(*c, hwnd_, {0, 0}));

    // Each page covers the tab control's display area; controls keep their
    // places relative to the tab control, tab row included.
    RECT area;
    GetWindowRect(tab_, &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    SendMessageA(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int t = 0; t < layout::kTabCount; ++t) {
        HWND page = CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, "", WS_CHILD | (t == 0 ? WS_VISIBLE : 0),
                                    area.left, area.top, area.right - area.left, area.bottom - area.top, hwnd_,
                                    nullptr, instance_, this);
        if (!page) throw std::runtime_error("cannot create a tab page");
        pages_.push_back(page);
        zOrder.push_back(page);
        for (const layout::Control* c : layout::onTab(t)) {
            HWND h = createControl(*c, page, {area.left, area.top});
            if (c->kind == layout::Kind::Picture) {
                pictures_.emplace_back(static_cast<HBITMAP>(
                    LoadImageA(instance_, MAKEINTRESOURCEA(c->picture), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
                SendMessageA(h, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.back().get()));
            }
        }
    }
    zOrder.push_back(tab_);
    HWND after = HWND_TOP;
    for (HWND h : zOrder) {
        SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = h;
    }

    const auto& s = layout::kSlider1;
    slider_ = GetDlgItem(pages_[static_cast<std::size_t>(layout::tabOf(layout::get("Slider1")))], layout::get("Slider1").id);
    SendMessageA(slider_, TBM_SETRANGE, FALSE, MAKELPARAM(s.min, s.max));
    SendMessageA(slider_, TBM_SETLINESIZE, 0, s.smallChange);
    SendMessageA(slider_, TBM_SETPAGESIZE, 0, s.largeChange);
    SendMessageA(slider_, TBM_SETPOS, TRUE, s.value);
}

void MainWindow::bindForm()
{
    for (const auto& [hwnd, c] : controlOf_) {
        HWND container = GetParent(hwnd);
        const std::string name = c->name;
        switch (c->kind) {
        case layout::Kind::Label: {
            // A frame clips what is inside it: a growing label stops at its edge.
            int maxRight = 1 << 20;
            if (const layout::Control* frame = layout::find(c->container); frame && frame->kind == layout::Kind::Frame) {
                const layout::Pixels fp = layout::absolutePixels(*frame, dpi_);
                const layout::Pixels lp = layout::absolutePixels(*c, dpi_);
                RECT r;
                GetWindowRect(hwnd, &r);
                MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
                maxRight = r.left + (fp.left + fp.width - lp.left) - 2;
            }
            auto label = std::make_unique<Win32Label>(hwnd, c->has(layout::AutoSize), maxRight);
            if (c->has(layout::AutoSize)) label->fitToText();
            labels_[name] = std::move(label);
            break;
        }
        case layout::Kind::CheckBox: checks_[name] = std::make_unique<Win32CheckBox>(hwnd); break;
        case layout::Kind::OptionButton:
            options_[name] = std::make_unique<Win32OptionButton>(frames_[c->container], hwnd);
            break;
        default: break;
        }
    }
    sliderControl_ = std::make_unique<Win32Slider>(slider_, layout::kSlider1.min, layout::kSlider1.max);

    auto& L = labels_;
    auto& C = checks_;
    auto& O = options_;
    const Form1Controls ui{
        *L.at("Label11"), *L.at("Label12"), *L.at("Label13"), *L.at("Label14"), *L.at("Label15"),
        *L.at("Label16"), *L.at("Label17"), *L.at("Label18"), *L.at("Label19"), *L.at("Label20"),
        *L.at("Label23"),
        *C.at("Check1"), *C.at("Check2"), *C.at("Check3"), *C.at("Check4"), *C.at("Check5"),
        *C.at("Check6"), *C.at("Check7"), *C.at("Check8"), *C.at("Check9"),
        *O.at("Option1"), *O.at("Option2"), *O.at("Option3"), *O.at("Option4"), *O.at("Option5"),
        *O.at("Option6"), *O.at("Option7"), *O.at("Option8"), *O.at("Option9"), *O.at("Option10"),
        *O.at("Option11"), *O.at("Option12"), *O.at("Option13"), *O.at("Option14"),
        *sliderControl_};
    form_ = std::make_unique<Form1>(regEdit_, ui, userDecimalSeparator());
}

void MainWindow::show(int showCommand)
{
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(tab_);
}

void MainWindow::showTab(int tab)
{
    for (std::size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i], static_cast<int>(i) == tab ? SW_SHOW : SW_HIDE);
}

LRESULT MainWindow::colorFor(HWND control, HDC dc)
{
    const auto it = colors_.find(control);
    const layout::OleColor c = it == colors_.end() ? layout::kButtonText : it->second;
    SetTextColor(dc, layout::isSystemColor(c) ? GetSysColor(layout::systemColorIndex(c)) : static_cast<COLORREF>(c));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::onCommand(int id, int code)
{
    const auto it = byId_.find(id);
    if (it == byId_.end() || code != BN_CLICKED) return;
    const layout::Control* c = it->second;
    const std::string name = c->name;
    if (name == "Command1") {
        form_->Command1_Click();
    } else if (name == "Command2") {
        DestroyWindow(hwnd_);  // ends the program at once; nothing is written
    } else if (name == "Command3") {
        Command3_Click(instance_, hwnd_);
    } else if (c->kind == layout::Kind::CheckBox) {
        CheckBox& box = *checks_.at(name);
        box.setValue(box.value() == CheckBox::Checked ? CheckBox::Unchecked : CheckBox::Checked);
    }
}

LRESULT MainWindow::handle(UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_COMMAND: onCommand(LOWORD(w), HIWORD(w)); return 0;
    case WM_HSCROLL:  // the user moved the slider: programmatic moves send nothing
        if (reinterpret_cast<HWND>(l) == slider_) form_->Slider1_Scroll();
        return 0;
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(l);
        if (n->hwndFrom == tab_ && n->code == TCN_SELCHANGE)
            showTab(static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (controlOf_.count(reinterpret_cast<HWND>(l)) &&
            controlOf_[reinterpret_cast<HWND>(l)]->kind != layout::Kind::CommandButton)
            return colorFor(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w));
        break;
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
    if (!self || !self->hwnd_) return DefWindowProcA(h, m, w, l);
    // No exception crosses into the system: what no procedure trapped is reported and ends the program.
    try {
        return self->handle(m, w, l);
    } catch (...) {
        reportCurrentAndEnd(h);
    }
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
