// Measures what Velmora costs against the least the same job can cost on the
// same machine, in the same run:
//   startup N    time from process creation to the main window shown and idle,
//                Velmcfg.exe and the program before its pages were made when
//                first shown (Velmcfg-before.exe) against an empty window, the
//                same with comctl32 loaded, with a tab control and with that
//                tab control unthemed, in turn; peak working
//                sets; the main window's child windows at start
//   tabs N       each tab's showing, by the arrow key on the tab control until
//                the window is drawn: the first and a later one, in both programs
//   sequences N  the load sequence (with the driver key's lookup before it and
//                the look for what overrides the Glide values after it) and the
//                apply sequence over the real store, against exactly the
//                registry calls they make, issued directly to advapi32
// Prints "time <name> <min> <median> <max>" (milliseconds), "memory <name> <bytes>"
// and "windows <name> <count>".
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "driver/driver_key.h"
#include "driver/win32_environment.h"
#include "registry/win32_store.h"
#include "settings/help.h"
#include "tests/support/doubles.h"
#include "tests/e2e/harness.h"

namespace {

double nowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void report(const char* name, std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    std::printf("time %s %.4f %.4f %.4f\n", name, v.front(), v[v.size() / 2], v.back());
}

std::string besideMe(const char* file)
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

struct Started {
    PROCESS_INFORMATION pi = {};
    HWND window = nullptr;
    double ms = 0;
    explicit Started(const std::string& exe)
    {
        std::string cmd = "\"" + exe + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        const double t0 = nowMs();
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) std::exit(2);
        WaitForInputIdle(pi.hProcess, 30000);
        while (!(window = e2e::findWindow(pi.dwProcessId, nullptr))) Sleep(1);
        ms = nowMs() - t0;
    }
    ~Started()
    {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
};

BOOL CALLBACK countOne(HWND, LPARAM n)
{
    ++*reinterpret_cast<int*>(n);
    return TRUE;
}

// One start: milliseconds until the window is shown and the program idle; its
// peak working set and its child windows.
double startOnce(const std::string& exe, SIZE_T& peak, int& windows)
{
    Started app(exe);
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(app.pi.hProcess, &pmc, sizeof pmc);
    peak = std::max(peak, pmc.PeakWorkingSetSize);
    windows = 0;
    EnumChildWindows(app.window, countOne, reinterpret_cast<LPARAM>(&windows));
    return app.ms;
}

void startup(int pairs)
{
    const char* const names[] = {"velmcfg", "before", "tabs", "classic", "comctl", "empty"};
    const std::string exes[] = {besideMe("Velmcfg.exe"),       besideMe("Velmcfg-before.exe"), besideMe("tab_window.exe"),
                                besideMe("classic_tab_window.exe"), besideMe("comctl_window.exe"),  besideMe("empty_window.exe")};
    constexpr int n = 6;
    std::vector<double> times[n];
    SIZE_T peaks[n] = {};
    int windows[n] = {};
    for (int i = 0; i < n; ++i) startOnce(exes[i], peaks[i], windows[i]);  // the files into the cache first
    for (SIZE_T& p : peaks) p = 0;
    // Each round starts with another, so a drift in the machine weighs on all alike.
    for (int round = 0; round < pairs; ++round)
        for (int k = 0; k < n; ++k) {
            const int i = (round + k) % n;
            times[i].push_back(startOnce(exes[i], peaks[i], windows[i]));
        }
    for (int i = 0; i < n; ++i) {
        report((std::string("window_") + names[i]).c_str(), times[i]);
        std::printf("memory %s %lu\nwindows %s %d\n", names[i], static_cast<unsigned long>(peaks[i]), names[i], windows[i]);
    }
}

// Milliseconds from the key to the window drawn: the paints still due are
// asked for at once and answered before this returns.
double showNext(const Started& app, WPARAM key)
{
    HWND tabs = FindWindowExA(app.window, nullptr, "SysTabControl32", nullptr);
    const double t0 = nowMs();
    SendMessageA(tabs, WM_KEYDOWN, key, 1);
    SendMessageA(tabs, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
    RedrawWindow(app.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return nowMs() - t0;
}

void tabs(int runs)
{
    const char* const names[] = {"velmcfg", "before"};
    const std::string exes[] = {besideMe("Velmcfg.exe"), besideMe("Velmcfg-before.exe")};
    std::vector<double> first[2][5], later[2][5];
    for (int run = 0; run < runs; ++run)
        for (int k = 0; k < 2; ++k) {
            const int i = (run + k) % 2;
            Started app(exes[i]);
            for (int tab = 1; tab < 5; ++tab) first[i][tab].push_back(showNext(app, VK_RIGHT));
            for (int tab = 1; tab < 5; ++tab) showNext(app, VK_LEFT);
            for (int tab = 1; tab < 5; ++tab) later[i][tab].push_back(showNext(app, VK_RIGHT));
        }
    for (int i = 0; i < 2; ++i)
        for (int tab = 1; tab < 5; ++tab) {
            report(("tab" + std::to_string(tab) + "_first_" + names[i]).c_str(), first[i][tab]);
            report(("tab" + std::to_string(tab) + "_later_" + names[i]).c_str(), later[i][tab]);
        }
}

HKEY root(std::int32_t hive)
{
    return hive == velmora::hive::CurrentConfig ? HKEY_CURRENT_CONFIG
           : hive == velmora::hive::DynData     ? HKEY_DYN_DATA
           : hive == velmora::hive::CurrentUser ? HKEY_CURRENT_USER
                                                : HKEY_LOCAL_MACHINE;
}

// The store the sequences run on, recording each operation and what it wrote.
struct Recording : velmora::Win32Store {
    struct Call {
        int op;  // 0 read, 1 write, 2 remove, 3 list subkeys, 4 look for a key
        std::int32_t hive;
        std::string key, name;
        velmora::StoredValue written;
    };
    std::vector<Call> calls;
    velmora::Status read(std::int32_t h, const velmora::Text& k, const velmora::Text& n, velmora::StoredValue& out) override
    {
        calls.push_back({0, h, k.c_str(), n.c_str(), {}});
        return Win32Store::read(h, k, n, out);
    }
    velmora::Status write(std::int32_t h, const velmora::Text& k, const velmora::Text& n, const velmora::StoredValue& v) override
    {
        calls.push_back({1, h, k.c_str(), n.c_str(), v});
        return Win32Store::write(h, k, n, v);
    }
    velmora::Status remove(std::int32_t h, const velmora::Text& k, const velmora::Text& n) override
    {
        calls.push_back({2, h, k.c_str(), n.c_str(), {}});
        return Win32Store::remove(h, k, n);
    }
    velmora::Status subkeys(std::int32_t h, const velmora::Text& k, velmora::Vec<velmora::Text>& names) override
    {
        calls.push_back({3, h, k.c_str(), "", {}});
        return Win32Store::subkeys(h, k, names);
    }
    bool hasKey(std::int32_t h, const velmora::Text& k) override
    {
        calls.push_back({4, h, k.c_str(), "", {}});
        return Win32Store::hasKey(h, k);
    }
};

// As the window does after its load, on Windows 98, where Glide reads most.
void lookForOverrides(velmora::RegistryStore& store, const velmora::Text& driverKey)
{
    velmora::Win32Environment environment;
    velmora::HelpBook help(velmora::WindowsFamily::Win9x, driverKey);
    help.findOverrides(store, environment);
}

void sequences(int runs)
{
    e2e::resetRegistry();
    e2e::importFixture("demo.reg");
    e2e::putText(e2e::LM, "Enum\\PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_01&DEV_00&FUNC_00", "Driver",
                 "Display\\0000");

    // The calls the driver key's lookup and both sequences make on the demo state.
    std::vector<Recording::Call> loadCalls, applyCalls;
    {
        Recording recording;
        velmora::RegEdit reg(recording);
        velmora::MemoryForm1Controls ui;
        const velmora::Text driverKey = velmora::findDriverKey(recording);
        velmora::Form1 form(reg, ui.controls(), '.', driverKey);
        static_cast<void>(form.Form_Load());
        lookForOverrides(recording, driverKey);
        loadCalls.swap(recording.calls);
        static_cast<void>(form.Command1_Click());
        applyCalls.swap(recording.calls);
    }

    auto floorLoad = [&] {
        BYTE data[256];
        char name[256];
        for (const auto& c : loadCalls) {
            HKEY k;
            if (RegOpenKeyExA(root(c.hive), c.key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) continue;
            DWORD type = 0, size = sizeof data;
            if (c.op == 0) RegQueryValueExA(k, c.name.c_str(), nullptr, &type, data, &size);
            for (DWORD i = 0; c.op == 3 && RegEnumKeyExA(k, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
                size = sizeof name;
            RegCloseKey(k);
        }
    };
    auto floorApply = [&] {
        for (const auto& c : applyCalls) {
            HKEY k;
            if (c.op == 1) {
                const velmora::StoredValue& v = c.written;
                if (RegCreateKeyExA(root(c.hive), c.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
                    ERROR_SUCCESS)
                    continue;
                RegSetValueExA(k, c.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
            } else {
                if (RegOpenKeyExA(root(c.hive), c.key.c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) continue;
                RegDeleteValueA(k, c.name.c_str());
            }
            RegCloseKey(k);
        }
    };

    velmora::Win32Store store;
    velmora::RegEdit reg(store);
    std::vector<double> load, loadFloor, apply, applyFloor;
    for (int i = 0; i < runs; ++i) {
        velmora::MemoryForm1Controls ui;
        double t = nowMs();
        const velmora::Text driverKey = velmora::findDriverKey(store);
        velmora::Form1 form(reg, ui.controls(), '.', driverKey);
        static_cast<void>(form.Form_Load());
        lookForOverrides(store, driverKey);
        load.push_back(nowMs() - t);
        t = nowMs();
        floorLoad();
        loadFloor.push_back(nowMs() - t);
        t = nowMs();
        static_cast<void>(form.Command1_Click());
        apply.push_back(nowMs() - t);
        t = nowMs();
        floorApply();
        applyFloor.push_back(nowMs() - t);
    }
    e2e::resetRegistry();
    report("load", load);
    report("load_floor", loadFloor);
    report("apply", apply);
    report("apply_floor", applyFloor);
    std::printf("calls load %u apply %u\n", static_cast<unsigned>(loadCalls.size()),
                static_cast<unsigned>(applyCalls.size()));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int n = argc > 2 ? std::atoi(argv[2]) : 20;
    if (mode == "startup") {
        startup(n);
    } else if (mode == "tabs") {
        tabs(n);
    } else if (mode == "sequences") {
        sequences(n);
    } else {
        std::fprintf(stderr, "usage: velmora_bench startup|tabs|sequences N\n");
        return 1;
    }
    return 0;
}
