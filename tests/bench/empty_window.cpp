// The floors for start-up: a program that only shows one empty window; built
// with EMPTY_WINDOW_COMCTL, the same with comctl32 loaded and initialised; and
// with EMPTY_WINDOW_TABS, also what any tabbed window needs: a tab control of
// Velmora's five tabs at its size (96 DPI), nothing on its pages; and with
// EMPTY_WINDOW_CLASSIC as well, that tab control without the theme that Wine
// gives comctl32 5's controls (Windows draws them unthemed).
#include <windows.h>

#if defined(EMPTY_WINDOW_COMCTL) || defined(EMPTY_WINDOW_TABS)
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "EmptyWindow";
    RegisterClassA(&wc);
    HWND h = CreateWindowA("EmptyWindow", "Empty window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, 425, 450, nullptr, nullptr, instance, nullptr);
#if defined(EMPTY_WINDOW_COMCTL) || defined(EMPTY_WINDOW_TABS)
    InitCommonControls();
#endif
#ifdef EMPTY_WINDOW_TABS
    HWND tabs = CreateWindowA(WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_TABS, 8, 8, 401, 377, h,
                              nullptr, instance, nullptr);
#ifdef EMPTY_WINDOW_CLASSIC
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (const auto setTheme = reinterpret_cast<SetWindowThemeFn>(
            reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("uxtheme.dll"), "SetWindowTheme"))))
        setTheme(tabs, L" ", L" ");
#endif
    SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const char* const captions[] = {"Information", "Overclock", "DirectX Options", "Glide Options", "Windows Options"};
    for (int i = 0; i < 5; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
#endif
    ShowWindow(h, show);
    UpdateWindow(h);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
