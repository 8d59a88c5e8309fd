// The report on the clipboard, by Ctrl+C or the system menu's "Copy Report".
// The portable side writes it; here it only gets what Windows alone knows
// (its version, today's date) and goes to the clipboard as CF_TEXT.
#include <windows.h>

#include "app/win32/main_window.h"
#include "settings/report.h"
#include "velmora_version.h"  // written by the build from CMakeLists.txt's project()

namespace velmora {
namespace {

// Global memory that the clipboard takes over once it holds it.
class GlobalText {
public:
    explicit GlobalText(const Text& text) : h_(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1))
    {
        if (char* to = h_ ? static_cast<char*>(GlobalLock(h_)) : nullptr) {
            for (std::size_t i = 0; i <= text.size(); ++i) to[i] = text.c_str()[i];
            GlobalUnlock(h_);
        }
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;
    ~GlobalText()
    {
        if (h_) GlobalFree(h_);
    }
    HGLOBAL get() const { return h_; }
    void handedOver() { h_ = nullptr; }

private:
    HGLOBAL h_;
};

// Another program (a clipboard viewer that reads every change) may hold the
// clipboard for a moment: a fifth of a second before giving up.
class OpenClipboardFor {
public:
    explicit OpenClipboardFor(HWND owner)
    {
        for (int tries = 0; tries < 10 && !(open_ = OpenClipboard(owner) != FALSE); ++tries) Sleep(20);
    }
    OpenClipboardFor(const OpenClipboardFor&) = delete;
    OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
    ~OpenClipboardFor()
    {
        if (open_) CloseClipboard();
    }
    bool open() const { return open_; }

private:
    bool open_ = false;
};

// The clipboard's old content stays unless the report is ready to replace it.
bool putOnClipboard(HWND owner, const Text& text)
{
    GlobalText block(text);
    if (!block.get()) return false;
    OpenClipboardFor clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.get())) return false;
    block.handedOver();
    return true;
}

}  // namespace

void MainWindow::copyReport()
{
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExA(&v);  // GetVersion gives Windows 95 and 98 no build number
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ReportSource source{
        VELMORA_VERSION_TEXT,
        {v.dwPlatformId == VER_PLATFORM_WIN32_NT ? WindowsFamily::NT : WindowsFamily::Win9x,
         static_cast<unsigned>(v.dwMajorVersion), static_cast<unsigned>(v.dwMinorVersion), LOWORD(v.dwBuildNumber)},
        {now.wYear, now.wMonth, now.wDay},
        driverKey_,
        driverKeyFound_};
    if (!putOnClipboard(hwnd_, buildReport(source, store_, controls_.controls(), *help_)))
        MessageBoxA(hwnd_,
                    "The report could not be put on the clipboard: another program may be using it. "
                    "Nothing has changed; try again in a moment.",
                    "Velmora", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace velmora
