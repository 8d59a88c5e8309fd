// Stands in for the System Information tool: appends its path and show state to VELMORA_STANDIN_LOG, opened
// shared, else a start while the test reads the file is lost.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char log[MAX_PATH], self[MAX_PATH];
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
    const std::string line = std::string(self, GetModuleFileNameA(nullptr, self, sizeof self)) + "|" + std::to_string(show) + "\r\n";
    HANDLE f = GetEnvironmentVariableA("VELMORA_STANDIN_LOG", log, sizeof log)
                   ? CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                   : INVALID_HANDLE_VALUE;
    DWORD written = 0;
    const bool ok = f != INVALID_HANDLE_VALUE && WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(f);
    return ok ? 0 : 1;
}
