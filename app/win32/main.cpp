// Program start: the program's own entry point, since no C runtime is linked.
// The main window is the only start-up object: it is created, filled by the
// load sequence, and only then shown.
#include <windows.h>

#include <commctrl.h>

#include "about/win32/about_dialog.h"
#include "app/win32/main_window.h"
#include "app/win32/report.h"

namespace {

// The linker's list of static constructors: a count (or -1), the
// constructors, a zero. They run last to first, as the C runtime would run them.
extern "C" void (*__CTOR_LIST__[])();

void runStaticConstructors()
{
    std::size_t n = 0;
    while (__CTOR_LIST__[n + 1]) ++n;
    for (; n > 0; --n) __CTOR_LIST__[n]();
}

int showCommand()
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    return si.dwFlags & STARTF_USESHOWWINDOW ? si.wShowWindow : SW_SHOWDEFAULT;
}

int run(HINSTANCE instance, int show)
{
    velmora::MainWindow window;
    velmora::endOnFailure(nullptr, window.create(instance));
    velmora::endOnFailure(window.hwnd(), window.Form_Load());
    window.showHelp();
    window.show(show);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (window.preTranslate(msg)) continue;
        if (HWND about = velmora::aboutWindow(); about && IsDialogMessageA(about, &msg)) continue;
        if (IsDialogMessageA(window.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

extern "C" void WINAPI velmoraStart()
{
    runStaticConstructors();
    InitCommonControls();
    ExitProcess(static_cast<UINT>(run(GetModuleHandleA(nullptr), showCommand())));
}
