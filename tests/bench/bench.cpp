// Measures what Velmora costs against the least the same job can cost on the
// same machine, in the same run:
//   startup N    time from process creation to the main window shown and idle,
//                Velmcfg.exe against an empty window, alternating; peak working sets
//   sequences N  the load sequence (with the driver key's lookup before it and
//                the look for what overrides the Glide values after it) and the
//                apply sequence over the real store, against exactly the
//                registry calls they make, issued directly to advapi32
// Prints "time <name> <min> <median> <max>" (milliseconds) and "memory <name> <bytes>".
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

// One start: milliseconds until the window is shown and the program idle; its peak working set.
double startOnce(const std::string& exe, SIZE_T& peak)
{
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const double t0 = nowMs();
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) std::exit(2);
    WaitForInputIdle(pi.hProcess, 30000);
    while (!e2e::findWindow(pi.dwProcessId, nullptr)) Sleep(1);
    const double t1 = nowMs();

    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    peak = std::max(peak, pmc.PeakWorkingSetSize);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return t1 - t0;
}

void startup(int pairs)
{
    std::vector<double> app, empty;
    SIZE_T appPeak = 0, emptyPeak = 0;
    const std::string velmcfg = besideMe("Velmcfg.exe"), blank = besideMe("empty_window.exe");
    startOnce(velmcfg, appPeak);  // both files into the cache before anything counts
    startOnce(blank, emptyPeak);
    appPeak = emptyPeak = 0;
    for (int i = 0; i < pairs; ++i) {
        // Alternate which goes first, so a drift in the machine weighs on both alike.
        if (i % 2) empty.push_back(startOnce(blank, emptyPeak));
        app.push_back(startOnce(velmcfg, appPeak));
        if (!(i % 2)) empty.push_back(startOnce(blank, emptyPeak));
    }
    report("window_velmcfg", app);
    report("window_empty", empty);
    std::printf("memory velmcfg %lu\nmemory empty %lu\n", static_cast<unsigned long>(appPeak),
                static_cast<unsigned long>(emptyPeak));
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
    } else if (mode == "sequences") {
        sequences(n);
    } else {
        std::fprintf(stderr, "usage: velmora_bench startup|sequences N\n");
        return 1;
    }
    return 0;
}
