#include "tests/e2e/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <commctrl.h>

#include "app/layout.h"

namespace e2e {
namespace {

// Everything the program reads or writes lies below these keys.
const struct {
    HKEY root;
    const char* label;
    std::string key;
} kRoots[] = {
    {LM, "HKLM", kClass}, {CC, "HKCC", "Display"}, {LM, "HKLM", "SOFTWARE\\Microsoft\\Shared Tools"},
    {LM, "HKLM", "SOFTWARE\\Microsoft\\Shared Tools Location"}, {LM, "HKLM", "Enum\\PCI"},
    {HKEY_DYN_DATA, "HKDD", "Config Manager\\Enum"}, {HKEY_CURRENT_USER, "HKCU", kClass},
};

void deleteTree(HKEY parent, const std::string& key)
{
    HKEY k;
    if (RegOpenKeyExA(parent, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS) return;
    // Children first: a key with subkeys cannot be deleted on NT.
    for (char name[512]; RegEnumKeyA(k, 0, name, sizeof name) == ERROR_SUCCESS;) deleteTree(k, name);
    RegCloseKey(k), RegDeleteKeyA(parent, key.c_str());
}

std::string describe(DWORD type, const std::string& bytes)
{
    if (type == REG_DWORD && bytes.size() == 4) return "dword " + std::to_string(*reinterpret_cast<const DWORD*>(bytes.data()));
    std::string s = type == REG_SZ ? "sz \"" : "type " + std::to_string(type) + ":";
    char hex[4];
    for (unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, " %02x", c);
        s += type != REG_SZ ? hex : c ? std::string(1, static_cast<char>(c)) : "\\0";
    }
    return type == REG_SZ ? s + "\"" : s;
}

void exportTree(HKEY parent, const std::string& key, const std::string& label, std::vector<std::string>& out)
{
    HKEY k;
    if (RegOpenKeyExA(parent, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    out.push_back("[" + label + "]");
    std::string name(16384, '\0'), data(1 << 21, '\0');
    DWORD nameLen = 16384, dataLen = 1 << 21, type = 0;
    for (DWORD i = 0; !RegEnumValueA(k, i, &name[0], &nameLen, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &dataLen);
         ++i, nameLen = 16384, dataLen = 1 << 21)
        out.push_back(label + "\\" + name.substr(0, nameLen) + " = " + describe(type, data.substr(0, dataLen)));
    for (DWORD i = 0; nameLen = 16384, !RegEnumKeyExA(k, i, &name[0], &nameLen, nullptr, nullptr, nullptr, nullptr); ++i)
        exportTree(k, name.substr(0, nameLen), label + "\\" + name.substr(0, nameLen), out);
    RegCloseKey(k);
}

DWORD patience(DWORD ms)
{
    char factor[16] = "1";
    GetEnvironmentVariableA("VELMORA_WAIT_FACTOR", factor, sizeof factor);
    return ms * static_cast<DWORD>(std::max(1, std::atoi(factor)));
}

// Under a busy Wine a start is now and then refused once.
PROCESS_INFORMATION start(std::string cmd)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    for (int attempt = 0; attempt < 3 && !pi.hProcess; ++attempt)
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) Sleep(500);
    if (!pi.hProcess) throw std::runtime_error("cannot start " + cmd + ": error " + std::to_string(GetLastError()));
    return pi;
}

std::string windowText(HWND h)
{
    std::string s(static_cast<std::size_t>(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    s.resize(static_cast<std::size_t>(SendMessageA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]))));
    return s;
}

}  // namespace

void resetRegistry() { for (const auto& r : kRoots) deleteTree(r.root, r.key); }

void importFixture(const std::string& fileName)
{
    const PROCESS_INFORMATION pi = start("regedit.exe /S \"" VELMORA_FIXTURE_DIR "\\" + fileName + "\"");
    DWORD code = 1;
    WaitForSingleObject(pi.hProcess, patience(60000));
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread), CloseHandle(pi.hProcess);
    if (code != 0) throw std::runtime_error("Wine's regedit could not import " + fileName);
}

void putText(HKEY root, const std::string& key, const std::string& name, const std::string& text, DWORD type)
{
    HKEY k;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) ||
        RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + (type == REG_SZ))))
        throw std::runtime_error("cannot store " + key + "\\" + name);
    RegCloseKey(k);
}

std::string stored(HKEY root, const std::string& key, const std::string& name)
{
    HKEY k;
    std::string data(1 << 21, '\0');
    DWORD type = 0, size = static_cast<DWORD>(data.size());
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "absent";
    const LONG rc = RegQueryValueExA(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS ? describe(type, data.substr(0, size)) : "absent";
}

std::string sz(const std::string& text) { return describe(REG_SZ, text + '\0'); }
std::string dword(DWORD v) { return "dword " + std::to_string(v); }

std::vector<std::string> exportKeys()
{
    std::vector<std::string> out;
    for (const auto& r : kRoots) exportTree(r.root, r.key, r.label + ("\\" + r.key), out);
    return out;
}

bool waitUntil(const std::function<bool()>& done, DWORD ms)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(50))
        if (GetTickCount() - start >= patience(ms)) return false;
    return true;
}

std::string besideThis(const std::string& file)
{
    char path[MAX_PATH];
    const std::string s(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

HWND findWindow(DWORD pid, const char* caption, const char* windowClass)
{
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, windowClass, caption));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner == pid && IsWindowVisible(h)) return h;
    }
    return nullptr;
}

App::App()
{
    pi_ = start("\"" + besideThis("Velmcfg.exe") + "\"");
    WaitForInputIdle(pi_.hProcess, patience(30000));
    waitUntil([&] { return (window_ = findWindow(pid(), velmora::layout::kWindowCaption)) || !running(); }, 30000);
    if (!window_) throw std::runtime_error("Velmcfg.exe showed no main window");
}

