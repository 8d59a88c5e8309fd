// Stands in for the System Information tool: appends one line to the file
// VELMORA_STANDIN_LOG names, its own path and the show state it was given
// ("path|1"), and ends.
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
    if (!GetEnvironmentVariableA("VELMORA_STANDIN_LOG", log, sizeof log)) return 2;
    // Copies may run at once: wait while another holds the file.
    for (int tries = 0; tries < 100; ++tries, Sleep(20)) {
        HANDLE f = CreateFileA(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(f);
        return written == line.size() ? 0 : 1;
    }
    return 1;
}
