#pragma once
// The real registry, and the real Velmcfg.exe started as its own process and driven through its window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Spelt out apart from the program's own constants: a slip is not repeated.
inline const std::string kClass = "System\\CurrentControlSet\\Services\\Class\\Display";
inline const std::string kDriver = kClass + "\\0000";
inline const std::string kDefault = kDriver + "\\DEFAULT";
inline const std::string kD3D = kDriver + "\\D3D";
inline const std::string kGlide = kDriver + "\\Glide";
inline const std::string kSettings = "Display\\Settings";
inline const HKEY LM = HKEY_LOCAL_MACHINE, CC = HKEY_CURRENT_CONFIG;

// Removes every key the program or the tests touch.
void resetRegistry();
void importFixture(const std::string& fileName);  // by Wine's regedit, as scripts/run does
// Stores text, or the bytes as another kind, making the key as needed.
void putText(HKEY root, const std::string& key, const std::string& name, const std::string& text, DWORD type = REG_SZ);

// A value as a line of text: sz "143\0", dword 1, type 3: 01 02, or absent.
std::string stored(HKEY root, const std::string& key, const std::string& name);
std::string sz(const std::string& text);  // as the program writes text, with its zero
std::string dword(DWORD v);
// Every key and value below the program's keys, a line each: equal only if nothing changed.
std::vector<std::string> exportKeys();

// Waits longer by VELMORA_WAIT_FACTOR under emulation; only a failing test waits it out.
bool waitUntil(const std::function<bool()>& done, DWORD ms = 10000);
std::string besideThis(const std::string& file);  // a file in this program's folder

// Real keystrokes to the foreground window: down in order, up in reverse ({VK_CONTROL, VK_TAB} is Ctrl+Tab).
void press(const std::vector<WORD>& keys);
std::string clipboardText();  // CF_TEXT, "" when there is none

// Velmcfg.exe beside this driver, running until close() or destruction.
class App {
public:
    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HWND window() const { return window_; }
    DWORD pid() const { return pi_.dwProcessId; }
    HWND control(const char* name) const;  // by the control table's names
    HWND find(const char* name) const;     // nullptr while its tab was never shown
    void showTab(int tab) const;           // handled before this returns
    std::string text(const char* name) const;
    int checked(const char* name) const;
    void click(const char* name) const;  // a press, handled before this returns
    void key(const char* name, WPARAM virtualKey) const;
    int slider() const;
    int tab() const;        // the tab shown
    void activate() const;  // in the foreground, so that it takes the keys pressed
    HWND focus() const;  // the window that has the keyboard focus in the program
    // Saves what the screen shows of a window, and of a tip over it, as a 24-bit BMP in VELMORA_SHOTS, if set.
    static void screenshot(HWND window, const std::string& name, HWND tip = nullptr);
    // Points at the control as a user would; the text of the tip that comes up, "" when none does.
    std::string tipOf(const char* name, HWND* tip = nullptr) const;
    DWORD close();  // through the frame; waits for the process to end
    DWORD waitExit();
    bool running() const;

private:
    PROCESS_INFORMATION pi_ = {};
    HWND window_ = nullptr;
    mutable std::string lastTipOf_, lastTip_;  // the control last pointed at, and its tip
};

// A shown top-level window of the process with this caption and class (any, when none).
HWND findWindow(DWORD pid, const char* caption, const char* windowClass = nullptr);

}  // namespace e2e
