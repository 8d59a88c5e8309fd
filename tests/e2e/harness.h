#pragma once
// What the end-to-end tests stand on: the real registry (reset between cases,
// seeded directly or by Wine's own regedit from tests/fixtures, read back as
// text) and the real Velmcfg.exe, started as its own process and driven
// through its window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The program's keys, spelt out here apart from the program's own constants,
// so that a slip in one is not repeated in the other.
inline const std::string kClass = "System\\CurrentControlSet\\Services\\Class\\Display";
inline const std::string kDriver = kClass + "\\0000";
inline const std::string kAdapter = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
inline const std::string kDefault = kDriver + "\\DEFAULT";
inline const std::string kD3D = kDriver + "\\D3D";
inline const std::string kGlide = kDriver + "\\Glide";
inline const std::string kSettings = "Display\\Settings";
inline const HKEY LM = HKEY_LOCAL_MACHINE, CC = HKEY_CURRENT_CONFIG;

// Removes every key the program or the tests touch.
void resetRegistry();
void importFixture(const std::string& fileName);  // by Wine's regedit, as scripts/run does
// Stores raw data, making the key as needed; the system's result.
LONG put(HKEY root, const std::string& key, const std::string& name, DWORD type, const std::string& bytes);
void putText(HKEY root, const std::string& key, const std::string& name, const std::string& text);

// A value as a line of text: sz "143\0", dword 1, type 3: 01 02, or absent.
std::string stored(HKEY root, const std::string& key, const std::string& name);
std::string sz(const std::string& text);  // as the program writes text, with its zero
std::string dword(DWORD v);
// Every key and value below the program's keys, one sorted line each: two
// exports are equal only if nothing changed.
std::vector<std::string> exportKeys();

// A wait in milliseconds, longer by VELMORA_WAIT_FACTOR where the programs
// run under emulation: only a failing test waits it out.
bool waitUntil(const std::function<bool()>& done, DWORD ms = 10000);
int screenDpi();
std::string besideThis(const std::string& file);  // a file in this program's folder

// Velmcfg.exe beside this driver, running until close() or destruction.
class App {
public:
    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HWND window() const { return window_; }
    DWORD pid() const { return pi_.dwProcessId; }
    // By the control table's names ("Label11", "Check3", "Slider1", ...).
    HWND control(const char* name) const;
    std::string text(const char* name) const;
    int checked(const char* name) const;
    void click(const char* name) const;  // a press, handled before this returns
    void key(const char* name, WPARAM virtualKey) const;
    int slider() const;
    // Saves what the screen shows of a window as a 24-bit BMP in VELMORA_SHOTS, if set.
    static void screenshot(HWND window, const std::string& name);
    DWORD close();  // through the frame; waits for the process to end
    DWORD waitExit();
    bool running() const;

private:
    PROCESS_INFORMATION pi_ = {};
    HWND window_ = nullptr;
};

// A shown top-level window of the process with this caption (any, when
// empty) and class (any, when none).
HWND findWindow(DWORD pid, const std::string& caption, const char* windowClass = nullptr);

}  // namespace e2e
