// Program start: the main window is the only start-up object. It is created,
// filled by the load sequence, and only then shown.
#include <windows.h>

#include <commctrl.h>

#include "about/win32/about_dialog.h"
#include "app/win32/main_window.h"
#include "app/win32/report.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    InitCommonControls();
    try {
        static velmora::MainWindow window(instance);
        window.Form_Load();
        window.show(show);

        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (HWND about = velmora::aboutWindow(); about && IsDialogMessageA(about, &msg)) continue;
            if (IsDialogMessageA(window.hwnd(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return static_cast<int>(msg.wParam);
    } catch (...) {
        velmora::reportCurrentAndEnd(nullptr);
    }
}
