#pragma once
// What the end-to-end tests stand on: the real registry (reset and seeded from
// registry files between cases, exported for comparison) and the real
// Velmcfg.exe, started as its own process and driven through its window.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "registry/store.h"
#include "tests/support/std_text.h"

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

// Removes every key the program or the tests touch, then applies a fixture
// from tests/fixtures (by file name) or registry-file text given inline.
void resetRegistry();
void applyFixture(const std::string& fileName);
void applyRegText(const std::string& text);

// Every key and value below the program's keys, one sorted line each with
// type and data in hex: two exports are equal only if nothing changed.
std::vector<std::string> exportKeys();

std::optional<velmora::StoredValue> readValue(std::int32_t hive, const std::string& key, const std::string& name);

// Velmcfg.exe beside this driver, running until close() or destruction.
class App {
public:
    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HWND window() const { return window_; }
    HWND control(int id) const;  // anywhere below the main window
    std::string text(int id) const;
    int checkState(int id) const;
    void click(int id) const;  // a button press, handled before this returns
    // By the control table's names ("Label11", "Check3", "Slider1", ...).
    HWND control(const char* name) const;
    std::string text(const char* name) const;
    int checkState(const char* name) const;
    void click(const char* name) const;
    int sliderPosition() const;
    void key(const char* name, WPARAM virtualKey) const;  // a key press, handled before this returns
    // Posts a key to the program's message queue, as typed by the user.
    void typeKey(HWND target, WPARAM virtualKey) const;
    // Saves what the screen shows of the main window as a 24-bit BMP.
    void screenshot(const std::string& path) const;
    // Closes through the frame (WM_CLOSE) and waits for the process to end.
    DWORD close();
    // Waits for the process to end on its own; returns its exit code.
    DWORD waitExit(DWORD ms = 15000);
    bool running() const;

private:
    PROCESS_INFORMATION pi_ = {};
    HWND window_ = nullptr;
};

std::string hexOf(const velmora::Bytes& b);

// A wait in milliseconds, longer by VELMORA_WAIT_FACTOR where the programs
// run under emulation: only a failing test waits it out.
DWORD patience(DWORD ms);

// A visible top-level window of the process, with this caption when one is given.
HWND visibleWindowOf(DWORD pid, const char* caption = nullptr);

// What the screen shows of a window, as a 24-bit BMP file.
void saveScreenshot(HWND window, const std::string& path);

}  // namespace e2e
