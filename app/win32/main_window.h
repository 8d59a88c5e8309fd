#pragma once
// Form1 as a real window: created from the control table, its controls bound
// to the portable setting side through the control interfaces.
#include <windows.h>

#include <memory>

#include "app/form1.h"
#include "app/form1_controls.h"
#include "app/layout.h"
#include "app/win32/gdi.h"
#include "app/win32/help_popup.h"
#include "app/win32/win32_controls.h"
#include "registry/regedit.h"
#include "registry/win32_store.h"
#include "settings/help.h"

namespace velmora {

using Win32Form1Controls = Form1ControlSet<Win32Label, Win32CheckBox, Win32OptionButton, Win32Slider>;

class MainWindow {
public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and its controls in their designed states, hidden.
    Status create(HINSTANCE instance);
    Status Form_Load() { return form_->Form_Load(); }
    // After the load: what decides each Glide value before Velmora's, shown
    // in the captions' colour, and the tips of every control.
    void showHelp();
    void show(int showCommand);
    HWND hwnd() const { return hwnd_; }
    // Every message of the program passes here before the dialog manager:
    // the keys of keyboard.cpp, and what closes the help pop-up. True when
    // the message was taken.
    bool preTranslate(const MSG& m);

    // What the control set is made from (see Form1ControlSet).
    LabelWindow label(const char* name) const;
    HWND check(const char* name) const { return windowOf(name); }
    HWND option(const char* name) const { return windowOf(name); }
    HWND slider(const char* name) const { return windowOf(name); }
    HWND control(const char* name) const { return windowOf(name); }

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    static LRESULT CALLBACK pageProc(HWND h, UINT m, WPARAM w, LPARAM l);
    LRESULT handle(UINT m, WPARAM w, LPARAM l);

    Status registerClasses() const;
    Status createControls();
    Status createControl(const layout::Control& c, HWND parent, POINT origin);
    HWND windowOf(const char* name) const;
    const layout::Control* rowOf(HWND control) const;
    void onCommand(int id, int code);
    void updateHelp();
    // The one way a tab is shown: by the mouse, the tab row's keys or Ctrl+Tab.
    void selectTab(int tab);
    void stepTab(int step);         // keyboard.cpp
    void showHelpFor(HWND item);    // keyboard.cpp
    void copyReport();              // clipboard.cpp
    LRESULT colorFor(const layout::Control& c, HDC dc);

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HWND tips_ = nullptr;   // nullptr where no tooltip could be made
    HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
    HWND pages_[layout::kTabCount] = {};
    Vec<HWND> windows_;  // by row of the control table
    int dpi_ = 96;
    Font regular_, bold_;
    Vec<Bitmap> pictures_;

    Win32Store store_;
    RegEdit regEdit_{store_};
    std::unique_ptr<Win32Form1Controls> controls_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<HelpBook> help_;
    Text driverKey_;
    DriverKeyFound driverKeyFound_ = DriverKeyFound::First;
    HelpPopup popup_;
};

}  // namespace velmora
