#pragma once
// Form1 as a real window: created from the control table, its controls bound
// to the portable setting side through the control interfaces. A tab's page
// and its controls are made when the tab is first shown, as the system's
// property sheets make theirs: at start only the Information page exists.
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

    // Creates the window, the tab control and the buttons, hidden; the
    // setting controls hold their designed states until their pages are made.
    Status create(HINSTANCE instance);
    Status Form_Load() { return form_->Form_Load(); }
    // After the load: what decides each Glide value before Velmora's, shown
    // in the captions' colour, and the tips of every control.
    void showHelp();
    // Makes the first tab's page and shows the window, drawn once.
    void show(int showCommand);
    // Shows tab 0..4 as the tab control's current one, making its page first
    // if it was never shown. Every way of changing tabs comes here.
    void selectTab(int tab);
    HWND hwnd() const { return hwnd_; }
    // Every message of the program passes here before the dialog manager:
    // the keys of keyboard.cpp, and what closes the help pop-up. True when
    // the message was taken.
    bool preTranslate(const MSG& m);
    // A control's window; nullptr while its page is not made.
    HWND control(const char* name) const { return windowOf(name); }

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l);
    static LRESULT CALLBACK pageProc(HWND h, UINT m, WPARAM w, LPARAM l);
    LRESULT handle(UINT m, WPARAM w, LPARAM l);

    Status registerClasses() const;
    Status createControls();
    Status createControl(const layout::Control& c, HWND parent, POINT origin);
    Status makePage(int tab);
    HWND windowOf(const char* name) const;
    LabelWindow label(const char* name) const;
    // What a control's `make` takes.
    LabelWindow windowFor(const Win32Label&, const char* name) const { return label(name); }
    HWND windowFor(const Control&, const char* name) const { return windowOf(name); }
    const layout::Control* rowOf(HWND control) const;
    void onCommand(int id, int code);
    void updateHelp();
    void stepTab(int step);       // keyboard.cpp
    void showHelpFor(HWND item);  // keyboard.cpp
    void copyReport();            // clipboard.cpp
    LRESULT colorFor(const layout::Control& c, HDC dc);

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HWND tips_ = nullptr;  // nullptr where no tooltip could be made
    HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
    HWND pages_[layout::kTabCount] = {};  // nullptr until first shown
    RECT pageArea_ = {};                   // the tab control's display area
    Vec<HWND> windows_;  // by row of the control table
    int dpi_ = 96;
    Font regular_, bold_;
    Vec<Bitmap> pictures_;

    Win32Store store_;
    RegEdit regEdit_{store_};
    Win32Form1Controls controls_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<HelpBook> help_;
    Text driverKey_;
    DriverKeyFound driverKeyFound_ = DriverKeyFound::First;
    HelpPopup popup_;
};

}  // namespace velmora
