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
    {HKEY_DYN_DATA, "HKDD", "Config Manager\\Enum"},
};

void deleteTree(HKEY parent, const std::string& key)
{
    HKEY k;
    if (RegOpenKeyExA(parent, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS) return;
    char name[512];
    // Children first: a key with subkeys cannot be deleted on NT.
    while (RegEnumKeyA(k, 0, name, sizeof name) == ERROR_SUCCESS) deleteTree(k, name);
    RegCloseKey(k);
    RegDeleteKeyA(parent, key.c_str());
}

std::string describe(DWORD type, const std::string& bytes)
{
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && bytes.size() < 200) {
        std::string s = type == REG_SZ ? "sz \"" : "expand_sz \"";
        for (char c : bytes) s += c ? std::string(1, c) : "\\0";
        return s + "\"";
    }
    if (type == REG_DWORD && bytes.size() == 4) return "dword " + std::to_string(*reinterpret_cast<const DWORD*>(bytes.data()));
    std::string s = "type " + std::to_string(type) + ", " + std::to_string(bytes.size()) + " bytes:";
    char hex[4];
    for (unsigned char c : bytes) std::snprintf(hex, sizeof hex, " %02x", c), s += hex;
    return s;
}

void exportTree(HKEY parent, const std::string& key, const std::string& label, std::vector<std::string>& out)
{
    HKEY k;
    if (RegOpenKeyExA(parent, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    out.push_back("[" + label + "]");
    std::string name(16384, '\0'), data(1 << 21, '\0');
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size()), dataLen = static_cast<DWORD>(data.size()), type = 0;
        if (RegEnumValueA(k, i, &name[0], &nameLen, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &dataLen) !=
            ERROR_SUCCESS)
            break;
        out.push_back(label + "\\" + name.substr(0, nameLen) + " = " + describe(type, data.substr(0, dataLen)));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(k, i, &name[0], &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string child = name.substr(0, nameLen);
        exportTree(k, child, label + "\\" + child, out);
    }
    RegCloseKey(k);
}


DWORD patience(DWORD ms)
{
    char factor[16] = {};
    const DWORD n = GetEnvironmentVariableA("VELMORA_WAIT_FACTOR", factor, sizeof factor);
    return n > 0 && n < sizeof factor ? ms * static_cast<DWORD>(std::max(1, std::atoi(factor))) : ms;
}

// Starts a program and waits for it; its exit code.
DWORD run(std::string commandLine)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        throw std::runtime_error("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
    WaitForSingleObject(pi.hProcess, patience(60000));
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK matchChild(HWND h, LPARAM lp)
{
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (GetDlgCtrlID(h) == s->id) s->found = h;
    return !s->found;
}

struct WindowSearch {
    DWORD pid;
    const std::string& caption;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND h, LPARAM lp)
{
    auto* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    char text[256] = {}, cls[64] = {};
    GetWindowTextA(h, text, sizeof text);
    GetClassNameA(h, cls, sizeof cls);
    if (owner == s->pid && IsWindowVisible(h) && (s->caption.empty() || text == s->caption) &&
        (!s->windowClass || s->windowClass == std::string(cls)))
        s->found = h;
    return !s->found;
}

}  // namespace

void resetRegistry()
{
    for (const auto& r : kRoots) deleteTree(r.root, r.key);
}

void importFixture(const std::string& fileName)
{
    char dir[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("VELMORA_FIXTURES", dir, sizeof dir);
    const std::string path = (n > 0 && n < sizeof dir ? std::string(dir) : VELMORA_FIXTURE_DIR) + "\\" + fileName;
    if (run("regedit.exe /S \"" + path + "\"") != 0) throw std::runtime_error("regedit could not import " + path);
}

LONG put(HKEY root, const std::string& key, const std::string& name, DWORD type, const std::string& bytes)
{
    HKEY k;
    LONG rc = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    rc = RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
    RegCloseKey(k);
    return rc;
}

void putText(HKEY root, const std::string& key, const std::string& name, const std::string& text)
{
    if (put(root, key, name, REG_SZ, text + '\0') != ERROR_SUCCESS) throw std::runtime_error("cannot store " + name);
}

std::string stored(HKEY root, const std::string& key, const std::string& name)
{
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "absent";
    DWORD type = 0, size = 0;
    std::string out = "absent";
    if (RegQueryValueExA(k, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegQueryValueExA(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size) ==
            ERROR_SUCCESS)
            out = describe(type, data.substr(0, size));
    }
    RegCloseKey(k);
    return out;
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

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string besideThis(const std::string& file)
{
    char path[MAX_PATH];
    const std::string s(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

App::App()
{
    std::string cmd = "\"" + besideThis("Velmcfg.exe") + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    // Under a busy Wine a start is now and then refused once.
    for (int attempt = 0; attempt < 3 && !pi_.hProcess; ++attempt)
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) Sleep(500);
    if (!pi_.hProcess) throw std::runtime_error("cannot start " + cmd + ": error " + std::to_string(GetLastError()));
    WaitForInputIdle(pi_.hProcess, patience(30000));
    waitUntil([&] { return (window_ = findWindow(pid(), velmora::layout::kWindowCaption)) || !running(); }, 30000);
    if (!window_) throw std::runtime_error("Velmcfg.exe showed no main window");
}

App::~App()
{
    if (running()) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

bool App::running() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

HWND App::control(const char* name) const
{
    const velmora::layout::Control* c = velmora::layout::find(name);
    if (!c) throw std::runtime_error(std::string("no control named ") + name);
    ChildSearch s{c->id, nullptr};
    EnumChildWindows(window_, matchChild, reinterpret_cast<LPARAM>(&s));
    if (!s.found) throw std::runtime_error(std::string("no window for ") + name);
    return s.found;
}

std::string App::text(const char* name) const
{
    HWND h = control(name);
    std::string s(static_cast<std::size_t>(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    s.resize(static_cast<std::size_t>(SendMessageA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]))));
    return s;
}

int App::checked(const char* name) const { return static_cast<int>(SendMessageA(control(name), BM_GETCHECK, 0, 0)); }
void App::click(const char* name) const { SendMessageA(control(name), BM_CLICK, 0, 0); }
int App::slider() const { return static_cast<int>(SendMessageA(control("Slider1"), TBM_GETPOS, 0, 0)); }

void App::key(const char* name, WPARAM virtualKey) const
{
    SendMessageA(control(name), WM_KEYDOWN, virtualKey, 1);
    SendMessageA(control(name), WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
}

DWORD App::close()
{
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return waitExit();
}

DWORD App::waitExit()
{
    if (WaitForSingleObject(pi_.hProcess, patience(15000)) != WAIT_OBJECT_0)
        throw std::runtime_error("Velmcfg.exe did not end");
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

HWND findWindow(DWORD pid, const std::string& caption, const char* windowClass)
{
    WindowSearch s{pid, caption, windowClass, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

void App::screenshot(HWND h, const std::string& name)
{
    char dir[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("VELMORA_SHOTS", dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) return;
    UpdateWindow(h);
    Sleep(300);
    RECT r;
    GetWindowRect(h, &r);
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
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, 1, static_cast<std::size_t>(stride * ht), f);
        std::fclose(f);
    }
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

}  // namespace e2e
