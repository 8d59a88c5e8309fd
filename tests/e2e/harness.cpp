#include "tests/e2e/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <commctrl.h>

#include "app/layout.h"
#include "tests/support/reg_file.h"

namespace e2e {
namespace {

struct Root {
    std::int32_t hive;
    HKEY handle;
    const char* name;
    std::string key;
};
// Everything the program reads or writes lies below these keys.
const Root kRoots[] = {
    {velmora::hive::LocalMachine, HKEY_LOCAL_MACHINE, "HKLM", kClass},
    {velmora::hive::CurrentConfig, HKEY_CURRENT_CONFIG, "HKCC", "Display"},  // above kSettings
    {velmora::hive::LocalMachine, HKEY_LOCAL_MACHINE, "HKLM", "SOFTWARE\\Microsoft\\Shared Tools"},
    {velmora::hive::LocalMachine, HKEY_LOCAL_MACHINE, "HKLM", "SOFTWARE\\Microsoft\\Shared Tools Location"},
};

HKEY rootHandle(std::int32_t hive) { return hive == velmora::hive::CurrentConfig ? HKEY_CURRENT_CONFIG : HKEY_LOCAL_MACHINE; }

void ok(LONG rc, const std::string& what)
{
    if (rc != ERROR_SUCCESS) throw std::runtime_error(what + " failed with " + std::to_string(rc));
}

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

void exportTree(HKEY parent, const std::string& key, const std::string& label, std::vector<std::string>& out)
{
    HKEY k;
    if (RegOpenKeyExA(parent, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    out.push_back("[" + label + "]");
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size()), dataLen = static_cast<DWORD>(data.size()), type = 0;
        LONG rc = RegEnumValueA(k, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen);
        if (rc == ERROR_MORE_DATA) {
            data.resize(dataLen + 1);
            --i;
            continue;
        }
        if (rc != ERROR_SUCCESS) break;
        out.push_back(label + "\\" + std::string(name.data(), nameLen) + " = " + std::to_string(type) + ":" +
                      hexOf(velmora::Bytes(data.data(), data.data() + dataLen)));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(k, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string child(name.data(), nameLen);
        exportTree(k, child, label + "\\" + child, out);
    }
    RegCloseKey(k);
}

std::string fixtureDir()
{
    char buf[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("VELMORA_FIXTURES", buf, sizeof buf);
    if (n > 0 && n < sizeof buf) return buf;
    return VELMORA_FIXTURE_DIR;
}

std::string readFile(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot open " + path);
    std::string s;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

struct FindWindowOf {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK findVisible(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<FindWindowOf*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    char caption[64] = {};
    if (f->caption) GetWindowTextA(h, caption, sizeof caption);
    if (pid == f->pid && IsWindowVisible(h) && (!f->caption || std::string(caption) == f->caption)) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

struct FindChild {
    int id;
    HWND found;
};

BOOL CALLBACK findChild(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<FindChild*>(lp);
    if (GetDlgCtrlID(h) == f->id) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

std::string exeDir()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

}  // namespace

DWORD patience(DWORD ms)
{
    char factor[16] = {};
    const DWORD n = GetEnvironmentVariableA("VELMORA_WAIT_FACTOR", factor, sizeof factor);
    return n > 0 && n < sizeof factor ? ms * static_cast<DWORD>(std::max(1, std::atoi(factor))) : ms;
}

std::string hexOf(const velmora::Bytes& b)
{
    std::string s;
    char hex[3];
    for (auto c : b) {
        std::snprintf(hex, sizeof hex, "%02x", c);
        s += hex;
    }
    return s;
}

void resetRegistry()
{
    for (const Root& r : kRoots) deleteTree(r.handle, r.key);
}

void applyRegText(const std::string& text)
{
    using K = velmora::RegAction::Kind;
    for (const velmora::RegAction& a : velmora::parseRegFile(text)) {
        const HKEY root = rootHandle(a.hive);
        if (a.kind == K::DeleteKey) {
            deleteTree(root, a.key);
            continue;
        }
        HKEY k;
        ok(RegCreateKeyExA(root, a.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), "create " + a.key);
        if (a.kind == K::SetValue)
            ok(RegSetValueExA(k, a.name.c_str(), 0, a.value.type, a.value.data.empty() ? nullptr : a.value.data.data(),
                              static_cast<DWORD>(a.value.data.size())),
               "set " + a.name);
        else if (a.kind == K::DeleteValue)
            RegDeleteValueA(k, a.name.c_str());
        RegCloseKey(k);
    }
}

void applyFixture(const std::string& fileName) { applyRegText(readFile(fixtureDir() + "\\" + fileName)); }

std::vector<std::string> exportKeys()
{
    std::vector<std::string> out;
    for (const Root& r : kRoots) exportTree(r.handle, r.key, std::string(r.name) + "\\" + r.key, out);
    return out;
}

std::optional<velmora::StoredValue> readValue(std::int32_t hive, const std::string& key, const std::string& name)
{
    HKEY k;
    if (RegOpenKeyExA(rootHandle(hive), key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<velmora::StoredValue> out;
    if (RegQueryValueExA(k, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        velmora::StoredValue v{type, velmora::Bytes(size)};
        if (RegQueryValueExA(k, name.c_str(), nullptr, &type, v.data.data(), &size) == ERROR_SUCCESS) {
            v.data.resize(size);
            out = v;
        }
    }
    RegCloseKey(k);
    return out;
}

App::App()
{
    std::string cmd = "\"" + exeDir() + "Velmcfg.exe\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    // Under a busy Wine a start is now and then refused once; a program that
    // cannot start at all still fails here, with the system's reason.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) {
            error = 0;
            break;
        }
        error = GetLastError();
        Sleep(500);
    }
    if (error) throw std::runtime_error("cannot start " + cmd + ": error " + std::to_string(error));
    WaitForInputIdle(pi_.hProcess, patience(30000));
    for (DWORD start = GetTickCount(); !window_ && GetTickCount() - start < patience(30000);) {
        window_ = visibleWindowOf(pi_.dwProcessId, velmora::layout::kWindowCaption);
        if (!window_) {
            if (!running()) throw std::runtime_error("Velmcfg.exe ended before showing its window");
            Sleep(100);
        }
    }
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

HWND App::control(int id) const
{
    FindChild f{id, nullptr};
    EnumChildWindows(window_, findChild, reinterpret_cast<LPARAM>(&f));
    if (!f.found) throw std::runtime_error("no control with id " + std::to_string(id));
    return f.found;
}

std::string App::text(int id) const
{
    char buf[1024] = {};
    SendMessageA(control(id), WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

int App::checkState(int id) const { return static_cast<int>(SendMessageA(control(id), BM_GETCHECK, 0, 0)); }

void App::click(int id) const { SendMessageA(control(id), BM_CLICK, 0, 0); }

DWORD App::close()
{
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return waitExit();
}

DWORD App::waitExit(DWORD ms)
{
    if (WaitForSingleObject(pi_.hProcess, patience(ms)) != WAIT_OBJECT_0) throw std::runtime_error("Velmcfg.exe did not end");
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

}  // namespace e2e

namespace e2e {

HWND App::control(const char* name) const { return control(velmora::layout::get(name).id); }
std::string App::text(const char* name) const { return text(velmora::layout::get(name).id); }
int App::checkState(const char* name) const { return checkState(velmora::layout::get(name).id); }
void App::click(const char* name) const { click(velmora::layout::get(name).id); }
int App::sliderPosition() const { return static_cast<int>(SendMessageA(control("Slider1"), TBM_GETPOS, 0, 0)); }

void App::key(const char* name, WPARAM virtualKey) const
{
    HWND h = control(name);
    SendMessageA(h, WM_KEYDOWN, virtualKey, 1);
    SendMessageA(h, WM_KEYUP, virtualKey, 0xC0000001);
}

void App::typeKey(HWND target, WPARAM virtualKey) const
{
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
    // Sent messages wait behind nothing; this one returns once the posted keys are handled.
    Sleep(200);
    SendMessageA(window_, WM_NULL, 0, 0);
}

HWND visibleWindowOf(DWORD pid, const char* caption)
{
    FindWindowOf f{pid, caption, nullptr};
    EnumWindows(findVisible, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

void App::screenshot(const std::string& path) const { saveScreenshot(window_, path); }

void saveScreenshot(HWND h, const std::string& path)
{
    RECT r;
    GetWindowRect(h, &r);
    const int w = r.right - r.left, ht = r.bottom - r.top, stride = (w * 3 + 3) & ~3;
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, ht, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * ht);
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
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
