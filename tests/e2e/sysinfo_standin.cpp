// Stands in for the System Information tool in the end-to-end tests: appends
// one line to the file VELMORA_STANDIN_LOG names, its own path and how it was
// asked to show its window, and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char log[MAX_PATH], self[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("VELMORA_STANDIN_LOG", log, sizeof log);
    if (n == 0 || n >= sizeof log) return 2;
    const DWORD len = GetModuleFileNameA(nullptr, self, sizeof self);

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
    const std::string line = std::string(self, len) + "|" + std::to_string(show) + "\r\n";

    // Copies may run at once: retry while another holds the file.
    for (int tries = 0; tries < 100; ++tries) {
        HANDLE f = CreateFileA(log, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) {
            Sleep(20);
            continue;
        }
        SetFilePointer(f, 0, nullptr, FILE_END);
        DWORD written = 0;
        const BOOL ok = WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(f);
        return ok && written == line.size() ? 0 : 1;
    }
    return 1;
}
