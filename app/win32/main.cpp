// Program start: the main window is the only start-up object. It is created,
// filled by the load sequence, and only then shown.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "about/win32/about_dialog.h"
#include "app/win32/main_window.h"
#include "registry/errors.h"

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
    } catch (const velmora::RuntimeError& e) {
        velmora::reportAndEnd(nullptr, e.number(), e.description());
    } catch (const std::exception& e) {
        velmora::reportAndEnd(nullptr, 51, std::string("Internal error: ") + e.what());
    }
}