App::~App()
{
    if (running()) TerminateProcess(pi_.hProcess, 1), WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hThread), CloseHandle(pi_.hProcess);
}

bool App::running() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

// On the window itself or on one of its tab pages.
HWND App::find(const char* name) const
{
    const velmora::layout::Control* c = velmora::layout::find(name);
    for (HWND child = GetWindow(window_, GW_CHILD); c && child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == c->id) return child;
        if (HWND h = GetDlgItem(child, c->id)) return h;
    }
    return nullptr;
}

HWND App::control(const char* name) const
{
    if (HWND h = find(name)) return h;
    throw std::runtime_error(std::string("no control named ") + name);
}

// By the arrow keys on the tab control, as a keyboard user would.
void App::showTab(int tab) const
{
    for (int n = 0, at; n < velmora::layout::kTabCount &&
                        (at = static_cast<int>(SendMessageA(control("SSTab1"), TCM_GETCURSEL, 0, 0))) != tab; ++n)
        key("SSTab1", at < tab ? VK_RIGHT : VK_LEFT);
}

std::string App::text(const char* name) const { return windowText(control(name)); }
int App::checked(const char* name) const { return static_cast<int>(SendMessageA(control(name), BM_GETCHECK, 0, 0)); }
void App::click(const char* name) const { SendMessageA(control(name), BM_CLICK, 0, 0); }
int App::tab() const { return static_cast<int>(SendMessageA(control("SSTab1"), TCM_GETCURSEL, 0, 0)); }

void App::activate() const
{
    SetForegroundWindow(window_);
    waitUntil([&] { return GetForegroundWindow() == window_; });
}

void press(const std::vector<WORD>& keys)
{
    auto send = [](WORD vk, DWORD up) {
        const bool extended = vk == VK_PRIOR || vk == VK_NEXT;
        keybd_event(static_cast<BYTE>(vk), static_cast<BYTE>(MapVirtualKeyA(vk, 0)), up | (extended ? KEYEVENTF_EXTENDEDKEY : 0), 0);
    };
    for (WORD vk : keys) send(vk, 0);
    for (auto vk = keys.rbegin(); vk != keys.rend(); ++vk) send(*vk, KEYEVENTF_KEYUP);
}

std::string clipboardText()
{
    std::string text;
    if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) return text;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

int App::slider() const { return static_cast<int>(SendMessageA(control("Slider1"), TBM_GETPOS, 0, 0)); }

HWND App::focus() const
{
    GUITHREADINFO info = {sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) ? info.hwndFocus : nullptr;
}

void App::key(const char* name, WPARAM virtualKey) const
{
    SendMessageA(control(name), WM_KEYDOWN, virtualKey, 1);
    SendMessageA(control(name), WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
}

DWORD App::close() { return PostMessageA(window_, WM_CLOSE, 0, 0), waitExit(); }

DWORD App::waitExit()
{
    DWORD code = 0;
    if (WaitForSingleObject(pi_.hProcess, patience(15000)) != WAIT_OBJECT_0) throw std::runtime_error("Velmcfg.exe did not end");
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

std::string App::tipOf(const char* name, HWND* tip) const
{
    // The last tip goes first, else its text is taken for the next one's (under Wine a move may be missed).
    int moves = 0;
    waitUntil([&] {
        if (moves++ % 20 == 0) SetCursorPos(moves / 20 % 2, 0);
        return !findWindow(pid(), nullptr, TOOLTIPS_CLASSA);
    }, 5000);
    // Under Wine the tooltip now and then comes back with the last control's text: never another's tip.
    const std::string stale = lastTipOf_ == name ? "" : lastTip_;
    RECT r;
    GetWindowRect(control(name), &r);
    // Near the left edge: inside a frame, that is the frame's own, not an option's.
    const POINT at = {std::min(r.left + 8, (r.left + r.right) / 2), (r.top + r.bottom) / 2};
    std::string text;
    int polls = 0;
    waitUntil([&] {
        // A user moves the mouse a little when no tip comes: under Wine a move is now and then not seen.
        if (polls++ % 20 == 0) SetCursorPos(at.x + polls / 20 % 2, at.y);
        HWND shown = findWindow(pid(), nullptr, TOOLTIPS_CLASSA);
        if (!shown) return false;
        text = windowText(shown);
        if (tip) *tip = shown;
        return !text.empty() && text != stale;
    }, 5000);
    lastTipOf_ = name;
    return lastTip_ = text;
}

// With the tip beside the window; without one, the pointer moved away first so that no tip is in the picture.
void App::screenshot(HWND h, const std::string& name, HWND tip)
{
    char dir[MAX_PATH] = {};
    if (!tip) SetCursorPos(0, 0);
    RECT r, t;
    if (!GetEnvironmentVariableA("VELMORA_SHOTS", dir, sizeof dir) || (UpdateWindow(h), !GetWindowRect(h, &r))) return;
    if (tip && GetWindowRect(tip, &t)) UnionRect(&r, &r, &t);
    Sleep(300);
    const int w = r.right - r.left, ht = r.bottom - r.top, stride = (w * 3 + 3) & ~3;
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, ht, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr), mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPFILEHEADER fh = {0x4D42, 0, 0, 0, sizeof fh + sizeof bi.bmiHeader};
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * ht);
    if (FILE* f = std::fopen((std::string(dir) + "\\" + name + ".bmp").c_str(), "wb")) {
        std::fwrite(&fh, sizeof fh, 1, f), std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, 1, static_cast<std::size_t>(stride * ht), f), std::fclose(f);
    }
    DeleteObject(dib), DeleteDC(mem), ReleaseDC(nullptr, screen);
}

}  // namespace e2e
